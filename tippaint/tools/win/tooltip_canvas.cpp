#include "tooltip_canvas.h"

#include "png_file.h"

#include <algorithm>

namespace tippaint::win {

using namespace lexiton::win;

TooltipCanvas::TooltipCanvas() : dc_(nullptr) {
  {
    WindowDc screen(nullptr);
    width_ = GetDeviceCaps(screen.get(), HORZRES);
    height_ = GetDeviceCaps(screen.get(), VERTRES);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<std::uint32_t*>(bits);
  if (bitmap_ && dc_) selection_.emplace(dc_.get(), bitmap_.get());
}

PaintOutcome TooltipCanvas::paint(TipPaintFn paint, const std::vector<std::uint8_t>& result, int x, int y,
                                  COLORREF background, const char* title) {
  PaintOutcome outcome;
  outcome.x = x;
  outcome.y = y;
  // The host hands over its reserved array; the painter only reads it.
  std::vector<std::uint8_t> copy = result;
  const LxByteArray array{copy.data(), std::uint32_t(copy.size()), std::uint32_t(copy.size())};
  SetBkMode(dc_.get(), TRANSPARENT);
  SetTextColor(dc_.get(), RGB(0, 0, 0));
  HDC dc = dc_.get();
  HRGN region = nullptr;
  outcome.result = paint(&array, &dc, &outcome.size, &region, &outcome.x, &outcome.y, background, title);
  outcome.region.reset(region);
  GdiFlush();
  return outcome;
}

COLORREF TooltipCanvas::pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t bgrx = bits_[std::size_t(y) * width_ + x];
  // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
  return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

RgbaImage TooltipCanvas::tooltip_image(const PaintOutcome& outcome) const {
  RgbaImage image;
  const int w = std::min<int>(outcome.size.right - outcome.size.left + 1, width_);
  const int h = std::min<int>(outcome.size.bottom - outcome.size.top + 1, height_);
  if (w <= 0 || h <= 0) return image;
  image.width = w;
  image.height = h;
  image.rgba.reserve(std::size_t(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const COLORREF c = pixel(outcome.size.left + x, outcome.size.top + y);
      const bool inside = outcome.region && PtInRegion(outcome.region.get(), x, y);
      image.rgba.insert(image.rgba.end(),
                        {GetRValue(c), GetGValue(c), GetBValue(c), std::uint8_t(inside ? 255 : 0)});
    }
  }
  return image;
}

bool TooltipCanvas::write_png(const std::string& path, const PaintOutcome& outcome) const {
  const RgbaImage image = tooltip_image(outcome);
  return write_png_rgba(path, image.width, image.height, image.rgba);
}

}  // namespace tippaint::win
