// Draws the host's artwork at build time: the three tray icons of the language libraries
// (active, paused, busy) as .ico files in every size Windows asks for, and the splash files
// "win65K.spl" (24-bit pictures) and "win256.spl" (the same pictures in 256 colours, for
// palette displays) with one picture per language ("1038", "2057") and one for the others
// ("0000"). Built with the host compiler; usage: host_art OUTPUT_DIRECTORY.
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  uint8_t r, g, b;
};

struct Canvas {
  int width, height;
  std::vector<Rgb> pixels;
  std::vector<uint8_t> alpha;
  Canvas(int w, int h) : width(w), height(h), pixels(w * h, Rgb{0, 0, 0}), alpha(w * h, 0) {}
  void set(int x, int y, Rgb c, uint8_t a = 255) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[y * width + x] = c;
    alpha[y * width + x] = a;
  }
  void fill(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) set(x, y, c);
  }
};

Rgb mix(Rgb a, Rgb b, double t) {
  return Rgb{static_cast<uint8_t>(a.r + (b.r - a.r) * t), static_cast<uint8_t>(a.g + (b.g - a.g) * t),
             static_cast<uint8_t>(a.b + (b.b - a.b) * t)};
}

// A 5 x 7 pixel font with the letters of the word mark.
const char* glyph(char c) {
  switch (c) {
    case 'L':
      return "10000100001000010000100001000011111";
    case 'E':
      return "11111100001000011110100001000011111";
    case 'X':
      return "10001100010101000100010101000110001";
    case 'I':
      return "01110001000010000100001000010001110";
    case 'T':
      return "11111001000010000100001000010000100";
    case 'O':
      return "01110100011000110001100011000101110";
    case 'N':
      return "10001110011010110011100011000110001";
  }
  return "00000000000000000000000000000000000";
}

void text(Canvas& c, int x, int y, int scale, const std::string& word, Rgb colour) {
  for (char ch : word) {
    const char* g = glyph(ch);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g[row * 5 + col] == '1')
          c.fill(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, colour);
    x += 6 * scale;
  }
}

// The tray icon: a rounded tile in the state's colour with a white speech bubble holding an "L".
Canvas icon(int size, Rgb tile) {
  Canvas c(size, size);
  const double radius = size * 0.22;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double dx = std::max({radius - x - 0.5, x + 0.5 - (size - radius), 0.0});
      const double dy = std::max({radius - y - 0.5, y + 0.5 - (size - radius), 0.0});
      const double outside = std::sqrt(dx * dx + dy * dy) - radius;
      if (outside > 0.5) continue;
      const double shade = static_cast<double>(y) / size;
      c.set(x, y, mix(tile, Rgb{0, 0, 0}, shade * 0.25), outside > -0.5 ? 128 : 255);
    }
  const Rgb white{255, 255, 255};
  const int m = std::max(2, size / 6);
  c.fill(m, m, size - m, size - 2 * m, white);
  for (int i = 0; i < m; ++i) c.fill(m + i, size - 2 * m + i, 2 * m + 1, size - 2 * m + i + 1, white);
  const int stroke = std::max(1, size / 10);
  const int lx = m + stroke + size / 10, ly = m + stroke;
  c.fill(lx, ly, lx + stroke, size - 2 * m - stroke, tile);
  c.fill(lx, size - 2 * m - 2 * stroke, size - m - stroke - size / 10, size - 2 * m - stroke, tile);
  return c;
}

void put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// One icon image: a 32-bit DIB (height doubled for the mask) and its AND mask.
std::vector<uint8_t> iconImage(const Canvas& c) {
  std::vector<uint8_t> b;
  put32(b, 40);
  put32(b, c.width);
  put32(b, c.height * 2);
  put16(b, 1);
  put16(b, 32);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  for (int y = c.height - 1; y >= 0; --y)
    for (int x = 0; x < c.width; ++x) {
      const Rgb p = c.pixels[y * c.width + x];
      b.push_back(p.b);
      b.push_back(p.g);
      b.push_back(p.r);
      b.push_back(c.alpha[y * c.width + x]);
    }
  const int maskStride = (c.width + 31) / 32 * 4;
  for (int y = c.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < c.width; ++x)
      if (c.alpha[y * c.width + x] == 0) row[x / 8] |= 0x80 >> (x % 8);
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

bool writeIcon(const std::string& path, Rgb tile) {
  const int sizes[] = {16, 20, 24, 32, 40, 48, 64};
  std::vector<std::vector<uint8_t>> images;
  for (int s : sizes) images.push_back(iconImage(icon(s, tile)));
  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, 1);
  put16(out, static_cast<uint16_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<uint8_t>(sizes[i]));
    out.push_back(static_cast<uint8_t>(sizes[i]));
    out.push_back(0);
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<uint32_t>(images[i].size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(f);
}

// The splash picture: a blue gradient, the word mark, and a band in the language's colours.
Canvas splash(const std::vector<Rgb>& band) {
  Canvas c(360, 200);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      c.set(x, y,
            mix(Rgb{24, 64, 128}, Rgb{92, 156, 214},
                (static_cast<double>(x) / c.width + static_cast<double>(y) / c.height) / 2));
  const Canvas mark = icon(96, Rgb{36, 120, 200});
  for (int y = 0; y < mark.height; ++y)
    for (int x = 0; x < mark.width; ++x)
      if (mark.alpha[y * mark.width + x]) c.set(24 + x, 36 + y, mark.pixels[y * mark.width + x]);
  text(c, 136, 62, 4, "LEXITON", Rgb{255, 255, 255});
  const int stripe = c.width / static_cast<int>(band.size());
  for (std::size_t i = 0; i < band.size(); ++i)
    c.fill(static_cast<int>(i) * stripe, c.height - 24, static_cast<int>(i + 1) * stripe, c.height, band[i]);
  return c;
}

std::vector<uint8_t> bitmapHeader(const Canvas& c, int bits, uint32_t colours, uint32_t pixelBytes) {
  std::vector<uint8_t> b;
  const uint32_t offset = 14 + 40 + 4 * colours;
  b.push_back('B');
  b.push_back('M');
  put32(b, offset + pixelBytes);
  put32(b, 0);
  put32(b, offset);
  put32(b, 40);
  put32(b, c.width);
  put32(b, c.height);
  put16(b, 1);
  put16(b, static_cast<uint16_t>(bits));
  put32(b, 0);
  put32(b, pixelBytes);
  put32(b, 2835);
  put32(b, 2835);
  put32(b, colours);
  put32(b, 0);
  return b;
}

std::vector<uint8_t> bitmap24(const Canvas& c) {
  const uint32_t stride = (c.width * 3 + 3) / 4 * 4;
  std::vector<uint8_t> b = bitmapHeader(c, 24, 0, stride * c.height);
  for (int y = c.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < c.width; ++x) {
      const Rgb p = c.pixels[y * c.width + x];
      row[x * 3] = p.b;
      row[x * 3 + 1] = p.g;
      row[x * 3 + 2] = p.r;
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

// 256 colours: a 6 x 6 x 6 colour cube and a ramp of greys, each pixel its nearest entry.
std::vector<uint8_t> bitmap8(const Canvas& c) {
  std::vector<Rgb> palette;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) palette.push_back(Rgb{uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
  while (palette.size() < 256) {
    const uint8_t v = static_cast<uint8_t>((palette.size() - 216) * 255 / 39);
    palette.push_back(Rgb{v, v, v});
  }
  const uint32_t stride = (c.width + 3) / 4 * 4;
  std::vector<uint8_t> b = bitmapHeader(c, 8, 256, stride * c.height);
  for (const Rgb& p : palette) {
    b.push_back(p.b);
    b.push_back(p.g);
    b.push_back(p.r);
    b.push_back(0);
  }
  for (int y = c.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < c.width; ++x) {
      const Rgb p = c.pixels[y * c.width + x];
      int best = 0, bestDistance = 1 << 30;
      for (int i = 0; i < 256; ++i) {
        const int dr = p.r - palette[i].r, dg = p.g - palette[i].g, db = p.b - palette[i].b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = i;
      }
      row[x] = static_cast<uint8_t>(best);
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

bool writeSplash(const std::string& path, bool paletted) {
  const std::vector<std::pair<std::string, std::vector<Rgb>>> languages = {
      {"1038", {Rgb{206, 41, 57}, Rgb{255, 255, 255}, Rgb{71, 112, 80}}},
      {"2057", {Rgb{1, 33, 105}, Rgb{255, 255, 255}, Rgb{200, 16, 46}, Rgb{255, 255, 255}, Rgb{1, 33, 105}}},
      {"0000", {Rgb{40, 40, 40}, Rgb{120, 120, 120}}}};
  std::vector<uint8_t> out;
  for (const auto& [tag, band] : languages) {
    const Canvas picture = splash(band);
    const std::vector<uint8_t> file = paletted ? bitmap8(picture) : bitmap24(picture);
    uLongf length = compressBound(static_cast<uLong>(file.size()));
    std::vector<uint8_t> packed(length);
    if (compress2(packed.data(), &length, file.data(), static_cast<uLong>(file.size()), 9) != Z_OK)
      return false;
    out.insert(out.end(), tag.begin(), tag.end());
    put32(out, static_cast<uint32_t>(length));
    out.insert(out.end(), packed.begin(), packed.begin() + length);
  }
  put32(out, 0);
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: host_art OUTPUT_DIRECTORY\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const bool ok = writeIcon(dir + "active.ico", Rgb{36, 120, 200}) &&
                  writeIcon(dir + "paused.ico", Rgb{128, 128, 128}) &&
                  writeIcon(dir + "busy.ico", Rgb{224, 132, 20}) && writeSplash(dir + "win65K.spl", false) &&
                  writeSplash(dir + "win256.spl", true);
  if (!ok) std::fprintf(stderr, "host_art: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
