// In-memory stand-ins for the system under the host's portable logic: a settings file that
// answers like the private-profile functions (a value cut to the caller's buffer), a module
// loader over a table of named fake libraries, and a platform that records what the start-up
// asked of it, in order.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "startup/host_platform.h"
#include "startup/host_startup.h"

namespace lexiton::host::test {

// Everything the fakes did, in order, as short lines ("load .\\dictcore.dll", "alert ...").
std::vector<std::string>& events();

class MemoryProfile final : public ProfileFunctions {
 public:
  std::map<std::string, std::string> values;  // "section/key" -> value
  bool failWrites = false;
  std::set<std::string> failKeys;  // writes of these keys fail
  std::optional<bool> windows95 = false;
  int flushes = 0;

  std::size_t readString(const std::string&, const char* section, const char* key, const char* fallback,
                         char* buffer, std::size_t size) override;
  bool writeString(const std::string&, const char* section, const char* key, const char* value) override;
  void flush(const std::string&) override { ++flushes; }
  std::optional<bool> isWindows95() override { return windows95; }
};

// A library is a file name and the names of its entries; every entry is a function that notes
// its call, "InitModule" answers `initModuleResult`, "KVInit" `kvInitResult`, and "GetOpenDicts" copies
// `openDictionaries` (zeros and all, cut to the buffer) into the buffer it is given.
class FakeLoader final : public ModuleLoader {
 public:
  std::map<std::string, std::set<std::string>> libraries;
  ModuleHandle load(const std::string& file) override;
  void* entry(ModuleHandle module, const char* name) override;
  void unload(ModuleHandle module) override;
};

extern int initModuleResult;
extern bool endModuleThrows;
extern int kvInitResult;
extern std::string openDictionaries;

// The whole set of libraries a start-up binds, with every entry.
void addEveryLibrary(FakeLoader& loader, int language);

// Each narrow interface of the start-up, recording in events(); platform() hands them to runHost.
class FakePlatform final : public ProgramEnvironment,
                           public StartupDisplay,
                           public InstanceLock,
                           public HostWindows,
                           public SharedBlock,
                           public MessageLoop {
 public:
  MemoryProfile ini;
  FakeLoader loader;
  std::optional<std::string> appData = std::string("C:\\Users\\u\\AppData\\Roaming");
  std::string line = "Lexiton.exe";
  bool lockFree = true;
  bool hookPresent = true;
  bool windowsMade = true;
  bool subscriberMade = true;
  std::optional<int> loopResult = 0;
  std::set<std::string> files;
  bool fileCreatable = true;

  HostPlatform platform() { return {*this, ini, loader, *this, *this, *this, *this, *this}; }

  void enterProgramDirectory() override { events().push_back("enter program directory"); }
  std::optional<std::string> appDataFolder() override { return appData; }
  void recordDataDirectory(const std::string& d) override { events().push_back("record " + d); }
  void initCommonControls() override {}
  std::string commandLine() override { return line; }
  bool ensureFile(const std::string& path) override;
  bool probeLibrary(std::string_view file) override;

  std::string languageString(ModuleHandle, int id) override;
  void alert(std::string_view text, std::string_view caption) override;
  void showSplash(int language) override { events().push_back("splash " + std::to_string(language)); }
  void sleep(int ms) override { events().push_back("sleep " + std::to_string(ms)); }

  bool takeSingleInstanceLock() override;
  void releaseSingleInstanceLock() override { events().push_back("release lock"); }

  bool createWindows(EngineTable&, const HostPaths&) override;
  void destroyWindows() override { events().push_back("destroy windows"); }
  void removeTrayAndHook() override { events().push_back("remove tray and hook"); }

  bool createEventSubscriber(std::string& error) override;
  void setEnabled(bool on) override { events().push_back(on ? "enable" : "disable"); }
  void removeEventSubscriber() override { events().push_back("remove subscriber"); }

  std::optional<int> runMessageLoop() override {
    events().push_back("message loop");
    return loopResult;
  }

  std::vector<std::string> alerts;
};

// The lines of events() that start with `prefix`.
std::vector<std::string> eventsStartingWith(const std::string& prefix);

}  // namespace lexiton::host::test
