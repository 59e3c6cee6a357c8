// [dict] CustomColors: any text reads as sixteen colours, and the kept form reads back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "startup/custom_colors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::host;
  if (size > 1024) return 0;
  const CustomColors colors = parseCustomColors(std::string_view(reinterpret_cast<const char*>(data), size));
  if (parseCustomColors(formatCustomColors(colors)) != colors) std::abort();
  return 0;
}
