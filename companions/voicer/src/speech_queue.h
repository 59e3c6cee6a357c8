// What the speech library was asked to say, in order, for a speaking thread of its own: the
// callers only queue and return, so speaking never blocks the thread that asked (the client
// library's look-up worker waits for each call). A purge drops everything queued before it
// and reaches the speaking thread ahead of anything queued later. The speaking thread ends
// after a while without requests; the next request starts a new one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace lexiton::voicer {

// Language of a text: as the client library numbers them.
inline constexpr int kSourceLanguage = 0;  // English
inline constexpr int kTargetLanguage = 1;  // Hungarian

struct SpeechRequest {
  enum class Kind { speak, purge } kind = Kind::speak;
  std::u16string text;
  int language = kSourceLanguage;
};

// The speech engine as the speaking thread drives it. speak() may return before the text is
// spoken; `interrupted` says a purge is waiting, for an engine that must wait before it can
// queue the text (to change voices).
class Voice {
 public:
  virtual ~Voice() = default;
  virtual void speak(const std::u16string& text, int language, const std::function<bool()>& interrupted) = 0;
  virtual void purge() = 0;
};

class SpeechQueue {
 public:
  // True when no speaking thread runs: the caller must start one (which calls serve).
  bool speak(std::u16string text, int language);
  bool purge();
  // A purge is queued and not yet taken.
  bool purgePending() const;

  // The speaking thread's loop: takes requests until none has come for `idle`, passing them to
  // `voice` (null: no engine, requests are dropped). Marks the thread ended before returning,
  // under the same lock that queues requests, so a request is never left without a thread.
  void serve(Voice* voice, std::chrono::milliseconds idle);
  // The speaking thread the last request asked for could not be started: nothing is spoken.
  void abandon();

 private:
  bool add(SpeechRequest request);
  mutable std::mutex lock_;
  std::condition_variable ready_;
  std::deque<SpeechRequest> queue_;
  bool serving_ = false;
};

}  // namespace lexiton::voicer
