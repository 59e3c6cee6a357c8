// The client's encoded query text, decoded whole, byte by byte and truncated.
#include "lexiton/translator/query_text.h"

#include <gtest/gtest.h>

namespace lexiton::translator {
namespace {

TEST(QueryTextTest, ReferencesMarkerAndSurrogatePairs) {
  QueryText q = decodeQueryText("a&#x26;b&#xE9;&#x151; &kvopoint;x&#xD83D;&#xDE00;");
  EXPECT_EQ(q.text, U"a&b\u00e9\u0151 x\U0001F600");
  ASSERT_TRUE(q.hasPointer);
  EXPECT_EQ(q.pointer, 6u);
  q = decodeQueryText("the end&kvopoint;");
  EXPECT_TRUE(q.hasPointer);
  EXPECT_EQ(q.pointer, q.text.size());
  EXPECT_FALSE(decodeQueryText("no marker").hasPointer);
}

TEST(QueryTextTest, MalformedReferencesStayLiteral) {
  EXPECT_EQ(decodeQueryText("&#x;").text, U"&#x;");
  EXPECT_EQ(decodeQueryText("&#xZZ;").text, U"&#xZZ;");
  EXPECT_EQ(decodeQueryText("&#x110000;").text, U"&#x110000;");  // beyond Unicode
  EXPECT_EQ(decodeQueryText("&#x1234567;").text, U"&#x1234567;");  // too many digits
  EXPECT_EQ(decodeQueryText("&#x41").text, U"&#x41");
  EXPECT_EQ(decodeQueryText("&#xD800;a").text, U"\uFFFDa");  // lone surrogate
  EXPECT_EQ(decodeQueryText("&#xDC00;").text, U"\uFFFD");
  EXPECT_EQ(decodeQueryText("&#x0;").text, U"\uFFFD");
  EXPECT_EQ(decodeQueryText("\xE9").text, U"\u00e9");  // a stray byte is read as Latin-1
  QueryText q = decodeQueryText("a&kvopoint;b&kvopoint;c");
  EXPECT_EQ(q.text, U"abc");
  EXPECT_EQ(q.pointer, 1u);
}

TEST(QueryTextTest, EveryPrefixDecodesWithoutReadingPastTheEnd) {
  const std::string whole = "It&#x2019;s &kvopoint;h&#xE1;z&#xD83D;&#xDE00; &#x26; more.";
  for (std::size_t n = 0; n <= whole.size(); ++n) {
    QueryText q = decodeQueryText(whole.substr(0, n));
    EXPECT_LE(q.text.size(), n);
    if (q.hasPointer) {
      EXPECT_LE(q.pointer, q.text.size());
    }
  }
  // byte by byte: decoding the pieces never yields more characters than the whole
  std::size_t pieces = 0;
  for (char c : whole) pieces += decodeQueryText(std::string(1, c)).text.size();
  EXPECT_GE(pieces, decodeQueryText(whole).text.size());
}

TEST(QueryTextTest, LongInputIsCutAroundTheMarker) {
  std::string text(3 * kMaxQueryBytes, 'a');
  text.insert(2 * kMaxQueryBytes, "&kvopoint;");
  QueryText q = decodeQueryText(text);
  EXPECT_LE(q.text.size(), kMaxQueryBytes);
  ASSERT_TRUE(q.hasPointer);
  EXPECT_NEAR(double(q.pointer), double(kMaxQueryBytes / 2), 16.0);
  EXPECT_LE(decodeQueryText(std::string(3 * kMaxQueryBytes, 'b')).text.size(), kMaxQueryBytes);
}

}  // namespace
}  // namespace lexiton::translator
