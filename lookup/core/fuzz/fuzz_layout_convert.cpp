// Converts arbitrary bytes through the shipped style sheet.
#include <string>

#include "lexiton/lookup/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  static const lexiton::Layout layout(LEXITON_STYLE_SHEET_PATH);
  try {
    (void)layout.convert(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const lexiton::xml_exception&) {
  }
  return 0;
}
