#include "wordlist/word_text.h"

#include <lexiton/text_encoding.h>

namespace lexiton::host {

namespace {

char16_t foldLetter(char16_t c) {
  if (c >= u'A' && c <= u'Z') return char16_t(c + 0x20);
  // Latin-1: À..Þ except the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 0x20);
  // Latin Extended-A pairs capital and small letter side by side; the runs where the capital
  // is odd are shifted by the dotless i and kra.
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c : char16_t(c + 1);
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? char16_t(c + 1) : c;
  if (c == 0x178) return 0xFF;
  return c;
}

bool isWordByte(unsigned char c) {
  // Letters, digits, apostrophes and every byte of a multi-byte character (accented letters).
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\'' || c >= 0x80;
}

bool isAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c + 0x20);
  return out;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool wholeWordAt(std::string_view sentence, std::size_t at, std::size_t length) {
  const bool startsWord = at == 0 || !isWordByte(static_cast<unsigned char>(sentence[at - 1]));
  const std::size_t end = at + length;
  const bool endsWord = end == sentence.size() || !isWordByte(static_cast<unsigned char>(sentence[end]));
  return startsWord && endsWord;
}

}  // namespace

std::string foldCase(std::string_view utf8) {
  if (isAscii(utf8)) return asciiLower(utf8);
  // Only valid UTF-8 goes through UTF-16, so no byte of an invalid text is replaced.
  std::u16string wide = utf8ToUtf16(utf8);
  std::string back = utf16ToUtf8(wide);
  if (back != utf8) return std::string(utf8);
  for (char16_t& c : wide) c = foldLetter(c);
  return utf16ToUtf8(wide);
}

std::string wordKey(const WordListEntry& entry) {
  std::string_view form = trimmed(entry.dictionaryForm);
  if (form.empty()) form = trimmed(entry.word);
  return foldCase(form);
}

std::optional<WordSpan> findWord(std::string_view sentence, std::string_view word, int64_t offset) {
  word = trimmed(word);
  if (word.empty() || word.size() > sentence.size()) return std::nullopt;
  if (offset >= 0 && std::size_t(offset) <= sentence.size() - word.size() &&
      sentence.substr(std::size_t(offset), word.size()) == word)
    return WordSpan{std::size_t(offset), word.size()};
  // A-Z folded byte by byte keeps every offset; accented letters are matched as they are.
  const std::string foldedSentence = asciiLower(sentence);
  const std::string foldedWord = asciiLower(word);
  for (std::size_t at = foldedSentence.find(foldedWord); at != std::string::npos;
       at = foldedSentence.find(foldedWord, at + 1)) {
    if (wholeWordAt(sentence, at, word.size())) return WordSpan{at, word.size()};
  }
  return std::nullopt;
}

}  // namespace lexiton::host
