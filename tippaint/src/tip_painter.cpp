// Line-by-line layout and painting of rich-text documents: each line is fitted, broken,
// measured, aligned and drawn before the next one is broken.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tippaint/layout.h"

namespace tippaint {
namespace {

// Lines a tooltip may paint in all. Lines of zero height (exact spacing below a pixel) never
// reach the screen's bottom, so without this bound a long document would be laid out to its end.
constexpr int kMaxLines = 2000;
// The vertical position is kept within this range so spacing can never overflow it.
constexpr std::int64_t kMaxPosition = 1 << 28;

int clamp_position(std::int64_t y) { return static_cast<int>(std::clamp(y, -kMaxPosition, kMaxPosition)); }

// One item's share of a line.
struct Piece {
  std::size_t index = 0;  // into the span's items
  int start = 0;
  int count = 0;
  bool complete = false;  // the item's end is on this line
};

}  // namespace

// Breaks and paints the lines of one span.
class TipPainter::LineBreaker {
 public:
  LineBreaker(TipPainter& painter, const Span& span, const ParaFormat& format, int left_first, int left_other,
              int avail_first, int avail_other, int& line_counter, int& max_right)
      : painter_(painter),
        dc_(painter.dc_),
        span_(span),
        format_(format),
        left_first_(left_first),
        left_other_(left_other),
        avail_first_(avail_first),
        avail_other_(avail_other),
        line_counter_(line_counter),
        max_right_(max_right) {}

  // Returns false when the tooltip was truncated.
  bool run() {
    const auto& items = span_.items;
    std::size_t index = 0;
    int position = 0;
    while (true) {
      while (index < items.size() && position >= items[index]->length()) {
        ++index;
        position = 0;
      }
      if (index >= items.size()) return true;
      if (!line(index, position)) return false;
    }
  }

 private:
  bool line(std::size_t& index, int& position) {
    const bool first_line = line_counter_ == 0;
    const int left = first_line ? left_first_ : left_other_;
    const int avail = first_line ? avail_first_ : avail_other_;
    if (avail <= 0) throw RTFException(RTFException::kNoRoomForLine);

    std::vector<Piece> pieces = fit(index, position, avail);
    break_line(pieces);

    // Metrics: the span's font, raised to every item's.
    const FontMetrics span_metrics = format_metrics(dc_, span_.format);
    int ascent = span_metrics.ascent;
    int descent = span_metrics.descent;
    std::int64_t width = 0;
    std::vector<MeasureResult> measures;
    measures.reserve(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const Piece& p = pieces[i];
      const MeasureResult m = item(p).measure(dc_, p.start, p.count, trims(pieces, i));
      ascent = std::max(ascent, m.ascent);
      descent = std::max(descent, m.descent);
      width += m.width;
      measures.push_back(m);
    }
    const int line_width = static_cast<int>(std::clamp<std::int64_t>(width, -kMaxPosition, kMaxPosition));
    const int height = line_height(ascent + descent);

    int x = left + kLineIndent;
    if (format_.alignment == ParaFormat::kRight)
      x += avail - line_width;
    else if (format_.alignment == ParaFormat::kCentred)
      x += (avail - line_width) / 2;

    if (painter_.would_truncate(height)) {
      painter_.truncate(max_right_);
      return false;
    }

    const int baseline = painter_.y_ + ascent;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const Piece& p = pieces[i];
      const MeasureResult& m = measures[i];
      item(p).draw(dc_, p.start, m.trimmed_count, x, baseline - m.ascent, painter_.background_,
                   painter_.auto_text_colour_);
      x = clamp_position(static_cast<std::int64_t>(x) + m.width);
      max_right_ = std::max(max_right_, x);
    }
    painter_.advance(height);
    ++line_counter_;
    ++painter_.lines_;

    const Piece& last = pieces.back();
    index = last.index;
    position = last.start + last.count;
    return true;
  }

  // Takes items from (index, position) while they fit into `avail`.
  std::vector<Piece> fit(std::size_t index, int position, int avail) {
    std::vector<Piece> pieces;
    int used = 0;
    while (true) {
      const LayoutItem& it = *span_.items[index];
      FitResult f = it.fit(dc_, avail - used, position, true);
      if (f.count == 0 && !f.reaches_end && pieces.empty()) {
        // Not even one unit fits: a picture is taken whole, text by one unit, and the item
        // takes all of the line.
        f.count = 1;
        f.reaches_end = position + 1 >= it.length();
        used = avail;
      } else {
        // Negative picture widths lower the sum too; both ends are bounded so that the width
        // still available can always be computed.
        used = clamp_position(static_cast<std::int64_t>(used) + f.width);
      }
      pieces.push_back({index, position, f.count, f.reaches_end});
      if (!f.reaches_end) return pieces;
      ++index;
      position = 0;
      if (index >= span_.items.size()) return pieces;
    }
  }

  // Ends the line after the last break opportunity when its last item did not fit.
  void break_line(std::vector<Piece>& pieces) {
    Piece& last = pieces.back();
    if (last.complete) return;
    if (const int at = item(last).find_break(last.start, last.count); at > 0) {
      last.count = at;
      return;
    }
    for (std::size_t k = pieces.size() - 1; k-- > 0;) {
      Piece& p = pieces[k];
      if (const int at = item(p).find_break(p.start, LayoutItem::kToEnd); at > 0) {
        p.count = at;
        p.complete = p.start + at >= item(p).length();
        pieces.resize(k + 1);
        return;
      }
    }
    // No break anywhere: a long word is cut where the width ran out.
  }

  // The last item, and one directly before a last item that has nothing on this line, lose
  // their trailing spaces.
  static bool trims(const std::vector<Piece>& pieces, std::size_t i) {
    const std::size_t last = pieces.size() - 1;
    return i == last || (i + 1 == last && pieces[last].count == 0);
  }

  int line_height(int natural) const {
    const int dpi_y = painter_.caps_.dpi_y;
    const int spacing = format_.line_spacing;
    // A spacing of 0 ("\sl0") means automatic, as in every RTF writer, rather than lines
    // painted over each other.
    if (spacing == ParaFormat::kAutoLineSpacing || spacing == 0) return natural;
    // A negative multiple would move the following lines up over the ones already painted.
    if (format_.line_multiple != 0)
      return clamp_position(std::max<std::int64_t>(0, static_cast<std::int64_t>(natural) * spacing / 240));
    if (spacing > 0) return std::max(natural, twips_to_pixels(spacing, dpi_y));
    return twips_to_pixels(-spacing, dpi_y);
  }

  const LayoutItem& item(const Piece& p) const { return *span_.items[p.index]; }

  TipPainter& painter_;
  Surface& dc_;
  const Span& span_;
  const ParaFormat& format_;
  int left_first_, left_other_, avail_first_, avail_other_;
  int& line_counter_;
  int& max_right_;
};

TipPainter::TipPainter(Surface& dc, Colour background)
    : dc_(dc),
      caps_(dc.caps()),
      background_(background),
      auto_text_colour_(automatic_text_colour(background)) {
  if (!dc_.fill_rect({0, 0, caps_.screen_width, caps_.screen_height}, background_))
    throw DrawException(DrawException::kBrush);
  normal_font_ = dc_.create_font(painter_font_spec(caps_.dpi_y, false));
  if (normal_font_ == kNoFont) throw DrawException(DrawException::kFont);
  bold_font_ = dc_.create_font(painter_font_spec(caps_.dpi_y, true));
  if (bold_font_ == kNoFont) {
    dc_.delete_font(normal_font_);
    throw DrawException(DrawException::kFont);
  }
}

TipPainter::~TipPainter() {
  dc_.delete_font(bold_font_);
  dc_.delete_font(normal_font_);
}

bool TipPainter::would_truncate(int height) const {
  return lines_ >= kMaxLines ||
         static_cast<std::int64_t>(y_) + height > caps_.screen_height - kTruncationMargin;
}

void TipPainter::truncate(int max_right) {
  ScopedFont font(dc_, ellipsis_font_spec(caps_.dpi_y));
  if (font.valid()) dc_.draw_text(font.get(), kLineIndent, y_, "...", auto_text_colour_, std::nullopt);
  const FontMetrics m = dc_.metrics(font.get());
  advance(m.ascent + m.descent);
  truncated_ = true;
  result_size_.width = std::max(result_size_.width, max_right);
  result_size_.height = y_;
}

void TipPainter::advance(int pixels) { y_ = clamp_position(static_cast<std::int64_t>(y_) + pixels); }

void TipPainter::render_document(const RichDocument& document) {
  if (truncated_) return;
  int max_right = 0;
  for (const Section& section : document.sections()) {
    const int page = twips_to_pixels(section.format.page_width, caps_.dpi_x);
    const int margins = twips_to_pixels(section.format.margin_left, caps_.dpi_x) +
                        twips_to_pixels(section.format.margin_right, caps_.dpi_x);
    for (const Paragraph& paragraph : section.paragraphs) {
      const ParaFormat& format = paragraph.format;
      // Negative spacing would paint over earlier lines and the header band: it counts as 0.
      advance(std::max(0, twips_to_pixels(format.space_before, caps_.dpi_y)));
      const int indent_left = twips_to_pixels(format.left_indent, caps_.dpi_x);
      const int indent_right = twips_to_pixels(format.right_indent, caps_.dpi_x);
      const int indent_first = twips_to_pixels(format.first_indent, caps_.dpi_x);
      const int left_first = indent_left + indent_first;
      const int avail_first = page - left_first - indent_right - margins;
      const int avail_other = page - indent_left - indent_right - margins;
      int line_counter = 0;
      for (const Span& span : paragraph.spans) {
        if (span.items.empty()) {
          // A blank line as high as the span's font; it may end the tooltip like any line.
          const FontMetrics m = format_metrics(dc_, span.format);
          if (would_truncate(m.ascent + m.descent)) {
            truncate(max_right);
            return;
          }
          advance(m.ascent + m.descent);
          ++line_counter;
          ++lines_;
          continue;
        }
        LineBreaker breaker(*this, span, format, left_first, indent_left, avail_first, avail_other,
                            line_counter, max_right);
        if (!breaker.run()) return;
      }
      advance(std::max(0, twips_to_pixels(format.space_after, caps_.dpi_y)));
    }
  }
  result_size_.width = std::max(result_size_.width, max_right);
  result_size_.height = y_;
}

void TipPainter::draw_separator() {
  result_size_.height += 2;
  dc_.draw_line({0, result_size_.height}, {caps_.screen_width - 1, result_size_.height}, auto_text_colour_);
  result_size_.height += 1;
  y_ = result_size_.height;
}

}  // namespace tippaint
