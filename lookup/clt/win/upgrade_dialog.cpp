// The upgrade notice: a modeless dialog run to its end inside runUpgradeDialog. It offers the
// installer and the change history on the product's web site, and keeps out of the way by
// minimising itself whenever the user turns to another window.
#include "win/dialog_support.h"

namespace lexiton::lookup {

namespace {

namespace id = upgrade_control;

class UpgradeDialog {
 public:
  UpgradeDialog(HINSTANCE module, int language) : module_(module), language_(language) {}

  int result() const { return result_; }
  const bool& finished() const { return finished_; }
  // Until the notice is in its slot it must stay hidden: activation during creation would
  // otherwise show it where closing the library's dialogs cannot find it, and its loop would
  // then wait for ever.
  void registered() { registered_ = true; }

  // For detail::dialogProcedure.
  void fail(HWND window) { close(window); }
  INT_PTR handle(HWND window, UINT message, WPARAM wParam) {
    switch (message) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_COMMAND:
        command(window, LOWORD(wParam));
        return TRUE;
      case WM_CLOSE:
        result_ = kUpgradeClosed;
        close(window);
        return TRUE;
      case detail::kCloseRequest:
        close(window);
        return TRUE;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
          minimise(window);
        else
          bringBack(window);
        return FALSE;
      case WM_NCDESTROY:
        detail::detachDialog(window, finished_);
        return FALSE;
    }
    return FALSE;
  }

 private:
  void command(HWND window, int control) {
    switch (control) {
      case id::download:
        openPage(upgradeDownloadUrl());
        result_ = kUpgradeDownload;
        close(window);
        break;
      case id::history:
        openPage(upgradeHistoryUrl(language_));
        break;
      case id::exit:
        result_ = kUpgradeExit;
        close(window);
        break;
      default:
        bringBack(window);
        break;
    }
  }

  // The error box takes the focus; the notice must not shrink away behind it.
  void openPage(const std::string& url) {
    holdStill_ = true;
    detail::openWebPage(module_, language_, url);
    holdStill_ = false;
  }

  void minimise(HWND window) {
    if (!registered_ || holdStill_ || closing_ || IsIconic(window)) return;
    holdStill_ = true;
    ShowWindow(window, SW_MINIMIZE);
    holdStill_ = false;
  }

  void bringBack(HWND window) {
    if (!registered_ || holdStill_ || closing_) return;
    holdStill_ = true;
    ShowWindow(window, SW_SHOW);
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    holdStill_ = false;
  }

  void close(HWND window) {
    closing_ = true;
    DestroyWindow(window);
  }

  HINSTANCE module_;
  int language_;
  int result_ = kUpgradeExit;
  bool finished_ = false;
  bool holdStill_ = false;
  bool registered_ = false;
  bool closing_ = false;
};

}  // namespace

int runUpgradeDialog(void* module, void* parentWindow, int language, WindowSlot* windowSlot,
                     const std::atomic<bool>* cancelled) {
  if (!windowSlot) return -1;
  HWND parent = static_cast<HWND>(parentWindow);
  const auto bringForward = [&] {
    HWND open = detail::liveWindow(*windowSlot);
    if (open && open != parent) {
      ShowWindow(open, SW_SHOW);
      ShowWindow(open, SW_RESTORE);
    }
  };
  void* seen = windowSlot->load();
  if (detail::liveWindow(*windowSlot)) {
    bringForward();
    return 0;
  }
  UpgradeDialog dialog(static_cast<HINSTANCE>(module), language);
  const int templateId = isHungarian(language) ? kUpgradeDialogHungarian : kUpgradeDialogEnglish;
  HWND window = CreateDialogParamW(static_cast<HINSTANCE>(module), MAKEINTRESOURCEW(templateId), parent,
                                   detail::dialogProcedure<UpgradeDialog>, reinterpret_cast<LPARAM>(&dialog));
  if (!window) {
    // Without a window no quit would ever come: report the failure instead of waiting.
    windowSlot->compare_exchange_strong(seen, nullptr);
    return -1;
  }
  const auto end = detail::runInSlot(*windowSlot, seen, window, dialog.finished(), cancelled,
                                     [&] { dialog.registered(); });
  if (!end) {
    // A look-up on another thread opened one meanwhile: that one stays.
    bringForward();
    return 0;
  }
  return *end == detail::LoopEnd::error ? 0 : dialog.result();
}

}  // namespace lexiton::lookup
