// The Surface over a Windows device context: fonts made with CreateFontA, one per format for
// the surface's life (the layout asks for the same few fonts for every run it fits, measures
// and draws), with their metrics, text measured and drawn with the ANSI and wide GDI calls, and every
// drawing call leaving the DC's colours, modes, pens and brushes as it found them; the font of
// the last text call stays selected until the next or until the surface goes.
#pragma once

#include <tippaint/surface.h>
#include <lexiton/win/gdi_handles.h>

#include <windows.h>

#include <array>
#include <list>
#include <string>
#include <vector>
#include <map>
#include <optional>

namespace tippaint::win {

LOGFONTA logfont_of(const FontSpec& spec);

class GdiSurface final : public Surface {
 public:
  explicit GdiSurface(HDC dc);
  // Selects the DC's own font back.
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  HDC dc() const { return dc_; }
  // The font behind an id, for GDI code that shares the painter's fonts; null for none.
  HFONT font(FontId id) const;

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
  bool play_metafile(const MetafileRef& metafile, const Rect& dest) override;
  void draw_pixels(const Rect& rect, std::span<const Colour> pixels) override;
  Colour get_pixel(int x, int y) override;
  void set_pixel(int x, int y, Colour colour) override;
  Colour nearest_colour(Colour colour) override;

 private:
  // One logical font and its metrics, shared by every id made from the same spec.
  struct CachedFont {
    FontSpec spec;
    lexiton::win::Font font;
    std::optional<FontMetrics> metrics;
    int users = 0;  // ids not yet deleted
  };
  // A document with many formats keeps at most this many unused fonts alive, so the process's
  // GDI objects stay bounded; fonts in use are never dropped.
  static constexpr std::size_t kMaxUnusedFonts = 16;

  // The layout measures a run when it fits it and again when it lays the line out: the last
  // few 8-bit widths are kept by font and text.
  struct MeasuredText {
    HFONT font = nullptr;
    std::string text;
    int width = 0;
  };
  static constexpr std::size_t kMeasuredTexts = 8;
  // Fitting a run yields the extent of every prefix that fits; the line's measurements that
  // follow ask for such prefixes of the same text.
  struct FittedPrefixes {
    HFONT font = nullptr;
    std::string text;
    std::vector<INT> extents;  // extents[n - 1]: the width of the first n bytes
  };

  CachedFont* cached(FontId id) const;
  // Text calls leave their font selected for the next one (selecting a font costs more than
  // measuring a short run); null selects the DC's own font, which goes back when the surface
  // does.
  void use_font(HFONT font);
  void restore_font();
  void drop_unused_fonts();

  HDC dc_;
  HGDIOBJ original_font_ = nullptr;
  DeviceCaps caps_;
  std::list<CachedFont> font_cache_;  // least recently made first
  std::map<FontId, CachedFont*> fonts_;
  std::array<MeasuredText, kMeasuredTexts> measured_{};
  std::size_t next_measured_ = 0;
  FittedPrefixes fitted_;
  FontId next_font_ = 1;
  // Where wide text is measured, made at the first measurement and kept: fitting a line
  // measures several times.
  std::optional<lexiton::win::MemoryDc> scratch_;
};

}  // namespace tippaint::win
