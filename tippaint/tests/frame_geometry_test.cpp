// The tooltip frame's arithmetic: size, placement beside the pointer, bubble outline and
// region, header band colours and logo blending.
#include <tippaint/frame_geometry.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tippaint::frame {
namespace {

constexpr Size kScreen{1024, 768};
constexpr int kWordMark = 87;
constexpr int kMakerLogo = 21;

TEST(FrameSize, AddsMarginsAndKeepsRoomForBothLogos) {
  EXPECT_EQ(final_size({200, 100}, FramePath::Rtf, kWordMark, kMakerLogo), (Size{206, 113}));
  EXPECT_EQ(final_size({200, 100}, FramePath::PlainList, kWordMark, kMakerLogo), (Size{203, 113}));
  // An empty tooltip is as wide as the logos need: the painter starts at 120 wide.
  EXPECT_EQ(final_size({120, 31}, FramePath::Rtf, kWordMark, kMakerLogo), (Size{126, 44}));
  EXPECT_EQ(final_size({0, 0}, FramePath::PlainList, kWordMark, kMakerLogo).width, 123);
  // Missing logos count as zero width.
  EXPECT_EQ(final_size({0, 0}, FramePath::Rtf, 0, 0).width, 15);
}

TEST(Placement, BelowRightWhenItFits) {
  EXPECT_EQ(place_tooltip(100, 100, {200, 100}, kScreen), (Placement{100, 108, Corner::TopLeft}));
}

TEST(Placement, FlipsAtTheRightAndBottomEdges) {
  EXPECT_EQ(place_tooltip(1000, 100, {200, 100}, kScreen), (Placement{798, 108, Corner::TopRight}));
  EXPECT_EQ(place_tooltip(100, 700, {200, 100}, kScreen), (Placement{100, 590, Corner::BottomLeft}));
  EXPECT_EQ(place_tooltip(1000, 700, {200, 100}, kScreen), (Placement{798, 590, Corner::BottomRight}));
}

TEST(Placement, ExactFitNeedsTheTwoPixelMargin) {
  // x + width + 2 == screen width still fits; one more pixel flips.
  EXPECT_EQ(place_tooltip(822, 100, {200, 100}, kScreen).corner, Corner::TopLeft);
  EXPECT_EQ(place_tooltip(823, 100, {200, 100}, kScreen).corner, Corner::TopRight);
  EXPECT_EQ(place_tooltip(100, 658, {200, 100}, kScreen).corner, Corner::TopLeft);
  EXPECT_EQ(place_tooltip(100, 659, {200, 100}, kScreen).corner, Corner::BottomLeft);
}

TEST(Placement, PushedBackOntoTheScreenHasNoPoint) {
  EXPECT_EQ(place_tooltip(500, 100, {1100, 100}, kScreen), (Placement{0, 108, Corner::None}));
  EXPECT_EQ(place_tooltip(100, 300, {200, 700}, kScreen), (Placement{100, 0, Corner::None}));
  EXPECT_EQ(place_tooltip(500, 300, {1100, 700}, kScreen), (Placement{0, 0, Corner::None}));
}

TEST(Bubble, BodyLeavesRoomForThePoints) { EXPECT_EQ(body_box({206, 113}), (Box{0, 10, 205, 102})); }

constexpr Corner kCorners[] = {Corner::TopLeft, Corner::BottomLeft, Corner::TopRight, Corner::BottomRight,
                               Corner::None};

// The corner of `body` a pointing corner sticks out of, as the point 6 pixels beyond it.
Point tipOf(Corner corner, Box b, int extra) {
  switch (corner) {
    case Corner::TopLeft:
      return {b.left, b.top - 6};
    case Corner::BottomLeft:
      return {b.left, b.bottom + extra};
    case Corner::TopRight:
      return {b.right + (extra == 6 ? 0 : 1), b.top - 6};
    case Corner::BottomRight:
      return {b.right + (extra == 6 ? 0 : 1), b.bottom + extra};
    case Corner::None:
      break;
  }
  return {};
}

TEST(Bubble, OutlineIsClosedAndOnlyTheNamedCornerPoints) {
  const Box body{0, 10, 199, 89};
  for (Corner corner : kCorners) {
    SCOPED_TRACE(int(corner));
    const BubblePoints p = bubble_outline(corner, body);
    EXPECT_EQ(p.front(), p.back());
    int outside = 0;
    for (const Point& q : p) {
      const bool inside = q.x >= body.left && q.x <= body.right && q.y >= body.top && q.y <= body.bottom;
      if (!inside) {
        ++outside;
        EXPECT_LE(std::max({body.left - q.x, q.x - body.right, body.top - q.y, q.y - body.bottom}), 6);
      }
    }
    if (corner == Corner::None) {
      EXPECT_EQ(outside, 0);
    } else {
      EXPECT_GT(outside, 0);
      EXPECT_NE(std::find(p.begin(), p.end(), tipOf(corner, body, 6)), p.end());
    }
  }
}

TEST(Bubble, RoundedOutlineCorners) {
  const BubblePoints p = bubble_outline(Corner::None, Box{0, 10, 199, 89});
  const BubblePoints expected{{{0, 16},   {0, 83},   {1, 84},   {1, 85},   {4, 88},   {5, 88},   {6, 89},
                               {193, 89}, {194, 88}, {195, 88}, {198, 85}, {198, 84}, {199, 83}, {199, 16},
                               {198, 15}, {198, 14}, {195, 11}, {194, 11}, {193, 10}, {6, 10},   {5, 11},
                               {4, 11},   {1, 14},   {1, 15},   {0, 16}}};
  EXPECT_EQ(p, expected);
}

TEST(Bubble, TopLeftPointOfTheOutline) {
  const BubblePoints p = bubble_outline(Corner::TopLeft, Box{0, 10, 199, 89});
  EXPECT_EQ(p[0], (Point{0, 4}));
  EXPECT_EQ(p[19], (Point{6, 10}));
  EXPECT_EQ(p[20], (Point{5, 9}));
  EXPECT_EQ(p[22], (Point{1, 6}));
  EXPECT_EQ(p[24], (Point{0, 4}));
  // The other corners stay rounded.
  EXPECT_EQ(p[1], (Point{0, 83}));
  EXPECT_EQ(p[13], (Point{199, 16}));
}

TEST(Bubble, RegionCoversTheOutlineOneFurtherRightAndDown) {
  const Box body{0, 10, 199, 89};
  for (Corner corner : kCorners) {
    SCOPED_TRACE(int(corner));
    const BubblePoints r = bubble_region(corner, body, SystemFamily::NT);
    EXPECT_EQ(r.front(), r.back());
    const auto [minX, maxX] =
        std::minmax_element(r.begin(), r.end(), [](Point a, Point b) { return a.x < b.x; });
    const auto [minY, maxY] =
        std::minmax_element(r.begin(), r.end(), [](Point a, Point b) { return a.y < b.y; });
    EXPECT_EQ(minX->x, 0);
    EXPECT_EQ(maxX->x, 200);
    const bool pointsUp = corner == Corner::TopLeft || corner == Corner::TopRight;
    const bool pointsDown = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    EXPECT_EQ(minY->y, pointsUp ? 4 : 10);
    EXPECT_EQ(maxY->y, pointsDown ? 95 : 90);
  }
}

TEST(Bubble, RegionPointsOfTheBottomRightCorner) {
  const BubblePoints r = bubble_region(Corner::BottomRight, Box{0, 10, 199, 89}, SystemFamily::NT);
  const Point expected[] = {{194, 90}, {195, 91}, {196, 91}, {199, 94}, {199, 95}, {200, 95}};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), r.begin() + 7));
  // The rounded corners of the region curve wider than those of the outline.
  EXPECT_EQ(r[1], (Point{0, 83}));
  EXPECT_EQ(r[19], (Point{6, 10}));
}

// Six points of a corner starting at index `first`.
using Six = std::array<Point, 6>;
void expectSix(const BubblePoints& p, int first, const Six& six) {
  for (int i = 0; i < 6; ++i) EXPECT_EQ(p[std::size_t(first + i)], six[std::size_t(i)]) << first + i;
}

TEST(Bubble, OutlinePointsOfEveryPointingCorner) {
  const Box body{0, 10, 199, 89};
  expectSix(bubble_outline(Corner::BottomLeft, body), 1,
            {{{0, 95}, {1, 94}, {1, 93}, {4, 90}, {5, 90}, {6, 89}}});
  expectSix(bubble_outline(Corner::BottomRight, body), 7,
            {{{193, 89}, {194, 90}, {195, 90}, {198, 93}, {198, 94}, {199, 95}}});
  expectSix(bubble_outline(Corner::TopRight, body), 13,
            {{{199, 4}, {198, 5}, {198, 6}, {195, 9}, {194, 9}, {193, 10}}});
  const BubblePoints topLeft = bubble_outline(Corner::TopLeft, body);
  expectSix(topLeft, 19, {{{6, 10}, {5, 9}, {4, 9}, {1, 6}, {1, 5}, {0, 4}}});
}

TEST(Bubble, RegionPointsRoundedAndPointing) {
  // Right and bottom one further: 200 and 90 for this body.
  const Box body{0, 10, 199, 89};
  const BubblePoints rounded = bubble_region(Corner::None, body, SystemFamily::NT);
  EXPECT_EQ(rounded[0], (Point{0, 16}));
  expectSix(rounded, 1, {{{0, 83}, {1, 84}, {1, 85}, {4, 89}, {5, 88}, {6, 90}}});
  expectSix(rounded, 7, {{{193, 90}, {194, 88}, {195, 89}, {199, 85}, {199, 84}, {200, 83}}});
  expectSix(rounded, 13, {{{200, 16}, {199, 15}, {199, 14}, {196, 11}, {195, 11}, {194, 10}}});
  expectSix(rounded, 19, {{{6, 10}, {5, 11}, {4, 11}, {1, 14}, {1, 15}, {0, 16}}});

  expectSix(bubble_region(Corner::BottomLeft, body, SystemFamily::NT), 1,
            {{{0, 95}, {1, 95}, {1, 94}, {4, 91}, {5, 91}, {6, 90}}});
  expectSix(bubble_region(Corner::TopRight, body, SystemFamily::NT), 13,
            {{{200, 4}, {199, 5}, {198, 6}, {195, 9}, {194, 9}, {193, 10}}});
  const BubblePoints topLeft = bubble_region(Corner::TopLeft, body, SystemFamily::NT);
  EXPECT_EQ(topLeft[0], (Point{0, 4}));
  expectSix(topLeft, 19, {{{7, 10}, {6, 9}, {5, 9}, {2, 6}, {1, 5}, {0, 4}}});
}

TEST(Bubble, Win9xRegionDiffersInOnePointOfTheBottomLeftCurve) {
  const Box body{0, 10, 199, 89};
  for (Corner corner : kCorners) {
    SCOPED_TRACE(int(corner));
    const BubblePoints nt = bubble_region(corner, body, SystemFamily::NT);
    const BubblePoints old = bubble_region(corner, body, SystemFamily::Win9x);
    for (int i = 0; i < kBubblePoints; ++i) {
      if (i == 4 && corner != Corner::BottomLeft) {
        EXPECT_EQ(nt[i], (Point{4, 89}));
        EXPECT_EQ(old[i], (Point{4, 88}));
      } else {
        EXPECT_EQ(nt[i], old[i]) << i;
      }
    }
  }
}

TEST(HeaderBand, DarkAtTheLeftNearlyFullAtTheRight) {
  const std::uint32_t bg = 0xE1FFFF;  // the system's pale-yellow tooltip colour
  const BandStrip first = band_strip(0, 300, bg);
  const BandStrip last = band_strip(255, 300, bg);
  // 15 % of each channel, truncated.
  EXPECT_EQ(first.colour, 0x212626u);
  // (0.15 + 0.85 * 255/256) of each channel.
  EXPECT_EQ(last.colour, 0xE0FEFEu);
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(last.right, 300);
}

TEST(HeaderBand, StripsTileTheWidthWithoutGaps) {
  for (int width : {1, 123, 256, 300, 1024}) {
    int next = 0;
    for (int k = 0; k < kBandStrips; ++k) {
      const BandStrip s = band_strip(k, width, 0xFFFFFF);
      EXPECT_EQ(s.left, next);
      EXPECT_GE(s.right, s.left);
      next = s.right;
    }
    EXPECT_EQ(next, width);
  }
}

TEST(HeaderBand, FactorIsClamped) {
  EXPECT_EQ(band_strip(0, 256, 0xFFFFFF, 2.0).colour, 0u);
  EXPECT_EQ(band_strip(0, 256, 0xFFFFFF, -1.0).colour, 0xFFFFFFu);
  EXPECT_EQ(band_strip(128, 256, 0x808080, 1.0).colour, 0x404040u);
}

TEST(LogoBlend, OpaqueTransparentAndHalf) {
  // Same on black and on white: the colour image shows.
  EXPECT_EQ(blend_logo_pixel(0x123456, 0x00FF00, 0x00FF00, 0x0000FF), 0x0000FFu);
  // Black on black, white on white: the ground shows.
  EXPECT_EQ(blend_logo_pixel(0x123456, 0x000000, 0xFFFFFF, 0xFFFFFF), 0x123456u);
  // Anti-aliased edge of a white mark: half coverage.
  EXPECT_EQ(blend_logo_channel(0, 128, 255, 255), 128);
  EXPECT_EQ(blend_logo_channel(200, 128, 255, 255), (200 * 127 + 255 * 128) / 255);
  // A brighter on-black than on-white pixel cannot make the logo more than opaque.
  EXPECT_EQ(blend_logo_channel(10, 200, 100, 50), 50);
}

}  // namespace
}  // namespace tippaint::frame
