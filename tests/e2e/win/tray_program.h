// Lexiton.exe as another program on the desktop sees it: started from its folder like an
// installed program, found through the shared block it publishes, its two tooltip windows and
// its splash watched, and ended the way Windows ends it, through the end-of-session messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace lexiton::e2e {

class TrayProgram {
 public:
  // Starts "Lexiton.exe" of `folder` (which holds its libraries and data), in that folder, with
  // this process's environment. Check started().
  explicit TrayProgram(const std::string& folder);
  // The program running now: the one the shared block names, left running when this object
  // goes. Null when none runs.
  static std::unique_ptr<TrayProgram> running();
  // Ends the program this object started, should it still run.
  ~TrayProgram();
  TrayProgram(const TrayProgram&) = delete;
  TrayProgram& operator=(const TrayProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  bool alive() const;
  DWORD processId() const { return processId_; }
  HANDLE process() const { return process_; }

  // Waits until the shared block names this program's window and the splash has gone (it takes
  // the foreground while it is shown); whether both happened within `limit`.
  bool waitUntilReady(std::chrono::milliseconds limit);
  HWND firstTooltip() const { return first_; }
  HWND secondTooltip() const { return second_; }
  HWND mainWindow() const { return main_; }
  // Waits until both tooltips are shown and have stayed shown where they are for `still`;
  // whether that happened within `limit`. With `still` longer than the rest time, the rest timer
  // that the show started has looked at the pointer again by then: keys meant for the result on
  // show then meet no tooltip that is still being shown, moved or replaced.
  bool waitUntilTooltipsSettle(std::chrono::milliseconds still, std::chrono::milliseconds limit) const;

  // WM_QUERYENDSESSION and WM_ENDSESSION to the main window, then the wait for the exit; the
  // exit code, or nothing when it did not end within `limit`.
  std::optional<DWORD> endSession(std::chrono::milliseconds limit);
  // Leaves the program running when this object goes (a demo step that only starts it).
  void keepRunning() { keep_ = true; }

 private:
  TrayProgram() = default;
  // Finds the windows of the program's thread `threadId`.
  void findWindows(DWORD threadId);

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND first_ = nullptr;
  HWND second_ = nullptr;
  HWND main_ = nullptr;
  bool keep_ = false;
};

}  // namespace lexiton::e2e
