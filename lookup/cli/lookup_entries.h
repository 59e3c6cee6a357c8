// How lexiton-lookup reaches a look-up library: a library loaded by file name and bound by
// name, as the host does (a DLL on Windows, a shared object natively); natively, when no file
// is named, the client library's code linked into the program.
#pragma once

#include <string>
#include <type_traits>

#include "lexiton/lookup_exports.h"

namespace lexiton::cli {

struct LookupEntries {
  KVInitFn init = nullptr;
  LookupFn lookup = nullptr;
  SetModeFn setMode = nullptr;
  GetCopyRightInfoFn copyRightInfo = nullptr;
  KVStornoFn storno = nullptr;
  KVCloseFn close = nullptr;
  KVExitFn exit = nullptr;
  KVProxyDlgFn proxyDialog = nullptr;  // null for LexitonSt, which has no proxy dialog
};

// Binds every entry through `find(name)`, which returns the entry's address or null: the seven
// a look-up needs, or false with `error` naming the missing one; KVProxyDlg when it is there.
template <class Find>
bool bindLookupEntries(Find find, LookupEntries& entries, std::string& error) {
  const auto bind = [&](const char* name, auto& entry) {
    entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(find(name));
    if (!entry) error = std::string("entry ") + name + " is missing";
    return entry != nullptr;
  };
  if (!(bind("KVInit", entries.init) && bind("Lookup", entries.lookup) && bind("SetMode", entries.setMode) &&
        bind("GetCopyRightInfo", entries.copyRightInfo) && bind("KVStorno", entries.storno) &&
        bind("KVClose", entries.close) && bind("KVExit", entries.exit)))
    return false;
  entries.proxyDialog = reinterpret_cast<KVProxyDlgFn>(find("KVProxyDlg"));
  return true;
}

// The library loaded when none is named and none is linked in.
inline constexpr const char* kDefaultLookupLibrary = "LexitonClt.dll";

// Fills `entries` from `file` (kept loaded until the process ends); an empty `file` means the
// default (the linked-in code natively, kDefaultLookupLibrary on Windows). False with `error`
// set when the library cannot be loaded or lacks an entry a look-up needs.
bool loadLookupEntries(const std::string& file, LookupEntries& entries, std::string& error);

// The entries linked into the program, where there are (natively); false elsewhere.
bool linkedLookupEntries(LookupEntries& entries);

// A command-line argument as UTF-16 (the process's code page on Windows, UTF-8 elsewhere).
std::u16string argumentText(const char* argument);

}  // namespace lexiton::cli
