// English analysis of one sentence: every word gets a lemma and a part of speech (with tense
// and number for verbs and nouns), chosen among its possible readings by the words around it.
// Function words come from a fixed table; content words from the core lexicon, WordNet's
// irregular forms and sense counts (compiled into the same file) and the regular endings.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "lexiton/dictionary.h"
#include "lexiton/lexicon/core_lexicon.h"

namespace lexiton::translator {

// Every token has a part of speech: a content word's comes from the lexicon and the context,
// a function word's from a fixed table.
using lexicon::PartOfSpeech;

enum class VerbForm { base, third, past, participle, ing };

// A time said without a preposition ("last spring", "this morning", "the next day", "Tuesday
// evening"): which time the words point at, and the noun that names its unit.
struct TimePhrase {
  enum class Deixis : std::uint8_t {
    thisOne,
    last,
    next,
    every,
    yesterday,
    today,
    tomorrow,
    following,
    day,
    perUnit,
    whole,  // "all afternoon": "egész délután"
    everyN,  // "every two weeks": "kéthetente", `times` the number of units
    that     // "that morning", "that summer": the time the story is at, "aznap reggel", "azon a nyáron"
  };
  Deixis deixis = Deixis::thisOne;
  const lexicon::Entry* unit = nullptr;  // "spring", "morning", "week"
  const lexicon::Entry* day = nullptr;   // the day before a part of it: "Tuesday" of "Tuesday evening"
  bool early = false, late = false;      // "early this morning": "ma kora reggel"
  bool atLeast = false;                  // "at least once a year": "évente legalább egyszer"
  int times = 0;                         // how often per unit: "twice a day" is 2; or in all
};

struct Token {
  std::string lower;  // as written, lower case
  std::string lemma;  // "buy" for "bought"; a function word's own lower case
  PartOfSpeech tag = PartOfSpeech::other;
  VerbForm form = VerbForm::base;
  bool plural = false;                        // plural noun, plural pronoun or determiner
  int person = 3;                             // pronouns and possessives: 1, 2, 3
  std::size_t word = 0;                       // index of the sentence word it comes from
  std::size_t words = 1;                      // words it covers (a phrasal verb, a set phrase)
  const lexicon::Entry* entry = nullptr;      // the core lexicon's entry, if any
  std::vector<std::string> dictionarySenses;  // FreeDict's, when the core lexicon has none
  std::string written;                        // as written (a name keeps its capital)
  int degree = 0;                             // an adjective's: 1 comparative ("older"), 2 superlative
  bool rising = false;                        // ... one that keeps growing: "colder and colder" ("egyre")
  bool possessor = false;                     // written with "'s": "Anna's bag"
  bool distance = false;                      // how far off, before "from": "két kilométerre"
  bool timeOwner = false;                     // a time written with "'s", said as the noun's
                                              // adjective: "yesterday's meeting" ("a tegnapi")
  bool capitalised = false;                   // a capital inside the sentence: "March", "May"
  bool label = false;                         // in quotation marks, a label: "Click \"Save\""
  bool ofPerson = false;                      // said of a person: "old man", "know her"
  bool hasObject = false;                     // a verb with an object after it: "return the book"
  bool leavesInState = false;                 // "left the door open": the object's state follows
  bool rolesSwapped = false;                  // a verb of feeling whose object became its subject
                                              // and subject its object: "I miss you" ("Hiányzol nekem")
  std::string neighbour;                      // a verb's object noun, an object's verb, an
                                              // adjective's noun: the lemma a "when=" sense asks
                                              // for ("take a tablet", "won the cup")
  std::string prepositionAfter;               // a verb's preposition right after it: "lie about"
  bool neighbourIsSubject = false;            // ... a verb's subject, where it has no object:
                                              // "her hands shook" asks for no sense of "shake hands"
  std::vector<std::string> modifiers;         // a noun's adjectives and nouns before it: they
                                              // choose a "when=" sense too ("river bank")
  std::string cue;                            // a word elsewhere in the sentence that a "near="
                                              // sense names: "fishing" for "sat on the bank"
  bool purpose = false;                       // the "to" of what for: "press it to start the machine"
  bool request = false;                       // ... of what one is told to do: "told him to stay"
  bool promised = false;                      // ... of what one promises: "promised to write"
  bool awaited = false;                       // ... of what one looks forward to: "to seeing you"
  bool negated = false;                       // ... after "not": "told us not to worry" ("hogy ne")
  bool leftToDo = false;                      // ... of what a thing is left to do: "leave it to cool"
  bool waitedFor = false;                     // a "that" made of "for": "waited for the rain to stop"
  bool measured = false;                      // ... after "too tired", "old enough": "ahhoz, hogy"
  std::string prefix;                         // a particle of direction as the verb's prefix: "ki"
  long long value = -1;                       // a number's value ("two hundred": 200), if known
  std::optional<TimePhrase> time;             // the words make a time: "last spring"
  bool pauseAfter = false;                    // a comma or the like follows: "bread, milk and eggs"
  bool participle = false;                    // an "-ing" verb describing the noun before it:
                                              // "the man sitting next to me" ("a mellettem ülő férfi")
  // "both A and B", "either A or B", "neither A nor B": on the first word of each member the
  // Hungarian word said before it ("mind", "vagy", "sem"), on the "and" between them "-"
  std::string_view correlative;
  bool secondOfPair = false;  // ... the second member's
};

// "thanks for", "thank you for": the words before `forIndex` thank for what follows it.
bool thanksBefore(const std::vector<Token>& t, std::size_t forIndex);
// "sorry for", "so sorry for": the word before `forIndex` regrets what follows it.
bool regretsBefore(const std::vector<Token>& t, std::size_t forIndex);
// "forgave her for", "was fined for", "apologised for": a verb of judging before `forIndex` in
// its clause, which the "-ing" verb after "for" says the deed of.
bool judgesBefore(const std::vector<Token>& t, std::size_t forIndex);
// "before", "after", "while", "when": a clause of time whose verb may be an "-ing" form without
// a subject ("before leaving the house"); so, of what is not done meanwhile, "without".
bool opensIngClauseOfTime(std::string_view word);
// Whether a "/"-separated list of words, a "when=" note's, holds `word`.
bool listsWord(std::string_view list, std::string_view word);
// "I", "you", "he", "she", "we", "they": a pronoun that can only be a clause's subject.
bool subjectPronoun(const Token& t);
// "Hi", "Hello", "Hey", "Dear", or a set phrase opening with one ("Hi all"): a greeting.
bool greets(const Token& t);
// "in secret", "at the ready": a set phrase that says the state a thing is kept in ("titokban",
// "készenlétben"), as an adjective after the object does.
bool keptStatePhrase(const Token& t);
// "Mr", "Mrs", "Ms", "Dr", "Aunt", "Uncle": a name follows.
bool isTitle(const Token& t);
// "say", "know", "see", "promise" ...: a verb of saying or knowing, whose "as" clause says how
// ("as he said", "ahogy mondta").
bool saysOrKnows(std::string_view lemma);
// "am", "is", "was", "been" ...: a form of "be" as written (not "being", which is an "-ing" form).
bool formOfBe(std::string_view w);
// "yes", "no", "well", "oh", "okay": a word that opens an answer before a comma.
bool opensAnAnswer(std::string_view lower);
// "monday" ... "sunday": the lemma of a day's name.
bool isDayName(std::string_view lemma);
// "sit", "stand", "lie", "hang", "live", "appear": a verb of being in a place, whose subject may
// follow it after a place that opens the sentence ("In the corner sat an old man").
bool isBeingThere(std::string_view lemma);
// Written with a capital first letter: a name, a month, a sentence's first word.
bool startsWithCapital(const Token& t);
// "so much", "very much" (one set phrase): how much one thanks, which Hungarian leaves unsaid.
bool muchOfThanks(const Token& t);
// "three times" at k: a number and "times", how often in all ("háromszor"), no object.
bool howManyTimes(const std::vector<Token>& t, std::size_t k);
// "second" ... "century", "moment": a unit of time, a duration after "for" ("for two years").
bool unitOfTime(std::string_view lemma);

class EnglishAnalyser {
 public:
  EnglishAnalyser(const lexicon::CoreLexicon& core, const Dictionary& dict) : core_(core), dict_(dict) {}
  // `words` as written; in a heading (`titleCase`) capitals mark no names; a comma or the like
  // after word i (`pausesAfterWords`) keeps a list's members apart ("Bread, milk and eggs are");
  // word i in quotation marks as a short label (`quotedLabels`) names a thing on the screen.
  std::vector<Token> analyse(const std::vector<std::string>& words, bool titleCase = false,
                             const std::vector<bool>& pausesAfterWords = {},
                             const std::vector<bool>& quotedLabels = {}) const;

 private:
  const lexicon::CoreLexicon& core_;
  const Dictionary& dict_;
};

}  // namespace lexiton::translator
