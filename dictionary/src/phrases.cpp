// Multi-word entries: phrasal verbs and set phrases, matched longest first.
#include <algorithm>

#include "lexiton/dictionary.h"

namespace lexiton {
namespace {

constexpr std::string_view kInfinitive = "to ";

// The verb entry ("to give") of the first of `forms` that has one.
bool findInfinitive(const Dictionary& d, const std::vector<std::string>& forms, DictionaryEntry& out) {
  for (const std::string& f : forms)
    if (d.findExact(std::string(kInfinitive) + f, out)) return true;
  return false;
}

// The entry of the first form, or else the verb entry of the first form that has one.
bool findAnyForm(const Dictionary& d, const std::vector<std::string>& forms, DictionaryEntry& out) {
  for (const std::string& f : forms)
    if (d.findExact(f, out)) return true;
  return findInfinitive(d, forms, out);
}

bool lookable(std::string_view word) { return !word.empty() && word.size() <= Dictionary::kMaxKeyLength; }

}  // namespace

bool Dictionary::find(std::string_view word, DictionaryEntry& out) const {
  return lookable(word) && findAnyForm(*this, baseForms(word), out);
}

bool Dictionary::findVerb(std::string_view word, DictionaryEntry& out) const {
  return lookable(word) && findInfinitive(*this, baseForms(word), out);
}

std::size_t Dictionary::findLongest(const std::vector<std::string_view>& words, DictionaryEntry& out) const {
  if (words.empty()) return 0;
  // The same for every length tried; no key is made from a first word too long for one.
  const std::string first = lookupKey(words.front());
  const std::vector<std::string> firstForms =
      words.front().size() <= kMaxKeyLength ? baseForms(words.front()) : std::vector<std::string>();
  for (std::size_t n = std::min(words.size(), kMaxPhraseWords); n >= 2; --n) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < n; ++i) total += words[i].size() + 1;
    if (total > kMaxKeyLength) continue;
    std::string middle;  // the words between the first and the last, as written
    for (std::size_t i = 1; i + 1 < n; ++i) middle += lookupKey(words[i]) + " ";
    const std::string last = lookupKey(words[n - 1]);
    // Inflection sits on the verb of a phrasal verb ("gave up") or on the noun at the end of
    // a compound ("ice creams"), never on both.
    std::vector<std::string> keys;
    for (const std::string& f : firstForms) keys.push_back(f + " " + middle + last);
    for (const std::string& l : baseForms(words[n - 1])) keys.push_back(first + " " + middle + l);
    for (const std::string& k : keys)
      if (findExact(k, out)) return n;
    if (findInfinitive(*this, keys, out)) return n;
  }
  return lookable(words.front()) && findAnyForm(*this, firstForms, out) ? 1 : 0;
}

}  // namespace lexiton
