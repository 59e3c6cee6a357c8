#include "wordlist/word_list.h"

#include <lexiton/alert.h>

#include <ctime>
#include <vector>

#include "wordlist/word_text.h"

namespace lexiton::host {

namespace {

constexpr std::string_view kCaption = "Lexiton";
constexpr std::string_view kMovedAside =
    "Lexiton could not read your word list, so it started a new one. The old file was kept as %s.";
constexpr std::string_view kUnavailable =
    "Lexiton cannot keep your word list now; the look-ups are not saved.";

std::string orDefault(const std::string& text, std::string_view fallback) {
  return text.empty() ? std::string(fallback) : text;
}

std::string withName(std::string text, const std::string& name) {
  const std::size_t at = text.find("%s");
  if (at == std::string::npos) return text + " (" + name + ")";
  return text.replace(at, 2, name);
}

}  // namespace

WordList::WordList(std::string path, Texts texts)
    : path_(std::move(path)), texts_(std::move(texts)), writer_([this] { run(); }) {}

WordList::~WordList() { close(); }

void WordList::close() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (writer_.joinable()) writer_.join();
}

void WordList::record(WordListEntry entry) {
  // A look-up with the pointer on no word has nothing to learn.
  if (wordKey(entry).empty()) return;
  if (entry.seen == 0) entry.seen = std::time(nullptr);
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (!keeping_ || stopping_) return;
    if (queue_.size() >= kQueueLimit) {
      ++dropped_;
      return;
    }
    queue_.emplace_back(std::move(entry));
    ++queued_;
  }
  wake_.notify_one();
}

void WordList::setKeeping(bool keep) {
  std::lock_guard<std::mutex> guard(lock_);
  keeping_ = keep;
}

bool WordList::keeping() const {
  std::lock_guard<std::mutex> guard(lock_);
  return keeping_;
}

bool WordList::clear() {
  bool cleared = false;
  std::unique_lock<std::mutex> guard(lock_);
  // Closed: no writer would ever answer.
  if (stopping_) return false;
  queue_.emplace_back(Clear{&cleared});
  const uint64_t target = ++queued_;
  wake_.notify_one();
  written_.wait(guard, [&] { return done_ >= target; });
  return cleared;
}

void WordList::flush() {
  std::unique_lock<std::mutex> guard(lock_);
  const uint64_t target = queued_;
  written_.wait(guard, [&] { return opened_ && done_ >= target; });
}

WordListOpening WordList::opening() {
  std::unique_lock<std::mutex> guard(lock_);
  written_.wait(guard, [&] { return opened_; });
  return opening_;
}

uint64_t WordList::dropped() const {
  std::lock_guard<std::mutex> guard(lock_);
  return dropped_;
}

void WordList::open() {
  WordListOpening opening;
  store_ = WordListStore::openOrRecover(path_, std::time(nullptr), opening);
  {
    std::lock_guard<std::mutex> guard(lock_);
    opening_ = opening;
    opened_ = true;
  }
  written_.notify_all();
  const std::string caption = orDefault(texts_.caption, kCaption);
  if (opening.outcome == WordListOpening::Outcome::movedAside)
    showAlert(withName(orDefault(texts_.movedAside, kMovedAside), opening.asidePath), caption,
              AlertIcon::warning);
  else if (opening.outcome == WordListOpening::Outcome::unavailable)
    showAlert(orDefault(texts_.unavailable, kUnavailable), caption, AlertIcon::warning);
}

void WordList::run() {
  open();
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    wake_.wait(guard, [&] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) break;  // stopping, with everything written
    std::deque<Command> commands;
    commands.swap(queue_);
    guard.unlock();
    execute(commands);
    guard.lock();
    done_ += commands.size();
    written_.notify_all();
  }
  guard.unlock();
  // Closed by the thread that used it; the log is checkpointed into the file.
  store_.reset();
}

// Runs of look-ups go in one transaction each; a clear ends a run.
void WordList::execute(std::deque<Command>& commands) {
  std::vector<WordListEntry> run;
  uint64_t failed = 0;
  const auto write = [&] {
    if (run.empty()) return;
    try {
      if (!store_) throw SqliteError(0, "no word list");
      store_->insert(run);
    } catch (const SqliteError&) {
      failed += run.size();
    }
    run.clear();
  };
  for (Command& command : commands) {
    if (auto* entry = std::get_if<WordListEntry>(&command)) {
      run.push_back(std::move(*entry));
      continue;
    }
    write();
    bool cleared = false;
    try {
      if (store_) {
        store_->clear();
        cleared = true;
      }
    } catch (const SqliteError&) {
      // The list stays as it was; the caller tells the user.
    }
    std::lock_guard<std::mutex> guard(lock_);
    *std::get<Clear>(command).cleared = cleared;
  }
  write();
  if (failed) {
    std::lock_guard<std::mutex> guard(lock_);
    dropped_ += failed;
  }
}

}  // namespace lexiton::host
