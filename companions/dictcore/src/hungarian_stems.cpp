#include "hungarian_stems.h"

#include <lexiton/text_encoding.h>

#include <algorithm>

namespace lexiton::dictcore {
namespace {

// Case endings, longest first within each ending's alternants; the linking vowel of the
// accusative and the superessive counts as part of the ending.
constexpr std::u16string_view kCaseEndings[] = {
    u"ban",      u"ben",      u"ba",       u"be",       u"b\u00F3l", u"b\u0151l", u"r\u00F3l",
    u"r\u0151l", u"t\u00F3l", u"t\u0151l", u"n\u00E1l", u"n\u00E9l", u"hoz",      u"hez",
    u"h\u00F6z", u"nak",      u"nek",      u"val",      u"vel",      u"ra",       u"re",
    u"on",       u"en",       u"\u00F6n",  u"ig",       u"\u00E9rt", u"kor",      u"at",
    u"et",       u"ot",       u"\u00F6t",  u"t",        u"n"};
constexpr std::u16string_view kPluralEndings[] = {u"ak", u"ek", u"ok", u"\u00F6k", u"k"};
constexpr std::size_t kMinStem = 2;

char16_t lower(char16_t c) {
  if (c >= u'A' && c <= u'Z') return char16_t(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 32);
  if (c == 0x150 || c == 0x170) return char16_t(c + 1);  // Ő, Ű
  return c;
}

bool endsWith(std::u16string_view w, std::u16string_view tail) {
  return w.size() >= tail.size() + kMinStem && w.substr(w.size() - tail.size()) == tail;
}

void add(std::vector<std::u16string>& out, std::u16string s) {
  if (s.size() >= kMinStem && std::find(out.begin(), out.end(), s) == out.end()) out.push_back(std::move(s));
}

// "almá" -> "alma", "kefé" -> "kefe": a final vowel lengthens before an ending.
void addWithShortVowel(std::vector<std::u16string>& out, std::u16string s) {
  add(out, s);
  if (s.empty()) return;
  if (s.back() == 0xE1)
    s.back() = u'a';
  else if (s.back() == 0xE9)
    s.back() = u'e';
  else
    return;
  add(out, s);
}

void addWithoutPlural(std::vector<std::u16string>& out, const std::u16string& s) {
  addWithShortVowel(out, s);
  for (std::u16string_view plural : kPluralEndings)
    if (endsWith(s, plural)) addWithShortVowel(out, s.substr(0, s.size() - plural.size()));
}

}  // namespace

std::string hungarianLower(std::string_view utf8) {
  std::u16string w = utf8ToUtf16(utf8);
  for (char16_t& c : w) c = lower(c);
  return utf16ToUtf8(w);
}

std::vector<std::string> hungarianStems(std::string_view utf8) {
  std::u16string w = utf8ToUtf16(utf8);
  for (char16_t& c : w) c = lower(c);
  std::vector<std::u16string> out;
  addWithoutPlural(out, w);
  for (std::u16string_view ending : kCaseEndings)
    if (endsWith(w, ending)) addWithoutPlural(out, w.substr(0, w.size() - ending.size()));
  std::vector<std::string> stems;
  for (const auto& s : out) stems.push_back(utf16ToUtf8(s));
  return stems;
}

bool looksHungarian(std::string_view utf8) {
  for (char16_t c : utf8ToUtf16(utf8)) {
    c = lower(c);
    if (c == 0xE1 || c == 0xE9 || c == 0xED || c == 0xF3 || c == 0xF6 || c == 0x151 || c == 0xFA ||
        c == 0xFC || c == 0x171)
      return true;
  }
  return false;
}

}  // namespace lexiton::dictcore
