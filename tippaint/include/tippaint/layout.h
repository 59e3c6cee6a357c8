// Lays rich-text documents out line by line and paints them through a Surface, one below the
// other, below the tooltip's header band. Each line is measured, positioned and drawn before
// the next is broken. The frame, logos and window shape around the result are drawn by the
// caller from result_size() once the documents are done.
#pragma once

#include "tippaint/draw_exception.h"
#include "tippaint/rich_document.h"
#include "tippaint/rtf_exception.h"
#include "tippaint/surface.h"

namespace tippaint {

// The painter's text area starts below a header band of this height (plus one pixel).
inline constexpr int kHeaderHeight = 30;
inline constexpr int kFirstTextLine = 31;
inline constexpr int kMinimumTooltipWidth = 120;
// Horizontal offset of every line from the tooltip's left edge.
inline constexpr int kLineIndent = 6;
// A line whose bottom would lie below screen height minus this is replaced by "...".
inline constexpr int kTruncationMargin = 70;
// Extent limit used when measuring text and when forcing an oversized item onto a line.
inline constexpr int kMaxExtent = 30000;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// 0 (black) .. 255 (white), weighted towards green.
int brightness(Colour colour);
// White on dark backgrounds (brightness at most 128), black otherwise.
Colour automatic_text_colour(Colour background);
// (a * b) / c rounded half away from zero, -1 when c is 0 (the Windows MulDiv rules).
int mul_div(int a, int b, int c);

// Unit conversions; horizontal lengths take dpi_x, vertical ones dpi_y.
int twips_to_pixels(int twips, int dpi);          // truncating
int picture_twips_to_pixels(int twips, int dpi);  // rounded
int half_points_to_pixels(int half_points, int dpi_y);
// The font a character format paints in; `reduced` gives the two-thirds size of sub- and
// superscript.
FontSpec font_spec(const CharFormat& format, int dpi_y, bool reduced);
// The metrics of a format's normal-size font on `dc`.
FontMetrics format_metrics(Surface& dc, const CharFormat& format);
// The painter's 8-point "MS Sans Serif" fonts and the 12-point bold one of the "..." line.
FontSpec painter_font_spec(int dpi_y, bool bold);
FontSpec ellipsis_font_spec(int dpi_y);

class TipPainter {
 public:
  // Fills the whole screen-sized area with the background and makes the painter's fonts.
  // Throws DrawException (kBrush, kFont) after releasing what it had made.
  TipPainter(Surface& dc, Colour background);
  ~TipPainter();
  TipPainter(const TipPainter&) = delete;
  TipPainter& operator=(const TipPainter&) = delete;

  // Lays out and paints one document from y() downwards. Throws RTFException kNoRoomForLine.
  void render_document(const RichDocument& document);
  // A horizontal rule between documents.
  void draw_separator();

  Surface& surface() const { return dc_; }
  const DeviceCaps& caps() const { return caps_; }
  Size result_size() const { return result_size_; }
  int y() const { return y_; }
  bool truncated() const { return truncated_; }
  Colour background() const { return background_; }
  Colour auto_text_colour() const { return auto_text_colour_; }
  FontId normal_font() const { return normal_font_; }
  FontId bold_font() const { return bold_font_; }

 private:
  class LineBreaker;

  bool would_truncate(int height) const;
  // Draws "..." instead of the next line and ends the tooltip's content.
  void truncate(int max_right);
  void advance(int pixels);

  Surface& dc_;
  DeviceCaps caps_;
  Colour background_;
  Colour auto_text_colour_;
  FontId normal_font_ = kNoFont;
  FontId bold_font_ = kNoFont;
  Size result_size_{kMinimumTooltipWidth, kFirstTextLine};
  int y_ = kFirstTextLine;
  bool truncated_ = false;
  int lines_ = 0;
};

}  // namespace tippaint
