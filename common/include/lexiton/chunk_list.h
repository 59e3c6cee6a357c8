// The tagged byte container of a look-up result and of the about-text and splash files:
// chunks of a 4-byte space-padded ASCII tag, a 4-byte little-endian length and the data,
// ended by four zero bytes. Each tag occurs once; adding under an existing tag extends that
// chunk in place. Every read is bounded by the buffer: a length that runs past the end, or
// a list without its terminator, is reported as malformed, never read past.
#pragma once

#include <lexiton/byte_store.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lexiton {

using ChunkTag = std::array<char, 4>;

// The stored form of a tag: its first four characters, padded on the right with spaces.
ChunkTag makeChunkTag(std::string_view tag);

struct Chunk {
  ChunkTag tag;
  std::size_t offset;   // of the chunk's tag within the list
  const uint8_t* data;  // the chunk's data
  uint32_t size;        // its length

  std::string_view text() const { return {reinterpret_cast<const char*>(data), size}; }
};

class chunk_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Read-only walk over list bytes someone else owns.
class ChunkView {
 public:
  static constexpr std::size_t kHeaderSize = 8;
  static constexpr std::size_t kTerminatorSize = 4;

  ChunkView(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The chunk under `tag`, or nothing. Throws chunk_error when the walk meets a header or a
  // length that does not fit in the buffer before finding it.
  std::optional<Chunk> find(std::string_view tag) const;

  // Offset of the terminator. Throws chunk_error when the list has none within the buffer.
  std::size_t terminatorOffset() const;

  // True when every chunk fits, a terminator ends the list, and no tag repeats.
  bool wellFormed() const;

  // Calls visit(chunk) for each chunk up to the terminator; stops early when it returns false.
  // Throws chunk_error on a malformed list (chunks before the fault are still visited).
  template <class Visit>
  void forEach(Visit&& visit) const {
    std::size_t at = 0;
    while (auto chunk = chunkAt(at)) {
      if (!visit(*chunk)) return;
      at += kHeaderSize + chunk->size;
    }
  }

 private:
  // The chunk starting at `at`, nothing at the terminator; throws when it does not fit.
  std::optional<Chunk> chunkAt(std::size_t at) const;

  const uint8_t* data_;
  std::size_t size_;
};

// A list being written, over a ByteStore.
class ChunkList {
 public:
  explicit ChunkList(ByteStore& store) : store_(store) {}
  ChunkList(const ChunkList&) = delete;
  ChunkList& operator=(const ChunkList&) = delete;

  // Makes the store hold the empty list (four zero bytes). False when even that does not fit.
  bool clear();

  // Adds `size` bytes under `tag`, extending the chunk with that tag when it exists. A store
  // that does not hold a list yet is made the empty list first. False, with the list as it
  // was, when the store cannot hold the result or its list is malformed.
  bool add(std::string_view tag, const void* bytes, std::size_t size);
  bool add(std::string_view tag, std::string_view text) { return add(tag, text.data(), text.size()); }

  std::optional<Chunk> find(std::string_view tag) const { return view().find(tag); }
  ChunkView view() const { return ChunkView(store_.data(), store_.size()); }

  // Replaces the contents with the bytes of a file. When the file cannot be opened or read in
  // one piece, the list becomes the empty list and the result is false. The bytes are not
  // checked here: readers find faults as they walk.
  bool loadFile(const std::string& path);

 private:
  ByteStore& store_;
};

}  // namespace lexiton
