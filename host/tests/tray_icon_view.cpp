#include "tray_icon_view.h"

#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace lexiton::host::test {

namespace {

// wine's window of one icon in its own notification area.
constexpr char kIconWindowClass[] = "__winex11_tray_icon";

struct Pixels {
  int width = 0, height = 0;
  std::vector<uint32_t> bgr;
};

// `width` x `height` pixels of `source` at (x, y), as 32-bit BGR.
Pixels capture(HDC source, int x, int y, int width, int height) {
  Pixels pixels{width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height)};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  const auto* from = static_cast<const uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.bgr.size(); ++i) pixels.bgr[i] = from[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// `icon` drawn as the notification area draws it: small, centred, over `background`.
Pixels drawn(HMODULE library, int icon, int width, int height, COLORREF background) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HICON image = static_cast<HICON>(LoadImageA(library, MAKEINTRESOURCEA(icon), IMAGE_ICON, cx, cy, 0));
  DrawIconEx(memory, (width - cx) / 2, (height - cy) / 2, image, cx, cy, 0, nullptr, DI_NORMAL);
  DestroyIcon(image);
  SelectObject(memory, previous);
  HDC reader = CreateCompatibleDC(screen);
  previous = SelectObject(reader, bitmap);
  Pixels pixels = capture(reader, 0, 0, width, height);
  SelectObject(reader, previous);
  DeleteDC(reader);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

long long distance(const Pixels& a, const Pixels& b) {
  long long sum = 0;
  for (std::size_t i = 0; i < a.bgr.size() && i < b.bgr.size(); ++i)
    for (int shift : {0, 8, 16})
      sum += std::abs(static_cast<int>((a.bgr[i] >> shift) & 0xFF) -
                      static_cast<int>((b.bgr[i] >> shift) & 0xFF));
  return sum;
}

BOOL CALLBACK findIconWindow(HWND window, LPARAM into) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, kIconWindowClass) == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(into) = window;
    return FALSE;
  }
  EnumChildWindows(window, &findIconWindow, into);
  return *reinterpret_cast<HWND*>(into) ? FALSE : TRUE;
}

}  // namespace

bool trayIconPresent(HWND owner, UINT id) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = id;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

std::optional<int> trayIconOnShow(HMODULE library, std::initializer_list<int> icons) {
  HWND window = nullptr;
  EnumWindows(&findIconWindow, reinterpret_cast<LPARAM>(&window));
  if (!window) return std::nullopt;
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  HDC screen = GetDC(nullptr);
  const Pixels shown = capture(screen, r.left, r.top, width, height);
  ReleaseDC(nullptr, screen);
  // The area's background is whatever the corner shows.
  const COLORREF corner = shown.bgr.empty() ? 0 : shown.bgr[0];
  const COLORREF background = RGB((corner >> 16) & 0xFF, (corner >> 8) & 0xFF, corner & 0xFF);
  std::optional<int> best;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (int icon : icons) {
    const long long d = distance(shown, drawn(library, icon, width, height, background));
    if (d < bestDistance) {
      bestDistance = d;
      best = icon;
    }
  }
  return best;
}

}  // namespace lexiton::host::test
