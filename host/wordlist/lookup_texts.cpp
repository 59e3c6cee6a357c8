#include "wordlist/lookup_texts.h"

#include <algorithm>

namespace lexiton::host {

namespace {

// The list's separator between the text's form and its headword, "»", is the same byte in
// both code pages; a pronunciation follows two blanks, between slashes.
constexpr std::string_view kFormArrow = " \xBB ";
constexpr std::string_view kPronunciationStart = "  /";
constexpr std::string_view kPlainLineBreak = "%0D%0A";
constexpr std::string_view kSourcePrefix = "EN: ";
constexpr std::string_view kTargetPrefix = "HU: ";

bool isWordCharacter(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

// An apostrophe or hyphen joins two word characters ("don't", "well-known").
bool joinsWord(char16_t c) { return c == u'\'' || c == 0x2019 || c == u'-'; }

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }
bool isLineBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029; }
bool isSentenceMark(char16_t c) { return c == u'.' || c == u'!' || c == u'?'; }

bool inWord(std::u16string_view text, std::size_t i) {
  if (i >= text.size()) return false;
  if (isWordCharacter(text[i])) return true;
  return joinsWord(text[i]) && i > 0 && i + 1 < text.size() && isWordCharacter(text[i - 1]) &&
         isWordCharacter(text[i + 1]);
}

// A sentence ends after a mark followed by a blank, a line break or the end.
bool endsSentenceAt(std::u16string_view text, std::size_t i) {
  return isSentenceMark(text[i]) &&
         (i + 1 == text.size() || isBlank(text[i + 1]) || isLineBreak(text[i + 1]));
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

WordInSentence wordInSentence(std::u16string_view text, std::size_t cursor) {
  WordInSentence result;
  if (cursor >= text.size()) return result;

  std::size_t wordStart = cursor;
  std::size_t wordEnd = cursor;
  if (inWord(text, cursor)) {
    while (wordStart > 0 && inWord(text, wordStart - 1)) --wordStart;
    while (inWord(text, wordEnd)) ++wordEnd;
  }

  std::size_t start = wordStart;
  const std::size_t earliest = wordStart > kSentenceReach ? wordStart - kSentenceReach : 0;
  while (start > earliest && !isLineBreak(text[start - 1]) && !endsSentenceAt(text, start - 1)) --start;
  std::size_t end = wordEnd;
  const std::size_t latest = std::min(text.size(), wordEnd + kSentenceReach);
  while (end < latest && !isLineBreak(text[end])) {
    if (endsSentenceAt(text, end++)) break;
  }
  while (start < wordStart && isBlank(text[start])) ++start;
  while (end > wordEnd && isBlank(text[end - 1])) --end;

  result.sentence = utf16ToUtf8(text.substr(start, end - start));
  if (wordEnd > wordStart) {
    result.word = utf16ToUtf8(text.substr(wordStart, wordEnd - wordStart));
    result.wordOffset = int64_t(utf16ToUtf8(text.substr(start, wordStart - start)).size());
  }
  return result;
}

std::optional<Alternative> firstAlternative(std::string_view plainText, CodePage page) {
  std::string source;
  while (!plainText.empty()) {
    const std::size_t end = plainText.find(kPlainLineBreak);
    const std::string_view line = plainText.substr(0, end);
    if (line.substr(0, kSourcePrefix.size()) == kSourcePrefix) {
      source = codePageToUtf8(line.substr(kSourcePrefix.size()), page);
    } else if (line.substr(0, kTargetPrefix.size()) == kTargetPrefix) {
      return Alternative{source, codePageToUtf8(line.substr(kTargetPrefix.size()), page)};
    }
    if (end == std::string_view::npos) break;
    plainText.remove_prefix(end + kPlainLineBreak.size());
  }
  return std::nullopt;
}

HoverTexts hoverTexts(std::string_view headwordLine, const std::vector<HoverLine>& lines, CodePage page) {
  HoverTexts texts;
  bool anySense = false;
  for (const HoverLine& line : lines) anySense = anySense || (!line.heading && !trimmed(line.text).empty());
  if (!anySense) return texts;

  std::string_view headword = headwordLine;
  if (const std::size_t pronunciation = headword.find(kPronunciationStart);
      pronunciation != std::string_view::npos)
    headword = headword.substr(0, pronunciation);
  if (const std::size_t arrow = headword.find(kFormArrow); arrow != std::string_view::npos)
    headword = headword.substr(arrow + kFormArrow.size());
  texts.dictionaryForm = codePageToUtf8(trimmed(headword), page);

  std::string current;  // the line being gathered: a heading's senses, or senses without one
  bool currentHasSense = false;
  const auto finish = [&] {
    if (currentHasSense) {
      if (!texts.senses.empty()) texts.senses += '\n';
      texts.senses += current;
    }
    current.clear();
    currentHasSense = false;
  };
  for (const HoverLine& line : lines) {
    const std::string text = codePageToUtf8(trimmed(line.text), page);
    if (text.empty()) continue;
    if (line.heading) {
      finish();
      current = text + ":";
      continue;
    }
    if (texts.firstSense.empty()) texts.firstSense = text;
    if (currentHasSense)
      current += ", ";
    else if (!current.empty())
      current += ' ';
    current += text;
    currentHasSense = true;
  }
  finish();
  return texts;
}

}  // namespace lexiton::host
