#include "hover/win/lookup_threads.h"

#include <process.h>

#include <stdexcept>

namespace lexiton::host {

namespace {

// A worker's whole belongings, owned by its thread.
struct WorkerThread {
  WorkerJob job;
  HMODULE library = nullptr;  // the thread's reference on the library of job.lookup
};

unsigned __stdcall workerMain(void* argument) {
  std::unique_ptr<WorkerThread> worker(static_cast<WorkerThread*>(argument));
  runLookupWorker(worker->job);
  const HMODULE library = worker->library;
  worker.reset();  // the request's reference goes before the library's
  // This code is the program's, which is never unloaded: returning after the last reference on
  // the library went is safe.
  FreeLibrary(library);
  return 0;
}

}  // namespace

void LookupThreads::setMode() {
  if (const auto entry = engines_.entries().setMode) entry(1, 3);
}

void LookupThreads::storno() {
  if (const auto entry = engines_.entries().kvStorno) entry();
}

void LookupThreads::startWorker(int number) {
  const LookupFn lookup = engines_.entries().lookup;
  if (!lookup) throw std::runtime_error("no Lookup");
  auto worker = std::make_unique<WorkerThread>();
  worker->job.exchange = exchange_;
  worker->job.number = number;
  worker->job.lookup = lookup;
  worker->job.notFoundText = texts_.notFound;
  if (feedbackText_.load()) worker->job.footerText = texts_.footer;
  const HWND main = mainWindow_;
  worker->job.quitRequested = [main] {
    // The end-of-session message with its ending flag: the exit routine, and the saves before
    // the answer.
    if (main) SendMessageA(main, WM_ENDSESSION, TRUE, 0);
  };
  // Posted, never sent: the worker does not wait for the main thread. A notice that arrives
  // after the window has gone, at the end of the program, is lost with it.
  if (resultWindow_) {
    const HWND window = resultWindow_;
    const UINT message = resultMessage_;
    worker->job.resultStored = [window, message] { PostMessageA(window, message, 0, 0); };
  }
  if (trace_) worker->job.clock = &trace_->clock();
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(lookup)), &worker->library))
    throw std::runtime_error("no reference on the look-up library");
  const uintptr_t thread = _beginthreadex(nullptr, 0, &workerMain, worker.get(), 0, nullptr);
  if (!thread) {
    FreeLibrary(worker->library);
    throw std::runtime_error("no worker thread");
  }
  worker.release();  // the thread's now
  CloseHandle(reinterpret_cast<HANDLE>(thread));
}

}  // namespace lexiton::host
