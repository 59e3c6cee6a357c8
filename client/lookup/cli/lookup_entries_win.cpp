// The look-up DLL loaded by file name and bound by name, as the host binds it.
#include <lexiton/text_encoding.h>
#include <lexiton/library.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool loadLookupEntries(const std::string& named, LookupEntries& entries, std::string& error) {
  const std::string file = named.empty() ? "LexitonClt.dll" : named;
  static Library library;
  library = Library(file);
  if (!library) {
    error = "cannot load " + file + " (" + library.error() + ")";
    return false;
  }
  // LexitonSt has no proxy dialog; a look-up does not need one.
  return bindLookupEntries([](const char* name) { return library.symbol(name); }, entries, error);
}

std::u16string argumentText(const char* argument) {
  return fromCodePage(argument, systemCodePage());
}

}  // namespace lexiton::cli
