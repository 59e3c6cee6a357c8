// The sentence around the pointer and its words, in a decoded look-up text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::translator {

// A translation covers one sentence; a run-on text without stops is cut to this many
// characters and words around the pointer.
inline constexpr std::size_t kMaxSentenceChars = 1024;
inline constexpr std::size_t kMaxSentenceWords = 64;
// Longer "words" (hashes, URLs, base64) are never looked up.
inline constexpr std::size_t kMaxWordChars = 64;

struct Word {
  std::size_t begin = 0, end = 0;  // [begin, end) in the text
  bool hasLetter = false;          // false for numbers
};

struct Sentence {
  std::size_t begin = 0, end = 0;  // [begin, end) in the text, blanks around trimmed
  std::vector<Word> words;
  std::size_t pointerWord = 0;  // index into words; meaningless when words is empty
};

bool isLetter(char32_t c);
bool isBlank(char32_t c);
// "said", "shouted", "asked" ...: a verb of saying that may follow a quotation and its speaker.
bool isVerbOfSaying(std::u32string_view word);

// The sentence that holds `pointer` (the first one when the text has no pointer). Sentences
// end after ".", "!", "?" followed by a blank or the end, and at line breaks.
Sentence sentenceAround(const std::u32string& text, std::size_t pointer);

}  // namespace lexiton::translator
