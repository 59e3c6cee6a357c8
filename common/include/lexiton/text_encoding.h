// Text conversions in one place: UTF-16 (char16_t, as the host reads it from other windows),
// UTF-8, and the single-byte Windows code pages the libraries' texts travel in (1250 for
// Hungarian, 1252 for English).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexiton {

enum class CodePage : unsigned { windows1250 = 1250, windows1252 = 1252 };

// The single-byte code page of this process: GetACP() on Windows when it is one of ours,
// otherwise 1252; natively 1252 unless LEXITON_CODEPAGE names 1250.
CodePage systemCodePage();

// Characters the code page lacks become `replacement`.
std::string toCodePage(std::u16string_view text, CodePage page, char replacement = '?');
std::u16string fromCodePage(std::string_view bytes, CodePage page);

// Invalid UTF-8 becomes U+FFFD; unpaired surrogates become U+FFFD in UTF-8.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// One code point appended as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t c);

std::string codePageToUtf8(std::string_view bytes, CodePage page);
std::string utf8ToCodePage(std::string_view text, CodePage page, char replacement = '?');

// The UTF-16 code units at `data`, as passed across the ABI (LxWideString).
inline std::u16string_view wideView(const uint16_t* data, std::size_t length) {
  return {reinterpret_cast<const char16_t*>(data), length};
}

}  // namespace lexiton
