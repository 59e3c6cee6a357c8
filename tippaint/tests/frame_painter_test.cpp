// Finishing a tooltip through the recording surface: band strips or the flat palette band,
// logos blended pixel by pixel, the plain-list rule, the outline pen, and a logo failure that
// still leaves a complete shape.
#include <tippaint/frame_painter.h>

#include <tippaint/draw_exception.h>
#include <tippaint/fixed_surface.h>

#include <gtest/gtest.h>

namespace tippaint {
namespace {

constexpr Colour kBackground = 0xE1FFFF;

// Solid logos of known size: the word mark opaque red, the maker's logo clear on its left
// half and opaque blue on its right.
class TestLogos final : public LogoSource {
 public:
  std::optional<LogoPixels> load(Logo logo, bool palette) override {
    loaded_palette = palette;
    if (fail_with) throw DrawException(*fail_with);
    LogoPixels p;
    p.width = logo == Logo::WordMark ? 87 : 21;
    p.height = 16;
    const std::size_t n = std::size_t(p.width) * p.height;
    for (std::size_t i = 0; i < n; ++i) {
      const bool clear = logo == Logo::MakerLogo && int(i % p.width) < 10;
      p.on_black.push_back(clear ? 0x000000 : 0x808080);
      p.on_white.push_back(clear ? 0xFFFFFF : 0x808080);
      p.colour.push_back(logo == Logo::WordMark ? 0x0000FF : 0xFF0000);
    }
    return p;
  }
  int colour_width(Logo logo) override { return logo == Logo::WordMark ? 87 : 21; }

  std::optional<int> fail_with;
  bool loaded_palette = false;
};

FrameRequest request(frame::Size content, frame::FramePath path = frame::FramePath::Rtf) {
  FrameRequest r;
  r.content = content;
  r.path = path;
  r.pointer_x = 100;
  r.pointer_y = 100;
  r.background = kBackground;
  return r;
}

TEST(FinishFrame, TrueColourBandLogosOutlineAndRegion) {
  FixedSurface surface;
  TestLogos logos;
  const FrameResult r = finish_frame(surface, logos, request({200, 100}), frame::SystemFamily::NT);
  EXPECT_EQ(r.size, (frame::Size{206, 113}));
  EXPECT_EQ(r.placement, (frame::Placement{100, 108, frame::Corner::TopLeft}));
  EXPECT_FALSE(r.logo_failure);
  EXPECT_FALSE(logos.loaded_palette);
  // 206 pixels wide: every one of the 256 strips that is not empty, each 31 rows high.
  EXPECT_EQ(surface.fills.size(), 206u);
  EXPECT_EQ(surface.fills.front().rect, (Rect{0, 0, 1, 31}));
  // At this width strip 0 is empty; strip 1 starts the band.
  EXPECT_EQ(frame::band_strip(0, 206, kBackground).right, 0);
  EXPECT_EQ(surface.fills.front().colour, frame::band_strip(1, 206, kBackground).colour);
  EXPECT_EQ(surface.fills.back().rect.right, 206);
  // The word mark from x 3, the maker's logo ending 5 from the right; clear pixels keep
  // what was there (the recording surface reads back 0).
  EXPECT_EQ(surface.get_pixel(3, 13), 0x0000FFu);
  EXPECT_EQ(surface.get_pixel(89, 28), 0x0000FFu);
  EXPECT_EQ(surface.get_pixel(206 - 5 - 21, 13), 0u);
  EXPECT_EQ(surface.get_pixel(206 - 5 - 1, 28), 0xFF0000u);
  EXPECT_EQ(surface.get_pixel(206 - 5, 28), 0u);
  // The outline in the context's pen, and no rule for RTF.
  ASSERT_EQ(surface.polylines.size(), 1u);
  EXPECT_EQ(surface.polylines[0].size(), std::size_t(frame::kBubblePoints));
  EXPECT_EQ(surface.polylines[0][0], (Point{0, 4}));
  EXPECT_EQ(surface.polyline_pens, (std::vector<std::optional<Colour>>{std::nullopt}));
  EXPECT_TRUE(surface.lines.empty());
  EXPECT_EQ(r.region,
            frame::bubble_region(frame::Corner::TopLeft, frame::body_box(r.size), frame::SystemFamily::NT));
}

// The band colour at column x, from the strips' definition.
Colour band_colour(int x, int width) {
  for (int k = 0; k < frame::kBandStrips; ++k) {
    const frame::BandStrip s = frame::band_strip(k, width, kBackground);
    if (x >= s.left && x < s.right) return s.colour;
  }
  return 0xFFFFFFFF;
}

DeviceCaps exact_colours() {
  DeviceCaps caps;
  caps.exact_colours = true;
  return caps;
}

TEST(FinishFrame, ExactColourTargetGetsBandAndLogosAsOneBlock) {
  FixedSurface surface(exact_colours());
  TestLogos logos;
  const FrameResult r = finish_frame(surface, logos, request({200, 100}), frame::SystemFamily::NT);
  EXPECT_FALSE(r.logo_failure);
  EXPECT_TRUE(surface.fills.empty());
  ASSERT_EQ(surface.pixel_blocks, (std::vector<Rect>{{0, 0, 206, 31}}));
  // What strips and per-pixel blending over them give, pixel for pixel.
  const LogoPixels mark = *logos.load(Logo::WordMark, false), maker = *logos.load(Logo::MakerLogo, false);
  for (int y = 0; y < 31; ++y) {
    for (int x = 0; x < 206; ++x) {
      Colour expected = band_colour(x, 206);
      const int maker_left = 206 - 5 - 21;
      if (y >= 13 && y < 29 && x >= 3 && x < 3 + 87) {
        const std::size_t at = std::size_t(y - 13) * 87 + (x - 3);
        expected = frame::blend_logo_pixel(expected, mark.on_black[at], mark.on_white[at], mark.colour[at]);
      } else if (y >= 13 && y < 29 && x >= maker_left && x < maker_left + 21) {
        const std::size_t at = std::size_t(y - 13) * 21 + (x - maker_left);
        expected =
            frame::blend_logo_pixel(expected, maker.on_black[at], maker.on_white[at], maker.colour[at]);
      }
      ASSERT_EQ(surface.get_pixel(x, y), expected) << x << ", " << y;
    }
  }
  // The clear half of the maker's logo shows the band, the opaque half the logo.
  EXPECT_EQ(surface.get_pixel(206 - 5 - 21, 13), band_colour(206 - 5 - 21, 206));
  EXPECT_EQ(surface.get_pixel(206 - 5 - 1, 28), 0xFF0000u);
}

TEST(FinishFrame, ExactColourTargetKeepsTheBandWhenALogoFails) {
  FixedSurface surface(exact_colours());
  TestLogos logos;
  logos.fail_with = DrawException::kSelectBitmap;
  const FrameResult r = finish_frame(surface, logos, request({200, 100}), frame::SystemFamily::NT);
  EXPECT_EQ(r.logo_failure, DrawException::kSelectBitmap);
  ASSERT_EQ(surface.pixel_blocks.size(), 1u);
  EXPECT_EQ(surface.get_pixel(3, 13), band_colour(3, 206));
  EXPECT_EQ(surface.polylines.size(), 1u);
}

TEST(FinishFrame, BandWiderThanTheScreenOrOnAPaletteIsPaintedInStrips) {
  DeviceCaps caps = exact_colours();
  caps.screen_width = 300;
  FixedSurface wide(caps);
  TestLogos logos;
  finish_frame(wide, logos, request({400, 100}), frame::SystemFamily::NT);
  EXPECT_TRUE(wide.pixel_blocks.empty());
  EXPECT_EQ(wide.fills.size(), 256u);
  caps.palette = true;
  FixedSurface palette(caps);
  finish_frame(palette, logos, request({100, 100}), frame::SystemFamily::NT);
  EXPECT_TRUE(palette.pixel_blocks.empty());
  EXPECT_EQ(palette.fills.size(), 1u);
}

TEST(FinishFrame, PaletteDisplayHasAFlatGreyBand) {
  DeviceCaps caps;
  caps.palette = true;
  FixedSurface surface(caps);
  TestLogos logos;
  finish_frame(surface, logos, request({50, 40}), frame::SystemFamily::NT);
  ASSERT_EQ(surface.fills.size(), 1u);
  EXPECT_EQ(surface.fills[0].rect, (Rect{0, 0, 123, 30}));
  EXPECT_EQ(surface.fills[0].colour, 0x808080u);
  EXPECT_TRUE(logos.loaded_palette);
}

TEST(FinishFrame, PlainListRuleAndBlackOutline) {
  FixedSurface surface;
  TestLogos logos;
  FrameRequest r = request({130, 80}, frame::FramePath::PlainList);
  r.rule_y = 50;
  const FrameResult result = finish_frame(surface, logos, r, frame::SystemFamily::NT);
  EXPECT_EQ(result.size, (frame::Size{133, 93}));
  // The rule across the final width, then the outline.
  EXPECT_TRUE(surface.lines.empty());
  ASSERT_EQ(surface.polylines.size(), 2u);
  EXPECT_EQ(surface.polylines[0], (std::vector<Point>{{0, 50}, {133, 50}}));
  EXPECT_EQ(surface.polylines[1].size(), std::size_t(frame::kBubblePoints));
  // The rule in the caller's pen, the outline in black.
  EXPECT_EQ(surface.polyline_pens, (std::vector<std::optional<Colour>>{std::nullopt, Colour{0}}));
}

TEST(FinishFrame, LogoFailureStillDeliversTheShape) {
  for (int code : {DrawException::kMemoryDc, DrawException::kSelectBitmap}) {
    FixedSurface surface;
    TestLogos logos;
    logos.fail_with = code;
    FrameRequest req = request({200, 100});
    req.pointer_x = 900;
    const FrameResult r = finish_frame(surface, logos, req, frame::SystemFamily::NT);
    EXPECT_EQ(r.logo_failure, code);
    EXPECT_EQ(r.size, (frame::Size{206, 113}));
    EXPECT_EQ(r.placement, (frame::Placement{900 - 206 - 2, 108, frame::Corner::TopRight}));
    EXPECT_EQ(r.region, frame::bubble_region(frame::Corner::TopRight, frame::body_box(r.size),
                                             frame::SystemFamily::NT));
    EXPECT_EQ(surface.polylines.size(), 1u);
  }
}

TEST(BlendLogo, MissingImagesDrawNothing) {
  FixedSurface surface;
  LogoPixels broken;
  broken.width = 4;
  broken.height = 4;
  broken.on_black.assign(16, 0);
  broken.on_white.assign(15, 0);  // one short
  broken.colour.assign(16, 0xFFFFFF);
  EXPECT_EQ(blend_logo(surface, broken, 10, 10, false), 0);
  EXPECT_EQ(surface.get_pixel(10, 10), 0u);
}

}  // namespace
}  // namespace tippaint
