// Library on Windows: LoadLibraryA, GetProcAddress, FreeLibrary.
#include <lexiton/library.h>

#include <windows.h>

namespace lexiton {

Library::Library(const std::string& file) : handle_(LoadLibraryA(file.c_str())) {
  if (!handle_) error_ = "error " + std::to_string(GetLastError());
}

void* Library::symbol(const char* name) const {
  if (!handle_) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void Library::reset() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
}

}  // namespace lexiton
