// Found from an address inside this code, so it names whichever shared object linked it.
#include <dlfcn.h>

#include "lexiton/lookup/module_path.h"

namespace lexiton::lookup {

void* currentModule() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&currentModule), &info)) return nullptr;
  return info.dli_fbase;
}

std::string currentModuleDirectory() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&currentModule), &info) || !info.dli_fname) return {};
  std::string path = info.dli_fname;
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace lexiton::lookup
