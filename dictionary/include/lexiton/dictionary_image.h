// Writing the compiled dictionary format from entries in memory: small dictionaries for tests
// and fuzz targets, built the same way the shipped file is laid out.
#pragma once

#include <string>
#include <vector>

#include "lexiton/dictionary.h"

namespace lexiton {

// The image of a dictionary holding `entries`, keyed by their lower-cased (ASCII) headwords.
// Later entries with the same key are dropped.
std::string compileDictionaryImage(const std::vector<DictionaryEntry>& entries);

}  // namespace lexiton
