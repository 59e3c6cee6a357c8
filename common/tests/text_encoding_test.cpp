#include <lexiton/text_encoding.h>

#include <gtest/gtest.h>

namespace lexiton {
namespace {

TEST(CodePageTest, HungarianLettersExistOnlyIn1250) {
  const std::u16string word = u"őrült tűz";
  EXPECT_EQ(toCodePage(word, CodePage::windows1250), "\xF5r\xFClt t\xFBz");
  EXPECT_EQ(fromCodePage("\xF5r\xFClt t\xFBz", CodePage::windows1250), word);
  // 1252 has no ő or ű: they are replaced, the rest survives.
  EXPECT_EQ(toCodePage(word, CodePage::windows1252), "?r\xFClt t?z");
  EXPECT_EQ(fromCodePage("\xF5\xFB", CodePage::windows1252), u"õû");
}

TEST(CodePageTest, UnassignedBytesAndCharactersAreReplaced) {
  EXPECT_EQ(fromCodePage("\x81", CodePage::windows1252), u"\uFFFD");
  EXPECT_EQ(toCodePage(u"\uFFFD\u4E2D", CodePage::windows1252, '#'), "##");
  EXPECT_EQ(toCodePage(u"\u20AC", CodePage::windows1252), "\x80");
}

TEST(Utf8Test, RoundTripsThroughUtf16) {
  const std::string text = "h\xC3\xA1z \xE2\x82\xAC \xF0\x9F\x98\x80";  // ház € 😀
  const std::u16string wide = utf8ToUtf16(text);
  EXPECT_EQ(wide, u"ház € \U0001F600");
  EXPECT_EQ(utf16ToUtf8(wide), text);
}

TEST(Utf8Test, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(utf8ToUtf16("a\xC3"), u"a\uFFFD");                         // cut off
  EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");                 // overlong
  EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");       // a surrogate
  EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80").substr(0, 1), u"\uFFFD");  // past U+10FFFF
  EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf8Test, CodePageBridges) {
  EXPECT_EQ(codePageToUtf8("h\xE1z \xF5", CodePage::windows1250), "h\xC3\xA1z \xC5\x91");
  EXPECT_EQ(utf8ToCodePage("h\xC3\xA1z \xC5\x91", CodePage::windows1250), "h\xE1z \xF5");
}

}  // namespace
}  // namespace lexiton
