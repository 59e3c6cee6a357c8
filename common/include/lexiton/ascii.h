// ASCII character helpers for the parsers and protocol texts: hexadecimal digits and case. They
// look at ASCII only, whatever the locale, so bytes above 127 (Windows-1250 letters, UTF-8
// sequences) pass through untouched.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::ascii {

// 0-15 for "0"-"9", "a"-"f" and "A"-"F"; -1 for any other byte.
constexpr int hexDigit(unsigned char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

// The same for upper-case digits only ("0"-"9", "A"-"F"), where a grammar allows no others.
constexpr int upperHexDigit(unsigned char byte) { return byte >= 'a' && byte <= 'f' ? -1 : hexDigit(byte); }

constexpr char toLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// `text` with "A"-"Z" made lower-case.
inline std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = toLower(c);
  return out;
}

}  // namespace lexiton::ascii
