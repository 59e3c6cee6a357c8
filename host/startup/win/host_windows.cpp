#include "startup/win/host_windows.h"

#include <lexiton/alert.h>
#include <lexiton/companion_exports.h>
#include <lexiton/fixed_texts.h>
#include <lexiton/lookup_exports.h>
#include <lexiton/ui_resources.h>

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

bool MainWindow::create(EngineTable& engines, const HostPaths& paths, HWND displayWindow) {
  engines_ = &engines;
  paths_ = paths;
  tray_.prepare(engines, paths, displayWindow, [this] { exitRoutine(); });
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
    state_.settings = readWindowSettings(systemProfile(), paths_.configPath);
  } catch (const cIni::cExc& e) {
    // create() reports it once the dialog call has returned.
    settingsError_ = e.what();
    return;
  }

  // The hook library is loaded again for the hook itself: the probe at start-up unloaded it.
  hookLibrary_ = lexiton::Library(std::string(engine_files::kPointerHook));
  if (auto setup = hookLibrary_.bind<SetupHookFn>("SetupHook")) setup(window, hookLibrary_.get());

  window_.reset(window);  // the tray icon belongs to this window
  tray_.start(window);
}

void MainWindow::removeTrayAndHook() {
  tray_.remove();
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
  const std::string failure = saveWindowSettings(systemProfile(), paths_.configPath, state_.settings);
  if (!failure.empty()) warn(failure);
  PostQuitMessage(0);
  return true;
}

void MainWindow::saveBeforeSessionEnds() {
  try {
    saveFeedbackText(systemProfile(), paths_.configPath, state_.feedbackText);
  } catch (const cIni::cExc& e) {
    warn(e.what());
  }
  engines_->closeClient();
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
      if (wParam && self->exitRoutine()) self->saveBeforeSessionEnds();
      return TRUE;
  }
  for (MainWindowHandler* handler : self->handlers_)
    if (handler->handle(window, message, wParam, lParam)) return TRUE;
  return FALSE;
}

}  // namespace lexiton::host
