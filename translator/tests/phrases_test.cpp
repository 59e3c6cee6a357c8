// The word level of everyday text over the shipped lexicon: the case or postposition a
// preposition becomes, counts and their bounds, the sense a word takes beside its neighbour.
#include <gtest/gtest.h>

#include <string>

#include "dev_corpus.h"
#include "lexiton/translator/translator.h"

namespace lexiton::translator {
namespace {

const Translator& shipped() {
  static const Translator t = Translator::fromFile(kDictionaryFileName);
  return t;
}

// The first alternative's Hungarian, UTF-8 without markup; the pointer on the first word.
std::string hungarian(const std::string& english) {
  return quality::firstTarget(shipped().translate("&kvopoint;" + english).reply);
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PhrasesTest, ByAYearOrAMomentIsADeadline) {
  EXPECT_TRUE(has(hungarian("They will finish the bridge by 2030."), "2030-ig"));
  // a year after "by" names no one who did it: the passive keeps "they"
  EXPECT_TRUE(has(hungarian("The bridge will be finished by 2030."), "befejezik"));
  EXPECT_TRUE(has(hungarian("The storm will weaken by tomorrow."), "holnapra"));
  EXPECT_TRUE(has(hungarian("By then the shop was closed."), "Addigra"));
  // a number that is no year stays what it was
  EXPECT_FALSE(has(hungarian("Prices rose by 20 percent."), "20-ig"));
  // until the moment is up to it
  EXPECT_TRUE(has(hungarian("Wait until tomorrow."), "holnapig"));
}

TEST(PhrasesTest, FromATimeIsFromThenOn) {
  EXPECT_TRUE(has(hungarian("Prices will rise from January."), "janu\xC3\xA1rt\xC3\xB3l"));
  EXPECT_TRUE(has(hungarian("From Monday the shop is open."), "H\xC3\xA9tf\xC5\x91t\xC5\x91l"));
  EXPECT_TRUE(has(hungarian("The rule applies from 2025."), "2025-t\xC5\x91l"));
  // from a place it is still out of it
  EXPECT_TRUE(has(hungarian("She came from the shop."), "boltb\xC3\xB3l"));
}

TEST(PhrasesTest, ABoundOfACountGoesWithItsNumber) {
  // the noun takes the phrase's case, the bound stands before the number
  EXPECT_EQ(hungarian("The festival attracted more than fifty thousand visitors."),
            "A fesztiv\xC3\xA1l t\xC3\xB6"
            "bb mint \xC3\xB6tvenezer l\xC3\xA1togat\xC3\xB3t vonzott.");
  EXPECT_TRUE(has(hungarian("They will vote in less than two years."), "Kevesebb mint k\xC3\xA9t \xC3\xA9v m\xC3\xBAlva"));
  // "more than" without a number is still a comparison
  EXPECT_TRUE(has(hungarian("She is taller than me."), "n\xC3\xA1lam"));
}

TEST(PhrasesTest, HowLongAThingLastedIsItsAdjective) {
  EXPECT_TRUE(has(hungarian("The museum will reopen after three years of renovation."),
                  "h\xC3\xA1rom\xC3\xA9ves fel\xC3\xBAj\xC3\xADt\xC3\xA1s ut\xC3\xA1n"));
  EXPECT_TRUE(has(hungarian("He resigned after a week of pressure."), "egyhetes nyom\xC3\xA1s ut\xC3\xA1n"));
  // a numeral of two parts stands apart as a measure
  EXPECT_TRUE(has(hungarian("She has fifteen years of experience."), "tizen\xC3\xB6t \xC3\xA9vnyi"));
  // without a count the years are the head as before
  EXPECT_FALSE(has(hungarian("He has years of experience."), "\xC3\xA9vnyi"));
}

TEST(PhrasesTest, APointOfTheCompassGoesWithoutItsArticle) {
  EXPECT_EQ(hungarian("It is warm in the south."), "Meleg van d\xC3\xA9len.");
  EXPECT_TRUE(has(hungarian("The wind comes from the east."), " keletr\xC5\x91l"));
  EXPECT_TRUE(has(hungarian("The storm is moving to the west."), " nyugatra"));
  // the north of a country is a part of it, its owner said first
  EXPECT_TRUE(has(hungarian("They live in the north of the country."), "Az orsz\xC3\xA1g \xC3\xA9szakj\xC3\xA1n"));
}

}  // namespace
}  // namespace lexiton::translator
