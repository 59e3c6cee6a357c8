// A screen-sized off-screen canvas like the host's tooltip window keeps: a memory DC
// compatible with the screen holding a 32-bit DIB section, painted by a painter DLL's
// TipPaint, whose pixels can be read and whose tooltip is written out as a PNG clipped to
// the returned region.
#pragma once

#include "png_file.h"

#include <lexiton/win/gdi_handles.h>
#include <lexiton/painter_exports.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tippaint::win {

struct PaintOutcome {
  int result = 0;
  RECT size{};
  int x = 0;
  int y = 0;
  lexiton::win::Region region;
};

class TooltipCanvas {
 public:
  // As large as the screen (HORZRES x VERTRES of a screen DC).
  TooltipCanvas();
  TooltipCanvas(const TooltipCanvas&) = delete;
  TooltipCanvas& operator=(const TooltipCanvas&) = delete;

  explicit operator bool() const { return bitmap_ && dc_; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  // Calls TipPaint as the host does: transparent background mode, black text, null title
  // unless given, region initialised to null.
  PaintOutcome paint(TipPaintFn paint, const std::vector<std::uint8_t>& result, int x, int y,
                     COLORREF background, const char* title = nullptr);

  // 0xBBGGRR of a canvas pixel.
  COLORREF pixel(int x, int y) const;

  // The painted rectangle (right and bottom inclusive, as the host shows it); pixels outside
  // the region are transparent.
  RgbaImage tooltip_image(const PaintOutcome& outcome) const;
  // The same as a PNG file.
  bool write_png(const std::string& path, const PaintOutcome& outcome) const;

 private:
  int width_ = 0;
  int height_ = 0;
  lexiton::win::MemoryDc dc_;
  lexiton::win::Bitmap bitmap_;
  std::uint32_t* bits_ = nullptr;
  std::optional<lexiton::win::Selection> selection_;
};

}  // namespace tippaint::win
