// The desktop as the end-to-end test, the demo and the latency benchmark see it from outside the
// programs on it, under wine on the session's Xvfb display, beside what the host's test process
// library gives (the shared block, the AppData folder, the tray icon on show) and the test input
// library (xdotool, waiting without taking messages): where windows are, and real pointer moves
// (xdotool, which wine turns into hardware input as it does a user's).
#pragma once

#include <windows.h>

#include <string>

namespace lexiton::e2e {

RECT windowRect(HWND window);
bool visible(HWND window);

// Moves the pointer with xdotool and waits until the system has it there.
bool movePointer(POINT to);

// The program's data directory under an AppData folder, "Veltrix\Lexiton\", made when missing.
std::string makeDataDirectory(const std::string& appData);

}  // namespace lexiton::e2e
