// Reading the about-text file: tag choice, inflation past the first buffer, corrupt input.
#include <gtest/gtest.h>

#include "lexiton/lookup/about_texts.h"
#include "lookup_test_util.h"

using namespace lexiton::lookup;
using lexiton::test::chunk;
using lexiton::test::deflated;

namespace {

std::vector<std::string> texts(const std::string& file, std::string_view language) {
  return aboutTextsFromBytes(reinterpret_cast<const uint8_t*>(file.data()), file.size(), language);
}

const std::string kTerminator(4, '\0');

}  // namespace

TEST(AboutTexts, TagIsTheFirstFourCharactersOrTheDefault) {
  EXPECT_EQ(aboutTag("1038"), "1038");
  EXPECT_EQ(aboutTag("10385"), "1038");
  EXPECT_EQ(aboutTag("103"), "0000");
  EXPECT_EQ(aboutTag(""), "0000");
}

TEST(AboutTexts, LanguageChunkOrElseTheDefault) {
  const std::string file =
      chunk("1038", deflated("magyar")) + chunk("0000", deflated("english")) + kTerminator;
  EXPECT_EQ(texts(file, "1038"), std::vector<std::string>{"magyar"});
  EXPECT_EQ(texts(file, "1033"), std::vector<std::string>{"english"});
  EXPECT_EQ(texts(file, ""), std::vector<std::string>{"english"});
  EXPECT_TRUE(texts(chunk("1038", deflated("magyar")) + kTerminator, "1033").empty());
  EXPECT_TRUE(texts(kTerminator, "1038").empty());
}

TEST(AboutTexts, LargeTextsGrowTheBufferAndOversizedOnesAreDropped) {
  std::string big;
  for (int i = 0; big.size() < 3 * kAboutTextStep + 17; ++i) big += "{\\par line " + std::to_string(i) + "}";
  EXPECT_EQ(inflateAboutText(deflated(big)), big);
  EXPECT_EQ(inflateAboutText(deflated("")), "");
  EXPECT_EQ(inflateAboutText(deflated(std::string(kMaxAboutText, 'x'))), std::string(kMaxAboutText, 'x'));
  EXPECT_FALSE(inflateAboutText(deflated(std::string(kMaxAboutText + 1, 'x'))));
}

TEST(AboutTexts, CorruptInputWholeAndTruncatedGivesNothingOrTheText) {
  const std::string good = chunk("0000", deflated("{\\rtf1 about}")) + kTerminator;
  for (std::size_t n = 0; n < good.size(); ++n) {
    SCOPED_TRACE(n);
    const auto result = texts(good.substr(0, n), "1038");
    EXPECT_TRUE(result.empty());
  }
  EXPECT_EQ(texts(good, "1038"), std::vector<std::string>{"{\\rtf1 about}"});
  std::string flipped = good;
  flipped[12] ^= 0x55;
  EXPECT_TRUE(texts(flipped, "0000").empty());
  EXPECT_TRUE(texts(chunk("0000", "not zlib at all") + kTerminator, "1038").empty());
  EXPECT_TRUE(texts(std::string("0000\xFF\xFF\xFF\xFF", 8), "1038").empty());
}

TEST(AboutTexts, ShippedFileHasBothLanguages) {
  const auto hungarian = readAboutTexts("kvo.cri", "1038");
  ASSERT_EQ(hungarian.size(), 1u);
  EXPECT_EQ(hungarian[0].rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(hungarian[0].find("Angol-magyar olvas\\'e1st seg\\'edt\\'f5 program"), std::string::npos);
  const auto english = readAboutTexts("kvo.cri", "1033");
  ASSERT_EQ(english.size(), 1u);
  EXPECT_NE(english[0].find("English-Hungarian reading aid"), std::string::npos);
  EXPECT_EQ(english[0].back(), '}');
}
