// Text into markup, in the two encodings a reply carries.
#include "lexiton/translator/markup.h"

#include <cstdint>
#include <cstdio>

#include "lexiton/text_encoding.h"

namespace lexiton::translator {
namespace {

void appendReference(std::string& out, char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&#x%X;", static_cast<unsigned>(c));
  out += buf;
}

// True when the ASCII character was written as an entity.
bool appendEscaped(std::string& out, char32_t c) {
  switch (c) {
    case '&':
      out += "&amp;";
      return true;
    case '<':
      out += "&lt;";
      return true;
    case '>':
      out += "&gt;";
      return true;
    default:
      return false;
  }
}

}  // namespace

void appendSourceText(std::string& out, std::u32string_view text) {
  for (char32_t c : text) {
    if (appendEscaped(out, c)) continue;
    if (c < 0x20 || c == 0x7F)
      out += ' ';
    else if (c < 0x80)
      out += char(c);
    else
      appendReference(out, c);
  }
}

void appendTargetText(std::string& out, std::string_view utf8) {
  const std::u16string wide = utf8ToUtf16(utf8);
  // One byte per UTF-16 unit, '\0' where Windows-1250 has no letter for it.
  const std::string narrow = toCodePage(wide, CodePage::windows1250, '\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char16_t c = wide[i];
    if (appendEscaped(out, c)) continue;
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
      continue;
    }
    if (c < 0x80) {
      out += char(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      appendReference(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
      ++i;
      continue;
    }
    if (narrow[i] != '\0')
      out += narrow[i];
    else
      appendReference(out, c);
  }
}

std::string capitalized(std::string_view s) {
  std::string r(s);
  if (r.empty()) return r;
  const auto b0 = uint8_t(r[0]);
  if (b0 >= 'a' && b0 <= 'z') {
    r[0] = char(b0 - 'a' + 'A');
  } else if (r.size() > 1) {
    const auto b1 = uint8_t(r[1]);
    if (b0 == 0xC3 && b1 >= 0xA0 && b1 <= 0xBE && b1 != 0xB7)
      r[1] = char(b1 - 0x20);  // á é í ó ö ú ü
    else if (b0 == 0xC5 && (b1 == 0x91 || b1 == 0xB1))
      r[1] = char(b1 - 1);  // ő ű
  }
  return r;
}

std::string capitalizedWords(std::string_view s) {
  std::string r;
  for (std::size_t start = 0;;) {
    const std::size_t blank = s.find(' ', start);
    r += capitalized(s.substr(start, blank == std::string_view::npos ? blank : blank - start));
    if (blank == std::string_view::npos) return r;
    r += ' ';
    start = blank + 1;
  }
}

}  // namespace lexiton::translator
