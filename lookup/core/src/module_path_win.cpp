// Found from an address inside this code, so it names whichever DLL (or program) linked it.
#include <windows.h>

#include "lexiton/lookup/module_path.h"

namespace lexiton::lookup {

void* currentModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&currentModule), &module);
  return module;
}

std::string currentModuleDirectory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(static_cast<HMODULE>(currentModule()), path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::string dir(path, n);
  const auto slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
}

}  // namespace lexiton::lookup
