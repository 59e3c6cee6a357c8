#include "wordlist/word_export.h"

#include <lexiton/local_time.h>

#include <cstdio>
#include <ctime>

#include "wordlist/word_text.h"

namespace lexiton::host {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCsvHeader =
    "Word,Dictionary form,Count,First seen,Last seen,Sentence,Hungarian,Hungarian senses,Translation,Program";
constexpr std::string_view kFlashCardHeader = "#separator:tab\n#html:true\n";
constexpr std::string_view kLineBreak = "<br>";

bool needsQuotes(std::string_view text) { return text.find_first_of(",\"\r\n") != std::string_view::npos; }

// The senses one per line, whatever line ends they came with; empty lines dropped.
std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> out;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (line.find_first_not_of(" \t") != std::string_view::npos) out.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return out;
}

void appendCsvRow(std::string& out, const WordRow& row) {
  const WordListEntry& e = row.latest;
  const std::string fields[] = {e.word,
                                e.dictionaryForm,
                                std::to_string(row.count),
                                formatSeen(row.firstSeen),
                                formatSeen(row.lastSeen),
                                e.sentence,
                                e.hungarian,
                                e.senses,
                                e.translation,
                                e.program};
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) out += ',';
    first = false;
    out += csvField(field);
  }
  out += "\r\n";
}

}  // namespace

std::string csvField(std::string_view text) {
  if (!needsQuotes(text)) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string htmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      // A field that starts with a quote would be read as a quoted field by the importer.
      case '"':
        out += "&quot;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
  }
  return out;
}

std::string flashCardFront(const WordListEntry& entry) {
  const std::string_view sentence = entry.sentence;
  if (const auto span = findWord(sentence, entry.word, entry.wordOffset)) {
    return htmlText(sentence.substr(0, span->offset)) + "<b>" +
           htmlText(sentence.substr(span->offset, span->length)) + "</b>" +
           htmlText(sentence.substr(span->offset + span->length));
  }
  std::string front = "<b>" + htmlText(entry.word) + "</b>";
  if (sentence.find_first_not_of(" \t\r\n") != std::string_view::npos)
    front += std::string(kLineBreak) + htmlText(sentence);
  return front;
}

std::string flashCardBack(const WordListEntry& entry) {
  std::vector<std::string> parts;
  if (!entry.dictionaryForm.empty() && foldCase(entry.dictionaryForm) != foldCase(entry.word))
    parts.push_back("<b>" + htmlText(entry.dictionaryForm) + "</b>");
  std::vector<std::string_view> senses = lines(entry.senses);
  if (senses.empty() && !entry.hungarian.empty()) senses.push_back(entry.hungarian);
  for (std::string_view sense : senses) parts.push_back(htmlText(sense));
  if (entry.translation.find_first_not_of(" \t\r\n") != std::string::npos) {
    if (!parts.empty()) parts.emplace_back();  // an empty line before the translation
    parts.push_back("<i>" + htmlText(entry.translation) + "</i>");
  }
  std::string back;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) back += kLineBreak;
    back += parts[i];
  }
  return back;
}

std::string formatSeen(int64_t seen) {
  const std::tm t = localTime(std::time_t(seen));
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min);
  return text;
}

void appendExport(std::string& out, const std::vector<WordRow>& rows, ExportFormat format) {
  if (format == ExportFormat::csv) {
    out += kByteOrderMark;
    out += kCsvHeader;
    out += "\r\n";
    for (const WordRow& row : rows) appendCsvRow(out, row);
    return;
  }
  out += kFlashCardHeader;
  for (const WordRow& row : rows) {
    out += flashCardFront(row.latest);
    out += '\t';
    out += flashCardBack(row.latest);
    out += '\n';
  }
}

}  // namespace lexiton::host
