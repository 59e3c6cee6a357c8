// Hungarian from an analysed English sentence: noun phrases with their cases and possessive
// suffixes, the verb conjugated for its subject, object, tense and negation, the copula left
// out where Hungarian leaves it out, and time adverbs put first.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "clauses.h"
#include "english_analysis.h"

namespace lexiton::translator {

struct HungarianWord {
  std::string text;          // UTF-8
  std::size_t token = 0;     // the English token it renders
  bool known = true;         // false: an English word kept as it stands
  bool commaBefore = false;  // it opens a clause after the first, or a list's next member
  bool opensAfterGreeting = false;  // the first word after "Szia, Mark!": "!" before it, a capital
};

// `pointed` is the token under the pointer; its sense number `pointedSense` is used. The
// sentence is said clause by clause.
std::vector<HungarianWord> generateHungarian(const std::vector<Token>& tokens, std::size_t pointed,
                                             std::size_t pointedSense, const SentenceShape& shape = {});

// The number of distinct Hungarian senses a token offers.
std::size_t senseCount(const Token& t);

}  // namespace lexiton::translator
