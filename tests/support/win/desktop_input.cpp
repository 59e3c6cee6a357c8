#include "lexiton/test/win/desktop_input.h"

#include <windows.h>

#include <vector>

namespace lexiton::test {

bool xdotool(const std::string& arguments) {
  std::string line = "/usr/bin/xdotool " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

std::string unixPath(const std::string& windowsPath) {
  // wine's own export; it allocates the answer on the process heap.
  using ToUnix = char*(CDECL*)(const wchar_t*);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  std::vector<wchar_t> wide(windowsPath.size() + 1);
  MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  char* path = toUnix(wide.data());
  if (!path) return {};
  std::string result = path;
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

bool waitForPointer(int x, int y, unsigned limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    POINT at{};
    if (GetCursorPos(&at) && at.x == x && at.y == y) return true;
    if (GetTickCount() - start > limitMs) return false;
    Sleep(10);
  }
}

bool pollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    Sleep(5);
  }
  return true;
}

}  // namespace lexiton::test
