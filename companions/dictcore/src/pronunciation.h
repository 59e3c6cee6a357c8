// FreeDict writes pronunciations in IPA ("hˈaʊs"), which the painter's 8-bit fonts cannot draw.
// We show them in the ASCII transcription dictionaries used before IPA fonts were common
// (SAMPA, with the stress as an apostrophe: "h'aUs"), or not at all when a symbol has no such spelling.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexiton::dictcore {

// The ASCII spelling of an IPA pronunciation (UTF-8), or nothing when a symbol has none.
std::optional<std::string> asciiPronunciation(std::string_view ipa);

}  // namespace lexiton::dictcore
