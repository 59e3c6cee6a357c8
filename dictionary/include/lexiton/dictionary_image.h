// Writing the compiled dictionary format from entries in memory: the shipped file (dictc) and
// the small dictionaries of tests and fuzz targets are laid out by the same code.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "lexiton/dictionary.h"

namespace lexiton {

// The image of entries under their keys (lower-case UTF-8, 1 to Dictionary::kMaxKeyLength
// bytes), in key order. Throws std::length_error when an offset would not fit the format's
// 32 bits.
std::string dictionaryImage(const std::map<std::string, DictionaryEntry>& byKey);

// The image of a dictionary holding `entries`, keyed by their lower-cased (ASCII) headwords.
// Later entries with the same key are dropped.
std::string compileDictionaryImage(const std::vector<DictionaryEntry>& entries);

}  // namespace lexiton
