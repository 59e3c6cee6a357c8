// [dict] CustomColors: the kept form round-trips, anything else reads as sixteen whites.
#include <gtest/gtest.h>

#include "startup/custom_colors.h"

namespace lexiton::host {
namespace {

TEST(CustomColors, RoundTrip) {
  CustomColors c{};
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = static_cast<uint32_t>(i * 0x0F0E0D);
  const std::string text = formatCustomColors(c);
  EXPECT_EQ(text.substr(0, 14), "000000,0F0E0D,");
  EXPECT_EQ(parseCustomColors(text), c);
}

TEST(CustomColors, LowerCaseDigitsAreRead) {
  std::string text = formatCustomColors(whiteCustomColors());
  text.replace(0, 6, "abcdef");
  EXPECT_EQ(parseCustomColors(text)[0], 0xABCDEFu);
}

TEST(CustomColors, TheOldLossyFormReadsAsWhites) {
  // The raw bytes of sixteen whites up to the first zero byte: "\xFF\xFF\xFF".
  EXPECT_EQ(parseCustomColors("\xFF\xFF\xFF"), whiteCustomColors());
  EXPECT_EQ(parseCustomColors(""), whiteCustomColors());
}

TEST(CustomColors, AnythingMalformedReadsAsWhites) {
  const std::string good = formatCustomColors(CustomColors{});
  EXPECT_EQ(parseCustomColors(good.substr(1)), whiteCustomColors());
  EXPECT_EQ(parseCustomColors(good + ","), whiteCustomColors());
  std::string badSeparator = good;
  badSeparator[6] = ';';
  EXPECT_EQ(parseCustomColors(badSeparator), whiteCustomColors());
  std::string badDigit = good;
  badDigit[3] = 'G';
  EXPECT_EQ(parseCustomColors(badDigit), whiteCustomColors());
}

TEST(CustomColors, OnlyTheColourBitsAreWritten) {
  CustomColors c = whiteCustomColors();
  c[0] = 0xFF123456;
  EXPECT_EQ(formatCustomColors(c).substr(0, 7), "123456,");
}

}  // namespace
}  // namespace lexiton::host
