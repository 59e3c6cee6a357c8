#include "tray/tray_controller.h"

#include <lexiton/ui_resources.h>

#include "links/links.h"
#include "tray/dictionaries_command.h"
#include "tray/tray_tip.h"

namespace lexiton::host {

namespace {

// The command a window's own Cancel (Escape, the close box) sends; MainWindow hides then.
constexpr int kCancel = 2;

TrayMenuOptions menuOptions(const TrayParts& parts) {
  TrayMenuOptions options;
  options.proxyDialog = parts.engines.entries().kvProxyDlg != nullptr;
  options.secondPainter = parts.engines.secondPainterAvailable();
  options.autoRun = parts.settings.autoRun;
  return options;
}

}  // namespace

TrayController::TrayController(TrayDesktop& desktop, TrayParts parts)
    : desktop_(desktop), parts_(std::move(parts)), menu_(menuOptions(parts_)) {}

void TrayController::start() {
  if (started_) return;
  started_ = true;
  desktop_.createMenu(menu_);
  updateIcon();
  desktop_.setAutoRunEntry(parts_.settings.autoRun);
}

void TrayController::remove() {
  if (!started_ || removed_) return;
  removed_ = true;
  if (iconShown_) desktop_.notifyIcon(IconAction::remove, 0, "");
  iconShown_ = false;
  desktop_.destroyMenu();
}

std::string TrayController::tip() {
  const std::string name = dictionaryName(parts_.profile, parts_.paths.configPath, parts_.paths.language);
  return trayTip(name, desktop_.languageString(trayLook(parts_.hover).stateString));
}

void TrayController::updateIcon() {
  if (!started_ || removed_) return;
  const int icon = trayLook(parts_.hover).icon;
  // An icon the shell refused at start (no notification area yet) is added at the next change.
  if (iconShown_)
    desktop_.notifyIcon(IconAction::modify, icon, tip());
  else
    iconShown_ = desktop_.notifyIcon(IconAction::add, icon, tip());
}

void TrayController::shellRestarted() {
  if (!started_ || removed_) return;
  const int icon = trayLook(parts_.hover).icon;
  // The new shell knows no icons; one that survived (a broadcast without a restart) is only
  // brought up to date.
  iconShown_ = desktop_.notifyIcon(IconAction::add, icon, tip()) ||
               desktop_.notifyIcon(IconAction::modify, icon, tip());
}

void TrayController::mouse(unsigned message) {
  if (removed_) return;
  if (message == kLeftButtonDown) {
    bool& paused = parts_.hover.paused;
    paused = !paused;
    updateIcon();
    desktop_.publishEnabled(!paused);
  } else if (message == kRightButtonDown) {
    if (desktop_.mainWindowVisible())
      desktop_.bringMainWindowForward();
    else
      showMenu();
  }
}

void TrayController::showMenu() {
  // No evaluation runs while the menu is open; the icon keeps the user's own state.
  const bool paused = parts_.hover.paused;
  parts_.hover.paused = true;
  desktop_.trackMenu();
  parts_.hover.paused = paused;
  desktop_.postMenuClosed();
}

void TrayController::setItem(int command, bool greyed, bool checked) {
  menu_.setGreyed(command, greyed);
  menu_.setChecked(command, checked);
  if (!removed_) desktop_.showItemState(command, greyed, checked);
}

template <class Run>
void TrayController::modal(int command, Run&& run) {
  if (!openDialogs_.insert(command).second) return;
  const TrayMenuItem* item = menu_.find(command);
  const bool checked = item && item->checked;
  setItem(command, true, checked);
  run();
  openDialogs_.erase(command);
  setItem(command, false, checked);
}

bool TrayController::command(int id) {
  if (removed_) return false;
  const int language = parts_.paths.language;
  switch (id) {
    case LXR_COMMAND_SHOW_MAIN:
      setItem(id, true, false);
      desktop_.showMainWindow();
      return true;
    case kCancel:
      desktop_.hideMainWindow();
      setItem(LXR_COMMAND_SHOW_MAIN, false, false);
      return true;
    case LXR_COMMAND_COLOUR:
      modal(id, [this] {
        uint32_t colour = parts_.settings.tooltipColour;
        if (desktop_.chooseColour(colour, parts_.settings.customColors))
          parts_.settings.tooltipColour = colour;
      });
      return true;
    case LXR_COMMAND_EXIT:
      desktop_.exitProgram();
      return true;
    case LXR_COMMAND_ABOUT:
      modal(id, [this] { desktop_.runAboutBox(); });
      return true;
    case LXR_COMMAND_HELP:
      desktop_.open("open", links::helpFile(language), OpenOwner::mainWindow, ShellShow::normal);
      return true;
    case LXR_COMMAND_MAKER_PAGE:
      desktop_.open("", links::makerPage(language), OpenOwner::mainWindow, ShellShow::normal);
      return true;
    case LXR_COMMAND_FAMILY_PAGE:
      desktop_.open("", links::familyPage(language), OpenOwner::mainWindow, ShellShow::normal);
      return true;
    case LXR_COMMAND_AUTORUN:
      flipAutoRun();
      return true;
    case LXR_COMMAND_SUPPRESS:
      flipSuppressed();
      return true;
    case LXR_COMMAND_DICTIONARIES:
      dictionaries();
      return true;
    case LXR_COMMAND_FEEDBACK:
      modal(id, [this] { desktop_.runFeedbackOption(); });
      return true;
    case LXR_COMMAND_PROXY:
      if (auto proxyDialog = parts_.engines.entries().kvProxyDlg) proxyDialog(language, nullptr);
      return true;
  }
  return false;
}

void TrayController::flipAutoRun() {
  bool& autoRun = parts_.settings.autoRun;
  autoRun = !autoRun;
  setItem(LXR_COMMAND_AUTORUN, false, autoRun);
  desktop_.setAutoRunEntry(autoRun);
}

void TrayController::flipSuppressed() {
  bool& suppressed = parts_.display.suppressed;
  suppressed = !suppressed;
  setItem(LXR_COMMAND_SUPPRESS, false, suppressed);
}

void TrayController::dictionaries() {
  try {
    runDictionariesCommand(parts_.dictionaries, parts_.engines, parts_.paths.language, parts_.profile,
                           parts_.paths.configPath);
  } catch (const cIni::cExc& e) {
    desktop_.warn(e.what());
  }
}

void TrayController::feedbackRequested(std::string_view plainText) {
  if (removed_) return;
  desktop_.open("open", links::feedbackAddress(plainText, parts_.paths.language), OpenOwner::displayWindow,
                ShellShow::show);
}

}  // namespace lexiton::host
