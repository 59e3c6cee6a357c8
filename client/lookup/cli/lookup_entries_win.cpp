// The look-up DLL loaded by file name and bound by name, as the host binds it.
#include <lexiton/text_encoding.h>
#include <lexiton/win/library.h>

#include "lookup_entries.h"

namespace lexiton::cli {

namespace {

template <class Fn>
bool bindEntry(const win::Library& library, const char* name, Fn& entry, std::string& error) {
  entry = library.bind<Fn>(name);
  if (!entry) error = std::string("entry ") + name + " is missing";
  return entry != nullptr;
}

}  // namespace

bool loadLookupEntries(const std::string& named, LookupEntries& entries, std::string& error) {
  const std::string file = named.empty() ? "LexitonClt.dll" : named;
  static win::Library library;
  library = win::Library(file);
  if (!library) {
    error = "cannot load " + file + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  if (!(bindEntry(library, "KVInit", entries.init, error) &&
        bindEntry(library, "Lookup", entries.lookup, error) &&
        bindEntry(library, "SetMode", entries.setMode, error) &&
        bindEntry(library, "GetCopyRightInfo", entries.copyRightInfo, error) &&
        bindEntry(library, "KVStorno", entries.storno, error) &&
        bindEntry(library, "KVClose", entries.close, error) &&
        bindEntry(library, "KVExit", entries.exit, error))) {
    return false;
  }
  // LexitonSt has no proxy dialog; a look-up does not need one.
  entries.proxyDialog = library.bind<KVProxyDlgFn>("KVProxyDlg");
  return true;
}

std::u16string argumentText(const char* argument) {
  return fromCodePage(argument, systemCodePage());
}

}  // namespace lexiton::cli
