// Conjugation on verbs every Hungarian reader knows: both conjugations in the present, the
// past, the imperative, "-ik" verbs, stems that need a linking vowel, irregular verbs and the
// "I ... you" form.
#include "hungarian_verb.h"

#include <gtest/gtest.h>

namespace lexiton::translator {
namespace {

std::string present(const char* verb, int person, bool plural, bool definite = false) {
  return conjugate(VerbStem{verb, "", ""}, Tense::present, Agreement{person, plural, definite, false});
}
std::string past(const char* verb, int person, bool plural, bool definite = false) {
  return conjugate(VerbStem{verb, "", ""}, Tense::past, Agreement{person, plural, definite, false});
}
std::string imperative(const char* verb, bool definite) {
  return conjugate(VerbStem{verb, "", ""}, Tense::imperative, Agreement{2, false, definite, false});
}

TEST(HungarianVerbTest, PresentIndefiniteAndDefinite) {
  EXPECT_EQ(present("olvas", 1, false), "olvasok");
  EXPECT_EQ(present("olvas", 2, false), "olvasol") << "a sibilant stem takes -ol";
  EXPECT_EQ(present("olvas", 3, true), "olvasnak");
  EXPECT_EQ(present("olvas", 3, false, true), "olvassa") << "the j of -ja assimilates";
  EXPECT_EQ(present("olvas", 1, true, true), "olvassuk");
  EXPECT_EQ(present("olvas", 3, true, true), "olvassák");
  EXPECT_EQ(present("néz", 1, false), "nézek");
  EXPECT_EQ(present("néz", 3, false, true), "nézi");
  EXPECT_EQ(present("néz", 1, true, true), "nézzük");
  EXPECT_EQ(present("néz", 2, true, true), "nézitek");
  EXPECT_EQ(present("főz", 1, false), "főzök") << "front rounded";
  EXPECT_EQ(present("főz", 1, false, true), "főzöm");
  EXPECT_EQ(present("vár", 2, false), "vársz");
  EXPECT_EQ(present("vár", 2, true), "vártok");
  EXPECT_EQ(present("ír", 3, false, true), "írja") << "ír is a back verb";
  EXPECT_EQ(present("nyit", 3, false, true), "nyitja");
}

TEST(HungarianVerbTest, IkVerbsConjugateOnTheirStem) {
  EXPECT_EQ(present("dolgozik", 1, false), "dolgozom");
  EXPECT_EQ(present("dolgozik", 2, false), "dolgozol");
  EXPECT_EQ(present("dolgozik", 3, false), "dolgozik");
  EXPECT_EQ(present("dolgozik", 3, true), "dolgoznak");
  EXPECT_EQ(present("lakik", 1, true), "lakunk");
  EXPECT_EQ(present("játszik", 3, true), "játszanak") << "a cluster links";
  EXPECT_EQ(present("játszik", 3, false, true), "játssza") << "a doubled digraph";
  EXPECT_EQ(present("bízik", 1, false), "bízom") << "a back verb of i-sounds";
  EXPECT_EQ(past("dolgozik", 3, false), "dolgozott");
  EXPECT_EQ(infinitiveOf(VerbStem{"dolgozik", "", ""}), "dolgozni");
}

TEST(HungarianVerbTest, StemsThatNeedALinkingVowel) {
  EXPECT_EQ(present("mond", 3, true), "mondanak");
  EXPECT_EQ(present("mond", 2, false), "mondasz");
  EXPECT_EQ(present("tanít", 3, true), "tanítanak");
  EXPECT_EQ(infinitiveOf(VerbStem{"tanít", "", ""}), "tanítani");
  EXPECT_EQ(infinitiveOf(VerbStem{"segít", "", ""}), "segíteni");
  EXPECT_EQ(infinitiveOf(VerbStem{"olvas", "", ""}), "olvasni");
  // a double "l" after a long vowel links nothing: "szállnak", "állni"; after a short one it does
  EXPECT_EQ(present("száll", 3, true), "szállnak");
  EXPECT_EQ(infinitiveOf(VerbStem{"áll", "", ""}), "állni");
  EXPECT_EQ(present("hall", 3, true), "hallanak");
}

TEST(HungarianVerbTest, PastByTheLastSoundsOfTheStem) {
  EXPECT_EQ(past("ír", 3, false), "írt");
  EXPECT_EQ(past("ír", 1, false), "írtam");
  EXPECT_EQ(past("ír", 3, true), "írtak");
  EXPECT_EQ(past("néz", 3, false), "nézett") << "only the third person singular links";
  EXPECT_EQ(past("néz", 1, false), "néztem");
  EXPECT_EQ(past("néz", 3, true), "néztek");
  EXPECT_EQ(past("fut", 1, false), "futottam") << "after t every person links";
  EXPECT_EQ(past("lát", 3, false), "látott");
  EXPECT_EQ(past("lát", 1, false), "láttam");
  EXPECT_EQ(past("lát", 2, false, true), "láttad");
  EXPECT_EQ(past("vezet", 1, true), "vezettünk");
  EXPECT_EQ(past("vezet", 3, false), "vezetett");
  EXPECT_EQ(past("tanít", 1, false), "tanítottam");
  EXPECT_EQ(past("áll", 3, false), "állt");
  EXPECT_EQ(past("csuk", 3, false, true), "csukta");
  EXPECT_EQ(past("felejt", 3, false, true), "felejtette");
  EXPECT_EQ(past("látogat", 1, true, true), "látogattuk");
  EXPECT_EQ(past("forr", 3, false), "forrt") << "a doubled r takes a bare t, as \"áll\" does";
  EXPECT_EQ(past("szárad", 3, false), "száradt") << "what happens of itself in -ad does not link";
  EXPECT_EQ(past("szakad", 3, true), "szakadtak");
  EXPECT_EQ(past("reped", 3, false), "repedt");
  EXPECT_EQ(past("sápad", 3, false), "sápadt") << "growing pale happens of itself";
  EXPECT_EQ(past("fogad", 3, false), "fogadott") << "a verb done to something links";
}

TEST(HungarianVerbTest, ImperativeAssimilatesItsJ) {
  EXPECT_EQ(imperative("csuk", true), "csukd");
  EXPECT_EQ(imperative("csuk", false), "csukj");
  EXPECT_EQ(imperative("olvas", false), "olvass");
  EXPECT_EQ(imperative("olvas", true), "olvasd");
  EXPECT_EQ(imperative("nyit", false), "nyiss");
  EXPECT_EQ(imperative("nyit", true), "nyisd");
  EXPECT_EQ(imperative("tanít", false), "taníts");
  EXPECT_EQ(imperative("ad", true), "add");
  EXPECT_EQ(imperative("tesz", true), "tedd");
  EXPECT_EQ(imperative("jön", false), "gyere");
  EXPECT_EQ(imperative("lát", false), "láss");
  EXPECT_EQ(imperative("hűt", false), "hűts") << "a long vowel of one syllable keeps the t, but in lát";
  EXPECT_EQ(imperative("fűt", true), "fűtsd");
  EXPECT_EQ(imperative("fejleszt", false), "fejlessz");
  EXPECT_EQ(imperative("fejleszt", true), "fejleszd");
  EXPECT_EQ(imperative("játszik", false), "játssz");
}

TEST(HungarianVerbTest, IrregularVerbsAndTheFormForYou) {
  EXPECT_EQ(present("megy", 1, false), "megyek");
  EXPECT_EQ(past("megy", 1, true), "mentünk");
  EXPECT_EQ(past("vesz", 1, true), "vettünk");
  EXPECT_EQ(present("vesz", 3, false, true), "veszi");
  EXPECT_EQ(past("eszik", 1, false, true), "ettem");
  EXPECT_EQ(present("van", 3, true), "vannak");
  EXPECT_EQ(present("alszik", 3, true), "alszanak");
  EXPECT_EQ(infinitiveOf(VerbStem{"megy", "", ""}), "menni");
  EXPECT_EQ(infinitiveOf(VerbStem{"lát", "", ""}), "látni");
  EXPECT_EQ(present("nő", 1, true), "növünk");
  EXPECT_EQ(present("emlékszik", 1, false), "emlékszem");
  EXPECT_EQ(past("emlékszik", 3, false), "emlékezett");
  const Agreement you{1, false, false, true};
  EXPECT_EQ(conjugate(VerbStem{"lát", "", ""}, Tense::present, you), "látlak");
  EXPECT_EQ(conjugate(VerbStem{"fog", "", ""}, Tense::present, you), "foglak");
  EXPECT_EQ(conjugate(VerbStem{"segít", "", ""}, Tense::present, you), "segítelek");
  // the irregular verbs too, on the stems of the third person and of the past
  EXPECT_EQ(conjugate(VerbStem{"vesz", "", ""}, Tense::present, you), "veszlek");
  EXPECT_EQ(conjugate(VerbStem{"vesz", "", ""}, Tense::past, you), "vettelek");
  EXPECT_EQ(conjugate(VerbStem{"visz", "", ""}, Tense::present, you), "viszlek");
  EXPECT_EQ(conjugate(VerbStem{"eszik", "", ""}, Tense::present, you), "eszlek");
  EXPECT_EQ(conjugate(VerbStem{"iszik", "", ""}, Tense::past, you), "ittalak");
  // and the regular past: "láttalak", "kerestelek"
  EXPECT_EQ(conjugate(VerbStem{"l\xC3\xA1t", "", ""}, Tense::past, you), "l\xC3\xA1ttalak");
  EXPECT_EQ(conjugate(VerbStem{"keres", "", ""}, Tense::past, you), "kerestelek");
}

// Found by fuzzing: bytes that are no Hungarian word grew into replacement characters.
std::string subjunctive(const char* verb, int person, bool plural, bool definite = false) {
  return subjunctiveOf(VerbStem{verb, "", ""}, Agreement{person, plural, definite, false});
}

TEST(HungarianVerbTest, TheSubjunctiveInEveryPerson) {
  EXPECT_EQ(subjunctive("olvas", 1, false), "olvassak");
  EXPECT_EQ(subjunctive("olvas", 3, false, true), "olvassa");
  EXPECT_EQ(subjunctive("k\xC3\xA9r", 1, false, true), "k\xC3\xA9rjem");
  EXPECT_EQ(subjunctive("k\xC3\xA9r", 3, true), "k\xC3\xA9rjenek");
  EXPECT_EQ(subjunctive("tan\xC3\xADt", 3, true, true), "tan\xC3\xADts\xC3\xA1k");
  EXPECT_EQ(subjunctive("f\xC5\x91z", 3, false), "f\xC5\x91zz\xC3\xB6n") << "rounded harmony";
  // irregular verbs by their own stem
  EXPECT_EQ(subjunctive("vesz", 1, false), "vegyek");
  EXPECT_EQ(subjunctive("megy", 3, true), "menjenek");
  EXPECT_EQ(subjunctive("iszik", 3, false), "igyon");
  EXPECT_EQ(subjunctive("j\xC3\xB6n", 3, false), "j\xC3\xB6jj\xC3\xB6n");
  EXPECT_EQ(subjunctive("van", 1, true), "legy\xC3\xBCnk");
  // "I ... you": "-lak", "-lek" after the subjunctive's stem
  const Agreement you{1, false, false, true};
  EXPECT_EQ(subjunctiveOf(VerbStem{"l\xC3\xA1t", "", ""}, you), "l\xC3\xA1ssalak");
  EXPECT_EQ(subjunctiveOf(VerbStem{"k\xC3\xA9r", "", ""}, you), "k\xC3\xA9rjelek");
  EXPECT_EQ(subjunctiveOf(VerbStem{"vesz", "", ""}, you), "vegyelek");
}

TEST(HungarianVerbTest, TheAdverbialParticipleFollowsTheStem) {
  EXPECT_EQ(adverbialParticipleOf(VerbStem{"kiab\xC3\xA1l", "", ""}), "kiab\xC3\xA1lva");
  EXPECT_EQ(adverbialParticipleOf(VerbStem{"n\xC3\xA9z", "fel", ""}), "n\xC3\xA9zve");
  EXPECT_EQ(adverbialParticipleOf(VerbStem{"dolgozik", "", ""}), "dolgozva");
  // a stem of its own is left out
  EXPECT_EQ(adverbialParticipleOf(VerbStem{"alszik", "", ""}), "");
}

TEST(HungarianVerbTest, WhatIsNoHungarianWordComesBackUnchanged) {
  const std::string junk = "y`\xFF\xFF\xFF\xFF\xFF\xFF";
  EXPECT_EQ(conjugate(VerbStem{junk, "", ""}, Tense::past, Agreement{1, true, true, false}), junk);
  EXPECT_EQ(infinitiveOf(VerbStem{junk, "", ""}), junk);
  EXPECT_EQ(conjugate(VerbStem{"two words", "", ""}, Tense::present, Agreement{}), "two words");
  EXPECT_EQ(conjugate(VerbStem{"Olvas", "", ""}, Tense::present, Agreement{}), "Olvas");
}

TEST(HungarianVerbTest, UnstableVowelDropsBeforeAVowel) {
  // "forog", "mozog": the last vowel drops before a suffix that opens with a vowel
  EXPECT_EQ(present("forog", 1, false), "forgok");
  EXPECT_EQ(present("forog", 3, false), "forog");
  EXPECT_EQ(present("forog", 1, true), "forgunk");
  EXPECT_EQ(present("forog", 2, true), "forogtok");
  EXPECT_EQ(present("forog", 3, true), "forognak");
  EXPECT_EQ(past("forog", 3, false), "forgott");
  EXPECT_EQ(past("forog", 1, false), "forogtam");
  EXPECT_EQ(past("mozog", 3, true), "mozogtak");
  EXPECT_EQ(past("mosolyog", 3, false), "mosolygott");
  EXPECT_EQ(present("pörög", 3, true), "pörögnek");
  EXPECT_EQ(past("pörög", 3, false), "pörgött");
  EXPECT_EQ(imperative("mozog", false), "mozogj");
  EXPECT_EQ(infinitiveOf(VerbStem{"forog", "", ""}), "forogni");
  EXPECT_EQ(presentParticipleOf(VerbStem{"forog", "", ""}), "forgó");
  EXPECT_EQ(actionNounOf(VerbStem{"forog", "", ""}, false), "forgás");
  EXPECT_EQ(potentialOf(VerbStem{"mozog", "", ""}).lemma, "mozoghat");
  // a stable "-og" keeps its vowel: "ragyogott", "remegett", "kopogott"
  EXPECT_EQ(past("ragyog", 3, false), "ragyogott");
  EXPECT_EQ(past("remeg", 3, false), "remegett");
  EXPECT_EQ(past("kopog", 3, false), "kopogott");
  EXPECT_EQ(past("zizeg", 3, false), "zizegett");
  // and the few no shape tells, prefixed too: "szerzett", "érzett", "őrzött", "törlök"
  EXPECT_EQ(past("szerez", 3, false), "szerzett");
  EXPECT_EQ(past("megszerez", 3, false), "megszerzett");
  EXPECT_EQ(present("szerez", 1, false), "szerzek");
  EXPECT_EQ(past("szerez", 1, false), "szereztem");
  EXPECT_EQ(past("\u00E9rez", 3, false), "\u00E9rzett");
  EXPECT_EQ(past("\u0151riz", 3, false), "\u0151rz\u00F6tt");
  EXPECT_EQ(present("t\u00F6r\u00F6l", 1, false), "t\u00F6rl\u00F6k");
  EXPECT_EQ(past("t\u00F6r\u00F6l", 3, false), "t\u00F6r\u00F6lt");
}

TEST(HungarianVerbTest, IkVerbsHideAVowelBeforeZ) {
  // "vérzik": "vérez-" before a consonant, "vérz-" before a vowel
  EXPECT_EQ(present("vérzik", 3, false), "vérzik");
  EXPECT_EQ(present("vérzik", 1, false), "vérzem");
  EXPECT_EQ(present("vérzik", 3, true), "véreznek");
  EXPECT_EQ(past("vérzik", 3, false), "vérzett");
  EXPECT_EQ(infinitiveOf(VerbStem{"vérzik", "", ""}), "vérezni");
  EXPECT_EQ(presentParticipleOf(VerbStem{"vérzik", "", ""}), "vérző");
  EXPECT_EQ(adverbialParticipleOf(VerbStem{"vérzik", "", ""}), "vérezve");
  EXPECT_EQ(present("dohányzik", 1, false), "dohányzom");
  EXPECT_EQ(past("dohányzik", 1, false), "dohányoztam");
  EXPECT_EQ(past("dohányzik", 3, false), "dohányzott");
  EXPECT_EQ(imperative("dohányzik", false), "dohányozz");
  EXPECT_EQ(potentialOf(VerbStem{"hangzik", "", ""}).lemma, "hangozhat");
  EXPECT_EQ(actionNounOf(VerbStem{"dohányzik", "", ""}, false), "dohányzás");
  // a vowel before the "z" hides nothing, nor the digraphs "sz", "dz"
  EXPECT_EQ(infinitiveOf(VerbStem{"dolgozik", "", ""}), "dolgozni");
  EXPECT_EQ(infinitiveOf(VerbStem{"játszik", "", ""}), "játszani");
}

TEST(HungarianVerbTest, ItVerbsAfterARoundedVowelTakeUnroundedEndings) {
  EXPECT_EQ(present("ürít", 1, false, true), "ürítem");
  EXPECT_EQ(present("ürít", 1, false), "ürítek");
  EXPECT_EQ(present("erősít", 2, true), "erősítetek");
  EXPECT_EQ(present("rögzít", 2, false, true), "rögzíted");
  EXPECT_EQ(past("ürít", 3, false), "ürített");
  EXPECT_EQ(present("főz", 1, false, true), "főzöm") << "a rounded last vowel still rounds";
  EXPECT_EQ(presentParticipleOf(VerbStem{"tanít", "", ""}), "tanító");
  EXPECT_EQ(presentParticipleOf(VerbStem{"ír", "", ""}), "író");
  EXPECT_EQ(presentParticipleOf(VerbStem{"ül", "", ""}), "ülő");
  EXPECT_EQ(presentParticipleOf(VerbStem{"megy", "", ""}), "menő");
}

TEST(HungarianVerbTest, IrregularVerbsSayIYou) {
  const Agreement you{1, false, false, true};
  EXPECT_EQ(conjugate(VerbStem{"vesz", "fel", ""}, Tense::present, you), "veszlek");
  EXPECT_EQ(conjugate(VerbStem{"visz", "", ""}, Tense::present, you), "viszlek");
  EXPECT_EQ(conjugate(VerbStem{"vesz", "", ""}, Tense::past, you), "vettelek");
  EXPECT_EQ(conjugate(VerbStem{"hisz", "", ""}, Tense::present, you), "hiszlek");
  EXPECT_EQ(conjugate(VerbStem{"érez", "", ""}, Tense::present, you), "érezlek");
  EXPECT_EQ(conjugate(VerbStem{"iszik", "", ""}, Tense::past, you), "ittalak");
}

TEST(HungarianVerbTest, SzikVerbsWithADStemAndLikVerbsWithAHiddenVowel) {
  // "esküszik", "nyugszik": the present on "sz", every other form on "d"
  EXPECT_EQ(present("esküszik", 1, false), "esküszöm");
  EXPECT_EQ(past("esküszik", 3, false), "esküdött");
  EXPECT_EQ(past("esküszik", 1, false), "esküdtem");
  EXPECT_EQ(infinitiveOf(VerbStem{"esküszik", "", ""}), "esküdni");
  EXPECT_EQ(subjunctiveOf(VerbStem{"esküszik", "", ""}, Agreement{3, false, false, false}), "esküdjön");
  EXPECT_EQ(conditionalOf(VerbStem{"nyugszik", "", ""}, Agreement{3, false, false, false}), "nyugodna");
  EXPECT_EQ(past("haragszik", 3, false), "haragudott");
  EXPECT_EQ(potentialOf(VerbStem{"haragszik", "", ""}).lemma, "haragudhat");
  // "romlik": the vowel shows before the imperative's "j" and "-hat" only
  EXPECT_EQ(past("romlik", 3, false), "romlott");
  EXPECT_EQ(subjunctiveOf(VerbStem{"romlik", "", ""}, Agreement{3, false, false, false}), "romoljon");
  EXPECT_EQ(potentialOf(VerbStem{"romlik", "", ""}).lemma, "romolhat");
  EXPECT_EQ(infinitiveOf(VerbStem{"romlik", "", ""}), "romlani");
}

TEST(HungarianVerbTest, EllenorizDropsItsVowelAsOrizDoes) {
  // "ellenőriz": "ellenőrzöm", "ellenőrzi" before a vowel, "ellenőrizte" before a consonant, and
  // after its "i" the personal infinitive is unrounded, "ellenőriznem"
  EXPECT_EQ(present("ellen\xC5\x91riz", 1, false, true), "ellen\xC5\x91rz\xC3\xB6m");
  EXPECT_EQ(present("ellen\xC5\x91riz", 3, false, true), "ellen\xC5\x91rzi");
  EXPECT_EQ(present("ellen\xC5\x91riz", 3, true), "ellen\xC5\x91riznek");
  EXPECT_EQ(personalInfinitiveOf({"ellen\xC5\x91riz", "", ""}, 1, false), "ellen\xC5\x91riznem");
}

}  // namespace
}  // namespace lexiton::translator
