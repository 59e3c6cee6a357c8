// MainWindow and the hidden feedback-option dialog: modeless dialogs from templates of the
// language library, never visible and not owned. (The two tooltip windows are the tooltip
// code's: tooltip/win/display_window.h.) Their behaviour beyond creation, tagging, settings and
// the exit routine belongs to the hover and tray code.
#pragma once

#include <windows.h>

#include <lexiton/library.h>
#include <lexiton/win/window_owner.h>

#include <string>
#include <vector>

#include "engines/engine_table.h"
#include "hover/hover_listener.h"
#include "shared_memory/win/event_subscriber.h"
#include "startup/host_startup.h"
#include "startup/host_state.h"
#include "startup/win/main_window_handler.h"

namespace lexiton::host {

// Reads [dict] FeedbackText when it is created and saves it when it is destroyed.
class FeedbackOptionDialog {
 public:
  bool create(HMODULE languageLibrary, const std::string& configPath);
  void destroy() { window_.reset(); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  win::WindowOwner window_;
  std::string configPath_;
};

class MainWindow final : public HoverListener {
 public:
  // The user-data tag "HVR " by which other windows and programs recognise it.
  static constexpr LONG_PTR kTag = 'H' | 'V' << 8 | 'R' << 16 | ' ' << 24;
  static constexpr UINT kTrayMessage = WM_APP + 1;
  static constexpr UINT kTrayIconId = 1;
  // The tray menu's command that switches display suppression.
  static constexpr UINT kSuppressDisplayCommand = 1245;

  // Creates the dialog; its initialisation reads the window settings, installs the pointer
  // hook and adds the tray icon. Throws cIni::cExc when the settings cannot be read.
  bool create(EngineTable& engines, const HostPaths& paths);
  void destroy();
  HWND handle() const { return window_.get(); }

  // Removes the tray icon and releases the pointer hook; each only once.
  void removeTrayAndHook();
  // KVExit, then the tray icon and hook, the settings, the quit message; false when the
  // client library refused.
  bool exitRoutine();
  // What the steps after the loop would save, done before the end of the session is answered
  // (Windows may end the process as soon as it is): [dict] FeedbackText and KVClose.
  void saveBeforeSessionEnds();

  // HoverListener, until the tray's own: the tray icon shows the busy state.
  void busyChanged() override;
  void feedbackRequested(std::string_view) override {}

  // The shared block whose flag a left click on the tray icon switches.
  void setSubscriber(EventSubscriber* subscriber) { subscriber_ = subscriber; }

  // What the host's parts share; the settings are read when the window is created.
  HostState& state() { return state_; }
  // A part that answers some of this window's messages; it must outlive the window.
  void addHandler(MainWindowHandler& handler) { handlers_.push_back(&handler); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initialise(HWND window);
  void setTrayIcon(int iconId, int tipId, DWORD action);
  void togglePause();

  win::WindowOwner window_;
  EngineTable* engines_ = nullptr;
  HostPaths paths_;
  HostState state_;
  std::vector<MainWindowHandler*> handlers_;
  std::string settingsError_;
  lexiton::Library hookLibrary_;
  bool trayAdded_ = false;
  EventSubscriber* subscriber_ = nullptr;
};

}  // namespace lexiton::host
