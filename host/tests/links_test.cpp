// The help file, the pages and the feedback address for each language, the description's
// escaping, and the plain text taken from a result.
#include <gtest/gtest.h>

#include <lexiton/chunk_list.h>
#include <lexiton/web_site.h>

#include "hover/lookup_request.h"
#include "links/links.h"

namespace lexiton::host::links {
namespace {

bool endsWith(const std::string& text, std::string_view ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

TEST(Links, HelpFileFollowsTheLanguage) {
  EXPECT_EQ(helpFile(1038), "kvoHelpHU.chm");
  EXPECT_EQ(helpFile(2057), "kvoHelpEN.chm");
  EXPECT_EQ(helpFile(1033), "kvoHelpEN.chm");
}

TEST(Links, PagesAreHungarianFor1038AndEnglishForEveryOtherLanguage) {
  for (auto page : {&makerPage, &familyPage}) {
    EXPECT_EQ(page(1038).rfind(webHost() + "/", 0), 0u);
    EXPECT_NE(page(1038), page(2057));
    EXPECT_EQ(page(2057), page(1033));
  }
  EXPECT_NE(makerPage(2057), familyPage(2057));
}

TEST(Links, TheDescriptionEscapesAmpersandHashAndSemicolonOnly) {
  EXPECT_EQ(escapeDescription("a&b#c;d"), "a%26b%23c%3Bd");
  // Line breaks arrive written as %0D%0A already; blanks and accents are left as they are.
  EXPECT_EQ(escapeDescription("x%0D%0Ay z\xE9"), "x%0D%0Ay z\xE9");
  EXPECT_EQ(escapeDescription(""), "");
}

TEST(Links, TheFeedbackAddressCarriesTheDescriptionThenWho) {
  const std::string address = feedbackAddress("a&b#c;d", 1038);
  EXPECT_EQ(address.rfind(webHost() + "/", 0), 0u);
  EXPECT_TRUE(endsWith(address, "?description=a%26b%23c%3Bd&who=1.2.3.44lx")) << address;
}

TEST(Links, OnlyBritishEnglishAsksForTheEnglishPage) {
  EXPECT_TRUE(endsWith(feedbackAddress("x", 2057), "=x&who=1.2.3.44lx&lang=en"));
  EXPECT_TRUE(endsWith(feedbackAddress("x", 1033), "=x&who=1.2.3.44lx"));
}

std::vector<uint8_t> result(std::initializer_list<std::pair<std::string_view, std::string_view>> chunks) {
  VectorStore store;
  ChunkList list(store);
  list.clear();
  for (auto [tag, data] : chunks) list.add(tag, data);
  return store.bytes();
}

TEST(Links, ThePlainTextIsThePlaiChunkUpToItsFirstZero) {
  const auto bytes = result({{"QXR1", "{\\rtf1 x}"}, {"plai", std::string_view("house\0junk", 10)}});
  EXPECT_EQ(plainTextOf(bytes), "house");
}

TEST(Links, AResultWithoutPlaiGivesAnEmptyDescription) {
  const auto bytes = result({{"QXR1", "{\\rtf1 x}"}});
  EXPECT_EQ(plainTextOf(bytes), "");
  EXPECT_EQ(feedbackAddress(plainTextOf(bytes), 1038),
            webHost() + "/feedback.asp?description=&who=1.2.3.44lx");
}

TEST(Links, AMalformedResultGivesAnEmptyDescription) {
  auto bytes = result({{"QXR1", "{\\rtf1 x}"}, {"plai", "house"}});
  bytes[4] = 0xFF;  // the first chunk's length runs past the end
  EXPECT_EQ(plainTextOf(bytes), "");
}

TEST(Links, TheAboutFallbackIsTwoLinesNamingTheMakerAndItsAddress) {
  const std::string text = aboutFallback();
  const auto lineBreak = text.find("\r\n");
  ASSERT_NE(lineBreak, std::string::npos);
  EXPECT_NE(text.substr(0, lineBreak).find("Veltrix"), std::string::npos);
  EXPECT_EQ(text.substr(lineBreak + 2), webHost());
}

}  // namespace
}  // namespace lexiton::host::links
