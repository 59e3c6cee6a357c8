// Without a windowing system the client library has no dialogs of its own.
#include "lexiton/lookup/dialogs.h"

namespace lexiton::lookup {

std::unique_ptr<Dialogs> makePlatformDialogs(void*) { return makeNoDialogs(); }

}  // namespace lexiton::lookup
