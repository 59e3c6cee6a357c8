// How lexiton-lookup reaches a look-up library: on Windows a DLL loaded by file name and bound
// by name, as the host does; natively the same code linked in.
#pragma once

#include <string>

#include "lexiton/lookup/exports.h"

namespace lexiton::cli {

struct LookupEntries {
  KVInitFn init = nullptr;
  LookupFn lookup = nullptr;
  SetModeFn setMode = nullptr;
  GetCopyRightInfoFn copyRightInfo = nullptr;
  KVStornoFn storno = nullptr;
  KVCloseFn close = nullptr;
  KVExitFn exit = nullptr;
  KVProxyDlgFn proxyDialog = nullptr;
};

// Fills `entries` from `file` (kept loaded until the process ends); false with `error` set
// when the library cannot be loaded or lacks an entry.
bool loadLookupEntries(const std::string& file, LookupEntries& entries, std::string& error);

// A command-line argument as UTF-16 (the process's code page on Windows, UTF-8 elsewhere).
std::u16string argumentText(const char* argument);

}  // namespace lexiton::cli
