#include <tippaint/frame_painter.h>

#include <tippaint/draw_exception.h>

#include <algorithm>
#include <array>

namespace tippaint {

using namespace frame;

namespace {

constexpr Colour kBlack = 0x000000;
// The band's strips are one pixel taller than the header.
constexpr int kBandHeight = kHeaderHeight + 1;

bool complete(const LogoPixels& logo) {
  const std::size_t pixels = std::size_t(std::max(0, logo.width)) * std::size_t(std::max(0, logo.height));
  return logo.on_black.size() >= pixels && logo.on_white.size() >= pixels && logo.colour.size() >= pixels;
}

// The logos over the band, each as its LogoSource gives it; a failure to load one ends the
// logos and is reported with the frame.
template <class Blend>
void lay_logos(LogoSource& logos, bool palette, int width, FrameResult& result, Blend blend) {
  try {
    if (auto maker = logos.load(Logo::MakerLogo, palette)) blend(*maker, width - kMakerLogoRightInset, true);
    if (auto mark = logos.load(Logo::WordMark, palette)) blend(*mark, kWordMarkLeft, false);
  } catch (const DrawException& e) {
    result.logo_failure = e.code();
  }
}

}  // namespace

HeaderImage header_band_image(int width, Colour background, double factor) {
  HeaderImage image;
  image.width = std::max(0, width);
  image.height = kBandHeight;
  image.pixels.resize(std::size_t(image.width) * image.height);
  // One row from the strips, copied down: every row of a strip has its colour.
  for (int k = 0; k < kBandStrips; ++k) {
    const BandStrip strip = band_strip(k, image.width, background, factor);
    std::fill(image.pixels.begin() + strip.left, image.pixels.begin() + std::max(strip.left, strip.right),
              strip.colour);
  }
  for (int y = 1; y < image.height; ++y)
    std::copy_n(image.pixels.begin(), image.width, image.pixels.begin() + std::ptrdiff_t(y) * image.width);
  return image;
}

int HeaderImage::blend(const LogoPixels& logo, int anchor_x, int top, bool right_aligned) {
  if (!complete(logo)) return 0;
  const int left = right_aligned ? anchor_x - logo.width : anchor_x;
  for (int j = 0; j < logo.height; ++j) {
    for (int i = 0; i < logo.width; ++i) {
      const int x = left + i, y = top + j;
      // Outside the image nothing shows, as GDI clips a pixel outside its bitmap.
      if (x < 0 || y < 0 || x >= width || y >= height) continue;
      const std::size_t at = std::size_t(j) * logo.width + i;
      Colour& ground = pixels[std::size_t(y) * width + x];
      ground = blend_logo_pixel(ground, logo.on_black[at], logo.on_white[at], logo.colour[at]);
    }
  }
  return logo.width;
}

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
  if (!complete(logo)) return 0;
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

  const int width = result.size.width;
  if (caps.exact_colours && !caps.palette && width <= caps.screen_width) {
    // Composed in memory and copied once: the same pixels as strips and per-pixel blending
    // on a target that stores colours exactly, without a GDI call per pixel.
    HeaderImage header = header_band_image(width, request.background);
    lay_logos(logos, false, width, result, [&](const LogoPixels& logo, int anchor, bool right_aligned) {
      header.blend(logo, anchor, kLogoTop, right_aligned);
    });
    surface.draw_pixels({0, 0, header.width, header.height}, header.pixels);
  } else {
    paint_header_band(surface, width, request.background);
    lay_logos(logos, caps.palette, width, result,
              [&](const LogoPixels& logo, int anchor, bool right_aligned) {
                blend_logo(surface, logo, anchor, kLogoTop, right_aligned);
              });
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
