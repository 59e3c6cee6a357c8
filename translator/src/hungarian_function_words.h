// The Hungarian function words the sentence generator says: the case or postposition of each
// English preposition, the numerals, the link and question words, and the personal and
// demonstrative pronouns in their cases.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "hungarian_noun.h"

namespace lexiton::translator {

// The postposition an English preposition becomes ("under": "alatt") and the case of the noun
// before it ("through": "keresztül" after "-on/-en/-ön"), if any.
std::optional<std::pair<std::string_view, Case>> postpositionFor(std::string_view preposition);
// The case an English preposition takes by itself ("in": -ban/-ben), if any.
std::optional<Case> caseOfPreposition(std::string_view preposition);

// A Hungarian numeral before a noun ("két") and alone ("kettő", before "-kor").
struct Numeral {
  std::string_view english, before, alone;
};
const Numeral* numeral(std::string_view english);
// A number in Hungarian words, written as one word ("kétszázötven", "ezerkilencszáz"), with a
// hyphen between the groups above two thousand ("kétezer-tíz"); before a noun 2 is "két".
std::string numberInWords(long long n, bool beforeNoun);
// An ordinal in Hungarian words: "első", "tizenkettedik", "hatvanadik", "századik".
std::string ordinalInWords(long long n);
// The hour on the clock, 1 to 12.
const Numeral& clockHour(int hour);

// A question word or conjunction said where it stands ("where": "hol").
std::optional<std::string_view> linkWord(std::string_view english);

// A personal pronoun in the cases a sentence needs most.
struct PronounForms {
  std::string_view english, nom, acc, dat, ins;
};
const PronounForms* pronoun(std::string_view english);
// "each other", "myself", "mine": a pronoun that takes a local case on its own form ("egymáshoz",
// "magamról", "az enyémben"), not on the personal stem's ("hozzájuk").
bool takesCaseOnItsOwnForm(const PronounForms& p);
// A personal pronoun in a local case: "rám", "benne", "tőlünk"; nothing for another case.
std::optional<std::string> pronounInCase(int person, bool plural, Case c);
// "ez" and "az" in the case of the noun they point at: "ebben", "arra", "ezeket".
std::string demonstrative(bool near, bool plural, Case c);

}  // namespace lexiton::translator
