// Writing texts into the reply markup: English source text as ASCII with character
// references, Hungarian target text as Windows-1250 bytes.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::translator {

// ASCII with "&amp;", "&lt;", "&gt;" escaped, controls as spaces, every other character as
// "&#x<HEX>;".
void appendSourceText(std::string& out, std::u32string_view text);

// A UTF-8 dictionary text as Windows-1250 bytes; "<", ">", "&" escaped, characters the code
// page lacks as "&#x<HEX>;".
void appendTargetText(std::string& out, std::string_view utf8);

// The UTF-8 text with its first letter in capitals (ASCII and the Hungarian accented letters).
std::string capitalized(std::string_view utf8);

// The UTF-8 text with each word's first letter in capitals: a name of several words is written
// so in Hungarian ("Egyesült Államok", "Európai Unió").
std::string capitalizedWords(std::string_view utf8);

}  // namespace lexiton::translator
