// Which words the word-list window shows and in what order: a search over the words' texts and
// a sort by one column, both on the rows already read, so typing in the search box never waits
// for the file.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "wordlist/word_list_entry.h"

namespace lexiton::host {

enum class WordColumn { word, dictionaryForm, count, lastSeen, sentence };

struct WordOrder {
  WordColumn column = WordColumn::lastSeen;
  bool descending = true;
};

// The order a click on a column's header gives: the other direction on the column already
// sorted by; otherwise that column, texts A to Z and numbers largest first.
WordOrder orderAfterClick(WordOrder current, WordColumn clicked);

// The indexes into `rows` of the words whose word, dictionary form, sentence, Hungarian
// alternative or translation holds `search` (case folded; an empty search holds every word), in
// `order`; words that compare equal keep the most recently seen first.
std::vector<std::size_t> selectWords(const std::vector<WordRow>& rows, std::string_view search,
                                     WordOrder order);

}  // namespace lexiton::host
