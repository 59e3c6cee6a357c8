#include "png_file.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tippaint {
namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void put_chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  put32(out, std::uint32_t(data.size()));
  const std::size_t type_at = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + type_at, uInt(out.size() - type_at));
  put32(out, std::uint32_t(crc));
}

std::uint32_t get32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Golden images are tooltip-sized; anything larger is not one of ours.
constexpr std::uint32_t kMaxSide = 8192;

}  // namespace

bool write_png_rgba(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba) {
  if (width <= 0 || height <= 0 || rgba.size() != std::size_t(width) * std::size_t(height) * 4) return false;
  // Every row starts with filter type 0 (none).
  std::vector<std::uint8_t> raw;
  raw.reserve(std::size_t(height) * (std::size_t(width) * 4 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto row = rgba.begin() + std::ptrdiff_t(y) * width * 4;
    raw.insert(raw.end(), row, row + std::ptrdiff_t(width) * 4);
  }
  uLongf packed_size = compressBound(uLong(raw.size()));
  std::vector<std::uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
    return false;
  packed.resize(packed_size);

  std::vector<std::uint8_t> header;
  put32(header, std::uint32_t(width));
  put32(header, std::uint32_t(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace

  std::vector<std::uint8_t> file(std::begin(kSignature), std::end(kSignature));
  put_chunk(file, "IHDR", header);
  put_chunk(file, "IDAT", packed);
  put_chunk(file, "IEND", {});

  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && written;
}

bool read_png_rgba(const std::string& path, RgbaImage& image) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (file.size() < sizeof kSignature || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
    return false;
  std::uint32_t width = 0, height = 0;
  std::vector<std::uint8_t> packed;
  for (std::size_t at = sizeof kSignature; at + 12 <= file.size();) {
    const std::uint32_t length = get32(&file[at]);
    if (length > file.size() - at - 12) return false;
    const std::uint8_t* type = &file[at + 4];
    const std::uint8_t* data = type + 4;
    if (std::memcmp(type, "IHDR", 4) == 0) {
      static constexpr std::uint8_t kRgba8[5] = {8, 6, 0, 0, 0};
      if (length != 13 || std::memcmp(data + 8, kRgba8, 5) != 0) return false;
      width = get32(data);
      height = get32(data + 4);
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      packed.insert(packed.end(), data, data + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      break;
    }
    at += 12 + std::size_t(length);
  }
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
  const std::size_t row = std::size_t(width) * 4 + 1;
  std::vector<std::uint8_t> raw(row * height);
  uLongf raw_size = uLongf(raw.size());
  if (uncompress(raw.data(), &raw_size, packed.data(), uLong(packed.size())) != Z_OK ||
      raw_size != raw.size())
    return false;
  image.width = int(width);
  image.height = int(height);
  image.rgba.clear();
  image.rgba.reserve(std::size_t(width) * height * 4);
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* r = &raw[y * row];
    if (r[0] != 0) return false;  // a filtered row: not written by us
    image.rgba.insert(image.rgba.end(), r + 1, r + row);
  }
  return true;
}

}  // namespace tippaint
