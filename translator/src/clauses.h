// The clauses of an English sentence: where one ends and the next begins, and the Hungarian
// word that links each to the one before ("mert", "hogy", "amely"). Hungarian says each clause
// with its own subject, verb and object, and sets a comma before every clause after the first.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "english_analysis.h"

namespace lexiton::translator {

// What the words alone do not tell: the punctuation between them and the sentence's stop.
struct SentenceShape {
  std::vector<bool> pauseAfterWord;  // a comma, semicolon, colon or dash after sentence word i
  bool question = false;             // the sentence ends with "?"
  bool reportsSpeech = false;        // the words say who said the quotation before them
  bool quotation = false;            // the words are a quotation: someone's talk
};

struct Clause {
  std::size_t begin = 0, end = 0;  // tokens [begin, end), the link word included
  std::size_t body = 0;            // the first token after the link word
  std::string link;                // the Hungarian link word, UTF-8, or empty
  bool relative = false;           // the link word stands for the noun before it ("which")
  bool relativeSubject = false;    // ... as the clause's subject ("amely"), not its object
  bool ofTime = false;             // "the day I met her": a clause of the time before, "amikor"
  bool gerund = false;             // "before leaving": the "-ing" verb says what the subject of
                                   // the clause it depends on does, in that clause's tense
  bool regret = false;             // "sorry for being late": the one sorry did it, before ("elkéstem")
  bool thanks = false;             // "thank you for helping": the one thanked did it ("segítettél")
  bool deed = false;               // "forgave her for selling the farm": what one is blamed,
                                   // forgiven or fined for, done by the one it is said of ("amiért")
  bool considered = false;         // "We're thinking of getting a puppy": what one thinks of doing
                                   // ("Azon gondolkodunk, hogy veszünk egy kiskutyát")
  bool purpose = false;            // "to start the machine": "hogy elindítsd", the subjunctive
  bool promised = false;           // "promised to write": "hogy ír", the same subject, indicative
  bool awaited = false;            // "look forward to seeing you": "(várom,) hogy lássalak"
  bool question = false;           // "know where he lives": a question within ("hol lakik")
  bool request = false;            // "told him to stay": ... its subject the one told ("maradjon")
  bool result = false;             // "so tired that she fell asleep": what came of it, in its tense
  bool toBeDone = false;           // "how to swim": what is to be done, "hogyan kell úszni"
  bool yesNo = false;              // "asked if I was hungry": "hogy éhes vagyok-e"
  bool negated = false;            // "told us not to worry": "hogy ne aggódjunk"
  bool meanwhile = false;          // ", shouting with joy": what was done meanwhile, "kiabálva"
  bool subject = false;            // "Whether we come depends on ...": "Az, hogy jövünk-e, ... függ"
  bool measured = false;           // "too tired to argue": "ahhoz, hogy vitatkozzon"
  bool ofNoun = false;             // "plan to build a stadium": what the noun before is, "hogy
                                   // stadiont építsen", the main clause going on after it
  bool degree = false;             // "how cold it was": "milyen hideg volt", the predicate first
  bool askedInPhrase = false;      // "which bus goes there": the noun phrase asks, said in its place
};

// The clauses in order; one clause for a simple sentence.
std::vector<Clause> splitClauses(const std::vector<Token>& tokens, const SentenceShape& shape);

}  // namespace lexiton::translator
