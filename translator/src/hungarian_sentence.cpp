#include "hungarian_sentence.h"

#include <algorithm>
#include <optional>

#include "hungarian_noun.h"
#include "hungarian_verb.h"
#include "lexiton/text_encoding.h"
#include "lexiton/translator/markup.h"

namespace lexiton::translator {
namespace {

using lexicon::Sense;

constexpr std::string_view kTimeAdverbs[] = {"yesterday", "today", "tomorrow", "now",
                                             "tonight",   "soon",  "later"};
constexpr std::string_view kMeasureNouns[] = {"cup",   "glass", "piece", "bottle", "kilo",
                                              "slice", "lot",   "box",   "loaf"};
// Verbs whose "can" Hungarian does not say: "I can't find" is "nem találom".
constexpr std::string_view kPlainAfterCan[] = {"see", "hear", "find", "remember", "understand", "feel"};

struct Postposition {
  std::string_view english, hungarian;
};
constexpr Postposition kPostpositions[] = {
    {"under", "alatt"},
    {"behind", "m\xC3\xB6g\xC3\xB6tt"},
    {"near",
     "k\xC3\xB6zel\xC3\xA9"
     "ben"},
    {"after", "ut\xC3\xA1n"},
    {"before", "el\xC5\x91tt"},
    {"without", "n\xC3\xA9lk\xC3\xBCl"},
    {"over", "f\xC3\xB6l\xC3\xB6tt"},
    {"above", "f\xC3\xB6l\xC3\xB6tt"},
    {"between", "k\xC3\xB6z\xC3\xB6tt"},
    {"during", "alatt"},
    {"across", "\xC3\xA1t"},
    {"through", "kereszt\xC3\xBCl"},
    {"since", "\xC3\xB3ta"},
    {"around", "k\xC3\xB6r\xC3\xBCl"},
    {"against", "ellen"},
    {"towards", "fel\xC3\xA9"},
    {"below", "alatt"},
    {"like", "mint"},
    {"than", "mint"},
};
struct PrepCase {
  std::string_view english;
  Case c;
};
constexpr PrepCase kPrepCases[] = {
    {"in", Case::inessive},      {"into", Case::illative},     {"on", Case::superessive},
    {"onto", Case::sublative},   {"at", Case::adessive},       {"to", Case::allative},
    {"from", Case::elative},     {"with", Case::instrumental}, {"for", Case::dative},
    {"about", Case::delative},   {"by", Case::instrumental},   {"until", Case::terminative},
    {"till", Case::terminative},
};

// Hungarian numerals before a noun, and alone (before "-kor").
struct Numeral {
  std::string_view english, before, alone;
};
constexpr Numeral kNumerals[] = {
    {"one", "egy", "egy"},
    {"two", "k\xC3\xA9t", "kett\xC5\x91"},
    {"three", "h\xC3\xA1rom", "h\xC3\xA1rom"},
    {"four", "n\xC3\xA9gy", "n\xC3\xA9gy"},
    {"five", "\xC3\xB6t", "\xC3\xB6t"},
    {"six", "hat", "hat"},
    {"seven", "h\xC3\xA9t", "h\xC3\xA9t"},
    {"eight", "nyolc", "nyolc"},
    {"nine", "kilenc", "kilenc"},
    {"ten", "t\xC3\xADz", "t\xC3\xADz"},
    {"eleven", "tizenegy", "tizenegy"},
    {"twelve", "tizenk\xC3\xA9t", "tizenkett\xC5\x91"},
    {"twenty", "h\xC3\xBAsz", "h\xC3\xBAsz"},
    {"hundred", "sz\xC3\xA1z", "sz\xC3\xA1z"},
};
const Numeral* numeral(std::string_view w) {
  for (const Numeral& n : kNumerals)
    if (n.english == w) return &n;
  return nullptr;
}

// Question words and conjunctions, said where they stand.
constexpr std::pair<std::string_view, std::string_view> kLinkWords[] = {
    {"where", "hol"},    {"when", "mikor"},       {"what", "mi"},
    {"who", "ki"},       {"why", "mi\xC3\xA9rt"}, {"how", "hogyan"},
    {"which", "melyik"}, {"and", "\xC3\xA9s"},    {"or", "vagy"},
    {"but", "de"},       {"because", "mert"},     {"while", "mik\xC3\xB6zben"},
    {"if", "ha"},        {"so", "\xC3\xADgy"}};

template <std::size_t N>
bool listed(const std::string_view (&list)[N], std::string_view w) {
  return std::find(std::begin(list), std::end(list), w) != std::end(list);
}

// The personal pronouns in the cases we need: nominative, accusative, dative, instrumental.
struct PronounForms {
  std::string_view english, nom, acc, dat, ins;
};
constexpr PronounForms kPronouns[] = {
    {"i", "\xC3\xA9n", "engem", "nekem", "velem"},
    {"me", "\xC3\xA9n", "engem", "nekem", "velem"},
    {"you", "te", "t\xC3\xA9ged", "neked", "veled"},
    {"he", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"she", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"him", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"her", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"it", "az", "azt", "neki", "vele"},
    {"we", "mi", "minket", "nek\xC3\xBCnk", "vel\xC3\xBCnk"},
    {"us", "mi", "minket", "nek\xC3\xBCnk", "vel\xC3\xBCnk"},
    {"they", "\xC5\x91k", "\xC5\x91ket", "nekik", "vel\xC3\xBCk"},
    {"them", "\xC5\x91k", "\xC5\x91ket", "nekik", "vel\xC3\xBCk"},
};
const PronounForms* pronoun(std::string_view w) {
  for (const PronounForms& p : kPronouns)
    if (p.english == w) return &p;
  return nullptr;
}

std::size_t senseIndex(const Token& t, std::size_t self, std::size_t pointed, std::size_t pointedSense) {
  return self == pointed ? pointedSense : 0;
}

const Sense* coreSense(const Token& t, std::size_t index) {
  if (!t.entry || t.entry->senses.empty()) return nullptr;
  return &t.entry->senses[std::min(index, t.entry->senses.size() - 1)];
}

// The Hungarian word of a content token: the core sense, else FreeDict's, else nothing.
std::optional<std::string> plainSense(const Token& t, std::size_t index) {
  if (const Sense* s = coreSense(t, index)) return s->prefix + s->word;
  if (!t.dictionarySenses.empty()) return t.dictionarySenses[std::min(index, t.dictionarySenses.size() - 1)];
  return std::nullopt;
}

NounStem nounStem(const Token& t, std::size_t index) {
  NounStem n;
  if (const Sense* s = coreSense(t, index)) {
    n.lemma = s->word;
    n.plural = s->plural;
    n.accusative = std::string(s->note("acc"));
    n.possessive3 = std::string(s->note("3sg"));
    n.superessive = std::string(s->note("sup"));
    n.possessedPlural = std::string(s->note("pp"));
    n.possessiveStem = std::string(s->note("poss"));
    if (s->back) n.harmony = int(Harmony::back);
    if (s->front) n.harmony = int(Harmony::front);
  } else if (auto p = plainSense(t, index)) {
    n.lemma = *p;
  } else {
    n.lemma = t.written;
  }
  return n;
}

bool isBe(const Token& t) {
  return t.tag == PartOfSpeech::auxiliary &&
         (t.lower == "am" || t.lower == "is" || t.lower == "are" || t.lower == "was" || t.lower == "were" ||
          t.lower == "be" || t.lower == "been" || t.lower == "being");
}
bool isHave(const Token& t) {
  return t.tag == PartOfSpeech::auxiliary && (t.lower == "have" || t.lower == "has" || t.lower == "had");
}
bool isDo(const Token& t) {
  return t.tag == PartOfSpeech::auxiliary && (t.lower == "do" || t.lower == "does" || t.lower == "did");
}

struct NounPhrase {
  std::size_t begin = 0, end = 0;  // tokens [begin, end)
  std::size_t head = 0;
  bool definite = false, plural = false, pronoun = false, name = false;
  int person = 3;
};

class Generator {
 public:
  Generator(const std::vector<Token>& t, std::size_t pointed, std::size_t sense)
      : t_(t), pointed_(pointed), sense_(sense) {}
  std::vector<HungarianWord> run();

 private:
  bool startsNounPhrase(std::size_t i) const {
    if (i >= t_.size()) return false;
    const PartOfSpeech g = t_[i].tag;
    return g == PartOfSpeech::determiner || g == PartOfSpeech::possessive || g == PartOfSpeech::noun ||
           g == PartOfSpeech::name || g == PartOfSpeech::adjective || g == PartOfSpeech::number ||
           (g == PartOfSpeech::pronoun) ||
           (g == PartOfSpeech::adverb && t_[i].lower == "very" && i + 1 < t_.size() &&
            t_[i + 1].tag == PartOfSpeech::adjective);
  }
  NounPhrase readNounPhrase(std::size_t i) const;
  void emitNounPhrase(const NounPhrase& np, Case c, const std::string& post = "",
                      std::optional<int> possessorPerson = {}, bool possessorPlural = false);
  void emit(std::string text, std::size_t token, bool known = true) {
    if (!text.empty()) out_.push_back({std::move(text), token, known});
  }
  std::size_t sense(std::size_t i) const { return senseIndex(t_[i], i, pointed_, sense_); }
  void emitVerb(std::size_t verb, bool hasObject, bool negative, bool future, bool past, bool imperative,
                Agreement a, std::string_view modal);

  const std::vector<Token>& t_;
  std::size_t pointed_, sense_;
  std::vector<HungarianWord> out_;
  bool emitGenericArticle_ = false;  // "I like coffee": "Szeretem a kávét"
};

NounPhrase Generator::readNounPhrase(std::size_t i) const {
  NounPhrase np;
  np.begin = i;
  if (t_[i].tag == PartOfSpeech::pronoun) {
    np.end = i + 1;
    np.head = i;
    np.pronoun = np.definite = true;
    np.person = t_[i].person;
    np.plural = t_[i].plural;
    return np;
  }
  std::size_t k = i;
  while (k < t_.size() && (t_[k].tag == PartOfSpeech::determiner || t_[k].tag == PartOfSpeech::possessive ||
                           t_[k].tag == PartOfSpeech::number)) {
    if (t_[k].tag == PartOfSpeech::possessive ||
        (t_[k].tag == PartOfSpeech::determiner && t_[k].lower != "a" && t_[k].lower != "an" &&
         t_[k].lower != "some" && t_[k].lower != "many" && t_[k].lower != "any" && t_[k].lower != "no" &&
         t_[k].lower != "another" && t_[k].lower != "more"))
      np.definite = true;
    ++k;
  }
  while (k < t_.size() && (t_[k].tag == PartOfSpeech::adjective ||
                           (t_[k].tag == PartOfSpeech::adverb && t_[k].lower == "very")))
    ++k;
  std::size_t head = k;
  while (k < t_.size() && (t_[k].tag == PartOfSpeech::noun || t_[k].tag == PartOfSpeech::name)) head = k++;
  // "a cup of coffee": the measure stands before its substance, which takes the case
  if (head < t_.size() && t_[head].tag == PartOfSpeech::noun && listed(kMeasureNouns, t_[head].lemma) &&
      k + 1 < t_.size() && t_[k].lower == "of" &&
      (t_[k + 1].tag == PartOfSpeech::noun || t_[k + 1].tag == PartOfSpeech::adjective)) {
    ++k;
    while (k < t_.size() && t_[k].tag == PartOfSpeech::adjective) ++k;
    while (k < t_.size() && t_[k].tag == PartOfSpeech::noun) head = k++;
  }
  if (head >= t_.size() || (t_[head].tag != PartOfSpeech::noun && t_[head].tag != PartOfSpeech::name)) {
    head = k > i ? k - 1 : i;  // an adjective alone: "is big"
    if (k == i) k = i + 1;
  }
  np.end = k;
  np.head = head;
  const Sense* headSense = coreSense(t_[head], 0);
  np.name = t_[head].tag == PartOfSpeech::name || (headSense && headSense->name);  // "London" is definite
  np.definite = np.definite || np.name;
  np.plural = t_[head].plural;
  return np;
}

void Generator::emitNounPhrase(const NounPhrase& np, Case c, const std::string& post,
                               std::optional<int> possessorPerson, bool possessorPlural) {
  if (np.pronoun) {
    const PronounForms* p = pronoun(t_[np.head].lower);
    std::string_view form = p ? (c == Case::accusative     ? p->acc
                                 : c == Case::dative       ? p->dat
                                 : c == Case::instrumental ? p->ins
                                                           : p->nom)
                              : "";
    if (p && c != Case::nominative && c != Case::accusative && c != Case::dative && c != Case::instrumental)
      emit(attachCase(std::string(p->nom), c), np.head);
    else
      emit(std::string(form), np.head);
    if (!post.empty()) emit(post, np.head);
    return;
  }
  Possessor owner;
  bool countable = true, plural = np.plural;
  std::string demonstrative;
  for (std::size_t k = np.begin; k < np.end; ++k) {
    const Token& tk = t_[k];
    if (tk.tag == PartOfSpeech::possessive) {
      owner = {tk.person, tk.plural};
      emit("a", k);
    } else if (tk.tag == PartOfSpeech::determiner) {
      const std::string& d = tk.lower;
      if (d == "the")
        emit("a", k);
      else if (d == "a" || d == "an")
        emit("egy", k);
      else if (d == "this" || d == "these")
        emit(d == "this" ? (c == Case::accusative ? "ezt" : "ez")
                         : (c == Case::accusative ? "ezeket" : "ezek"),
             k),
            emit("a", k);
      else if (d == "that" || d == "those")
        emit(d == "that" ? (c == Case::accusative ? "azt" : "az")
                         : (c == Case::accusative ? "azokat" : "azok"),
             k),
            emit("a", k);
      else if (d == "every" || d == "each" || d == "all")
        emit("minden", k), countable = false;
      else if (d == "some" || d == "several" || d == "any")
        emit("n\xC3\xA9h\xC3\xA1ny", k), countable = false;
      else if (d == "many" || d == "much")
        emit("sok", k), countable = false;
      else if (d == "more")
        emit(
            "t\xC3\xB6"
            "bb",
            k),
            countable = false;
      else if (d == "another")
        emit("egy", k), emit("m\xC3\xA1sik", k);
      else if (d == "no")
        emit("semmi", k);
    } else if (tk.tag == PartOfSpeech::number) {
      const Numeral* n = numeral(tk.lower);
      emit(n ? std::string(n->before) : tk.written, k);
      countable = false;
    } else if (tk.tag == PartOfSpeech::preposition) {
      continue;
    } else if (k != np.head && (tk.tag == PartOfSpeech::adjective || tk.tag == PartOfSpeech::adverb ||
                                tk.tag == PartOfSpeech::noun || tk.tag == PartOfSpeech::name)) {
      if (tk.tag == PartOfSpeech::name)
        emit(tk.written, k, false);
      else if (auto s = plainSense(tk, sense(k)))
        emit(*s, k);
      else
        emit(tk.written, k, false);
    }
  }
  (void)demonstrative;
  if (!countable) plural = false;
  if (possessorPerson) owner = {*possessorPerson, possessorPlural};
  const Token& h = t_[np.head];
  if (np.head >= np.begin && np.head < np.end &&
      (h.tag == PartOfSpeech::noun || h.tag == PartOfSpeech::name || h.tag == PartOfSpeech::adjective)) {
    if (h.tag == PartOfSpeech::name) {
      const bool known = h.entry != nullptr;
      std::string base = known ? plainSense(h, sense(np.head)).value_or(h.written) : h.written;
      emit(c == Case::nominative ? base : attachCase(base, c), np.head, known);
    } else if (h.tag == PartOfSpeech::adjective) {
      auto s = plainSense(h, sense(np.head));
      emit(s ? attachCase(*s, c) : h.written, np.head, bool(s));
    } else {
      const bool known = h.entry || !h.dictionarySenses.empty();
      const Sense* hs = coreSense(h, sense(np.head));
      const bool capital = hs && hs->name;
      if (!known)
        emit(h.written, np.head, false);
      else if (capital)
        emit(capitalized(inflectNoun(nounStem(h, sense(np.head)), plural, owner, c)), np.head);
      else
        emit(inflectNoun(nounStem(h, sense(np.head)), plural, owner, c), np.head);
    }
  }
  if (!post.empty()) emit(post, np.head);
}

void Generator::emitVerb(std::size_t verb, bool hasObject, bool negative, bool future, bool past,
                         bool imperative, Agreement a, std::string_view modal) {
  const Token& v = t_[verb];
  const Sense* s = coreSense(v, sense(verb));
  VerbStem stem;
  if (s && s->word == "sz\xC3\xBCks\xC3\xA9g") {
    // "I need": "szükségem van" (the need is the subject's, the thing needed takes "-ra")
    emit(inflectNoun(NounStem{s->word, "", "", "", "", "", "", -1}, false, Possessor{a.person, a.plural},
                     Case::nominative),
         verb);
    emit(negative ? (past ? "nem volt" : "nincs") : future ? "lesz" : past ? "volt" : "van", verb);
    return;
  }
  if (s && !hasObject && !s->note("intr").empty()) {
    stem.lemma = std::string(s->note("intr"));  // "The train leaves": "indul", not "elhagy"
  } else if (s) {
    stem.lemma = s->word;
    stem.prefix = s->prefix;
    stem.past = std::string(s->note("past"));
  } else if (auto p = plainSense(v, sense(verb))) {
    stem.lemma = *p;
  } else {
    emit(v.written, verb, false);
    return;
  }
  if (imperative) {
    a.person = 2;
    const std::string form = conjugate(stem, Tense::imperative, a);
    if (negative)
      emit("ne", verb), emit(form, verb), emit(stem.prefix, verb);
    else
      emit(form, verb), emit(stem.prefix, verb);
    return;
  }
  if (!modal.empty() || future) {
    VerbStem aux{future ? "fog" : std::string(modal), "", ""};
    Agreement auxAgreement = a;
    if (modal == "kell" || modal == "kellene") auxAgreement = Agreement{3, false, false, false};
    const std::string auxForm =
        modal == "kellene" ? "kellene" : conjugate(aux, past ? Tense::past : Tense::present, auxAgreement);
    if (negative)
      emit("nem", verb), emit(auxForm, verb), emit(stem.prefix + infinitiveOf(stem), verb);
    else if (!stem.prefix.empty())
      emit(stem.prefix, verb), emit(auxForm, verb), emit(infinitiveOf(stem), verb);
    else if (future)
      emit(infinitiveOf(stem), verb), emit(auxForm, verb);  // "Venni fogunk"
    else
      emit(auxForm, verb), emit(infinitiveOf(stem), verb);
    return;
  }
  const std::string form = conjugate(stem, past ? Tense::past : Tense::present, a);
  if (negative)
    emit("nem", verb), emit(form, verb), emit(stem.prefix, verb);
  else
    emit(stem.prefix + form, verb);
}

std::vector<HungarianWord> Generator::run() {
  const std::size_t n = t_.size();
  // the verb group: auxiliaries, negation and the main verb
  std::size_t mainVerb = n, firstAux = n, be = n, have = n;
  bool negative = false, future = false, past = false, doSupport = false;
  std::string modal;
  for (std::size_t i = 0; i < n; ++i) {
    const Token& k = t_[i];
    if (k.tag == PartOfSpeech::verb && mainVerb == n) {
      mainVerb = i;
      if (k.form == VerbForm::past && !(i > 0 && isHave(t_[i - 1]))) past = past || true;
      if (firstAux == n) firstAux = i;
      break;
    }
    if (k.tag == PartOfSpeech::modal || k.tag == PartOfSpeech::auxiliary || k.tag == PartOfSpeech::negation) {
      if (mainVerb != n) break;
      if (firstAux == n) firstAux = i;
      if (k.tag == PartOfSpeech::negation)
        negative = true;
      else if (k.lower == "will" || k.lower == "shall")
        future = true;
      else if (k.lower == "can" || k.lower == "could")
        modal = "tud", past = past || k.lower == "could";
      else if (k.lower == "must")
        modal = "kell";
      else if (k.lower == "should")
        modal = "kellene";
      else if (k.lower == "may" || k.lower == "might")
        modal = "";
      else if (isDo(k))
        doSupport = true, past = past || k.lower == "did";
      else if (isHave(k)) {
        have = i;
        past = past || k.lower == "had";
      } else if (isBe(k)) {
        be = i;
        past = past || k.lower == "was" || k.lower == "were";
      }
    }
  }
  if (mainVerb != n && t_[mainVerb].form == VerbForm::participle && have != n) past = true;
  if (mainVerb != n && t_[mainVerb].form == VerbForm::ing && be != n)
    past = t_[be].lower == "was" || t_[be].lower == "were";
  if (mainVerb != n && t_[mainVerb].form == VerbForm::past && have == n) past = true;
  if (mainVerb != n && (t_[mainVerb].form == VerbForm::base || t_[mainVerb].form == VerbForm::third) &&
      !doSupport && have == n && be == n)
    past = past && !modal.empty();
  if (mainVerb != n && listed(kPlainAfterCan, t_[mainVerb].lemma) && modal == "tud") modal.clear();
  // a main "have" with an object is possession; a lone "be" is the copula
  const bool possession =
      mainVerb == n && have != n && have + 1 < n && startsNounPhrase(have + 1) && !isBe(t_[have + 1]);
  const bool copula = mainVerb == n && be != n && !possession;
  const bool imperative = mainVerb != n && t_[mainVerb].form == VerbForm::base && modal.empty() && !future &&
                          (mainVerb == 0 || t_[0].lower == "please" ||
                           (doSupport && firstAux == 0 && negative) || t_[0].lower == "let's");
  // the subject: the noun phrase before the verb group, or after an inverted auxiliary
  std::optional<NounPhrase> subject;
  std::size_t i = 0;
  while (i < n && (t_[i].tag == PartOfSpeech::question || t_[i].lower == "please" ||
                   t_[i].tag == PartOfSpeech::adverb ||
                   (t_[i].tag == PartOfSpeech::noun && t_[i].entry && listed(kTimeAdverbs, t_[i].lemma))))
    ++i;
  const std::size_t verbStart = copula ? be : possession ? have : firstAux;
  if (i < verbStart && startsNounPhrase(i)) subject = readNounPhrase(i);
  bool inverted = false;
  if (!subject && verbStart < n && verbStart + 1 < n && t_[verbStart + 1].tag == PartOfSpeech::pronoun &&
      (t_[verbStart].tag == PartOfSpeech::modal || isDo(t_[verbStart]))) {
    subject = readNounPhrase(verbStart + 1);
    inverted = true;
  }
  const bool existential = copula && be > 0 && t_[be - 1].lower == "there";
  Agreement a;
  if (subject) {
    a.person = subject->person;
    a.plural = subject->plural;
    if (!subject->pronoun && subject->end > subject->begin) {
      for (std::size_t k = subject->end; k + 1 < n && t_[k].lower == "and"; k = readNounPhrase(k + 1).end)
        a.plural = true;
    }
  }
  // "Where are my shoes?": the subject stands after the copula
  if (copula && !subject && !existential && be + 1 < n && startsNounPhrase(be + 1) &&
      t_[0].tag == PartOfSpeech::question) {
    const NounPhrase after = readNounPhrase(be + 1);
    a.person = after.person;
    a.plural = after.plural;
  }
  // the object right after the verb (or its particle)
  std::size_t afterVerb = mainVerb != n ? mainVerb + 1 : n;
  if (mainVerb != n && t_[mainVerb].words > 1) afterVerb = mainVerb + 1;
  std::optional<NounPhrase> object, indirect;
  Case objectCase = Case::accusative;
  const Sense* verbSense = mainVerb != n ? coreSense(t_[mainVerb], sense(mainVerb)) : nullptr;
  if (verbSense && !verbSense->note("obj").empty()) objectCase = caseNamed(verbSense->note("obj"));
  if (mainVerb != n && afterVerb < n && startsNounPhrase(afterVerb) &&
      t_[afterVerb].tag != PartOfSpeech::adverb) {
    object = readNounPhrase(afterVerb);
    if (object->pronoun)
      a.definite = object->person == 3, a.youObject = object->person == 2 && a.person == 1 && !a.plural;
    else
      a.definite = object->definite;
    // "I like coffee": a bare object of liking is generic, said with the article; so is an
    // activity named by a bare gerund ("gave up smoking": "abbahagyta a dohányzást")
    const Token& first = t_[object->begin];
    const bool bareGerund = object->end == object->begin + 1 && first.tag == PartOfSpeech::noun &&
                            !object->plural && first.lower.size() > 4 &&
                            first.lower.compare(first.lower.size() - 3, 3, "ing") == 0;
    if (!object->definite && first.tag != PartOfSpeech::determiner && first.tag != PartOfSpeech::number &&
        (bareGerund || t_[mainVerb].lemma == "like" || t_[mainVerb].lemma == "love" ||
         t_[mainVerb].lemma == "hate"))
      a.definite = true, emitGenericArticle_ = true;
    if (objectCase != Case::accusative || (verbSense && verbSense->noObject)) a.definite = false;
    // "gave me a book": the pronoun receives, the noun phrase after it is the object
    // "gave the students a book": so too a noun phrase, for verbs whose "to" is the dative
    const bool givesTo = verbSense && verbSense->note("to") == "nak";
    if ((object->pronoun || givesTo) && object->end < n && startsNounPhrase(object->end) &&
        t_[object->end].tag != PartOfSpeech::pronoun && t_[object->end].tag != PartOfSpeech::adverb) {
      indirect = object;
      object = readNounPhrase(indirect->end);
      a.youObject = false;
      a.definite = object->definite;
    }
  }
  bool copulaLocation = false;
  std::size_t afterBe = be + 1;  // the predicate, after any "not"
  while (copula && afterBe < n && t_[afterBe].tag == PartOfSpeech::negation) ++afterBe;
  if (copula && afterBe < n) {
    const Token& after = t_[afterBe];
    const Sense* as = coreSense(after, sense(afterBe));
    copulaLocation =
        after.tag == PartOfSpeech::preposition || after.lower == "here" || after.lower == "there" ||
        (after.tag == PartOfSpeech::adverb && after.entry && after.lemma.find(' ') != std::string::npos) ||
        (as && as->keepsCopula);
  }
  const bool dropSubject =
      subject && subject->pronoun && !(copula && !existential && !copulaLocation && subject->person == 3);
  if (existential && !subject) a.plural = t_[be].plural;

  // 1. leading question words and time adverbs
  std::size_t pos = 0;
  std::vector<bool> done(n);
  for (std::size_t k = 0; k < n; ++k) {
    const Token& tk = t_[k];
    if (tk.entry && (tk.tag == PartOfSpeech::adverb || tk.tag == PartOfSpeech::noun) &&
        listed(kTimeAdverbs, tk.lemma)) {
      emit(plainSense(tk, sense(k)).value_or(tk.written), k);
      done[k] = true;
    } else if (tk.tag == PartOfSpeech::adverb && tk.entry && k + 1 == n &&
               (tk.lemma.rfind("every ", 0) == 0 || tk.lemma.rfind("last ", 0) == 0 ||
                tk.lemma.rfind("next ", 0) == 0 || tk.lemma.rfind("in the ", 0) == 0)) {
      // "every morning", "last year" at the end: a time phrase
      emit(plainSense(tk, sense(k)).value_or(tk.written), k);
      done[k] = true;
    }
  }
  // 2. the sentence in order, each part rendered by its role
  bool verbDone = false, objectDone = false;
  Case lastCase = Case::nominative;
  std::vector<HungarianWord> copulaTail;
  while (pos < n) {
    const Token& tk = t_[pos];
    if (done[pos]) {
      ++pos;
      continue;
    }
    if (subject && pos == subject->begin) {
      if (!dropSubject)
        emitNounPhrase(*subject, possession && !subject->pronoun ? Case::dative : Case::nominative);
      lastCase = Case::nominative;
      pos = subject->end;
      continue;
    }
    if (pos == firstAux || pos == verbStart || (inverted && pos == verbStart)) {
      // the verb group
      std::size_t end = std::max(pos, mainVerb != n ? mainVerb + 1 : std::max(be, have) + 1);
      if (inverted) {
        // "Can you help": skip the auxiliary; the pronoun is the subject
      }
      if (possession) {
        emit(negative ? (past ? "nem volt" : "nincs") : (past ? "volt" : "van"), have);
        NounPhrase obj = readNounPhrase(have + 1);
        const int person = subject ? subject->person : 3;
        emitNounPhrase(obj, Case::nominative, "", subject && subject->pronoun ? person : 3,
                       subject && subject->pronoun && subject->plural);
        pos = obj.end;
        objectDone = true;
        verbDone = true;
        continue;
      }
      if (copula) {
        const std::size_t after = be + 1;
        (void)after;
        const bool location = copulaLocation;
        VerbStem van{"van", "", ""};
        Agreement ca = a;
        ca.definite = false;
        std::string form = conjugate(van, past ? Tense::past : Tense::present, ca);
        if (future) form = conjugate(VerbStem{"lesz", "", ""}, Tense::present, ca);
        if (existential || location || a.person != 3 || past || future ||
            t_[0].tag == PartOfSpeech::question) {
          if (negative && !past && !future && a.person == 3)
            form = a.plural ? "nincsenek" : "nincs";
          else if (negative)
            form = "nem " + form;
          // "nincs" stands before the place: "A kutya nincs a házban."
          if (existential || t_[0].tag == PartOfSpeech::question || (negative && location))
            emit(form, be);
          else
            copulaTail.push_back({form, be, true});
        } else if (negative) {
          emit("nem", be);
        }
        pos = std::max(pos, be) + 1;
        while (pos < n && t_[pos].tag == PartOfSpeech::negation) ++pos;
        verbDone = true;
        // a predicate adjective agrees in number: "Az almák pirosak."
        if (pos < n && !location && !existential) {
          std::size_t k = pos;
          if (t_[k].lower == "very" || t_[k].lower == "too") {
            emit(t_[k].lower == "very" ? "nagyon" : "t\xC3\xBAl", k);
            ++k;
          }
          if (k < n && t_[k].tag == PartOfSpeech::adjective &&
              (k + 1 == n || t_[k + 1].tag != PartOfSpeech::noun)) {
            auto s = plainSense(t_[k], sense(k));
            const Sense* cs = coreSense(t_[k], sense(k));
            std::string adj = s.value_or(t_[k].written);
            if (cs && !cs->note("pred").empty()) adj = std::string(cs->note("pred"));  // "kicsi", not "kis"
            if (a.plural && s)
              adj = cs && !cs->plural.empty() ? cs->plural : pluralOf(adj, WordClass::adjective);
            emit(adj, k, bool(s));
            pos = k + 1;
            // "big and old": the second predicate agrees too
            if (pos + 1 < n && t_[pos].lower == "and" && t_[pos + 1].tag == PartOfSpeech::adjective &&
                (pos + 2 == n || t_[pos + 2].tag != PartOfSpeech::noun)) {
              std::string second = plainSense(t_[pos + 1], sense(pos + 1)).value_or(t_[pos + 1].written);
              const Sense* cs2 = coreSense(t_[pos + 1], sense(pos + 1));
              if (a.plural)
                second = cs2 && !cs2->plural.empty() ? cs2->plural : pluralOf(second, WordClass::adjective);
              emit("\xC3\xA9s", pos);
              emit(second, pos + 1);
              pos += 2;
            }
          } else if (k < n && startsNounPhrase(k)) {
            NounPhrase pred = readNounPhrase(k);
            // "He is a doctor": no article before a predicate noun
            NounPhrase bare = pred;
            if (t_[bare.begin].lower == "a" || t_[bare.begin].lower == "an") ++bare.begin;
            emitNounPhrase(bare, Case::nominative);
            pos = pred.end;
          } else {
            pos = k;
          }
        }
        continue;
      }
      if (mainVerb != n) {
        emitVerb(mainVerb, object.has_value(), negative, future, past, imperative, a, modal);
        verbDone = true;
        pos = mainVerb + t_[mainVerb].words > 1 ? mainVerb + 1 : mainVerb + 1;
        if (t_[mainVerb].words > 1) pos = mainVerb + 1;
        // the particle of a phrasal verb was folded into the verb token
        continue;
      }
      // auxiliaries without a verb after them ("Yes, I can."): nothing Hungarian says
      (void)end;
      ++pos;
      continue;
    }
    if (indirect && pos == indirect->begin) {
      emitNounPhrase(*indirect, Case::dative);
      pos = indirect->end;
      continue;
    }
    if (object && pos == object->begin && !objectDone) {
      if (emitGenericArticle_) emit("a", pos);
      // "felhívlak": the verb says "you" already
      if (!(a.youObject && object->pronoun)) emitNounPhrase(*object, objectCase);
      lastCase = objectCase;
      pos = object->end;
      objectDone = true;
      continue;
    }
    if (tk.tag == PartOfSpeech::conjunction && tk.lower == "and" && pos + 1 < n &&
        startsNounPhrase(pos + 1) && lastCase != Case::nominative) {
      emit("\xC3\xA9s", pos);
      NounPhrase np = readNounPhrase(pos + 1);
      emitNounPhrase(np, lastCase);
      pos = np.end;
      continue;
    }
    if (tk.tag == PartOfSpeech::infinitiveTo && pos + 1 < n && t_[pos + 1].tag == PartOfSpeech::verb) {
      const Sense* s = coreSense(t_[pos + 1], sense(pos + 1));
      if (s)
        emit(s->prefix + infinitiveOf(VerbStem{s->word, s->prefix, ""}), pos + 1);
      else
        emit(plainSense(t_[pos + 1], sense(pos + 1)).value_or(t_[pos + 1].written), pos + 1,
             t_[pos + 1].entry || !t_[pos + 1].dictionarySenses.empty());
      pos += 2;
      continue;
    }
    if (tk.tag == PartOfSpeech::preposition && pos + 1 < n && startsNounPhrase(pos + 1)) {
      NounPhrase np = readNounPhrase(pos + 1);
      // "a cup of coffee": a measure and its substance side by side
      const std::string& p = tk.lower;
      std::string post;
      std::optional<Case> c;
      if (verbSense && !verbSense->note(p).empty()) c = caseNamed(verbSense->note(p));
      const Sense* headSense = coreSense(t_[np.head], sense(np.head));
      if (!c && headSense && !headSense->note(p).empty()) c = caseNamed(headSense->note(p));
      if (!c && p == "at" && t_[np.head].tag == PartOfSpeech::number) {
        const Numeral* num = numeral(t_[np.head].lower);
        emit(attachCase(num ? std::string(num->alone) : t_[np.head].written, Case::temporal), np.head);
        pos = np.end;
        continue;
      }
      if (!c && p == "of") c = Case::nominative;
      for (const Postposition& pp : kPostpositions)
        if (!c && pp.english == p) c = Case::nominative, post = std::string(pp.hungarian);
      for (const PrepCase& pc : kPrepCases)
        if (!c && pc.english == p) c = pc.c;
      emitNounPhrase(np, c.value_or(Case::nominative), post);
      lastCase = c.value_or(Case::nominative);
      pos = np.end;
      continue;
    }
    if (tk.lower == "please") {
      copulaTail.push_back({"k\xC3\xA9rlek", pos, true});
      ++pos;
      continue;
    }
    if (tk.tag == PartOfSpeech::determiner || tk.tag == PartOfSpeech::noun ||
        tk.tag == PartOfSpeech::adjective || tk.tag == PartOfSpeech::name || tk.tag == PartOfSpeech::number ||
        tk.tag == PartOfSpeech::possessive || (tk.tag == PartOfSpeech::pronoun)) {
      NounPhrase np = readNounPhrase(pos);
      emitNounPhrase(np, Case::nominative);
      pos = std::max(np.end, pos + 1);
      continue;
    }
    // "while skiing": the activity, then "közben"
    if (tk.lower == "while" && pos + 1 < n && t_[pos + 1].lower.size() > 4 &&
        t_[pos + 1].lower.compare(t_[pos + 1].lower.size() - 3, 3, "ing") == 0) {
      const Token& act = t_[pos + 1];
      const lexicon::Entry* gerund = nullptr;
      if (act.entry && act.entry->pos == PartOfSpeech::noun) gerund = act.entry;
      if (gerund) {
        emit(gerund->senses[0].word, pos + 1);
        emit("k\xC3\xB6zben", pos);
        pos += 2;
        continue;
      }
    }
    if (tk.tag == PartOfSpeech::question || tk.tag == PartOfSpeech::conjunction) {
      for (const auto& [english, hungarian] : kLinkWords)
        if (english == tk.lower) emit(std::string(hungarian), pos);
      ++pos;
      continue;
    }
    if (tk.tag == PartOfSpeech::adverb || tk.tag == PartOfSpeech::verb) {
      if (auto s = plainSense(tk, sense(pos)))
        emit(tk.tag == PartOfSpeech::verb ? *s : *s, pos);
      else
        emit(tk.written, pos, false);
      ++pos;
      continue;
    }
    if (tk.lower == "here")
      emit("itt", pos);
    else if (tk.lower == "there" && !existential)
      emit("ott", pos);
    ++pos;
  }
  (void)verbDone;
  for (HungarianWord& w : copulaTail) out_.push_back(std::move(w));
  // "a" before a vowel is "az"
  for (std::size_t k = 0; k + 1 < out_.size(); ++k) {
    if (out_[k].text != "a") continue;
    const std::u16string next = utf8ToUtf16(out_[k + 1].text);
    static constexpr std::u16string_view kVowels =
        u"aeiou\u00E1\u00E9\u00ED\u00F3\u00F6\u0151\u00FA\u00FC\u0171AEIOU\u00C1\u00C9";
    if (!next.empty() && kVowels.find(next[0]) != std::u16string_view::npos) out_[k].text = "az";
  }
  return out_;
}

}  // namespace

std::size_t senseCount(const Token& t) {
  if (t.entry) return t.entry->senses.size();
  return t.dictionarySenses.size();
}

std::vector<HungarianWord> generateHungarian(const std::vector<Token>& tokens, std::size_t pointed,
                                             std::size_t pointedSense) {
  return Generator(tokens, pointed, pointedSense).run();
}

}  // namespace lexiton::translator
