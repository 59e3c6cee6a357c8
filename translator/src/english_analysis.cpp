#include "english_analysis.h"
#include "word_lists.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

#include "hungarian_function_words.h"
#include "hungarian_morphology.h"
#include "hungarian_noun.h"
#include "hungarian_verb.h"

namespace lexiton::translator {
namespace {

// Adverbs of how often or still, that stand between a subject and its verb ("often forget",
// "still lives").
constexpr std::string_view kHowOften[] = {"often", "always", "never",   "usually", "sometimes",
                                          "rarely", "still",  "also",   "seldom",  "already"};


struct FunctionWord {
  std::string_view word;
  PartOfSpeech tag;
  int person = 3;
  bool plural = false;
};

constexpr FunctionWord kFunctionWords[] = {
    {"the", PartOfSpeech::determiner},
    {"a", PartOfSpeech::determiner},
    {"an", PartOfSpeech::determiner},
    {"this", PartOfSpeech::determiner},
    {"that", PartOfSpeech::determiner},
    {"these", PartOfSpeech::determiner, 3, true},
    {"those", PartOfSpeech::determiner, 3, true},
    {"every", PartOfSpeech::determiner},
    {"each", PartOfSpeech::determiner},
    {"some", PartOfSpeech::determiner, 3, true},
    {"any", PartOfSpeech::determiner, 3, true},
    {"no", PartOfSpeech::determiner},
    {"many", PartOfSpeech::determiner, 3, true},
    {"much", PartOfSpeech::determiner},
    {"all", PartOfSpeech::determiner, 3, true},
    {"both", PartOfSpeech::determiner, 3, true},
    {"several", PartOfSpeech::determiner, 3, true},
    {"another", PartOfSpeech::determiner},
    {"more", PartOfSpeech::determiner},
    {"most", PartOfSpeech::determiner, 3, true},
    {"my", PartOfSpeech::possessive, 1},
    {"your", PartOfSpeech::possessive, 2},
    {"his", PartOfSpeech::possessive, 3},
    {"her", PartOfSpeech::possessive, 3},
    {"its", PartOfSpeech::possessive, 3},
    {"our", PartOfSpeech::possessive, 1, true},
    {"their", PartOfSpeech::possessive, 3, true},
    {"i", PartOfSpeech::pronoun, 1},
    {"you", PartOfSpeech::pronoun, 2},
    {"he", PartOfSpeech::pronoun, 3},
    {"she", PartOfSpeech::pronoun, 3},
    {"it", PartOfSpeech::pronoun, 3},
    {"we", PartOfSpeech::pronoun, 1, true},
    {"they", PartOfSpeech::pronoun, 3, true},
    {"me", PartOfSpeech::pronoun, 1},
    {"him", PartOfSpeech::pronoun, 3},
    {"us", PartOfSpeech::pronoun, 1, true},
    {"them", PartOfSpeech::pronoun, 3, true},
    {"mine", PartOfSpeech::pronoun, 1},
    {"yours", PartOfSpeech::pronoun, 2},
    {"hers", PartOfSpeech::pronoun, 3},
    {"ours", PartOfSpeech::pronoun, 1, true},
    {"theirs", PartOfSpeech::pronoun, 3, true},
    // the reflexives, whose Hungarian ("magát", "magamat") always takes the definite verb
    {"myself", PartOfSpeech::pronoun, 3},
    {"yourself", PartOfSpeech::pronoun, 3},
    {"himself", PartOfSpeech::pronoun, 3},
    {"herself", PartOfSpeech::pronoun, 3},
    {"itself", PartOfSpeech::pronoun, 3},
    {"ourselves", PartOfSpeech::pronoun, 3, true},
    {"yourselves", PartOfSpeech::pronoun, 3, true},
    {"themselves", PartOfSpeech::pronoun, 3, true},
    {"in", PartOfSpeech::preposition},
    {"into", PartOfSpeech::preposition},
    {"on", PartOfSpeech::preposition},
    {"onto", PartOfSpeech::preposition},
    {"at", PartOfSpeech::preposition},
    {"to", PartOfSpeech::preposition},
    {"from", PartOfSpeech::preposition},
    {"with", PartOfSpeech::preposition},
    {"for", PartOfSpeech::preposition},
    {"of", PartOfSpeech::preposition},
    {"about", PartOfSpeech::preposition},
    {"by", PartOfSpeech::preposition},
    {"under", PartOfSpeech::preposition},
    {"behind", PartOfSpeech::preposition},
    {"near", PartOfSpeech::preposition},
    {"after", PartOfSpeech::preposition},
    {"before", PartOfSpeech::preposition},
    {"without", PartOfSpeech::preposition},
    {"except", PartOfSpeech::preposition},
    {"over", PartOfSpeech::preposition},
    {"above", PartOfSpeech::preposition},
    {"between", PartOfSpeech::preposition},
    {"during", PartOfSpeech::preposition},
    {"across", PartOfSpeech::preposition},
    {"through", PartOfSpeech::preposition},
    {"beyond", PartOfSpeech::preposition},
    {"since", PartOfSpeech::preposition},
    {"around", PartOfSpeech::preposition},
    {"against", PartOfSpeech::preposition},
    {"towards", PartOfSpeech::preposition},
    {"despite", PartOfSpeech::preposition},
    {"among", PartOfSpeech::preposition},
    {"until", PartOfSpeech::preposition},
    {"till", PartOfSpeech::preposition},
    {"below", PartOfSpeech::preposition},
    {"along", PartOfSpeech::preposition},
    {"beside", PartOfSpeech::preposition},
    {"within", PartOfSpeech::preposition},
    {"throughout", PartOfSpeech::preposition},
    {"than", PartOfSpeech::preposition},
    {"am", PartOfSpeech::auxiliary, 1},
    {"is", PartOfSpeech::auxiliary},
    {"are", PartOfSpeech::auxiliary, 3, true},
    {"was", PartOfSpeech::auxiliary},
    {"were", PartOfSpeech::auxiliary, 3, true},
    {"be", PartOfSpeech::auxiliary},
    {"been", PartOfSpeech::auxiliary},
    {"being", PartOfSpeech::auxiliary},
    {"have", PartOfSpeech::auxiliary},
    {"has", PartOfSpeech::auxiliary},
    {"had", PartOfSpeech::auxiliary},
    {"do", PartOfSpeech::auxiliary},
    {"does", PartOfSpeech::auxiliary},
    {"did", PartOfSpeech::auxiliary},
    {"will", PartOfSpeech::modal},
    {"would", PartOfSpeech::modal},
    {"can", PartOfSpeech::modal},
    {"could", PartOfSpeech::modal},
    {"must", PartOfSpeech::modal},
    {"should", PartOfSpeech::modal},
    {"may", PartOfSpeech::modal},
    {"might", PartOfSpeech::modal},
    {"shall", PartOfSpeech::modal},
    {"not", PartOfSpeech::negation},
    {"never", PartOfSpeech::negation},
    {"and", PartOfSpeech::conjunction},
    {"or", PartOfSpeech::conjunction},
    {"but", PartOfSpeech::conjunction},
    {"because", PartOfSpeech::conjunction},
    {"while", PartOfSpeech::conjunction},
    {"if", PartOfSpeech::conjunction},
    {"so", PartOfSpeech::conjunction},
    {"although", PartOfSpeech::conjunction},
    {"though", PartOfSpeech::conjunction},
    {"unless", PartOfSpeech::conjunction},
    {"whether", PartOfSpeech::conjunction},
    {"when", PartOfSpeech::question},
    {"where", PartOfSpeech::question},
    {"what", PartOfSpeech::question},
    {"who", PartOfSpeech::question},
    {"why", PartOfSpeech::question},
    {"how", PartOfSpeech::question},
    {"which", PartOfSpeech::question},
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
    {"it'll", "it", "will"},      {"hadn't", "had", "not"},       {"mustn't", "must", "not"},
    {"needn't", "need", "not"},   {"shan't", "shall", "not"},     {"i'd", "i", "would"},
    {"you'd", "you", "would"},    {"he'd", "he", "would"},        {"she'd", "she", "would"},
    {"we'd", "we", "would"},      {"they'd", "they", "would"},    {"it'd", "it", "would"},
};

constexpr std::string_view kObjectPronouns[] = {"me", "you", "him", "her", "us", "them"};

const FunctionWord* functionWord(std::string_view w) {
  for (const FunctionWord& f : kFunctionWords)
    if (f.word == w) return &f;
  return nullptr;
}

std::string lowerAscii(std::string_view w) {
  constexpr std::string_view kApostrophe = "\xE2\x80\x99";  // the typographic one in UTF-8
  std::string r;
  r.reserve(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    const char c = w[i];
    if (w.substr(i, kApostrophe.size()) == kApostrophe) {
      r += '\'';
      i += kApostrophe.size() - 1;
    } else {
      r += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : (c == '\x92' ? '\'' : c);
    }
  }
  return r;
}

bool endsWith(std::string_view w, std::string_view t) {
  return w.size() > t.size() && w.substr(w.size() - t.size()) == t;
}
// "I'd seen", "she'd already left", "we'd been": the "'d" before a participle is "had"; before
// anything else ("I'd love", "we'd rather") it is "would".
bool hadBeforeParticiple(const lexicon::CoreLexicon& core, const std::vector<std::string>& words,
                         std::size_t i) {
  static constexpr std::string_view kBetween[] = {"never",  "already", "just", "not",
                                                  "always", "ever",    "only"};
  std::size_t k = i + 1;
  while (k < words.size() && listed(kBetween, lowerAscii(words[k]))) ++k;
  if (k >= words.size()) return false;
  const std::string next = lowerAscii(words[k]);
  if (endsWith(next, "ed")) return !core.find(next, PartOfSpeech::verb);  // ("we'd need": "need")
  const std::vector<lexicon::IrregularForm> forms = core.irregular(next);
  return std::any_of(forms.begin(), forms.end(), [&](const lexicon::IrregularForm& f) {
    return f.pos == PartOfSpeech::verb && f.lemma != next;  // ("I'd put", "I'd come": "would")
  });
}

// "She's been living", "he's got", "it's never rained": the "'s" before "been" or a participle
// after "never" or "already" is "has"; before anything else ("she's tired", "it's broken") "is".
bool hasBeforeParticiple(const lexicon::CoreLexicon& core, const std::vector<std::string>& words,
                         std::size_t i) {
  if (i + 1 >= words.size()) return false;
  const std::string next = lowerAscii(words[i + 1]);
  if (next == "been" || next == "got" || next == "gone" || next == "had") return true;
  static constexpr std::string_view kBetween[] = {"never", "already", "just", "always", "ever"};
  return listed(kBetween, next) && hadBeforeParticiple(core, words, i);
}

bool isDoSupport(std::string_view w) { return w == "do" || w == "does" || w == "did"; }
// A verb form that a clause's subject stands before: "is", "can", "keeps", "lowered".
bool finiteVerbForm(const Token& t) {
  return t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal ||
         (t.tag == PartOfSpeech::verb && (t.form == VerbForm::third || t.form == VerbForm::past));
}


bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

struct Reading {
  std::string lemma;
  PartOfSpeech tag;
  VerbForm form = VerbForm::base;
  bool plural = false;
  double weight = 0;
  int degree = 0;
};

// The degree an adjective's form shows: "better", "bigger" 1; "best", "biggest" 2.
int degreeOfForm(std::string_view w) {
  if (w == "best" || w == "worst" || w == "least" || w == "most" || endsWith(w, "est")) return 2;
  if (w == "better" || w == "worse" || w == "less" || w == "more" || endsWith(w, "er")) return 1;
  return 0;
}

// Candidate lemmas of a regular ending: "stopped" -> stop, "liked" -> like, "studied" -> study.
std::vector<std::string> stripped(std::string_view w, std::string_view suffix) {
  std::vector<std::string> out;
  if (!endsWith(w, suffix)) return out;
  std::string base(w.substr(0, w.size() - suffix.size()));
  if (base.size() < 2) return out;
  out.push_back(base);
  // a lost "e", a doubled consonant and "y" only come back before a vowel: "cars" is no "care"
  if (!isVowel(suffix.front())) return out;
  out.push_back(base + "e");
  if (base.size() >= 3 && base.back() == base[base.size() - 2] && !isVowel(base.back()))
    out.push_back(base.substr(0, base.size() - 1));
  if (base.back() == 'i') out.push_back(base.substr(0, base.size() - 1) + "y");
  return out;
}

// The longest set phrase of the core lexicon that starts at word i ("at home", "every
// morning"), as one token; nothing when none does. Phrasal verbs are joined later, once the
// verb is known.
long long numberWordValue(std::string_view w);

std::optional<Token> setPhraseAt(const lexicon::CoreLexicon& core, const std::vector<std::string>& words,
                                 std::size_t i, const std::string& lower) {
  if (!core.hasPhraseStarting(lower)) return std::nullopt;
  std::string phrase = lower;
  std::size_t best = 0;
  const lexicon::Entry* bestEntry = nullptr;
  bool plural = false;
  // (six words at most: "on the way to work", "it was nice to meet you")
  for (std::size_t k = i + 1; k < words.size() && k < i + 6; ++k) {
    const std::string last = lowerAscii(words[k]);
    // a noun phrase's plural: "interest rates", "bus stops", "ghost stories", "lunch boxes"
    if (last.size() > 3 && last.back() == 's' && last[last.size() - 2] != 's') {
      const lexicon::Entry* e = core.find(phrase + " " + last.substr(0, last.size() - 1), PartOfSpeech::noun);
      if (!e && last.size() > 4 && last.ends_with("ies"))
        e = core.find(phrase + " " + last.substr(0, last.size() - 3) + "y", PartOfSpeech::noun);
      if (!e && last.size() > 4 && (last.ends_with("ches") || last.ends_with("shes") || last.ends_with("xes")))
        e = core.find(phrase + " " + last.substr(0, last.size() - 2), PartOfSpeech::noun);
      if (e) best = k - i + 1, bestEntry = e, plural = true;
    }
    phrase += " " + last;
    // ("Delivery is free of charge": after "be" the adjective, "ingyenes"; "park free of
    // charge" the adverb, "ingyen")
    const bool afterBe = i > 0 && formOfBe(lowerAscii(words[i - 1]));
    const lexicon::Entry* found = nullptr;
    for (const lexicon::Entry* e : core.entries(phrase))
      if (e->pos != PartOfSpeech::verb && !(afterBe && found && found->pos == PartOfSpeech::adjective))
        found = e;
    if (found) best = k - i + 1, bestEntry = found, plural = false;
  }
  if (!bestEntry) return std::nullopt;
  // "See you on Monday": "Hétfőn találkozunk"; a phrase of this kind opening with a verb is the
  // verb after "to", a modal or a subject ("I hope to see you", "Can I see you?")
  if (bestEntry->pos == PartOfSpeech::adverb && i > 0 && core.find(lower, PartOfSpeech::verb))
    if (const FunctionWord* f = functionWord(lowerAscii(words[i - 1]));
        f && (f->tag == PartOfSpeech::modal || f->tag == PartOfSpeech::pronoun ||
              lowerAscii(words[i - 1]) == "to"))
      return std::nullopt;
  // ("We had a good night", "at the moment he left": after an article or an owner the words are
  // a noun phrase)
  // (not before one that opens with a preposition: "have this in stock" is "raktáron")
  const FunctionWord* opening = functionWord(lower);
  // (not after an answer's "No": "No, thank you")
  if (bestEntry->pos == PartOfSpeech::adverb && i > 0 && !(opening && opening->tag == PartOfSpeech::preposition) &&
      !(i == 1 && lowerAscii(words[0]) == "no"))
    if (const FunctionWord* f = functionWord(lowerAscii(words[i - 1]));
        f && (f->tag == PartOfSpeech::determiner || f->tag == PartOfSpeech::possessive))
      return std::nullopt;
  // "calling for free check-ups", "for good reason": a phrase of a preposition and an adjective
  // before a noun is no phrase, the adjective is the noun's ("ingyenes kivizsgálás", where
  // "work for free" is "ingyen")
  if (bestEntry->pos == PartOfSpeech::adverb && best == 2 && opening && opening->tag == PartOfSpeech::preposition &&
      i + 2 < words.size() && core.find(lowerAscii(words[i + 1]), PartOfSpeech::adjective)) {
    const std::string next = lowerAscii(words[i + 2]);
    const std::string singular = next.size() > 3 && next.back() == 's' ? next.substr(0, next.size() - 1) : next;
    if ((core.find(next, PartOfSpeech::noun) || core.find(singular, PartOfSpeech::noun)) &&
        !core.find(next, PartOfSpeech::adverb) && !functionWord(next))
      return std::nullopt;
  }
  // "more and more people" is a growing count ("egyre több ember"); "more and more difficult"
  // a growing degree, the adjective's ("egyre nehezebb")
  if (bestEntry->lemma == "more and more") {
    const std::string next = i + best < words.size() ? lowerAscii(words[i + best]) : std::string();
    const std::string singular = next.size() > 3 && next.back() == 's' ? next.substr(0, next.size() - 1) : next;
    if (next.empty() || (!core.find(next, PartOfSpeech::noun) && !core.find(singular, PartOfSpeech::noun)) ||
        core.find(next, PartOfSpeech::adverb))
      return std::nullopt;
  }
  // ("I'd love to": "Nagyon szívesen" as a reply; "I'd love to help" wants what follows,
  // "Szívesen segítenék")
  if (bestEntry->pos == PartOfSpeech::adverb && bestEntry->lemma.ends_with(" to") && i + best < words.size() &&
      core.find(lowerAscii(words[i + best]), PartOfSpeech::verb))
    return std::nullopt;
  // a sign's "No parking" ("Tilos a parkolás") opens what it says; "There is no parking" counts
  if (bestEntry->pos == PartOfSpeech::adverb && i > 0 && lower == "no" && bestEntry->lemma != "no longer")
    return std::nullopt;
  // "in the past" is "korábban", but "in the past ten years", "in the past few weeks", "in the
  // past month" count a span back from now, "az elmúlt tíz évben": "past" is the span's adjective
  if (bestEntry->pos == PartOfSpeech::adverb && bestEntry->lemma.ends_with("the past") && i + best < words.size()) {
    const std::string next = lowerAscii(words[i + best]);
    const std::string singular = next.size() > 3 && next.back() == 's' ? next.substr(0, next.size() - 1) : next;
    if (numberWordValue(next) >= 0 || (!next.empty() && next[0] >= '0' && next[0] <= '9') || next == "few" ||
        next == "couple" || next == "several" || unitOfTime(next) || unitOfTime(singular))
      return std::nullopt;
  }
  // "at the bottom" is "alul", but "at the bottom of the page" names the page's bottom
  if (bestEntry->pos == PartOfSpeech::adverb && i + best < words.size() &&
      lowerAscii(words[i + best]) == "of")
    return std::nullopt;
  Token t;
  t.lower = t.lemma = bestEntry->lemma;
  t.tag = bestEntry->pos;
  t.plural = plural;
  t.entry = bestEntry;
  t.word = i;
  t.words = best;
  t.written = words[i];
  // "this year's results": the time's adjective ("az idei eredmények"), standing for the article
  t.timeOwner = bestEntry->pos == PartOfSpeech::adjective && endsWith(bestEntry->lemma, "'s");
  return t;
}

// The English number words and their values; "hundred" and above multiply what stands before.
struct NumberWord {
  std::string_view word;
  long long value;
};
constexpr NumberWord kNumberWords[] = {
    {"zero", 0},         {"one", 1},      {"two", 2},        {"three", 3},     {"four", 4},
    {"five", 5},         {"six", 6},      {"seven", 7},      {"eight", 8},     {"nine", 9},
    {"ten", 10},         {"eleven", 11},  {"twelve", 12},    {"thirteen", 13}, {"fourteen", 14},
    {"fifteen", 15},     {"sixteen", 16}, {"seventeen", 17}, {"eighteen", 18}, {"nineteen", 19},
    {"twenty", 20},      {"thirty", 30},  {"forty", 40},     {"fifty", 50},    {"sixty", 60},
    {"seventy", 70},     {"eighty", 80},  {"ninety", 90},    {"hundred", 100}, {"thousand", 1000},
    {"million", 1000000}};

// The value of one number word, hyphenated ("twenty-five") or in digits ("1900"); -1 if none.
// Digits as Hungarian prints them: thousands without a comma, past four digits in groups of three
// ("2000", "25 000"), a decimal comma ("1,5"); a clock time ("7.30") and any other word stay as
// written.
std::string digitsAsHungarianWrites(const std::string& written) {
  if (written.find(',') != std::string::npos) {
    const long long n = numberWordValue(written);
    if (n < 0) return written;
    std::string digits = std::to_string(n);
    if (digits.size() > 4)
      for (std::size_t at = digits.size() - 3; at > 0; at = at > 3 ? at - 3 : 0) digits.insert(at, " ");
    return digits;
  }
  const std::size_t stop = written.find('.');
  if (stop == std::string::npos || stop == 0 || stop + 1 >= written.size() ||
      !std::all_of(written.begin(), written.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }) ||
      written.find('.', stop + 1) != std::string::npos)
    return written;
  // ("7.30" is half past seven: two digits of minutes after an hour)
  if (written.size() - stop - 1 == 2 && stop <= 2) return written;
  std::string decimal = written;
  decimal[stop] = ',';
  return decimal;
}

long long numberWordValue(std::string_view w) {
  if (w.empty() || w.size() > 18) return -1;
  if (std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::stoll(std::string(w));
  // "2,000", "1,500,000": thousands after commas, three digits each
  if (w[0] >= '0' && w[0] <= '9' && w.find(',') != std::string_view::npos) {
    std::string digits;
    for (std::size_t at = 0;;) {
      const std::size_t comma = w.find(',', at);
      const std::string_view group = w.substr(at, comma == std::string_view::npos ? w.npos : comma - at);
      if (group.empty() || (at > 0 && group.size() != 3) || (at == 0 && group.size() > 3) ||
          !std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
      digits += group;
      if (comma == std::string_view::npos) break;
      at = comma + 1;
    }
    return std::stoll(digits);
  }
  if (const std::size_t hyphen = w.find('-'); hyphen != std::string_view::npos) {
    const long long tens = numberWordValue(w.substr(0, hyphen)), unit = numberWordValue(w.substr(hyphen + 1));
    return tens >= 20 && tens < 100 && tens % 10 == 0 && unit > 0 && unit < 10 ? tens + unit : -1;
  }
  for (const NumberWord& n : kNumberWords)
    if (n.word == w) return n.value;
  return -1;
}

// The value of an English ordinal, in words ("sixth", "twelfth", "twenty-first", "sixtieth")
// or in digits ("14th", "112th"); -1 if none.
long long ordinalWordValue(std::string_view w) {
  static constexpr std::pair<std::string_view, long long> kIrregular[] = {
      {"first", 1}, {"second", 2}, {"third", 3}, {"fifth", 5}, {"eighth", 8}, {"ninth", 9}, {"twelfth", 12}};
  for (const auto& [word, value] : kIrregular)
    if (w == word) return value;
  const bool suffixed = w.ends_with("st") || w.ends_with("nd") || w.ends_with("rd") || w.ends_with("th");
  if (suffixed && !w.empty() && w[0] >= '0' && w[0] <= '9') {
    const std::string_view digits = w.substr(0, w.size() - 2);
    const bool allDigits = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                          [](char c) { return c >= '0' && c <= '9'; });
    return allDigits ? numberWordValue(digits) : -1;
  }
  if (const std::size_t hyphen = w.find('-'); hyphen != std::string_view::npos) {
    const long long tens = numberWordValue(w.substr(0, hyphen)),
                    unit = ordinalWordValue(w.substr(hyphen + 1));
    return tens >= 20 && tens < 100 && tens % 10 == 0 && unit > 0 && unit < 10 ? tens + unit : -1;
  }
  if (w.ends_with("ieth"))
    return numberWordValue(std::string(w.substr(0, w.size() - 4)) + "y");  // "sixtieth"
  if (w.ends_with("th")) {
    const long long n = numberWordValue(w.substr(0, w.size() - 2));  // "sixth", "hundredth"
    return n >= 4 ? n : -1;
  }
  return -1;
}

// "her 112th birthday", "the sixtieth anniversary": an ordinal the lexicon leaves out is an
// adjective, written as Hungarian writes it, in digits with a full stop ("112.") or in words
// ("hatvanadik"); the first few have entries of their own, with their other uses ("First, ...").
void ordinalsAsAdjectives(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (Token& t : toks) {
    if (t.tag != PartOfSpeech::other && t.tag != PartOfSpeech::number) continue;
    const long long n = ordinalWordValue(t.lower);
    if (n <= 0 || core.find(t.lower, PartOfSpeech::adjective)) continue;
    const bool digits = t.lower[0] >= '0' && t.lower[0] <= '9';
    t.tag = PartOfSpeech::adjective;
    t.value = -1;
    t.dictionarySenses = {digits ? std::to_string(n) + "." : ordinalInWords(n)};
  }
}

// The "-s" adjective of what a noun counts, linked as its plural is ("oldal": "oldalak",
// "oldalas"; "szoba": "szobás"), from the noun's first sense; empty when the lexicon has no
// noun of one word.
std::string countedAdjective(const lexicon::CoreLexicon& core, std::string_view noun) {
  const lexicon::Entry* e = core.find(std::string(noun), PartOfSpeech::noun);
  if (!e || e->senses.empty() || !isInflectableWord(e->senses.front().word)) return {};
  const lexicon::Sense& s = e->senses.front();
  const std::string plural = s.plural.empty() ? pluralOf(s.word, WordClass::noun) : s.plural;
  if (!plural.ends_with('k')) return {};
  return plural.substr(0, plural.size() - 1) + "s";
}

// A number made the adjective of what it counts, "-s" ending given. Digits stand apart from the
// ending ("10 éves"). An age said in words after the numeral ("fifteen years old") is one word
// only with a simple numeral ("tízéves"), as it is usually printed ("tizenöt éves", "négyszáz
// éves"); a hyphenated English compound stays one word.
void makeCountedAdjective(Token& t, long long n, bool digits, std::string_view suffix, bool apart = false) {
  t.tag = PartOfSpeech::adjective;
  t.value = -1;
  const bool simple = n >= 1 && (n <= 10 || (n % 10 == 0 && n <= 100));
  t.dictionarySenses = {digits ? std::to_string(n) + " " + std::string(suffix)
                               : numberInWords(n, true) + (apart && !simple ? " " : "") + std::string(suffix)};
}

// "a ten-year-old boy", "a two-hour delay", "a five-page letter": a number and what it counts
// in one hyphenated word are an adjective, the Hungarian number and the counted noun's "-s"
// adjective in one word ("tízéves", "kétórás", "ötoldalas"; in digits apart, "10 éves"); "She
// is ten years old" likewise: "Tízéves".
void agesAndLengths(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
      {"year", "\xC3\xA9ves"}, {"month", "h\xC3\xB3napos"},    {"week", "hetes"},
      {"day", "napos"},        {"hour", "\xC3\xB3r\xC3\xA1s"}, {"minute", "perces"}};
  // counted things whose adjective takes "-ú/-ű" or another noun ("hatjegyű", "kétirányú"; a
  // flat counts its rooms, "a two-bedroom flat" is "kétszobás")
  static constexpr std::pair<std::string_view, std::string_view> kCountedOtherwise[] = {
      {"digit", "jegy\xC5\xB1"},   {"wheel", "kerek\xC5\xB1"}, {"leg", "l\xC3\xA1" "b\xC3\xBA"},
      {"way", "ir\xC3\xA1ny\xC3\xBA"}, {"colour", "sz\xC3\xADn\xC5\xB1"}, {"color", "sz\xC3\xADn\xC5\xB1"},
      {"bedroom", "szob\xC3\xA1s"}};
  auto unitAdjective = [&](std::string_view unit) -> const std::string_view* {
    if (unit.ends_with('s')) unit.remove_suffix(1);
    for (const auto& [english, hungarian] : kUnits)
      if (english == unit) return &hungarian;
    return nullptr;
  };
  auto countedAdjectiveOf = [&](std::string_view unit) -> std::string {
    for (const auto& [english, hungarian] : kCountedOtherwise)
      if (english == unit) return std::string(hungarian);
    return countedAdjective(core, unit);
  };
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& t = toks[i];
    const bool digits = !t.lower.empty() && t.lower[0] >= '0' && t.lower[0] <= '9';
    // "ten years old", "three months old"
    if (i + 2 < toks.size() && t.tag == PartOfSpeech::number && t.value > 0 && t.value < 1000 &&
        toks[i + 2].lower == "old" && toks[i + 1].lower != "day" && toks[i + 1].lower != "days")
      if (const std::string_view* suffix = unitAdjective(toks[i + 1].lower)) {
        makeCountedAdjective(t, t.value, digits, *suffix, true);
        t.lower = t.lemma = t.lower + " " + toks[i + 1].lower + " old";
        t.written += " " + toks[i + 1].written + " " + toks[i + 2].written;
        t.words = toks[i + 2].word + toks[i + 2].words - t.word;
        t.pauseAfter = toks[i + 2].pauseAfter;
        toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(i) + 3);
        // "is over four hundred years old": more than the age, "több mint négyszáz éves" (after a
        // noun, "children over ten", the age is a limit and stays apart)
        if (i >= 2 && toks[i - 1].lower == "over" && (formOfBe(toks[i - 2].lower) || toks[i - 2].lower == "being")) {
          Token& age = toks[i];
          age.dictionarySenses[0] = "t\xC3\xB6" "bb mint " + age.dictionarySenses[0];
          age.written = toks[i - 1].written + " " + age.written;
          age.lower = age.lemma = "over " + age.lower;
          age.words += age.word - toks[i - 1].word;
          age.word = toks[i - 1].word;
          toks.erase(toks.begin() + std::ptrdiff_t(i) - 1);
          --i;
        }
        continue;
      }
    // "must be over 21", "is under 18": a bare number over or under which one is is an age, "21
    // év feletti", "18 év alatti"
    if (i >= 2 && t.tag == PartOfSpeech::number && t.value > 0 && t.value < 130 && digits &&
        (toks[i - 1].lower == "over" || toks[i - 1].lower == "under") &&
        (formOfBe(toks[i - 2].lower) || toks[i - 2].lower == "be") &&
        (i + 1 == toks.size() || t.pauseAfter ||
         (toks[i + 1].tag != PartOfSpeech::noun && toks[i + 1].tag != PartOfSpeech::other &&
          toks[i + 1].tag != PartOfSpeech::number))) {
      const bool over = toks[i - 1].lower == "over";
      t.tag = PartOfSpeech::adjective;
      t.value = -1;
      t.dictionarySenses = {t.lower + (over ? " \xC3\xA9v feletti" : " \xC3\xA9v alatti")};  // "év"
      t.words += t.word - toks[i - 1].word;
      t.word = toks[i - 1].word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) - 1);
      --i;
      continue;
    }
    // "ten-year-old", "two-hour"
    if (t.tag != PartOfSpeech::other && t.tag != PartOfSpeech::number) continue;
    std::string_view w = t.lower;
    if (w.ends_with("-old")) w.remove_suffix(4);
    const std::size_t hyphen = w.rfind('-');
    if (hyphen == std::string_view::npos || w.substr(hyphen + 1).ends_with('s')) continue;
    const std::string_view* suffix = unitAdjective(w.substr(hyphen + 1));
    const long long n = numberWordValue(w.substr(0, hyphen));
    if (n <= 0 || n >= 1000) continue;
    if (suffix) {
      makeCountedAdjective(t, n, digits, *suffix);
    } else if (n > 1 && numberWordValue(w.substr(hyphen + 1)) < 0 && ordinalWordValue(w.substr(hyphen + 1)) < 0) {
      // ("one-off", "one-sided" count nothing; "twenty-third" is an ordinal)
      const std::string counted = countedAdjectiveOf(w.substr(hyphen + 1));
      if (!counted.empty()) makeCountedAdjective(t, n, digits, counted);
    }
  }
}

// A unit's symbol with the ending of its adjective after a hyphen, as its spoken word takes it
// ("kg-os" of "kilogramm", "km-es" of "kilométer"); empty for another word. (A speed's "km/h-s"
// is left out: the spelling dictionaries know no form with a slash.)
std::string symbolAdjective(std::string_view symbol, std::string_view written) {
  static constexpr std::pair<std::string_view, std::string_view> kSymbols[] = {
      {"kg", "os"}, {"g", "os"},  {"km", "es"}, {"m", "es"},  {"cm", "es"}, {"mm", "es"},
      {"ml", "es"}, {"mb", "os"}, {"gb", "os"}, {"tb", "os"}, {"kw", "os"}};
  for (const auto& [unit, ending] : kSymbols)
    if (unit == symbol) return std::string(written) + "-" + std::string(ending);
  return {};
}

// A number written in digits and the symbol of a unit, either of them the tokens at i and i + 1,
// made the "-s" adjective of a noun, as one token at i: "5 kg-os", "10 km-es". False, and the
// tokens untouched, when they are no such thing.
bool symbolMeasureAt(std::vector<Token>& toks, std::size_t i) {
  if (i + 1 >= toks.size() || toks[i].tag != PartOfSpeech::number || toks[i].value <= 0 ||
      toks[i].lower != std::to_string(toks[i].value) || toks[i].pauseAfter)
    return false;
  const std::string suffix = symbolAdjective(toks[i + 1].lower, toks[i + 1].written);
  if (suffix.empty()) return false;
  makeCountedAdjective(toks[i], toks[i].value, true, suffix, true);
  toks[i].entry = nullptr;
  toks[i].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
  toks[i].pauseAfter = toks[i + 1].pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
  return true;
}

// "a 5 kg bag", "a 10 km run": a number and a unit's symbol before a noun are its adjective ("egy
// 5 kg-os táska", "egy 10 km-es futás")
void symbolMeasuresBeforeNouns(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i + 2].tag == PartOfSpeech::noun && !toks[i + 1].pauseAfter) symbolMeasureAt(toks, i);
}

// "a carp weighing nearly twenty kilograms", "a tunnel measuring 300 metres": the weight or
// size of a thing after it is its "-s" adjective before the noun, with the bound the number
// had ("közel húszkilós ponty", "300 méteres alagút"); so is a measure after "of" ("gusts of up
// to 50 km": "akár 50 km-es dugók", "a delay of two hours": "kétórás késés")
void measuresAfterNouns(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kMeasuring[] = {"weighing", "measuring", "lasting", "costing", "of"};
  // (what "of" measures: a unit, not a count of things, "a group of ten students")
  static constexpr std::string_view kUnitsOfMeasure[] = {
      "kilometre", "kilometer", "metre", "meter", "centimetre", "centimeter", "litre", "liter", "gram",
      "kilo", "kilogram", "degree", "euro", "dollar", "pound", "forint", "percent", "mile",
      "minute", "hour", "day", "week", "month", "year"};
  static constexpr std::pair<std::string_view, std::string_view> kBounds[] = {
      {"nearly", "k\xC3\xB6zel"}, {"almost", "k\xC3\xB6zel"},   {"about", "mintegy"},
      {"around", "mintegy"},      {"roughly", "mintegy"},      {"approximately", "mintegy"},
      {"over", "t\xC3\xB6" "bb mint"}, {"at least", "legal\xC3\xA1" "bb"}, {"up to", "ak\xC3\xA1r"}};
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    if (toks[i].tag != PartOfSpeech::noun || !listed(kMeasuring, toks[i + 1].lower) || toks[i].pauseAfter) continue;
    std::size_t n = i + 2;
    std::string_view bound;
    for (const auto& [english, hungarian] : kBounds)
      if (toks[n].lower == english) bound = hungarian;
    if (!bound.empty()) ++n;
    if (n + 1 >= toks.size() || toks[n].tag != PartOfSpeech::number || toks[n].value <= 0) continue;
    // the unit as the lexicon has it ("kilograms": "kilo", as a carp is "húszkilós")
    std::string unit = toks[n + 1].lower;
    if (unit.size() > 3 && unit.back() == 's' && !core.find(unit, PartOfSpeech::noun)) unit.pop_back();
    const bool of = toks[i + 1].lower == "of";
    if (of && (n + 2 < toks.size() && !toks[n + 1].pauseAfter && toks[n + 2].tag == PartOfSpeech::noun)) continue;
    if (of && symbolMeasureAt(toks, n)) {
      Token measure = std::move(toks[n]);
      if (!bound.empty()) measure.dictionarySenses[0] = std::string(bound) + " " + measure.dictionarySenses[0];
      measure.words += measure.word - toks[i + 1].word;
      measure.word = toks[i + 1].word;
      toks[i].pauseAfter = measure.pauseAfter;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(n) + 1);
      toks.insert(toks.begin() + std::ptrdiff_t(i), std::move(measure));
      ++i;
      continue;
    }
    if (of && !listed(kUnitsOfMeasure, unit)) continue;
    if (unit == "kilogram" || unit == "kilogramme" || unit == "kg") unit = "kilo";
    const std::string suffix = countedAdjective(core, unit);
    if (suffix.empty()) continue;
    Token measure = toks[n];
    const bool digits = measure.lower[0] >= '0' && measure.lower[0] <= '9';
    makeCountedAdjective(measure, measure.value, digits, suffix, true);
    measure.entry = nullptr;  // (the number word's own sense is no longer its)
    if (!bound.empty()) measure.dictionarySenses[0] = std::string(bound) + " " + measure.dictionarySenses[0];
    measure.word = toks[i + 1].word;
    measure.words = toks[n + 1].word + toks[n + 1].words - measure.word;
    measure.pauseAfter = toks[n + 1].pauseAfter;
    toks[i].pauseAfter = measure.pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(n) + 2);
    toks.insert(toks.begin() + std::ptrdiff_t(i), std::move(measure));
    ++i;
  }
}

// "300 metres long", "two hours long": "long" after a counted measure is how long the thing is,
// the adjective ("300 méter hosszú"), not "for a long time"
void longByAMeasure(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 2; i < toks.size(); ++i)
    if (toks[i].lower == "long" && toks[i].tag != PartOfSpeech::adjective &&
        toks[i - 1].tag == PartOfSpeech::noun && toks[i - 1].plural == (toks[i - 2].value != 1) &&
        toks[i - 2].tag == PartOfSpeech::number)
      if (const lexicon::Entry* e = core.find("long", PartOfSpeech::adjective))
        toks[i].tag = PartOfSpeech::adjective, toks[i].entry = e, toks[i].dictionarySenses.clear();
}

// Number words in a row make one number: "two hundred and fifty" is 250, "a hundred" 100.
// "2 million", "1.5 billion", "25 thousand": digits at i and a power of a thousand in words
// after them, one number as Hungarian prints it ("2 millió", "1,5 milliárd", "25 ezer"); none
// where the words are no such pair.
std::optional<Token> digitsTimesAPower(const std::vector<Token>& toks, std::size_t i) {
  static constexpr std::tuple<std::string_view, long long, std::string_view> kPowers[] = {
      {"thousand", 1000, "ezer"}, {"million", 1000000, "milli\xC3\xB3"}, {"billion", 1000000000, "milli\xC3\xA1rd"}};
  const Token& digits = toks[i];
  if (digits.tag != PartOfSpeech::number || digits.lower.empty() || digits.lower[0] < '0' || digits.lower[0] > '9' ||
      i + 1 >= toks.size())
    return std::nullopt;
  const auto power = std::find_if(std::begin(kPowers), std::end(kPowers),
                                  [&](const auto& p) { return std::get<0>(p) == toks[i + 1].lower; });
  if (power == std::end(kPowers)) return std::nullopt;
  // ("2,000" has a thousands' comma; "2,5", as some write it, a decimal one)
  std::string plain = digits.lower;
  if (numberWordValue(plain) >= 0)
    std::erase(plain, ',');
  else
    std::replace(plain.begin(), plain.end(), ',', '.');
  if (plain.size() > 12 || std::count(plain.begin(), plain.end(), '.') > 1 ||
      !std::all_of(plain.begin(), plain.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
    return std::nullopt;
  const auto& [english, times, hungarian] = *power;
  Token t = digits;
  t.value = std::llround(std::stod(plain) * double(times));
  t.written += " " + std::string(hungarian);
  t.lower += " " + std::string(english);
  t.lemma = t.lower;
  t.words = toks[i + 1].word + toks[i + 1].words - t.word;
  return t;
}

std::vector<Token> joinNumbers(std::vector<Token> toks) {
  std::vector<Token> out;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    if (std::optional<Token> t = digitsTimesAPower(toks, i)) {
      out.push_back(std::move(*t));
      ++i;
      continue;
    }
    const bool article = (toks[i].lower == "a" || toks[i].lower == "one") && i + 1 < toks.size() &&
                         (toks[i + 1].lower == "hundred" || toks[i + 1].lower == "thousand");
    if (toks[i].tag != PartOfSpeech::number && !article) {
      out.push_back(std::move(toks[i]));
      continue;
    }
    long long total = 0, group = article ? 1 : 0;
    std::size_t k = article ? i + 1 : i;
    bool any = false;
    for (; k < toks.size(); ++k) {
      const long long v = numberWordValue(toks[k].lower);
      if (v < 0 && toks[k].lower == "and" && any && k + 1 < toks.size() &&
          numberWordValue(toks[k + 1].lower) > 0 && numberWordValue(toks[k + 1].lower) < 100)
        continue;  // "two hundred and fifty"
      if (v < 0 || toks[k].tag != PartOfSpeech::number) break;
      const bool digits = toks[k].lower[0] >= '0' && toks[k].lower[0] <= '9';
      if (digits && any) break;
      any = true;
      if (v >= 1000)
        total += (group ? group : 1) * v, group = 0;
      else if (v == 100)
        group = (group ? group : 1) * 100;
      else
        group += v;
      if (digits) {
        ++k;
        break;
      }
    }
    if (!any) {
      out.push_back(std::move(toks[i]));
      continue;
    }
    Token t = std::move(toks[i]);
    t.tag = PartOfSpeech::number;
    t.value = total + group;
    const Token& last = toks[k - 1];
    t.words = last.word + last.words - t.word;
    for (std::size_t m = i + 1; m < k; ++m)
      t.lower += " " + toks[m].lower, t.written += " " + toks[m].written;
    t.lemma = t.lower;
    out.push_back(std::move(t));
    i = k - 1;
  }
  return out;
}

// The noun entry of a word that has a sense of its own when written with a capital ("May",
// "March"), if any.
const lexicon::Entry* capitalNoun(const lexicon::CoreLexicon& core, std::string_view lower) {
  const lexicon::Entry* e = core.find(lower, PartOfSpeech::noun);
  if (!e) return nullptr;
  for (const lexicon::Sense& s : e->senses)
    if (s.capital) return e;
  return nullptr;
}

// Prepositions of several words, each one Hungarian postposition: "because of the rain": "az eső
// miatt".
constexpr std::string_view kPhrasePrepositions[] = {
    "because of",  "due to",     "instead of",          "in front of",     "next to",    "according to",
    "in spite of", "in case of", "out of the reach of", "out of reach of", "apart from", "except for",
    "on behalf of", "all through", "in time for", "across from"};
// ... and the one pronoun of two words
constexpr std::string_view kEachOther = "each other";

// The words from `i` if they are `phrase`, as one token.
// (`first`: the word at `i` in lower case, which most phrases fail on before any joining)
std::optional<Token> phraseAt(const std::vector<std::string>& words, std::size_t i, std::string_view first,
                              std::string_view phrase) {
  if (!phrase.starts_with(first) || (phrase.size() > first.size() && phrase[first.size()] != ' '))
    return std::nullopt;
  std::string joined;
  std::size_t k = i;
  while (k < words.size() && joined.size() < phrase.size()) {
    if (!joined.empty()) joined += ' ';
    joined += lowerAscii(words[k++]);
  }
  if (joined != phrase) return std::nullopt;
  Token t;
  t.lower = t.lemma = t.written = std::string(phrase);
  t.word = i;
  t.words = k - i;
  return t;
}

// The function word of several words that starts at word `i`, as one token.
std::optional<Token> phraseFunctionWordAt(const std::vector<std::string>& words, std::size_t i,
                                          std::string_view lower) {
  for (std::string_view phrase : kPhrasePrepositions) {
    if (std::optional<Token> t = phraseAt(words, i, lower, phrase)) {
      t->tag = PartOfSpeech::preposition;
      return t;
    }
  }
  if (std::optional<Token> t = phraseAt(words, i, lower, kEachOther)) {
    t->tag = PartOfSpeech::pronoun;  // "ismerjük egymást"
    t->plural = true;
    return t;
  }
  return std::nullopt;
}

// Contractions split, function words tagged from the table, numbers, set phrases joined; every
// other word stays PartOfSpeech::other until its reading is chosen.
std::vector<Token> tokenize(const lexicon::CoreLexicon& core, const std::vector<std::string>& words,
                            bool titleCase) {
  std::vector<Token> toks;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string lower = lowerAscii(words[i]);
    if (std::optional<Token> prep = phraseFunctionWordAt(words, i, lower)) {
      i += prep->words - 1;
      toks.push_back(std::move(*prep));
      continue;
    }
    if (std::optional<Token> phrase = setPhraseAt(core, words, i, lower)) {
      i += phrase->words - 1;
      toks.push_back(std::move(*phrase));
      continue;
    }
    const Contraction* c = nullptr;
    for (const Contraction& k : kContractions)
      if (k.form == lower) c = &k;
    std::vector<std::string> parts;
    // "Anna's", and a plural's bare apostrophe: "my parents'"
    const bool pluralPossessor = !c && lower.size() > 2 && endsWith(lower, "s'");
    const bool possessor =
        !c && ((endsWith(lower, "'s") && !functionWord(lower) && lower != "let's") || pluralPossessor);
    const std::size_t mark = pluralPossessor ? 1 : 2;
    if (c)
      parts = {std::string(c->first),
               c->second == "would" && hadBeforeParticiple(core, words, i) ? "had"
               : c->second == "is" && hasBeforeParticiple(core, words, i)
                   ? "has"
                   : std::string(c->second)};
    else if (possessor)
      parts = {lower.substr(0, lower.size() - mark)};
    else
      parts = {lower};
    for (const std::string& p : parts) {
      Token t;
      t.lower = t.lemma = p;
      t.word = i;
      t.written = c ? p : possessor ? words[i].substr(0, words[i].size() - mark) : words[i];
      t.possessor = possessor;
      t.capitalised =
          i > 0 && !c && !titleCase && !words[i].empty() && words[i][0] >= 'A' && words[i][0] <= 'Z';
      // ("the IT help desk": "IT" in capitals is the noun, "It" after a quotation's mark the pronoun)
      const bool capitalSense = t.capitalised && (p != "it" || words[i] == "IT");
      if (const lexicon::Entry* month = capitalSense ? capitalNoun(core, p) : nullptr) {
        t.tag = PartOfSpeech::noun;  // "in May": the month, not the modal
        t.entry = month;
      } else if (const FunctionWord* f = functionWord(p)) {
        t.tag = f->tag;
        t.person = f->person;
        t.plural = f->plural;
      } else if ((!p.empty() && p[0] >= '0' && p[0] <= '9') || core.find(p, PartOfSpeech::number) ||
                 numberWordValue(p) >= 0) {
        t.tag = PartOfSpeech::number;
        t.written = digitsAsHungarianWrites(t.written);
      }
      if (p == "there" || p == "here" || p == "please" || p == "let's") t.tag = PartOfSpeech::other;
      // "the guest whose room was cold": the owner the relative clause speaks of, its noun owned
      // as by "his" ("akinek a szobája"); a question's "whose" opens the sentence
      if (p == "whose" && i > 0) t.tag = PartOfSpeech::possessive;
      toks.push_back(std::move(t));
    }
  }
  return toks;
}

// A word English leaves unsaid ("to" in "likes to sing" for "likes singing"), said by no word of
// its own and standing at the place of word `at`.
Token impliedWord(std::string_view word, PartOfSpeech tag, std::size_t at) {
  Token t;
  t.lower = t.lemma = t.written = std::string(word);
  t.tag = tag;
  t.word = at;
  t.words = 0;
  return t;
}

// Before `end` the sentence tells what happened: a past verb, with no imperative opening it
// ("She picked up the phone, then ...", not "Open the box, then ...").
bool pastNarrative(const std::vector<Token>& toks, std::size_t end) {
  if (toks.empty() || (toks[0].tag == PartOfSpeech::verb && toks[0].form == VerbForm::base)) return false;
  return std::any_of(toks.begin(), toks.begin() + std::ptrdiff_t(std::min(end, toks.size())),
                     [](const Token& k) { return k.tag == PartOfSpeech::verb && k.form == VerbForm::past; });
}

// The word at `i`, a comma or "and" after it, opens a list that an auxiliary follows ("Bread,
// milk and eggs are on the table"): the list is the subject, not a command.
bool listBeforeAuxiliary(const std::vector<Token>& toks, std::size_t i) {
  // ("Bread and milk are cheap": "and" right after it as well)
  if (!toks[i].pauseAfter &&
      !(i + 1 < toks.size() && (toks[i + 1].lower == "and" || toks[i + 1].lower == "or")))
    return false;
  bool joined = false;
  for (std::size_t k = i + 1; k < toks.size() && k < i + 12; ++k) {
    if (toks[k].lower == "and" || toks[k].lower == "or") joined = true;
    if (toks[k].tag == PartOfSpeech::auxiliary || toks[k].tag == PartOfSpeech::modal)
      return joined && toks[k - 1].lower != "and";
    if (toks[k].tag == PartOfSpeech::pronoun) return false;
  }
  return false;
}

// Words after which "to" and a verb make an infinitive, not a preposition and a noun.
bool takesInfinitive(const Token& t) {
  static constexpr std::string_view kWords[] = {
      "have",   "has",      "had",   "going",     "ought",     "used",   "able",    "want",   "like",
      "love",   "hate",     "need",  "try",       "decide",    "plan",   "hope",    "begin",  "start",
      "forget", "remember", "learn", "seem",      "wish",      "agree",  "refuse",  "manage", "promise",
      "expect", "afford",   "offer", "prefer",    "continue",  "fail",   "happy",   "glad",   "ready",
      "sorry",  "easy",     "hard",  "difficult", "important", "likely", "unlikely", "regret"};
  return listed(kWords, t.lemma) || listed(kWords, t.lower);
}

// Every reading a content word may have (lemma, part of speech, form), weighed by the core
// lexicon and WordNet's sense counts; none when nothing knows the word.
std::vector<Reading> readingsOf(const lexicon::CoreLexicon& core, const Token& t) {
  std::vector<Reading> out;
  auto weigh = [&](const std::string& lemma, PartOfSpeech tag) -> double {
    double w = 0;
    if (core.find(lemma, tag)) w += 50;
    if (const lexicon::PosCounts* c = core.counts(lemma)) {
      const uint32_t n = c->of(tag);
      if (n) w += 1 + std::log2(double(n));
    }
    return w;
  };
  auto add = [&](const std::string& lemma, PartOfSpeech tag, VerbForm form, bool plural, int degree = 0) {
    const double w = weigh(lemma, tag);
    if (w > 0) out.push_back({lemma, tag, form, plural, w, degree});
  };
  const std::string& w = t.lower;
  for (const lexicon::IrregularForm& f : core.irregular(w)) {
    if (f.pos == PartOfSpeech::verb) {
      // (WordNet lists the "-ing" of a doubled consonant too: "running", "shopping")
      add(f.lemma, PartOfSpeech::verb, endsWith(w, "ing") ? VerbForm::ing : VerbForm::past, false);
    } else if (f.pos == PartOfSpeech::noun) {
      // ("gas" is listed as its own plural: one, as "a smell of gas" means)
      add(f.lemma, PartOfSpeech::noun, VerbForm::base, f.lemma != w);
    } else {
      add(f.lemma, PartOfSpeech::adjective, VerbForm::base, false, degreeOfForm(w));
    }
  }
  // ("people", the plural of "person", has an entry of its own: "az emberek")
  for (PartOfSpeech tag : {PartOfSpeech::noun, PartOfSpeech::verb, PartOfSpeech::adjective,
                           PartOfSpeech::adverb, PartOfSpeech::number})
    add(w, tag, VerbForm::base, tag == PartOfSpeech::noun && w == "people");
  for (const std::string& b : stripped(w, "s"))
    add(b, PartOfSpeech::noun, VerbForm::base, true), add(b, PartOfSpeech::verb, VerbForm::third, false);
  for (const std::string& b : stripped(w, "es"))
    add(b, PartOfSpeech::noun, VerbForm::base, true), add(b, PartOfSpeech::verb, VerbForm::third, false);
  // plurals no exception list holds: "women", "knives"
  if (endsWith(w, "men")) add(w.substr(0, w.size() - 3) + "man", PartOfSpeech::noun, VerbForm::base, true);
  if (endsWith(w, "ves"))
    add(w.substr(0, w.size() - 3) + "f", PartOfSpeech::noun, VerbForm::base, true),
        add(w.substr(0, w.size() - 3) + "fe", PartOfSpeech::noun, VerbForm::base, true);
  for (const std::string& b : stripped(w, "ed")) add(b, PartOfSpeech::verb, VerbForm::past, false);
  // "older", "happiest": the adjective's degrees, unless the core lexicon has the word as a noun
  // ("Easter" is "húsvét", not "more east"); a superlative it has as an adjective of its own is
  // that ("latest": "legújabb", not "most late")
  if (!core.find(w, PartOfSpeech::noun)) {
    for (const std::string& b : stripped(w, "er")) add(b, PartOfSpeech::adjective, VerbForm::base, false, 1);
    if (!core.find(w, PartOfSpeech::adjective))
      for (const std::string& b : stripped(w, "est")) add(b, PartOfSpeech::adjective, VerbForm::base, false, 2);
  }
  for (const std::string& b : stripped(w, "ing")) add(b, PartOfSpeech::verb, VerbForm::ing, false);
  return out;
}

// The American spelling of a British word the lexicon and WordNet know only that way:
// "colour", "centre", "organised", "travelled", "catalogue"; empty when no rule applies.
std::vector<std::string> americanSpellings(std::string_view w) {
  std::vector<std::string> out;
  auto replaced = [&](std::string_view from, std::string_view to) {
    for (std::size_t p = w.find(from); p != std::string_view::npos; p = w.find(from, p + 1))
      out.push_back(std::string(w.substr(0, p)) + std::string(to) + std::string(w.substr(p + from.size())));
  };
  replaced("our", "or");  // "colour", "neighbours", "favourite"
  if (endsWith(w, "tre") || endsWith(w, "tres")) replaced("tre", "ter");  // "centre", "theatres"
  replaced("is", "iz");                                                   // "organise", "realised"
  replaced("isation", "ization");
  replaced("ll", "l");  // "travelled", "cancelling", "traveller"
  replaced("ogue", "og");
  replaced("yre", "ire");  // "tyre"
  replaced("mme", "m");    // "programme"
  return out;
}

// "seem", "look", "appear": a verb of how something seems, before an adjective it names
bool seemsLike(const Token& verb) {
  return verb.tag == PartOfSpeech::verb &&
         (verb.lemma == "seem" || verb.lemma == "look" || verb.lemma == "appear");
}

// "You look tired", "She appeared calm": with an adjective after it the verb is "seem", "tűnik"
// with the adjective in "-nak/-nek" ("fáradtnak tűnsz").
void lookingAsSeeming(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if (seemsLike(toks[i]) && toks[i].lemma != "seem" && toks[i + 1].tag == PartOfSpeech::adjective &&
        (i + 2 == toks.size() || toks[i + 2].tag != PartOfSpeech::noun))
      toks[i].entry = core.find("seem", PartOfSpeech::verb);
}

// "in the last year", "over the last three weeks": "last" before a span of time reaching to now is
// "past", "elmúlt" ("az elmúlt évben"), where "the last bus" and "the last week of May" stay
// "utolsó".
void lastAsPast(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kSpans[] = {"hour", "day", "week", "month", "year", "decade"};
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    std::size_t k = i + 1;
    if (toks[k].tag == PartOfSpeech::number && k + 1 < toks.size()) ++k;
    if (toks[i].lower == "last" && toks[i].tag == PartOfSpeech::adjective && toks[i - 1].lower == "the" &&
        toks[k].tag == PartOfSpeech::noun && !(k + 1 < toks.size() && toks[k + 1].lower == "of") &&
        listed(kSpans, toks[k].lemma))
      if (const lexicon::Entry* past = core.find("past", PartOfSpeech::adjective)) toks[i].entry = past;
  }
}

// "the budget for next year": a time after "for" that a definite noun stands before says which
// one, the time's adjective before the noun ("a jövő évi költségvetés", "a múlt heti számla",
// "az idei terv"), and so is one "from" a time past ("my bill from last month": "a múlt havi
// számlám"); the unit's adjective comes from its `attr=` note. "for" goes: the adjective is all. An
// indefinite noun keeps the time it is for after it ("booked a room for next week": "lefoglaltunk egy szobát
// jövő hétre").
void timesOfNouns(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  using Deixis = TimePhrase::Deixis;
  auto definiteBefore = [&](std::size_t noun) {
    std::size_t k = noun;
    while (k > 0 && (toks[k - 1].tag == PartOfSpeech::adjective || toks[k - 1].tag == PartOfSpeech::noun))
      --k;
    if (k == 0) return false;
    const Token& d = toks[k - 1];
    return d.tag == PartOfSpeech::possessive ||
           (d.tag == PartOfSpeech::determiner &&
            (d.lower == "the" || d.lower == "this" || d.lower == "that"));
  };
  // ("reschedule the meeting for next Wednesday": the time is where the verb moves it,
  // "áttenni a megbeszélést jövő szerdára", when the verb's "for" names a case)
  auto verbsTime = [&](std::size_t noun) {
    std::size_t k = noun;
    while (k > 0 && toks[k - 1].tag != PartOfSpeech::determiner && toks[k - 1].tag != PartOfSpeech::possessive) --k;
    if (k < 2 || toks[k - 2].tag != PartOfSpeech::verb) return false;
    const lexicon::Entry* verb = toks[k - 2].entry ? toks[k - 2].entry : core.find(toks[k - 2].lemma, PartOfSpeech::verb);
    return verb && verb->pos == PartOfSpeech::verb && !verb->senses.empty() &&
           verb->senses.front().note("for") == "ra";
  };
  // ("the invoice for March", "the menu for Christmas": a month, a day or a feast named bare is
  // its own adjective, "a márciusi számla", "a karácsonyi menü")
  auto namedTime = [&](std::size_t k) -> std::string {
    const Token& w = toks[k];
    if (w.time || w.tag != PartOfSpeech::noun || w.plural || w.possessor ||
        (k + 1 < toks.size() && !w.pauseAfter &&
         (toks[k + 1].tag == PartOfSpeech::noun || toks[k + 1].tag == PartOfSpeech::number)))
      return {};
    const lexicon::Entry* e = w.entry ? w.entry : core.find(w.lemma, PartOfSpeech::noun);
    if (!e || e->pos != PartOfSpeech::noun || e->senses.empty() || e->senses.front().note("time").empty())
      return {};
    return std::string(e->senses.front().note("attr"));
  };
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    Token& when = toks[i + 1];
    if ((toks[i].lower != "for" && toks[i].lower != "from") || toks[i - 1].tag != PartOfSpeech::noun ||
        toks[i - 1].possessor || !definiteBefore(i - 1) || (toks[i].lower == "for" && verbsTime(i - 1)))
      continue;
    std::string named = toks[i].lower == "for" ? namedTime(i + 1) : std::string();
    if (!named.empty()) {
      when.tag = PartOfSpeech::adjective;
      when.entry = nullptr;
      when.dictionarySenses = {std::move(named)};
      when.participle = true;
      when.word = toks[i].word, when.words += 1;
      toks.erase(toks.begin() + long(i));
      continue;
    }
    if (!when.time || !when.time->unit || when.time->unit->senses.empty()) continue;
    const TimePhrase& tp = *when.time;
    // ("my bill from last month": "a múlt havi számlám", a time past)
    if (toks[i].lower == "from" && tp.deixis == Deixis::next) continue;
    const std::string attr(tp.unit->senses.front().note("attr"));
    const bool year = tp.unit->lemma == "year";
    std::string word;
    if (attr.empty())
      continue;
    else if (tp.deixis == Deixis::next)
      word = "j\xC3\xB6v\xC5\x91 " + attr;
    else if (tp.deixis == Deixis::last)
      word = year ? "tavalyi" : "m\xC3\xBAlt " + attr;
    else if (tp.deixis == Deixis::thisOne && year)
      word = "idei";
    else
      continue;
    when.time.reset();
    when.tag = PartOfSpeech::adjective;
    when.entry = nullptr;
    when.dictionarySenses = {word};
    when.participle = true;  // said before the noun, as "the address below" is
    when.word = toks[i].word, when.words += 1;
    toks.erase(toks.begin() + long(i));
  }
}

// "the deadline for entries", "the recipe for the cake", "the reason for the delay": what such a
// thing is for owns it as "of" would, "a nevezések határideje", "a sütemény receptje", "a késés
// oka"
void ownersAfterFor(std::vector<Token>& toks) {
  static constexpr std::string_view kOwnedByWhatFor[] = {"deadline", "recipe", "reason", "cause", "price",
                                                          "instructions", "rules", "timetable", "schedule"};
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const Token& next = toks[i + 1];
    if (toks[i].lower != "for" || toks[i - 1].tag != PartOfSpeech::noun || toks[i - 1].pauseAfter ||
        !listed(kOwnedByWhatFor, toks[i - 1].lemma) || next.time ||
        (next.tag != PartOfSpeech::determiner && next.tag != PartOfSpeech::noun &&
         next.tag != PartOfSpeech::adjective && next.tag != PartOfSpeech::possessive))
      continue;
    toks[i].lower = toks[i].lemma = "of";
  }
}

// "Fifty years together", "our three weeks together": time spent together is the time's
// participle before it, "ötven együtt töltött év", "három együtt töltött hetünk"
void timeSpentTogether(std::vector<Token>& toks) {
  static constexpr std::string_view kSpans[] = {"year", "month", "week", "day", "hour", "decade", "night"};
  for (std::size_t i = 2; i < toks.size(); ++i) {
    Token& t = toks[i];
    const Token& span = toks[i - 1];
    if (t.lower != "together" || span.tag != PartOfSpeech::noun || !span.plural || span.pauseAfter ||
        !listed(kSpans, span.lemma) || (toks[i - 2].tag != PartOfSpeech::number && toks[i - 2].tag != PartOfSpeech::determiner &&
         toks[i - 2].tag != PartOfSpeech::possessive))
      continue;
    // ("spent two weeks together": spending says it already, "together" stays with the verb)
    if (i >= 3 && (toks[i - 3].lemma == "spend" || toks[i - 3].lemma == "live")) continue;
    t.tag = PartOfSpeech::adjective;
    t.entry = nullptr;
    t.dictionarySenses = {"egy\xC3\xBCtt t\xC3\xB6lt\xC3\xB6tt"};  // "együtt töltött"
    t.participle = true;
  }
}

// Verbs whose object may be a clause without "that": "I hope it helps".
constexpr std::string_view kThoughtWithoutThat[] = {"hope", "think", "know", "believe", "guess", "suppose", "feel"};

// The second word of a question of quantity: "how much", "how old", "what time".
constexpr std::string_view kQuantityAsked[] = {"much", "many", "old", "long", "often", "far", "time"};
// Verbs whose object is asked, told or let do what the infinitive after it says ("advised
// motorists to avoid", "allowed us to leave"): that object is the subject of a "hogy" clause.
constexpr std::string_view kAskingSomeoneToDo[] = {"tell",   "ask",     "want",   "advise",    "warn",
                                                   "urge",   "remind",  "encourage", "beg",    "instruct",
                                                   "persuade", "force", "order",  "invite",    "allow", "permit", "like"};

// Chooses the readings of the content words in order, by the words before them.
// "Will the river rise", "How much will all this cost", "Does your sister swim": a modal or
// "do" asking, opening the clause (past a question word), and only its subject between it and `i`.
bool askedByAuxiliary(const std::vector<Token>& toks, std::size_t i) {
  std::size_t k = i;
  while (k > 0 && (toks[k - 1].tag == PartOfSpeech::determiner || toks[k - 1].tag == PartOfSpeech::possessive ||
                   toks[k - 1].tag == PartOfSpeech::noun || toks[k - 1].tag == PartOfSpeech::name ||
                   toks[k - 1].tag == PartOfSpeech::adjective || toks[k - 1].tag == PartOfSpeech::number ||
                   toks[k - 1].tag == PartOfSpeech::pronoun))
    --k;
  if (k == i || k == 0) return false;
  const Token& aux = toks[k - 1];
  if (aux.tag != PartOfSpeech::modal && !isDoSupport(aux.lower)) return false;
  std::size_t before = k - 1;
  while (before > 0 && (toks[before - 1].tag == PartOfSpeech::question || toks[before - 1].lower == "much"))
    --before;
  return before == 0;
}

class ReadingChooser {
 public:
  ReadingChooser(const lexicon::CoreLexicon& core, std::vector<Token>& toks, bool titleCase)
      : core_(core), toks_(toks), titleCase_(titleCase) {}
  void run() {
    for (std::size_t i = 0; i < toks_.size(); ++i) choose(i);
  }

 private:
  void choose(std::size_t i);
  void weighByContext(std::size_t i, std::vector<Reading>& rs) const;
  bool passiveAt(std::size_t i) const;
  bool perfectBefore(std::size_t i) const;
  bool secondPredicateAt(std::size_t i) const;
  bool presentOfThirdBefore(std::size_t k) const;
  bool afterCopula(std::size_t i) const;
  bool keptAt(std::size_t i) const;
  bool demonstrativeSubjectBefore(std::size_t i) const;
  // The noun phrase ending before `i` follows the auxiliary opening a question ("Does your
  // brother ...", "When can the children ..."), so `i` is its verb.
  bool askedOfNounBefore(std::size_t i) const {
    std::size_t b = i;
    while (b > 0 &&
           (toks_[b - 1].tag == PartOfSpeech::noun || toks_[b - 1].tag == PartOfSpeech::name ||
            toks_[b - 1].tag == PartOfSpeech::adjective || toks_[b - 1].tag == PartOfSpeech::determiner ||
            toks_[b - 1].tag == PartOfSpeech::possessive || toks_[b - 1].tag == PartOfSpeech::number))
      --b;
    if (b == 0 || b == i) return false;
    const Token& aux = toks_[b - 1];
    return (aux.tag == PartOfSpeech::modal || isDoSupport(aux.lower)) &&
           (b == 1 || toks_[b - 2].tag == PartOfSpeech::question ||
            (b >= 3 && toks_[b - 3].tag == PartOfSpeech::question));  // "what time", "how much"
  }

  // The word at `k`, not yet read, can be a verb, in `form` if one is given ("forget", "lives", "rose").
  bool mayBeVerb(std::size_t k, std::optional<VerbForm> form = std::nullopt) const {
    if (k >= toks_.size() || toks_[k].tag != PartOfSpeech::other) return false;
    const std::vector<Reading> rs = readingsOf(core_, toks_[k]);
    return std::any_of(rs.begin(), rs.end(),
                       [&](const Reading& r) { return r.tag == PartOfSpeech::verb && (!form || r.form == *form); });
  }
  // The word at `k` reads only as a verb's past or participle ("refused", "smiled").
  bool onlyAPast(std::size_t k) const {
    if (k >= toks_.size() || toks_[k].tag != PartOfSpeech::other) return false;
    const std::vector<Reading> rs = readingsOf(core_, toks_[k]);
    return !rs.empty() && std::all_of(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && (r.form == VerbForm::past || r.form == VerbForm::participle);
    });
  }
  // A past at `k` that is no participle ("rose", "fell", "grew"; not "locked", "won"): a finite
  // verb, not the state an object is kept in ("Keep doors locked").
  bool irregularPast(std::size_t k) const {
    return mayBeVerb(k, VerbForm::past) && !mayBeVerb(k, VerbForm::participle) && !toks_[k].lower.ends_with("ed");
  }
  // "Oil prices rose for the third day", "Police say that nobody was hurt": an opening word, a
  // plural noun or a verb, and the verb of a clause after them; an imperative takes its object or
  // a particle there, not a verb with a "that" clause or a past followed by a preposition.
  bool subjectBeforeFiniteVerb(std::size_t i) const {
    if (i != 0 || i + 2 >= toks_.size() || toks_[i + 1].tag != PartOfSpeech::other ||
        !mayBeVerb(i, VerbForm::base))  // ("Hungarian swimmers won": no imperative to tell apart)
      return false;
    if (toks_[i + 2].lower == "that" &&
        (mayBeVerb(i + 1, VerbForm::base) || mayBeVerb(i + 1, VerbForm::third)))
      return true;
    const std::string& second = toks_[i + 1].lower;
    // ("Keep doors locked": a participle there is the state the object is kept in)
    if (second.size() <= 3 || second.back() != 's' || !irregularPast(i + 2)) return false;
    const PartOfSpeech after = i + 3 < toks_.size() ? toks_[i + 3].tag : PartOfSpeech::other;
    return i + 3 == toks_.size() || after == PartOfSpeech::preposition || after == PartOfSpeech::determiner ||
           after == PartOfSpeech::number || after == PartOfSpeech::adverb || after == PartOfSpeech::other;
  }

  // An auxiliary or a modal at `k`, or after a short prepositional phrase there ("in the village
  // were", "between Budapest and Vienna were").
  bool auxiliaryAfterPlace(std::size_t k) const {
    auto auxiliary = [&](std::size_t j) {
      return j < toks_.size() &&
             (toks_[j].tag == PartOfSpeech::auxiliary || toks_[j].tag == PartOfSpeech::modal);
    };
    return auxiliary(k) || afterPlace(k, auxiliary);
  }
  // "People in the village helped us": a past after a short prepositional phrase at `k`
  bool pastAfterPlace(std::size_t k) const {
    return afterPlace(k, [&](std::size_t j) {
      // (before its object: "helped us", "found the car")
      const bool beforeObject = j + 1 < toks_.size() && mayBeVerb(j, VerbForm::past) &&
                                toks_[j + 1].tag == PartOfSpeech::pronoun;
      return j < toks_.size() && !toks_[j].pauseAfter && (mayBePast(j) || pastBeforeObject(j) || beforeObject);
    });
  }
  // Whether `found` holds for a word after a short prepositional phrase at `k`, a noun phrase
  // of words not yet known between
  template <typename Found>
  bool afterPlace(std::size_t k, Found found) const {
    if (k >= toks_.size() || toks_[k].tag != PartOfSpeech::preposition) return false;
    for (std::size_t j = k + 1; j < toks_.size() && j <= k + 5; ++j) {
      if (found(j)) return j > k + 1;
      const PartOfSpeech tag = toks_[j].tag;
      if (toks_[j].pauseAfter || (tag != PartOfSpeech::determiner && tag != PartOfSpeech::other &&
                                  tag != PartOfSpeech::name && tag != PartOfSpeech::conjunction &&
                                  tag != PartOfSpeech::number && tag != PartOfSpeech::possessive))
        return false;
    }
    return false;
  }
  // `i` ends its sentence or stands before a comma.
  bool lastOfClause(std::size_t i) const { return i + 1 == toks_.size() || toks_[i].pauseAfter; }
  // The noun phrase ending before `i` opens the sentence or a clause after a comma or a conjunction.
  bool nounPhraseOpensClause(std::size_t i) const {
    std::size_t b = i;
    while (b > 0 &&
           (toks_[b - 1].tag == PartOfSpeech::noun || toks_[b - 1].tag == PartOfSpeech::adjective ||
            toks_[b - 1].tag == PartOfSpeech::determiner || toks_[b - 1].tag == PartOfSpeech::possessive))
      --b;
    // (not after "and" or "or", which join nouns as often: "sells flowers and house plants")
    const Token* before = b > 0 ? &toks_[b - 1] : nullptr;
    return b < i &&
           (!before || before->pauseAfter ||
            (before->tag == PartOfSpeech::conjunction && before->lower != "and" && before->lower != "or"));
  }

  // A relative clause opens at `j`: "who" or "that" and a word that may be its verb ("who are",
  // "that live here"). (After a plural noun only: "Check that ..." opens what an imperative tells.)
  bool relativeOpensAfter(std::size_t j) const {
    return j + 1 < toks_.size() && (toks_[j].lower == "who" || toks_[j].lower == "that") &&
           (toks_[j + 1].tag == PartOfSpeech::auxiliary || toks_[j + 1].tag == PartOfSpeech::modal ||
            mayBeVerb(j + 1));
  }

  // The word can be a plural noun ("prices").
  bool pluralNounReading(const Token& w) const {
    const std::vector<Reading> rs = readingsOf(core_, w);
    return std::any_of(rs.begin(), rs.end(), [](const Reading& r) { return r.tag == PartOfSpeech::noun && r.plural; });
  }

  // The word at `j` can be a verb's past that is no participle ("rose", "fell"), whatever else
  // it can be; an "-ed" form may as well describe the noun before it ("Return items purchased
  // online").
  // ("Oil prices dropped sharply", "dropped 5 percent": an "-ed" form before how much or how is
  // the past)
  bool mayBePast(std::size_t j) const {
    if (!mayBeVerb(j, VerbForm::past)) return false;
    if (!toks_[j].lower.ends_with("ed") || j + 1 == toks_.size() || toks_[j].pauseAfter) return true;
    const Token& next = toks_[j + 1];
    return next.tag == PartOfSpeech::number || next.lower.ends_with("ly");
  }

  // The word at `j` can be a verb's past but no noun, before an object's article ("found the
  // stolen car"): a finite verb, so the word before it is its subject.
  bool pastBeforeObject(std::size_t j) const {
    if (j + 1 >= toks_.size() || toks_[j].pauseAfter ||
        (toks_[j].tag != PartOfSpeech::other && toks_[j].tag != PartOfSpeech::verb))
      return false;
    const PartOfSpeech next = toks_[j + 1].tag;
    if (next != PartOfSpeech::determiner && next != PartOfSpeech::possessive && next != PartOfSpeech::number)
      return false;
    const std::vector<Reading> rs = readingsOf(core_, toks_[j]);
    return std::any_of(rs.begin(), rs.end(),
                       [](const Reading& r) {
                         return r.tag == PartOfSpeech::verb &&
                                (r.form == VerbForm::past || r.form == VerbForm::participle);
                       }) &&
           // ("found": WordNet's rare noun, not one the core lexicon gives, leaves it the past)
           std::none_of(rs.begin(), rs.end(), [&](const Reading& r) {
             return r.tag == PartOfSpeech::noun && core_.find(r.lemma, PartOfSpeech::noun);
           });
  }

  // The word at `j` can be a past participle with a preposition after it, and an auxiliary or a
  // modal follows later ("Towels left on the floor will be replaced", "Damage caused by misuse
  // is not covered"): the participle describes the word before it, the subject of that verb.
  bool participleBeforeLaterVerb(std::size_t j) const {
    if (j + 1 >= toks_.size() || toks_[j].pauseAfter || toks_[j + 1].tag != PartOfSpeech::preposition ||
        !(mayBeVerb(j, VerbForm::past) || mayBeVerb(j, VerbForm::participle)))
      return false;
    for (std::size_t k = j + 2; k < toks_.size() && !toks_[k - 1].pauseAfter; ++k)
      if (toks_[k].tag == PartOfSpeech::auxiliary || toks_[k].tag == PartOfSpeech::modal) return true;
    return false;
  }

  // The word at `j` can be a verb of saying or thinking before "that" ("say that", "think that",
  // "warn that"): a finite verb, so the word before it is its subject.
  bool verbBeforeThat(std::size_t j) const {
    if (j + 1 >= toks_.size() || toks_[j].tag != PartOfSpeech::other || toks_[j + 1].lower != "that") return false;
    const std::vector<Reading> rs = readingsOf(core_, toks_[j]);
    return std::any_of(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form != VerbForm::ing && r.form != VerbForm::participle;
    });
  }

  // The word after `i` is an auxiliary, a modal or a word that can only be a finite verb
  // ("attracted", "says")
  bool verbFollows(std::size_t i) const {
    if (i + 1 >= toks_.size()) return false;
    const Token& next = toks_[i + 1];
    if (next.tag == PartOfSpeech::auxiliary || next.tag == PartOfSpeech::modal) return true;
    if (next.tag != PartOfSpeech::other) return false;
    const std::vector<Reading> rs = readingsOf(core_, next);
    return !rs.empty() && std::all_of(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && (r.form == VerbForm::past || r.form == VerbForm::third);
    });
  }

  // "I've known Mark for years", "She met Rose": a capitalised word right after a verb, with no
  // article, singular, is a name even where the lexicon has a common noun of it ("jel"), unless
  // that noun is one written with a capital anyway (a day, a feast, a language: "speaks
  // English", "celebrate Christmas") or the word is also an adjective ("Italian")
  bool nameAsObject(std::size_t i, const std::vector<Reading>& rs) const {
    if (i == 0 || toks_[i - 1].tag != PartOfSpeech::verb || toks_[i].possessor ||
        core_.find(toks_[i].lower, PartOfSpeech::adjective))
      return false;
    const lexicon::Entry* e = core_.find(toks_[i].lower, PartOfSpeech::noun);
    // (a word for a person is one called so: "asked Grandad", "kérdezte nagypapa")
    if (!e || e->senses.empty() || !e->senses.front().notes.empty() || e->senses.front().capital ||
        e->senses.front().name || e->senses.front().person)  // ("visited Paris": "Párizst")
      return false;
    return std::none_of(rs.begin(), rs.end(),
                        [](const Reading& r) { return r.tag == PartOfSpeech::noun && r.plural; });
  }

  // The capitalised word after a greeting opening the sentence is the one greeted, a name
  // ("Hi Mark", "Hey Anna"), unless the lexicon knows it as a word for a person ("Dear Mum").
  bool greetedAt(std::size_t i) const {
    if (i != 1 || !greets(toks_[0])) return false;
    const lexicon::Entry* e = core_.find(toks_[i].lower, PartOfSpeech::noun);
    return !e || e->senses.empty() || !e->senses.front().person;
  }

  // The word at `i` is an adjective the core lexicon knows, before a noun: English writes those
  // of nations with a capital ("three African countries": "afrikai"), a name has none after it
  // (not "Mr Green yesterday")
  // The word after `i` may be an adjective, and no article or possessive stands before `i`.
  bool adjectiveFollowsUnarticled(std::size_t i) const {
    if (i + 1 >= toks_.size() || toks_[i + 1].tag != PartOfSpeech::other ||
        (i > 0 && (toks_[i - 1].tag == PartOfSpeech::determiner || toks_[i - 1].tag == PartOfSpeech::possessive)))
      return false;
    const std::vector<Reading> next = readingsOf(core_, toks_[i + 1]);
    return std::any_of(next.begin(), next.end(), [&](const Reading& r) {
      return r.tag == PartOfSpeech::adjective && core_.find(r.lemma, PartOfSpeech::adjective);
    });
  }

  bool knownAdjectiveBeforeNoun(std::size_t i, const std::vector<Reading>& rs) const {
    const bool adjective = std::any_of(rs.begin(), rs.end(), [&](const Reading& r) {
      return r.tag == PartOfSpeech::adjective && core_.find(r.lemma, PartOfSpeech::adjective);
    });
    // (a content word follows: not "learn English at school")
    if (!adjective || i + 1 >= toks_.size() || toks_[i + 1].tag != PartOfSpeech::other ||
        startsWithCapital(toks_[i + 1]) || (i > 0 && isTitle(toks_[i - 1])))
      return false;
    const std::vector<Reading> next = readingsOf(core_, toks_[i + 1]);
    return std::any_of(next.begin(), next.end(),
                       [](const Reading& r) { return r.tag == PartOfSpeech::noun; }) &&
           std::none_of(next.begin(), next.end(), [&](const Reading& r) {
             return r.tag == PartOfSpeech::adverb && core_.find(r.lemma, PartOfSpeech::adverb);
           });
  }

  // The sentence's first word, one the core lexicon does not know, is a name when what follows
  // makes it the subject: another capital ("John Smith"), "and", or a verb of the
  // past or of speaking ("John smiled", "Anna said").
  // A given name the lexicon knows as a word ("bill", "rose", "mark"), opening the sentence:
  // called by it ("Tom, close the window"), or the subject of a verb that may be finite
  // ("Rose works", "Mark is"), where the word's own reading would leave the sentence no subject.
  static bool givenNameThatIsAWord(std::string_view w) {
    static constexpr std::string_view kNames[] = {
        "bill",  "rose",  "mark",  "tom",   "jack",  "frank", "pat",    "sue",   "bob",   "rob",   "grace",
        "amber", "ruby",  "daisy", "lily",  "iris",  "holly", "ivy",    "sandy", "carol", "dean",
        "earl",  "ray",   "victor", "guy",  "don",   "rod",   "cliff",  "glen",  "lance", "max",
        "penny", "violet", "heather", "pearl", "robin", "jay", "matt",  "nick",  "harry", "buck"};
    return listed(kNames, w);
  }
  bool callsOrNamesSubject() const {
    if (toks_.size() < 2) return false;
    if (toks_[0].pauseAfter) return true;
    if (namesOpeningSubject()) return true;
    const std::vector<Reading> after = readingsOf(core_, toks_[1]);
    return std::any_of(after.begin(), after.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && (r.form == VerbForm::past || r.form == VerbForm::third);
    });
  }

  bool namesOpeningSubject() const {
    if (toks_.size() < 2) return false;
    const Token& next = toks_[1];
    static constexpr std::string_view kVerbs[] = {"said", "says", "told", "asked", "was",   "is",
                                                  "has",  "had",  "will", "would", "could", "can"};
    if (startsWithCapital(next) && next.lower != "i") return true;
    // "Voters will choose": a plural is no name
    if (toks_[0].lower.back() == 's') return false;
    if (next.lower == "and" || listed(kVerbs, next.lower) ||
        (next.lower.size() > 3 && endsWith(next.lower, "ed")))
      return true;
    // "Anna woke up": a word that can only be a finite verb follows; "Tom takes after": one the
    // core lexicon has only as a verb, here in its third person or past
    const std::vector<Reading> after = readingsOf(core_, next);
    auto finite = [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && (r.form == VerbForm::past || r.form == VerbForm::third);
    };
    const bool coreVerb = std::any_of(after.begin(), after.end(), [&](const Reading& r) {
      return finite(r) && core_.find(r.lemma, PartOfSpeech::verb);
    });
    const bool coreNoun = std::any_of(after.begin(), after.end(), [&](const Reading& r) {
      return r.tag == PartOfSpeech::noun && core_.find(r.lemma, PartOfSpeech::noun);
    });
    return !after.empty() && (std::all_of(after.begin(), after.end(), finite) || (coreVerb && !coreNoun));
  }

  const lexicon::CoreLexicon& core_;
  std::vector<Token>& toks_;
  const bool titleCase_;
  bool verbSeen_ = false;
  bool lastVerbPast_ = false;  // the last verb chosen is a simple past
};

void ReadingChooser::choose(std::size_t i) {
  Token& t = toks_[i];
  if (t.tag != PartOfSpeech::other || t.entry) {
    if (t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal)
      verbSeen_ = verbSeen_ || t.tag == PartOfSpeech::modal || t.lower != "be";
    // "were injured when a bus left the road": a clause of its own begins, its verb still to come
    static constexpr std::string_view kClauseOpeners[] = {"when",     "because", "if",      "while",
                                                          "although", "though",  "whether", "unless"};
    if (listed(kClauseOpeners, t.lower)) verbSeen_ = false;
    return;
  }
  if (t.lower == "there" || t.lower == "here" || t.lower == "please" || t.lower == "let's") return;
  // "today's news", "yesterday's meeting": the day's adjective ("a mai hírek", "a tegnapi
  // megbeszélés"), no owner
  if ((t.lower == "today" || t.lower == "yesterday" || t.lower == "tomorrow") && t.possessor)
    if (const lexicon::Entry* e = core_.find(t.lower, PartOfSpeech::adjective)) {
      t.tag = PartOfSpeech::adjective;
      t.entry = e;
      t.possessor = false;
      t.timeOwner = true;
      return;
    }
  // "today", "yesterday": adverbs but after a determiner or an owner ("today's news" is one)
  if ((t.lower == "today" || t.lower == "yesterday" || t.lower == "tomorrow" || t.lower == "tonight") &&
      !t.possessor &&
      !(i > 0 &&
        (toks_[i - 1].tag == PartOfSpeech::determiner || toks_[i - 1].tag == PartOfSpeech::possessive ||
         toks_[i - 1].tag == PartOfSpeech::preposition))) {
    t.tag = PartOfSpeech::adverb;
    t.entry = core_.find(t.lower, PartOfSpeech::adverb);
    if (t.entry) return;
    t.tag = PartOfSpeech::other;
  }
  // intensifiers are adverbs wherever they stand: "is very kind"
  if (t.lower == "very" || t.lower == "too" || t.lower == "quite" || t.lower == "really") {
    t.tag = PartOfSpeech::adverb;
    return;
  }
  // so is "pretty" before an adjective with no article before it: "pretty easy" is "elég
  // könnyű", where "a pretty garden" is "szép"
  if (t.lower == "pretty" && adjectiveFollowsUnarticled(i))
    if (const lexicon::Entry* e = core_.find("pretty", PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.entry = e;
      return;
    }
  // "her glasses": what she wears is "szemüveg", one thing; "two glasses of water" are glasses
  if (t.lower == "glasses" && i > 0 && toks_[i - 1].tag == PartOfSpeech::possessive)
    if (const lexicon::Entry* e = core_.find("glasses", PartOfSpeech::noun)) {
      t.tag = PartOfSpeech::noun;
      t.lemma = "glasses";
      t.entry = e;
      return;
    }
  // "the second day", "came second", "the second of May": the ordinal; the unit of time only
  // after one of it ("wait a second"; "ten seconds" is a plural)
  if (t.lower == "second" &&
      !(i > 0 && (toks_[i - 1].lower == "a" || toks_[i - 1].lower == "one" || toks_[i - 1].lower == "per" ||
                  toks_[i - 1].lower == "each" || toks_[i - 1].lower == "every")))
    if (const lexicon::Entry* e = core_.find("second", PartOfSpeech::adjective)) {
      t.tag = PartOfSpeech::adjective;
      t.entry = e;
      return;
    }
  // "since you last saw them", "when we last spoke": "last" between a subject and its past is
  // the last time, "(mióta) legutóbb láttad őket"
  if (t.lower == "last" && i > 0 && i + 1 < toks_.size() && subjectPronoun(toks_[i - 1]) &&
      mayBeVerb(i + 1, VerbForm::past))
    if (const lexicon::Entry* e = core_.find("last time", PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.entry = e;
      return;
    }
  // "were still wet", "is still here": "still" says "még"
  if (t.lower == "still" && !(i > 0 && toks_[i - 1].tag == PartOfSpeech::determiner)) {
    if (const lexicon::Entry* e = core_.find("still", PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.entry = e;
      return;
    }
  }
  // "Even the dogs lay still", "even on Sundays", "didn't even call", "is even colder": "even"
  // is the focus word "még", never the verb of making even; level only after an article, as the
  // last word of its clause ("The floor is even") or before what is level or divisible by two
  static constexpr std::string_view kLevelOrByTwo[] = {"number", "numbers", "surface", "ground", "floor",
                                                       "layer", "pace", "split", "coat"};
  const bool lastOfClause = i + 1 == toks_.size() || t.pauseAfter || toks_[i + 1].lower == "and";
  if (t.lower == "even" && !(i > 0 && (toks_[i - 1].tag == PartOfSpeech::determiner || toks_[i - 1].lower == "to")) &&
      !(i > 0 && lastOfClause) && !(i + 1 < toks_.size() && listed(kLevelOrByTwo, toks_[i + 1].lower))) {
    if (const lexicon::Entry* e = core_.find("even", PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.entry = e;
      return;
    }
  }
  // "None of us knew": the part of a group, the subject as "neither of them" is ("Egyikünk sem")
  if (t.lower == "none" && i + 2 < toks_.size() && toks_[i + 1].lower == "of" &&
      (toks_[i + 2].lower == "us" || toks_[i + 2].lower == "them" || toks_[i + 2].lower == "you")) {
    t.tag = PartOfSpeech::adjective;
    return;
  }
  // "is just tired", "not angry, just tired": "just" before what is said of the subject is
  // "only", "csak" (an adjective only after a determiner: "a just cause")
  // ("only tired" so too, where "only" has no determiner or owner before it: "my only friend")
  const bool ownedOrDetermined =
      i > 0 && (toks_[i - 1].tag == PartOfSpeech::determiner || toks_[i - 1].tag == PartOfSpeech::possessive);
  if ((t.lower == "just" || (t.lower == "only" && i > 0 && toks_[i - 1].pauseAfter)) && !ownedOrDetermined)
    if (const lexicon::Entry* e = core_.find(t.lower, PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.entry = e;
      return;
    }
  const bool capital = startsWithCapital(t);
  // "Your table is ready, sir.", "Thank you, madam.": the one addressed after a comma closing
  // the sentence, said as Hungarian addresses ("uram", "asszonyom"), kept as a name is
  if ((t.lower == "sir" || t.lower == "madam") && i > 0 && i + 1 == toks_.size() && toks_[i - 1].pauseAfter) {
    t.tag = PartOfSpeech::name;
    t.written = t.lower == "sir" ? "uram" : "asszonyom";
    return;
  }
  // "Miss Hill": a title before a name written with its capital, not the verb ("Hill kisasszony")
  if (t.lower == "miss" && capital && !titleCase_ && i + 1 < toks_.size() && startsWithCapital(toks_[i + 1]) &&
      !t.pauseAfter && toks_[i + 1].lower != "i") {
    t.tag = PartOfSpeech::name;
    return;
  }
  if (t.capitalised && !titleCase_) {
    if (const lexicon::Entry* e = capitalNoun(core_, t.lower)) {  // "since March": the month
      t.tag = PartOfSpeech::noun;
      t.entry = e;
      return;
    }
  }
  // "Miss Hill": "Miss" before a capitalised word is the title, not the verb
  if (t.lower == "miss" && capital && !titleCase_ && i + 1 < toks_.size() && startsWithCapital(toks_[i + 1])) {
    t.tag = PartOfSpeech::name;
    return;
  }
  // "Thank you, sir", "Excuse me, madam, ...": "sir" and "madam" without an article, standing
  // between the sentence's edges and commas, are the one addressed, said as a name is ("uram")
  if ((t.lower == "sir" || t.lower == "madam") && (i == 0 || toks_[i - 1].pauseAfter) &&
      (i + 1 == toks_.size() || t.pauseAfter))
    if (const lexicon::Entry* e = core_.find(t.lower, PartOfSpeech::adverb)) {  // (the lexicon's words of address)
      t.tag = PartOfSpeech::name;
      t.entry = e;
      return;
    }
  if (capital && !titleCase_ && ((i > 0 && isTitle(toks_[i - 1])) || greetedAt(i))) {
    t.tag = PartOfSpeech::name;  // "Mr Green", "Hi Mark": the name, not the colour or the verb
    return;
  }
  std::vector<Reading> rs = readingsOf(core_, t);
  // "organised", "theatre": the word as American English spells it, where only that spelling is
  // in the core lexicon (or known at all)
  auto inLexicon = [&](const std::vector<Reading>& readings) {
    return std::any_of(readings.begin(), readings.end(),
                       [&](const Reading& r) { return core_.find(r.lemma, r.tag) != nullptr; });
  };
  if (!(capital && i > 0) && !inLexicon(rs))
    for (const std::string& american : americanSpellings(t.lower)) {
      Token other = t;
      other.lower = american;
      if (std::vector<Reading> ars = readingsOf(core_, other);
          inLexicon(ars) || (rs.empty() && !ars.empty())) {
        rs = std::move(ars);
        t.lower = american;
        break;
      }
    }
  if (rs.empty()) {
    t.tag = capital && !titleCase_ ? PartOfSpeech::name : PartOfSpeech::noun;
    return;
  }
  if (i == 0 && capital && !titleCase_ && !inLexicon(rs) && namesOpeningSubject()) {
    t.tag = PartOfSpeech::name;  // "John smiled", "Anna and Tom", "John Smith": not "budi"
    return;
  }
  if (i == 0 && capital && !titleCase_ && givenNameThatIsAWord(t.lower) && callsOrNamesSubject()) {
    t.tag = PartOfSpeech::name;  // "Bill called me", "Rose works in a bank", "Tom, close it"
    return;
  }
  weighByContext(i, rs);
  // a capital inside a sentence is a name, unless the core lexicon knows it ("Friday"); so is a
  // capitalised owner anywhere ("Peter's dog")
  const bool knownNoun = std::any_of(rs.begin(), rs.end(), [&](const Reading& r) {
    return r.tag == PartOfSpeech::noun && core_.find(r.lemma, PartOfSpeech::noun);
  });                                                                // "on Mondays" too
  const bool adjectiveBeforeNoun = knownAdjectiveBeforeNoun(i, rs);  // "three African countries"
  if (capital && (i > 0 || t.possessor) && !titleCase_ &&
      ((!knownNoun && !adjectiveBeforeNoun) || nameAsObject(i, rs))) {
    t.tag = PartOfSpeech::name;
    return;
  }
  const Reading* best = &*std::max_element(
      rs.begin(), rs.end(), [](const Reading& a, const Reading& b) { return a.weight < b.weight; });
  // "Is the flat still available?", "rent a flat alone": after an article or an owner, a word
  // that is a noun and an adjective is the noun where nothing after it can be a noun it
  // describes (no noun or adjective follows: an adverb, a verb, a function word, a pause or the
  // end); "a flat tyre" keeps the adjective, and so does an ordinal ("the second")
  if (best->tag == PartOfSpeech::adjective && best->degree == 0 && i > 0 &&
      (toks_[i - 1].tag == PartOfSpeech::determiner || toks_[i - 1].tag == PartOfSpeech::possessive) &&
      t.lower != "second") {
    bool describes = false;
    if (i + 1 < toks_.size() && !t.pauseAfter)
      for (const Reading& r : readingsOf(core_, toks_[i + 1]))
        if ((r.tag == PartOfSpeech::noun || r.tag == PartOfSpeech::adjective) && core_.find(r.lemma, r.tag))
          describes = true;
    if (!describes)
      for (const Reading& r : rs)
        if (r.tag == PartOfSpeech::noun && !r.plural && core_.find(r.lemma, PartOfSpeech::noun)) {
          best = &r;
          break;
        }
  }
  // "if that suits you", "because this works": "that" or "this" opening a clause before a word
  // that may be a verb's third person is the subject, the word its verb ("ha az megfelel")
  if (demonstrativeSubjectBefore(i))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && r.form == VerbForm::third &&
          (best->tag != PartOfSpeech::verb || best == &r)) {
        best = &r;
        toks_[i - 1].tag = PartOfSpeech::pronoun;
      }
  // "was small but clean", "is not angry, just tired": what follows the copula's adjective and a
  // "but", an "and" or a comma is said of the subject too, an adjective, no verb
  if (best->tag != PartOfSpeech::adjective && secondPredicateAt(i))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::adjective) best = &r;
  // ("interested in history" names what one is interested in, no place where it was done)
  if (best->tag == PartOfSpeech::adjective && t.lower != "interested" && passiveAt(i))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && r.form == VerbForm::past) best = &r;
  // "was injured", "was seriously injured": what befell the subject, the verb whose passive the
  // lexicon says as an event ("Megsérült"), not the state ("Sérült volt")
  if (best->tag == PartOfSpeech::adjective && afterCopula(i))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && r.form == VerbForm::past)
        if (const lexicon::Entry* e = core_.find(r.lemma, PartOfSpeech::verb);
            e && std::any_of(e->senses.begin(), e->senses.end(),
                             [](const lexicon::Sense& s) { return !s.note("pass").empty(); }))
          best = &r;
  // "The wires were cut", "was cut off": after the copula, a participle the core lexicon knows
  // only as a verb (the dictionary's adjective "cut" has no entry of its own) is the passive of
  // that verb ("elvágták"), not a state said with the participle
  // (a verb spelled so in all its forms, "cut", "put", "hit", has its base reading only)
  bool passiveOfBase = false;
  if (best->tag == PartOfSpeech::adjective && afterCopula(i) && !core_.find(t.lower, PartOfSpeech::adjective) &&
      !core_.find(best->lemma, PartOfSpeech::adjective))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && r.form != VerbForm::ing && r.form != VerbForm::third &&
          core_.find(r.lemma, PartOfSpeech::verb) && (r.form != VerbForm::base || r.lemma == t.lower))
        best = &r, passiveOfBase = r.form == VerbForm::base;
  // "Cats should be vaccinated", "The form must be signed": what must or should be done to the
  // subject is the deed, the passive of the verb ("Be kell oltani"), not the state the adjective
  // says; how one must be or feel stays the state ("You must be tired": "fáradt")
  static constexpr std::string_view kStatesOfOne[] = {
      "tired",   "worried", "bored",    "interested", "excited",  "married",   "surprised", "disappointed",
      "scared",  "frightened", "pleased", "delighted", "amazed",  "shocked",   "confused",  "embarrassed",
      "prepared", "satisfied", "relaxed", "annoyed",   "engaged", "dressed",   "qualified", "involved",
      "concerned", "convinced", "determined", "exhausted", "impressed", "relieved", "lost", "located",
      "based", "closed", "opened", "finished", "done", "gone", "supposed", "used", "allowed", "required"};
  if (best->tag == PartOfSpeech::adjective && i >= 2 && toks_[i - 1].lower == "be" &&
      toks_[i - 1].tag == PartOfSpeech::auxiliary &&
      (toks_[i - 2].lower == "must" || toks_[i - 2].lower == "should") && endsWith(t.lower, "ed") &&
      !listed(kStatesOfOne, t.lower))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && (r.form == VerbForm::past || r.form == VerbForm::participle) &&
          core_.find(r.lemma, PartOfSpeech::verb))
        best = &r, passiveOfBase = false;
  // "a written and an oral part": right after "a", "an", "the" or an owner, a participle the core
  // lexicon has as an adjective is that adjective, before "and" too ("írásbeli"), no verb
  if (best->tag == PartOfSpeech::verb && (best->form == VerbForm::past || best->form == VerbForm::participle) &&
      i > 0 && i + 1 < toks_.size() &&
      (toks_[i - 1].lower == "a" || toks_[i - 1].lower == "an" || toks_[i - 1].lower == "the" ||
       toks_[i - 1].tag == PartOfSpeech::possessive) &&
      core_.find(t.lower, PartOfSpeech::adjective))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::adjective) best = &r, passiveOfBase = false;
  // "bus services have been suspended": a word in "-s" right before "have" or "are" is a plural
  // noun, no verb's third person
  if (best->tag == PartOfSpeech::verb && best->form == VerbForm::third && i + 1 < toks_.size() &&
      (toks_[i + 1].lower == "have" || toks_[i + 1].lower == "are" || toks_[i + 1].lower == "were"))
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::noun && r.plural) best = &r;
  // "keep the windows closed", "be kept closed": the state kept, the adjective that says it
  // with "van" ("zárva tartani"), where the lexicon has one
  if (best->tag == PartOfSpeech::verb && keptAt(i))
    for (const Reading& r : rs)
      if (const lexicon::Entry* e = r.tag == PartOfSpeech::adjective ? core_.find(r.lemma, r.tag) : nullptr;
          e && !e->senses.empty() && e->senses.front().keepsCopula)
        best = &r;
  // "was surprised to hear", "were delighted to see": after the copula, a participle of feeling
  // before "to" says how one felt at what the infinitive tells, the adjective ("örömmel látta"),
  // no passive ("I was asked to wait" is one: "ask" names no feeling)
  static constexpr std::string_view kFeelingTo[] = {"surprised", "delighted", "pleased", "amazed",
                                                    "astonished", "shocked", "relieved", "disappointed",
                                                    "thrilled", "saddened", "horrified", "excited"};
  if (best->tag == PartOfSpeech::verb && listed(kFeelingTo, t.lower) && afterCopula(i) &&
      i + 2 < toks_.size() && toks_[i + 1].lower == "to")
    for (const Reading& r : rs)
      if (r.tag == PartOfSpeech::adjective) best = &r;
  t.lemma = best->lemma;
  t.tag = best->tag;
  t.form = passiveOfBase ? VerbForm::participle : best->form;
  t.plural = best->plural;
  t.degree = best->degree;
  // "Wednesday's defeat": a time that owns is the time before the noun, said as its adjective
  // ("a szerdai vereség")
  if (t.possessor && t.tag == PartOfSpeech::noun)
    if (const lexicon::Entry* e = core_.find(t.lemma, PartOfSpeech::noun);
        e && !e->senses.empty() && !e->senses.front().note("time").empty() &&
        !e->senses.front().note("attr").empty())
      t.possessor = false, t.timeOwner = true;
  // "more expensive", "the most beautiful": the degree is the adjective's
  if (t.tag == PartOfSpeech::adjective && i > 0 &&
      (toks_[i - 1].lower == "more" || toks_[i - 1].lower == "most")) {
    t.degree = toks_[i - 1].lower == "more" ? 1 : 2;
    toks_[i - 1].tag = PartOfSpeech::particle;
  }
  // "She read the book", "He put it there": after a singular subject the bare form is the past
  if (t.tag == PartOfSpeech::verb && t.form == VerbForm::base && i > 0) {
    const Token& subject = toks_[i - 1];
    // ("Before signing the contract, read it carefully": a noun before a comma is no subject,
    // the verb after it an instruction)
    const bool singular =
        !subject.pauseAfter &&
        ((subject.tag == PartOfSpeech::pronoun && subject.person == 3 && !subject.plural &&
          subject.lower != "you") ||
         ((subject.tag == PartOfSpeech::noun || subject.tag == PartOfSpeech::name) && !subject.plural));
    // the verbs whose past is their base form
    static constexpr std::string_view kSameFormPast[] = {"put",  "set",   "cut",   "hit",    "let",  "read",
                                                         "cost", "hurt",  "shut",  "spread", "quit", "bet",
                                                         "beat", "burst", "split", "cast",   "shed", "upset"};
    // "opened the letter and read it": after "and" the tense of the verb before
    // ("picked up the phone, then put it down": "then" in a story goes on in the past too)
    // ("searched the room but found nothing": so after "but")
    const bool pastBefore =
        ((subject.lower == "and" || subject.lower == "but") && lastVerbPast_) || (subject.lower == "then" && pastNarrative(toks_, i - 1));
    if ((singular || pastBefore) && listed(kSameFormPast, t.lemma) && !askedByAuxiliary(toks_, i))
      t.form = VerbForm::past;
    // "came home and fell asleep": so too the past of another verb spelt as a base ("fell",
    // "found", "saw", "left")
    // ("Water prices fell", "He found a key": after a singular subject the base cannot be the
    // present, and after any subject without an object after it the commoner past is meant)
    const bool subjectBefore = subject.tag == PartOfSpeech::noun || subject.tag == PartOfSpeech::name ||
                               subjectPronoun(subject);
    const bool objectAfter = i + 1 < toks_.size() && !t.pauseAfter &&
                             (toks_[i + 1].tag == PartOfSpeech::determiner ||
                              toks_[i + 1].tag == PartOfSpeech::possessive || toks_[i + 1].tag == PartOfSpeech::noun ||
                              toks_[i + 1].tag == PartOfSpeech::other || toks_[i + 1].tag == PartOfSpeech::pronoun);
    if ((pastBefore || (subjectBefore && (singular || !objectAfter))) && t.form == VerbForm::base &&
        !askedByAuxiliary(toks_, i))  // ("How much will the repair cost?": the base after "will")
      for (const lexicon::IrregularForm& f : core_.irregular(t.lower))
        if (f.pos == PartOfSpeech::verb && f.lemma != t.lemma) {
          t.lemma = f.lemma, t.form = VerbForm::past, t.entry = nullptr;
          break;
        }
  }
  if (t.tag == PartOfSpeech::verb) {
    verbSeen_ = true;
    lastVerbPast_ = t.form == VerbForm::past;
    // "has opened" and "was opened": the participle
    const Token* prev = i > 0 ? &toks_[i - 1] : nullptr;
    // ("was not locked", "has not finished": past the negation; "was seriously injured": past
    // an adverb after the auxiliary)
    if (prev && prev->tag == PartOfSpeech::negation && i >= 2) prev = &toks_[i - 2];
    if (prev && prev->tag == PartOfSpeech::adverb && i >= 2 && toks_[i - 2].tag == PartOfSpeech::auxiliary)
      prev = &toks_[i - 2];
    // ("Have you lived here long?", "Has she finished?": past the subject asked about)
    if (prev && prev->tag == PartOfSpeech::pronoun && i >= 2 && toks_[i - 2].tag == PartOfSpeech::auxiliary &&
        (toks_[i - 2].lower == "have" || toks_[i - 2].lower == "has" || toks_[i - 2].lower == "had"))
      prev = &toks_[i - 2];
    if (t.form == VerbForm::past && prev && prev->tag == PartOfSpeech::auxiliary && prev->lower != "do" &&
        prev->lower != "did")
      t.form = VerbForm::participle;
    // "have run out", "has come home", "had cut his finger": a perfect whose participle is spelt
    // as the base ("run", "come", "become", "put") is the participle too, past "just", "never"
    if (t.form == VerbForm::base && perfectBefore(i)) t.form = VerbForm::participle;
  }
}

// The verb nearest before `k` in its clause is a third person's present: "is", "has", "works".
bool ReadingChooser::presentOfThirdBefore(std::size_t k) const {
  for (std::size_t b = k; b-- > 0;) {
    const Token& v = toks_[b];
    if (v.pauseAfter || v.tag == PartOfSpeech::conjunction) return false;
    if (v.tag == PartOfSpeech::auxiliary) return v.lower == "is" || v.lower == "has" || v.lower == "does";
    if (v.tag == PartOfSpeech::verb) return v.form == VerbForm::third;
  }
  return false;
}

// The word at i follows a copula's adjective and a "but", "and", "or" or a comma, past "just",
// "only", "very" ("was small but very clean"): a second adjective said of the subject.
bool ReadingChooser::secondPredicateAt(std::size_t i) const {
  std::size_t k = i;
  while (k > 0 && toks_[k - 1].tag == PartOfSpeech::adverb && !toks_[k - 1].pauseAfter) --k;
  if (k == 0) return false;
  const Token& link = toks_[k - 1];
  const bool joined = link.lower == "but" || link.lower == "and" || link.lower == "or" || link.lower == "yet";
  std::size_t a = joined ? k - 1 : k;
  if (a == 0 || (!joined && !toks_[a - 1].pauseAfter)) return false;
  if (toks_[a - 1].tag != PartOfSpeech::adjective) return false;
  // back past the adverbs and the negation to the copula
  for (std::size_t b = a - 1; b-- > 0;) {
    if (toks_[b].tag == PartOfSpeech::adverb || toks_[b].tag == PartOfSpeech::negation) continue;
    return toks_[b].tag == PartOfSpeech::auxiliary && formOfBe(toks_[b].lower);
  }
  return false;
}

// "that" or "this" before i opens a clause (after "if", "because", "when", a comma or nothing)
// and what follows i cannot be the noun's own: a pronoun, an article, a preposition, an adverb or
// an adjective (a plural noun cannot follow "this"), or the end.
bool ReadingChooser::demonstrativeSubjectBefore(std::size_t i) const {
  static constexpr std::string_view kOpeners[] = {"if", "because", "when", "unless", "as", "so", "and", "but"};
  if (i == 0 || (toks_[i - 1].lower != "that" && toks_[i - 1].lower != "this") ||
      toks_[i - 1].tag != PartOfSpeech::determiner || !toks_[i].lower.ends_with("s"))
    return false;
  const bool opens = i == 1 || toks_[i - 2].pauseAfter || listed(kOpeners, toks_[i - 2].lower);
  if (!opens) return false;
  if (i + 1 == toks_.size()) return true;
  const Token& next = toks_[i + 1];
  return next.tag == PartOfSpeech::pronoun || next.tag == PartOfSpeech::determiner ||
         next.tag == PartOfSpeech::possessive || next.tag == PartOfSpeech::preposition ||
         next.tag == PartOfSpeech::adverb || next.tag == PartOfSpeech::adjective;
}

// The word at i follows a form of "be", past the adverbs and the negation between.
bool ReadingChooser::afterCopula(std::size_t i) const {
  std::size_t k = i;
  while (k > 0 && (toks_[k - 1].tag == PartOfSpeech::negation ||
                   (toks_[k - 1].tag == PartOfSpeech::adverb && !toks_[k - 1].time)))
    --k;
  return k > 0 && toks_[k - 1].tag == PartOfSpeech::auxiliary && formOfBe(toks_[k - 1].lower);
}

// The word at i says the state something is kept in: right after "kept" ("should be kept
// closed"), or after "keep" and its object ("Keep the windows closed").
bool ReadingChooser::keptAt(std::size_t i) const {
  // (two things kept so: "Keep windows and curtains closed")
  std::size_t k = i;
  while (k > 0 && i - k < 7 &&
         (toks_[k - 1].tag == PartOfSpeech::noun || toks_[k - 1].tag == PartOfSpeech::determiner ||
          toks_[k - 1].tag == PartOfSpeech::possessive || toks_[k - 1].tag == PartOfSpeech::adjective ||
          (k < i && (toks_[k - 1].lower == "and" || toks_[k - 1].lower == "or") && !toks_[k - 1].pauseAfter)))
    --k;
  return k > 0 && toks_[k - 1].tag == PartOfSpeech::verb && toks_[k - 1].lemma == "keep";
}

// A form of "have" as the auxiliary of the verb at i, past the adverbs and the negation between
// ("has just come", "have not put") and the subject of a question ("Have you read it?").
bool ReadingChooser::perfectBefore(std::size_t i) const {
  std::size_t k = i;
  while (k > 0 && (toks_[k - 1].tag == PartOfSpeech::negation ||
                   (toks_[k - 1].tag == PartOfSpeech::adverb && !toks_[k - 1].time)))
    --k;
  if (k >= 2 && toks_[k - 1].tag == PartOfSpeech::pronoun && toks_[k - 2].tag == PartOfSpeech::auxiliary) --k;
  if (k == 0 || toks_[k - 1].tag != PartOfSpeech::auxiliary) return false;
  const std::string& aux = toks_[k - 1].lower;
  return aux == "have" || aux == "has" || aux == "had" || aux == "'ve" || aux == "having";
}

// After a form of "be", a participle that is also an adjective ("closed") is a passive when
// someone did it ("by"), or when a past event has its time or place ("was closed in 2010");
// otherwise the adjective names a state ("The shop is closed").
bool ReadingChooser::passiveAt(std::size_t i) const {
  if (i == 0) return false;
  const std::string& be = toks_[i - 1].lower;
  if (toks_[i - 1].tag != PartOfSpeech::auxiliary) return false;
  if (!formOfBe(be)) return false;
  // "Towels are provided", "whether accommodation is provided": what comes with a thing
  // ("mellékelt") is said only beside its noun; after "be" the verb's passive, "biztosítanak"
  static constexpr std::string_view kOnlyBesideTheirNoun[] = {"provided", "supplied"};
  if (listed(kOnlyBesideTheirNoun, toks_[i].lower)) return true;
  if (i + 1 >= toks_.size()) return false;
  const Token& next = toks_[i + 1];
  if (next.lower == "by") return true;
  // "was disappointed with the result": an adjective the lexicon says takes the preposition
  // after it names a state and what it is about ("csalódott az eredményben"), no passive
  if (const lexicon::Entry* adjective = core_.find(toks_[i].lower, PartOfSpeech::adjective))
    if (std::any_of(adjective->senses.begin(), adjective->senses.end(),
                    [&](const lexicon::Sense& s) { return !s.note(next.lower).empty(); }))
      return false;
  // "have been married for forty years": how long a state has lasted; "will be closed until
  // Monday", "over the holidays": how long one will last
  // ("has been closed since Monday": the state since then, "hétfő óta zárva van")
  if (be == "been" && (next.lower == "for" || next.lower == "since")) return false;
  static constexpr std::string_view kLasting[] = {"until", "till", "over", "during", "for", "from"};
  if (be == "be" && i >= 2 && toks_[i - 2].lower == "will" && listed(kLasting, next.lower)) return false;
  // ("was closed for three hours": how long the state lasted, "három óráig zárva volt"; "for a
  // ceremony" says what for, a passive)
  auto unitAt = [&](std::size_t k) {
    if (k >= toks_.size()) return false;
    const std::string& w = toks_[k].lower;
    return unitOfTime(w) || (endsWith(w, "s") && unitOfTime(std::string_view(w).substr(0, w.size() - 1)));
  };
  if (next.lower == "for" && i + 2 < toks_.size() &&
      (toks_[i + 2].tag == PartOfSpeech::number || toks_[i + 2].lower == "a" || toks_[i + 2].lower == "an" ||
       toks_[i + 2].lower == "several" || toks_[i + 2].lower == "many" || toks_[i + 2].lower == "a few") &&
      (unitAt(i + 3) || unitAt(i + 4)))
    return false;
  const bool pastEvent = be == "was" || be == "were" || be == "been" || be == "be";
  return pastEvent && (next.tag == PartOfSpeech::preposition || next.tag == PartOfSpeech::number ||
                       next.lower == "yesterday" || next.lower == "last" || next.lower == "today");
}

// The bonuses the words before token i give its readings: a noun after a determiner, a verb
// after a subject pronoun or a modal, an imperative at the start, ...
void ReadingChooser::weighByContext(std::size_t i, std::vector<Reading>& rs) const {
  const Token& t = toks_[i];
  const std::vector<Token>& toks = toks_;
  const bool verbSeen = verbSeen_;
  const bool capital = startsWithCapital(t);
  const Token* prev = i > 0 ? &toks[i - 1] : nullptr;
  const std::string prevLower = prev ? prev->lower : "";
  const PartOfSpeech prevTag = prev ? prev->tag : PartOfSpeech::other;
  auto bonus = [&](PartOfSpeech tag, std::optional<VerbForm> form, double b) {
    for (Reading& r : rs)
      if (r.tag == tag && (!form || r.form == *form)) r.weight += b;
  };
  // "crossed the line and burst into tears": a word that opens a verb idiom of three words the
  // lexicon has, the two words after it, is its verb ("sírva fakadt", not a noun after "and")
  if (i + 2 < toks.size() && !t.pauseAfter && !toks[i + 1].pauseAfter)
    for (Reading& r : rs)
      if (r.tag == PartOfSpeech::verb && r.form != VerbForm::ing &&
          core_.find(r.lemma + " " + toks[i + 1].lower + " " + toks[i + 2].lower, PartOfSpeech::verb))
        r.weight += 300;
  // "the parking fine I received", "the flat we rented": a word after an article or a noun, right
  // before a subject pronoun, ends the noun phrase a relative clause without "that" says more of:
  // the noun ("bírság"), no adjective; after a noun, no verb that agrees with it ("The doctors
  // say I can go", "The landlord says he will")
  const bool agreesWithNounBefore =
      prevTag == PartOfSpeech::noun && std::any_of(rs.begin(), rs.end(), [&](const Reading& r) {
        return r.tag == PartOfSpeech::verb &&
               (r.form == VerbForm::past || r.form == (prev->plural ? VerbForm::base : VerbForm::third));
      });
  if ((prevTag == PartOfSpeech::determiner || prevTag == PartOfSpeech::noun) && !agreesWithNounBefore &&
      !t.pauseAfter && i + 2 < toks.size() && subjectPronoun(toks[i + 1]))
    bonus(PartOfSpeech::noun, std::nullopt, 400);
  // "If the problem continues, contact customer service", "When it boils, add the pasta": after
  // the comma of an opening clause of condition or time, with its own verb, a bare verb begins
  // the instruction
  static constexpr std::string_view kOpeningClauses[] = {"if", "when", "once", "unless", "after", "before",
                                                         "as soon as", "whenever", "while"};
  if (prev && prev->pauseAfter && i >= 3 && listed(kOpeningClauses, toks[0].lower) && verbSeen &&
      std::none_of(toks.begin() + 1, toks.begin() + std::ptrdiff_t(i - 1), [](const Token& k) { return k.pauseAfter; }) &&
      std::any_of(rs.begin(), rs.end(), [](const Reading& r) { return r.tag == PartOfSpeech::verb && r.form == VerbForm::base; }))
    bonus(PartOfSpeech::verb, VerbForm::base, 300);
  // "If you have questions", "We have plans": after "have" a word in "-s" is the thing had, no
  // verb of the third person
  if (prev && (prevLower == "have" || prevLower == "has" || prevLower == "had") && endsWith(t.lower, "s"))
    bonus(PartOfSpeech::noun, std::nullopt, 300);
  // "Children under five travel free", "People over 65 pay less": people of an age, the
  // subject, and after the age their verb
  static constexpr std::string_view kAgeBounds[] = {"under", "over", "above", "below", "aged"};
  if (i == 0 && i + 2 < toks.size() && listed(kAgeBounds, toks[1].lower) && toks[2].tag == PartOfSpeech::number &&
      core_.find(t.lower, PartOfSpeech::noun) && !core_.find(t.lower, PartOfSpeech::verb))
    bonus(PartOfSpeech::noun, std::nullopt, 400);
  if (i >= 3 && toks[i - 1].tag == PartOfSpeech::number && listed(kAgeBounds, toks[i - 2].lower) &&
      toks[i - 3].tag == PartOfSpeech::noun && toks[i - 3].plural && !verbSeen)
    bonus(PartOfSpeech::verb, VerbForm::base, 400);
  // "less expensive": the degree of the adjective after it, "kevésbé drága" (not "kisebb")
  if (t.lower == "less" && i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::other &&
      [&] {
        const std::vector<Reading> next = readingsOf(core_, toks[i + 1]);
        return std::any_of(next.begin(), next.end(), [](const Reading& r) { return r.tag == PartOfSpeech::adjective; }) &&
               std::none_of(next.begin(), next.end(), [](const Reading& r) { return r.tag == PartOfSpeech::noun; });
      }())
    bonus(PartOfSpeech::adverb, std::nullopt, 400);
  // "How much will all this cost?", "When does the new school open?": a question's modal or
  // "do" before its subject, and no verb since, leaves the clause's last word its verb
  if (i >= 2 && (i + 1 == toks.size() || t.pauseAfter) && askedByAuxiliary(toks, i))
    bonus(PartOfSpeech::verb, VerbForm::base, 400);
  // a noun (or an adjective before one) may follow: a set phrase ("the second traffic light"), or
  // a word that may be one ("the light, please" has none), unless it is likelier the verb of a
  // subject ("the light turns green")
  const bool nextNounish = [&] {
    if (i + 1 >= toks.size()) return false;
    if (toks[i + 1].tag == PartOfSpeech::noun && toks[i + 1].entry) return true;
    if (toks[i + 1].tag != PartOfSpeech::other) return false;
    const std::vector<Reading> next = readingsOf(core_, toks[i + 1]);
    if (std::none_of(next.begin(), next.end(), [](const Reading& r) {
          return r.tag == PartOfSpeech::noun || r.tag == PartOfSpeech::adjective;
        }))
      return false;
    const Reading& best = *std::max_element(
        next.begin(), next.end(), [](const Reading& a, const Reading& b) { return a.weight < b.weight; });
    // ("Is the flat still available?", "Is the flat available?": an adverb, or an adjective that
    // ends the phrase, is no noun's modifier; the word before it is the noun)
    const bool afterArticle = i > 0 && (toks[i - 1].tag == PartOfSpeech::determiner ||
                                        toks[i - 1].tag == PartOfSpeech::possessive);
    if (afterArticle && best.tag == PartOfSpeech::adverb && core_.find(best.lemma, PartOfSpeech::adverb) &&
        !core_.find(best.lemma, PartOfSpeech::adjective) && !core_.find(best.lemma, PartOfSpeech::noun))
      return false;
    const bool endsPhrase = toks[i + 1].pauseAfter || i + 2 >= toks.size() ||
                            (toks[i + 2].tag != PartOfSpeech::other && toks[i + 2].tag != PartOfSpeech::noun);
    if (afterArticle && endsPhrase &&
        std::none_of(next.begin(), next.end(), [](const Reading& r) { return r.tag == PartOfSpeech::noun; }))
      return false;
    // (a subject stands first in its clause: "until the light turns green")
    const std::string_view opener = i >= 2 ? std::string_view(toks[i - 2].lower) : std::string_view();
    // ("When the light comes on", "where the road turns left", "once the water boils")
    static constexpr std::string_view kOpeners[] = {"until", "before", "after", "that",  "when", "whenever",
                                                    "where", "while",  "once",  "since", "as",   "unless"};
    const bool subjectSlot = i < 2 || toks[i - 2].tag == PartOfSpeech::conjunction || listed(kOpeners, opener);
    return !subjectSlot || best.tag != PartOfSpeech::verb || best.form != VerbForm::third;
  }();
  // after "and" between two nouns ("bread and milk") no new clause begins; a word with an
  // object after it is a verb ("into pieces and fry them", "fill in the form and return it")
  const Token* after = i + 1 < toks.size() ? &toks[i + 1] : nullptr;
  // ("and drink plenty of water": a quantity opens the object as a determiner does)
  const bool objectFollows =
      after && (after->tag == PartOfSpeech::determiner || after->tag == PartOfSpeech::possessive ||
                after->lower == "plenty of" || after->lower == "lots of" || after->lower == "a lot of" ||
                (after->tag == PartOfSpeech::pronoun &&
                 (after->lower == "it" || after->lower == "them" || after->lower == "me" ||
                  after->lower == "him" || after->lower == "us")));
  // ("add the sugar and stir well": how follows a verb)
  const bool howFollows = after && (after->lower == "well" || after->lower.ends_with("ly"));
  // ("opened the door and sat down": a particle follows a verb)
  const bool particleFollows =
      after && (after->lower == "down" || after->lower == "up" || after->lower == "out" ||
                after->lower == "back" || after->lower == "away" || after->lower == "off");
  // ("add the sugar and stir": a word the core lexicon knows only as a verb joins no noun)
  auto coreReading = [&](PartOfSpeech tag) {
    return std::any_of(rs.begin(), rs.end(),
                       [&](const Reading& r) { return r.tag == tag && core_.find(r.lemma, tag); });
  };
  const bool onlyAVerb = coreReading(PartOfSpeech::verb) && !coreReading(PartOfSpeech::noun);
  const bool onlyAnAdjective = coreReading(PartOfSpeech::adjective) && !coreReading(PartOfSpeech::noun);
  // ("a red coat and black boots": an adjective before its noun joins none)
  const bool joinsNouns = prevTag == PartOfSpeech::conjunction && i >= 2 && !objectFollows && !howFollows &&
                          !particleFollows && !onlyAVerb &&
                          !(nextNounish && coreReading(PartOfSpeech::adjective)) &&
                          (toks[i - 2].tag == PartOfSpeech::noun || toks[i - 2].tag == PartOfSpeech::name);
  // "She is a teacher and lives in Pécs": after a singular noun and "and", an "-s" word the core
  // lexicon has as a verb, with a place, an object or a manner after it, is the subject's second
  // verb when the clause's verb so far is a third person's present ("is", "works"), no plural
  // noun joined to the one before
  const bool secondPresentVerb =
      prevLower == "and" && i >= 3 && toks[i - 2].tag == PartOfSpeech::noun && !toks[i - 2].plural &&
      // (a noun counted by its article: "sells coffee and plants" joins two nouns)
      (toks[i - 3].tag == PartOfSpeech::determiner || toks[i - 3].tag == PartOfSpeech::possessive) &&
      t.lower.ends_with("s") && coreReading(PartOfSpeech::verb) && after &&
      (after->tag == PartOfSpeech::preposition || objectFollows || howFollows) && presentOfThirdBefore(i - 1);
  // "before leaving the house", "after eating lunch": the "-ing" verb of a clause of time, with
  // its object or complement after it ("while skiing" alone names the activity)
  const bool ing = t.lower.size() > 4 && t.lower.compare(t.lower.size() - 3, 3, "ing") == 0;
  // ("thank you for helping": what is thanked for)
  // ("thinking of getting a puppy": what one thinks of doing)
  const bool thoughtOf = (prevLower == "of" || prevLower == "about") && ing && i >= 2 && after &&
                         after->tag != PartOfSpeech::conjunction && toks[i - 2].lemma == "think";
  // ("fined for speeding": an "-ing" word the lexicon has as a noun, with nothing after it, is
  // the deed's name, "gyorshajtásért")
  const bool namedDeed = coreReading(PartOfSpeech::noun) && (!after || t.pauseAfter);
  const bool thanks = (prevLower == "for" && (thanksBefore(toks, i - 1) || regretsBefore(toks, i - 1) ||
                                              (judgesBefore(toks, i - 1) && !namedDeed))) ||
                      thoughtOf;
  const bool timeClauseVerb =
      ing && ((after && after->tag != PartOfSpeech::conjunction && opensIngClauseOfTime(prevLower) &&
               !(prevLower == "without" && i >= 2 && toks[i - 2].pauseAfter)) ||  // (see gerundClauseAt)
              thanks);
  const bool startsClause =
      i == 0 || prevLower == "please" ||
      (prevTag == PartOfSpeech::negation && i == 2 && toks[0].lower == "do") || prevLower == "let's" ||
      (prevTag == PartOfSpeech::conjunction && !joinsNouns) ||
      // "..., then open the door", "and then switch on the machine"; after a
      // clause and its comma, a verb with its object ("If it stops, switch it off")
      prevLower == "then" ||
      // "Gently fold the egg whites": an opening adverb of manner, then the command
      (i == 1 && prevTag == PartOfSpeech::adverb && prevLower.ends_with("ly") && objectFollows) ||
      (i == 1 && prevTag == PartOfSpeech::adverb && prevLower == "first") ||  // "First open the box"
      (prev && prev->pauseAfter && (objectFollows || particleFollows)) ||
      // "If it freezes, never use a flame", "Before you set off, always tell someone": after a
      // clause and its comma, how often the instruction holds, then the command
      ((prevLower == "never" || prevLower == "always") && i >= 2 && toks[i - 2].pauseAfter);
  if ((t.lower == "first" && i > 0 && subjectPronoun(toks[i - 1]) && !toks[i - 1].pauseAfter &&
       mayBeVerb(i + 1, VerbForm::base)) ||  // ("when you first log in": "amikor először bejelentkezik")
      (t.lower == "first" && i == 0 &&
      (t.pauseAfter || (after && subjectPronoun(*after)) ||
       (mayBeVerb(i + 1, VerbForm::base) &&
        !(i + 2 < toks.size() && (toks[i + 2].tag == PartOfSpeech::auxiliary || toks[i + 2].tag == PartOfSpeech::modal)))))) {
    // "First, make sure ...", "First open the box", "First we need a plan": the step that comes
    // first, "először" ("First prize was ...": the ordinal of a subject)
    bonus(PartOfSpeech::adverb, std::nullopt, 400);
  } else if (t.lower == "then") {
    bonus(PartOfSpeech::adverb, std::nullopt, 400);  // "and then", never a noun
  } else if (prevTag == PartOfSpeech::verb && t.lower == "home") {
    bonus(PartOfSpeech::adverb, std::nullopt, 300);  // "came home": where to, "haza"
  } else if (timeClauseVerb) {
    bonus(PartOfSpeech::verb, VerbForm::ing, 300);
  } else if (prevLower == "while" && ing) {
    bonus(PartOfSpeech::noun, std::nullopt, 300);  // "while skiing": the activity as a noun
  } else if (prevLower == "more" || prevLower == "most") {
    bonus(PartOfSpeech::adjective, std::nullopt, 200);  // "more interesting": a degree
    bonus(PartOfSpeech::noun, std::nullopt, 150);       // "any more questions": what there is more of
  } else if ((prevLower == "which" || prevLower == "what" || prevLower == "whose") && i == 1 &&
             i + 1 < toks.size() &&
             (toks[i + 1].tag == PartOfSpeech::auxiliary || toks[i + 1].tag == PartOfSpeech::modal)) {
    bonus(PartOfSpeech::noun, std::nullopt, 300);  // "Which train did you take?": what is asked about
  } else if ((prevLower == "who" || prevLower == "which" || prevLower == "that") &&
             (i == 1 || toks[i - 2].tag == PartOfSpeech::noun || toks[i - 2].tag == PartOfSpeech::name)) {
    // "the man who lives here", "Who lives here?": the relative's or the question's verb
    bonus(PartOfSpeech::verb, VerbForm::third, 200);
    bonus(PartOfSpeech::verb, VerbForm::past, 200);
    // ("people who smoke", "drivers who park here": after a plural noun its bare present too)
    if (i >= 2 && toks[i - 2].tag == PartOfSpeech::noun && toks[i - 2].plural)
      bonus(PartOfSpeech::verb, VerbForm::base, 200);
  } else if (prevLower == "and" && lastVerbPast_ &&
             std::any_of(rs.begin(), rs.end(),
                         [](const Reading& r) { return r.tag == PartOfSpeech::verb && r.form == VerbForm::past; }) &&
             (!after || t.pauseAfter || objectFollows || particleFollows || after->tag == PartOfSpeech::number ||
              after->tag == PartOfSpeech::noun || after->tag == PartOfSpeech::preposition ||
              after->lower.ends_with(" of"))) {  // (a quantity: "thousands of", "a number of")
    // "brought down trees and left thousands of homes", "took his coat and left": after a simple
    // past and "and", a word spelt as a past goes on with the same subject ("hagyott", not "bal")
    bonus(PartOfSpeech::verb, VerbForm::past, 300);
  } else if (prevLower == "how" && i == 1 && (i + 1 == toks.size() || toks[i + 1].lower == "of")) {
    bonus(PartOfSpeech::adjective, std::nullopt, 300);  // "How kind of you!": "Milyen kedves tőled!"
  } else if (prevLower == "very" || prevLower == "too" || prevLower == "so") {
    // ("plays very well": how, after a verb or its object, "nagyon jól"; "are growing so fast":
    // a word the core lexicon has as an adverb too, right after a verb that is not "seem")
    // "slammed the door so hard that": after a verb's object too, unless the verb says what the
    // object is or becomes ("found the test so hard", "made the room so warm")
    const bool afterObject = [&] {
      if (prevLower != "so" || i < 3 || !coreReading(PartOfSpeech::adverb) || nextNounish) return false;
      std::size_t b = i - 1;
      if (toks[b - 1].tag != PartOfSpeech::noun) return false;
      while (b > 0 && (toks[b - 1].tag == PartOfSpeech::noun || toks[b - 1].tag == PartOfSpeech::adjective))
        --b;
      if (b == 0 || (toks[b - 1].tag != PartOfSpeech::determiner && toks[b - 1].tag != PartOfSpeech::possessive))
        return false;
      --b;
      static constexpr std::string_view kSaysWhatItIs[] = {"find", "make", "keep", "leave", "consider", "think",
                                                           "call", "get",  "want", "like",  "prefer",   "have",
                                                           "see",  "feel", "hold", "paint", "turn",     "set"};
      return b > 0 && toks[b - 1].tag == PartOfSpeech::verb && !seemsLike(toks[b - 1]) &&
             !listed(kSaysWhatItIs, toks[b - 1].lemma);
    }();
    const bool how = (t.lower == "well" && i >= 2 && toks[i - 2].tag != PartOfSpeech::auxiliary &&
                      toks[i - 2].tag != PartOfSpeech::pronoun) ||
                     (i >= 2 && toks[i - 2].tag == PartOfSpeech::verb && !seemsLike(toks[i - 2]) &&
                      coreReading(PartOfSpeech::adverb)) ||
                     afterObject;
    bonus(how ? PartOfSpeech::adverb : PartOfSpeech::adjective, std::nullopt, 200);
  } else if (prevTag == PartOfSpeech::adverb && i >= 2 && subjectPronoun(toks[i - 2])) {
    bonus(PartOfSpeech::verb, std::nullopt, 200);  // "I usually walk": the subject's verb
  } else if ((prevLower == "and" || prevLower == "or") && i >= 2 &&
             toks[i - 2].tag == PartOfSpeech::adjective && (nextNounish || !objectFollows)) {
    // "a cool and dry place", "is bright and warm": the second adjective
    bonus(PartOfSpeech::adjective, std::nullopt, 200);
  } else if (prevTag == PartOfSpeech::conjunction && i >= 2 &&
             (toks[i - 2].tag == PartOfSpeech::noun || toks[i - 2].tag == PartOfSpeech::name) &&
             nextNounish && coreReading(PartOfSpeech::adjective)) {
    bonus(PartOfSpeech::adjective, std::nullopt, 150);  // "a red coat and black boots": "fekete"
  } else if (secondPresentVerb) {
    bonus(PartOfSpeech::verb, VerbForm::third, 300);
  } else if (joinsNouns) {
    bonus(PartOfSpeech::noun, std::nullopt, 100);
  } else if (prevTag == PartOfSpeech::determiner || prevTag == PartOfSpeech::possessive ||
             prevTag == PartOfSpeech::number ||
             // ("If the screen goes dark, check the cable": a comma and an object end the phrase)
             // ("If the light comes on, stop the car": a particle's comma as well; "If the
             // weather turns bad, head back": a particle after the command's verb as well)
             ((prevTag == PartOfSpeech::adjective || prevTag == PartOfSpeech::preposition) &&
              !(prev->pauseAfter && (objectFollows || particleFollows))) ||
             (prev && prev->possessor)) {
    bonus(PartOfSpeech::noun, std::nullopt, 100);
    // ("the past three weeks": an adjective of order before a number too)
    static constexpr std::string_view kBeforeANumber[] = {"past",      "last",  "previous",
                                                          "following", "other", "final"};
    if (nextNounish ||
        (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::number && listed(kBeforeANumber, t.lower)))
      bonus(PartOfSpeech::adjective, std::nullopt, 120);
    // "visited the flooded villages": a participle the core lexicon has only as its verb is that
    // verb's finished past ("az elárasztott falvakat"), not an adjective it cannot say; past the
    // clause's verb, so that it is not taken for it
    if (verbSeen && nextNounish && t.lower.ends_with("ed") && coreReading(PartOfSpeech::verb) &&
        !coreReading(PartOfSpeech::adjective))
      bonus(PartOfSpeech::verb, VerbForm::past, 130);
    // "a cool and dry place": an adjective, "and" another, then the noun
    auto reads = [&](std::size_t k, PartOfSpeech tag) {
      if (k >= toks.size()) return false;
      if (toks[k].tag != PartOfSpeech::other) return toks[k].tag == tag;
      const std::vector<Reading> rs = readingsOf(core_, toks[k]);
      return std::any_of(rs.begin(), rs.end(), [&](const Reading& r) { return r.tag == tag; });
    };
    // ("a red and a blue pen": the noun said once, after the second one's article)
    const std::size_t second =
        i + 2 < toks.size() && (toks[i + 2].lower == "a" || toks[i + 2].lower == "an" || toks[i + 2].lower == "the")
            ? i + 3
            : i + 2;
    if (second + 1 < toks.size() && (toks[i + 1].lower == "and" || toks[i + 1].lower == "or") &&
        reads(second, PartOfSpeech::adjective) && reads(second + 1, PartOfSpeech::noun) &&
        core_.find(t.lower, PartOfSpeech::adjective))
      bonus(PartOfSpeech::adjective, std::nullopt, 150);
    if (prevTag == PartOfSpeech::preposition && prevLower == "to") {
      bonus(PartOfSpeech::verb, VerbForm::base, 60);
      // "to contact me", "to book the tickets": an object follows a verb
      const Token* next = i + 1 < toks.size() ? &toks[i + 1] : nullptr;
      if (next && (next->tag == PartOfSpeech::determiner || next->tag == PartOfSpeech::possessive ||
                   (next->tag == PartOfSpeech::pronoun && next->lower != "i" && next->lower != "we" &&
                    next->lower != "he" && next->lower != "she" && next->lower != "they")))
        bonus(PartOfSpeech::verb, VerbForm::base, 100);
      // "gathered to protest against the law": a bare word after "to" and before a preposition is
      // what they came to do, unless it names a place one goes to ("went to school with")
      // ("closed to traffic for a month": after a state the noun it is closed to)
      if (next && next->tag == PartOfSpeech::preposition && verbSeen && i >= 2 &&
          toks[i - 2].tag != PartOfSpeech::adjective &&
          !(toks[i - 2].tag == PartOfSpeech::verb && toks[i - 2].form == VerbForm::participle)) {
        const lexicon::Entry* place = core_.find(t.lower, PartOfSpeech::noun);
        const bool goneTo = place && std::any_of(place->senses.begin(), place->senses.end(),
                                                 [](const lexicon::Sense& s) { return !s.note("to").empty(); });
        if (!goneTo) bonus(PartOfSpeech::verb, VerbForm::base, 100);
      }
    }
    // "have to go", "would like to order", "is going to rain", "told us not to worry": an infinitive
    if (prevLower == "to" && i >= 2 && (takesInfinitive(toks[i - 2]) || toks[i - 2].lower == "not"))
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
    // "told him to rest", "asked us to wait", "helped her to carry": after a verb and its object
    // pronoun, what it asks for
    if (prevLower == "to" && i >= 3 && toks[i - 3].tag == PartOfSpeech::verb &&
        (listed(kAskingSomeoneToDo, toks[i - 3].lemma) || toks[i - 3].lemma == "help" || toks[i - 3].lemma == "expect") &&
        (toks[i - 2].lower == "me" || toks[i - 2].lower == "him" || toks[i - 2].lower == "her" ||
         toks[i - 2].lower == "us" || toks[i - 2].lower == "them"))
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
    // "too tired to work", "old enough to drive": what the degree is too much or enough for
    if (prevLower == "to" && i >= 3 &&
        ((toks[i - 2].tag == PartOfSpeech::adjective && toks[i - 3].lower == "too") ||
         (toks[i - 2].lower == "enough" && toks[i - 3].tag == PartOfSpeech::adjective)))
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
    // ("allows students to use", "want my son to study": past a noun phrase as the object too)
    if (prevLower == "to" && i >= 3 && (toks[i - 2].tag == PartOfSpeech::noun || toks[i - 2].tag == PartOfSpeech::name)) {
      std::size_t k = i - 2;
      while (k > 0 && i - k < 5 &&
             (toks[k - 1].tag == PartOfSpeech::determiner || toks[k - 1].tag == PartOfSpeech::possessive ||
              toks[k - 1].tag == PartOfSpeech::adjective || toks[k - 1].tag == PartOfSpeech::noun))
        --k;
      if (k > 0 && toks[k - 1].tag == PartOfSpeech::verb && listed(kAskingSomeoneToDo, toks[k - 1].lemma))
        bonus(PartOfSpeech::verb, VerbForm::base, 300);
    }
    // "Commuters were advised to work from home", "are urged to stay indoors": after the passive
    // of asking someone to do a thing, what they are asked to do ("hogy otthonról dolgozzanak")
    if (prevLower == "to" && i >= 3 && toks[i - 2].tag == PartOfSpeech::verb &&
        (toks[i - 2].form == VerbForm::participle || toks[i - 2].form == VerbForm::past) &&
        listed(kAskingSomeoneToDo, toks[i - 2].lemma) &&
        (formOfBe(toks[i - 3].lower) || toks[i - 3].tag == PartOfSpeech::adverb))
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
    // "It takes ten minutes to walk there", "took hours to find": after the time something takes,
    // what it takes that long to do
    if (prevLower == "to" && i >= 3 && toks[i - 2].tag == PartOfSpeech::noun && unitOfTime(toks[i - 2].lemma) &&
        std::any_of(toks.begin() + std::ptrdiff_t(i >= 6 ? i - 6 : 0), toks.begin() + std::ptrdiff_t(i - 2),
                    [](const Token& k) { return k.lemma == "take"; }))
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
    // "gathered to protest against the law": one goes to a place, but does a thing against
    // something ("hogy tiltakozzanak")
    if (prevLower == "to" && i + 1 < toks.size() && toks[i + 1].lower == "against")
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
  } else if (prevTag == PartOfSpeech::modal || isDoSupport(prevLower) ||
             // ("can no longer walk": past the negation of "no longer")
             (prevLower == "no longer" && i >= 2 && toks[i - 2].tag == PartOfSpeech::modal) ||
             // ("can now open", "should always check", "will not soon forget": past an adverb
             // of time or frequency between the modal and its verb)
             (prevTag == PartOfSpeech::adverb && i >= 2 &&
              (toks[i - 2].tag == PartOfSpeech::modal ||
               (toks[i - 2].tag == PartOfSpeech::negation && i >= 3 && toks[i - 3].tag == PartOfSpeech::modal))) ||
             (prevTag == PartOfSpeech::negation &&
              (!verbSeen ||
               (i >= 2 && (toks[i - 2].tag == PartOfSpeech::modal || isDoSupport(toks[i - 2].lower)))))) {
    // "does not matter", "can't find": the negated auxiliary's verb.
    bonus(PartOfSpeech::verb, VerbForm::base, 200);
  } else if (prevTag == PartOfSpeech::pronoun && i >= 4 && listed(kObjectPronouns, prevLower) &&
             toks[i - 2].tag == PartOfSpeech::verb &&
             (toks[i - 2].form == VerbForm::past || toks[i - 2].form == VerbForm::third) &&
             (toks[i - 3].lower == "who" || toks[i - 3].lower == "that" || toks[i - 3].lower == "which") &&
             toks[i - 4].tag == PartOfSpeech::noun &&
             std::none_of(toks.begin(), toks.begin() + std::ptrdiff_t(i - 4), [](const Token& k) {
               return k.tag == PartOfSpeech::verb || k.tag == PartOfSpeech::auxiliary || k.tag == PartOfSpeech::modal;
             })) {
    // "The man who called me left a message", "The woman who helped us lives next door": past
    // the relative clause of the sentence's subject, its verb and object, the main verb
    bonus(PartOfSpeech::verb, VerbForm::past, 300);
    bonus(PartOfSpeech::verb, VerbForm::third, 300);
  } else if (prevTag == PartOfSpeech::pronoun && i >= 2 && formOfBe(toks[i - 2].lower) &&
             (i == 2 || toks[i - 3].tag == PartOfSpeech::question) && !ing &&
             std::any_of(rs.begin(), rs.end(), [](const Reading& r) { return r.tag == PartOfSpeech::adjective; }) &&
             std::none_of(rs.begin(), rs.end(), [](const Reading& r) {  // ("Were you born here?": a passive)
               return r.tag == PartOfSpeech::verb && r.form == VerbForm::participle;
             })) {
    bonus(PartOfSpeech::adjective, std::nullopt, 300);  // "Is it better?", "Are you free?": the predicate asked
  } else if (prevTag == PartOfSpeech::pronoun &&
             (prev->lower == "i" || prev->lower == "we" || prev->lower == "they" || prev->lower == "he" ||
              prev->lower == "she" ||
              ((prev->lower == "you" || prev->lower == "it") &&
               (!verbSeen ||
                (i >= 2 &&
                 (toks[i - 2].tag == PartOfSpeech::question || toks[i - 2].tag == PartOfSpeech::conjunction ||
                  toks[i - 2].tag == PartOfSpeech::modal || toks[i - 2].tag == PartOfSpeech::auxiliary ||
                  // "before you clean it": the subject of a clause of time ("as it left the
                  // harbour", "while it cools")
                  toks[i - 2].lower == "before" || toks[i - 2].lower == "after" ||
                  toks[i - 2].lower == "until" ||
                  // "as it left the harbour", "once it stops", "since you left": after a word
                  // that opens a clause "it" and "you" are its subject
                  toks[i - 2].lower == "as" || toks[i - 2].lower == "once" || toks[i - 2].lower == "since" ||
                  toks[i - 2].lower == "while" || toks[i - 2].lower == "whenever" ||
                  (toks[i - 2].lower == "case" && i >= 3 && toks[i - 3].lower == "in") ||
                  // "know how much it costs", "what time it starts": past a question of quantity
                  (i >= 3 && toks[i - 3].tag == PartOfSpeech::question && listed(kQuantityAsked, toks[i - 2].lower)))))))) {
    bonus(PartOfSpeech::verb, std::nullopt, 200);
  } else if ((prevTag == PartOfSpeech::auxiliary || (prevTag == PartOfSpeech::negation && i >= 2)) &&
             [&] {  // ("is not interested": past the negation too)
               const std::string_view be = prevTag == PartOfSpeech::negation ? toks[i - 2].lower : prevLower;
               return formOfBe(be);
             }()) {
    bonus(PartOfSpeech::verb, VerbForm::ing, 300);
    bonus(PartOfSpeech::adjective, std::nullopt, 150);
    bonus(PartOfSpeech::verb, VerbForm::past, 100);
    // "The film was interesting", "is boring": an "-ing" adjective of what one feels about a
    // thing, not the verb ("érdekes", not "érdekelt"), unless an object follows
    static constexpr std::string_view kFeltAbout[] = {
        "interesting",   "boring",   "exciting",    "amazing",   "surprising", "shocking",
        "disappointing", "annoying", "frightening", "confusing", "tiring",     "relaxing",
        "embarrassing",  "worrying", "depressing",  "appalling"};
    if (ing && !objectFollows && coreReading(PartOfSpeech::adjective) && listed(kFeltAbout, t.lower))
      bonus(PartOfSpeech::adjective, std::nullopt, 400);
    // "has been missing since Sunday", "two keys are missing": "missing" is the state the
    // subject is in, not a deed ("eltűnt", not "hiányol"), unless an object follows ("have been
    // missing you")
    if (ing && t.lower == "missing" && !objectFollows && !(after && (after->lower == "you" || after->lower == "her")) &&
        coreReading(PartOfSpeech::adjective))
      bonus(PartOfSpeech::adjective, std::nullopt, 400);
    // "are kindly asked", "was badly damaged": an "-ly" word before a participle says how the
    // deed was done, and the passive goes on past it
    // (a regular "-ed" form is read as a past, its participle alike)
    if (t.lower.ends_with("ly") && coreReading(PartOfSpeech::adverb) &&
        (mayBeVerb(i + 1, VerbForm::past) || mayBeVerb(i + 1, VerbForm::participle)))
      bonus(PartOfSpeech::adverb, std::nullopt, 400);
  } else if (prevTag == PartOfSpeech::adverb && i >= 2 && toks[i - 2].tag == PartOfSpeech::auxiliary &&
             formOfBe(toks[i - 2].lower) && ing &&
             !coreReading(PartOfSpeech::adjective)) {  // (not "is really interesting")
    bonus(PartOfSpeech::verb, VerbForm::ing, 300);     // "was already setting", "is still waiting"
  } else if (prevTag == PartOfSpeech::adverb && i >= 2 && toks[i - 2].tag == PartOfSpeech::auxiliary &&
             formOfBe(toks[i - 2].lower) && !ing && coreReading(PartOfSpeech::adjective) &&
             !(i + 1 < toks.size() && toks[i + 1].lower == "by")) {
    bonus(PartOfSpeech::adjective, std::nullopt, 150);  // "is just tired", "was really tired": the state
  } else if ((prevTag == PartOfSpeech::auxiliary &&
              (prevLower == "have" || prevLower == "has" || prevLower == "had")) ||
             // ("had already left", "have just arrived": past the adverb)
             ((prevTag == PartOfSpeech::adverb || prevTag == PartOfSpeech::negation) && i >= 2 &&
              toks[i - 2].tag == PartOfSpeech::auxiliary &&
              (toks[i - 2].lower == "have" || toks[i - 2].lower == "has" || toks[i - 2].lower == "had"))) {
    bonus(PartOfSpeech::verb, VerbForm::past, 200);
  } else if (i == 1 && prevTag == PartOfSpeech::noun && participleBeforeLaterVerb(i)) {
    bonus(PartOfSpeech::verb, VerbForm::past, 300);  // "Towels left on the floor": the participle
  } else if (i == 0 && !toks[i].pauseAfter && coreReading(PartOfSpeech::noun) &&
             (pastBeforeObject(i + 1) || irregularPast(i + 1) || participleBeforeLaterVerb(i + 1) ||
              (!coreReading(PartOfSpeech::verb) && onlyAPast(i + 1)) ||
              (i + 2 < toks.size() && listed(kHowOften, toks[i + 1].lower) && mayBeVerb(i + 2)))) {
    // "Police found the stolen car", "People often forget", "Dust lay on the shelves": the
    // subject before its verb (a past tells what happened; an imperative has none after it)
    // ("Mother refused", "Mother smiled": a word the core lexicon has as a noun only, before a
    // word that is only a past)
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (prevTag == PartOfSpeech::adverb && i >= 2 && !verbSeen &&
             (listed(kHowOften, prevLower) || (prevLower.ends_with("ly") && (objectFollows || nextNounish))) &&
             (toks[i - 2].tag == PartOfSpeech::noun || toks[i - 2].tag == PartOfSpeech::name) &&
             !toks[i - 2].possessor) {
    // "My old teacher still lives here": after the subject and how often, the verb (and after
    // how much or how, before its object: "Sugary drinks seriously damage teeth")
    bonus(PartOfSpeech::verb, toks[i - 2].plural ? VerbForm::base : VerbForm::third, 200);
    bonus(PartOfSpeech::verb, VerbForm::past, 200);
  } else if (i == 0 && !toks[i].pauseAfter && verbBeforeThat(i + 1) && coreReading(PartOfSpeech::noun)) {
    // "Police say that", "People think that": the subject before its verb of saying, no
    // imperative ("rendbe tesz")
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (startsClause && i + 1 < toks.size() &&
             (toks[i + 1].tag == PartOfSpeech::auxiliary || toks[i + 1].tag == PartOfSpeech::modal)) {
    bonus(PartOfSpeech::noun, std::nullopt, 200);  // "Time is money": a subject, not an imperative
  } else if (i == 0 && i + 2 < toks.size() && toks[i + 1].tag == PartOfSpeech::other && !onlyAnAdjective &&
             toks[i + 1].lower.size() > 3 && toks[i + 1].lower.back() == 's' && auxiliaryAfterPlace(i + 2)) {
    // "Train services were cancelled", "Oil prices have risen": a noun before the plural subject
    // (past a place of its own: "Water supplies in the village were cut off"; "Heavy lorries
    // are banned": a word the core lexicon has as an adjective only stays one)
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i == 0 && i + 2 < toks.size() && toks[i + 1].tag == PartOfSpeech::other && !toks[i].pauseAfter &&
             coreReading(PartOfSpeech::noun) && !coreReading(PartOfSpeech::verb) &&
             core_.find(toks[i + 1].lower, PartOfSpeech::noun) && auxiliaryAfterPlace(i + 2)) {
    // "Garden waste is collected on Mondays": a word the core lexicon has as a noun only, before
    // a noun and the auxiliary of its clause, is the compound's first noun, no imperative
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i == 0 && subjectBeforeFiniteVerb(i)) {
    bonus(PartOfSpeech::noun, std::nullopt, 200);  // "Oil prices rose", "Police say that"
  } else if (i == 1 && toks[0].tag == PartOfSpeech::noun &&
             (auxiliaryAfterPlace(i + 1) ||
              (toks[i].lower.back() == 's' && irregularPast(i + 1)))) {
    bonus(PartOfSpeech::noun, std::nullopt, 300);  // "Train services were", "Oil prices rose": the compound's head
  } else if (i == 0 && i + 2 < toks.size() && toks[i + 1].tag == PartOfSpeech::other && !onlyAnAdjective &&
             toks[i + 1].lower.size() > 3 && toks[i + 1].lower.back() == 's' && !toks[i + 1].pauseAfter &&
             mayBePast(i + 2) && pluralNounReading(toks[i + 1]) &&
             std::any_of(rs.begin(), rs.end(), [](const Reading& r) {
               static constexpr std::string_view kKeeping[] = {"keep", "leave", "get", "have", "make", "want"};
               return r.tag == PartOfSpeech::verb && r.form == VerbForm::base && !listed(kKeeping, r.lemma);
             })) {
    // "Food prices fell", "Oil prices dropped sharply": a noun before a plural subject and a word
    // that may be its past, no imperative ("Olajozz") with an object ("Keep doors locked" keeps
    // its object in a state)
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i == 1 && toks[0].tag == PartOfSpeech::noun && t.lower.size() > 3 && t.lower.back() == 's' &&
             mayBePast(i + 1) && pluralNounReading(t)) {
    bonus(PartOfSpeech::noun, std::nullopt, 300);  // "Oil prices fell": the compound's head
  } else if (startsClause && listBeforeAuxiliary(toks, i)) {
    bonus(PartOfSpeech::noun, std::nullopt, 200);  // "Bread, milk and eggs are ...": a list subject
  } else if (i == 0 && std::any_of(rs.begin(), rs.end(), [](const Reading& r) {
               return r.tag == PartOfSpeech::verb && r.form == VerbForm::third;
             })) {
    // "Shares in the car maker dropped": a third person has no subject before it to agree with;
    // the opening "-s" word is the plural subject
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i >= 2 && prevLower == "it" && toks[i - 2].tag == PartOfSpeech::verb &&
             listed(kThoughtWithoutThat, toks[i - 2].lemma)) {
    // "I hope it helps", "I think it works": "it" opens what is thought, its verb follows
    bonus(PartOfSpeech::verb, VerbForm::third, 300);
    bonus(PartOfSpeech::verb, VerbForm::past, 300);
  } else if (i == 0 && i + 2 < toks.size() && toks[i + 1].tag == PartOfSpeech::number && !toks[i + 1].lower.empty() &&
             std::all_of(toks[i + 1].lower.begin(), toks[i + 1].lower.end(),
                         [](char c) { return c >= '0' && c <= '9'; }) &&
             (toks[i + 2].tag == PartOfSpeech::auxiliary || toks[i + 2].tag == PartOfSpeech::modal ||
              mayBeVerb(i + 2, VerbForm::past) || mayBeVerb(i + 2, VerbForm::third))) {
    // "Room 12 is ready", "Flight 214 landed": a noun named by its number, the subject before its
    // verb; an imperative's number counts its object ("Take 2 tablets")
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i == 0 && !toks[i].pauseAfter && pluralNounReading(toks[i]) && pastAfterPlace(i + 1)) {
    // "People in the village helped us", "Costs in the area rose": a plural subject and its
    // place before the past, no imperative
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (i == 0 && !toks[i].pauseAfter && pluralNounReading(toks[i]) && relativeOpensAfter(i + 1)) {
    // "People who are allergic to nuts should avoid", "People that live here ...": a plural
    // subject that a relative clause describes; an imperative takes no "who" after it
    bonus(PartOfSpeech::noun, std::nullopt, 200);
  } else if (startsClause && (i == 0 || !capital)) {
    bonus(PartOfSpeech::verb, VerbForm::base, 150);  // an imperative: "Close the window."
  } else if (prevTag == PartOfSpeech::noun && !prev->possessor && lastOfClause(i) &&
             nounPhraseOpensClause(i)) {
    // "..., a new survey shows.": a clause of a noun phrase and one word more ends with its verb
    bonus(PartOfSpeech::verb, prev->plural ? VerbForm::base : VerbForm::third, 300);
  } else if ((prevTag == PartOfSpeech::noun || prevTag == PartOfSpeech::name) && askedOfNounBefore(i)) {
    // "When does the shop open?": the verb; but "Why did the ferry company raise ...": a word the
    // core lexicon knows only as a noun, before one that may be the verb, is the compound's head
    if (coreReading(PartOfSpeech::noun) && !coreReading(PartOfSpeech::verb) && mayBeVerb(i + 1, VerbForm::base))
      bonus(PartOfSpeech::noun, std::nullopt, 300);
    else
      bonus(PartOfSpeech::verb, VerbForm::base, 300);
  } else if (!verbSeen && prevTag == PartOfSpeech::noun && !prev->possessor &&
             coreReading(PartOfSpeech::noun) && i >= 2 &&
             (toks[i - 2].tag == PartOfSpeech::determiner || toks[i - 2].tag == PartOfSpeech::possessive ||
              toks[i - 2].tag == PartOfSpeech::adjective) &&
             verbFollows(i)) {
    // "The football match was called off", "the village fair attracted": between a noun and the
    // clause's verb, the compound's head
    bonus(PartOfSpeech::noun, std::nullopt, 300);
  } else if (!verbSeen && (prevTag == PartOfSpeech::noun || prevTag == PartOfSpeech::name)) {
    bonus(PartOfSpeech::verb, VerbForm::third, 150);
    bonus(PartOfSpeech::verb, VerbForm::past, 150);
    if (prev->plural) bonus(PartOfSpeech::verb, VerbForm::base, 150);
  } else if (prevTag == PartOfSpeech::verb && seemsLike(*prev)) {
    bonus(PartOfSpeech::adjective, std::nullopt, 250);  // "You look tired": how one seems, "fáradt"
  } else if (prevTag == PartOfSpeech::verb) {
    if (!nextNounish) bonus(PartOfSpeech::adverb, std::nullopt, 60);  // "came home": the adverb "haza"
    bonus(PartOfSpeech::noun, std::nullopt, 20);
    // "loves Italian food": a capitalised adjective before its noun ("olasz étel", no compound);
    // "got mixed reviews": so is a participle the core lexicon has as an adjective ("vegyes")
    if ((capital || t.lower.ends_with("ed")) && knownAdjectiveBeforeNoun(i, rs))
      bonus(PartOfSpeech::adjective, std::nullopt, 60);
  } else if (verbSeen) {
    bonus(PartOfSpeech::noun, std::nullopt, 20);
    bonus(PartOfSpeech::adverb, std::nullopt, 20);
  }
  // "That sounds good", "This means that", "I hope that suits you": after a singular "this" or
  // "that", a plural noun cannot stand, and the word is the verb of "this" as its subject;
  // unless it is a noun the lexicon has and a verb may follow it ("that prices rise")
  if (prev && (prevLower == "this" || prevLower == "that") && prevTag == PartOfSpeech::determiner &&
      t.lower.size() > 3 && t.lower.back() == 's' && !capital) {
    const bool third = std::any_of(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form == VerbForm::third;
    });
    // ("that prices will rise": an auxiliary or a modal after it is the verb of the word as a noun)
    bool verbMayFollow = i + 1 < toks.size() && (toks[i + 1].tag == PartOfSpeech::auxiliary ||
                                                  toks[i + 1].tag == PartOfSpeech::modal);
    if (!verbMayFollow && i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::other) {
      const std::vector<Reading> next = readingsOf(core_, toks[i + 1]);
      verbMayFollow = std::any_of(next.begin(), next.end(), [](const Reading& r) {
        return r.tag == PartOfSpeech::verb && r.form == VerbForm::base;
      });
    }
    if (third && !(coreReading(PartOfSpeech::noun) && verbMayFollow)) bonus(PartOfSpeech::verb, VerbForm::third, 1000);
  }
  // "Doctors warn that sugary drinks cause obesity": after a verb, "that" before a plural noun
  // opens a clause (a singular "that" cannot stand before a plural) whose subject the plural is,
  // so the word after it that can be a verb is the clause's verb; ("say that savings accounts
  // pay little": not before another verb, "that the savings account has" keeps its noun)
  if (prevTag == PartOfSpeech::noun && prev->lower.size() > 3 && prev->lower.back() == 's' && i >= 3 &&
      prevLower != "news" && !prev->pauseAfter) {
    std::size_t k = i - 2;
    while (k > 0 && toks[k].tag == PartOfSpeech::adjective) --k;
    const bool thatClause = k > 0 && toks[k].lower == "that" && toks[k].tag == PartOfSpeech::determiner &&
                            toks[k - 1].tag == PartOfSpeech::verb && toks[k - 1].form != VerbForm::participle;
    const bool verbAfter = i + 1 < toks.size() && (toks[i + 1].tag == PartOfSpeech::auxiliary ||
                                                   toks[i + 1].tag == PartOfSpeech::modal);
    if (thatClause && !verbAfter) {
      bonus(PartOfSpeech::verb, VerbForm::base, 1000);
      bonus(PartOfSpeech::verb, VerbForm::past, 1000);
    }
  }
}

// "inside", "outside" before a noun phrase are its prepositions ("inside the box": "a dobozban",
// "outside the station": "az állomás előtt"); alone they stay adverbs ("Wait inside": "bent").
// So are "round" and "opposite" ("round the table": "az asztal körül", "opposite the school":
// "az iskolával szemben"; "a round table" is "kerek").
void placeAdverbsBeforeNounPhrases(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if ((toks[i].lower == "inside" || toks[i].lower == "outside" || toks[i].lower == "round" ||
         toks[i].lower == "opposite") &&
        !toks[i].pauseAfter &&
        (toks[i + 1].tag == PartOfSpeech::determiner || toks[i + 1].tag == PartOfSpeech::possessive ||
         // ("round three" of a contest is the noun and its number)
         (toks[i + 1].tag == PartOfSpeech::number && toks[i].lower != "round") ||
         // ("sat opposite me": "velem szemben", a person's pronoun after it)
         (toks[i].lower == "opposite" && toks[i + 1].tag == PartOfSpeech::pronoun &&
          (toks[i + 1].lower == "me" || toks[i + 1].lower == "him" || toks[i + 1].lower == "her" ||
           toks[i + 1].lower == "us" || toks[i + 1].lower == "them" || toks[i + 1].lower == "you"))))
      toks[i].tag = PartOfSpeech::preposition;
}

// "a dry place away from sunlight", "Put up your tent away from the river": "away from" after no
// verb of its own says where, far from the thing, one preposition ("a napfénytől távol"); "ran
// away from home" keeps its verb's "away"
void awayFrom(std::vector<Token>& toks) {
  // "far away", "far away from the beach": the distance alone, "messze" ("messze van a strandtól");
  // the "away" after "far" is no verb's "el"
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& far = toks[i - 1];
    if (toks[i].lower != "away" || far.lower != "far" || far.pauseAfter) continue;
    if (far.tag != PartOfSpeech::adverb && far.tag != PartOfSpeech::adjective) continue;
    far.words = toks[i].word + toks[i].words - far.word;
    far.pauseAfter = toks[i].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i));
  }
  for (std::size_t i = 1; i + 2 < toks.size(); ++i) {
    if (toks[i].lower != "away" || toks[i + 1].lower != "from" || toks[i].pauseAfter) continue;
    const Token& before = toks[i - 1];
    if (before.tag == PartOfSpeech::verb || before.tag == PartOfSpeech::auxiliary || before.tag == PartOfSpeech::modal ||
        before.lower == "far" ||
        (before.tag == PartOfSpeech::adverb && i >= 2 && toks[i - 2].tag == PartOfSpeech::verb))
      continue;
    Token& t = toks[i];
    t.lower = t.lemma = "away from";
    t.tag = PartOfSpeech::preposition;
    t.entry = nullptr;
    t.dictionarySenses.clear();
    t.words = toks[i + 1].word + toks[i + 1].words - t.word;
    t.pauseAfter = toks[i + 1].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
  }
}

// "She is upstairs", "The number is below": after a form of "be", closing the clause, a word
// the core lexicon has as an adverb of where something is ("fent[van]") is that adverb, not
// an adjective ("alábbi") or a word it does not know as one.
void placeAdverbsAfterBe(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    // (a preposition there has no object: "is below")
    if (!formOfBe(toks[i - 1].lower) || t.tag == PartOfSpeech::adverb ||
        !(i + 1 == toks.size() || t.pauseAfter || toks[i + 1].tag == PartOfSpeech::conjunction))
      continue;
    const lexicon::Entry* e = core.find(t.lower, PartOfSpeech::adverb);
    if (!e || e->senses.empty() || !e->senses.front().keepsCopula) continue;
    t.tag = PartOfSpeech::adverb;
    t.lemma = t.lower;
    t.entry = e;
  }
}

// "I miss you", "She misses her family": Hungarian says the one missed as the subject and the
// one who misses in the dative ("Hiányzol nekem", "Hiányzik neki a családja"). Where the verb's
// first sense has "feels=" and its object asks for no other sense ("miss the bus": "lekésik"),
// the subject and the object trade places, each pronoun taking the form of its new role.
void feltOnesAsSubjects(std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kForms[] = {
      {"i", "me"}, {"he", "him"}, {"she", "her"}, {"we", "us"}, {"they", "them"}, {"you", "you"}, {"it", "it"}};
  auto swapForm = [](Token& t, bool toObject) {
    if (t.tag != PartOfSpeech::pronoun) return;
    for (const auto& [subject, object] : kForms)
      if (t.lower == (toObject ? subject : object)) {
        t.lower = t.lemma = t.written = std::string(toObject ? object : subject);
        return;
      }
  };
  auto nounish = [](const Token& t) {
    return t.tag == PartOfSpeech::noun || t.tag == PartOfSpeech::adjective || t.tag == PartOfSpeech::name ||
           t.tag == PartOfSpeech::determiner || t.tag == PartOfSpeech::possessive || t.tag == PartOfSpeech::number;
  };
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const Token& v = toks[i];
    if (v.tag != PartOfSpeech::verb || !v.entry || v.entry->senses.empty() || v.rolesSwapped ||
        v.entry->senses.front().note("feels").empty() || v.form == VerbForm::ing || v.form == VerbForm::participle)
      continue;
    // an object that asks for another sense keeps the roles ("missed the bus")
    const std::string_view head = std::string_view(v.neighbour).substr(v.neighbour.rfind(' ') + 1);
    const bool other = !v.neighbour.empty() && std::any_of(v.entry->senses.begin(), v.entry->senses.end(), [&](const lexicon::Sense& s) {
      return listsWord(s.note("when"), v.neighbour) || listsWord(s.note("when"), head);
    });
    if (other) continue;
    // the object: a pronoun, or a noun phrase to its last noun
    std::size_t oe = i + 1;
    const bool objectPronoun = toks[oe].tag == PartOfSpeech::pronoun &&
                               std::any_of(std::begin(kForms), std::end(kForms),
                                           [&](const auto& f) { return f.second == toks[oe].lower; });
    if (objectPronoun)
      ++oe;
    else {
      // (its owner after "of" with it: "the quiet of the village")
      for (bool more = true; more;) {
        while (oe < toks.size() && nounish(toks[oe]) && !toks[oe].pauseAfter) ++oe;
        if (oe < toks.size() && nounish(toks[oe]) && toks[oe].pauseAfter) ++oe;
        more = oe + 1 < toks.size() && oe > i + 1 && !toks[oe - 1].pauseAfter && toks[oe].lower == "of" &&
               nounish(toks[oe + 1]);
        if (more) ++oe;
      }
      if (oe == i + 1 || (toks[oe - 1].tag != PartOfSpeech::noun && toks[oe - 1].tag != PartOfSpeech::name)) continue;
    }
    // the subject before the verb and its auxiliaries, opening the clause
    std::size_t se = i;
    while (se > 0 && (toks[se - 1].tag == PartOfSpeech::auxiliary || toks[se - 1].tag == PartOfSpeech::modal ||
                      toks[se - 1].tag == PartOfSpeech::negation ||
                      (toks[se - 1].tag == PartOfSpeech::adverb && !toks[se - 1].pauseAfter)))
      --se;
    if (se == 0 || (se < i && formOfBe(toks[i - 1].lower))) continue;  // (a passive: "was missed")
    std::size_t sb = se - 1;
    if (toks[sb].tag != PartOfSpeech::pronoun || !subjectPronoun(toks[sb])) {
      if (toks[sb].tag != PartOfSpeech::noun && toks[sb].tag != PartOfSpeech::name) continue;
      while (sb > 0 && nounish(toks[sb - 1]) && !toks[sb - 1].pauseAfter) --sb;
    }
    // (opening the clause, or asked after "do" or a modal: "Do you miss me?", "Will you miss me?")
    const bool asked = (toks[sb - (sb > 0)].tag == PartOfSpeech::auxiliary || toks[sb - (sb > 0)].tag == PartOfSpeech::modal) &&
                       sb > 0 && (sb == 1 || toks[sb - 2].tag == PartOfSpeech::question || toks[sb - 2].pauseAfter);
    if (sb > 0 && !toks[sb - 1].pauseAfter && toks[sb - 1].tag != PartOfSpeech::conjunction && !asked) continue;
    std::vector<Token> subject(toks.begin() + std::ptrdiff_t(sb), toks.begin() + std::ptrdiff_t(se));
    std::vector<Token> object(toks.begin() + std::ptrdiff_t(i + 1), toks.begin() + std::ptrdiff_t(oe));
    for (Token& t : subject) swapForm(t, true);
    for (Token& t : object) swapForm(t, false);
    const bool pause = toks[oe - 1].pauseAfter;
    subject.back().pauseAfter = pause;
    object.back().pauseAfter = false;
    std::vector<Token> out(toks.begin(), toks.begin() + std::ptrdiff_t(sb));
    out.insert(out.end(), object.begin(), object.end());
    const std::size_t verb = out.size() + (i - se);
    out.insert(out.end(), toks.begin() + std::ptrdiff_t(se), toks.begin() + std::ptrdiff_t(i + 1));
    out.insert(out.end(), subject.begin(), subject.end());
    out.insert(out.end(), toks.begin() + std::ptrdiff_t(oe), toks.end());
    toks = std::move(out);
    toks[verb].rolesSwapped = true;
    toks[verb].neighbour.clear();
    i = verb;
  }
}

// "I will be home by six", "She stayed home", "Are you home?": "home" after being or staying is
// where one is, "otthon" (as "at home"), not where one goes ("came home": "haza").
void homeWhereOneIs(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const lexicon::Entry* atHome = core.find("at home", PartOfSpeech::adverb);
  if (!atHome) return;
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    // ("The city is home to a million people" says what it is)
    if (t.lower != "home" || (i + 1 < toks.size() && toks[i + 1].lower == "to") ||
        (t.tag != PartOfSpeech::adverb && t.tag != PartOfSpeech::noun && t.tag != PartOfSpeech::adjective &&
         t.tag != PartOfSpeech::verb && t.tag != PartOfSpeech::name))
      continue;
    const Token& prev = toks[i - 1];
    const bool staying = prev.tag == PartOfSpeech::verb && (prev.lemma == "stay" || prev.lemma == "remain");
    // ("Are you home?", "Is Dad home?": the subject between)
    const bool asked = i >= 2 && i == 2 + (toks[0].tag == PartOfSpeech::question ? 1 : 0) && formOfBe(toks[i - 2].lower) &&
                       (prev.tag == PartOfSpeech::pronoun || prev.tag == PartOfSpeech::name);
    if (!formOfBe(prev.lower) && !staying && !asked) continue;
    t.tag = PartOfSpeech::adverb;
    t.lemma = "at home";
    t.entry = atHome;
  }
}

// "went upstairs", "carried the boxes upstairs": where one goes or takes a thing, the particle
// "up" or "down" the verb takes as its prefix ("felment", "felvitték")
void upstairsAsParticle(const lexicon::CoreLexicon& core, Token& where) {
  const bool up = where.lower == "upstairs";
  where.lower = where.lemma = up ? "up" : "down";
  where.entry = core.find(where.lemma, PartOfSpeech::adverb);
}

// "the flat upstairs", "the neighbours downstairs": "upstairs" after its noun says which one, the
// adjective before it ("a fenti lakás", "a lenti szomszédok"); a word before it that may be a
// noun is one there ("flat")
void upstairsOfANoun(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  // verbs of going somewhere or moving a thing there
  static constexpr std::string_view kMoving[] = {"go",    "come",  "run",  "walk", "hurry", "rush",  "climb",
                                                 "carry", "take",  "bring", "move", "creep", "tiptoe", "dash",
                                                 "head",  "send",  "lead", "push", "pull",  "drag",  "help",
                                                 "lift",  "throw", "put"};
  for (std::size_t i = 1; i < toks.size(); ++i)
    if ((toks[i].lower == "upstairs" || toks[i].lower == "downstairs") && toks[i].tag == PartOfSpeech::adverb &&
        toks[i - 1].tag == PartOfSpeech::verb && listed(kMoving, toks[i - 1].lemma))
      upstairsAsParticle(core, toks[i]);
  for (std::size_t i = 2; i < toks.size(); ++i) {
    if ((toks[i].lower != "upstairs" && toks[i].lower != "downstairs") || toks[i].tag != PartOfSpeech::adverb)
      continue;
    Token& noun = toks[i - 1];
    if (noun.pauseAfter || (toks[i - 2].tag != PartOfSpeech::determiner && toks[i - 2].tag != PartOfSpeech::possessive))
      continue;
    // ("carried the photographs upstairs", "took the boxes downstairs": after a verb of moving a
    // thing and its object, where it went)
    std::size_t v = i - 2;
    while (v > 0 && (toks[v].tag == PartOfSpeech::determiner || toks[v].tag == PartOfSpeech::possessive ||
                     toks[v].tag == PartOfSpeech::adjective || toks[v].tag == PartOfSpeech::noun))
      --v;
    if (toks[v].tag == PartOfSpeech::verb && listed(kMoving, toks[v].lemma)) {
      upstairsAsParticle(core, toks[i]);
      continue;
    }
    if (noun.tag == PartOfSpeech::adjective)
      if (const lexicon::Entry* e = core.find(noun.lower, PartOfSpeech::noun))
        noun.tag = PartOfSpeech::noun, noun.lemma = noun.lower, noun.entry = e;
    if (noun.tag != PartOfSpeech::noun) continue;
    Token& where = toks[i];
    where.tag = PartOfSpeech::adjective;
    where.entry = nullptr;
    where.dictionarySenses = {where.lower == "upstairs" ? "fenti" : "lenti"};
    std::swap(toks[i - 1], toks[i]);
  }
}

// "from the very first minute", "at the very beginning": "very" after the article stresses
// which one, said by the noun phrase itself ("az első perctől"), no "nagyon"
void veryOfWhichOne(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i)
    if (toks[i].lower == "very" && (toks[i - 1].lower == "the" || toks[i - 1].lower == "this") &&
        (toks[i + 1].tag == PartOfSpeech::noun || toks[i + 1].lower == "beginning" ||
         (toks[i + 1].tag == PartOfSpeech::adjective &&
          (toks[i + 1].lower == "first" || toks[i + 1].lower == "last" || toks[i + 1].lower == "same" ||
           toks[i + 1].lower == "next")))) {
      // (one token with the word it stresses, which it spans; "beginning" the noun there)
      if (toks[i + 1].lower == "beginning")
        if (const lexicon::Entry* e = core.find("beginning", PartOfSpeech::noun))
          toks[i + 1].tag = PartOfSpeech::noun, toks[i + 1].lemma = "beginning", toks[i + 1].entry = e;
      toks[i + 1].words += toks[i + 1].word - toks[i].word;
      toks[i + 1].word = toks[i].word;
      toks.erase(toks.begin() + std::ptrdiff_t(i));
    }
}

// "walked past the bakery", "drove past the school": what one goes by is the preposition's noun
// phrase, "a pékség mellett" ("ten past four" is the clock's, "the past week" an adjective)
void pastAsPreposition(std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i)
    if (toks[i].lower == "past" && !toks[i].pauseAfter && toks[i - 1].tag == PartOfSpeech::verb &&
        (toks[i + 1].tag == PartOfSpeech::determiner || toks[i + 1].tag == PartOfSpeech::possessive ||
         toks[i + 1].tag == PartOfSpeech::name))
      toks[i].tag = PartOfSpeech::preposition, toks[i].entry = nullptr, toks[i].dictionarySenses.clear();
}

// "like" after the verb of its clause compares ("The boat moved like a leaf": "úgy mozgott,
// mint egy levél"; "tossed about like a leaf"); before one, or after its subject, it is the verb
// "szeret" ("I really like it", "Children like snow").
void likeAsAComparison(std::vector<Token>& toks) {
  const auto doneBy = [&](std::size_t k) {
    return toks[k].tag == PartOfSpeech::verb && toks[k].lower != "like" && toks[k].lower != "likes" &&
           toks[k].form != VerbForm::base;
  };
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    if (toks[i].lower != "like" || (toks[i].tag != PartOfSpeech::verb && toks[i].tag != PartOfSpeech::noun)) continue;
    const Token& after = toks[i + 1];
    if (after.tag != PartOfSpeech::determiner && after.tag != PartOfSpeech::noun &&
        after.tag != PartOfSpeech::possessive && after.tag != PartOfSpeech::name)
      continue;
    const bool particleBetween = i >= 2 && doneBy(i - 2) &&
                                 (toks[i - 1].tag == PartOfSpeech::adverb || toks[i - 1].tag == PartOfSpeech::preposition);
    if (doneBy(i - 1) || particleBetween) toks[i].tag = PartOfSpeech::preposition;
  }
}

// "The soup smelled of garlic": a thing that smells of something has its smell, said as
// "had the smell of" ("A levesnek volt a fokhagyma szaga"), not as smelling it ("szagolt").
void smellOfAsItsSmell(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const lexicon::Entry* smell = core.find("smell", PartOfSpeech::noun);
  for (std::size_t i = 1; smell && i + 1 < toks.size(); ++i) {
    Token& v = toks[i];
    // "The milk smells bad", "It smells good": a smell said by its adjective, "rossz szaga van",
    // a pleasant one "illat" ("Jó illata van")
    if (v.tag == PartOfSpeech::verb && v.lemma == "smell" && v.form != VerbForm::ing &&
        v.form != VerbForm::participle && (toks[i + 1].tag == PartOfSpeech::adjective || core.find(toks[i + 1].lower, PartOfSpeech::adjective)) &&
        (i + 2 == toks.size() || toks[i + 2].tag != PartOfSpeech::noun)) {
      static constexpr std::string_view kPleasant[] = {"good",  "nice",  "lovely", "wonderful", "delicious",
                                                       "sweet", "fresh", "great",  "amazing",   "beautiful"};
      const lexicon::Entry* kind = listed(kPleasant, toks[i + 1].lower) ? core.find("scent", PartOfSpeech::noun) : smell;
      const std::string_view have = v.form == VerbForm::past ? "had" : v.form == VerbForm::third ? "has" : "have";
      const FunctionWord* f = functionWord(have);
      if (!f || !kind) continue;
      const std::size_t at = v.word;
      v.lower = v.lemma = v.written = std::string(have);
      v.tag = f->tag, v.form = VerbForm::base, v.entry = nullptr, v.dictionarySenses.clear();
      toks[i + 1].tag = PartOfSpeech::adjective;
      Token noun = impliedWord(kind == smell ? "smell" : "scent", PartOfSpeech::noun, at);
      noun.entry = kind;
      toks.insert(toks.begin() + std::ptrdiff_t(i + 2), noun);
      toks.insert(toks.begin() + std::ptrdiff_t(i + 1), impliedWord("a", PartOfSpeech::determiner, at));
      i += 3;
      continue;
    }
    if (i + 2 >= toks.size() || v.tag != PartOfSpeech::verb || v.lemma != "smell" || toks[i + 1].lower != "of" ||
        (v.form != VerbForm::base && v.form != VerbForm::past && v.form != VerbForm::third))
      continue;
    const std::size_t at = v.word;
    // "The kitchen smelled of burnt sugar": a place's smell is in it, "A konyhában volt az égett
    // cukor szaga" ("in the kitchen there was the smell of")
    static constexpr std::string_view kPlaces[] = {
        "room",  "kitchen", "house",  "flat",  "apartment", "bathroom", "bedroom", "car",    "hall",
        "shop",  "bakery",  "office", "building", "church", "classroom", "restaurant", "corridor",
        "air",   "street",  "garden", "cellar", "basement", "station", "train",   "bus"};
    const bool place = (i == 2 || (i == 3 && toks[1].tag == PartOfSpeech::adjective)) &&
                       (toks[0].lower == "the" || toks[0].tag == PartOfSpeech::possessive) &&
                       toks[i - 1].tag == PartOfSpeech::noun && listed(kPlaces, toks[i - 1].lemma) &&
                       v.form != VerbForm::base;
    if (place) {
      if (const FunctionWord* be = functionWord(v.form == VerbForm::past ? "was" : "is")) {
        v.lower = v.lemma = v.written = v.form == VerbForm::past ? "was" : "is";
        v.tag = be->tag, v.form = VerbForm::base, v.entry = nullptr, v.dictionarySenses.clear();
        Token noun = impliedWord("smell", PartOfSpeech::noun, at);
        noun.entry = smell;
        toks.insert(toks.begin() + std::ptrdiff_t(i + 1), {impliedWord("the", PartOfSpeech::determiner, at), noun});
        toks.insert(toks.begin() + std::ptrdiff_t(i), impliedWord("there", PartOfSpeech::other, at));
        toks.insert(toks.begin(), impliedWord("in", PartOfSpeech::preposition, toks[0].word));
        i += 5;
        continue;
      }
    }
    const std::string_view have = v.form == VerbForm::past ? "had" : v.form == VerbForm::third ? "has" : "have";
    const FunctionWord* f = functionWord(have);
    if (!f) continue;
    v.lower = v.lemma = v.written = std::string(have);
    v.tag = f->tag, v.form = VerbForm::base, v.entry = nullptr, v.dictionarySenses.clear();
    Token noun = impliedWord("smell", PartOfSpeech::noun, at);
    noun.entry = smell;
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), {impliedWord("the", PartOfSpeech::determiner, at), noun});
    i += 2;
  }
}

// "most" counts the noun after it ("most people": "a legtöbb ember"); with none after it, as in
// "most of them" or "like it most", it is the word of its own.
void mostAlone(std::vector<Token>& toks) {
  for (std::size_t i = 0; i < toks.size(); ++i)
    if (toks[i].lower == "most" && toks[i].tag == PartOfSpeech::determiner &&
        (i + 1 == toks.size() || toks[i].pauseAfter || toks[i + 1].tag != PartOfSpeech::other))
      toks[i].tag = PartOfSpeech::other;
}

// "her" is the object pronoun where no noun phrase follows it: "I saw her yesterday", "for her".
// An "-ly" word after it is an adverb ("told her briefly") unless the lexicon has it only as a
// noun: "her family", "her reply" own the noun.
void objectHer(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kNotANoun[] = {
      "yesterday", "today", "tomorrow", "now",   "again", "last",   "next", "every", "this", "that",
      "very",      "too",   "so",       "there", "here",  "please", "soon", "later", "a",    "the"};
  for (std::size_t i = 0; i < toks.size(); ++i) {
    if (toks[i].lower != "her") continue;
    const bool last = i + 1 == toks.size();
    const Token* next = last ? nullptr : &toks[i + 1];
    // (a set phrase read already, "her little sister", is the noun she owns)
    // (nor across a comma: "If you see her, call me")
    if (!next || toks[i].pauseAfter || (next->tag != PartOfSpeech::other && next->tag != PartOfSpeech::number && next->tag != PartOfSpeech::noun) ||
        listed(kNotANoun, next->lower) ||
        (endsWith(next->lower, "ly") &&
         !(core.find(next->lower, PartOfSpeech::noun) && !core.find(next->lower, PartOfSpeech::adverb))))
      toks[i].tag = PartOfSpeech::pronoun;
  }
}

// The subject form of an object pronoun ("me": "i"), or the word itself.
std::string_view subjectFormOf(std::string_view pronoun) {
  static constexpr std::pair<std::string_view, std::string_view> kForms[] = {
      {"me", "i"}, {"him", "he"}, {"her", "she"}, {"us", "we"}, {"them", "they"}};
  for (const auto& [object, subject] : kForms)
    if (pronoun == object) return subject;
  return pronoun;
}

// A verb of feeling or of a body's start that a thing makes one do: "made me laugh".
bool reactionMadeAt(const Token& t) {
  static constexpr std::string_view kReactions[] = {"laugh", "cry",   "smile", "feel",  "think", "wonder",
                                                    "want",  "worry", "blush", "shiver", "jump", "realise",
                                                    "realize"};
  return listed(kReactions, t.lower);
}

// "Heavy rain caused the river to flood several villages", "The noise caused me to wake up",
// "The film made us cry": what a thing caused one to do, one did because of it, "A heves eső
// miatt a folyó több falut elöntött", "A film miatt sírtunk": the causer after "because of"
// ("It made me laugh": "Emiatt nevettem"), the one caused to act the subject of the verb after
// "to", in the tense of "cause" or "make".
void causedDeedsAsReasons(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 2 < toks.size(); ++i) {
    const Token& cause = toks[i];
    const bool made = cause.lemma == "make";
    if ((cause.lemma != "cause" && !made) || cause.tag != PartOfSpeech::verb ||
        (cause.form != VerbForm::past && cause.form != VerbForm::third))
      continue;
    // the causer: a noun phrase opening the sentence, or a thing's pronoun that makes one feel
    const bool thingPronoun = made && i == 1 && (toks[0].lower == "it" || toks[0].lower == "this" || toks[0].lower == "that");
    for (std::size_t k = 0; k < i && !thingPronoun; ++k)
      if (toks[k].pauseAfter || (toks[k].tag != PartOfSpeech::determiner && toks[k].tag != PartOfSpeech::possessive &&
                                 toks[k].tag != PartOfSpeech::adjective && toks[k].tag != PartOfSpeech::noun &&
                                 toks[k].tag != PartOfSpeech::name))
        return;
    if (!thingPronoun && toks[i - 1].tag != PartOfSpeech::noun && toks[i - 1].tag != PartOfSpeech::name) return;
    // the one caused to act, then "to" and its verb (after "make", the verb alone)
    auto deedStarts = [&](std::size_t k) { return made ? reactionMadeAt(toks[k]) : toks[k].lower == "to"; };
    std::size_t to = i + 1;
    while (to < toks.size() && to - i < 6 && !deedStarts(to) && !toks[to].pauseAfter &&
           (toks[to].tag == PartOfSpeech::determiner || toks[to].tag == PartOfSpeech::possessive ||
            toks[to].tag == PartOfSpeech::adjective || toks[to].tag == PartOfSpeech::noun ||
            toks[to].tag == PartOfSpeech::name || (to == i + 1 && toks[to].tag == PartOfSpeech::pronoun)))
      ++to;
    if (to == i + 1 || to >= toks.size() || !deedStarts(to) || toks[to - 1].pauseAfter) return;
    const std::size_t deedAt = made ? to : to + 1;
    if (deedAt >= toks.size()) return;
    // the reason closes the clause, where it makes no compound with the subject ("A forgalom
    // leállt a baleset miatt")
    std::size_t end = deedAt;
    while (end + 1 < toks.size() && !toks[end].pauseAfter && toks[end + 1].tag != PartOfSpeech::conjunction) ++end;
    // (the words move, a comma stays with its word: none after them)
    if (toks[end].pauseAfter) return;
    const bool be = !made && toks[deedAt].lower == "be";
    if (made) {
      const lexicon::Entry* verb = core.find(toks[deedAt].lower, PartOfSpeech::verb);
      if (!verb) return;
      Token& t = toks[deedAt];
      t.tag = PartOfSpeech::verb, t.lemma = t.lower, t.entry = verb, t.plural = false;
      t.dictionarySenses.clear();
    } else if (!be && (toks[deedAt].tag != PartOfSpeech::verb || toks[deedAt].form != VerbForm::base)) {
      return;
    }
    Token& doer = toks[i + 1];
    // ("made her smile": "her" the one made to, no owner)
    if (doer.lower == "her" && to == i + 2) doer.tag = PartOfSpeech::pronoun, doer.person = 3, doer.plural = false;
    if (doer.tag == PartOfSpeech::pronoun) doer.lower = doer.lemma = doer.written = std::string(subjectFormOf(doer.lower));
    Token& deed = toks[deedAt];
    const bool oneThing = to == i + 2 ? doer.person == 3 && !doer.plural : !toks[to - 1].plural;
    const bool past = cause.form == VerbForm::past;
    deed.form = past ? VerbForm::past : oneThing ? VerbForm::third : VerbForm::base;
    // ("caused the trains to be late": "were late", "késtek"; "caused me to be late": "was")
    const bool one = oneThing || doer.lower == "i";
    if (be) deed.lower = deed.written = past ? (one ? "was" : "were") : doer.lower == "i" ? "am" : one ? "is" : "are";
    // (a causer without an article is a thing in general, said with "a" in Hungarian)
    const bool bare = !thingPronoun && toks[0].tag != PartOfSpeech::determiner &&
                      toks[0].tag != PartOfSpeech::possessive && toks[0].tag != PartOfSpeech::name;
    const std::size_t at = toks[0].word;
    std::vector<Token> reason = {impliedWord("because of", PartOfSpeech::preposition, at)};
    if (bare) reason.push_back(impliedWord("the", PartOfSpeech::determiner, at));
    reason.insert(reason.end(), toks.begin(), toks.begin() + std::ptrdiff_t(i));
    // ("It made me laugh": "Emiatt nevettem", one word)
    if (thingPronoun) {
      reason.assign(1, toks[0]);
      reason[0].tag = PartOfSpeech::adverb, reason[0].lower = reason[0].lemma = "because of this";
      reason[0].dictionarySenses = {"emiatt"};
    }
    toks.insert(toks.begin() + std::ptrdiff_t(end) + 1, reason.begin(), reason.end());
    if (!made) toks.erase(toks.begin() + std::ptrdiff_t(to));
    toks.erase(toks.begin(), toks.begin() + std::ptrdiff_t(i) + 1);
    return;
  }
}

// "likes swimming", "started learning", "went shopping": after a verb of liking, beginning or
// going, an "-ing" verb is what Hungarian says with the infinitive ("szeret úszni", "kezdett
// tanulni", "vásárolni ment"): it becomes "to" and the verb. "Enjoy" doing is liking it.
void infinitivesFromGerunds(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kBefore[] = {"like",  "love",   "hate",     "enjoy", "start",
                                                 "begin", "prefer", "continue", "go",    "come",  "try"};
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& v = toks[i];
    Token& ing = toks[i + 1];
    const bool endsInIng = ing.lower.size() > 5 && endsWith(ing.lower, "ing");
    // "was seen leaving the bank": what one was seen doing, "látták elhagyni a bankot"
    static constexpr std::string_view kPerceived[] = {"see", "hear", "notice", "watch"};
    const bool perceived = v.form == VerbForm::participle && i > 0 &&
                           toks[i - 1].tag == PartOfSpeech::auxiliary && listed(kPerceived, v.lemma);
    // "It's not worth waiting for him", "it is worth visiting": what is worth doing is said
    // with the infinitive, as after "important" ("Nem érdemes várni rá")
    const bool worth = [&] {
      if (v.lower != "worth" || v.tag != PartOfSpeech::adjective || i < 2) return false;
      std::size_t b = i - 1;
      if (toks[b].tag == PartOfSpeech::negation && b > 0) --b;
      return b > 0 && (toks[b].lower == "is" || toks[b].lower == "was" || toks[b].lower == "be") &&
             toks[b - 1].lower == "it";
    }();
    if (!(worth && endsInIng && ing.words == 1) &&
        (v.tag != PartOfSpeech::verb || v.form == VerbForm::ing || !endsInIng || ing.words != 1 ||
         (!listed(kBefore, v.lemma) && !perceived)))
      continue;
    // read as a noun in the object's place ("likes reading books"): its verb reading
    if (ing.tag == PartOfSpeech::noun && !ing.plural)
      for (const Reading& r : readingsOf(core, ing))
        if (r.tag == PartOfSpeech::verb && r.form == VerbForm::ing) {
          ing.tag = PartOfSpeech::verb, ing.lemma = r.lemma, ing.entry = nullptr;
          break;
        }
    if (ing.tag != PartOfSpeech::verb) continue;
    if (v.lemma == "enjoy") v.lemma = "like", v.entry = nullptr;
    // ("Do you want to come fishing with us?": one comes along to do it, "eljönni horgászni")
    if (v.lemma == "come" && v.prefix.empty() && v.words == 1) v.prefix = "el";
    ing.form = VerbForm::base;
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), impliedWord("to", PartOfSpeech::preposition, ing.word));
    // "tried uninstalling and reinstalling it": the "-ing" verb after "and" is an infinitive too
    if (i + 4 < toks.size() && (toks[i + 3].lower == "and" || toks[i + 3].lower == "or") &&
        toks[i + 4].lower.size() > 5 && endsWith(toks[i + 4].lower, "ing") && toks[i + 4].words == 1)
      for (const Reading& r : readingsOf(core, toks[i + 4]))
        if (r.tag == PartOfSpeech::verb && r.form == VerbForm::ing) {
          Token& second = toks[i + 4];
          second.tag = PartOfSpeech::verb, second.lemma = r.lemma, second.entry = nullptr;
          second.form = VerbForm::base;
          toks.insert(toks.begin() + std::ptrdiff_t(i + 4), impliedWord("to", PartOfSpeech::preposition, second.word));
          break;
        }
  }
}

// "spent the afternoon building a shed", "spends hours reading": what the time went on is a
// clause of its own with the same subject ("azzal töltötte a délutánt, hogy fészert épít"); the
// "-ing" verb after the time becomes "to" and the verb, a clause of what one does
void timeSpentDoing(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kSpans[] = {"time",    "weekend",   "holiday", "life",   "night",
                                                "day",     "morning",   "afternoon", "evening", "summer",
                                                "winter",  "vacation",  "childhood", "lunchtime", "week",
                                                "month",   "year",      "hour",    "minute", "decade", "moment"};
  auto spanWord = [&](const Token& t) {
    const std::string_view w = t.lower;
    return listed(kSpans, t.lemma) || listed(kSpans, w) ||
           (endsWith(w, "s") && listed(kSpans, w.substr(0, w.size() - 1)));
  };
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    if (toks[i].tag != PartOfSpeech::verb || toks[i].lemma != "spend" || toks[i].pauseAfter) continue;
    std::size_t k = i + 1;
    while (k < toks.size() && k < i + 5 && !spanWord(toks[k]) && !toks[k].pauseAfter &&
           (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
            toks[k].tag == PartOfSpeech::number || toks[k].tag == PartOfSpeech::adjective))
      ++k;
    if (k + 1 >= toks.size() || !spanWord(toks[k]) || toks[k].pauseAfter) continue;
    Token& ing = toks[k + 1];
    if (ing.words != 1 || ing.lower.size() < 5 || !endsWith(ing.lower, "ing")) continue;
    const std::vector<Reading> rs = readingsOf(core, ing);
    const auto verb = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form == VerbForm::ing;
    });
    if (verb == rs.end()) continue;
    // ("the afternoon building": the time read as the noun's attribute is the object again)
    if (toks[k].tag != PartOfSpeech::noun)
      for (const Reading& r : readingsOf(core, toks[k]))
        if (r.tag == PartOfSpeech::noun) {
          toks[k].tag = PartOfSpeech::noun, toks[k].lemma = r.lemma, toks[k].plural = r.plural;
          toks[k].entry = nullptr;
          break;
        }
    ing.tag = PartOfSpeech::verb, ing.lemma = verb->lemma, ing.entry = nullptr, ing.form = VerbForm::base;
    Token to = impliedWord("to", PartOfSpeech::preposition, ing.word);
    to.purpose = to.promised = true;
    toks.insert(toks.begin() + std::ptrdiff_t(k + 1), std::move(to));
  }
}

// "Leave to cool for ten minutes", "Leave to rise": a recipe's "leave" with nothing after it but
// what the dish is to do leaves the dish at hand, "it" ("Hagyja lehűlni").
void leftToDo(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    const Token& leave = toks[i];
    if (leave.lemma != "leave" || leave.tag != PartOfSpeech::verb || leave.form != VerbForm::base ||
        toks[i + 1].lower != "to" || (i > 0 && toks[i - 1].lower != "then" && toks[i - 1].lower != "and" && !toks[i - 1].pauseAfter))
      continue;
    Token it = impliedWord("it", PartOfSpeech::pronoun, leave.word);
    it.person = 3, it.plural = false;
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), std::move(it));
    i += 2;
  }
}

// "Thank you for letting me know", "She didn't let us know": to let the speaker know is to tell,
// one verb "szól" ("Köszönöm, hogy szóltál", "Nem szólt"); the imperative "let me know" is a
// phrase of its own.
void lettingKnowAsTelling(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const lexicon::Entry* tell = nullptr;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& let = toks[i];
    // ("didn't let us know", "will let you know": the phrase read whole, after a subject or an
    // auxiliary no imperative)
    if ((let.lemma == "let me know" || let.lemma == "let us know") && i > 0 &&
        (toks[i - 1].tag == PartOfSpeech::auxiliary || toks[i - 1].tag == PartOfSpeech::modal ||
         toks[i - 1].tag == PartOfSpeech::negation || subjectPronoun(toks[i - 1]))) {
      if (!tell) tell = core.find("let know", PartOfSpeech::verb);
      if (!tell) return;
      let.lemma = "let know", let.lower = "let", let.tag = PartOfSpeech::verb, let.form = VerbForm::base;
      let.entry = tell, let.dictionarySenses.clear();
      continue;
    }
    static constexpr std::string_view kTold[] = {"me", "us", "you", "him", "her", "them"};
    if (i + 2 >= toks.size() || let.lemma != "let" || let.tag != PartOfSpeech::verb ||
        !listed(kTold, toks[i + 1].lower) || toks[i + 2].lower != "know" ||
        (let.form == VerbForm::base && let.lower == "let" && i == 0 && (toks[i + 1].lower == "me" || toks[i + 1].lower == "us")))
      continue;
    if (!tell) tell = core.find("let know", PartOfSpeech::verb);
    if (!tell) return;
    let.lemma = "let know", let.entry = tell, let.dictionarySenses.clear();
    // (the speaker told goes unsaid, "szóltál"; another one is told, "szólj neki")
    if (toks[i + 1].lower == "me" || toks[i + 1].lower == "us") {
      let.words = toks[i + 2].word + toks[i + 2].words - let.word;
      toks.erase(toks.begin() + std::ptrdiff_t(i + 1), toks.begin() + std::ptrdiff_t(i + 3));
    } else {
      toks[i + 1].words += toks[i + 2].words;
      toks.erase(toks.begin() + std::ptrdiff_t(i + 2));
    }
  }
}

// "Let the cake cool", "helped her brother carry the boxes": what one lets or helps someone do
// is the infinitive ("Hagyd a süteményt kihűlni"); "to" goes before the bare verb after the
// object. ("let me know", "let us" are phrases of their own.)
void infinitivesAfterLetting(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    const Token& let = toks[i];
    if (let.tag != PartOfSpeech::verb || (let.lemma != "let" && let.lemma != "help") ||
        let.form == VerbForm::ing || let.form == VerbForm::participle)
      continue;
    std::size_t v = i + 1;
    // ("help us carry", "helped me move": "me" and "us" are phrases only of "let")
    if (toks[v].tag == PartOfSpeech::pronoun &&
        (let.lemma == "help" || (toks[v].lower != "me" && toks[v].lower != "us")) && !subjectPronoun(toks[v]))
      ++v;  // "let them play"
    else
      while (v < toks.size() && v < i + 6 &&
             (toks[v].tag == PartOfSpeech::determiner || toks[v].tag == PartOfSpeech::possessive ||
              toks[v].tag == PartOfSpeech::adjective || toks[v].tag == PartOfSpeech::number ||
              (toks[v].tag == PartOfSpeech::noun && !toks[v].pauseAfter)))
        ++v;
    // "Let the dough rest", "let the soup cool": the last of two nouns, or an adjective after the
    // object's noun, that is also a base verb is what the object is let do, not a compound
    // ("tésztapihenés") nor its state
    if (v >= i + 4 && v <= toks.size() && toks[v - 2].tag == PartOfSpeech::noun &&
        (toks[v - 1].tag == PartOfSpeech::noun || toks[v - 1].tag == PartOfSpeech::adjective) &&
        !toks[v - 1].plural && toks[v - 1].words == 1 && toks[v - 1].degree == 0 &&
        !toks[v - 2].possessor && (toks[v - 1].lower == toks[v - 1].lemma) &&
        (v == toks.size() || toks[v].tag == PartOfSpeech::preposition || toks[v].tag == PartOfSpeech::adverb ||
         toks[v].tag == PartOfSpeech::conjunction || toks[v].pauseAfter || toks[v].lower == "." ||
         toks[v].lower == "!")) {
      if (const lexicon::Entry* verb = core.find(toks[v - 1].lower, PartOfSpeech::verb)) {
        Token& t = toks[v - 1];
        t.tag = PartOfSpeech::verb, t.lemma = t.lower, t.entry = verb, t.form = VerbForm::base;
        t.dictionarySenses.clear();
        --v;
      }
    }
    if (v == i + 1 || v >= toks.size() ||
        (toks[v - 1].tag != PartOfSpeech::noun && toks[v - 1].tag != PartOfSpeech::pronoun))
      continue;
    if (toks[v].tag != PartOfSpeech::verb || toks[v].form != VerbForm::base || toks[v].words != 1) continue;
    Token to = impliedWord("to", PartOfSpeech::preposition, toks[v].word);
    // (what a thing is let do is what it becomes by itself: "hagyja megszáradni")
    // ("Let it cool": a thing said by "it" so too)
    to.leftToDo = let.lemma == "let" && (toks[v - 1].tag == PartOfSpeech::noun || toks[v - 1].lower == "it");
    toks.insert(toks.begin() + std::ptrdiff_t(v), to);
  }
}

// "You should rest and drink water", "can sing or dance": a second verb after "and" or "or" is
// under the same modal, and its negation ("Nem kellene vezetned, vagy nem kellene gépeket
// kezelned"); the modal goes after the link word, so that the verb is its infinitive.
void modalsAcrossAnd(std::vector<Token>& toks) {
  for (std::size_t i = 2; i + 1 < toks.size(); ++i) {
    if ((toks[i].lower != "and" && toks[i].lower != "or") || toks[i + 1].tag != PartOfSpeech::verb ||
        toks[i + 1].form != VerbForm::base || toks[i - 1].pauseAfter)
      continue;
    std::size_t m = i;
    while (m > 0 && toks[m - 1].tag != PartOfSpeech::conjunction && !toks[m - 1].pauseAfter &&
           toks[m - 1].tag != PartOfSpeech::modal && toks[m - 1].lower != "and" && toks[m - 1].lower != "or")
      --m;
    if (m == 0 || toks[m - 1].tag != PartOfSpeech::modal) continue;
    const std::size_t modal = m - 1;
    // ("will come and meet you": the future says it in the present, "eljövök és találkozom")
    if (toks[modal].lower == "will" || toks[modal].lower == "would" || toks[modal].lower == "shall") continue;
    const bool negated = toks[m].tag == PartOfSpeech::negation;
    const std::size_t verb = negated ? m + 1 : m;
    if (verb >= i || toks[verb].tag != PartOfSpeech::verb || toks[verb].form != VerbForm::base) continue;
    Token copy = toks[modal];
    copy.words = 0, copy.word = toks[i + 1].word;
    std::vector<Token> implied{copy};
    if (negated) implied.push_back(impliedWord("not", PartOfSpeech::negation, toks[i + 1].word));
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), implied.begin(), implied.end());
    i += implied.size();
  }
}

// "The children were laughing and shouting": an "-ing" verb after "and" goes on with the "be"
// before the first, a finite verb of its time ("nevettek és kiabáltak").
void progressivesAcrossAnd(std::vector<Token>& toks) {
  for (std::size_t i = 3; i + 1 < toks.size(); ++i) {
    Token& second = toks[i + 1];
    if ((toks[i].lower != "and" && toks[i].lower != "or") || second.tag != PartOfSpeech::verb ||
        second.form != VerbForm::ing || toks[i - 1].pauseAfter)
      continue;
    // the first "-ing" verb right before "and", past at most an adverb, with its "be"
    std::size_t first = i - 1;
    if (toks[first].tag == PartOfSpeech::adverb) --first;
    if (toks[first].tag != PartOfSpeech::verb || toks[first].form != VerbForm::ing) continue;
    const std::string& be = toks[first - 1].lower;
    if (toks[first - 1].tag != PartOfSpeech::auxiliary) continue;
    if (be == "was" || be == "were")
      second.form = VerbForm::past;
    else if (be == "is" || be == "are" || be == "am")
      second.form = VerbForm::third;
  }
}

// "know them all", "seeing you all in June": "all" after a pronoun says it of every one of them
// ("Ismerem őket"), not the next noun's "minden"; the pronoun is plural.
void allAfterPronouns(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if (toks[i].tag == PartOfSpeech::pronoun &&
        (toks[i].lower == "you" || toks[i].lower == "us" || toks[i].lower == "them") &&
        toks[i + 1].lower == "all") {
      toks[i].plural = true;
      toks[i].words += toks[i + 1].words;  // the pointer on "all" points at them
      toks.erase(toks.begin() + std::ptrdiff_t(i + 1));
    }
}

// "Would you mind checking the figures?" asks it done: "Megnéznéd az adatokat?", as "Would you
// check ..."; "mind" goes and the "-ing" verb is the verb asked for.
void mindingAsAsking(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    if (toks[i].lower != "would" || toks[i + 1].tag != PartOfSpeech::pronoun || toks[i + 2].lower != "mind")
      continue;
    Token& ing = toks[i + 3];
    if (ing.words != 1 || ing.lower.size() <= 5 || !endsWith(ing.lower, "ing")) continue;
    const std::vector<Reading> rs = readingsOf(core, ing);
    const auto verb = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form == VerbForm::ing;
    });
    if (verb == rs.end()) continue;
    ing.tag = PartOfSpeech::verb, ing.lemma = verb->lemma, ing.entry = nullptr, ing.form = VerbForm::base;
    ing.word = toks[i + 2].word, ing.words = 2;  // the pointer on "mind" points at the verb asked for
    toks.erase(toks.begin() + std::ptrdiff_t(i + 2));
  }
}

// "It stopped raining", "It has stopped snowing": the weather that stopped is the subject, as in
// "the rain stopped" ("Elállt az eső"): "it" becomes "the rain", and the "-ing" word goes.
bool weatherStopped(const lexicon::CoreLexicon& core, std::vector<Token>& toks, std::size_t stop) {
  static constexpr std::pair<std::string_view, std::string_view> kWeather[] = {{"raining", "rain"},
                                                                               {"snowing", "snow"}};
  std::string_view weather;
  for (const auto& [doing, noun] : kWeather)
    if (toks[stop + 1].lower == doing) weather = noun;
  std::size_t it = stop;
  while (it > 0 && (toks[it - 1].tag == PartOfSpeech::auxiliary || toks[it - 1].tag == PartOfSpeech::modal ||
                    toks[it - 1].tag == PartOfSpeech::adverb))
    --it;
  const lexicon::Entry* noun = weather.empty() ? nullptr : core.find(weather, PartOfSpeech::noun);
  if (!noun || it == 0 || toks[it - 1].lower != "it") return false;
  Token& the = toks[it - 1];
  the.tag = PartOfSpeech::determiner, the.lower = the.lemma = "the";
  Token subject = impliedWord(weather, PartOfSpeech::noun, toks[stop + 1].word);
  subject.entry = noun;
  subject.words = 1;
  subject.pauseAfter = false;
  toks[stop].pauseAfter = toks[stop + 1].pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(stop) + 1);
  toks.insert(toks.begin() + std::ptrdiff_t(it), std::move(subject));
  return true;
}

bool namesPerson(const Token& t);

// "The printer stopped working": a thing that stopped working then broke down, "elromlott" (the
// lexicon's "go wrong"), where what has stopped working or stops when cold no longer works
// ("nem működik többé") and a person stopped work. "stopped working" becomes the one verb.
bool brokeDown(const lexicon::CoreLexicon& core, std::vector<Token>& toks, std::size_t stop) {
  const lexicon::Entry* broke = core.find("go wrong", PartOfSpeech::verb);
  if (stop == 0 || toks[stop - 1].tag != PartOfSpeech::noun || namesPerson(toks[stop - 1]) || !broke ||
      toks[stop].form != VerbForm::past)
    return false;
  Token& verb = toks[stop];
  verb.lemma = verb.lower = "go wrong";
  verb.entry = broke;
  verb.dictionarySenses.clear();
  verb.words = toks[stop + 1].word + toks[stop + 1].words - verb.word;
  verb.pauseAfter = toks[stop + 1].pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(stop) + 1);
  return true;
}

// "The letters stopped coming", "the printer stops working", "Stop talking": to stop doing is
// Hungarian's "no longer" ("többé nem jöttek", "többé nem működik", "Többé ne beszélj"): "stop"
// becomes "do", "anymore" and "not", the "-ing" verb its verb.
void stoppingAsNoLonger(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& stop = toks[i];
    Token& ing = toks[i + 1];
    // ("My phone has stopped working": what has stopped holds now, "többé nem működik"; "had
    // stopped" held then)
    const bool perfect = stop.form == VerbForm::participle && i > 0 &&
                         (toks[i - 1].lower == "has" || toks[i - 1].lower == "have" || toks[i - 1].lower == "had");
    if (stop.tag != PartOfSpeech::verb || stop.lemma != "stop" || stop.form == VerbForm::ing ||
        weatherStopped(core, toks, i) || (stop.form == VerbForm::participle && !perfect) || ing.words != 1 ||
        ing.lower.size() <= 5 || !endsWith(ing.lower, "ing"))
      continue;
    const std::vector<Reading> rs = readingsOf(core, ing);
    const auto verb = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form == VerbForm::ing;
    });
    if (verb == rs.end()) continue;
    if (verb->lemma == "work" && !perfect && brokeDown(core, toks, i)) continue;
    ing.tag = PartOfSpeech::verb, ing.lemma = verb->lemma, ing.entry = nullptr, ing.form = VerbForm::base;
    if (perfect) stop.form = toks[i - 1].lower == "had" ? VerbForm::past
                             : toks[i - 1].lower == "has" ? VerbForm::third : VerbForm::base;
    stop.lower = stop.form == VerbForm::past ? "did" : stop.form == VerbForm::third ? "does" : "do";
    stop.lemma = "do";
    stop.tag = PartOfSpeech::auxiliary;
    stop.entry = nullptr;
    stop.form = VerbForm::base;
    Token anymore = impliedWord("anymore", PartOfSpeech::adverb, ing.word);
    anymore.entry = core.find("anymore", PartOfSpeech::adverb);
    const std::size_t word = ing.word;
    // ("többé nem jöttek": before the negation, which keeps the verb's comma after it)
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), impliedWord("not", PartOfSpeech::negation, word));
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), std::move(anymore));
    if (perfect) {  // (the "have" said by the tense of "do")
      toks[i].word = toks[i - 1].word, toks[i].words += toks[i - 1].words;
      toks.erase(toks.begin() + std::ptrdiff_t(i) - 1);
      --i;
    }
    i += 3;
  }
}

// "can no longer afford", "She no longer works here": "no longer" is
// the negation with "anymore" ("már nem", "többé nem"), not "no" before a noun; without an
// auxiliary it takes "do", as "does not work anymore" does.
void noLongerAsNotAnymore(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const bool one = toks[i].lower == "no longer";
    if (!one && !(toks[i].lower == "no" && toks[i + 1].lower == "longer" && !toks[i].pauseAfter)) continue;
    const std::size_t after = one ? i + 1 : i + 2;
    if (after >= toks.size()) continue;
    Token& before = toks[i - 1];
    Token& next = toks[after];
    // ("can no longer see", "no longer works": the word after it is the verb, where it can be one)
    // ("is no longer open", "is no longer here": the copula negated, "anymore" after the state
    // it says, "nincs nyitva többé", "nincs itt többé")
    if (formOfBe(before.lower)) {
      std::size_t end = after;
      while (end < toks.size() && !toks[end].pauseAfter && toks[end].tag != PartOfSpeech::conjunction) ++end;
      const bool pause = end < toks.size() && toks[end].pauseAfter;
      if (pause) ++end;
      if (end == after) continue;
      const std::size_t word = toks[i].word;
      Token anymore = impliedWord("anymore", PartOfSpeech::adverb, word);
      anymore.entry = core.find("anymore", PartOfSpeech::adverb);
      if (pause) toks[end - 1].pauseAfter = false, anymore.pauseAfter = true;
      toks.insert(toks.begin() + std::ptrdiff_t(end), std::move(anymore));
      Token negation = impliedWord("not", PartOfSpeech::negation, word);
      negation.words = one ? toks[i].words : toks[i].words + toks[i + 1].words;
      toks.erase(toks.begin() + std::ptrdiff_t(i), toks.begin() + std::ptrdiff_t(after));
      toks.insert(toks.begin() + std::ptrdiff_t(i), std::move(negation));
      continue;
    }
    // (not after "have": "have no longer any reason")
    const bool have = before.lower == "have" || before.lower == "has" || before.lower == "had";
    const bool auxiliary = (before.tag == PartOfSpeech::auxiliary || before.tag == PartOfSpeech::modal) && !have;
    const bool subject = before.tag == PartOfSpeech::noun || before.tag == PartOfSpeech::pronoun ||
                         before.tag == PartOfSpeech::name;
    if ((auxiliary || subject) && next.tag != PartOfSpeech::verb && next.tag != PartOfSpeech::adjective &&
        next.words == 1) {
      const std::vector<Reading> rs = readingsOf(core, next);
      const auto verb = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
        return r.tag == PartOfSpeech::verb && r.form != VerbForm::ing && r.form != VerbForm::participle;
      });
      if (verb != rs.end())
        next.tag = PartOfSpeech::verb, next.lemma = verb->lemma, next.form = verb->form,
        next.entry = core.find(verb->lemma, PartOfSpeech::verb), next.dictionarySenses.clear();
    }
    const bool verbAlone = subject && next.tag == PartOfSpeech::verb &&
                           (next.form == VerbForm::past || next.form == VerbForm::third ||
                            next.form == VerbForm::base);
    if (before.pauseAfter || next.tag != PartOfSpeech::verb || (!auxiliary && !verbAlone)) continue;
    const std::size_t word = toks[i].word;
    Token anymore = impliedWord("anymore", PartOfSpeech::adverb, word);
    anymore.entry = core.find("anymore", PartOfSpeech::adverb);
    anymore.words = one ? toks[i].words : toks[i].words + toks[i + 1].words;
    Token negation = impliedWord("not", PartOfSpeech::negation, word);
    std::vector<Token> in;
    if (verbAlone) {
      const std::string_view doIt = next.form == VerbForm::past ? "did" : next.form == VerbForm::third ? "does" : "do";
      Token aux = impliedWord(doIt, PartOfSpeech::auxiliary, word);
      aux.lemma = "do";
      in.push_back(std::move(aux));
      next.form = VerbForm::base;
    }
    in.push_back(std::move(anymore));
    in.push_back(std::move(negation));
    toks.erase(toks.begin() + std::ptrdiff_t(i), toks.begin() + std::ptrdiff_t(after));
    toks.insert(toks.begin() + std::ptrdiff_t(i), in.begin(), in.end());
    i += in.size() - 1;
  }
}

// "older than you are", "faster than I did", "more than we can": the auxiliary closing a
// comparison with a pronoun says nothing of its own, the pronoun is compared ("idősebbek nálad");
// the pronoun token takes its word.
void auxiliariesClosingAComparison(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    if (toks[i].lower != "than" || !subjectPronoun(toks[i + 1]) || toks[i + 1].pauseAfter) continue;
    Token& aux = toks[i + 2];
    if ((aux.tag != PartOfSpeech::auxiliary && aux.tag != PartOfSpeech::modal) ||
        !(i + 3 == toks.size() || aux.pauseAfter))
      continue;
    toks[i + 1].words = aux.word + aux.words - toks[i + 1].word;
    toks[i + 1].pauseAfter = aux.pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i + 2));
  }
}

// "waited for the rain to stop", "arranged for a taxi to collect us": what a verb waits or
// arranges for is a clause, its noun phrase the subject ("várták, hogy elálljon az eső"); "for"
// becomes its "that", the infinitive its verb.
void forSomeoneToDo(std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 3 < toks.size(); ++i) {
    if (toks[i].lower != "for" || toks[i - 1].tag != PartOfSpeech::verb || toks[i - 1].pauseAfter) continue;
    std::size_t j = i + 1;
    bool noun = false;
    while (j < toks.size() && !toks[j].pauseAfter &&
           (toks[j].tag == PartOfSpeech::determiner || toks[j].tag == PartOfSpeech::possessive ||
            toks[j].tag == PartOfSpeech::adjective || toks[j].tag == PartOfSpeech::noun ||
            toks[j].tag == PartOfSpeech::name || toks[j].tag == PartOfSpeech::number))
      noun |= toks[j].tag == PartOfSpeech::noun || toks[j].tag == PartOfSpeech::name, ++j;
    if (!noun || j + 1 >= toks.size() || toks[j].lower != "to" || toks[j + 1].tag != PartOfSpeech::verb ||
        toks[j + 1].form != VerbForm::base)
      continue;
    std::size_t head = j - 1;
    Token& verb = toks[j + 1];
    verb.form = toks[head].plural ? VerbForm::base : VerbForm::third;
    verb.words = verb.word + verb.words - toks[j].word, verb.word = toks[j].word;
    toks.erase(toks.begin() + std::ptrdiff_t(j));
    Token& that = toks[i];
    that.lower = that.lemma = "that", that.tag = PartOfSpeech::conjunction, that.entry = nullptr;
    that.waitedFor = true;
    i = j;
  }
}

// "I look forward to hearing from you": the letter's closing formula awaits the reader's reply,
// "Várom a válaszát" (formal, as letters that close so are); "to hearing from you" at `to`
// becomes "your reply".
bool replyAwaited(const lexicon::CoreLexicon& core, std::vector<Token>& toks, std::size_t to) {
  const lexicon::Entry* reply = core.find("reply", PartOfSpeech::noun);
  if (!reply || to + 3 >= toks.size() || toks[to + 1].lower != "hearing" || toks[to + 2].lower != "from" ||
      toks[to + 3].lower != "you")
    return false;
  Token& yours = toks[to];
  yours.lower = yours.lemma = "your", yours.tag = PartOfSpeech::possessive, yours.entry = nullptr;
  yours.person = 3, yours.plural = false;
  Token& noun = toks[to + 1];
  noun.lower = noun.lemma = "reply", noun.tag = PartOfSpeech::noun, noun.entry = reply, noun.plural = false;
  noun.words = toks[to + 3].word + toks[to + 3].words - noun.word;
  noun.pauseAfter = toks[to + 3].pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(to + 2), toks.begin() + std::ptrdiff_t(to + 4));
  return true;
}

// "I look forward to seeing you": what one looks forward to is a clause of its own with the
// same subject, in the subjunctive ("Várom, hogy lássalak"); the "-ing" verb is its verb.
void awaitedAfterLookingForward(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const Token& v = toks[i - 1];
    Token& ing = toks[i + 1];
    if (v.tag != PartOfSpeech::verb || !v.entry || v.entry->lemma != "look forward" ||
        toks[i].lower != "to" || ing.words != 1 || !endsWith(ing.lower, "ing"))
      continue;
    if (replyAwaited(core, toks, i)) continue;
    for (const Reading& r : readingsOf(core, ing))
      if (r.tag == PartOfSpeech::verb && r.form == VerbForm::ing) {
        ing.tag = PartOfSpeech::verb, ing.lemma = r.lemma, ing.entry = nullptr, ing.form = VerbForm::base;
        toks[i].tag = PartOfSpeech::infinitiveTo;
        toks[i].purpose = toks[i].awaited = true;
        break;
      }
  }
}

// "did not bring anything", "never saw anyone": after a negation in its clause "any-" is
// Hungarian's negative ("nem hozott semmit", "senkit sem látott" with "nem"), also past "or"
// and a second verb under the same negation ("Do not eat or drink anything": "semmit"). Asked
// ("Did you buy anything?"), it is "some-": "Vettél valamit?" ("if you need anything" stays
// "ha bármire szükséged van").
void negativeAny(std::vector<Token>& toks) {
  bool negated = false;
  // ("Have you heard anything", "Can anyone help": the auxiliary first asks)
  const bool asked = toks.size() > 2 &&
                     (toks[0].tag == PartOfSpeech::auxiliary || toks[0].tag == PartOfSpeech::modal) &&
                     (subjectPronoun(toks[1]) || toks[1].lower == "anyone" || toks[1].lower == "anybody" ||
                      toks[1].lower == "there");
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& t = toks[i];
    const bool sharedVerb = (t.lower == "or" || t.lower == "and") && i + 1 < toks.size() &&
                            toks[i + 1].tag == PartOfSpeech::verb && toks[i + 1].form == VerbForm::base;
    if (t.tag == PartOfSpeech::conjunction && !sharedVerb) negated = false;
    if (t.tag == PartOfSpeech::negation || t.lower == "never") negated = true;
    if (t.tag != PartOfSpeech::noun && t.tag != PartOfSpeech::adverb) continue;
    if (!negated) {
      if (!asked || i == 0) continue;
      if (t.lower == "anything")
        t.lemma = "something", t.entry = nullptr;
      else if (t.lower == "anyone" || t.lower == "anybody")
        t.lemma = "someone", t.entry = nullptr;
      else if (t.lower == "anywhere" && t.tag == PartOfSpeech::adverb)
        t.lemma = "somewhere", t.entry = nullptr;
      continue;
    }
    if (t.lower == "anywhere" && t.tag == PartOfSpeech::adverb) {
      t.lemma = "nowhere", t.entry = nullptr;  // "could not find them anywhere": "sehol"
      continue;
    }
    if (t.lower == "anything")
      t.lemma = "nothing", t.entry = nullptr;
    else if (t.lower == "anyone" || t.lower == "anybody")
      t.lemma = "nobody", t.entry = nullptr;
  }
}

// "We'd better hurry", "You had better not tell her": what is better is said of the deed, "Jobb,
// ha sietünk", "Jobb, ha nem mondod el neki": "it is better if" before the subject, "do" for
// its "not".
void hadBetterAsBetterIf(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 2 < toks.size(); ++i) {
    const Token& who = toks[i - 1];
    if ((toks[i].lower != "had" && toks[i].lower != "would") || toks[i + 1].lower != "better" ||
        !subjectPronoun(who) || (i > 1 && !toks[i - 2].pauseAfter))
      continue;
    const bool negated = toks[i + 2].tag == PartOfSpeech::negation;
    const std::size_t verb = negated ? i + 3 : i + 2;
    if (verb >= toks.size()) continue;
    // (the word after is the verb where it can be one: "had better call him")
    if (toks[verb].tag != PartOfSpeech::verb) {
      const std::vector<Reading> rs = readingsOf(core, toks[verb]);
      const auto base = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
        return r.tag == PartOfSpeech::verb && r.form == VerbForm::base;
      });
      if (base == rs.end()) continue;
      toks[verb].tag = PartOfSpeech::verb, toks[verb].lemma = base->lemma, toks[verb].entry = nullptr;
      toks[verb].form = VerbForm::base, toks[verb].plural = false;
    }
    if (toks[verb].form != VerbForm::base) continue;
    const lexicon::Entry* better = core.find("better", PartOfSpeech::adjective);
    if (!better) return;
    Token subject = who;
    Token it = impliedWord("it", PartOfSpeech::pronoun, who.word);
    it.person = 3, it.plural = false;
    Token& is = toks[i];
    is.lower = is.lemma = "is", is.tag = PartOfSpeech::auxiliary, is.entry = nullptr, is.form = VerbForm::base;
    Token& adjective = toks[i + 1];
    adjective.tag = PartOfSpeech::adjective, adjective.entry = better, adjective.lemma = "better";
    adjective.degree = 0;
    toks[i - 1] = std::move(it);
    std::vector<Token> tail{impliedWord("if", PartOfSpeech::conjunction, adjective.word), std::move(subject)};
    if (negated) tail.push_back(impliedWord("do", PartOfSpeech::auxiliary, toks[i + 2].word));
    toks.insert(toks.begin() + std::ptrdiff_t(i + 2), tail.begin(), tail.end());
    i += 2 + tail.size();
  }
}

// "I've got two sisters", "Have you got a pen?", "haven't got time", "I've got to go": "have
// got" is "have", said as "do have" ("Két húgom van", "Van tollad?", "Mennem kell"); not before
// a state one came to ("has got married", "got worse").
void haveGotAsHave(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& have = toks[i];
    if ((have.lower != "have" && have.lower != "has") || have.tag != PartOfSpeech::auxiliary) continue;
    std::size_t j = i + 1;
    // (past "not" and the subject; a question's subject may be a noun: "Has your sister got")
    while (j < toks.size() && j < i + 4 && toks[j].lower != "got" &&
           (toks[j].tag == PartOfSpeech::negation || toks[j].tag == PartOfSpeech::pronoun ||
            (i == 0 && (toks[j].tag == PartOfSpeech::possessive || toks[j].tag == PartOfSpeech::noun ||
                        toks[j].tag == PartOfSpeech::name || toks[j].lower == "the"))))
      ++j;
    if (j + 1 >= toks.size() || toks[j].lower != "got") continue;
    const Token& next = toks[j + 1];
    const bool owned = next.tag == PartOfSpeech::determiner || next.tag == PartOfSpeech::number ||
                       next.tag == PartOfSpeech::possessive || next.tag == PartOfSpeech::noun ||
                       next.tag == PartOfSpeech::infinitiveTo || next.lower == "to" ||
                       (next.tag == PartOfSpeech::adjective && j + 2 < toks.size() &&
                        toks[j + 2].tag == PartOfSpeech::noun);
    if (!owned) continue;
    const bool third = have.lower == "has";
    have.lower = third ? "does" : "do";
    have.lemma = "do";
    have.entry = nullptr;
    Token& got = toks[j];
    got.lower = got.lemma = "have", got.tag = PartOfSpeech::auxiliary, got.form = VerbForm::base, got.entry = nullptr;
    got.participle = false;
    i = j;
  }
}

// "Not suitable for children", "Not for sale": a label's negation with no verb is said of the
// product, "it is not" ("Nem alkalmas", "Nem eladó").
void labelsNegated(std::vector<Token>& toks) {
  if (toks.size() < 2 || toks[0].tag != PartOfSpeech::negation || toks[0].lower != "not" ||
      (toks[1].tag != PartOfSpeech::adjective && toks[1].tag != PartOfSpeech::preposition) ||
      std::any_of(toks.begin(), toks.end(), [](const Token& k) {
        return k.tag == PartOfSpeech::verb || k.tag == PartOfSpeech::auxiliary || k.tag == PartOfSpeech::modal;
      }))
    return;
  Token it = impliedWord("it", PartOfSpeech::pronoun, toks[0].word);
  it.person = 3, it.plural = false;
  Token is = impliedWord("is", PartOfSpeech::auxiliary, toks[0].word);
  toks.insert(toks.begin(), {std::move(it), std::move(is)});
}

// "There is no need to worry", "Is there any need to book?": a need that no one has is said of
// the act, "it is (not) necessary to" ("Nem sz\xC3\xBCks\xC3\xA9ges agg\xC3\xB3dni"), and the word after "to" is
// the verb where it can be one ("to book").
void noNeedAsNotNecessary(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 4 < toks.size(); ++i) {
    const bool asked = formOfBe(toks[i].lower) && toks[i + 1].lower == "there";
    Token& there = toks[asked ? i + 1 : i];
    Token& be = toks[asked ? i : i + 1];
    Token& no = toks[i + 2];
    Token& need = toks[i + 3];
    if (there.lower != "there" || !formOfBe(be.lower) || (no.lower != "no" && no.lower != "any") ||
        need.lower != "need" || toks[i + 4].lower != "to" || i + 5 >= toks.size())
      continue;
    const lexicon::Entry* necessary = core.find("necessary", PartOfSpeech::adjective);
    if (!necessary) return;
    there.lower = there.lemma = "it", there.tag = PartOfSpeech::pronoun, there.person = 3, there.plural = false;
    there.entry = nullptr;
    if (no.lower == "no")
      no.lower = no.lemma = "not", no.tag = PartOfSpeech::negation;
    else  // (the "any" of a question says nothing of its own)
      no.words = 0;
    need.lower = need.lemma = "necessary", need.tag = PartOfSpeech::adjective, need.entry = necessary;
    Token& act = toks[i + 5];
    const std::vector<Reading> rs = readingsOf(core, act);
    const auto verb = std::find_if(rs.begin(), rs.end(), [](const Reading& r) {
      return r.tag == PartOfSpeech::verb && r.form == VerbForm::base;
    });
    if (verb != rs.end() && act.tag != PartOfSpeech::verb)
      act.tag = PartOfSpeech::verb, act.lemma = verb->lemma, act.entry = nullptr, act.form = VerbForm::base;
    if (no.words == 0) {  // (its word said by "it")
      there.words += 1;
      toks.erase(toks.begin() + std::ptrdiff_t(i + 2));
    }
  }
}

// "works as a nurse", "As a child, I ...": "as" before a noun phrase without a verb after it
// is what one is in that role ("ápolóként", "gyerekként"); not "as ... as", nor "as he said".
void markAsRoles(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (toks[i].lower != "as" || (i >= 2 && toks[i - 2].lower == "as") ||
        (i >= 3 && toks[i - 3].lower == "as"))  // "as tall as her brother"
      continue;
    // "smiled as he opened the door": before a subject and its verb "as" links a clause
    // ("ahogy kinyitotta az ajtót")
    // ("As he said, ...": so at the start of a sentence too; "slowed down as it approached the
    // station": "it" with a past verb after it too)
    const bool itDid = i + 2 < toks.size() && toks[i + 1].lower == "it" && toks[i + 2].form == VerbForm::past;
    if (i + 2 < toks.size() && (subjectPronoun(toks[i + 1]) || itDid) &&
        (toks[i + 2].tag == PartOfSpeech::verb || toks[i + 2].tag == PartOfSpeech::auxiliary ||
         toks[i + 2].tag == PartOfSpeech::modal)) {
      toks[i].tag = PartOfSpeech::conjunction;
      continue;
    }
    // ("smiled as the door opened", "as my father said": a noun subject, then its verb)
    if (toks[i + 1].lower == "the" || toks[i + 1].tag == PartOfSpeech::possessive) {
      std::size_t v = i + 2;
      while (v < toks.size() && toks[v].tag == PartOfSpeech::adjective) ++v;
      const std::size_t noun = v;
      while (v < toks.size() && toks[v].tag == PartOfSpeech::noun && !toks[v].pauseAfter) ++v;
      // ("just as the sun rose": the last of two nouns that ends the clause and can be the past
      // of a verb is that verb, no compound "sun rose")
      const std::size_t e = v < toks.size() && toks[v].tag == PartOfSpeech::noun && toks[v].pauseAfter ? v + 1 : v;
      if (e >= noun + 2 && !toks[e - 1].plural &&
          (e == toks.size() || toks[e - 1].pauseAfter || toks[e].tag == PartOfSpeech::preposition ||
           toks[e].tag == PartOfSpeech::adverb || toks[e].tag == PartOfSpeech::conjunction)) {
        Token& last = toks[e - 1];
        for (const Reading& r : readingsOf(core, last))
          if (r.tag == PartOfSpeech::verb && r.form == VerbForm::past) {
            last.tag = PartOfSpeech::verb, last.lemma = r.lemma, last.form = VerbForm::past, last.entry = nullptr;
            last.dictionarySenses.clear();
            v = e - 1;
            break;
          }
      }
      if (v > noun && v < toks.size() && !toks[v - 1].possessor &&
          ((toks[v].tag == PartOfSpeech::verb && (toks[v].form == VerbForm::past || toks[v].form == VerbForm::third)) ||
           toks[v].tag == PartOfSpeech::auxiliary || toks[v].tag == PartOfSpeech::modal)) {
        toks[i].tag = PartOfSpeech::conjunction;
        continue;
      }
    }
    std::size_t k = i + 1;
    if (toks[k].lower == "a" || toks[k].lower == "an") {  // adjectives only after an article
      ++k;
      while (k < toks.size() && toks[k].tag == PartOfSpeech::adjective) ++k;
    }
    if (k >= toks.size() || toks[k].tag != PartOfSpeech::noun || toks[k].time || toks[k].lower == "as")
      continue;
    ++k;
    if (k < toks.size() && (toks[k].tag == PartOfSpeech::verb || toks[k].tag == PartOfSpeech::auxiliary ||
                            toks[k].tag == PartOfSpeech::modal || toks[k].lower == "as"))
      continue;
    toks[i].tag = PartOfSpeech::preposition;
  }
}

// "as tall as my father": "olyan magas, mint az apám"; the first "as" says how much ("so"),
// the second is "than"'s "mint"
void comparisonsOfEquality(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    if (toks[i].lower != "as" || toks[i + 2].lower != "as" ||
        (toks[i + 1].tag != PartOfSpeech::adjective && toks[i + 1].tag != PartOfSpeech::adverb))
      continue;
    const lexicon::Entry* so = core.find("so", PartOfSpeech::adverb);
    if (!so) continue;
    toks[i].tag = PartOfSpeech::adverb, toks[i].lemma = "so", toks[i].entry = so;
    toks[i + 2].tag = PartOfSpeech::preposition, toks[i + 2].lemma = "than";
  }
  // "the same as mine", "the same mistake as his brother": what it is the same as is compared,
  // "ugyanaz, mint az enyém", "ugyanazt a hibát, mint a bátyja"
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    if (toks[i].lower != "the" || toks[i + 1].lower != "same") continue;
    std::size_t as = i + 2;
    while (as < std::min(toks.size(), i + 5) && toks[as].lower != "as" &&
           (toks[as].tag == PartOfSpeech::noun || toks[as].tag == PartOfSpeech::adjective))
      ++as;
    // (a noun phrase after it, not a time: "as last year" is said where the clause's time is)
    const PartOfSpeech after = as + 1 < toks.size() ? toks[as + 1].tag : PartOfSpeech::other;
    const bool compared = after == PartOfSpeech::determiner || after == PartOfSpeech::possessive ||
                          after == PartOfSpeech::pronoun || after == PartOfSpeech::noun ||
                          after == PartOfSpeech::name;
    if (compared && toks[as].lower == "as" && !toks[as - 1].pauseAfter && !toks[as + 1].time)
      toks[as].tag = PartOfSpeech::preposition, toks[as].lemma = "than";
  }
}

// "a little salt": before a noun "a little" counts it ("egy kis só"); else it is how much
// ("egy kicsit").
void aLittle(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.lemma != "a little" || (t.tag != PartOfSpeech::adverb && t.tag != PartOfSpeech::adjective))
      continue;
    const Token* n = i + 1 < toks.size() ? &toks[i + 1] : nullptr;
    // (not a language: "speaks a little German" is "egy kicsit németül")
    const lexicon::Entry* noun =
        n && n->tag == PartOfSpeech::noun ? core.find(n->lemma, PartOfSpeech::noun) : nullptr;
    const bool beforeNoun = n && n->tag == PartOfSpeech::noun && !n->time &&
                            !(noun && !noun->senses.empty() && noun->senses.front().note("in") == "ul");
    const PartOfSpeech tag = beforeNoun ? PartOfSpeech::adjective : PartOfSpeech::adverb;
    if (const lexicon::Entry* e = core.find(t.lemma, tag)) t.tag = tag, t.entry = e;
  }
}

// "shortly after midnight", "soon after the war", "long before the show", "just before noon":
// how near the time is to the one named, said before the postposition's phrase ("röviddel éjfél
// után", "nem sokkal a háború után", "jóval az előadás előtt", "közvetlenül dél előtt"); the
// adverb becomes the preposition's word before its phrase.
void howSoonAfter(std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kHowSoon[] = {
      {"shortly", "r\xC3\xB6viddel"}, {"soon", "nem sokkal"}, {"long", "j\xC3\xB3val"},
      {"just", "k\xC3\xB6zvetlen\xC3\xBCl"}, {"right", "k\xC3\xB6zvetlen\xC3\xBCl"},
      {"immediately", "k\xC3\xB6zvetlen\xC3\xBCl"}, {"straight", "k\xC3\xB6zvetlen\xC3\xBCl"}};
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& how = toks[i];
    Token& prep = toks[i + 1];
    if (how.pauseAfter || (prep.lower != "after" && prep.lower != "before") || prep.tag != PartOfSpeech::preposition ||
        !prep.correlative.empty())
      continue;
    // (a noun phrase follows, no clause: "shortly after he left" is "röviddel azután, hogy")
    const Token& next = toks[i + 2];
    if (next.tag != PartOfSpeech::noun && next.tag != PartOfSpeech::determiner && next.tag != PartOfSpeech::possessive &&
        next.tag != PartOfSpeech::name && next.tag != PartOfSpeech::number && next.tag != PartOfSpeech::adjective)
      continue;
    if (i + 3 < toks.size() && (toks[i + 3].tag == PartOfSpeech::verb || toks[i + 3].tag == PartOfSpeech::auxiliary ||
                                toks[i + 3].tag == PartOfSpeech::modal))
      continue;
    // ("long" is an adverb here only after a verb: "a long after" is no such thing)
    if (how.tag != PartOfSpeech::adverb && !(how.lower == "long" && i > 0 && toks[i - 1].tag == PartOfSpeech::verb))
      continue;
    for (const auto& [english, hungarian] : kHowSoon)
      if (how.lower == english) {
        prep.correlative = hungarian;
        prep.word = how.word;
        prep.words += how.words;
        toks.erase(toks.begin() + std::ptrdiff_t(i));
        break;
      }
  }
}

// "the few people who came", "the past few years", "my last few days": "few" after an article
// or an owner, past an adjective, is a small number of known ones, "néhány" ("az elmúlt néhány
// évben"), not "kevés"
void theFew(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.lower != "few" || t.tag != PartOfSpeech::adjective || toks[i + 1].tag != PartOfSpeech::noun) continue;
    std::size_t k = i - 1;
    if (k > 0 && (toks[k].tag == PartOfSpeech::adjective || toks[k].lower == "in the past")) --k;
    const bool owned = toks[k].lower == "the" || toks[k].tag == PartOfSpeech::possessive ||
                       toks[k].lower == "these" || toks[k].lower == "those" || toks[i - 1].lower == "in the past";
    if (!owned) continue;
    if (const lexicon::Entry* e = core.find("a few", PartOfSpeech::adjective)) {
      t.lemma = "a few";
      t.entry = e;
      t.dictionarySenses.clear();
    }
  }
}

// "Thanks (again) for the flowers", "Many thanks": the thanking itself ("köszönöm"), not a verb's third
// person
// "Yes, I'm fine", "No, thank you", "Well, I don't know", "Oh, that's nice": a word of answering
// opening the sentence before a comma, "Igen, jól vagyok", "Nem, köszönöm", "Hát, nem tudom" (no
// noun "yes", no determiner "no", no verb "well").
void answersOpening(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  // ("No thanks": the thanks right after it)
  if (toks.empty() || !opensAnAnswer(toks[0].lower) ||
      !(toks[0].pauseAfter || toks.size() == 1 ||
        (toks[0].lower == "no" && (toks[1].lower == "thanks" || toks[1].lower == "thank you"))))
    return;
  if (const lexicon::Entry* e = core.find(toks[0].lower, PartOfSpeech::adverb)) {
    toks[0].tag = PartOfSpeech::adverb, toks[0].lemma = toks[0].lower, toks[0].entry = e, toks[0].plural = false;
    toks[0].neighbour = "answer";  // ("Well," is "Hát,")
  }
}

void thanks(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  // "Thank you so much": the much said with the thanking, "Nagyon köszönöm" (as "I love you so
  // much" is "Nagyon szeretlek")
  for (std::size_t i = 1; i < toks.size(); ++i)
    if ((toks[i - 1].lower == "thanks" || toks[i - 1].lower == "thank you" ||
         (toks[i - 1].lower == "you" && i >= 2 && toks[i - 2].lemma == "thank")) &&
        muchOfThanks(toks[i]))
      toks[i].tag = PartOfSpeech::particle, toks[i].entry = nullptr;
  const lexicon::Entry* many = core.find("many thanks", PartOfSpeech::adverb);
  for (std::size_t i = 0; i < toks.size(); ++i) {
    // "Many thanks" is thanking as "thanks" is, the many in its sense
    if (toks[i].lower == "many thanks") toks[i].lower = "thanks";
    if (many && i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::particle && muchOfThanks(toks[i + 1]) &&
        (toks[i].lower == "thanks" || toks[i].lower == "thank you"))
      toks[i].entry = many;
  }
  for (std::size_t i = 0; i < toks.size(); ++i)
    if (toks[i].lower == "thanks" && (i == 0 || toks[i - 1].lower == "many" || (i == 1 && toks[0].lower == "no")) &&
        (i + 1 == toks.size() || toks[i + 1].lower == "for" || toks[i + 1].lower == "again" ||
         toks[i + 1].tag == PartOfSpeech::particle))
      if (const lexicon::Entry* e = core.find("thanks", PartOfSpeech::adverb)) {
        toks[i].tag = PartOfSpeech::adverb, toks[i].lemma = "thanks";
        if (toks[i].entry != many) toks[i].entry = e;
        if (i > 0 && toks[i - 1].lower == "many") toks[i - 1].tag = PartOfSpeech::particle, toks[i - 1].entry = nullptr;
      }
  // "Thanks again for your help": thanks said once more, before them ("Még egyszer köszönöm")
  for (std::size_t i = 1; i < toks.size(); ++i)
    if (toks[i].lower == "again" && (toks[i - 1].lemma == "thanks" || toks[i - 1].lower == "thank you") &&
        toks[i - 1].tag == PartOfSpeech::adverb)
      if (const lexicon::Entry* e = core.find("once more", PartOfSpeech::adverb)) {
        toks[i].lemma = "once more", toks[i].entry = e;
        std::swap(toks[i - 1], toks[i]);
      }
}

// "such a big dog": "such" counts as the article ("ilyen nagy kutya"); so does the "what a" that
// opens an exclamation, "milyen" ("What a lovely day!": "Milyen gyönyörű nap!")
void suchA(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if ((toks[i].lower == "such" || (i == 0 && toks[i].lower == "what")) &&
        (toks[i + 1].lower == "a" || toks[i + 1].lower == "an"))
      toks[i].tag = PartOfSpeech::determiner, toks[i].entry = nullptr;
}

// "How old", "what time", "how much", "how many": one question of quantity; the question word
// takes the pair as its lemma and the second word is said with it ("Hány éves?", "Hány óra van?").
void questionsOfQuantity(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& q = toks[i];
    Token& w = toks[i + 1];
    const bool how = q.lower == "how" && (w.lower == "old" || w.lower == "much" || w.lower == "many" ||
                                          w.lower == "long" || w.lower == "often");
    const bool whatTime = q.lower == "what" && w.lower == "time";
    if (q.tag != PartOfSpeech::question || !(how || whatTime)) continue;
    q.lemma = q.lower + " " + w.lower;  // "Hány gyerek?", "Mennyi pénz?"
    w.tag = PartOfSpeech::particle, w.entry = nullptr;
    // "How many children": Hungarian counts a singular ("Hány gyerek")
    if (w.lower == "many" && i + 2 < toks.size() && toks[i + 2].tag == PartOfSpeech::noun)
      toks[i + 2].plural = false;
    // "What time is it?": "Hány óra van?", no "it"
    if (whatTime && i + 3 < toks.size() && (toks[i + 2].lower == "is" || toks[i + 2].lower == "was") &&
        toks[i + 3].lower == "it")
      toks[i + 3].tag = PartOfSpeech::particle, toks[i + 3].entry = nullptr;

  }
}

bool isTimeNoun(const Token& t);

// The noun phrase whose noun is at `head` is an object, not a clause's subject: an instruction's
// ("Use the cable"), one after a preposition ("in a house") or one after a verb and "a"; not one
// after a word that also opens a clause ("after a car crashed into a shop": "miut\xC3\xA1n").
bool nounPhraseDescribable(const std::vector<Token>& toks, std::size_t head) {
  std::size_t b = head;
  while (b > 0 && (toks[b - 1].tag == PartOfSpeech::determiner || toks[b - 1].tag == PartOfSpeech::possessive ||
                   toks[b - 1].tag == PartOfSpeech::adjective || toks[b - 1].tag == PartOfSpeech::number ||
                   toks[b - 1].tag == PartOfSpeech::noun))
    --b;
  if (b == 0) return false;
  const Token& before = toks[b - 1];
  return (toks[0].tag == PartOfSpeech::verb && toks[0].form == VerbForm::base) ||
         (before.tag == PartOfSpeech::preposition && !opensIngClauseOfTime(before.lower) &&
          before.lower != "until" && before.lower != "since") ||
         (before.tag == PartOfSpeech::verb && (toks[b].lower == "a" || toks[b].lower == "an"));
}

// Where a thing was done, said after its participle: "parked here", "bought online".
constexpr std::string_view kWhereDone[] = {"here", "there", "online", "abroad", "locally", "outside",
                                           "inside", "nearby", "overnight", "outdoors", "indoors"};

// "The man sitting next to me was reading", "The woman selling tickets smiled": an "-ing" verb
// right after the subject's noun, with at most its object and a place of its own, before the
// clause's verb, describes the noun.
void participlesAfterNouns(std::vector<Token>& toks) {
  auto nounPhraseEnd = [&](std::size_t j) {
    while (j < toks.size() &&
           (toks[j].tag == PartOfSpeech::determiner || toks[j].tag == PartOfSpeech::possessive ||
            toks[j].tag == PartOfSpeech::adjective || toks[j].tag == PartOfSpeech::noun ||
            toks[j].tag == PartOfSpeech::name || toks[j].tag == PartOfSpeech::pronoun))
      ++j;
    return j;
  };
  bool verbSeen = false;  // the clause's own verb stands before: "does not cover damage caused by"
  bool anyVerbSeen = false;  // ... or any verb, "be" too, past an "and": "crowded with shoppers and stalls"
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    verbSeen = verbSeen || (toks[i - 1].tag == PartOfSpeech::verb && !toks[i - 1].participle) ||
               toks[i - 1].tag == PartOfSpeech::modal;
    anyVerbSeen = anyVerbSeen || verbSeen || toks[i - 1].tag == PartOfSpeech::auxiliary;
    if (toks[i - 1].tag == PartOfSpeech::conjunction || toks[i - 1].pauseAfter) verbSeen = false;
    if (toks[i - 1].pauseAfter) anyVerbSeen = false;
    // (the form by its spelling: after a noun the chooser may have read a finite verb)
    // ("Towels left on the floor will be replaced": a past participle with its place too, "a
    // padlón hagyott törölközők", said in the finished past)
    const bool ing = toks[i].lower.ends_with("ing");
    const bool done = !ing && (toks[i].form == VerbForm::past || toks[i].form == VerbForm::participle);
    // (", watching the fields": after a comma what the subject does meanwhile)
    if (toks[i].tag != PartOfSpeech::verb || !(ing || done) || !toks[i].entry ||
        toks[i - 1].tag != PartOfSpeech::noun || toks[i - 1].possessor || toks[i - 1].pauseAfter)
      continue;
    // ("Cars parked here will be towed", "Goods bought online can be returned": a past
    // participle and where it was done, before the clause's verb)
    const bool doneWhere = done && listed(kWhereDone, toks[i + 1].lower) && i + 2 < toks.size() &&
                           (toks[i + 2].tag == PartOfSpeech::auxiliary || toks[i + 2].tag == PartOfSpeech::modal);
    if (doneWhere) {
      toks[i].participle = true, toks[i].tag = PartOfSpeech::adjective;
      continue;
    }
    // (not "resigned after journalists had ...": a preposition that may open a clause)
    if (done && (toks[i + 1].tag != PartOfSpeech::preposition || opensIngClauseOfTime(toks[i + 1].lower) ||
                 toks[i + 1].lower == "since" || toks[i + 1].lower == "until"))
      continue;
    std::size_t j = i + 1;
    // "stalls selling ripe peaches": an "-ing" verb's object, its noun last
    const bool object = ing && toks[j].tag != PartOfSpeech::preposition && toks[j].tag != PartOfSpeech::pronoun &&
                        nounPhraseEnd(j) > j && toks[nounPhraseEnd(j) - 1].tag == PartOfSpeech::noun;
    if (object) j = nounPhraseEnd(j);
    if (j < toks.size() && toks[j].tag == PartOfSpeech::preposition) {
      if (const std::size_t end = nounPhraseEnd(j + 1); end > j + 1)
        j = end;
      else if (!object)
        continue;
    }
    // ("cover damage caused by misuse": after the clause's verb, a past participle and its doer
    // describe the object, "a visszaélés által okozott kárt"; not a verb without an object, "sat
    // by the fire")
    const bool doneByAfterVerb = done && verbSeen && toks[i + 1].lower == "by" && j > i + 2 &&
                                 !toks[i].entry->senses.empty() && !toks[i].entry->senses.front().noObject;
    // ("Use the cable supplied with the printer", "stayed in a house built in 1900": a past
    // participle and its place to the clause's end describe an instruction's object or a noun after
    // a preposition or a verb and "a"; not a clause said after a verb, "I think the team played well")
    const bool doneToEnd = done && verbSeen && (j == toks.size() || toks[j - 1].pauseAfter) &&
                           nounPhraseDescribable(toks, i - 1);
    // ("was crowded with stalls selling peaches": with its object after the clause's verb, to the
    // clause's end)
    const bool objectAfterVerb = object && anyVerbSeen && (j == toks.size() || toks[j - 1].pauseAfter) &&
                                 !unitOfTime(toks[i - 1].lemma) &&
                                 !isTimeNoun(toks[i - 1]);  // ("spent the day reading books", "the evening")
    if ((j < toks.size() && (toks[j].tag == PartOfSpeech::auxiliary || toks[j].tag == PartOfSpeech::modal ||
                             (toks[j].tag == PartOfSpeech::verb && toks[j].form != VerbForm::ing && !done))) ||
        doneByAfterVerb || objectAfterVerb || doneToEnd)
      toks[i].participle = true, toks[i].tag = PartOfSpeech::adjective;
  }
}

// "a man called Tom", "a dog named Max": the name and "nevű" describe the noun, said before it
// ("egy Tom nevű férfi"), where the clause's verb stands before the noun or follows the name
// (not "The teacher called Tom").
void namesOfNouns(std::vector<Token>& toks) {
  bool verbSeen = false;
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    verbSeen = verbSeen || toks[i - 1].tag == PartOfSpeech::verb || toks[i - 1].tag == PartOfSpeech::auxiliary ||
               toks[i - 1].tag == PartOfSpeech::modal;
    Token& called = toks[i];
    if ((called.lower != "called" && called.lower != "named") || toks[i - 1].tag != PartOfSpeech::noun ||
        toks[i - 1].possessor || toks[i + 1].tag != PartOfSpeech::name)
      continue;
    std::size_t last = i + 1;
    while (last + 1 < toks.size() && toks[last + 1].tag == PartOfSpeech::name && !toks[last].pauseAfter) ++last;
    const bool verbAfter = last + 1 < toks.size() && finiteVerbForm(toks[last + 1]);
    if (!verbSeen && !verbAfter) continue;
    std::string name;
    for (std::size_t k = i + 1; k <= last; ++k) name += toks[k].written + " ";
    called.tag = PartOfSpeech::adjective;
    called.participle = true;
    called.entry = nullptr;
    called.dictionarySenses = {name + "nev\xC5\xB1"};
    called.words = toks[last].word + toks[last].words - called.word;
    called.pauseAfter = toks[last].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(last) + 1);
  }
}

// "the key provided", "the address below": a participle of instructions and letters, or
// "below" and "above", right after a noun and ending its phrase describe the noun, said before
// it ("a mellékelt kulccsal", "az alábbi címre"); the core lexicon's adjective of the word where
// it has one, the finished past otherwise ("the price shown": "a mutatott ár").
void describingWordsAfterNouns(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kAfterTheirNoun[] = {"provided", "attached",  "enclosed", "included",
                                                         "supplied", "required",  "shown",    "listed",
                                                         "mentioned", "below",    "above"};
  // (the clause's own verb stands before: "Tighten the screws with ...")
  bool verbSeen = !toks.empty() && toks[0].tag == PartOfSpeech::verb;
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    // ("the link below to reset your password": an infinitive after the phrase too)
    const bool ends = t.pauseAfter || i + 1 == toks.size() || toks[i + 1].tag == PartOfSpeech::conjunction ||
                      toks[i + 1].tag == PartOfSpeech::auxiliary || toks[i + 1].tag == PartOfSpeech::modal ||
                      toks[i + 1].tag == PartOfSpeech::infinitiveTo;
    if (verbSeen && ends && toks[i - 1].tag == PartOfSpeech::noun && !toks[i - 1].possessor &&
        listed(kAfterTheirNoun, t.lower) && t.tag != PartOfSpeech::noun) {
      const lexicon::Entry* adjective = core.find(t.lower, PartOfSpeech::adjective);
      if (t.tag != PartOfSpeech::verb && !adjective) continue;
      if (adjective) t.entry = adjective, t.lemma = t.lower;
      t.tag = PartOfSpeech::adjective;
      t.participle = true;
    }
    // "no rooms available", "a table available tonight": what is to be had, after an indefinite
    // noun, stands before it ("nincs szabad szoba"), its sense by the noun
    if (t.lower == "available" && toks[i - 1].tag == PartOfSpeech::noun && !toks[i - 1].possessor &&
        !(i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::noun)) {
      std::size_t b = i - 1;
      while (b > 0 && (toks[b - 1].tag == PartOfSpeech::adjective || toks[b - 1].tag == PartOfSpeech::noun)) --b;
      const std::string before = b > 0 ? toks[b - 1].lower : "";
      if (const lexicon::Entry* adjective = core.find(t.lower, PartOfSpeech::adjective);
          adjective && (before == "no" || before == "any" || before == "a" || before == "an" || before == "some")) {
        t.entry = adjective, t.lemma = t.lower;
        t.tag = PartOfSpeech::adjective;
        t.participle = true;
        t.neighbour = toks[i - 1].lemma;
      }
    }
    verbSeen = verbSeen || t.tag == PartOfSpeech::verb;
  }
}

// "was born", "is made of wood": Hungarian says them actively, "született", "fából készül"; the
// copula before gives the tense
void beingBornOrMade(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    // ("Were you born here?", "Where was she born?": asked, the subject pronoun between)
    const bool asked = i >= 2 && subjectPronoun(toks[i - 1]) && formOfBe(toks[i - 2].lower);
    const std::string& be = toks[asked ? i - 2 : i - 1].lower;
    if (!formOfBe(be) || be == "be" || be == "been") continue;
    const bool made = toks[i].lower == "made" && i + 1 < toks.size() &&
                      (toks[i + 1].lower == "of" || toks[i + 1].lower == "from" ||
                       (toks[i + 1].lower == "out" && i + 2 < toks.size() && toks[i + 2].lower == "of"));
    if (toks[i].lower != "born" && !made) continue;
    if (const lexicon::Entry* e = core.find(made ? "be made" : "be born", PartOfSpeech::verb)) {
      Token& t = toks[i];
      t.tag = PartOfSpeech::verb, t.lemma = e->lemma, t.entry = e;
      t.form = be == "was" || be == "were" ? VerbForm::past : VerbForm::base;
      if (made && toks[i + 1].lower == "out") {  // "out of": "of", "out" said with the verb
        t.words = toks[i + 1].word + toks[i + 1].words - t.word;
        toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
      }
    }
  }
}

// "The season was over", "when the war is over": "over" after the copula, closing what it says,
// is the end reached, "véget ért" (the present as well: it has ended); "will be over" is "véget
// ér". Before a noun phrase or "there" it is a place ("over the bridge", "over there").
void beingOver(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kClosing[] = {".", "?", "!", "now", "yet", "already", "soon", "at last", "then"};
  const lexicon::Entry* e = nullptr;
  for (std::size_t i = 1; i < toks.size(); ++i) {
    // ("was not over yet": past the negation)
    const std::size_t b = i >= 2 && toks[i - 1].tag == PartOfSpeech::negation ? i - 2 : i - 1;
    const std::string& be = toks[b].lower;
    if (toks[i].lower != "over" || !formOfBe(be) || be == "been") continue;
    const bool closes = i + 1 == toks.size() || toks[i].pauseAfter || toks[i + 1].tag == PartOfSpeech::conjunction ||
                        listed(kClosing, toks[i + 1].lower);
    if (!closes || (!e && !(e = core.find("be over", PartOfSpeech::verb)))) continue;
    Token& t = toks[i];
    t.tag = PartOfSpeech::verb, t.lemma = e->lemma, t.entry = e, t.dictionarySenses.clear();
    t.form = be == "be" ? VerbForm::base : VerbForm::past;
  }
}

// "Is this seat taken?", "Sorry, this table is taken": a seat or a table taken, the copula
// before it and nothing after, is one in use, "foglalt" ("Foglalt ez a hely?"); "was taken to
// hospital" stays the passive.
void seatsTaken(std::vector<Token>& toks) {
  static constexpr std::string_view kSeats[] = {"seat", "place", "chair", "table", "spot", "bed", "room"};
  for (std::size_t i = 2; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.lower != "taken" || !(i + 1 == toks.size() || t.pauseAfter || toks[i + 1].lower == "?" ||
                                toks[i + 1].lower == "." || toks[i + 1].tag == PartOfSpeech::conjunction))
      continue;
    // ("The seat is taken", "Is this seat taken?", "Are these seats already taken?")
    std::size_t k = toks[i - 1].tag == PartOfSpeech::adverb ? i - 2 : i - 1;
    const bool asked = toks[k].tag == PartOfSpeech::noun;
    if (!asked && (!formOfBe(toks[k].lower) || k == 0)) continue;
    const Token& seat = asked ? toks[k] : toks[k - 1];
    if (seat.tag != PartOfSpeech::noun || !listed(kSeats, seat.lemma)) continue;
    t.tag = PartOfSpeech::adjective, t.lemma = "taken", t.entry = nullptr;
    t.dictionarySenses = {"foglalt"};
  }
}

// "I'm tired of waiting", "She is used to the noise": being tired of a thing is being bored by
// it, "unja" (the present), and being used to one is having got used to it, "hozzászokott" (the
// past of the change); the copula before gives the tense. Before a bare verb "used to" is a
// purpose ("is used to open the door") and stays the passive.
void beingTiredOfOrUsedTo(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 2 < toks.size(); ++i) {
    const bool tired = toks[i].lower == "tired" && toks[i + 1].lower == "of";
    const bool used = toks[i].lower == "used" && toks[i + 1].lower == "to";
    if (!tired && !used) continue;
    // ("I'm not used to it": past the negation)
    const std::size_t b = i >= 2 && toks[i - 1].tag == PartOfSpeech::negation ? i - 2 : i - 1;
    const std::string& be = toks[b].lower;
    if (!formOfBe(be) || be == "been") continue;
    const Token& next = toks[i + 2];
    if (used && next.tag == PartOfSpeech::verb && next.form == VerbForm::base) continue;
    const lexicon::Entry* e = core.find(tired ? "be tired of" : "be used to", PartOfSpeech::verb);
    if (!e) return;
    Token& t = toks[i];
    t.tag = PartOfSpeech::verb, t.lemma = e->lemma, t.entry = e, t.dictionarySenses.clear();
    const bool past = be == "was" || be == "were";
    t.form = be == "be" ? VerbForm::base : used || past ? VerbForm::past : VerbForm::base;
    t.words = toks[i + 1].word + toks[i + 1].words - t.word;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
  }
}

// "about 500 people", "around ten o'clock": before a number, how near ("körülbelül")
// "You must be tired", "It must be difficult", "That must be the new teacher", "He must have
// forgotten": a "must" of what one takes to be so, not of what one has to do, is "biztosan" with
// the verb as it stands ("Biztosan fáradt vagy", "Biztosan elfelejtette"); "You must be careful"
// stays a duty.
void mustOfWhatIsGuessed(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kGuessedStates[] = {
      "tired", "exhausted", "hungry", "thirsty", "happy",  "sad",     "proud",  "lonely",    "worried", "delighted",
      "excited", "bored",  "boring", "difficult", "hard",  "nice",    "lovely", "wonderful", "great",   "terrible",
      "awful", "expensive", "wrong", "right",    "mistaken", "true", "crazy",  "mad",       "freezing", "busy",
      "broken", "nervous", "upset",  "angry",    "relieved", "glad", "sick",   "ill",       "joking",   "delicious",
      "exciting", "interesting", "fun", "asleep", "lost"};
  for (std::size_t i = 1; i + 2 < toks.size(); ++i) {
    if (toks[i].lower != "must" || toks[i].tag != PartOfSpeech::modal) continue;
    const Token& next = toks[i + 1];
    bool guessed = false;
    if (next.lower == "have" && (toks[i + 2].lower == "been" ||
                                 (toks[i + 2].tag == PartOfSpeech::verb && toks[i + 2].form == VerbForm::participle)))
      guessed = true;  // "must have forgotten", "must have been"
    if (next.lower == "be") {
      std::size_t j = i + 2;
      while (j + 1 < toks.size() && toks[j].tag == PartOfSpeech::adverb && (toks[j].lower == "very" ||
                                                                          toks[j].lower == "so" || toks[j].lower == "really"))
        ++j;
      const Token& p = toks[j];
      const std::string& subject = toks[i - 1].lower;
      guessed = (p.tag == PartOfSpeech::verb && p.form == VerbForm::ing) ||
                ((p.tag == PartOfSpeech::adjective || p.tag == PartOfSpeech::verb) && listed(kGuessedStates, p.lower) &&
                 (j + 1 == toks.size() || toks[j + 1].tag != PartOfSpeech::noun)) ||
                ((subject == "that" || subject == "this" || subject == "it") &&
                 (p.lower == "the" || p.tag == PartOfSpeech::possessive));
    }
    if (!guessed) continue;
    if (const lexicon::Entry* e = core.find("surely", PartOfSpeech::adverb)) {
      toks[i].tag = PartOfSpeech::adverb, toks[i].lower = toks[i].lemma = "surely", toks[i].entry = e;
      // ("be" is the present of the one guessed about: "fáradt vagy")
      if (next.lower == "be") toks[i + 1].lower = "is";
    }
  }
}

void aboutANumber(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  // "takes up to four hours", "rose by up to 10 percent": the most it may come to, one bound
  // before the number ("akár négy órát"), no particle of the verb before it (not of whom it is
  // said, "children up to 12", which is their age)
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].lower == "up" && toks[i + 1].lower == "to" && toks[i + 2].tag == PartOfSpeech::number &&
        !(i > 0 && (toks[i - 1].tag == PartOfSpeech::noun || toks[i - 1].tag == PartOfSpeech::name ||
                    toks[i - 1].tag == PartOfSpeech::pronoun))) {
      toks[i].tag = PartOfSpeech::adverb, toks[i].lower = toks[i].lemma = "up to", toks[i].entry = nullptr;
      toks[i].dictionarySenses.clear();
      toks[i].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
    }
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if ((toks[i].lower == "about" || toks[i].lower == "around") && toks[i + 1].tag == PartOfSpeech::number)
      if (const lexicon::Entry* e = core.find("about", PartOfSpeech::adverb))
        toks[i].tag = PartOfSpeech::adverb, toks[i].lemma = "about", toks[i].entry = e;
  // "more than a million visitors": the article of the number unsaid, "több mint egymillió"
  for (std::size_t i = 0; i + 3 < toks.size(); ++i)
    if ((toks[i].lower == "more" || toks[i].lower == "less" || toks[i].lower == "fewer") && toks[i + 1].lower == "than" &&
        (toks[i + 2].lower == "a" || toks[i + 2].lower == "an") && toks[i + 3].tag == PartOfSpeech::number &&
        toks[i + 3].value >= 100)
      toks[i + 2].tag = PartOfSpeech::particle, toks[i + 2].entry = nullptr;
  // "attracts over a million visitors", "Over 200 people came": more than the number, "több mint"
  // (not of whom it is said, "people over 65", which is their age)
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    const std::size_t n = (toks[i + 1].lower == "a" || toks[i + 1].lower == "an") ? i + 2 : i + 1;
    // ("waited for over an hour": a unit of time after "a" counts one, "több mint egy órán át")
    const bool oneUnit = n == i + 2 && n < toks.size() && toks[n].tag == PartOfSpeech::noun && unitOfTime(toks[n].lemma);
    if (toks[i].lower != "over" || n >= toks.size() ||
        (!oneUnit && (toks[n].tag != PartOfSpeech::number || (n == i + 2 && toks[n].value < 100))))
      continue;
    if (i > 0 && (toks[i - 1].tag == PartOfSpeech::noun || toks[i - 1].tag == PartOfSpeech::name ||
                  toks[i - 1].tag == PartOfSpeech::pronoun || formOfBe(toks[i - 1].lower)))
      continue;
    if (const lexicon::Entry* e = core.find("over", PartOfSpeech::adverb)) {
      toks[i].tag = PartOfSpeech::adverb, toks[i].entry = e, toks[i].neighbour = "number";
      if (n == i + 2 && !oneUnit) toks[i + 1].tag = PartOfSpeech::particle, toks[i + 1].entry = nullptr;  // ("a million")
    }
  }
}

// "to" before a verb marks an infinitive; so does "to be" after a verb, or after the one a verb
// asks to be so ("told us to be ready", "want the children to be safe", "decided not to be").
void markInfinitives(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (toks[i].lower != "to") continue;
    const Token& next = toks[i + 1];
    const PartOfSpeech before = i > 0 ? toks[i - 1].tag : PartOfSpeech::other;
    const bool toBe = next.tag == PartOfSpeech::auxiliary && next.lower == "be" &&
                      (before == PartOfSpeech::verb || before == PartOfSpeech::pronoun ||
                       before == PartOfSpeech::noun || before == PartOfSpeech::name ||
                       (before == PartOfSpeech::negation && i >= 2 && toks[i - 2].tag == PartOfSpeech::verb));
    if ((next.tag == PartOfSpeech::verb && next.form == VerbForm::base) || toBe)
      toks[i].tag = PartOfSpeech::infinitiveTo;
  }
}

// A pronoun other than "it", or a noun for people.
bool namesPerson(const Token& t) {
  if (t.tag == PartOfSpeech::pronoun) return t.lower != "it";
  return t.tag == PartOfSpeech::noun && t.entry && t.entry->pos == PartOfSpeech::noun &&
         !t.entry->senses.empty() && t.entry->senses.front().person;
}

// "Press the button to start the machine", "I went out to buy bread": an infinitive after a
// clause with a verb of its own says what for; not after a verb or an adjective that takes the
// infinitive ("decided to leave", "happy to help"), one that asks someone ("asked me to call"),
// a question word ("how to") or a noun the infinitive describes ("time to go").
void markPurposes(std::vector<Token>& toks) {
  static constexpr std::string_view kNotForPurpose[] = {
      "ask",     "tell",   "want",    "allow",    "help",    "remind", "invite", "encourage", "would",
      "order",   "teach",  "advise",  "force",    "let",     "make",   "use",    "how",       "what",
      "where",   "when",   "which",   "whether",  "enough",  "too",    "time",   "way",       "chance",
      "first",   "last",   "only",    "next",     "right",   "reason", "about",  "going",     "choose",
      "tend",    "intend", "pretend", "threaten", "arrange", "claim",  "aim",    "prepare",   "hesitate",
      "deserve", "dare",   "mean",    "vote",     "struggle"};
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    // the "to" made for an "-ing" verb ("likes swimming") says no purpose
    if (toks[i].tag != PartOfSpeech::infinitiveTo || toks[i].words == 0) continue;
    bool verb = false, excluded = false;
    for (std::size_t k = i; k-- > 0;) {
      const Token& t = toks[k];
      if (t.tag == PartOfSpeech::conjunction) break;
      if (t.tag == PartOfSpeech::verb) verb = true;
      // ("need a screwdriver to open it": what it is needed for, "hogy kinyisd")
      if (t.lemma == "need" && k + 1 < i && toks[i - 1].tag != PartOfSpeech::pronoun) continue;
      // ("have to leave the house by six to catch the ferry": a word whose own infinitive came
      // before asks for no other; the second says what for)
      const bool ownInfinitive = k + 2 < i && toks[k + 1].tag == PartOfSpeech::infinitiveTo &&
                                 toks[k + 2].tag == PartOfSpeech::verb && k + 3 < i;
      if ((takesInfinitive(t) || listed(kNotForPurpose, t.lemma) || listed(kNotForPurpose, t.lower)) &&
          !ownInfinitive)
        excluded = true;
    }
    // ("It takes ten minutes to walk there": what takes that long, the infinitive as the subject)
    if (toks[i - 1].tag == PartOfSpeech::noun && unitOfTime(toks[i - 1].lemma))
      for (std::size_t k = i - 1; k-- > 0 && toks[k].tag != PartOfSpeech::conjunction;)
        if (toks[k].lemma == "take" && toks[k].tag == PartOfSpeech::verb) excluded = true;
    // ("Each student will have five minutes to explain", "You have ten days to pay": the time one
    // has says what for, "öt perce lesz, hogy elmagyarázza"; no "have to" of what one must)
    bool timeHad = false;
    if (i >= 3 && toks[i - 1].tag == PartOfSpeech::noun && unitOfTime(toks[i - 1].lemma) &&
        i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::verb)
      for (std::size_t k = i - 1; k-- > 0 && i - k <= 4;) {
        if (toks[k].tag == PartOfSpeech::verb || toks[k].tag == PartOfSpeech::conjunction) break;
        if ((toks[k].lower == "have" || toks[k].lower == "has" || toks[k].lower == "had") &&
            toks[k].tag == PartOfSpeech::auxiliary && (toks[k + 1].tag == PartOfSpeech::number || toks[k + 1].lower == "a" ||
                                                      toks[k + 1].lower == "an"))
          timeHad = true;
      }
    const PartOfSpeech before = toks[i - 1].tag;
    toks[i].purpose = timeHad || (verb && !excluded && before != PartOfSpeech::adjective &&
                                  before != PartOfSpeech::question && before != PartOfSpeech::auxiliary);
    // "He was too tired to argue", "old enough to drive": what the degree is measured by, "túl
    // fáradt volt ahhoz, hogy vitatkozzon" ("It is too late to" keeps its infinitive)
    // ("too excited to sleep": a participle too)
    const bool degree = before == PartOfSpeech::adjective ||
                        (before == PartOfSpeech::verb && toks[i - 1].form == VerbForm::participle);
    const bool tooOrEnough =
        i >= 2 && ((degree && toks[i - 2].lower == "too") ||
                   (toks[i - 1].lower == "enough" && toks[i - 2].tag == PartOfSpeech::adjective));
    // (of a person, who is to do it, or of a thing named, to which anyone is to do it: "The box
    // was too heavy to carry", "ahhoz, hogy vigyék"; "It is too late to call" keeps its infinitive)
    const auto be = std::find_if(toks.begin() + 1, toks.begin() + std::ptrdiff_t(i),
                                 [](const Token& t) { return t.tag == PartOfSpeech::auxiliary; });
    const Token& subject = *(be - 1);
    if (tooOrEnough && (namesPerson(subject) || subject.tag == PartOfSpeech::name || subject.tag == PartOfSpeech::noun) &&
        i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::verb)
      toks[i].purpose = toks[i].measured = true;
    // "told him to stay", "told the children to wait": what the one told is to do, a clause
    // with that one as its subject ("azt mondta neki, hogy maradjon"); "told us not to worry":
    // not to do ("hogy ne aggódjunk")
    std::size_t k = i - 1;
    const bool notToDo = k > 0 && toks[k].tag == PartOfSpeech::negation && toks[k].lower == "not";
    if (notToDo) --k;
    if (toks[k].tag == PartOfSpeech::noun || toks[k].tag == PartOfSpeech::name ||
        (toks[k].tag == PartOfSpeech::pronoun && toks[k].lower != "it")) {
      auto startOfNounPhrase = [&] {
        while (k > 0 && toks[k].tag != PartOfSpeech::pronoun &&
               (toks[k - 1].tag == PartOfSpeech::determiner || toks[k - 1].tag == PartOfSpeech::possessive ||
                toks[k - 1].tag == PartOfSpeech::adjective || toks[k - 1].tag == PartOfSpeech::noun))
          --k;
      };
      startOfNounPhrase();
      // ("asked the witnesses of the accident to come forward": past its owner after "of")
      if (k >= 2 && toks[k - 1].lower == "of" && toks[k - 2].tag == PartOfSpeech::noun)
        k -= 2, startOfNounPhrase();
      // ("asked her to wait", "want you to come": "megkértem, hogy várjon", "azt akarom, hogy gyere")
      // ("advised motorists to avoid", "warned us not to swim", "urged them to leave": what one
      // is advised, warned or urged to do as well, "hogy kerüljék el", "hogy ne ússzunk")
      // (the one asked or advised to do it is someone who can: the verb's sense for people)
      if (k > 0 && toks[k - 1].tag == PartOfSpeech::verb && listed(kAskingSomeoneToDo, toks[k - 1].lemma))
        toks[i].purpose = toks[i].request = true, toks[i].negated = notToDo, toks[k - 1].ofPerson = true;
    }
    // "I was told to contact you", "were asked to wait": the passive's subject is the one told,
    // "Azt mondták, hogy forduljak" ("are kindly asked": past an adverb too)
    const std::size_t passiveBe = k >= 2 && toks[k - 1].tag == PartOfSpeech::adverb ? k - 2 : k - 1;
    // ("Commuters were advised to work from home", "were urged to leave": so every verb of
    // asking someone to do a thing)
    if (k >= 1 && toks[k].tag == PartOfSpeech::verb && listed(kAskingSomeoneToDo, toks[k].lemma) &&
        toks[k].lemma != "want" &&
        (toks[k].form == VerbForm::participle || toks[k].form == VerbForm::past) &&
        toks[passiveBe].tag == PartOfSpeech::auxiliary && formOfBe(toks[passiveBe].lower))
      toks[i].purpose = toks[i].request = true, toks[i].negated = notToDo;
    // "promised to write", "agreed to help": what the subject says it will do, a clause with
    // the same subject ("megígérte, hogy ír"); so too what it hopes to do ("Azt reméljük, hogy
    // hamarosan látunk")
    // ("pretended to read": what one made as if one did, "úgy tett, mintha olvasna")
    static constexpr std::string_view kWillDo[] = {"promise", "agree", "swear", "hope", "pretend", "decide"};
    if (toks[i - 1].tag == PartOfSpeech::verb && listed(kWillDo, toks[i - 1].lemma))
      toks[i].purpose = toks[i].promised = true;
    // "Leave the bread to cool": told what a thing is left to do by itself, the infinitive after
    // "hagy" ("Hagyja a kenyeret kihűlni"), no purpose ("Leave the room to make a call" has one)
    if (k > 0 && toks[k - 1].tag == PartOfSpeech::verb && toks[k - 1].lemma == "leave" &&
        (toks[k].tag != PartOfSpeech::pronoun || toks[k].lower == "it" || toks[k].lower == "them") &&  // ("Leave it to cool")
        (k == 1 || toks[k - 2].pauseAfter || toks[k - 2].lower == "then") &&
        !(i + 2 < toks.size() &&
          (toks[i + 2].tag == PartOfSpeech::determiner || toks[i + 2].tag == PartOfSpeech::possessive ||
           toks[i + 2].tag == PartOfSpeech::noun)))
      toks[i].purpose = false, toks[i].leftToDo = toks[k - 1].leavesInState = true;
    if (i >= 2 && toks[i - 1].tag == PartOfSpeech::negation && toks[i - 2].tag == PartOfSpeech::verb &&
        (toks[i - 2].lemma == "promise" || toks[i - 2].lemma == "decide"))  // ("promised never to tell")
      toks[i].purpose = toks[i].promised = true, toks[i].negated = toks[i - 1].lower == "not";
  }
}

// Whether the words from `k` say when: a time noun ("May", "the morning") or a year.
bool timeStartsAt(const lexicon::CoreLexicon& core, const std::vector<Token>& toks, std::size_t k) {
  if (k < toks.size() && toks[k].lower == "the") ++k;
  if (k >= toks.size()) return false;
  const Token& t = toks[k];
  if (t.tag == PartOfSpeech::number) return t.lower.size() == 4 && t.lower[0] >= '1' && t.lower[0] <= '2';
  const lexicon::Entry* e =
      t.tag == PartOfSpeech::noun ? (t.entry ? t.entry : core.find(t.lemma, t.tag)) : nullptr;
  return e && e->pos == PartOfSpeech::noun && !e->senses.empty() && !e->senses.front().note("time").empty();
}

// Where a phrasal verb's particle stands after the verb at `verb` and its short object ("turn
// the oven on", "take it off"), closing the clause; 0 if none does.
std::size_t particleAfterObject(const std::vector<Token>& toks, std::size_t verb) {
  static constexpr std::string_view kParticles[] = {"on", "off", "up", "down", "out", "away", "back"};
  std::size_t j = verb + 1;
  const bool pronounObject =
      j < toks.size() && toks[j].tag == PartOfSpeech::pronoun && !subjectPronoun(toks[j]);
  // ("pick her up": "her" before the particle is the object, not an owner; "pick Grandma up":
  // a name of one or two words as well)
  const bool herObject = j + 1 < toks.size() && toks[j].lower == "her" && listed(kParticles, toks[j + 1].lower);
  if (pronounObject || herObject || (j < toks.size() && toks[j].lower == "you")) {
    ++j;
  } else if (j < toks.size() && (toks[j].tag == PartOfSpeech::name ||
                                  (toks[j].tag == PartOfSpeech::noun && toks[j].capitalised && !toks[j].plural))) {
    // (one's family called so is a name too: "pick Grandma up")
    ++j;
    if (j < toks.size() && toks[j].tag == PartOfSpeech::name) ++j;
  } else {
    if (j >= toks.size() ||
        (toks[j].tag != PartOfSpeech::determiner && toks[j].tag != PartOfSpeech::possessive))
      return 0;
    ++j;
    while (j < toks.size() && j < verb + 6 &&
           (toks[j].tag == PartOfSpeech::adjective || toks[j].tag == PartOfSpeech::noun))
      ++j;
    if (toks[j - 1].tag != PartOfSpeech::noun) return 0;
  }
  // ("hand it in at reception", "think it over": after a pronoun "in" and "over" are particles
  // too, unless a noun phrase follows them: "put it in the box", "threw it over the fence";
  // so is "on": "turn it on", but "call me on this number", "put it on the table")
  const bool inOrOver = j == verb + 2 && j < toks.size() &&
                        (toks[j].lower == "in" || toks[j].lower == "over" || toks[j].lower == "on");
  if (inOrOver && j + 1 < toks.size()) {
    switch (toks[j + 1].tag) {
      case PartOfSpeech::determiner:
      case PartOfSpeech::possessive:
      case PartOfSpeech::noun:
      case PartOfSpeech::adjective:
      case PartOfSpeech::number:
      case PartOfSpeech::pronoun:
      case PartOfSpeech::name: return 0;
      default: break;
    }
  }
  if (j >= toks.size() || !(listed(kParticles, toks[j].lower) || inOrOver)) return 0;
  // (a pronoun between says the particle is the verb's: "pick me up at the station")
  // ("put the letter back in the envelope", "take the cake out of the oven": a preposition after
  // the particle opens where to, the particle stays the verb's)
  const bool closes = j + 1 == toks.size() || j == verb + 2 || toks[j + 1].lower == "and" ||
                      toks[j + 1].lower == "but" || toks[j + 1].lower == "before" ||
                      toks[j + 1].lower == "when" || toks[j + 1].tag == PartOfSpeech::conjunction ||
                      (toks[j + 1].tag == PartOfSpeech::preposition && !inOrOver && toks[j + 1].lower != "of");
  return closes ? j : 0;
}

// A phrasal verb that takes no object, its particle a preposition too, before a noun phrase: the
// word is the preposition of that phrase, and the verb its own ("stay in bed": "ágyban marad",
// not "otthon marad"; "passed by a narrow majority").
bool placeAfterIntransitiveParticle(const lexicon::Entry& phrasal, const std::vector<Token>& toks,
                                    std::size_t particle) {
  static constexpr std::string_view kPrepositions[] = {"in",   "on",    "by",   "down",   "over", "through",
                                                       "around", "round", "off", "up", "along", "past"};
  if (!listed(kPrepositions, toks[particle].lower) || toks[particle].pauseAfter || particle + 1 >= toks.size())
    return false;
  for (const lexicon::Sense& s : phrasal.senses)
    if (!s.noObject || !s.note("obj").empty()) return false;
  switch (toks[particle + 1].tag) {
    case PartOfSpeech::determiner:
    case PartOfSpeech::possessive:
    case PartOfSpeech::noun:
    case PartOfSpeech::adjective:
    case PartOfSpeech::number:
    case PartOfSpeech::name: return true;
    default: return false;
  }
}

// "The book was put on the table", "was taken off the shelf": a passive's object is its subject,
// so a particle after its participle that is a preposition too, before a noun phrase, is that
// phrase's preposition, not the phrasal verb ("put on" is "felvesz"; "az asztalra tették").
bool placeAfterPassive(const std::vector<Token>& before, const Token& participle, const std::vector<Token>& toks,
                       std::size_t verb) {
  if (before.empty() || participle.form == VerbForm::ing || participle.form == VerbForm::third) return false;
  std::size_t k = before.size() - 1;
  while (k > 0 && (before[k].tag == PartOfSpeech::adverb || before[k].tag == PartOfSpeech::negation)) --k;
  if (before[k].tag != PartOfSpeech::auxiliary || !formOfBe(before[k].lower)) return false;
  static constexpr std::string_view kPrepositions[] = {"in", "on", "into", "onto", "off", "over", "under", "through",
                                                       "across", "along", "around", "round", "past"};
  const std::size_t particle = verb + 1;
  if (!listed(kPrepositions, toks[particle].lower) || toks[particle].pauseAfter || particle + 1 >= toks.size())
    return false;
  const Token& next = toks[particle + 1];
  return next.tag == PartOfSpeech::determiner || next.tag == PartOfSpeech::possessive ||
         next.tag == PartOfSpeech::number || next.tag == PartOfSpeech::name;
}

// The verb the lexicon gives for "have a ..." ("have a look") or "have ..." ("have dinner"), `t`
// the "have" at i, if any, with how many words after "have" it takes.
std::pair<const lexicon::Entry*, std::size_t> haveADoing(const lexicon::CoreLexicon& core, const Token& t,
                                                         const std::vector<Token>& toks, std::size_t i) {
  const std::string& have = t.lower;
  if (t.tag != PartOfSpeech::auxiliary || i + 1 >= toks.size() ||
      (have != "have" && have != "has" && have != "had" && have != "having"))
    return {nullptr, 0};
  if (toks[i + 1].lower != "a") return {core.find("have " + toks[i + 1].lower, PartOfSpeech::verb), 1};
  if (i + 2 >= toks.size()) return {nullptr, 0};
  return {core.find("have a " + toks[i + 2].lower, PartOfSpeech::verb), 2};
}

// "make it easier", "made it clear", "make it happen", "make it a rule": what "it" is made into
// or made to do follows, and "make it" is no getting there ("I can't make it on Thursday": "nem
// tudok eljutni").
bool makingItSomething(const lexicon::Entry& phrasal, const std::vector<Token>& toks, std::size_t it) {
  if (phrasal.lemma != "make it" || it + 1 >= toks.size() || toks[it].pauseAfter) return false;
  const PartOfSpeech next = toks[it + 1].tag;
  return next == PartOfSpeech::adjective || next == PartOfSpeech::verb || next == PartOfSpeech::noun ||
         next == PartOfSpeech::determiner || next == PartOfSpeech::possessive || next == PartOfSpeech::number ||
         next == PartOfSpeech::pronoun || next == PartOfSpeech::name;
}

// A verb and the particle after it that the core lexicon knows as a phrasal verb ("turn off")
// become one token.
std::vector<Token> joinPhrasalVerbs(const lexicon::CoreLexicon& core, std::vector<Token> toks) {
  std::vector<Token> out;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token t = std::move(toks[i]);
    // "come in May": the preposition says when, and makes no phrasal verb
    // "ran out into the street": the particle says where, the verb keeps its own sense
    // ("kiszaladt az utcára", not "kifogyott")
    static constexpr std::pair<std::string_view, std::string_view> kDirections[] = {
        {"out", "ki"}, {"in", "be"}, {"up", "fel"}, {"down", "le"}, {"back", "vissza"}, {"away", "el"}};
    if (t.tag == PartOfSpeech::verb && i + 2 < toks.size() &&
        (toks[i + 2].lower == "into" || toks[i + 2].lower == "onto" || toks[i + 2].lower == "through" ||
         toks[i + 2].lower == "across" || toks[i + 2].lower == "towards"))
      for (const auto& [particle, prefix] : kDirections)
        if (toks[i + 1].lower == particle) {
          t.prefix = std::string(prefix);
          t.words = toks[i + 1].word + toks[i + 1].words - t.word;
          ++i;
          break;
        }
    // "threw it into the fire", "put the keys into the drawer": what one puts or sends into a
    // place goes in, the verb's prefix ("bedobta a tűzbe", "tegye be a fiókba")
    static constexpr std::string_view kPuttingIn[] = {"throw", "put", "send", "bring", "carry", "take", "kick"};
    if (t.prefix.empty() && t.tag == PartOfSpeech::verb && listed(kPuttingIn, t.lemma) && t.words == 1) {
      std::size_t k = i + 1;
      if (k < toks.size() && toks[k].tag == PartOfSpeech::pronoun && !subjectPronoun(toks[k])) {
        ++k;
      } else {
        while (k < toks.size() && (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
                                   toks[k].tag == PartOfSpeech::adjective || toks[k].tag == PartOfSpeech::number))
          ++k;
        const std::size_t nouns = k;
        while (k < toks.size() && toks[k].tag == PartOfSpeech::noun) ++k;
        if (k == nouns) k = i + 1;
      }
      if (k > i + 1 && k < toks.size() && toks[k].lower == "into") t.prefix = "be";
    }
    // "the sun went down", "ran away from home": a particle of direction after a verb of moving,
    // where no phrasal verb of the lexicon has it, is the verb's prefix ("lement", "elfutott"),
    // two words or three ("came up with an idea": "előállt egy ötlettel")
    static constexpr std::string_view kMoving[] = {"go",    "come", "run",   "walk", "fall", "climb", "jump",
                                                   "hurry", "rush", "drive", "fly",  "swim", "move",  "step"};
    if (t.prefix.empty() && t.tag == PartOfSpeech::verb && i + 1 < toks.size() && listed(kMoving, t.lemma) &&
        !core.find(t.lemma + " " + toks[i + 1].lower, PartOfSpeech::verb) &&
        !(i + 2 < toks.size() &&
          core.find(t.lemma + " " + toks[i + 1].lower + " " + toks[i + 2].lower, PartOfSpeech::verb)) &&
        (i + 2 == toks.size() || toks[i + 1].pauseAfter || toks[i + 2].tag == PartOfSpeech::preposition ||
         toks[i + 2].tag == PartOfSpeech::conjunction))
      for (const auto& [particle, prefix] : kDirections)
        if (toks[i + 1].lower == particle && toks[i + 1].lower != "in") {
          t.prefix = std::string(prefix);
          t.words = toks[i + 1].word + toks[i + 1].words - t.word;
          ++i;
          break;
        }
    // "went outside", "looked inside": going or looking out or in, the verb's prefix ("kiment",
    // "benézett"); "played outside" stays where it happened ("kint")
    static constexpr std::string_view kGoingOrLooking[] = {"go",   "come", "run",  "walk",   "step", "hurry",
                                                           "rush", "look", "peer", "glance", "move", "get"};
    // "ran out of the room", "jumped out of the box": going out of a place is the prefix and the
    // place ("kiszaladt a szobából", "kiugrott a dobozból"), where "ran out of milk" is
    // "kifogyott" and "made out of wood" no going (looking or getting out has its phrasal verb:
    // "kinézett az ablakon", "kiszállt az autóból")
    static constexpr std::string_view kGoingOut[] = {"go",   "come",  "run",   "walk", "step",  "hurry",
                                                     "rush", "climb", "jump",  "fly",  "drive", "fall",
                                                     "swim", "crawl", "drift", "slip", "float", "sneak"};
    if (t.tag == PartOfSpeech::verb && i + 3 < toks.size() && toks[i + 1].lower == "out" &&
        toks[i + 2].lower == "of" &&
        (toks[i + 3].tag == PartOfSpeech::determiner || toks[i + 3].tag == PartOfSpeech::possessive) &&
        listed(kGoingOut, t.lemma)) {
      t.prefix = "ki";
      t.words = toks[i + 1].word + toks[i + 1].words - t.word;
      ++i;
    }
    // "walked past the bakery": going by a place is "el" and the place "mellett" ("elsétált a
    // pékség mellett")
    if (t.tag == PartOfSpeech::verb && t.prefix.empty() && i + 2 < toks.size() && toks[i + 1].lower == "past" &&
        listed(kGoingOut, t.lemma) &&
        (toks[i + 2].tag == PartOfSpeech::determiner || toks[i + 2].tag == PartOfSpeech::possessive ||
         toks[i + 2].tag == PartOfSpeech::name || (toks[i + 2].tag == PartOfSpeech::pronoun && !subjectPronoun(toks[i + 2])))) {
      t.prefix = "el";
      toks[i + 1].tag = PartOfSpeech::preposition, toks[i + 1].entry = nullptr, toks[i + 1].lemma = "past";
      toks[i + 1].dictionarySenses.clear();
    }
    if (t.tag == PartOfSpeech::verb && i + 1 < toks.size() &&
        (toks[i + 1].lower == "outside" || toks[i + 1].lower == "inside") &&
        listed(kGoingOrLooking, t.lemma) &&
        (i + 2 == toks.size() || toks[i + 2].tag == PartOfSpeech::conjunction || toks[i + 2].lower == "and" ||
         toks[i + 2].tag == PartOfSpeech::preposition)) {
      t.prefix = toks[i + 1].lower == "outside" ? "ki" : "be";
      t.words = toks[i + 1].word + toks[i + 1].words - t.word;
      ++i;
    }
    if (const auto [doing, taken] = haveADoing(core, t, toks, i); doing) {
      // "Can I have a look?", "We had a rest", "We had dinner": "have" and what one does are the
      // verb of the doing ("megnéz", "pihen", "vacsorázik")
      t.tag = PartOfSpeech::verb, t.lemma = "have", t.entry = doing;
      t.form = t.lower == "had" ? VerbForm::past : t.lower == "has" ? VerbForm::third
               : t.lower == "having" ? VerbForm::ing : VerbForm::base;
      t.words = toks[i + taken].word + toks[i + taken].words - t.word;
      t.pauseAfter = toks[i + taken].pauseAfter;
      i += taken;
    }
    // ("holds up to 50 people": "up to" a number is no particle of the verb)
    if (t.prefix.empty() && t.tag == PartOfSpeech::verb && i + 1 < toks.size() &&
        !timeStartsAt(core, toks, i + 2) && toks[i + 1].lemma != "up to") {
      // the longest the lexicon knows: "put up with" ("eltűr") before "put up" ("feltesz"); four
      // words: "went to the polls" ("az urnákhoz járultak"), three: "went to bed" ("lefeküdt")
      const lexicon::Entry* phrasal = nullptr;
      std::size_t last = std::min(i + 3, toks.size() - 1);
      for (; last > i; --last) {
        std::string words = t.lemma;
        for (std::size_t k = i + 1; k <= last; ++k) words += " " + toks[k].lower;
        if ((phrasal = core.find(words, PartOfSpeech::verb))) break;
      }
      // ("Let the tea stand for five minutes": "for" and a duration say how long, no "stand for")
      if (phrasal && last == i + 1 && toks[last].lower == "for" && last + 2 < toks.size() &&
          (toks[last + 1].tag == PartOfSpeech::number || toks[last + 1].lower == "a" ||
           toks[last + 1].lower == "an" || toks[last + 1].lower == "several" || toks[last + 1].lower == "a few") &&
          toks[last + 2].tag == PartOfSpeech::noun && unitOfTime(toks[last + 2].lemma))
        phrasal = nullptr;
      if (phrasal && last == i + 1 && makingItSomething(*phrasal, toks, last)) phrasal = nullptr;
      if (phrasal && last == i + 1 && placeAfterIntransitiveParticle(*phrasal, toks, last)) phrasal = nullptr;
      if (phrasal && last == i + 1 && placeAfterPassive(out, t, toks, i)) phrasal = nullptr;
      if (phrasal) {
        t.entry = phrasal;
        t.words = toks[last].word + toks[last].words - t.word;
        t.pauseAfter = toks[last].pauseAfter;  // "When she woke up, the house ...": no object
        i = last;
      } else if (const std::size_t j = particleAfterObject(toks, i); j != 0) {
        // "Turn the oven on", "Put your coat on": the particle after a short object
        if (const lexicon::Entry* split = core.find(t.lemma + " " + toks[j].lower, PartOfSpeech::verb)) {
          t.entry = split;
          toks[j].tag = PartOfSpeech::particle, toks[j].entry = nullptr;
          if (toks[i + 1].lower == "her" && j == i + 2) toks[i + 1].tag = PartOfSpeech::pronoun;
        }
      }
    }
    out.push_back(std::move(t));
  }
  return out;
}

// A noun that names a unit of time and says when with a case of its own ("week": "héten").
bool isTimeNoun(const Token& t) {
  if (t.tag != PartOfSpeech::noun || t.possessor) return false;
  const lexicon::Entry* e = t.entry;
  return e && e->pos == PartOfSpeech::noun && !e->senses.empty() && !e->senses.front().note("time").empty();
}
bool isDayPart(std::string_view lemma) {
  return lemma == "morning" || lemma == "afternoon" || lemma == "evening" || lemma == "night";
}

// Times said without a preposition become one token: "last spring", "this morning", "next
// week", "every summer", "yesterday evening", "the next day", "(on) Tuesday evening", with
// "early" or "late" before them ("early this morning").
std::vector<Token> joinTimePhrases(const lexicon::CoreLexicon& core, std::vector<Token> toks) {
  using Deixis = TimePhrase::Deixis;
  for (Token& t : toks)
    if (t.tag == PartOfSpeech::noun && !t.entry) t.entry = core.find(t.lemma, PartOfSpeech::noun);
  // a time of every such unit, from the first token of its words ("naponta", "hetente kétszer")
  auto perUnit = [](const Token& first, const Token& unit) {
    Token t = first;
    t.tag = PartOfSpeech::adverb;
    t.entry = nullptr;
    t.time = TimePhrase{};
    t.time->deixis = Deixis::perUnit;
    t.time->unit = unit.entry;
    return t;
  };
  std::vector<Token> out;
  for (std::size_t i = 0; i < toks.size(); ++i) {
    // "50,000 passengers a day", "eight hours a week", "£10 a month": an amount per unit of
    // time, "naponta", said as a time of its own
    if ((toks[i].lower == "a" || toks[i].lower == "an" || toks[i].lower == "per") && i + 1 < toks.size() &&
        !out.empty() && !out.back().pauseAfter &&
        ((out.back().tag == PartOfSpeech::noun && out.back().plural && !out.back().time) ||
         out.back().tag == PartOfSpeech::number) &&
        isTimeNoun(toks[i + 1]) && !toks[i + 1].plural && toks[i + 1].entry &&
        (toks[i + 1].lemma == "day" || toks[i + 1].lemma == "week" || toks[i + 1].lemma == "month" ||
         toks[i + 1].lemma == "year") &&
        (i + 2 == toks.size() || toks[i + 1].pauseAfter || toks[i + 2].tag == PartOfSpeech::conjunction ||
         toks[i + 2].tag == PartOfSpeech::verb || toks[i + 2].tag == PartOfSpeech::auxiliary ||
         toks[i + 2].tag == PartOfSpeech::modal ||
         (toks[i + 2].tag == PartOfSpeech::preposition && toks[i + 2].lower != "of" && toks[i + 2].lower != "off"))) {
      Token t = perUnit(toks[i], toks[i + 1]);
      t.lower = t.lemma = toks[i].lower + " " + toks[i + 1].lower;
      t.words = toks[i + 1].word + toks[i + 1].words - t.word;
      t.pauseAfter = toks[i + 1].pauseAfter;
      out.push_back(std::move(t));
      ++i;
      continue;
    }
    // "twice a day", "three times a week": how often, "naponta kétszer"
    if (const int times = toks[i].lower == "once"    ? 1
                          : toks[i].lower == "twice" ? 2
                          : i + 1 < toks.size() && toks[i + 1].lemma == "time" && toks[i + 1].plural &&
                                  toks[i].value > 2 && toks[i].value <= 10
                              ? int(toks[i].value)
                              : 0) {
      const std::size_t per = i + (times > 2 ? 2 : 1);
      if (per + 1 < toks.size() &&
          (toks[per].lower == "a" || toks[per].lower == "per" || toks[per].lower == "an") &&
          isTimeNoun(toks[per + 1]) && !toks[per + 1].plural) {
        Token t = perUnit(toks[i], toks[per + 1]);
        t.time->times = times;
        // ("at least once a year": how often at least, "évente legalább egyszer", as one time)
        if (!out.empty() && out.back().lemma == "at least") {
          t.time->atLeast = true;
          t.word = out.back().word;
          t.lower = "at least " + t.lower;
          out.pop_back();
        }
        t.words = toks[per + 1].word + toks[per + 1].words - t.word;
        for (std::size_t m = i + 1; m <= per + 1; ++m) t.lower += " " + toks[m].lower;
        t.lemma = t.lower;
        out.push_back(std::move(t));
        i = per + 1;
        continue;
      }
    }
    // "every two weeks", "every six months", "every four hours", "every fifteen minutes":
    // "kéthetente", "hathavonta", "négyóránként", "tizenöt percenként"
    if (toks[i].lower == "every" && i + 2 < toks.size() && toks[i + 1].tag == PartOfSpeech::number &&
        toks[i + 1].value >= 2 && toks[i + 1].value <= 100 && toks[i + 2].tag == PartOfSpeech::noun &&
        toks[i + 2].entry && toks[i + 2].plural &&
        (toks[i + 2].lemma == "minute" || toks[i + 2].lemma == "hour" || toks[i + 2].lemma == "day" ||
         toks[i + 2].lemma == "week" || toks[i + 2].lemma == "month" || toks[i + 2].lemma == "year")) {
      Token t = toks[i];
      t.tag = PartOfSpeech::adverb;
      t.entry = nullptr;
      t.time = TimePhrase{};
      t.time->deixis = Deixis::everyN;
      t.time->unit = toks[i + 2].entry;
      t.time->times = int(toks[i + 1].value);
      t.words = toks[i + 2].word + toks[i + 2].words - t.word;
      t.lower = t.lemma = "every " + toks[i + 1].lower + " " + toks[i + 2].lower;
      out.push_back(std::move(t));
      i += 2;
      continue;
    }
    std::size_t k = i;
    TimePhrase time;
    if (toks[k].lower == "early" || toks[k].lower == "late") {
      (toks[k].lower == "early" ? time.early : time.late) = true;
      ++k;
    }
    if (k + 1 < toks.size() && toks[k].lower == "on" && isDayName(toks[k + 1].lemma))
      ++k;  // "on Tuesday evening"
    std::optional<Deixis> deixis;
    const std::string_view w = k < toks.size() ? std::string_view(toks[k].lower) : std::string_view();
    // (the tokens before i are in `out` already)
    const bool afterThe = k == i ? !out.empty() && out.back().lower == "the" : toks[k - 1].lower == "the";
    if (w == "this" || w == "tonight")
      deixis = Deixis::thisOne;
    // ("That night, the children ...": opening the sentence or after a comma; "remember that
    // day" is an object)
    else if (w == "that" && k == i && (out.empty() || out.back().pauseAfter))
      deixis = Deixis::that;
    else if ((w == "last" || w == "next" || w == "every") && !afterThe)
      deixis = w == "last" ? Deixis::last : w == "next" ? Deixis::next : Deixis::every;
    else if (w == "all" && !afterThe)
      deixis = Deixis::whole;
    else if ((w == "next" || w == "following") && afterThe && k == i && !out.empty())
      deixis = Deixis::following;
    else if (w == "yesterday" || w == "today" || w == "tomorrow")
      deixis = w == "yesterday" ? Deixis::yesterday : w == "today" ? Deixis::today : Deixis::tomorrow;
    else if (k < toks.size() && isDayName(toks[k].lemma) && isTimeNoun(toks[k]))
      deixis = Deixis::day;
    // "This winter was cold": a time before its verb is the subject
    const bool subject = k + 2 < toks.size() && i == 0 &&
                         (toks[k + 2].tag == PartOfSpeech::auxiliary ||
                          toks[k + 2].tag == PartOfSpeech::modal || toks[k + 2].tag == PartOfSpeech::verb);
    if (!deixis || subject || k + 1 >= toks.size() || !isTimeNoun(toks[k + 1]) || toks[k + 1].plural) {
      out.push_back(std::move(toks[i]));
      continue;
    }
    // "every Monday morning": "minden hétfő reggel", the day and its part
    const bool everyDayPart = *deixis == Deixis::every && isDayName(toks[k + 1].lemma) &&
                              k + 2 < toks.size() && isDayPart(toks[k + 2].lemma) &&
                              isTimeNoun(toks[k + 2]) && !toks[k + 2].plural;
    const std::size_t last = everyDayPart ? k + 2 : k + 1;
    const Token& unit = toks[last];
    const bool anyUnit = *deixis == Deixis::thisOne || *deixis == Deixis::that || *deixis == Deixis::last ||
                         *deixis == Deixis::next ||
                         *deixis == Deixis::every || *deixis == Deixis::following || *deixis == Deixis::whole;
    if (!anyUnit && !isDayPart(unit.lemma)) {
      out.push_back(std::move(toks[i]));
      continue;
    }
    time.deixis = *deixis;
    time.unit = unit.entry;
    if (*deixis == Deixis::day) time.day = toks[k].entry;
    if (everyDayPart) time.day = toks[k + 1].entry;
    Token t = toks[i];
    std::string words;
    for (std::size_t m = i; m <= last; ++m) words += (m > i ? " " : "") + toks[m].lower;
    if (*deixis == Deixis::following) {  // "the next day": "the" too
      t = std::move(out.back());
      out.pop_back();
      words = "the " + words;
    }
    t.tag = PartOfSpeech::adverb;
    t.entry = nullptr;
    t.time = time;
    t.words = unit.word + unit.words - t.word;
    t.lower = t.lemma = words;
    out.push_back(std::move(t));
    i = last;
  }
  return out;
}

// The noun right before a verb and its auxiliaries and adverbs ("the talks have finally broken
// down"), the head of its subject; nothing past a comma or another word.
const Token* subjectNounBefore(const std::vector<Token>& toks, std::size_t verb) {
  std::size_t k = verb;
  while (k > 0 && (toks[k - 1].tag == PartOfSpeech::auxiliary || toks[k - 1].tag == PartOfSpeech::modal ||
                   toks[k - 1].tag == PartOfSpeech::adverb || toks[k - 1].tag == PartOfSpeech::negation) &&
         !toks[k - 1].pauseAfter)
    --k;
  // an infinitive's subject: the object before "to" ("leave the dough to rise"), else that of
  // the verb before it ("the engine started to smoke")
  if (k >= 2 && toks[k - 1].lower == "to" && toks[k - 1].tag != PartOfSpeech::preposition && !toks[k - 2].pauseAfter) {
    if (toks[k - 2].tag == PartOfSpeech::noun) return &toks[k - 2];
    if (toks[k - 2].tag == PartOfSpeech::verb) return subjectNounBefore(toks, k - 2);
  }
  // an "-ing" after a verb of going on or stopping: that verb's subject ("the app keeps
  // crashing", "the engine started making a noise")
  static constexpr std::string_view kGoingOn[] = {"keep", "start", "stop", "begin", "continue", "finish"};
  if (k >= 1 && toks[verb].form == VerbForm::ing && toks[k - 1].tag == PartOfSpeech::verb &&
      listed(kGoingOn, toks[k - 1].lemma) && !toks[k - 1].pauseAfter)
    return subjectNounBefore(toks, k - 1);
  // a verb after "and" with no subject of its own shares that of the verb or state before it
  // ("Your bicycle is ready and can be collected": the bicycle's)
  if (k >= 2 && toks[k - 1].lower == "and" && !toks[k - 2].pauseAfter && !toks[k - 1].pauseAfter &&
      (toks[k - 2].tag == PartOfSpeech::adjective || toks[k - 2].tag == PartOfSpeech::verb))
    return subjectNounBefore(toks, k - 2);
  if (k == 0 || toks[k - 1].tag != PartOfSpeech::noun || toks[k - 1].pauseAfter) return nullptr;
  // the head before the subject's prepositional phrases ("the talks between the unions and the
  // employers broke down": the talks)
  std::size_t head = k - 1;
  for (int phrases = 0; phrases < 2; ++phrases) {
    std::size_t b = head;
    while (b > 0 && !toks[b - 1].pauseAfter &&
           (toks[b - 1].tag == PartOfSpeech::determiner || toks[b - 1].tag == PartOfSpeech::adjective ||
            toks[b - 1].tag == PartOfSpeech::noun || toks[b - 1].tag == PartOfSpeech::possessive ||
            toks[b - 1].tag == PartOfSpeech::number || toks[b - 1].lower == "and"))
      --b;
    // (a span before "after" or "before" counts to a clause of its own: "two days after the
    // scandal broke" is the scandal's)
    static constexpr std::string_view kOpening[] = {"after", "before", "since", "until", "till"};
    if (b < 2 || toks[b - 1].tag != PartOfSpeech::preposition || toks[b - 2].tag != PartOfSpeech::noun ||
        toks[b - 2].pauseAfter || listed(kOpening, toks[b - 1].lower))
      break;
    head = b - 2;
  }
  return &toks[head];
}


// "it", "this", "that" at k standing alone for a thing: no noun or clause after it.
bool thingPronounAlone(const std::vector<Token>& toks, std::size_t k) {
  const std::string& w = toks[k].lower;
  if (w != "it" && w != "this" && w != "that") return false;
  return k + 1 == toks.size() || toks[k].pauseAfter ||
         (toks[k + 1].tag != PartOfSpeech::noun && toks[k + 1].tag != PartOfSpeech::adjective &&
          toks[k + 1].tag != PartOfSpeech::pronoun && toks[k + 1].tag != PartOfSpeech::verb &&
          toks[k + 1].tag != PartOfSpeech::auxiliary && toks[k + 1].tag != PartOfSpeech::modal);
}

// "I can't believe you're getting married": disbelief takes in what is said, "El sem hiszem,
// hogy"; the clause after "can't believe" asks for that sense of the verb.
void disbelief(std::vector<Token>& toks) {
  for (std::size_t i = 2; i < toks.size(); ++i)
    if (toks[i].tag == PartOfSpeech::verb && toks[i].lemma == "believe" && toks[i].neighbour.empty() &&
        toks[i - 1].tag == PartOfSpeech::negation && toks[i - 2].lower == "can" &&
        (i + 1 == toks.size() || toks[i + 1].lower == "that" ||
         (subjectPronoun(toks[i + 1]) && i + 2 < toks.size() &&
          (toks[i + 2].tag == PartOfSpeech::verb || toks[i + 2].tag == PartOfSpeech::auxiliary))))
      toks[i].neighbour = "that";
}

// The head of the last noun phrase joined by "and" or "or" to the one whose head is at `head`
// ("windows and the curtains"), or `head` itself.
std::size_t lastJoinedHead(const std::vector<Token>& toks, std::size_t head) {
  while (head + 2 < toks.size() && toks[head].tag == PartOfSpeech::noun && !toks[head].pauseAfter &&
         (toks[head + 1].lower == "and" || toks[head + 1].lower == "or")) {
    std::size_t k = head + 2;
    while (k < toks.size() && (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
                               toks[k].tag == PartOfSpeech::adjective))
      ++k;
    if (k >= toks.size() || toks[k].tag != PartOfSpeech::noun) break;
    head = k;
  }
  return head;
}

// "Have your ticket ready", "Please have your passport ready": told to have a thing ready is
// told to keep it at hand, "Tartsa készenlétben a jegyét" (the lexicon's "at the ready").
void thingsHadReady(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const std::size_t have = !toks.empty() && toks[0].lower == "please" ? 1 : 0;
  if (have + 2 >= toks.size() || toks[have].lower != "have" || toks[have].pauseAfter) return;
  std::size_t k = have + 1;
  if (toks[k].tag != PartOfSpeech::determiner && toks[k].tag != PartOfSpeech::possessive) return;
  while (k + 1 < toks.size() && toks[k].tag != PartOfSpeech::noun && !toks[k].pauseAfter) ++k;
  while (k + 1 < toks.size() && toks[k + 1].tag == PartOfSpeech::noun && !toks[k].pauseAfter) ++k;
  k = lastJoinedHead(toks, k);
  if (toks[k].tag != PartOfSpeech::noun || toks[k].pauseAfter || k + 1 >= toks.size() || toks[k + 1].lower != "ready")
    return;
  const lexicon::Entry* keep = core.find("keep", PartOfSpeech::verb);
  const lexicon::Entry* atHand = core.find("at the ready", PartOfSpeech::adverb);
  if (!keep || !atHand) return;
  Token& verb = toks[have];
  verb.tag = PartOfSpeech::verb, verb.form = VerbForm::base, verb.lemma = "keep", verb.entry = keep;
  verb.dictionarySenses.clear();
  Token& ready = toks[k + 1];
  ready.tag = PartOfSpeech::adverb, ready.lemma = ready.lower = "at the ready", ready.entry = atHand;
}

// An adjective before a noun that names a person is said of a person: "old man", "old women";
// a verb whose object is a person takes its sense for people: "know her": "ismeri".
void markAdjectivesOfPeople(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i < toks.size(); ++i) {
    // "The keys were left on the table": where a thing was left, its passive too ("az asztalon
    // hagyták", not "elhagyták")
    static constexpr std::string_view kWhereLeft[] = {"at", "on", "with", "behind", "in"};
    if (toks[i].tag == PartOfSpeech::verb && toks[i].lemma == "leave" && toks[i].form == VerbForm::participle &&
        i > 0 && toks[i - 1].tag == PartOfSpeech::auxiliary && i + 2 < toks.size() &&
        listed(kWhereLeft, toks[i + 1].lower) &&
        (toks[i + 2].lower == "the" || toks[i + 2].tag == PartOfSpeech::possessive))
      toks[i].leavesInState = true;
    if (toks[i].tag == PartOfSpeech::verb) {
      if (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::preposition && !toks[i].pauseAfter)
        toks[i].prepositionAfter = toks[i + 1].lower;
      std::size_t k = i + 1;
      // ("knew that his mother ...": "that" before another determiner opens a clause, no object)
      const bool clauseFollows = k + 1 < toks.size() && toks[k].lower == "that" &&
                                 (toks[k + 1].tag == PartOfSpeech::determiner ||
                                  toks[k + 1].tag == PartOfSpeech::possessive || subjectPronoun(toks[k + 1]));
      // "swore that he had been there", "found that the door was open", "I swear I didn't": a
      // clause said or learnt asks for the verb's sense of it, where one names "that"
      // ("esküdözött", "megállapította")
      const bool clauseSaid =
          clauseFollows || (k + 1 < toks.size() && subjectPronoun(toks[k]) && !toks[i].pauseAfter &&
                            (toks[k + 1].tag == PartOfSpeech::verb || toks[k + 1].tag == PartOfSpeech::auxiliary ||
                             toks[k + 1].tag == PartOfSpeech::modal));
      if (clauseSaid && toks[i].neighbour.empty() && toks[i].entry &&
          std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(), [](const lexicon::Sense& s) {
            const std::string_view when = s.note("when");
            return when == "that" || when.starts_with("that/") || when.ends_with("/that") ||
                   when.find("/that/") != when.npos;
          }))
        toks[i].neighbour = "that";
      // "tell me where it is", "told us why": a question after the one told asks for the verb's
      // sense of it, where one names "wh" ("mondja meg, hol van")
      {
        // ("asked him if he was coming", "Ask your doctor whether ...": "if" after the one asked
        // asks too, "megkérdezte tőle, hogy jön-e")
        std::size_t q = k;
        if (q < toks.size() && listed(kObjectPronouns, toks[q].lower)) {
          ++q;
        } else if (q + 1 < toks.size() && (toks[q].tag == PartOfSpeech::possessive || toks[q].lower == "the")) {
          ++q;
          while (q < toks.size() && toks[q].tag == PartOfSpeech::noun && !toks[q].pauseAfter) ++q;
        }
        if (toks[i].neighbour.empty() && toks[i].entry && q < toks.size() && !toks[i].pauseAfter &&
            (toks[q].tag == PartOfSpeech::question || toks[q].lower == "whether" ||
             (toks[q].lower == "if" && q > k)) &&
            std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(),
                        [](const lexicon::Sense& s) { return listsWord(s.note("when"), "wh"); }))
          toks[i].neighbour = "wh";
      }
      // ("listen to me", "listens to her mother": after the preposition a sense for people takes,
      // the one named may be a person so too, "rám hallgat")
      if (!clauseFollows && k + 1 < toks.size() && toks[k].tag == PartOfSpeech::preposition && toks[i].entry &&
          std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(),
                      [&](const lexicon::Sense& s) { return s.person && !s.note(toks[k].lower).empty(); })) {
        std::size_t one = k + 1;
        while (one < toks.size() && (toks[one].tag == PartOfSpeech::determiner ||
                                     toks[one].tag == PartOfSpeech::possessive || toks[one].tag == PartOfSpeech::adjective))
          ++one;
        if (one < toks.size() && (namesPerson(toks[one]) || toks[one].tag == PartOfSpeech::name)) toks[i].ofPerson = true;
      }
      while (k < toks.size() && !clauseFollows &&
             (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
              toks[k].tag == PartOfSpeech::adjective))
        ++k;
      // (a name is a person or a place one knows as one knows people: "ismeri Markot"; not the
      // subject of a clause known, "I didn't know you could swim": "Nem tudtam")
      if (!clauseFollows && !clauseSaid && !toks[i].pauseAfter && k < toks.size() && (namesPerson(toks[k]) || toks[k].tag == PartOfSpeech::name))
        toks[i].ofPerson = true;
      // the object's noun, past a number and to the compound's head: "take one tablet" (and
      // past a quantity: "spend less time")
      if (!clauseFollows && k + 1 < toks.size() && (toks[k].lower == "less" || toks[k].lower == "more") &&
          toks[k + 1].tag == PartOfSpeech::noun)
        ++k;
      std::size_t on = k;
      // "ask you a question", "give her a call": past the one it is for, to the thing itself
      if (!clauseFollows && on + 1 < toks.size() && toks[on].tag == PartOfSpeech::pronoun &&
          listed(kObjectPronouns, toks[on].lower) &&
          (toks[on + 1].tag == PartOfSpeech::determiner || toks[on + 1].tag == PartOfSpeech::number)) {
        on += 2;
        // ("owe you ten pounds": the one it is for is no object of a person, the thing is, "tíz
        // fonttal tartozom neked")
        toks[i].ofPerson = on < toks.size() && namesPerson(toks[on]);
      }
      while (on < toks.size() && toks[on].tag == PartOfSpeech::adjective) ++on;
      // (past a count's bound: "contain at least eight characters")
      static constexpr std::string_view kBounds[] = {"at least", "at most", "about", "almost", "nearly", "up to"};
      if (!clauseFollows && on + 1 < toks.size() && toks[on].tag == PartOfSpeech::adverb &&
          listed(kBounds, toks[on].lemma) && toks[on + 1].tag == PartOfSpeech::number)
        ++on;
      if (!clauseFollows && on < toks.size() && toks[on].tag == PartOfSpeech::number) {
        ++on;
        // (a count of an owned whole, its "of" dropped: "close twelve of its branches" closes
        // branches, "bezárja tizenkét fiókját")
        if (on + 1 < toks.size() && toks[on].tag == PartOfSpeech::possessive) ++on;
      }
      while (on < toks.size() && toks[on].tag == PartOfSpeech::adjective) ++on;
      // (a name before its noun too: "press the Enter key")
      while (on + 1 < toks.size() && (toks[on].tag == PartOfSpeech::noun || toks[on].tag == PartOfSpeech::name) &&
             toks[on + 1].tag == PartOfSpeech::noun)
        ++on;
      // ("spent most of the day", "the rest of the evening": a part is of the whole after "of",
      // which asks for the sense, "töltötte a nap nagy részét")
      static constexpr std::string_view kParts[] = {"part", "half", "rest", "most"};
      if (!clauseFollows && on + 2 < toks.size() && toks[on].tag == PartOfSpeech::noun &&
          listed(kParts, toks[on].lemma) && toks[on + 1].lower == "of") {
        std::size_t whole = on + 2;
        while (whole < toks.size() && (toks[whole].tag == PartOfSpeech::determiner ||
                                       toks[whole].tag == PartOfSpeech::possessive ||
                                       toks[whole].tag == PartOfSpeech::adjective))
          ++whole;
        // (only where a sense asks for the whole: "make up half of the members" keeps "half")
        auto asksFor = [&](const std::string& w) {
          if (!toks[i].entry) return false;
          for (const lexicon::Sense& sense : toks[i].entry->senses)
            if (listsWord(sense.note("when"), w)) return true;
          return false;
        };
        if (whole < toks.size() && toks[whole].tag == PartOfSpeech::noun && asksFor(toks[whole].lemma) &&
            !asksFor(toks[on].lemma))
          on = whole;
      }
      // ... and the object's the verb: "won the cup" ("kupa"), "cut jobs" ("megszüntet")
      // ("When the scandal broke, the minister resigned": past a comma another clause begins)
      if (!clauseFollows && !toks[i].pauseAfter && on < toks.size() && toks[on].tag == PartOfSpeech::noun)
        toks[i].neighbour = toks[on].lemma, toks[on].neighbour = toks[i].lemma;
      // "believe it", "forget that": a lone pronoun of a thing asks for the sense of a thing
      else if (!clauseFollows && i + 1 < toks.size() && thingPronounAlone(toks, i + 1)) {
        toks[i].neighbour = toks[i + 1].lower;
        // ("If you forget a dose, take it": "it" stands for a noun before it that asks for a
        // sense of the verb, "vegye be"; the nearest such noun of the sentence)
        if (toks[i + 1].lower == "it" && toks[i].entry)
          for (std::size_t k = i; k-- > 0;)
            if (toks[k].tag == PartOfSpeech::noun && !toks[k].plural && !toks[k].possessor &&
                std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(), [&](const lexicon::Sense& sense) {
                  for (std::string_view when = sense.note("when"); !when.empty();) {
                    const std::size_t bar = when.find('/');
                    if (when.substr(0, bar) == toks[k].lemma) return !sense.noObject;
                    when = bar == std::string_view::npos ? std::string_view() : when.substr(bar + 1);
                  }
                  return false;
                })) {
              toks[i].neighbour = toks[k].lemma;
              break;
            }
      }
      // "spent every summer there": a time right after the verb asks for its sense too ("tölt")
      else if (i + 1 < toks.size() && toks[i + 1].time && toks[i + 1].time->unit)
        toks[i].neighbour = toks[i + 1].time->unit->lemma;
      // "left the door open", "keep him warm": the state the object is left in follows it, after
      // all the things so kept ("Keep windows and curtains closed")
      const std::size_t held = lastJoinedHead(toks, on);
      if ((toks[i].lemma == "leave" || toks[i].lemma == "keep") && !clauseFollows && held < toks.size() &&
          (toks[held].tag == PartOfSpeech::noun || toks[held].tag == PartOfSpeech::pronoun) && held + 1 < toks.size() &&
          !toks[held].pauseAfter) {
        // "keep it a secret": kept as a secret is kept secretly, "titokban tartja" (one token,
        // the lexicon's "in secret")
        if (toks[i].lemma == "keep" && held + 2 < toks.size() && toks[held + 1].lower == "a" &&
            toks[held + 2].lower == "secret" && !toks[held + 1].pauseAfter)
          if (const lexicon::Entry* secretly = core.find("in secret", PartOfSpeech::adverb)) {
            Token& kept = toks[held + 1];
            kept.tag = PartOfSpeech::adverb, kept.lemma = "in secret", kept.entry = secretly;
            kept.words = toks[held + 2].word + toks[held + 2].words - kept.word;
            kept.pauseAfter = toks[held + 2].pauseAfter;
            toks.erase(toks.begin() + std::ptrdiff_t(held) + 2);
            kept.lower = "in secret";
          }
        Token& state = toks[held + 1];
        // ("keeps me awake": a verb's base there that the lexicon has as an adjective is the state)
        if (state.tag == PartOfSpeech::verb && state.form == VerbForm::base)
          if (const lexicon::Entry* adjective = core.find(state.lower, PartOfSpeech::adjective))
            state.tag = PartOfSpeech::adjective, state.lemma = state.lower, state.entry = adjective;
        const bool participle = state.tag == PartOfSpeech::verb &&
                                (state.form == VerbForm::participle || state.form == VerbForm::past);
        const Token* after = held + 2 < toks.size() ? &toks[held + 2] : nullptr;
        // (one leaves a room or a party angry or alone: a place one goes to is left, no state;
        // only people are left alone)
        const lexicon::Sense* object =
            toks[held].entry && !toks[held].entry->senses.empty() ? &toks[held].entry->senses.front() : nullptr;
        const bool place = toks[i].lemma == "leave" && toks[held].tag == PartOfSpeech::noun && object &&
                           (!object->note("to").empty() || !object->note("at").empty());
        const bool alone = state.lower == "alone" && (toks[held].tag == PartOfSpeech::pronoun || namesPerson(toks[held]));
        // "left her keys held the train", "leave your key at reception": where a thing is left,
        // "a vonaton hagyta" (not at a time: "left the party at midnight")
        static constexpr std::string_view kWhere[] = {"at", "on", "with", "behind"};
        const Token* where = held + 2 < toks.size() ? &toks[held + 2] : nullptr;
        // ("left the keys in the car": in a place with its article, not "in a hurry", "in 2010")
        const bool inPlace = state.lower == "in" && where &&
                             (where->lower == "the" || where->tag == PartOfSpeech::possessive);
        if (toks[i].lemma == "leave" && !place && (listed(kWhere, state.lower) || inPlace) && where &&
            where->tag != PartOfSpeech::number && !where->time && !isTimeNoun(*where) &&
            !(held + 3 < toks.size() && isTimeNoun(toks[held + 3])))
          toks[i].leavesInState = true;
        // ("leave the dog at home", "left it there": "otthon hagyta", "ott hagyta")
        static constexpr std::string_view kHere[] = {"at home", "home", "here", "there", "behind"};
        if (toks[i].lemma == "leave" && !place && listed(kHere, state.lower)) toks[i].leavesInState = true;
        if (!place && (state.tag == PartOfSpeech::adjective || participle || alone || keptStatePhrase(state)) &&
            (!after || state.pauseAfter ||
             (after->tag != PartOfSpeech::noun && after->tag != PartOfSpeech::adjective &&
              after->tag != PartOfSpeech::name)))
          toks[i].leavesInState = true;
      }
      // "return the book", "run a shop": an object follows (a time noun says when, no object)
      const Token* o = i + 1 < toks.size() ? &toks[i + 1] : nullptr;
      // ("realised that ...": a clause, not an object)
      // ("When she woke up, the house was quiet": past a comma the next clause begins)
      toks[i].hasObject =
          o && !toks[i].pauseAfter && !o->time && o->lower != "that" && !howManyTimes(toks, i + 1) &&
          (o->tag == PartOfSpeech::determiner || o->tag == PartOfSpeech::possessive ||
           o->tag == PartOfSpeech::number ||
           (o->tag == PartOfSpeech::noun &&
            !(o->entry && !o->entry->senses.empty() && !o->entry->senses.front().note("time").empty())) ||
           (o->tag == PartOfSpeech::pronoun && o->lower != "i" && o->lower != "he" && o->lower != "she" &&
            o->lower != "we" && o->lower != "they"));
      // "were stopped": a passive's subject is what was done to ("megállították")
      // ("the law was passed": "elfogadták", as "passed the law" is), and the sense for it
      // ("is not covered", "was badly damaged": past a negation or an adverb)
      const std::size_t be = i > 1 && (toks[i - 1].tag == PartOfSpeech::negation || toks[i - 1].tag == PartOfSpeech::adverb)
                                 ? i - 2
                                 : i - 1;
      // ("Is the damage covered by the warranty?": asked, the form of "be" stands before the
      // subject, and the subject's sense is chosen as well, "fedezi")
      bool askedPassive = false;
      if (toks[i].form == VerbForm::participle && i >= 3 && toks[i - 1].tag == PartOfSpeech::noun) {
        std::size_t b = i - 1;
        while (b > 0 && !toks[b - 1].pauseAfter &&
               (toks[b - 1].tag == PartOfSpeech::noun || toks[b - 1].tag == PartOfSpeech::adjective ||
                toks[b - 1].tag == PartOfSpeech::determiner || toks[b - 1].tag == PartOfSpeech::possessive))
          --b;
        askedPassive = b > 0 && formOfBe(toks[b - 1].lower) &&
                       (b == 1 || toks[b - 2].tag == PartOfSpeech::question) &&
                       (toks[b].tag == PartOfSpeech::determiner || toks[b].tag == PartOfSpeech::possessive);
      }
      const bool passive = toks[i].form == VerbForm::participle && i > 0 &&
                           (formOfBe(toks[be].lower) || toks[be].lower == "being" || askedPassive);
      if (passive) toks[i].hasObject = true;
      // ("In the corner sat an old man": after a place opening the sentence, a verb of being
      // there has its subject after it, no object)
      if (!passive && i >= 2 && toks[0].tag == PartOfSpeech::preposition && isBeingThere(toks[i].lemma) &&
          (toks[i].form == VerbForm::past || toks[i].form == VerbForm::third) &&
          std::all_of(toks.begin() + 1, toks.begin() + std::ptrdiff_t(i), [](const Token& k) {
            return !k.pauseAfter && (k.tag == PartOfSpeech::determiner || k.tag == PartOfSpeech::possessive ||
                                     k.tag == PartOfSpeech::adjective || k.tag == PartOfSpeech::noun ||
                                     k.tag == PartOfSpeech::number);
          }) &&
          toks[i - 1].tag == PartOfSpeech::noun)
        toks[i].hasObject = false;
      // "the talks broke down", "teachers walked out": a verb without an object takes the sense
      // its subject asks for ("megszakad", "sztrájkol")
      // (and before a time it says when: "the scandal broke last week" is "kitört", "the results
      // will be published on Friday" "közzéteszik", where a sense names the subject, one without
      // an object or, for a passive, one with it; "spent every summer there" keeps its time)
      // ("The train started to move": "start" before an infinitive says what its subject began,
      // no sense of the subject's own, "elkezdett mozogni"; "walked out to protest" keeps its
      // purpose)
      const bool infinitiveAfter = (toks[i].lemma == "start" || toks[i].lemma == "begin") && i + 2 < toks.size() &&
                                   toks[i + 1].tag == PartOfSpeech::infinitiveTo;
      const Token* subject =
          (passive || !toks[i].hasObject) && !infinitiveAfter ? subjectNounBefore(toks, i) : nullptr;
      const bool timeAfter = i + 1 < toks.size() && toks[i + 1].time;
      auto namesSubject = [&](const Token& s) {
        if (!toks[i].entry) return false;
        for (const lexicon::Sense& sense : toks[i].entry->senses)
          if (sense.noObject != passive)
            for (std::string_view when = sense.note("when"); !when.empty();) {
              const std::size_t bar = when.find('/');
              if (when.substr(0, bar) == s.lemma) return true;
              when = bar == std::string_view::npos ? std::string_view() : when.substr(bar + 1);
            }
        return false;
      };
      if (subject && (toks[i].neighbour.empty() || (timeAfter && namesSubject(*subject)))) {
        toks[i].neighbour = subject->lemma;
        toks[i].neighbourIsSubject = !passive;
      }
      // "The power was cut", "the case was closed": a passive's subject is what the verb is
      // done to, and takes the sense that verb asks for of its object ("áram", "ügy")
      if (passive && subject && subject->neighbour.empty())
        toks[std::size_t(subject - toks.data())].neighbour = toks[i].lemma;
      // "The party turned out well": how a verb without an object came out, the adverb after it,
      // chooses a sense too ("jól sikerült", where "kiderült" is what came to light)
      if (!passive && !toks[i].hasObject && !toks[i].pauseAfter && i + 1 < toks.size() &&
          toks[i + 1].tag == PartOfSpeech::adverb)
        toks[i].modifiers.push_back(toks[i + 1].lemma);
      continue;
    }
    // "seriously injured", "fell sharply": an adverb's sense by the verb or adjective it is said
    // of, after it or before it ("súlyosan", "meredeken")
    if (toks[i].tag == PartOfSpeech::adverb) {
      // ("best wishes to you": a set phrase's preposition after it, which may choose its sense)
      if (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::preposition && !toks[i].pauseAfter)
        toks[i].prepositionAfter = toks[i + 1].lower;
      auto said = [&](std::size_t k) {
        return k < toks.size() && (toks[k].tag == PartOfSpeech::verb || toks[k].tag == PartOfSpeech::adjective);
      };
      // (not one chosen already: "over" a number, "több mint")
      if (!toks[i].neighbour.empty()) {
      } else if (said(i + 1))
        toks[i].neighbour = toks[i + 1].lemma;
      else if (i > 0 && said(i - 1))
        toks[i].neighbour = toks[i - 1].lemma;
      else {
        // "pushed the door hard", "hit it hard": said of the verb past its short object (and
        // past "so" or "very": "slammed the door so hard")
        std::size_t b = i;
        if (b > 1 && (toks[b - 1].lower == "so" || toks[b - 1].lower == "very" || toks[b - 1].lower == "too")) --b;
        while (b > 0 && i - b < 5 &&
               (toks[b - 1].tag == PartOfSpeech::noun || toks[b - 1].tag == PartOfSpeech::adjective ||
                toks[b - 1].tag == PartOfSpeech::determiner || toks[b - 1].tag == PartOfSpeech::possessive ||
                toks[b - 1].tag == PartOfSpeech::pronoun))
          --b;
        if (b < i && b > 0 && toks[b - 1].tag == PartOfSpeech::verb) toks[i].neighbour = toks[b - 1].lemma;
      }
      continue;
    }
    // a noun's adjectives and nouns before it: "political party", "river bank"
    if (toks[i].tag == PartOfSpeech::noun)
      for (std::size_t j = i; j > 0 && (toks[j - 1].tag == PartOfSpeech::adjective ||
                                        toks[j - 1].tag == PartOfSpeech::noun);)
        toks[i].modifiers.push_back(toks[--j].lemma);
    // ... and the noun it is "of", past its article: "the end of term" is a school's ("félév"),
    // "the conductor of the train" ("kalauz")
    if (toks[i].tag == PartOfSpeech::noun) {
      std::size_t j = i;
      while (j > 0 && (toks[j - 1].tag == PartOfSpeech::determiner || toks[j - 1].tag == PartOfSpeech::adjective))
        --j;
      if (j >= 2 && toks[j - 1].lower == "of" && toks[j - 2].tag == PartOfSpeech::noun)
        toks[i].modifiers.push_back(toks[j - 2].lemma);
      // ... and the noun it is of, its owner, as "the show's director" is the show's: "the
      // director of the play" ("rendező"), "the bank of the river" ("part")
      std::size_t k = i + 2;
      // (past a count too: "a run of six defeats")
      while (i + 1 < toks.size() && toks[i + 1].lower == "of" && !toks[i].pauseAfter && k < toks.size() &&
             (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::adjective ||
              toks[k].tag == PartOfSpeech::number))
        ++k;
      if (i + 1 < toks.size() && toks[i + 1].lower == "of" && !toks[i].pauseAfter && k < toks.size() &&
          toks[k].tag == PartOfSpeech::noun) {
        while (k + 1 < toks.size() && toks[k + 1].tag == PartOfSpeech::noun) ++k;
        toks[i].modifiers.push_back(toks[k].lemma);
        // (a compound of the lexicon by its last word, the kind it is: "the position of
        // assistant librarian" is a librarian's, "állás")
        if (const std::size_t blank = toks[k].lemma.rfind(' '); blank != std::string::npos)
          toks[i].modifiers.push_back(toks[k].lemma.substr(blank + 1));
      }
    }
    if (toks[i].tag != PartOfSpeech::adjective) continue;
    if (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::noun) toks[i].neighbour = toks[i + 1].lemma;
    // "pale blue", "dark green": before another adjective, that one may choose its sense too
    // ("halvány kék", where a pale face is "sápadt")
    if (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::adjective) toks[i].modifiers.push_back(toks[i + 1].lemma);
    // "my sister is older", "She looked much older": a predicate said of a person, after "be"
    // or a verb of seeming ("idősebbnek tűnt")
    std::size_t b = i;
    // (past an adverb of degree too: "is almost dead", "was completely free", "much older")
    while (b > 0 && (toks[b - 1].lower == "very" || toks[b - 1].lower == "too" || toks[b - 1].lower == "so" ||
                     (toks[i].degree == 1 && (toks[b - 1].lower == "much" || toks[b - 1].lower == "far")) ||
                     toks[b - 1].tag == PartOfSpeech::particle || toks[b - 1].tag == PartOfSpeech::negation ||
                     (toks[b - 1].tag == PartOfSpeech::adverb && !toks[b - 1].pauseAfter && b >= 2 &&
                      (formOfBe(toks[b - 2].lower) || seemsLike(toks[b - 2])))))
      --b;
    // ("is two years older": past by how much)
    if (toks[i].degree == 1 && b >= 3 && toks[b - 1].tag == PartOfSpeech::noun && unitOfTime(toks[b - 1].lemma) &&
        (toks[b - 2].tag == PartOfSpeech::number || toks[b - 2].lower == "a" || toks[b - 2].lower == "an"))
      b -= 2;
    // (not "We had nice weather": "have" owns the noun after the adjective)
    std::size_t k = i + 1;
    while (k < toks.size() && toks[k].tag == PartOfSpeech::adjective) ++k;
    const bool nounAfter = k < toks.size() && toks[k].tag == PartOfSpeech::noun;
    // "a free repair workshop": the head of the nouns after it may choose its sense too
    // ("ingyenes" of a workshop, where "repair" names none)
    if (nounAfter) {
      std::size_t head = k;
      while (head + 1 < toks.size() && !toks[head].pauseAfter && toks[head + 1].tag == PartOfSpeech::noun) ++head;
      if (head > k) toks[i].modifiers.push_back(toks[head].lemma);
    }
    if (b >= 2 && (toks[b - 1].tag == PartOfSpeech::auxiliary || seemsLike(toks[b - 1])) &&
        namesPerson(toks[b - 2]) && !nounAfter)
      toks[i].ofPerson = true;
    // "Delivery is free", "Entry will be free": a predicate takes the sense its subject asks
    // for ("ingyenes"), past the modal and the negation before the copula
    std::size_t subject = b >= 2 ? b - 2 : 0;
    while (subject > 0 && (toks[subject].tag == PartOfSpeech::modal || toks[subject].tag == PartOfSpeech::negation))
      --subject;
    if (b >= 2 && toks[b - 1].tag == PartOfSpeech::auxiliary && formOfBe(toks[b - 1].lower) &&
        toks[subject].tag == PartOfSpeech::noun && !nounAfter && toks[i].neighbour.empty())
      toks[i].neighbour = toks[subject].lemma;
    // "It is hot today": "it" with no noun after the adjective is the weather's ("Meleg van")
    else if (b >= 2 && toks[b - 1].tag == PartOfSpeech::auxiliary && formOfBe(toks[b - 1].lower) &&
             toks[b - 2].lower == "it" && !nounAfter && toks[i].neighbour.empty())
      toks[i].neighbour = "weather";
    // "not happy with the quality": a preposition after the adjective may ask for its sense
    // ("elégedett"), where one of them names it
    if (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::preposition && toks[i].entry &&
        std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(),
                    [&](const lexicon::Sense& s) { return listsWord(s.note("when"), toks[i + 1].lower); }))
      toks[i].neighbour = toks[i + 1].lower;
    if (k < toks.size() && toks[k].tag == PartOfSpeech::noun && toks[k].entry &&
        toks[k].entry->pos == PartOfSpeech::noun && !toks[k].entry->senses.empty() &&
        toks[k].entry->senses.front().person)
      toks[i].ofPerson = true;
    // "Old Mrs Kovács": before a title and a name the adjective is said of a person ("az idős")
    if (k + 1 < toks.size() && isTitle(toks[k]) && toks[k + 1].tag == PartOfSpeech::name) toks[i].ofPerson = true;
  }
  // "the rest of the team": a noun with a sense for "of" and its owner takes it, whatever its
  // verb ("a csapat többi része", where "a rest" is "pihenés")
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].tag == PartOfSpeech::noun && toks[i + 1].lower == "of" && toks[i].entry &&
        toks[i].entry->pos == PartOfSpeech::noun &&
        std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(), [](const lexicon::Sense& s) {
          const std::string_view when = s.note("when");
          return when == "of" || when.starts_with("of/") || when.ends_with("/of") || when.find("/of/") != when.npos;
        })) {
      // ... and its verb the sense its owner asks for ("spent the rest of the evening": "töltötte")
      // (past a number and an owner of its own: "a run of six defeats", "the minutes of
      // yesterday's meeting")
      std::size_t owner = i + 2;
      while (owner < toks.size() &&
             (toks[owner].tag == PartOfSpeech::determiner || toks[owner].tag == PartOfSpeech::possessive ||
              toks[owner].tag == PartOfSpeech::adjective || toks[owner].tag == PartOfSpeech::number ||
              (owner + 1 < toks.size() && (toks[owner].possessor || toks[owner].timeOwner))))
        ++owner;
      if (owner < toks.size() && toks[owner].tag == PartOfSpeech::noun)
        for (std::size_t v = 0; v < i; ++v)
          if (toks[v].tag == PartOfSpeech::verb && toks[v].neighbour == toks[i].lemma)
            toks[v].neighbour = toks[owner].lemma;
      // ("the rest of the team": an owner a sense names takes that one, "a csapat többi tagja")
      const bool ownerNamed =
          owner < toks.size() && toks[owner].tag == PartOfSpeech::noun &&
          std::any_of(toks[i].entry->senses.begin(), toks[i].entry->senses.end(), [&](const lexicon::Sense& s) {
            const std::string_view when = s.note("when");
            for (std::size_t at = 0; at < when.size();) {
              const std::size_t end = std::min(when.find('/', at), when.size());
              if (when.substr(at, end - at) == toks[owner].lemma) return true;
              at = end + 1;
            }
            return false;
          });
      toks[i].neighbour = ownerNamed ? toks[owner].lemma : "of";
    }
  // "the part you ordered", "the item we sent": a noun the relative clause after it is done to,
  // with no word of its own for it, takes the sense that clause's verb asks for ("alkatrész")
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].tag == PartOfSpeech::noun && toks[i].neighbour.empty() && !toks[i].pauseAfter &&
        subjectPronoun(toks[i + 1]) && toks[i + 2].tag == PartOfSpeech::verb &&
        toks[i + 2].form == VerbForm::past && !toks[i + 2].hasObject)
      toks[i].neighbour = toks[i + 2].lemma;
}

// "The old fisherman sat on the bank": what a word is about may show only elsewhere in the
// sentence ("part" by fishing, a river or a lake, "bank" else). A word whose entry has a
// "near=" sense takes as its cue the first word of the sentence that sense lists. Only such
// words look around, so a sentence without them costs nothing more.
void cuesFromTheSentence(std::vector<Token>& toks) {
  for (Token& t : toks) {
    if (!t.entry) continue;
    for (const lexicon::Sense& s : t.entry->senses) {
      const std::string_view near = s.note("near");
      if (near.empty()) continue;
      // (as written, as its lemma or as the last word of a compound: "fishing", "fish", the
      // "rod" of "fishing rod")
      for (const Token& other : toks) {
        if (&other == &t) continue;
        const std::string_view last = std::string_view(other.lemma).substr(other.lemma.rfind(' ') + 1);
        for (const std::string_view w : {std::string_view(other.lower), std::string_view(other.lemma), last})
          if (listsWord(near, w)) {
            t.cue = std::string(w);
            break;
          }
        if (!t.cue.empty()) break;
      }
      if (!t.cue.empty()) break;
    }
  }
}

// A dictionary sense that explains with a placeholder ("vminek révén": "by means of sth") says
// how the word is used, not a word to write.
bool placeholderSense(std::string_view s) {
  static constexpr std::string_view kPlaceholders[] = {"vmi", "vki", "vhol", "vhova", "vhonnan", "vmely"};
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t end = std::min(s.find(' ', at), s.size());
    const std::string_view w = s.substr(at, end - at);
    for (std::string_view p : kPlaceholders)
      if (w.starts_with(p)) return true;
    at = end + 1;
  }
  return false;
}

// "bevág (ajtót)": what a dictionary sense explains in brackets is no word of the translation.
std::string withoutExplanation(std::string_view s) {
  std::string out;
  int depth = 0;
  for (const char c : s) {
    if (c == '(') ++depth;
    else if (c == ')' && depth > 0) --depth;
    else if (depth == 0) out += c;
  }
  // the spaces the brackets stood between
  std::string tidy;
  for (const char c : out)
    if (c != ' ' || (!tidy.empty() && tidy.back() != ' ')) tidy += c;
  while (!tidy.empty() && tidy.back() == ' ') tidy.pop_back();
  return tidy;
}

// A content word's senses: its core lexicon entry, else FreeDict's first short senses.
void lookUpSenses(const lexicon::CoreLexicon& core, const Dictionary& dict, Token& t) {
  const bool content = t.tag == PartOfSpeech::noun || t.tag == PartOfSpeech::verb ||
                       t.tag == PartOfSpeech::adjective || t.tag == PartOfSpeech::adverb;
  if (!t.entry && (content || t.tag == PartOfSpeech::number)) t.entry = core.find(t.lemma, t.tag);
  if (t.entry || !content || t.time) return;
  DictionaryEntry d;
  const bool found = t.tag == PartOfSpeech::verb ? (dict.findVerb(t.lemma, d) || dict.find(t.lemma, d))
                                                 : dict.find(t.lemma, d);
  if (!found) return;
  for (const std::string& s : d.senses) {
    if (t.dictionarySenses.size() == 2) break;
    const std::string plain = withoutExplanation(s);
    if (!plain.empty() && plain.size() < 48 && !placeholderSense(plain)) t.dictionarySenses.push_back(plain);
  }
}

// A quoted label, tokens [first, last], as one adjective before its noun, in Hungarian quotation
// marks: "the \"Save\" button" is "a „Save” gomb".
void labelAsAdjective(std::vector<Token>& toks, std::size_t first, std::size_t last) {
  std::string name;
  for (std::size_t k = first; k <= last; ++k) name += (k > first ? " " : "") + toks[k].written;
  Token& label = toks[first];
  label.tag = PartOfSpeech::adjective;
  label.entry = nullptr;
  label.dictionarySenses = {"\xE2\x80\x9E" + name + "\xE2\x80\x9D"};
  label.words = toks[last].word + toks[last].words - label.word;
  label.pauseAfter = toks[last].pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(first) + 1, toks.begin() + std::ptrdiff_t(last) + 1);
}

bool pressingVerb(const Token& t) {
  return t.tag == PartOfSpeech::verb && (t.lemma == "click" || t.lemma == "tap" || t.lemma == "press");
}

// "Click \"Save\"", "Tap \"Settings\"", "press \"Enter\"", "click OK": a quoted label (or "OK")
// after a verb of pressing names a button, said with its word "gomb" after the label ("Kattintson
// a „Save” gombra"), as "the Save button" is; a quoted label before a noun describes it.
void labelsPressedAsButtons(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (!toks[i].label) continue;
    std::size_t last = i;
    while (last + 1 < toks.size() && toks[last + 1].label && !toks[last].pauseAfter) ++last;
    const bool beforeNoun = last + 1 < toks.size() && toks[last + 1].tag == PartOfSpeech::noun &&
                            !toks[last].pauseAfter && i > 0 && toks[i - 1].tag == PartOfSpeech::determiner;
    if (beforeNoun) labelAsAdjective(toks, i, last);
  }
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (!pressingVerb(toks[i])) continue;
    const std::size_t first = i + 1 + (toks[i + 1].lower == "on" && i + 2 < toks.size());
    if (!toks[first].label && toks[first].written != "OK") continue;
    std::size_t last = first;
    while (last + 1 < toks.size() && toks[last + 1].label && !toks[last].pauseAfter) ++last;
    labelAsAdjective(toks, first, last);
    Token button = impliedWord("button", PartOfSpeech::noun, toks[first].word);
    button.entry = core.find("button", PartOfSpeech::noun);
    button.pauseAfter = std::exchange(toks[first].pauseAfter, false);
    toks.insert(toks.begin() + std::ptrdiff_t(first) + 1, button);
    toks.insert(toks.begin() + std::ptrdiff_t(first), impliedWord("the", PartOfSpeech::determiner, toks[first].word));
  }
}

// "They were married on Saturday", "were married in 2010": married at a time is the wedding, as
// "got married" is ("Szombaton összeházasodtak"); "are married", "married to" stay the state.
void weddingsAtATime(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const Token& be = toks[i - 1];
    if (toks[i].lower != "married" || (be.lower != "was" && be.lower != "were") || be.pauseAfter) continue;
    const Token& next = toks[i + 1];
    const bool atATime = next.time || ((next.lower == "on" || next.lower == "in" || next.lower == "at") &&
                                       i + 2 < toks.size() && (toks[i + 2].time || isTimeNoun(toks[i + 2]) ||
                                                               isDayName(toks[i + 2].lemma) ||
                                                               toks[i + 2].tag == PartOfSpeech::number));
    const lexicon::Entry* wed = core.find("get married", PartOfSpeech::verb);
    if (!atATime || !wed) continue;
    Token& verb = toks[i - 1];
    verb.tag = PartOfSpeech::verb, verb.form = VerbForm::past, verb.lemma = verb.lower = "get married";
    verb.entry = wed;
    verb.words = toks[i].word + toks[i].words - verb.word;
    verb.pauseAfter = toks[i].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i));
  }
}

// The end of the noun phrase that starts at `k`: its determiner, owner, adjectives, nouns, up to
// a comma.
std::size_t nounPhraseEnd(const std::vector<Token>& toks, std::size_t k) {
  while (k < toks.size() &&
         (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
          toks[k].tag == PartOfSpeech::adjective || toks[k].tag == PartOfSpeech::noun ||
          toks[k].tag == PartOfSpeech::name || toks[k].tag == PartOfSpeech::number)) {
    if (toks[k++].pauseAfter) break;
  }
  return k;
}

// "blamed the delays on a strike": what a thing is blamed on is the one blamed for it, "a
// sztrájkot hibáztatta a késésekért", as "blamed a strike for the delays" is.
void blamedOnACause(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    if (toks[i].lemma != "blame" || toks[i].tag != PartOfSpeech::verb || toks[i].pauseAfter) continue;
    const std::size_t on = nounPhraseEnd(toks, i + 1);
    if (on == i + 1 || on + 1 >= toks.size() || toks[on].lower != "on" || toks[on - 1].pauseAfter) continue;
    std::size_t end = nounPhraseEnd(toks, on + 1);
    // ("a strike by air traffic controllers": the one blamed with its "by" or "of")
    if (end > on + 1 && end + 1 < toks.size() && !toks[end - 1].pauseAfter &&
        (toks[end].lower == "by" || toks[end].lower == "of"))
      end = nounPhraseEnd(toks, end + 1);
    // (the words move, a comma stays with its word: none inside)
    if (end == on + 1 || toks[end - 1].pauseAfter) continue;
    std::vector<Token> swapped(toks.begin() + std::ptrdiff_t(on) + 1, toks.begin() + std::ptrdiff_t(end));
    Token forWhat = toks[on];
    forWhat.lower = forWhat.lemma = "for";
    swapped.push_back(forWhat);
    swapped.insert(swapped.end(), toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(on));
    std::copy(swapped.begin(), swapped.end(), toks.begin() + std::ptrdiff_t(i) + 1);
    return;
  }
}

// "colder and colder", "more and more difficult": a degree that keeps growing is "egyre" before
// the comparative ("egyre hidegebb", "egyre nehezebb", "egyre több ember"); "get" or "grow"
// before an adjective says what its subject becomes ("It's getting colder": "Hidegebb lesz",
// "got rich": "gazdag lett"), and after them, "be" or "become" an "-er" adverb of an adjective
// is the comparative ("The days are getting longer": "hosszabbak").
void changesOfDegree(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& a = toks[i];
    if (toks[i + 1].lower != "and" || toks[i + 2].lower != a.lower || a.pauseAfter) continue;
    Token& b = toks[i + 2];
    const bool comparative = a.tag == PartOfSpeech::adjective && a.degree == 1 && b.tag == a.tag;
    if (!comparative && a.lower != "more") continue;
    b.rising = true;
    b.word = a.word, b.words += a.words + toks[i + 1].words;
    toks.erase(toks.begin() + std::ptrdiff_t(i), toks.begin() + std::ptrdiff_t(i + 2));
    // "more and more difficult": the adjective's comparative ("egyre nehezebb")
    if (!comparative && i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::adjective &&
        toks[i + 1].degree <= 1) {
      Token& adj = toks[i + 1];
      adj.degree = 1, adj.rising = true;
      adj.word = toks[i].word, adj.words += toks[i].words;
      toks.erase(toks.begin() + std::ptrdiff_t(i));
    }
  }
  static constexpr std::string_view kBecoming[] = {"be", "become", "get", "grow", "fall", "turn"};
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& v = toks[i];
    if (v.tag != PartOfSpeech::verb || !listed(kBecoming, v.lemma)) continue;
    std::size_t k = i + 1;
    Token& t = toks[k];
    if (k + 1 < toks.size() && !t.pauseAfter &&
        (toks[k + 1].tag == PartOfSpeech::noun || toks[k + 1].tag == PartOfSpeech::adjective))
      continue;
    if (t.tag == PartOfSpeech::adverb && t.words == 1 && endsWith(t.lower, "er"))
      for (const std::string& base : stripped(t.lower, "er"))
        if (core.find(base, PartOfSpeech::adjective)) {
          t.tag = PartOfSpeech::adjective, t.lemma = base, t.degree = 1, t.entry = nullptr;
          t.dictionarySenses.clear();
          break;
        }
    // ("had grown wild": a word the lexicon has as an adjective and not as an adverb is the state
    // one grows into)
    if (t.tag == PartOfSpeech::adverb && t.words == 1 && (v.lemma == "get" || v.lemma == "grow") &&
        !core.find(t.lower, PartOfSpeech::adverb))
      if (const lexicon::Entry* adjective = core.find(t.lower, PartOfSpeech::adjective)) {
        t.tag = PartOfSpeech::adjective, t.lemma = t.lower, t.entry = adjective, t.degree = 0;
        t.dictionarySenses.clear();
      }
    // "fell silent", "fell ill", "turned red": falling or turning into a state is becoming it
    // ("csendes lett", "beteg lett"), where "turn left" still turns
    const bool fallsInto = (v.lemma == "fall" || v.lemma == "turn") && t.lower != "left" && t.lower != "right";
    if (t.tag != PartOfSpeech::adjective || (v.lemma != "get" && v.lemma != "grow" && !fallsInto)) continue;
    // ("It's getting colder", "are growing older": a comparative still growing, "egyre hidegebb")
    if (v.form == VerbForm::ing && t.degree == 1 && i > 0 && toks[i - 1].tag == PartOfSpeech::auxiliary) t.rising = true;
    if (const lexicon::Entry* become = core.find("become", PartOfSpeech::verb))
      v.lemma = "become", v.entry = become, v.hasObject = false, v.neighbour.clear();
  }
}

// "The sooner, the better", "the bigger the house, the higher the bill": two comparatives each
// after "the", without a verb, grow together, "Minél előbb, annál jobb"; "the" before the first is "minél", before
// the second "annál", and each word is its comparative ("better": "jobb", not a noun).
void theMoreTheMerrier(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  auto comparative = [&](Token& t) {
    if (t.lower == "sooner" || t.lower == "more" || t.lower == "less") {
      t.tag = PartOfSpeech::adjective, t.lemma = t.lower, t.entry = nullptr, t.degree = 0;
      t.dictionarySenses = {t.lower == "sooner" ? "el\xC5\x91" "bb" : t.lower == "more" ? "t\xC3\xB6" "bb" : "kevesebb"};
      return true;
    }
    if (t.tag == PartOfSpeech::adjective && t.degree == 1) return true;
    for (const Reading& r : readingsOf(core, t))
      if (r.tag == PartOfSpeech::adjective && r.degree == 1) {
        t.tag = PartOfSpeech::adjective, t.lemma = r.lemma, t.degree = 1, t.entry = nullptr;
        t.dictionarySenses.clear();
        return true;
      }
    return false;
  };
  auto hasDegree = [&](const Token& t) {
    if (t.lower == "sooner" || t.lower == "more" || t.lower == "less") return true;
    if (t.tag == PartOfSpeech::adjective && t.degree == 1) return true;
    for (const Reading& r : readingsOf(core, t))
      if (r.tag == PartOfSpeech::adjective && r.degree == 1) return true;
    return false;
  };
  if (toks.size() < 4 || toks[0].lower != "the" || !hasDegree(toks[1])) return;
  // (with a verb each half is a clause: "The more you practise, the better you get")
  for (const Token& t : toks)
    if (t.tag == PartOfSpeech::verb || t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal) return;
  for (std::size_t k = 2; k + 1 < toks.size(); ++k) {
    if (toks[k].lower != "the" || !toks[k - 1].pauseAfter || !hasDegree(toks[k + 1])) continue;
    comparative(toks[1]), comparative(toks[k + 1]);
    for (auto [at, word] : {std::pair{std::size_t{0}, "min\xC3\xA9l"}, std::pair{k, "ann\xC3\xA1l"}}) {
      Token& the = toks[at];
      the.tag = PartOfSpeech::adverb, the.lemma = "the", the.entry = nullptr;
      the.dictionarySenses = {word};
    }
    return;
  }
}

// "Dear Mum and Dad, I hope you are well": a greeting of two or more makes "you" after it plural
// ("jól vagytok", "a leveletek"), as it is said to them all.
void youOfThoseGreeted(std::vector<Token>& toks) {
  if (toks.empty() || !greets(toks[0])) return;
  std::size_t p = 0;
  while (p < toks.size() && p < 8 && !toks[p].pauseAfter) ++p;
  if (p >= toks.size() || p >= 8) return;
  bool several = false;
  for (std::size_t k = 1; k < p; ++k) several = several || toks[k].lower == "and";
  if (!several) return;
  for (std::size_t k = p + 1; k < toks.size(); ++k)
    if ((toks[k].tag == PartOfSpeech::pronoun || toks[k].tag == PartOfSpeech::possessive) && toks[k].person == 2)
      toks[k].plural = true;
}

// "Which one do you like?", "which ones": "one" stands for the noun asked about and Hungarian says
// "which" alone ("Melyiket szereted?"); before a noun it counts no more ("which one book").
void whichOne(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].lower == "which" && toks[i].tag == PartOfSpeech::question &&
        (toks[i + 1].lower == "one" || toks[i + 1].lower == "ones") && !toks[i].pauseAfter &&
        toks[i + 2].tag != PartOfSpeech::noun && toks[i + 2].tag != PartOfSpeech::adjective) {
      toks[i].words += toks[i + 1].words;
      toks[i].pauseAfter = toks[i + 1].pauseAfter;
      toks.erase(toks.begin() + std::ptrdiff_t(i + 1));
    }
}

// "Whose car is this?": the question asks whom the thing belongs to, "Kinek az autója ez?", the
// noun owned by a third person as after "his" and "whose" the one it belongs to, in the dative.
void whoseAsked(std::vector<Token>& toks) {
  if (toks.size() < 3 || toks[0].lower != "whose") return;
  std::size_t k = 1;
  while (k < toks.size() && toks[k].tag == PartOfSpeech::adjective) ++k;
  if (k >= toks.size() || toks[k].tag != PartOfSpeech::noun || toks[k].possessor) return;
  toks[0].tag = PartOfSpeech::question, toks[0].lemma = "whose", toks[0].entry = nullptr;
  Token owner;
  owner.lower = owner.lemma = owner.written = "his";
  owner.tag = PartOfSpeech::possessive, owner.person = 3, owner.word = toks[0].word, owner.words = 0;
  toks.insert(toks.begin() + 1, std::move(owner));
}

// "drove faster", "speak louder", "works harder": a comparative right after a verb that links no
// predicate says how it is done, the comparative's manner ("gyorsabban", "hangosabban",
// "keményebben"); before a noun or after "be", "get", "feel" it stays the adjective ("a faster
// car", "It is getting colder"). WordNet's comparative adverbs ("faster": "firmly") are read so too.
void comparativesOfManner(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kLinking[] = {"be",   "become", "get",  "seem",  "look",  "appear",
                                                  "feel", "sound",  "stay", "remain", "grow", "turn",
                                                  "keep", "make",   "find", "taste", "smell", "go"};
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    const Token& verb = toks[i - 1];
    if (verb.tag != PartOfSpeech::verb || listed(kLinking, verb.lemma) || !endsWith(t.lower, "er")) continue;
    if (t.tag != PartOfSpeech::adverb && !(t.tag == PartOfSpeech::adjective && t.degree == 1)) continue;
    if (i + 1 < toks.size() && !toks[i].pauseAfter &&
        (toks[i + 1].tag == PartOfSpeech::noun || toks[i + 1].tag == PartOfSpeech::adjective))
      continue;
    for (const std::string& base : stripped(t.lower, "er")) {
      const lexicon::Entry* adj = core.find(base, PartOfSpeech::adjective);
      if (!adj || adj->senses.empty() || adj->senses.front().keepsCopula) continue;
      // the adjective's sense whose manner the lexicon's adverb is ("hard": "keményen", so
      // "keményebben"); none where the adverb is a word of its own ("long": "sokáig", "tovább")
      const lexicon::Sense* sense = &adj->senses.front();
      if (const lexicon::Entry* adv = core.find(base, PartOfSpeech::adverb); adv && !adv->senses.empty()) {
        const auto same = std::find_if(adj->senses.begin(), adj->senses.end(), [&](const lexicon::Sense& s) {
          return mannerOf(s.word) == adv->senses.front().word;
        });
        if (same == adj->senses.end()) break;
        sense = &*same;
      }
      const std::string comparative = degreeOf(sense->word, 1);
      if (!comparative.ends_with("bb")) break;
      t.tag = PartOfSpeech::adverb, t.lemma = t.lower, t.degree = 0, t.entry = nullptr;
      t.dictionarySenses = {mannerOf(comparative)};
      break;
    }
  }
}

// "works more quickly", "drive more slowly": "more" before an adverb of manner is its
// comparative, the comparative adjective's manner ("gyorsabban", "lassabban"); one token of the two.
void moreOfManner(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    const Token& adverb = toks[i + 1];
    if (toks[i].lower != "more" || toks[i].pauseAfter || adverb.tag != PartOfSpeech::adverb ||
        !endsWith(adverb.lower, "ly") || !adverb.entry || adverb.entry->senses.empty())
      continue;
    const std::string& w = adverb.lower;
    // "quickly" "quick", "easily" "easy", "gently" "gentle"
    const std::string stem = w.substr(0, w.size() - 2);
    const std::string bases[] = {stem, endsWith(w, "ily") ? w.substr(0, w.size() - 3) + "y" : std::string(),
                                 endsWith(w, "bly") || endsWith(w, "tly") || endsWith(w, "ply") ? stem + "le"
                                                                                                  : std::string()};
    for (const std::string& base : bases) {
      const lexicon::Entry* adj = base.empty() ? nullptr : core.find(base, PartOfSpeech::adjective);
      if (!adj) continue;
      const auto same = std::find_if(adj->senses.begin(), adj->senses.end(), [&](const lexicon::Sense& s) {
        return mannerOf(s.word) == adverb.entry->senses.front().word;
      });
      if (same == adj->senses.end()) break;
      const std::string comparative = degreeOf(same->word, 1);
      if (!comparative.ends_with("bb")) break;
      Token& more = toks[i];
      more.tag = PartOfSpeech::adverb, more.lemma = "more " + w, more.lower = w, more.degree = 0, more.entry = nullptr;
      more.dictionarySenses = {mannerOf(comparative)};
      more.pauseAfter = adverb.pauseAfter;
      more.words = adverb.word + adverb.words - more.word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
      break;
    }
  }
}

// "finished second", "came third": a place in a race is what one became, "második lett"
void placesInARace(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kPlaces[] = {"first", "second", "third", "fourth", "fifth", "last"};
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& v = toks[i];
    Token& place = toks[i + 1];
    // ("Safety comes first": in the present it says what matters most, no place in a race)
    if (v.tag != PartOfSpeech::verb || (v.lemma != "finish" && v.lemma != "come") ||
        v.form != VerbForm::past || !listed(kPlaces, place.lower))
      continue;
    const lexicon::Entry* become = core.find("become", PartOfSpeech::verb);
    const lexicon::Entry* ordinal = core.find(place.lower, PartOfSpeech::adjective);
    if (!become || !ordinal) continue;
    v.lemma = "become", v.entry = become, v.hasObject = false, v.neighbour.clear();
    place.tag = PartOfSpeech::adjective, place.lemma = place.lower, place.entry = ordinal;
    place.dictionarySenses.clear();
  }
}

// "earlier than usual", "colder than expected": the measure compared with is what was usual or
// expected, one adverb in "-nál"/"-nél" ("a szokásosnál", "a vártnál")
void thanWhatWasExpected(std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kMeasures[] = {
      {"usual", "a szok\xC3\xA1sosn\xC3\xA1l"},    {"expected", "a v\xC3\xA1rtn\xC3\xA1l"},
      {"anticipated", "a v\xC3\xA1rtn\xC3\xA1l"}, {"planned", "a tervezettn\xC3\xA9l"},
      {"necessary", "a sz\xC3\xBCks\xC3\xA9gesn\xC3\xA9l"}};
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (toks[i].lower != "than" || (i + 2 < toks.size() && toks[i + 2].tag == PartOfSpeech::noun)) continue;
    for (const auto& [english, hungarian] : kMeasures)
      if (toks[i + 1].lower == english) {
        Token& than = toks[i];
        than.tag = PartOfSpeech::adverb;
        than.lemma = "than " + std::string(english);
        than.entry = nullptr;
        than.dictionarySenses = {std::string(hungarian)};
        than.pauseAfter = toks[i + 1].pauseAfter;
        than.words = toks[i + 1].word + toks[i + 1].words - than.word;
        toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
        break;
      }
  }
}

// "Which of the books is yours?", "which of them": the question asks for one of the group,
// "Melyik könyv", "melyikük"; the group's pronoun goes into the question word's lemma
void whichOfAGroup(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    if (toks[i].lower != "which" || toks[i].tag != PartOfSpeech::question || toks[i + 1].lower != "of") continue;
    const std::string& group = toks[i + 2].lower;
    if (toks[i + 2].tag == PartOfSpeech::pronoun && (group == "us" || group == "you" || group == "them")) {
      toks[i].lemma = "which of " + group;
      toks[i].words = toks[i + 2].word + toks[i + 2].words - toks[i].word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(i) + 3);
      continue;
    }
    if (group != "the" && toks[i + 2].tag != PartOfSpeech::possessive) continue;
    std::size_t head = i + 3;
    while (head + 1 < toks.size() && toks[head].tag == PartOfSpeech::adjective) ++head;
    if (head >= toks.size() || toks[head].tag != PartOfSpeech::noun || !toks[head].plural) continue;
    toks[head].plural = false;
    const std::size_t last = group == "the" ? i + 2 : i + 1;
    toks[i].words = toks[last].word + toks[last].words - toks[i].word;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(last) + 1);
  }
}

// "There is no bread left", "Is there any coffee left?", "We have no time left": what remains,
// "left" closing the clause after the noun of "there is" or "have", said "még", negated "már"
// ("Van még kávé?", "Nincs már kenyér")
void whatIsLeft(std::vector<Token>& toks) {
  for (std::size_t i = 2; i < toks.size(); ++i) {
    Token& left = toks[i];
    if (left.lower != "left" || (i + 1 < toks.size() && !left.pauseAfter && toks[i + 1].lower != ".") ||
        toks[i - 1].tag != PartOfSpeech::noun)
      continue;
    bool existence = false, negated = false;
    for (std::size_t k = i - 1; k-- > 0 && !toks[k].pauseAfter;) {
      if (toks[k].lower == "there" || toks[k].lemma == "have") existence = true;
      if (toks[k].tag == PartOfSpeech::negation || toks[k].lower == "no") negated = true;
      if (toks[k].tag == PartOfSpeech::verb && toks[k].lemma != "have") break;
    }
    if (!existence) continue;
    left.tag = PartOfSpeech::adverb;
    left.lemma = "left";
    left.entry = nullptr;
    left.dictionarySenses = {negated ? "m\xC3\xA1r" : "m\xC3\xA9g"};
  }
}

// "the rest of the students": "a többi diák", the others said before the noun in the singular
void theRestOf(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 4 < toks.size(); ++i) {
    if (toks[i].lower != "the" || toks[i + 1].lower != "rest" || toks[i + 2].lower != "of" ||
        toks[i + 3].lower != "the")
      continue;
    std::size_t head = i + 4;
    while (head + 1 < toks.size() && toks[head].tag == PartOfSpeech::adjective) ++head;
    if (toks[head].tag != PartOfSpeech::noun || !toks[head].plural) continue;
    toks[head].plural = false;
    Token& rest = toks[i + 1];
    rest.tag = PartOfSpeech::adjective;
    rest.entry = nullptr;
    rest.dictionarySenses = {
        "t\xC3\xB6"
        "bbi"};
    rest.words = toks[i + 3].word + toks[i + 3].words - rest.word;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 2, toks.begin() + std::ptrdiff_t(i) + 4);
  }
}

// A verb form with a singular subject: "is", "was", "has", "keeps".
bool singularVerbForm(const Token& t) {
  return t.lower == "is" || t.lower == "was" || t.lower == "has" ||
         (t.tag == PartOfSpeech::verb && t.form == VerbForm::third);
}

// The verb an "-ing" word is made from, as the lexicon has it: "drinking" (a verb), "reading"
// (read as a noun); null when there is none.
const lexicon::Entry* verbOfIng(const lexicon::CoreLexicon& core, const Token& t) {
  if (t.tag == PartOfSpeech::verb && t.form == VerbForm::ing) return t.entry;
  if (t.tag != PartOfSpeech::noun || t.plural) return nullptr;
  for (const std::string& base : stripped(t.lower, "ing"))
    if (const lexicon::Entry* e = core.find(base, PartOfSpeech::verb)) return e;
  return nullptr;
}

// WordNet knows the word as an adjective: "rising", "trembling", "running".
bool knownAsAdjective(const lexicon::CoreLexicon& core, const Token& t) {
  const lexicon::PosCounts* c = core.counts(t.lower);
  return c && c->of(PartOfSpeech::adjective);
}

// The compound of an "-ing" verb's bare object and the noun of its action ("kávéivás",
// "húsevés"); empty where the verb takes no accusative object or the object's Hungarian is no
// one word.
std::string actionCompound(const lexicon::Entry& doing, const Token& object) {
  const lexicon::Sense& verb = doing.senses.front();
  const lexicon::Sense& thing = object.entry->senses.front();
  if (verb.noObject || !verb.note("obj").empty() || !isInflectableWord(thing.word)) return {};
  const std::string action = actionNounOf(VerbStem{verb.word, verb.prefix, ""}, false);
  return action.empty() ? std::string() : joinedCompound(thing.word, action);
}

// The "-ing" word at i and its object after it as one noun token whose sense is `compound`.
void joinIntoActionNoun(std::vector<Token>& toks, std::size_t i, std::string compound) {
  Token& ing = toks[i];
  const Token& object = toks[i + 1];
  ing.tag = PartOfSpeech::noun;
  ing.lemma = ing.lemma + " " + object.lower;
  ing.written += " " + object.written;
  ing.entry = nullptr;
  ing.plural = false;
  ing.hasObject = false;
  ing.dictionarySenses = {std::move(compound)};
  ing.words = object.word + object.words - ing.word;
  ing.pauseAfter = object.pauseAfter;
  toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
}

// "finished writing the report", "Reading the letter took an hour": an "-ing" verb at i whose
// definite object ends its clause, or comes before the clause's verb where the "-ing" verb is the
// `subject`, is the noun of the finished action owned by that object, the object said first as
// the owner ("a jelentés megírását", "A levél elolvasása"); false, the tokens untouched, where
// the words are otherwise.
bool ownedActionAt(const lexicon::Entry& doing, std::vector<Token>& toks, std::size_t i, bool subject) {
  std::size_t head = i + 1;
  if (head >= toks.size() || (toks[head].lower != "the" && toks[head].tag != PartOfSpeech::possessive)) return false;
  ++head;
  while (head < toks.size() && toks[head].tag == PartOfSpeech::adjective) ++head;
  if (head >= toks.size() || toks[head].tag != PartOfSpeech::noun || toks[head].possessor) return false;
  const bool ends = subject ? head + 1 < toks.size() && !toks[head].pauseAfter && finiteVerbForm(toks[head + 1])
                            : head + 1 == toks.size() || toks[head].pauseAfter;
  if (!ends) return false;
  const lexicon::Sense& verb = doing.senses.front();
  if (verb.noObject || !verb.note("obj").empty()) return false;
  const std::string prefix = verb.prefix.empty() ? std::string(verb.note("perf")) : verb.prefix;
  std::string action = actionNounOf(VerbStem{verb.word, prefix, ""}, false);
  if (action.empty()) return false;
  Token ing = std::move(toks[i]);
  ing.tag = PartOfSpeech::noun, ing.entry = nullptr, ing.plural = false, ing.hasObject = false;
  ing.dictionarySenses = {std::move(action)};
  ing.pauseAfter = toks[head].pauseAfter;
  toks[head].possessor = true, toks[head].pauseAfter = false;
  toks.erase(toks.begin() + std::ptrdiff_t(i));
  toks.insert(toks.begin() + std::ptrdiff_t(head), std::move(ing));
  return true;
}

// Past a prepositional phrase at i, if one is there, up to a comma: "in the river", "on the
// lake", "to work"; never past the sentence's last token.
std::size_t pastPrepositionalPhrase(const std::vector<Token>& toks, std::size_t i) {
  if (i + 1 >= toks.size() || toks[i].tag != PartOfSpeech::preposition || toks[i].pauseAfter) return i;
  std::size_t k = i + 1;
  while (k + 1 < toks.size() && !toks[k].pauseAfter &&
         (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
          toks[k].tag == PartOfSpeech::adjective || toks[k].tag == PartOfSpeech::number))
    ++k;
  const std::size_t noun = k;
  while (k + 1 < toks.size() && (toks[k].tag == PartOfSpeech::noun || toks[k].tag == PartOfSpeech::name)) {
    ++k;
    if (toks[k - 1].pauseAfter) return i;
  }
  return k > noun ? k : i;
}

// "Drinking coffee keeps me awake", "that eating vegetables is healthy": an "-ing" verb and its
// bare object before a clause's verb are its subject, a habit Hungarian names with one compound
// of the object and the noun of the action ("A kávéivás", "a zöldségevés"). A plural object
// before a plural verb is rather what the "-ing" word describes ("Washing machines are"), and
// so is a singular one before "be" ("Drinking water is scarce") or after an "-ing" noun of the
// core lexicon ("Swimming pool"), and any object of an "-ing" word known to WordNet as an
// adjective ("Rising prices").
void gerundSubjects(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& ing = toks[i];
    const Token& object = toks[i + 1];
    if ((i > 0 && toks[i - 1].lower != "that" && !toks[i - 1].pauseAfter) || ing.pauseAfter) continue;
    // ("Cycling keeps you fit": alone, the noun of the action, "A biciklizés"; so too with a
    // place or a goal after it, "Swimming in the river is dangerous": "A folyóban úszás")
    if (ing.tag == PartOfSpeech::verb && ing.form == VerbForm::ing && ing.entry && !ing.entry->senses.empty() &&
        finiteVerbForm(toks[pastPrepositionalPhrase(toks, i + 1)])) {
      const lexicon::Sense& verb = ing.entry->senses.front();
      if (std::string action = actionNounOf(VerbStem{verb.word, verb.prefix, ""}, false); !action.empty()) {
        ing.tag = PartOfSpeech::noun, ing.entry = nullptr, ing.hasObject = false;
        ing.dictionarySenses = {std::move(action)};
      }
      continue;
    }
    const lexicon::Entry* doing = verbOfIng(core, ing);
    if (doing && !doing->senses.empty() && ing.tag == PartOfSpeech::verb && ownedActionAt(*doing, toks, i, true))
      continue;
    if (!doing || doing->senses.empty() || object.tag != PartOfSpeech::noun || object.possessor ||
        object.pauseAfter || !object.entry || object.entry->senses.empty() || !finiteVerbForm(toks[i + 2]))
      continue;
    const bool habit = object.plural ? singularVerbForm(toks[i + 2])
                                     : !formOfBe(toks[i + 2].lower) &&
                                           (ing.tag == PartOfSpeech::verb || !core.find(ing.lower, PartOfSpeech::noun));
    if (!habit) continue;
    if (knownAsAdjective(core, ing)) continue;
    if (std::string compound = actionCompound(*doing, object); !compound.empty()) {
      ing.lower += " " + object.lower;
      joinIntoActionNoun(toks, i, std::move(compound));
    }
  }
}

// "avoid eating meat", "recommends drinking water": after a verb whose object is an activity, an
// "-ing" verb and its bare object are one compound noun, the object of that verb ("Kerüli a
// húsevést"); the "-ing" word keeps its spelling, so that the activity is said as the generic
// thing it is, with the article. So too after a preposition.
void gerundObjects(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kOfActivities[] = {"avoid", "finish", "consider", "recommend", "suggest",
                                                       "practise", "practice", "miss", "risk", "quit", "dislike"};
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    const Token& verb = toks[i - 1];
    Token& ing = toks[i];
    const Token& object = toks[i + 1];
    // ("interested in collecting stamps": after a preposition too, a plural that is no compound's
    // head, "bélyeggyűjtés iránt"; not one that opens a clause, "before leaving", nor "with", after
    // which the "-ing" word describes, "with trembling hands")
    const bool afterPreposition = verb.tag == PartOfSpeech::preposition && !opensIngClauseOfTime(verb.lower) &&
                                  verb.lower != "by" && verb.lower != "with" && object.plural &&
                                  (ing.tag == PartOfSpeech::verb || !core.find(ing.lower, PartOfSpeech::noun)) &&
                                  !knownAsAdjective(core, ing);  // ("in running shoes")
    if (((verb.tag != PartOfSpeech::verb || !listed(kOfActivities, verb.lemma)) && !afterPreposition) ||
        ing.pauseAfter)
      continue;
    const lexicon::Entry* doing = verbOfIng(core, ing);
    if (!doing || doing->senses.empty() || (!afterPreposition && ownedActionAt(*doing, toks, i, false))) continue;
    if (object.tag != PartOfSpeech::noun || object.possessor || !object.entry || object.entry->senses.empty() ||
        (i + 2 < toks.size() && !object.pauseAfter && toks[i + 2].tag == PartOfSpeech::noun))
      continue;
    if (std::string compound = actionCompound(*doing, object); !compound.empty())
      joinIntoActionNoun(toks, i, std::move(compound));
  }
}

// "during baking", "during cooking": a bare "-ing" word after "during" names the action done
// meanwhile, the noun of the action ("sütés közben"), where the core lexicon has no noun of its
// own for it.
void actionsDuring(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& ing = toks[i];
    if (toks[i - 1].lower != "during" || ing.words != 1 || !endsWith(ing.lower, "ing") ||
        (ing.tag == PartOfSpeech::noun && core.find(ing.lower, PartOfSpeech::noun)))
      continue;
    const lexicon::Entry* doing = verbOfIng(core, ing);
    if (!doing || doing->senses.empty()) continue;
    const lexicon::Sense& verb = doing->senses.front();
    if (std::string action = actionNounOf(VerbStem{verb.word, "", ""}, false); !action.empty()) {
      ing.tag = PartOfSpeech::noun, ing.entry = nullptr, ing.hasObject = false, ing.plural = false;
      ing.dictionarySenses = {std::move(action)};
    }
  }
}

// "some of the charts", "one of my friends", "two of the boys": a part of a group of nouns is
// said as the quantity before the noun, "of" and "the" unsaid ("néhány diagram", "az egyik
// barátom", "két fiú"); "one of" becomes one determiner, "egyik".
void partsOfAGroup(std::vector<Token>& toks) {
  // "every one of them", "every one of the rooms": each of them ("mindegyikük", "minden szoba")
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].lower == "every" && toks[i + 1].lower == "one" && toks[i + 2].lower == "of") {
      toks[i].lower = toks[i].lemma = "each";
      toks[i].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
    }
  static constexpr std::string_view kParts[] = {"some", "many",    "most",   "several", "each", "all",
                                                "both", "one",     "none",   "neither", "either"};
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    Token& part = toks[i];
    // (a number and "a few" count as they are)
    const bool counted = (part.tag == PartOfSpeech::number && part.value > 1) || part.lower == "a few";
    if ((!counted && !listed(kParts, part.lower)) || toks[i + 1].lower != "of" || part.pauseAfter) continue;
    const bool article = toks[i + 2].lower == "the";
    if (!article && toks[i + 2].tag != PartOfSpeech::possessive) continue;
    std::size_t head = i + 3;
    while (head + 1 < toks.size() && toks[head].tag == PartOfSpeech::adjective) ++head;
    if (toks[head].tag != PartOfSpeech::noun || !toks[head].plural || toks[head].possessor) continue;
    const std::size_t last = article ? i + 2 : i + 1;
    if (!counted) part.tag = PartOfSpeech::determiner, part.entry = nullptr, part.dictionarySenses.clear();
    if (part.lower == "one") part.lower = part.lemma = "one of", part.plural = false, part.value = -1;
    part.words = toks[last].word + toks[last].words - part.word;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(last) + 1);
  }
}

// "Either day is fine", "Neither answer was right": "either" and "neither" before a singular
// noun choose one of two, a determiner as "each" is ("bármelyik nap", "egyik válasz sem"); not
// the first of a pair ("either tea or coffee", which correlativePairs says)
void eitherOfTwo(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& part = toks[i];
    if ((part.lower != "either" && part.lower != "neither") || part.pauseAfter ||
        toks[i + 1].tag != PartOfSpeech::noun || toks[i + 1].plural)
      continue;
    const bool pair = std::any_of(toks.begin() + std::ptrdiff_t(i) + 2,
                                  toks.begin() + std::ptrdiff_t(std::min(toks.size(), i + 6)),
                                  [](const Token& t) { return t.lower == "or" || t.lower == "nor"; });
    if (pair) continue;
    part.tag = PartOfSpeech::determiner, part.entry = nullptr, part.dictionarySenses.clear();
  }
}

// "half an hour", "half a kilo": "fél óra", half of one said before the noun, without "an"
void halfOfOne(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if (toks[i].lower == "half" && (toks[i + 1].lower == "a" || toks[i + 1].lower == "an") &&
        toks[i + 2].tag == PartOfSpeech::noun)
      if (const lexicon::Entry* half = core.find("half", PartOfSpeech::adjective)) {
        toks[i].tag = PartOfSpeech::adjective;
        toks[i].lemma = "half";
        toks[i].entry = half;
        toks[i].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
        toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
      }
}

// "half of the boats", "half the team", "half of my money": the half is a noun, owned by the
// whole after it ("a hajók fele", "a csapat fele"); so are "most of" and "much of" a whole
// ("most of the harvest", "much of the harvest": "a termés nagy része"; "how much of", "too
// much of", "so much of" ask or weigh an amount)
void halfOfAWhole(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    static constexpr std::string_view kAmountOf[] = {"how", "too", "so", "as", "very", "that", "this"};
    const bool much = toks[i].lower == "much" && toks[i + 1].lower == "of" &&
                      !(i > 0 && std::find(std::begin(kAmountOf), std::end(kAmountOf), toks[i - 1].lower) !=
                                     std::end(kAmountOf));
    const bool most = (toks[i].lower == "most" || much) && toks[i + 1].lower == "of";
    if ((toks[i].lower != "half" && !most) || toks[i].pauseAfter) continue;
    const std::size_t whole = toks[i + 1].lower == "of" ? i + 2 : i + 1;
    const Token& first = toks[whole];
    if (first.lower != "the" && first.tag != PartOfSpeech::possessive && first.lower != "this" &&
        first.lower != "these")
      continue;
    if (const lexicon::Entry* half = core.find(toks[i].lower, PartOfSpeech::noun)) {
      toks[i].tag = PartOfSpeech::noun;
      toks[i].lemma = toks[i].lower;
      toks[i].entry = half;
      toks[i].plural = false;
    }
  }
}

// "scored in the second half": the first or the second half of nothing named after it is a
// half of a match, "félidő" ("the first half of the year" is the year's "fele", "the first half
// hour" a "fél óra")
void halvesOfAMatch(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const lexicon::Entry* halfTime = core.find("half-time", PartOfSpeech::noun);
  for (std::size_t i = 2; halfTime && i < toks.size(); ++i) {
    if (toks[i].lower != "half" || (toks[i - 1].lower != "first" && toks[i - 1].lower != "second") ||
        toks[i - 2].lower != "the")
      continue;
    if (!toks[i].pauseAfter && i + 1 < toks.size()) {
      const Token& next = toks[i + 1];
      const bool headEnds = next.tag == PartOfSpeech::preposition || next.tag == PartOfSpeech::verb ||
                            next.tag == PartOfSpeech::auxiliary || next.tag == PartOfSpeech::conjunction ||
                            next.tag == PartOfSpeech::modal || next.lower == "and" || next.lower == "but";
      if (!headEnds || next.lower == "of") continue;
    }
    toks[i].tag = PartOfSpeech::noun;
    toks[i].lemma = "half-time";
    toks[i].entry = halfTime;
    toks[i].plural = false;
  }
}

// "both Anna and Peter", "either by card or in cash", "neither tea nor coffee": a pair of
// members that each take the pair's word, "mind Anna, mind Péter", "vagy kártyával, vagy
// készpénzzel", "sem a teát, sem a kávét"; the first word goes, its partner is unsaid
void correlativePairs(std::vector<Token>& toks) {
  static constexpr std::array<std::array<std::string_view, 3>, 3> kPairs{{
      {"both", "and", "mind"}, {"either", "or", "vagy"}, {"neither", "nor", "sem"}}};
  for (std::size_t i = 0; i + 3 < toks.size(); ++i) {
    const auto pair = std::find_if(kPairs.begin(), kPairs.end(), [&](const auto& p) { return p[0] == toks[i].lower; });
    if (pair == kPairs.end() || toks[i].pauseAfter || toks[i + 1].lower == "of") continue;
    // the partner within a few words, no verb between unless either member is a clause ("either
    // you leave or I call")
    std::size_t j = i + 2;
    for (; j < std::min(toks.size() - 1, i + 8); ++j) {
      if (toks[j].lower == (*pair)[1]) break;
      const bool verbal = toks[j].tag == PartOfSpeech::verb || toks[j].tag == PartOfSpeech::auxiliary ||
                          toks[j].tag == PartOfSpeech::modal;
      if ((verbal && (*pair)[0] != "either") || toks[j].lower == "and" || toks[j].lower == "or") {
        j = toks.size();
        break;
      }
    }
    if (j + 1 >= toks.size() || toks[j].lower != (*pair)[1] || toks[j - 1].pauseAfter) continue;
    toks[i + 1].correlative = toks[j + 1].correlative = (*pair)[2];
    toks[j].correlative = "-";
    toks[j + 1].secondOfPair = true;
    if (toks[j].lower == "nor") toks[j].lower = toks[j].lemma = "or", toks[j].tag = PartOfSpeech::conjunction;
    toks[i + 1].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
    toks[i + 1].word = toks[i].word;
    toks.erase(toks.begin() + std::ptrdiff_t(i));
  }
}

// "the best of them", "the worst of the films": the superlative alone ranks among the group
// after "of", an adjective said as a noun ("a legjobbat", not a noun's "legjobbot")
void bestOfAGroup(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i)
    if ((toks[i].lower == "best" || toks[i].lower == "worst") && toks[i].tag == PartOfSpeech::noun &&
        toks[i - 1].lower == "the" && toks[i + 1].lower == "of")
      if (const lexicon::Entry* adjective = core.find(toks[i].lower, PartOfSpeech::adjective)) {
        toks[i].tag = PartOfSpeech::adjective;
        toks[i].lemma = toks[i].lower;
        toks[i].entry = adjective;
        toks[i].plural = false;
      }
}

// "the old one", "a bigger one": the adjective stands for the noun, and Hungarian says no "one";
// "much older": "sokkal idősebb".
void markAdjectivesStandingAlone(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    // ("the red one": after the article the word before "one" is read as a noun; it is the adjective)
    if (toks[i].lower == "one" && i >= 2 && toks[i - 1].tag == PartOfSpeech::noun && !toks[i - 1].plural &&
        toks[i - 2].tag == PartOfSpeech::determiner)
      if (const lexicon::Entry* adjective = core.find(toks[i - 1].lower, PartOfSpeech::adjective)) {
        toks[i - 1].tag = PartOfSpeech::adjective;
        toks[i - 1].lemma = toks[i - 1].lower;
        toks[i - 1].entry = adjective;
        toks[i - 1].dictionarySenses.clear();
      }
    // ("the red ones", "clean ones": the adjective stands for them all, "a pirosak", "tisztákkal")
    if ((toks[i].lower == "one" || toks[i].lower == "ones") && toks[i - 1].tag == PartOfSpeech::adjective &&
        (i + 1 == toks.size() || toks[i + 1].tag != PartOfSpeech::noun)) {
      toks[i].tag = PartOfSpeech::particle;
      toks[i].entry = nullptr;
      toks[i].dictionarySenses.clear();
      if (toks[i].lower == "ones") toks[i - 1].plural = true;
    }
    // ("much better": "better" and "worse" are comparatives of their own)
    if (toks[i - 1].lower == "much" && (toks[i].lower == "better" || toks[i].lower == "worse"))
      if (const lexicon::Entry* e = core.find(toks[i].lower, PartOfSpeech::adjective)) {
        toks[i].tag = PartOfSpeech::adjective;
        toks[i].lemma = toks[i].lower;
        toks[i].entry = e;
        toks[i].degree = 1;
      }
    if (toks[i - 1].lower == "much" && toks[i].tag == PartOfSpeech::adjective && toks[i].degree == 1 &&
        (i + 1 == toks.size() || toks[i + 1].lower == "than" || toks[i + 1].tag != PartOfSpeech::noun)) {
      toks[i - 1].tag = PartOfSpeech::adverb;
      toks[i - 1].entry = core.find("much", PartOfSpeech::adverb);
    }
  }
  // "much more expensive", "far older", "a much bigger car", "far more slowly": how much more is
  // "sokkal" before any comparative, "more" or "less" with its word or the comparative's own
  // ending ("sokkal drágább", "sokkal idősebb", "egy sokkal nagyobb autó")
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& much = toks[i];
    if ((much.lower != "much" && much.lower != "far") || much.pauseAfter) continue;
    const Token& next = toks[i + 1];
    const bool ending = next.tag == PartOfSpeech::adjective && next.degree == 1 && next.lower != "more" &&
                        next.lower != "less";
    const bool withMore = (next.lower == "more" || next.lower == "less") && i + 2 < toks.size() &&
                          toks[i + 2].tag == PartOfSpeech::adjective;
    if (!ending && !withMore) continue;
    much.tag = PartOfSpeech::adverb;
    much.lemma = "much";
    much.entry = core.find("much", PartOfSpeech::adverb);
    much.dictionarySenses.clear();
  }
}

// "I'm afraid I can't come", "I'm afraid the shop is closed": regret, not fear, said "sajnos"
// ("Sajnos nem tudok jönni"); fear is of something or to do it ("afraid of dogs", "afraid to go").
void regretfulAfraid(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    // ("It's the gearbox, I'm afraid, and ...", "The shop is closed, I'm afraid.": set off by
    // commas, or closing the sentence after one, the words are an aside of regret)
    const bool aside = i > 0 && toks[i - 1].pauseAfter && (i + 3 == toks.size() || toks[i + 2].pauseAfter);
    if (i + 3 == toks.size() && !aside) continue;
    const std::string next = i + 3 < toks.size() ? toks[i + 3].lower : std::string();
    if (toks[i].lower != "i" || toks[i + 1].lower != "am" || toks[i + 2].lower != "afraid" ||
        (!aside && (next == "of" || next == "to" || next == "for" || toks[i + 2].pauseAfter)))
      continue;
    const lexicon::Entry* unfortunately = core.find("unfortunately", PartOfSpeech::adverb);
    if (!unfortunately) return;
    Token& t = toks[i];
    t.lower = t.lemma = "unfortunately";
    t.tag = PartOfSpeech::adverb;
    t.entry = unfortunately;
    t.words = toks[i + 2].word + toks[i + 2].words - t.word;
    // ("I'm afraid that the shop is closed": the "that" goes with the words it followed)
    const bool that = !aside && next == "that" && i + 4 < toks.size();
    if (that) t.words = toks[i + 3].word + toks[i + 3].words - t.word;
    t.pauseAfter = toks[i + 2].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(i) + (that ? 4 : 3));
  }
}

// "Hope you are well", "Hope to see you soon": a letter's "hope" leaves its "I" unsaid; it is no
// command ("Remélem, hogy jól vagy").
void hopeOfTheWriter(std::vector<Token>& toks) {
  if (toks.size() < 2 || toks[0].lemma != "hope" || toks[0].tag != PartOfSpeech::verb ||
      toks[0].form != VerbForm::base ||
      !(subjectPronoun(toks[1]) || toks[1].lower == "to" || toks[1].tag == PartOfSpeech::determiner ||
        toks[1].tag == PartOfSpeech::name))
    return;
  Token i = impliedWord("i", PartOfSpeech::pronoun, toks[0].word);
  i.person = 1;
  toks.insert(toks.begin(), std::move(i));
}

// "Looking forward to seeing you": a letter's closing leaves its "I am" unsaid ("Várom, hogy
// lássalak"), not the reader's doing.
void lookingForwardOfTheWriter(std::vector<Token>& toks) {
  if (toks.size() < 3 || toks[0].lower != "looking" || toks[0].tag != PartOfSpeech::verb ||
      toks[1].lower != "forward" || toks[2].lower != "to")
    return;
  Token i = impliedWord("i", PartOfSpeech::pronoun, toks[0].word);
  i.person = 1;
  Token am = impliedWord("am", PartOfSpeech::auxiliary, toks[0].word);
  am.person = 1;
  toks.insert(toks.begin(), {std::move(i), std::move(am)});
}

// "Please find the contract attached": a letter's way of saying the writer sends it with the
// letter, "Mellékelten küldöm a szerződést"; the sentence becomes "I send (attached) the contract".
void foundAttached(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const std::size_t find = !toks.empty() && toks[0].lower == "please" ? 1 : 0;
  if (toks.size() < find + 3 || toks[find].lemma != "find" || toks[find].tag != PartOfSpeech::verb ||
      toks[find].form != VerbForm::base)
    return;
  auto sent = [](const Token& t) { return t.lower == "attached" || t.lower == "enclosed"; };
  // ("Please find attached the invoice": before what is sent too)
  const std::size_t at = sent(toks.back()) ? toks.size() - 1 : sent(toks[find + 1]) ? find + 1 : 0;
  if (!at) return;
  // (one sentence of sending, "my CV and cover letter" what is sent: "... and let me know" keeps
  // its request whole)
  for (std::size_t k = find + 1; k < toks.size(); ++k)
    if (k != at && ((toks[k].tag == PartOfSpeech::verb && toks[k].form != VerbForm::participle &&
                     toks[k].form != VerbForm::past) ||
                    toks[k].lower == "let" ||
                    (toks[k].tag == PartOfSpeech::conjunction && toks[k].lower != "and" && toks[k].lower != "or")))
      return;
  const lexicon::Entry* verb = core.find("send", PartOfSpeech::verb);
  if (!verb) return;
  Token with = impliedWord("attached", PartOfSpeech::adverb, toks[at].word);
  with.words = 1;
  with.dictionarySenses = {"mell\xC3\xA9kelten"};
  toks.erase(toks.begin() + std::ptrdiff_t(at));
  Token& v = toks[find];
  v.lemma = v.lower = "send", v.entry = verb;
  Token i = impliedWord("i", PartOfSpeech::pronoun, v.word);
  toks.insert(toks.begin() + std::ptrdiff_t(find), std::move(with));
  i.person = 1;
  if (find == 1)
    i.word = toks[0].word, i.words = 1, toks[0] = std::move(i);  // "please" is said by the verb
  else
    toks.insert(toks.begin(), std::move(i));
}

// "Please accept our apologies for the delay": a letter's apology, "Elnézést kérünk a késésért";
// the sentence becomes "we apologise for the delay".
void acceptedApologies(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const std::size_t accept = !toks.empty() && toks[0].lower == "please" ? 1 : 0;
  if (toks.size() < accept + 4 || toks[accept].lower != "accept" || toks[accept + 2].lower != "apologies" ||
      (toks[accept + 1].lower != "our" && toks[accept + 1].lower != "my") || toks[accept + 3].lower != "for")
    return;
  const lexicon::Entry* apologise = core.find("apologize", PartOfSpeech::verb);
  if (!apologise) return;
  const bool we = toks[accept + 1].lower == "our";
  Token who = impliedWord(we ? "we" : "i", PartOfSpeech::pronoun, toks[accept + 1].word);
  who.person = 1, who.plural = we, who.words = 1;
  Token& verb = toks[accept + 2];
  verb.tag = PartOfSpeech::verb, verb.lemma = verb.lower = "apologize", verb.entry = apologise;
  verb.form = VerbForm::base, verb.plural = false;
  verb.words = verb.word + verb.words - toks[accept].word, verb.word = toks[accept].word;
  toks[accept + 1] = std::move(who);
  toks.erase(toks.begin(), toks.begin() + std::ptrdiff_t(accept + 1));  // ("please" is the apology's own)
}

// "We apologise for any inconvenience", "sorry for any delay": what one apologises for that may
// have come about is "az esetleges kellemetlenség", "any" its article and "esetleges".
void possibleCauseOfApology(std::vector<Token>& toks) {
  bool apologising = false;
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    apologising = apologising || toks[i].lemma == "apologize" || toks[i].lower == "sorry";
    if (!apologising || i == 0 || toks[i].lower != "any" || toks[i - 1].lower != "for" ||
        toks[i + 1].tag != PartOfSpeech::noun)
      continue;
    toks[i].lower = toks[i].lemma = "the", toks[i].tag = PartOfSpeech::determiner, toks[i].entry = nullptr;
    Token possible = impliedWord("esetleges", PartOfSpeech::adjective, toks[i].word);  // (no English word)
    possible.dictionarySenses = {"esetleges"};
    toks.insert(toks.begin() + std::ptrdiff_t(i + 1), std::move(possible));
  }
}

// "so tired", "so loudly that ...": before an adjective or an adverb "so" says how much
// ("olyan fáradt"), not what follows ("..., so I stayed": "így").
void soOfDegree(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i)
    if (toks[i].lower == "so" && !toks[i - 1].pauseAfter &&
        (toks[i + 1].tag == PartOfSpeech::adjective ||
         (toks[i + 1].tag == PartOfSpeech::adverb &&
          (endsWith(toks[i + 1].lower, "ly") ||
           // "ran so fast": how it was done; "I think so too", "said so again": "so" is "így"
           (toks[i - 1].tag == PartOfSpeech::verb &&
            core.find(toks[i + 1].lower, PartOfSpeech::adjective)) ||
           // "slammed the door so hard that": a clause of result follows
           (i + 2 < toks.size() && toks[i + 2].lower == "that")))))
      if (const lexicon::Entry* so = core.find("so", PartOfSpeech::adverb)) {
        toks[i].tag = PartOfSpeech::adverb;
        toks[i].entry = so;
      }
}

// "this one", "that one", "those ones": the demonstrative alone says it, "ez", "azt", "azok"
// ("I want that one": "Azt akarom"); "that one day" keeps its number.
void demonstrativeOnes(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    const std::string& d = toks[i].lower;
    const std::string& one = toks[i + 1].lower;
    if (!(((d == "this" || d == "that") && one == "one") || ((d == "these" || d == "those") && one == "ones")))
      continue;
    if (i + 2 < toks.size() && !toks[i + 1].pauseAfter &&
        (toks[i + 2].tag == PartOfSpeech::noun || toks[i + 2].tag == PartOfSpeech::adjective))
      continue;
    toks[i].words = toks[i + 1].word + toks[i + 1].words - toks[i].word;
    toks[i].pauseAfter = toks[i + 1].pauseAfter;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
  }
}

// "has so much money": the set phrase of thanks, "so much", before a noun is how much of it,
// "annyi" (the lexicon's "so many" and "too many" are phrases of their own)
void soMuchBeforeANoun(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if (toks[i].lower == "so much" && toks[i + 1].tag == PartOfSpeech::noun) {
      toks[i].lower = "much";
      toks[i].lemma = "so much";
      toks[i].tag = PartOfSpeech::determiner;
      toks[i].entry = nullptr;
      toks[i].dictionarySenses.clear();
    }
}

// "Do not tighten the cable too much", "stirred it too much": "too much" after the object a verb
// already has says how far it is done, "túlságosan" (the lexicon's "excessively"); where it is the object itself ("ate too
// much": "túl sokat") or before its noun ("too much salt") it stays the amount
void tooMuchOfDegree(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 2; i < toks.size(); ++i) {
    if (toks[i].lower != "too much" || toks[i - 1].pauseAfter) continue;
    if (i + 1 < toks.size() && !toks[i].pauseAfter &&
        (toks[i + 1].tag == PartOfSpeech::noun || toks[i + 1].tag == PartOfSpeech::adjective))
      continue;
    const Token& before = toks[i - 1];
    const bool afterObject = (before.tag == PartOfSpeech::noun && toks[i - 2].tag != PartOfSpeech::auxiliary) ||
                             listed(kObjectPronouns, before.lower) || before.lower == "it";
    const bool verbEarlier = std::any_of(toks.begin(), toks.begin() + std::ptrdiff_t(i - 1),
                                         [](const Token& t) { return t.tag == PartOfSpeech::verb; });
    const lexicon::Entry* degree = core.find("excessively", PartOfSpeech::adverb);
    if (!afterObject || !verbEarlier || !degree) continue;
    toks[i].tag = PartOfSpeech::adverb;
    toks[i].entry = degree;
    toks[i].dictionarySenses.clear();
  }
}

// "Take enough water", "have enough time": "enough" before a noun, past an adjective of it
// ("enough fresh water"), is how much of it, a determiner ("elég vizet"); after an adjective it
// stays the adverb ("old enough")
void enoughBeforeANoun(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    if (toks[i].lower != "enough" || toks[i].pauseAfter) continue;
    if (i > 0 && (toks[i - 1].tag == PartOfSpeech::adjective || toks[i - 1].tag == PartOfSpeech::adverb)) continue;
    std::size_t k = i + 1;
    if (toks[k].tag == PartOfSpeech::adjective && k + 1 < toks.size() && !toks[k].pauseAfter) ++k;
    if (toks[k].tag != PartOfSpeech::noun) continue;
    toks[i].tag = PartOfSpeech::determiner;
    toks[i].entry = nullptr;
    toks[i].dictionarySenses.clear();
  }
}

// "By the time we reached the village", "as soon as he arrives", "even though it rained",
// "provided that you pay": a clause's link of several words, one word before a subject ("Mire beértünk a faluba", "Amint
// megérkezik"); "by the time" of a clock stays a phrase.
void conjunctionsOfSeveralWords(std::vector<Token>& toks) {
  static constexpr std::string_view kLinks[][3] = {{"by", "the", "time"},
                                                   {"as", "soon", "as"},
                                                   {"as", "long", "as"},
                                                   {"even", "though", ""},
                                                   {"even", "if", ""},
                                                   {"provided", "that", ""},
                                                   {"providing", "that", ""},
                                                   {"in", "case", ""},
                                                   {"just", "as", ""},
                                                   {"as", "if", ""},
                                                   {"as", "though", ""}};
  // ("just as I said", "just as we expected": the manner, "épp ahogy", so "as" stays alone)
  auto ofSaying = [&](std::size_t from) {
    for (std::size_t k = from; k < toks.size() && k < from + 5; ++k)
      if (toks[k].tag == PartOfSpeech::verb) return saysOrKnows(toks[k].lemma);
    return false;
  };
  for (std::size_t i = 0; i < toks.size(); ++i)
    for (const auto& words : kLinks) {
      const std::size_t n = words[2].empty() ? 2 : 3;
      if (i + n >= toks.size()) continue;
      bool match = true;
      for (std::size_t k = 0; k < n && match; ++k) match = toks[i + k].lower == words[k];
      const Token& next = toks[i + n];
      // ("My hair is as long as my sister's": after the copula "as ... as" compares)
      const bool afterCopula = i > 0 && formOfBe(toks[i - 1].lower);
      if (!match || afterCopula || (words[0] == "just" && ofSaying(i + n)) ||
          !(subjectPronoun(next) || next.tag == PartOfSpeech::determiner ||
            next.tag == PartOfSpeech::possessive || next.tag == PartOfSpeech::name || next.lower == "it"))
        continue;
      Token& t = toks[i];
      t.lower = t.lemma =
          std::string(words[0]) + " " + std::string(words[1]) + (n == 3 ? " " + std::string(words[2]) : "");
      t.tag = PartOfSpeech::conjunction;
      t.entry = nullptr;
      t.words = toks[i + n - 1].word + toks[i + n - 1].words - t.word;
      toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(i + n));
      break;
    }
  // "every time I walk past": before a subject and its verb the time phrase links a clause,
  // "valahányszor"
  for (std::size_t i = 0; i + 2 < toks.size(); ++i)
    if ((toks[i].lower == "every time" || toks[i].lower == "each time") && subjectPronoun(toks[i + 1]) &&
        (toks[i + 2].tag == PartOfSpeech::verb || toks[i + 2].tag == PartOfSpeech::auxiliary ||
         toks[i + 2].tag == PartOfSpeech::modal))
      toks[i].tag = PartOfSpeech::conjunction, toks[i].lemma = "every time", toks[i].entry = nullptr;
}

// "every time I walk past", "Each time the phone rang", "next time you come": the set phrase of
// time before a subject and its verb links the clause ("valahányszor", "ha legközelebb")
void timesOfAClause(std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& t = toks[i];
    if ((t.lower != "every time" && t.lower != "each time" && t.lower != "next time") || t.pauseAfter) continue;
    const Token& next = toks[i + 1];
    if (!(subjectPronoun(next) || next.tag == PartOfSpeech::determiner || next.tag == PartOfSpeech::possessive ||
          next.tag == PartOfSpeech::name))
      continue;
    t.tag = PartOfSpeech::conjunction;
    t.entry = nullptr;
    t.dictionarySenses.clear();
  }
}

// "Can I have the bill?", "Could we have a table for two?": asking for something is asking to
// get it, "Kaphatok ...?", not owning it ("Van a számlám?").
void askingToHave(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  if (toks.size() < 4) return;
  const std::string_view modal = toks[0].lower;
  if (modal != "can" && modal != "could" && modal != "may") return;
  if (toks[1].lower != "i" && toks[1].lower != "we") return;
  Token& have = toks[2];
  const lexicon::Entry* get = core.find("get", PartOfSpeech::verb);
  if (have.lower != "have" || have.tag != PartOfSpeech::auxiliary || !get) return;
  const PartOfSpeech next = toks[3].tag;
  if (next != PartOfSpeech::determiner && next != PartOfSpeech::possessive && next != PartOfSpeech::noun &&
      next != PartOfSpeech::number && toks[3].lower != "some")
    return;
  // ("Can I have a look?", "Can we have lunch now?": what one has as doing it, no thing got)
  static constexpr std::string_view kDoings[] = {"look", "lunch", "breakfast", "dinner", "meal", "rest",
                                                 "break", "try", "go", "chat", "word", "shower", "bath",
                                                 "swim", "walk", "think", "seat", "nap", "party", "talk"};
  for (std::size_t k = 3; k < toks.size() && k < 6; ++k)
    if (toks[k].tag == PartOfSpeech::noun) {
      if (listed(kDoings, toks[k].lemma)) return;
      break;
    }
  have.tag = PartOfSpeech::verb;
  have.lemma = "get";
  have.form = VerbForm::base;
  have.entry = get;
  have.hasObject = true;
}

// "I did my homework", "She does the dishes", "What did you do at the weekend?": a "do" with no
// verb after it in its clause, before what is done, is the verb itself ("csinál"); "Yes, I do"
// and "So does she" stand for a verb said before and stay auxiliaries.
void doAsTheMainVerb(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kThings[] = {"nothing", "something", "everything", "anything",
                                                 "it",      "that",      "this",       "what"};
  const lexicon::Entry* entry = core.find("do", PartOfSpeech::verb);
  if (!entry) return;
  auto clauseEnds = [&](std::size_t k) {
    return toks[k].pauseAfter || toks[k].tag == PartOfSpeech::conjunction;
  };
  // ("Do it when you can", "Do it as he said": a clause of its own after what is done)
  static constexpr std::string_view kOpeners[] = {"when", "if", "as", "because", "before", "after",
                                                  "while", "until", "unless", "although", "where"};
  for (std::size_t i = 0; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.tag != PartOfSpeech::auxiliary || !isDoSupport(t.lower) || t.words != 1) continue;
    bool verbAfter = false;
    for (std::size_t k = i + 1; k < toks.size(); ++k) {
      if (k > i + 1 && listed(kOpeners, toks[k].lower)) break;
      // ("what you did last summer": "last" before a noun right after "did" is the time, no verb;
      // "does the last train leave" asks of the train)
      if (k == i + 1 && toks[k].lower == "last" && k + 1 < toks.size() && toks[k + 1].tag == PartOfSpeech::noun) break;
      if (toks[k].tag == PartOfSpeech::verb || toks[k].tag == PartOfSpeech::negation ||
          toks[k].tag == PartOfSpeech::auxiliary || toks[k].tag == PartOfSpeech::modal) {  // "does it have"
        verbAfter = true;
        break;
      }
      if (clauseEnds(k)) break;
    }
    if (verbAfter) continue;
    // "What did you do at the weekend?", "What do you do?": the question word is what is done;
    // so after a modal or "going to" ("What should I do?", "What are you going to do?")
    // (asked within too: "I don't know what I should do")
    std::size_t what = i;
    while (what > 0 && toks[what - 1].lower != "what" && !clauseEnds(what - 1)) --what;
    const bool askedWhat =
        what > 0 && toks[what - 1].lower == "what" && i >= what + 1 &&
        (((toks[i - 1].tag == PartOfSpeech::pronoun || toks[i - 1].lower == "to" ||
           toks[i - 1].tag == PartOfSpeech::modal) &&
          std::any_of(toks.begin() + std::ptrdiff_t(what), toks.begin() + std::ptrdiff_t(i), [](const Token& k) {
            return (k.tag == PartOfSpeech::auxiliary && isDoSupport(k.lower)) || k.tag == PartOfSpeech::modal ||
                   (k.tag == PartOfSpeech::verb && k.lemma == "go" && k.form == VerbForm::ing);
          })) ||
         // ("what you did yesterday": asked within, its subject right before)
         (i == what + 1 && what >= 2 && toks[what].tag == PartOfSpeech::pronoun));
    const bool thingDone =
        i + 1 < toks.size() && !clauseEnds(i) &&
        (toks[i + 1].tag == PartOfSpeech::determiner || toks[i + 1].tag == PartOfSpeech::possessive ||
         toks[i + 1].tag == PartOfSpeech::noun || toks[i + 1].tag == PartOfSpeech::number ||
         listed(kThings, toks[i + 1].lower));
    // "I don't know what to do", "how to do it": after the question and "to", the verb itself
    const bool toDo = i >= 2 && toks[i - 1].lower == "to" && t.lower == "do" &&
                      (toks[i - 2].lower == "what" || toks[i - 2].lower == "how");
    if (!thingDone && !askedWhat && !toDo) continue;
    t.tag = PartOfSpeech::verb;
    t.lemma = "do";
    t.form = t.lower == "did" ? VerbForm::past : t.lower == "does" ? VerbForm::third : VerbForm::base;
    t.entry = entry;
    t.hasObject = thingDone;
  }
}

// "I have run out of milk", "She has become a doctor", "He has cut his finger": after "have" a
// verb whose participle is spelled as its base ("run", "come", "put", "cut") is the participle,
// and the perfect a past ("Kifogytam", "Orvos lett"); an adverb may stand between ("has just put").
// So is one after "been", or after "be" with "by" or a particle after it, in a passive.
void participlesLikeTheirBase(std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.tag != PartOfSpeech::verb || t.form != VerbForm::base) continue;
    std::size_t k = i - 1;
    while (k > 0 && (toks[k].tag == PartOfSpeech::adverb || toks[k].tag == PartOfSpeech::negation)) --k;
    const Token& have = toks[k];
    if (have.tag == PartOfSpeech::auxiliary &&
        (have.lower == "have" || have.lower == "has" || have.lower == "had" || have.lower == "'ve"))
      t.form = VerbForm::participle;
    // ("has been run by the same family", "is run by my uncle": after "been" or "being", or
    // after "be" with its doer after "by", the passive's participle, "a család vezeti")
    // ("were cut off for six hours", "was put off": a particle after it, or in its phrase)
    static constexpr std::string_view kParticles[] = {"off", "out", "up", "down", "away", "back"};
    // ("was put on the table", "were hit in the face": a place or a time after it, too)
    const bool byAfter = (i + 1 < toks.size() && (toks[i + 1].lower == "by" || listed(kParticles, toks[i + 1].lower) ||
                                                  toks[i + 1].tag == PartOfSpeech::preposition)) ||
                         t.words > 1;
    if (have.lower == "been" || have.lower == "being" ||
        (byAfter && (have.lower == "is" || have.lower == "are" || have.lower == "was" || have.lower == "were" ||
                     have.lower == "be")))
      t.form = VerbForm::participle;
  }
}

// "will not be used for a long time", "is used as a school": after "be" and before a preposition
// or an adverb, "used" is the passive of using, not the adjective of things had before
// ("használt autó"); "used to" stays what one is used to.
void usedAsPassive(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.lower != "used" || t.tag != PartOfSpeech::adjective) continue;
    std::size_t k = i - 1;
    while (k > 0 && (toks[k].tag == PartOfSpeech::adverb || toks[k].tag == PartOfSpeech::negation)) --k;
    const bool afterBe = toks[k].tag == PartOfSpeech::auxiliary && formOfBe(toks[k].lower);
    // ("This car is used": the adjective, where nothing follows)
    const bool closes = i + 1 < toks.size() && !t.pauseAfter &&
                        ((toks[i + 1].tag == PartOfSpeech::preposition && toks[i + 1].lower != "to") ||
                         toks[i + 1].tag == PartOfSpeech::adverb);
    if (!afterBe || !closes) continue;
    if (const lexicon::Entry* e = core.find("use", PartOfSpeech::verb))
      t.tag = PartOfSpeech::verb, t.form = VerbForm::participle, t.lemma = "use", t.entry = e;
  }
}

// "How long does the journey take?": the time a thing takes, asked, is "tart" ("Meddig tart az
// utazás?"), as a span after "take" is ("Két óráig tart"); asked within a clause too ("Could
// you tell me how long the process usually takes?": "mennyi ideig tart").
void howLongItTakes(std::vector<Token>& toks) {
  bool asked = false;  // a "how long" before, in the same stretch up to a comma
  for (std::size_t i = 0; i < toks.size(); ++i) {
    if (toks[i].lemma == "how long") {
      asked = true;
    } else if (asked && toks[i].tag == PartOfSpeech::verb && toks[i].lemma == "take" && !toks[i].hasObject &&
               (i + 1 == toks.size() || toks[i].pauseAfter)) {
      toks[i].neighbour = "hour", toks[i].neighbourIsSubject = false;
      return;
    }
    if (toks[i].pauseAfter) asked = false;
  }
}

// "kicked the door shut", "slammed it shut", "pushed the gate open": after the object of a push
// or a blow, a word that is also an adjective of state is the state the act left it in, not a
// verb ("becsukta az ajtót").
void statesLeftByAPush(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  static constexpr std::string_view kPushes[] = {"push", "pull", "kick", "slam", "swing", "force", "bang",
                                                 "blow", "jam",  "knock", "shove", "slide", "prise", "pry"};
  for (std::size_t v = 0; v + 2 < toks.size(); ++v) {
    if (toks[v].tag != PartOfSpeech::verb || !listed(kPushes, toks[v].lemma)) continue;
    std::size_t k = v + 1;
    if (toks[k].tag == PartOfSpeech::pronoun && !subjectPronoun(toks[k])) {
      ++k;
    } else {
      while (k < toks.size() && (toks[k].tag == PartOfSpeech::determiner || toks[k].tag == PartOfSpeech::possessive ||
                                 toks[k].tag == PartOfSpeech::adjective))
        ++k;
      if (k >= toks.size() || toks[k].tag != PartOfSpeech::noun) continue;
      ++k;
    }
    if (k >= toks.size() || toks[k].tag != PartOfSpeech::verb) continue;
    if (k + 1 < toks.size() && !toks[k].pauseAfter && toks[k + 1].tag != PartOfSpeech::conjunction &&
        toks[k + 1].tag != PartOfSpeech::preposition)
      continue;
    const lexicon::Entry* state = core.find(toks[k].lower, PartOfSpeech::adjective);
    if (!state || state->senses.empty() || !state->senses.front().keepsCopula) continue;
    toks[k].tag = PartOfSpeech::adjective, toks[k].entry = state, toks[k].lemma = toks[k].lower;
  }
}

// "Frozen vegetables are cheap": a participle opening the sentence before its noun, the
// clause's verb after, is the lexicon's adjective where it has one ("A fagyasztott zöldségek").
void openingParticiplesThatAreAdjectives(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  if (toks.size() < 3 || toks[0].tag != PartOfSpeech::verb ||
      (toks[0].form != VerbForm::past && toks[0].form != VerbForm::participle) || toks[1].tag != PartOfSpeech::noun ||
      toks[1].possessor)
    return;
  if (std::none_of(toks.begin() + 2, toks.end(), [](const Token& t) {
        return t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal;
      }))
    return;
  if (const lexicon::Entry* adjective = core.find(toks[0].lower, PartOfSpeech::adjective))
    toks[0].tag = PartOfSpeech::adjective, toks[0].entry = adjective, toks[0].lemma = toks[0].lower;
}

// "two kilometres from the beach", "lives ten miles from the city", "miles from the nearest
// village": a distance before "from" says how far off, one adverb in "-re" ("két kilométerre
// a strandtól", "mérföldekre"), no object and no predicate noun
void distancesFrom(std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
      {"kilometre", "kilom\xC3\xA9terre"}, {"kilometer", "kilom\xC3\xA9terre"}, {"km", "kilom\xC3\xA9terre"},
      {"mile", "m\xC3\xA9rf\xC3\xB6ldre"}, {"metre", "m\xC3\xA9terre"}, {"meter", "m\xC3\xA9terre"}};
  static constexpr std::pair<std::string_view, std::string_view> kManyUnits[] = {
      {"kilometres", "kilom\xC3\xA9terekre"}, {"kilometers", "kilom\xC3\xA9terekre"}, {"miles", "m\xC3\xA9rf\xC3\xB6ldekre"}};
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& t = toks[i];
    const bool digits = !t.lower.empty() && t.lower[0] >= '0' && t.lower[0] <= '9';
    // ("a few kilometres from the town": "néhány kilométerre", "several miles": "több mérföldre")
    const bool few = (t.tag == PartOfSpeech::adjective || t.tag == PartOfSpeech::determiner) &&
                     (t.lemma == "a few" || t.lower == "several");
    if (((t.tag == PartOfSpeech::number && t.value > 0) || few) && !t.pauseAfter &&
        toks[i + 1].tag == PartOfSpeech::noun && toks[i + 2].lower == "from" && !toks[i + 1].pauseAfter) {
      for (const auto& [unit, far] : kUnits)
        if (toks[i + 1].lemma == unit) {
          const std::string count = few ? (t.lemma == "a few" ? "n\xC3\xA9h\xC3\xA1ny" : "t\xC3\xB6" "bb")
                                    : digits ? std::to_string(t.value)
                                             : numberInWords(t.value, true);
          t.dictionarySenses = {count + " " + std::string(far)};
          t.tag = PartOfSpeech::adverb, t.entry = nullptr, t.value = -1;
          t.lower = t.lemma = t.lower + " " + toks[i + 1].lower;
          t.written += " " + toks[i + 1].written;
          t.words = toks[i + 1].word + toks[i + 1].words - t.word;
          toks.erase(toks.begin() + std::ptrdiff_t(i) + 1);
          t.distance = true;
          break;
        }
      continue;
    }
    // ("miles from the nearest village": a bare plural, no number or determiner before it)
    if (t.tag == PartOfSpeech::noun && toks[i + 1].lower == "from" && !t.pauseAfter &&
        (i == 0 || (toks[i - 1].tag != PartOfSpeech::determiner && toks[i - 1].tag != PartOfSpeech::adjective &&
                    toks[i - 1].tag != PartOfSpeech::possessive && toks[i - 1].tag != PartOfSpeech::number)))
      for (const auto& [units, far] : kManyUnits)
        if (t.lower == units) {
          t.dictionarySenses = {std::string(far)};
          t.tag = PartOfSpeech::adverb, t.entry = nullptr;
          t.distance = true;
          break;
        }
  }
}

// "for three days in a row", "two years in a row": a span whose days came one after another is
// when it happened, on so many days that followed each other, "három egymást követő napon",
// one adverb where "Sorozatban" went first and the span apart
void spansInARow(std::vector<Token>& toks) {
  static constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
      {"day", "napon"},       {"night", "\xC3\xA9jszak\xC3\xA1n"}, {"week", "h\xC3\xA9ten"},
      {"weekend", "h\xC3\xA9tv\xC3\xA9g\xC3\xA9n"}, {"month", "h\xC3\xB3napban"}, {"year", "\xC3\xA9vben"}};
  for (std::size_t i = 0; i + 2 < toks.size(); ++i) {
    Token& t = toks[i];
    const bool digits = !t.lower.empty() && t.lower[0] >= '0' && t.lower[0] <= '9';
    if (t.tag != PartOfSpeech::number || t.value < 2 || t.pauseAfter || toks[i + 1].tag != PartOfSpeech::noun ||
        toks[i + 2].lemma != "in a row" || toks[i + 1].pauseAfter)
      continue;
    for (const auto& [unit, on] : kUnits)
      if (toks[i + 1].lemma == unit) {
        std::size_t first = i;
        if (i > 0 && toks[i - 1].lower == "for" && !toks[i - 1].pauseAfter) first = i - 1;  // ("for three days")
        Token& span = toks[first];
        span.dictionarySenses = {(digits ? t.lower : numberInWords(t.value, true)) + " egym\xC3\xA1st k\xC3\xB6vet\xC5\x91 " +
                                 std::string(on)};
        span.lower = span.lemma = "in a row for " + toks[i + 1].lower;
        span.written = span.lower;
        span.tag = PartOfSpeech::adverb, span.entry = nullptr, span.value = -1;
        span.words = toks[i + 2].word + toks[i + 2].words - span.word;
        span.pauseAfter = toks[i + 2].pauseAfter;
        toks.erase(toks.begin() + std::ptrdiff_t(first) + 1, toks.begin() + std::ptrdiff_t(i) + 3);
        break;
      }
  }
}

// "at 10 am": after an hour "am" is the morning's half of the day, no "be" ("délelőtt 10-kor")
void morningAfterAnHour(std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i)
    if ((toks[i].lower == "am" || toks[i].lower == "a.m") && toks[i - 1].tag == PartOfSpeech::number)
      toks[i].tag = PartOfSpeech::particle, toks[i].entry = nullptr;
}

// "minus ten degrees", "to minus five": "minus" before a number is its sign, the lexicon's
// adjective ("mínusz tíz fokra"), not a preposition or a verb's "to"
void minusBeforeNumbers(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i)
    if (toks[i].lower == "minus" && toks[i + 1].tag == PartOfSpeech::number && !toks[i].pauseAfter)
      if (const lexicon::Entry* sign = core.find("minus", PartOfSpeech::adjective)) {
        toks[i].tag = PartOfSpeech::adjective, toks[i].entry = sign, toks[i].lemma = "minus";
        toks[i].dictionarySenses.clear();
        if (i > 0 && toks[i - 1].lower == "to" && toks[i - 1].tag == PartOfSpeech::infinitiveTo)
          toks[i - 1].tag = PartOfSpeech::preposition;
      }
}

// "written permission", "a written and an oral part": a participle before a noun, or before
// "and" or "or" and another adjective of the noun, is the lexicon's adjective where it has one
// ("írásbeli engedély"); after "have" or "be" it stays the verb ("has written letters")
void participlesBeforeNounsThatAreAdjectives(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.tag != PartOfSpeech::verb || (t.form != VerbForm::past && t.form != VerbForm::participle) ||
        t.words != 1 || t.pauseAfter)
      continue;
    const Token& next = toks[i + 1];
    const bool beforeNoun = next.tag == PartOfSpeech::noun && !next.possessor;
    const bool beforeAnother = (next.lower == "and" || next.lower == "or") && i + 3 < toks.size() &&
                               (toks[i + 2].tag == PartOfSpeech::adjective ||
                                (toks[i + 2].tag == PartOfSpeech::determiner && toks[i + 3].tag == PartOfSpeech::adjective));
    if (!beforeNoun && !beforeAnother) continue;
    std::size_t k = i;
    while (k > 0 && (toks[k - 1].tag == PartOfSpeech::adverb || toks[k - 1].tag == PartOfSpeech::negation)) --k;
    if (k == 0 && beforeNoun) continue;  // ("Frozen vegetables": the sentence's opening has its own rule)
    if (k > 0) {
      const Token& before = toks[k - 1];
      if (before.tag == PartOfSpeech::auxiliary || before.tag == PartOfSpeech::modal ||
          before.tag == PartOfSpeech::pronoun || before.tag == PartOfSpeech::noun || before.tag == PartOfSpeech::name)
        continue;  // ("has written letters", "she wrote letters", "the boy sent messages")
    }
    if (const lexicon::Entry* adjective = core.find(t.lower, PartOfSpeech::adjective))
      t.tag = PartOfSpeech::adjective, t.entry = adjective, t.lemma = t.lower;
  }
}

// "the forgotten streets", "the baking contest": a participle WordNet lists as an adjective the
// core lexicon lacks is its verb's form, translated from the verb ("elfelejtett", "sütő") rather
// than left in English or said as the bare stem. An "-ing" one is so after an article or "my"
// ("with trembling hands" keeps the dictionary's "remegő"); a past one when the dictionary has
// no word for it ("beaten eggs" keep "vert").
void participlesBeforeNounsOfKnownVerbs(const lexicon::CoreLexicon& core, const Dictionary& dict,
                                        std::vector<Token>& toks) {
  for (std::size_t i = 1; i + 1 < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.tag != PartOfSpeech::adjective || t.entry || t.words != 1 || t.pauseAfter ||
        toks[i + 1].tag != PartOfSpeech::noun || core.find(t.lower, PartOfSpeech::adjective))
      continue;
    const bool ing = endsWith(t.lower, "ing");
    // (after an owner the clause reader would take a verb for the clause's: a past participle
    // there stays an adjective with the verb's participle as its word, "a város elfelejtett utcái")
    const bool owned = toks[i - 1].possessor;
    if (owned && ing) continue;
    DictionaryEntry d;
    if (ing ? toks[i - 1].tag != PartOfSpeech::determiner && toks[i - 1].tag != PartOfSpeech::possessive
            : dict.find(t.lower, d))
      continue;
    for (const Reading& r : readingsOf(core, t))
      if (r.tag == PartOfSpeech::verb && (r.form == VerbForm::ing) == ing &&
          (r.form == VerbForm::ing || r.form == VerbForm::past))
        if (const lexicon::Entry* verb = core.find(r.lemma, PartOfSpeech::verb)) {
          if (!owned)
            t.tag = PartOfSpeech::verb, t.entry = verb, t.lemma = r.lemma, t.form = r.form;
          else if (!verb->senses.empty() && verb->senses.front().word.find(' ') == std::string::npos)
            t.dictionarySenses = {finishedParticiple(verb->senses.front())};
          break;
        }
  }
}

// "Were the windows locked?", "Why was the shop closed?": a form of "be" asks about its subject,
// and the "-ed" word after that subject is the passive's participle, not a past of the subject.
void passivesAskedAbout(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  std::size_t be = toks.size() > 1 && toks[0].tag == PartOfSpeech::question ? 1 : 0;
  if (be >= toks.size() || toks[be].tag != PartOfSpeech::auxiliary) return;
  static constexpr std::string_view kBe[] = {"is", "are", "was", "were", "am"};
  if (!listed(kBe, toks[be].lower)) return;
  std::size_t i = be + 1;
  auto inSubject = [](const Token& t) {
    return t.tag == PartOfSpeech::determiner || t.tag == PartOfSpeech::possessive || t.tag == PartOfSpeech::adjective ||
           t.tag == PartOfSpeech::noun || t.tag == PartOfSpeech::name || t.tag == PartOfSpeech::number ||
           (t.tag == PartOfSpeech::pronoun && subjectPronoun(t));
  };
  while (i < toks.size() && inSubject(toks[i])) ++i;
  if (i == be + 1 || i >= toks.size()) return;
  if (toks[i].tag == PartOfSpeech::negation || toks[i].tag == PartOfSpeech::adverb) ++i;  // "Was it not ..."
  if (i >= toks.size() || toks[i].tag != PartOfSpeech::verb || toks[i].form != VerbForm::past) return;
  // ("Is the shop closed?": a state the lexicon has as an adjective is asked about as one, as
  // it is said, "Zárva van a bolt?")
  if (const lexicon::Entry* state = core.find(toks[i].lower, PartOfSpeech::adjective); state && i + 1 == toks.size()) {
    toks[i].tag = PartOfSpeech::adjective, toks[i].entry = state, toks[i].lemma = toks[i].lower;
    return;
  }
  toks[i].form = VerbForm::participle;
}

// "Do you feel better now?", "it is warmer today": a word the core lexicon has as an adverb and
// never as a noun is no noun after an adjective or a verb, whatever WordNet counts ("now" is a
// noun there); after a determiner or a preposition it may be one ("by now", "until now").
void adverbsTheLexiconKnowsAsNoNoun(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    const PartOfSpeech before = toks[i - 1].tag;
    if (t.tag != PartOfSpeech::noun || t.words != 1 || core.find(t.lower, PartOfSpeech::noun) ||
        (before != PartOfSpeech::adjective && before != PartOfSpeech::verb))
      continue;
    if (const lexicon::Entry* adverb = core.find(t.lower, PartOfSpeech::adverb)) {
      t.tag = PartOfSpeech::adverb;
      t.lemma = t.lower;
      t.entry = adverb;
      t.plural = false;
      t.dictionarySenses.clear();
    }
  }
}

// "remained closed", "stay calm", "looks pale": after a verb that links its subject to a state
// as the copula does, a word that may be an adjective is one, unless a noun follows it.
void predicatesOfLinkingVerbs(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  // the adjective the lexicon has for the word, as the state the linking verb gives
  auto readAsAdjective = [&](Token& t) {
    if (const lexicon::Entry* adjective = core.find(t.lower, PartOfSpeech::adjective)) {
      t.tag = PartOfSpeech::adjective;
      t.lemma = t.lower;
      t.entry = adjective;
      t.form = VerbForm::base;
      t.dictionarySenses.clear();
    }
  };
  static constexpr std::string_view kLinking[] = {"remain", "stay", "seem", "look", "appear", "feel", "sound"};
  for (std::size_t i = 1; i < toks.size(); ++i) {
    // ("seems to be tired": the same as "seems tired", "fáradtnak tűnik")
    if (i + 2 < toks.size() && toks[i - 1].tag == PartOfSpeech::verb &&
        (toks[i - 1].lemma == "seem" || toks[i - 1].lemma == "appear") && toks[i].lower == "to" &&
        toks[i + 1].lower == "be")
      toks.erase(toks.begin() + std::ptrdiff_t(i), toks.begin() + std::ptrdiff_t(i) + 2);
    const Token& verb = toks[i - 1];
    Token& t = toks[i];
    if (verb.tag != PartOfSpeech::verb || !listed(kLinking, verb.lemma) || t.tag == PartOfSpeech::adjective ||
        (i + 1 < toks.size() && toks[i + 1].tag == PartOfSpeech::noun))
      continue;
    // ("We stayed late": an adverb the lexicon has says how, no state)
    if (t.tag == PartOfSpeech::adverb && core.find(t.lower, PartOfSpeech::adverb)) continue;
    readAsAdjective(t);
  }
  // ("remained calm and quiet": a second state after "and" or "or", no verb of its own)
  for (std::size_t i = 2; i + 1 < toks.size(); ++i) {
    Token& t = toks[i + 1];
    if ((toks[i].lower != "and" && toks[i].lower != "or") || toks[i - 1].tag != PartOfSpeech::adjective ||
        toks[i - 2].tag != PartOfSpeech::verb || !listed(kLinking, toks[i - 2].lemma) ||
        t.tag == PartOfSpeech::adjective ||
        // ("stay calm and clean the kitchen": a verb with its object)
        (i + 2 < toks.size() && (toks[i + 2].tag == PartOfSpeech::noun || toks[i + 2].tag == PartOfSpeech::determiner ||
                                 toks[i + 2].tag == PartOfSpeech::possessive || toks[i + 2].tag == PartOfSpeech::pronoun ||
                                 toks[i + 2].tag == PartOfSpeech::particle)) ||
        (t.tag == PartOfSpeech::verb && t.form != VerbForm::base))
      continue;
    readAsAdjective(t);
  }
}

}  // namespace

bool judgesBefore(const std::vector<Token>& t, std::size_t forIndex) {
  static constexpr std::string_view kJudging[] = {"forgive",   "blame",     "punish", "fine",        "criticise",
                                                  "criticize", "praise",    "scold",  "apologise",   "apologize",
                                                  "sue",       "arrest",    "sack",   "congratulate", "reward"};
  for (std::size_t k = forIndex; k-- > 0 && !t[k].pauseAfter;)
    if (t[k].tag == PartOfSpeech::verb) return listed(kJudging, t[k].lemma);
  return false;
}

bool thanksBefore(const std::vector<Token>& t, std::size_t forIndex) {
  if (forIndex < 1 || forIndex >= t.size()) return false;
  // ("thanks again for", "thank you so much for")
  if (forIndex >= 2 && (t[forIndex - 1].lower == "again" || muchOfThanks(t[forIndex - 1]))) --forIndex;
  const std::string& before = t[forIndex - 1].lower;
  return before == "thanks" || before == "thank you" || before == "many thanks" ||
         (forIndex >= 2 && before == "you" && t[forIndex - 2].lower == "thank");
}

bool regretsBefore(const std::vector<Token>& t, std::size_t forIndex) {
  return forIndex >= 1 && forIndex < t.size() && t[forIndex - 1].lower == "sorry";
}

bool opensIngClauseOfTime(std::string_view word) {
  return word == "before" || word == "after" || word == "while" || word == "when" || word == "without";
}

bool unitOfTime(std::string_view lemma) {
  static constexpr std::string_view kUnits[] = {"second", "minute", "hour",   "day",     "week",
                                                "month",  "year",   "decade", "century", "moment"};
  return listed(kUnits, lemma);
}

bool howManyTimes(const std::vector<Token>& t, std::size_t k) {
  return k + 1 < t.size() && t[k].tag == PartOfSpeech::number && t[k].value >= 1 &&
         t[k + 1].lemma == "time" && t[k + 1].plural;
}

bool greets(const Token& t) {
  static constexpr std::string_view kGreetings[] = {"hi", "hello", "hey", "dear"};
  return listed(kGreetings, std::string_view(t.lower).substr(0, t.lower.find(' ')));
}

bool startsWithCapital(const Token& t) {
  return !t.written.empty() && t.written[0] >= 'A' && t.written[0] <= 'Z';
}

bool formOfBe(std::string_view w) {
  return w == "am" || w == "is" || w == "are" || w == "was" || w == "were" || w == "be" || w == "been";
}

bool opensAnAnswer(std::string_view lower) {
  return lower == "yes" || lower == "no" || lower == "well" || lower == "oh" || lower == "okay" || lower == "ok";
}

bool isDayName(std::string_view lemma) {
  static constexpr std::string_view kDays[] = {"monday", "tuesday",  "wednesday", "thursday",
                                               "friday", "saturday", "sunday"};
  return listed(kDays, lemma);
}

bool isBeingThere(std::string_view lemma) {
  static constexpr std::string_view kBeingThere[] = {"sit", "stand", "lie", "hang", "live", "appear"};
  return listed(kBeingThere, lemma);
}

bool saysOrKnows(std::string_view lemma) {
  static constexpr std::string_view kSayingOrKnowing[] = {"say", "know", "tell", "expect", "promise",
                                                          "mention", "explain", "predict", "see", "hear",
                                                          "suspect", "imagine", "plan", "suggest", "describe"};
  return listed(kSayingOrKnowing, lemma);
}

bool keptStatePhrase(const Token& t) {
  return t.tag == PartOfSpeech::adverb && (t.lower == "in secret" || t.lower == "at the ready");
}

bool isTitle(const Token& t) {
  return t.lower == "mr" || t.lower == "mrs" || t.lower == "ms" || t.lower == "dr" ||
         (t.lower == "miss" && startsWithCapital(t)) ||  // "Miss Hill"
         // "Aunt Rose", "Uncle Bob" (but "my aunt")
         ((t.lower == "aunt" || t.lower == "uncle") && startsWithCapital(t));
}

bool muchOfThanks(const Token& t) { return t.lower == "so much" || t.lower == "very much"; }

bool listsWord(std::string_view list, std::string_view word) {
  // (a compound is a kind of its last word: "power button" is a button)
  const std::size_t space = word.rfind(' ');
  const std::string_view last = space == word.npos ? std::string_view() : word.substr(space + 1);
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t end = std::min(list.find('/', at), list.size());
    const std::string_view listed = list.substr(at, end - at);
    if (listed == word || (!last.empty() && listed == last)) return true;
    at = end + 1;
  }
  return false;
}

bool subjectPronoun(const Token& t) {
  return t.tag == PartOfSpeech::pronoun && (t.lower == "i" || t.lower == "you" || t.lower == "he" ||
                                            t.lower == "she" || t.lower == "we" || t.lower == "they");
}

// The "-s" label of a number, what names one of a numbered series ("négyes", "12-es", "305-ös"):
// in words to ninety-nine, in digits as written.
std::string labelOfNumber(long long n, bool digits) {
  // the label of a last digit, of a ten, in words and as a suffix after digits
  static constexpr std::string_view kUnits[][2] = {
      {"", ""},        {"egyes", "es"}, {"kettes", "es"},  {"h\xC3\xA1rmas", "as"}, {"n\xC3\xA9gyes", "es"},
      {"\xC3\xB6t\xC3\xB6s", "\xC3\xB6s"}, {"hatos", "os"},  {"hetes", "es"},   {"nyolcas", "as"}, {"kilences", "es"}};
  static constexpr std::string_view kTens[][3] = {
      {"", "", ""},
      {"t\xC3\xADzes", "tizen", "es"},
      {"h\xC3\xBAszas", "huszon", "as"},
      {"harmincas", "harminc", "as"},
      {"negyvenes", "negyven", "es"},
      {"\xC3\xB6tvenes", "\xC3\xB6tven", "es"},
      {"hatvanas", "hatvan", "as"},
      {"hetvenes", "hetven", "es"},
      {"nyolcvanas", "nyolcvan", "as"},
      {"kilencvenes", "kilencven", "es"}};
  if (!digits && n < 100)
    return n % 10 == 0 ? std::string(kTens[n / 10][0])
                       : std::string(kTens[n / 10][1]) + std::string(kUnits[n % 10][0]);
  return std::to_string(n) + "-" +
         std::string(n % 10 ? kUnits[n % 10][1]
                     : n % 100 ? kTens[n % 100 / 10][2]
                     : n % 1000 ? std::string_view("as")
                                : std::string_view("es"));
}

// "platform four", "gate 12", "room 305": a number after the noun it names one of is its "-s"
// label before it, with the article ("a négyes vágány", "a 12-es kapu", "a 305-ös szoba").
void numberedOnes(std::vector<Token>& toks) {
  static constexpr std::string_view kNumbered[] = {"platform", "gate", "room", "bus", "tram", "line", "terminal",
                                                   "exit", "junction", "chapter", "page", "seat", "table",
                                                   "question", "track", "hall", "ward", "door",
                                                   "flight", "flat", "apartment", "house", "floor",
                                                   "level", "lane", "window", "counter", "zone"};
  for (std::size_t i = 0; i + 1 < toks.size(); ++i) {
    Token& noun = toks[i];
    Token& number = toks[i + 1];
    if (noun.tag != PartOfSpeech::noun || noun.plural || !listed(kNumbered, noun.lemma) ||
        number.tag != PartOfSpeech::number || number.value < 1 || number.value >= 1000000 || noun.pauseAfter)
      continue;
    // (not a count of what follows: "bus 7 minutes", nor after an article or an owner: "the
    // room two people share")
    if (i + 2 < toks.size() && (toks[i + 2].tag == PartOfSpeech::noun || toks[i + 2].tag == PartOfSpeech::adjective))
      continue;
    if (i > 0 && (toks[i - 1].tag == PartOfSpeech::determiner || toks[i - 1].tag == PartOfSpeech::possessive ||
                  toks[i - 1].tag == PartOfSpeech::number))
      continue;
    const long long n = number.value;
    const bool digits = !number.lower.empty() && number.lower[0] >= '0' && number.lower[0] <= '9';
    const std::string label = labelOfNumber(n, digits);
    number.tag = PartOfSpeech::adjective;
    number.value = -1;
    number.dictionarySenses = {label};
    // (the noun's sense for one of a numbered series: "vágány" of a platform)
    number.lemma = "numbered";
    const bool pause = number.pauseAfter;
    std::swap(toks[i], toks[i + 1]);
    toks[i].pauseAfter = false;
    toks[i + 1].pauseAfter = pause;
    toks.insert(toks.begin() + std::ptrdiff_t(i), impliedWord("the", PartOfSpeech::determiner, toks[i].word));
    i += 2;
  }
}

// "Call me on 06 30 123 4567", "reach us at 0800 123 456": a phone number after "on" or "at" is
// the number it labels, "a 06 30 123 4567-es számon": three or more groups of digits, or two
// when the first opens with a nought.
void phoneNumbers(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  auto digitGroup = [&](std::size_t k) {
    const std::string& w = toks[k].lower;
    return toks[k].tag == PartOfSpeech::number && !w.empty() &&
           std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  const lexicon::Entry* number = core.find("number", PartOfSpeech::noun);
  for (std::size_t i = 1; number && i + 2 < toks.size(); ++i) {
    if ((toks[i - 1].lower != "on" && toks[i - 1].lower != "at") || !digitGroup(i)) continue;
    std::size_t end = i + 1;
    while (end < toks.size() && digitGroup(end) && !toks[end - 1].pauseAfter) ++end;
    if (end - i < 2 || (end - i == 2 && toks[i].lower[0] != '0')) continue;
    Token& label = toks[i];
    const std::size_t at = label.word;
    std::string written = label.written;
    for (std::size_t k = i + 1; k < end; ++k) written += " " + toks[k].written;
    const std::string& last = toks[end - 1].lower;
    const std::string suffix = labelOfNumber(std::stoll(last.substr(last.size() > 6 ? last.size() - 6 : 0)), true);
    label.tag = PartOfSpeech::adjective;
    label.value = -1;
    label.entry = nullptr;
    label.dictionarySenses = {written + suffix.substr(suffix.find('-'))};
    label.words = toks[end - 1].word + toks[end - 1].words - label.word;
    Token noun = impliedWord("number", PartOfSpeech::noun, at);
    noun.entry = number;
    noun.pauseAfter = toks[end - 1].pauseAfter;
    label.pauseAfter = false;
    toks.erase(toks.begin() + std::ptrdiff_t(i) + 1, toks.begin() + std::ptrdiff_t(end));
    toks.insert(toks.begin() + std::ptrdiff_t(i) + 1, std::move(noun));
    toks.insert(toks.begin() + std::ptrdiff_t(i), impliedWord("the", PartOfSpeech::determiner, at));
    i += 2;
  }
}

// "The repair cost less than we estimated": "cost" after a noun and before what it amounts to is
// the verb ("kevesebbe került"), no compound of the noun ("javításköltség"); after a singular
// noun it is the past, the present being "costs". (Closing a question, "How much will all this
// cost?", the reading chooser makes it the verb already.)
void costAsAVerb(const lexicon::CoreLexicon& core, std::vector<Token>& toks) {
  const lexicon::Entry* cost = nullptr;
  static constexpr std::string_view kAmounts[] = {"more", "less",  "much", "nothing", "a",      "an",    "us",
                                                  "me",   "him",   "them", "you",     "over",   "about", "around",
                                                  "almost", "nearly", "only", "just", "twice", "far",  "the"};
  for (std::size_t i = 1; i < toks.size(); ++i) {
    Token& t = toks[i];
    if (t.lower != "cost" || t.tag != PartOfSpeech::noun) continue;
    const Token& before = toks[i - 1];
    bool amount = false;
    if (i + 1 < toks.size() && before.tag == PartOfSpeech::noun && !before.possessor && !before.pauseAfter) {
      const Token& next = toks[i + 1];
      amount = listed(kAmounts, next.lower) || next.tag == PartOfSpeech::number ||
               next.lower.starts_with("\xC2\xA3") || next.lower.starts_with("$") ||
               next.lower.starts_with("\xE2\x82\xAC");
    }
    if (!amount) continue;
    if (!cost && !(cost = core.find("cost", PartOfSpeech::verb))) return;
    t.tag = PartOfSpeech::verb, t.lemma = "cost", t.entry = cost;
    t.form = before.plural ? VerbForm::base : VerbForm::past;
    t.plural = false;
    t.dictionarySenses.clear();
  }
}

std::vector<Token> EnglishAnalyser::analyse(const std::vector<std::string>& words, bool titleCase,
                                            const std::vector<bool>& pausesAfterWords,
                                            const std::vector<bool>& quotedLabels) const {
  std::vector<Token> toks = joinNumbers(tokenize(core_, words, titleCase));
  for (Token& t : toks) {
    const std::size_t last = t.word + t.words - 1;
    t.pauseAfter = last < pausesAfterWords.size() && pausesAfterWords[last];
    t.label = t.word < quotedLabels.size() && quotedLabels[t.word];
  }
  agesAndLengths(core_, toks);
  objectHer(core_, toks);
  ordinalsAsAdjectives(core_, toks);
  mostAlone(toks);
  placeAdverbsBeforeNounPhrases(toks);
  ReadingChooser(core_, toks, titleCase).run();
  causedDeedsAsReasons(core_, toks);
  costAsAVerb(core_, toks);
  numberedOnes(toks);
  phoneNumbers(core_, toks);
  pastAsPreposition(toks);
  veryOfWhichOne(core_, toks);
  awayFrom(toks);
  smellOfAsItsSmell(core_, toks);
  adverbsTheLexiconKnowsAsNoNoun(core_, toks);
  upstairsOfANoun(core_, toks);
  homeWhereOneIs(core_, toks);
  placeAdverbsAfterBe(core_, toks);
  participlesLikeTheirBase(toks);
  passivesAskedAbout(core_, toks);
  statesLeftByAPush(core_, toks);
  openingParticiplesThatAreAdjectives(core_, toks);
  participlesBeforeNounsThatAreAdjectives(core_, toks);
  participlesBeforeNounsOfKnownVerbs(core_, dict_, toks);
  minusBeforeNumbers(core_, toks);
  morningAfterAnHour(toks);
  distancesFrom(toks);
  spansInARow(toks);
  likeAsAComparison(toks);
  doAsTheMainVerb(core_, toks);
  askingToHave(core_, toks);
  infinitivesFromGerunds(core_, toks);
  timeSpentDoing(core_, toks);
  lettingKnowAsTelling(core_, toks);
  leftToDo(toks);
  infinitivesAfterLetting(core_, toks);
  mindingAsAsking(core_, toks);
  modalsAcrossAnd(toks);
  progressivesAcrossAnd(toks);
  allAfterPronouns(toks);
  stoppingAsNoLonger(core_, toks);
  noLongerAsNotAnymore(core_, toks);
  auxiliariesClosingAComparison(toks);
  noNeedAsNotNecessary(core_, toks);
  labelsNegated(toks);
  hadBetterAsBetterIf(core_, toks);
  haveGotAsHave(toks);
  negativeAny(toks);
  markAsRoles(core_, toks);
  comparisonsOfEquality(core_, toks);
  aLittle(core_, toks);
  aboutANumber(core_, toks);
  mustOfWhatIsGuessed(core_, toks);
  beingBornOrMade(core_, toks);
  beingOver(core_, toks);
  beingTiredOfOrUsedTo(core_, toks);
  seatsTaken(toks);
  thanks(core_, toks);
  answersOpening(core_, toks);
  regretfulAfraid(core_, toks);
  conjunctionsOfSeveralWords(toks);
  timesOfAClause(toks);
  soMuchBeforeANoun(toks);
  tooMuchOfDegree(core_, toks);
  demonstrativeOnes(toks);
  enoughBeforeANoun(toks);
  soOfDegree(core_, toks);
  hopeOfTheWriter(toks);
  lookingForwardOfTheWriter(toks);
  foundAttached(core_, toks);
  acceptedApologies(core_, toks);
  possibleCauseOfApology(toks);
  questionsOfQuantity(toks);
  suchA(toks);
  markInfinitives(toks);
  toks = joinPhrasalVerbs(core_, std::move(toks));
  lookingAsSeeming(core_, toks);
  lastAsPast(core_, toks);
  forSomeoneToDo(toks);
  markPurposes(toks);
  awaitedAfterLookingForward(core_, toks);
  toks = joinTimePhrases(core_, std::move(toks));
  weddingsAtATime(core_, toks);
  blamedOnACause(toks);
  timesOfNouns(core_, toks);
  ownersAfterFor(toks);
  timeSpentTogether(toks);
  halfOfAWhole(core_, toks);
  halvesOfAMatch(core_, toks);
  bestOfAGroup(core_, toks);
  correlativePairs(toks);
  howSoonAfter(toks);
  theFew(core_, toks);
  changesOfDegree(core_, toks);
  whoseAsked(toks);
  whichOne(toks);
  theMoreTheMerrier(core_, toks);
  for (Token& t : toks) lookUpSenses(core_, dict_, t);
  labelsPressedAsButtons(core_, toks);
  thingsHadReady(core_, toks);
  comparativesOfManner(core_, toks);
  moreOfManner(core_, toks);
  gerundSubjects(core_, toks);
  gerundObjects(core_, toks);
  actionsDuring(core_, toks);
  symbolMeasuresBeforeNouns(toks);
  measuresAfterNouns(core_, toks);
  longByAMeasure(core_, toks);
  participlesAfterNouns(toks);
  describingWordsAfterNouns(core_, toks);
  namesOfNouns(toks);
  // (the part of a group first, so that "close twelve of its branches" finds its object)
  partsOfAGroup(toks);
  eitherOfTwo(toks);
  markAdjectivesOfPeople(core_, toks);
  cuesFromTheSentence(toks);
  feltOnesAsSubjects(toks);
  disbelief(toks);
  markAdjectivesStandingAlone(core_, toks);
  predicatesOfLinkingVerbs(core_, toks);
  halfOfOne(core_, toks);
  theRestOf(toks);
  thanWhatWasExpected(toks);
  whichOfAGroup(toks);
  whatIsLeft(toks);
  placesInARace(core_, toks);
  youOfThoseGreeted(toks);
  usedAsPassive(core_, toks);
  howLongItTakes(toks);
  return toks;
}

}  // namespace lexiton::translator
