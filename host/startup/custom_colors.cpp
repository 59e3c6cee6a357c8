#include "startup/custom_colors.h"

#include <lexiton/ascii.h>

#include <cstdio>

namespace lexiton::host {

namespace {

constexpr std::size_t kDigits = 6;
constexpr char kSeparator = ',';
constexpr uint32_t kColorMask = 0x00FFFFFF;

}  // namespace

CustomColors whiteCustomColors() {
  CustomColors colors;
  colors.fill(kCustomColorWhite);
  return colors;
}

std::string formatCustomColors(const CustomColors& colors) {
  std::string text;
  for (std::size_t i = 0; i < colors.size(); ++i) {
    char field[8];
    std::snprintf(field, sizeof field, "%06X", static_cast<unsigned>(colors[i] & kColorMask));
    if (i) text += kSeparator;
    text += field;
  }
  return text;
}

CustomColors parseCustomColors(std::string_view text) {
  constexpr std::size_t kLength = kCustomColorCount * (kDigits + 1) - 1;
  if (text.size() != kLength) return whiteCustomColors();
  CustomColors colors{};
  for (std::size_t i = 0; i < kCustomColorCount; ++i) {
    const std::size_t at = i * (kDigits + 1);
    if (i && text[at - 1] != kSeparator) return whiteCustomColors();
    uint32_t value = 0;
    for (std::size_t d = 0; d < kDigits; ++d) {
      const int digit = ascii::hexDigit(static_cast<unsigned char>(text[at + d]));
      if (digit < 0) return whiteCustomColors();
      value = value << 4 | static_cast<uint32_t>(digit);
    }
    colors[i] = value;
  }
  return colors;
}

}  // namespace lexiton::host
