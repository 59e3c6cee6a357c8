// Line layout and painting over the fixed-advance surface: at 96 dpi a 12-point character is
// 8 pixels wide and its line 16 pixels high (ascent 12, descent 4).
#include "tippaint/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "rtf_test_support.h"
#include "tippaint/fixed_surface.h"

namespace tippaint {
namespace {

// A page of `width` pixels at 96 dpi without margins: 15 twips a pixel.
std::string page(int width) { return "\\paperw" + std::to_string(width * 15) + "\\margl0\\margr0\\sectd"; }

struct Painted {
  FixedSurface surface;
  Size size;
  bool truncated = false;
  int y = 0;

  explicit Painted(DeviceCaps caps = {}) : surface(caps) {}

  std::string text(std::size_t i) const {
    std::string out;
    for (char16_t c : surface.texts.at(i).text) out.push_back(static_cast<char>(c));
    return out;
  }
  Point at(std::size_t i) const { return {surface.texts.at(i).x, surface.texts.at(i).y}; }
};

// Paints each document with one painter.
Painted& paint(Painted& out, std::initializer_list<std::string> documents) {
  TipPainter painter(out.surface, make_colour(255, 255, 225));
  for (const std::string& rtf : documents) {
    RichDocument doc;
    parse_document(rtf, doc);
    painter.render_document(doc);
    if (painter.truncated()) break;
  }
  out.size = painter.result_size();
  out.truncated = painter.truncated();
  out.y = painter.y();
  return out;
}

TEST(TipPainterSetUp, FillsTheScreenAndMakesTheFonts) {
  FixedSurface surface;
  {
    TipPainter painter(surface, make_colour(0, 0, 0));
    ASSERT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.fills[0].rect, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(surface.fills[0].colour, make_colour(0, 0, 0));
    EXPECT_EQ(painter.result_size(), (Size{120, 31}));
    EXPECT_EQ(painter.y(), 31);
    EXPECT_FALSE(painter.truncated());
    EXPECT_EQ(surface.live_fonts(), 2u);
    EXPECT_EQ(painter.auto_text_colour(), make_colour(255, 255, 255));
  }
  EXPECT_EQ(surface.live_fonts(), 0u);

  FixedSurface no_brush;
  no_brush.fail_fills(true);
  try {
    TipPainter painter(no_brush, 0);
    FAIL();
  } catch (const DrawException& e) {
    EXPECT_EQ(e.code(), DrawException::kBrush);
  }
  FixedSurface one_font;
  one_font.fail_fonts_after(1);
  try {
    TipPainter painter(one_font, 0);
    FAIL();
  } catch (const DrawException& e) {
    EXPECT_EQ(e.code(), DrawException::kFont);
  }
  EXPECT_EQ(one_font.live_fonts(), 0u);
}

TEST(TipPainterSetUp, AutomaticTextColourFollowsBrightness) {
  EXPECT_EQ(brightness(make_colour(0, 0, 0)), 0);
  EXPECT_EQ(brightness(make_colour(255, 255, 255)), 255);
  EXPECT_EQ(brightness(make_colour(128, 128, 128)), 128);
  EXPECT_EQ(brightness(make_colour(255, 0, 0)), 132);
  // Every grey is its own brightness, on every floating-point unit.
  for (int k = 0; k < 256; ++k) EXPECT_EQ(brightness(make_colour(k, k, k)), k) << k;
  EXPECT_EQ(automatic_text_colour(make_colour(0, 0, 0)), make_colour(255, 255, 255));
  EXPECT_EQ(automatic_text_colour(make_colour(255, 255, 255)), make_colour(0, 0, 0));
  EXPECT_EQ(automatic_text_colour(make_colour(128, 128, 128)), make_colour(255, 255, 255));
  EXPECT_EQ(automatic_text_colour(make_colour(130, 130, 130)), make_colour(0, 0, 0));
  // Green weighs most: pure green is bright, pure blue dark.
  EXPECT_EQ(automatic_text_colour(make_colour(0, 255, 0)), make_colour(0, 0, 0));
  EXPECT_EQ(automatic_text_colour(make_colour(0, 0, 255)), make_colour(255, 255, 255));
}

TEST(TipPainterUnits, ConversionsAndFonts) {
  EXPECT_EQ(mul_div(8, 96, 72), 11);
  EXPECT_EQ(mul_div(-7, 3, 2), -11);  // halves round away from zero
  EXPECT_EQ(mul_div(1, 1, 0), -1);
  EXPECT_EQ(twips_to_pixels(1439, 96), 95);
  EXPECT_EQ(twips_to_pixels(-300, 96), -20);
  EXPECT_EQ(picture_twips_to_pixels(8, 96), 1);
  EXPECT_EQ(half_points_to_pixels(6, 96), 4);
  CharFormat format;
  EXPECT_EQ(font_spec(format, 96, false).height, -16);
  EXPECT_EQ(font_spec(format, 96, true).height, -11);
  format.set(CharFormat::kBold, true);
  format.underline = 15;
  format.strike = 2;
  format.set_face("Tahoma");
  const FontSpec spec = font_spec(format, 120, false);
  EXPECT_EQ(spec.height, -20);
  EXPECT_EQ(spec.weight, FontSpec::kBold);
  EXPECT_TRUE(spec.underline);
  EXPECT_TRUE(spec.strike_out);
  EXPECT_EQ(spec.face, "Tahoma");
  EXPECT_EQ(painter_font_spec(96, true).face, "MS Sans Serif");
  EXPECT_EQ(painter_font_spec(96, false).height, -11);
  EXPECT_EQ(ellipsis_font_spec(96).height, -16);
}

TEST(TipPainterLines, OneLineBelowTheHeader) {
  Painted p;
  paint(p, {"{\\rtf1 Hello}"});
  ASSERT_EQ(p.surface.texts.size(), 1u);
  EXPECT_EQ(p.text(0), "Hello");
  EXPECT_EQ(p.at(0), (Point{6, 31}));
  EXPECT_EQ(p.surface.texts[0].colour, make_colour(0, 0, 0));
  EXPECT_FALSE(p.surface.texts[0].background.has_value());
  EXPECT_EQ(p.size, (Size{120, 47}));  // at least 120 wide
  EXPECT_EQ(p.surface.live_fonts(), 0u);
}

TEST(TipPainterLines, BreaksAfterSpacesAndHyphens) {
  Painted p;
  paint(p, {"{\\rtf1" + page(80) + " hello world again}"});
  ASSERT_EQ(p.surface.texts.size(), 3u);
  EXPECT_EQ(p.text(0), "hello");
  EXPECT_EQ(p.text(1), "world");
  EXPECT_EQ(p.text(2), "again");
  EXPECT_EQ(p.at(1), (Point{6, 47}));
  EXPECT_EQ(p.at(2), (Point{6, 63}));
  EXPECT_EQ(p.size, (Size{120, 79}));

  Painted hyphen;
  paint(hyphen, {"{\\rtf1" + page(80) + " abc-defghijk}"});
  ASSERT_EQ(hyphen.surface.texts.size(), 2u);
  EXPECT_EQ(hyphen.text(0), "abc-");
  EXPECT_EQ(hyphen.text(1), "defghijk");

  // A break in an earlier run of the line ends the line there.
  Painted runs;
  paint(runs, {"{\\rtf1" + page(80) + " ab {\\b cdefghijkl}}"});
  ASSERT_EQ(runs.surface.texts.size(), 2u);
  EXPECT_EQ(runs.text(0), "ab");
  EXPECT_EQ(runs.text(1), "cdefghijkl");
  EXPECT_EQ(runs.at(1), (Point{6, 47}));
}

TEST(TipPainterLines, TrailingSpaceDoesNotCountForAlignment) {
  Painted p;
  paint(p, {"{\\rtf1" + page(40) + "\\qr hello world}"});
  ASSERT_EQ(p.surface.texts.size(), 2u);
  EXPECT_EQ(p.text(0), "hello");
  EXPECT_EQ(p.at(0), (Point{6, 31}));  // 40 - 40 + 6
  EXPECT_EQ(p.at(1), (Point{6, 47}));
}

TEST(TipPainterLines, LongWordsAreCut) {
  Painted p;
  paint(p, {"{\\rtf1" + page(80) + " abcdefghijkl}"});
  ASSERT_EQ(p.surface.texts.size(), 2u);
  EXPECT_EQ(p.text(0), "abcdefghij");
  EXPECT_EQ(p.text(1), "kl");

  // Not even one character fits: one is placed anyway on every line.
  Painted huge;
  paint(huge, {"{\\rtf1" + page(40) + "\\fs200 abc}"});
  ASSERT_EQ(huge.surface.texts.size(), 3u);
  EXPECT_EQ(huge.text(0), "a");
  EXPECT_EQ(huge.text(2), "c");
  EXPECT_EQ(huge.at(1).y - huge.at(0).y, 133);
}

// Combining marks and joiners advance by nothing: this surface gives 'z' and U+0301 no width.
class ZeroAdvanceSurface : public FixedSurface {
 public:
  int text_fit(FontId font, std::string_view text, int max_width) override {
    if (max_width < 1) return 0;
    int width = 0, n = 0;
    for (char c : text) {
      width += c == 'z' ? 0 : advance_of(spec(font));
      if (width > max_width) break;
      ++n;
    }
    return n;
  }
  int text_width(FontId font, std::string_view text) override {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c != 'z'; })) *
           advance_of(spec(font));
  }
  int wide_text_width(FontId font, std::u16string_view text) override {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char16_t c) { return c != 0x301; })) *
           advance_of(spec(font));
  }

 private:
  FontSpec spec(FontId) const { return font_spec(CharFormat{}, 96, false); }
};

TEST(TipPainterLines, TextWithoutAdvanceStaysOnItsLine) {
  // Five hundred glyphs without advance and "a b" fit one 80-pixel line; fitting used to look
  // at no more than twice the width in bytes and cut the run into lines of 176.
  ZeroAdvanceSurface surface;
  TipPainter painter(surface, make_colour(255, 255, 225));
  RichDocument narrow;
  parse_document("{\\rtf1" + page(80) + " " + std::string(500, 'z') + "a b}", narrow);
  painter.render_document(narrow);
  ASSERT_EQ(surface.texts.size(), 1u);
  EXPECT_EQ(surface.texts[0].text.size(), 503u);
  EXPECT_EQ(painter.y(), 31 + 16);

  std::string marks = "{\\rtf1" + page(80) + "\\uc0 ";
  for (int i = 0; i < 500; ++i) marks += "\\u769";
  RichDocument wide;
  parse_document(marks + "\\u97\\u32\\u98 c}", wide);
  surface.texts.clear();
  painter.render_document(wide);
  ASSERT_EQ(surface.texts.size(), 2u);
  EXPECT_EQ(surface.texts[0].text.size(), 503u);
  EXPECT_EQ(surface.texts[1].text, u"c");
  EXPECT_EQ(surface.texts[1].y, 47);
  EXPECT_EQ(painter.y(), 47 + 16);
}

TEST(TipPainterLines, LinesOfAParagraphShareItsFirstLineAndSpanFont) {
  // The first-line indent belongs to the paragraph's first line, also across \line, and a
  // blank span is a line of its own.
  Painted p;
  paint(p, {"{\\rtf1\\fi300 a\\line b\\par\\line c\\line d}"});
  ASSERT_EQ(p.surface.texts.size(), 4u);
  EXPECT_EQ(p.at(0), (Point{26, 31}));
  EXPECT_EQ(p.at(1), (Point{6, 47}));
  EXPECT_EQ(p.at(2), (Point{6, 79}));
  EXPECT_EQ(p.at(3), (Point{6, 95}));

  // A line is at least as high as the font in force at the end of its span (20-point: ascent
  // 20, descent 7), whatever the size of the text on it.
  Painted tall;
  paint(tall, {"{\\rtf1{\\fs16 a}\\fs40\\line{\\fs16 b}}"});
  ASSERT_EQ(tall.surface.texts.size(), 2u);
  EXPECT_EQ(tall.at(0), (Point{6, 31 + 20 - 8}));
  // The last span ends with the document, in the same 20-point font.
  EXPECT_EQ(tall.at(1), (Point{6, 31 + 27 + 20 - 8}));
  EXPECT_EQ(tall.size.height, 31 + 27 + 27);
}

TEST(TipPainterLines, Alignment) {
  // Runs of 50 and 30 pixels (10-pixel characters at 15 points) on a 200-pixel line.
  Painted centred;
  paint(centred, {"{\\rtf1" + page(200) + "\\qc\\fs30 aaaaa{\\b bbb}}"});
  ASSERT_EQ(centred.surface.texts.size(), 2u);
  EXPECT_EQ(centred.at(0).x, 66);  // left + 6 + 60
  EXPECT_EQ(centred.at(1).x, 116);

  Painted right;
  paint(right, {"{\\rtf1" + page(200) + "\\qr\\li150 ab}"});
  EXPECT_EQ(right.at(0).x, 10 + 200 - 10 - 16 + 6);

  Painted justified;
  paint(justified, {"{\\rtf1" + page(200) + "\\qj\\li150\\fi150 ab\\line cd}"});
  ASSERT_EQ(justified.surface.texts.size(), 2u);
  EXPECT_EQ(justified.at(0).x, 26);  // first line: left + first indent
  EXPECT_EQ(justified.at(1).x, 16);  // a forced break starts the paragraph's second line
}

TEST(TipPainterLines, IndentsAndMargins) {
  // First-line indent applies to the paragraph's first line only.
  Painted p;
  paint(p, {"{\\rtf1" + page(80) + "\\li150\\fi150 hello world\\par next}"});
  ASSERT_EQ(p.surface.texts.size(), 3u);
  EXPECT_EQ(p.at(0).x, 26);
  EXPECT_EQ(p.at(1).x, 16);
  EXPECT_EQ(p.at(2).x, 26);

  // The default page at 96 dpi is 816 pixels with 120-pixel margins: no room is left by
  // 288-pixel indents on both sides.
  RichDocument doc;
  parse_document("{\\rtf1\\li4320\\ri4320 x}", doc);
  FixedSurface surface;
  TipPainter painter(surface, 0);
  try {
    painter.render_document(doc);
    FAIL();
  } catch (const RTFException& e) {
    EXPECT_EQ(e.code(), RTFException::kNoRoomForLine);
  }
  RichDocument narrower;
  parse_document("{\\rtf1\\li4320\\ri4305 x}", narrower);
  painter.render_document(narrower);
  EXPECT_EQ(surface.texts.size(), 1u);
}

TEST(TipPainterSpacing, ExactMinimumAndMultiple) {
  auto line_step = [](const std::string& words, const std::string& text = "a\\line b") {
    Painted p;
    paint(p, {"{\\rtf1" + words + " " + text + "}"});
    return p.at(1).y - p.at(0).y;
  };
  EXPECT_EQ(line_step(""), 16);
  EXPECT_EQ(line_step("\\sl-300"), 20);
  EXPECT_EQ(line_step("\\sl-300\\fs40"), 20);  // exact even when the font is taller
  EXPECT_EQ(line_step("\\sl300"), 20);
  EXPECT_EQ(line_step("\\sl300\\fs40"), 27);  // a minimum only
  EXPECT_EQ(line_step("\\sl360\\slmult1"), 24);
  EXPECT_EQ(line_step("\\sl0"), 16);  // 0 is automatic
  EXPECT_EQ(line_step("\\sl1000"), 16);
  // Nothing moves the next line above the current one.
  EXPECT_EQ(line_step("\\sl-240\\slmult1"), 0);
  EXPECT_EQ(line_step("\\sl-1"), 0);

  Painted spaced;
  paint(spaced, {"{\\rtf1\\sb150\\sa300 a\\par\\pard b}"});
  EXPECT_EQ(spaced.at(0).y, 41);
  EXPECT_EQ(spaced.at(1).y, 41 + 16 + 20);
  Painted negative;
  paint(negative, {"{\\rtf1\\sb-3000 a\\par\\sa-3000 b\\par c}"});
  EXPECT_EQ(negative.at(0).y, 31);
  EXPECT_EQ(negative.at(1).y, 47);
  EXPECT_EQ(negative.at(2).y, 63);
}

TEST(TipPainterSpacing, EmptyParagraphsAreBlankLines) {
  Painted p;
  paint(p, {"{\\rtf1 a\\par\\fs40\\par\\fs24 b\\par\\par}"});
  ASSERT_EQ(p.surface.texts.size(), 2u);
  EXPECT_EQ(p.at(0).y, 31);
  EXPECT_EQ(p.at(1).y, 31 + 16 + 27);
  EXPECT_EQ(p.size.height, 31 + 16 + 27 + 16 + 16);
}

TEST(TipPainterItems, SubscriptSuperscriptRaisingAndLowering) {
  Painted p;
  paint(p, {"{\\rtf1 a{\\sub b}{\\super c}{\\up6 d}{\\dn6 e}}"});
  ASSERT_EQ(p.surface.texts.size(), 5u);
  // The raised run makes the ascent 16: baseline at 47.
  EXPECT_EQ(p.at(0), (Point{6, 35}));
  EXPECT_EQ(p.surface.texts[1].font.height, -11);
  EXPECT_EQ(p.at(1), (Point{14, 35 + 5}));  // bottoms aligned: 16 - 11
  EXPECT_EQ(p.at(2), (Point{19, 35}));      // superscript keeps the top; 5-pixel advance
  EXPECT_EQ(p.at(3), (Point{24, 31}));
  EXPECT_EQ(p.at(4), (Point{32, 35 + 4}));  // lowered by 6 half-points
  EXPECT_EQ(p.size.height, 31 + 16 + 4 + 4);
}

TEST(TipPainterItems, ColoursAndFonts) {
  Painted p;
  paint(p, {"{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset238 Tahoma;}}{\\colortbl;\\red200\\green0\\blue0;}"
            "\\f0\\cf1\\cb1\\b\\i\\ul\\strike x}"});
  ASSERT_EQ(p.surface.texts.size(), 1u);
  const FixedSurface::TextOp& op = p.surface.texts[0];
  EXPECT_EQ(op.colour, make_colour(200, 0, 0));
  EXPECT_EQ(op.background, make_colour(200, 0, 0));
  EXPECT_EQ(op.font.face, "Tahoma");
  EXPECT_EQ(op.font.charset, 238);
  EXPECT_EQ(op.font.pitch_and_family, 0x20);
  EXPECT_EQ(op.font.weight, FontSpec::kBold);
  EXPECT_TRUE(op.font.italic && op.font.underline && op.font.strike_out);
}

TEST(TipPainterItems, WideText) {
  Painted p;
  paint(p, {"{\\rtf1" + page(80) +
            "\\uc0 \\u337\\u337\\u337\\u32\\u337\\u337\\u337\\u337\\u337\\u337\\u337\\u337}"});
  ASSERT_EQ(p.surface.texts.size(), 2u);
  EXPECT_TRUE(p.surface.texts[0].wide);
  EXPECT_EQ(p.surface.texts[0].text, u"\u0151\u0151\u0151");
  EXPECT_EQ(p.surface.texts[1].text, std::u16string(8, u'\u0151'));
}

TEST(TipPainterItems, Pictures) {
  const std::string picture = "{\\pict\\wmetafile8\\picw10\\pich10\\picwgoal2400\\pichgoal300 0102}";
  Painted p;
  paint(p, {"{\\rtf1" + page(80) + " ab" + picture + "cd}"});
  // The picture is wider than the line: it stands alone on its own line at full width.
  ASSERT_EQ(p.surface.texts.size(), 2u);
  ASSERT_EQ(p.surface.metafiles.size(), 1u);
  EXPECT_EQ(p.at(0).y, 31);
  EXPECT_EQ(p.surface.metafiles[0].dest, (Rect{6, 47 + 4, 6 + 160, 47 + 4 + 20}));
  EXPECT_EQ(p.at(1).y, 47 + 28);
  EXPECT_EQ(p.size.width, 166);

  // A picture that fits shares the line and raises its ascent; negative crops add room.
  Painted inline_picture;
  paint(inline_picture,
        {"{\\rtf1 a{\\pict\\emfblip\\picwgoal300\\pichgoal300\\piccropl-150\\piccropt-150 01}b}"});
  ASSERT_EQ(inline_picture.surface.metafiles.size(), 1u);
  EXPECT_TRUE(inline_picture.surface.metafiles[0].enhanced);
  EXPECT_EQ(inline_picture.surface.metafiles[0].dest,
            (Rect{14 + 10, 31 + 10 + 4, 14 + 10 + 20, 31 + 14 + 20}));
  EXPECT_EQ(inline_picture.at(0).y, 31 + 34 - 12);
  EXPECT_EQ(inline_picture.at(1).x, 14 + 30);

  // Without data nothing is drawn, and layout goes on.
  Painted empty;
  paint(empty, {"{\\rtf1 a{\\pict\\wmetafile8\\picwgoal150\\pichgoal150}b}"});
  EXPECT_TRUE(empty.surface.metafiles.empty());
  EXPECT_EQ(empty.at(1).x, 14 + 10);
}

TEST(TipPainterItems, FailedFontsPaintNothingAndLayoutGoesOn) {
  FixedSurface surface;
  TipPainter painter(surface, 0);
  surface.fail_fonts_after(0);
  RichDocument doc;
  parse_document("{\\rtf1 a\\par b}", doc);
  painter.render_document(doc);
  EXPECT_TRUE(surface.texts.empty());
  EXPECT_EQ(painter.y(), 31 + 16 + 16);  // measured in the default font
}

TEST(TipPainterDocuments, SeparatorAndTruncation) {
  FixedSurface surface;
  TipPainter painter(surface, make_colour(0, 0, 0));
  RichDocument a, b;
  parse_document("{\\rtf1 a}", a);
  parse_document("{\\rtf1 b}", b);
  painter.render_document(a);
  painter.draw_separator();
  ASSERT_EQ(surface.lines.size(), 1u);
  EXPECT_EQ(surface.lines[0].from, (Point{0, 49}));
  EXPECT_EQ(surface.lines[0].to, (Point{1023, 49}));
  EXPECT_EQ(surface.lines[0].colour, make_colour(255, 255, 255));
  EXPECT_EQ(painter.y(), 50);
  painter.render_document(b);
  EXPECT_EQ(surface.texts.back().y, 50);
  EXPECT_EQ(painter.result_size().height, 66);

  // On a 200-pixel screen lines may end at 130: six lines, then "...".
  DeviceCaps small;
  small.screen_height = 200;
  Painted p(small);
  std::string many = "{\\rtf1";
  for (int i = 0; i < 20; ++i) many += " line\\par";
  paint(p, {many + "}", "{\\rtf1 never}"});
  EXPECT_TRUE(p.truncated);
  ASSERT_EQ(p.surface.texts.size(), 7u);
  EXPECT_EQ(p.text(6), "...");
  EXPECT_EQ(p.at(6), (Point{6, 31 + 6 * 16}));
  EXPECT_EQ(p.surface.texts[6].font.weight, FontSpec::kBold);
  EXPECT_EQ(p.surface.texts[6].font.height, -16);
  EXPECT_EQ(p.size.height, 31 + 7 * 16);

  // Blank lines end the tooltip the same way.
  Painted blank(small);
  paint(blank, {"{\\rtf1" + std::string(40, ' ') + "\\par\\par\\par\\par\\par\\par\\par\\par\\par}"});
  EXPECT_TRUE(blank.truncated);
}

TEST(TipPainterDocuments, ClientTooltip) {
  // What the client's style sheet writes: 8-point lines (11 pixels: ascent 8, descent 3), the
  // target line indented by 120 twips (8 pixels), a small glue paragraph and the footer.
  const std::string header =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc0"
      "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}{\\f1\\fswiss\\fcharset238 Tahoma;}}"
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue0;"
      "\\red96\\green96\\blue96;\\red192\\green0\\blue0;}\\pard\\plain\\f0\\fs16 ";
  Painted p;
  paint(p, {header + "{\\pard\\plain\\f0\\fs16\\cf2 The {\\b houses} are big.\\par}"
                     "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i A h\\'e1zak nagyok.\\par}"
                     "{\\pard\\plain\\f0\\fs8 \\par}"
                     "{\\pard\\plain\\f1\\fs14\\cf4 Lexiton\\par}}"});
  ASSERT_EQ(p.surface.texts.size(), 5u);
  EXPECT_EQ(p.text(0), "The ");
  EXPECT_EQ(p.text(1), "houses");
  EXPECT_EQ(p.at(1), (Point{6 + 4 * 5, 31}));
  EXPECT_EQ(p.surface.texts[1].font.weight, FontSpec::kBold);
  EXPECT_EQ(p.surface.texts[0].colour, make_colour(0, 0, 128));
  EXPECT_EQ(p.surface.texts[0].font.charset, 238);
  EXPECT_EQ(p.text(3), "A h\xe1zak nagyok.");
  EXPECT_EQ(p.at(3), (Point{14, 42}));
  EXPECT_TRUE(p.surface.texts[3].font.italic);
  EXPECT_EQ(p.surface.texts[3].colour, make_colour(128, 0, 0));
  // The 4-point glue line is 5 pixels (ascent 3, descent 2); the 7-point footer 9.
  EXPECT_EQ(p.at(4), (Point{6, 42 + 11 + 5}));
  EXPECT_EQ(p.surface.texts[4].font.face, "Tahoma");
  EXPECT_EQ(p.size, (Size{120, 42 + 11 + 5 + 9}));
}

TEST(TipPainterDocuments, ZeroHeightLinesAreBounded) {
  std::string rtf = "{\\rtf1\\sl-1";
  for (int i = 0; i < 3000; ++i) rtf += " x\\par";
  Painted p;
  paint(p, {rtf + "}"});
  EXPECT_TRUE(p.truncated);
  EXPECT_LT(p.surface.texts.size(), 3000u);
}

TEST(TipPainterBounds, NegativePictureWidthsDoNotOverflowTheLine) {
  // Each picture is -143165576 pixels wide; fifteen of them used to take the used width below
  // the int range and wrap, pushing the rest onto lines of their own.
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 20; ++i) rtf += "{\\pict\\emfblip\\picwgoal-2147483648\\pichgoal150 01}";
  Painted p;
  paint(p, {rtf + "x}"});
  ASSERT_EQ(p.surface.metafiles.size(), 20u);
  for (const auto& picture : p.surface.metafiles) EXPECT_EQ(picture.dest.top, 31 + 4);
  ASSERT_EQ(p.surface.texts.size(), 1u);
  EXPECT_EQ(p.at(0).y, 31 + 14 - 12);
}

TEST(TipPainterBounds, HugeMultipleSpacingTruncates) {
  // A picture about 143 million pixels high with the largest multiple: the line height used to
  // wrap around the int range and move the following lines up.
  Painted p;
  paint(p, {"{\\rtf1\\sl32767\\slmult1 {\\pict\\emfblip\\picwgoal150\\pichgoal2147483647 01}\\par b}"});
  EXPECT_TRUE(p.truncated);
  ASSERT_EQ(p.surface.texts.size(), 1u);
  EXPECT_EQ(p.text(0), "...");
  EXPECT_EQ(p.size.height, 31 + 16);
}

}  // namespace
}  // namespace tippaint
