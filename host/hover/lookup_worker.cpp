#include "hover/lookup_worker.h"

#include <lexiton/chunk_list.h>

#include <cstring>
#include <new>

namespace lexiton::host {

namespace {

// A text as Lookup receives it: cut to its buffer.
std::string bounded(const std::string& text) { return text.substr(0, kWorkerTextBuffer - 1); }

}  // namespace

void runLookupWorker(const WorkerJob& job) {
  LookupTimes times;
  if (job.clock) times.workerStarted = job.clock->nowMs();

  LookupExchange& exchange = *job.exchange;
  std::u16string text;
  std::string source;
  int cursor = 0;
  {
    std::lock_guard<RequestLock> hold(exchange.requestLock);
    LookupRequest& request = exchange.request;
    if (request.number != job.number) return;
    text = request.text;
    source = request.source;
    cursor = request.cursor;
    request.resultReady = false;
    request.resultNumber = job.number;
  }

  const std::string notFound = bounded(job.notFoundText);
  const std::string footer = bounded(job.footerText);
  // Reserved whole before the call, so the library appends without ever reallocating; pages
  // the result never reaches are never touched.
  std::unique_ptr<uint8_t[]> storage(new (std::nothrow) uint8_t[LX_LOOKUP_RESULT_RESERVE]);
  if (!storage) return;
  std::memset(storage.get(), 0, ChunkView::kTerminatorSize);
  LxByteArray array{storage.get(), static_cast<uint32_t>(ChunkView::kTerminatorSize),
                    LX_LOOKUP_RESULT_RESERVE};
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  int count = 0;
  int reserved = 0;
  bool quit = false;
  bool found = false;
  try {
    found = job.lookup && job.lookup(&wide, static_cast<unsigned>(cursor < 0 ? 0 : cursor), &array, &count,
                                     &reserved, notFound.c_str(), &quit, footer.c_str(), source.c_str());
  } catch (...) {
    // The library lets nothing out; should it, the look-up found nothing.
    found = false;
  }
  if (job.clock) times.lookupReturned = job.clock->nowMs();

  if (quit && job.quitRequested) job.quitRequested();

  {
    std::lock_guard<RequestLock> hold(exchange.requestLock);
    LookupRequest& request = exchange.request;
    if (request.number != job.number) return;
    const std::size_t size = array.size < array.capacity ? array.size : array.capacity;
    copyChunkList(array.data, size, request.result);
    request.resultReady = true;
    request.drawPending = found && count > 0;
    request.workerTimes = times;
  }
  if (job.resultStored) job.resultStored();
}

}  // namespace lexiton::host
