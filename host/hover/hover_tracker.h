// The pointer tracking: from the hook's move reports, the rest timer and the trigger messages to
// an evaluation of the text under the pointer, a numbered look-up on a worker, the result poll
// and the decision to show the first tooltip; and the key rule while it is shown. It runs on the
// main thread; the platform turns its timers and messages into these calls (hover/win) and
// carries out what it asks through the narrow interfaces below.
#pragma once

#include <memory>
#include <string>

#include "hover/hover_listener.h"
#include "hover/hover_state.h"
#include "hover/latency_trace.h"
#include "hover/lookup_request.h"
#include "hover/shown_lookups.h"
#include "hover/text_cuts.h"
#include "hover/trigger_message.h"

namespace lexiton::host {

// The rest timer (timer 1) and the result poll (timer 102) on the first tooltip window.
class HoverTimers {
 public:
  virtual ~HoverTimers() = default;
  // Starts the rest timer with this period, replacing a running one.
  virtual void startRestTimer(int milliseconds) = 0;
  virtual void killRestTimer() = 0;
  virtual void startResultPoll() = 0;  // every kResultPollMs
  virtual void killResultPoll() = 0;
};

// Where the pointer is now: the rest timer reads it, not the last report.
class PointerPosition {
 public:
  virtual ~PointerPosition() = default;
  virtual ScreenPoint current() = 0;
};

// The text reader's three entries ("textgrab.dll"), in the order the evaluation tries them. Each
// fills `text` and `cursor` and answers whether it found text; any of them may throw.
class TextReader {
 public:
  virtual ~TextReader() = default;
  // MakeTidy: the pending trigger text; `cursor` is its index in, the index in `text` out.
  virtual bool tidy(const std::u16string& pending, std::u16string& text, int& cursor) = 0;
  // GetMWord9W_Ex: a word processor's document under the point.
  virtual bool documentAt(ScreenPoint at, std::u16string& text, int& cursor) = 0;
  // GetIE4W_Ex: any other window under the point; `source` is the program's name.
  virtual bool windowAt(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) = 0;
};

// The look-up library as the main thread drives it.
class LookupLauncher {
 public:
  virtual ~LookupLauncher() = default;
  virtual void setMode() = 0;  // SetMode(1, 3), before every look-up
  virtual void storno() = 0;   // KVStorno: abort the server request that runs
  // Starts a detached worker for request `number`; throws when it cannot.
  virtual void startWorker(int number) = 0;
};

// The two tooltips as the pointer tracking drives them (TooltipPair in host/tooltip).
class TooltipControl {
 public:
  virtual ~TooltipControl() = default;
  virtual bool mainVisible() = 0;
  // Hides the first tooltip, the second with it, and stops a pending local look-up.
  virtual void closeMain() = 0;
  virtual bool secondEnabled() = 0;
  // The local look-up of this evaluation, run as soon as the main thread is free.
  virtual void scheduleLocal(std::u16string text) = 0;
  // Paints the first tooltip for `result` at `at` (the caller holds RequestLock); whether it
  // painted something.
  virtual bool paintMain(const std::vector<uint8_t>& result, ScreenPoint at) = 0;
  // Shows what paintMain painted, or lets it go.
  virtual void showMain() = 0;
  virtual void discardMain() = 0;
};

// Rest timer periods, the result poll's period and the rest distance.
inline constexpr int kRestMs = 500;
inline constexpr int kReevaluateMs = 1500;
inline constexpr int kResultPollMs = 100;
// Squared distances: a move farther than 5 pixels leaves the rest position.
inline constexpr int kRestDistanceSquared = 25;

class HoverTracker {
 public:
  struct Parts {
    HoverState& state;
    TriggerText& trigger;
    LookupExchange& exchange;
    HoverTimers& timers;
    PointerPosition& pointer;
    TextReader& reader;
    LookupLauncher& lookups;
    TooltipControl& tooltips;
    HoverListener& listener;
    LatencyTrace* trace = nullptr;                // null: nothing traced
    ShownLookupListener* shownLookups = nullptr;  // null: shown look-ups are kept nowhere
  };

  explicit HoverTracker(const Parts& parts) : p_(parts) {}

  // The hook's reports.
  void pointerMoved(ScreenPoint at);
  void keyReported(unsigned character);
  // Timer 1, and timer 102 or the worker's notice that the result is stored.
  void restTimerFired();
  void resultPollFired();
  // A trigger message; `text` is its text converted from the system code page, and `cursor` its
  // cursor in that text.
  void triggerReceived(const TriggerMessage& message, std::u16string text, int cursor);

 private:
  void restStep(std::optional<double> firedAt);
  void evaluate(ScreenPoint at, std::optional<double> firedAt);
  bool readText(ScreenPoint at, std::u16string& text, int& cursor, std::string& source);
  void startLookup(const std::u16string& text, const std::string& source, int cursor);
  void poll();
  // Paints the current result and shows it or lets it go; the outcome for the trace.
  std::string_view drawResult(LookupRequest& request);
  void setBusy(bool busy);
  // Traces the current look-up to its end (when one is traced).
  void endTrace(std::string_view outcome);

  Parts p_;
  // The stages of the look-up in flight on the main thread's side, when traced.
  std::optional<LookupTimes> traced_;
  int tracedNumber_ = 0;
};

}  // namespace lexiton::host
