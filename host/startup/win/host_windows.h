// The host's four windows, all modeless dialogs, none visible and none owned: the two tooltip
// windows from the program's own empty template, MainWindow and the hidden feedback-option
// dialog from templates of the language library. Their behaviour beyond creation, tagging,
// settings and the exit routine belongs to the tooltip, hover and tray code.
#pragma once

#include <windows.h>

#include <lexiton/library.h>
#include <lexiton/win/window_owner.h>

#include <string>

#include "engines/engine_table.h"
#include "shared_memory/win/event_subscriber.h"
#include "startup/host_startup.h"

namespace lexiton::host {

// The first tooltip window; also the window the shared block names for trigger messages.
class DisplayWindow {
 public:
  bool create(HINSTANCE program);
  HWND handle() const { return window_.get(); }
  void destroy() { window_.reset(); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  win::WindowOwner window_;
};

// The second tooltip window, for the local dictionary's result.
class DisplayWindow_HVR : public DisplayWindow {};

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

class MainWindow {
 public:
  // The user-data tag "HVR " by which other windows and programs recognise it.
  static constexpr LONG_PTR kTag = 'H' | 'V' << 8 | 'R' << 16 | ' ' << 24;
  static constexpr UINT kTrayMessage = WM_APP + 1;
  static constexpr UINT kTrayIconId = 1;

  // Creates the dialog; its initialisation reads the window settings, installs the pointer
  // hook and adds the tray icon. Throws cIni::cExc when the settings cannot be read.
  bool create(const EngineTable& engines, const HostPaths& paths);
  void destroy();
  HWND handle() const { return window_.get(); }

  // Removes the tray icon and releases the pointer hook; each only once.
  void removeTrayAndHook();
  // KVExit, then the tray icon and hook, the settings, the quit message; false when the
  // client library refused.
  bool exitRoutine();

  // The shared block whose flag a left click on the tray icon switches.
  void setSubscriber(EventSubscriber* subscriber) { subscriber_ = subscriber; }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initialise(HWND window);
  void setTrayIcon(int iconId, int tipId, DWORD action);
  void togglePause();

  win::WindowOwner window_;
  const EngineTable* engines_ = nullptr;
  HostPaths paths_;
  WindowSettings settings_;
  std::string settingsError_;
  lexiton::Library hookLibrary_;
  bool trayAdded_ = false;
  bool paused_ = false;
  EventSubscriber* subscriber_ = nullptr;
};

}  // namespace lexiton::host
