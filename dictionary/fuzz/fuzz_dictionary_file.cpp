// Arbitrary bytes as a compiled dictionary file: the reader either rejects them with its own
// error or yields an image whose every look-up stays within the bytes it was given.
#include <cstdint>
#include <string>

#include "lexiton/dictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const lexiton::Dictionary d =
        lexiton::Dictionary::fromBytes(std::string(reinterpret_cast<const char*>(data), size));
    lexiton::DictionaryEntry entry;
    for (const char* word : {"house", "houses", "gave", "a", "zzz"}) d.find(word, entry);
    d.findExact("ice cream", entry);
  } catch (const lexiton::Dictionary::cExc&) {
  }
  return 0;
}
