// The GDI side under wine: owners free their handles exactly once, the selection guard puts
// the previous object back, and the GDI surface measures and draws without leaving fonts,
// colours or modes changed in the caller's DC.
#include <tippaint/layout.h>
#include <lexiton/win/gdi_handles.h>
#include <tippaint/win/gdi_surface.h>

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

static_assert(!std::is_copy_constructible_v<Font> && !std::is_copy_assignable_v<Font>);
static_assert(std::is_nothrow_move_constructible_v<Font>);
static_assert(!std::is_copy_constructible_v<MemoryDc> && !std::is_copy_constructible_v<Selection>);
static_assert(!std::is_copy_constructible_v<WindowDc> && !std::is_copy_constructible_v<EnhMetafile>);

TEST(GdiHandles, OwnersDeleteOnceAndMovesHandOver) {
  HBRUSH raw = CreateSolidBrush(0x123456);
  ASSERT_EQ(GetObjectType(raw), DWORD(OBJ_BRUSH));
  {
    Brush first(raw);
    Brush second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);
    Brush third;
    third = std::move(second);
    EXPECT_EQ(third.get(), raw);
    EXPECT_EQ(GetObjectType(raw), DWORD(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(raw), 0u);

  Region region(CreateRectRgn(0, 0, 4, 4));
  HRGN handed = region.release();
  EXPECT_FALSE(region);
  EXPECT_EQ(GetObjectType(handed), DWORD(OBJ_REGION));
  DeleteObject(handed);
}

TEST(GdiHandles, SelectionPutsThePreviousObjectBack) {
  MemoryDc dc(nullptr);
  ASSERT_TRUE(dc);
  const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_FONT);
  Font font(CreateFontA(-20, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0, "MS Sans Serif"));
  {
    Selection selection(dc.get(), font.get());
    EXPECT_TRUE(selection.ok());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), original);
  Selection nothing(dc.get(), nullptr);
  EXPECT_FALSE(nothing.ok());
}

class GdiSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dc_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 300, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap_);
    selection_.emplace(dc_.get(), bitmap_.get());
    SetBkMode(dc_.get(), OPAQUE);
    SetBkColor(dc_.get(), 0x0000FF);
    SetTextColor(dc_.get(), 0x00FF00);
  }

  // The font of the last text call stays selected while the surface lives.
  void expect_dc_untouched() {
    EXPECT_EQ(GetCurrentObject(dc_.get(), OBJ_PEN), pen_before_);
    EXPECT_EQ(GetBkMode(dc_.get()), OPAQUE);
    EXPECT_EQ(GetBkColor(dc_.get()), 0x0000FFu);
    EXPECT_EQ(GetTextColor(dc_.get()), 0x00FF00u);
  }

  MemoryDc dc_{nullptr};
  Bitmap bitmap_;
  std::optional<Selection> selection_;
  HGDIOBJ font_before_ = nullptr;
  HGDIOBJ pen_before_ = nullptr;
};

TEST_F(GdiSurfaceTest, MeasuresAndDrawsWithoutChangingTheDc) {
  font_before_ = GetCurrentObject(dc_.get(), OBJ_FONT);
  pen_before_ = GetCurrentObject(dc_.get(), OBJ_PEN);
  GdiSurface surface(dc_.get());
  const DeviceCaps caps = surface.caps();
  EXPECT_GT(caps.dpi_y, 0);
  EXPECT_FALSE(caps.palette);

  const FontId font = surface.create_font(painter_font_spec(caps.dpi_y, false));
  ASSERT_NE(font, kNoFont);
  const FontMetrics m = surface.metrics(font);
  EXPECT_GT(m.ascent, 0);
  EXPECT_GT(m.descent, 0);

  const int whole = surface.text_width(font, "houses");
  EXPECT_GT(whole, 0);
  EXPECT_EQ(surface.text_fit(font, "houses", whole), 6);
  EXPECT_LT(surface.text_fit(font, "houses", whole - 1), 6);
  EXPECT_EQ(surface.text_fit(font, "houses", 0), 0);
  // Wide text measured by drawing agrees with the narrow measure of the same letters.
  EXPECT_EQ(surface.wide_text_width(font, u"houses"), whole);
  EXPECT_EQ(surface.wide_text_width(font, u""), 0);

  surface.draw_text(font, 10, 10, "houses", 0x000000, std::nullopt);
  surface.draw_wide_text(font, 10, 40, u"h\u00e1zak", 0xFFFFFF, 0x808080);
  surface.draw_line({0, 80}, {300, 80}, 0xFF0000);
  const Point points[] = {{0, 90}, {50, 90}};
  surface.polyline(points, 0x00FFFF);
  EXPECT_TRUE(surface.fill_rect({200, 0, 210, 10}, 0x112233));
  expect_dc_untouched();

  EXPECT_EQ(surface.get_pixel(205, 5), 0x112233u);
  EXPECT_EQ(surface.get_pixel(150, 80), 0xFF0000u);
  EXPECT_EQ(surface.get_pixel(25, 90), 0x00FFFFu);
  // The opaque wide run filled its cell with its background.
  EXPECT_EQ(surface.get_pixel(10, 40), 0x808080u);
  surface.set_pixel(1, 1, 0xABCDEF);
  EXPECT_EQ(surface.get_pixel(1, 1), 0xABCDEFu);
  surface.delete_font(font);
}

TEST_F(GdiSurfaceTest, TheDcsOwnFontGoesBackWithTheSurface) {
  const HGDIOBJ own = GetCurrentObject(dc_.get(), OBJ_FONT);
  {
    GdiSurface surface(dc_.get());
    const FontId font = surface.create_font(painter_font_spec(surface.caps().dpi_y, true));
    const int bold = surface.text_width(font, "houses");
    EXPECT_NE(GetCurrentObject(dc_.get(), OBJ_FONT), own);
    // Without a font the DC's own measures, and is selected again to do it.
    const int own_width = surface.text_width(kNoFont, "houses");
    EXPECT_EQ(GetCurrentObject(dc_.get(), OBJ_FONT), own);
    EXPECT_NE(own_width, 0);
    // The same font made again is the same logical font, measured the same.
    const FontId again = surface.create_font(painter_font_spec(surface.caps().dpi_y, true));
    EXPECT_EQ(surface.font(again), surface.font(font));
    EXPECT_EQ(surface.text_width(again, "houses"), bold);
    surface.draw_text(again, 0, 0, "houses", 0x000000, std::nullopt);
    surface.delete_font(font);
    surface.delete_font(again);
  }
  EXPECT_EQ(GetCurrentObject(dc_.get(), OBJ_FONT), own);
}

TEST_F(GdiSurfaceTest, FittingKnowsTheWidthOfEveryPrefixThatFits) {
  GdiSurface surface(dc_.get());
  const FontId font = surface.create_font(painter_font_spec(surface.caps().dpi_y, false));
  const std::string text = "The houses are big.";
  const int fit = surface.text_fit(font, text, 60);
  ASSERT_GT(fit, 3);
  ASSERT_LT(fit, int(text.size()));
  // Every width asked after fitting is what measuring the text afresh gives.
  std::vector<int> after_fit;
  for (int n = 1; n <= int(text.size()); ++n)
    after_fit.push_back(surface.text_width(font, text.substr(0, n)));
  GdiSurface fresh(dc_.get());
  const FontId font2 = fresh.create_font(painter_font_spec(fresh.caps().dpi_y, false));
  for (int n = 1; n <= int(text.size()); ++n)
    EXPECT_EQ(after_fit[n - 1], fresh.text_width(font2, text.substr(0, n))) << n;
  // A text that only starts like the fitted one is measured, not taken from the prefixes.
  EXPECT_EQ(surface.text_width(font, "The hoxxx"), fresh.text_width(font2, "The hoxxx"));
  fresh.delete_font(font2);
  surface.delete_font(font);
}

TEST_F(GdiSurfaceTest, PixelBlocksLandExactlyOnATrueColourBitmap) {
  GdiSurface surface(dc_.get());
  EXPECT_TRUE(surface.caps().exact_colours);
  const std::vector<Colour> block{0x010203, 0xFFFFFF, 0x00FF00, 0x123456, 0xABCDEF, 0x000000};
  surface.draw_pixels({10, 20, 13, 22}, block);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(surface.get_pixel(10 + i % 3, 20 + i / 3), block[std::size_t(i)]) << i;
  // A block of a monochrome bitmap would not keep its colours.
  MemoryDc mono(dc_.get());
  Bitmap one_bit(CreateBitmap(8, 8, 1, 1, nullptr));
  Selection selected(mono.get(), one_bit.get());
  EXPECT_FALSE(GdiSurface(mono.get()).caps().exact_colours);
}

TEST_F(GdiSurfaceTest, MetafileThatCannotBeMadeDrawsNothing) {
  GdiSurface surface(dc_.get());
  const std::uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
  MetafileRef enhanced{true, junk};
  EXPECT_FALSE(surface.play_metafile(enhanced, {0, 0, 10, 10}));
  MetafileRef empty{};
  EXPECT_FALSE(surface.play_metafile(empty, {0, 0, 10, 10}));
}

TEST_F(GdiSurfaceTest, FontsOfUnknownIdsMeasureWithTheDefaultFontAndDrawNothing) {
  GdiSurface surface(dc_.get());
  EXPECT_GT(surface.metrics(kNoFont).ascent, 0);
  surface.fill_rect({0, 0, 300, 100}, 0xFFFFFF);
  surface.draw_text(kNoFont, 0, 0, "nothing", 0x000000, std::nullopt);
  surface.draw_text(12345, 0, 0, "nothing", 0x000000, std::nullopt);
  EXPECT_EQ(surface.get_pixel(3, 8), 0xFFFFFFu);
}

}  // namespace
}  // namespace tippaint::win
