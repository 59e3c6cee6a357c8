#include "marked_words.h"

#include <lexiton/text_encoding.h>

namespace lexiton::dictcore {
namespace {

constexpr char16_t kRightQuote = u'\u2019';

bool isLetter(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
  // Latin-1 letters (not × and ÷) and Latin Extended-A/B, where ő and ű live.
  if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
  return false;
}

bool isJoiner(char16_t c) { return c == u'\'' || c == kRightQuote || c == u'-'; }

// Punctuation that ends a clause: no phrase runs across it.
bool endsClause(char16_t c) {
  return c == u'.' || c == u',' || c == u';' || c == u':' || c == u'!' || c == u'?' || c == u'(' ||
         c == u')' || c == u'"' || c == u'\n' || c == u'\r' || c == u'\t';
}

struct Span {
  std::size_t begin, end;
};

// The word around `at` in `text` (which no longer holds the marker).
bool wordAt(std::u16string_view text, std::size_t at, Span& out) {
  if (at >= text.size() || !isWordUnit(text[at])) return false;
  std::size_t b = at, e = at;
  while (b > 0 && isWordUnit(text[b - 1])) --b;
  while (e < text.size() && isWordUnit(text[e])) ++e;
  // Joiners only count between letters: "'cause" and "dogs'" lose them, "don't" keeps it.
  while (b < e && isJoiner(text[b])) ++b;
  while (e > b && isJoiner(text[e - 1])) --e;
  if (b >= e || e - b > kMaxWordUnits) return false;
  out = {b, e};
  return true;
}

}  // namespace

bool isWordUnit(char16_t c) { return isLetter(c) || isJoiner(c); }

MarkedWords splitAtMarker(std::u16string_view marked) {
  MarkedWords result;
  const std::size_t at = marked.find(kMarker);
  if (at == std::u16string_view::npos) return result;
  std::u16string text(marked.substr(0, at));
  text += marked.substr(at + 1);

  Span word{};
  if (!wordAt(text, at, word) && !(at > 0 && isLetter(text[at - 1]) && wordAt(text, at - 1, word)))
    return result;

  // Neighbours to the left, nearest first, then to the right, stopping at clause punctuation.
  std::vector<Span> left, right;
  for (std::size_t i = word.begin; left.size() < kWordsAround && i > 0;) {
    std::size_t j = i;
    while (j > 0 && text[j - 1] == u' ') --j;
    if (j == 0 || endsClause(text[j - 1]) || j == i) break;
    Span s{};
    if (!wordAt(text, j - 1, s) || s.end != j) break;
    left.push_back(s);
    i = s.begin;
  }
  for (std::size_t i = word.end; right.size() < kWordsAround && i < text.size();) {
    std::size_t j = i;
    while (j < text.size() && text[j] == u' ') ++j;
    if (j >= text.size() || endsClause(text[j]) || j == i) break;
    Span s{};
    if (!wordAt(text, j, s) || s.begin != j) break;
    right.push_back(s);
    i = s.end;
  }
  auto utf8 = [&](Span s) { return utf16ToUtf8(std::u16string_view(text).substr(s.begin, s.end - s.begin)); };
  for (auto it = left.rbegin(); it != left.rend(); ++it) result.words.push_back(utf8(*it));
  result.marked = result.words.size();
  result.words.push_back(utf8(word));
  for (const Span& s : right) result.words.push_back(utf8(s));
  return result;
}

}  // namespace lexiton::dictcore
