// Look-ups the word list's tests, its wine test and its benchmark write: ordinary ones, and
// ones whose texts hold what exports must survive (commas, quotes, tabs, line breaks,
// Hungarian letters, HTML); and the folders and alert recorder those tests share.
#pragma once

#include <lexiton/alert.h>

#include <string>
#include <vector>

#include "wordlist/word_list_entry.h"

namespace lexiton::host::test {

// Three look-ups of three words, in the order they were made (one minute apart).
std::vector<WordListEntry> ordinaryLookups();

// Look-ups with the hard characters in every text.
std::vector<WordListEntry> awkwardLookups();

// A look-up of a made-up word "wordN", for lists of any size.
WordListEntry numberedLookup(int n);

// Keeps the alerts shown while it lives, instead of showing them.
class AlertRecorder {
 public:
  AlertRecorder() { previous_ = setAlertHook(&AlertRecorder::record, this); }
  ~AlertRecorder() { setAlertHook(previous_, nullptr); }
  AlertRecorder(const AlertRecorder&) = delete;
  AlertRecorder& operator=(const AlertRecorder&) = delete;
  std::vector<Alert> alerts;

 private:
  static void record(const Alert& alert, void* self) {
    static_cast<AlertRecorder*>(self)->alerts.push_back(alert);
  }
  AlertHook previous_ = nullptr;
};

// A fresh, empty folder for one test's files (removed first if it is there).
std::string freshFolder(const std::string& name);

}  // namespace lexiton::host::test
