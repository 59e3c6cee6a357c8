// The look-ups the user was shown, handed to the word list: when a first tooltip is on the
// screen, the word under the pointer, its sentence, the translation and the program are copied
// from the request, the dictionary form and senses from the local look-up of the same
// evaluation, and the entry is queued on the word list (WordList::record, a queue push; the
// list's own thread writes it). A tooltip shown before its local look-up answered waits for that
// answer, or for the look-up's cancellation, so each shown tooltip gives exactly one entry.
#pragma once

#include <lexiton/text_encoding.h>

#include <optional>

#include "hover/shown_lookups.h"
#include "wordlist/lookup_texts.h"
#include "wordlist/word_list.h"

namespace lexiton::host {

class WordListRecorder final : public ShownLookupListener {
 public:
  // Texts of the look-up library and the hover dictionary are in `page`.
  explicit WordListRecorder(CodePage page) : page_(page) {}

  // Where entries go; null: nowhere (before the list is made, after it is closed).
  void recordInto(WordList* list) { list_ = list; }

  void lookupStarted(bool localScheduled) override;
  void localAnswered(const std::vector<uint8_t>* list) override;
  void shown(const LookupRequest& request) override;

 private:
  void record(WordListEntry entry);
  // The entry of a tooltip that waited for the local answer, with what is known now.
  void recordWaiting();

  const CodePage page_;
  WordList* list_ = nullptr;
  bool localPending_ = false;             // the current evaluation's local look-up has not answered yet
  HoverTexts hover_;                      // what it answered
  std::optional<WordListEntry> waiting_;  // shown before the local look-up answered
};

// The dictionary form and senses of a local look-up's "HVR2" list in `page` (nothing when the
// list has none). The list's words are read as pointers of this process.
HoverTexts hoverTextsOfList(const std::vector<uint8_t>& list, CodePage page);

}  // namespace lexiton::host
