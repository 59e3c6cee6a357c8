#include <tippaint/frame_geometry.h>

#include <algorithm>

namespace tippaint::frame {

Size final_size(Size content, FramePath path, int wordMarkWidth, int makerLogoWidth) {
  Size size = content;
  size.width += path == FramePath::Rtf ? kRtfExtraWidth : kPlainListExtraWidth;
  size.height += kExtraHeight;
  size.width = std::max(size.width, wordMarkWidth + makerLogoWidth + kLogoGap);
  return size;
}

Placement place_tooltip(int pointerX, int pointerY, Size size, Size screen) {
  Placement place{pointerX, pointerY + kPointerDrop, Corner::TopLeft};
  int corner = 0;
  if (screen.width < place.x + size.width + kScreenMargin) {
    place.x -= size.width + kScreenMargin;
    corner = int(Corner::TopRight);
  }
  if (screen.height < place.y + size.height + kScreenMargin) {
    place.y -= size.height + kAboveDrop;
    corner |= int(Corner::BottomLeft);
  }
  place.corner = Corner(corner);
  if (place.x < 0) {
    place.x = 0;
    place.corner = Corner::None;
  }
  if (place.y < 0) {
    place.y = 0;
    place.corner = Corner::None;
  }
  return place;
}

Box body_box(Size size) { return Box{0, kBodyTop, size.width - 1, size.height - kBodyBottomInset}; }

BubblePoints bubble_outline(Corner corner, Box body) {
  const int L = body.left, T = body.top, R = body.right, B = body.bottom;
  BubblePoints p;
  p[0] = corner == Corner::TopLeft ? Point{L, T - 6} : Point{L, T + 6};

  if (corner == Corner::BottomLeft) {
    p[1] = {L, B + 6}, p[2] = {L + 1, B + 5}, p[3] = {L + 1, B + 4};
    p[4] = {L + 4, B + 1}, p[5] = {L + 5, B + 1}, p[6] = {L + 6, B};
  } else {
    p[1] = {L, B - 6}, p[2] = {L + 1, B - 5}, p[3] = {L + 1, B - 4};
    p[4] = {L + 4, B - 1}, p[5] = {L + 5, B - 1}, p[6] = {L + 6, B};
  }

  if (corner == Corner::BottomRight) {
    p[7] = {R - 6, B}, p[8] = {R - 5, B + 1}, p[9] = {R - 4, B + 1};
    p[10] = {R - 1, B + 4}, p[11] = {R - 1, B + 5}, p[12] = {R, B + 6};
  } else {
    p[7] = {R - 6, B}, p[8] = {R - 5, B - 1}, p[9] = {R - 4, B - 1};
    p[10] = {R - 1, B - 4}, p[11] = {R - 1, B - 5}, p[12] = {R, B - 6};
  }

  if (corner == Corner::TopRight) {
    p[13] = {R, T - 6}, p[14] = {R - 1, T - 5}, p[15] = {R - 1, T - 4};
    p[16] = {R - 4, T - 1}, p[17] = {R - 5, T - 1}, p[18] = {R - 6, T};
  } else {
    p[13] = {R, T + 6}, p[14] = {R - 1, T + 5}, p[15] = {R - 1, T + 4};
    p[16] = {R - 4, T + 1}, p[17] = {R - 5, T + 1}, p[18] = {R - 6, T};
  }

  if (corner == Corner::TopLeft) {
    p[19] = {L + 6, T}, p[20] = {L + 5, T - 1}, p[21] = {L + 4, T - 1};
    p[22] = {L + 1, T - 4}, p[23] = {L + 1, T - 5}, p[24] = {L, T - 6};
  } else {
    p[19] = {L + 6, T}, p[20] = {L + 5, T + 1}, p[21] = {L + 4, T + 1};
    p[22] = {L + 1, T + 4}, p[23] = {L + 1, T + 5}, p[24] = {L, T + 6};
  }
  return p;
}

BubblePoints bubble_region(Corner corner, Box body, SystemFamily family) {
  const int L = body.left, T = body.top, R = body.right + 1, B = body.bottom + 1;
  BubblePoints p;
  p[0] = corner == Corner::TopLeft ? Point{L, T - 6} : Point{L, T + 6};

  if (corner == Corner::BottomLeft) {
    p[1] = {L, B + 5}, p[2] = {L + 1, B + 5}, p[3] = {L + 1, B + 4};
    p[4] = {L + 4, B + 1}, p[5] = {L + 5, B + 1}, p[6] = {L + 6, B};
  } else {
    // The 9x region fill rounds this step of the curve one row higher.
    const int fourthY = family == SystemFamily::Win9x ? B - 2 : B - 1;
    p[1] = {L, B - 7}, p[2] = {L + 1, B - 6}, p[3] = {L + 1, B - 5};
    p[4] = {L + 4, fourthY}, p[5] = {L + 5, B - 2}, p[6] = {L + 6, B};
  }

  if (corner == Corner::BottomRight) {
    p[7] = {R - 6, B}, p[8] = {R - 5, B + 1}, p[9] = {R - 4, B + 1};
    p[10] = {R - 1, B + 4}, p[11] = {R - 1, B + 5}, p[12] = {R, B + 5};
  } else {
    p[7] = {R - 7, B}, p[8] = {R - 6, B - 2}, p[9] = {R - 5, B - 1};
    p[10] = {R - 1, B - 5}, p[11] = {R - 1, B - 6}, p[12] = {R, B - 7};
  }

  if (corner == Corner::TopRight) {
    p[13] = {R, T - 6}, p[14] = {R - 1, T - 5}, p[15] = {R - 2, T - 4};
    p[16] = {R - 5, T - 1}, p[17] = {R - 6, T - 1}, p[18] = {R - 7, T};
  } else {
    p[13] = {R, T + 6}, p[14] = {R - 1, T + 5}, p[15] = {R - 1, T + 4};
    p[16] = {R - 4, T + 1}, p[17] = {R - 5, T + 1}, p[18] = {R - 6, T};
  }

  if (corner == Corner::TopLeft) {
    p[19] = {L + 7, T}, p[20] = {L + 6, T - 1}, p[21] = {L + 5, T - 1};
    p[22] = {L + 2, T - 4}, p[23] = {L + 1, T - 5}, p[24] = {L, T - 6};
  } else {
    p[19] = {L + 6, T}, p[20] = {L + 5, T + 1}, p[21] = {L + 4, T + 1};
    p[22] = {L + 1, T + 4}, p[23] = {L + 1, T + 5}, p[24] = {L, T + 6};
  }
  return p;
}

BandStrip band_strip(int k, int width, std::uint32_t background, double factor) {
  const double darkest = 1.0 - std::clamp(factor, 0.0, 1.0);
  const double f = darkest + (1.0 - darkest) * k / double(kBandStrips);
  auto scaled = [&](int shift) { return std::uint32_t(f * double((background >> shift) & 0xFF)) << shift; };
  BandStrip strip;
  // 64-bit products: a band as wide as any screen times 256 stays exact.
  strip.left = int(std::int64_t(k) * width / kBandStrips);
  strip.right = int(std::int64_t(k + 1) * width / kBandStrips);
  strip.colour = scaled(0) | scaled(8) | scaled(16);
  return strip;
}

std::uint8_t blend_logo_channel(std::uint8_t ground, std::uint8_t onBlack, std::uint8_t onWhite,
                                std::uint8_t colour) {
  const int t = std::max(0, int(onWhite) - int(onBlack));
  return std::uint8_t((int(ground) * t + int(colour) * (255 - t)) / 255);
}

std::uint32_t blend_logo_pixel(std::uint32_t ground, std::uint32_t onBlack, std::uint32_t onWhite,
                               std::uint32_t colour) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    auto at = [shift](std::uint32_t c) { return std::uint8_t((c >> shift) & 0xFF); };
    out |= std::uint32_t(blend_logo_channel(at(ground), at(onBlack), at(onWhite), at(colour))) << shift;
  }
  return out;
}

}  // namespace tippaint::frame
