// What the start-up sequence needs of the system, one narrow interface per concern, so each
// implementation (startup/win in the program, small fakes in the tests) holds only its own part.
// HostPlatform gathers references to them for runHost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engines/engine_table.h"
#include "startup/c_ini.h"
#include "startup/host_paths.h"

namespace lexiton::host {

// The program's place on the system: its folder, the "AppData" shell folder, the record of the
// data directory, the command line, the files and libraries it checks for.
class ProgramEnvironment {
 public:
  virtual ~ProgramEnvironment() = default;
  // The program's folder becomes the current one.
  virtual void enterProgramDirectory() = 0;
  // Nothing when the shell folder cannot be read.
  virtual std::optional<std::string> appDataFolder() = 0;
  virtual void recordDataDirectory(const std::string& dataDirectory) = 0;
  virtual void initCommonControls() = 0;
  virtual std::string commandLine() = 0;
  // Creates an empty file unless one exists; false when it can neither be found nor made.
  virtual bool ensureFile(const std::string& path) = 0;
  // Loads and unloads a library; false when it does not load.
  virtual bool probeLibrary(std::string_view file) = 0;
};

// What the user sees while the program starts: messages, the splash, the optional wait.
class StartupDisplay {
 public:
  virtual ~StartupDisplay() = default;
  // A string of the language library ("" when it lacks it).
  virtual std::string languageString(ModuleHandle language, int id) = 0;
  virtual void alert(std::string_view text, std::string_view caption) = 0;
  virtual void showSplash(int language) = 0;
  virtual void sleep(int milliseconds) = 0;
};

// The single-instance mutex.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // Created owned; false when it already existed.
  virtual bool takeSingleInstanceLock() = 0;
  virtual void releaseSingleInstanceLock() = 0;
};

// The host's four windows.
class HostWindows {
 public:
  virtual ~HostWindows() = default;
  // The four windows, MainWindow tagged. MainWindow's creation reads the window settings,
  // installs the pointer hook and adds the tray icon. False when one could not be made (those
  // that were are destroyed by destroyWindows).
  virtual bool createWindows(EngineTable& engines, const HostPaths& paths) = 0;
  virtual void destroyWindows() = 0;
  // The tray icon and the pointer hook, as the exit routine removes them.
  virtual void removeTrayAndHook() = 0;
};

// The shared block that names the first tooltip window.
class SharedBlock {
 public:
  virtual ~SharedBlock() = default;
  // False with the error text when it cannot be made.
  virtual bool createEventSubscriber(std::string& error) = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void removeEventSubscriber() = 0;
};

class MessageLoop {
 public:
  virtual ~MessageLoop() = default;
  // Runs the loop until the quit message: its exit code; nothing when getting a message failed.
  virtual std::optional<int> runMessageLoop() = 0;
};

struct HostPlatform {
  ProgramEnvironment& environment;
  ProfileFunctions& profile;
  ModuleLoader& modules;
  StartupDisplay& display;
  InstanceLock& instanceLock;
  HostWindows& windows;
  SharedBlock& sharedBlock;
  MessageLoop& loop;
};

}  // namespace lexiton::host
