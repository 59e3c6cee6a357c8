// Finishing a painted tooltip through a Surface: the header band, the two logos laid over it,
// the bubble outline, and the size, position and region points the caller hands back to the
// host. The logo images come from a LogoSource (bitmap resources in the painter DLL).
#pragma once

#include <tippaint/frame_geometry.h>
#include <tippaint/surface.h>

#include <optional>
#include <vector>

namespace tippaint {

enum class Logo { WordMark, MakerLogo };

// The three images of one logo, row by row: drawn on black, drawn on white, colour image.
struct LogoPixels {
  int width = 0;
  int height = 0;
  std::vector<Colour> on_black;
  std::vector<Colour> on_white;
  std::vector<Colour> colour;
};

class LogoSource {
 public:
  virtual ~LogoSource() = default;
  // The logo's images for a palette or a true-colour display; nothing when one is missing.
  // May throw DrawException (kMemoryDc, kSelectBitmap).
  virtual std::optional<LogoPixels> load(Logo logo, bool palette) = 0;
  // Width of the true-colour colour image, which sizes every tooltip; 0 when it is missing.
  virtual int colour_width(Logo logo) = 0;
};

struct FrameRequest {
  frame::Size content;  // extent of what was painted
  frame::FramePath path = frame::FramePath::Rtf;
  int pointer_x = 0;
  int pointer_y = 0;
  Colour background = 0;
  // Plain lists: the rule under the headword is drawn at this y.
  std::optional<int> rule_y;
};

struct FrameResult {
  frame::Size size;
  frame::Placement placement;
  frame::BubblePoints region;
  // Set when a logo could not be laid over the band (DrawException code); the rest of the
  // frame is complete, so a failing call still hands the host a usable shape.
  std::optional<int> logo_failure;
};

// The band over (0, 0, width, kHeaderHeight): a flat nearest-grey on palette displays, else a
// gradient from dark to nearly the full background colour.
void paint_header_band(Surface& surface, int width, Colour background, double factor = frame::kBandFactor);

// The band with both logos laid over it, composed in memory: what paint_header_band and
// blend_logo paint on a true-colour target, as one block of pixels.
struct HeaderImage {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row by row from the top

  // Lays `logo` over the image as blend_logo lays it over a surface; returns its width.
  int blend(const LogoPixels& logo, int anchor_x, int top, bool right_aligned);
};

// The true-colour band over (0, 0, width, kHeaderHeight + 1), without logos.
HeaderImage header_band_image(int width, Colour background, double factor = frame::kBandFactor);

// Lays `logo` over what is painted, its left edge at anchor_x (or its right edge when
// right-aligned), and returns its width.
int blend_logo(Surface& surface, const LogoPixels& logo, int anchor_x, int top, bool right_aligned);

// Everything after the content: size, band, logos, rule, placement, outline. The region is
// returned as points for the caller's system to make a polygon region of.
FrameResult finish_frame(Surface& surface, LogoSource& logos, const FrameRequest& request,
                         frame::SystemFamily family);

}  // namespace tippaint
