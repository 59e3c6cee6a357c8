#include "tidy_text.h"

#include <gtest/gtest.h>

namespace lexiton::textgrab {
namespace {

TEST(Tidy, CollapsesBlanksAndFollowsTheCursor) {
  const auto t = tidy(u"  the \t\x01 quick   fox ", 9);  // the 'q'
  ASSERT_TRUE(t);
  EXPECT_EQ(t->text, u"the quick fox");
  EXPECT_EQ(t->text[t->cursor], u'q');
}

TEST(Tidy, ACursorOnARemovedBlankMovesToTheNextCharacter) {
  const auto t = tidy(u"ab   cd", 3);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->text, u"ab cd");
  EXPECT_EQ(t->cursor, 3u);
}

TEST(Tidy, ACursorPastTheEndStaysOnTheLastCharacter) {
  const auto t = tidy(u"word  ", 99);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->text, u"word");
  EXPECT_EQ(t->cursor, 3u);
}

TEST(Tidy, NothingVisibleIsNothing) {
  EXPECT_FALSE(tidy(u"", 0));
  EXPECT_FALSE(tidy(u" \t\r\n ", 2));
}

TEST(LabelWithoutPosition, AShortLabelIsTakenWhole) {
  const auto l = labelWithoutPosition(u" Save as ");
  ASSERT_TRUE(l);
  EXPECT_EQ(l->text, u"Save as");
  EXPECT_EQ(l->cursor, 0u);
}

TEST(LabelWithoutPosition, ALongerTextIsRefused) {
  EXPECT_FALSE(labelWithoutPosition(u"one two three four five six"));
  EXPECT_TRUE(labelWithoutPosition(u"one two three four five"));
  EXPECT_FALSE(labelWithoutPosition(u"two\r\nlines"));
  EXPECT_FALSE(labelWithoutPosition(std::u16string(kLabelMaxCharacters + 1, u'x')));
  EXPECT_TRUE(labelWithoutPosition(std::u16string(kLabelMaxCharacters, u'x')));
  EXPECT_FALSE(labelWithoutPosition(u"   "));
}

}  // namespace
}  // namespace lexiton::textgrab
