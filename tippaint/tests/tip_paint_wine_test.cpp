// TipPaint through the DLL loaded by file name, painting with real GDI into a screen-sized
// memory DC of a DIB section as the host's tooltip windows do. Every painted tooltip is also
// written to tippaint-png/ in the bin folder for a person to look at, and compared pixel by
// pixel with its golden image in tests/goldens, so faster painting code must paint exactly
// what the goldens show. LEXITON_WRITE_GOLDENS=1 writes the goldens instead (only from code
// whose pixels are known good).
#include <tippaint/frame_geometry.h>
#include <lexiton/painter_exports.h>

#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>
#include <lexiton/library.h>

#include "png_file.h"
#include "win/sample_tooltips.h"
#include "win/tooltip_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

// A crash must end the test program, not wait in wine's debugger for a person.
LONG WINAPI end_on_crash(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }
const auto kCrashFilter = SetUnhandledExceptionFilter(end_on_crash);

constexpr COLORREF kPaleYellow = 0xE1FFFF;
constexpr int kEmptyWidth = 126;  // the logos' width plus their gap and the frame

Bytes rtf_result(std::string_view rtf) { return chunk_list({{"plai", "plain text"}, {"QXR1", rtf}}); }

class TipPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dll_) << "tippaint.dll not found beside the test";
    paint_ = dll_.bind<TipPaintFn>("TipPaint");
    ASSERT_NE(paint_, nullptr);
    ASSERT_TRUE(canvas_);
    CreateDirectoryA("tippaint-png", nullptr);
  }

  PaintOutcome paint(const Bytes& result, int x, int y, COLORREF background = kPaleYellow,
                     const char* title = nullptr) {
    PaintOutcome outcome = canvas_.paint(paint_, result, x, y, background, title);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string("tippaint-png/") + info->test_suite_name() + "." + info->name() +
                             "-" + std::to_string(++shots_) + ".png";
    if (outcome.region) {
      EXPECT_TRUE(canvas_.write_png(name, outcome)) << name;
      compare_with_golden(
          std::string(info->test_suite_name()) + "." + info->name() + "-" + std::to_string(shots_) + ".png",
          canvas_.tooltip_image(outcome));
    }
    return outcome;
  }

  static void compare_with_golden(const std::string& name, const RgbaImage& painted) {
    const std::string path = std::string(LEXITON_TIPPAINT_GOLDENS) + "/" + name;
    if (const char* write = std::getenv("LEXITON_WRITE_GOLDENS"); write && *write == '1') {
      EXPECT_TRUE(write_png_rgba(path, painted.width, painted.height, painted.rgba)) << path;
      return;
    }
    RgbaImage golden;
    ASSERT_TRUE(read_png_rgba(path, golden)) << "no golden image " << path;
    ASSERT_EQ(painted.width, golden.width) << name;
    ASSERT_EQ(painted.height, golden.height) << name;
    std::size_t differing = 0, first = 0;
    for (std::size_t i = 0; i < golden.rgba.size(); i += 4) {
      if (std::memcmp(&golden.rgba[i], &painted.rgba[i], 4) != 0 && differing++ == 0) first = i / 4;
    }
    EXPECT_EQ(differing, 0u) << name << ": first differing pixel at (" << first % golden.width << ", "
                             << first / golden.width << ")";
  }

  frame::Size screen() const { return {canvas_.width(), canvas_.height()}; }

  lexiton::Library dll_{"tippaint.dll"};
  TipPaintFn paint_ = nullptr;
  TooltipCanvas canvas_;
  int shots_ = 0;
};

frame::Size size_of(const PaintOutcome& o) { return {int(o.size.right), int(o.size.bottom)}; }

// Which of the body's four corner pixels the region holds: the pointing corner's straight
// edges take it in, rounded corners leave it out.
std::vector<frame::Corner> corners_in_region(const PaintOutcome& o) {
  const int right = o.size.right - 1, bottom = o.size.bottom - frame::kBodyBottomInset;
  std::vector<frame::Corner> in;
  if (PtInRegion(o.region.get(), 0, frame::kBodyTop)) in.push_back(frame::Corner::TopLeft);
  if (PtInRegion(o.region.get(), 0, bottom)) in.push_back(frame::Corner::BottomLeft);
  if (PtInRegion(o.region.get(), right, frame::kBodyTop)) in.push_back(frame::Corner::TopRight);
  if (PtInRegion(o.region.get(), right, bottom)) in.push_back(frame::Corner::BottomRight);
  return in;
}

TEST_F(TipPaintTest, PlacementAndCornerForEveryScreenCorner) {
  const Bytes result = rtf_result("{\\rtf1 A small tooltip}");
  const int w = screen().width, h = screen().height;
  struct Case {
    int x, y;
    frame::Corner corner;
  };
  const Case cases[] = {{100, 100, frame::Corner::TopLeft},
                        {w - 30, 100, frame::Corner::TopRight},
                        {100, h - 30, frame::Corner::BottomLeft},
                        {w - 30, h - 30, frame::Corner::BottomRight}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.corner));
    const PaintOutcome o = paint(result, c.x, c.y);
    ASSERT_EQ(o.result, 1);
    ASSERT_TRUE(o.region);
    EXPECT_EQ(o.size.left, 0);
    EXPECT_EQ(o.size.top, 0);
    EXPECT_GE(o.size.right, kEmptyWidth);
    const frame::Placement expected = frame::place_tooltip(c.x, c.y, size_of(o), screen());
    EXPECT_EQ(expected.corner, c.corner);
    EXPECT_EQ(o.x, expected.x);
    EXPECT_EQ(o.y, expected.y);
    EXPECT_EQ(corners_in_region(o), std::vector{c.corner});
  }
  // The first case by the numbers: below and right of the pointer, 8 pixels down.
  const PaintOutcome o = paint(result, 100, 100);
  EXPECT_EQ(o.x, 100);
  EXPECT_EQ(o.y, 108);
}

TEST_F(TipPaintTest, TooltipTallerThanTheRoomIsPushedBackWithoutAPoint) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 30; ++i) rtf += "line\\par ";
  rtf += "}";
  const PaintOutcome o = paint(rtf_result(rtf), 200, 300);
  ASSERT_EQ(o.result, 1);
  ASSERT_GT(o.size.bottom + 300, screen().height);  // fits neither below nor above
  EXPECT_EQ(o.y, 0);
  EXPECT_EQ(o.x, 200);
  EXPECT_TRUE(corners_in_region(o).empty());
}

TEST_F(TipPaintTest, RegionIsTheBubblePolygon) {
  for (auto [x, y] : {std::pair{100, 100}, std::pair{screen().width - 10, screen().height - 10}}) {
    const PaintOutcome o = paint(rtf_result("{\\rtf1 Region}"), x, y);
    const frame::Placement place = frame::place_tooltip(x, y, size_of(o), screen());
    const frame::BubblePoints points =
        frame::bubble_region(place.corner, frame::body_box(size_of(o)), frame::SystemFamily::NT);
    POINT gdi[frame::kBubblePoints];
    for (int i = 0; i < frame::kBubblePoints; ++i) gdi[i] = {points[i].x, points[i].y};
    Region expected(CreatePolygonRgn(gdi, frame::kBubblePoints, WINDING));
    EXPECT_TRUE(EqualRgn(o.region.get(), expected.get()));
    RECT box{};
    GetRgnBox(o.region.get(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, o.size.right);  // one past the body's right column
  }
}

// The band colour painted at column x of a band `width` wide.
COLORREF band_at(int x, int width, COLORREF background) {
  for (int k = 0; k < frame::kBandStrips; ++k) {
    const frame::BandStrip s = frame::band_strip(k, width, background);
    if (x >= s.left && x < s.right) return s.colour;
  }
  return CLR_INVALID;
}

TEST_F(TipPaintTest, HeaderBandRunsFromDarkToTheBackground) {
  for (COLORREF background : {kPaleYellow, COLORREF(0x3060C0)}) {
    const PaintOutcome o =
        paint(rtf_result("{\\rtf1 A band across the top of this tooltip}"), 100, 100, background);
    const int w = o.size.right;
    // Row 11 is inside the body, between the outline and the logos.
    EXPECT_EQ(canvas_.pixel(8, 11), band_at(8, w, background));
    EXPECT_EQ(canvas_.pixel(w - 8, 11), band_at(w - 8, w, background));
    EXPECT_EQ(canvas_.pixel(0, 0), frame::band_strip(0, w, background).colour);
    EXPECT_EQ(canvas_.pixel(w - 1, 0), frame::band_strip(255, w, background).colour);
    // Below the band the background shows.
    EXPECT_EQ(canvas_.pixel(w / 2, 32), background);
  }
}

struct LogoImages {
  std::vector<COLORREF> on_black, on_white, colour;
  int width = 0, height = 0;
};

LogoImages read_logo(HMODULE module, int first_id) {
  LogoImages logo;
  std::vector<COLORREF>* images[] = {&logo.on_black, &logo.on_white, &logo.colour};
  for (int i = 0; i < 3; ++i) {
    Bitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(first_id + i), IMAGE_BITMAP, 0, 0, 0)));
    if (!bitmap) return {};
    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    logo.width = info.bmWidth;
    logo.height = info.bmHeight;
    MemoryDc dc(nullptr);
    Selection selection(dc.get(), bitmap.get());
    for (int y = 0; y < info.bmHeight; ++y)
      for (int x = 0; x < info.bmWidth; ++x) images[i]->push_back(GetPixel(dc.get(), x, y));
  }
  return logo;
}

TEST_F(TipPaintTest, LogosAreLaidOverTheBand) {
  const LogoImages mark = read_logo(static_cast<HMODULE>(dll_.get()), 101);
  const LogoImages maker = read_logo(static_cast<HMODULE>(dll_.get()), 104);
  ASSERT_EQ(mark.width, 87);
  ASSERT_EQ(mark.height, 16);
  ASSERT_EQ(maker.width, 21);
  ASSERT_EQ(maker.height, 16);
  const PaintOutcome o = paint(rtf_result("{\\rtf1 Logos}"), 100, 100);
  const int w = o.size.right;
  // The word mark is white where it is solid, and leaves the band where it is clear.
  int solid = 0, clear = 0;
  for (int j = 0; j < mark.height; ++j) {
    for (int i = 0; i < mark.width; ++i) {
      const std::size_t at = std::size_t(j) * mark.width + i;
      const COLORREF painted = canvas_.pixel(frame::kWordMarkLeft + i, frame::kLogoTop + j);
      if (mark.on_black[at] == mark.on_white[at]) {
        ++solid;
        EXPECT_EQ(painted, mark.colour[at]);
        EXPECT_EQ(painted, 0xFFFFFFu);
      } else if (mark.on_black[at] == 0 && mark.on_white[at] == 0xFFFFFF) {
        ++clear;
        EXPECT_EQ(painted, band_at(frame::kWordMarkLeft + i, w, kPaleYellow));
      }
    }
  }
  EXPECT_GT(solid, 20);
  EXPECT_GT(clear, 500);
  // The maker's logo ends 5 pixels from the right; the middle of its tile is opaque.
  const int left = w - frame::kMakerLogoRightInset - maker.width;
  const std::size_t middle = std::size_t(8) * maker.width + 3;
  EXPECT_EQ(maker.on_black[middle], maker.on_white[middle]);
  EXPECT_EQ(canvas_.pixel(left + 3, frame::kLogoTop + 8), maker.colour[middle]);
  // Its corner is transparent.
  EXPECT_EQ(canvas_.pixel(left, frame::kLogoTop), band_at(left, w, kPaleYellow));
}

// Counts content pixels (below the band, inside the body) of exactly `colour`.
int content_pixels(const TooltipCanvas& canvas, const PaintOutcome& o, COLORREF colour) {
  int n = 0;
  // Clear of the outline's rounded corners.
  for (int y = frame::kContentTop; y < o.size.bottom - frame::kBodyBottomInset - 6; ++y)
    for (int x = 6; x < o.size.right - 6; ++x) n += canvas.pixel(x, y) == colour;
  return n;
}

TEST_F(TipPaintTest, AutomaticTextColourFollowsTheBackground) {
  const Bytes result = rtf_result("{\\rtf1 \\b Automatic colour WWWW MMMM}");
  struct Case {
    COLORREF background, text;
  };
  for (const Case c : {Case{0x000000, 0xFFFFFF}, Case{0xFFFFFF, 0x000000}, Case{0x808080, 0xFFFFFF}}) {
    SCOPED_TRACE(c.background);
    const PaintOutcome o = paint(result, 100, 100, c.background);
    ASSERT_EQ(o.result, 1);
    EXPECT_GT(content_pixels(canvas_, o, c.text), 30);
    const COLORREF other = c.text == 0xFFFFFF ? 0x000000 : 0xFFFFFF;
    if (other != c.background) {
      EXPECT_EQ(content_pixels(canvas_, o, other), 0);
    }
  }
}

// Rows of the content where one colour runs unbroken across the body.
std::vector<int> rule_rows(const TooltipCanvas& canvas, const PaintOutcome& o, COLORREF colour) {
  std::vector<int> rows;
  for (int y = frame::kContentTop; y < o.size.bottom - frame::kBodyBottomInset - 1; ++y) {
    bool whole = true;
    for (int x = 1; x < o.size.right - 2 && whole; ++x) whole = canvas.pixel(x, y) == colour;
    if (whole) rows.push_back(y);
  }
  return rows;
}

TEST_F(TipPaintTest, RuleBetweenDocumentsOnlyWhereADashSeparatesThem) {
  const PaintOutcome ruled = paint(rtf_result("{\\rtf1 first}-{\\rtf1 second}"), 100, 100);
  ASSERT_EQ(ruled.result, 1);
  EXPECT_EQ(rule_rows(canvas_, ruled, 0x000000).size(), 1u);
  const PaintOutcome plain = paint(rtf_result("{\\rtf1 first}\r\n{\\rtf1 second}"), 100, 100);
  ASSERT_EQ(plain.result, 1);
  EXPECT_TRUE(rule_rows(canvas_, plain, 0x000000).empty());
  // The rule takes three rows more than two documents without it.
  EXPECT_EQ(ruled.size.bottom, plain.size.bottom + 3);
}

TEST_F(TipPaintTest, FailingDocumentStillDeliversItsFrame) {
  const PaintOutcome o = paint(rtf_result("{\\rtf1 no closing brace"), 100, 100);
  EXPECT_EQ(o.result, 0);
  ASSERT_TRUE(o.region);
  EXPECT_GE(o.size.right, kEmptyWidth);
  EXPECT_EQ(o.x, 100);
  EXPECT_EQ(o.y, 108);
  EXPECT_EQ(corners_in_region(o), std::vector{frame::Corner::TopLeft});
}

TEST_F(TipPaintTest, PayloadWithoutDocumentsPaintsAnEmptyTooltip) {
  const PaintOutcome o = paint(rtf_result("nothing to read here"), 100, 100);
  EXPECT_EQ(o.result, 1);
  EXPECT_EQ(o.size.right, kEmptyWidth);
  EXPECT_EQ(o.size.bottom, frame::kContentTop + frame::kExtraHeight);
}

TEST_F(TipPaintTest, FirstPaintedChunkAfterOtherTags) {
  const PaintOutcome o =
      paint(chunk_list({{"plai", "twelve bytes"}, {"QXR1", "{\\rtf1 second chunk}"}}), 100, 100);
  EXPECT_EQ(o.result, 1);
  EXPECT_TRUE(o.region);
}

TEST_F(TipPaintTest, ResultsWithNothingToPaintOrLyingLengthsPaintNothing) {
  Bytes lying = rtf_result("{\\rtf1 x}");
  lying[4] = 0xFF;  // the first chunk claims more bytes than the array holds
  for (const Bytes& result : {chunk_list({{"plai", "only plain text"}}), lying, Bytes{}}) {
    const PaintOutcome o = paint(result, 100, 100);
    EXPECT_EQ(o.result, 0);
    EXPECT_FALSE(o.region);
    EXPECT_EQ(o.x, 100);
  }
  // Missing arguments are refused, not followed.
  const Bytes result = rtf_result("{\\rtf1 x}");
  const LxByteArray array{const_cast<std::uint8_t*>(result.data()), std::uint32_t(result.size()),
                          std::uint32_t(result.size())};
  HDC dc = canvas_.dc();
  RECT size{};
  HRGN region = nullptr;
  int x = 0, y = 0;
  EXPECT_EQ(paint_(nullptr, &dc, &size, &region, &x, &y, 0, nullptr), 0);
  EXPECT_EQ(paint_(&array, nullptr, &size, &region, &x, &y, 0, nullptr), 0);
  EXPECT_EQ(paint_(&array, &dc, &size, nullptr, &x, &y, 0, nullptr), 0);
  EXPECT_EQ(region, nullptr);
}

// A plain list as the local dictionary engine gives it: pointer-wide words that point into this
// process.
TEST_F(TipPaintTest, HostContextKeepsItsSelectedObjects) {
  PlainList list("headword");
  list.line("a line");
  const Bytes results[] = {rtf_result("{\\rtf1 painted}"), rtf_result("{\\rtf1 broken"), list.bytes("HVR2")};
  const UINT objects[] = {OBJ_FONT, OBJ_PEN, OBJ_BRUSH, OBJ_BITMAP};
  HGDIOBJ before[4];
  for (int i = 0; i < 4; ++i) before[i] = GetCurrentObject(canvas_.dc(), objects[i]);
  for (int round = 0; round < 20; ++round) {
    for (const Bytes& result : results) {
      PaintOutcome o = canvas_.paint(paint_, result, 100, 100, kPaleYellow);
      EXPECT_TRUE(o.region);
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetCurrentObject(canvas_.dc(), objects[i]), before[i]) << i;
      }
    }
  }
}

TEST_F(TipPaintTest, PlainListWithHeadingsAndLines) {
  PlainList list("headword");
  list.heading("noun");
  list.line("first meaning");
  list.line("second meaning\twith a tab");
  const PaintOutcome o = paint(list.bytes("HVR2"), 100, 100, kPaleYellow, "Title line");
  EXPECT_EQ(o.result, 1);
  ASSERT_TRUE(o.region);
  EXPECT_GE(o.size.right, 123);
  // Title, headword and three entries of at least 12 rows each.
  EXPECT_GT(o.size.bottom, 33 + 5 * 12);
  // The rule under the headword runs across in black.
  EXPECT_FALSE(rule_rows(canvas_, o, 0x000000).empty());
}

TEST_F(TipPaintTest, StyledPlainListWithIconsAndFonts) {
  Bitmap icon(CreateBitmap(kListIconWidth, kListIconHeight, 1, 32, nullptr));
  {
    MemoryDc dc(nullptr);
    Selection s(dc.get(), icon.get());
    const RECT all{0, 0, kListIconWidth, kListIconHeight};
    Brush red(CreateSolidBrush(0x0000FF));
    FillRect(dc.get(), &all, red.get());
  }
  Font normal(CreateFontA(-11, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "MS Sans Serif"));
  Font bold(CreateFontA(-11, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0, "MS Sans Serif"));
  ListStyle with_icon{icon.get(), normal.get(), bold.get()};
  ListStyle without_icon{nullptr, normal.get(), bold.get()};
  PlainList list("styled");
  list.heading("with icon", reinterpret_cast<std::uintptr_t>(&with_icon));
  list.line("line with icon", reinterpret_cast<std::uintptr_t>(&with_icon));
  list.heading("plain heading", reinterpret_cast<std::uintptr_t>(&without_icon));
  list.line("null style");
  const PaintOutcome o = paint(list.bytes("QX2L"), 100, 100);
  EXPECT_EQ(o.result, 1);
  // The heading's icon from x 4 and the line's from x 22, both whole and solid red.
  auto red_in_column = [&](int x) {
    int n = 0;
    for (int y = frame::kContentTop; y < o.size.bottom; ++y) n += canvas_.pixel(x, y) == 0x0000FF;
    return n;
  };
  EXPECT_EQ(red_in_column(3), 0);
  EXPECT_EQ(red_in_column(4), kListIconHeight);
  EXPECT_EQ(red_in_column(21), kListIconHeight);
  EXPECT_EQ(red_in_column(22), kListIconHeight);
  EXPECT_EQ(red_in_column(39), kListIconHeight);
  EXPECT_EQ(red_in_column(40), 0);
}

// The extent the plain-list painter measures for `text` in its 8-point font.
SIZE list_text_extent(HDC dc, const char* text, bool bold) {
  Font font(CreateFontA(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, bold ? 700 : 400, 0, 0, 0, 1,
                        0, 0, 0, 0, "MS Sans Serif"));
  Selection selected(dc, font.get());
  const DWORD extent = GetTabbedTextExtentA(dc, text, int(std::strlen(text)), 0, nullptr);
  return {LOWORD(extent), HIWORD(extent)};
}

TEST_F(TipPaintTest, PlainListRowsAndFinalSize) {
  const SIZE headword = list_text_extent(canvas_.dc(), "headword", true);
  const SIZE line = list_text_extent(canvas_.dc(), "a line", false);
  const SIZE title = list_text_extent(canvas_.dc(), "Title", false);
  ASSERT_LT(headword.cx + 6, 120);  // the headword's minimum width rules
  const int headword_bottom = 33 + std::max(12, int(headword.cy));

  // Headword only: its bottom grows by 2, the frame adds 3 and 13; the logos' width rules.
  PlainList only("headword");
  const PaintOutcome a = paint(only.bytes("HVR2"), 100, 100);
  ASSERT_EQ(a.result, 1);
  EXPECT_EQ(size_of(a), (frame::Size{3 + 120 + 3, headword_bottom + 2 + 13}));
  EXPECT_EQ(rule_rows(canvas_, a, 0x000000), std::vector{headword_bottom + 1});

  // A line goes 3 below the headword; the title pushes everything 3 below its own bottom.
  PlainList list("headword");
  list.line("a line");
  const PaintOutcome b = paint(list.bytes("HVR2"), 100, 100);
  const int line_bottom = headword_bottom + 3 + std::max(12, int(line.cy));
  EXPECT_EQ(size_of(b), (frame::Size{126, line_bottom + 13}));
  const PaintOutcome c = paint(list.bytes("HVR2"), 100, 100, kPaleYellow, "Title");
  const int shift = std::max(12, int(title.cy)) + 3;
  EXPECT_EQ(size_of(c), (frame::Size{126, line_bottom + shift + 13}));
  EXPECT_EQ(rule_rows(canvas_, c, 0x000000), std::vector{headword_bottom + shift + 1});
}

TEST_F(TipPaintTest, RuleAndOutlinePens) {
  // The host's context holds a red pen: the plain list's rule and the RTF outline use it, the
  // plain list's outline is always black.
  constexpr COLORREF kRed = 0x0000FF;
  Pen red(CreatePen(PS_SOLID, 1, kRed));
  Selection selected(canvas_.dc(), red.get());
  ASSERT_TRUE(selected.ok());
  PlainList list("headword");
  list.line("a line");
  const PaintOutcome plain = paint(list.bytes("HVR2"), 100, 100);
  ASSERT_EQ(plain.result, 1);
  EXPECT_EQ(rule_rows(canvas_, plain, kRed).size(), 1u);
  EXPECT_TRUE(rule_rows(canvas_, plain, 0x000000).empty());
  EXPECT_EQ(canvas_.pixel(0, frame::kBodyTop + 10), 0x000000u);
  const PaintOutcome rtf = paint(rtf_result("{\\rtf1 text}"), 100, 100);
  ASSERT_EQ(rtf.result, 1);
  EXPECT_EQ(canvas_.pixel(0, frame::kBodyTop + 10), kRed);
}

TEST_F(TipPaintTest, LongPlainListEndsWithAnEllipsisAboveTheScreenBottom) {
  PlainList list("many");
  for (int i = 0; i < 200; ++i) list.line("entry " + std::to_string(i));
  const PaintOutcome o = paint(list.bytes("HVR2"), 10, 10);
  EXPECT_EQ(o.result, 1);
  // Walk the rows as the painter does: each line one below the one before; the first entry
  // that would start below the screen height - 36 becomes a bold "..." and the list ends.
  const int line_height = std::max(12, int(list_text_extent(canvas_.dc(), "entry 0", false).cy));
  int y = 33 + std::max(12, int(list_text_extent(canvas_.dc(), "many", true).cy)) + 3;
  int lines = 0;
  while (y <= screen().height - 36) y += line_height + 1, ++lines;
  ASSERT_LT(lines, 200);
  const int ellipsis_bottom = y + std::max(12, int(list_text_extent(canvas_.dc(), "...", true).cy));
  EXPECT_EQ(o.size.bottom, ellipsis_bottom + 2 + 13);
}

TEST_F(TipPaintTest, BothPainterDllsPaintTheSame) {
  lexiton::Library other("mtippaint.dll");
  ASSERT_TRUE(other);
  const auto other_paint = other.bind<TipPaintFn>("TipPaint");
  ASSERT_NE(other_paint, nullptr);
  const Bytes result = rtf_result("{\\rtf1 same}");
  const PaintOutcome a = paint(result, 300, 300);
  const PaintOutcome b = canvas_.paint(other_paint, result, 300, 300, kPaleYellow);
  EXPECT_EQ(a.result, b.result);
  EXPECT_TRUE(EqualRect(&a.size, &b.size));
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_TRUE(EqualRgn(a.region.get(), b.region.get()));
}

// The benchmark's tooltips, so what is timed is also what is kept pixel-exact.
TEST_F(TipPaintTest, SampleTooltipsPaintAsBefore) {
  for (const SampleTooltip& sample : sample_tooltips()) {
    SCOPED_TRACE(sample.name);
    for (COLORREF background : {kPaleYellow, COLORREF(0x3060C0)}) {
      const PaintOutcome o = paint(sample.result, 300, 200, background);
      EXPECT_EQ(o.result, 1);
      EXPECT_GT(o.size.bottom, 60);
    }
  }
}

}  // namespace
}  // namespace tippaint::win
