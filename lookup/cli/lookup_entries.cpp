// Loading a look-up library by file name and binding its entries by name, as the host does.
#include <lexiton/library.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool loadLookupEntries(const std::string& file, LookupEntries& entries, std::string& error) {
  if (file.empty() && linkedLookupEntries(entries)) return true;
  const std::string name = file.empty() ? std::string(kDefaultLookupLibrary) : file;
  // Stays loaded until the process ends, like the host's libraries.
  static Library library;
  library = Library(name);
  if (!library) {
    error = "cannot load " + name + " (" + library.error() + ")";
    return false;
  }
  // LexitonSt has no proxy dialog; a look-up does not need one.
  return bindLookupEntries([](const char* entry) { return library.symbol(entry); }, entries, error);
}

}  // namespace lexiton::cli
