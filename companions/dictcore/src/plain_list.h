// The hover entry as the "HVR2" plain list the tooltip painter reads: a headword, then per part
// of speech a heading and the senses as lines. The list's words point to single-byte texts in
// the system code page that the caller keeps alive (`texts`); the words are as wide as this
// process's pointers.
#pragma once

#include <lexiton/abi.h>
#include <lexiton/text_encoding.h>

#include <deque>
#include <string>
#include <string_view>

#include "hover_entry.h"

namespace lexiton::dictcore {

// The separator between the text's form and the headword it leads to ("went » go"): the
// painter's fonts draw "»" in both code pages.
inline constexpr std::string_view kFormArrow = " \xC2\xBB ";

// The heading of a part of speech in the user's language (UTF-8); empty for PartOfSpeech::other.
std::string_view partHeading(PartOfSpeech part, int language);

// The headword line: the form, the arrow, the headword, and the pronunciation where the
// painter's fonts can draw it.
std::string headwordLine(const HoverEntry& entry);

// Appends the list under "HVR2" to `result` (which holds a ChunkList or nothing). False, with
// `result` as it was, when it does not fit the array's reserve.
bool appendEntryList(const HoverEntry& entry, int language, CodePage page, std::deque<std::string>& texts,
                     LxByteArray& result);

// A list of one line, the headword `text` (already in the system code page).
bool appendTextList(std::string_view text, std::deque<std::string>& texts, LxByteArray& result);

}  // namespace lexiton::dictcore
