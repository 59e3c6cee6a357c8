// Small text rules of the word list: the key that groups the look-ups of one word, case folding
// for the window's search and sorting, and where the word stands in its sentence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "wordlist/word_list_entry.h"

namespace lexiton::host {

// Lower case for the letters English and Hungarian texts use (ASCII, Latin-1 and Latin
// Extended-A: "Ő" -> "ő"); every other byte sequence, invalid UTF-8 included, is kept.
std::string foldCase(std::string_view utf8);

// The dictionary form when there is one, else the word; folded and without surrounding blanks.
std::string wordKey(const WordListEntry& entry);

// The word's bytes within the sentence.
struct WordSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// Where to mark `word` in `sentence`: at `offset` when the word stands there; otherwise its first
// occurrence as a whole word, case folded (not inside a longer word); nothing when it is not in
// the sentence or is empty.
std::optional<WordSpan> findWord(std::string_view sentence, std::string_view word, int64_t offset);

}  // namespace lexiton::host
