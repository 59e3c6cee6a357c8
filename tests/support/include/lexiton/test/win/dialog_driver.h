// Drives a dialog the way a user's clicks arrive: one scripted step per timer tick, sent as
// messages to the dialog and its controls. For the wine tests of the libraries' dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dialog_driver {

constexpr UINT kTickMs = 20;
// A dialog still open after this many ticks has stopped following the script.
constexpr int kMaxTicks = 250;

// Runs one step per timer tick against the dialog that `locate` finds, once it exists. A
// dialog that outlives the tick limit is destroyed. The timer belongs to the calling thread,
// so the steps run inside the dialog's own message loop.
class Script {
 public:
  using Step = std::function<void(HWND)>;
  using Locate = std::function<HWND()>;
  Script(Locate locate, std::vector<Step> steps) : locate_(std::move(locate)), steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, tick);
  }
  ~Script() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  std::size_t stepsRun() const { return next_; }
  bool timedOut() const { return timedOut_; }

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_->advance();
  }
  void advance() {
    HWND dialog = locate_();
    const bool found = dialog && IsWindow(dialog);
    if (++ticks_ > kMaxTicks) {
      // A dialog that never showed up would keep its runner's loop waiting forever; a quit
      // message ends that loop, and the test fails on timedOut() instead of hanging.
      if (!timedOut_) {
        timedOut_ = true;
        if (found)
          DestroyWindow(dialog);
        else
          PostQuitMessage(0);
      }
      return;
    }
    if (!found) return;
    if (next_ < steps_.size()) steps_[next_++](dialog);
  }

  static inline Script* current_ = nullptr;
  Locate locate_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int ticks_ = 0;
  bool timedOut_ = false;
  UINT_PTR timer_ = 0;
};

inline HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
inline void click(HWND dialog, int id) { SendMessageW(item(dialog, id), BM_CLICK, 0, 0); }
inline void setText(HWND dialog, int id, const char* text) {
  SendMessageA(item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
inline std::string text(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}
inline std::wstring wideText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}
inline std::string text(HWND dialog, int id) { return text(item(dialog, id)); }

inline Script::Locate byCaption(const wchar_t* caption) {
  return [caption] { return FindWindowW(nullptr, caption); };
}
inline bool enabled(HWND dialog, int id) { return IsWindowEnabled(item(dialog, id)) != FALSE; }
inline bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace dialog_driver
