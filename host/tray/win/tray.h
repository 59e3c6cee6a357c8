// The tray over Windows: the notification-area icon (callback message 1225, id 107) with its
// pop-up menu, and MainWindow's commands behind them. MainWindow owns it and hands it its
// messages; the pointer tracking reports to it as its HoverListener. What to do is
// TrayController's; this class only carries it out.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "hover/hover_listener.h"
#include "startup/host_state.h"
#include "startup/win/main_window_handler.h"
#include "tray/tray_controller.h"

namespace lexiton::host {

class Tray final : public MainWindowHandler, public HoverListener, private TrayDesktop {
 public:
  // The callback message of the icon (WM_USER+201) and the icon's id.
  static constexpr UINT kCallbackMessage = WM_USER + 201;
  static constexpr UINT kIconId = 107;

  explicit Tray(HostState& state) : state_(state) {}
  Tray(const Tray&) = delete;
  Tray& operator=(const Tray&) = delete;
  ~Tray() override;

  // What the tray works with, handed over before MainWindow is made: the table (read, and
  // changed only through the Dictionaries command's switch), the paths and language, the first
  // tooltip window (the feedback page's owner) and the exit routine.
  void prepare(EngineTable& engines, const HostPaths& paths, HWND displayWindow,
               std::function<void()> exitRoutine);
  // MainWindow's initialisation: the menu, the icon, the AutoRun entry.
  void start(HWND mainWindow);
  // The exit routine's part: the icon deleted and the menu destroyed.
  void remove();
  // Where a left click publishes the enabled flag (the shared block's); none when unset.
  void setEnabledPublisher(std::function<void(bool)> publish) { publishEnabled_ = std::move(publish); }

  bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  void busyChanged() override;
  void feedbackRequested(std::string_view plainText) override;

 private:
  bool notifyIcon(IconAction action, int icon, const std::string& tip) override;
  std::string languageString(int id) override;
  void createMenu(const TrayMenu& menu) override;
  void showItemState(int command, bool greyed, bool checked) override;
  void destroyMenu() override;
  void trackMenu() override;
  void postMenuClosed() override;
  bool mainWindowVisible() override;
  void bringMainWindowForward() override;
  void showMainWindow() override;
  void hideMainWindow() override;
  void publishEnabled(bool enabled) override;
  bool chooseColour(uint32_t& colour, CustomColors& custom) override;
  void runAboutBox() override;
  void runFeedbackOption() override;
  void open(std::string_view verb, const std::string& target, OpenOwner owner, ShellShow show) override;
  void setAutoRunEntry(bool on) override;
  void exitProgram() override;
  void warn(const std::string& text) override;

  HostState& state_;
  const EngineTable* engines_ = nullptr;
  std::optional<HoverDictionarySwitch> dictionaries_;
  HostPaths paths_;
  HMODULE language_ = nullptr;
  HWND main_ = nullptr;
  HWND display_ = nullptr;
  HMENU menu_ = nullptr;
  UINT taskbarCreated_ = 0;
  std::function<void(bool)> publishEnabled_;
  std::function<void()> exitRoutine_;
  std::optional<TrayController> controller_;
};

}  // namespace lexiton::host
