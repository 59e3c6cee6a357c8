#include "splash_test_images.h"

#include <zlib.h>

namespace lexiton::host::test {

namespace {
void put32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
}  // namespace

std::vector<uint8_t> bitmapFile(int width, int height, uint32_t bgr) {
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t size = 54 + stride * height;
  std::vector<uint8_t> b(size, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(size));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, static_cast<uint32_t>(width));
  put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) b[54 + y * stride + x * 3 + c] = static_cast<uint8_t>(bgr >> (8 * c));
  return b;
}

std::vector<uint8_t> paletteBitmapFile(int width, int height, uint32_t tableColour) {
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
  const std::size_t offset = 54 + 2 * 4;
  const std::size_t size = offset + stride * height;
  std::vector<uint8_t> b(size, 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<uint32_t>(size));
  put32(b, 10, static_cast<uint32_t>(offset));
  put32(b, 14, 40);
  put32(b, 18, static_cast<uint32_t>(width));
  put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 8;
  put32(b, 46, 2);  // colours used
  // Entry 0 black, entry 1 the colour, as blue, green, red, 0.
  b[58] = static_cast<uint8_t>(tableColour);
  b[59] = static_cast<uint8_t>(tableColour >> 8);
  b[60] = static_cast<uint8_t>(tableColour >> 16);
  for (std::size_t i = offset; i < size; ++i) b[i] = 1;
  return b;
}

std::vector<uint8_t> splashFile(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& images) {
  std::vector<uint8_t> out;
  for (const auto& [tag, bytes] : images) {
    uLongf length = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<uint8_t> packed(length);
    compress(packed.data(), &length, bytes.data(), static_cast<uLong>(bytes.size()));
    out.insert(out.end(), tag.begin(), tag.end());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(length >> (8 * i)));
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(length));
  }
  out.insert(out.end(), 4, 0);
  return out;
}

}  // namespace lexiton::host::test
