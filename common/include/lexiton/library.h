// Owner of one library loaded at run time by file name (a DLL with LoadLibraryA on Windows, a
// shared object with dlopen elsewhere) and typed binding of its entries by name. Unloaded when
// the owner goes; movable, never copied.
#pragma once

#include <string>
#include <utility>

namespace lexiton {

class Library {
 public:
  Library() = default;
  // Loads `file`; on failure the owner is empty and error() says why.
  explicit Library(const std::string& file);
  ~Library() { reset(); }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  Library(Library&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}
  Library& operator=(Library&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
      error_ = std::move(other.error_);
    }
    return *this;
  }

  explicit operator bool() const { return handle_ != nullptr; }
  // The platform's handle (an HMODULE on Windows), for resources.
  void* get() const { return handle_; }
  // Why loading failed: the system's error number on Windows, dlerror's text elsewhere.
  const std::string& error() const { return error_; }

  // The address of the entry `name`, or null (also when nothing is loaded).
  void* symbol(const char* name) const;
  // The entry `name` as a function pointer of type Fn, or null.
  template <class Fn>
  Fn bind(const char* name) const {
    return reinterpret_cast<Fn>(symbol(name));
  }

  void reset();

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace lexiton
