// The shape and place of a finished tooltip: its final size, where it goes beside the mouse
// pointer and which corner points at it, the 25-point outline of the speech bubble and the
// matching window region, and the colours of the header band. Pure arithmetic, so every
// case can be checked natively; the GDI side only draws what this computes.
#pragma once

#include <tippaint/surface.h>

#include <array>
#include <cstdint>

namespace tippaint::frame {

// The header band with the two logos takes the top of every tooltip; content starts below.
inline constexpr int kHeaderHeight = 30;
inline constexpr int kContentTop = 31;
// Logos sit on the band's middle line, inset from its two ends.
inline constexpr int kLogoTop = 13;
inline constexpr int kWordMarkLeft = 3;
inline constexpr int kMakerLogoRightInset = 5;
// Room around the two logos that the band always keeps.
inline constexpr int kLogoGap = 15;
// Frame additions to the painted content.
inline constexpr int kRtfExtraWidth = 6;
inline constexpr int kPlainListExtraWidth = 3;
inline constexpr int kExtraHeight = 13;
// The pointing corner leaves this many pixels between pointer and body.
inline constexpr int kPointerDrop = 8;
inline constexpr int kScreenMargin = 2;
inline constexpr int kAboveDrop = 18;
// The body's top is below the point that sticks out of a top corner.
inline constexpr int kBodyTop = 10;
inline constexpr int kBodyBottomInset = 11;
inline constexpr int kBubblePoints = 25;
// How far the band darkens the background at its left end.
inline constexpr double kBandFactor = 0.85;
inline constexpr int kBandStrips = 256;
// The flat band on palette displays.
inline constexpr std::uint32_t kPaletteBandGrey = 0x808080;

// Which corner of the bubble points at the pointer.
enum class Corner : int {
  TopLeft = 0,      // tooltip below and to the right of the pointer
  BottomLeft = 1,   // above
  TopRight = 2,     // to the left
  BottomRight = 3,  // above and to the left
  None = 4,         // pushed back onto the screen: no point
};

// The two painters of content differ in how much the frame adds.
enum class FramePath { Rtf, PlainList };

// Windows 95/98/ME round one region point differently.
enum class SystemFamily { NT, Win9x };

// The drawing surface's point, so outlines go to it unconverted.
using Point = tippaint::Point;

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Placement {
  int x = 0;
  int y = 0;
  Corner corner = Corner::TopLeft;
  friend bool operator==(const Placement&, const Placement&) = default;
};

using BubblePoints = std::array<Point, kBubblePoints>;

// The tooltip's size from the painted content's extent: the frame's margins, and never
// narrower than the two logos with their gap.
Size final_size(Size content, FramePath path, int wordMarkWidth, int makerLogoWidth);

// Where the tooltip of `size` goes for a pointer at (pointerX, pointerY) on a screen of
// `screen`: below and right of the pointer when it fits, flipped left or up when not, and
// pushed back to 0 (with no pointing corner) when even that leaves the screen.
Placement place_tooltip(int pointerX, int pointerY, Size size, Size screen);

// The bubble's body inside a tooltip of `size`; the points stick out beyond it.
Box body_box(Size size);

// The polyline that draws the bubble's edge.
BubblePoints bubble_outline(Corner corner, Box body);

// The polygon of the window region: right and bottom one further (regions leave out their
// right and bottom edges) and slightly wider curves.
BubblePoints bubble_region(Corner corner, Box body, SystemFamily family);

// One vertical strip of the header band: x from `left` up to `right`, in `colour` (0xBBGGRR).
struct BandStrip {
  int left = 0;
  int right = 0;
  std::uint32_t colour = 0;
};

// Strip `k` (0..kBandStrips-1) of a band `width` pixels wide over `background`: from 15 % of
// the background at the left to nearly all of it at the right. `factor` is clamped to 0..1.
BandStrip band_strip(int k, int width, std::uint32_t background, double factor = kBandFactor);

// One channel of a logo pixel laid over the band: `ground` is what is there, `onBlack`,
// `onWhite` and `colour` the logo's three images; their difference is the transparency.
std::uint8_t blend_logo_channel(std::uint8_t ground, std::uint8_t onBlack, std::uint8_t onWhite,
                                std::uint8_t colour);

// The same over the three channels of 0xBBGGRR colours.
std::uint32_t blend_logo_pixel(std::uint32_t ground, std::uint32_t onBlack, std::uint32_t onWhite,
                               std::uint32_t colour);

}  // namespace tippaint::frame
