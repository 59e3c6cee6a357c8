#include "clauses.h"
#include "word_lists.h"

#include <algorithm>
#include <string_view>

namespace lexiton::translator {
namespace {

// Words that open a clause of their own, with the Hungarian word that links it.
struct Subordinator {
  std::string_view english, hungarian;
};
constexpr Subordinator kSubordinators[] = {
    {"because", "mert"},
    {"if", "ha"},
    {"when", "amikor"},
    {"while", "mik\xC3\xB6zben"},
    {"although", "b\xC3\xA1r"},
    {"though", "b\xC3\xA1r"},
    {"unless", "hacsak nem"},
    {"whether", "hogy"},
    {"before", "miel\xC5\x91tt"},
    {"after", "miut\xC3\xA1n"},
    {"until", "am\xC3\xADg"},
    {"without", "an\xC3\xA9lk\xC3\xBCl"},  // "without looking up": "anélkül, hogy felnézne"
    {"by the time", "mire"},
    {"as if", "mintha"},  // "as if she had not slept": "mintha nem aludt volna", the conditional
    {"as though", "mintha"},
    {"every time", "valah\xC3\xA1nyszor"},  // "every time I walk past": "valahányszor elmegyek"
    {"each time", "valah\xC3\xA1nyszor"},
    {"next time", "ha legk\xC3\xB6zelebb"},  // "next time you come": "ha legközelebb jössz"
    {"as soon as", "amint"},
    {"once", "amint"},  // "once the water boils": "amint a víz felforr"
    {"every time", "valah\xC3\xA1nyszor"},
    {"each time", "valah\xC3\xA1nyszor"},
    {"as long as", "amíg"},
    {"just as", "\xC3\xA9pp amikor"},  // "just as the sun rose": the very moment, "épp amikor"
    {"even though", "b\xC3\xA1r"},
    {"even if", "m\xC3\xA9g ha"},
    {"in case", "arra az esetre, ha"},  // "in case it rains": "arra az esetre, ha esik"
    {"provided that", "felt\xC3\xA9ve, hogy"},  // "provided that you pay": "feltéve, hogy fizet"
    {"providing that", "felt\xC3\xA9ve, hogy"},
    {"since", "mi\xC3\xB3ta"},
    {"as", "ahogy"},
    {"where", "ahol"},
    {"what", "amit"},         // "I did what you asked": "amit kértél"; asked within, "mit" (below)
    {"why", "mi\xC3\xA9rt"},  // "asked me why he left": a question within
    {"but", "de"},
    {"and", "\xC3\xA9s"},
    {"or", "vagy"},
    {"so", "ez\xC3\xA9rt"},
    {"that", "hogy"},
    {"than", "mint"},  // "better than we expected": "jobb volt, mint vártuk"
};
// Question words that ask, within, what is to be done: "how to swim": "hogyan kell úszni".
constexpr std::pair<std::string_view, std::string_view> kToBeDone[] = {
    {"how", "hogyan"}, {"what", "mit"}, {"where", "hol"}, {"when", "mikor"}};

// Words that stand for a noun before them and open a relative clause.
struct Relative {
  std::string_view english, subject, object, subjects, objects;  // singular, then plural
};
constexpr Relative kRelatives[] = {
    {"which", "amely", "amelyet", "amelyek", "amelyeket"},
    {"that", "amely", "amelyet", "amelyek", "amelyeket"},
    {"who", "aki", "akit", "akik", "akiket"},
    {"whom", "aki", "akit", "akik", "akiket"},
};

// Verbs whose object may be a clause without "that": "I think he is right".
constexpr std::string_view kThatlessVerbs[] = {"think",  "hope",    "know",     "believe", "say",   "guess",
                                               "feel",   "wish",    "suppose",  "expect",  "hear",  "realize",
                                               "notice", "promise", "remember", "forget",  "admit", "mean",
                                               "make sure", "ensure"};

// Verbs whose object may be a question within: "I know where he lives".
constexpr std::string_view kAsking[] = {"know",       "ask",     "wonder", "tell", "remember", "forget",
                                        "understand", "explain", "show",   "see",  "decide"};

// and those that find out or say what it is, but whose "when" tells the time of doing it
// ("Check when you arrive"): "check where it is", "find out if it is open"
constexpr std::string_view kFindingOut[] = {"check",   "find out", "discover", "guess",
                                            "imagine", "describe", "realise",  "realize"};

bool asks(const Token& t) { return t.tag == PartOfSpeech::verb && listed(kAsking, t.lemma); }
bool asksWith(const Token& t, std::string_view word) {
  return asks(t) || (t.tag == PartOfSpeech::verb && word != "when" && listed(kFindingOut, t.lemma));
}

// Adjectives and adverbs that "how" asks a number of: "how old", "how long", "how much".
constexpr std::string_view kCounted[] = {"old", "long", "often", "much", "many", "far", "soon"};

// ("Make sure the lid is closed": the phrasal verb "make sure" too, "Győződjön meg arról, hogy")
bool takesThatlessClause(const Token& t) {
  // (a phrase's lemma is its verb's: "make sure" is "make", its entry says the phrase)
  return t.tag == PartOfSpeech::verb &&
         (listed(kThatlessVerbs, t.lemma) || (t.entry && listed(kThatlessVerbs, t.entry->lemma)));
}

// A noun that a contact relative clause may follow: a common noun, not a name or pronoun; a
// subject pronoun opens the clause without a relative word ("the film I saw").
// ("the coldest winter anyone could remember": "everyone", "anyone" as well)
bool contactRelativeAfter(const Token& prev, const Token& t) {
  static constexpr std::string_view kAnyone[] = {"anyone",    "anybody", "everyone",
                                                 "everybody", "someone", "somebody"};
  return prev.tag == PartOfSpeech::noun && !prev.possessor && (subjectPronoun(t) || listed(kAnyone, t.lower));
}

const Subordinator* subordinator(std::string_view w) {
  for (const Subordinator& s : kSubordinators)
    if (s.english == w) return &s;
  return nullptr;
}
const Relative* relative(std::string_view w) {
  for (const Relative& r : kRelatives)
    if (r.english == w) return &r;
  return nullptr;
}

// "Thank you for helping me": what is thanked for, "Köszönöm, hogy segítettél".
// "forgave her for selling", "was fined for using", "apologised for being late": what one is
// blamed, forgiven, punished or praised for, an "-ing" verb after "for" and a verb of judging
// before it in its clause.
// ("for being late", "for being so patient": "being" and what one was, a clause too)
bool ingAfterFor(const std::vector<Token>& t, std::size_t i) {
  if (i + 1 >= t.size() || t[i].lower != "for") return false;
  if (t[i + 1].tag == PartOfSpeech::verb && t[i + 1].form == VerbForm::ing) return true;
  return t[i + 1].lower == "being" && t[i + 1].tag == PartOfSpeech::auxiliary && i + 2 < t.size() &&
         (t[i + 2].tag == PartOfSpeech::adjective || t[i + 2].tag == PartOfSpeech::adverb);
}

bool deedClauseAt(const std::vector<Token>& t, std::size_t i) { return ingAfterFor(t, i) && judgesBefore(t, i); }

bool thanksClauseAt(const std::vector<Token>& t, std::size_t i) { return ingAfterFor(t, i) && thanksBefore(t, i); }

// "I'm sorry for being late", "sorry for keeping you waiting": what one regrets having done, a
// clause of its own with the same subject, "Sajnálom, hogy elkéstem".
bool regretClauseAt(const std::vector<Token>& t, std::size_t i) { return ingAfterFor(t, i) && regretsBefore(t, i); }

// "We're thinking of getting a puppy", "I am thinking about changing my job": what one thinks of
// doing, a clause of its own with the same subject.
bool thinkingOfAt(const std::vector<Token>& t, std::size_t i) {
  return i >= 1 && i + 1 < t.size() && (t[i].lower == "of" || t[i].lower == "about") &&
         t[i - 1].tag == PartOfSpeech::verb && t[i - 1].lemma == "think" && t[i + 1].tag == PartOfSpeech::verb &&
         t[i + 1].form == VerbForm::ing;
}

// "before leaving the house", "after eating", "while waiting": a clause of time whose verb is
// an "-ing" form without a subject.
// ("without looking up" after a comma, past the words of saying, stays with them)
bool gerundClauseAt(const std::vector<Token>& t, std::size_t i) {
  return i + 1 < t.size() && t[i + 1].tag == PartOfSpeech::verb && t[i + 1].form == VerbForm::ing &&
         opensIngClauseOfTime(t[i].lower) && !(t[i].lower == "without" && i > 0 && t[i - 1].pauseAfter);
}

bool isVerbal(const Token& t) {
  return t.tag == PartOfSpeech::verb || t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal;
}
// A passive verb group from `k` on, before `end`: "was built", "will be closed", "has been
// repaired", "can be found", an adverb allowed before the participle ("was recently built").
bool passiveFrom(const std::vector<Token>& t, std::size_t k, std::size_t end) {
  if (k < end && t[k].tag == PartOfSpeech::modal) ++k;
  if (k < end && (t[k].lower == "has" || t[k].lower == "have" || t[k].lower == "had")) ++k;
  static constexpr std::string_view kBe[] = {"am", "is", "are", "was", "were", "be", "been"};
  if (k >= end || t[k].tag != PartOfSpeech::auxiliary || !listed(kBe, t[k].lower)) return false;
  ++k;
  if (k < end && t[k].tag == PartOfSpeech::adverb) ++k;
  return k < end && t[k].tag == PartOfSpeech::verb && t[k].form == VerbForm::participle;
}

bool isNounish(const Token& t) {
  return t.tag == PartOfSpeech::noun || t.tag == PartOfSpeech::name || t.tag == PartOfSpeech::pronoun;
}

class Splitter {
 public:
  Splitter(const std::vector<Token>& t, const SentenceShape& shape) : t_(t), shape_(shape) {}
  std::vector<Clause> run();

 private:
  bool pauseBefore(std::size_t i) const {
    const Token& prev = t_[i - 1];
    const std::size_t word = prev.word + prev.words - 1;
    return word < shape_.pauseAfterWord.size() && shape_.pauseAfterWord[word];
  }
  bool verbIn(std::size_t b, std::size_t e) const {
    for (std::size_t k = b; k < e && k < t_.size(); ++k)
      if (isVerbal(t_[k])) return true;
    return false;
  }
  // A verb in [b, e), or a set phrase that is its clause's verb: "let me know", "thank you" and
  // "thanks", one word in Hungarian, "szólj", "köszönöm" ("Szólj, ha ...", "Köszönöm a sálat,
  // amelyet küldtél").
  bool verbOrItsPhraseIn(std::size_t b, std::size_t e) const {
    if (verbIn(b, e)) return true;
    for (std::size_t k = b; k < e && k < t_.size(); ++k)
      if (t_[k].lemma == "let me know" || t_[k].lemma == "let us know" || t_[k].lemma.starts_with("thank you") ||
          t_[k].lower.starts_with("thanks") || t_[k].lower == "sorry" || t_[k].lower == "excuse me")
        return true;
    return false;
  }
  // A contact relative clause starts at i, after the noun it says more of: "the film I saw",
  // "the inconvenience this may have caused", "the trouble it caused" ("it" and "this" right
  // before a verb; "told the boy it was late" says what was told).
  bool contactRelativeAt(std::size_t i) const {
    if (i == 0) return false;
    if (contactRelativeAfter(t_[i - 1], t_[i])) return true;
    if (pauseBefore(i)) return false;  // ("That night, the children ...": a new clause)
    static constexpr std::string_view kTelling[] = {"tell", "show", "remind", "warn", "promise",
                                                    "inform", "assure", "teach", "convince"};
    const bool told = i >= 2 && t_[i - 2].tag == PartOfSpeech::verb && listed(kTelling, t_[i - 2].lemma);
    // "the book my father wrote", "the day the war ended": a clause with a noun subject as well
    if (t_[i - 1].tag == PartOfSpeech::noun && !t_[i - 1].possessor && !told && t_[i].lower != "whose" &&
        (t_[i].tag == PartOfSpeech::possessive || t_[i].lower == "the") && finiteClauseAt(i))
      return true;
    return (t_[i].lower == "it" || t_[i].lower == "this") && t_[i - 1].tag == PartOfSpeech::noun &&
           !t_[i - 1].possessor && !told && verbAt(i + 1);
  }
  // "day", "year", "morning", "time": a noun of a time, which a clause may say when
  static bool timeNoun(const Token& t) {
    static constexpr std::string_view kTimes[] = {"time",   "night",  "morning", "evening", "afternoon",
                                                  "summer", "winter", "spring",  "autumn"};
    return t.tag == PartOfSpeech::noun && (unitOfTime(t.lemma) || listed(kTimes, t.lemma));
  }
  // "the day I met her": the time the clause says when, "a napot, amikor találkoztam vele"; "the
  // day I will never forget", whose verb ends it, has the time as its object ("amelyet")
  bool whenAfterTime(const Clause& c) const {
    if (c.begin == 0 || !timeNoun(t_[c.begin - 1])) return false;
    for (std::size_t k = c.body; k < c.end; ++k)
      if (t_[k].tag == PartOfSpeech::verb) return k + 1 < c.end && t_[k + 1].tag != PartOfSpeech::adverb;
    return false;
  }
  // "anyone in the valley could remember": the one word of a contact relative's subject, a
  // place after it, then the finite verb.
  bool placedSubjectClauseAt(std::size_t i) const {
    static constexpr std::string_view kPlaces[] = {"in", "at", "on", "from"};
    if (i + 3 >= t_.size() || !listed(kPlaces, t_[i + 1].lower)) return false;
    std::size_t k = i + 2;
    while (k < t_.size() && (t_[k].tag == PartOfSpeech::determiner || t_[k].tag == PartOfSpeech::adjective))
      ++k;
    const std::size_t nounStart = k;
    while (k < t_.size() && isNounish(t_[k]) && k - nounStart < 2) ++k;
    return k > nounStart && !pauseBefore(k) && verbAt(k);
  }
  // Past an adverb and its comma that open the clause: "Unfortunately, the item you ordered".
  std::size_t afterOpeningAdverb(std::size_t begin, std::size_t end) const {
    // ("Unfortunately the invoice you sent ...", "I'm afraid the invoice ...": one of the whole
    // sentence without its comma)
    return begin + 1 < end && t_[begin].tag == PartOfSpeech::adverb &&
                   (pauseBefore(begin + 1) || t_[begin].lower.ends_with("ly"))
               ? begin + 1
               : begin;
  }
  // A subject and a finite verb start at i: "I arrived", "the children were", "it rains".
  // "as he promised", "as you can see": a pronoun, perhaps a modal, and a verb of saying or
  // knowing that ends the clause say how, "ahogy", never why
  bool sayingAsIs(std::size_t i, std::size_t end) const {
    if (i >= end || t_[i].tag != PartOfSpeech::pronoun) return false;
    std::size_t v = i + 1;
    if (v < end && (t_[v].tag == PartOfSpeech::modal || t_[v].tag == PartOfSpeech::auxiliary)) ++v;
    return v < end && t_[v].tag == PartOfSpeech::verb && saysOrKnows(t_[v].lemma) &&
           (v + 1 == end || t_[v].pauseAfter);
  }
  bool finiteClauseAt(std::size_t i) const {
    if (i >= t_.size()) return false;  // (a lone preposition ends the sentence: "at")
    // "there is", "there were": existence, a clause of its own
    if (i + 1 < t_.size() && t_[i].lower == "there" &&
        (t_[i + 1].tag == PartOfSpeech::auxiliary || t_[i + 1].tag == PartOfSpeech::modal))
      return true;
    // "I think this is wrong", "I hope this helps": a demonstrative alone is the subject
    if ((t_[i].lower == "this" || t_[i].lower == "these" || t_[i].lower == "those") && verbAt(i + 1)) return true;
    std::size_t k = i;
    while (k < t_.size() && (t_[k].tag == PartOfSpeech::determiner || t_[k].tag == PartOfSpeech::possessive ||
                             t_[k].tag == PartOfSpeech::number || t_[k].tag == PartOfSpeech::adjective))
      ++k;
    // ("some of the charts are", "one of my friends has": a part of the nouns after "of")
    if (k > i && k + 1 < t_.size() && t_[k].lower == "of" &&
        (t_[k - 1].tag == PartOfSpeech::determiner || t_[k - 1].tag == PartOfSpeech::number) &&
        !pauseBefore(k)) {
      ++k;
      while (k < t_.size() && (t_[k].tag == PartOfSpeech::determiner ||
                               t_[k].tag == PartOfSpeech::possessive || t_[k].tag == PartOfSpeech::adjective))
        ++k;
    }
    const std::size_t nounStart = k;
    // ("After lunch, we ...": the nouns of one subject, not across a comma)
    while (k < t_.size() && isNounish(t_[k]) && k - nounStart < 3 && !(k > nounStart && pauseBefore(k))) ++k;
    if (k == nounStart || k >= t_.size()) return false;
    // ("a drop of blood appeared": the owner after "of" belongs to the subject)
    if (t_[k].lower == "of" && k + 1 < t_.size() && !pauseBefore(k)) {
      std::size_t o = k + 1;
      while (o < t_.size() && (t_[o].tag == PartOfSpeech::determiner || t_[o].tag == PartOfSpeech::adjective))
        ++o;
      const std::size_t ownerStart = o;
      while (o < t_.size() && (t_[o].tag == PartOfSpeech::noun || t_[o].tag == PartOfSpeech::name) &&
             o - ownerStart < 3)
        ++o;
      if (o > ownerStart && o < t_.size()) k = o;
    }
    // ("the woman in it smiled", "the man in the car waved": a place said of the subject, before
    // a verb that is finite beyond doubt)
    if (k + 2 < t_.size() && !pauseBefore(k) &&
        (t_[k].lower == "in" || t_[k].lower == "on" || t_[k].lower == "at" || t_[k].lower == "from" ||
         t_[k].lower == "near")) {
      std::size_t o = k + 1;
      if (t_[o].tag == PartOfSpeech::pronoun && !subjectPronoun(t_[o])) {
        ++o;
      } else {
        while (o < t_.size() && (t_[o].tag == PartOfSpeech::determiner || t_[o].tag == PartOfSpeech::possessive ||
                                 t_[o].tag == PartOfSpeech::adjective))
          ++o;
        const std::size_t placeStart = o;
        while (o < t_.size() && (t_[o].tag == PartOfSpeech::noun || t_[o].tag == PartOfSpeech::name) &&
               o - placeStart < 3)
          ++o;
        if (o == placeStart) o = k;
      }
      if (o > k + 1 && o < t_.size() && !pauseBefore(o) &&
          (t_[o].tag == PartOfSpeech::auxiliary || t_[o].tag == PartOfSpeech::modal ||
           (t_[o].tag == PartOfSpeech::verb && (t_[o].form == VerbForm::past || t_[o].form == VerbForm::third))))
        return true;
    }
    // ("her story, except ...": the verb of the clause follows its subject without a pause)
    if (pauseBefore(k)) return false;
    // ("we really enjoyed", "the train finally arrived": an adverb inside)
    // (not past a comma: "until you hear a click, then open the door")
    if (((t_[k].tag == PartOfSpeech::adverb && t_[k].entry) || t_[k].lower == "never") && k + 1 < t_.size() &&
        !pauseBefore(k) && t_[k + 1].tag == PartOfSpeech::verb)  // ("he never gives in")
      ++k;
    const Token& v = t_[k];
    return v.tag == PartOfSpeech::auxiliary || v.tag == PartOfSpeech::modal ||
           (v.tag == PartOfSpeech::verb &&
            (v.form == VerbForm::base || v.form == VerbForm::third || v.form == VerbForm::past));
  }
  // A finite verb without a subject: "and went home".
  bool verbAt(std::size_t i) const {
    return i < t_.size() && (t_[i].tag == PartOfSpeech::auxiliary || t_[i].tag == PartOfSpeech::modal ||
                             (t_[i].tag == PartOfSpeech::verb &&
                              (t_[i].form == VerbForm::past || t_[i].form == VerbForm::third)));
  }
  // "neighbours who live alone", "people who still work": after a plural noun and its relative
  // word, a verb's bare form is its present, the clause's own verb.
  bool pluralsPresentAt(std::size_t i, const Token& noun) const {
    if (!noun.plural || noun.tag != PartOfSpeech::noun) return false;
    if (i < t_.size() && t_[i].tag == PartOfSpeech::adverb) ++i;
    return i < t_.size() && t_[i].tag == PartOfSpeech::verb && t_[i].form == VerbForm::base;
  }
  // "Children who eat breakfast learn better": the bare verb at i after a relative clause
  // (from `relativeBegin`) of a plural noun that no verb precedes, the sentence's subject, is
  // the main clause's present.
  bool pluralSubjectsPresentAt(std::size_t i, std::size_t relativeBegin) const {
    return relativeBegin > 0 && t_[i].tag == PartOfSpeech::verb && t_[i].form == VerbForm::base &&
           t_[relativeBegin - 1].tag == PartOfSpeech::noun && t_[relativeBegin - 1].plural &&
           !verbIn(0, relativeBegin - 1);
  }
  // An adjective or adverb after "how": the quality asked about ("how beautiful", "how fast").
  bool howMuchOf(std::size_t i) const {
    return i < t_.size() && (t_[i].tag == PartOfSpeech::adjective || t_[i].tag == PartOfSpeech::adverb);
  }
  // "how" and an adjective or adverb before a clause, after a verb that asks: "know how hard it is"
  // "I don't know which bus goes there", "asked which team had won": "which" and the noun it
  // asks about, the subject of a question within ("melyik busz megy oda")
  bool whichAskedAt(std::size_t i) const {
    if (i < 1 || t_[i].lower != "which") return false;
    const std::size_t verb = t_[i - 1].tag == PartOfSpeech::pronoun && i >= 2 ? i - 2 : i - 1;
    if (!asksWith(t_[verb], "which")) return false;
    std::size_t k = i + 1;
    while (k < t_.size() && t_[k].tag == PartOfSpeech::adjective) ++k;
    // ("which pages he should read": the noun asked about the object, its own subject after it)
    return k < t_.size() && t_[k].tag == PartOfSpeech::noun && (verbAt(k + 1) || finiteClauseAt(k + 1));
  }
  // "Do you know what time it is?", "I don't know how much it costs", "asked how old he was": a
  // question of quantity within, its two words said in place as the question says them ("hány
  // óra van", "mennyibe kerül")
  bool quantityAskedAt(std::size_t i) const {
    if (i < 1 || i + 2 >= t_.size() || t_[i].tag != PartOfSpeech::question || t_[i].lemma.find(' ') == std::string::npos ||
        t_[i + 1].tag != PartOfSpeech::particle)
      return false;
    std::size_t k = i + 2;  // ("how many people came": the noun counted, the subject)
    while (k < t_.size() && t_[k].tag == PartOfSpeech::particle) ++k;  // ("what time it is": no "it")
    if (!finiteClauseAt(k) && !verbAt(k) && !(t_[k].tag == PartOfSpeech::pronoun && verbAt(k + 1)) &&
        !(t_[k].tag == PartOfSpeech::noun && verbAt(k + 1)))
      return false;
    const std::size_t verb = t_[i - 1].tag == PartOfSpeech::pronoun && i >= 2 ? i - 2 : i - 1;
    return asksWith(t_[verb], "how");
  }
  bool degreeAskedAt(std::size_t i) const {
    if (i < 1 || i + 2 >= t_.size() || t_[i].lower != "how" || !howMuchOf(i + 1) ||
        listed(kCounted, t_[i + 1].lower) || !finiteClauseAt(i + 2))
      return false;
    const std::size_t verb = t_[i - 1].tag == PartOfSpeech::pronoun && i >= 2 ? i - 2 : i - 1;
    return asksWith(t_[verb], "how");
  }
  // "The house where I live is old", "The day when we met was cold": a clause of the place or
  // time the subject's noun is, before the clause's own verb ("A ház, ahol lakom, régi")
  bool placeOrTimeInSubjectAt(std::size_t i, std::size_t clauseBegin) const {
    return i > clauseBegin && (t_[i].lower == "where" || t_[i].lower == "when") &&
           t_[i - 1].tag == PartOfSpeech::noun && !t_[i - 1].possessor && !pauseBefore(i) &&
           !verbOrItsPhraseIn(clauseBegin, i) && finiteClauseAt(i + 1);
  }
  // The verb before `i`, past the one asked or told after it ("asked me", "ask the driver",
  // "tell someone"); i - 1 when there is none.
  std::size_t verbBeforeOneTold(std::size_t i) const {
    if (i >= 2 && t_[i - 1].tag == PartOfSpeech::pronoun) return i - 2;
    std::size_t k = i;
    while (k > 0 && i - k < 4 && !t_[k - 1].pauseAfter &&
           (t_[k - 1].tag == PartOfSpeech::noun || t_[k - 1].tag == PartOfSpeech::name ||
            t_[k - 1].tag == PartOfSpeech::adjective || t_[k - 1].tag == PartOfSpeech::possessive ||
            t_[k - 1].lower == "the"))
      --k;
    const bool told = k < i && k > 0 && (t_[i - 1].tag == PartOfSpeech::noun || t_[i - 1].tag == PartOfSpeech::name) &&
                      t_[k - 1].tag == PartOfSpeech::verb && (t_[k - 1].lemma == "ask" || t_[k - 1].lemma == "tell" ||
                                                              t_[k - 1].lemma == "show");
    return told ? k - 1 : i - 1;
  }
  // "realised too late that", "said quietly that", "told me yesterday that": a verb (and the
  // one told) and how or when, then what it says
  bool verbBeforeAdverbs(std::size_t i) const {
    std::size_t k = i;
    while (k > 0 && t_[k - 1].tag == PartOfSpeech::adverb && !t_[k - 1].pauseAfter) --k;
    if (k == i) return false;
    if (k > 1 && t_[k - 1].tag == PartOfSpeech::pronoun && !t_[k - 1].pauseAfter) --k;
    return k > 0 && t_[k - 1].tag == PartOfSpeech::verb && !t_[k - 1].pauseAfter;
  }
  // The verb of an imperative opening at k, past "do not", "don't" and "never" before it.
  std::size_t pastNegation(std::size_t k) const {
    if (k + 2 < t_.size() && t_[k].lower == "do" && t_[k].tag == PartOfSpeech::auxiliary &&
        t_[k + 1].tag == PartOfSpeech::negation)
      return k + 2;
    return k + 1 < t_.size() && t_[k].lower == "never" ? k + 1 : k;
  }
  // "Do not eat or drink here", "Never lift or carry it": a second bare verb right after "and" or
  // "or" is forbidden with the first, "Ne egyen, és ne igyon itt"
  bool sharesNegatedImperative(std::size_t opening, std::size_t link) const {
    const std::size_t verb = pastNegation(opening);
    return verb != opening && verb < link && t_[verb].tag == PartOfSpeech::verb &&
           t_[verb].form == VerbForm::base && link + 1 < t_.size() &&
           t_[link + 1].tag == PartOfSpeech::verb && t_[link + 1].form == VerbForm::base;
  }
  // Where clause c's instruction begins, past "please" and "then".
  std::size_t imperativeOpening(const Clause& c) const {
    std::size_t opening = c.body;
    while (opening + 1 < c.end && (t_[opening].lower == "please" || t_[opening].lower == "then")) ++opening;
    return opening;
  }
  // "whose" after a noun, its owned noun and a verb after it
  bool ownerRelativeAt(std::size_t i) const {
    return i > 0 && t_[i].lower == "whose" && t_[i].tag == PartOfSpeech::possessive &&
           (isNounish(t_[i - 1]) || pauseBefore(i)) && verbIn(i + 1, t_.size());
  }
  bool soThat(std::size_t i) const {
    return i + 1 < t_.size() && t_[i].lower == "so" && t_[i + 1].lower == "that";
  }
  // "I don't know how to swim", "told me what to do": a question within of what is to be done
  const std::string_view* toBeDoneAt(std::size_t i) const {
    if (i < 1 || i + 2 >= t_.size() || t_[i + 1].tag != PartOfSpeech::infinitiveTo ||
        t_[i + 2].tag != PartOfSpeech::verb)
      return nullptr;
    const std::size_t verb = t_[i - 1].tag == PartOfSpeech::pronoun && i >= 2 ? i - 2 : i - 1;
    // ("I'm not sure what to do": an adjective of knowing asks it too)
    const bool knowing = t_[verb].tag == PartOfSpeech::adjective &&
                         (t_[verb].lower == "sure" || t_[verb].lower == "unsure" || t_[verb].lower == "certain");
    if (t_[verb].tag != PartOfSpeech::verb && !knowing) return nullptr;
    for (const auto& [english, hungarian] : kToBeDone)
      if (t_[i].lower == english) return &hungarian;
    return nullptr;
  }
  // "told me that ...": what was told the one after the verb, no relative clause
  bool thatAfterObject(std::size_t i) const {
    if (i >= 1 && t_[i].lower == "that" && contentNounBefore(i)) return true;
    return i >= 2 && t_[i].lower == "that" && t_[i - 1].tag == PartOfSpeech::pronoun &&
           t_[i - 2].tag == PartOfSpeech::verb;
  }
  // "no doubt that he is right", "the fact that it rained": a noun whose "that" says what it
  // holds, before a subject of its own ("nincs kétségem, hogy"); "the idea that he had" relates
  bool contentNounBefore(std::size_t i) const {
    static constexpr std::string_view kHolding[] = {
        "doubt",   "news",     "hope",       "fear",   "belief", "evidence", "proof",    "sign",
        "impression", "feeling", "reminder", "fact",   "chance", "risk",     "rumour",   "possibility",
        "warning", "guarantee", "confirmation"};
    if (t_[i - 1].tag != PartOfSpeech::noun || !listed(kHolding, t_[i - 1].lemma) || i + 2 >= t_.size())
      return false;
    // (only after its clause's verb: a noun that opens the sentence has its clause inside the
    // main one, "The fact that it rained did not matter")
    if (!std::any_of(t_.begin(), t_.begin() + std::ptrdiff_t(i - 1), [](const Token& k) {
          return k.tag == PartOfSpeech::verb || k.tag == PartOfSpeech::auxiliary;
        }))
      return false;
    const Token& next = t_[i + 1];
    return subjectPronoun(next) || next.tag == PartOfSpeech::determiner || next.tag == PartOfSpeech::name ||
           next.tag == PartOfSpeech::possessive || next.lower == "it" || next.lower == "something" ||
           next.lower == "nothing" || next.lower == "everything" || next.lower == "someone" || next.lower == "nobody";
  }
  // "so tired that she fell asleep": what came of it, "olyan fáradt volt, hogy elaludt"
  bool soThatAt(std::size_t i) const {
    return i >= 2 && t_[i].lower == "that" &&
           (t_[i - 1].tag == PartOfSpeech::adjective || t_[i - 1].tag == PartOfSpeech::adverb) &&
           t_[i - 2].lower == "so" && t_[i - 2].tag == PartOfSpeech::adverb;
  }
  // "The mayor's plan to build a new stadium has divided residents": "to" and a verb after the
  // noun phrase that opens the sentence, with the sentence's own verb after them, say what the
  // noun is, a clause inside the main one ("A polgármester terve, hogy új stadiont építsen,
  // megosztotta a lakosokat")
  bool nounsInfinitiveAt(std::size_t i) const {
    if (i < 1 || i + 2 >= t_.size() || t_[i].tag != PartOfSpeech::infinitiveTo || t_[i].purpose ||
        t_[i - 1].tag != PartOfSpeech::noun || t_[i + 1].tag != PartOfSpeech::verb ||
        t_[i + 1].form != VerbForm::base)
      return false;
    for (std::size_t k = 0; k < i; ++k) {
      const PartOfSpeech tag = t_[k].tag;
      if ((tag != PartOfSpeech::determiner && tag != PartOfSpeech::possessive && tag != PartOfSpeech::adjective &&
           tag != PartOfSpeech::noun && tag != PartOfSpeech::name && tag != PartOfSpeech::number) ||
          t_[k].pauseAfter)
        return false;
    }
    // (the sentence's verb: an auxiliary or a modal after the infinitive's own words)
    for (std::size_t k = i + 2; k + 1 < t_.size(); ++k) {
      if (t_[k].pauseAfter || t_[k].tag == PartOfSpeech::conjunction || t_[k].tag == PartOfSpeech::infinitiveTo)
        return false;
      if ((t_[k].tag == PartOfSpeech::auxiliary || t_[k].tag == PartOfSpeech::modal) &&
          t_[k - 1].tag != PartOfSpeech::auxiliary && t_[k - 1].tag != PartOfSpeech::modal &&
          t_[k - 1].tag != PartOfSpeech::infinitiveTo)
        return t_[k + 1].tag != PartOfSpeech::infinitiveTo;  // ("The way to learn is to practise")
    }
    return false;
  }
  // "I am sure that he will come", "We are glad you came": after the copula and an adjective of
  // certainty or feeling, what one is sure or glad of is a clause of "hogy" ("Biztos vagyok,
  // hogy jönni fog"), never a relative one
  bool feltThatAt(std::size_t i) const {
    static constexpr std::string_view kFeltThat[] = {
        "sure",     "certain",   "sorry",   "happy", "glad",  "worried",      "surprised", "pleased",
        "aware",    "proud",     "sad",     "lucky", "grateful", "confident", "convinced", "disappointed",
        "thankful", "delighted", "relieved", "shocked", "upset", "angry"};
    if (i < 2 || t_[i - 1].tag != PartOfSpeech::adjective || !listed(kFeltThat, t_[i - 1].lower) ||
        t_[i - 1].pauseAfter)
      return false;
    std::size_t k = i - 2;
    while (k > 0 && (t_[k].tag == PartOfSpeech::negation || t_[k].lower == "very" || t_[k].lower == "so" ||
                     t_[k].lower == "really" || t_[k].lower == "quite" || t_[k].lower == "absolutely"))
      --k;
    static constexpr std::string_view kBe[] = {"am", "is", "are", "was", "were", "be", "'m", "'re", "'s", "been"};
    if (!listed(kBe, t_[k].lower)) return false;
    const std::size_t from = t_[i].lower == "that" ? i + 1 : i;
    return from < t_.size() && (finiteClauseAt(from) || (from > i && verbAt(from)));
  }
  bool startsClause(std::size_t i, std::size_t clauseBegin, bool inRelative) const;
  bool perceivedAt(std::size_t i) const;
  Clause clauseAt(std::size_t begin, std::size_t end, bool first) const;

  const std::vector<Token>& t_;
  const SentenceShape& shape_;
};

// "watched the train disappear", "saw the children play": after a verb of seeing or hearing, a
// noun phrase and a bare verb are what was seen happen, a clause of its own ("néztem, ahogy eltűnik
// a vonat"), the noun phrase its subject.
bool Splitter::perceivedAt(std::size_t i) const {
  static constexpr std::string_view kPerceiving[] = {"watch", "see", "hear", "notice"};
  if (i == 0 || t_[i - 1].tag != PartOfSpeech::verb || !listed(kPerceiving, t_[i - 1].lemma) ||
      t_[i - 1].form == VerbForm::ing)
    return false;
  bool noun = false;
  for (std::size_t k = i; k < t_.size() && k < i + 5; ++k) {
    const PartOfSpeech tag = t_[k].tag;
    // ("noticed the boy slipping into the museum": what one saw going on, the "-ing" verb too)
    if (tag == PartOfSpeech::verb)
      return noun && (t_[k].form == VerbForm::base || (t_[k].form == VerbForm::ing && !t_[k - 1].pauseAfter)) && k > i;
    if (tag == PartOfSpeech::noun || tag == PartOfSpeech::name)
      noun = true;
    else if (tag != PartOfSpeech::determiner && tag != PartOfSpeech::adjective &&
             tag != PartOfSpeech::possessive && tag != PartOfSpeech::number)
      return false;
    if (t_[k].pauseAfter) return false;
  }
  return false;
}

bool Splitter::startsClause(std::size_t i, std::size_t clauseBegin, bool inRelative) const {
  const Token& t = t_[i];
  if (perceivedAt(i) || whichAskedAt(i) || quantityAskedAt(i)) return true;
  // "I'm fine, thanks": the thanks after a comma closing the sentence are a clause of their own
  if (pauseBefore(i) && i + 1 == t_.size() && (t.lower == "thanks" || t.lemma == "thank you")) return true;
  // "OK, see you tomorrow", "Well, I don't know": an answer before a comma stands alone
  if (i == 1 && pauseBefore(i) && t_[0].tag == PartOfSpeech::adverb && opensAnAnswer(t_[0].lemma)) return true;
  // "Hi Tom, ...", "Dear Mr Smith, ...": a greeting and the name greeted stand alone
  if (pauseBefore(i) && clauseBegin == 0 && greets(t_[0]) &&
      std::all_of(t_.begin() + 1, t_.begin() + std::ptrdiff_t(i), [](const Token& k) {
        // ("Dear neighbours, ...", "Hi everyone, ...", "Dear Mum and Dad, ...": the people greeted)
        return k.tag == PartOfSpeech::name || k.lower == "mr" || k.lower == "mrs" || k.lower == "ms" ||
               k.lower == "dr" || k.tag == PartOfSpeech::noun || k.lower == "all" || k.lower == "everyone" ||
               k.lower == "and";
      }))
    return true;
  // "can provide a reference if needed": "if" and a lone participle closing the sentence are a
  // clause of their own ("szükség esetén")
  if (t.lower == "if" && i + 2 == t_.size() && !pauseBefore(i) &&
      (t_[i + 1].lower == "needed" || t_[i + 1].lower == "required" || t_[i + 1].lower == "necessary" ||
       (t_[i + 1].tag == PartOfSpeech::verb && t_[i + 1].form == VerbForm::participle)))
    return true;
  const bool verbAfter = verbIn(i, t_.size());
  if (!verbAfter) return false;
  const Token& prev = t_[i - 1];
  if (degreeAskedAt(i)) return true;
  if (feltThatAt(i)) return true;
  // "Whether we come in August depends on ...": the verb after the yes or no is the sentence's
  if (clauseBegin == 0 && t_[0].lower == "whether" && t.tag == PartOfSpeech::verb &&
      (t.form == VerbForm::third || t.form == VerbForm::past) && verbIn(1, i))
    return true;
  // a relative clause may follow the subject before its verb: "The house, which is old, ..."
  if (const Relative* r = relative(t.lower);
      r && (isNounish(prev) || pauseBefore(i)) && !soThatAt(i) && !thatAfterObject(i)) {
    if (t.lower != "that" || (prev.tag != PartOfSpeech::verb && !verbBeforeAdverbs(i)))
      return verbAt(i + 1) || finiteClauseAt(i + 1) || pluralsPresentAt(i + 1, prev);
  }
  // "the guest whose room was cold": a relative clause of the noun's owner
  if (ownerRelativeAt(i)) return true;
  // "The book I bought is good": a relative clause without its word
  // (after a verb, or after the noun phrase that opens the sentence, not "In the morning I ...")
  if (((contactRelativeAfter(prev, t) && (finiteClauseAt(i) || placedSubjectClauseAt(i))) ||
       contactRelativeAt(i)) &&
      (verbOrItsPhraseIn(clauseBegin, i) || std::all_of(t_.begin() + std::ptrdiff_t(afterOpeningAdverb(clauseBegin, i)),
                                             t_.begin() + std::ptrdiff_t(i), [](const Token& k) {
                                               return k.tag == PartOfSpeech::determiner ||
                                                      k.tag == PartOfSpeech::possessive ||
                                                      k.tag == PartOfSpeech::adjective ||
                                                      k.tag == PartOfSpeech::noun ||
                                                      k.tag == PartOfSpeech::number;
                                             })))
    return true;
  if (thanksClauseAt(t_, i) || regretClauseAt(t_, i) || toBeDoneAt(i) || deedClauseAt(t_, i) || thinkingOfAt(t_, i)) return true;
  if (clauseBegin == 0 && nounsInfinitiveAt(i)) return true;
  // (after the clause's verb or the set phrase standing for it: "Köszönöm az e-mailedet, holnap
  // válaszolok")
  if (placeOrTimeInSubjectAt(i, clauseBegin)) return true;
  if (!verbOrItsPhraseIn(clauseBegin, i)) return false;
  if (t.tag == PartOfSpeech::infinitiveTo) return t.purpose;
  // "I think he is right": what is thought, without "that"; "Sorry I didn't answer": what one is
  // sorry for ("Bocsánat, hogy nem válaszoltam")
  if ((takesThatlessClause(prev) || prev.lower == "sorry") && finiteClauseAt(i) && !pauseBefore(i))
    return true;
  // "..., which is old, is for sale": the main clause goes on after the relative one
  // "The man who lives here is a doctor": a second verb group after the relative one
  if (inRelative && verbAt(i) &&
      (pauseBefore(i) || ((t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal) &&
                          prev.tag != PartOfSpeech::auxiliary && prev.tag != PartOfSpeech::modal &&
                          prev.tag != PartOfSpeech::negation)))
    return true;
  // "The number of tourists who visited the island fell": a finite verb after the relative
  // clause's own verb and its object is the main clause's
  // ("Children who eat breakfast learn better": of a plural subject, its bare present too)
  if (inRelative && t.tag == PartOfSpeech::verb && (verbAt(i) || pluralSubjectsPresentAt(i, clauseBegin)) &&
      (prev.tag == PartOfSpeech::noun || prev.tag == PartOfSpeech::name || prev.tag == PartOfSpeech::adverb ||
       // ("People who live here pay less": "here", "there" end the clause as an adverb does)
       prev.lower == "here" || prev.lower == "there" ||
       (prev.tag == PartOfSpeech::pronoun &&
        // ("the invoice you sent us contains"; "who called you left": "you" after a verb its object)
        (!subjectPronoun(prev) || (prev.lower == "you" && i >= 2 && t_[i - 2].tag == PartOfSpeech::verb)))) &&
      std::any_of(t_.begin() + std::ptrdiff_t(clauseBegin + 1), t_.begin() + std::ptrdiff_t(i),
                  [](const Token& k) { return k.tag == PartOfSpeech::verb; }))
    return true;
  // "The man who was ill died", "The boy whose bike was stolen cried": a finite verb right after
  // the relative clause's predicate or passive, "was ill", "was stolen"
  if (inRelative && t.tag == PartOfSpeech::verb && verbAt(i) && i >= 2 &&
      t_[i - 2].tag == PartOfSpeech::auxiliary &&
      (prev.tag == PartOfSpeech::adjective ||
       (prev.tag == PartOfSpeech::verb && prev.form == VerbForm::participle)) &&
      !pauseBefore(i))
    return true;
  // "Her flight lands at four, can you pick her up?": after a comma a modal or auxiliary before
  // a subject pronoun asks a question of its own
  if (shape_.question && pauseBefore(i) && i + 2 < t_.size() &&
      (t.tag == PartOfSpeech::modal ||
       (t.tag == PartOfSpeech::auxiliary && t.lower != "be" && t.lower != "being" && t.lower != "been")) &&
      subjectPronoun(t_[i + 1]) && verbIn(i + 2, t_.size()))
    return true;
  // "He tried but failed", "She called but got no answer": a second verb of the same subject
  // after "but", a clause of its own ("de nem kapott választ")
  // ("but never came", "but still refused": past "never" or an adverb before the verb)
  if (t.lower == "but" && (verbAt(i + 1) || (i + 2 < t_.size() && (t_[i + 1].tag == PartOfSpeech::negation ||
                                                                    t_[i + 1].tag == PartOfSpeech::adverb) &&
                                             t_[i + 2].tag == PartOfSpeech::verb && verbAt(i + 2))))
    return true;
  if (t.lower == "that")
    return (prev.tag == PartOfSpeech::verb || soThatAt(i) || thatAfterObject(i) || verbBeforeAdverbs(i)) &&
           (finiteClauseAt(i + 1) || verbAt(i + 1));
  if (t.lower == "and" || t.lower == "or") {
    // "Cut the onions and fry them": a second imperative, also after a clause before it ("If it
    // stops, switch it off and wait") or "then"
    std::size_t opening = clauseBegin;
    while (opening + 1 < i && (t_[opening].lower == "please" || t_[opening].lower == "then")) ++opening;
    // ("In heavy snow, drive slowly and keep a safe distance", "Gently stir it and wait": past
    // a phrase before a comma, or adverbs, that open the instruction)
    if (t_[opening].tag != PartOfSpeech::verb) {
      std::size_t k = opening;
      while (k + 1 < i && t_[k].tag == PartOfSpeech::adverb && !t_[k].pauseAfter) ++k;
      if (t_[k].tag != PartOfSpeech::verb)
        for (k = opening; k + 1 < i && !t_[k].pauseAfter; ++k) {}
      if (k + 1 < i && t_[k].pauseAfter) ++k;
      if (k < i && t_[k].tag == PartOfSpeech::verb && t_[k].form == VerbForm::base &&
          (k == opening || t_[k - 1].pauseAfter || t_[k - 1].tag == PartOfSpeech::adverb))
        opening = k;
    }
    std::size_t next = i + 1;  // ("and then switch it on", "and slowly add the milk")
    while (next + 1 < t_.size() && t_[next].tag == PartOfSpeech::adverb) ++next;
    const bool imperatives =
        (t_[opening].tag == PartOfSpeech::verb && t_[opening].form == VerbForm::base && next < t_.size() &&
         t_[next].tag == PartOfSpeech::verb && t_[next].form == VerbForm::base) ||
        sharesNegatedImperative(opening, i);
    // "We get up early and go to school": a second present verb of "I", "we", "you", "they"
    bool presentOfPerson = false;
    if (next < t_.size() && t_[next].tag == PartOfSpeech::verb && t_[next].form == VerbForm::base)
      for (std::size_t k = clauseBegin; k + 1 < i && !presentOfPerson; ++k) {
        std::size_t v = k + 1;  // ("I usually get up", "I will come and meet you")
        // (past "will" only: the present says what is to come, another modal would be lost)
        while (v < i && (t_[v].tag == PartOfSpeech::adverb || t_[v].lower == "will")) ++v;
        // ("I have a toothache and need to see the dentist": owning, "have" with its object)
        const bool owning = v + 1 < i && t_[v].lower == "have" && t_[v].tag == PartOfSpeech::auxiliary &&
                            (t_[v + 1].tag == PartOfSpeech::determiner || t_[v + 1].tag == PartOfSpeech::possessive ||
                             t_[v + 1].tag == PartOfSpeech::number);
        presentOfPerson =
            (t_[k].lower == "i" || t_[k].lower == "we" || t_[k].lower == "you" || t_[k].lower == "they") &&
            v < i && ((t_[v].tag == PartOfSpeech::verb && t_[v].form == VerbForm::base) || owning);
      }
    // ("and couldn't sleep", "and will call you": a modal, or an auxiliary that negates)
    // ("and had to walk home": "have to" as well)
    const bool modalAfter =
        i + 2 < t_.size() &&
        (t_[i + 1].tag == PartOfSpeech::modal ||
         (t_[i + 1].tag == PartOfSpeech::auxiliary &&
          (t_[i + 2].tag == PartOfSpeech::negation ||
           ((t_[i + 1].lower == "have" || t_[i + 1].lower == "had" || t_[i + 1].lower == "has") &&
            t_[i + 2].lower == "to"))));
    // ("is stubborn and never apologises", "and always wins": a finite verb past "never" or an
    // adverb goes on with the same subject)
    const bool finitePastAdverb =
        i + 2 < t_.size() && (t_[i + 1].lower == "never" || t_[i + 1].tag == PartOfSpeech::adverb) &&
        t_[i + 2].tag == PartOfSpeech::verb &&
        (t_[i + 2].form == VerbForm::third || t_[i + 2].form == VerbForm::past);
    // ("is small and has no window", "and had a dog": owning, a clause of the same subject)
    // ("I work as a nurse and have a steady income": "have" too, after a verb of its own subject;
    // "Tom and Anna have a dog" joins the subjects)
    const bool haveAfterVerb =
        t_[i + 1].lower == "have" &&
        std::any_of(t_.begin() + std::ptrdiff_t(clauseBegin), t_.begin() + std::ptrdiff_t(i),
                    [](const Token& k) { return k.tag == PartOfSpeech::verb && k.form != VerbForm::ing; });
    const bool owns = i + 2 < t_.size() && t_[i + 1].tag == PartOfSpeech::auxiliary &&
                      (t_[i + 1].lower == "has" || t_[i + 1].lower == "had" || haveAfterVerb) &&
                      (t_[i + 2].tag == PartOfSpeech::determiner || t_[i + 2].tag == PartOfSpeech::possessive ||
                       t_[i + 2].tag == PartOfSpeech::number || t_[i + 2].tag == PartOfSpeech::adjective);
    // ("and now it won't switch on", "and suddenly the lights went out": an adverb before the
    // next clause's subject)
    const bool adverbBeforeClause = i + 2 < t_.size() && t_[i + 1].tag == PartOfSpeech::adverb &&
                                    !t_[i + 1].pauseAfter && finiteClauseAt(i + 2);
    // ("and that isn't cheap", "but that was later": "that" alone before a verb is the subject)
    const bool thatSubject = i + 2 < t_.size() && t_[i + 1].lower == "that" && !t_[i + 1].pauseAfter &&
                             (t_[i + 2].tag == PartOfSpeech::auxiliary || t_[i + 2].tag == PartOfSpeech::modal ||
                              (t_[i + 2].tag == PartOfSpeech::verb &&
                               (t_[i + 2].form == VerbForm::third || t_[i + 2].form == VerbForm::past)));
    return finiteClauseAt(i + 1) || adverbBeforeClause || thatSubject || imperatives || presentOfPerson || finitePastAdverb || owns ||
           (verbAt(i + 1) && (pauseBefore(i) || t_[i + 1].tag == PartOfSpeech::verb || modalAfter));
  }
  // "so that it stays fresh": what for, "hogy friss maradjon"
  if (soThat(i)) return finiteClauseAt(i + 2);
  // ("so tired": "so" of degree opens nothing)
  // ("without a word": "without" opens only a clause of its "-ing" verb)
  if (t.lower == "without" && !gerundClauseAt(t_, i)) return false;
  // ("once the water boils", "once all the boxes were gone": "once" before a subject and its
  // verb opens a clause of time; "once again", "once a week" count)
  if (t.lower == "once") return finiteClauseAt(i + 1);
  // ("miss more than three lessons may lose": a count's bound before its number opens nothing)
  if (t.lower == "than" && i > 0 && i + 1 < t_.size() && t_[i + 1].tag == PartOfSpeech::number &&
      (t_[i - 1].lower == "more" || t_[i - 1].lower == "less" || t_[i - 1].lower == "fewer"))
    return false;
  if (subordinator(t.lower) && !(t.lower == "so" && t.tag == PartOfSpeech::adverb))
    return pauseBefore(i) || finiteClauseAt(i + 1) || gerundClauseAt(t_, i) ||
           (t.lower == "what" && verbAt(i + 1));  // ("tell me what happened")
  // after a comma: a new subject and verb, an "-ing" clause, or an imperative ("If you are
  // hungry, eat something.")
  // ("..., please do not hesitate": an imperative after "please" too)
  // "She picked up the phone, listened for a moment, then hung up": past verbs of one subject
  const bool pastBefore =
      std::any_of(t_.begin() + std::ptrdiff_t(clauseBegin), t_.begin() + std::ptrdiff_t(i),
                  [](const Token& k) { return k.tag == PartOfSpeech::verb && k.form == VerbForm::past; });
  const std::size_t then = t.lower == "then" ? i + 1 : i;
  if (pauseBefore(i) && pastBefore && then < t_.size() && t_[then].tag == PartOfSpeech::verb &&
      t_[then].form == VerbForm::past)
    return true;
  return pauseBefore(i) &&
         (finiteClauseAt(i) ||
          (t.tag == PartOfSpeech::verb && (t.form == VerbForm::ing || t.form == VerbForm::base)) ||
          // "If you feel dizzy, do not drive": a forbidding instruction
          (pastNegation(i) != i && t_[pastNegation(i)].tag == PartOfSpeech::verb &&
           t_[pastNegation(i)].form == VerbForm::base) ||
          // "..., then open the door": the next instruction
          (t.lower == "then" && i + 1 < t_.size() && t_[i + 1].tag == PartOfSpeech::verb &&
           t_[i + 1].form == VerbForm::base) ||
          // "..., always tell someone": how often the next instruction holds
          (t.lower == "always" && i + 1 < t_.size() && t_[i + 1].tag == PartOfSpeech::verb &&
           t_[i + 1].form == VerbForm::base) ||
          (t.lower == "please" && i + 1 < t_.size() &&
           (t_[i + 1].tag == PartOfSpeech::verb || isVerbal(t_[i + 1]))) ||
          // "It is late, let's go home": what we are to do
          (t.lower == "let's" && i + 1 < t_.size() &&
           (t_[i + 1].tag == PartOfSpeech::verb || t_[i + 1].tag == PartOfSpeech::negation)));
}

Clause Splitter::clauseAt(std::size_t begin, std::size_t end, bool first) const {
  Clause c;
  c.begin = c.body = begin;
  c.end = end;
  if (begin >= end) return c;
  const Token& t = t_[begin];
  if (!first && perceivedAt(begin)) {  // "néztem, ahogy eltűnik a vonat": said as a question within is
    c.link = "ahogy";
    c.question = true;
    return c;
  }
  if (!first && whichAskedAt(begin)) {  // "Nem tudom, melyik busz megy oda"
    c.question = c.askedInPhrase = true;
    return c;
  }
  if (!first && quantityAskedAt(begin)) {  // "Tudod, hány órakor nyit a bolt?"
    // (the noun counted, or the predicate of a "be", is said where the phrase stands: "hány
    // ember jött", "hány éves", "hány óra van")
    std::size_t k = begin + 2;
    while (k < end && t_[k].tag == PartOfSpeech::particle) ++k;
    c.question = true;
    c.askedInPhrase = (k < end && t_[k].tag == PartOfSpeech::noun) ||
                      std::any_of(t_.begin() + std::ptrdiff_t(k), t_.begin() + std::ptrdiff_t(end),
                                  [](const Token& w) { return w.tag == PartOfSpeech::auxiliary && formOfBe(w.lower); });
    return c;
  }
  // the owner is the relative word in the dative, the owned noun takes the possessive suffix
  // ("akinek a szobája", "amelynek a teteje")
  if (!first && ownerRelativeAt(begin)) {
    const Token& noun = t_[begin - 1];
    const bool person = noun.tag == PartOfSpeech::name || noun.tag == PartOfSpeech::pronoun ||
                        (noun.entry && !noun.entry->senses.empty() && noun.entry->senses.front().person);
    c.relative = true;
    c.link = person ? (noun.plural ? "akiknek" : "akinek") : (noun.plural ? "amelyeknek" : "amelynek");
    return c;
  }
  // (after a comma the clause is a new one: "After finishing the report, she went home")
  if (!first && contactRelativeAt(begin) && !pauseBefore(begin)) {
    // the noun before is the clause's object: "amelyet", or "akit" for a person
    const Token& noun = t_[begin - 1];
    const bool person = noun.entry && !noun.entry->senses.empty() && noun.entry->senses.front().person;
    const Relative* r = relative(person ? "who" : "which");
    c.relative = true;
    c.link = std::string(noun.plural ? r->objects : r->object);
    if (whenAfterTime(c)) c.relative = false, c.ofTime = true, c.link = "amikor";
    return c;
  }
  // "ran down the hill, shouting with joy": an "-ing" verb after the clause and its comma says
  // what went on meanwhile, the adverbial participle ("kiabálva")
  if (!first && pauseBefore(begin) && t.tag == PartOfSpeech::verb && t.form == VerbForm::ing) {
    c.meanwhile = true;
    return c;
  }
  if (!first && soThat(begin) && begin + 2 < end) {
    c.link = "hogy";
    c.body = begin + 2;
    c.purpose = true;
    return c;
  }
  if (!first && nounsInfinitiveAt(begin)) {
    c.link = "hogy";
    c.body = begin + 1;
    c.purpose = c.ofNoun = true;
    return c;
  }
  if (!first && t.tag == PartOfSpeech::infinitiveTo && t.purpose) {
    // "pretended to read": "(úgy tett,) mintha olvasna"
    c.link = t.promised && t_[begin - 1].lemma == "pretend" ? "mintha" : "hogy";
    c.body = begin + 1;
    c.purpose = true;
    c.request = t.request;
    c.promised = t.promised;
    c.awaited = t.awaited;
    c.negated = t.negated;
    c.measured = t.measured;
    return c;
  }
  if (const std::string_view* asked = first ? nullptr : toBeDoneAt(begin)) {
    c.link = std::string(*asked);
    c.body = begin + 1;
    c.question = c.toBeDone = true;
    return c;
  }
  // "forgot how beautiful the lake was": how much so is "milyen", its predicate after it
  if (!first && degreeAskedAt(begin)) {
    c.link = "milyen";
    c.body = begin + 1;
    c.question = c.degree = true;
    return c;
  }
  if (!first && deedClauseAt(t_, begin)) {
    c.link = "ami\xC3\xA9rt";
    c.body = begin + 1;
    c.gerund = c.deed = true;
    return c;
  }
  if (!first && regretClauseAt(t_, begin)) {
    c.link = "hogy";
    c.body = begin + 1;
    c.gerund = c.regret = true;
    return c;
  }
  if (!first && thanksClauseAt(t_, begin)) {
    c.link = "hogy";
    c.body = begin + 1;
    c.gerund = c.thanks = true;
    return c;
  }
  if (!first && thinkingOfAt(t_, begin)) {
    c.link = "hogy";
    c.body = begin + 1;
    c.gerund = c.considered = true;
    return c;
  }
  if (!first && feltThatAt(begin)) {
    c.link = "hogy";
    if (t.lower == "that") c.body = begin + 1;
    return c;
  }
  // ("Sorry, I don't understand": after a comma "sorry" apologises alone)
  // ("I hope that suits you": a "that" with a finite verb right after it is the clause's subject)
  const bool thatSubject =
      t.lower == "that" && begin + 1 < end &&
      ((t_[begin + 1].tag == PartOfSpeech::verb &&
        (t_[begin + 1].form == VerbForm::third || t_[begin + 1].form == VerbForm::past)) ||
       t_[begin + 1].tag == PartOfSpeech::modal ||
       (t_[begin + 1].tag == PartOfSpeech::auxiliary &&
        (t_[begin + 1].lower == "is" || t_[begin + 1].lower == "was" || t_[begin + 1].lower == "has")));
  if (!first && (takesThatlessClause(t_[begin - 1]) || t_[begin - 1].lower == "sorry") &&
      !pauseBefore(begin) && ((!subordinator(t.lower) && !relative(t.lower)) || thatSubject)) {
    c.link = "hogy";
    return c;
  }
  if (!first) {
    if (const Relative* r = relative(t.lower);
        r && begin > 0 && (t.lower != "that" || (t_[begin - 1].tag != PartOfSpeech::verb && !verbBeforeAdverbs(begin))) &&
        !soThatAt(begin) && !thatAfterObject(begin)) {
      c.relative = true;
      // ("the bridge, which was built in 1896": a passive's subject is the active's object,
      // "amelyet 1896-ban építettek")
      c.relativeSubject = begin + 1 < end && isVerbal(t_[begin + 1]) && !passiveFrom(t_, begin + 1, end);
      const bool plural = t_[begin - 1].plural;
      c.link = std::string(c.relativeSubject ? (plural ? r->subjects : r->subject)
                                             : (plural ? r->objects : r->object));
      c.body = begin + 1;
      return c;
    }
  }
  // A question word opens a question, which the clause says itself ("Where is ...?"); the
  // first clause never opens with "that", which is a determiner there.
  if (first && (shape_.question || t.lower == "that") && t.tag != PartOfSpeech::conjunction) return c;
  // ... so it does after a word of address that has no verb ("Excuse me, where is ...?", "Anna,
  // when are you coming?")
  if (!first && shape_.question && t.tag == PartOfSpeech::question && pauseBefore(begin) && !verbIn(0, begin))
    return c;
  // "..., as the knives are sharp": after a comma "as" gives the reason, "mert"
  if (!first && t.lower == "as" && pauseBefore(begin) && finiteClauseAt(begin + 1) && !sayingAsIs(begin + 1, end)) {
    c.link = "mert";
    c.body = begin + 1;
    return c;
  }
  // "What a lovely day!": an exclamation, no clause of what was done ("Amit mondtál, igaz")
  if (first && t.lower == "what" && !finiteClauseAt(begin + 1)) return c;
  c.result = !first && soThatAt(begin);
  // ("Since 2020, prices have risen": a preposition whose words reach a comma before any verb
  // governs them, "2020 óta")
  bool verbBeforePause = false;
  for (std::size_t k = begin + 1; k < end; ++k) {
    if (t_[k].tag == PartOfSpeech::verb || t_[k].tag == PartOfSpeech::auxiliary || t_[k].tag == PartOfSpeech::modal) {
      verbBeforePause = true;
      break;
    }
    if (t_[k].pauseAfter) break;
  }
  const bool linking = t.tag == PartOfSpeech::conjunction || t.tag == PartOfSpeech::question ||
                       // ("smiled as Clara leaned towards the cake": "as" read as the adverb too)
                       ((t.tag == PartOfSpeech::preposition || (t.tag == PartOfSpeech::adverb && t.lower == "as")) &&
                        finiteClauseAt(begin + 1) && verbBeforePause) ||
                       gerundClauseAt(t_, begin) || (!first && t.lower == "that") ||
                       (t.lower == "once" && finiteClauseAt(begin + 1));
  if (const Subordinator* s = subordinator(t.lower); s && linking && begin + 1 < end) {
    c.link = std::string(s->hungarian);
    c.body = begin + 1;
    c.gerund = gerundClauseAt(t_, begin);
    // "while I'm away", "while she was in hospital": a state lasting, "amíg"; "while he was
    // sleeping" goes on meanwhile, "miközben"
    if (t.lower == "while" && !c.gerund)
      for (std::size_t k = begin + 1; k < end; ++k) {
        if (t_[k].tag != PartOfSpeech::auxiliary && t_[k].tag != PartOfSpeech::modal &&
            t_[k].tag != PartOfSpeech::verb)
          continue;
        const std::string& w = t_[k].lower;
        const bool be = t_[k].tag == PartOfSpeech::auxiliary &&
                        (w == "am" || w == "is" || w == "are" || w == "was" || w == "were" || w == "be");
        if (be && !(k + 1 < end && t_[k + 1].tag == PartOfSpeech::verb)) c.link = "am\xC3\xADg";
        break;
      }
    // "I know where he lives", "Do you know when it starts?": a question asked within, the
    // question word itself ("hol", "mikor"), not the relative "ahol", "amikor"
    static constexpr std::pair<std::string_view, std::string_view> kQuestions[] = {
        {"where", "hol"}, {"when", "mikor"}, {"why", "mi\xC3\xA9rt"}, {"how", "hogyan"}, {"what", "mit"}};
    // ("asked me why", "tell us where", "ask the driver where", "tell someone when": past the
    // one asked or told)
    const std::size_t verb = first ? begin - 1 : verbBeforeOneTold(begin);
    // ("Let me know what you think": the set phrase asks too)
    if (!first && (asksWith(t_[verb], t.lower) || ((t_[verb].lemma == "let me know" || t_[verb].lemma == "let us know") &&
                                      t.lower == "what")))
      for (const auto& [english, hungarian] : kQuestions)
        if (t.lower == english) c.link = std::string(hungarian), c.question = true;
    // "how beautiful the lake was": how much of a quality is "milyen" ("milyen szép a tó")
    if (c.question && t.lower == "how" && howMuchOf(begin + 1)) c.link = "milyen";
    // "Tell me what happened": "what" as the subject is "mi" ("mi történt")
    if (c.question && t.lower == "what" && begin + 1 < end && verbAt(begin + 1)) c.link = "mi";
    // "I don't know what it is", "what the problem was": "what" as the predicate of a "be"
    // ending the clause is "mi" too ("mi az", "mi volt a probléma")
    if (c.question && t.lower == "what" && end > begin + 2 && t_[end - 1].tag == PartOfSpeech::auxiliary &&
        (t_[end - 1].lower == "is" || t_[end - 1].lower == "are" || t_[end - 1].lower == "was" ||
         t_[end - 1].lower == "were") &&
        !verbIn(begin + 1, end - 1))
      c.link = "mi";
    // "asked me if I was hungry", "know whether it is open": a yes or no asked within, "hogy" and
    // the verb's "-e" ("hogy éhes vagyok-e")
    if (!first && (t.lower == "if" || t.lower == "whether") && asksWith(t_[verb], t.lower))
      c.link = "hogy", c.question = c.yesNo = true;
    // "Whether we come depends on the price": the yes or no is the subject of what follows
    if (first && begin == 0 && t.lower == "whether") c.link = "hogy", c.question = c.yesNo = c.subject = true;
  }
  return c;
}

std::vector<Clause> Splitter::run() {
  std::vector<std::size_t> starts{0};
  bool inRelative = false;
  for (std::size_t i = 1; i < t_.size(); ++i)
    if (startsClause(i, starts.back(), inRelative)) {
      const bool inSubject = placeOrTimeInSubjectAt(i, starts.back());
      starts.push_back(i);
      inRelative = inSubject ||
          (relative(t_[i].lower) && !(t_[i].lower == "that" && (t_[i - 1].tag == PartOfSpeech::verb || verbBeforeAdverbs(i))) &&
           !thatAfterObject(i) && !soThatAt(i)) ||
          contactRelativeAt(i) || nounsInfinitiveAt(i) || ownerRelativeAt(i);
    }
  std::vector<Clause> out;
  for (std::size_t k = 0; k < starts.size(); ++k) {
    out.push_back(clauseAt(starts[k], k + 1 < starts.size() ? starts[k + 1] : t_.size(), k == 0));
    Clause& c = out.back();
    // ("The house where I live is old": the main clause goes on after it with its own subject)
    if (k > 0 && placeOrTimeInSubjectAt(c.begin, starts[k - 1]) && !c.link.empty()) c.ofTime = true;
    // (neither is to be done: "and" in Hungarian, each verb with its "ne")
    if (k > 0 && (t_[c.begin].lower == "and" || t_[c.begin].lower == "or") &&
        sharesNegatedImperative(imperativeOpening(out[k - 1]), c.begin))
      c.negated = true, c.link = "\xC3\xA9s";
  }
  // "Walking home, I met an old friend": an "-ing" verb opening the sentence before a comma says
  // what went on meanwhile, with the subject and tense of the clause after ("Miközben
  // hazasétáltam, ...")
  if (out.size() > 1 && out[0].link.empty() && t_[0].tag == PartOfSpeech::verb &&
      t_[0].form == VerbForm::ing && pauseBefore(out[1].begin))
    out[0].link = "mik\xC3\xB6zben", out[0].gerund = true;
  // "To reset your password, click the link": what for, said first before the instruction it is
  // for, "Ahhoz, hogy visszaállítsa a jelszavát, kattintson"
  if (out.size() > 1 && out[0].link.empty() && t_[0].tag == PartOfSpeech::infinitiveTo && out[0].end > 2 &&
      pauseBefore(out[1].begin))
    out[0].link = "hogy", out[0].body = 1, out[0].purpose = out[0].measured = true;
  return out;
}

}  // namespace

std::vector<Clause> splitClauses(const std::vector<Token>& tokens, const SentenceShape& shape) {
  if (tokens.empty()) return {};
  return Splitter(tokens, shape).run();
}

}  // namespace lexiton::translator
