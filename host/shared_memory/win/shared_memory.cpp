#include "shared_memory/win/shared_memory.h"

#include <algorithm>
#include <cstring>

#include "shared_memory/subscriber_record.h"

namespace lexiton::host {

shared_memory::shared_memory(unsigned size, const std::string& shortName, bool create, bool& created)
    : name_(shortName), lock_(sharedMutexName(shortName), false) {
  const std::string mappingName = sharedMappingName(shortName);
  created = false;
  if (create) {
    mapping_ =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, mappingName.c_str());
    const DWORD error = GetLastError();
    if (!mapping_) throw creation_exception(name_, error);
    created = error != ERROR_ALREADY_EXISTS;
  } else {
    mapping_ = OpenFileMappingA(FILE_MAP_WRITE, FALSE, mappingName.c_str());
    if (!mapping_) throw open_exception(name_, GetLastError());
  }
  view_ = MapViewOfFile(mapping_, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
  if (!view_) {
    const DWORD error = GetLastError();
    CloseHandle(mapping_);
    mapping_ = nullptr;
    throw map_view_exception(name_, error);
  }
  size_ = size;
}

shared_memory::~shared_memory() {
  if (view_) UnmapViewOfFile(view_);
  if (mapping_) CloseHandle(mapping_);
}

bool shared_memory::write(const void* source, unsigned length, unsigned offset) {
  if (offset >= size_) return false;
  std::memcpy(static_cast<char*>(view_) + offset, source, std::min(length, size_ - offset));
  return true;
}

bool shared_memory::read(void* destination, unsigned length, unsigned offset) const {
  if (offset >= size_) return false;
  std::memcpy(destination, static_cast<const char*>(view_) + offset, std::min(length, size_ - offset));
  return true;
}

}  // namespace lexiton::host
