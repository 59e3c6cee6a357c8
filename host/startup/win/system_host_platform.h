// The start-up's narrow interfaces over Windows: the registry, files, the single-instance mutex,
// the splash, the four windows with the word list, the shared block and the main message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "engines/win/system_module_loader.h"
#include "hover/win/hover_controller.h"
#include "shared_memory/win/event_subscriber.h"
#include "shared_memory/win/named_mutex.h"
#include "startup/host_platform.h"
#include "startup/win/host_windows.h"
#include "startup/win/system_profile_functions.h"
#include "wordlist/word_list.h"

namespace lexiton::host {

class SystemHostPlatform final : public ProgramEnvironment,
                                 public StartupDisplay,
                                 public InstanceLock,
                                 public HostWindows,
                                 public SharedBlock,
                                 public MessageLoop {
 public:
  explicit SystemHostPlatform(HINSTANCE program) : program_(program) {}

  HostPlatform platform() { return {*this, systemProfile(), loader_, *this, *this, *this, *this, *this}; }

  void enterProgramDirectory() override;
  std::optional<std::string> appDataFolder() override;
  void recordDataDirectory(const std::string& dataDirectory) override;
  void initCommonControls() override;
  std::string commandLine() override { return GetCommandLineA(); }
  std::string languageString(ModuleHandle language, int id) override;
  void alert(std::string_view text, std::string_view caption) override;
  bool ensureFile(const std::string& path) override;
  bool takeSingleInstanceLock() override;
  void releaseSingleInstanceLock() override;
  bool probeLibrary(std::string_view file) override;
  void showSplash(int language) override;
  void sleep(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  bool createWindows(EngineTable& engines, const HostPaths& paths) override;
  void destroyWindows() override;
  void removeTrayAndHook() override { mainWindow_.removeTrayAndHook(); }
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
  // The user's word list, which the pointer tracking records into and the tray's commands
  // show, empty and switch; made with the windows, closed after them.
  std::unique_ptr<WordList> wordList_;
  // Before MainWindow, which hands it messages until it is destroyed.
  std::unique_ptr<HoverController> hover_;
  MainWindow mainWindow_;
  FeedbackOptionDialog feedbackDialog_;
  EventSubscriber subscriber_;
};

}  // namespace lexiton::host
