#include "tooltip/win/system_local_dictionary.h"

#include <lexiton/abi.h>
#include <lexiton/chunk_list.h>

#include <cstring>

#include "engines/open_dictionaries.h"
#include "hover/lookup_request.h"

namespace lexiton::host {

bool SystemLocalDictionary::hoverDictionaryOpen() {
  const auto list = engines_.entries().getOpenDicts;
  if (!list) return false;
  char buffer[kLocalOpenDictionariesBuffer] = {};
  list(buffer, kLocalOpenDictionariesBuffer);
  return listsHoverDictionary(buffer, sizeof buffer);
}

bool SystemLocalDictionary::lookUp(const std::u16string& text, const std::string& notFoundText,
                                   std::vector<uint8_t>& result) {
  const auto lookup = engines_.entries().lookupRIFFW;
  if (!lookup) return false;
  char notFound[kLocalNotFoundBuffer] = {};
  std::memcpy(notFound, notFoundText.data(), std::min(notFoundText.size(), kLocalNotFoundBuffer - 1));
  // Reserved whole before the call: the engine appends without reallocating.
  std::vector<uint8_t> storage(LX_LOCAL_RESULT_RESERVE, 0);
  LxByteArray array{storage.data(), static_cast<uint32_t>(ChunkView::kTerminatorSize),
                    LX_LOCAL_RESULT_RESERVE};
  int first = 0, second = 0;
  uint8_t flag = 0;
  const int answer =
      lookup(reinterpret_cast<const uint16_t*>(text.c_str()), 1, &array, &first, &second, notFound, &flag);
  if ((answer & 0xFF) == 0) return false;
  copyChunkList(array.data, std::min(array.size, array.capacity), result);
  return true;
}

}  // namespace lexiton::host
