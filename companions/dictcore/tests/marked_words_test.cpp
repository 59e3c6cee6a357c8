#include "marked_words.h"

#include <gtest/gtest.h>

namespace lexiton::dictcore {
namespace {

std::string markedOf(std::u16string_view text) {
  const MarkedWords w = splitAtMarker(text);
  return w.words.empty() ? "<none>" : w.words[w.marked];
}

TEST(MarkedWordsTest, TheWordUnderThePointerAndItsClause) {
  const MarkedWords w = splitAtMarker(u"Yes. He gave @up smoking, at last");
  ASSERT_EQ(w.words, (std::vector<std::string>{"He", "gave", "up", "smoking"}));
  EXPECT_EQ(w.marked, 2u);
}

TEST(MarkedWordsTest, MarkerInsideAWord) { EXPECT_EQ(markedOf(u"The hou@ses are big."), "houses"); }

TEST(MarkedWordsTest, MarkerAtTheStartAndTheEnd) {
  EXPECT_EQ(markedOf(u"@The houses"), "The");
  EXPECT_EQ(markedOf(u"He went home@"), "home");
  EXPECT_EQ(markedOf(u"@"), "<none>");
}

TEST(MarkedWordsTest, MarkerOnNoWord) {
  EXPECT_EQ(markedOf(u"He went @ home"), "<none>");
  EXPECT_EQ(markedOf(u"no marker here"), "<none>");
  EXPECT_EQ(markedOf(u"2 + @+ 2"), "<none>");
}

TEST(MarkedWordsTest, ApostrophesAndHungarianLetters) {
  EXPECT_EQ(markedOf(u"I @don\u2019t know"), "don\u2019t");
  EXPECT_EQ(markedOf(u"the @dogs' bowls"), "dogs");
  EXPECT_EQ(markedOf(u"A @h\u00E1zak nagyok."), "h\u00E1zak");
  EXPECT_EQ(markedOf(u"egy @t\u0171z"), "t\u0171z");
}

TEST(MarkedWordsTest, NeighboursAreBounded) {
  const MarkedWords w = splitAtMarker(u"a b c d e f g @h i j k l m n o p");
  EXPECT_EQ(w.words.size(), 2 * kWordsAround + 1);
  EXPECT_EQ(w.words[w.marked], "h");
}

TEST(MarkedWordsTest, OverlongRunIsNoWord) {
  std::u16string text = u"@" + std::u16string(kMaxWordUnits + 1, u'a');
  EXPECT_EQ(markedOf(text), "<none>");
}

}  // namespace
}  // namespace lexiton::dictcore
