// The desktop as the end-to-end test, the demo and the latency benchmark see it from outside the
// programs on it, under wine on the session's Xvfb display: waiting for what happens there, where
// windows are, and real pointer moves (xdotool, which wine turns into hardware input as it does
// a user's).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace lexiton::e2e {

// Polls `done` every few milliseconds until it holds or `limitMs` passed; whether it held.
bool waitUntil(const std::function<bool()>& done, DWORD limitMs);

RECT windowRect(HWND window);
bool visible(HWND window);

// Moves the pointer with xdotool and waits until the system has it there.
bool movePointer(POINT to);

// The folder of this program, with a trailing backslash.
std::string programFolder();

// Whole files, for settings, traces and alert records.
std::string readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& text);

// The "AppData" shell folder the tray program reads its data directory under (HKCU's Shell
// Folders): as it is recorded now (empty when none is), and recorded anew.
std::string appDataFolder();
void recordAppDataFolder(const std::string& folder);

// The folder pointed elsewhere for as long as this object lives, and put back afterwards.
class AppDataFolder {
 public:
  explicit AppDataFolder(const std::string& folder);
  ~AppDataFolder();
  AppDataFolder(const AppDataFolder&) = delete;
  AppDataFolder& operator=(const AppDataFolder&) = delete;

 private:
  std::string original_;
};

// The program's data directory under an AppData folder: "Veltrix\Lexiton\", made when missing.
std::string makeDataDirectory(const std::string& appData);

}  // namespace lexiton::e2e
