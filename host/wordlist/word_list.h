// The user's word list as the host keeps it: every look-up the user was shown is handed to
// record() on the main thread, which only queues it; a thread of the list's own opens the file
// and writes the queued look-ups, so the file never delays a tooltip.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <variant>

#include "wordlist/word_list_entry.h"
#include "wordlist/word_list_store.h"

namespace lexiton::host {

class WordList {
 public:
  // The alert texts in the system code page, from the language library; an empty one falls
  // back to the English text.
  struct Texts {
    std::string caption;
    std::string movedAside;   // "%s" becomes the name the old file now has
    std::string unavailable;  // the list cannot be kept during this run
  };

  // Look-ups waiting beyond this are dropped (the disk has stopped answering).
  static constexpr std::size_t kQueueLimit = 1000;

  // Starts the writer, which opens the list at `path` (a path as the host has it; see
  // WordListStore::openOrRecover) and shows one alert when it moved the file aside or cannot
  // keep the list.
  WordList(std::string path, Texts texts);
  // Writes what is queued, then ends the writer (close()).
  ~WordList();
  WordList(const WordList&) = delete;
  WordList& operator=(const WordList&) = delete;

  // Queues one shown look-up (its time stamped now when it has none). Nothing is kept while
  // keeping is off, nor a look-up with neither a word nor a dictionary form.
  void record(WordListEntry entry);
  // "Keep a word list"; on unless the host turns it off.
  void setKeeping(bool keep);
  bool keeping() const;
  // Empties the list, after the look-ups queued before, and waits for it: false when the list
  // could not be emptied (or is not available).
  bool clear();
  // Returns once everything queued before the call is written (or could not be).
  void flush();
  // Writes what is queued, ends the writer and closes the file, for the end of the program or of
  // the session (Windows may end the process as soon as the session's end is answered). From
  // then on nothing is kept and clear() fails.
  void close();
  // What opening the file found; waits for the writer to open it.
  WordListOpening opening();

  const std::string& path() const { return path_; }
  // Look-ups dropped because the queue was full or writing them failed.
  uint64_t dropped() const;

 private:
  struct Clear {
    bool* cleared;  // the caller's, which waits until the writer has set it
  };
  using Command = std::variant<WordListEntry, Clear>;

  void run();
  void open();
  void execute(std::deque<Command>& commands);

  const std::string path_;
  const Texts texts_;

  mutable std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable written_;
  std::deque<Command> queue_;
  uint64_t queued_ = 0;  // commands queued since the start
  uint64_t done_ = 0;    // commands the writer has finished
  bool opened_ = false;
  bool stopping_ = false;
  bool keeping_ = true;
  uint64_t dropped_ = 0;
  WordListOpening opening_;

  // The writer's alone.
  std::unique_ptr<WordListStore> store_;
  std::thread writer_;
};

}  // namespace lexiton::host
