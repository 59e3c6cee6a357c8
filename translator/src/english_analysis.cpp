#include "english_analysis.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace lexiton::translator {
namespace {

using lexicon::PartOfSpeech;

struct FunctionWord {
  std::string_view word;
  Tag tag;
  int person = 3;
  bool plural = false;
};

constexpr FunctionWord kFunctionWords[] = {
    {"the", Tag::determiner},
    {"a", Tag::determiner},
    {"an", Tag::determiner},
    {"this", Tag::determiner},
    {"that", Tag::determiner},
    {"these", Tag::determiner, 3, true},
    {"those", Tag::determiner, 3, true},
    {"every", Tag::determiner},
    {"each", Tag::determiner},
    {"some", Tag::determiner, 3, true},
    {"any", Tag::determiner, 3, true},
    {"no", Tag::determiner},
    {"many", Tag::determiner, 3, true},
    {"much", Tag::determiner},
    {"all", Tag::determiner, 3, true},
    {"both", Tag::determiner, 3, true},
    {"several", Tag::determiner, 3, true},
    {"another", Tag::determiner},
    {"more", Tag::determiner},
    {"my", Tag::possessive, 1},
    {"your", Tag::possessive, 2},
    {"his", Tag::possessive, 3},
    {"her", Tag::possessive, 3},
    {"its", Tag::possessive, 3},
    {"our", Tag::possessive, 1, true},
    {"their", Tag::possessive, 3, true},
    {"i", Tag::pronoun, 1},
    {"you", Tag::pronoun, 2},
    {"he", Tag::pronoun, 3},
    {"she", Tag::pronoun, 3},
    {"it", Tag::pronoun, 3},
    {"we", Tag::pronoun, 1, true},
    {"they", Tag::pronoun, 3, true},
    {"me", Tag::pronoun, 1},
    {"him", Tag::pronoun, 3},
    {"us", Tag::pronoun, 1, true},
    {"them", Tag::pronoun, 3, true},
    {"in", Tag::preposition},
    {"into", Tag::preposition},
    {"on", Tag::preposition},
    {"onto", Tag::preposition},
    {"at", Tag::preposition},
    {"to", Tag::preposition},
    {"from", Tag::preposition},
    {"with", Tag::preposition},
    {"for", Tag::preposition},
    {"of", Tag::preposition},
    {"about", Tag::preposition},
    {"by", Tag::preposition},
    {"under", Tag::preposition},
    {"behind", Tag::preposition},
    {"near", Tag::preposition},
    {"after", Tag::preposition},
    {"before", Tag::preposition},
    {"without", Tag::preposition},
    {"over", Tag::preposition},
    {"above", Tag::preposition},
    {"between", Tag::preposition},
    {"during", Tag::preposition},
    {"across", Tag::preposition},
    {"through", Tag::preposition},
    {"since", Tag::preposition},
    {"around", Tag::preposition},
    {"against", Tag::preposition},
    {"towards", Tag::preposition},
    {"until", Tag::preposition},
    {"till", Tag::preposition},
    {"below", Tag::preposition},
    {"than", Tag::preposition},
    {"am", Tag::auxiliary, 1},
    {"is", Tag::auxiliary},
    {"are", Tag::auxiliary, 3, true},
    {"was", Tag::auxiliary},
    {"were", Tag::auxiliary, 3, true},
    {"be", Tag::auxiliary},
    {"been", Tag::auxiliary},
    {"being", Tag::auxiliary},
    {"have", Tag::auxiliary},
    {"has", Tag::auxiliary},
    {"had", Tag::auxiliary},
    {"do", Tag::auxiliary},
    {"does", Tag::auxiliary},
    {"did", Tag::auxiliary},
    {"will", Tag::modal},
    {"would", Tag::modal},
    {"can", Tag::modal},
    {"could", Tag::modal},
    {"must", Tag::modal},
    {"should", Tag::modal},
    {"may", Tag::modal},
    {"might", Tag::modal},
    {"shall", Tag::modal},
    {"not", Tag::negation},
    {"never", Tag::negation},
    {"and", Tag::conjunction},
    {"or", Tag::conjunction},
    {"but", Tag::conjunction},
    {"because", Tag::conjunction},
    {"while", Tag::conjunction},
    {"if", Tag::conjunction},
    {"so", Tag::conjunction},
    {"when", Tag::question},
    {"where", Tag::question},
    {"what", Tag::question},
    {"who", Tag::question},
    {"why", Tag::question},
    {"how", Tag::question},
    {"which", Tag::question},
};

// Contractions as the words they stand for.
struct Contraction {
  std::string_view form, first, second;
};
constexpr Contraction kContractions[] = {
    {"can't", "can", "not"},      {"cannot", "can", "not"},       {"don't", "do", "not"},
    {"doesn't", "does", "not"},   {"didn't", "did", "not"},       {"won't", "will", "not"},
    {"isn't", "is", "not"},       {"aren't", "are", "not"},       {"wasn't", "was", "not"},
    {"weren't", "were", "not"},   {"haven't", "have", "not"},     {"hasn't", "has", "not"},
    {"couldn't", "could", "not"}, {"shouldn't", "should", "not"}, {"wouldn't", "would", "not"},
    {"i'm", "i", "am"},           {"it's", "it", "is"},           {"he's", "he", "is"},
    {"she's", "she", "is"},       {"that's", "that", "is"},       {"there's", "there", "is"},
    {"what's", "what", "is"},     {"where's", "where", "is"},     {"you're", "you", "are"},
    {"we're", "we", "are"},       {"they're", "they", "are"},     {"i've", "i", "have"},
    {"we've", "we", "have"},      {"you've", "you", "have"},      {"they've", "they", "have"},
    {"i'll", "i", "will"},        {"you'll", "you", "will"},      {"we'll", "we", "will"},
    {"he'll", "he", "will"},      {"she'll", "she", "will"},      {"they'll", "they", "will"},
};

const FunctionWord* functionWord(std::string_view w) {
  for (const FunctionWord& f : kFunctionWords)
    if (f.word == w) return &f;
  return nullptr;
}

std::string lowerAscii(std::string_view w) {
  std::string r;
  for (char c : w) r += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : (c == '\x92' ? '\'' : c);
  // the typographic apostrophe in UTF-8
  for (std::size_t p; (p = r.find("\xE2\x80\x99")) != std::string::npos;) r.replace(p, 3, "'");
  return r;
}

bool endsWith(std::string_view w, std::string_view t) {
  return w.size() > t.size() && w.substr(w.size() - t.size()) == t;
}
bool isDoSupport(std::string_view w) { return w == "do" || w == "does" || w == "did"; }

bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

struct Reading {
  std::string lemma;
  Tag tag;
  VerbForm form = VerbForm::base;
  bool plural = false;
  double weight = 0;
};

Tag tagOf(PartOfSpeech p) {
  switch (p) {
    case PartOfSpeech::noun:
      return Tag::noun;
    case PartOfSpeech::verb:
      return Tag::verb;
    case PartOfSpeech::adjective:
      return Tag::adjective;
    case PartOfSpeech::adverb:
      return Tag::adverb;
    case PartOfSpeech::number:
      return Tag::number;
  }
  return Tag::other;
}

PartOfSpeech posOf(Tag t) {
  switch (t) {
    case Tag::verb:
      return PartOfSpeech::verb;
    case Tag::adjective:
      return PartOfSpeech::adjective;
    case Tag::adverb:
      return PartOfSpeech::adverb;
    case Tag::number:
      return PartOfSpeech::number;
    default:
      return PartOfSpeech::noun;
  }
}

// Candidate lemmas of a regular ending: "stopped" -> stop, "liked" -> like, "studied" -> study.
std::vector<std::string> stripped(std::string_view w, std::string_view suffix) {
  std::vector<std::string> out;
  if (!endsWith(w, suffix)) return out;
  std::string base(w.substr(0, w.size() - suffix.size()));
  if (base.size() < 2) return out;
  out.push_back(base);
  out.push_back(base + "e");
  if (base.size() >= 3 && base.back() == base[base.size() - 2] && !isVowel(base.back()))
    out.push_back(base.substr(0, base.size() - 1));
  if (base.back() == 'i') out.push_back(base.substr(0, base.size() - 1) + "y");
  return out;
}

}  // namespace

std::string_view tagName(Tag t) {
  static constexpr std::string_view kNames[] = {"det", "poss", "pron", "prep", "aux", "modal",
                                                "neg", "conj", "wh",   "n",    "v",   "adj",
                                                "adv", "num",  "name", "part", "to",  "other"};
  return kNames[std::size_t(t)];
}

std::vector<Token> EnglishAnalyser::analyse(const std::vector<std::string>& words, bool titleCase) const {
  // 1. contractions and function words; set phrases of the core lexicon
  std::vector<Token> toks;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string lower = lowerAscii(words[i]);
    // the longest core phrase that starts here ("at home", "turn off", "every morning")
    if (core_.hasPhraseStarting(lower)) {
      std::string phrase = lower;
      std::size_t best = 0;
      const lexicon::Entry* bestEntry = nullptr;
      for (std::size_t k = i + 1; k < words.size() && k < i + 4; ++k) {
        phrase += " " + lowerAscii(words[k]);
        for (const lexicon::Entry* e : core_.entries(phrase))
          if (e->pos != PartOfSpeech::verb) best = k - i + 1, bestEntry = e;
      }
      if (bestEntry) {
        Token t;
        t.lower = t.lemma = bestEntry->lemma;
        t.tag = tagOf(bestEntry->pos);
        t.entry = bestEntry;
        t.word = i;
        t.words = best;
        t.written = words[i];
        toks.push_back(t);
        i += best - 1;
        continue;
      }
    }
    const Contraction* c = nullptr;
    for (const Contraction& k : kContractions)
      if (k.form == lower) c = &k;
    std::vector<std::string> parts;
    if (c)
      parts = {std::string(c->first), std::string(c->second)};
    else if (endsWith(lower, "'s") && !functionWord(lower))
      parts = {lower.substr(0, lower.size() - 2)};
    else
      parts = {lower};
    for (const std::string& p : parts) {
      Token t;
      t.lower = t.lemma = p;
      t.word = i;
      t.written = c ? p : words[i];
      if (const FunctionWord* f = functionWord(p)) {
        t.tag = f->tag;
        t.person = f->person;
        t.plural = f->plural;
      } else if ((!p.empty() && p[0] >= '0' && p[0] <= '9') || core_.find(p, PartOfSpeech::number)) {
        t.tag = Tag::number;
      }
      if (p == "there" || p == "here" || p == "please" || p == "let's") t.tag = Tag::other;
      toks.push_back(std::move(t));
    }
  }
  // 2. content words: readings, then the one the context calls for
  auto readings = [&](const Token& t) {
    std::vector<Reading> out;
    auto weigh = [&](const std::string& lemma, Tag tag) -> double {
      double w = 0;
      if (core_.find(lemma, posOf(tag))) w += 50;
      if (const lexicon::PosCounts* c = core_.counts(lemma)) {
        const uint32_t n = c->of(posOf(tag));
        if (n) w += 1 + std::log2(double(n));
      }
      return w;
    };
    auto add = [&](const std::string& lemma, Tag tag, VerbForm form, bool plural) {
      const double w = weigh(lemma, tag);
      if (w > 0) out.push_back({lemma, tag, form, plural, w});
    };
    const std::string& w = t.lower;
    for (const lexicon::IrregularForm& f : core_.irregular(w)) {
      if (f.pos == PartOfSpeech::verb) {
        add(f.lemma, Tag::verb, VerbForm::past, false);
      } else if (f.pos == PartOfSpeech::noun) {
        add(f.lemma, Tag::noun, VerbForm::base, true);
      } else {
        add(f.lemma, Tag::adjective, VerbForm::base, false);
      }
    }
    for (Tag tag : {Tag::noun, Tag::verb, Tag::adjective, Tag::adverb, Tag::number})
      add(w, tag, VerbForm::base, false);
    for (const std::string& b : stripped(w, "s"))
      add(b, Tag::noun, VerbForm::base, true), add(b, Tag::verb, VerbForm::third, false);
    for (const std::string& b : stripped(w, "es"))
      add(b, Tag::noun, VerbForm::base, true), add(b, Tag::verb, VerbForm::third, false);
    // plurals no exception list holds: "women", "knives"
    if (endsWith(w, "men")) add(w.substr(0, w.size() - 3) + "man", Tag::noun, VerbForm::base, true);
    if (endsWith(w, "ves"))
      add(w.substr(0, w.size() - 3) + "f", Tag::noun, VerbForm::base, true),
          add(w.substr(0, w.size() - 3) + "fe", Tag::noun, VerbForm::base, true);
    for (const std::string& b : stripped(w, "ed")) add(b, Tag::verb, VerbForm::past, false);
    for (const std::string& b : stripped(w, "ing")) add(b, Tag::verb, VerbForm::ing, false);
    return out;
  };
  bool verbSeen = false;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.tag != Tag::other || t.entry) {
      if (t.tag == Tag::auxiliary || t.tag == Tag::modal)
        verbSeen = verbSeen || t.tag == Tag::modal || t.lower != "be";
      continue;
    }
    if (t.lower == "there" || t.lower == "here" || t.lower == "please" || t.lower == "let's") continue;
    // intensifiers are adverbs wherever they stand: "is very kind"
    if (t.lower == "very" || t.lower == "too" || t.lower == "quite" || t.lower == "really") {
      t.tag = Tag::adverb;
      continue;
    }
    std::vector<Reading> rs = readings(t);
    const bool capital = !t.written.empty() && t.written[0] >= 'A' && t.written[0] <= 'Z';
    if (rs.empty()) {
      t.tag = capital && !titleCase ? Tag::name : Tag::noun;
      continue;
    }
    const Token* prev = i > 0 ? &toks[i - 1] : nullptr;
    const std::string prevLower = prev ? prev->lower : "";
    const Tag prevTag = prev ? prev->tag : Tag::other;
    auto bonus = [&](Tag tag, std::optional<VerbForm> form, double b) {
      for (Reading& r : rs)
        if (r.tag == tag && (!form || r.form == *form)) r.weight += b;
    };
    const bool nextNounish =
        i + 1 < toks.size() && (toks[i + 1].tag == Tag::other && !readings(toks[i + 1]).empty());
    // after "and" between two nouns ("bread and milk") no new clause begins
    const bool joinsNouns = prevTag == Tag::conjunction && i >= 2 &&
                            (toks[i - 2].tag == Tag::noun || toks[i - 2].tag == Tag::name);
    const bool startsClause = i == 0 || prevLower == "please" ||
                              (prevTag == Tag::negation && i == 2 && toks[0].lower == "do") ||
                              prevLower == "let's" || (prevTag == Tag::conjunction && !joinsNouns);
    if (prevLower == "while" && t.lower.size() > 4 && t.lower.compare(t.lower.size() - 3, 3, "ing") == 0) {
      bonus(Tag::noun, std::nullopt, 300);  // "while skiing": the activity as a noun
    } else if (prevLower == "very" || prevLower == "too" || prevLower == "so") {
      bonus(Tag::adjective, std::nullopt, 200);
    } else if (joinsNouns) {
      bonus(Tag::noun, std::nullopt, 100);
    } else if (prevTag == Tag::determiner || prevTag == Tag::possessive || prevTag == Tag::number ||
               prevTag == Tag::adjective || prevTag == Tag::preposition) {
      bonus(Tag::noun, std::nullopt, 100);
      if (nextNounish) bonus(Tag::adjective, std::nullopt, 120);
      if (prevTag == Tag::preposition && prevLower == "to") bonus(Tag::verb, VerbForm::base, 60);
    } else if (prevTag == Tag::modal || isDoSupport(prevLower) ||
               (prevTag == Tag::negation && (!verbSeen || (i >= 2 && (toks[i - 2].tag == Tag::modal ||
                                                                      isDoSupport(toks[i - 2].lower)))))) {
      // "does not matter", "can't find": the negated auxiliary's verb.
      bonus(Tag::verb, VerbForm::base, 200);
    } else if (prevTag == Tag::pronoun &&
               (prev->lower == "i" || prev->lower == "we" || prev->lower == "they" || prev->lower == "he" ||
                prev->lower == "she" ||
                ((prev->lower == "you" || prev->lower == "it") &&
                 (!verbSeen ||
                  (i >= 2 && (toks[i - 2].tag == Tag::question || toks[i - 2].tag == Tag::conjunction ||
                              toks[i - 2].tag == Tag::modal || toks[i - 2].tag == Tag::auxiliary)))))) {
      bonus(Tag::verb, std::nullopt, 200);
    } else if (prevTag == Tag::auxiliary &&
               (prevLower == "is" || prevLower == "are" || prevLower == "am" || prevLower == "was" ||
                prevLower == "were" || prevLower == "be" || prevLower == "been")) {
      bonus(Tag::verb, VerbForm::ing, 300);
      bonus(Tag::adjective, std::nullopt, 150);
      bonus(Tag::verb, VerbForm::past, 100);
    } else if (prevTag == Tag::auxiliary &&
               (prevLower == "have" || prevLower == "has" || prevLower == "had")) {
      bonus(Tag::verb, VerbForm::past, 200);
    } else if (startsClause && (i == 0 || !capital)) {
      bonus(Tag::verb, VerbForm::base, 150);  // an imperative: "Close the window."
    } else if (!verbSeen && (prevTag == Tag::noun || prevTag == Tag::name)) {
      bonus(Tag::verb, VerbForm::third, 150);
      bonus(Tag::verb, VerbForm::past, 150);
      if (prev->plural) bonus(Tag::verb, VerbForm::base, 150);
    } else if (prevTag == Tag::verb) {
      if (!nextNounish) bonus(Tag::adverb, std::nullopt, 60);  // "came home": the adverb "haza"
      bonus(Tag::noun, std::nullopt, 20);
    } else if (verbSeen) {
      bonus(Tag::noun, std::nullopt, 20);
      bonus(Tag::adverb, std::nullopt, 20);
    }
    // a capital inside a sentence is a name, unless the core lexicon knows it ("Friday")
    if (capital && i > 0 && !titleCase && !core_.find(t.lower, PartOfSpeech::noun)) {
      t.tag = Tag::name;
      continue;
    }
    const Reading& best = *std::max_element(
        rs.begin(), rs.end(), [](const Reading& a, const Reading& b) { return a.weight < b.weight; });
    t.lemma = best.lemma;
    t.tag = best.tag;
    t.form = best.form;
    t.plural = best.plural;
    if (t.tag == Tag::verb) {
      verbSeen = true;
      // "has opened" and "was opened": the participle
      if (t.form == VerbForm::past && prev && prev->tag == Tag::auxiliary && prevLower != "do" &&
          prevLower != "did")
        t.form = VerbForm::participle;
    }
  }
  // 3. "to" before a verb marks an infinitive; a particle after a verb that forms a phrasal verb
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (toks[i].lower == "to" && toks[i + 1].tag == Tag::verb && toks[i + 1].form == VerbForm::base)
      toks[i].tag = Tag::infinitiveTo;
  }
  std::vector<Token> out;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token t = std::move(toks[i]);
    if (t.tag == Tag::verb && i + 1 < toks.size()) {
      const lexicon::Entry* phrasal = core_.find(t.lemma + " " + toks[i + 1].lower, PartOfSpeech::verb);
      if (phrasal) {
        t.entry = phrasal;
        t.words = toks[i + 1].word + toks[i + 1].words - t.word;
        ++i;
      }
    }
    if (!t.entry && (t.tag == Tag::noun || t.tag == Tag::verb || t.tag == Tag::adjective ||
                     t.tag == Tag::adverb || t.tag == Tag::number))
      t.entry = core_.find(t.lemma, posOf(t.tag));
    if (!t.entry &&
        (t.tag == Tag::noun || t.tag == Tag::verb || t.tag == Tag::adjective || t.tag == Tag::adverb)) {
      DictionaryEntry d;
      const bool found = t.tag == Tag::verb ? (dict_.findVerb(t.lemma, d) || dict_.find(t.lemma, d))
                                            : dict_.find(t.lemma, d);
      if (found)
        for (const std::string& s : d.senses) {
          if (t.dictionarySenses.size() == 2) break;
          if (!s.empty() && s.size() < 48) t.dictionarySenses.push_back(s);
        }
    }
    out.push_back(std::move(t));
  }
  return out;
}

}  // namespace lexiton::translator
