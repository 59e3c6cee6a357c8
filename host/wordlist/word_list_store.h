// The word list's SQLite file ("lexidic.db" in the data directory): one row per shown look-up,
// and a view that takes the look-ups of one word together with their count and the last time
// seen. Write-ahead logging, so a process killed while writing loses at most the row it was
// writing. Each connection belongs to one thread at a time.
#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "wordlist/sqlite_handles.h"
#include "wordlist/word_list_entry.h"

namespace lexiton::host {

// Marks the file as ours in SQLite's header ("LxWL"), with the version of its tables.
inline constexpr int32_t kWordListApplicationId = 0x4C78574C;
inline constexpr int32_t kWordListSchemaVersion = 1;

// What opening the word list found.
struct WordListOpening {
  enum class Outcome {
    opened,      // a word list
    created,     // a new or empty file became one
    movedAside,  // the file was unreadable or not a word list: it now lies at `asidePath`, and a
                 // new list took its place
    unavailable  // it cannot be used now (`error` says why); nothing was moved
  };
  Outcome outcome = Outcome::unavailable;
  std::string asidePath;
  std::string error;
};

class WordListStore {
 public:
  // Not a word list of ours (another SQLite database, or a newer version of the list).
  class NotWordList : public std::exception {
   public:
    const char* what() const noexcept override { return "not a Lexiton word list"; }
  };

  // The start-up's opening: a missing or empty file gets the tables; a file that cannot be read
  // or is not a word list is moved aside (with the date, from `now`, in its name) and replaced.
  // Nothing is ever deleted. Null when the list is unavailable.
  static std::unique_ptr<WordListStore> openOrRecover(const std::string& path, std::time_t now,
                                                      WordListOpening& opening);
  // A word list that is already there, as the window and the exporter open it; throws
  // SqliteError when it cannot be opened and NotWordList when it is not one.
  static std::unique_ptr<WordListStore> openExisting(const std::string& path, SqliteConnection::Mode mode);

  // Adds the look-ups in one transaction.
  void insert(const std::vector<WordListEntry>& entries);
  // Every word, the most recently seen first.
  std::vector<WordRow> words();
  // Removes every look-up of the words with these keys; returns how many look-ups went.
  int64_t deleteWords(const std::vector<std::string>& keys);
  // Removes every look-up, overwriting their bytes in the file and in the log.
  void clear();
  int64_t lookupCount();

  SqliteConnection& connection() { return *connection_; }

 private:
  explicit WordListStore(std::unique_ptr<SqliteConnection> connection);
  void useWriteAheadLog();

  std::unique_ptr<SqliteConnection> connection_;
};

// "lexidic.db" moved aside on a day: "lexidic-2026-12-10-163705.db"; `attempt` > 1 adds "-2"...
std::string asideFileName(const std::string& path, std::time_t now, int attempt);

}  // namespace lexiton::host
