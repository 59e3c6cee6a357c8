// What the tray does, decided here and carried out through TrayDesktop: the notification-area
// icon that follows the pointer tracking's state, the left click that pauses, the pop-up menu
// (paused while it is open) and MainWindow's commands behind it. win/tray.cpp is the desktop
// over Windows; the tests put a recording one in its place.
#pragma once

#include <lexiton/shell_open.h>

#include <cstdint>
#include <set>
#include <string>

#include "engines/engine_table.h"
#include "hover/hover_state.h"
#include "startup/host_paths.h"
#include "startup/host_startup.h"
#include "tooltip/display_flags.h"
#include "tray/tray_menu.h"

namespace lexiton::host {

enum class IconAction { add, modify, remove };

// The window that owns what the shell shows for an open: MainWindow for help and pages, the
// first tooltip window for the feedback page.
enum class OpenOwner { mainWindow, displayWindow };

class TrayDesktop {
 public:
  virtual ~TrayDesktop() = default;

  // The notification-area icon with `icon` of the language library and `tip`; false when the
  // shell refused (no notification area yet, or no such icon to change).
  virtual bool notifyIcon(IconAction action, int icon, const std::string& tip) = 0;
  // A string of the language library, "" when it lacks it.
  virtual std::string languageString(int id) = 0;

  virtual void createMenu(const TrayMenu& menu) = 0;
  // Shows an item's greyed and checked state wherever MainWindow offers `command`: the tray
  // menu, or a control of its own template.
  virtual void showItemState(int command, bool greyed, bool checked) = 0;
  virtual void destroyMenu() = 0;
  // Brings MainWindow to the foreground and tracks the menu at the pointer; returns when the
  // menu closed (the chosen command arrives afterwards as a message).
  virtual void trackMenu() = 0;
  // WM_USER to MainWindow, so that the menu closes properly when the user clicks elsewhere.
  virtual void postMenuClosed() = 0;

  virtual bool mainWindowVisible() = 0;
  virtual void bringMainWindowForward() = 0;
  virtual void showMainWindow() = 0;
  virtual void hideMainWindow() = 0;

  // The enabled flag of the shared block.
  virtual void publishEnabled(bool enabled) = 0;

  // The modal dialogs. chooseColour starts from `colour` and updates `custom` in place; true
  // with the new colour when the user confirmed.
  virtual bool chooseColour(uint32_t& colour, CustomColors& custom) = 0;
  virtual void runAboutBox() = 0;
  virtual void runFeedbackOption() = 0;

  virtual void open(std::string_view verb, const std::string& target, OpenOwner owner, ShellShow show) = 0;
  // Writes the program's entry among the current user's programs that start with Windows, or
  // removes it.
  virtual void setAutoRunEntry(bool on) = 0;
  // The exit routine; it removes the icon and the menu through remove().
  virtual void exitProgram() = 0;
  // A setting that could not be written.
  virtual void warn(const std::string& text) = 0;
};

// The host's parts the tray reads and changes.
struct TrayParts {
  HoverState& hover;
  DisplayFlags& display;
  WindowSettings& settings;
  const EngineTable& engines;
  HoverDictionarySwitch& dictionaries;
  ProfileFunctions& profile;
  HostPaths paths;
};

class TrayController {
 public:
  // The tray callback's mouse messages that do something.
  static constexpr unsigned kLeftButtonDown = 0x201;
  static constexpr unsigned kRightButtonDown = 0x204;

  TrayController(TrayDesktop& desktop, TrayParts parts);

  // MainWindow was made: the menu, the icon, and the AutoRun entry brought in line with the
  // setting.
  void start();
  // The exit routine: the icon deleted, the menu destroyed. Nothing is shown afterwards.
  void remove();

  // The tray callback's mouse message.
  void mouse(unsigned message);
  // The shell (re)started its taskbar: the icon is added again.
  void shellRestarted();
  // MainWindow's command; false when it is not one of the tray's.
  bool command(int id);
  // The pointer tracking's reports: busy changed; the feedback key asked for the page.
  void busyChanged() { updateIcon(); }
  void feedbackRequested(std::string_view plainText);

  const TrayMenu& menu() const { return menu_; }
  bool iconShown() const { return iconShown_; }

 private:
  void updateIcon();
  std::string tip();
  void setItem(int command, bool greyed, bool checked);
  void showMenu();
  // Runs a modal dialog with its item greyed; a second request while it is open is ignored.
  template <class Run>
  void modal(int command, Run&& run);
  void flipAutoRun();
  void flipSuppressed();
  void dictionaries();

  TrayDesktop& desktop_;
  TrayParts parts_;
  TrayMenu menu_;
  bool started_ = false;
  bool removed_ = false;
  bool iconShown_ = false;
  std::set<int> openDialogs_;
};

}  // namespace lexiton::host
