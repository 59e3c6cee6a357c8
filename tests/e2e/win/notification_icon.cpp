#include "notification_icon.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace lexiton::e2e {

namespace {

// wine's window for one icon of its notification area.
constexpr char kIconWindowClass[] = "__winex11_tray_icon";

// The pixels of a rectangle of a device context, as 0x00RRGGBB-ordered 32-bit values.
class Picture {
 public:
  Picture(HDC source, const RECT& area) : width_(area.right - area.left), height_(area.bottom - area.top) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap) {
      HGDIOBJ previous = SelectObject(memory, bitmap);
      BitBlt(memory, 0, 0, width_, height_, source, area.left, area.top, SRCCOPY);
      GdiFlush();
      const auto* from = static_cast<const uint32_t*>(bits);
      pixels_.assign(from, from + static_cast<std::size_t>(width_) * height_);
      SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
  }

  uint32_t corner() const { return pixels_.empty() ? 0 : pixels_[0] & 0xFFFFFF; }
  // The sum of the channels' differences.
  long long distanceTo(const Picture& other) const {
    long long sum = 0;
    for (std::size_t i = 0; i < pixels_.size() && i < other.pixels_.size(); ++i)
      for (int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>((pixels_[i] >> shift) & 0xFF) -
                        static_cast<int>((other.pixels_[i] >> shift) & 0xFF));
    return sum;
  }

 private:
  int width_, height_;
  std::vector<uint32_t> pixels_;
};

// `icon` as the area draws it: small, in the middle of a `width` x `height` cell of `background`.
Picture drawnIcon(HMODULE library, int icon, int width, int height, uint32_t background) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP cell = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, cell);
  HBRUSH brush =
      CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
  const RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HICON image = static_cast<HICON>(LoadImageA(library, MAKEINTRESOURCEA(icon), IMAGE_ICON, cx, cy, 0));
  if (image) {
    DrawIconEx(memory, (width - cx) / 2, (height - cy) / 2, image, cx, cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(image);
  }
  Picture drawn(memory, all);
  SelectObject(memory, previous);
  DeleteObject(cell);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return drawn;
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

std::optional<int> iconOnShow(HMODULE library, std::initializer_list<int> icons) {
  HWND window = nullptr;
  EnumWindows(&findIconWindow, reinterpret_cast<LPARAM>(&window));
  if (!window) return std::nullopt;
  RECT area{};
  GetWindowRect(window, &area);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  HDC screen = GetDC(nullptr);
  const Picture shown(screen, area);
  ReleaseDC(nullptr, screen);
  // The area's background is whatever its corner shows.
  std::optional<int> best;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (int icon : icons) {
    const long long d = shown.distanceTo(drawnIcon(library, icon, width, height, shown.corner()));
    if (d < bestDistance) {
      bestDistance = d;
      best = icon;
    }
  }
  return best;
}

}  // namespace lexiton::e2e
