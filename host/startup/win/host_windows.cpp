#include "startup/win/host_windows.h"

#include <lexiton/alert.h>
#include <lexiton/companion_exports.h>
#include <lexiton/fixed_texts.h>
#include <lexiton/lookup_exports.h>
#include <lexiton/settings_keys.h>
#include <lexiton/ui_resources.h>

#include <shellapi.h>

#include <cstring>

#include "startup/win/system_profile_functions.h"

namespace lexiton::host {

namespace {

template <class Object>
Object* objectOf(HWND window) {
  return reinterpret_cast<Object*>(GetWindowLongPtrA(window, DWLP_USER));
}

void remember(HWND window, LPARAM object) { SetWindowLongPtrA(window, DWLP_USER, object); }

void warn(std::string_view text) { showAlert(text, fixed_texts::kHostCaption, AlertIcon::warning); }

}  // namespace

bool DisplayWindow::create(HINSTANCE program) {
  window_.reset(CreateDialogParamA(program, MAKEINTRESOURCEA(LXR_DIALOG_TOOLTIP), nullptr, &procedure, 0));
  return static_cast<bool>(window_);
}

INT_PTR CALLBACK DisplayWindow::procedure(HWND, UINT, WPARAM, LPARAM) {
  // The tooltip code fills these windows in; until then they only exist.
  return FALSE;
}

bool FeedbackOptionDialog::create(HMODULE languageLibrary, const std::string& configPath) {
  configPath_ = configPath;
  window_.reset(CreateDialogParamA(languageLibrary, MAKEINTRESOURCEA(LXR_DIALOG_FEEDBACK), nullptr,
                                   &procedure, reinterpret_cast<LPARAM>(this)));
  return static_cast<bool>(window_);
}

INT_PTR CALLBACK FeedbackOptionDialog::procedure(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    remember(window, lParam);
    auto* self = reinterpret_cast<FeedbackOptionDialog*>(lParam);
    try {
      const int on = cIni(systemProfile(), self->configPath_)
                         .readInt(settings::dict::kSection, settings::dict::kFeedbackText, 0);
      CheckDlgButton(window, LXR_CONTROL_FEEDBACK_CHECK, on == 1 ? BST_CHECKED : BST_UNCHECKED);
    } catch (const cIni::cExc& e) {
      warn(e.what());
    }
    return FALSE;
  }
  if (message == WM_DESTROY) {
    if (auto* self = objectOf<FeedbackOptionDialog>(window)) {
      try {
        const bool on = IsDlgButtonChecked(window, LXR_CONTROL_FEEDBACK_CHECK) == BST_CHECKED;
        cIni(systemProfile(), self->configPath_)
            .writeInt(settings::dict::kSection, settings::dict::kFeedbackText, on ? 1 : 0);
      } catch (const cIni::cExc& e) {
        warn(e.what());
      }
    }
  }
  return FALSE;
}

bool MainWindow::create(const EngineTable& engines, const HostPaths& paths) {
  engines_ = &engines;
  paths_ = paths;
  window_.reset(CreateDialogParamA(static_cast<HMODULE>(engines.languageLibrary()),
                                   MAKEINTRESOURCEA(LXR_DIALOG_MAIN), nullptr, &procedure,
                                   reinterpret_cast<LPARAM>(this)));
  if (!settingsError_.empty()) throw cIni::cExc(settingsError_);
  if (!window_) return false;
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, kTag);
  return true;
}

void MainWindow::destroy() {
  removeTrayAndHook();
  window_.reset();
}

void MainWindow::initialise(HWND window) {
  try {
    settings_ = readWindowSettings(systemProfile(), paths_.configPath);
  } catch (const cIni::cExc& e) {
    // create() reports it once the dialog call has returned.
    settingsError_ = e.what();
    return;
  }

  // The hook library is loaded again for the hook itself: the probe at start-up unloaded it.
  hookLibrary_ = lexiton::Library(std::string(engine_files::kPointerHook));
  if (auto setup = hookLibrary_.bind<SetupHookFn>("SetupHook")) setup(window, hookLibrary_.get());

  window_.reset(window);  // the tray icon belongs to this window
  setTrayIcon(LXR_ICON_ACTIVE, LXR_STRING_ACTIVE, NIM_ADD);
}

void MainWindow::setTrayIcon(int iconId, int tipId, DWORD action) {
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window_.get();
  icon.uID = kTrayIconId;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  const auto language = static_cast<HMODULE>(engines_->languageLibrary());
  // Shared icons: the system frees them with the library.
  icon.hIcon =
      static_cast<HICON>(LoadImageA(language, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  LoadStringA(language, static_cast<UINT>(tipId), icon.szTip, sizeof icon.szTip);
  const bool done = Shell_NotifyIconA(action, &icon) != FALSE;
  if (action == NIM_ADD) trayAdded_ = done;
}

void MainWindow::togglePause() {
  paused_ = !paused_;
  // A peer holding the block too long only leaves the old flag there.
  if (subscriber_) subscriber_->setEnabled(!paused_);
  if (trayAdded_)
    setTrayIcon(paused_ ? LXR_ICON_PAUSED : LXR_ICON_ACTIVE, paused_ ? LXR_STRING_PAUSED : LXR_STRING_ACTIVE,
                NIM_MODIFY);
}

void MainWindow::removeTrayAndHook() {
  if (trayAdded_) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window_.get();
    icon.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &icon);
    trayAdded_ = false;
  }
  if (hookLibrary_) {
    if (auto release = hookLibrary_.bind<ReleaseHookFn>("ReleaseHook")) release();
    hookLibrary_.reset();
  }
}

bool MainWindow::exitRoutine() {
  if (auto kvExit = engines_->entries().kvExit) {
    if (!kvExit(paths_.language, nullptr)) return false;
  }
  removeTrayAndHook();
  const std::string failure = saveWindowSettings(systemProfile(), paths_.configPath, settings_);
  if (!failure.empty()) warn(failure);
  PostQuitMessage(0);
  return true;
}

INT_PTR CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    remember(window, lParam);
    reinterpret_cast<MainWindow*>(lParam)->initialise(window);
    return FALSE;
  }
  MainWindow* self = objectOf<MainWindow>(window);
  if (!self) return FALSE;
  switch (message) {
    case WM_QUERYENDSESSION:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) self->exitRoutine();
      return TRUE;
    case kTrayMessage:
      if (lParam == WM_LBUTTONUP) self->togglePause();
      return TRUE;
  }
  return FALSE;
}

}  // namespace lexiton::host
