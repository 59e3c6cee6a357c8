// The look-up text as the client sends it: bytes 32 to 127 stand for themselves, every other
// character is a "&#x<HEX>;" reference (UTF-16 code units, so surrogate pairs come as two),
// "&" itself is "&#x26;", and "&kvopoint;" marks where the mouse pointer rests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexiton::translator {

// The client sends about 1000 characters around the pointer; each takes at most 8 bytes.
inline constexpr std::size_t kMaxQueryBytes = 16u * 1024u;
inline constexpr std::string_view kPointerMarker = "&kvopoint;";

struct QueryText {
  std::u32string text;  // code points; stray bytes above 127 are read as Latin-1
  std::size_t pointer = 0;  // index into text of the character under the pointer
  bool hasPointer = false;
};

// Never fails: a malformed reference is kept as literal text; a second marker is dropped.
// Longer input than kMaxQueryBytes is cut to that many bytes around the marker.
QueryText decodeQueryText(std::string_view encoded);

}  // namespace lexiton::translator
