// The header-band logos as bitmap resources of the painter DLL, read through memory DCs
// compatible with the screen.
#pragma once

#include <tippaint/frame_painter.h>

#include <windows.h>

namespace tippaint::win {

// Resource identifiers: on black, on white, colour image, in that order from each first id.
inline constexpr int kWordMarkTrueColour = 101;
inline constexpr int kMakerLogoTrueColour = 104;
inline constexpr int kWordMarkPalette = 107;
inline constexpr int kMakerLogoPalette = 110;

class ResourceLogos final : public LogoSource {
 public:
  explicit ResourceLogos(HMODULE module) : module_(module) {}
  std::optional<LogoPixels> load(Logo logo, bool palette) override;
  int colour_width(Logo logo) override;

 private:
  // The three bitmaps' pixels, read from the module's resources.
  std::optional<LogoPixels> read(Logo logo, bool palette);

  HMODULE module_;
};

}  // namespace tippaint::win
