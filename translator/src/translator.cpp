// Translation of one sentence: units (phrases or words) from the dictionary, a language check,
// and the reply markup with the unit under the pointer highlighted.
#include "lexiton/translator/translator.h"

#include "lexiton/ascii.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "core_words.h"
#include "english_analysis.h"
#include "hungarian_sentence.h"
#include "hungarian_morphology.h"
#include "lexiton/text_encoding.h"
#include "lexiton/translator/markup.h"
#include "lexiton/protocol/query_text.h"
#include "lexiton/protocol/reply_markup.h"
#include "lexiton/translator/sentence.h"

namespace lexiton::translator {
namespace {

namespace markup = protocol::markup;

// One alternative of the reply: the marked-up source and its translation.
std::string alternative(std::string_view source, std::string_view target) {
  return markup::wrapped(markup::kAlternativeSource, source) +
         markup::wrapped(markup::kAlternativeTarget, target);
}

// A phrase never starts with an article: "the house" is the parliament, "the houses" are not.
constexpr std::string_view kArticles[] = {"the", "a", "an"};
// After these words comes a verb: "you mean" is "to mean", not the adjective "mean".
constexpr std::string_view kBeforeVerb[] = {"i",      "you",   "we",    "they",  "he",      "she",
                                            "to",     "will",  "would", "can",   "could",   "must",
                                            "should", "may",   "might", "don't", "doesn't", "didn't",
                                            "won't",  "can't", "not",   "let's", "shall"};
// Before a plural noun: "the houses", "my books", "two dogs". A word that is also a verb
// ("houses", "runs") is only taken for a plural noun after one of these or before kPluralVerbs.
constexpr std::string_view kNounContext[] = {
    "the",  "these", "those", "my",    "your",    "his",   "her",  "its", "our", "their", "some",
    "many", "few",   "all",   "both",  "several", "other", "such", "no",  "any", "two",   "three",
    "four", "five",  "six",   "seven", "eight",   "nine",  "ten",  "of",  "in",  "on",    "at",
    "with", "for",   "from",  "about", "by",      "and",   "or",   "are", "were"};
constexpr std::string_view kPluralVerbs[] = {"are",   "were",   "have",    "do",
                                             "don't", "aren't", "weren't", "haven't"};
// The present copula of the third person, which Hungarian leaves out before a predicate.
constexpr std::string_view kCopulaSingular = "is", kCopulaPlural = "are";
// Before the copula these make no subject that drops it: "there is" states existence, "where
// is" asks, "you are" and "we are" keep "vagy"/"vagyunk".
constexpr std::string_view kNoCopulaSubject[] = {"there", "here", "where", "what", "who", "which",
                                                 "how",   "why",  "when",  "you",  "we",  "i"};
// Between the copula and its predicate: "is very big", "is a teacher".
constexpr std::string_view kBeforePredicate[] = {"very",   "quite", "so", "too", "rather",
                                                 "really", "a",     "an", "the"};
// After the predicate the clause goes on with one of these: "is big and old".
constexpr std::string_view kClauseJoiners[] = {"and", "but", "or"};
// Simple past forms (not participles) of irregular verbs: "went" is "ment" after a subject.
constexpr std::string_view kSimplePast[] = {
    "went",   "came",  "gave",  "took",    "made",       "said",   "got",    "thought", "told",
    "found",  "left",  "felt",  "brought", "began",      "kept",   "held",   "wrote",   "stood",
    "heard",  "meant", "met",   "ran",     "paid",       "sat",    "spoke",  "led",     "grew",
    "lost",   "fell",  "sent",  "built",   "understood", "drew",   "broke",  "spent",   "drove",
    "bought", "wore",  "chose", "sold",    "caught",     "taught", "fought", "threw",   "flew",
    "ate",    "drank", "sang",  "swam",    "slept",      "won",    "forgot"};
// Before these a past form is a participle or an infinitive ("has gone", "was taken").
constexpr std::string_view kBeforeParticiple[] = {"is", "are",  "was", "were", "be", "been", "being",
                                                  "am", "have", "has", "had",  "to", "will", "would"};
// Words this long count when telling a heading from a sentence with names.
constexpr std::size_t kHeadingWordChars = 4;
// Letters with accents beyond this share (one in eight) mark a text that is not English.
constexpr std::size_t kAccentRatio = 8;

struct Unit {
  std::size_t firstWord = 0, wordCount = 1;
  bool known = false;
  bool article = false;             // "the": "a" or "az" by the next word
  bool name = false;                // a capitalised word inside a sentence, kept as it stands
  bool core = false;                // from the core-word table, not the dictionary
  bool pluralNoun = false;          // an English plural noun: its Hungarian sense takes "-k"
  bool verbForm = false;            // a verb entry, or "-ing"/"-ed" answered by another key
  bool pastVerb = false;            // a simple past after its subject: the sense takes the past
  bool englishPlural = false;       // a plural form, whatever entry answered ("children")
  std::string lower;                // the first word, lower-case
  std::vector<std::string> senses;  // cleaned, the first kept senses
};

std::string wordUtf8(const std::u32string& t, const Word& w) {
  std::string out;
  for (std::size_t i = w.begin; i < w.end; ++i) appendUtf8(out, t[i] == 0x2019 ? U'\'' : t[i]);
  return out;
}

// "it's" -> "it", "you're" -> "you": the pronoun of a contraction, whose dictionary entry
// ("it", the tag game) would otherwise answer. Empty when there is no apostrophe.
std::string contractionStem(const std::string& lower) {
  const std::size_t apostrophe = lower.find('\'');
  return apostrophe == std::string::npos || apostrophe == 0 ? std::string() : lower.substr(0, apostrophe);
}

template <std::size_t N>
bool listed(const std::string_view (&list)[N], std::string_view w) {
  return std::find(std::begin(list), std::end(list), w) != std::end(list);
}

// The dictionary keys its verbs by the infinitive: "to give up".
bool isVerbKey(std::string_view key) { return key.substr(0, 3) == "to "; }

bool endsWith(std::string_view w, std::string_view tail) {
  return w.size() > tail.size() && w.substr(w.size() - tail.size()) == tail;
}

// Blanks and UTF-8 continuation: a sense cut at kMaxSenseBytes on a character boundary.
std::string cleanSense(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  if (s.size() > kMaxSenseBytes) {
    std::size_t n = kMaxSenseBytes;
    while (n > 0 && (uint8_t(s[n]) & 0xC0) == 0x80) --n;
    s = s.substr(0, n);
  }
  return std::string(s);
}

class SentenceTranslation {
 public:
  SentenceTranslation(const Dictionary& dict, const std::u32string& text, const Sentence& s)
      : dict_(dict), text_(text), s_(s) {
    // In a heading ("Terms of Service Agreement") capitals mark no names: every longer word
    // after the first is capitalised, and there are at least two of them.
    std::size_t longWords = 0, capitals = 0;
    for (std::size_t i = 0; i < s.words.size(); ++i) {
      const Word& w = s.words[i];
      words_.push_back(wordUtf8(text, w));
      lowers_.push_back(ascii::lowered(words_.back()));
      if (i == 0 || w.end - w.begin < kHeadingWordChars) continue;
      ++longWords;
      capitals += text[w.begin] >= 'A' && text[w.begin] <= 'Z';
    }
    titleCase_ = longWords >= 2 && capitals == longWords;
    findUnits();
  }

  // `core`, when there is one, knows words the dictionary lacks ("hurt"): they count as English.
  bool looksEnglish(const lexicon::CoreLexicon* core) const;
  bool anyKnown(const lexicon::CoreLexicon* core) const {
    return std::any_of(units_.begin(), units_.end(),
                       [&](const Unit& u) { return u.known || coreKnows(core, u); });
  }
  std::string source() const;
  // The target with the highlighted unit in its sense number `hlSense`.
  std::string target(std::size_t hlSense) const;
  // The highlighted unit's second sense differs from its first.
  const std::vector<std::string>& words() const { return words_; }
  const std::vector<std::string>& lowers() const { return lowers_; }
  bool endsWithStop(char32_t& stop) const {
    if (s_.end == 0 || s_.end <= s_.begin) return false;
    const char32_t c = text_[s_.end - 1];
    if (c != '.' && c != '!' && c != '?') return false;
    stop = c;
    return true;
  }
  bool titleCase() const { return titleCase_; }
  // Punctuation other than blanks between word i and word i + 1 ("home, the children").
  std::vector<bool> pausesAfterWords() const {
    std::vector<bool> out(s_.words.size());
    for (std::size_t i = 0; i + 1 < s_.words.size(); ++i) out[i] = !joinedByBlanks(i);
    return out;
  }
  bool startsSentenceHere() const { return !s_.words.empty() && startsSentence(); }
  bool hasAlternative() const {
    const Unit* u = highlighted();
    return u && u->known && u->senses.size() > 1 && u->senses[1] != u->senses[0];
  }

 private:
  void findUnits();
  const Unit* highlighted() const {
    for (const Unit& u : units_)
      if (s_.pointerWord >= u.firstWord && s_.pointerWord < u.firstWord + u.wordCount) return &u;
    return nullptr;
  }
  // Only blanks (no line break, no punctuation) between word i and word i + 1.
  bool joinedByBlanks(std::size_t i) const {
    for (std::size_t k = s_.words[i].end; k < s_.words[i + 1].begin; ++k)
      if (text_[k] != ' ' && text_[k] != '\t' && text_[k] != 0xA0) return false;
    return true;
  }
  bool afterVerbContext(std::size_t i) const { return listed(kBeforeVerb, lowers_[i - 1]); }
  // A plural-looking word is a noun here, not a verb in the third person ("he runs").
  bool nounContext(std::size_t i) const {
    if (i > 0 && afterVerbContext(i)) return false;
    DictionaryEntry verb;
    if (!dict_.findVerb(words_[i], verb)) return true;
    return (i == 0 || listed(kNounContext, lowers_[i - 1])) ||
           (i + 1 < words_.size() && listed(kPluralVerbs, lowers_[i + 1]));
  }
  // The last unit of the predicate after the copula unit c, or 0 when the copula must stay.
  std::size_t predicateEnd(std::size_t c, const std::vector<std::string>& shown, bool subjectInside) const;
  std::size_t lastWord(const Unit& u) const { return u.firstWord + u.wordCount - 1; }
  bool startsSentence() const {
    for (std::size_t k = s_.begin; k < s_.words.front().begin; ++k)
      if (isLetter(text_[k])) return false;
    return true;
  }

  // A one-word unit the dictionary does not know that the core lexicon has an entry for, as
  // written or by a base form ("hurt", "itself"); WordNet's bare sense counts are not enough,
  // as they know French words too ("chat", "mange").
  bool coreKnows(const lexicon::CoreLexicon* core, const Unit& u) const {
    if (!core || u.known || u.name || u.wordCount != 1 || !s_.words[u.firstWord].hasLetter) return false;
    auto has = [&](std::string_view w) { return !core->entries(w).empty() || !core->irregular(w).empty(); };
    if (has(u.lower)) return true;
    const std::vector<std::string> forms = Dictionary::baseForms(u.lower);
    return std::any_of(forms.begin(), forms.end(), has);
  }

  const Dictionary& dict_;
  const std::u32string& text_;
  const Sentence& s_;
  std::vector<std::string> words_;
  std::vector<std::string> lowers_;  // words_ in lower case, asked about again and again
  std::vector<Unit> units_;
  bool titleCase_ = false;
};

void SentenceTranslation::findUnits() {
  for (std::size_t i = 0; i < s_.words.size();) {
    Unit u;
    u.firstWord = i;
    const Word& w = s_.words[i];
    if (w.hasLetter && w.end - w.begin <= kMaxWordChars) {
      std::vector<std::string_view> run{words_[i]};
      if (!listed(kArticles, lowers_[i]))
        for (std::size_t k = i + 1;
             k < s_.words.size() && run.size() < Dictionary::kMaxPhraseWords && joinedByBlanks(k - 1) &&
             s_.words[k].hasLetter && s_.words[k].end - s_.words[k].begin <= kMaxWordChars;
             ++k)
          run.push_back(words_[k]);
      DictionaryEntry entry;
      std::size_t n = dict_.findLongest(run, entry);
      const std::string& lower = lowers_[i];
      const bool capitalInside = i > 0 && !titleCase_ && text_[w.begin] >= 'A' && text_[w.begin] <= 'Z';
      if (n == 1 && i > 0 && afterVerbContext(i)) {
        DictionaryEntry verb;
        if (dict_.findVerb(words_[i], verb)) entry = std::move(verb);
      }
      // "went", "played" right after a word that can be their subject
      const bool pastPosition =
          n < 2 && i > 0 && joinedByBlanks(i - 1) && (listed(kSimplePast, lower) || endsWith(lower, "ed")) &&
          !listed(kNounContext, lowers_[i - 1]) && !listed(kBeforeParticiple, lowers_[i - 1]);
      if (n == 1 && pastPosition && entry.key != lower && !isVerbKey(entry.key)) {
        DictionaryEntry verb;
        if (dict_.findVerb(words_[i], verb)) entry = std::move(verb);
      }
      bool core =
          n < 2 && (coreWordSenses(lower, u.senses) || coreWordSenses(contractionStem(lower), u.senses));
      // "-ing" after the copula is nearly always the continuous tense ("are sleeping"), even
      // where the dictionary lists the form as an adjective; "-ed" only when it has no entry
      u.verbForm = !core && n > 0 &&
                   (isVerbKey(entry.key) || (n == 1 && endsWith(lower, "ing")) ||
                    (n == 1 && entry.key != lower && endsWith(lower, "ed")));
      // the key that answered tells a plural: "houses" by "house", "women" by the core "woman"
      std::string answeredBy;
      if (!core && n == 1 && !isVerbKey(entry.key)) answeredBy = entry.key;
      // A single word's base forms serve the core-word and the plural checks below.
      const std::vector<std::string> forms =
          n < 2 ? Dictionary::baseForms(words_[i]) : std::vector<std::string>();
      // "came", "women": forms of core words the dictionary has no entry for
      if (!core && n == 0)
        for (const std::string& form : forms)
          if ((core = coreWordSenses(form, u.senses))) {
            answeredBy = form;
            break;
          }
      u.pastVerb = pastPosition && ((core && !answeredBy.empty() && answeredBy != lower) ||
                                    (!core && n == 1 && isVerbKey(entry.key)));
      for (const std::string& form : forms)
        u.englishPlural = u.englishPlural || (form != lower && Dictionary::isPluralOf(lower, form));
      u.pluralNoun = !answeredBy.empty() && Dictionary::isPluralOf(words_[i], answeredBy) && nounContext(i);
      u.core = core;
      u.lower = lower;
      if (core) {
        u.article = lower == kDefiniteArticle;
      } else if (capitalInside && (n == 0 || (n == 1 && !entry.headword.empty() &&
                                              !(entry.headword[0] >= 'A' && entry.headword[0] <= 'Z')))) {
        // "John" inside a sentence is a name, not the dictionary's "john" (a toilet); so is a
        // capitalised word the dictionary does not know.
        u.name = true;
        u.pluralNoun = u.pastVerb = false;
      } else if (n > 0) {
        u.wordCount = n;
        for (const std::string& sense : entry.senses) {
          std::string c = cleanSense(sense);
          if (!c.empty()) u.senses.push_back(std::move(c));
          if (u.senses.size() == 2) break;
        }
      }
      u.known = !u.senses.empty();
    }
    i += u.wordCount;
    units_.push_back(std::move(u));
  }
}

bool SentenceTranslation::looksEnglish(const lexicon::CoreLexicon* core) const {
  std::size_t letters = 0, accented = 0, otherScript = 0;
  for (const Word& w : s_.words)
    for (std::size_t k = w.begin; k < w.end; ++k) {
      char32_t c = text_[k];
      if (!isLetter(c)) continue;
      ++letters;
      if (c >= 0x250)
        ++otherScript;
      else if (c >= 0x80)
        ++accented;
    }
  if (otherScript * 2 >= letters && otherScript > 0) return false;
  if (accented * kAccentRatio > letters) return false;
  std::size_t wordsWithLetters = 0, knownWords = 0;
  for (const Unit& u : units_) {
    if (!s_.words[u.firstWord].hasLetter || u.name) continue;
    wordsWithLetters += u.wordCount;
    if (u.known || coreKnows(core, u)) knownWords += u.wordCount;
  }
  return wordsWithLetters < 2 || knownWords * 2 >= wordsWithLetters;
}

std::string SentenceTranslation::source() const {
  std::string out;
  std::u32string_view t(text_);
  std::size_t at = s_.begin;
  const Unit* hl = highlighted();
  for (const Unit& u : units_) {
    const std::size_t b = s_.words[u.firstWord].begin, e = s_.words[lastWord(u)].end;
    appendSourceText(out, t.substr(at, b - at));
    const bool orig = !u.known && !u.name && s_.words[u.firstWord].hasLetter;
    if (&u == hl) out += markup::kPointed.open;
    if (orig) out += markup::kUnknownWord.open;
    appendSourceText(out, t.substr(b, e - b));
    if (orig) out += markup::kUnknownWord.close;
    if (&u == hl) out += markup::kPointed.close;
    at = e;
  }
  appendSourceText(out, t.substr(at, s_.end - at));
  return out;
}

std::string SentenceTranslation::target(std::size_t hlSense) const {
  const Unit* hl = highlighted();
  // The sense each unit shows, before the article can look at the word after it.
  std::vector<std::string> shown(units_.size());
  for (std::size_t i = 0; i < units_.size(); ++i) {
    const Unit& u = units_[i];
    if (u.known)
      shown[i] = u.senses[&u == hl ? std::min(hlSense, u.senses.size() - 1) : 0];
    else
      shown[i] = words_[u.firstWord];
  }
  for (std::size_t i = 0; i < units_.size(); ++i)
    if (units_[i].pluralNoun && units_[i].wordCount == 1) shown[i] = pluralOf(shown[i], WordClass::noun);
  // "ment" after "he", "mentek" after "they" or a plural noun; "I", "we" and "you" would need
  // other endings, so the verb stays as the dictionary gives it there
  for (std::size_t i = 1; i < units_.size(); ++i) {
    const Unit& subject = units_[i - 1];
    if (!units_[i].pastVerb || units_[i].wordCount != 1 || !(subject.known || subject.name)) continue;
    if (subject.lower == "i" || subject.lower == "we" || subject.lower == "you") continue;
    if (subject.core && subject.lower != "he" && subject.lower != "she" && subject.lower != "it" &&
        subject.lower != "they")
      continue;
    shown[i] = pastOf(shown[i], subject.lower == "they" || (subject.englishPlural && !subject.verbForm));
  }
  // "A házak nagyok.": the copula goes, and a plural subject's predicate takes the plural too.
  // A dictionary phrase of subject and copula ("they are": "ők vannak") loses its last word.
  // The copula stays when it is the word asked about, and wherever predicateEnd is unsure.
  std::vector<bool> dropped(units_.size());
  for (std::size_t i = 0; i < units_.size(); ++i) {
    const Unit& u = units_[i];
    const std::string& verb = lowers_[lastWord(u)];
    if (verb != kCopulaSingular && verb != kCopulaPlural) continue;
    const std::string_view hungarian = verb == kCopulaSingular ? " van" : " vannak";
    const bool alone = u.core && u.wordCount == 1 && &u != hl;
    const bool withSubject = u.known && !u.core && u.wordCount == 2 && !listed(kNoCopulaSubject, u.lower) &&
                             endsWith(shown[i], hungarian);
    if (!alone && !withSubject) continue;
    const std::size_t end = predicateEnd(i, shown, withSubject);
    if (end == 0) continue;
    if (alone)
      dropped[i] = true;
    else
      shown[i].erase(shown[i].size() - hungarian.size());  // it ends with it (withSubject)
    // "nagyok és régiek" agree; "jó tanárok" has its plural on the noun already
    bool nounInside = false;
    for (std::size_t p = i + 1; p <= end; ++p) nounInside |= units_[p].pluralNoun;
    if (verb == kCopulaPlural && !nounInside)
      for (std::size_t p = i + 1; p <= end; ++p)
        if (!units_[p].core && units_[p].wordCount == 1) shown[p] = pluralOf(shown[p], WordClass::adjective);
  }
  for (std::size_t i = 0; i + 1 < units_.size(); ++i)
    if (units_[i].article && startsWithVowel(shown[i + 1])) shown[i] = "az";
  std::string out;
  std::u32string_view t(text_);
  std::size_t at = s_.begin;
  for (std::size_t i = 0; i < units_.size(); ++i) {
    const Unit& u = units_[i];
    const std::size_t b = s_.words[u.firstWord].begin, e = s_.words[lastWord(u)].end;
    if (dropped[i]) {
      at = e;
      continue;
    }
    appendSourceText(out, t.substr(at, b - at));
    if (u.known) {
      const bool capital = i == 0 && startsSentence() && text_[b] >= 'A' && text_[b] <= 'Z';
      out += markup::kPiece.open;
      appendTargetText(out, capital ? capitalized(shown[i]) : shown[i]);
      out += markup::kPiece.close;
    } else {
      appendSourceText(out, t.substr(b, e - b));
    }
    at = e;
  }
  appendSourceText(out, t.substr(at, s_.end - at));
  return out;
}

std::size_t SentenceTranslation::predicateEnd(std::size_t c, const std::vector<std::string>& shown,
                                              bool subjectInside) const {
  if (c + 1 >= units_.size()) return 0;
  // a subject right before: not a question ("Is it big?") and nothing like "there is"
  if (!subjectInside) {
    if (c == 0) return 0;
    const Unit& subject = units_[c - 1];
    if (!(subject.known || subject.name) || listed(kNoCopulaSubject, subject.lower) ||
        !joinedByBlanks(lastWord(subject)))
      return 0;
  }
  std::size_t p = c + 1;
  while (p < units_.size() && units_[p].core && listed(kBeforePredicate, units_[p].lower) &&
         joinedByBlanks(lastWord(units_[p - 1])))
    ++p;
  // then dictionary words up to the end of the clause; a core word ("on", "in", "here")
  // makes it a place, "-ing" and "-ed" a verb form: "van" stays for those
  auto predicateWord = [&](std::size_t k) {
    const Unit& u = units_[k];
    return u.known && !u.core && !u.name && !u.verbForm && !shown[k].empty() && shown[k][0] != '-';
  };
  std::size_t end = 0;
  for (; p < units_.size(); ++p) {
    if (!joinedByBlanks(lastWord(units_[p - 1]))) break;
    // "big and old" goes on; "big and the garden is small" is a new clause
    if (end != 0 && listed(kClauseJoiners, units_[p].lower)) {
      if (p + 1 < units_.size() && joinedByBlanks(lastWord(units_[p])) && predicateWord(p + 1) &&
          (p + 2 == units_.size() || !joinedByBlanks(lastWord(units_[p + 1]))))
        continue;
      break;
    }
    if (!predicateWord(p)) return 0;
    end = p;
  }
  return end;
}

// Quoted speech with the words of saying after it: "\"Don't laugh at me,\" she said quietly."
// Hungarian sets the quotation in „...” and the words of saying after a dash.
struct QuotedSpeech {
  std::size_t reportBegin = 0;  // the first word after the quotation
  char32_t stop = 0;            // the quotation's own stop: '?', '!', ',' or '.'
  // The first word of the quotation going on after the words of saying ("\"Sit down,\" said
  // Aunt Rose, \"nobody believes it.\""), or 0 when the words of saying end the sentence.
  std::size_t resumeBegin = 0;
  char32_t resumedStop = 0;  // the stop inside the closing quotation mark ("... believes it.\"")
};
// The words of saying are short ("her mother asked", "said Grandpa", "Sarah said firmly").
constexpr std::size_t kMaxReportWords = 5;

bool isOpeningQuote(char32_t c) { return c == '"' || c == 0x201C || c == 0x201E; }
bool isClosingQuote(char32_t c) { return c == '"' || c == 0x201D; }

std::optional<QuotedSpeech> quotedSpeech(const std::u32string& t, const Sentence& s) {
  const std::size_t n = s.words.size();
  if (n < 2 || s.begin >= s.words.front().begin || !isOpeningQuote(t[s.begin])) return std::nullopt;
  for (std::size_t w = 1; w < n; ++w) {
    QuotedSpeech q{w, 0};
    bool closes = false;
    for (std::size_t k = s.words[w - 1].end; k < s.words[w].begin; ++k) {
      if (isClosingQuote(t[k])) closes = true;
      if (!closes && (t[k] == '?' || t[k] == '!' || t[k] == ',' || t[k] == '.')) q.stop = t[k];
    }
    if (!closes) continue;
    if (!q.stop) return std::nullopt;
    // a quotation opened again after a comma goes on after the words of saying
    for (std::size_t r = w + 1; r < n && r - w <= kMaxReportWords; ++r) {
      bool comma = false, opens = false;
      for (std::size_t k = s.words[r - 1].end; k < s.words[r].begin; ++k) {
        if (t[k] == ',') comma = true;
        if (comma && isOpeningQuote(t[k])) opens = true;
      }
      if (opens) {
        q.resumeBegin = r;
        for (std::size_t k = s.words.back().end; k < s.end && k < t.size(); ++k)
          if (t[k] == '.' || t[k] == '!' || t[k] == '?') q.resumedStop = t[k];
        return q;
      }
    }
    // ("she said, staring at the empty shelf": short words of saying closed by a comma, and what
    // she did meanwhile after it)
    bool shortReport = n - w <= kMaxReportWords;
    // ("the guard shouted from the doorway", "everyone shouted as Clara leaned ..."): longer
    // words of saying that open with their speaker and verb, or the verb and its speaker
    // ("a quiet voice said behind her": a speaker of three words)
    for (std::size_t r = w; r < n && r - w < 4 && !shortReport; ++r) {
      const Word& word = s.words[r];
      std::u32string lower(t.begin() + std::ptrdiff_t(word.begin), t.begin() + std::ptrdiff_t(word.end));
      for (char32_t& c : lower)
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
      shortReport = isVerbOfSaying(lower);
    }
    for (std::size_t r = w + 1; r < n && r - w <= kMaxReportWords && !shortReport; ++r)
      for (std::size_t k = s.words[r - 1].end; k < s.words[r].begin; ++k)
        if (t[k] == ',') shortReport = true;
    if (!shortReport) return std::nullopt;
    return q;
  }
  return std::nullopt;
}

// "Click \"Settings\"": words in quotation marks, a word or three without a stop inside, name a
// thing on the screen or a sign, not anyone's talk. Their marks are no pause in the sentence.
struct QuotedLabels {
  std::vector<bool> words;  // sentence word i stands in such a label
  bool talk = false;        // some other quotation is in the sentence: someone's words
};

QuotedLabels quotedLabels(const std::u32string& t, const Sentence& s, std::vector<bool>& pauses) {
  QuotedLabels out;
  out.words.assign(s.words.size(), false);
  const std::size_t end = std::min<std::size_t>(s.end, t.size());
  for (std::size_t k = s.begin; k < end; ++k) {
    if (!isOpeningQuote(t[k]) && !isClosingQuote(t[k])) continue;
    std::size_t close = k + 1;
    while (close < end && !isClosingQuote(t[close]) && !isOpeningQuote(t[close])) ++close;
    std::size_t words = 1;
    bool stopInside = false;
    for (std::size_t c = k + 1; c < close; ++c) {
      words += t[c] == U' ';
      stopInside = stopInside || t[c] == U'.' || t[c] == U',' || t[c] == U'!' || t[c] == U'?';
    }
    if (close >= end || words > 3 || stopInside) {
      out.talk = true;
      out.words.assign(s.words.size(), false);
      return out;
    }
    for (std::size_t w = 0; w < s.words.size(); ++w)
      if (s.words[w].begin > k && s.words[w].end <= close) out.words[w] = true;
    k = close;
  }
  // the marks alone between two words make no pause: "Click \"Save\" and wait"
  for (std::size_t w = 0; w + 1 < s.words.size(); ++w) {
    if (!pauses[w] || (!out.words[w] && !out.words[w + 1])) continue;
    bool marksOnly = true;
    for (std::size_t k = s.words[w].end; k < s.words[w + 1].begin; ++k)
      marksOnly = marksOnly && (isBlank(t[k]) || isOpeningQuote(t[k]) || isClosingQuote(t[k]));
    if (marksOnly) pauses[w] = false;
  }
  return out;
}

// "said Grandpa", "asked the old woman": the one who speaks after the verb is its subject; set
// before it, the clause reads as any other ("Grandpa said").
std::vector<Token> subjectBeforeVerbOfSaying(std::vector<Token> t) {
  if (t.size() >= 2 && t[0].tag == PartOfSpeech::verb && t[0].form == VerbForm::past &&
      (t[1].tag == PartOfSpeech::name || t[1].tag == PartOfSpeech::determiner ||
       t[1].tag == PartOfSpeech::possessive || t[1].tag == PartOfSpeech::noun)) {
    std::size_t end = 1;
    // (up to a comma: "shouted Lucy, chasing her brother")
    while (end < t.size() && t[end].tag != PartOfSpeech::adverb && !t[end - 1].pauseAfter) ++end;
    if (end > 1 && t[end - 1].pauseAfter) {
      // the comma goes with the subject, now last before it
      t[0].pauseAfter = true;
      t[end - 1].pauseAfter = false;
    }
    std::rotate(t.begin(), t.begin() + 1, t.begin() + std::ptrdiff_t(end));
  }
  return t;
}

// "It's beautiful, isn't it?", "You're coming, aren't you?", "You locked it, didn't you?": a
// tag after the last comma, an auxiliary or modal and a pronoun, asks only for agreement. The
// index of its first word among the words before `n` (a quotation's, or the sentence's), or `n`
// when the question has none. Hungarian says the statement as it is and asks "ugye?" after it
// ("Gyönyörű, ugye?").
std::size_t questionTagAt(const std::vector<std::string>& lowers, const std::vector<bool>& pauses, std::size_t n) {
  static constexpr std::string_view kTagVerbs[] = {
      "is",      "are",     "am",      "was",      "were",   "do",        "does",     "did",
      "have",    "has",     "had",     "can",      "could",  "will",      "would",    "should",
      "isn't",   "aren't",  "wasn't",  "weren't",  "don't",  "doesn't",   "didn't",   "haven't",
      "hasn't",  "hadn't",  "can't",   "couldn't", "won't",  "wouldn't",  "shouldn't", "mustn't"};
  static constexpr std::string_view kTagSubjects[] = {"i", "you", "he", "she", "it", "we", "they", "there"};
  if (n < 4 || n > lowers.size() || pauses.size() < n || !pauses[n - 3] || !listed(kTagVerbs, lowers[n - 2]) ||
      !listed(kTagSubjects, lowers[n - 1]))
    return n;
  return n - 2;
}

// The generated Hungarian as target markup: one chunk per word, English words that stayed
// English as source text, the first letter in capitals and the English sentence's stop.
std::string targetMarkup(const std::vector<HungarianWord>& words, bool capital, char32_t stop) {
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const HungarianWord& w = words[i];
    if (i > 0) out += w.opensAfterGreeting ? "! " : w.commaBefore ? ", " : " ";
    const std::string text = (i == 0 && capital) || w.opensAfterGreeting ? capitalized(w.text) : w.text;
    if (w.known) {
      out += markup::kPiece.open;
      appendTargetText(out, text);
      out += markup::kPiece.close;
    } else {
      std::u16string wide = utf8ToUtf16(text);
      appendSourceText(out, std::u32string(wide.begin(), wide.end()));
    }
  }
  if (stop) out += char(stop);
  return out;
}

}  // namespace

Translator::Translator(Dictionary dictionary) : dictionary_(std::move(dictionary)) {}
Translator::Translator(Dictionary dictionary, lexicon::CoreLexicon core)
    : dictionary_(std::move(dictionary)),
      core_(std::make_unique<const lexicon::CoreLexicon>(std::move(core))) {}
Translator::~Translator() = default;
Translator::Translator(Translator&&) noexcept = default;
Translator& Translator::operator=(Translator&&) noexcept = default;

Translator Translator::fromFile(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  Dictionary dictionary = Dictionary::loadFile(path);
  return Translator(std::move(dictionary),
                    lexicon::CoreLexicon::loadFile(dir + lexicon::kCoreLexiconFileName));
}

Translation Translator::translate(std::string_view encodedText) const {
  const protocol::QueryText q = protocol::decodeQueryText(encodedText);
  const Sentence s = sentenceAround(q.text, q.hasPointer ? q.pointer : 0);
  SentenceTranslation st(dictionary_, q.text, s);
  if (!st.looksEnglish(core_.get())) return {1, kNotEnglishReply};
  const std::string source = st.source();
  if (!st.anyKnown(core_.get())) return {0, markup::wrapped(markup::kUntranslatedSource, source)};
  if (!core_) {
    std::string reply = alternative(source, st.target(0));
    if (st.hasAlternative()) reply += alternative(source, st.target(1));
    return {0, std::move(reply)};
  }
  char32_t stop = 0;
  st.endsWithStop(stop);
  const bool capital = st.startsSentenceHere();
  // The sentence in parts: the quotation and the words of saying after it, or the whole.
  struct Part {
    std::size_t firstWord, endWord;
    SentenceShape shape;
    bool capital;
    std::vector<Token> tokens;
    std::size_t pointed = SIZE_MAX;
  };
  std::vector<Part> parts;
  bool tagged = false;  // the question is a statement and its tag: "..., isn't it?"
  std::vector<bool> pauses = st.pausesAfterWords();
  const QuotedLabels labels = quotedLabels(q.text, s, pauses);
  const std::optional<QuotedSpeech> quoted = quotedSpeech(q.text, s);
  if (quoted) {
    parts.push_back({0, quoted->reportBegin, {}, capital, {}});
    const std::size_t reportEnd = quoted->resumeBegin ? quoted->resumeBegin : s.words.size();
    parts.push_back({quoted->reportBegin, reportEnd, {}, false, {}});
    parts[0].shape.question = quoted->stop == '?';
    parts[0].shape.quotation = true;
    parts[1].shape.reportsSpeech = true;
    if (quoted->resumeBegin) {
      parts.push_back({quoted->resumeBegin, s.words.size(), {}, false, {}});
      if (!stop) stop = quoted->resumedStop;
      parts[2].shape.question = stop == '?';
      parts[2].shape.quotation = true;
    }
  } else {
    parts.push_back({0, s.words.size(), {}, capital, {}});
    parts[0].shape.question = stop == '?';
    // ("It's late, isn't it?": the statement is said without its tag, which becomes "ugye")
    // ("She said, \"You can take my car.\"": a quotation inside is talk, said familiarly; a
    // label of a word or three without a stop inside, "Click \"Settings\"", is no talk)
    parts[0].shape.quotation = labels.talk;
  }
  // ("It's late, isn't it?": the statement is said without its tag, which becomes "ugye")
  if (parts[0].shape.question) {
    const std::size_t tag = questionTagAt(st.lowers(), pauses, parts[0].endWord);
    tagged = tag < parts[0].endWord;
    if (tagged) parts[0].endWord = tag, parts[0].shape.question = false;
  }
  for (Part& p : parts) {
    const auto from = std::ptrdiff_t(p.firstWord), to = std::ptrdiff_t(p.endWord);
    const std::vector<std::string> words(st.words().begin() + from, st.words().begin() + to);
    p.shape.pauseAfterWord.assign(pauses.begin() + from, pauses.begin() + to);
    p.shape.pauseAfterWord.back() = false;
    const std::vector<bool> labelled(labels.words.begin() + from, labels.words.begin() + to);
    p.tokens = EnglishAnalyser(*core_, dictionary_).analyse(words, st.titleCase(), p.shape.pauseAfterWord, labelled);
    if (quoted && &p == &parts[1]) {
      p.tokens = subjectBeforeVerbOfSaying(std::move(p.tokens));
      // (the comma after the speaker now follows the verb before it: "shouted Lucy, chasing")
      for (const Token& t : p.tokens)
        if (const std::size_t last = t.word + t.words - 1; last < p.shape.pauseAfterWord.size())
          p.shape.pauseAfterWord[last] = t.pauseAfter;
    }
    for (std::size_t i = 0; i < p.tokens.size(); ++i)
      if (s.pointerWord >= p.firstWord + p.tokens[i].word &&
          s.pointerWord < p.firstWord + p.tokens[i].word + p.tokens[i].words) {
        p.pointed = i;
        break;
      }
    if (!quoted && p.pointed == SIZE_MAX) p.pointed = 0;
  }
  auto said = [&](const Part& p, std::size_t sense, char32_t stop) {
    std::vector<HungarianWord> words = generateHungarian(p.tokens, p.pointed, sense, p.shape);
    if (tagged && &p == &parts[0] && !words.empty()) words.push_back({"ugye", p.tokens.size() - 1, true, true});
    return targetMarkup(words, p.capital, stop);
  };
  auto target = [&](std::size_t sense) {
    if (!quoted) return said(parts[0], sense, stop);
    // „Ne nevess rajtam!” – mondta csendesen. (a comma or a full stop ends the quotation unsaid)
    std::string out;
    appendTargetText(out, "\xE2\x80\x9E");
    out += said(parts[0], sense, quoted->stop == '!' || quoted->stop == '?' ? quoted->stop : 0);
    if (quoted->resumeBegin) {
      // „Ne butáskodj – mondta Rose néni –, ezt senki sem hiszi el.”
      appendTargetText(out, " \xE2\x80\x93 ");
      out += said(parts[1], sense, 0);
      appendTargetText(out, " \xE2\x80\x93, ");
      out += said(parts[2], sense, stop);
      appendTargetText(out, "\xE2\x80\x9D");
      return out;
    }
    appendTargetText(out, "\xE2\x80\x9D \xE2\x80\x93 ");
    return out + said(parts[1], sense, stop);
  };
  const std::string first = target(0);
  std::string reply = alternative(source, first);
  const Part* pointedPart = nullptr;
  for (const Part& p : parts)
    if (p.pointed < p.tokens.size()) pointedPart = &p;
  if (pointedPart && senseCount(pointedPart->tokens[pointedPart->pointed]) > 1) {
    const std::string second = target(1);
    if (second != first) reply += alternative(source, second);
  }
  return {0, std::move(reply)};
}

}  // namespace lexiton::translator
