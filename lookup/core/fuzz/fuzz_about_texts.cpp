// Reads arbitrary bytes as an about-text file, for a language tag taken from the first byte.
#include <cstddef>
#include <cstdint>

#include "lexiton/lookup/about_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char* language = (data[0] & 1) ? "1038" : "1033";
  (void)lexiton::lookup::aboutTextsFromBytes(data + 1, size - 1, language);
  return 0;
}
