// The feedback-option dialog (template 143 of the language library, check box 1068): whether
// look-ups carry the feedback hint. One procedure serves two instances: a hidden one made at
// start, whose creation loads [dict] FeedbackText into the process-wide flag and whose
// destruction at the end saves it, and the modal one the tray menu opens. Either writes the
// flag (not its own check box) whenever it is destroyed, so the hidden instance's last word
// is the user's latest choice.
#pragma once

#include <windows.h>

#include <lexiton/win/window_owner.h>

#include <atomic>
#include <string>

namespace lexiton::host {

class FeedbackOptionDialog {
 public:
  FeedbackOptionDialog() = default;
  FeedbackOptionDialog(const FeedbackOptionDialog&) = delete;
  FeedbackOptionDialog& operator=(const FeedbackOptionDialog&) = delete;

  // The hidden instance.
  bool create(HMODULE languageLibrary, const std::string& configPath, std::atomic<bool>& flag);
  void destroy() { window_.reset(); }

  // The modal instance, with no owner; returns when it closed.
  static void run(HMODULE languageLibrary, const std::string& configPath, std::atomic<bool>& flag);

 private:
  struct State {
    std::string configPath;
    std::atomic<bool>* flag = nullptr;
    bool modal = false;
  };
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  State state_;
  win::WindowOwner window_;
};

}  // namespace lexiton::host
