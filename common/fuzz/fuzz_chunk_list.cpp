// Walks arbitrary bytes as a ChunkList, then appends to a copy: no read may leave the buffer,
// and a list that was well formed stays well formed with the new data at the end of its chunk.
#include <lexiton/chunk_list.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton;
  const ChunkView view(data, size);
  const bool wellFormed = view.wellFormed();
  try {
    view.find("QXR1");
    view.terminatorOffset();
  } catch (const chunk_error&) {
  }
  VectorStore store(std::vector<uint8_t>(data, data + size));
  ChunkList list(store);
  const bool added = list.add("plain", "text", 4);
  if (wellFormed) {
    if (!added || !list.view().wellFormed()) __builtin_trap();
    const auto plai = list.find("plai");
    if (!plai || plai->size < 4 || plai->text().substr(plai->size - 4) != "text") __builtin_trap();
  }
  return 0;
}
