// Library elsewhere: dlopen, dlsym, dlclose. dlopen searches its own path list, not the current
// folder: name a file there with a path ("./libLexitonSt.so").
#include <lexiton/library.h>

#include <dlfcn.h>

namespace lexiton {

Library::Library(const std::string& file) : handle_(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!handle_) {
    const char* why = dlerror();
    error_ = why ? why : "dlopen failed";
  }
}

void* Library::symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

void Library::reset() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace lexiton
