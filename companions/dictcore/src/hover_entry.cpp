#include "hover_entry.h"

#include <algorithm>
#include <string_view>

#include "hungarian_stems.h"

namespace lexiton::dictcore {
namespace {

constexpr std::string_view kInfinitive = "to ";

std::string shownSense(const lexicon::Sense& s) { return s.prefix + s.word; }

bool endsWith(std::string_view w, std::string_view tail) {
  return w.size() > tail.size() && w.substr(w.size() - tail.size()) == tail;
}

// FreeDict's verb entries are pronounced with their "to" ("tə ɡˈɪv ˈʌp"); the headword is not.
std::string withoutInfinitiveMark(std::string_view ipa) {
  for (std::string_view to : {"t\xC9\x99 ", "t\xCA\x8A ", "tu\xCB\x90 "})
    if (ipa.substr(0, to.size()) == to) return std::string(ipa.substr(to.size()));
  return std::string(ipa);
}

// Collects senses part by part, each sense once, within the tooltip's limits.
class SectionBuilder {
 public:
  void add(PartOfSpeech part, const std::string& sense) {
    if (sense.empty() || std::find(seen_.begin(), seen_.end(), sense) != seen_.end()) return;
    seen_.push_back(sense);
    for (auto& s : sections_)
      if (s.part == part) {
        s.senses.push_back(sense);
        return;
      }
    sections_.push_back({part, {sense}});
  }
  // Sections in `order` first, the rest as they came; each cut to its share of the tooltip.
  std::vector<EntrySection> take(const std::vector<PartOfSpeech>& order) {
    std::stable_sort(sections_.begin(), sections_.end(), [&](const EntrySection& a, const EntrySection& b) {
      return rank(order, a.part) < rank(order, b.part);
    });
    std::vector<EntrySection> out;
    std::size_t lines = 0;
    for (auto& s : sections_) {
      if (lines >= kMaxSenseLines) break;
      const std::size_t keep = std::min({s.senses.size(), kMaxSensesPerPart, kMaxSenseLines - lines});
      s.senses.resize(keep);
      lines += keep;
      out.push_back(std::move(s));
    }
    return out;
  }

 private:
  static std::size_t rank(const std::vector<PartOfSpeech>& order, PartOfSpeech p) {
    return std::size_t(std::find(order.begin(), order.end(), p) - order.begin());
  }
  std::vector<EntrySection> sections_;
  std::vector<std::string> seen_;
};

// The part of speech FreeDict's senses of a lemma most likely have: its verbs are separate
// "to ..." entries, so the lemma's other part WordNet sees most often.
PartOfSpeech likelyPartOfPlainEntry(const lexicon::CoreLexicon* core, const std::string& lemma) {
  const lexicon::PosCounts* counts = core ? core->counts(lemma) : nullptr;
  if (!counts) return PartOfSpeech::other;
  const std::pair<uint32_t, PartOfSpeech> parts[] = {{counts->noun, PartOfSpeech::noun},
                                                     {counts->adjective, PartOfSpeech::adjective},
                                                     {counts->adverb, PartOfSpeech::adverb}};
  const auto best = std::max_element(std::begin(parts), std::end(parts),
                                     [](const auto& a, const auto& b) { return a.first < b.first; });
  return best->first > 0 ? best->second : PartOfSpeech::other;
}

// Everything both sources know of `lemma`, or nothing when neither knows it.
std::optional<HoverEntry> gather(const EnglishSources& src, const std::string& lemma,
                                 std::optional<PartOfSpeech> hint) {
  HoverEntry entry;
  SectionBuilder sections;
  std::vector<PartOfSpeech> order;
  if (hint) order.push_back(*hint);
  std::vector<std::pair<std::string, PartOfSpeech>> corePart;  // a core sense's part, for FreeDict's senses
  if (src.core)
    for (const lexicon::Entry* e : src.core->entries(lemma)) {
      order.push_back(e->pos);
      for (const lexicon::Sense& s : e->senses) {
        sections.add(e->pos, shownSense(s));
        corePart.emplace_back(shownSense(s), e->pos);
      }
    }
  const bool known = !corePart.empty();
  bool found = known;
  DictionaryEntry plain;
  if (src.dictionary && src.dictionary->findExact(lemma, plain)) {
    found = true;
    entry.pronunciation = plain.pronunciation;
    const PartOfSpeech likely = likelyPartOfPlainEntry(src.core, lemma);
    for (const std::string& s : plain.senses) {
      PartOfSpeech part = likely;
      for (const auto& [sense, p] : corePart)
        if (sense == s) part = p;
      sections.add(part, s);
    }
  }
  DictionaryEntry verb;
  if (src.dictionary && src.dictionary->findExact(std::string(kInfinitive) + lemma, verb)) {
    found = true;
    if (entry.pronunciation.empty()) entry.pronunciation = withoutInfinitiveMark(verb.pronunciation);
    for (const std::string& s : verb.senses) sections.add(PartOfSpeech::verb, s);
  }
  if (!found) return std::nullopt;
  // After the hint and the core lexicon's order, the parts WordNet sees most often.
  if (const lexicon::PosCounts* counts = src.core ? src.core->counts(lemma) : nullptr) {
    std::vector<std::pair<uint32_t, PartOfSpeech>> seen = {{counts->noun, PartOfSpeech::noun},
                                                           {counts->verb, PartOfSpeech::verb},
                                                           {counts->adjective, PartOfSpeech::adjective},
                                                           {counts->adverb, PartOfSpeech::adverb}};
    std::stable_sort(seen.begin(), seen.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [n, p] : seen) order.push_back(p);
  }
  entry.headword = lemma;
  entry.sections = sections.take(order);
  if (entry.sections.empty()) return std::nullopt;
  return entry;
}

// The lemmas a word form may stand for, most likely first, with the part of speech the form
// itself shows ("went" is a verb, "bigger" an adjective).
std::vector<std::pair<std::string, std::optional<PartOfSpeech>>> lemmasOf(const EnglishSources& src,
                                                                          std::string_view word) {
  std::vector<std::pair<std::string, std::optional<PartOfSpeech>>> out;
  const std::string key = Dictionary::lookupKey(word);
  auto add = [&](std::string lemma, std::optional<PartOfSpeech> part) {
    for (const auto& [l, p] : out)
      if (l == lemma) return;
    out.emplace_back(std::move(lemma), part);
  };
  add(key, std::nullopt);
  if (src.core)
    for (const lexicon::IrregularForm& f : src.core->irregular(key)) add(f.lemma, f.pos);
  std::optional<PartOfSpeech> shown;
  if (endsWith(key, "ing") || endsWith(key, "ed")) shown = PartOfSpeech::verb;
  if (endsWith(key, "er") || endsWith(key, "est")) shown = PartOfSpeech::adjective;
  for (const std::string& base : Dictionary::baseForms(word)) add(base, base == key ? std::nullopt : shown);
  return out;
}

std::optional<HoverEntry> wordEntry(const EnglishSources& src, std::string_view word) {
  const auto lemmas = lemmasOf(src, word);
  // A lemma the core lexicon knows wins over a rarer reading FreeDict lists under the form
  // itself ("houses" as a verb form, "saw" the tool).
  if (src.core)
    for (const auto& [lemma, part] : lemmas)
      if (!src.core->entries(lemma).empty())
        if (auto e = gather(src, lemma, part)) return e;
  for (const auto& [lemma, part] : lemmas)
    if (auto e = gather(src, lemma, part)) return e;
  return std::nullopt;
}

struct Phrase {
  std::size_t words = 0;
  std::string lemma;
};

// The longest phrase of the core lexicon that `words` begin with, of at least `least` words.
Phrase corePhrase(const lexicon::CoreLexicon& core, const std::vector<std::string_view>& words,
                  std::size_t least) {
  std::vector<std::string> firstForms;
  for (const std::string& f : Dictionary::baseForms(words.front()))
    if (core.hasPhraseStarting(f)) firstForms.push_back(f);
  for (const lexicon::IrregularForm& f : core.irregular(Dictionary::lookupKey(words.front())))
    if (core.hasPhraseStarting(f.lemma)) firstForms.push_back(f.lemma);
  if (firstForms.empty()) return {};
  const std::string first = Dictionary::lookupKey(words.front());
  for (std::size_t n = std::min(words.size(), Dictionary::kMaxPhraseWords);
       n >= std::max<std::size_t>(least, 2); --n) {
    std::string middle;
    for (std::size_t i = 1; i + 1 < n; ++i) middle += Dictionary::lookupKey(words[i]) + " ";
    std::vector<std::string> keys;
    for (const std::string& f : firstForms)
      keys.push_back(f + " " + middle + Dictionary::lookupKey(words[n - 1]));
    if (core.hasPhraseStarting(first))
      for (const std::string& l : Dictionary::baseForms(words[n - 1]))
        keys.push_back(first + " " + middle + l);
    for (const std::string& k : keys)
      if (!core.entries(k).empty()) return {n, k};
  }
  return {};
}

// The adverbs and prepositions that make phrasal verbs ("give up", "look after").
constexpr std::string_view kParticles[] = {"about",   "across", "after", "along", "around", "at",
                                           "away",    "back",   "by",    "down",  "for",    "forward",
                                           "in",      "into",   "off",   "on",    "out",    "over",
                                           "through", "to",     "up",    "with",  "without"};

bool isParticle(std::string_view w) {
  return std::find(std::begin(kParticles), std::end(kParticles), w) != std::end(kParticles);
}

// FreeDict also lists idioms under verb phrases ("to go home": meghal, to die); read
// literally, "he went home" would name the wrong sense. A FreeDict verb phrase answers for a
// word the core lexicon knows only when it is a phrasal verb: the verb and particles.
bool acceptsPlainPhrase(const EnglishSources& src, std::string_view key, std::string_view markedWord) {
  if (key.substr(0, kInfinitive.size()) != kInfinitive || !src.core) return true;
  std::string_view rest = key.substr(kInfinitive.size());
  const std::size_t space = rest.find(' ');
  if (space == std::string_view::npos) return true;
  rest.remove_prefix(space + 1);
  bool allParticles = true;
  for (std::size_t at = 0; at <= rest.size();) {
    const std::size_t end = std::min(rest.find(' ', at), rest.size());
    allParticles = allParticles && isParticle(rest.substr(at, end - at));
    at = end + 1;
  }
  if (allParticles) return true;
  for (const std::string& base : Dictionary::baseForms(markedWord))
    if (!src.core->entries(base).empty()) return false;
  for (const lexicon::IrregularForm& f : src.core->irregular(Dictionary::lookupKey(markedWord)))
    if (!src.core->entries(f.lemma).empty()) return false;
  return true;
}

std::string lemmaOfKey(std::string_view key) {
  if (key.substr(0, kInfinitive.size()) == kInfinitive) key.remove_prefix(kInfinitive.size());
  return std::string(key);
}

std::string joined(const std::vector<std::string>& words, std::size_t from, std::size_t n) {
  std::string out;
  for (std::size_t i = from; i < from + n; ++i) out += (i > from ? " " : "") + words[i];
  return out;
}

}  // namespace

std::optional<HoverEntry> englishEntry(const EnglishSources& src, const MarkedWords& marked) {
  const auto& words = marked.words;
  if (words.empty() || marked.marked >= words.size()) return std::nullopt;
  const std::size_t m = marked.marked;
  // Phrases that cover the marked word, the longest first; the earliest start wins a tie. The
  // core lexicon's phrases come before FreeDict's longer ones ("give up" before "give up
  // smoking"): they are the senses a reader of the sentence wants.
  Phrase best, bestCore;
  std::size_t bestStart = 0, coreStart = 0;
  const std::size_t earliest = m + 1 >= Dictionary::kMaxPhraseWords ? m + 1 - Dictionary::kMaxPhraseWords : 0;
  for (std::size_t s = earliest; s <= m; ++s) {
    std::vector<std::string_view> tail(words.begin() + std::ptrdiff_t(s), words.end());
    if (tail.size() < 2) break;
    const std::size_t least = m - s + 1;
    if (src.core)
      if (Phrase found = corePhrase(*src.core, tail, least); found.words > bestCore.words) {
        bestCore = found;
        coreStart = s;
      }
    if (src.dictionary) {
      DictionaryEntry e;
      const std::size_t n = src.dictionary->findLongest(tail, e);
      if (n >= 2 && n >= least && n > best.words && acceptsPlainPhrase(src, e.key, words[m])) {
        best = {n, lemmaOfKey(e.key)};
        bestStart = s;
      }
    }
  }
  if (bestCore.words >= 2) {
    best = bestCore;
    bestStart = coreStart;
  }
  if (best.words >= 2)
    if (auto e = gather(src, best.lemma, std::nullopt)) {
      const std::string form = joined(words, bestStart, best.words);
      if (Dictionary::lookupKey(form) != e->headword) e->form = form;
      return e;
    }
  auto e = wordEntry(src, words[m]);
  if (e && Dictionary::lookupKey(words[m]) != e->headword) e->form = words[m];
  return e;
}

std::optional<HoverEntry> hungarianEntry(const Dictionary& huEn, const MarkedWords& marked) {
  if (marked.words.empty() || marked.marked >= marked.words.size()) return std::nullopt;
  const std::string& word = marked.words[marked.marked];
  if (word.size() > Dictionary::kMaxKeyLength) return std::nullopt;
  for (const std::string& stem : hungarianStems(word)) {
    DictionaryEntry found;
    if (!huEn.findExact(stem, found)) continue;
    HoverEntry entry;
    entry.headword = found.headword;
    entry.pronunciation = found.pronunciation;
    if (hungarianLower(word) != hungarianLower(found.headword)) entry.form = word;
    EntrySection section;
    for (const std::string& s : found.senses) {
      if (section.senses.size() >= kMaxSenseLines) break;
      if (std::find(section.senses.begin(), section.senses.end(), s) == section.senses.end())
        section.senses.push_back(s);
    }
    entry.sections.push_back(std::move(section));
    return entry;
  }
  return std::nullopt;
}

}  // namespace lexiton::dictcore
