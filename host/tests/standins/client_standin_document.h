// What the client stand-in answers a look-up with, shared with the tests that paint the same
// answer themselves to know the size of the tooltip the host must show.
#pragma once

#include <string>

namespace lexiton::standin {

// The word around `cursor` (letters only, in capitals); "-" when the cursor is on none.
inline std::string wordAt(const std::u16string& text, unsigned cursor) {
  auto letter = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
  if (cursor >= text.size() || !letter(text[cursor])) return "-";
  std::size_t begin = cursor, end = cursor;
  while (begin > 0 && letter(text[begin - 1])) --begin;
  while (end < text.size() && letter(text[end])) ++end;
  std::string word;
  for (std::size_t i = begin; i < end; ++i) {
    const char c = static_cast<char>(text[i]);
    word += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return word;
}

// One RTF document showing `word` three times in a 14-point font: wider than the tooltip's
// header, so its width follows the word.
inline std::string scriptedDocument(const std::string& word) {
  return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\\pard\\plain\\f0\\fs28 " + word + " " +
         word + " " + word + "\\par}";
}

}  // namespace lexiton::standin
