// One entry of the core lexicon as we write it: an English lemma, its part of speech and its
// Hungarian senses, commonest first, each with what the Hungarian morphology needs. The same
// reader serves the build-time compiler (which rejects a malformed entry with its line) and
// the translator (which reads the compiled file). Plain standard C++: the compiler is also
// built with the host compiler in the cross build.
//
// A line:   lemma <TAB> pos <TAB> sense ; sense ; ...
//   pos:    n v adj adv num
//   sense:  a Hungarian word (or a short fixed phrase), "|" after a separable verbal prefix
//           ("be|csuk"; a space before "|" for a prefix written apart: "részt |vesz"),
//           then optional notes in brackets, comma-separated:
//             a bare word: the plural of a noun or adjective the rules would miss
//                          ("ló[lovak]", "madár[madarak]", "tükör[tükrök]")
//             acc=, 3sg=, sup=: the accusative, the third-person possessive, the "-on" case
//             for=ra, at=acc, to=ba ...: the case a preposition takes with this word (after
//                          a verb, for its complement; after a noun, for the noun itself)
//             obj=nak:     a verb's English object takes this case instead of the accusative
//             that=ra:     the case of the pronoun standing for a verb's "that" clause ("warn
//                          that": "arra figyelmeztet, hogy"), where it is not "azt"
//             back, front: the vowel harmony when the spelling misleads ("férfi[back]")
//             name:        a place name, written with a capital
//             van:         a predicate that keeps the copula ("nyitva", "messze")
//             noobj:       a verb that takes no accusative object ("fut", "marad")
//             state:       a verb whose passive without a doer or a time is the state it left,
//                          said with "van" and the "-va" form ("The light is switched off": "ki
//                          van kapcsolva"; "was switched off at midnight" stays the act)
//             intr=, pred=: the verb without an object ("indul"), the adjective as a predicate ("kicsi");
//                          the verb with the prefix of a change completed, said in the past
//                          ("The factory closed": "be|zár", "bezárt"; "It closes at six": "zár")
//             pp=:         the stem of a possessed plural the rules miss ("szülei")
//             poss=:       the stem before "-m", "-d" the rules miss ("nagynéné": "nagynéném")
//             time=:       the case of a time noun that says "then" ("hétfőn", "tavasszal",
//                          "reggel": time=n, time=val, time=nom)
//             attr=:       the adjective a noun becomes before another noun ("születésnapi
//                          buli"); without it the two nouns make one compound word
//             perf=:       the prefix that makes the verb's finished past before a definite
//                          object ("read the book": "elolvasta", perf=el)
//             thing=:      the verb said of a thing as its subject ("the machine works":
//                          "működik", where a person "dolgozik"), with its own prefix after
//                          "|" ("the lights went out": "ki|alszik")
//             pass=:       what befalls the subject of the verb's passive without an agent,
//                          with its own prefix after "|" ("were injured": "meg|sérül",
//                          "megsérültek"; "injured by a falling tree" stays a passive), a
//                          prefix written apart keeping its space ("is included": "benne |van")
//             thingpass=:  what befalls a thing as that subject, where pass= is said of people
//                          ("were stuck": "meg|reked" of people, "the lift is stuck" "be|ragad")
//             feels=nak:   a verb whose English object is its Hungarian subject and whose
//                          English subject, the one who feels it, takes this case ("I miss
//                          you": "hiányzik[feels=nak]", "Hiányzol nekem")
//             person:      a noun that names a person ("férfi"), an adjective's sense for
//                          people ("old": "idős" of a man, "régi" else), a verb's sense for a
//                          person as its object ("know": "ismer" someone, "tud" else)
//             pair:        a noun for one of a pair, singular where English counts both ("my
//                          eyes": "a szemem", "his shoes": "a cipője")
//             cap:         the sense of the word written with a capital ("March": "március")
//             when=:       the English words, "/" between, that choose this sense: a verb's
//                          object ("take a tablet": "be|vesz[when=tablet/pill]"), an object's
//                          verb ("won the cup": "kupa[when=win]"), an adjective's noun ("light
//                          rain": "gyenge[when=rain]"), a noun's adjective or noun before it
//                          ("river bank": "part[when=river]"), a verb's own inflected form
//                          where only this sense has it ("lied": "hazudik[when=lied]"), "that" for a
//                          clause after a verb ("found that": "meg|állapít[when=that]"), "wh" for
//                          a question after it and the one told ("tell me where": "meg|mond[when=wh]"); a set phrase is named by its
//                          last word ("world record": "record"); elsewhere the sense is skipped
//             near=:       the English words, "/" between, any of which anywhere in the sentence
//                          chooses this sense, where what the word is about shows only around it
//                          ("sat on the bank, fishing": "part[near=fishing/river/lake]");
//                          elsewhere the sense is skipped, as with when=
//             pl:          a noun's sense in the English plural ("talks": "tárgyalások", where
//                          "a talk" is "előadás")
//           Case names: acc ban ba bol on ra rol nal hoz tol nak val ert kor ig n ul nom
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexiton/lexicon/part_of_speech.h"

namespace lexiton::lexicon {

struct Sense {
  std::string word;                                        // UTF-8, without the prefix
  std::string prefix;                                      // a separable verbal prefix ("be"), or empty
  std::string plural;                                      // given plural, or empty
  std::vector<std::pair<std::string, std::string>> notes;  // key=value notes in order
  bool back = false, front = false;
  bool name = false;         // a place name, written with a capital ("London")
  bool keepsCopula = false;  // a predicate that keeps "van" ("nyitva van", "messze van")
  bool noObject = false;     // a verb without an accusative object: never the definite conjugation
  bool leavesState = false;  // a verb whose passive without a doer is the state it left ("ki van kapcsolva")
  bool person = false;       // a noun naming a person, a sense for people ("idős", "ismer")
  bool capital = false;      // the sense of the capitalised English word ("március" for "March")
  bool pair = false;         // one of a pair: singular for both ("a szemem" for "my eyes")
  bool ofPlural = false;     // the sense of the English plural ("talks": "tárgyalások")
  // The value of note `key`, empty when absent.
  std::string_view note(std::string_view key) const;
};

struct Entry {
  std::string lemma;  // lower-case English, words separated by one space
  PartOfSpeech pos = PartOfSpeech::noun;
  std::vector<Sense> senses;
};

// The cases a note may name, as their suffix in back harmony ("ban" for "-ban/-ben").
bool isCaseName(std::string_view name);

// Reads one non-comment line; on failure returns nothing and says why in `error`.
std::optional<Entry> parseEntryLine(std::string_view line, std::string& error);

// The longest lemma the lexicon accepts (bytes) and the most senses kept per entry.
inline constexpr std::size_t kMaxLemmaBytes = 64;
inline constexpr std::size_t kMaxSenses = 8;

}  // namespace lexiton::lexicon
