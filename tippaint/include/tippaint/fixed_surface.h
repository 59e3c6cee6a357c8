// A deterministic surface for exact layout tests and fuzzing: every character of a font
// advances by half the font's pixel height (at least 1), the ascent is three quarters of the
// height and the descent the rest. Drawing calls are recorded instead of rasterised.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tippaint/surface.h"

namespace tippaint {

class FixedSurface : public Surface {
 public:
  // The font measured when a font could not be made (the default GDI font is this high).
  static constexpr int kDefaultFontHeight = 16;

  struct TextOp {
    FontSpec font;
    int x = 0, y = 0;
    std::u16string text;  // 8-bit text is widened byte for byte
    bool wide = false;
    Colour colour = 0;
    std::optional<Colour> background;
  };
  struct FillOp {
    Rect rect;
    Colour colour;
  };
  struct LineOp {
    Point from, to;
    Colour colour;
  };
  struct MetafileOp {
    bool enhanced;
    std::size_t bytes;
    Rect dest;
  };

  explicit FixedSurface(DeviceCaps caps = {}) : caps_(caps) {}

  // Makes the next create_font calls fail (from the n-th on; -1 never).
  void fail_fonts_after(int n) { fonts_before_failure_ = n; }
  void fail_fills(bool fail) { fail_fills_ = fail; }
  static int advance_of(const FontSpec& spec);
  static FontMetrics metrics_of(const FontSpec& spec);

  DeviceCaps caps() const override { return caps_; }
  FontId create_font(const FontSpec& spec) override;
  void delete_font(FontId font) override;
  FontMetrics metrics(FontId font) override;
  int text_fit(FontId font, std::string_view text, int max_width) override;
  int text_width(FontId font, std::string_view text) override;
  int wide_text_width(FontId font, std::u16string_view text) override;
  void draw_text(FontId font, int x, int y, std::string_view text, Colour text_colour,
                 std::optional<Colour> background) override;
  void draw_wide_text(FontId font, int x, int y, std::u16string_view text, Colour text_colour,
                      std::optional<Colour> background) override;
  bool fill_rect(const Rect& rect, Colour colour) override;
  void draw_line(Point from, Point to, Colour colour) override;
  void polyline(std::span<const Point> points, std::optional<Colour> colour) override;
  // Metafiles without data cannot be made, as with GDI.
  bool play_metafile(const MetafileRef& metafile, const Rect& dest) override;
  void draw_pixels(const Rect& rect, std::span<const Colour> pixels) override;
  Colour get_pixel(int x, int y) override;
  void set_pixel(int x, int y, Colour colour) override;
  Colour nearest_colour(Colour colour) override { return colour; }

  std::size_t live_fonts() const { return fonts_.size(); }
  std::vector<TextOp> texts;
  std::vector<FillOp> fills;
  std::vector<LineOp> lines;
  std::vector<MetafileOp> metafiles;
  std::vector<Rect> pixel_blocks;
  std::vector<std::vector<Point>> polylines;
  // The pen of each polyline: a colour, or nothing for the surface's current pen.
  std::vector<std::optional<Colour>> polyline_pens;

 private:
  const FontSpec* find(FontId font) const;
  int advance(FontId font) const;

  DeviceCaps caps_;
  std::map<FontId, FontSpec> fonts_;
  FontId next_font_ = 1;
  int fonts_before_failure_ = -1;
  bool fail_fills_ = false;
  std::map<std::pair<int, int>, Colour> pixels_;
};

}  // namespace tippaint
