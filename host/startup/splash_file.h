// The splash files ("win256.spl" for palette displays, "win65K.spl" for the others): a
// ChunkList with one zlib stream per language ("%04d" tags, "0000" for every other language),
// each the whole of a Windows bitmap file. Every fault only means that no splash is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton::host {

inline constexpr std::string_view kPaletteSplashFile = "win256.spl";
inline constexpr std::string_view kTrueColourSplashFile = "win65K.spl";

// The inflate buffer starts this big and grows by as much while the stream does not fit.
inline constexpr std::size_t kSplashInflateStep = 0x60000;
// An image larger than this is refused rather than grown into without end.
inline constexpr std::size_t kSplashImageLimit = 64u << 20;

// The tag of a language's chunk: the id in four decimal digits.
std::string splashTag(int language);

// The bitmap file of `language` (or of "0000") from the bytes of a splash file, inflated and
// checked; nothing on any fault.
std::optional<std::vector<uint8_t>> readSplashImage(const uint8_t* file, std::size_t size, int language);

// Whether `image` is a whole bitmap file: more than 13 bytes, "BM", the size field equal to the
// length, the pixel offset within it.
bool isWholeBitmapFile(const std::vector<uint8_t>& image);

// What the splash window needs of a checked bitmap file: the bitmap information starts at
// offset 14 and is `infoSize` bytes (header, masks, colour table); `pixelSize` bytes of pixels
// start at `pixelOffset`, all within the file.
struct SplashBitmap {
  int32_t width = 0;
  int32_t height = 0;  // always positive; the header's sign gives the row order
  uint16_t bitCount = 0;
  uint32_t colourCount = 0;  // entries of the colour table (0 for true colour without one)
  std::size_t infoSize = 0;
  std::size_t pixelOffset = 0;
  std::size_t pixelSize = 0;
};

// The description of a whole bitmap file whose header, colour table and pixels all lie within
// it; nothing for anything a DIB section cannot be made from.
std::optional<SplashBitmap> describeBitmap(const std::vector<uint8_t>& image);

}  // namespace lexiton::host
