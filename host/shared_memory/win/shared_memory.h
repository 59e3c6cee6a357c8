// shared_memory: a named, paging-file backed block mapped for reading and writing, with the
// named mutex that guards its contents across processes.
#pragma once

#include <windows.h>

#include <lexiton/fixed_texts.h>

#include <optional>
#include <string>

#include "shared_memory/named_object_exception.h"
#include "shared_memory/win/named_mutex.h"

namespace lexiton::host {

class shared_memory {
 public:
  class creation_exception : public named_object_exception {
   public:
    creation_exception(std::string name, uint32_t code)
        : named_object_exception(fixed_texts::kSharedMemoryCreation, std::move(name), code) {}
  };
  class open_exception : public named_object_exception {
   public:
    open_exception(std::string name, uint32_t code)
        : named_object_exception(fixed_texts::kSharedMemoryOpen, std::move(name), code) {}
  };
  class map_view_exception : public named_object_exception {
   public:
    map_view_exception(std::string name, uint32_t code)
        : named_object_exception(fixed_texts::kSharedMemoryMapView, std::move(name), code) {}
  };

  // Creates (or, with create false, opens) the block `shortName` of `size` bytes and maps it;
  // `created` tells whether the block is new. Throws the nested exceptions above, or
  // named_mutex::creation_exception for its lock.
  shared_memory(unsigned size, const std::string& shortName, bool create, bool& created);
  ~shared_memory();
  shared_memory(const shared_memory&) = delete;
  shared_memory& operator=(const shared_memory&) = delete;

  // Copy min(length, size - offset) bytes; false, copying nothing, when offset >= size.
  bool write(const void* source, unsigned length, unsigned offset);
  bool read(void* destination, unsigned length, unsigned offset) const;

  void lock_wait(DWORD milliseconds) { lock_.wait(milliseconds); }
  void lock_release() { lock_.release(); }

  unsigned size() const { return size_; }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  named_mutex lock_;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
  unsigned size_ = 0;
};

}  // namespace lexiton::host
