// Colour brightness, device-unit conversions and the fonts the painter makes.
#include <cmath>
#include <cstdint>

#include "tippaint/layout.h"

namespace tippaint {
namespace {

int clamp_to_int(std::int64_t value) {
  constexpr std::int64_t kLimit = 0x3FFFFFFF;  // leaves room for sums of two values
  return static_cast<int>(value > kLimit ? kLimit : (value < -kLimit ? -kLimit : value));
}

}  // namespace

int brightness(Colour colour) {
  // 256 * sqrt(0.25 r^2 + 0.64 g^2 + 0.04 b^2) / sqrt(0.93) with r = R / 256 (and so on) is
  // sqrt((25 R^2 + 64 G^2 + 4 B^2) / 93); taking the integer root exactly keeps greys such as
  // 0x808080 on 128 whatever the floating-point unit does.
  const std::int64_t r = red_of(colour), g = green_of(colour), b = blue_of(colour);
  const std::int64_t weighted = 25 * r * r + 64 * g * g + 4 * b * b;
  auto k = static_cast<std::int64_t>(std::sqrt(static_cast<double>(weighted) / 93.0));
  while (k > 0 && 93 * k * k > weighted) --k;
  while (93 * (k + 1) * (k + 1) <= weighted) ++k;
  return static_cast<int>(k);
}

Colour automatic_text_colour(Colour background) {
  return brightness(background) <= 128 ? make_colour(255, 255, 255) : make_colour(0, 0, 0);
}

int mul_div(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t n = a;
  std::int64_t d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const std::int64_t product = n * b;
  const bool same_sign = (n < 0) == (b < 0);
  const std::int64_t rounded = same_sign ? (product + d / 2) / d : (product - d / 2) / d;
  if (rounded > 2147483647LL || rounded < -2147483647LL) return -1;
  return static_cast<int>(rounded);
}

int twips_to_pixels(int twips, int dpi) {
  return clamp_to_int(static_cast<std::int64_t>(dpi) * twips / 1440);
}

int picture_twips_to_pixels(int twips, int dpi) {
  return clamp_to_int((static_cast<std::int64_t>(dpi) * twips + 720) / 1440);
}

int half_points_to_pixels(int half_points, int dpi_y) {
  return clamp_to_int(static_cast<std::int64_t>(dpi_y) * half_points / 144);
}

FontSpec font_spec(const CharFormat& format, int dpi_y, bool reduced) {
  FontSpec spec;
  spec.height = -mul_div(2 * format.size, dpi_y, reduced ? 432 : 288);
  spec.weight = format.bold() ? FontSpec::kBold : FontSpec::kNormal;
  spec.italic = format.italic();
  spec.underline = format.underline != 0;
  spec.strike_out = format.strike != 0;
  spec.charset = format.charset;
  spec.pitch_and_family = format.pitch_and_family;
  spec.face = std::string(format.face_name());
  return spec;
}

FontMetrics format_metrics(Surface& dc, const CharFormat& format) {
  ScopedFont font(dc, font_spec(format, dc.caps().dpi_y, false));
  return dc.metrics(font.get());
}

FontSpec painter_font_spec(int dpi_y, bool bold) {
  FontSpec spec;
  spec.height = -mul_div(8, dpi_y, 72);
  spec.weight = bold ? FontSpec::kBold : FontSpec::kNormal;
  spec.charset = 1;
  spec.face = "MS Sans Serif";
  return spec;
}

FontSpec ellipsis_font_spec(int dpi_y) {
  FontSpec spec;
  spec.height = -mul_div(24, dpi_y, 144);
  spec.weight = FontSpec::kBold;
  spec.charset = 1;
  spec.face = "MS Sans Serif";
  return spec;
}

}  // namespace tippaint
