// The value of one hexadecimal digit, shared by the \'hh escape and picture data.
#pragma once

#include <cstdint>

namespace tippaint {

// 0-15, or -1 when `byte` is not a hexadecimal digit.
inline int hex_digit(std::uint8_t byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

}  // namespace tippaint
