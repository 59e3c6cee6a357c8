// One look-up worker's work, on a thread of its own: copy the request in, call the look-up
// library's Lookup outside the lock, and store the result when the request is still current.
// The thread itself (and its reference on the library) is the platform's: hover/win.
#pragma once

#include <lexiton/lookup_exports.h>

#include <functional>
#include <memory>
#include <string>

#include "hover/lookup_request.h"

namespace lexiton::host {

struct WorkerJob {
  std::shared_ptr<LookupExchange> exchange;
  int number = 0;
  LookupFn lookup = nullptr;
  std::string notFoundText;  // string 32 of the language library, or "???"
  std::string footerText;    // string 41 when FeedbackText is on, else empty
  // Lookup asked the program to quit: the end-of-session path.
  std::function<void()> quitRequested;
  // The result of the current request is stored (called outside the lock): the main thread may
  // take it now rather than at the result poll's next tick.
  std::function<void()> resultStored;
  LatencyClock* clock = nullptr;  // set only when the look-up is traced
};

// The texts a worker hands Lookup live in buffers of this size (terminator included).
inline constexpr std::size_t kWorkerTextBuffer = 256;

// Runs the job to its end on the calling thread; never throws.
void runLookupWorker(const WorkerJob& job);

}  // namespace lexiton::host
