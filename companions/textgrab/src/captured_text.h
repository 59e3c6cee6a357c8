// Text read under a point, and the cuts every reading method shares: the paragraph around the
// character under the point, a length limit that keeps that character's sentence whole, and
// the hand-over into the caller's fixed buffer. UTF-16 throughout, as the controls answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexiton::textgrab {

struct CapturedText {
  std::u16string text;
  std::size_t cursor = 0;  // index of the character under the point within `text`
  friend bool operator==(const CapturedText&, const CapturedText&) = default;
};

// The paragraph (between line breaks: CR, LF, U+2029) that holds `cursor`. A cursor on a line
// break or past the end stands for the end of the line before it, so it moves onto that line's
// last character. Nothing when that paragraph is empty.
std::optional<CapturedText> paragraphAround(std::u16string_view text, std::size_t cursor);

// At most `limit` characters around the cursor. The cursor's sentence survives whole when it
// fits; the rest is shared out before and after it, and cuts fall on spaces where one is near.
CapturedText limitAround(CapturedText captured, std::size_t limit);

// Rich-edit controls count a line break as one character while their text carries CR LF: the
// index in the text of the character a control's `index` names.
std::size_t indexInCrLfText(std::u16string_view text, std::size_t index);

// The paragraph around the cursor, cut to `bufferSize` - 1 characters, written to `buffer` with
// its terminator; the cursor written to `cursor`. False, and nothing written, when there is no
// text. `bufferSize` counts characters, terminator included. A NUL inside the text is written as
// a space, so the terminator is the first NUL the caller meets.
bool deliver(std::u16string_view text, std::size_t cursor, uint16_t* buffer, int bufferSize, int* cursorOut);

}  // namespace lexiton::textgrab
