// Hungarian noun inflection: plural, the possessive suffixes and the cases, from the lemma and
// what the lexicon says about its stem ("ló" with the plural "lovak" gives "lovat", "lovon").
#pragma once

#include <string>
#include <string_view>

#include "hungarian_morphology.h"

namespace lexiton::translator {

// Suffix cases, named by their back-harmony form.
enum class Case {
  nominative,
  accusative,
  inessive /*-ban*/,
  illative /*-ba*/,
  elative /*-ból*/,
  superessive /*-on*/,
  sublative /*-ra*/,
  delative /*-ról*/,
  adessive /*-nál*/,
  allative /*-hoz*/,
  ablative /*-tól*/,
  dative /*-nak*/,
  instrumental /*-val*/,
  causal /*-ért*/,
  terminative /*-ig*/,
  temporal /*-kor*/,
  essive /*-ul: "angolul"*/,
  formal /*-ként: "tanárként"*/
};

// "ban", "on", "acc", ... as the lexicon notes write them; nominative for an unknown name.
Case caseNamed(std::string_view name);

// The owner of a possessive suffix: "my" is {1, false}, "their" {3, true}.
struct Possessor {
  int person = 0;  // 0: none
  bool plural = false;
};

struct NounStem {
  std::string lemma;            // UTF-8, lower case
  std::string plural;           // given by the lexicon, or empty for the rules
  std::string accusative;       // overrides, or empty
  std::string possessive3;      // "lába"
  std::string superessive;      // "madáron"
  std::string possessedPlural;  // "szülei"
  std::string possessiveStem;   // "nagynéné", before "-m", "-d", "-tok" (and "-nk" after its long vowel)
  int harmony = -1;             // -1 by the spelling, else a Harmony value
};

// The inflected noun; a phrase inflects its last word. Words the rules cannot inflect (not
// one Hungarian word) come back with the suffix after a hyphen.
std::string inflectNoun(const NounStem& stem, bool plural, Possessor owner, Case c);

// A number written in digits with a case suffix after a hyphen, in the harmony of how the
// number is said: "1900-ban" (kilencszáz), "2010-ben" (kétezer-tíz), "6-kor". The digits as
// they stand for a case whose suffix depends on more than the harmony.
std::string numberWithCase(std::string_view digits, Case c);

// A case suffix on any finished form ("kulcsaim" + accusative = "kulcsaimat").
std::string attachCase(std::string_view form, Case c, int harmony = -1);

// The syllables of a Hungarian word: its vowels.
std::size_t syllablesOf(std::string_view utf8);

// A compound: one word, with a hyphen where it grows past six syllables, as the spelling rules
// ask of a long compound of a compound ("hálószoba-mennyezet", "buszállomás"), or where three of
// one consonant would meet ("sakk-klub").
// `headStem`, where given, is the head without its endings, whose syllables count.
std::string joinedCompound(const std::string& modifier, const std::string& head, std::string_view headStem = {});

}  // namespace lexiton::translator
