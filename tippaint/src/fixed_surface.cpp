// The deterministic surface: fixed advances and metrics derived from the font height.
#include "tippaint/fixed_surface.h"

#include <algorithm>
#include <cstdlib>

namespace tippaint {
namespace {

// Widths are kept far from the int range so that sums of them stay representable.
constexpr std::int64_t kMaxWidth = 1 << 24;

int clamp_width(std::int64_t width) { return static_cast<int>(std::min(width, kMaxWidth)); }

int pixel_height(const FontSpec& spec) {
  const int h = std::abs(spec.height);
  return h == 0 ? FixedSurface::kDefaultFontHeight : h;
}

}  // namespace

int FixedSurface::advance_of(const FontSpec& spec) { return std::max(1, pixel_height(spec) / 2); }

FontMetrics FixedSurface::metrics_of(const FontSpec& spec) {
  const int h = pixel_height(spec);
  return {h * 3 / 4, h - h * 3 / 4};
}

const FontSpec* FixedSurface::find(FontId font) const {
  const auto it = fonts_.find(font);
  return it == fonts_.end() ? nullptr : &it->second;
}

int FixedSurface::advance(FontId font) const {
  const FontSpec* spec = find(font);
  return spec != nullptr ? advance_of(*spec) : kDefaultFontHeight / 2;
}

FontId FixedSurface::create_font(const FontSpec& spec) {
  if (fonts_before_failure_ == 0) return kNoFont;
  if (fonts_before_failure_ > 0) --fonts_before_failure_;
  const FontId id = next_font_++;
  fonts_.emplace(id, spec);
  return id;
}

void FixedSurface::delete_font(FontId font) { fonts_.erase(font); }

FontMetrics FixedSurface::metrics(FontId font) {
  const FontSpec* spec = find(font);
  return spec != nullptr ? metrics_of(*spec) : metrics_of(FontSpec{});
}

int FixedSurface::text_fit(FontId font, std::string_view text, int max_width) {
  if (max_width < 1) return 0;
  return static_cast<int>(std::min<std::int64_t>(text.size(), max_width / advance(font)));
}

int FixedSurface::text_width(FontId font, std::string_view text) {
  return clamp_width(static_cast<std::int64_t>(text.size()) * advance(font));
}

int FixedSurface::wide_text_width(FontId font, std::u16string_view text) {
  return clamp_width(static_cast<std::int64_t>(text.size()) * advance(font));
}

void FixedSurface::draw_text(FontId font, int x, int y, std::string_view text, Colour text_colour,
                             std::optional<Colour> background) {
  const FontSpec* spec = find(font);
  if (spec == nullptr) return;
  TextOp op{*spec, x, y, {}, false, text_colour, background};
  for (char c : text) op.text.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  texts.push_back(std::move(op));
}

void FixedSurface::draw_wide_text(FontId font, int x, int y, std::u16string_view text, Colour text_colour,
                                  std::optional<Colour> background) {
  const FontSpec* spec = find(font);
  if (spec == nullptr) return;
  texts.push_back(TextOp{*spec, x, y, std::u16string(text), true, text_colour, background});
}

bool FixedSurface::fill_rect(const Rect& rect, Colour colour) {
  if (fail_fills_) return false;
  fills.push_back({rect, colour});
  return true;
}

void FixedSurface::draw_line(Point from, Point to, Colour colour) { lines.push_back({from, to, colour}); }

void FixedSurface::polyline(std::span<const Point> points, std::optional<Colour> colour) {
  polylines.emplace_back(points.begin(), points.end());
  polyline_pens.push_back(colour);
}

bool FixedSurface::play_metafile(const MetafileRef& metafile, const Rect& dest) {
  if (metafile.data.empty()) return false;
  metafiles.push_back({metafile.enhanced, metafile.data.size(), dest});
  return true;
}

void FixedSurface::draw_pixels(const Rect& rect, std::span<const Colour> pixels) {
  pixel_blocks.push_back(rect);
  std::size_t at = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right && at < pixels.size(); ++x) set_pixel(x, y, pixels[at++]);
}

Colour FixedSurface::get_pixel(int x, int y) {
  const auto it = pixels_.find({x, y});
  return it == pixels_.end() ? 0 : it->second;
}

void FixedSurface::set_pixel(int x, int y, Colour colour) { pixels_[{x, y}] = colour; }

}  // namespace tippaint
