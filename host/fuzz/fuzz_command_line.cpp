// The host's command line: any bytes, no fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "startup/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  lexiton::host::parseCommandLine(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
