// Texts that arrive without a reading of the screen: the text another program pushed to the
// host (tidied into the look-up buffer), and a name or value that accessibility gives whole,
// with no position for the point.
#pragma once

#include <optional>
#include <string_view>

#include "captured_text.h"

namespace lexiton::textgrab {

// Runs of blanks and control characters become one space, blanks at both ends go, and the
// cursor follows its character (from a removed blank to the next character kept). Nothing when
// no visible character is left.
std::optional<CapturedText> tidy(std::u16string_view text, std::size_t cursor);

// A text read whole, with nothing to say which character is under the point. It is worth a
// look-up only when it is a short label (a button, a menu item, a title: one line, a few words),
// where the user means all of it: then it is given with the cursor on its first character. A
// longer text is refused, since a look-up around an arbitrary word would mislead.
std::optional<CapturedText> labelWithoutPosition(std::u16string_view text);

// The limits of such a label.
constexpr std::size_t kLabelMaxCharacters = 64;
constexpr std::size_t kLabelMaxWords = 5;

}  // namespace lexiton::textgrab
