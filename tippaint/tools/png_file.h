// Writes 8-bit RGBA images as PNG files (zlib for the image data) and reads back the files it
// wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tippaint {

// `rgba` holds width x height pixels, row by row, four bytes each. False when the file
// cannot be written or the sizes do not match.
bool write_png_rgba(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

// Reads a PNG as write_png_rgba writes it (8-bit RGBA, one IDAT stream, every row unfiltered);
// false for a missing file and for any other kind of PNG.
bool read_png_rgba(const std::string& path, RgbaImage& image);

}  // namespace tippaint
