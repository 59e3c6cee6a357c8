// A splash file from arbitrary bytes: the chunk walk, the inflate and the bitmap checks stay
// within their buffers. Inputs are kept small so the inflate's growth stays bounded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "startup/splash_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::host;
  if (size > 65536) return 0;
  if (auto image = readSplashImage(data, size, 1038)) {
    const auto bitmap = describeBitmap(*image);
    if (!bitmap || bitmap->pixelOffset + bitmap->pixelSize > image->size()) std::abort();
  }
  describeBitmap(std::vector<uint8_t>(data, data + size));
  return 0;
}
