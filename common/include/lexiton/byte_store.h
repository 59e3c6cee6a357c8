// Where a ChunkList keeps its bytes: an owned, growable vector, or a caller's reserved block
// (LxByteArray) that may be filled but never reallocated.
#pragma once

#include <lexiton/abi.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lexiton {

class ByteStore {
 public:
  virtual ~ByteStore() = default;
  virtual uint8_t* data() = 0;
  virtual const uint8_t* data() const = 0;
  virtual std::size_t size() const = 0;
  // Changes the size, keeping the first min(old, n) bytes. False when n does not fit.
  virtual bool resize(std::size_t n) = 0;
};

class VectorStore final : public ByteStore {
 public:
  VectorStore() = default;
  explicit VectorStore(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  uint8_t* data() override { return bytes_.data(); }
  const uint8_t* data() const override { return bytes_.data(); }
  std::size_t size() const override { return bytes_.size(); }
  bool resize(std::size_t n) override;
  std::vector<uint8_t>& bytes() { return bytes_; }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Writes into a block another module allocated; refuses to grow past its capacity.
class ReservedStore final : public ByteStore {
 public:
  explicit ReservedStore(LxByteArray& array) : array_(array) {}
  ReservedStore(const ReservedStore&) = delete;
  ReservedStore& operator=(const ReservedStore&) = delete;
  uint8_t* data() override { return array_.data; }
  const uint8_t* data() const override { return array_.data; }
  std::size_t size() const override { return array_.size; }
  bool resize(std::size_t n) override;

 private:
  LxByteArray& array_;
};

}  // namespace lexiton
