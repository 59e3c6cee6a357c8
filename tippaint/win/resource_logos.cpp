#include <tippaint/win/resource_logos.h>

#include <tippaint/draw_exception.h>
#include <lexiton/win/gdi_handles.h>

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

// As a DIB section, so the pixels can be read from memory instead of one GDI call each.
Bitmap load_bitmap(HMODULE module, int id) {
  return Bitmap(static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The pixels of a 24- or 32-bit DIB section, row by row from the top; nothing for other kinds.
std::optional<std::vector<Colour>> dib_pixels(HBITMAP bitmap, SIZE size) {
  DIBSECTION dib{};
  if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return std::nullopt;
  const int bytes_per_pixel = dib.dsBm.bmBitsPixel / 8;
  if ((bytes_per_pixel != 3 && bytes_per_pixel != 4) || dib.dsBmih.biCompression != BI_RGB ||
      dib.dsBm.bmWidth != size.cx || dib.dsBm.bmHeight != size.cy)
    return std::nullopt;
  const bool bottom_up = dib.dsBmih.biHeight > 0;
  const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
  std::vector<Colour> out;
  out.reserve(std::size_t(size.cx) * std::size_t(size.cy));
  for (int j = 0; j < size.cy; ++j) {
    const std::uint8_t* row = bits + std::size_t(bottom_up ? size.cy - 1 - j : j) * dib.dsBm.bmWidthBytes;
    for (int i = 0; i < size.cx; ++i) {
      const std::uint8_t* p = row + std::size_t(i) * bytes_per_pixel;
      out.push_back(RGB(p[2], p[1], p[0]));
    }
  }
  return out;
}

SIZE bitmap_size(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

int first_id(Logo logo, bool palette) {
  if (logo == Logo::WordMark) return palette ? kWordMarkPalette : kWordMarkTrueColour;
  return palette ? kMakerLogoPalette : kMakerLogoTrueColour;
}

// The bitmaps are resources of a loaded module and never change: each logo is read once per
// module and kept for the life of the process (both painter DLLs share this code, and the host
// paints from its interface thread while tests may paint from others).
struct LogoCache {
  std::mutex mutex;
  std::map<std::pair<HMODULE, int>, LogoPixels> pixels;  // by module and first resource id
  std::map<std::pair<HMODULE, int>, int> widths;         // by module and resource id
};

LogoCache& cache() {
  static LogoCache c;
  return c;
}

}  // namespace

std::optional<LogoPixels> ResourceLogos::load(Logo logo, bool palette) {
  const std::pair key{module_, first_id(logo, palette)};
  {
    std::lock_guard lock(cache().mutex);
    if (auto it = cache().pixels.find(key); it != cache().pixels.end()) return it->second;
  }
  auto pixels = read(logo, palette);
  if (pixels) {
    std::lock_guard lock(cache().mutex);
    cache().pixels.emplace(key, *pixels);
  }
  return pixels;
}

std::optional<LogoPixels> ResourceLogos::read(Logo logo, bool palette) {
  const int first = first_id(logo, palette);
  std::array<MemoryDc, 3> dcs{MemoryDc(nullptr), MemoryDc(nullptr), MemoryDc(nullptr)};
  for (const MemoryDc& dc : dcs)
    if (!dc) throw DrawException(DrawException::kMemoryDc);
  std::array<Bitmap, 3> bitmaps;
  for (int i = 0; i < 3; ++i) bitmaps[i] = load_bitmap(module_, first + i);
  for (const Bitmap& b : bitmaps)
    if (!b) return std::nullopt;

  // Selections are undone before the bitmaps are deleted: guards die first.
  std::array<std::optional<Selection>, 3> selected;
  for (int i = 0; i < 3; ++i) {
    selected[i].emplace(dcs[i].get(), bitmaps[i].get());
    if (!selected[i]->ok()) throw DrawException(DrawException::kSelectBitmap);
  }

  const SIZE size = bitmap_size(bitmaps[1].get());
  LogoPixels pixels;
  pixels.width = size.cx;
  pixels.height = size.cy;
  GdiFlush();  // drawing into the selected bitmaps is finished before their bits are read
  auto on_black = dib_pixels(bitmaps[0].get(), size);
  auto on_white = dib_pixels(bitmaps[1].get(), size);
  auto colour = dib_pixels(bitmaps[2].get(), size);
  if (on_black && on_white && colour) {
    pixels.on_black = std::move(*on_black);
    pixels.on_white = std::move(*on_white);
    pixels.colour = std::move(*colour);
    return pixels;
  }
  const std::size_t count = std::size_t(size.cx) * std::size_t(size.cy);
  pixels.on_black.reserve(count);
  pixels.on_white.reserve(count);
  pixels.colour.reserve(count);
  for (int j = 0; j < size.cy; ++j) {
    for (int i = 0; i < size.cx; ++i) {
      pixels.on_black.push_back(GetPixel(dcs[0].get(), i, j) & 0xFFFFFF);
      pixels.on_white.push_back(GetPixel(dcs[1].get(), i, j) & 0xFFFFFF);
      pixels.colour.push_back(GetPixel(dcs[2].get(), i, j) & 0xFFFFFF);
    }
  }
  return pixels;
}

int ResourceLogos::colour_width(Logo logo) {
  const std::pair key{module_, first_id(logo, false) + 2};
  {
    std::lock_guard lock(cache().mutex);
    if (auto it = cache().widths.find(key); it != cache().widths.end()) return it->second;
  }
  Bitmap colour = load_bitmap(module_, key.second);
  if (!colour) return 0;
  const int width = int(bitmap_size(colour.get()).cx);
  std::lock_guard lock(cache().mutex);
  cache().widths.emplace(key, width);
  return width;
}

}  // namespace tippaint::win
