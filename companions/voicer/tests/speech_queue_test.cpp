#include "speech_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

namespace lexiton::voicer {
namespace {

using namespace std::chrono_literals;

// A voice that writes down what it was given, and can hold the speaking thread inside speak()
// until the test lets it go (a long text being spoken).
class RecordingVoice : public Voice {
 public:
  void speak(const std::u16string& text, int language, const std::function<bool()>&) override {
    {
      std::lock_guard g(lock_);
      said_.push_back(std::to_string(language) + ":" + std::string(text.begin(), text.end()));
    }
    if (holdNext_.exchange(false)) held_.get_future().wait();
  }
  void purge() override {
    std::lock_guard g(lock_);
    said_.push_back("purge");
  }
  std::vector<std::string> said() {
    std::lock_guard g(lock_);
    return said_;
  }
  void holdNextSpeak() { holdNext_ = true; }
  void release() { held_.set_value(); }

 private:
  std::mutex lock_;
  std::vector<std::string> said_;
  std::atomic<bool> holdNext_{false};
  std::promise<void> held_;
};

// Runs serve() on a thread of its own whenever the queue asks for one.
class Speaker {
 public:
  explicit Speaker(Voice* voice, std::chrono::milliseconds idle = 50ms) : voice_(voice), idle_(idle) {}
  ~Speaker() {
    for (auto& t : threads_) t.join();
  }
  void speak(const char* text, int language) {
    if (queue_.speak(std::u16string(text, text + std::strlen(text)), language)) start();
  }
  void purge() {
    if (queue_.purge()) start();
  }
  std::size_t threadsStarted() const { return threads_.size(); }
  SpeechQueue& queue() { return queue_; }

 private:
  void start() {
    threads_.emplace_back([this] { queue_.serve(voice_, idle_); });
  }
  SpeechQueue queue_;
  Voice* voice_;
  std::chrono::milliseconds idle_;
  std::vector<std::thread> threads_;
};

template <class Pred>
bool eventually(Pred pred) {
  for (int i = 0; i < 500; ++i) {
    if (pred()) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

TEST(SpeechQueueTest, SpokenInOrderByOneThread) {
  RecordingVoice voice;
  Speaker speaker(&voice, 300ms);
  speaker.speak("house", kSourceLanguage);
  speaker.speak("h\xE1z", kTargetLanguage);
  speaker.speak("Vagy?", kTargetLanguage);
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 3; }));
  EXPECT_EQ(voice.said(), (std::vector<std::string>{"0:house", "1:h\xE1z", "1:Vagy?"}));
  EXPECT_EQ(speaker.threadsStarted(), 1u);
}

TEST(SpeechQueueTest, PurgeDropsWhatWaitsAndGoesFirst) {
  RecordingVoice voice;
  Speaker speaker(&voice, 300ms);
  voice.holdNextSpeak();
  speaker.speak("first", kSourceLanguage);
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 1; }));
  // The speaking thread is busy with "first": these wait in the queue.
  speaker.speak("second", kSourceLanguage);
  speaker.speak("third", kTargetLanguage);
  speaker.purge();
  EXPECT_TRUE(speaker.queue().purgePending());
  speaker.speak("after", kTargetLanguage);
  voice.release();
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 3; }));
  EXPECT_EQ(voice.said(), (std::vector<std::string>{"0:first", "purge", "1:after"}));
  EXPECT_FALSE(speaker.queue().purgePending());
}

TEST(SpeechQueueTest, CallersNeverWaitForTheSpeaking) {
  RecordingVoice voice;
  Speaker speaker(&voice, 300ms);
  voice.holdNextSpeak();
  speaker.speak("a long text", kSourceLanguage);
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 1; }));
  // The voice still holds the speaking thread; queuing more returns at once.
  for (int i = 0; i < 100; ++i) speaker.speak("more", kTargetLanguage);
  speaker.purge();
  voice.release();
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 2; }));
}

TEST(SpeechQueueTest, AnIdleThreadEndsAndTheNextRequestStartsAnother) {
  RecordingVoice voice;
  Speaker speaker(&voice, 20ms);
  speaker.speak("one", kSourceLanguage);
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 1; }));
  std::this_thread::sleep_for(200ms);
  speaker.speak("two", kSourceLanguage);
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 2; }));
  EXPECT_EQ(speaker.threadsStarted(), 2u);
}

TEST(SpeechQueueTest, WithoutAnEngineRequestsAreDroppedQuietly) {
  Speaker speaker(nullptr, 20ms);
  speaker.speak("nobody listens", kSourceLanguage);
  speaker.purge();
  EXPECT_TRUE(eventually([&] { return !speaker.queue().purgePending(); }));
}

TEST(SpeechQueueTest, TwoCallerThreadsAtOnce) {
  RecordingVoice voice;
  Speaker speaker(&voice, 300ms);
  std::mutex speakerLock;  // Speaker's thread list, not the queue, needs it
  auto caller = [&](int language) {
    for (int i = 0; i < 200; ++i) {
      std::lock_guard g(speakerLock);
      speaker.speak("x", language);
    }
  };
  std::thread a(caller, 0), b(caller, 1);
  a.join();
  b.join();
  ASSERT_TRUE(eventually([&] { return voice.said().size() == 400; }));
  EXPECT_EQ(speaker.threadsStarted(), 1u);
}

}  // namespace
}  // namespace lexiton::voicer
