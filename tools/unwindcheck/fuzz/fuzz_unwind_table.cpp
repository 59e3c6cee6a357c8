// A PE image from arbitrary bytes: the header walk, the table read and the repair stay within
// the file.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pe_unwind_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> file(data, data + size);
  try {
    lexiton::pe::unwindTableFaults(file);
    lexiton::pe::dropEntriesOutsideCode(file);
    lexiton::pe::unwindTableFaults(file);
  } catch (const lexiton::pe::FormatError&) {
  }
  return 0;
}
