// Writes 8-bit RGBA images as PNG files (zlib for the image data).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tippaint {

// `rgba` holds width x height pixels, row by row, four bytes each. False when the file
// cannot be written or the sizes do not match.
bool write_png_rgba(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);

}  // namespace tippaint
