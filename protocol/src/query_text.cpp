// The query text: the client's encoding and windowing, the server's decoding into code points.
#include "lexiton/protocol/query_text.h"

#include <lexiton/ascii.h>

#include <algorithm>
#include <cstdio>

namespace lexiton::protocol {
namespace {

// The window the client sends: the whole text up to this long, else this much around the marker.
constexpr char kBlanks[] = " \t\f\n\r";
constexpr std::size_t kPlainLimit = 1000;
constexpr std::size_t kAfterMarker = 510;
constexpr std::size_t kBeforeMarker = 500;

constexpr std::size_t kMaxHexDigits = 6;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

// "&#x<hex>;" at the front of `s`: its value and length, or length 0.
std::size_t readReference(std::string_view s, char32_t& value) {
  if (s.size() < 5 || s.substr(0, 3) != "&#x") return 0;
  char32_t v = 0;
  std::size_t i = 3;
  for (; i < s.size() && i - 3 < kMaxHexDigits && ascii::hexDigit(s[i]) >= 0; ++i)
    v = v * 16 + char32_t(ascii::hexDigit(s[i]));
  if (i == 3 || i >= s.size() || s[i] != ';' || v > kMaxCodePoint) return 0;
  value = v;
  return i + 1;
}

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// At most kMaxQueryBytes of `encoded`, centred on the marker when there is one.
std::string_view bounded(std::string_view encoded) {
  if (encoded.size() <= kMaxQueryBytes) return encoded;
  std::size_t marker = encoded.find(kPointerMarker);
  if (marker == std::string_view::npos) return encoded.substr(0, kMaxQueryBytes);
  std::size_t start = marker > kMaxQueryBytes / 2 ? marker - kMaxQueryBytes / 2 : 0;
  start = std::min(start, encoded.size() - kMaxQueryBytes);
  return encoded.substr(start, kMaxQueryBytes);
}

}  // namespace

QueryText decodeQueryText(std::string_view encoded) {
  std::string_view s = bounded(encoded);
  QueryText q;
  q.text.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '&') {
      if (s.substr(i, kPointerMarker.size()) == kPointerMarker) {
        if (!q.hasPointer) {
          q.hasPointer = true;
          q.pointer = q.text.size();
        }
        i += kPointerMarker.size();
        continue;
      }
      char32_t v = 0;
      if (std::size_t n = readReference(s.substr(i), v)) {
        i += n;
        if (isHighSurrogate(v)) {
          char32_t low = 0;
          std::size_t m = readReference(s.substr(i), low);
          if (m && isLowSurrogate(low)) {
            i += m;
            v = 0x10000 + ((v - 0xD800) << 10) + (low - 0xDC00);
          } else {
            v = kReplacement;
          }
        } else if (isLowSurrogate(v) || v == 0) {
          v = kReplacement;
        }
        q.text.push_back(v);
        continue;
      }
    }
    q.text.push_back(char32_t(static_cast<unsigned char>(s[i])));
    ++i;
  }
  return q;
}

std::string markedQueryText(std::u16string_view text, std::size_t pointer) {
  pointer = std::min(pointer, text.size());
  std::string query = encodeQueryText(text.substr(0, pointer));
  query += kPointerMarker;
  query += encodeQueryText(text.substr(pointer));
  return query;
}

std::string windowQueryText(std::string_view text) {
  const std::size_t p = text.find(kPointerMarker);
  if (p == std::string_view::npos) {
    if (text.size() <= kPlainLimit) return std::string(text);
    const auto blank = text.find_first_of(kBlanks, kPlainLimit);
    if (blank != std::string_view::npos) {
      const auto last = text.find_last_not_of(kBlanks, blank);
      if (last != std::string_view::npos && last != 0) return std::string(text.substr(0, last + 1));
    }
    return std::string(text.substr(0, kPlainLimit));
  }
  std::string_view window = text;
  const std::size_t e = p + kAfterMarker;
  if (e < window.size()) {
    const auto blank = window.find_first_of(kBlanks, e);
    const auto last = blank == std::string_view::npos ? blank : window.find_last_not_of(kBlanks, blank);
    if (last != std::string_view::npos && last > p + kPointerMarker.size())
      window = window.substr(0, last + 1);
    else
      window = window.substr(0, e);
  }
  if (p > kBeforeMarker) {
    const std::size_t s = p - kBeforeMarker;
    const auto blank = window.find_first_of(kBlanks, s);
    const auto next = blank == std::string_view::npos ? blank : window.find_first_not_of(kBlanks, blank);
    window = window.substr(next != std::string_view::npos && next < p ? next : s);
  }
  return std::string(window);
}

std::string encodeQueryText(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t unit : text) {
    if (unit >= 32 && unit <= 127 && unit != u'&') {
      out.push_back(static_cast<char>(unit));
    } else {
      char ref[16];
      std::snprintf(ref, sizeof ref, "&#x%X;", static_cast<unsigned>(unit));
      out += ref;
    }
  }
  return out;
}

}  // namespace lexiton::protocol
