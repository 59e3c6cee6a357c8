// Natively lexiton-lookup carries the client library's code itself; a library named on the
// command line (a shared object with the same exports, such as libLexitonSt.so) is loaded and
// bound by name instead. dlopen searches its own path list, not the current folder: name the
// file with a path ("./libLexitonSt.so").
#include <lexiton/library.h>
#include <lexiton/text_encoding.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool loadLookupEntries(const std::string& file, LookupEntries& entries, std::string& error) {
  if (file.empty()) {
    entries = {&KVInit, &Lookup, &SetMode, &GetCopyRightInfo, &KVStorno, &KVClose, &KVExit, &KVProxyDlg};
    return true;
  }
  // Stays loaded until the process ends, like the host's libraries.
  static Library library;
  library = Library(file);
  if (!library) {
    error = "cannot load " + file + " (" + library.error() + ")";
    return false;
  }
  return bindLookupEntries([](const char* name) { return library.symbol(name); }, entries, error);
}

std::u16string argumentText(const char* argument) { return utf8ToUtf16(argument); }

}  // namespace lexiton::cli
