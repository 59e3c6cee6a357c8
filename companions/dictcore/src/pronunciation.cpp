#include "pronunciation.h"

#include <lexiton/text_encoding.h>

#include <utility>

namespace lexiton::dictcore {
namespace {

// SAMPA for the symbols of English and Hungarian transcriptions; stress marks as the
// apostrophe and comma older printed dictionaries used.
constexpr std::pair<char16_t, std::string_view> kSampa[] = {
    {u'\u02C8', "'"}, {u'\u02CC', ","}, {u'\u02D0', ":"}, {u'\u0259', "@"},  {u'\u025A', "@`"},
    {u'\u025C', "3"}, {u'\u0252', "Q"}, {u'\u0251', "A"}, {u'\u00E6', "{"},  {u'\u028C', "V"},
    {u'\u026A', "I"}, {u'\u028A', "U"}, {u'\u0254', "O"}, {u'\u025B', "E"},  {u'\u0261', "g"},
    {u'\u0283', "S"}, {u'\u0292', "Z"}, {u'\u03B8', "T"}, {u'\u00F0', "D"},  {u'\u014B', "N"},
    {u'\u0279', "r"}, {u'\u027E', "4"}, {u'\u0250', "6"}, {u'\u0264', "7"},  {u'\u0268', "1"},
    {u'\u00F8', "2"}, {u'\u0153', "9"}, {u'\u0272', "J"}, {u'\u028E', "L"},  {u'\u0263', "G"},
    {u'\u0294', "?"}, {u'\u0267', "x"}, {u'\u0269', "I"}, {u'\u02B0', "_h"}, {u'\u0303', "~"},
    {u'\u0329', "="}, {u'\u032F', ""},  {u'\u2019', "'"}, {u'\u0301', ""},
};

}  // namespace

std::optional<std::string> asciiPronunciation(std::string_view ipa) {
  std::string out;
  for (char16_t c : utf8ToUtf16(ipa)) {
    if (c >= 0x20 && c < 0x7F) {
      out += char(c);
      continue;
    }
    bool known = false;
    for (const auto& [symbol, sampa] : kSampa)
      if (symbol == c) {
        out += sampa;
        known = true;
        break;
      }
    if (!known) return std::nullopt;
  }
  return out;
}

}  // namespace lexiton::dictcore
