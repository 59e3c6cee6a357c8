// Multi-word entries: phrasal verbs and set phrases, matched longest first.
#include <algorithm>
#include <cctype>

#include "lexiton/dictionary.h"

namespace lexiton {
namespace {

constexpr std::string_view kInfinitive = "to ";

std::string lowered(std::string_view word) {
  std::string w;
  for (char c : word) w += c == '\x92' ? '\'' : char(std::tolower(uint8_t(c)));
  return w;
}

}  // namespace

bool Dictionary::find(std::string_view word, DictionaryEntry& out) const {
  if (word.empty() || word.size() > kMaxKeyLength) return false;
  const std::vector<std::string> forms = baseForms(word);
  for (const std::string& f : forms)
    if (findExact(f, out)) return true;
  for (const std::string& f : forms)
    if (findExact(std::string(kInfinitive) + f, out)) return true;
  return false;
}

bool Dictionary::findVerb(std::string_view word, DictionaryEntry& out) const {
  if (word.empty() || word.size() > kMaxKeyLength) return false;
  for (const std::string& f : baseForms(word))
    if (findExact(std::string(kInfinitive) + f, out)) return true;
  return false;
}

std::size_t Dictionary::findLongest(const std::vector<std::string_view>& words,
                                    DictionaryEntry& out) const {
  if (words.empty()) return 0;
  for (std::size_t n = std::min(words.size(), kMaxPhraseWords); n >= 2; --n) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < n; ++i) total += words[i].size() + 1;
    if (total > kMaxKeyLength) continue;
    std::string middle;  // the words between the first and the last, as written
    for (std::size_t i = 1; i + 1 < n; ++i) middle += lowered(words[i]) + " ";
    const std::string first = lowered(words.front()), last = lowered(words[n - 1]);
    // Inflection sits on the verb of a phrasal verb ("gave up") or on the noun at the end of
    // a compound ("ice creams"), never on both.
    std::vector<std::string> keys;
    for (const std::string& f : baseForms(words.front())) keys.push_back(f + " " + middle + last);
    for (const std::string& l : baseForms(words[n - 1])) keys.push_back(first + " " + middle + l);
    for (const std::string& k : keys)
      if (findExact(k, out)) return n;
    for (const std::string& k : keys)
      if (findExact(std::string(kInfinitive) + k, out)) return n;
  }
  return find(words.front(), out) ? 1 : 0;
}

}  // namespace lexiton
