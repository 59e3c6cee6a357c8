// Natively lexiton-lookup carries the client library's code itself; a library named on the
// command line (a shared object with the same exports, such as libLexitonSt.so) is loaded with
// dlopen and bound by name instead. dlopen searches its own path list, not the current folder:
// name the file with a path ("./libLexitonSt.so").
#include <dlfcn.h>
#include <lexiton/text_encoding.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool loadLookupEntries(const std::string& file, LookupEntries& entries, std::string& error) {
  if (file.empty()) {
    entries = {&KVInit, &Lookup, &SetMode, &GetCopyRightInfo, &KVStorno, &KVClose, &KVExit, &KVProxyDlg};
    return true;
  }
  // Stays loaded until the process ends, like the host's libraries.
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* why = dlerror();
    error = "cannot load " + file + (why ? std::string(" (") + why + ")" : std::string());
    return false;
  }
  return bindLookupEntries([library](const char* name) { return dlsym(library, name); }, entries,
                           error);
}

std::u16string argumentText(const char* argument) { return utf8ToUtf16(argument); }

}  // namespace lexiton::cli
