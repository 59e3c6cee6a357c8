// The drawing surface the tooltip layout measures and paints through. Every call takes its
// font and colours, so the layout never depends on what a device context has selected. The
// painter DLL implements it over GDI; tests use a deterministic surface with fixed advances.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tippaint/formats.h"

namespace tippaint {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// What the layout needs to know about the device.
struct DeviceCaps {
  int dpi_x = 96;           // LOGPIXELSX
  int dpi_y = 96;           // LOGPIXELSY
  int screen_width = 1024;  // HORZRES
  int screen_height = 768;  // VERTRES
  bool palette = false;     // NUMCOLORS is not -1
  // Every 24-bit colour written reads back unchanged (a true-colour target of 24 or 32 bits
  // per pixel), so a block of pixels composed in memory paints what per-pixel calls would.
  bool exact_colours = false;
};

// Everything a logical font is made from (CreateFontA's arguments that vary).
struct FontSpec {
  static constexpr int kNormal = 400;
  static constexpr int kBold = 700;

  int height = 0;  // negative: character height in pixels
  int weight = kNormal;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  int charset = 0;
  int pitch_and_family = 0;
  std::string face;  // empty: the system chooses

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
  int ascent = 0;
  int descent = 0;
};

// A font made by a surface; 0 is "no font" (creation failed). Measuring with no font uses
// the surface's default font; drawing with no font draws nothing.
using FontId = std::uint32_t;
inline constexpr FontId kNoFont = 0;

// A metafile as the document stores it.
struct MetafileRef {
  bool enhanced = false;
  std::span<const std::uint8_t> data;
  int mapping_mode = 1;  // Windows metafiles only
  int pic_width = 0;     // Windows metafiles only: METAFILEPICT extents
  int pic_height = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual DeviceCaps caps() const = 0;

  // Fonts. Every font made must be deleted by the same surface (see ScopedFont).
  virtual FontId create_font(const FontSpec& spec) = 0;
  virtual void delete_font(FontId font) = 0;
  virtual FontMetrics metrics(FontId font) = 0;

  // 8-bit text in the font's character set, no code-page conversion.
  // The largest n whose extent of text[0, n) is at most max_width (0 when max_width < 1).
  virtual int text_fit(FontId font, std::string_view text, int max_width) = 0;
  virtual int text_width(FontId font, std::string_view text) = 0;
  // UTF-16 text; the width is the advance the text would move a drawing position by.
  virtual int wide_text_width(FontId font, std::u16string_view text) = 0;

  // Text drawn with its cell's top-left corner at (x, y). No background: transparent.
  virtual void draw_text(FontId font, int x, int y, std::string_view text, Colour text_colour,
                         std::optional<Colour> background) = 0;
  virtual void draw_wide_text(FontId font, int x, int y, std::u16string_view text, Colour text_colour,
                              std::optional<Colour> background) = 0;

  // A solid fill of the rectangle (right and bottom excluded); false when no brush can be made.
  virtual bool fill_rect(const Rect& rect, Colour colour) = 0;
  // A 1-pixel line from `from` to `to`, the end point excluded.
  virtual void draw_line(Point from, Point to, Colour colour) = 0;
  // A polyline through the points; without a colour, in the surface's current pen.
  virtual void polyline(std::span<const Point> points, std::optional<Colour> colour) = 0;

  // Plays the metafile stretched into `dest`; false (nothing drawn) when it cannot be made.
  virtual bool play_metafile(const MetafileRef& metafile, const Rect& dest) = 0;

  // Copies rect.width() x rect.height() colours, row by row from the top, to the rectangle.
  virtual void draw_pixels(const Rect& rect, std::span<const Colour> pixels) = 0;

  virtual Colour get_pixel(int x, int y) = 0;
  virtual void set_pixel(int x, int y, Colour colour) = 0;
  // The closest colour the device can show (the palette matters on palette displays).
  virtual Colour nearest_colour(Colour colour) = 0;
};

// Owns one font of a surface for one operation.
class ScopedFont {
 public:
  ScopedFont(Surface& surface, const FontSpec& spec) : surface_(surface), font_(surface.create_font(spec)) {}
  ~ScopedFont() {
    if (font_ != kNoFont) surface_.delete_font(font_);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

  FontId get() const { return font_; }
  bool valid() const { return font_ != kNoFont; }

 private:
  Surface& surface_;
  FontId font_;
};

}  // namespace tippaint
