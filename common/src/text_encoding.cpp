#include <lexiton/text_encoding.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace lexiton {
namespace {

#include "code_page_tables.inc"

const char16_t* upperHalf(CodePage page) { return page == CodePage::windows1250 ? kCp1250 : kCp1252; }

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

std::string toCodePage(std::u16string_view text, CodePage page, char replacement) {
  const char16_t* high = upperHalf(page);
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c < 0x80) {
      out += char(c);
      continue;
    }
    char byte = replacement;
    for (int i = 0; i < 128; ++i) {
      if (high[i] == c && c != u'\uFFFD') {
        byte = char(0x80 + i);
        break;
      }
    }
    out += byte;
  }
  return out;
}

std::u16string fromCodePage(std::string_view bytes, CodePage page) {
  const char16_t* high = upperHalf(page);
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) out += b < 0x80 ? char16_t(b) : high[b - 0x80];
  return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = text[i];
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    char32_t c = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    bool ok = extra >= 0 && text.size() - i > std::size_t(extra);
    for (int k = 1; ok && k <= extra; ++k) {
      const unsigned char next = text[i + k];
      if ((next & 0xC0) != 0x80)
        ok = false;
      else
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (ok && (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
    if (!ok) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      out += char16_t(0xD800 + (c >> 10));
      out += char16_t(0xDC00 + (c & 0x3FF));
    } else {
      out += char16_t(c);
    }
    i += extra + 1;
  }
  return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::string codePageToUtf8(std::string_view bytes, CodePage page) {
  return utf16ToUtf8(fromCodePage(bytes, page));
}

std::string utf8ToCodePage(std::string_view text, CodePage page, char replacement) {
  return toCodePage(utf8ToUtf16(text), page, replacement);
}

}  // namespace lexiton
