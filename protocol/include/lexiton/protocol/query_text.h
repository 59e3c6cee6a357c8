// The look-up text as the client sends it and the server reads it: bytes 32 to 127 stand for
// themselves, every other character is a "&#x<HEX>;" reference (UTF-16 code units, so surrogate
// pairs come as two), "&" itself is "&#x26;", and "&kvopoint;" marks where the mouse pointer
// rests. Both ends include this header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexiton::protocol {

// The client sends about 1000 characters around the pointer; each takes at most 8 bytes.
inline constexpr std::size_t kMaxQueryBytes = 16u * 1024u;
inline constexpr std::string_view kPointerMarker = "&kvopoint;";

struct QueryText {
  std::u32string text;      // code points; stray bytes above 127 are read as Latin-1
  std::size_t pointer = 0;  // index into text of the character under the pointer
  bool hasPointer = false;
};

// The server's reading. Never fails: a malformed reference is kept as literal text; a second
// marker is dropped. Longer input than kMaxQueryBytes is cut to that many bytes around the marker.
QueryText decodeQueryText(std::string_view encoded);

// The client's writing: UTF-16 look-up text to the single-byte form the query carries, bytes
// 32..127 as they are, "&" and everything else as "&#x<HEX>;".
std::string encodeQueryText(std::u16string_view text);

// The whole query text: `text` encoded, with the pointer marker before the character at
// `pointer` (at the end when `pointer` is past it).
std::string markedQueryText(std::u16string_view text, std::size_t pointer);

// The part of a long encoded text that the client sends around the pointer marker. Where no
// blank follows the end of the window, the text is cut at the window's end, so a long text
// without blanks never goes out whole.
std::string windowQueryText(std::string_view text);

}  // namespace lexiton::protocol
