// Fakes for the pointer tracking's tests: a clock that the test moves on and that fires the
// timers as Windows would, a pointer the test places, a text reader with a text per point, a
// look-up library whose workers the test runs when it chooses (late, early, or never), the
// tooltips and the listener recorded.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hover/hover_tracker.h"
#include "hover/lookup_worker.h"

namespace lexiton::host::test {

class FakeClock final : public LatencyClock {
 public:
  double nowMs() override { return now; }
  double now = 0;
};

// Timers 1 and 102 over the fake clock. advance() fires each timer when its period has passed
// since it was (re)started or last fired, in time order, as the message loop would.
class FakeTimers final : public HoverTimers {
 public:
  explicit FakeTimers(FakeClock& clock) : clock_(clock) {}
  void startRestTimer(int ms) override;
  void killRestTimer() override { rest_.reset(); }
  void startResultPoll() override;
  void killResultPoll() override { poll_.reset(); }

  std::optional<int> restPeriod() const { return rest_ ? std::optional<int>(rest_->period) : std::nullopt; }
  bool polling() const { return poll_.has_value(); }
  int restStarts = 0;

  // Moves the clock on by `ms`, firing what falls due.
  void advance(double ms, const std::function<void()>& restFired, const std::function<void()>& pollFired);

 private:
  struct Timer {
    int period;
    double due;
  };
  FakeClock& clock_;
  std::optional<Timer> rest_;
  std::optional<Timer> poll_;
};

class FakePointer final : public PointerPosition {
 public:
  ScreenPoint current() override { return at; }
  ScreenPoint at;
};

// Text per point: a word processor's (documentAt) or another window's (windowAt); tidy hands the
// pending text back as it is. Each entry can be made to throw.
class FakeReader final : public TextReader {
 public:
  struct Reading {
    std::u16string text;
    int cursor = 0;
    std::string source;
  };
  std::map<std::pair<int, int>, Reading> documents;
  std::map<std::pair<int, int>, Reading> windows;
  bool tidyThrows = false, documentThrows = false, windowThrows = false;
  std::vector<std::string> calls;

  bool tidy(const std::u16string& pending, std::u16string& text, int& cursor) override;
  bool documentAt(ScreenPoint at, std::u16string& text, int& cursor) override;
  bool windowAt(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) override;
};

// The look-up library's main-thread calls, and the workers it was asked to start: a test runs
// each with runWorker(), whenever it likes.
class FakeLookups final : public LookupLauncher {
 public:
  int setModes = 0;
  int stornos = 0;
  bool startFails = false;
  std::vector<WorkerJob> started;

  void setMode() override { ++setModes; }
  void storno() override { ++stornos; }
  void startWorker(int number) override;

  std::shared_ptr<LookupExchange> exchange = std::make_shared<LookupExchange>();
  LatencyClock* clock = nullptr;
};

// The Lookup entry the fake workers call. It answers ScriptedLookup's found and count with a list
// of a "QXR1" document and a "plai" text naming the text and cursor it was given.
struct ScriptedLookup {
  static inline bool found = true;
  static inline int count = 1;
  static inline bool quit = false;
  static inline int calls = 0;
  static inline std::string lastFooter;
  static inline std::string lastNotFound;
  static inline std::string lastSource;
  // Runs inside Lookup: what happens on the main thread while a worker waits for the server.
  static inline std::function<void()> during;
  static void reset();
};
bool LX_CDECL scriptedLookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
                             int* reserved, const char* notFound, bool* quit, const char* footer,
                             const char* source);
// The "plai" text scriptedLookup writes for a text and cursor.
std::string scriptedPlainText(const std::u16string& text, unsigned cursor);

class FakeTooltips final : public TooltipControl {
 public:
  bool visible = false;
  bool second = false;
  bool painterAnswer = true;
  std::vector<std::string> calls;
  std::vector<std::u16string> localTexts;
  std::vector<std::vector<uint8_t>> painted;
  std::vector<ScreenPoint> paintedAt;

  bool mainVisible() override { return visible; }
  void closeMain() override {
    calls.push_back("close");
    visible = false;
  }
  bool secondEnabled() override { return second; }
  void scheduleLocal(std::u16string text) override { localTexts.push_back(std::move(text)); }
  bool paintMain(const std::vector<uint8_t>& result, ScreenPoint at) override;
  void showMain() override {
    calls.push_back("show");
    visible = true;
  }
  void discardMain() override { calls.push_back("discard"); }
};

class RecordingListener final : public HoverListener {
 public:
  std::vector<bool> busy;
  std::vector<std::string> feedback;
  const HoverState* state = nullptr;
  void busyChanged() override { busy.push_back(state->busy); }
  void feedbackRequested(std::string_view plainText) override { feedback.emplace_back(plainText); }
};

// Alerts shown while it lives, as "caption|text".
class AlertRecorder {
 public:
  AlertRecorder();
  ~AlertRecorder();
  std::vector<std::string> alerts;
};

}  // namespace lexiton::host::test
