// Owner of one window (DestroyWindow): the host's windows, modeless dialogs and splash.
#pragma once

#include <windows.h>

#include <utility>

namespace lexiton::win {

class WindowOwner {
 public:
  WindowOwner() = default;
  explicit WindowOwner(HWND window) : window_(window) {}
  ~WindowOwner() { reset(); }
  WindowOwner(const WindowOwner&) = delete;
  WindowOwner& operator=(const WindowOwner&) = delete;

  HWND get() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }
  void reset(HWND window = nullptr) {
    // The same window handed over again (a dialog that registered itself while it was being
    // created) stays.
    if (window_ && window_ != window && IsWindow(window_)) DestroyWindow(window_);
    window_ = window;
  }

 private:
  HWND window_ = nullptr;
};

}  // namespace lexiton::win
