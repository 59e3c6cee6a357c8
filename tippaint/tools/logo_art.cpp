// Draws the painter's header-band logos and writes them as 24-bit BMP files for the resource
// compiler: the "Lexiton" word mark (87 x 16, white, anti-aliased) and the maker's logo
// (21 x 16, a blue rounded tile with a white "V"), each drawn on black, drawn on white and as
// its colour image, for true-colour and for palette displays. The painter lays the colour
// image over its band and takes the difference of the first two as transparency.
//
// Glyphs are centre-line strokes (segments and elliptical arcs) rasterised by coverage on an
// 8 x 8 grid of samples per pixel, so the artwork is ours, exact and needs no font.
//
// Usage: logo_art OUTPUT_DIR   (writes logo101.bmp ... logo112.bmp)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kWordMarkWidth = 87;
constexpr int kMakerLogoWidth = 21;
constexpr int kLogoHeight = 16;
constexpr int kSamples = 8;  // per pixel and axis
constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r = 0, g = 0, b = 0;
};

struct Image {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Image(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h) {}
  Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

// Coverage of every pixel by a shape given as an inside test on points.
using Shape = std::function<bool(double, double)>;

std::vector<double> coverage(int width, int height, const Shape& inside) {
  std::vector<double> out(std::size_t(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      out[std::size_t(y) * width + x] = double(hits) / (kSamples * kSamples);
    }
  return out;
}

struct Segment {
  double x0, y0, x1, y1;
};

double distanceToSegment(double px, double py, const Segment& s) {
  const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - s.x0) * dx + (py - s.y0) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = s.x0 + t * dx - px, ey = s.y0 + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

// A pen that collects the centre lines of one word.
class Strokes {
 public:
  void line(double x0, double y0, double x1, double y1) { segments_.push_back({x0, y0, x1, y1}); }
  // Elliptical arc from angle `from` to `to` (degrees, counter-clockwise, y pointing down).
  void arc(double cx, double cy, double rx, double ry, double from, double to) {
    constexpr int kSteps = 48;
    auto point = [&](int i) {
      const double a = (from + (to - from) * i / kSteps) * kPi / 180;
      return std::pair{cx + rx * std::cos(a), cy - ry * std::sin(a)};
    };
    for (int i = 0; i < kSteps; ++i) {
      auto [x0, y0] = point(i);
      auto [x1, y1] = point(i + 1);
      line(x0, y0, x1, y1);
    }
  }
  void shift(double dx, std::size_t from) {
    for (std::size_t i = from; i < segments_.size(); ++i) {
      segments_[i].x0 += dx;
      segments_[i].x1 += dx;
    }
  }
  std::size_t count() const { return segments_.size(); }
  bool near(double x, double y, double halfWidth) const {
    for (const Segment& s : segments_)
      if (distanceToSegment(x, y, s) <= halfWidth) return true;
    return false;
  }

 private:
  std::vector<Segment> segments_;
};

// "Lexiton" in a rounded sans: cap line, x-height and baseline in pixels of the 16-pixel mark.
Strokes wordMarkStrokes(double& inkWidth) {
  constexpr double cap = 2.0, xh = 5.5, base = 13.0, mid = (xh + base) / 2;
  constexpr double bowlRx = 3.6, bowlRy = (base - xh) / 2;
  constexpr double spacing = 2.6;
  Strokes s;
  double pen = 0;
  auto glyph = [&](double advance, auto draw) {
    const std::size_t first = s.count();
    draw();
    s.shift(pen, first);
    pen += advance + spacing;
  };
  glyph(7.5, [&] {
    s.line(0, cap, 0, base);
    s.line(0, base, 7.5, base);
  });
  glyph(7.2, [&] {
    s.line(0, mid, 7.2, mid);
    s.arc(3.6, mid, bowlRx, bowlRy, 0, 310);
  });
  glyph(7.0, [&] {
    s.line(0, xh, 7.0, base);
    s.line(7.0, xh, 0, base);
  });
  glyph(0.0, [&] {
    s.line(0, xh, 0, base);
    s.line(0, cap + 0.3, 0, cap + 0.5);
  });
  glyph(5.0, [&] {
    s.line(1.6, cap + 0.5, 1.6, base - 1.6);
    s.arc(3.6, base - 1.6, 2.0, 1.6, 180, 290);
    s.line(0, xh, 5.0, xh);
  });
  glyph(7.2, [&] { s.arc(3.6, mid, bowlRx, bowlRy, 0, 360); });
  glyph(6.8, [&] {
    s.line(0, xh, 0, base);
    s.arc(3.4, mid - 0.4, 3.4, bowlRy - 0.4, 180, 0);
    s.line(6.8, mid - 0.4, 6.8, base);
  });
  inkWidth = pen - spacing;
  return s;
}

std::vector<double> wordMarkCoverage() {
  double ink = 0;
  const Strokes strokes = wordMarkStrokes(ink);
  constexpr double halfWidth = 0.95;
  const double left = (kWordMarkWidth - ink) / 2;
  return coverage(kWordMarkWidth, kLogoHeight,
                  [&](double x, double y) { return strokes.near(x - left, y, halfWidth); });
}

bool insideRoundedRect(double x, double y, double l, double t, double r, double b, double radius) {
  if (x < l || x > r || y < t || y > b) return false;
  const double cx = std::clamp(x, l + radius, r - radius);
  const double cy = std::clamp(y, t + radius, b - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// The maker's tile and the "V" on it, as two coverages.
void makerLogoCoverage(std::vector<double>& tile, std::vector<double>& mark) {
  tile = coverage(kMakerLogoWidth, kLogoHeight,
                  [](double x, double y) { return insideRoundedRect(x, y, 1.5, 0.5, 19.5, 15.5, 3.5); });
  Strokes v;
  v.line(5.5, 3.5, 10.5, 12.5);
  v.line(10.5, 12.5, 15.5, 3.5);
  mark = coverage(kMakerLogoWidth, kLogoHeight, [&](double x, double y) { return v.near(x, y, 1.1); });
}

Rgb mix(Rgb under, Rgb over, double a) {
  return {under.r + (over.r - under.r) * a, under.g + (over.g - under.g) * a,
          under.b + (over.b - under.b) * a};
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kMidGrey{128, 128, 128};
constexpr Rgb kTileBlue{30, 90, 200};
constexpr Rgb kPaletteNavy{0, 0, 128};

// The three images of a logo whose colour is `ink` and whose opacity is `alpha`.
struct Variants {
  Image onBlack, onWhite, colour;
  Variants(int w, int h) : onBlack(w, h), onWhite(w, h), colour(w, h) {}
};

Variants layered(int width, const std::vector<Rgb>& ink, const std::vector<double>& alpha) {
  Variants v(width, kLogoHeight);
  for (int y = 0; y < kLogoHeight; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t i = std::size_t(y) * width + x;
      v.onBlack.at(x, y) = mix(kBlack, ink[i], alpha[i]);
      v.onWhite.at(x, y) = mix(kWhite, ink[i], alpha[i]);
      v.colour.at(x, y) = ink[i];
    }
  return v;
}

bool writeBmp(const std::string& path, const Image& image) {
  const int rowBytes = (image.width * 3 + 3) & ~3;
  const std::uint32_t dataSize = std::uint32_t(rowBytes) * image.height;
  std::vector<std::uint8_t> out;
  auto u16 = [&](std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out.push_back('B');
  out.push_back('M');
  u32(14 + 40 + dataSize);
  u32(0);
  u32(14 + 40);
  u32(40);
  u32(std::uint32_t(image.width));
  u32(std::uint32_t(image.height));  // bottom-up rows
  u16(1);
  u16(24);
  u32(0);  // BI_RGB
  u32(dataSize);
  u32(2835);  // 72 dpi
  u32(2835);
  u32(0);
  u32(0);
  auto channel = [](double c) { return std::uint8_t(std::lround(std::clamp(c, 0.0, 255.0))); };
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Rgb& p = const_cast<Image&>(image).at(x, y);
      out.push_back(channel(p.b));
      out.push_back(channel(p.g));
      out.push_back(channel(p.r));
    }
    out.resize(start + rowBytes, 0);
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: logo_art OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  auto write = [&](int id, const Image& image) {
    const std::string path = dir + "/logo" + std::to_string(id) + ".bmp";
    if (!writeBmp(path, image)) {
      std::fprintf(stderr, "logo_art: cannot write %s\n", path.c_str());
      ok = false;
    }
  };
  auto writeVariants = [&](int firstId, const Variants& v) {
    write(firstId, v.onBlack);
    write(firstId + 1, v.onWhite);
    write(firstId + 2, v.colour);
  };

  const std::vector<double> word = wordMarkCoverage();
  std::vector<double> tile, vee;
  makerLogoCoverage(tile, vee);

  // True colour: white anti-aliased mark; blue tile with a white "V", soft edges.
  writeVariants(101, layered(kWordMarkWidth, std::vector<Rgb>(word.size(), kWhite), word));
  std::vector<Rgb> tileInk(tile.size());
  for (std::size_t i = 0; i < tile.size(); ++i) tileInk[i] = mix(kTileBlue, kWhite, vee[i]);
  writeVariants(104, layered(kMakerLogoWidth, tileInk, tile));

  // Palette displays: hard edges in colours every palette has. The word mark is opaque white
  // on the mid-grey of the flat palette band; the tile keeps its shape.
  std::vector<Rgb> flatWord(word.size());
  for (std::size_t i = 0; i < word.size(); ++i) flatWord[i] = word[i] >= 0.5 ? kWhite : kMidGrey;
  writeVariants(107, layered(kWordMarkWidth, flatWord, std::vector<double>(word.size(), 1.0)));
  std::vector<Rgb> flatTileInk(tile.size());
  std::vector<double> flatTile(tile.size());
  for (std::size_t i = 0; i < tile.size(); ++i) {
    flatTileInk[i] = vee[i] >= 0.5 ? kWhite : kPaletteNavy;
    flatTile[i] = tile[i] >= 0.5 ? 1.0 : 0.0;
  }
  writeVariants(110, layered(kMakerLogoWidth, flatTileInk, flatTile));
  return ok ? 0 : 1;
}
