#include "hover/latency_trace.h"

#include <chrono>
#include <cstdlib>

namespace lexiton::host {

namespace {

class SteadyClock final : public LatencyClock {
 public:
  double nowMs() override {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
  }
};

void appendStage(std::string& line, const char* name, const std::optional<double>& at, double origin) {
  line += ' ';
  line += name;
  line += '=';
  if (!at) {
    line += '-';
    return;
  }
  char value[32];
  std::snprintf(value, sizeof value, "%.2f", *at - origin);
  line += value;
}

}  // namespace

LatencyClock& steadyLatencyClock() {
  static SteadyClock clock;
  return clock;
}

std::string formatTraceLine(int number, std::string_view outcome, const LookupTimes& times) {
  std::string line = "lookup " + std::to_string(number) + " ";
  line += outcome;
  // Times are counted from the first stage the look-up has.
  double origin = 0;
  for (const auto* stage : {&times.restFired, &times.evaluated, &times.workerStarted, &times.lookupReturned,
                            &times.polled, &times.painted, &times.shown})
    if (*stage) {
      origin = **stage;
      break;
    }
  appendStage(line, "rest_fired", times.restFired, origin);
  appendStage(line, "evaluated", times.evaluated, origin);
  appendStage(line, "worker_started", times.workerStarted, origin);
  appendStage(line, "lookup_returned", times.lookupReturned, origin);
  appendStage(line, "polled", times.polled, origin);
  appendStage(line, "painted", times.painted, origin);
  appendStage(line, "shown", times.shown, origin);
  return line;
}

LatencyTrace::~LatencyTrace() {
  if (file_) std::fclose(file_);
}

std::unique_ptr<LatencyTrace> LatencyTrace::fromEnvironment() {
  const char* path = std::getenv(kTraceFileVariable);
  if (!path || !*path) return nullptr;
  std::FILE* file = std::fopen(path, "ab");
  if (!file) return nullptr;
  return std::make_unique<LatencyTrace>(file, steadyLatencyClock());
}

void LatencyTrace::write(int number, std::string_view outcome, const LookupTimes& times) {
  if (!file_) return;
  const std::string line = formatTraceLine(number, outcome, times) + "\n";
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

}  // namespace lexiton::host
