// The two cuts the pointer tracking makes to a text before it goes anywhere: a trigger text is
// cut to the line that holds its cursor, and the local dictionary gets a window of the words
// around the cursor with the marker "@" before the character under the pointer. Cursors that lie
// outside their text are taken as they are where the cut allows, never used to index past it.
#pragma once

#include <string>

namespace lexiton::host {

// `TriggerText`: the text another program pushed, waiting for the next evaluation.
struct TriggerText {
  std::u16string text;
  int cursor = 0;
};

// Cuts a trigger text to the line of its cursor: everything up to and including the last line
// feed at or before the cursor goes and the cursor drops by that line feed's index (one less than
// the characters removed, the form the text reader's tidying takes); then, when the cursor is
// inside the text, everything from the first line feed at or after it. Every character below
// 0x20 that is left becomes a space.
TriggerText cutToCursorLine(std::u16string text, int cursor);

// The longest text the local dictionary is given whole; longer texts are cut around the cursor.
inline constexpr std::size_t kLocalTextWhole = 126;
// Characters kept on each side of the cursor in a longer text.
inline constexpr int kLocalTextReach = 62;

// The local look-up text: a text of more than kLocalTextWhole characters is cut to the characters
// from cursor - 62 to cursor + 62 (within the text); then "@" is inserted before the cursor's
// character when the cursor is inside the text.
std::u16string localLookupText(const std::u16string& text, int cursor);

}  // namespace lexiton::host
