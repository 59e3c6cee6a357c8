// On Windows lexiton-lookup always loads its library, LexitonClt.dll unless another is named.
#include <lexiton/text_encoding.h>

#include "lookup_entries.h"

namespace lexiton::cli {

bool linkedLookupEntries(LookupEntries&) { return false; }

std::u16string argumentText(const char* argument) { return fromCodePage(argument, systemCodePage()); }

}  // namespace lexiton::cli
