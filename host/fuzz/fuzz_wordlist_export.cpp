// The word list's exports over arbitrary rows: records separated by 0x1E, their fields by 0x1F
// (word, dictionary form, sentence, word offset, Hungarian, senses, translation, program, time).
// Besides running clean, the flash cards must keep two fields on every line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/word_export.h"
#include "wordlist/word_text.h"

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

int64_t number(std::string_view text) {
  // Bounded, so the time stays within what the C library converts.
  const std::string digits(text.substr(0, 12));
  return std::strtoll(digits.c_str(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::host;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<WordRow> rows;
  for (std::string_view record : split(input, '\x1e')) {
    std::vector<std::string_view> f = split(record, '\x1f');
    f.resize(9);
    WordRow row;
    WordListEntry& e = row.latest;
    e.word = f[0];
    e.dictionaryForm = f[1];
    e.sentence = f[2];
    e.wordOffset = f[3].empty() ? -1 : number(f[3]);
    e.hungarian = f[4];
    e.senses = f[5];
    e.translation = f[6];
    e.program = f[7];
    e.seen = number(f[8]);
    row.key = wordKey(e);
    row.count = int64_t(record.size());
    row.firstSeen = row.lastSeen = e.seen;
    if (const auto span = findWord(e.sentence, e.word, e.wordOffset)) {
      if (span->offset + span->length > e.sentence.size()) std::abort();
    }
    rows.push_back(std::move(row));
  }

  std::string csv;
  appendExport(csv, rows, ExportFormat::csv);
  std::string cards;
  appendExport(cards, rows, ExportFormat::flashCards);
  constexpr std::string_view kHeader = "#separator:tab\n#html:true\n";
  if (cards.compare(0, kHeader.size(), kHeader) != 0 || cards.find('\r') != std::string::npos) std::abort();
  std::size_t lines = 0;
  for (std::string_view line : split(std::string_view(cards).substr(kHeader.size()), '\n')) {
    if (line.empty()) continue;
    std::size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    if (tabs != 1 || line.front() == '"') std::abort();
    ++lines;
  }
  if (lines != rows.size()) std::abort();
  return 0;
}
