#include "captured_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexiton::textgrab {
namespace {

TEST(ParagraphAround, KeepsTheLineOfTheCursor) {
  const std::u16string text = u"first line\r\nsecond line here\r\nthird";
  const auto p = paragraphAround(text, 19);  // the 'l' of "line" in the second paragraph
  ASSERT_TRUE(p);
  EXPECT_EQ(p->text, u"second line here");
  EXPECT_EQ(p->text[p->cursor], u'l');
  EXPECT_EQ(p->cursor, 7u);
}

TEST(ParagraphAround, FirstAndLastParagraphs) {
  const std::u16string text = u"one\ntwo";
  EXPECT_EQ(paragraphAround(text, 0), (CapturedText{u"one", 0}));
  EXPECT_EQ(paragraphAround(text, 6), (CapturedText{u"two", 2}));
}

TEST(ParagraphAround, ACursorOnTheLineEndMeansTheLinesLastCharacter) {
  const std::u16string text = u"ab\r\ncd";
  EXPECT_EQ(paragraphAround(text, 2), (CapturedText{u"ab", 1}));
  EXPECT_EQ(paragraphAround(text, 6), (CapturedText{u"cd", 1}));
  EXPECT_EQ(paragraphAround(text, 600), (CapturedText{u"cd", 1}));
}

TEST(ParagraphAround, AnEmptyLineIsNothing) {
  EXPECT_FALSE(paragraphAround(u"ab\r\n\r\ncd", 4));
  EXPECT_FALSE(paragraphAround(u"", 0));
  EXPECT_FALSE(paragraphAround(u"\n", 0));
}

TEST(ParagraphAround, TheUnicodeParagraphSeparatorEndsAParagraph) {
  EXPECT_EQ(paragraphAround(u"a b\u2029c d", 4), (CapturedText{u"c d", 0}));
}

TEST(LimitAround, ShortTextIsUntouched) {
  const CapturedText c{u"Short text.", 3};
  EXPECT_EQ(limitAround(c, 100), c);
}

// Many sentences, the cursor in the middle of one of them: the result keeps that sentence
// whole, stays within the limit, and the cursor still names the same character.
TEST(LimitAround, TheCursorsSentenceSurvives) {
  std::u16string text;
  for (int i = 0; i < 2000; ++i) text += u"Filler words go here. ";
  const std::size_t sentenceAt = text.size();
  const std::u16string sentence = u"The target sentence holds the word zebra in it.";
  text += sentence + u" ";
  for (int i = 0; i < 2000; ++i) text += u"More words after it. ";
  const std::size_t cursor = sentenceAt + sentence.find(u"zebra") + 2;
  const CapturedText cut = limitAround({text, cursor}, 9999);
  EXPECT_LE(cut.text.size(), 9999u);
  EXPECT_GT(cut.text.size(), 9000u);
  EXPECT_NE(cut.text.find(sentence), std::u16string::npos);
  EXPECT_EQ(cut.text.substr(cut.cursor - 2, 5), u"zebra");
  // Cut on word edges: it starts and ends with whole words.
  EXPECT_NE(cut.text.front(), u' ');
  EXPECT_EQ(cut.text.substr(0, 6), u"Filler");
}

TEST(LimitAround, TheCursorNearEitherEndGivesTheRoomToTheOtherSide) {
  std::u16string text;
  for (int i = 0; i < 100; ++i) text += u"Word number one. ";
  const CapturedText start = limitAround({text, 2}, 200);
  EXPECT_LE(start.text.size(), 200u);
  EXPECT_EQ(start.cursor, 2u);
  EXPECT_EQ(start.text.substr(0, 4), u"Word");
  const CapturedText end = limitAround({text, text.size() - 3}, 200);
  EXPECT_LE(end.text.size(), 200u);
  EXPECT_EQ(end.text[end.cursor], text[text.size() - 3]);
}

TEST(LimitAround, ASentenceLongerThanTheLimitIsCutAroundTheCursor) {
  const std::u16string text(50000, u'x');
  const CapturedText cut = limitAround({text, 30000}, 9999);
  EXPECT_EQ(cut.text.size(), 9999u);
  EXPECT_EQ(cut.cursor, 9999u / 2);
  const CapturedText nearEnd = limitAround({text, 49990}, 9999);
  EXPECT_EQ(nearEnd.text.size(), 9999u);
  EXPECT_EQ(nearEnd.cursor, 9999u - 10);
}

TEST(IndexInCrLfText, ALineBreakCountsOnce) {
  const std::u16string text = u"ab\r\ncd\r\n\r\nef";
  EXPECT_EQ(indexInCrLfText(text, 0), 0u);
  EXPECT_EQ(indexInCrLfText(text, 2), 2u);   // the break itself
  EXPECT_EQ(indexInCrLfText(text, 3), 4u);   // 'c'
  EXPECT_EQ(indexInCrLfText(text, 7), 10u);  // 'e' after two breaks
  EXPECT_EQ(indexInCrLfText(text, 99), text.size());
  // A lone CR (a rich-edit text read raw) is one character too.
  EXPECT_EQ(indexInCrLfText(u"ab\rcd", 3), 3u);
}

TEST(Deliver, WritesTheParagraphTerminatedAndTheCursor) {
  std::vector<uint16_t> buffer(10000, 0xFFFF);
  int cursor = -1;
  ASSERT_TRUE(deliver(u"skip\r\nhello world\r\nskip", 12, buffer.data(), 10000, &cursor));
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer.data())), u"hello world");
  EXPECT_EQ(cursor, 6);
}

TEST(Deliver, NeverMoreThanTheBufferTerminatorIncluded) {
  const std::u16string text(20000, u'y');
  std::vector<uint16_t> buffer(10001, 0xFFFF);
  int cursor = -1;
  ASSERT_TRUE(deliver(text, 15000, buffer.data(), 10000, &cursor));
  EXPECT_EQ(buffer[9999], 0);
  EXPECT_EQ(buffer[10000], 0xFFFF);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer.data())).size(), 9999u);
  EXPECT_GE(cursor, 0);
  EXPECT_LT(cursor, 9999);
}

TEST(Deliver, ANulInsideTheTextIsASpace) {
  std::vector<uint16_t> buffer(16, 0xFFFF);
  int cursor = -1;
  const std::u16string text(u"ab\0cd", 5);
  ASSERT_TRUE(deliver(text, 4, buffer.data(), 16, &cursor));
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer.data())), u"ab cd");
  EXPECT_EQ(cursor, 4);
}

TEST(Deliver, NothingForAnEmptyParagraphOrATinyBuffer) {
  uint16_t buffer[4] = {7, 7, 7, 7};
  int cursor = 5;
  EXPECT_FALSE(deliver(u"a\r\n\r\nb", 3, buffer, 4, &cursor));
  EXPECT_FALSE(deliver(u"abc", 1, buffer, 1, &cursor));
  EXPECT_EQ(buffer[0], 7);
  EXPECT_EQ(cursor, 5);
}

}  // namespace
}  // namespace lexiton::textgrab
