// The 16 custom colours of the colour dialog as [dict] CustomColors keeps them across runs:
// sixteen colour values 0x00BBGGRR written as six upper-case hex digits each (BBGGRR),
// separated by commas, for example "FFFFFF,C0C0C0,...". Any other text, the lossy form of
// older versions included (the colours' raw bytes cut at the first zero byte), reads as
// sixteen whites.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexiton::host {

inline constexpr std::size_t kCustomColorCount = 16;
inline constexpr uint32_t kCustomColorWhite = 0x00FFFFFF;

using CustomColors = std::array<uint32_t, kCustomColorCount>;

CustomColors whiteCustomColors();
std::string formatCustomColors(const CustomColors& colors);
CustomColors parseCustomColors(std::string_view text);

}  // namespace lexiton::host
