// Noun inflection on words whose forms every Hungarian reader knows: the harmony of mixed
// words, the stems that change, the lengthened final vowel, the assimilating "-val/-vel",
// the possessive suffixes and each case.
#include "hungarian_noun.h"

#include <gtest/gtest.h>

namespace lexiton::translator {
namespace {

NounStem noun(const char* lemma, const char* plural = "") {
  NounStem n;
  n.lemma = lemma;
  n.plural = plural;
  return n;
}

std::string form(const NounStem& n, Case c, bool plural = false, Possessor owner = {}) {
  return inflectNoun(n, plural, owner, c);
}

TEST(HungarianNounTest, EachCaseFollowsTheVowelHarmony) {
  const NounStem haz = noun("ház", "házak"), kert = noun("kert"), konyv = noun("könyv", "könyvek");
  EXPECT_EQ(form(haz, Case::inessive), "házban");
  EXPECT_EQ(form(kert, Case::inessive), "kertben");
  EXPECT_EQ(form(haz, Case::illative), "házba");
  EXPECT_EQ(form(kert, Case::elative), "kertből");
  EXPECT_EQ(form(haz, Case::sublative), "házra");
  EXPECT_EQ(form(kert, Case::delative), "kertről");
  EXPECT_EQ(form(haz, Case::adessive), "háznál");
  EXPECT_EQ(form(kert, Case::ablative), "kerttől");
  EXPECT_EQ(form(haz, Case::dative), "háznak");
  EXPECT_EQ(form(haz, Case::causal), "házért");
  EXPECT_EQ(form(haz, Case::terminative), "házig");
  // the allative has three forms: back, front, front rounded
  EXPECT_EQ(form(haz, Case::allative), "házhoz");
  EXPECT_EQ(form(kert, Case::allative), "kerthez");
  EXPECT_EQ(form(konyv, Case::allative), "könyvhöz");
  // the superessive too, and a vowel-final stem takes a bare "-n"
  EXPECT_EQ(form(noun("asztal", "asztalok"), Case::superessive), "asztalon");
  EXPECT_EQ(form(kert, Case::superessive), "kerten");
  EXPECT_EQ(form(konyv, Case::superessive), "könyvön");
  EXPECT_EQ(form(noun("autó"), Case::superessive), "autón");
  EXPECT_EQ(attachCase("kilenc", Case::temporal), "kilenckor");
  EXPECT_EQ(attachCase("angol", Case::essive), "angolul");
  EXPECT_EQ(attachCase("német", Case::essive), "németül");
}

TEST(HungarianNounTest, MixedWordsTakeTheHarmonyOfTheirLastTelling) {
  // i, í, é after a back vowel leave the word back; a compound follows its last member,
  // which its plural tells
  EXPECT_EQ(form(noun("papír"), Case::inessive), "papírban");
  EXPECT_EQ(form(noun("férfi", "férfiak"), Case::dative), "férfinak");
  EXPECT_EQ(form(noun("számítógép", "számítógépek"), Case::sublative), "számítógépre");
  EXPECT_EQ(form(noun("sofőr"), Case::allative), "sofőrhöz");
  EXPECT_EQ(attachCase("London", Case::inessive), "Londonban") << "a name keeps its capital";
}

TEST(HungarianNounTest, ChangingStemsFollowTheirPlural) {
  const NounStem lo = noun("ló", "lovak"), ko = noun("kő", "kövek"), madar = noun("madár", "madarak"),
                 tukor = noun("tükör", "tükrök"), viz = noun("víz", "vizek"),
                 kenyer = noun("kenyér", "kenyerek");
  EXPECT_EQ(form(lo, Case::accusative), "lovat");
  EXPECT_EQ(form(lo, Case::nominative, true), "lovak");
  EXPECT_EQ(form(lo, Case::superessive), "lovon");
  EXPECT_EQ(form(lo, Case::inessive), "lóban") << "other cases keep the dictionary stem";
  EXPECT_EQ(form(ko, Case::accusative), "követ");
  EXPECT_EQ(form(ko, Case::superessive), "kövön");
  EXPECT_EQ(form(madar, Case::accusative), "madarat");
  EXPECT_EQ(form(madar, Case::superessive), "madáron");
  EXPECT_EQ(form(tukor, Case::accusative), "tükröt");
  EXPECT_EQ(form(tukor, Case::superessive), "tükrön");
  EXPECT_EQ(form(tukor, Case::inessive), "tükörben");
  EXPECT_EQ(form(viz, Case::accusative), "vizet");
  EXPECT_EQ(form(kenyer, Case::accusative), "kenyeret");
  EXPECT_EQ(form(kenyer, Case::nominative, false, {1, false}), "kenyerem");
  EXPECT_EQ(form(lo, Case::nominative, false, {3, false}), "lova");
}

TEST(HungarianNounTest, TheAccusativeLinksOrNotByTheLastSound) {
  EXPECT_EQ(form(noun("asztal", "asztalok"), Case::accusative), "asztalt");
  EXPECT_EQ(form(noun("pénz"), Case::accusative), "pénzt");
  EXPECT_EQ(form(noun("kert"), Case::accusative), "kertet");
  EXPECT_EQ(form(noun("ablak", "ablakok"), Case::accusative), "ablakot");
  EXPECT_EQ(form(noun("ház", "házak"), Case::accusative), "házat") << "a lowering stem";
  EXPECT_EQ(form(noun("tej", "tejek"), Case::accusative), "tejet");
  EXPECT_EQ(form(noun("osztály"), Case::accusative), "osztályt");
  EXPECT_EQ(form(noun("szakács"), Case::accusative), "szakácsot") << "\"cs\" is no \"s\"";
  EXPECT_EQ(form(noun("férfi", "férfiak"), Case::accusative), "férfit")
      << "a linking plural is no stem change";
  EXPECT_EQ(form(noun("alma"), Case::accusative), "almát") << "a final a lengthens";
  EXPECT_EQ(form(noun("kefe"), Case::accusative), "kefét");
  EXPECT_EQ(form(noun("autó"), Case::accusative), "autót");
  EXPECT_EQ(form(noun("alma"), Case::accusative, true), "almákat");
  EXPECT_EQ(form(noun("könyv", "könyvek"), Case::accusative, true), "könyveket");
}

TEST(HungarianNounTest, TheInstrumentalAssimilatesItsV) {
  EXPECT_EQ(form(noun("tej", "tejek"), Case::instrumental), "tejjel");
  EXPECT_EQ(form(noun("busz"), Case::instrumental), "busszal") << "a digraph doubles its first letter";
  EXPECT_EQ(form(noun("kulcs", "kulcsok"), Case::instrumental), "kulccsal");
  EXPECT_EQ(form(noun("toll", "tollak"), Case::instrumental), "tollal") << "a double consonant stays double";
  EXPECT_EQ(form(noun("könny", "könnyek"), Case::instrumental), "könnyel") << "so does a doubled digraph";
  EXPECT_EQ(form(noun("autó"), Case::instrumental), "autóval");
  EXPECT_EQ(form(noun("alma"), Case::instrumental), "almával");
}

TEST(HungarianNounTest, PossessiveSuffixesForEachPerson) {
  const NounStem kulcs = noun("kulcs", "kulcsok"), haz = noun("ház", "házak"), anya = noun("anya");
  EXPECT_EQ(form(kulcs, Case::accusative, true, {1, false}), "kulcsaimat") << "my keys";
  EXPECT_EQ(form(kulcs, Case::nominative, false, {2, false}), "kulcsod");
  EXPECT_EQ(form(haz, Case::nominative, false, {1, true}), "házunk");
  EXPECT_EQ(form(haz, Case::nominative, false, {2, true}), "házatok");
  EXPECT_EQ(form(haz, Case::nominative, false, {3, true}), "házuk");
  EXPECT_EQ(form(haz, Case::inessive, false, {3, false}), "házában");
  EXPECT_EQ(form(anya, Case::nominative, false, {1, false}), "anyám");
  EXPECT_EQ(form(noun("kert", "kertek"), Case::nominative, false, {3, false}), "kertje");
  EXPECT_EQ(form(noun("autó"), Case::nominative, false, {3, true}), "autójuk");
  EXPECT_EQ(form(noun("táska"), Case::illative, false, {1, false}), "táskámba");
  // "-a/-e" after most consonants, "-ja/-je" after the "t" of one syllable or a cluster
  EXPECT_EQ(form(noun("élet", "életek"), Case::nominative, false, {3, false}), "élete");
  EXPECT_EQ(form(noun("könyv", "könyvek"), Case::nominative, false, {3, false}), "könyve");
  EXPECT_EQ(form(noun("kert", "kertek"), Case::nominative, false, {3, false}), "kertje");
  EXPECT_EQ(form(noun("szakács"), Case::nominative, false, {3, false}), "szakácsa");
  EXPECT_EQ(form(noun("orr", "orrok"), Case::sublative), "orra") << "no three equal consonants";
  NounStem leg = noun("láb", "lábak");
  leg.possessive3 = "lába";
  EXPECT_EQ(form(leg, Case::accusative, false, {3, false}), "lábát") << "his leg";
  NounStem son = noun("fiú", "fiúk");
  son.possessive3 = "fia";
  EXPECT_EQ(form(son, Case::nominative, false, {1, false}), "fiam");
  NounStem parent = noun("nagyszülő", "nagyszülők");
  parent.possessedPlural = "nagyszülei";
  EXPECT_EQ(form(parent, Case::accusative, true, {1, true}), "nagyszüleinket");
  // a possessive stem with its long vowel keeps it for "our" too; a short one does not
  NounStem brother = noun("öcs", "öcsök");
  brother.possessive3 = "öccse";
  brother.possessiveStem = "öcsé";
  EXPECT_EQ(form(brother, Case::nominative, false, {1, true}), "öcsénk");
  EXPECT_EQ(form(brother, Case::nominative, false, {1, false}), "öcsém");
  EXPECT_EQ(form(brother, Case::nominative, false, {3, true}), "öccsük");
  NounStem ban = noun("tilalom", "tilalmak");
  ban.possessive3 = "tilalma";
  ban.possessiveStem = "tilalma";
  EXPECT_EQ(form(ban, Case::nominative, false, {1, true}), "tilalmunk");
}

TEST(HungarianNounTest, AGivenFormOfAHyphenatedWordIsTheWholeWord) {
  NounStem email = noun("e-mail", "e-mailek");
  email.possessive3 = "e-mailje";
  email.possessedPlural = "e-mailjei";
  EXPECT_EQ(form(email, Case::accusative, false, {3, false}), "e-mailjét");
  EXPECT_EQ(form(email, Case::nominative, false, {3, false}), "e-mailje");
  EXPECT_EQ(form(email, Case::nominative, true, {3, false}), "e-mailjei");
}

// A word marked front whose "i" follows a rounded vowel keeps the unrounded suffixes in its
// inflected forms too: "zsűrihez", "zsűrikhez", "zsűriken" (not "zsűrikhöz").
TEST(HungarianNounTest, AWordMarkedFrontKeepsItsUnroundedSuffixesInThePlural) {
  NounStem jury = noun("zsűri");
  jury.harmony = int(Harmony::front);
  EXPECT_EQ(form(jury, Case::allative), "zsűrihez");
  EXPECT_EQ(form(jury, Case::allative, true), "zsűrikhez");
  EXPECT_EQ(form(jury, Case::superessive, true), "zsűriken");
}

// Three of one consonant never meet in a compound: a hyphen keeps them apart, a digraph counting
// as one letter; two meeting ("jegygyűrű", "sakktábla") stay joined.
TEST(HungarianNounTest, ACompoundWhereThreeOfOneConsonantMeetTakesAHyphen) {
  EXPECT_EQ(joinedCompound("sakk", "klubhoz"), "sakk-klubhoz");
  EXPECT_EQ(joinedCompound("hossz", "szám"), "hossz-szám");
  EXPECT_EQ(joinedCompound("sakk", "tábla"), "sakktábla");
  EXPECT_EQ(joinedCompound("jegy", "gyűrű"), "jegygyűrű");
  EXPECT_EQ(joinedCompound("busz", "szerelő"), "buszszerelő");
  EXPECT_EQ(joinedCompound("toll", "ecset"), "tollecset");
}

// Six syllables are counted on the words joined, not on their endings.
TEST(HungarianNounTest, ACompoundsSyllablesAreItsWordsNotItsEndings) {
  EXPECT_EQ(joinedCompound("energia", "árakat", "ár"), "energiaárakat");
  EXPECT_EQ(joinedCompound("hálószoba", "mennyezet", "mennyezet"), "hálószoba-mennyezet");
}

// Found by fuzzing: a phrase with bytes that are no UTF-8 grew when its last word was inflected.
TEST(HungarianNounTest, TextThatIsNoHungarianPhraseComesBackUnchanged) {
  const std::string junk = "Theg\xEF\xEF\xEF yurre ape";
  EXPECT_EQ(inflectNoun(noun(junk.c_str()), true, {1, false}, Case::accusative), junk);
  EXPECT_EQ(attachCase(junk, Case::inessive), junk);
  EXPECT_EQ(attachCase("-ban/-ben", Case::inessive), "-ban/-ben");
  EXPECT_EQ(inflectNoun(noun("egy pohár", "poharak"), false, {}, Case::accusative), "egy poharat")
      << "a phrase inflects its last word";
}

}  // namespace
}  // namespace lexiton::translator
