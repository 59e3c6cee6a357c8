// Natively lexiton-lookup carries the client library's code itself; the file name is not used.
#include <lexiton/text_encoding.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool loadLookupEntries(const std::string&, LookupEntries& entries, std::string&) {
  entries = {&KVInit, &Lookup, &SetMode, &GetCopyRightInfo, &KVStorno, &KVClose, &KVExit, &KVProxyDlg};
  return true;
}

std::u16string argumentText(const char* argument) { return utf8ToUtf16(argument); }

}  // namespace lexiton::cli
