// Where the clauses of a sentence begin, and the Hungarian word that links each.
#include "clauses.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lexiton::translator {
namespace {

struct Sources {
  Dictionary dict = Dictionary::loadFile(kDictionaryFileName);
  lexicon::CoreLexicon core = lexicon::CoreLexicon::loadFile(lexicon::kCoreLexiconFileName);
};
const Sources& sources() {
  static const Sources s;
  return s;
}

// The clauses as "link:first words|...", a comma written after a word marking a pause.
std::string clauses(const std::string& sentence, bool question = false) {
  std::istringstream in(sentence);
  std::vector<std::string> words;
  SentenceShape shape;
  shape.question = question;
  for (std::string w; in >> w;) {
    const bool comma = w.back() == ',';
    if (comma) w.pop_back();
    words.push_back(w);
    shape.pauseAfterWord.push_back(comma);
  }
  const std::vector<Token> tokens = EnglishAnalyser(sources().core, sources().dict).analyse(words);
  std::string out;
  for (const Clause& c : splitClauses(tokens, shape)) {
    if (!out.empty()) out += "|";
    out += c.link + ":";
    for (std::size_t k = c.body; k < c.end; ++k) out += (k > c.body ? " " : "") + tokens[k].lower;
    if (c.relative) out += c.relativeSubject ? " (subject)" : " (object)";
  }
  return out;
}

TEST(ClausesTest, ASimpleSentenceIsOneClause) {
  EXPECT_EQ(clauses("we bought a new car yesterday"), ":we bought a new car yesterday");
  // a comma in a list starts no clause; neither does "and" between nouns
  EXPECT_EQ(clauses("i bought apples, pears and plums"), ":i bought apples pears and plums");
  EXPECT_EQ(clauses("where is the station", true), ":where is the station");
}

TEST(ClausesTest, LinkWordsAndCommasBetweenVerbs) {
  EXPECT_EQ(clauses("i bought a car, but it is small"), ":i bought a car|de:it is small");
  EXPECT_EQ(clauses("he is tired because he worked"), ":he is tired|mert:he worked");
  EXPECT_EQ(clauses("when i arrived, the children were sleeping"),
            "amikor:i arrived|:the children were sleeping");
  EXPECT_EQ(clauses("he said that he was tired"), ":he said|hogy:he was tired");
  EXPECT_EQ(clauses("i got up and went home"), ":i got|\xC3\xA9s:went home");  // "got up" is one token
  // "that" before a noun is a determiner
  EXPECT_EQ(clauses("i like that car"), ":i like that car");
  // an adverb between "and" and the next subject opens that clause
  EXPECT_EQ(clauses("my phone fell in the bath and now it will not work"),
            ":my phone fell in the bath|\xC3\xA9s:now it will not work");
}

TEST(ClausesTest, LetMeKnowIsAClauseAndAQuestionWithinTakesItsWord) {
  EXPECT_EQ(clauses("let me know if you have any questions"), ":let me know|ha:you have any questions");
  // a second present verb of "we" after "and" is a clause of its own
  EXPECT_EQ(clauses("we get up early and go to school"),
            ":we get early|és:go to school");  // "get up" is one token
  EXPECT_EQ(clauses("we bought bread and milk"), ":we bought bread and milk");
  EXPECT_EQ(clauses("thank you for your e-mail, I will reply tomorrow"),
            ":thank you for your e-mail|:i will reply tomorrow");
  EXPECT_EQ(clauses("do you know where the station is", true), ":do you know|hol:the station is");
}

TEST(ClausesTest, RelativeClausesInsideTheMainOne) {
  EXPECT_EQ(clauses("the house, which is very old, is for sale"),
            ":the house|amely:is very old (subject)|:is for sale");
  EXPECT_EQ(clauses("the book that i bought is good"), ":the book|amelyet:i bought (object)|:is good");
  EXPECT_EQ(clauses("the man who lives here is a doctor"), ":the man|aki:lives here (subject)|:is a doctor");
}

TEST(ClausesTest, AContactRelativeFollowsWhatOneThanksFor) {
  // "thank you" is the clause's verb, so a clause without its relative word may follow its object
  EXPECT_EQ(clauses("thank you for the photos you sent us"), ":thank you for the photos|amelyeket:you sent us (object)");
}

TEST(ClausesTest, AsAfterACommaGivesTheReason) {
  EXPECT_EQ(clauses("we stayed at home, as the weather was bad"),
            ":we stayed at home|mert:the weather was bad");
  // a role after "as" opens no clause
  EXPECT_EQ(clauses("she works as a nurse"), ":she works as a nurse");
}

TEST(ClausesTest, ASubjectWithItsOwnerAfterAndStartsAClause) {
  EXPECT_EQ(clauses("the door opened and a cup of tea fell"), ":the door opened|és:a cup of tea fell");
  // a noun and a word after a comma make no clause of what is believed ("except" is no verb)
  EXPECT_EQ(clauses("nobody believed her story, except her brother"),
            ":nobody believed her story except her brother");
}

TEST(ClausesTest, ByTheTimeOpensAClauseOfTime) {
  EXPECT_EQ(clauses("by the time we arrived, the film had started"), "mire:we arrived|:the film had started");
  EXPECT_EQ(clauses("the film had started by the time we arrived"), ":the film had started|mire:we arrived");
}

TEST(ClausesTest, ThatAfterTheOneToldAndASubjectPastAComma) {
  EXPECT_EQ(clauses("he told us that the shop was closed"), ":he told us|hogy:the shop was closed");
  // a time and its comma before the subject open no clause of time
  EXPECT_EQ(clauses("after lunch, we will go to the park"), ":after lunch we will go to the park");
}

TEST(ClausesTest, ASecondBareVerbAfterAForbiddingOneIsForbiddenToo) {
  EXPECT_EQ(clauses("do not smoke or eat here"), ":do not smoke|\xC3\xA9s:eat here");
  EXPECT_EQ(clauses("never lift and carry it alone"), ":never lift|\xC3\xA9s:carry it alone");
  // not a noun after "or", nor a second verb after an adverb
  EXPECT_EQ(clauses("do not use it near water or in the garden"),
            ":do not use it near water or in the garden");
  // after a clause and its comma "do not" opens the instruction
  EXPECT_EQ(clauses("if it rains, do not open the window"), "ha:it rains|:do not open the window");
}

TEST(ClausesTest, AnInfinitiveOpeningTheSentenceBeforeACommaSaysWhatFor) {
  EXPECT_EQ(clauses("to save the file, click the icon"), "hogy:save the file|:click the icon");
  // without the comma it is no clause of its own
  EXPECT_EQ(clauses("to err is human").find("hogy"), std::string::npos);
}

TEST(ClausesTest, WhoseOpensARelativeClauseOfTheOwner) {
  EXPECT_EQ(clauses("the woman whose car was stolen called the police"),
            ":the woman|akinek:whose car was stolen (object)|:called the police");
  EXPECT_EQ(clauses("i repaired the chair whose leg was broken"),
            ":i repaired the chair|amelynek:whose leg was broken (object)");
  // after a predicate the main clause's verb follows the relative one
  EXPECT_EQ(clauses("the girl who was tired went home"), ":the girl|aki:was tired (subject)|:went home");
}

TEST(ClausesTest, ADemonstrativeAloneBeforeAVerbIsTheSubjectOfTheClauseThought) {
  EXPECT_EQ(clauses("i know this is hard"), ":i know|hogy:this is hard");
  // before its noun it is the noun's
  EXPECT_EQ(clauses("i know this song"), ":i know this song");
}

TEST(ClausesTest, AContactRelativeFollowsTheThanksToo) {
  EXPECT_EQ(clauses("thank you for the flowers you sent"), ":thank you for the flowers|amelyeket:you sent (object)");
  // after "thanks a lot" and its comma a new clause
  EXPECT_EQ(clauses("thanks a lot for the cake, the children love it"),
            ":thanks a lot for the cake|:the children love it");
}

TEST(ClausesTest, WhichAndItsNounAskedWithinOpenAQuestion) {
  EXPECT_EQ(clauses("i do not know which bus goes to the airport"),
            ":i do not know|:which bus goes to the airport");
  // after a noun "which" is the relative word
  EXPECT_EQ(clauses("the bus which goes to the airport is late"),
            ":the bus|amely:goes to the airport (subject)|:is late");
}

}  // namespace
}  // namespace lexiton::translator

namespace lexiton::translator {
namespace {

// Found by fuzzing: a sentence of one preposition was read past its end for the clause after it.
TEST(ClausesTest, ALonePrepositionIsAClauseOfItsOwn) {
  EXPECT_EQ(clauses("at"), ":at");
  EXPECT_EQ(clauses("in"), ":in");
}

}  // namespace
}  // namespace lexiton::translator
