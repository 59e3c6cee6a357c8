// The look-up library on the main thread (SetMode, KVStorno) and the workers' threads. Each
// worker is a detached thread that holds, for as long as it runs, its own reference on the
// library whose Lookup it calls and its own reference on the request it serves: the program may
// unload the library and let go of its windows while a late worker is still inside Lookup, and
// that worker still returns into loaded code and a live lock.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "engines/engine_table.h"
#include "hover/hover_tracker.h"
#include "hover/lookup_worker.h"

namespace lexiton::host {

class LookupThreads final : public LookupLauncher {
 public:
  struct Texts {
    std::string notFound;  // string 32, or "???"
    std::string footer;    // string 41, passed while FeedbackText is on
  };

  LookupThreads(const EngineTable& engines, std::shared_ptr<LookupExchange> exchange,
                const std::atomic<bool>& feedbackText, LatencyTrace* trace)
      : engines_(engines), exchange_(std::move(exchange)), feedbackText_(feedbackText), trace_(trace) {}

  void setTexts(Texts texts) { texts_ = std::move(texts); }
  // The window that Lookup's quit request ends the session of.
  void setMainWindow(HWND window) { mainWindow_ = window; }
  // The window each worker posts `message` to once its result is stored.
  void setResultNotice(HWND window, UINT message) {
    resultWindow_ = window;
    resultMessage_ = message;
  }

  void setMode() override;
  void storno() override;
  // Throws std::runtime_error when the library or the thread cannot be had.
  void startWorker(int number) override;

 private:
  const EngineTable& engines_;
  std::shared_ptr<LookupExchange> exchange_;
  const std::atomic<bool>& feedbackText_;
  LatencyTrace* trace_;
  Texts texts_;
  HWND mainWindow_ = nullptr;
  HWND resultWindow_ = nullptr;
  UINT resultMessage_ = 0;
};

}  // namespace lexiton::host
