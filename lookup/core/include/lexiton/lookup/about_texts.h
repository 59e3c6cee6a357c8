// The about-box texts: "kvo.cri" is a ChunkList with one zlib-compressed RTF document per
// language tag ("1038", ..., "0000" for every other language).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::lookup {

// Inflation starts with this much room and grows by the same step while zlib wants more.
inline constexpr std::size_t kAboutTextStep = 4096;
// An about text larger than this is taken as corrupt (and dropped) rather than inflated.
inline constexpr std::size_t kMaxAboutText = 256 * 1024;

// The tag for a [dict] UserLang value: its first four characters, or "0000" when shorter.
std::string aboutTag(std::string_view userLanguage);

// The inflated text, or nothing when the data is not a zlib stream that fits kMaxAboutText.
std::optional<std::string> inflateAboutText(std::string_view compressed);

// The texts for `userLanguage` from the bytes of an about-text file: the chunk of its tag, or
// else of "0000"; nothing when neither exists or the list or data is corrupt.
std::vector<std::string> aboutTextsFromBytes(const std::uint8_t* data, std::size_t size,
                                             std::string_view userLanguage);
std::vector<std::string> readAboutTexts(const std::string& file, std::string_view userLanguage);

}  // namespace lexiton::lookup
