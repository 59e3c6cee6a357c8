#include "hover/lookup_request.h"

#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>

#include <cstring>

namespace lexiton::host {

namespace {

void putWord(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

LookupRequest::LookupRequest() {
  result.reserve(kSharedResultReserve);
  result.assign(ChunkView::kTerminatorSize, 0);
}

std::size_t copyChunkList(const uint8_t* list, std::size_t size, std::vector<uint8_t>& into) {
  into.clear();
  std::size_t copied = 0;
  if (list) {
    try {
      ChunkView(list, size).forEach([&](const Chunk& chunk) {
        into.insert(into.end(), chunk.tag.begin(), chunk.tag.end());
        putWord(into, chunk.size);
        into.insert(into.end(), chunk.data, chunk.data + chunk.size);
        ++copied;
        return true;
      });
    } catch (const chunk_error&) {
      // What was whole before the fault stays.
    }
  }
  into.insert(into.end(), ChunkView::kTerminatorSize, 0);
  return copied;
}

std::string plainTextOf(const std::vector<uint8_t>& result) {
  try {
    if (auto plain = ChunkView(result.data(), result.size()).find(chunk_tags::kPlainText)) {
      const std::string_view text = plain->text();
      // Taken as a zero-terminated text.
      return std::string(text.substr(0, text.find('\0')));
    }
  } catch (const chunk_error&) {
  }
  return {};
}

}  // namespace lexiton::host
