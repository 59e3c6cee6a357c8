#include "hover/word_list_recorder.h"

#include <lexiton/abi.h>
#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>
#include <tippaint/result_walk.h>

#include <cstring>

namespace lexiton::host {

namespace {

// A text a plain-list word points to, bounded as the painter bounds it.
std::string textAt(uint64_t word) {
  const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(word));
  if (!text) return {};
  return std::string(text, strnlen(text, tippaint::kMaxPlainListText));
}

}  // namespace

HoverTexts hoverTextsOfList(const std::vector<uint8_t>& list, CodePage page) {
  std::optional<Chunk> chunk;
  try {
    chunk = ChunkView(list.data(), list.size()).find(chunk_tags::kPlainList);
  } catch (const chunk_error&) {
    return {};
  }
  if (!chunk) return {};
  const auto words = tippaint::read_plain_list_words(chunk->data, chunk->size, LX_PLAIN_LIST_WORD_SIZE);
  if (!words) return {};
  std::vector<HoverLine> lines;
  lines.reserve(words->entries.size());
  for (const tippaint::PlainListEntry& entry : words->entries)
    lines.push_back({entry.heading, textAt(entry.text)});
  return hoverTexts(textAt(words->headword), lines, page);
}

void WordListRecorder::lookupStarted(bool localScheduled) {
  // A tooltip still waiting for the previous evaluation's local answer goes without it.
  recordWaiting();
  localPending_ = localScheduled;
  hover_ = {};
}

void WordListRecorder::localAnswered(const std::vector<uint8_t>* list) {
  if (!localPending_) return;
  localPending_ = false;
  // Copied now: the list's texts live only until the engine's next look-up.
  hover_ = list && list_ ? hoverTextsOfList(*list, page_) : HoverTexts{};
  recordWaiting();
}

void WordListRecorder::shown(const LookupRequest& request) {
  if (!list_ || !list_->keeping()) return;
  const std::size_t cursor = request.cursor < 0 ? 0 : static_cast<std::size_t>(request.cursor);
  const WordInSentence where = wordInSentence(request.text, cursor);
  WordListEntry entry;
  entry.word = where.word;
  entry.sentence = where.sentence;
  entry.wordOffset = where.wordOffset;
  if (auto first = firstAlternative(plainTextOf(request.result), page_)) entry.translation = first->target;
  entry.program = codePageToUtf8(request.source, page_);
  if (localPending_) {
    waiting_ = std::move(entry);
    return;
  }
  record(std::move(entry));
}

void WordListRecorder::recordWaiting() {
  if (!waiting_) return;
  WordListEntry entry = std::move(*waiting_);
  waiting_.reset();
  record(std::move(entry));
}

void WordListRecorder::record(WordListEntry entry) {
  if (!list_) return;
  entry.dictionaryForm = hover_.dictionaryForm;
  entry.hungarian = hover_.firstSense;
  entry.senses = hover_.senses;
  list_->record(std::move(entry));
}

}  // namespace lexiton::host
