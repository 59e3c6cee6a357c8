// The compiled English-Hungarian dictionary: a read-only image loaded whole from a file,
// with bounded, validated reads, and English word-form look-up.
#pragma once

#include "lexiton/hungarian_repair.h"
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lexiton {

struct DictionaryEntry {
  std::string headword;             // UTF-8, as the source writes it
  std::string pronunciation;        // UTF-8, may be empty
  std::vector<std::string> senses;  // UTF-8, common meaning first
  std::string key{};                // the key that answered ("house" for "houses"); set by look-ups
};

class Dictionary {
 public:
  class cExc : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };
  static constexpr std::size_t kMaxFileSize = 256u * 1024u * 1024u;
  static constexpr std::size_t kMaxKeyLength = 256;
  // Longest multi-word entry tried ("give somebody a piece of one's mind" is rare; six covers
  // phrasal verbs and set phrases).
  static constexpr std::size_t kMaxPhraseWords = 6;

  // Both throw cExc when the file is missing, truncated or inconsistent.
  static Dictionary loadFile(const std::string& path);
  static Dictionary fromBytes(std::string bytes);

  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  Dictionary(Dictionary&&) noexcept = default;
  Dictionary& operator=(Dictionary&&) noexcept = default;

  std::size_t size() const { return count_; }
  // Exact key look-up (key is lower-case UTF-8).
  bool findExact(std::string_view key, DictionaryEntry& out) const;
  // Look-up through English word forms ("houses", "went", "don't", "John's"); a verb the data
  // only lists in the infinitive ("to abandon") is found too.
  bool find(std::string_view word, DictionaryEntry& out) const;
  // The verb entry ("to mean") of a word that also has another ("mean", the adjective); for
  // a word that stands where a verb must ("you mean"). False when there is no verb entry.
  bool findVerb(std::string_view word, DictionaryEntry& out) const;
  // The longest entry that the first words of `words` spell, trying up to kMaxPhraseWords
  // words and the word forms of the first and the last word ("gave up" finds "to give up",
  // "ice creams" finds "ice cream"). Returns how many words it covers; 0 when not even the
  // first word has an entry.
  std::size_t findLongest(const std::vector<std::string_view>& words, DictionaryEntry& out) const;
  // The key a word is looked up under: lower case, the Windows-1252 apostrophe as "'".
  static std::string lookupKey(std::string_view word);
  // Candidate base forms of an English word, most likely first (the word itself first).
  static std::vector<std::string> baseForms(std::string_view word);
  // True when `word` is an English plural of the lower-case key `base` ("houses" of "house",
  // "children" of "child"); "'s" and a word equal to its base are not plurals.
  static bool isPluralOf(std::string_view word, std::string_view base);

 private:
  Dictionary() = default;
  void validate();
  std::string_view key(std::size_t i) const;
  std::size_t slotOf(std::string_view k) const;
  std::string bytes_;
  std::size_t count_ = 0;
  std::size_t stringsStart_ = 0;
  // A hash index over the keys: entry number + 1 per slot, 0 for an empty one. A binary search
  // through the sorted keys touched about seventeen scattered keys of a 13 MB image per look-up,
  // and a translation makes dozens of look-ups (every word form of every phrase tried).
  std::vector<std::uint32_t> slots_;
};

// The default file name of the compiled dictionary, placed next to the programs.
inline constexpr const char* kDictionaryFileName = "lexiton-en-hu.dict";

}  // namespace lexiton
