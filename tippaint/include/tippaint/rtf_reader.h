// Reads one RTF document out of a byte buffer into a RichDocument.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tippaint/rich_document.h"
#include "tippaint/rtf_exception.h"

namespace tippaint {

// `position` points at "{\rtf1" (or any "{"); `end` is one past the last byte that may be read.
// Reads exactly one document up to the brace that closes its outermost group and advances
// `position` past it. Throws RTFException on malformed input; `document` is then partly built
// and must be discarded.
void parse_document(const std::uint8_t*& position, const std::uint8_t* end, RichDocument& document);

// Convenience for tests and tools: parses the document at the start of `rtf` and returns how
// many bytes it took.
std::size_t parse_document(std::string_view rtf, RichDocument& document);

}  // namespace tippaint
