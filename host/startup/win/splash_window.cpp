#include "startup/win/splash_window.h"

#include <lexiton/win/gdi_handles.h>
#include <vfw.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "startup/splash_file.h"

namespace lexiton::host {

namespace {

constexpr WORD kPaletteVersion = 0x300;
constexpr int kPaletteLimit = 256;

// The loaded picture; it stays in memory until the program ends.
struct SplashPicture {
  std::vector<uint8_t> image;
  SplashBitmap description;
  win::GdiObject<HPALETTE> palette;
  win::Bitmap bitmap;
  void* pixels = nullptr;
  HDRAWDIB drawDib = nullptr;
  int language = 0;

  ~SplashPicture() {
    if (drawDib) DrawDibClose(drawDib);
  }
  const BITMAPINFOHEADER* header() const {
    return reinterpret_cast<const BITMAPINFOHEADER*>(image.data() + 14);
  }
};

SplashPicture& picture() {
  static SplashPicture p;
  return p;
}

std::vector<uint8_t> readFile(std::string_view name) {
  std::ifstream in(std::string(name), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool loadPicture(SplashPicture& p) {
  HDC screen = GetDC(nullptr);
  const bool manyColours = GetDeviceCaps(screen, NUMCOLORS) == -1;
  const auto file = readFile(manyColours ? kTrueColourSplashFile : kPaletteSplashFile);
  auto image = readSplashImage(file.data(), file.size(), p.language);
  std::optional<SplashBitmap> description;
  if (image) description = describeBitmap(*image);
  if (!description) {
    ReleaseDC(nullptr, screen);
    return false;
  }
  p.image = std::move(*image);
  p.description = *description;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(p.image.data() + 14);
  p.bitmap.reset(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &p.pixels, nullptr, 0));
  if (!p.bitmap || !p.pixels) {
    ReleaseDC(nullptr, screen);
    return false;
  }
  std::memcpy(p.pixels, p.image.data() + p.description.pixelOffset, p.description.pixelSize);

  const int entries =
      static_cast<int>(p.description.colourCount < kPaletteLimit ? p.description.colourCount : kPaletteLimit);
  if (entries > 0 && p.description.bitCount <= 8) {
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = kPaletteVersion;
    palette->palNumEntries = static_cast<WORD>(entries);
    const auto* table = reinterpret_cast<const RGBQUAD*>(p.image.data() + 14 + p.header()->biSize);
    for (int i = 0; i < entries; ++i)
      palette->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    p.palette.reset(CreatePalette(palette));
  } else {
    p.palette.reset(CreateHalftonePalette(screen));
  }
  ReleaseDC(nullptr, screen);
  return true;
}

void paint(HWND window) {
  SplashPicture& p = picture();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (!p.drawDib) p.drawDib = DrawDibOpen();
  HPALETTE previous = p.palette ? SelectPalette(dc, p.palette.get(), TRUE) : nullptr;
  if (p.palette) RealizePalette(dc);
  if (p.drawDib) {
    BITMAPINFOHEADER header = *p.header();
    DrawDibDraw(p.drawDib, dc, 0, 0, p.description.width, p.description.height, &header, p.pixels, 0, 0,
                p.description.width, p.description.height, DDF_BACKGROUNDPAL);
  }
  if (previous) SelectPalette(dc, previous, TRUE);
  EndPaint(window, &ps);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      SplashPicture& p = picture();
      if (!loadPicture(p)) return -1;
      const int width = p.description.width, height = p.description.height;
      SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      SetTimer(window, SplashWindow::kTimerId, SplashWindow::kShowMilliseconds, nullptr);
      return 0;
    }
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_TIMER:
      if (wParam == SplashWindow::kTimerId) {
        KillTimer(window, SplashWindow::kTimerId);
        DestroyWindow(window);
      }
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool SplashWindow::show(HINSTANCE program, int language) {
  picture().language = language;
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &procedure;
  windowClass.hInstance = program;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                program, nullptr);
  if (!window) return false;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return true;
}

}  // namespace lexiton::host
