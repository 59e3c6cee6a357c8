// What the word list keeps: one entry per look-up the user was shown, and the words the window
// and the exports list, each with how often and when last it was looked up. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace lexiton::host {

// One shown look-up, as the host hands it to WordList::record.
struct WordListEntry {
  std::string word;            // the word under the pointer, as it stood in the text
  std::string dictionaryForm;  // its headword in the hover dictionary ("went" -> "go"); may be empty
  std::string sentence;        // the sentence around the word
  // Where the word starts in `sentence`, in bytes; -1 when unknown (the first whole-word match
  // is marked then).
  int64_t wordOffset = -1;
  std::string hungarian;    // the first Hungarian alternative the tooltip showed
  std::string senses;       // the hover dictionary's Hungarian senses, one per line
  std::string translation;  // the sentence's translation
  std::string program;      // the program the text came from
  int64_t seen = 0;         // seconds since 1970 (UTC); 0: the moment it is recorded
};

// One word of the list: the look-ups of one dictionary form (or of one word, where none is
// known) taken together, with the texts of the latest.
struct WordRow {
  std::string key;  // what groups the look-ups: the dictionary form, else the word, lower-case
  int64_t count = 0;
  int64_t firstSeen = 0;
  int64_t lastSeen = 0;
  WordListEntry latest;
};

}  // namespace lexiton::host
