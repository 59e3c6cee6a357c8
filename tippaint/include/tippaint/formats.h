// Character, paragraph and section formats as the RTF reader keeps them per group and copies
// them into the document. Lengths are twips, font sizes half-points.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tippaint {

// A colour as the device takes it: 0x00BBGGRR (the COLORREF layout).
using Colour = std::uint32_t;
constexpr Colour make_colour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int red_of(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue_of(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  constexpr Colour colour() const { return make_colour(red, green, blue); }
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Longest face name a font can carry, without its terminating NUL.
inline constexpr std::size_t kMaxFaceLength = 31;

struct CharFormat {
  static constexpr std::int32_t kHighlightMask = 0xFFFF;
  static constexpr std::int32_t kBold = 1 << 16;
  static constexpr std::int32_t kItalic = 1 << 17;
  static constexpr std::int32_t kOutline = 1 << 18;
  static constexpr std::int32_t kShadow = 1 << 19;
  static constexpr std::int32_t kBackgroundAuto = 1 << 20;
  static constexpr std::int32_t kForegroundAuto = 1 << 21;
  static constexpr std::int32_t kWideText = 1 << 22;

  enum Vertical : std::int32_t { kNormal = 0, kSubscript = 1, kSuperscript = 2 };

  std::int32_t capitals = 0;   // 0 none, 1 all capitals, 2 small capitals
  std::int32_t vertical = 0;   // Vertical
  std::int32_t relief = 0;     // 0 none, 1 embossed, 2 engraved
  std::int32_t strike = 0;     // 0 none, 1 single, 2 double
  std::int32_t underline = 0;  // 0 none, 1 words .. 17 double wave
  std::int16_t scale_x = 100;
  std::int16_t lowered = 0;                     // half-points
  std::int16_t raised = 0;                      // half-points
  std::array<char, kMaxFaceLength + 1> face{};  // NUL-terminated; empty: the system chooses
  std::int16_t charset = 0;
  std::int16_t pitch_and_family = 0;
  std::int16_t size = 24;  // half-points
  Rgb background{255, 255, 255};
  Rgb foreground{0, 0, 0};
  std::int32_t flags = kBackgroundAuto | kForegroundAuto;

  bool has(std::int32_t flag) const { return (flags & flag) != 0; }
  void set(std::int32_t flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }
  bool bold() const { return has(kBold); }
  bool italic() const { return has(kItalic); }
  bool wide() const { return has(kWideText); }
  std::string_view face_name() const { return {face.data(), std::strlen(face.data())}; }
  // Keeps at most kMaxFaceLength bytes.
  void set_face(std::string_view name) {
    face.fill('\0');
    std::memcpy(face.data(), name.data(), name.size() < kMaxFaceLength ? name.size() : kMaxFaceLength);
  }

  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct ParaFormat {
  enum Alignment : std::int32_t { kLeft = 0, kRight = 1, kJustified = 2, kCentred = 3 };
  // The line-spacing value that means "automatic".
  static constexpr std::int16_t kAutoLineSpacing = 1000;

  std::int32_t alignment = kLeft;
  std::int16_t first_indent = 0;  // added to left_indent on the first line; may be negative
  std::int16_t left_indent = 0;
  std::int16_t right_indent = 0;
  std::int16_t space_before = 0;
  std::int16_t space_after = 0;
  std::int16_t line_spacing = kAutoLineSpacing;
  std::int16_t line_multiple = 0;  // non-zero: line_spacing is in 240ths of single spacing
  bool keep_together = false;
  bool keep_with_next = false;
  bool page_break_before = false;

  friend bool operator==(const ParaFormat&, const ParaFormat&) = default;
};

struct SectionFormat {
  std::int16_t page_width = 12240;
  std::int16_t page_height = 15840;
  std::int16_t margin_left = 1800;
  std::int16_t margin_right = 1800;
  std::int16_t margin_top = 1440;
  std::int16_t margin_bottom = 1440;

  friend bool operator==(const SectionFormat&, const SectionFormat&) = default;
};

}  // namespace tippaint
