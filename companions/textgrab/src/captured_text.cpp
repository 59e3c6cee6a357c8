#include "captured_text.h"

#include <algorithm>

namespace lexiton::textgrab {

namespace {

bool isLineBreak(char16_t c) { return c == u'\r' || c == u'\n' || c == u'\u2029'; }
bool isSentenceEnd(char16_t c) { return c == u'.' || c == u'!' || c == u'?' || c == u'\u2026'; }
bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000'; }

// Where the sentence holding `at` starts: after the last sentence end that a space follows.
std::size_t sentenceStart(std::u16string_view text, std::size_t at) {
  for (std::size_t i = at; i > 1; --i)
    if (isSpace(text[i - 1]) && isSentenceEnd(text[i - 2])) return i;
  return 0;
}

// Where it ends (exclusive): after the first sentence end at or after `at` that a space or the
// text's end follows.
std::size_t sentenceEnd(std::u16string_view text, std::size_t at) {
  for (std::size_t i = at; i < text.size(); ++i)
    if (isSentenceEnd(text[i]) && (i + 1 == text.size() || isSpace(text[i + 1]))) return i + 1;
  return text.size();
}

// How far a cut may move to land on a space instead of inside a word.
constexpr std::size_t kWordReach = 40;

}  // namespace

std::optional<CapturedText> paragraphAround(std::u16string_view text, std::size_t cursor) {
  cursor = std::min(cursor, text.size());
  // On a line break or past the end: the last character of the line before it.
  if (cursor == text.size() || isLineBreak(text[cursor])) {
    if (cursor == 0 || isLineBreak(text[cursor - 1])) return std::nullopt;
    --cursor;
  }
  std::size_t begin = cursor;
  while (begin > 0 && !isLineBreak(text[begin - 1])) --begin;
  std::size_t end = cursor;
  while (end < text.size() && !isLineBreak(text[end])) ++end;
  return CapturedText{std::u16string(text.substr(begin, end - begin)), cursor - begin};
}

CapturedText limitAround(CapturedText captured, std::size_t limit) {
  const std::u16string_view text = captured.text;
  if (text.size() <= limit) return captured;
  if (limit == 0) return {};
  const std::size_t cursor = std::min(captured.cursor, text.size() - 1);
  std::size_t begin = sentenceStart(text, cursor);
  std::size_t end = sentenceEnd(text, cursor);
  if (end - begin > limit) {
    // The sentence alone is too long: a window centred on the cursor.
    begin = cursor - std::min(cursor, limit / 2);
    end = std::min(text.size(), begin + limit);
    begin = end - limit;
  } else {
    // Share the room left between before and after the sentence.
    const std::size_t room = limit - (end - begin);
    std::size_t before = std::min(begin, room / 2);
    std::size_t after = std::min(text.size() - end, room - before);
    before = std::min(begin, room - after);
    const std::size_t wantBegin = begin - before, wantEnd = end + after;
    // Cut on a space near each end, never into the sentence.
    std::size_t b = wantBegin;
    if (b > 0) {
      const std::size_t stop = std::min(begin, wantBegin + kWordReach);
      while (b < stop && !isSpace(text[b])) ++b;
      b = (b < stop) ? b + 1 : wantBegin;
    }
    std::size_t e = wantEnd;
    if (e < text.size()) {
      const std::size_t stop = std::max(end, wantEnd > kWordReach ? wantEnd - kWordReach : 0);
      while (e > stop && !isSpace(text[e - 1])) --e;
      if (e == stop) e = wantEnd;
    }
    begin = b;
    end = e;
  }
  return CapturedText{std::u16string(text.substr(begin, end - begin)), cursor - begin};
}

std::size_t indexInCrLfText(std::u16string_view text, std::size_t index) {
  std::size_t counted = 0, i = 0;
  while (i < text.size() && counted < index) {
    i += (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
    ++counted;
  }
  return i;
}

bool deliver(std::u16string_view text, std::size_t cursor, uint16_t* buffer, int bufferSize, int* cursorOut) {
  if (!buffer || bufferSize < 2) return false;
  auto paragraph = paragraphAround(text, cursor);
  if (!paragraph) return false;
  const CapturedText cut = limitAround(std::move(*paragraph), static_cast<std::size_t>(bufferSize) - 1);
  if (cut.text.empty()) return false;
  // The caller reads up to the terminator: a NUL inside the text (a BSTR may hold one) would
  // cut it short and leave the cursor outside, so it becomes a space.
  std::transform(cut.text.begin(), cut.text.end(), buffer, [](char16_t c) { return c ? c : u' '; });
  buffer[cut.text.size()] = 0;
  if (cursorOut) *cursorOut = static_cast<int>(cut.cursor);
  return true;
}

}  // namespace lexiton::textgrab
