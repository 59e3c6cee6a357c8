// Bitmap files and splash files made in memory for the splash tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lexiton::host::test {

// A 24-bit bitmap file of width x height, every pixel `bgr`.
std::vector<uint8_t> bitmapFile(int width, int height, uint32_t bgr = 0x336699);

// An 8-bit bitmap file of width x height with a colour table of two entries, black and
// `tableColour` (0xRRGGBB), every pixel the second entry.
std::vector<uint8_t> paletteBitmapFile(int width, int height, uint32_t tableColour);

// A ChunkList of (tag, zlib stream of the bytes) pairs.
std::vector<uint8_t> splashFile(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& images);

}  // namespace lexiton::host::test
