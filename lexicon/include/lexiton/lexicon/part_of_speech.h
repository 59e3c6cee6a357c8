// The part of speech, one enumeration for every module that sorts words: the core lexicon's
// entries (which are only ever content words), the translator's analysis of a sentence (which
// also tags the function words around them) and the hover dictionary's sections.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lexiton::lexicon {

enum class PartOfSpeech : std::uint8_t {
  // content words: a core lexicon entry has one of these
  noun,
  verb,
  adjective,
  adverb,
  number,
  // function words and the analysis's own classes
  determiner,
  possessive,
  pronoun,
  preposition,
  auxiliary,
  modal,
  negation,
  conjunction,
  question,
  name,  // a proper name, kept as written
  particle,
  infinitiveTo,  // "to" before a verb
  other          // none of these, or not known ("there", "please"; a FreeDict sense)
};

// The content words, which the core lexicon's entries and WordNet's counts are kept for.
constexpr bool isContentWord(PartOfSpeech p) { return p <= PartOfSpeech::number; }

// The short name: "n", "v", "adj", "adv", "num" for content words (as the lexicon source writes
// them), "det", "poss", "pron", ... for the rest.
std::string_view partOfSpeechName(PartOfSpeech p);

// A content word's part of speech by its short name; nothing for any other name.
std::optional<PartOfSpeech> partOfSpeechNamed(std::string_view name);

}  // namespace lexiton::lexicon
