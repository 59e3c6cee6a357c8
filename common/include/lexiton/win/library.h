// Owner of one loaded DLL (LoadLibraryA/FreeLibrary) and typed binding of its entries by name.
// Windows-only; include from *_win.cpp files and Windows tests.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace lexiton::win {

class Library {
 public:
  Library() = default;
  explicit Library(const std::string& file) : module_(LoadLibraryA(file.c_str())) {}
  ~Library() { reset(); }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  Library(Library&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
  Library& operator=(Library&& other) noexcept {
    if (this != &other) {
      reset();
      module_ = std::exchange(other.module_, nullptr);
    }
    return *this;
  }

  explicit operator bool() const { return module_ != nullptr; }
  HMODULE get() const { return module_; }

  // The entry `name` as a function pointer of type Fn, or null.
  template <class Fn>
  Fn bind(const char* name) const {
    if (!module_) return nullptr;
    FARPROC entry = GetProcAddress(module_, name);
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(entry));
  }

  void reset() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace lexiton::win
