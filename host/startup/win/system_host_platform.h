// HostPlatform over Windows: the registry, files, the single-instance mutex, the splash, the
// four windows, the shared block and the main message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "engines/win/system_module_loader.h"
#include "shared_memory/win/event_subscriber.h"
#include "shared_memory/win/named_mutex.h"
#include "startup/host_startup.h"
#include "startup/win/host_windows.h"
#include "startup/win/system_profile_functions.h"

namespace lexiton::host {

class SystemHostPlatform final : public HostPlatform {
 public:
  explicit SystemHostPlatform(HINSTANCE program) : program_(program) {}

  void enterProgramDirectory() override;
  std::optional<std::string> appDataFolder() override;
  void recordDataDirectory(const std::string& dataDirectory) override;
  void initCommonControls() override;
  std::string commandLine() override { return GetCommandLineA(); }
  ProfileFunctions& profile() override { return systemProfile(); }
  ModuleLoader& modules() override { return loader_; }
  std::string languageString(ModuleHandle language, int id) override;
  void alert(std::string_view text, std::string_view caption) override;
  bool ensureFile(const std::string& path) override;
  bool takeSingleInstanceLock() override;
  void releaseSingleInstanceLock() override;
  bool probeLibrary(std::string_view file) override;
  void showSplash(int language) override;
  void sleep(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  bool createWindows(const EngineTable& engines, const HostPaths& paths) override;
  void destroyWindows() override;
  void removeTrayAndHook() override { mainWindow_.removeTrayAndHook(); }
  int initClient(const EngineTable& engines, const std::string& configPath) override;
  bool createEventSubscriber(std::string& error) override;
  void setEnabled(bool enabled) override { subscriber_.setEnabled(enabled); }
  void removeEventSubscriber() override {
    mainWindow_.setSubscriber(nullptr);
    subscriber_.release();
  }
  std::optional<int> runMessageLoop() override;

 private:
  HINSTANCE program_;
  std::string programFile_;
  SystemModuleLoader loader_;
  std::unique_ptr<named_mutex> instanceLock_;
  DisplayWindow displayWindow_;
  DisplayWindow_HVR displayWindowHvr_;
  MainWindow mainWindow_;
  FeedbackOptionDialog feedbackDialog_;
  EventSubscriber subscriber_;
};

}  // namespace lexiton::host
