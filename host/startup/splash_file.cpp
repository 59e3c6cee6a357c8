#include "startup/splash_file.h"

#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>

#include <zlib.h>

#include <cstdio>

namespace lexiton::host {

namespace {

constexpr std::size_t kBitmapFileHeaderSize = 14;
constexpr std::size_t kSizeFieldOffset = 2;
constexpr std::size_t kPixelOffsetField = 10;

uint32_t le32(const std::vector<uint8_t>& bytes, std::size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

std::optional<std::vector<uint8_t>> inflateImage(const uint8_t* data, uint32_t size) {
  std::vector<uint8_t> image(kSplashInflateStep);
  for (;;) {
    uLongf length = static_cast<uLongf>(image.size());
    const int result = uncompress(image.data(), &length, data, size);
    if (result == Z_OK) {
      image.resize(length);
      return image;
    }
    if (result != Z_BUF_ERROR || image.size() >= kSplashImageLimit) return std::nullopt;
    image.resize(image.size() + kSplashInflateStep);
  }
}

uint16_t le16(const std::vector<uint8_t>& bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

std::optional<SplashBitmap> describeBitmap(const std::vector<uint8_t>& image) {
  constexpr std::size_t kInfoHeaderSize = 40;
  constexpr uint32_t kPlainRgb = 0;
  constexpr uint32_t kBitFields = 3;
  constexpr int32_t kSideLimit = 16384;
  if (!isWholeBitmapFile(image) || image.size() < kBitmapFileHeaderSize + kInfoHeaderSize)
    return std::nullopt;
  const std::size_t info = kBitmapFileHeaderSize;
  const uint32_t headerSize = le32(image, info);
  SplashBitmap b;
  b.width = static_cast<int32_t>(le32(image, info + 4));
  const int32_t height = static_cast<int32_t>(le32(image, info + 8));
  b.bitCount = le16(image, info + 14);
  const uint32_t compression = le32(image, info + 16);
  const uint32_t coloursUsed = le32(image, info + 32);
  if (headerSize < kInfoHeaderSize || headerSize > image.size() - info) return std::nullopt;
  if (b.width <= 0 || b.width > kSideLimit || height == 0 || height < -kSideLimit || height > kSideLimit)
    return std::nullopt;
  b.height = height < 0 ? -height : height;
  const bool paletted = b.bitCount == 1 || b.bitCount == 4 || b.bitCount == 8;
  if (!paletted && b.bitCount != 16 && b.bitCount != 24 && b.bitCount != 32) return std::nullopt;
  if (compression != kPlainRgb && !(compression == kBitFields && (b.bitCount == 16 || b.bitCount == 32)))
    return std::nullopt;
  const uint32_t tableLimit = paletted ? 1u << b.bitCount : 256u;
  if (coloursUsed > tableLimit) return std::nullopt;
  b.colourCount = coloursUsed ? coloursUsed : (paletted ? tableLimit : 0);
  const std::size_t masks = compression == kBitFields && headerSize == kInfoHeaderSize ? 12 : 0;
  b.infoSize = headerSize + masks + 4u * b.colourCount;
  b.pixelOffset = le32(image, 10);
  if (info + b.infoSize > b.pixelOffset) return std::nullopt;
  const std::size_t stride = ((static_cast<std::size_t>(b.width) * b.bitCount + 31) / 32) * 4;
  b.pixelSize = stride * static_cast<std::size_t>(b.height);
  if (b.pixelSize > image.size() - b.pixelOffset) return std::nullopt;
  return b;
}

std::string splashTag(int language) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "%04d", language);
  return tag;
}

bool isWholeBitmapFile(const std::vector<uint8_t>& image) {
  if (image.size() < kBitmapFileHeaderSize) return false;
  if (image[0] != 'B' || image[1] != 'M') return false;
  if (le32(image, kSizeFieldOffset) != image.size()) return false;
  return le32(image, kPixelOffsetField) <= image.size();
}

std::optional<std::vector<uint8_t>> readSplashImage(const uint8_t* file, std::size_t size, int language) {
  try {
    const ChunkView list(file, size);
    auto chunk = list.find(splashTag(language));
    if (!chunk) chunk = list.find(chunk_tags::kAnyLanguage);
    if (!chunk) return std::nullopt;
    auto image = inflateImage(chunk->data, chunk->size);
    if (!image || !describeBitmap(*image)) return std::nullopt;
    return image;
  } catch (const chunk_error&) {
    return std::nullopt;
  }
}

}  // namespace lexiton::host
