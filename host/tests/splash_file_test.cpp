// Which image a splash file gives for a language, and which files give none.
#include <gtest/gtest.h>

#include "splash_test_images.h"
#include "startup/splash_file.h"

namespace lexiton::host::test {
namespace {

std::optional<std::vector<uint8_t>> read(const std::vector<uint8_t>& file, int language) {
  return readSplashImage(file.data(), file.size(), language);
}

TEST(SplashFile, TagsAreFourDigits) {
  EXPECT_EQ(splashTag(1038), "1038");
  EXPECT_EQ(splashTag(0), "0000");
  EXPECT_EQ(splashTag(7), "0007");
}

TEST(SplashFile, TheLanguageChunkWins) {
  const auto hu = bitmapFile(10, 5), any = bitmapFile(8, 4);
  const auto file = splashFile({{"0000", any}, {"1038", hu}});
  EXPECT_EQ(read(file, 1038), hu);
  EXPECT_EQ(read(file, 2057), any);
}

TEST(SplashFile, NoMatchingChunkGivesNothing) {
  EXPECT_FALSE(read(splashFile({{"2057", bitmapFile(4, 4)}}), 1038));
  EXPECT_FALSE(read({}, 1038));
}

TEST(SplashFile, AnImageOverTheFirstBufferStillReads) {
  const auto big = bitmapFile(512, 400);
  ASSERT_GT(big.size(), kSplashInflateStep);
  EXPECT_EQ(read(splashFile({{"0000", big}}), 1038), big);
}

TEST(SplashFile, AWrongSizeFieldGivesNothing) {
  auto image = bitmapFile(10, 10);
  image[2] += 1;
  EXPECT_FALSE(read(splashFile({{"0000", image}}), 1038));
}

TEST(SplashFile, CorruptStreamsAndListsGiveNothing) {
  auto file = splashFile({{"0000", bitmapFile(10, 10)}});
  auto broken = file;
  broken[12] ^= 0xFF;
  EXPECT_FALSE(read(broken, 1038));
  file.resize(file.size() - 10);
  EXPECT_FALSE(read(file, 1038));
}

TEST(SplashFile, HeadersThatDoNotFitAreRefused) {
  auto image = bitmapFile(10, 10);
  ASSERT_TRUE(describeBitmap(image));
  EXPECT_EQ(describeBitmap(image)->width, 10);
  auto tall = image;
  tall[22] = 200;  // more rows than pixels
  EXPECT_FALSE(describeBitmap(tall));
  auto offset = image;
  offset[10] = 20;  // pixels inside the header
  EXPECT_FALSE(describeBitmap(offset));
  auto depth = image;
  depth[28] = 7;
  EXPECT_FALSE(describeBitmap(depth));
  EXPECT_FALSE(describeBitmap(std::vector<uint8_t>(image.begin(), image.begin() + 13)));
}

}  // namespace
}  // namespace lexiton::host::test
