#include <tippaint/frame_painter.h>

#include <tippaint/draw_exception.h>

#include <algorithm>
#include <array>

namespace tippaint {

using namespace frame;

namespace {

constexpr Colour kBlack = 0x000000;

}  // namespace

void paint_header_band(Surface& surface, int width, Colour background, double factor) {
  if (surface.caps().palette) {
    surface.fill_rect({0, 0, width, kHeaderHeight}, surface.nearest_colour(kPaletteBandGrey));
    return;
  }
  for (int k = 0; k < kBandStrips; ++k) {
    const BandStrip strip = band_strip(k, width, background, factor);
    if (strip.right > strip.left)
      surface.fill_rect({strip.left, 0, strip.right, kHeaderHeight + 1}, strip.colour);
  }
}

int blend_logo(Surface& surface, const LogoPixels& logo, int anchor_x, int top, bool right_aligned) {
  const std::size_t pixels = std::size_t(std::max(0, logo.width)) * std::size_t(std::max(0, logo.height));
  if (logo.on_black.size() < pixels || logo.on_white.size() < pixels || logo.colour.size() < pixels) return 0;
  const int left = right_aligned ? anchor_x - logo.width : anchor_x;
  for (int j = 0; j < logo.height; ++j) {
    for (int i = 0; i < logo.width; ++i) {
      const std::size_t at = std::size_t(j) * logo.width + i;
      const Colour ground = surface.get_pixel(left + i, top + j);
      surface.set_pixel(left + i, top + j,
                        blend_logo_pixel(ground, logo.on_black[at], logo.on_white[at], logo.colour[at]));
    }
  }
  return logo.width;
}

FrameResult finish_frame(Surface& surface, LogoSource& logos, const FrameRequest& request,
                         SystemFamily family) {
  const DeviceCaps caps = surface.caps();
  FrameResult result;
  result.size = final_size(request.content, request.path, logos.colour_width(Logo::WordMark),
                           logos.colour_width(Logo::MakerLogo));

  paint_header_band(surface, result.size.width, request.background);
  try {
    if (auto maker = logos.load(Logo::MakerLogo, caps.palette))
      blend_logo(surface, *maker, result.size.width - kMakerLogoRightInset, kLogoTop, true);
    if (auto mark = logos.load(Logo::WordMark, caps.palette))
      blend_logo(surface, *mark, kWordMarkLeft, kLogoTop, false);
  } catch (const DrawException& e) {
    result.logo_failure = e.code();
  }

  // The rule under a plain list's headword is drawn in whatever pen the caller's context holds.
  if (request.rule_y) {
    const std::array<Point, 2> rule{Point{0, *request.rule_y}, Point{result.size.width, *request.rule_y}};
    surface.polyline(rule, std::nullopt);
  }

  result.placement = place_tooltip(request.pointer_x, request.pointer_y, result.size,
                                   {caps.screen_width, caps.screen_height});
  const Box body = body_box(result.size);
  const BubblePoints outline = bubble_outline(result.placement.corner, body);
  // The RTF painter's outline uses whatever pen the host's context holds; plain lists are
  // always edged in black.
  surface.polyline(outline,
                   request.path == FramePath::PlainList ? std::optional<Colour>(kBlack) : std::nullopt);
  result.region = bubble_region(result.placement.corner, body, family);
  return result;
}

}  // namespace tippaint
