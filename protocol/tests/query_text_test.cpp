// The client's encoded query text, decoded whole, byte by byte and truncated.
#include "lexiton/protocol/query_text.h"

#include <gtest/gtest.h>

namespace lexiton::protocol {
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
  EXPECT_EQ(decodeQueryText("&#x110000;").text, U"&#x110000;");    // beyond Unicode
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

// The client side: the window sent around the marker, and the encoding.
std::string words(std::size_t length) {
  static const char* const kWords[] = {"a", "house", "in", "the", "countryside", "is", "quiet"};
  std::string text;
  for (std::size_t i = 0; text.size() < length; ++i) text += std::string(kWords[i % 7]) + " ";
  return text.substr(0, length);
}

// The word boundaries the window must land on, found independently of the implementation.
std::size_t wordStartAfter(const std::string& t, std::size_t pos) {
  std::size_t i = pos + 1;
  while (!(t[i - 1] == ' ' && t[i] != ' ')) ++i;
  return i;
}
std::size_t wordEndAt(const std::string& t, std::size_t pos) {
  if (t[pos] == ' ') {
    while (t[pos] == ' ') --pos;
    return pos + 1;
  }
  while (pos < t.size() && t[pos] != ' ') ++pos;
  return pos;
}

TEST(QueryText, WindowAroundTheMarkerEndsOnWordBoundaries) {
  for (std::size_t shift = 0; shift < 12; ++shift) {  // every alignment of the words
    const std::string plain = words(5000 + shift).substr(shift);
    std::string marked = plain;
    marked.insert(2000, "&kvopoint;");
    const std::string sent = windowQueryText(marked);
    const std::size_t begin = wordStartAfter(marked, 1500);
    const std::size_t end = wordEndAt(marked, 2510);
    EXPECT_EQ(sent, marked.substr(begin, end - begin)) << "shift " << shift;
  }
}

TEST(QueryText, TextsWithoutMarker) {
  const std::string exact = words(1000);
  EXPECT_EQ(windowQueryText(exact), exact);
  for (std::size_t shift = 0; shift < 12; ++shift) {
    const std::string longer = words(3000 + shift).substr(shift);
    EXPECT_EQ(windowQueryText(longer), longer.substr(0, wordEndAt(longer, 1000)));
  }
  // No blank after position 1000: cut to 1000 characters.
  const std::string solid = "x " + std::string(2000, 'y');
  EXPECT_EQ(windowQueryText(solid), solid.substr(0, 1000));
  EXPECT_EQ(windowQueryText(""), "");
}

TEST(QueryText, MarkerNearTheEdgesAndNoBlanks) {
  // Marker at the start and within the first 500 characters: nothing is dropped in front.
  const std::string head = "&kvopoint;" + words(300);
  EXPECT_EQ(windowQueryText(head), head);
  // A text without blanks is cut at the window's end on both sides, never sent whole.
  std::string solid(4000, 'z');
  solid.insert(2000, "&kvopoint;");
  const std::string sent = windowQueryText(solid);
  EXPECT_EQ(sent, solid.substr(1500, 2510 - 1500));
  // Only blanks between the marker and the window's end: cut at the window's end.
  const std::string blanks = std::string(100, 'q') + "&kvopoint;" + std::string(600, ' ') + "tail";
  EXPECT_EQ(windowQueryText(blanks), blanks.substr(0, 100 + 510));
  // One long word from the marker to past the window's end is kept whole.
  const std::string word = std::string(100, 'q') + "&kvopoint;" + std::string(600, 'w') + " tail";
  EXPECT_EQ(windowQueryText(word), word.substr(0, 710));
}

TEST(QueryText, EncodingOfWordContext) {
  EXPECT_EQ(encodeQueryText(u"a&b\u00e9\u0151\n ~\u007f"), "a&#x26;b&#xE9;&#x151;&#xA; ~\x7f");
  EXPECT_EQ(encodeQueryText(u"\u001f\uffff"), "&#x1F;&#xFFFF;");
}

// The marker goes before the pointed character, at the end past it, and the server reads the
// pointer back at the same place.
TEST(QueryText, MarkedTextRoundTrips) {
  EXPECT_EQ(markedQueryText(u"a\u00e9b", 1), "a&kvopoint;&#xE9;b");
  EXPECT_EQ(markedQueryText(u"ab", 0), "&kvopoint;ab");
  EXPECT_EQ(markedQueryText(u"ab", 2), "ab&kvopoint;");
  EXPECT_EQ(markedQueryText(u"ab", 9), "ab&kvopoint;");
  const QueryText q = decodeQueryText(markedQueryText(u"x\u0151y", 2));
  EXPECT_EQ(q.text, U"x\u0151y");
  EXPECT_TRUE(q.hasPointer);
  EXPECT_EQ(q.pointer, 2u);
}

}  // namespace
}  // namespace lexiton::protocol
