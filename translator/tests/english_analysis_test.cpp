// English analysis over the shipped core lexicon and dictionary: each word's lemma and part of
// speech as the context decides it.
#include "english_analysis.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lexiton::translator {
namespace {

struct Shipped {
  Dictionary dict = Dictionary::loadFile(kDictionaryFileName);
  lexicon::CoreLexicon core = lexicon::CoreLexicon::loadFile(lexicon::kCoreLexiconFileName);
};
const Shipped& shipped() {
  static const Shipped s;
  return s;
}

// "lemma/tag" for each token, space-separated; verbs add their form.
std::string analysed(const std::string& sentence) {
  std::istringstream in(sentence);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  std::string out;
  for (const Token& t : EnglishAnalyser(shipped().core, shipped().dict).analyse(words)) {
    if (!out.empty()) out += ' ';
    out += t.lemma + "/" + std::string(partOfSpeechName(t.tag));
    if (t.tag == PartOfSpeech::verb) {
      static constexpr const char* kForms[] = {"base", "3sg", "past", "pp", "ing"};
      out += std::string("/") + kForms[int(t.form)];
    }
    if (t.tag == PartOfSpeech::noun && t.plural) out += "/pl";
  }
  return out;
}

TEST(EnglishAnalysisTest, TheContextPicksTheReading) {
  // "bought" is the past of "buy", not a noun; "new" before a noun is an adjective
  EXPECT_EQ(analysed("We bought a new car yesterday"),
            "we/pron buy/v/past a/det new/adj car/n yesterday/adv");
  // a base verb opening the sentence is an imperative
  EXPECT_EQ(analysed("Close the window"), "close/v/base the/det window/n");
  EXPECT_EQ(analysed("Open the door"), "open/v/base the/det door/n");
  // after a determiner a noun, a plural by its ending
  EXPECT_EQ(analysed("The apples are on the table"), "the/det apple/n/pl are/aux on/prep the/det table/n");
  // a contraction is its two words; after a modal a base verb; after a possessive a noun
  EXPECT_EQ(analysed("I can't find my keys"), "i/pron can/modal not/neg find/v/base my/poss key/n/pl");
  // an adverb between the modal and its verb leaves the verb the modal's
  EXPECT_EQ(analysed("Customers can now open an account"),
            "customer/n/pl can/modal now/adv open/v/base an/det account/n");
  EXPECT_EQ(analysed("You should always check the label"),
            "you/pron should/modal always/adv check/v/base the/det label/n");
  // a negated auxiliary is followed by its verb, even after a subject that is not a pronoun
  EXPECT_EQ(analysed("It does not matter"), "it/pron does/aux not/neg matter/v/base");
  EXPECT_EQ(analysed("The bus did not stop"), "the/det bus/n did/aux not/neg stop/v/base");
  // after the copula "-ing" is the continuous verb
  EXPECT_EQ(analysed("She is reading a book"), "she/pron is/aux read/v/ing a/det book/n");
  // after "has" a past form is the participle; after a noun subject a finite verb
  EXPECT_EQ(analysed("He has opened the box"), "he/pron has/aux open/v/pp the/det box/n");
  EXPECT_EQ(analysed("The shop opens at nine"), "the/det shop/n open/v/3sg at/prep nine/num");
  // a phrasal verb is one token; irregular plurals come from WordNet's lists
  EXPECT_EQ(analysed("Turn off the light"), "turn/v/base the/det light/n");
  EXPECT_EQ(analysed("The children are happy"), "the/det child/n/pl are/aux happy/adj");
  EXPECT_EQ(analysed("The women are old"), "the/det woman/n/pl are/aux old/adj");
  // "and" between nouns starts no clause: "milk" stays a noun
  EXPECT_EQ(analysed("We bought bread and milk"), "we/pron buy/v/past bread/n and/conj milk/n");
  // after "very" an adjective, though "kind" is mostly a noun
  EXPECT_EQ(analysed("The doctor is very kind"), "the/det doctor/n is/aux very/adv kind/adj");
  // a capital inside a sentence is a name unless the lexicon knows the word
  EXPECT_EQ(analysed("We met Zsolt on Friday"), "we/pron meet/v/past zsolt/name on/prep friday/n");
  // "to" before a base verb marks the infinitive
  EXPECT_EQ(analysed("I want to sleep"), "i/pron want/v/base to/to sleep/v/base");
}

TEST(EnglishAnalysisTest, AnIngVerbAfterLikingBeginningOrGoingIsTheInfinitive) {
  // Hungarian says "szeret úszni", "kezdett tanulni", "vásárolni ment": "to" and the base verb
  EXPECT_EQ(analysed("I like swimming"), "i/pron like/v/base to/to swim/v/base");
  EXPECT_EQ(analysed("She started learning French"), "she/pron start/v/past to/to learn/v/base french/n");
  EXPECT_EQ(analysed("They went shopping"), "they/pron go/v/past to/to shop/v/base");
  // coming to do a thing too
  EXPECT_EQ(analysed("Come fishing with us"), "come/v/base to/to fish/v/base with/prep us/pron");
  // enjoying doing something is liking it
  EXPECT_EQ(analysed("He enjoys cooking"), "he/pron like/v/3sg to/to cook/v/base");
  // not after other verbs, nor a continuous "like"
  EXPECT_EQ(analysed("She is reading a book"), "she/pron is/aux read/v/ing a/det book/n");
  EXPECT_EQ(analysed("I saw a swimming pool"), "i/pron see/v/past a/det swimming pool/n");
}

TEST(EnglishAnalysisTest, AsBeforeANounPhraseIsARole) {
  EXPECT_EQ(analysed("She works as a nurse"), "she/pron work/v/3sg as/prep a/det nurse/n");
  // a comparison of equality is "so ... than" ("olyan magas, mint"), no role
  EXPECT_EQ(analysed("She is as tall as her brother"),
            "she/pron is/aux so/adv tall/adj than/prep her/poss brother/n");
}

TEST(EnglishAnalysisTest, TheDOfAContractionIsHadBeforeAParticiple) {
  EXPECT_EQ(analysed("I'd love a cup"), "i/pron would/modal love/v/base a/det cup/n");
  EXPECT_EQ(analysed("we'd seen it"), "we/pron had/aux see/v/pp it/pron");
  // past an adverb, and with a regular participle; a verb ending in "-ed" is no participle
  EXPECT_EQ(analysed("she'd already finished"), "she/pron had/aux already/adv finish/v/pp");
  EXPECT_EQ(analysed("we'd need a car"), "we/pron would/modal need/v/base a/det car/n");
  EXPECT_EQ(analysed("they hadn't slept"), "they/pron had/aux not/neg sleep/v/pp");
  EXPECT_EQ(analysed("you mustn't go"), "you/pron must/modal not/neg go/v/base");
}

TEST(EnglishAnalysisTest, PhrasalVerbsAndSetPhrasesCoverTheirWords) {
  std::vector<std::string> words = {"Turn", "off", "the", "light"};
  auto tokens = EnglishAnalyser(shipped().core, shipped().dict).analyse(words);
  ASSERT_FALSE(tokens.empty());
  ASSERT_NE(tokens[0].entry, nullptr);
  EXPECT_EQ(tokens[0].entry->lemma, "turn off");
  EXPECT_EQ(tokens[0].words, 2u);
  words = {"She", "is", "at", "home"};
  tokens = EnglishAnalyser(shipped().core, shipped().dict).analyse(words);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[2].lemma, "at home");
  EXPECT_EQ(tokens[2].word, 2u);
}

TEST(EnglishAnalysisTest, AWordInSBeforeHaveOrAreIsAPluralNoun) {
  EXPECT_EQ(analysed("The city centre bus services have stopped"),
            "the/det city centre/n bus/n service/n/pl have/aux stop/v/pp");
}

TEST(EnglishAnalysisTest, AnOpeningWordBeforeAPastIsItsSubject) {
  // a past that is no participle tells what happened: the word before it is no imperative
  EXPECT_EQ(analysed("Smoke rose from the chimney"), "smoke/n rise/v/past from/prep the/det chimney/n");
  EXPECT_EQ(analysed("Rain fell all night").rfind("rain/n fall/v/past", 0), 0u);
  // an imperative keeps its object
  EXPECT_EQ(analysed("Water the plants").rfind("water/v/base", 0), 0u);
}

TEST(EnglishAnalysisTest, FirstOpeningAStepIsTheAdverb) {
  EXPECT_EQ(analysed("First open the box"), "first/adv open/v/base the/det box/n");
  EXPECT_EQ(analysed("First we need a plan").rfind("first/adv we/pron", 0), 0u);
  // before its noun it stays the ordinal
  EXPECT_EQ(analysed("First prize was a bike").rfind("first/adj", 0), 0u);
}

TEST(EnglishAnalysisTest, ASuperlativeTheLexiconKnowsIsItsOwnAdjective) {
  EXPECT_EQ(analysed("the latest news"), "the/det latest/adj news/n");
  EXPECT_EQ(analysed("the happiest girl"), "the/det happy/adj girl/n");
}

TEST(EnglishAnalysisTest, ItAfterAVerbOfThinkingOpensWhatIsThought) {
  EXPECT_EQ(analysed("I hope it helps"), "i/pron hope/v/base it/pron help/v/3sg");
  EXPECT_EQ(analysed("I think it works"), "i/pron think/v/base it/pron work/v/3sg");
}

TEST(EnglishAnalysisTest, AnOpeningNounDescribedByAParticipleIsTheSubject) {
  // a participle with its place or doer, and the clause's verb later
  EXPECT_EQ(analysed("Boxes left in the hall will be removed"),
            "box/n/pl leave/adj in/prep the/det hall/n will/modal be/aux remove/v/pp");
  EXPECT_EQ(analysed("Damage caused by water is not covered"),
            "damage/n cause/adj by/prep water/n is/aux not/neg cover/v/pp");
}

TEST(EnglishAnalysisTest, AnLyWordBetweenBeAndAParticipleIsAnAdverb) {
  // ("kindly" may be an adjective too; before a participle it says how)
  EXPECT_EQ(analysed("Guests are kindly asked not to smoke"),
            "guest/n/pl are/aux kindly/adv ask/v/pp not/neg to/to smoke/v/base");
}

TEST(EnglishAnalysisTest, AParticipleTheLexiconHasAsAnAdjectiveIsThatAdjectiveAfterAVerb) {
  EXPECT_EQ(analysed("The film got mixed reviews"), "the/det film/n get/v/past mixed/adj review/n/pl");
  EXPECT_EQ(analysed("The book contains detailed maps"),
            "the/det book/n contain/v/3sg detailed/adj map/n/pl");
  // one the lexicon has only as its verb stays the verb's participle
  EXPECT_EQ(analysed("They visited flooded villages"), "they/pron visit/v/past flood/v/past village/n/pl");
}

TEST(EnglishAnalysisTest, ANounOnlyWordBeforeAPastIsItsSubject) {
  // "Mother" is no imperative before a word that is only a past
  EXPECT_EQ(analysed("Mother smiled"), "mother/n smile/v/past");
  EXPECT_EQ(analysed("Mother refused to answer"), "mother/n refuse/v/past to/to answer/v/base");
  // a word that is a verb too still opens an instruction
  EXPECT_EQ(analysed("Close the window"), "close/v/base the/det window/n");
}

TEST(EnglishAnalysisTest, AnOpeningAdjectiveBeforeAPluralSubjectStaysOne) {
  // "Heavy", "High": words the core lexicon has as adjectives only describe the subject, they
  // make no compound with it
  EXPECT_EQ(analysed("Heavy lorries are banned"), "heavy/adj lorry/n/pl are/aux ban/v/pp");
  EXPECT_EQ(analysed("High prices fell"), "high/adj price/n/pl fall/v/past");
  // a noun still does ("Bridge repairs")
  EXPECT_EQ(analysed("Bridge repairs were delayed"), "bridge/n repair/n/pl were/aux delay/v/pp");
}

TEST(EnglishAnalysisTest, AVerbAfterButGoesOnInThePastBeforeIt) {
  // "found" after "but" and a past verb is the past of "find", not the verb "found"
  EXPECT_EQ(analysed("He searched the room but found nothing"),
            "he/pron search/v/past the/det room/n but/conj find/v/past nothing/n");
}

// "was surprised to hear", "were delighted to see": a feeling and what caused it, the adjective
TEST(EnglishAnalysisTest, AFeelingBeforeAnInfinitiveIsTheAdjective) {
  EXPECT_EQ(analysed("I was surprised to hear the news"),
            "i/pron was/aux surprised/adj to/to hear/v/base the/det news/n");
  EXPECT_EQ(analysed("She was delighted to see him"), "she/pron was/aux delighted/adj to/to see/v/base him/pron");
  EXPECT_EQ(analysed("I was asked to wait"), "i/pron was/aux ask/v/pp to/to wait/v/base");
}

}  // namespace
}  // namespace lexiton::translator
