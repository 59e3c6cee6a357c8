#include "key_report.h"

namespace lexiton::ptrhook {

namespace {

// Shift, Control, Alt (both sides and generic), the Windows keys, Caps, Num and Scroll Lock.
bool isModifier(unsigned virtualKey) {
  switch (virtualKey) {
    case 0x10:
    case 0x11:
    case 0x12:  // shift, control, menu
    case 0xA0:
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5:
    case 0x5B:
    case 0x5C:  // left and right Windows keys
    case 0x14:
    case 0x90:
    case 0x91:  // caps, num and scroll lock
      return true;
    default:
      return false;
  }
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
