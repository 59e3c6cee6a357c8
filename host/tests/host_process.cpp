#include "host_process.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>
#include <utility>

#include "startup/win/host_windows.h"

namespace lexiton::host::test {

namespace {

constexpr const char* kShellFolders = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr auto kPoll = std::chrono::milliseconds(20);
constexpr UINT kSendTimeoutMs = 10000;

// What a normal installation holds beside the program, and where each file comes from: the
// companions are the stand-ins, whose log the tests read.
struct InstalledFile {
  const char* name;
  const char* source;
};
const InstalledFile kInstallation[] = {{"Lexiton.exe", "Lexiton.exe"},
                                       {"uires1038.dll", "uires1038.dll"},
                                       {"uires2057.dll", "uires2057.dll"},
                                       {"mtippaint.dll", "mtippaint.dll"},
                                       {"tippaint.dll", "tippaint.dll"},
                                       {"dictcore.dll", "standin_dictcore.dll"},
                                       {"textgrab.dll", "standin_textgrab.dll"},
                                       {"ptrhook.dll", "standin_ptrhook.dll"},
                                       {"LexitonSt.dll", "LexitonSt.dll"},
                                       {"LexitonClt.dll", "LexitonClt.dll"},
                                       {"korvell.sty", "korvell.sty"},
                                       {"kvo.cri", "kvo.cri"},
                                       {"lexiton-en-hu.dict", "lexiton-en-hu.dict"},
                                       {"win65K.spl", "win65K.spl"},
                                       {"win256.spl", "win256.spl"}};

void linkOrCopy(const std::string& from, const std::string& to) {
  DeleteFileA(to.c_str());
  if (!CreateHardLinkA(to.c_str(), from.c_str(), nullptr)) CopyFileA(from.c_str(), to.c_str(), FALSE);
}

void removeFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeFolder(folder + name + "\\");
      else
        DeleteFileA((folder + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

BOOL CALLBACK takeMainWindow(HWND window, LPARAM into) {
  if (GetWindowLongPtrA(window, GWLP_USERDATA) != MainWindow::kTag) return TRUE;
  *reinterpret_cast<HWND*>(into) = window;
  return FALSE;
}

}  // namespace

std::string binFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text) {
  // The program folders hold hard links to the build's files: a new file, never the shared one.
  DeleteFileA(path.c_str());
  std::ofstream(path, std::ios::binary) << text;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

AppDataOverride::AppDataOverride() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  char value[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  if (RegQueryValueExA(key, "AppData", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
      ERROR_SUCCESS)
    original_ = value;
  RegCloseKey(key);
}

AppDataOverride::~AppDataOverride() {
  if (original_)
    set(*original_);
  else
    remove();
}

void AppDataOverride::set(const std::string& folder) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, "AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>(folder.size() + 1));
  RegCloseKey(key);
}

void AppDataOverride::remove() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, "AppData");
  RegCloseKey(key);
}

std::optional<SubscriberRecord> readSubscriberRecord() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, sharedMappingName(kSubscriberBlockName).c_str());
  if (!mapping) return std::nullopt;
  HANDLE mutex =
      OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, sharedMutexName(kSubscriberBlockName).c_str());
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, SubscriberRecord::kSize);
  std::optional<SubscriberRecord> record;
  if (view && mutex && WaitForSingleObject(mutex, kSharedBlockWaitMs) == WAIT_OBJECT_0) {
    std::array<uint8_t, SubscriberRecord::kSize> bytes;
    std::memcpy(bytes.data(), view, bytes.size());
    ReleaseMutex(mutex);
    record = SubscriberRecord::fromBytes(bytes);
  }
  if (view) UnmapViewOfFile(view);
  if (mutex) CloseHandle(mutex);
  CloseHandle(mapping);
  return record;
}

HostProcess::HostProcess(const std::string& name) {
  const std::string runs = binFolder() + "host_runs\\";
  CreateDirectoryA(runs.c_str(), nullptr);
  folder_ = runs + name + "\\";
  removeFolder(folder_);
  CreateDirectoryA(folder_.c_str(), nullptr);
  for (const InstalledFile& file : kInstallation) place(file.name, file.source);
}

HostProcess::~HostProcess() {
  if (info_.hProcess) {
    // A program a failed test left running must not outlive it.
    if (running()) TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

void HostProcess::place(const std::string& name, const std::string& source) {
  if (source.empty())
    DeleteFileA((folder_ + name).c_str());
  else
    linkOrCopy(binFolder() + source, folder_ + name);
}

void HostProcess::start(const std::string& arguments) {
  std::string line = "\"" + folder_ + "Lexiton.exe\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, binFolder().c_str(),
                      &startup, &info_))
    info_ = PROCESS_INFORMATION{};
}

void HostProcess::terminate() {
  if (!running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 10000);
}

bool HostProcess::running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> HostProcess::waitForExit(std::chrono::milliseconds limit) {
  if (!info_.hProcess) return std::nullopt;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::optional<SubscriberRecord> HostProcess::waitForRecord(std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end && running()) {
    if (auto record = readSubscriberRecord();
        record && record->processId == info_.dwProcessId && record->enabled)
      return record;
    std::this_thread::sleep_for(kPoll);
  }
  return std::nullopt;
}

HWND HostProcess::mainWindow(const SubscriberRecord& record) const {
  HWND found = nullptr;
  EnumThreadWindows(record.threadId, &takeMainWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::optional<DWORD> HostProcess::endSession(const SubscriberRecord& record,
                                             std::chrono::milliseconds limit) {
  HWND main = mainWindow(record);
  if (!main) return std::nullopt;
  DWORD_PTR result = 0;
  SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return waitForExit(limit);
}

namespace {

struct WindowQuery {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM into) {
  auto* query = reinterpret_cast<WindowQuery*>(into);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != query->processId || !IsWindowVisible(window)) return TRUE;
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, query->className) != 0) return TRUE;
  if (query->caption) {
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (lstrcmpA(caption, query->caption) != 0) return TRUE;
  }
  query->found = window;
  return FALSE;
}

}  // namespace

HWND findWindowOf(DWORD processId, const char* className, const char* caption) {
  WindowQuery query{processId, className, caption};
  EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND waitForWindowOf(DWORD processId, const char* className, const char* caption,
                     std::chrono::milliseconds limit) {
  HWND found = nullptr;
  waitUntil([&] { return (found = findWindowOf(processId, className, caption)) != nullptr; }, limit);
  return found;
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(kPoll);
  }
}

void screenshotTo(const std::string& unixFile) {
  // The Linux file as this program sees it, through wine's drive of the whole file system.
  std::string windowsFile = "Z:" + unixFile;
  for (char& c : windowsFile)
    if (c == '/') c = '\\';
  DeleteFileA(windowsFile.c_str());
  // The program's splash closes by itself after a few seconds; then let the windows finish
  // painting. No message of this thread is handled meanwhile, so a dialog driver's next step
  // waits for the picture.
  for (int waited = 0; FindWindowA("HVR3SplashClass", nullptr) && waited < 6000; waited += 50) Sleep(50);
  Sleep(300);
  std::string line = "/usr/bin/import -window root " + unixFile;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  // wine does not report a Linux program's end: wait for the file to stop growing for a while.
  LONGLONG last = -1;
  for (int unchanged = 0, polls = 0; unchanged < 10 && polls < 750; ++polls) {
    Sleep(20);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(windowsFile.c_str(), GetFileExInfoStandard, &data)) continue;
    const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    unchanged = size > 0 && size == last ? unchanged + 1 : 0;
    last = size;
  }
}

void screenshot(const std::string& name) {
  const char* folder = std::getenv("LEXITON_SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  screenshotTo(std::string(folder) + "/" + name + ".png");
}

}  // namespace lexiton::host::test
