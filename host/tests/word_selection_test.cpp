// The word-list window's search and sort, over rows already read.
#include <gtest/gtest.h>

#include "wordlist/word_selection.h"

namespace lexiton::host {
namespace {

std::vector<WordRow> sampleRows() {
  std::vector<WordRow> rows(4);
  rows[0] = {
      "zebra", 2, 10, 400, {"Zebras", "zebra", "Zebras run.", 0, "zebrák", "", "A zebrák futnak.", "", 0}};
  rows[1] = {
      "ág", 5, 20, 300, {"ágak", "ág", "Az ágak hajlanak.", 0, "branches", "", "The branches bend.", "", 0}};
  rows[2] = {"apple",
             5,
             30,
             200,
             {"apples", "apple", "Apples are red.", 0, "almák", "", "Az almák pirosak.", "", 0}};
  rows[3] = {"bee", 1, 40, 100, {"Bee", "", "A bee flew by.", 2, "méh", "", "Egy méh repült el.", "", 0}};
  return rows;
}

std::vector<std::string> keysOf(const std::vector<WordRow>& rows, const std::vector<std::size_t>& picked) {
  std::vector<std::string> keys;
  for (std::size_t i : picked) keys.push_back(rows[i].key);
  return keys;
}

using Keys = std::vector<std::string>;

TEST(WordSelection, SearchesEveryTextCaseFolded) {
  const auto rows = sampleRows();
  const WordOrder order;  // the most recently seen first
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", order)), (Keys{"zebra", "ág", "apple", "bee"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "ZEBR", order)), (Keys{"zebra"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "ÁG", order)), (Keys{"ág"}));  // the word, Hungarian capital
  EXPECT_EQ(keysOf(rows, selectWords(rows, "pirosak", order)), (Keys{"apple"}));  // the translation
  EXPECT_EQ(keysOf(rows, selectWords(rows, "méh", order)), (Keys{"bee"}));        // the Hungarian alternative
  EXPECT_EQ(keysOf(rows, selectWords(rows, "flew", order)), (Keys{"bee"}));       // the sentence
  EXPECT_TRUE(selectWords(rows, "nowhere", order).empty());
}

TEST(WordSelection, SortsByEachColumnBothWays) {
  const auto rows = sampleRows();
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::word, false})),
            (Keys{"apple", "bee", "zebra", "ág"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::word, true})),
            (Keys{"ág", "zebra", "bee", "apple"}));
  // Without a dictionary form the word sorts first; equal counts keep the most recent first.
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::dictionaryForm, false})),
            (Keys{"bee", "apple", "zebra", "ág"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::count, true})),
            (Keys{"ág", "apple", "zebra", "bee"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::count, false})),
            (Keys{"bee", "zebra", "ág", "apple"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::lastSeen, false})),
            (Keys{"bee", "apple", "ág", "zebra"}));
  EXPECT_EQ(keysOf(rows, selectWords(rows, "", {WordColumn::sentence, false})),
            (Keys{"bee", "apple", "ág", "zebra"}));
}

TEST(WordSelection, AHeaderClickTurnsTheOrderOrStartsANewOne) {
  WordOrder order;
  order = orderAfterClick(order, WordColumn::lastSeen);
  EXPECT_EQ(order.column, WordColumn::lastSeen);
  EXPECT_FALSE(order.descending);
  order = orderAfterClick(order, WordColumn::word);
  EXPECT_EQ(order.column, WordColumn::word);
  EXPECT_FALSE(order.descending);
  order = orderAfterClick(order, WordColumn::word);
  EXPECT_TRUE(order.descending);
  order = orderAfterClick(order, WordColumn::count);
  EXPECT_EQ(order.column, WordColumn::count);
  EXPECT_TRUE(order.descending);
}

}  // namespace
}  // namespace lexiton::host
