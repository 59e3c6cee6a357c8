// The trace line, and no trace without its variable.
#include <gtest/gtest.h>

#include <cstdlib>

#include "hover/latency_trace.h"

namespace lexiton::host::test {
namespace {

TEST(LatencyTrace, TheLineCountsFromTheFirstStageAndMarksMissingOnes) {
  LookupTimes times;
  times.restFired = 1000.0;
  times.evaluated = 1000.5;
  times.workerStarted = 1001.25;
  times.lookupReturned = 1250.0;
  times.polled = 1300.0;
  EXPECT_EQ(formatTraceLine(12, "declined", times),
            "lookup 12 declined rest_fired=0.00 evaluated=0.50 worker_started=1.25 lookup_returned=250.00 "
            "polled=300.00 painted=- shown=-");
  EXPECT_EQ(formatTraceLine(3, "superseded", LookupTimes{}),
            "lookup 3 superseded rest_fired=- evaluated=- worker_started=- lookup_returned=- polled=- "
            "painted=- shown=-");
}

TEST(LatencyTrace, NoVariableNoTrace) {
  unsetenv(kTraceFileVariable);
  EXPECT_EQ(LatencyTrace::fromEnvironment(), nullptr);
  setenv(kTraceFileVariable, "", 1);
  EXPECT_EQ(LatencyTrace::fromEnvironment(), nullptr);
}

}  // namespace
}  // namespace lexiton::host::test
