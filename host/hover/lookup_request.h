// The look-up in flight between the main thread and the workers: `LookupRequest`, guarded by
// `RequestLock`. Every new look-up and every cancellation takes a new request number; a worker's
// result is kept only when it still carries the current number. The pair lives in a
// LookupExchange that the main thread and every worker hold a reference to, so a worker that
// finishes after the program has let go of it still finds its lock and request.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "hover/latency_trace.h"

namespace lexiton::host {

using RequestLock = std::mutex;

// Bytes the shared result starts with reserved (it grows beyond when a result needs it).
inline constexpr std::size_t kSharedResultReserve = 0x9000;

struct LookupRequest {
  LookupRequest();

  int number = 0;       // the current request; stale results carry another
  std::u16string text;  // the text read under the pointer
  std::string source;   // "Trigger", "MSWord" or the name the text reader gave
  int cursor = 0;       // the character under the pointer within text
  bool resultReady = false;
  int resultNumber = 0;
  bool drawPending = false;     // the stored result is to be painted
  std::vector<uint8_t> result;  // the last current result: a ChunkList, at first the empty one
  LookupTimes workerTimes;      // the stored result's worker stages, when traced
};

struct LookupExchange {
  RequestLock requestLock;
  LookupRequest request;
};

// Copies the ChunkList of `size` bytes at `list`, chunk by chunk up to its terminator, into
// `into` as a list of its own. A list that runs past `size` (a library that wrote a bad length)
// keeps the chunks before the fault. Returns the number of chunks copied.
std::size_t copyChunkList(const uint8_t* list, std::size_t size, std::vector<uint8_t>& into);

// The text of the "plai" chunk of a result list (empty when it has none).
std::string plainTextOf(const std::vector<uint8_t>& result);

}  // namespace lexiton::host
