// The forms the modal verbs, degrees and numbers ask for: the personal infinitive ("kell"),
// the conditional ("would"), the "-hat/-het" stem ("may"), comparatives and superlatives, and a
// number in digits with its case. hunspell-hu checks them over the whole core lexicon
// (translation_quality_tests); here the rules' edges.
#include <gtest/gtest.h>

#include "hungarian_function_words.h"
#include "hungarian_morphology.h"
#include "hungarian_noun.h"
#include "hungarian_verb.h"

namespace lexiton::translator {
namespace {

TEST(PersonalInfinitiveTest, TheEndingFollowsTheVerbsHarmonyOrItsLinkingVowel) {
  EXPECT_EQ(personalInfinitiveOf({"megy", "", ""}, 1, false), "mennem");
  EXPECT_EQ(personalInfinitiveOf({"olvas", "", ""}, 2, false), "olvasnod");
  EXPECT_EQ(personalInfinitiveOf({"tanul", "", ""}, 3, false), "tanulnia");
  EXPECT_EQ(personalInfinitiveOf({"alszik", "", ""}, 3, true), "aludniuk");
  EXPECT_EQ(personalInfinitiveOf({"j\xC3\xB6n", "", ""}, 1, false), "j\xC3\xB6nn\xC3\xB6m");
  // "ír" is back although its only vowel is "í"; "iszik" too
  EXPECT_EQ(personalInfinitiveOf({"\xC3\xADr", "", ""}, 1, false), "\xC3\xADrnom");
  EXPECT_EQ(personalInfinitiveOf({"iszik", "", ""}, 1, false), "innom");
  // a linking vowel decides: "döntenem", not "döntenöm"
  EXPECT_EQ(personalInfinitiveOf({"d\xC3\xB6nt", "", ""}, 1, false), "d\xC3\xB6ntenem");
  EXPECT_EQ(personalInfinitiveOf({"tan\xC3\xADt", "", ""}, 1, true), "tan\xC3\xADtanunk");
  // a phrase is left as its infinitive
  EXPECT_EQ(personalInfinitiveOf({"figyelmen k\xC3\xADv\xC3\xBCl hagy", "", ""}, 1, false),
            "figyelmen k\xC3\xADv\xC3\xBCl hagy");
}

TEST(ConditionalTest, IndefiniteDefiniteAndTheFormForYou) {
  EXPECT_EQ(conditionalOf({"szeret", "", ""}, {1, false, false, false}), "szeretn\xC3\xA9k");
  EXPECT_EQ(conditionalOf({"szeret", "", ""}, {1, false, true, false}), "szeretn\xC3\xA9m");
  EXPECT_EQ(conditionalOf({"vesz", "", ""}, {1, true, false, false}), "venn\xC3\xA9nk");
  EXPECT_EQ(conditionalOf({"olvas", "", ""}, {3, true, true, false}), "olvasn\xC3\xA1k");
  EXPECT_EQ(conditionalOf({"l\xC3\xA1t", "", ""}, {1, false, false, true}), "l\xC3\xA1tn\xC3\xA1lak");
  // verbs without an object have no definite forms
  EXPECT_EQ(conditionalOf({"megy", "", ""}, {1, false, true, false}), "menn\xC3\xA9k");
}

TEST(PotentialTest, HatOrHetAndTheStemsTheRulesWouldMiss) {
  EXPECT_EQ(potentialOf({"\xC3\xBCl", "", ""}).lemma, "\xC3\xBClhet");
  EXPECT_EQ(potentialOf({"nyit", "ki", ""}).lemma, "nyithat");
  EXPECT_EQ(potentialOf({"nyit", "ki", ""}).prefix, "ki");
  EXPECT_EQ(potentialOf({"lakik", "", ""}).lemma, "lakhat");
  EXPECT_EQ(potentialOf({"megy", "", ""}).lemma, "mehet");
  EXPECT_EQ(potentialOf({"van", "", ""}).lemma, "lehet");
  EXPECT_EQ(potentialOf({"eml\xC3\xA9kszik", "", ""}).lemma, "eml\xC3\xA9kezhet");
  EXPECT_EQ(conjugate(potentialOf({"\xC3\xBCl", "", ""}), Tense::present, {2, false, false, false}),
            "\xC3\xBClhetsz");
}

TEST(DegreeTest, ComparativeAndSuperlative) {
  EXPECT_EQ(degreeOf("magas", 1), "magasabb");
  EXPECT_EQ(degreeOf("magas", 2), "legmagasabb");
  EXPECT_EQ(degreeOf("dr\xC3\xA1ga", 1),
            "dr\xC3\xA1g\xC3\xA1"
            "bb");
  EXPECT_EQ(degreeOf("fekete", 1),
            "feket\xC3\xA9"
            "bb");
  EXPECT_EQ(degreeOf("olcs\xC3\xB3", 1),
            "olcs\xC3\xB3"
            "bb");
  EXPECT_EQ(degreeOf("kedves", 1), "kedvesebb");
  EXPECT_EQ(degreeOf("j\xC3\xB3", 2), "legjobb");
  EXPECT_EQ(degreeOf("nagy", 1), "nagyobb");
  EXPECT_EQ(degreeOf("r\xC3\xA9gi", 1), "r\xC3\xA9gebbi");
  // an "-i" after a vowel follows the degree of the word it is made from
  EXPECT_EQ(degreeOf("k\xC3\xA9s\xC5\x91i", 1), "k\xC3\xA9s\xC5\x91" "bbi");
  EXPECT_EQ(degreeOf("korai", 2), "legkor\xC3\xA1" "bbi");
  EXPECT_EQ(degreeOf("k\xC3\xB6zeli", 2), "legk\xC3\xB6zelebbi");  // from "közel", as "régebbi" is
  EXPECT_EQ(degreeOf("magas", 0), "magas");
  EXPECT_EQ(degreeOf("nagyon j\xC3\xB3", 1), "nagyon j\xC3\xB3") << "a phrase is left alone";
}

TEST(NumberWithCaseTest, TheSuffixFollowsHowTheNumberIsSaid) {
  EXPECT_EQ(numberWithCase("1900", Case::inessive), "1900-ban");        // kilencszáz
  EXPECT_EQ(numberWithCase("2010", Case::inessive), "2010-ben");        // kétezer-tíz
  EXPECT_EQ(numberWithCase("2000", Case::inessive), "2000-ben");        // kétezer
  EXPECT_EQ(numberWithCase("2015", Case::elative), "2015-b\xC5\x91l");  // öt
  EXPECT_EQ(numberWithCase("1996", Case::inessive), "1996-ban");        // hat
  EXPECT_EQ(numberWithCase("5", Case::allative), "5-h\xC3\xB6z");
  EXPECT_EQ(numberWithCase("3", Case::allative), "3-hoz");
  EXPECT_EQ(numberWithCase("7", Case::temporal), "7-kor");
  EXPECT_EQ(numberWithCase("12", Case::nominative), "12");
  EXPECT_EQ(numberWithCase("12a", Case::inessive), "12a") << "not digits alone";
  EXPECT_EQ(numberWithCase("", Case::inessive), "");
}

TEST(NumberInWordsTest, AnOrdinalEndsItsLastWord) {
  EXPECT_EQ(ordinalInWords(1), "els\xC5\x91");
  EXPECT_EQ(ordinalInWords(2), "m\xC3\xA1sodik");
  EXPECT_EQ(ordinalInWords(12), "tizenkettedik") << "2 at the end is kett\xC5\x91, then -dik";
  EXPECT_EQ(ordinalInWords(21), "huszonegyedik");
  EXPECT_EQ(ordinalInWords(4), "negyedik");
  EXPECT_EQ(ordinalInWords(60), "hatvanadik");
  EXPECT_EQ(ordinalInWords(10), "tizedik") << "the stem short before the ending";
  EXPECT_EQ(ordinalInWords(100), "sz\xC3\xA1zadik");
  EXPECT_EQ(ordinalInWords(1000), "ezredik");
  EXPECT_EQ(ordinalInWords(105),
            "sz\xC3\xA1z\xC3\xB6t\xC3\xB6"
            "dik");
}

TEST(NumberInWordsTest, GroupsJoinAndAHyphenSeparatesThemAboveTwoThousand) {
  EXPECT_EQ(numberInWords(250, true), "k\xC3\xA9tsz\xC3\xA1z\xC3\xB6tven");
  EXPECT_EQ(numberInWords(12, true), "tizenk\xC3\xA9t");
  EXPECT_EQ(numberInWords(12, false), "tizenkett\xC5\x91") << "2 alone at the end is kettő";
  EXPECT_EQ(numberInWords(25, true), "huszon\xC3\xB6t");
  EXPECT_EQ(numberInWords(30, true), "harminc");
  EXPECT_EQ(numberInWords(1900, true), "ezerkilencsz\xC3\xA1z");
  EXPECT_EQ(numberInWords(2010, true), "k\xC3\xA9tezer-t\xC3\xADz");
  EXPECT_EQ(numberInWords(25000, true), "huszon\xC3\xB6tezer");
  EXPECT_EQ(numberInWords(1000000, true), "egymilli\xC3\xB3");
  EXPECT_EQ(numberInWords(0, true), "nulla");
}

}  // namespace
}  // namespace lexiton::translator
