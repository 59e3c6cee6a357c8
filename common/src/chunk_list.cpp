#include <lexiton/chunk_list.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <vector>

namespace lexiton {
namespace {

constexpr ChunkTag kEndTag{0, 0, 0, 0};

uint32_t readLength(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void writeLength(uint8_t* p, uint32_t n) {
  p[0] = uint8_t(n);
  p[1] = uint8_t(n >> 8);
  p[2] = uint8_t(n >> 16);
  p[3] = uint8_t(n >> 24);
}

ChunkTag tagAt(const uint8_t* p) {
  ChunkTag tag;
  std::memcpy(tag.data(), p, tag.size());
  return tag;
}

}  // namespace

ChunkTag makeChunkTag(std::string_view tag) {
  ChunkTag out{' ', ' ', ' ', ' '};
  std::copy_n(tag.begin(), std::min(tag.size(), out.size()), out.begin());
  return out;
}

std::optional<Chunk> ChunkView::chunkAt(std::size_t at) const {
  if (at > size_ || size_ - at < kTerminatorSize) throw chunk_error("chunk list ends without its terminator");
  const ChunkTag tag = tagAt(data_ + at);
  if (tag == kEndTag) return std::nullopt;
  if (size_ - at < kHeaderSize) throw chunk_error("chunk header is cut off");
  const uint32_t length = readLength(data_ + at + 4);
  if (length > size_ - at - kHeaderSize) throw chunk_error("chunk length runs past the end of the list");
  return Chunk{tag, at, data_ + at + kHeaderSize, length};
}

std::optional<Chunk> ChunkView::find(std::string_view tag) const {
  const ChunkTag wanted = makeChunkTag(tag);
  std::optional<Chunk> found;
  forEach([&](const Chunk& chunk) {
    if (chunk.tag != wanted) return true;
    found = chunk;
    return false;
  });
  return found;
}

std::size_t ChunkView::terminatorOffset() const {
  std::size_t at = 0;
  forEach([&](const Chunk& chunk) {
    at = chunk.offset + kHeaderSize + chunk.size;
    return true;
  });
  chunkAt(at);  // throws when the walk ended on a fault rather than the terminator
  return at;
}

bool ChunkView::wellFormed() const {
  try {
    std::set<ChunkTag> seen;
    bool unique = true;
    forEach([&](const Chunk& chunk) { return unique = seen.insert(chunk.tag).second; });
    if (!unique) return false;
    terminatorOffset();
    return true;
  } catch (const chunk_error&) {
    return false;
  }
}

bool ChunkList::clear() {
  if (!store_.resize(ChunkView::kTerminatorSize)) return false;
  std::memset(store_.data(), 0, ChunkView::kTerminatorSize);
  return true;
}

bool ChunkList::add(std::string_view tag, const void* bytes, std::size_t size) {
  if (store_.size() == 0 && !clear()) return false;
  try {
    const ChunkView list = view();
    const std::size_t end = list.terminatorOffset();
    const std::size_t oldSize = store_.size();
    const std::optional<Chunk> chunk = list.find(tag);
    const std::size_t limit = std::numeric_limits<uint32_t>::max();
    if (chunk ? size > limit - chunk->size : size > limit) return false;
    const std::size_t growth = chunk ? size : ChunkView::kHeaderSize + size;
    if (growth > limit - oldSize) return false;
    // Where the new bytes go: after the chunk's data, or a new chunk at the terminator.
    const std::size_t at = chunk ? chunk->offset + ChunkView::kHeaderSize + chunk->size : end;
    const uint32_t newLength = static_cast<uint32_t>(chunk ? chunk->size + size : size);
    const std::size_t chunkOffset = chunk ? chunk->offset : end;
    if (!store_.resize(oldSize + growth)) return false;
    uint8_t* d = store_.data();
    std::memmove(d + at + growth, d + at, oldSize - at);
    if (chunk) {
      if (size) std::memcpy(d + at, bytes, size);
    } else {
      const ChunkTag t = makeChunkTag(tag);
      std::memcpy(d + at, t.data(), t.size());
      if (size) std::memcpy(d + at + ChunkView::kHeaderSize, bytes, size);
    }
    writeLength(d + chunkOffset + 4, newLength);
    return true;
  } catch (const chunk_error&) {
    return false;
  }
}

bool ChunkList::loadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes;
  if (in) {
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    in.seekg(0, std::ios::beg);
    if (length >= 0) {
      bytes.resize(static_cast<std::size_t>(length));
      in.read(bytes.data(), length);
    }
  }
  if (!in || !store_.resize(bytes.size())) {
    clear();
    return false;
  }
  std::copy(bytes.begin(), bytes.end(), store_.data());
  return true;
}

}  // namespace lexiton
