// Natively lexiton-lookup carries the client library's code itself: without a library named on
// the command line it calls the linked-in entries. A library named there (a shared object with
// the same exports, such as libLexitonSt.so) is loaded instead; dlopen searches its own path
// list, not the current folder, so name it with a path ("./libLexitonSt.so").
#include <lexiton/text_encoding.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool linkedLookupEntries(LookupEntries& entries) {
  entries = {&KVInit, &Lookup, &SetMode, &GetCopyRightInfo, &KVStorno, &KVClose, &KVExit, &KVProxyDlg};
  return true;
}

std::u16string argumentText(const char* argument) { return utf8ToUtf16(argument); }

}  // namespace lexiton::cli
