// The plural suffix rules on words whose plurals every Hungarian reader knows.
#include "hungarian_morphology.h"

#include <gtest/gtest.h>

#include "lexiton/text_encoding.h"

namespace lexiton::translator {
namespace {

// Literals as UTF-16 escapes, compared as the UTF-8 the dictionary holds.
std::string u8(std::u16string_view s) { return utf16ToUtf8(s); }

struct Case {
  std::u16string_view singular, plural;
};

void expectPlurals(std::initializer_list<Case> cases, WordClass cls) {
  for (const Case& c : cases) EXPECT_EQ(pluralOf(u8(c.singular), cls), u8(c.plural)) << u8(c.singular);
}

TEST(HungarianMorphologyTest, HarmonyFollowsTheLastVowelThatIsNotNeutral) {
  EXPECT_EQ(harmonyOf(u"asztal"), Harmony::back);
  EXPECT_EQ(harmonyOf(u"kert"), Harmony::front);
  EXPECT_EQ(harmonyOf(u"t\u00F6k"), Harmony::frontRounded);
  EXPECT_EQ(harmonyOf(u"pap\u00EDr"), Harmony::back) << "i, \u00ED, \u00E9 after a back vowel";
  EXPECT_EQ(harmonyOf(u"sof\u0151r"), Harmony::frontRounded);
  EXPECT_EQ(harmonyOf(u"\u00FCt\u00E9s"), Harmony::front) << "\u00E9 after a rounded vowel";
  EXPECT_EQ(harmonyOf(u"t\u00E1ny\u00E9r"), Harmony::back);
  EXPECT_EQ(harmonyOf(u"k\u00E9p"), Harmony::front) << "only neutral vowels";
  EXPECT_EQ(harmonyOf(u"kr"), Harmony::front) << "no vowel at all";
}

TEST(HungarianMorphologyTest, ConsonantFinalNounsLinkByHarmony) {
  expectPlurals({{u"asztal", u"asztalok"},
                 {u"pap\u00EDr", u"pap\u00EDrok"},
                 {u"kert", u"kertek"},
                 {u"k\u00E9p", u"k\u00E9pek"},
                 {u"gyerek", u"gyerekek"},
                 {u"gyermek", u"gyermekek"},
                 {u"t\u00F6k", u"t\u00F6k\u00F6k"},
                 {u"sof\u0151r", u"sof\u0151r\u00F6k"},
                 {u"tan\u00E1r", u"tan\u00E1rok"},
                 {u"\u00FCt\u00E9s", u"\u00FCt\u00E9sek"},
                 {u"t\u00E1ny\u00E9r", u"t\u00E1ny\u00E9rok"}},
                WordClass::noun);
}

TEST(HungarianMorphologyTest, LoweringStemsTakeAOrE) {
  expectPlurals({{u"h\u00E1z", u"h\u00E1zak"},
                 {u"fal", u"falak"},
                 {u"hal", u"halak"},
                 {u"\u00E1gy", u"\u00E1gyak"},
                 {u"f\u00FCl", u"f\u00FClek"},
                 {u"k\u00F6nyv", u"k\u00F6nyvek"},
                 {u"f\u00F6ld", u"f\u00F6ldek"}},
                WordClass::noun);
}

TEST(HungarianMorphologyTest, VowelFinalStemsTakeKAndLengthenAE) {
  expectPlurals({{u"alma", u"alm\u00E1k"},
                 {u"kefe", u"kef\u00E9k"},
                 {u"kutya", u"kuty\u00E1k"},
                 {u"fa", u"f\u00E1k"},
                 {u"aut\u00F3", u"aut\u00F3k"},
                 {u"taxi", u"taxik"},
                 {u"kapu", u"kapuk"},
                 {u"cip\u0151", u"cip\u0151k"},
                 {u"k\u00E1v\u00E9", u"k\u00E1v\u00E9k"},
                 {u"n\u0151", u"n\u0151k"}},
                WordClass::noun);
}

TEST(HungarianMorphologyTest, IrregularStemsComeFromTheTable) {
  expectPlurals({{u"mad\u00E1r", u"madarak"},
                 {u"l\u00F3", u"lovak"},
                 {u"k\u0151", u"k\u00F6vek"},
                 {u"v\u00EDz", u"vizek"},
                 {u"lev\u00E9l", u"levelek"},
                 {u"f\u00E9rfi", u"f\u00E9rfiak"},
                 {u"torony", u"tornyok"},
                 {u"ny\u00E1r", u"nyarak"}},
                WordClass::noun);
}

TEST(HungarianMorphologyTest, ACompoundTakesThePluralOfItsLastMember) {
  expectPlurals({{u"t\u00E1bort\u0171z", u"t\u00E1bort\u00FCzek"},
                 {u"\u00E1sv\u00E1nyv\u00EDz", u"\u00E1sv\u00E1nyvizek"},
                 {u"keresztn\u00E9v", u"keresztnevek"},
                 {u"aut\u00F3", u"aut\u00F3k"}},
                WordClass::noun);
}

TEST(HungarianMorphologyTest, AdjectivesLinkWithAUnlessListed) {
  expectPlurals({{u"nagy", u"nagyok"},
                 {u"fiatal", u"fiatalok"},
                 {u"magas", u"magasak"},
                 {u"okos", u"okosak"},
                 {u"sz\u00E9p", u"sz\u00E9pek"},
                 {u"z\u00F6ld", u"z\u00F6ldek"},
                 {u"r\u00E9gi", u"r\u00E9giek"},
                 {u"hossz\u00FA", u"hossz\u00FAak"},
                 {u"gy\u00F6ny\u00F6r\u0171", u"gy\u00F6ny\u00F6r\u0171ek"},
                 {u"j\u00F3", u"j\u00F3k"},
                 {u"apr\u00F3", u"apr\u00F3k"},
                 {u"dr\u00E1ga", u"dr\u00E1g\u00E1k"},
                 {u"kicsi", u"kicsik"},
                 {u"vid\u00E1m", u"vid\u00E1mak"}},
                WordClass::adjective);
}

TEST(HungarianMorphologyTest, PastTenseOfTheThirdPerson) {
  const struct {
    std::u16string_view present, past, pastPlural;
  } cases[] = {
      // a bare "t" after a single l, r, n, j, ly, ny
      {u"\u00EDr", u"\u00EDrt", u"\u00EDrtak"},
      {u"k\u00E9r", u"k\u00E9rt", u"k\u00E9rtek"},
      {u"tanul", u"tanult", u"tanultak"},
      {u"h\u00EDv", u"h\u00EDvott", u"h\u00EDvtak"},
      {u"\u00FCl", u"\u00FClt", u"\u00FCltek"},
      // "-ott/-ett/-ött" after other consonants; the plural links only after "t" and clusters
      {u"n\u00E9z", u"n\u00E9zett", u"n\u00E9ztek"},
      {u"olvas", u"olvasott", u"olvastak"},
      {u"fut", u"futott", u"futottak"},
      {u"k\u00F6t", u"k\u00F6t\u00F6tt", u"k\u00F6t\u00F6ttek"},
      {u"hall", u"hallott", u"hallottak"},
      {u"kezd", u"kezdett", u"kezdtek"},
      // "-ik" verbs on their stem
      {u"dolgozik", u"dolgozott", u"dolgoztak"},
      {u"\u00FAszik", u"\u00FAszott", u"\u00FAsztak"},
      {u"j\u00E1tszik", u"j\u00E1tszott", u"j\u00E1tszottak"},
      // irregular, also behind a preverb
      {u"megy", u"ment", u"mentek"},
      {u"elmegy", u"elment", u"elmentek"},
      {u"j\u00F6n", u"j\u00F6tt", u"j\u00F6ttek"},
      {u"eszik", u"evett", u"ettek"},
      {u"van", u"volt", u"voltak"},
      {u"n\u0151", u"n\u0151tt", u"n\u0151ttek"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pastOf(u8(c.present), false), u8(c.past)) << u8(c.present);
    EXPECT_EQ(pastOf(u8(c.present), true), u8(c.pastPlural)) << u8(c.present);
  }
  for (std::u16string_view w : {u"abbahagyja a doh\u00E1nyz\u00E1st", u"-ni", u"", u"Ir"})
    EXPECT_EQ(pastOf(u8(w), false), u8(w)) << u8(w);
}

TEST(HungarianMorphologyTest, PhrasesGlossesAndPluralsAreLeftAlone) {
  for (std::u16string_view w : {u"iskol\u00E1ba j\u00E1r", u"-ban/-ben", u"ker.", u"Budapest", u"x", u"",
                                u"gyerekek", u"alm\u00E1k", u"tan\u00E1rok", u"sz\u00E9k2", u"krk"})
    EXPECT_EQ(pluralOf(u8(w), WordClass::noun), u8(w)) << u8(w);
  EXPECT_FALSE(looksPlural(u8(u"sz\u00E9k"))) << "one syllable";
  EXPECT_FALSE(looksPlural(u8(u"cs\u00FCt\u00F6rt\u00F6k"))) << "listed singular";
  EXPECT_TRUE(looksPlural(u8(u"gyerekek")));
  // two-syllable words ending in a vowel and "k" are mostly singular ("ablak", "homok"), so
  // they are inflected; the translator only asks for a plural of a singular entry's sense
  EXPECT_EQ(pluralOf(u8(u"ablak"), WordClass::noun), u8(u"ablakok"));
  // a word too long to be one noun stays as it is, and the result is bounded
  const std::string longWord(kMaxInflectedBytes + 1, 'a');
  EXPECT_EQ(pluralOf(longWord, WordClass::noun), longWord);
  const std::string longest = std::string(kMaxInflectedBytes - 1, 'b') + "a";
  EXPECT_EQ(pluralOf(longest, WordClass::noun), longest.substr(0, longest.size() - 1) + "\xC3\xA1k");
  // bytes that are no UTF-8 never crash and are never inflected
  EXPECT_EQ(pluralOf("h\xE1z", WordClass::noun), "h\xE1z");
}

TEST(HungarianMorphologyTest, AnAdjectivesMannerFollowsItsEndingAndHarmony) {
  EXPECT_EQ(mannerOf("meleg"), "melegen");
  EXPECT_EQ(mannerOf("tiszta"), u8(u"tiszt\u00E1n"));
  EXPECT_EQ(mannerOf("csendes"), "csendesen");
  EXPECT_EQ(mannerOf(u8(u"v\u00E1ltozatlan")), u8(u"v\u00E1ltozatlanul"));
  EXPECT_EQ(mannerOf(u8(u"k\u00E9nyelmetlen")), u8(u"k\u00E9nyelmetlen\u00FCl"));
  EXPECT_EQ(mannerOf("nagy"), "nagyon");  // the adjectives of "-ok"
  EXPECT_EQ(mannerOf(u8(u"h\u0171v\u00F6s")), u8(u"h\u0171v\u00F6sen"));
  EXPECT_EQ(mannerOf(u8(u"j\u00F3")), u8(u"j\u00F3l"));
  EXPECT_EQ(mannerOf(u8(u"sz\u00E1raz")), u8(u"sz\u00E1razon"));
  EXPECT_EQ(mannerOf("kis baba"), "kis baba");  // no single word
}

}  // namespace
}  // namespace lexiton::translator
