// What a word-list entry is made of, taken from what the host has when it shows a look-up: the
// text read under the pointer with the index of the character there, the look-up's plain text,
// and the hover dictionary's entry. Portable, so the host's Windows side only gathers the
// inputs; everything comes out in UTF-8.
#pragma once

#include <lexiton/text_encoding.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::host {

// A sentence longer than this around the pointer (a text without full stops) is cut to this
// many characters on each side of the word.
inline constexpr std::size_t kSentenceReach = 200;

struct WordInSentence {
  std::string word;         // empty when the pointer is on no word
  std::string sentence;     // without surrounding blanks
  int64_t wordOffset = -1;  // bytes into `sentence`
};

// The word at `cursor` (letters, digits, apostrophes and hyphens inside a word) and the
// sentence around it: from after the previous ".", "!" or "?" followed by a blank, or line
// break, to the next one, the mark included.
WordInSentence wordInSentence(std::u16string_view text, std::size_t cursor);

struct Alternative {
  std::string source;  // the English the alternative translates (the look-up's sentence)
  std::string target;  // its Hungarian
};

// The first alternative of a look-up's plain text ("EN: ...%0D%0AHU: ...%0D%0A" for each), in
// the system code page `page`; nothing when it has no Hungarian (an error text).
std::optional<Alternative> firstAlternative(std::string_view plainText, CodePage page);

// One line of the hover dictionary's list after its headword: a part of speech's heading, or a
// sense.
struct HoverLine {
  bool heading = false;
  std::string text;
};

struct HoverTexts {
  std::string dictionaryForm;  // the headword ("go" from "went » go  /g'@U/")
  std::string firstSense;      // the first Hungarian sense
  std::string senses;          // a line per part of speech: "ige: megy, jár"
};

// From the list's headword line and the lines after it, in `page`. A list of the headword alone
// (the not-found text) gives nothing.
HoverTexts hoverTexts(std::string_view headwordLine, const std::vector<HoverLine>& lines, CodePage page);

}  // namespace lexiton::host
