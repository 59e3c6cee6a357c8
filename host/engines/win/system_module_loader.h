// ModuleLoader over LoadLibraryA, GetProcAddress and FreeLibrary.
#pragma once

#include <windows.h>

#include "engines/engine_table.h"

namespace lexiton::host {

class SystemModuleLoader final : public ModuleLoader {
 public:
  ModuleHandle load(const std::string& file) override { return LoadLibraryA(file.c_str()); }
  void* entry(ModuleHandle module, const char* name) override {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
  }
  void unload(ModuleHandle module) override { FreeLibrary(static_cast<HMODULE>(module)); }
};

}  // namespace lexiton::host
