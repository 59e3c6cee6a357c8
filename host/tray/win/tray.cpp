#include "tray/win/tray.h"

#include <lexiton/alert.h>
#include <lexiton/fixed_texts.h>

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "startup/win/system_profile_functions.h"
#include "tray/win/about_box.h"
#include "tray/win/autorun_entry.h"
#include "tray/win/feedback_option_dialog.h"

namespace lexiton::host {

namespace {

// The language library's strings are read into a buffer of this size.
constexpr int kStringBuffer = 260;
// What the shell broadcasts when its taskbar (re)starts.
constexpr char kTaskbarCreated[] = "TaskbarCreated";

}  // namespace

Tray::~Tray() { destroyMenu(); }

void Tray::prepare(EngineTable& engines, const HostPaths& paths, HWND displayWindow,
                   std::function<void()> exitRoutine) {
  engines_ = &engines;
  dictionaries_.emplace(engines);
  paths_ = paths;
  language_ = static_cast<HMODULE>(engines.languageLibrary());
  display_ = displayWindow;
  exitRoutine_ = std::move(exitRoutine);
}

void Tray::start(HWND mainWindow) {
  if (controller_ || !engines_) return;
  main_ = mainWindow;
  taskbarCreated_ = RegisterWindowMessageA(kTaskbarCreated);
  controller_.emplace(static_cast<TrayDesktop&>(*this),
                      TrayParts{state_.hover, state_.display, state_.settings, *engines_, *dictionaries_,
                                systemProfile(), paths_});
  controller_->start();
}

void Tray::remove() {
  if (controller_) controller_->remove();
}

bool Tray::handle(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!controller_) return false;
  if (message == kCallbackMessage) {
    controller_->mouse(LOWORD(lParam));
    return true;
  }
  if (taskbarCreated_ && message == taskbarCreated_) {
    controller_->shellRestarted();
    return true;
  }
  if (message == WM_COMMAND) return controller_->command(LOWORD(wParam));
  return false;
}

void Tray::busyChanged() {
  if (controller_) controller_->busyChanged();
}

void Tray::feedbackRequested(std::string_view plainText) {
  if (controller_) controller_->feedbackRequested(plainText);
}

bool Tray::notifyIcon(IconAction action, int icon, const std::string& tip) {
  NOTIFYICONDATAA data{};
  // The first version of the record: icon, tip and callback message only.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = main_;
  data.uID = kIconId;
  DWORD verb = NIM_DELETE;
  if (action != IconAction::remove) {
    verb = action == IconAction::add ? NIM_ADD : NIM_MODIFY;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    // Shared: the system frees it with the language library. A missing icon shows none.
    data.hIcon = static_cast<HICON>(LoadImageA(language_, MAKEINTRESOURCEA(icon), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    lstrcpynA(data.szTip, tip.c_str(), sizeof data.szTip);
  }
  return Shell_NotifyIconA(verb, &data) != FALSE;
}

std::string Tray::languageString(int id) {
  char buffer[kStringBuffer] = {};
  const int length = language_ ? LoadStringA(language_, static_cast<UINT>(id), buffer, sizeof buffer) : 0;
  return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void Tray::createMenu(const TrayMenu& menu) {
  destroyMenu();
  menu_ = CreatePopupMenu();
  if (!menu_) return;
  for (const TrayMenuItem& item : menu.insertionOrder()) {
    if (item.separator()) {
      InsertMenuA(menu_, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string label =
        item.literal.empty() ? languageString(item.labelString) : std::string(item.literal);
    const UINT flags = MF_BYPOSITION | MF_STRING | (item.greyed ? MF_GRAYED : MF_ENABLED) |
                       (item.checked ? MF_CHECKED : MF_UNCHECKED);
    InsertMenuA(menu_, 0, flags, static_cast<UINT_PTR>(item.command), label.c_str());
  }
}

void Tray::showItemState(int command, bool greyed, bool checked) {
  const UINT id = static_cast<UINT>(command);
  if (menu_) {
    EnableMenuItem(menu_, id, MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
    CheckMenuItem(menu_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  // MainWindow's own template offers some commands as controls.
  if (HWND control = main_ ? GetDlgItem(main_, command) : nullptr) {
    EnableWindow(control, !greyed);
    CheckDlgButton(main_, command, checked ? BST_CHECKED : BST_UNCHECKED);
  }
}

void Tray::destroyMenu() {
  if (menu_) DestroyMenu(menu_);
  menu_ = nullptr;
}

void Tray::trackMenu() {
  if (!menu_) return;
  // The menu closes when the user clicks elsewhere only while its owner is in the foreground.
  SetForegroundWindow(main_);
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(menu_, TPM_LEFTBUTTON, at.x, at.y, 0, main_, nullptr);
}

void Tray::postMenuClosed() { PostMessageA(main_, WM_USER, 0, 0); }

bool Tray::mainWindowVisible() { return IsWindowVisible(main_) != FALSE; }

void Tray::bringMainWindowForward() { SetForegroundWindow(main_); }

void Tray::showMainWindow() { ShowWindow(main_, SW_SHOWNORMAL); }

void Tray::hideMainWindow() { ShowWindow(main_, SW_HIDE); }

void Tray::publishEnabled(bool enabled) {
  if (publishEnabled_) publishEnabled_(enabled);
}

bool Tray::chooseColour(uint32_t& colour, CustomColors& custom) {
  // CustomColors holds COLORREF values (0x00BBGGRR) already.
  COLORREF colours[kCustomColorCount];
  std::copy(custom.begin(), custom.end(), colours);
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = nullptr;
  choose.rgbResult = colour;
  choose.lpCustColors = colours;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  const bool confirmed = ChooseColorA(&choose) != FALSE;
  std::copy(std::begin(colours), std::end(colours), custom.begin());
  if (confirmed) colour = choose.rgbResult;
  return confirmed;
}

void Tray::runAboutBox() { host::runAboutBox(language_, engines_->entries().getCopyRightInfo); }

void Tray::runFeedbackOption() {
  FeedbackOptionDialog::run(language_, paths_.configPath, state_.feedbackText);
}

void Tray::open(std::string_view verb, const std::string& target, OpenOwner owner, ShellShow show) {
  // A help file or page the shell cannot open shows nothing and changes nothing.
  openInShell(verb, target, owner == OpenOwner::mainWindow ? main_ : display_, show);
}

void Tray::setAutoRunEntry(bool on) { host::setAutoRunEntry(on); }

void Tray::exitProgram() {
  if (exitRoutine_) exitRoutine_();
}

void Tray::warn(const std::string& text) { showAlert(text, fixed_texts::kHostCaption, AlertIcon::warning); }

}  // namespace lexiton::host
