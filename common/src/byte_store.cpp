#include <lexiton/byte_store.h>

#include <new>
#include <stdexcept>

namespace lexiton {

bool VectorStore::resize(std::size_t n) {
  try {
    bytes_.resize(n);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

bool ReservedStore::resize(std::size_t n) {
  if (n > array_.capacity) return false;
  array_.size = static_cast<uint32_t>(n);
  return true;
}

}  // namespace lexiton
