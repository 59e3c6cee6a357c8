// The compiled core lexicon: our curated English-Hungarian entries, the irregular English
// word forms and the parts of speech WordNet knows for each English lemma, read from the file
// the build writes beside the dictionary. The file is text, one record a line:
//   "LEXITON-CORE 1" first, then
//   E <TAB> lemma <TAB> pos <TAB> senses     an entry, as in the lexicon source
//   F <TAB> form <TAB> lemma <TAB> pos       an irregular form ("bought" of the verb "buy")
//   W <TAB> lemma <TAB> n <TAB> v <TAB> adj <TAB> adv   how often each part of speech was seen
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lexiton/lexicon/lexicon_source.h"

namespace lexiton::lexicon {

inline constexpr std::string_view kCoreMagic = "LEXITON-CORE 1";
inline constexpr const char* kCoreLexiconFileName = "lexiton-core.lex";
inline constexpr std::size_t kMaxCoreFileSize = 32u * 1024u * 1024u;

struct IrregularForm {
  std::string lemma;
  PartOfSpeech pos;
};

// Sense counts per part of speech, plus one for every part of speech the lemma has at all;
// WordNet knows only nouns, verbs, adjectives and adverbs.
struct PosCounts {
  uint32_t noun = 0, verb = 0, adjective = 0, adverb = 0;
  uint32_t of(PartOfSpeech p) const;
};

class CoreLexicon {
 public:
  class cExc : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };
  CoreLexicon() = default;
  // Both throw cExc naming the line of the first malformed record.
  static CoreLexicon loadFile(const std::string& path);
  static CoreLexicon fromText(std::string_view text);

  const Entry* find(std::string_view lemma, PartOfSpeech pos) const;
  // Every entry of a lemma, in file order.
  std::vector<const Entry*> entries(std::string_view lemma) const;
  // Irregular forms of a word ("left": leave/v, left/adj is not among them).
  std::vector<IrregularForm> irregular(std::string_view form) const;
  const PosCounts* counts(std::string_view lemma) const;
  bool hasPhraseStarting(std::string_view firstWord) const {
    return phraseStarts_.count(std::string(firstWord)) > 0;
  }
  std::size_t size() const { return entries_.size(); }
  const std::vector<Entry>& all() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_multimap<std::string, std::size_t> byLemma_;
  std::unordered_multimap<std::string, IrregularForm> forms_;
  std::unordered_map<std::string, PosCounts> counts_;
  std::unordered_map<std::string, int> phraseStarts_;
};

}  // namespace lexiton::lexicon
