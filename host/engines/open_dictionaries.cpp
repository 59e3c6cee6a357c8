#include "engines/open_dictionaries.h"

namespace lexiton::host {

namespace {

constexpr char kHoverDictionaryMark = '2';

}  // namespace

bool listsHoverDictionary(const char* list, std::size_t size) {
  std::size_t at = 0;
  while (at < size && list[at] != '\0') {
    if (list[at] == kHoverDictionaryMark) return true;
    // On to the next identifier, past this one's zero.
    while (at < size && list[at] != '\0') ++at;
    ++at;
  }
  return false;
}

}  // namespace lexiton::host
