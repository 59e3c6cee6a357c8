// The host's life from process start to the end: the start-up sequence with its failure table,
// the main message loop, the exit routine and the steps after the loop. The decisions are here;
// the system calls are behind HostPlatform (startup/win/system_host_platform.cpp in the program).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engines/engine_table.h"
#include "startup/c_ini.h"
#include "startup/custom_colors.h"
#include "startup/host_paths.h"

namespace lexiton::host {

// The settings MainWindow reads when it is created and the exit routine writes back.
struct WindowSettings {
  uint32_t tooltipColour = 0;  // [dict] TTColor; 0 = the system's tooltip colour
  bool autoRun = false;        // [dict] AutoRun; any non-zero value reads as set
  CustomColors customColors = whiteCustomColors();
};

// Reads them with one cIni; throws cIni::cExc.
WindowSettings readWindowSettings(ProfileFunctions& functions, const std::string& configPath);

class HostPlatform {
 public:
  virtual ~HostPlatform() = default;

  // The first thing the host does: the program's folder becomes the current one; the
  // "AppData" shell folder (nothing when it cannot be read); the record of the data directory.
  virtual void enterProgramDirectory() = 0;
  virtual std::optional<std::string> appDataFolder() = 0;
  virtual void recordDataDirectory(const std::string& dataDirectory) = 0;
  virtual void initCommonControls() = 0;
  virtual std::string commandLine() = 0;

  virtual ProfileFunctions& profile() = 0;
  virtual ModuleLoader& modules() = 0;
  // A string of the language library ("" when it lacks it).
  virtual std::string languageString(ModuleHandle language, int id) = 0;
  virtual void alert(std::string_view text, std::string_view caption) = 0;

  // Creates an empty file unless one exists; false when it can neither be found nor made.
  virtual bool ensureFile(const std::string& path) = 0;
  // The single-instance mutex, created owned; false when it already existed.
  virtual bool takeSingleInstanceLock() = 0;
  virtual void releaseSingleInstanceLock() = 0;
  // Loads and unloads a library; false when it does not load.
  virtual bool probeLibrary(std::string_view file) = 0;
  virtual void showSplash(int language) = 0;
  virtual void sleep(int milliseconds) = 0;

  // The four windows, MainWindow tagged. MainWindow's creation reads the
  // window settings, installs the pointer hook and adds the tray icon. False when one could not
  // be made (those that were are destroyed by destroyWindows).
  virtual bool createWindows(const EngineTable& engines, const HostPaths& paths) = 0;
  virtual void destroyWindows() = 0;
  // The tray icon and the pointer hook, as the exit routine removes them.
  virtual void removeTrayAndHook() = 0;
  // KVInit(null, path) of the bound client library.
  virtual int initClient(const EngineTable& engines, const std::string& configPath) = 0;

  // The shared block for DisplayWindow; false with the error text when it cannot be made.
  virtual bool createEventSubscriber(std::string& error) = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void removeEventSubscriber() = 0;

  // Runs the loop until the quit message: its exit code; nothing when getting a message failed.
  virtual std::optional<int> runMessageLoop() = 0;
};

// Exit code of an ended start-up, and of a failed message loop.
inline constexpr int kStartupEndedCode = 0;
inline constexpr int kMessageLoopFailedCode = -1;

// The start-up sequence, the loop and what follows it; returns the process's exit code.
int runHost(HostPlatform& platform);

// The part of the exit routine after KVExit agreed and the tray icon and hook went: the window
// settings written with one cIni. A setting that cannot be written does not stop the others;
// the first failure is returned as one message text (empty when all were saved).
std::string saveWindowSettings(ProfileFunctions& functions, const std::string& configPath,
                               const WindowSettings& settings);

}  // namespace lexiton::host
