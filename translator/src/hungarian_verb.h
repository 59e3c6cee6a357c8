// Hungarian verb conjugation: present, past and imperative in the indefinite and definite
// conjugations, the conditional, the infinitive (also with personal endings), the "-hat/-het"
// stem, and the "-lak/-lek" form (I ... you). Irregular verbs (van,
// megy, jön, eszik, vesz ...) have their paradigms listed; the rest follow from the stem, its
// vowel harmony and its last sounds.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::lexicon {
struct Sense;
}

namespace lexiton::translator {

enum class Tense { present, past, imperative };

struct Agreement {
  int person = 3;  // 1..3
  bool plural = false;
  bool definite = false;   // the definite conjugation: a definite object
  bool youObject = false;  // first person singular subject, second person object: "látlak"
};

struct VerbStem {
  std::string lemma;   // the dictionary form: third person singular present ("olvas", "dolgozik")
  std::string prefix;  // separable prefix ("be"), or empty
  std::string past;    // the lexicon's third-person past when the rules would miss it
};

// The conjugated verb without its prefix.
std::string conjugate(const VerbStem& v, Tense t, Agreement a);
// The subjunctive without its prefix, the imperative's forms in every person ("hogy elindítsd",
// "hogy megvegyük"); for an irregular verb whose forms beyond "you" the paradigm lacks, the
// present.
std::string subjunctiveOf(const VerbStem& v, Agreement a);
// The infinitive without its prefix ("olvasni", "menni", "enni").
std::string infinitiveOf(const VerbStem& v);

// The adverbial participle without its prefix, what one does meanwhile ("kiabálva", "nézve",
// "dolgozva"), or empty for a verb whose stem the rules do not know.
std::string adverbialParticipleOf(const VerbStem& v);
// The present participle without its prefix, the one who or what does it ("olvasó", "ülő",
// "tanító", "menő", "forgó", "vérző").
std::string presentParticipleOf(const VerbStem& v);
// The participle of a finished past, the third person of the past with the sense's finishing
// prefix: "ellopott", "mellékelt", "elfelejtett".
std::string finishedParticiple(const lexicon::Sense& vs);
// The infinitive with a personal ending, as "kell" wants it: "mennem", "olvasnod", "tanulnia".
std::string personalInfinitiveOf(const VerbStem& v, int person, bool plural);

// The conditional ("would"): "olvasnék", "mennénk", "szeretné", "látnálak".
std::string conditionalOf(const VerbStem& v, Agreement a);

// The noun of the action, "-ás/-és", with its prefix ("tisztítás", "elhagyás", "bevétel",
// "evés"), and with "-a/-e" when it is owned (`owned`: "a ház elhagyása"); empty for a verb the
// rules cannot make one of.
std::string actionNounOf(const VerbStem& v, bool owned);

// The verb with "-hat/-het" ("may", "can I"): a stem that conjugates as any other ("ülhet",
// "mehet", "lehet"); the prefix stays apart.
VerbStem potentialOf(const VerbStem& v);

}  // namespace lexiton::translator
