#include "speech_queue.h"

#include <algorithm>

namespace lexiton::voicer {

bool SpeechQueue::speak(std::u16string text, int language) {
  return add({SpeechRequest::Kind::speak, std::move(text), language});
}

bool SpeechQueue::purge() { return add({SpeechRequest::Kind::purge, {}, 0}); }

bool SpeechQueue::add(SpeechRequest request) {
  std::lock_guard guard(lock_);
  if (request.kind == SpeechRequest::Kind::purge) queue_.clear();
  queue_.push_back(std::move(request));
  const bool start = !serving_;
  serving_ = true;
  ready_.notify_one();
  return start;
}

bool SpeechQueue::purgePending() const {
  std::lock_guard guard(lock_);
  return std::any_of(queue_.begin(), queue_.end(),
                     [](const SpeechRequest& r) { return r.kind == SpeechRequest::Kind::purge; });
}

void SpeechQueue::serve(Voice* voice, std::chrono::milliseconds idle) {
  const auto interrupted = [this] { return purgePending(); };
  while (true) {
    SpeechRequest request;
    {
      std::unique_lock guard(lock_);
      if (!ready_.wait_for(guard, idle, [this] { return !queue_.empty(); })) {
        serving_ = false;
        return;
      }
      request = std::move(queue_.front());
      queue_.pop_front();
    }
    if (!voice) continue;
    if (request.kind == SpeechRequest::Kind::purge)
      voice->purge();
    else
      voice->speak(request.text, request.language, interrupted);
  }
}

void SpeechQueue::abandon() {
  std::lock_guard guard(lock_);
  queue_.clear();
  serving_ = false;
}

}  // namespace lexiton::voicer
