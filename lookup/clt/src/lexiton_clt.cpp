// LexitonClt.dll's entry file: the look-up core answered by the translation server in server
// mode, with the library's own dialogs (the proxy settings and the upgrade notice).
#include <lexiton/lookup/dialogs.h>
#include <lexiton/lookup/library_state.h>
#include <lexiton/lookup/query_backend.h>

namespace lexiton::lookup {

LibraryState& libraryState() {
  static LibraryState state(LibraryOptions{.backend = makeServerBackend, .dialogs = makePlatformDialogs});
  return state;
}

}  // namespace lexiton::lookup
