// MainWindow and the hidden feedback-option dialog (tray/win/feedback_option_dialog.h): modeless
// dialogs from templates of the language library, never visible and not owned. (The two tooltip
// windows are the tooltip code's: tooltip/win/display_window.h.) Their behaviour beyond
// creation, tagging, settings and the exit routine belongs to the hover and tray code.
#pragma once

#include <windows.h>

#include <lexiton/library.h>
#include <lexiton/win/window_owner.h>

#include <functional>
#include <string>
#include <vector>

#include "engines/engine_table.h"
#include "hover/hover_listener.h"
#include "shared_memory/win/event_subscriber.h"
#include "startup/host_startup.h"
#include "startup/host_state.h"
#include "startup/win/main_window_handler.h"
#include "tray/win/feedback_option_dialog.h"
#include "tray/win/tray.h"

namespace lexiton::host {

class MainWindow {
 public:
  // The user-data tag "HVR " by which other windows and programs recognise it.
  static constexpr LONG_PTR kTag = 'H' | 'V' << 8 | 'R' << 16 | ' ' << 24;

  MainWindow() : tray_(state_) { addHandler(tray_); }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the dialog; its initialisation reads the window settings, installs the pointer
  // hook and starts the tray (its menu and icon). The table is read, except that the tray's
  // Dictionaries command may start the local engine; `displayWindow` owns the feedback page.
  // Throws cIni::cExc when the settings cannot be read.
  bool create(EngineTable& engines, const HostPaths& paths, HWND displayWindow);
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

  // The shared block whose flag a left click on the tray icon switches.
  void setSubscriber(EventSubscriber* subscriber) {
    // A peer holding the block too long only leaves the old flag there.
    tray_.setEnabledPublisher(
        subscriber ? std::function<void(bool)>([subscriber](bool on) { subscriber->setEnabled(on); })
                   : nullptr);
  }
  // What the pointer tracking reports to: the tray.
  HoverListener& hoverListener() { return tray_; }

  // What the host's parts share; the settings are read when the window is created.
  HostState& state() { return state_; }
  // A part that answers some of this window's messages; it must outlive the window.
  void addHandler(MainWindowHandler& handler) { handlers_.push_back(&handler); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initialise(HWND window);

  win::WindowOwner window_;
  EngineTable* engines_ = nullptr;
  HostPaths paths_;
  HostState state_;
  Tray tray_;
  std::vector<MainWindowHandler*> handlers_;
  std::string settingsError_;
  lexiton::Library hookLibrary_;
};

}  // namespace lexiton::host
