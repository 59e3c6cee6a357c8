// The words around the pointer in the look-up text: the host puts "@" just before the
// character under the pointer. Phrases never run across sentence punctuation, so the words
// kept are those of the marked word's clause.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::dictcore {

struct MarkedWords {
  std::vector<std::string> words;  // UTF-8, as written
  std::size_t marked = 0;          // index of the word under the pointer
};

inline constexpr char16_t kMarker = u'@';
// Words kept on each side of the marked one: the longest phrase tried has six words.
inline constexpr std::size_t kWordsAround = 5;
// Longer words are no words (a URL, a run of letters with no spaces).
inline constexpr std::size_t kMaxWordUnits = 64;

// The marked word and its neighbours. Empty `words` when the marker is missing or stands on
// no word. A marker just after a word (at the end of the text, or before a space or a full
// stop) means that word: the pointer rests on its last letter's right edge.
MarkedWords splitAtMarker(std::u16string_view text);

// True for the letters that make up words: ASCII and Latin letters, digits, and the
// apostrophes and hyphens inside words ("don't", "ice-cream").
bool isWordUnit(char16_t c);

}  // namespace lexiton::dictcore
