#include "tray/win/feedback_option_dialog.h"

#include <lexiton/alert.h>
#include <lexiton/fixed_texts.h>
#include <lexiton/ui_resources.h>

#include "startup/host_startup.h"
#include "startup/win/system_profile_functions.h"

namespace lexiton::host {

namespace {

void warn(const char* text) { showAlert(text, fixed_texts::kHostCaption, AlertIcon::warning); }

bool boxChecked(HWND window) { return IsDlgButtonChecked(window, LXR_CONTROL_FEEDBACK_CHECK) == BST_CHECKED; }

}  // namespace

bool FeedbackOptionDialog::create(HMODULE languageLibrary, const std::string& configPath,
                                  std::atomic<bool>& flag) {
  state_ = State{configPath, &flag, false};
  window_.reset(CreateDialogParamA(languageLibrary, MAKEINTRESOURCEA(LXR_DIALOG_FEEDBACK), nullptr,
                                   &procedure, reinterpret_cast<LPARAM>(&state_)));
  return static_cast<bool>(window_);
}

void FeedbackOptionDialog::run(HMODULE languageLibrary, const std::string& configPath,
                               std::atomic<bool>& flag) {
  State state{configPath, &flag, true};
  DialogBoxParamA(languageLibrary, MAKEINTRESOURCEA(LXR_DIALOG_FEEDBACK), nullptr, &procedure,
                  reinterpret_cast<LPARAM>(&state));
}

INT_PTR CALLBACK FeedbackOptionDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* state = reinterpret_cast<State*>(lParam);
    try {
      *state->flag = readFeedbackText(systemProfile(), state->configPath);
    } catch (const cIni::cExc& e) {
      warn(e.what());
    }
    CheckDlgButton(window, LXR_CONTROL_FEEDBACK_CHECK, *state->flag ? BST_CHECKED : BST_UNCHECKED);
    // The hidden instance takes no focus: it must never become the active window.
    return state->modal ? TRUE : FALSE;
  }
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!state) return FALSE;
  // Only the modal instance closes; the hidden one lives until the program ends.
  auto close = [&](int result) {
    if (state->modal) EndDialog(window, result);
  };
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case LXR_CONTROL_FEEDBACK_CHECK:
          // The box changes the setting at once; Cancel does not take it back.
          if (HIWORD(wParam) == BN_CLICKED) *state->flag = boxChecked(window);
          return TRUE;
        case IDOK:
          *state->flag = boxChecked(window);
          close(IDOK);
          return TRUE;
        case IDCANCEL:
          close(IDCANCEL);
          return TRUE;
      }
      return FALSE;
    case WM_ACTIVATE:
      // A click elsewhere closes it, keeping what was chosen.
      if (LOWORD(wParam) == WA_INACTIVE) close(IDCANCEL);
      return FALSE;
    case WM_DESTROY:
      try {
        saveFeedbackText(systemProfile(), state->configPath, *state->flag);
      } catch (const cIni::cExc& e) {
        warn(e.what());
      }
      SetWindowLongPtrA(window, DWLP_USER, 0);
      return FALSE;
  }
  return FALSE;
}

}  // namespace lexiton::host
