// LexitonSt.dll's entry file: the look-up core answered in-process by the translator over the
// dictionary beside the library, always, since the host loads this library only when server
// mode is off. It has no dialogs: the translator never asks for an upgrade, and the library
// exports no proxy dialog.
#include <lexiton/lookup/dialogs.h>
#include <lexiton/lookup/library_state.h>

#include "lexiton/dictionary.h"
#include "lexiton/translator/translator_backend.h"

namespace lexiton::lookup {

namespace {
std::unique_ptr<QueryBackend> makeTranslatorBackend(Profile&, bool, const std::string& moduleDir) {
  return std::make_unique<translator::TranslatorBackend>(moduleDir + kDictionaryFileName);
}
std::unique_ptr<Dialogs> noDialogs(void*) { return makeNoDialogs(); }
}  // namespace

LibraryState& libraryState() {
  static LibraryState state(LibraryOptions{.backend = makeTranslatorBackend, .dialogs = noDialogs});
  return state;
}

}  // namespace lexiton::lookup
