// Hungarian inflection undone, far enough to find a dictionary headword: the case endings,
// the plural and the lengthened final vowel ("házakban" -> "ház", "almát" -> "alma").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexiton::dictcore {

// Lower-case UTF-8 of Hungarian (and other Latin-1) text.
std::string hungarianLower(std::string_view utf8);

// Candidate headwords of a Hungarian word form, most likely first (the word itself first),
// lower-case UTF-8.
std::vector<std::string> hungarianStems(std::string_view utf8);

// True when the word holds a letter only Hungarian (of the two languages) writes.
bool looksHungarian(std::string_view utf8);

}  // namespace lexiton::dictcore
