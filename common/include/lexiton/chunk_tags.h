// The tags of the chunks that travel between the deliverables in a ChunkList (chunk_list.h):
// what a look-up library writes, what the local dictionary engine writes, what the painter
// reads, and the language tags of the about-text and splash files. Producers and readers take
// the tags from here, so a rename breaks the build of both ends.
#pragma once

#include <string_view>

namespace lexiton::chunk_tags {

// A look-up result: RTF documents separated by "-", then the plain-text rendering.
inline constexpr std::string_view kDocuments = "QXR1";
inline constexpr std::string_view kPlainText = "plai";

// Plain lists the painter draws: words that point into the producer's process
// (abi.h, LX_PLAIN_LIST_WORD_SIZE). "QX2L" carries a style record per entry.
inline constexpr std::string_view kPlainList = "HVR2";
inline constexpr std::string_view kStyledPlainList = "QX2L";

// The language tag of the texts for every language without a chunk of its own.
inline constexpr std::string_view kAnyLanguage = "0000";

}  // namespace lexiton::chunk_tags
