// The thread that owns the low-level mouse and keyboard hooks. Low-level hooks are called on the
// thread that installed them, through its message loop, so that thread does nothing else: a
// slow host never delays the desktop's input, and the hook procedures only post or queue.
#pragma once

#include <windows.h>

namespace lexiton::ptrhook::win {

class HookThread {
 public:
  // Starts the thread, which installs both hooks with `module` and reports to `target`; false
  // (and nothing running) when either hook cannot be installed.
  bool start(HWND target, HMODULE module);
  // Removes the hooks and waits for the thread to end; harmless when nothing runs.
  void stop();
  bool running() const { return thread_ != nullptr; }

 private:
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
};

}  // namespace lexiton::ptrhook::win
