// The rich-text document one tooltip RTF document is read into: sections of paragraphs of
// spans of layout items. A span is the unit of line breaking (every span starts a new line);
// the document owns every item, spans refer to them in order.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "tippaint/formats.h"
#include "tippaint/rtf_exception.h"
#include "tippaint/surface.h"

namespace tippaint {

struct FitResult {
  int count = 0;             // units that fit
  bool reaches_end = false;  // start + count is the end of the item
  int width = 0;             // pixels of the counted units
};

struct MeasureResult {
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int trimmed_count = 0;  // the count after trailing spaces were trimmed
};

// Anything that can stand on a line. Positions count bytes (TextRun), UTF-16 units
// (WideTextRun) or the single unit of a picture; a count of -1 means "to the end".
class LayoutItem {
 public:
  static constexpr int kToEnd = -1;

  virtual ~LayoutItem() = default;
  virtual int length() const = 0;

  // How much from `start` fits into `available_width` pixels.
  virtual FitResult fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const = 0;
  // The last break opportunity within `count` units from `start`, as a count; 0 when none.
  virtual int find_break(int start, int count) const = 0;
  // Paints `count` units from `start` with the top-left corner at (x, y).
  virtual void draw(Surface& dc, int start, int count, int x, int y, Colour background,
                    Colour auto_text_colour) const = 0;
  virtual MeasureResult measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const = 0;
};

// 8-bit text in the font's character set.
class TextRun : public LayoutItem {
 public:
  TextRun(const CharFormat& format, std::string text) : format(format), text(std::move(text)) {}

  int length() const override { return static_cast<int>(text.size()); }
  FitResult fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const override;
  int find_break(int start, int count) const override;
  void draw(Surface& dc, int start, int count, int x, int y, Colour background,
            Colour auto_text_colour) const override;
  MeasureResult measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const override;

  CharFormat format;
  std::string text;
};

// UTF-16 text; the format carries the wide-text flag.
class WideTextRun : public LayoutItem {
 public:
  WideTextRun(const CharFormat& format, std::u16string text) : format(format), text(std::move(text)) {}

  int length() const override { return static_cast<int>(text.size()); }
  FitResult fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const override;
  int find_break(int start, int count) const override;
  void draw(Surface& dc, int start, int count, int x, int y, Colour background,
            Colour auto_text_colour) const override;
  MeasureResult measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const override;

  CharFormat format;
  std::u16string text;
};

// A Windows or enhanced metafile picture.
class PictureItem : public LayoutItem {
 public:
  int length() const override { return 1; }
  FitResult fit(Surface& dc, int available_width, int start, bool extend_over_spaces) const override;
  int find_break(int start, int count) const override;
  void draw(Surface& dc, int start, int count, int x, int y, Colour background,
            Colour auto_text_colour) const override;
  MeasureResult measure(Surface& dc, int start, int count, bool trim_trailing_spaces) const override;

  // Pixel size on `dc`, including the room that negative crops add.
  int pixel_width(const DeviceCaps& caps) const;
  int pixel_height(const DeviceCaps& caps) const;

  bool is_enhanced = false;
  std::int32_t pic_width = 0, pic_height = 0;    // metafile extents (\picw, \pich)
  std::int32_t goal_width = 0, goal_height = 0;  // twips
  std::int16_t mapping_mode = 1;
  std::int16_t scale_x = 100, scale_y = 100;                                  // percent; not painted
  std::int16_t crop_left = 0, crop_right = 0, crop_top = 0, crop_bottom = 0;  // twips
  std::vector<std::uint8_t> data;
};

struct Span {
  CharFormat format;
  std::vector<const LayoutItem*> items;  // into the document's stores
};

struct Paragraph {
  ParaFormat format;
  std::vector<Span> spans;
  bool span_pending = true;
};

struct Section {
  SectionFormat format;
  std::vector<Paragraph> paragraphs;
  bool paragraph_pending = true;
};

class RichDocument {
 public:
  // Items, spans, paragraphs and sections one document may hold in all. A tooltip holds a
  // few dozen lines; the bound keeps a hostile buffer from turning every few bytes into a
  // node many times their size. Beyond it building throws RTFException kTooLarge.
  static constexpr std::size_t kMaxNodes = 1 << 18;

  RichDocument() = default;
  RichDocument(const RichDocument&) = delete;  // spans point into this document's stores
  RichDocument& operator=(const RichDocument&) = delete;

  // Building, in the reader's order.
  void add_text_run(const CharFormat& format, std::string text);
  void add_wide_text_run(const CharFormat& format, std::u16string text);
  void add_picture(PictureItem picture);
  void end_span(const CharFormat& format);
  void end_paragraph(const ParaFormat& format);
  void set_section_format(const SectionFormat& format);
  bool paragraph_pending();
  void request_new_section();

  const std::vector<Section>& sections() const { return sections_; }
  const std::deque<TextRun>& text_runs() const { return text_runs_; }
  const std::deque<WideTextRun>& wide_text_runs() const { return wide_text_runs_; }
  const std::deque<PictureItem>& pictures() const { return pictures_; }
  bool section_pending() const { return section_pending_; }

 private:
  Section& ensure_section();
  Paragraph& ensure_paragraph();
  Span& ensure_span();
  void count_node();

  // Deques keep item addresses stable while spans refer to them.
  std::deque<TextRun> text_runs_;
  std::deque<WideTextRun> wide_text_runs_;
  std::deque<PictureItem> pictures_;
  std::vector<Section> sections_;
  bool section_pending_ = true;
  std::size_t nodes_ = 0;
};

}  // namespace tippaint
