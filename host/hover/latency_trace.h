// The latency trace: when LEXITON_TRACE_FILE names a file, every look-up appends one line with
// the times of its stages, in milliseconds from the moment the rest timer fired (or the trigger
// message arrived):
//   lookup 7 shown rest_fired=0.00 evaluated=0.41 worker_started=0.63 lookup_returned=212.35
//   polled=296.02 painted=301.90 shown=302.27
// (one line; a stage the look-up never reached is "-"). The outcome says how it ended: shown,
// declined (the painter painted nothing or the pointer had moved on), empty (nothing to paint)
// or superseded (a newer look-up or a failed evaluation replaced it). Without the variable no
// trace exists: the callers hold a null pointer and read no clock.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lexiton::host {

// Milliseconds on a monotonic clock; safe to read from any thread.
class LatencyClock {
 public:
  virtual ~LatencyClock() = default;
  virtual double nowMs() = 0;
};

// std::chrono::steady_clock.
LatencyClock& steadyLatencyClock();

struct LookupTimes {
  std::optional<double> restFired;
  std::optional<double> evaluated;
  std::optional<double> workerStarted;
  std::optional<double> lookupReturned;
  std::optional<double> polled;
  std::optional<double> painted;
  std::optional<double> shown;
};

inline constexpr const char* kTraceFileVariable = "LEXITON_TRACE_FILE";

// The line of look-up `number` (without its line break).
std::string formatTraceLine(int number, std::string_view outcome, const LookupTimes& times);

class LatencyTrace {
 public:
  LatencyTrace(std::FILE* file, LatencyClock& clock) : file_(file), clock_(clock) {}
  ~LatencyTrace();
  LatencyTrace(const LatencyTrace&) = delete;
  LatencyTrace& operator=(const LatencyTrace&) = delete;

  // The trace to the file LEXITON_TRACE_FILE names (appended to), or null when it is unset, empty
  // or cannot be opened.
  static std::unique_ptr<LatencyTrace> fromEnvironment();

  LatencyClock& clock() { return clock_; }
  double now() { return clock_.nowMs(); }
  // Appends and flushes one line, so a trace read while the program runs is whole.
  void write(int number, std::string_view outcome, const LookupTimes& times);

 private:
  std::FILE* file_;
  LatencyClock& clock_;
};

}  // namespace lexiton::host
