#include "startup/win/system_host_platform.h"

#include <lexiton/alert.h>
#include <lexiton/data_directory_record.h>
#include <lexiton/lookup_exports.h>

#include <commctrl.h>

#include "shared_memory/subscriber_record.h"
#include "startup/win/splash_window.h"

namespace lexiton::host {

namespace {

constexpr const char* kShellFolders = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kAppDataValue = "AppData";
constexpr DWORD kAppDataBytes = 260;
constexpr std::size_t kStringBuffer = 256;

}  // namespace

void SystemHostPlatform::enterProgramDirectory() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  programFile_ = path;
  const std::string directory = programDirectory(programFile_);
  if (!directory.empty()) SetCurrentDirectoryA(directory.c_str());
}

std::optional<std::string> SystemHostPlatform::appDataFolder() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  char value[kAppDataBytes + 1] = {};
  DWORD size = kAppDataBytes;
  DWORD type = 0;
  const LONG result =
      RegQueryValueExA(key, kAppDataValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  return std::string(value);
}

void SystemHostPlatform::recordDataDirectory(const std::string& dataDirectory) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kDataDirectoriesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, programFile_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(dataDirectory.c_str()),
                 static_cast<DWORD>(dataDirectory.size() + 1));
  RegCloseKey(key);
}

void SystemHostPlatform::initCommonControls() { InitCommonControls(); }

std::string SystemHostPlatform::languageString(ModuleHandle language, int id) {
  char buffer[kStringBuffer] = {};
  const int length =
      language ? LoadStringA(static_cast<HMODULE>(language), static_cast<UINT>(id), buffer, sizeof buffer)
               : 0;
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void SystemHostPlatform::alert(std::string_view text, std::string_view caption) {
  showAlert(text, caption, AlertIcon::warning);
}

bool SystemHostPlatform::ensureFile(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool SystemHostPlatform::takeSingleInstanceLock() {
  try {
    instanceLock_ = std::make_unique<named_mutex>(std::string(kSingleInstanceMutexName), true);
  } catch (const named_object_exception&) {
    // A mutex that cannot even be made is treated as held by another copy.
    return false;
  }
  if (instanceLock_->existed()) {
    instanceLock_.reset();
    return false;
  }
  return true;
}

void SystemHostPlatform::releaseSingleInstanceLock() {
  if (!instanceLock_) return;
  instanceLock_->release();
  instanceLock_.reset();
}

bool SystemHostPlatform::probeLibrary(std::string_view file) {
  return static_cast<bool>(lexiton::Library(std::string(file)));
}

void SystemHostPlatform::showSplash(int language) { SplashWindow::show(program_, language); }

bool SystemHostPlatform::createWindows(EngineTable& engines, const HostPaths& paths) {
  hover_ = std::make_unique<HoverController>(engines, mainWindow_.state(), mainWindow_.hoverListener());
  if (!hover_->create(program_)) return false;
  // The hook reports from MainWindow's creation on.
  mainWindow_.addHandler(*hover_);
  if (!mainWindow_.create(engines, paths, hover_->displayWindow())) return false;
  hover_->setMainWindow(mainWindow_.handle());
  return feedbackDialog_.create(static_cast<HMODULE>(engines.languageLibrary()), paths.configPath,
                                mainWindow_.state().feedbackText);
}

void SystemHostPlatform::destroyWindows() {
  mainWindow_.destroy();
  if (hover_) hover_->destroy();
  feedbackDialog_.destroy();
}

bool SystemHostPlatform::createEventSubscriber(std::string& error) {
  if (subscriber_.create(std::string(kSubscriberBlockName), hover_ ? hover_->displayWindow() : nullptr,
                         SubscriberRecord::kFirstValue, SubscriberRecord::kSecondValue)) {
    mainWindow_.setSubscriber(&subscriber_);
    return true;
  }
  error = subscriber_.error();
  return false;
}

std::optional<int> SystemHostPlatform::runMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(message.wParam);
    if (result == -1) return std::nullopt;
    // Keyboard navigation of MainWindow first; no character messages are made.
    HWND main = mainWindow_.handle();
    if (!main || !IsDialogMessageA(main, &message)) DispatchMessageA(&message);
  }
}

}  // namespace lexiton::host
