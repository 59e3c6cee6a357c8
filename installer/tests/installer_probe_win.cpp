// installer_probe.exe: what the installer test asks of a running Lexiton, as another program
// on the desktop sees it.
//   installer_probe running SECONDS   waits until Lexiton has published itself in the shared
//                                     block with its window tagged "HVR " and its tray icon is
//                                     on show; prints the program's path and the icon count
//   installer_probe end SECONDS       ends it through the end-of-session messages, as Windows
//                                     does at log-off, and waits until it has gone
//   installer_probe tray-icons        prints how many tray icons are on show
//   installer_probe windows           lists every window: handle, class, process, visibility
// Exit code 0 when what was asked happened in time, 1 otherwise.
//
// Tray icons are counted as wine shows them: without a notification area on the X display, its
// X11 driver puts each icon in a "__winex11_tray_icon" window of a stand-alone tray; explorer's
// own tray (a virtual desktop) uses "__wine_tray_icon" windows. The test runs in a prefix of its
// own, where Lexiton's is the only icon.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "host_process.h"
#include "startup/win/host_windows.h"

namespace {

using lexiton::host::MainWindow;
using lexiton::host::SubscriberRecord;
using lexiton::host::test::readSubscriberRecord;
using Clock = std::chrono::steady_clock;

constexpr auto kPoll = std::chrono::milliseconds(100);
constexpr UINT kSendTimeoutMs = 10000;

BOOL CALLBACK countTrayIcon(HWND window, LPARAM count) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  const std::string kind = name;
  if ((kind == "__winex11_tray_icon" || kind == "__wine_tray_icon") && IsWindowVisible(window))
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK countTrayIconsBelow(HWND window, LPARAM count) {
  countTrayIcon(window, count);
  EnumChildWindows(window, &countTrayIcon, count);
  return TRUE;
}

int trayIconCount() {
  int count = 0;
  EnumWindows(&countTrayIconsBelow, reinterpret_cast<LPARAM>(&count));
  return count;
}

BOOL CALLBACK takeTaggedWindow(HWND window, LPARAM into) {
  if (GetWindowLongPtrA(window, GWLP_USERDATA) != MainWindow::kTag) return TRUE;
  *reinterpret_cast<HWND*>(into) = window;
  return FALSE;
}

HWND taggedWindow(const SubscriberRecord& record) {
  HWND found = nullptr;
  EnumThreadWindows(record.threadId, &takeTaggedWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string programPath(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  char path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool ok = QueryFullProcessImageNameA(process, 0, path, &size);
  CloseHandle(process);
  return ok ? std::string(path, size) : std::string();
}

int waitRunning(Clock::time_point end) {
  while (Clock::now() < end) {
    const auto record = readSubscriberRecord();
    if (record && record->enabled && taggedWindow(*record) && trayIconCount() > 0) {
      std::printf("program: %s\n", programPath(record->processId).c_str());
      std::printf("tray icons: %d\n", trayIconCount());
      return 0;
    }
    std::this_thread::sleep_for(kPoll);
  }
  const auto record = readSubscriberRecord();
  std::printf("not running in time: shared block %s, tagged window %s, tray icons %d\n",
              record ? (record->enabled ? "enabled" : "disabled") : "missing",
              record && taggedWindow(*record) ? "found" : "missing", trayIconCount());
  return 1;
}

int endSession(Clock::time_point end) {
  const auto record = readSubscriberRecord();
  const HWND main = record ? taggedWindow(*record) : nullptr;
  if (!main) {
    std::printf("no running Lexiton to end\n");
    return 1;
  }
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, record->processId);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer);
  SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer);
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
  const bool ended = process && WaitForSingleObject(process, DWORD(left > 0 ? left : 0)) == WAIT_OBJECT_0;
  if (process) CloseHandle(process);
  std::printf("%s; tray icons: %d\n", ended ? "ended" : "still running", trayIconCount());
  return ended ? 0 : 1;
}

BOOL CALLBACK listWindow(HWND window, LPARAM depth) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::printf("%*s%p %s pid %lu%s\n", int(depth) * 2, "", static_cast<void*>(window), name,
              static_cast<unsigned long>(process), IsWindowVisible(window) ? " visible" : "");
  if (depth == 0) EnumChildWindows(window, &listWindow, 1);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const auto end = Clock::now() + std::chrono::seconds(argc > 2 ? std::atoi(argv[2]) : 60);
  if (command == "running") return waitRunning(end);
  if (command == "end") return endSession(end);
  if (command == "windows") {
    EnumWindows(&listWindow, 0);
    return 0;
  }
  if (command == "tray-icons") {
    std::printf("tray icons: %d\n", trayIconCount());
    return 0;
  }
  std::fprintf(stderr, "usage: installer_probe running|end|tray-icons|windows [SECONDS]\n");
  return 2;
}
