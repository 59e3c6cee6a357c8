// The local dictionary engine's list of open dictionaries, as GetOpenDicts writes it into a
// zeroed buffer: zero-terminated identifiers, the list ended by an empty one. The tooltips ask
// whether a hover dictionary is open; the Dictionaries command records it in [dict] HVRDicts.
#pragma once

#include <cstddef>

namespace lexiton::host {

// Whether the list in `list` (at most `size` bytes, read no further) holds an identifier
// beginning with '2', a dictionary for the hover tooltip. A list that fills the buffer without
// its empty entry ends at the buffer's end.
bool listsHoverDictionary(const char* list, std::size_t size);

}  // namespace lexiton::host
