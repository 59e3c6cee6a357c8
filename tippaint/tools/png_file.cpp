#include "png_file.h"

#include <zlib.h>

#include <cstdio>

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

  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  put_chunk(file, "IHDR", header);
  put_chunk(file, "IDAT", packed);
  put_chunk(file, "IEND", {});

  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace tippaint
