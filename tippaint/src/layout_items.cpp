// What the three kinds of layout item do on a line: fit, break, measure and draw. Every
// operation asks the surface for the item's font, uses it and gives it back; the surface
// decides what a font costs (the GDI surface keeps one per format for the call).
#include <algorithm>

#include "tippaint/layout.h"

namespace tippaint {
namespace {

// Fitting looks at a window of the run that ordinary glyphs (half a pixel or more on
// average) overfill, so a very long run costs what one line holds, not its whole length.
int scan_window(int available_width) {
  return available_width > (kMaxExtent / 2) ? kMaxExtent + 16 : 2 * available_width + 16;
}

// When the whole window fitted (glyphs without advance, such as combining marks), the
// window doubles; the work stays proportional to what the line takes.
int wider_window(int window, int rest) { return window > rest / 2 ? rest : 2 * window; }

int resolve_count(int length, int start, int count) {
  const int rest = std::max(0, length - start);
  return count < 0 ? rest : std::min(count, rest);
}

bool is_vertical(const CharFormat& format) {
  return format.vertical == CharFormat::kSubscript || format.vertical == CharFormat::kSuperscript;
}

std::optional<Colour> text_background(const CharFormat& format) {
  if (format.has(CharFormat::kBackgroundAuto)) return std::nullopt;
  return format.background.colour();
}

Colour text_colour(const CharFormat& format, Colour auto_text_colour) {
  return format.has(CharFormat::kForegroundAuto) ? auto_text_colour : format.foreground.colour();
}

// The line metrics of a run: the normal-size font's, grown by raising or lowering.
MeasureResult run_metrics(Surface& dc, const CharFormat& format) {
  const int dpi_y = dc.caps().dpi_y;
  const FontMetrics m = format_metrics(dc, format);
  MeasureResult result;
  result.ascent = m.ascent;
  result.descent = m.descent;
  if (format.raised > format.lowered)
    result.ascent += half_points_to_pixels(format.raised - format.lowered, dpi_y);
  else if (format.lowered > format.raised)
    result.descent += half_points_to_pixels(format.lowered - format.raised, dpi_y);
  return result;
}

// How far sub- and superscript and lowering move the text down from the item's top.
int vertical_offset(Surface& dc, const CharFormat& format, FontId reduced) {
  const int dpi_y = dc.caps().dpi_y;
  int offset = 0;
  if (format.vertical == CharFormat::kSubscript) {
    const FontMetrics n = format_metrics(dc, format);
    const FontMetrics s = dc.metrics(reduced);
    offset = (n.ascent + n.descent) - (s.ascent + s.descent);
  }
  if (format.lowered > format.raised) offset += half_points_to_pixels(format.lowered - format.raised, dpi_y);
  return offset;
}

template <class Char>
int find_text_break(const std::basic_string<Char>& text, int start, int count) {
  for (int n = resolve_count(static_cast<int>(text.size()), start, count); n > 0; --n) {
    const Char c = text[static_cast<std::size_t>(start + n - 1)];
    if (c == Char(' ') || c == Char('-')) return n;
  }
  return 0;
}

template <class Char>
int trim_spaces(const std::basic_string<Char>& text, int start, int count) {
  while (count > 0 && text[static_cast<std::size_t>(start + count - 1)] == Char(' ')) --count;
  return count;
}

template <class Char>
int extend_spaces(const std::basic_string<Char>& text, int start, int count) {
  while (static_cast<std::size_t>(start + count) < text.size() &&
         text[static_cast<std::size_t>(start + count)] == Char(' '))
    ++count;
  return count;
}

int picture_pad(int crop, int dpi) { return crop < 0 ? picture_twips_to_pixels(-crop, dpi) : 0; }

// The two text kinds differ only in which surface calls measure and draw them.
int text_width(Surface& dc, FontId font, std::string_view text) { return dc.text_width(font, text); }
int text_width(Surface& dc, FontId font, std::u16string_view text) { return dc.wide_text_width(font, text); }
void draw_text(Surface& dc, FontId font, int x, int y, std::string_view text, Colour colour,
               std::optional<Colour> background) {
  dc.draw_text(font, x, y, text, colour, background);
}
void draw_text(Surface& dc, FontId font, int x, int y, std::u16string_view text, Colour colour,
               std::optional<Colour> background) {
  dc.draw_wide_text(font, x, y, text, colour, background);
}

// How many characters from `start` fit into `available_width`. The surface counts 8-bit text
// itself; UTF-16 text has no such call, so the count is found by halving between the last
// window that fitted and the first that did not.
int fitting_count(Surface& dc, FontId font, std::string_view text, int start, int available_width) {
  const int rest = static_cast<int>(text.size()) - start;
  int window = std::min(rest, scan_window(available_width));
  while (true) {
    const int count = std::clamp(dc.text_fit(font, text.substr(start, window), available_width), 0, window);
    if (count < window || window == rest) return count;
    window = wider_window(window, rest);
  }
}

int fitting_count(Surface& dc, FontId font, std::u16string_view text, int start, int available_width) {
  const int rest = static_cast<int>(text.size()) - start;
  auto width_of = [&](int n) { return dc.wide_text_width(font, text.substr(start, n)); };
  int fits = 0;
  int window = std::min(rest, scan_window(available_width));
  while (width_of(window) <= available_width) {
    fits = window;
    if (window == rest) return fits;
    window = wider_window(window, rest);
  }
  int too_wide = window;
  while (too_wide - fits > 1) {
    const int middle = fits + (too_wide - fits) / 2;
    if (width_of(middle) <= available_width)
      fits = middle;
    else
      too_wide = middle;
  }
  return fits;
}

template <class Char>
FitResult fit_text(Surface& dc, const CharFormat& format, const std::basic_string<Char>& text,
                   int available_width, int start, bool extend_over_spaces) {
  FitResult result;
  const int length = static_cast<int>(text.size());
  if (available_width < 1 || start >= length) {
    result.reaches_end = start >= length;
    return result;
  }
  ScopedFont font(dc, font_spec(format, dc.caps().dpi_y, false));
  const std::basic_string_view<Char> all(text);
  int count = fitting_count(dc, font.get(), all, start, available_width);
  count = extend_over_spaces ? extend_spaces(text, start, count) : trim_spaces(text, start, count);
  result.count = count;
  result.reaches_end = start + count == length;
  if (count > 0) result.width = text_width(dc, font.get(), all.substr(start, count));
  return result;
}

template <class Char>
MeasureResult measure_text(Surface& dc, const CharFormat& format, const std::basic_string<Char>& text,
                           int start, int count, bool trim_trailing_spaces) {
  int n = resolve_count(static_cast<int>(text.size()), start, count);
  if (trim_trailing_spaces) n = trim_spaces(text, start, n);
  MeasureResult result = run_metrics(dc, format);
  result.trimmed_count = n;
  if (n > 0) {
    ScopedFont font(dc, font_spec(format, dc.caps().dpi_y, is_vertical(format)));
    result.width = text_width(dc, font.get(), std::basic_string_view<Char>(text).substr(start, n));
  }
  return result;
}

template <class Char>
void draw_text_run(Surface& dc, const CharFormat& format, const std::basic_string<Char>& text, int start,
                   int count, int x, int y, Colour auto_text_colour) {
  const int n = resolve_count(static_cast<int>(text.size()), start, count);
  if (n == 0) return;
  ScopedFont font(dc, font_spec(format, dc.caps().dpi_y, is_vertical(format)));
  if (!font.valid()) return;
  const int offset = vertical_offset(dc, format, font.get());
  draw_text(dc, font.get(), x, y + offset, std::basic_string_view<Char>(text).substr(start, n),
            text_colour(format, auto_text_colour), text_background(format));
}

}  // namespace

// ---- TextRun

FitResult TextRun::fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const {
  return fit_text(dc, format, text, available_width, start, extend_over_spaces);
}

int TextRun::find_break(int start, int count) const { return find_text_break(text, start, count); }

MeasureResult TextRun::measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const {
  return measure_text(dc, format, text, start, count, trim_trailing_spaces);
}

void TextRun::draw(Surface& dc, int start, int count, int x, int y, Colour, Colour auto_text_colour) const {
  draw_text_run(dc, format, text, start, count, x, y, auto_text_colour);
}

// ---- WideTextRun

FitResult WideTextRun::fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const {
  return fit_text(dc, format, text, available_width, start, extend_over_spaces);
}

int WideTextRun::find_break(int start, int count) const { return find_text_break(text, start, count); }

MeasureResult WideTextRun::measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const {
  return measure_text(dc, format, text, start, count, trim_trailing_spaces);
}

void WideTextRun::draw(Surface& dc, int start, int count, int x, int y, Colour,
                       Colour auto_text_colour) const {
  draw_text_run(dc, format, text, start, count, x, y, auto_text_colour);
}

// ---- PictureItem

int PictureItem::pixel_width(const DeviceCaps& caps) const {
  return picture_twips_to_pixels(goal_width, caps.dpi_x) + picture_pad(crop_left, caps.dpi_x) +
         picture_pad(crop_right, caps.dpi_x);
}

int PictureItem::pixel_height(const DeviceCaps& caps) const {
  return picture_twips_to_pixels(goal_height, caps.dpi_y) + picture_pad(crop_top, caps.dpi_y) +
         picture_pad(crop_bottom, caps.dpi_y);
}

FitResult PictureItem::fit(Surface& dc, int available_width, int start, bool) const {
  FitResult result;
  result.width = pixel_width(dc.caps());
  if (start >= 1) {  // already placed
    result.reaches_end = true;
    result.width = 0;
    return result;
  }
  if (result.width <= available_width) {
    result.count = 1;
    result.reaches_end = true;
  }
  return result;
}

int PictureItem::find_break(int, int) const { return 0; }

MeasureResult PictureItem::measure(Surface& dc, int start, int count, bool) const {
  MeasureResult result;
  const int n = resolve_count(length(), start, count);
  result.trimmed_count = n;
  if (n != 0) {
    result.width = pixel_width(dc.caps());
    result.ascent = pixel_height(dc.caps()) + 4;
  } else {
    result.ascent = 4;
  }
  return result;
}

void PictureItem::draw(Surface& dc, int start, int count, int x, int y, Colour, Colour) const {
  if (resolve_count(length(), start, count) == 0) return;
  const DeviceCaps caps = dc.caps();
  Rect dest;
  dest.left = x + picture_pad(crop_left, caps.dpi_x);
  dest.top = y + picture_pad(crop_top, caps.dpi_y) + 4;
  dest.right = dest.left + picture_twips_to_pixels(goal_width, caps.dpi_x);
  dest.bottom = dest.top + picture_twips_to_pixels(goal_height, caps.dpi_y);
  MetafileRef metafile;
  metafile.enhanced = is_enhanced;
  metafile.data = data;
  metafile.mapping_mode = mapping_mode;
  metafile.pic_width = pic_width;
  metafile.pic_height = pic_height;
  dc.play_metafile(metafile, dest);
}

}  // namespace tippaint
