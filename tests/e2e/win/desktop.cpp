#include "desktop.h"

#include <lexiton/test/win/desktop_input.h>

namespace lexiton::e2e {

namespace {

constexpr int kPointerAttempts = 3;
constexpr unsigned kPointerLimitMs = 4000;

}  // namespace

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
