// The commonest English words, which the dictionary data lacks or only lists in rare senses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexiton::translator {

// The definite article: "a", or "az" before a vowel, decided by the next word.
inline constexpr std::string_view kDefiniteArticle = "the";

// The senses (UTF-8, commonest first) of a lower-case word; false when it is not a core word.
bool coreWordSenses(std::string_view lowerWord, std::vector<std::string>& senses);

// True when the UTF-8 text begins with a Hungarian vowel (so the article is "az").
bool startsWithVowel(std::string_view utf8);

}  // namespace lexiton::translator
