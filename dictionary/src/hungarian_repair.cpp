#include "lexiton/hungarian_repair.h"

#include <cstdint>

namespace lexiton {

std::string repairHungarian(std::string_view s) {
  std::string r;
  r.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (uint8_t(s[i]) == 0xC3 && i + 1 < s.size()) {
      uint8_t c = uint8_t(s[i + 1]);
      const char* rep = c == 0xB4   ? "\xC5\x91"
                        : c == 0xBB ? "\xC5\xB1"
                        : c == 0x94 ? "\xC5\x90"
                        : c == 0x9B ? "\xC5\xB0"
                                    : nullptr;
      if (rep) {
        r += rep;
        ++i;
        continue;
      }
    }
    r += s[i];
  }
  return r;
}

}  // namespace lexiton
