// The trigger text's cut to its line and the local dictionary's text around the cursor.
#include <gtest/gtest.h>

#include "hover/text_cuts.h"

namespace lexiton::host::test {
namespace {

TEST(TriggerCut, TheLineOfTheCursorIsKeptAndTheCursorFollows) {
  const TriggerText cut = cutToCursorLine(u"ab\ncd", 3);
  EXPECT_EQ(cut.text, u"cd");
  EXPECT_EQ(cut.cursor, 1);
}

TEST(TriggerCut, TheLinesAfterTheCursorGoAndControlCharactersBecomeSpaces) {
  const TriggerText cut = cutToCursorLine(u"one\ttwo\r\nthree", 2);
  EXPECT_EQ(cut.text, u"one two ");
  EXPECT_EQ(cut.cursor, 2);
  EXPECT_EQ(cutToCursorLine(u"x\ny\nz", 2).text, u"y");
}

TEST(TriggerCut, ACursorOnALineFeedCutsAtIt) {
  const TriggerText cut = cutToCursorLine(u"ab\ncd", 2);
  EXPECT_EQ(cut.text, u"cd");
  EXPECT_EQ(cut.cursor, 0);
}

TEST(TriggerCut, CursorsOutsideTheTextNeverIndexPastIt) {
  TriggerText cut = cutToCursorLine(u"ab\ncd", 5);  // at the end: the last line
  EXPECT_EQ(cut.text, u"cd");
  EXPECT_EQ(cut.cursor, 3);
  cut = cutToCursorLine(u"ab\ncd", 1000);
  EXPECT_EQ(cut.text, u"cd");
  cut = cutToCursorLine(u"ab\ncd", -3);
  EXPECT_EQ(cut.text, u"ab cd");
  EXPECT_EQ(cut.cursor, -3);
  cut = cutToCursorLine(u"", 4);
  EXPECT_EQ(cut.text, u"");
  cut = cutToCursorLine(u"\n", 1);
  EXPECT_EQ(cut.text, u"");
}

TEST(LocalText, ALongTextIsCutAroundTheCursorAndMarked) {
  std::u16string text;
  for (int i = 0; i < 200; ++i) text += static_cast<char16_t>(u'A' + i % 26);
  const std::u16string local = localLookupText(text, 100);
  EXPECT_EQ(local.size(), 126u);
  EXPECT_EQ(local[62], u'@');
  EXPECT_EQ(local.substr(0, 62), text.substr(38, 62));
  EXPECT_EQ(local[63], text[100]);
  EXPECT_EQ(local.substr(63), text.substr(100, 63));
}

TEST(LocalText, TextsUpTo126CharactersStayWhole) {
  const std::u16string text(126, u'a');
  EXPECT_EQ(localLookupText(text, 0), u"@" + text);
  EXPECT_EQ(localLookupText(std::u16string(127, u'a'), 0).size(), 64u);
}

TEST(LocalText, NearTheEndsTheWindowStopsAtTheText) {
  const std::u16string text(200, u'a');
  std::u16string local = localLookupText(text, 10);
  EXPECT_EQ(local.size(), 73u + 1);
  EXPECT_EQ(local[10], u'@');
  local = localLookupText(text, 199);
  EXPECT_EQ(local.size(), 63u + 1);
  EXPECT_EQ(local[62], u'@');
}

TEST(LocalText, ACursorAtOrPastTheEndGetsNoMarker) {
  EXPECT_EQ(localLookupText(u"house", 5), u"house");
  EXPECT_EQ(localLookupText(u"house", 90), u"house");
  EXPECT_EQ(localLookupText(u"house", -1), u"house");
  EXPECT_EQ(localLookupText(std::u16string(200, u'a'), 5000), u"");
  EXPECT_EQ(localLookupText(std::u16string(200, u'a'), -100), u"");
  EXPECT_EQ(localLookupText(u"", 0), u"");
}

}  // namespace
}  // namespace lexiton::host::test
