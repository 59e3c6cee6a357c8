#include "desktop.h"

#include <lexiton/test/win/desktop_input.h>

#include <fstream>
#include <sstream>

namespace lexiton::e2e {

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kAppData[] = "AppData";
constexpr int kPointerAttempts = 3;
constexpr unsigned kPointerLimitMs = 4000;

void setAppData(const std::string* folder) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  if (folder)
    RegSetValueExA(key, kAppData, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder->c_str()),
                   static_cast<DWORD>(folder->size() + 1));
  else
    RegDeleteValueA(key, kAppData);
  RegCloseKey(key);
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, DWORD limitMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > limitMs) return false;
    Sleep(5);
  }
  return true;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool visible(HWND window) { return window && IsWindowVisible(window) != FALSE; }

bool movePointer(POINT to) {
  // Once in a while, on a display that has just started, a move never reaches wine: it is made
  // again.
  for (int attempt = 0; attempt < kPointerAttempts; ++attempt)
    if (lexiton::test::xdotool("mousemove " + std::to_string(to.x) + " " + std::to_string(to.y)) &&
        lexiton::test::waitForPointer(to.x, to.y, kPointerLimitMs))
      return true;
  return false;
}

std::string programFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::string appDataFolder() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char value[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  const bool read = RegQueryValueExA(key, kAppData, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_SZ;
  RegCloseKey(key);
  return read ? std::string(value) : std::string();
}

void recordAppDataFolder(const std::string& folder) { setAppData(&folder); }

AppDataFolder::AppDataFolder(const std::string& folder) : original_(appDataFolder()) {
  recordAppDataFolder(folder);
}

AppDataFolder::~AppDataFolder() { setAppData(original_.empty() ? nullptr : &original_); }

std::string makeDataDirectory(const std::string& appData) {
  std::string folder = appData;
  CreateDirectoryA(folder.c_str(), nullptr);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  for (const char* part : {"Veltrix\\", "Lexiton\\"}) {
    folder += part;
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  return folder;
}

}  // namespace lexiton::e2e
