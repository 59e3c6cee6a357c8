// The development corpus: English sentences with the word under the pointer in brackets, a
// reference Hungarian translation and the stems a correct rendering of that word contains.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexiton/translator/translator.h"

namespace lexiton::quality {

struct CorpusSentence {
  std::string query;                  // the look-up text, the pointer marked as the client marks it
  std::string english;                // the sentence without brackets
  std::string reference;              // UTF-8
  std::vector<std::string> meanings;  // lower-case UTF-8 stems; any one of them will do
};

// Lines "English<TAB>reference<TAB>stem|stem"; "#" starts a comment. Throws
// std::runtime_error naming the line of a malformed entry.
std::vector<CorpusSentence> readDevCorpus(std::string_view text);

// The Hungarian text of the first alternative of a reply, as UTF-8 without markup.
std::string firstTarget(std::string_view reply);

// Lower case for ASCII and the Hungarian accented capitals.
std::string lowerHungarian(std::string_view utf8);

// Whether a rendering holds one of the stems of the pointed word's meaning.
bool meansThePointedWord(const CorpusSentence& s, std::string_view hypothesis);

struct CorpusResult {
  double chrf = 0;
  std::size_t sentences = 0, pointedRight = 0;
  std::vector<std::string> hypotheses;  // one per sentence, UTF-8
};
CorpusResult scoreCorpus(const translator::Translator& t, const std::vector<CorpusSentence>& corpus);

}  // namespace lexiton::quality
