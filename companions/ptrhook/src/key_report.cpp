#include "key_report.h"

#include <algorithm>
#include <iterator>

namespace lexiton::ptrhook {

namespace {

// Shift, Control and Alt (generic, left and right), the two Windows keys, and Caps, Num and
// Scroll Lock.
constexpr unsigned kModifiers[] = {0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3,
                                   0xA4, 0xA5, 0x5B, 0x5C, 0x14, 0x90, 0x91};

bool isModifier(unsigned virtualKey) {
  return std::find(std::begin(kModifiers), std::end(kModifiers), virtualKey) != std::end(kModifiers);
}

}  // namespace

std::optional<unsigned> keyReport(unsigned virtualKey, const char16_t* produced, int count) {
  if (isModifier(virtualKey)) return std::nullopt;
  if (count < 0) return static_cast<unsigned>(produced[0]);
  // A key may give two characters (a dead key that did not combine): the last is the key's own.
  if (count > 0) return static_cast<unsigned>(produced[count - 1]);
  return 0u;
}

}  // namespace lexiton::ptrhook
