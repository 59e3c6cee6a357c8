// One look-up: the text under the pointer goes to the query backend, the reply's translation
// alternatives are laid out as RTF through the style sheet, notes, a footer and failures are
// added, and everything lands in a ChunkList ("QXR1" documents, "plai" plain text).
#pragma once

#include <lexiton/chunk_list.h>
#include <lexiton/language_ids.h>

#include <string>
#include <string_view>

namespace lexiton {
class Layout;
}

namespace lexiton::lookup {

class QueryBackend;
class Speech;
class Dialogs;

// What one look-up reads from the library state; all of it is only read during the call.
struct LookupContext {
  const Layout* styleSheet = nullptr;
  QueryBackend* backend = nullptr;  // null: no requests are made (server mode off)
  Speech* speech = nullptr;         // null: speech off
  Dialogs* dialogs = nullptr;       // null: the upgrade notice cannot be shown
  void* ownerWindow = nullptr;
  int language = kLanguageHungarian;
  int mode = 0;  // as SetMode stored it; requests carry mode + 1
};

struct LookupRequest {
  std::u16string_view text;
  std::size_t pointer = 0;  // at or past the end: the end of the text
  std::string_view notFoundText;
  std::string_view footerText;
  std::string_view sourceName;
};

struct LookupOutcome {
  bool produced = false;  // the export's return value
  int count = 0;
  bool quit = false;  // the user left for an upgrade
};

// Runs the whole look-up into `result`. Never throws: a failure while laying out is shown as
// a message box and ends with produced == false.
LookupOutcome runLookup(const LookupContext& context, const LookupRequest& request, ChunkList& result);

}  // namespace lexiton::lookup
