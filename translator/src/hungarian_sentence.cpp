#include "hungarian_sentence.h"
#include "word_lists.h"

#include <algorithm>
#include <optional>

#include "core_words.h"
#include "hungarian_function_words.h"
#include "hungarian_morphology.h"
#include "hungarian_noun.h"
#include "hungarian_verb.h"
#include "lexiton/text_encoding.h"
#include "lexiton/translator/markup.h"

namespace lexiton::translator {
namespace {

// "want", and "like" after "would" ("would like her son to study")
bool wantingVerb(const std::vector<Token>& t, std::size_t v) {
  return t[v].lemma == "want" || (t[v].lemma == "like" && v > 0 && (t[v - 1].lower == "would" || t[v - 1].lower == "'d"));
}

// "Mr" and "Mrs" (or "Ms"), "Miss", "Aunt" and "Uncle" are said after the name, as the nouns
// "úr", "asszony", "kisasszony", "néni" and "bácsi" that take its case ("Novak úrral"); "Dr"
// stays before it.
std::optional<NounStem> titleAfterName(const Token& title) {
  if (title.lower == "mr") return NounStem{"\xC3\xBAr", "urak", "urat", "ura", "", "", "", -1};
  if (title.lower == "mrs" || title.lower == "ms") return NounStem{"asszony", "asszonyok", "", "", "", "", "", -1};
  if (title.lower == "miss") return NounStem{"kisasszony", "kisasszonyok", "", "", "", "", "", -1};  // "Hill kisasszony"
  // "Aunt Rose", "Uncle Bob": "Rose néni", "Bob bácsi"
  if (title.lower == "aunt") return NounStem{"n\xC3\xA9ni", "n\xC3\xA9nik", "n\xC3\xA9nit", "n\xC3\xA9nije", "", "", "", -1};
  if (title.lower == "uncle")
    return NounStem{"b\xC3\xA1" "csi", "b\xC3\xA1" "csik", "b\xC3\xA1" "csit", "b\xC3\xA1" "csija", "", "", "", -1};
  return std::nullopt;
}

using lexicon::Sense;

// "I hope that", "I regret that", "I know that": what one hopes, regrets, knows, sees, hears or
// feels follows the verb without "azt" unless stressed ("Remélem, hogy", "Sajnálom, hogy"), and
// so does what one looks forward to ("Várom, hogy lássalak"); one says and thinks "azt" ("Azt
// mondta, hogy", "Azt hiszem"), and expects it ("Azt várják, hogy").
bool takesBareThatClause(const Token& verb, const Sense* sense) {
  static constexpr std::string_view kBare[] = {"rem\xC3\xA9l", "sajn\xC3\xA1l", "tud", "l\xC3\xA1t", "hall",
                                               "\xC3\xA9rez"};
  return (sense && listed(kBare, sense->word)) || (verb.entry && verb.entry->lemma == "look forward");
}

constexpr std::string_view kTimeAdverbs[] = {"yesterday", "today", "tomorrow", "now",
                                             "tonight",   "soon",  "later"};
// Nouns that measure or sort what follows their "of", said before it: "egy csésze kávé", "egy új
// fajta hal".
constexpr std::string_view kMeasureNouns[] = {"cup",  "glass", "piece", "bottle", "kilo", "slice",
                                              "lot",  "box",   "loaf",  "pinch",  "drop", "spoonful",
                                              "bowl", "plate", "jar",   "pair",   "kind", "sort",
                                              // the units of weight and volume, the spoons and
                                              // packs of recipes and shopping lists
                                              "gram", "kilogram", "litre", "liter", "millilitre",
                                              "milliliter", "tonne", "ton", "teaspoon", "tablespoon",
                                              "packet", "handful", "carton", "sack", "bunch", "jug", "tin", "bag"};
// Nouns of a span of time, beside those with a time case of their own ("week": "héten").
constexpr std::string_view kSpansOfTime[] = {"hour", "day",    "week",    "month",
                                             "year", "decade", "weekend", "holiday"};
// Particles of direction, which Hungarian says as the verb's prefix ("moved away": "elköltözött").
constexpr std::string_view kDirectionParticles[] = {"away", "out", "off", "up", "down", "back"};
// Acts that leave their object in a state said after it: "pushed the door open", "painted the
// wall white", "wipe it clean".
constexpr std::string_view kActsWithResult[] = {"push",  "pull", "kick",  "force", "slam",   "swing",
                                                "throw", "paint", "wipe", "wash",  "scrub",  "dye",
                                                "colour", "color", "polish", "rub", "sweep", "brush"};
// Where a thing was done, said after its participle: "parked here", "bought online".
constexpr std::string_view kWhereDone[] = {"here", "there", "online", "abroad", "locally", "outside",
                                           "inside", "nearby", "overnight", "outdoors", "indoors"};
// Adverbs that say how much of an adjective: "very cold", "too late", "so tired".
constexpr std::string_view kDegreeAdverbs[] = {"very",       "too",        "so",       "quite",     "really",
                                               "rather",     "pretty",     "fairly",   "extremely", "incredibly",
                                               "terribly",   "unusually",  "slightly", "relatively", "surprisingly",
                                               "remarkably", "exceptionally", "a bit", "a little", "somewhat"};
// Those of them that stand with the adjective inside a noun phrase: "a very cold night", "a
// pretty long walk" ("nagyon hideg éjszaka", "elég hosszú séta").
constexpr std::string_view kDegreeBeforeAttribute[] = {"very",       "quite",       "really",       "rather",
                                                        "pretty",     "fairly",      "extremely",    "incredibly",
                                                        "terribly",   "unusually",   "slightly",     "relatively",
                                                        "surprisingly", "remarkably", "exceptionally"};
// Adverbs of the whole sentence that open it as a time does.
constexpr std::string_view kOpeningAdverbs[] = {"suddenly", "finally",    "unfortunately", "fortunately",
                                                "luckily",  "eventually", "meanwhile",     "recently", "at last"};
// Verbs whose "can" Hungarian does not say: "I can't find" is "nem találom", "I can't believe
// it" "nem hiszem el".
constexpr std::string_view kPlainAfterCan[] = {"see",        "hear", "find",   "remember",
                                               "understand", "feel", "believe"};
// Determiners after which Hungarian counts its noun in the singular: "all the students were":
// "minden diák volt".
constexpr std::string_view kSingularAfter[] = {"all",  "every", "each", "many",   "several", "most",    "some",
                                                "both", "one of", "more", "fewer", "few",     "none",    "neither",
                                                "either", "no"};
// Quantities after "there is" whose noun, and so the verb, stay singular: "There are a lot of
// people": "Sok ember van"; "Are there any eggs?": "Van tojás?".
constexpr std::string_view kCountedExisting[] = {"any",     "many",     "several",  "a lot of",
                                                 "lots of", "a few",    "so many", "too many",
                                                 "too much", "so much", "much",    "plenty of", "enough",
                                                 "more",     "fewer",    "few"};

// Verbs that say a change of amount: "rose twelve percent" is "tizenkét százalékkal emelkedett".
constexpr std::string_view kChangesOfAmount[] = {
    "rise",  "fall",   "grow",    "increase", "decrease", "drop",    "double", "triple", "halve",
    "climb", "shrink", "decline", "soar",     "plunge",   "go up",   "go down", "jump",  "slump",
    "delay"};  // ("delayed by two hours": a change of time, "két órával késett")
// What a change of amount is measured in: "twelve percent", "three points", "two degrees".
constexpr std::string_view kMeasuresOfChange[] = {"percent", "per cent", "point", "degree"};

// A verb of going or of putting somewhere: its "where" asks where to ("hová").
bool movesSomewhere(const Token& verb) {
  static constexpr std::string_view kMoving[] = {"bring", "carry", "come",  "drive",  "fly",  "go",
                                                 "hang",  "hide",  "hurry", "move",   "put",  "ride",
                                                 "run",   "rush",  "send",  "travel", "walk", "throw"};
  return listed(kMoving, verb.lemma);
}

// A verb that puts a thing somewhere, or by which it moves or falls there: the place after it is
// where to ("az ágy alá tette"). Not of walking or driving, which go along ("a híd alatt sétált").
bool putsOrFallsSomewhere(const Token& verb) {
  static constexpr std::string_view kPutting[] = {
      "put",  "place", "set",  "lay",   "hang",  "hide", "throw", "drop",   "fall",   "roll",     "slide",
      "slip", "crawl", "jump", "dive",  "step",  "move", "push",  "pull",   "sink",   "sit down", "lie down",
      "get",  "go",    "come", "run",   "hurry", "rush", "creep", "tuck",   "pour",     "kick",
      "climb", "sweep", "settle", "squeeze"};
  return verb.tag == PartOfSpeech::verb && listed(kPutting, verb.lemma);
}

// The postposition of where to beside that of where: "alatt" and "alá", "mögött" and "mögé".
constexpr std::pair<std::string_view, std::string_view> kGoals[] = {
    {"alatt", "al\xC3\xA1"},
    {"m\xC3\xB6g\xC3\xB6tt", "m\xC3\xB6g\xC3\xA9"},
    {"f\xC3\xB6l\xC3\xB6tt", "f\xC3\xB6l\xC3\xA9"},
    {"el\xC5\x91tt", "el\xC3\xA9"},
    {"mellett", "mell\xC3\xA9"},
    {"k\xC3\xB6z\xC3\xB6tt", "k\xC3\xB6z\xC3\xA9"},
    {"k\xC3\xB6zel\xC3\xA9" "ben", "k\xC3\xB6zel\xC3\xA9" "be"}};

// The case of what a ticket, a booking or a bill is for, said before it with "szóló": what one
// may go to or have "-ra" ("a bemutatóra szóló jegy"), what one paid "-ról" ("a 200 euróról szóló
// számla"); none for another noun.
std::optional<Case> caseOfWhatItIsFor(const Token& noun) {
  static constexpr std::string_view kValidFor[] = {"ticket", "voucher", "coupon", "reservation",
                                                   "booking", "permit", "pass"};
  static constexpr std::string_view kPaidFor[] = {"invoice", "bill", "receipt"};
  if (listed(kValidFor, noun.lemma)) return Case::sublative;
  if (listed(kPaidFor, noun.lemma)) return Case::delative;
  return std::nullopt;
}

// The plural of an adjective said of a plural subject; of several words, the last ("12 év
// alattiak", "több mint négyszáz évesek"), which is the head.
std::string pluralOfPredicate(const std::string& adj) {
  const std::size_t space = adj.rfind(' ');
  if (space == std::string::npos || space + 1 == adj.size()) return pluralOf(adj, WordClass::adjective);
  return adj.substr(0, space + 1) + pluralOf(adj.substr(space + 1), WordClass::adjective);
}

std::string_view goalOfPostposition(std::string_view post) {
  for (const auto& [at, to] : kGoals)
    if (post == at) return to;
  return {};
}

bool saysWhereTo(std::string_view post) {
  return std::any_of(std::begin(kGoals), std::end(kGoals), [&](const auto& g) { return g.second == post; });
}

// Whether the words say a time yet to come or now: "this weekend", "tomorrow", "next week".
bool saysWhenToCome(const std::vector<Token>& t) {
  using D = TimePhrase::Deixis;
  return std::any_of(t.begin(), t.end(), [](const Token& k) {
    return (k.time && (k.time->deixis == D::thisOne || k.time->deixis == D::next ||
                       k.time->deixis == D::today || k.time->deixis == D::tomorrow)) ||
           k.lower == "tomorrow" || k.lower == "tonight" || k.lower == "soon";
  });
}

// "three times": how many times, the number with "-szor/-szer/-ször" ("háromszor", "ötször"),
// or nothing when the tokens at k say no such thing.
std::optional<std::string> timesOver(const std::vector<Token>& t, std::size_t k) {
  if (!howManyTimes(t, k)) return std::nullopt;
  const std::string n = numberInWords(t[k].value, true);  // "két", "három"
  const Harmony h = harmonyOf(utf8ToUtf16(n));
  return n + (h == Harmony::back ? "szor" : h == Harmony::front ? "szer" : "sz\xC3\xB6r");
}

// "by", "until", "till" before a time: the time is a deadline, said in "-ig" ("péntekig").
bool deadline(std::string_view preposition) {
  return preposition == "by" || preposition == "until" || preposition == "till";
}

// Whether the words say when, so that a future is said in the present ("Holnap felhívlak",
// "A nyári szünet előtt szavaz"): a time, or a preposition that places it in time.
bool saysWhen(const std::vector<Token>& t) {
  static constexpr std::string_view kPrepositionsOfTime[] = {"before", "after",  "until",
                                                             "till",   "during", "within"};
  // ("in October", "on Monday": a noun that names a time)
  auto timeNoun = [](const Token& k) {
    return k.tag == PartOfSpeech::noun && k.entry && !k.entry->senses.empty() &&
           !k.entry->senses.front().note("time").empty();
  };
  // ("I'll be back in an hour", "in ten minutes": a span from now, "egy óra múlva")
  for (std::size_t i = 0; i + 2 < t.size(); ++i)
    if (t[i].lower == "in" && (t[i + 1].tag == PartOfSpeech::number || t[i + 1].lower == "a" || t[i + 1].lower == "an") &&
        t[i + 2].tag == PartOfSpeech::noun && unitOfTime(t[i + 2].lemma))
      return true;
  return std::any_of(t.begin(), t.end(), [&](const Token& k) {
    return k.time || k.lower == "tomorrow" || k.lower == "tonight" || k.lower == "soon" ||
           k.lower == "later" ||
           (k.tag == PartOfSpeech::preposition && listed(kPrepositionsOfTime, k.lower)) || timeNoun(k);
  });
}

// An adjective that counts the noun after it ("a lot of", "a few"): Hungarian says the noun in
// the singular and without an article.
bool countsItsNoun(const Token& t) {
  if (t.tag != PartOfSpeech::adjective || !t.entry || t.entry->senses.empty()) return false;
  const std::string& w = t.entry->senses.front().word;
  static const std::string more =
      "t\xC3\xB6"
      "bb";  // "több"; "thousands of" is "több ezer"
  // ("so many stars", "too many cars": "annyi csillag", "túl sok autó"; "more and more people":
  // "egyre több ember")
  // (and so do "számos" and the "-számú" of "a record number of": "rekordszámú látogató")
  static const std::string many = "sz\xC3\xA1mos", ofNumber = "sz\xC3\xA1m\xC3\xBA";
  return w == "sok" || w == "n\xC3\xA9h\xC3\xA1ny" || w == "kev\xC3\xA9s" || w == more ||
         w.starts_with(more + ' ') || w == "annyi" || w.ends_with(" sok") || w.ends_with(' ' + more) ||
         w == many || w.ends_with(ofNumber);
}

// A number before its noun: in words as written in words ("kétszáz"), else in digits.
std::string numberBeforeNoun(const Token& t) {
  const bool digits = !t.lower.empty() && t.lower[0] >= '0' && t.lower[0] <= '9';
  if (t.value >= 0 && !digits) return numberInWords(t.value, true);
  const Numeral* n = numeral(t.lower);
  return n ? std::string(n->before) : t.written;
}

// A vehicle, which heads for where it goes ("tart"), and a way, which leads there ("vezet").
bool headsFor(const Token& t) {
  static constexpr std::string_view kVehicles[] = {"train", "bus",  "flight", "ferry", "plane",
                                                   "coach", "tram", "boat",   "ship"};
  return t.tag == PartOfSpeech::noun && listed(kVehicles, t.lemma);
}
bool leadsTo(const Token& t) {
  static constexpr std::string_view kWays[] = {"road", "way", "path", "route", "motorway", "track", "stairs", "door"};
  return t.tag == PartOfSpeech::noun && listed(kWays, t.lemma);
}

std::size_t senseIndex(const Token& t, std::size_t self, std::size_t pointed, std::size_t pointedSense) {
  return self == pointed ? pointedSense : 0;
}

// Whether a sense suits the token here: a capitalised word takes its capital senses ("March":
// "március"), an adjective said of a person and a verb whose object is one their senses for
// people ("old man": "idős", "know her": "ismer"), a plural noun its plural's senses ("talks":
// "tárgyalások"), each only where the entry has such senses, and the others otherwise.
class SenseFilter {
 public:
  explicit SenseFilter(const Token& t) : t_(t) {
    forPeople_ = t.entry->pos == PartOfSpeech::adjective || t.entry->pos == PartOfSpeech::verb;
    // "left the door open": the verb without the prefix of going away, where the entry has it
    // ("hagyta nyitva", not "elhagyta")
    if (t.leavesInState && !t.entry->senses.empty() && !t.entry->senses.front().prefix.empty())
      for (const Sense& s : t.entry->senses)
        if (s.prefix.empty() && s.word == t.entry->senses.front().word) unprefixed_ = &s;
    for (const Sense& s : t.entry->senses) {
      (s.capital ? cap_ : plain_) = true;
      (s.ofPlural ? plural_ : singular_) = true;
      (s.person ? person_ : thing_) = true;
      if (!s.noObject) transitive_ = true;
      if (selects(s)) selected_ = true;
    }
  }
  bool suits(const Sense& s) const {
    // a sense of feeling is said with the roles traded, and only then ("Hiányzol nekem")
    if (!s.note("feels").empty() || t_.rolesSwapped) return !s.note("feels").empty() && t_.rolesSwapped;
    if (unprefixed_) return &s == unprefixed_;
    // a sense its object or noun asks for goes first ("take a tablet": "bevesz"), else none such
    if (selected_) return selects(s);
    if (!s.note("when").empty() || !s.note("near").empty()) return false;
    return (s.capital == t_.capitalised || !(t_.capitalised ? cap_ : plain_)) &&
           (!forPeople_ || s.person == t_.ofPerson || !(t_.ofPerson ? person_ : thing_)) &&
           (s.ofPlural == t_.plural || !(t_.plural ? plural_ : singular_)) &&
           (!s.noObject || !t_.hasObject || !transitive_);  // "return the book": "visszaad"
  }

 private:
  // Whether the sense's "when=" lists the neighbour ("tablet" in "bevesz[when=tablet/pill]"),
  // a set phrase's last word ("record" of "world record") or, for a noun, one of the words
  // before it ("river" in "part[when=river]").
  bool selects(const Sense& s) const {
    const std::string_view when = s.note("when");
    // a verb's own inflected form, where only one sense has it ("lied" is the past of lying to
    // someone, the other "lie" having "lay")
    if (t_.tag == PartOfSpeech::verb && t_.lower != t_.lemma && listsWord(when, t_.lower)) return true;
    // a verb without an object chooses the sense that takes the preposition after it, where the
    // others take none: "lying about his age" is "hazudik a koráról" ("lie on", "lie in", "lie
    // to the south" stay where one lies)
    static constexpr std::string_view kChoosing[] = {"about", "for", "with", "from", "of"};
    if (t_.tag == PartOfSpeech::verb && !t_.hasObject && listed(kChoosing, t_.prepositionAfter) &&
        !s.note(t_.prepositionAfter).empty() && !firstTakes(t_.prepositionAfter))
      return true;
    // so does a set phrase before its preposition: "Best wishes to you" is "Minden jót neked",
    // "Best wishes," alone "Üdvözlettel"
    if (t_.tag == PartOfSpeech::adverb && !t_.prepositionAfter.empty() && !s.note(t_.prepositionAfter).empty() &&
        !firstTakes(t_.prepositionAfter))
      return true;
    // a word elsewhere in the sentence shows what it is about ("part" of a bank by fishing)
    if (!t_.cue.empty() && listsWord(s.note("near"), t_.cue)) return true;
    if (t_.neighbour.empty() && t_.modifiers.empty()) return false;
    // (a subject chooses among the senses without an object: "her hands shook" is no handshake;
    // an object among the others: "opened the door" is no door opening of itself)
    if (t_.neighbourIsSubject ? !s.noObject : s.noObject && t_.hasObject) return false;
    const std::string_view neighbour = t_.neighbour;
    const std::string_view head = neighbour.substr(neighbour.rfind(' ') + 1);
    for (std::size_t at = 0; at < when.size();) {
      const std::size_t end = std::min(when.find('/', at), when.size());
      const std::string_view w = when.substr(at, end - at);
      if (w == neighbour || w == head) return true;
      for (const std::string& m : t_.modifiers)
        if (w == m) return true;
      at = end + 1;
    }
    return false;
  }
  // Whether the entry's first sense takes the preposition itself (then it needs no choosing).
  bool firstTakes(std::string_view preposition) const {
    return !t_.entry->senses.empty() && !t_.entry->senses.front().note(preposition).empty();
  }
  const Token& t_;
  const Sense* unprefixed_ = nullptr;
  bool selected_ = false;
  bool forPeople_ = false, cap_ = false, plain_ = false, person_ = false, thing_ = false;
  bool plural_ = false, singular_ = false;
  bool transitive_ = false;  // a sense takes an object
};

// The token's sense number `index` among those that suit it (the last one past the end).
const Sense* coreSense(const Token& t, std::size_t index) {
  if (!t.entry || t.entry->senses.empty()) return nullptr;
  const SenseFilter filter(t);
  const Sense* found = nullptr;
  for (const Sense& s : t.entry->senses) {
    if (!filter.suits(s)) continue;
    found = &s;
    if (index-- == 0) break;
  }
  return found ? found : &t.entry->senses.front();
}

// The Hungarian word of a content token: the core sense, else FreeDict's, else nothing.
std::optional<std::string> plainSense(const Token& t, std::size_t index) {
  std::optional<std::string> word;
  if (const Sense* s = coreSense(t, index))
    word = s->prefix + s->word;
  else if (!t.dictionarySenses.empty())
    word = t.dictionarySenses[std::min(index, t.dictionarySenses.size() - 1)];
  // "older": "régebbi"; "the tallest": "a legmagasabb"
  if (word && t.degree > 0 && t.tag == PartOfSpeech::adjective) word = degreeOf(*word, t.degree);
  if (word && t.rising) word = "egyre " + *word;  // "egyre hidegebb", "egyre több"
  return word;
}

// A verb a note names, its own prefix before "|": "ki|alszik", "meg|sérül", "indul".
VerbStem verbOfNote(std::string_view note) {
  const std::size_t bar = note.find('|');
  if (bar == std::string_view::npos) return VerbStem{std::string(note), "", ""};
  return VerbStem{std::string(note.substr(bar + 1)), std::string(note.substr(0, bar)), ""};
}

// The participle of the one who or what does it, with the sense's own verb for doing it without
// an object where it gives one: "csatlakozó", "sütő", "futó".
std::string doerParticiple(const Sense& vs) {
  if (!vs.note("intr").empty()) return presentParticipleOf(VerbStem{verbOfNote(vs.note("intr")).lemma, "", ""});
  return vs.prefix + presentParticipleOf(VerbStem{vs.word, "", ""});
}

// The verb a sense says without an object, its intr= note: a change completed has its prefix
// in a simple past ("The factory closed": "bezárt"), what is done as a rule or going on has none
// ("The shop closes at six": "hatkor zár"). A prefix written apart is part of the verb's
// meaning and stays ("The film ends at ten": "tízkor ér véget", never "tízkor ér").
VerbStem intransitiveOf(const Sense& s, bool past, VerbForm form) {
  VerbStem stem = verbOfNote(s.note("intr"));
  const bool writtenApart = !stem.prefix.empty() && stem.prefix.back() == ' ';
  if ((!past || form == VerbForm::ing) && !writtenApart) stem.prefix.clear();
  return stem;
}

NounStem stemOfSense(const Sense& s) {
  NounStem n;
  n.lemma = s.word;
  n.plural = s.plural;
  n.accusative = std::string(s.note("acc"));
  n.possessive3 = std::string(s.note("3sg"));
  n.superessive = std::string(s.note("sup"));
  n.possessedPlural = std::string(s.note("pp"));
  n.possessiveStem = std::string(s.note("poss"));
  if (s.back) n.harmony = int(Harmony::back);
  if (s.front) n.harmony = int(Harmony::front);
  return n;
}

NounStem nounStem(const Token& t, std::size_t index) {
  NounStem n;
  if (const Sense* s = coreSense(t, index)) {
    n = stemOfSense(*s);
  } else if (auto p = plainSense(t, index)) {
    n.lemma = *p;
  } else {
    n.lemma = t.written;
  }
  return n;
}

// A time noun in the case that says "then": "héten", "tavasszal", "reggel".
std::string timeCaseOf(const Sense& unit) {
  const Case c = caseNamed(unit.note("time"));
  return c == Case::nominative ? unit.word : inflectNoun(stemOfSense(unit), false, {}, c);
}

// The Hungarian words of a time said without a preposition: "tavaly tavasszal", "jövő héten",
// "ma kora reggel", "minden nyáron", "másnap reggel", "kedd este".
std::vector<std::string> timeWords(const TimePhrase& tp) {
  using Deixis = TimePhrase::Deixis;
  // the sense the word before asks for, where one does: "next season" is the one of sport and
  // the stage, "jövő szezonban", where "the four seasons" are "évszakok"
  const std::string_view before = tp.deixis == Deixis::next    ? "next"
                                  : tp.deixis == Deixis::last  ? "last"
                                  : tp.deixis == Deixis::every ? "every"
                                                               : "";
  const Sense* chosen = &tp.unit->senses.front();
  if (!before.empty())
    for (const Sense& s : tp.unit->senses)
      if (!s.note("time").empty() && listsWord(s.note("when"), before)) {
        chosen = &s;
        break;
      }
  const Sense& unit = *chosen;
  const std::string& lemma = tp.unit->lemma;
  const bool year = lemma == "year", day = lemma == "day";
  const bool dayPart = lemma == "morning" || lemma == "afternoon" || lemma == "evening" || lemma == "night";
  const bool season =
      lemma == "spring" || lemma == "summer" || lemma == "autumn" || lemma == "fall" || lemma == "winter";
  // once per unit: "naponta", "hetente"
  static constexpr std::pair<std::string_view, std::string_view> kPer[] = {
      {"day", "naponta"},
      {"week", "hetente"},
      {"month", "havonta"},
      {"year", "\xC3\xA9vente"},
      {"hour", "\xC3\xB3r\xC3\xA1nk\xC3\xA9nt"},
      {"minute", "percenk\xC3\xA9nt"}};
  // how often: "kétszer", "háromszor"
  static constexpr std::string_view kTimes[] = {"",
                                                "egyszer",
                                                "k\xC3\xA9tszer",
                                                "h\xC3\xA1romszor",
                                                "n\xC3\xA9gyszer",
                                                "\xC3\xB6tsz\xC3\xB6r",
                                                "hatszor",
                                                "h\xC3\xA9tszer",
                                                "nyolcszor",
                                                "kilencszer",
                                                "t\xC3\xADzszer"};
  std::vector<std::string> w;
  // "ma kora reggel", "tegnap késő este": the part of a day, early or late
  auto partOfDay = [&](std::string_view which) {
    w.emplace_back(which);
    if (tp.early) w.emplace_back("kora");
    if (tp.late) w.emplace_back("k\xC3\xA9s\xC5\x91");
    w.push_back(unit.word);
  };
  const std::string when = timeCaseOf(unit);
  switch (tp.deixis) {
    case Deixis::thisOne:
      if (year)
        w.emplace_back("id\xC3\xA9n");
      else if (dayPart)
        partOfDay("ma");
      else if (season)
        w.emplace_back("id\xC3\xA9n"), w.push_back(when);
      else
        w.push_back(demonstrative(true, false, caseNamed(unit.note("time")))), w.emplace_back("a"),
            w.push_back(when);
      break;
    case Deixis::last:
      if (year)
        w.emplace_back("tavaly");
      else if (season)
        w.emplace_back("tavaly"), w.push_back(when);
      else if (dayPart)
        partOfDay("tegnap");
      else
        w.emplace_back("m\xC3\xBAlt"), w.push_back(when);
      break;
    case Deixis::next:
    case Deixis::following:
      if (day)
        w.emplace_back("m\xC3\xA1snap");
      else if (dayPart)
        partOfDay("m\xC3\xA1snap");
      else if (tp.deixis == Deixis::following)
        w.emplace_back("a"), w.emplace_back("k\xC3\xB6vetkez\xC5\x91"), w.push_back(when);
      else if (year)
        w.emplace_back("j\xC3\xB6v\xC5\x91re");
      else
        w.emplace_back("j\xC3\xB6v\xC5\x91"), w.push_back(when);
      break;
    case Deixis::every:
      if (tp.day && !tp.day->senses.empty())  // "minden hétfő reggel"
        w.emplace_back("minden"), w.push_back(tp.day->senses.front().word), w.push_back(unit.word);
      else
        w.emplace_back("minden"), w.push_back(when);
      break;
    case Deixis::that:  // "aznap", "aznap reggel", "azon a héten", "abban az évben"
      if (day)
        w.emplace_back("aznap");
      else if (dayPart)
        partOfDay("aznap");
      else
        w.push_back(demonstrative(false, false, caseNamed(unit.note("time")))), w.emplace_back("a"),
            w.push_back(when);
      break;
    case Deixis::whole:  // "all day": "egész nap"; "all week": "egész héten"
      w.emplace_back("eg\xC3\xA9sz"), w.push_back(day ? unit.word : when);
      break;
    case Deixis::yesterday:
      partOfDay("tegnap");
      break;
    case Deixis::today:
      partOfDay("ma");
      break;
    case Deixis::tomorrow:
      partOfDay("holnap");
      break;
    case Deixis::day:
      partOfDay(tp.day && !tp.day->senses.empty() ? std::string_view(tp.day->senses.front().word) : "");
      break;
    case Deixis::perUnit: {
      for (const auto& [english, hungarian] : kPer)
        if (english == lemma) w.emplace_back(hungarian);
      if (w.empty()) w.emplace_back("minden"), w.push_back(when);  // "once a season": "minden tavasszal"
      if (tp.atLeast)
        w.emplace_back(
            "legal\xC3\xA1"
            "bb");
      // ("50,000 passengers a day": no count of times, "naponta")
      if (tp.times > 0) w.emplace_back(kTimes[std::clamp(tp.times, 0, 10)]);
      break;
    }
    case Deixis::everyN:  // "kéthetente", "hathavonta": the number and the unit's "every", one word
      // up to ten; a longer number stands apart ("tizenöt percenként")
      for (const auto& [english, hungarian] : kPer)
        if (english == lemma)
          w.push_back(numberInWords(tp.times, true) + (tp.times > 10 ? " " : "") + std::string(hungarian));
      break;
  }
  if (!w.empty() && w.front().empty()) w.erase(w.begin());
  return w;
}

// A postposition after a personal pronoun takes its ending: "mögötte", "nélkülem", "utánunk";
// nothing for those whose forms the rules do not make ("felé", "körül").
std::optional<std::string> personalPostposition(std::string_view post, int person, bool plural) {
  static constexpr std::string_view kBack[] = {"alatt", "ut\xC3\xA1n", "miatt"};
  static constexpr std::string_view kFront[] = {"m\xC3\xB6g\xC3\xB6tt",
                                                "f\xC3\xB6l\xC3\xB6tt",
                                                "k\xC3\xB6z\xC3\xB6tt",
                                                "el\xC5\x91tt",
                                                "mellett",
                                                "helyett",
                                                "n\xC3\xA9lk\xC3\xBCl",
                                                "szerint",
                                                "ellen",
                                                "k\xC3\xB6z\xC3\xBCl"};  // "közülük"
  // where to: "mellém", "alám", "elénk", "mögéjük"
  static constexpr std::string_view kToBack[] = {"al\xC3\xA1"};
  static constexpr std::string_view kToFront[] = {"m\xC3\xB6g\xC3\xA9", "f\xC3\xB6l\xC3\xA9", "el\xC3\xA9",
                                                  "mell\xC3\xA9", "k\xC3\xB6z\xC3\xA9"};
  const int k = std::clamp(person, 1, 3) - 1 + (plural ? 3 : 0);
  if (listed(kToBack, post) || listed(kToFront, post)) {
    static constexpr std::string_view kToBackEndings[] = {"m", "d", "", "nk", "tok", "juk"};
    static constexpr std::string_view kToFrontEndings[] = {"m", "d", "", "nk", "tek", "j\xC3\xBCk"};
    return std::string(post) + std::string(listed(kToBack, post) ? kToBackEndings[k] : kToFrontEndings[k]);
  }
  const bool back = listed(kBack, post);
  if (!back && !listed(kFront, post)) return std::nullopt;
  static constexpr std::string_view kBackEndings[] = {"am", "ad", "a", "unk", "atok", "uk"};
  static constexpr std::string_view kFrontEndings[] = {"em", "ed", "e", "\xC3\xBCnk", "etek", "\xC3\xBCk"};
  return std::string(post) + std::string(back ? kBackEndings[k] : kFrontEndings[k]);
}

// "someone", "everything", "nobody": a pronoun the lexicon lists as a noun, never generic.
bool isIndefinitePronoun(const Token& t) {
  const std::string_view w = t.lemma;
  const bool quantifier =
      w.starts_with("some") || w.starts_with("any") || w.starts_with("every") || w.starts_with("no");
  return t.tag == PartOfSpeech::noun && quantifier &&
         (w.ends_with("one") || w.ends_with("body") || w.ends_with("thing"));
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
  bool possessed = false;      // the head has an owner before it ("Anna táskája")
  std::size_t ofOwner = 0;     // where the owner after "of" begins ("the price of petrol"), or 0
  std::size_t ofGroup = 0;     // the group a superlative alone ranks among ("the youngest of the
                               // three sisters": "a három nővér közül a legfiatalabb"), or 0
  std::size_t ofModifier = 0;  // a bare noun after "of" that makes one word with the head
                               // ("a smell of gas": "gázszag"), or 0
  std::size_t participle = 0;  // an "-ing" verb after the head describing it, with its place, or 0
  std::size_t participleObject = 0;  // ... and where its object begins ("selling ripe peaches"), or 0
  std::size_t placeAttribute = 0;    // a place after the subject's noun that says which one ("the
                                     // printer on our floor": "az emeletünkön lévő nyomtató"), or 0
  std::size_t comparedAttribute = 0;  // a comparative and its "than" after the noun ("parcels heavier
                                      // than two kilograms": "a két kilogrammnál nehezebb csomagok"), or 0
  std::size_t calledEnd = 0;  // "our dog Bella": the name after an owned head ends here, or 0
  int person = 3;
};

// The verb group of a clause: its auxiliaries, negation and main verb (token indices, the
// token count when absent), and what they make of the clause.
struct VerbGroup {
  std::size_t main = 0, firstAux = 0, be = 0, have = 0;
  bool negative = false, future = false, past = false, doSupport = false;
  std::string modal;        // the Hungarian modal verb ("tud", "kell", "kellene"), or empty
  bool possession = false;  // a main "have" with an object: "van" with a possessive
  bool copula = false;      // a lone "be"
  bool imperative = false;
  bool passive = false;     // "was closed": Hungarian says who did it, or "they", actively
  bool futureOfBe = false;  // "will take place": "van" said "lesz"
  bool seems = false;       // "seemed to recognise": "Úgy tűnt, (senki sem) ismeri fel"
  bool seemedPast = false;  // ... "seemed", not "seems"
  // said before the verb: "is likely to" "valószínűleg", "used to" "régen", "is about to"
  // "mindjárt", "keeps calling" "folyton"
  std::string_view adverb;
};

// The passive of the verb at `main`, for asking what befalls its subject.
VerbGroup passiveAt(std::size_t main) {
  VerbGroup g;
  g.main = main;
  g.passive = true;
  return g;
}

// Verbs that link their subject to an adjective as the copula does: "remained closed": "zárva
// maradt"; what one seems is said in "-nak" ("looks pale": "sápadtnak tűnik").
struct LinkingVerb {
  std::string_view lemma, hungarian;
  bool dative;
};
constexpr LinkingVerb kLinkingVerbs[] = {{"remain", "marad", false},       {"stay", "marad", false},
                                         {"seem", "t\xC5\xB1nik", true},   {"look", "t\xC5\xB1nik", true},
                                         {"appear", "t\xC5\xB1nik", true}, {"feel", "t\xC5\xB1nik", true},
                                         {"sound", "hangzik", true}};  // "Jónak hangzik"

const LinkingVerb* linkingVerb(const Token& t) {
  if (t.tag != PartOfSpeech::verb) return nullptr;
  for (const LinkingVerb& v : kLinkingVerbs)
    if (t.lemma == v.lemma) return &v;
  return nullptr;
}

// "must", "should", "have to", "must not": the one who must is said in the dative.
bool mustDo(const VerbGroup& g) {
  return g.modal == "kell" || g.modal == "kellene" || g.modal == "szabad" || g.modal == "siker\xC3\xBCl";
}

// The Hungarian word of what must be: "kell", "kellett", "kellene", "szabad"; what should have
// been done and was not is "kellett volna" ("Korábban kellett volna szólnod").
std::string needOf(const VerbGroup& g, bool past, std::size_t none) {
  if (g.modal == "kellene") return g.have != none && past ? "kellett volna" : "kellene";
  if (g.modal == "szabad") return past ? "volt szabad" : "szabad";
  return past ? "kellett" : "kell";
}

// The roles of a clause, found before anything is said.
struct ClauseRoles {
  VerbGroup verb;
  std::size_t verbStart = 0;  // where the verb group is said
  std::optional<NounPhrase> subject, object, indirect;
  std::optional<NounPhrase> agent;  // a passive's "by" phrase, the Hungarian subject
  std::size_t agentBy = 0;          // its "by"
  bool inverted = false;            // "Can you help": the subject after the auxiliary
  bool existential = false;         // "there is"
  bool copulaLocation = false;      // "is in the garden": the copula stays
  bool dropSubject = false;         // a pronoun subject the verb's ending says already
  std::string_view addedSubject;    // "I like it too": "is" after the subject, "sem" for "either"
  bool weather = false;             // "It is cold": "Hideg van", the copula stays
  bool itAsThis = false;            // "It is a river": "Ez egy folyó", the thing pointed at ("That is a")
  Agreement agreement;
  Case objectCase = Case::accusative;
  const Sense* verbSense = nullptr;
};

std::string reflexiveWith(const Agreement& a, bool imperative, bool formal, bool dative = false);
std::optional<std::string> adjectiveOfTown(std::string name);

// What a clause hands the next one: "I got up and went home" keeps the first person.
struct ClauseContext {
  bool known = false;  // a clause before this one had a subject, or a relative clause's noun
  Agreement subject;
  bool imperative = false;
  bool past = false;      // the clause before is in the past
  bool reported = false;  // this clause is what someone said or thought: "He said that ..."
  bool linked = false;    // a link word joins this clause to the one before ("and went home")
  bool resumed = false;   // the main clause goes on after a relative clause of its subject:
                          // "Children who eat breakfast learn better", "learn" its present
  bool ownSubject = false;  // ... one whose clause never borrows the subject before: "so" ("so
                            // bring a jacket" tells, "úgyhogy hozz")
  bool gerund = false;    // an "-ing" clause: its verb is finite, with the subject and tense above
  bool purpose = false;   // what for: the subjunctive, with the subject above ("hogy elindítsd")
  bool requested = false;  // ... what one was asked or told to do, the prefix after the verb as
                           // after a command ("hogy kapcsolja ki")
  bool promised = false;  // what one promises, hopes or decides to do or be: "to be" is the future
                          // ("megígérte, hogy csendes lesz")
  bool asIf = false;      // "pretended to be asleep": what one made as if, the conditional ("mintha")
  bool asked = false;     // a question within: "(Tudod,) hol van az állomás"
  bool askedWhere = false;  // of where or when: "hol van", the copula says it and "it" goes unsaid
  bool verbGoesOn = false;  // "She is small and wears a collar": the next clause is this subject's next verb
  bool askedWhat = false;   // "what" the predicate: "(Nem tudom,) mi az", no copula in the third person present
  bool when = false;      // a clause before says when: "If it rains tomorrow, we will stay" ("maradunk")
  bool saying = false;    // who said the quotation before: "– mondta csendesen", the verb first
  bool formal = false;    // a notice to the public: "Kérjük, ne lépjen be", "you" said "Ön"
  bool relativeObject = false;  // the relative word is the object: "amelyet küldtél", indefinite
  bool toBeDone = false;        // "(know) how to swim": "hogyan kell úszni", no one's infinitive
  bool hypothetical = false;    // "If I had more time, I would ...": the past said as the conditional
  bool condition = false;       // an "if" clause: "any" is whichever there may be, "bármilyen"
  bool yesNo = false;           // a yes or no asked within: the verb takes "-e" ("van-e")
  bool negated = false;         // "told us not to worry": "hogy ne aggódjunk"
  bool until = false;           // "until the bus came": "amíg meg nem jött a busz", negated
  bool meanwhile = false;       // ", shouting with joy": the adverbial participle, "kiabálva"
  bool without = false;         // "without looking up": "anélkül, hogy felnézne", the conditional
  bool measuredFor = false;     // what the degree above is too much or enough for ("ahhoz, hogy")
  bool thing = false;           // the subject above is a thing named by a noun ("The storm is
                                // moving east and should weaken")
  std::string subjectPronoun;   // the subject above, when a pronoun: "he" of "He said that"
  bool degree = false;          // "how cold it was": "milyen hideg volt", the predicate said first
  bool moment = false;          // a "when" clause: "when she saw the photo", the moment it happened
  bool manner = false;          // an "as" clause of how: "as he said", "ahogy mondta"
  bool passiveDone = false;     // a passive of a definite subject: "was built in 1894 and restored
                                // last year", what follows did it to the same ("helyreállították")
  Agreement doer;               // who did the passive above, said actively: "küldték" (3pl)
  bool patientDefinite = false;  // the noun above, a definite one, is what the passive after its
                                 // relative clause does: "A házat, ahol felnőttem, eladták"
};

class Generator {
 public:
  Generator(const std::vector<Token>& t, std::size_t pointed, std::size_t sense,
            const ClauseContext& before = {})
      : t_(t), n_(t.size()), pointed_(pointed), sense_(sense), before_(before) {}
  std::vector<HungarianWord> run();
  // What the clause hands on, without saying it: its subject and tense.
  ClauseContext runForContext() {
    run();
    return context();
  }
  // A "that" clause follows as this clause's object.
  // The next clause is the verb's object: "azt" stands for it unless it is a question ("Tudod, hol").
  void objectClauseFollows(bool pronoun = true) { objectClause_ = true, objectClauseSaid_ = pronoun; }
  // "Press and hold the button": the next verb's object is this one's too, definite or not
  void sharesObjectAfter(bool definite) { sharedObjectDefinite_ = definite; }
  // What the next clause inherits, once run.
  ClauseContext context() const;
  // A clause of "since" follows: "I have known him since we were at school" ("ismerem")
  void sinceClauseFollows() { sinceClause_ = true; }
  // A clause of "as if" follows: "úgy" stands for it before the verb ("Úgy nézett ki, mintha")
  void asIfFollows() { asIfFollows_ = true; }
  // The clause is only the noun a passive after its relative clause is done to: "The house where
  // I grew up has been sold" ("A házat, ahol felnőttem, eladták"), the object.
  void undergoesThePassiveAfter() { patientOfWhatResumes_ = true; }
  // "People who smoke should stop": the noun before its relative clause is the one who must in
  // the clause after it, said in the dative ("Az embereknek, akik dohányoznak, abba kellene hagyniuk")
  void mustDoAfter() { oneWhoMustAfter_ = true; }
  // "resigned two days after the scandal broke": the span ends this clause, counted from the
  // next one's time, "két nappal azután, hogy"
  void countedToClause(std::string_view from) { countedToClause_ = from; }
  // What the one asked or wanted is to do follows: "asked her to wait", "want you to come"
  void requestFollows() { requestFollows_ = true; }
  // What one thinks of doing follows: "We're thinking of getting a puppy" ("Azon gondolkodunk, hogy")
  void consideringFollows() { considering_ = true; }
  // The clause only names whose word the next one is: "Police say that ...": "A rendőrség
  // szerint ...", its subject before "szerint" and nothing else.
  void sourceOnly() { sourceOnly_ = true; }

 private:
  bool startsNounPhrase(std::size_t i) const {
    if (i >= t_.size()) return false;
    const PartOfSpeech g = t_[i].tag;
    return g == PartOfSpeech::determiner || g == PartOfSpeech::possessive || g == PartOfSpeech::noun ||
           g == PartOfSpeech::name || g == PartOfSpeech::adjective || g == PartOfSpeech::number ||
           (g == PartOfSpeech::pronoun) ||
           (g == PartOfSpeech::adverb && listed(kDegreeBeforeAttribute, t_[i].lower) && i + 1 < t_.size() &&
            t_[i + 1].tag == PartOfSpeech::adjective) ||
           muchBeforeComparative(i) ||
           lessOf(i) || countsANumber(i) || (i == 0 && participleBeforeNoun(0, 0)) ||
           (i > 0 && participleBeforeNoun(i, i));
  }
  // "a much bigger car", "a far more expensive hotel": how much more, "sokkal", with the
  // comparative inside the noun phrase ("egy sokkal nagyobb autó")
  bool muchBeforeComparative(std::size_t i) const {
    if (i + 1 >= t_.size() || t_[i].tag != PartOfSpeech::adverb || t_[i].lemma != "much") return false;
    const std::size_t a = t_[i + 1].tag == PartOfSpeech::particle ? i + 2 : i + 1;
    return a < t_.size() && t_[a].tag == PartOfSpeech::adjective && t_[a].degree == 1;
  }
  // "about twenty people", "at least three cars": an adverb of quantity before the phrase's
  // number belongs to it ("legalább húsz embert")
  bool countsANumber(std::size_t i) const { return numberAfterCount(i) != i; }
  // "less time", "fewer cars": a smaller quantity of the noun, "kevesebb időt" ("less
  // expensive" is still the adverb)
  bool lessOf(std::size_t i) const {
    return i + 1 < t_.size() && (t_[i].lower == "less" || t_[i].lower == "fewer") &&
           t_[i + 1].tag == PartOfSpeech::noun && !t_[i].pauseAfter;
  }
  // The number a count's adverb or bound leads to ("about twenty", "around twenty", whose lemma
  // is "about", "more than fifty", "less than two": "több mint ötven látogatót", the noun in
  // the phrase's case), else `i` itself.
  std::size_t numberAfterCount(std::size_t i) const {
    static constexpr std::string_view kAboutANumber[] = {"about",  "almost",  "nearly",        "at least", "at most",
                                                         "around", "roughly", "approximately", "over",     "up to"};
    // ("over a million": the article of the number unsaid)
    const std::size_t n = i + 2 < t_.size() && t_[i + 1].tag == PartOfSpeech::particle ? i + 2 : i + 1;
    if (n < t_.size() && t_[i].tag == PartOfSpeech::adverb && listed(kAboutANumber, t_[i].lower) &&
        t_[n].tag == PartOfSpeech::number)
      return n;
    if (boundOfCount(i)) return t_[i + 2].tag == PartOfSpeech::particle ? i + 3 : i + 2;  // ("more than a million")
    return i;
  }
  // "more than", "less than", "fewer than" right before a number.
  bool boundOfCount(std::size_t i) const {
    static constexpr std::string_view kBounds[] = {"more", "less", "fewer"};
    // ("less than an hour": "kevesebb mint egy óra", the article as the number one)
    return i + 2 < t_.size() && listed(kBounds, t_[i].lower) && t_[i + 1].lower == "than" &&
           (t_[i + 2].tag == PartOfSpeech::number ||
            (t_[i + 2].tag == PartOfSpeech::particle && i + 3 < t_.size() && t_[i + 3].tag == PartOfSpeech::number) ||
            ((t_[i + 2].lower == "a" || t_[i + 2].lower == "an") && i + 3 < t_.size() &&
             t_[i + 3].tag == PartOfSpeech::noun && unitOfTime(t_[i + 3].lemma)));
  }
  NounPhrase readNounPhrase(std::size_t i) const;
  // A year written alone in digits ("2030"), as "by", "from", "in" take it.
  bool yearAlone(const NounPhrase& np) const {
    const Token& t = t_[np.head];
    return !np.pronoun && np.begin == np.head && np.end == np.head + 1 && t.tag == PartOfSpeech::number &&
           t.written.size() == 4 && t.value >= 1000 && t.value <= 2999;
  }
  // An hour of the clock alone, a whole number from one to twelve ("eleven", "6"), nothing after it
  // in the phrase.
  bool hourAlone(const NounPhrase& np) const {
    const Token& t = t_[np.head];
    return !np.pronoun && np.begin == np.head && np.end == np.head + 1 && t.tag == PartOfSpeech::number &&
           t.value >= 1 && t.value <= 12 &&
           t.written.find_first_of(".,/:") == std::string::npos;
  }
  // A time the phrase names: a number ("from nine"), or a noun with a time case ("Monday").
  bool timeLike(const NounPhrase& np) const {
    if (np.pronoun) return false;
    if (t_[np.head].tag == PartOfSpeech::number) return np.begin == np.head;
    const Sense* hs = coreSense(t_[np.head], 0);
    return t_[np.head].tag == PartOfSpeech::noun && hs && !hs->note("time").empty();
  }
  // "the stolen car": a participle after the article of the noun phrase at `begin`, before its noun
  // ("Frozen vegetables are cheap", "Stolen cars are sold": one opening the clause, its noun
  // after it and the clause's verb later)
  // ("the connecting train", "a growing number": an "-ing" one there says what the thing does,
  // "a csatlakozó vonat")
  bool participleBeforeNoun(std::size_t k, std::size_t begin) const {
    if (k + 1 >= t_.size() || t_[k].tag != PartOfSpeech::verb || !t_[k].entry ||
        (t_[k].form != VerbForm::participle && t_[k].form != VerbForm::past &&
         (t_[k].form != VerbForm::ing || k == 0 || t_[k + 1].tag != PartOfSpeech::noun)))
      return false;
    if (k == 0 && begin == 0)
      return t_[1].tag == PartOfSpeech::noun && !t_[1].possessor &&
             std::any_of(t_.begin() + 2, t_.end(), [](const Token& t) {
               return t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal;
             });
    // ("in sealed containers", "with used tissues": the phrase opens with the participle right
    // after its preposition, a past form there being no clause's verb)
    if (k == begin && k > 0 && t_[k - 1].tag == PartOfSpeech::preposition && t_[k].form != VerbForm::ing)
      return t_[k + 1].tag == PartOfSpeech::noun && !t_[k + 1].possessor;
    // ("two printed copies": after a number as after a determiner)
    return k > begin &&
           (t_[k - 1].tag == PartOfSpeech::determiner || t_[k - 1].tag == PartOfSpeech::possessive ||
            t_[k - 1].tag == PartOfSpeech::adjective ||
            (t_[k - 1].tag == PartOfSpeech::number && t_[k].form != VerbForm::ing)) &&
           (t_[k + 1].tag == PartOfSpeech::noun || t_[k + 1].tag == PartOfSpeech::adjective);
  }
  // "your garages and sheds", "the eggs and sugar": the owner or "the" opening the phrase before
  // `conj` stands for the next member too when that one is bare ("a garázsait és a fészereit");
  // its word, if so. `conj` is "and" or "or", or the last word before a list's comma; the bare
  // members before are passed over ("my keys, wallet and phone": "a kulcsaimat, a pénztárcámat
  // és a telefonomat").
  std::optional<std::size_t> openerSharedAcross(std::size_t conj) const {
    if (conj + 1 >= n_ || (t_[conj + 1].tag != PartOfSpeech::noun && t_[conj + 1].tag != PartOfSpeech::adjective))
      return std::nullopt;
    const std::size_t member = t_[conj].tag == PartOfSpeech::conjunction ? conj : conj + 1;
    std::size_t k = member;
    while (k > 0 && !t_[k - 1].possessor &&
           (t_[k - 1].tag == PartOfSpeech::noun || t_[k - 1].tag == PartOfSpeech::adjective) &&
           (!t_[k - 1].pauseAfter || t_[k - 1].tag == PartOfSpeech::noun))
      --k;
    if (k == member || k == 0 || (t_[k - 1].tag != PartOfSpeech::possessive && t_[k - 1].lower != "the"))
      return std::nullopt;
    return k - 1;
  }
  void emitSharingOpener(const NounPhrase& np, std::optional<std::size_t> opener, std::size_t at);
  // The noun phrase at `i` is followed by another member of its list ("and", "or", a comma).
  bool continuesList(std::size_t i) const {
    const NounPhrase np = readNounPhrase(i);
    if (np.end >= n_) return false;
    return t_[np.end].lower == "and" || t_[np.end].lower == "or" ||
           (t_[np.end - 1].pauseAfter && startsNounPhrase(np.end) && continuesList(np.end));
  }
  void emitNounPhrase(const NounPhrase& np, Case c, const std::string& post = "",
                      std::optional<int> possessorPerson = {}, bool possessorPlural = false);
  void emitNounPhraseItself(const NounPhrase& np, Case c, const std::string& post,
                            std::optional<int> possessorPerson, bool possessorPlural);
  // "Even the dogs", "even on Sundays": the "even" at k, of a clause that is not negated, before
  // the noun phrase it stresses (past its preposition); that phrase's first token, else n_
  std::size_t stressedByEven(std::size_t k) const {
    if (k + 1 >= n_ || t_[k].lower != "even" || t_[k].tag != PartOfSpeech::adverb || roles_.verb.negative ||
        (k > 0 && t_[k - 1].tag == PartOfSpeech::negation))
      return n_;
    const std::size_t np = t_[k + 1].tag == PartOfSpeech::preposition ? k + 2 : k + 1;
    return np < n_ && startsNounPhrase(np) && t_[np].tag != PartOfSpeech::adjective ? np : n_;
  }
  std::size_t evenSaid_ = SIZE_MAX;  // the phrase whose "még" is said, till its "is"
  void emit(std::string text, std::size_t token, bool known = true) {
    // a prefix written apart ("részt ") said after its verb ends its own word: "Nem vett részt"
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text == "a" && token == suppressArticle_) return;
    if (!text.empty()) out_.push_back({std::move(text), token, known});
  }
  bool askedFor_ = false;  // "A coffee, please": the thing asked for, "Egy kávét kérek"
  std::size_t suppressArticle_ = SIZE_MAX;  // the "the" said by the "egy" before ("egy tó melletti")
  std::size_t sense(std::size_t i) const { return senseIndex(t_[i], i, pointed_, sense_); }
  void emitVerb(std::size_t verb, bool hasObject, bool negative, bool future, bool past, bool imperative,
                Agreement a, std::string_view modal);

  // Finding the roles.
  VerbGroup readVerbGroup() const;
  // "got no answer", "found no evidence": a "no" opening the object right after a finite verb
  // other than "be" or "have" (which say "nincs" and "nem volt" themselves) negates the verb, and
  // the object goes without it ("nem kapott választ")
  bool negatingNoAt(std::size_t k) const {
    if (k == 0 || k + 1 >= n_ || t_[k].lower != "no" || t_[k].tag != PartOfSpeech::determiner) return false;
    const Token& v = t_[k - 1];
    return v.tag == PartOfSpeech::verb && v.lemma != "have" && v.lemma != "be" &&
           (v.form == VerbForm::past || v.form == VerbForm::third ||
            (v.form == VerbForm::base && k >= 2 && subjectPronoun(t_[k - 2]))) &&
           (t_[k + 1].tag == PartOfSpeech::noun ||
            (t_[k + 1].tag == PartOfSpeech::adjective && k + 2 < n_ && t_[k + 2].tag == PartOfSpeech::noun));
  }
  void findSubject(ClauseRoles& r) const;
  void sayCorrelatives();
  // "Which book do you want?", "how many books she bought": the noun phrase a question word asks
  // about, the object of the verb after it, and where that verb's subject starts
  std::optional<std::pair<NounPhrase, std::size_t>> askedObject(const VerbGroup& g) const;
  void agreeWithSubject(ClauseRoles& r) const;
  void findObjects(ClauseRoles& r);
  void findAgent(ClauseRoles& r);
  bool namesATime(const NounPhrase& np) const;
  bool meansOfBy(const NounPhrase& np) const;
  // "five o'clock", "half past six", "a quarter to nine" at k
  bool titleOfName(std::size_t k, const NounPhrase& np) const;
  bool clockTimeAt(std::size_t k) const {
    if (writtenClockAt(k)) return true;
    if (k < n_ && t_[k].lower == "a") ++k;
    return k + 1 < n_ && (t_[k + 1].lower == "o'clock" ||
                          (k + 2 < n_ && (t_[k].lower == "half" || t_[k].lower == "quarter") &&
                           (t_[k + 1].lower == "past" || t_[k + 1].lower == "to")) ||
                          minutesPastAt(k) != 0);
  }
  // "twenty past four", "ten minutes to six": the minutes before "past" or "to" and an hour at
  // k, the position of "past" or "to"; else 0
  std::size_t minutesPastAt(std::size_t k) const {
    if (k >= n_ || t_[k].tag != PartOfSpeech::number || t_[k].value < 1 || t_[k].value > 29) return 0;
    // ("from ten to twelve" is a span from one hour to another)
    if (k > 0 && (t_[k - 1].lower == "from" || t_[k - 1].lower == "between")) return 0;
    std::size_t p = k + 1;
    if (p < n_ && (t_[p].lemma == "minute")) ++p;
    if (p + 1 >= n_ || (t_[p].lower != "past" && t_[p].lower != "to")) return 0;
    const Token& h = t_[p + 1];
    const bool hour = (h.tag == PartOfSpeech::number && h.value >= 1 && h.value <= 12) || numeral(h.lower);
    return hour ? p : 0;
  }
  // "7.30", "8:15", "2 pm", "11 p.m." at k: a clock time in figures
  bool writtenClockAt(std::size_t k) const {
    if (k >= n_ || t_[k].tag != PartOfSpeech::number) return false;
    return t_[k].written.find_first_of(".:") != std::string::npos || dayHalfAfter(k);
  }
  bool dayHalfAfter(std::size_t k) const {
    if (k + 1 >= n_) return false;
    const std::string& w = t_[k + 1].lower;
    return w == "am" || w == "a.m" || w == "pm" || w == "p.m";
  }
  std::optional<std::size_t> emitWrittenClockTime(std::size_t k, Case c, std::string_view post);
  // "expect to", "regret to" and a verb at k, of the present ("expects to finish"): the adverb
  // Hungarian says the verb after with; empty for any other
  std::string_view mannerOfDoing(std::size_t k) const {
    if (k + 2 >= n_ || t_[k].tag != PartOfSpeech::verb ||
        (t_[k].form != VerbForm::base && t_[k].form != VerbForm::third) ||
        t_[k + 1].tag != PartOfSpeech::infinitiveTo || t_[k + 2].tag != PartOfSpeech::verb)
      return {};
    if (t_[k].lemma == "expect") return "v\xC3\xA1rhat\xC3\xB3" "an";
    if (t_[k].lemma == "regret") return "sajn\xC3\xA1lattal";
    return {};
  }
  // "It is ...", or a question's "Is it ...", "Would it be ...": an "it" that stands for what
  // follows, the infinitive after its predicate
  bool itOpensClause() const {
    if (n_ > 0 && t_[0].lower == "it") return true;
    return n_ > 1 && t_[1].lower == "it" &&
           (t_[0].tag == PartOfSpeech::auxiliary || t_[0].tag == PartOfSpeech::modal);
  }
  // "to" and a verb at k, or "to be" ("have to be careful": "óvatosnak kell lenned")
  bool infinitiveAt(std::size_t k) const {
    return k + 1 < n_ && ((t_[k].tag == PartOfSpeech::infinitiveTo && t_[k + 1].tag == PartOfSpeech::verb) ||
                          (t_[k].lower == "to" && t_[k + 1].lower == "be"));
  }
  // "the budget for next year": the time a thing is for, not when it happens
  bool forTheNext(std::size_t k) const {
    return k > 0 && k < n_ && t_[k - 1].lower == "for" && t_[k].time && t_[k].time->unit &&
           t_[k].time->deixis == TimePhrase::Deixis::next && !t_[k].time->day;
  }
  std::size_t linkedPredicate() const;
  bool feelsOneself() const;
  bool carriedAlongWith(const NounPhrase& np) const;
  std::string_view permission() const;
  bool broughtInForbidden() const;
  std::size_t closedTo() const;
  void emitLinkedPredicate(std::size_t p);
  std::size_t emitPassiveSubject();
  void placeCopula(ClauseRoles& r) const;
  void findAddedSubject(ClauseRoles& r) const;

  // Saying the clause: each returns the token after what it said.
  void emitLeadingAdverbs();
  bool postponing() const;
  bool keepsItsArticle(std::size_t begin, std::size_t head) const;
  bool letUs() const;
  std::size_t emitPart(std::size_t pos);
  std::size_t emitVerbGroup(std::size_t pos);
  struct Modifier {
    std::string word;
    bool attributive = false;  // said as an adjective, not joined
  };
  std::optional<Modifier> compoundModifier(std::size_t k, const NounPhrase& np) const;
  std::optional<std::string> purposeParticiple(std::size_t k, const NounPhrase& np) const;
  // Whether the capitalised word at k right before the phrase's head names the street the
  // head is ("Rose Street", "Church Road", "Station Square").
  bool streetName(std::size_t k, const NounPhrase& np) const {
    static constexpr std::string_view kStreets[] = {"street", "road", "square", "avenue", "boulevard"};
    const Token& tk = t_[k];
    const Token& head = t_[np.head];
    return k + 1 == np.head && !head.plural && head.tag == PartOfSpeech::noun && listed(kStreets, head.lemma) &&
           (tk.tag == PartOfSpeech::noun || tk.tag == PartOfSpeech::name) && !tk.possessor && !tk.plural &&
           !tk.written.empty() && tk.written[0] >= 'A' && tk.written[0] <= 'Z';
  }
  bool passiveReceiver(const ClauseRoles& r) const;
  bool subjectFollowsVerb() const;
  bool askedPolitely(const ClauseRoles& r) const;
  bool plainIntransitive() const;
  bool futureSaid() const;
  bool changeOfItself() const;
  bool subjectBeforeTime() const;
  bool finishedPast() const;
  std::size_t emitSubject();
  std::size_t emitOtherPart(std::size_t pos);
  bool emitGoalFirst();
  bool emitBareObjectFirst();
  bool emitTimeFirst(std::size_t from, bool sinceOnly = false);
  bool hourIsFocus() const;
  bool emitPlaceFirst();
  bool emitMannerFirst(bool howOnly = false);  // only how: "carefully", "well"
  std::string directionPrefix(std::size_t particle) const;
  std::size_t placeBeforeVerb(std::size_t pos) const;
  const Sense* passOf(const VerbGroup& g) const;
  bool leftInState(const VerbGroup& g) const;
  bool actFrom(std::size_t k) const;
  void emitStateLeft(const VerbStem& stem, bool negative, bool past, Agreement a, std::size_t verb);
  bool noneSubject() const;
  bool denialOnSubject() const;
  bool countedSubject() const;
  // Whether the noun at `i` names people in its sense here ("diák", "turista")
  bool peopleSense(std::size_t i) const {
    const Sense* s = coreSense(t_[i], sense(i));
    return s && s->person;
  }
  bool deniedByDeterminer(const NounPhrase& np) const;
  std::string_view groupPart(const NounPhrase& np, int* person = nullptr, bool* plural = nullptr) const;
  std::optional<Case> placeOfParticle(std::size_t pos) const;
  bool emitHowOftenFirst();
  void emitBeforeVerb();
  bool emitDurationFirst();
  bool emitWhatItRestsOnFirst();
  bool differenceBefore(const NounPhrase& np) const;
  void everAsAlready();
  void emitRepetitionFirst();
  std::size_t emitPossession();
  void emitWhatIsLeft();
  std::size_t emitCopula(std::size_t pos);
  bool toldToBe() const;
  void reasonFirst();
  void rowBeforeItsCount();
  std::size_t possibleToDo() const;
  std::size_t emitPredicate(std::size_t pos);
  std::size_t emitObject(std::size_t pos);
  bool saidByThePrefix(const NounPhrase& object) const;
  bool allowsOneself() const;
  bool changesOnesMind() const;
  bool unstressedMe(const NounPhrase& object) const;
  bool clauseIsTheObjectPast(Case objectCase, const Sense* verbSense) const;
  std::size_t emitInfinitive(std::size_t pos);
  std::size_t emitInfinitiveOfBe(std::size_t pos);
  std::size_t emitPrepositionalPhrase(std::size_t pos);
  std::size_t emitParticiplesObject(const NounPhrase& np);
  bool byAMoment(std::size_t pos) const;  // "by tomorrow", "by then"
  bool closedBefore(std::size_t pos) const;
  bool timeTakenByPerson() const;
  bool stateAfterObject(std::size_t k) const;
  std::size_t endOfJoinedPhrases(std::size_t end) const;
  std::string resultWord(std::size_t k) const;
  std::optional<VerbStem> verbOfResult(std::size_t k) const;
  std::string keptStateWord(std::size_t k) const;
  std::size_t ageLimitEnd(const NounPhrase& np) const;  // "children under twelve"
  std::size_t compassAfter(const NounPhrase& np) const;  // "villages in the north"
  std::size_t peopleCountedAfter(const NounPhrase& np) const;  // "a group of 25 children"
  std::optional<std::size_t> emitSuperlativeOfYears(std::size_t pos, const NounPhrase& np);
  bool emitOrdinalTime(const NounPhrase& np);  // "for the third day": "a harmadik napon"
  std::optional<std::string> lastingFor(const NounPhrase& np) const;  // "hároméves felújítás"
  struct PrepositionChoice {
    std::optional<Case> c;
    std::string post;  // a postposition ("alatt"), after the noun phrase
    bool own = true;   // the preposition's own case, not one the verb or the noun asks for
  };
  PrepositionChoice choosePreposition(std::size_t pos, const NounPhrase& np) const;
  bool isDuration(const NounPhrase& np) const;
  bool amountOfBy(const NounPhrase& np) const;
  bool lastsAWhile() const;
  bool townAttribute(const NounPhrase& np) const;
  bool negatedIndefinite(const NounPhrase& np) const;
  bool universityOfTown(const NounPhrase& np) const;
  bool comparedWithObject(std::size_t than, const NounPhrase& np) const;
  bool saidOfThing(const ClauseRoles& r) const;
  bool saidOfPerson(const ClauseRoles& r) const;
  bool forTheSpeaker() const;
  bool leftWanting() const;
  bool movedElsewhere(std::size_t verb) const;
  std::size_t feelingPredicate(const ClauseRoles& r) const;
  std::size_t lateBy(std::size_t i) const;
  std::optional<std::size_t> emitCountOfOwned(std::size_t pos);
  std::optional<std::size_t> emitClockTime(std::size_t pos, Case c = Case::nominative,
                                           std::string_view post = {});
  std::optional<std::size_t> emitDate(std::size_t pos);
  std::string_view countedFrom(const NounPhrase& np) const;
  bool countsTimeFrom(std::size_t pos) const;
  std::optional<std::size_t> emitCountedTime(std::size_t pos);
  std::optional<bool> emitCountedTimeFirst();
  std::size_t changeMeasuredBy() const;
  void findPerfectDuration();
  std::optional<std::size_t> emitActivityWhile(std::size_t pos);
  void finish();
  // "(and) have a lovely weekend": the "a" of the good time wished, else n_
  std::size_t wishedTime() const;

  const std::vector<Token>& t_;
  const std::size_t n_;
  std::size_t pointed_, sense_;
  const ClauseContext before_;
  std::vector<HungarianWord> out_;
  bool emitGenericArticle_ = false;        // "I like coffee": "Szeretem a kávét"
  bool splitPrefix_ = false;               // a complement before the verb: its prefix follows it
  bool clockTimeFirst_ = false;            // the hour it happens at stands before the verb ("tízkor")
  bool subjectAfterVerb_ = false;          // a leading time: "Este elállt az eső"
  bool perfective_ = false;                // a finished past: the verb's perf= prefix
  bool sharedPassive_ = false;             // "... and restored": the passive's subject above is the object
  bool considering_ = false;               // ... what one thinks of doing: "azon gondolkodik, hogy"
  bool askedOfThem_ = false;               // "Passengers should arrive": asked of them, "érkezzenek meg"
  bool modalFocus_ = false;                // a complement before "kell" or "tud": "Több vizet kellene innod"
  bool homePrefix_ = false;                // "came home": "haza" is the verb's prefix ("hazajött")
  std::size_t seemsComma_ = SIZE_MAX;       // the first word after "Úgy tűnt": a comma before it
  bool befalls_ = false;                   // "were injured": what befalls the subject, its pass= verb
  bool stateLeft_ = false;                 // "is switched off": the state its act left, "ki van kapcsolva"
  std::string stateLeftBe_;                // its "van" as said ("vannak", "volt"), which a yes or no asked marks
  std::string particlePrefix_;             // "stared out", "ran down the hill": the particle's
                                           // prefix on a verb without one ("kibámult", "lefutott")
  std::size_t resultState_ = SIZE_MAX;     // "tore open the letter": "open", unsaid
  std::size_t keptState_ = SIZE_MAX;       // "left the rates unchanged": "változatlanul"
  std::string keptPrefix_;                 // ... said where the verb's prefix stands: "zárva "
  std::size_t resultAfter_ = SIZE_MAX;     // "painted the wall white": "fehérre", before the verb
  bool measuredChange_ = false;            // "dropped eight percent": no object, the verb's own
  bool requestFollows_ = false;            // ... and the one asked is said in that clause
  std::optional<NounPhrase> askedOne_;     // "want you to come": "you", said as the clause's subject
  bool sinceClause_ = false;               // a clause of "since" follows this one
  bool asIfFollows_ = false;               // ... or one of "as if": "úgy ..., mintha"
  bool patientOfWhatResumes_ = false;      // the noun alone, the object of a passive after its relative
  bool oneWhoMustAfter_ = false;           // the noun alone, the one who must after its relative
  std::string_view countedToClause_;       // "azután", "azelőtt": a span at the end counts from the next clause
  bool expectedState_ = false;             // "Heavy snow is expected": "Nagy hó várható"
  bool genericPatient_ = false;            // "Residents were evacuated": "A lakókat", with its article
  bool sourceOnly_ = false;                // "X say that": "X szerint", the next clause its claim
  std::size_t afterAddressed_ = SIZE_MAX;  // the first word after the one addressed, its comma
  ClauseRoles roles_;
  std::size_t perfectFor_ = SIZE_MAX;      // "has lived here for two years": said "két éve", in the present
  std::optional<bool> sharedObjectDefinite_;  // the next verb's object is this one's too
  bool objectClause_ = false;              // a "that" clause follows as the verb's object: "Azt mondta, hogy"
  bool objectClausePronoun_ = false;       // ... and the verb has no other object: "azt" before it
  bool mannerClausePronoun_ = false;       // ... which says how one decided: "úgy döntött, hogy"
  std::optional<Case> objectClauseCase_;   // ... or the case the verb's sense gives it: "arra"
  bool objectClauseSaid_ = true;           // ... unless a question within is the object
  std::vector<bool> done_;                 // tokens already said out of order
  bool objectDone_ = false;                // the object was said with the verb ("van egy kutyája")
  Case lastCase_ = Case::nominative;       // "with milk and sugar": "and" keeps the case
  std::vector<HungarianWord> copulaTail_;  // words said at the end: "vannak", "kérlek"
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
  std::size_t k = lessOf(i) ? i + 1 : numberAfterCount(i);
  while (k < t_.size() && (t_[k].tag == PartOfSpeech::determiner || t_[k].tag == PartOfSpeech::possessive ||
                           t_[k].tag == PartOfSpeech::number)) {
    // ("In 2025, prices rose": a number before a comma is a phrase of its own, "2025-ben")
    // (a clock time's colon is no comma: "8:15")
    if (t_[k].tag == PartOfSpeech::number && t_[k].pauseAfter && k == i &&
        !(k + 1 < t_.size() && t_[k + 1].tag == PartOfSpeech::number)) {
      np.head = k;
      np.end = k + 1;
      return np;
    }
    if (t_[k].tag == PartOfSpeech::possessive ||
        (t_[k].tag == PartOfSpeech::determiner && t_[k].lower != "a" && t_[k].lower != "an" &&
         t_[k].lower != "some" && t_[k].lower != "many" && t_[k].lower != "any" && t_[k].lower != "no" &&
         t_[k].lower != "another" && t_[k].lower != "more" && t_[k].lower != "such" &&
         t_[k].lower != "several" && t_[k].lower != "much" && t_[k].lower != "enough" &&
         // "minden" is no definite object: "minden rendelést szállítunk" ("all the orders" is,
         // by "the")
         t_[k].lower != "every" && t_[k].lower != "each" && t_[k].lower != "all"))  // "elárasztott néhány falut"
      np.definite = true;
    ++k;
  }
  // ("a cool and dry place": adjectives joined by "and" or "or")
  while (
      k < t_.size() &&
      (t_[k].tag == PartOfSpeech::adjective ||
       (t_[k].tag == PartOfSpeech::adverb && listed(kDegreeBeforeAttribute, t_[k].lower)) ||
       muchBeforeComparative(k) || participleBeforeNoun(k, i) ||
       // "the past three weeks": a number after the adjective, before the noun
       (t_[k].tag == PartOfSpeech::number && k > i && t_[k - 1].tag == PartOfSpeech::adjective &&
        k + 1 < t_.size() && t_[k + 1].tag == PartOfSpeech::noun) ||
       // "the most expensive hotel": the degree's particle
       (t_[k].tag == PartOfSpeech::particle && k + 1 < t_.size() &&
        t_[k + 1].tag == PartOfSpeech::adjective && t_[k + 1].degree > 0) ||
       ((t_[k].lower == "and" || t_[k].lower == "or") && k > i && t_[k - 1].tag == PartOfSpeech::adjective &&
        k + 2 < t_.size() && t_[k + 1].tag == PartOfSpeech::adjective &&
        (t_[k + 2].tag == PartOfSpeech::noun || t_[k + 2].tag == PartOfSpeech::adjective)) ||
       // ("a written and an oral part": the second adjective's own article, "egy írásbeli és egy
       // szóbeli részből")
       ((t_[k].lower == "a" || t_[k].lower == "an") && k > i + 1 && t_[k - 1].lower == "and" &&
        t_[k - 2].tag == PartOfSpeech::adjective && k + 2 < t_.size() && t_[k + 1].tag == PartOfSpeech::adjective &&
        t_[k + 2].tag == PartOfSpeech::noun) ||
       ((t_[k].lower == "and" || t_[k].lower == "or") && k > i && t_[k - 1].tag == PartOfSpeech::adjective &&
        k + 3 < t_.size() && (t_[k + 1].lower == "a" || t_[k + 1].lower == "an") &&
        t_[k + 2].tag == PartOfSpeech::adjective && t_[k + 3].tag == PartOfSpeech::noun)))
    ++k;
  std::size_t head = k;
  std::size_t called = 0;
  while (k < t_.size() && (t_[k].tag == PartOfSpeech::noun || t_[k].tag == PartOfSpeech::name)) {
    head = k++;
    if (t_[head].pauseAfter) break;  // "bread, milk": two members of a list, not one compound
    // "our dog Bella", "my brother Tom": the owned noun is the head, the name after it what it
    // is called ("a Bella nevű kutyánk")
    if (t_[head].tag == PartOfSpeech::noun && !t_[head].plural && k < t_.size() &&
        t_[k].tag == PartOfSpeech::name && t_[i].tag == PartOfSpeech::possessive && !t_[head].possessor) {
      called = k;
      while (called < t_.size() && t_[called].tag == PartOfSpeech::name && !t_[called].possessor) {
        ++called;
        if (t_[called - 1].pauseAfter) break;
      }
      if (t_[called - 1].possessor) called = 0;
      break;
    }
    // "Anna's bag", "the teacher's old desk": the possessed noun follows its owner
    if (t_[head].possessor && k < t_.size() &&
        (t_[k].tag == PartOfSpeech::noun || t_[k].tag == PartOfSpeech::adjective)) {
      while (k < t_.size() && t_[k].tag == PartOfSpeech::adjective) ++k;
      np.possessed = true;
    }
  }
  // "a cup of coffee": the measure stands before its substance, which takes the case and is
  // counted in the singular ("a box of apples": "egy doboz almát")
  bool measured = false;
  if (head < t_.size() && t_[head].tag == PartOfSpeech::noun && listed(kMeasureNouns, t_[head].lemma) &&
      k + 1 < t_.size() && t_[k].lower == "of" &&
      (t_[k + 1].tag == PartOfSpeech::noun || t_[k + 1].tag == PartOfSpeech::adjective)) {
    ++k;
    while (k < t_.size() && t_[k].tag == PartOfSpeech::adjective) ++k;
    while (k < t_.size() && t_[k].tag == PartOfSpeech::noun) head = k++;
    measured = true;
  }
  if (head >= t_.size() || (t_[head].tag != PartOfSpeech::noun && t_[head].tag != PartOfSpeech::name)) {
    head = k > i ? k - 1 : i;  // an adjective alone: "is big"
    if (k == i) k = i + 1;
  }
  // "the man sitting next to me": the participle and its place belong to the noun
  if (k < t_.size() && t_[k].participle && head + 1 == k) {
    np.participle = k++;
    if (t_[np.participle].lower.ends_with("ing") && k < t_.size() && t_[k].tag != PartOfSpeech::preposition &&
        startsNounPhrase(k))
      np.participleObject = k, k = readNounPhrase(k).end;
    // (what is available is not there: "no rooms available on those dates" says when apart)
    if (k + 1 < t_.size() && t_[k].tag == PartOfSpeech::preposition && startsNounPhrase(k + 1) &&
        t_[k - 1].lower != "available")
      k = readNounPhrase(k + 1).end;
    // ("cars parked here": where it was done, "az itt parkolt autók")
    else if (k + 1 < t_.size() && listed(kWhereDone, t_[k].lower) && !t_[np.participle].lower.ends_with("ing") &&
             (t_[k + 1].tag == PartOfSpeech::auxiliary || t_[k + 1].tag == PartOfSpeech::modal))
      ++k;
  }
  np.end = k;
  np.head = head;
  if (called && np.end == head + 1) np.calledEnd = np.end = called;
  const Sense* headSense = coreSense(t_[head], 0);
  np.name = t_[head].tag == PartOfSpeech::name || (headSense && headSense->name);  // "London" is definite
  // ("yesterday's meeting": the time that owned says which one, "a tegnapi megbeszélés")
  const bool timeOwner =
      std::any_of(t_.begin() + i, t_.begin() + head, [](const Token& m) { return m.timeOwner; });
  np.definite = np.definite || np.name || np.possessed || timeOwner;
  np.plural = t_[head].plural && !measured;
  // "a lot of tourists visited": "sok turista"; "all the students were": "minden diák volt"
  for (std::size_t m = np.begin; m < head; ++m)
    if (countsItsNoun(t_[m]) || t_[m].tag == PartOfSpeech::number ||
        (t_[m].tag == PartOfSpeech::determiner && listed(kSingularAfter, t_[m].lower)) ||
        (t_[m].lower == "some" && t_[head].plural))  // "some passengers were": "néhány utas volt"
      np.plural = false;
  // "the price of petrol": "a benzin ára", the owner first and the head possessed by it; so too
  // the place a superlative ranks in ("the best hotel in the city": "a város legjobb szállodája")
  const bool rankedIn =
      k + 1 < t_.size() && t_[k].lower == "in" && !t_[k + 1].time &&
      std::any_of(t_.begin() + long(np.begin), t_.begin() + long(head),
                  [](const Token& t) { return t.tag == PartOfSpeech::adjective && t.degree == 2; }) &&
      (t_[k + 1].lower == "the" || t_[k + 1].tag == PartOfSpeech::noun ||
       t_[k + 1].tag == PartOfSpeech::name);
  // ("a copy of the invoice": "a számla másolata", a definite owner makes the head its own)
  const bool definiteOwner = k + 1 < t_.size() && t_[k].lower == "of" &&
                             (t_[k + 1].lower == "the" || t_[k + 1].tag == PartOfSpeech::possessive ||
                              t_[k + 1].tag == PartOfSpeech::name);
  // "a painting by a Hungarian artist": who made a work owns it, "egy magyar művész festménye"
  static constexpr std::string_view kWorks[] = {"painting", "picture", "book",  "novel",    "poem",  "song",
                                                "film",     "movie",   "play",  "photo",    "photograph",
                                                "album",    "article", "story", "sculpture", "opera", "symphony"};
  const bool madeBy = k + 1 < t_.size() && t_[k].lower == "by" && listed(kWorks, t_[head].lemma) &&
                      startsNounPhrase(k + 1) && t_[k + 1].tag != PartOfSpeech::pronoun && [&] {
                        const NounPhrase maker = readNounPhrase(k + 1);
                        const Sense* ms = coreSense(t_[maker.head], sense(maker.head));
                        return maker.name || t_[maker.head].tag == PartOfSpeech::name || (ms && ms->person);
                      }();
  // ("half the team": the whole right after the half, "a csapat fele")
  const bool halfOf = t_[head].tag == PartOfSpeech::noun && t_[head].lemma == "half" && k + 1 < t_.size() &&
                      k == head + 1 && (t_[k].lower == "the" || t_[k].tag == PartOfSpeech::possessive);
  if (halfOf) --k;
  if (t_[head].tag == PartOfSpeech::noun && k + 1 < t_.size() &&
      (t_[k].lower == "of" || rankedIn || madeBy || halfOf) &&
      startsNounPhrase(k + 1) && t_[k + 1].tag != PartOfSpeech::pronoun && !countsItsNoun(t_[k + 1]) &&
      std::all_of(t_.begin() + long(np.begin), t_.begin() + long(head), [&](const Token& t) {
        return t.tag == PartOfSpeech::adjective || t.lower == "the" || t.tag == PartOfSpeech::particle ||
               ((t.lower == "a" || t.lower == "an") && (definiteOwner || madeBy));
      })) {
    // (a head the core lexicon lacks is owned as well: "the start of the meeting", "a
    // megbeszélés indulását")
    const Sense* hs = coreSense(t_[head], sense(head));
    if ((hs && hs->note("of").empty() && !hs->name) || (!hs && !t_[head].capitalised)) {
      np.ofOwner = k + 1;
      np.end = readNounPhrase(k + 1).end;
      np.possessed = np.definite = true;
    }
  }
  if (halfOf && !np.ofOwner) ++k;
  // "the youngest of the three sisters", "the best of them": a superlative alone, the group it
  // ranks among after "of"
  if (!np.ofOwner && head + 1 == k && k + 1 < t_.size() && t_[head].tag == PartOfSpeech::adjective &&
      (t_[head].degree == 2 || t_[head].lower == "best" || t_[head].lower == "worst") &&
      t_[k].lower == "of" && startsNounPhrase(k + 1)) {
    const NounPhrase group = readNounPhrase(k + 1);
    if (t_[group.head].plural) {  // ("of the three sisters": counted, said singular)
      np.ofGroup = k + 1;
      np.end = k = group.end;
    }
  }
  // "a smell of gas", "a series of burglaries", "accusations of corruption": a bare noun after
  // "of" names the kind, one word with the head or its adjective before it ("gázszag",
  // "betöréssorozat", "korrupciós vád"); not after a measure or a count ("a number of")
  static constexpr std::string_view kCounts[] = {"number", "couple", "kind", "sort", "type", "lot",
                                                 "lots",   "part",   "rest", "end",  "top",  "bottom"};
  if (!np.ofOwner && t_[head].tag == PartOfSpeech::noun && t_[head].entry && !measured && k + 1 < t_.size() &&
      t_[k].lower == "of" && t_[k + 1].tag == PartOfSpeech::noun && t_[k + 1].entry && !t_[k + 1].possessor &&
      (k + 2 == t_.size() || t_[k + 2].tag != PartOfSpeech::noun) && !listed(kCounts, t_[head].lemma) &&
      std::none_of(t_.begin() + long(np.begin), t_.begin() + long(head), [](const Token& t) {
        return t.lower == "the" || t.tag == PartOfSpeech::possessive || t.possessor;
      })) {
    np.ofModifier = k + 1;
    np.end = k + 2;
    k = np.end;
  }
  // "the noise from the street", "the smell from the kitchen": what comes from a place is said
  // of it, "az utcáról jövő zaj"
  // ("Students from 30 schools took part": people from a place who open the clause come from it,
  // "30 iskolából érkező diákok"; not those a verb keeps from something, "protect children from")
  static constexpr std::string_view kComing[] = {"noise", "sound", "smell", "smoke", "music", "light", "heat"};
  if (!np.placeAttribute && !np.ofOwner && !np.ofModifier && !np.participle && t_[head].tag == PartOfSpeech::noun &&
      (listed(kComing, t_[head].lemma) || (np.begin == 0 && t_[head].plural && peopleSense(head))) &&
      np.end + 1 < t_.size() && t_[np.end].lower == "from" && !t_[np.end - 1].pauseAfter &&
      startsNounPhrase(np.end + 1)) {
    const NounPhrase source = readNounPhrase(np.end + 1);
    if (!source.pronoun && source.end > np.end + 1 && !(source.end < t_.size() && t_[source.end].lower == "to") &&
        !t_[source.head].time && !unitOfTime(t_[source.head].lemma))
      np.placeAttribute = np.end, np.end = source.end;
  }
  // "tickets for the premiere", "an invoice for 200 euros": what a ticket, a bill or a booking is
  // for says which one, before it with "szóló", "a bemutatóra szóló jegyek", "a 200 euróról
  // szóló számla" (a verb's object keeps it after, where the verb has it too: "Vettem egy jegyet
  // a koncertre")
  if (!np.placeAttribute && !np.ofOwner && !np.ofModifier && !np.participle && t_[head].tag == PartOfSpeech::noun &&
      caseOfWhatItIsFor(t_[head]) && np.end + 1 < t_.size() && t_[np.end].lower == "for" &&
      !(np.begin > 0 && t_[np.begin - 1].tag == PartOfSpeech::verb) &&
      !t_[np.end - 1].pauseAfter && startsNounPhrase(np.end + 1)) {
    const NounPhrase what = readNounPhrase(np.end + 1);
    if (!what.pronoun && !peopleSense(what.head) && !isDuration(what) && what.end > np.end + 1)
      np.placeAttribute = np.end, np.end = what.end;
  }
  // "Parcels heavier than two kilograms", "a room larger than ours": a comparative after the noun
  // says which ones, before it with what it is compared to in "-nál" ("a két kilogrammnál
  // nehezebb csomagok")
  if (!np.placeAttribute && !np.ofOwner && !np.ofModifier && !np.participle && t_[head].tag == PartOfSpeech::noun &&
      np.end + 2 < t_.size() && t_[np.end].tag == PartOfSpeech::adjective && t_[np.end].degree == 1 &&
      !t_[np.end - 1].pauseAfter && !t_[np.end].pauseAfter && t_[np.end + 1].lower == "than" &&
      startsNounPhrase(np.end + 2)) {
    const NounPhrase compared = readNounPhrase(np.end + 2);
    if (!compared.pronoun && compared.end > np.end + 2) np.comparedAttribute = np.end, np.end = compared.end;
  }
  // "Look at the clock on the wall", "stared at the picture above the fireplace": where the thing
  // looked at is says which one it is, "a falon lévő órát" (looking has no place of its own)
  static constexpr std::string_view kLooking[] = {"look", "stare", "glance", "point", "gaze"};
  static constexpr std::string_view kWhere[] = {"on", "in", "above", "under", "behind", "near", "by"};
  if (!np.placeAttribute && !np.ofOwner && !np.ofModifier && !np.participle && np.begin >= 2 &&
      t_[np.begin - 1].lower == "at" && t_[np.begin - 2].tag == PartOfSpeech::verb &&
      listed(kLooking, t_[np.begin - 2].lemma) && t_[head].tag == PartOfSpeech::noun && np.end + 1 < t_.size() &&
      listed(kWhere, t_[np.end].lower) && !t_[np.end - 1].pauseAfter && startsNounPhrase(np.end + 1)) {
    const NounPhrase place = readNounPhrase(np.end + 1);
    if (!place.pronoun && place.end > np.end + 1 && !unitOfTime(t_[place.head].lemma) && !t_[place.head].time &&
        !namesATime(place) && t_[place.head].tag != PartOfSpeech::number)
      np.placeAttribute = np.end, np.end = place.end;
  }
  // "my feet are cold": "a lábam hideg", one word for the pair; so too a bare plural ("wears
  // glasses": "szemüveget visel", "has blue eyes", "new shoes"), not one counted or determined
  const Sense* pairSense = coreSense(t_[head], sense(head));
  if (pairSense && pairSense->pair &&
      (np.possessed ||
       std::any_of(t_.begin() + long(np.begin), t_.begin() + long(head),
                   [](const Token& t) { return t.tag == PartOfSpeech::possessive; }) ||
       std::all_of(t_.begin() + long(np.begin), t_.begin() + long(head),
                   [](const Token& t) { return t.tag == PartOfSpeech::adjective; })))
    np.plural = false;
  return np;
}

// How long a thing lasted as its adjective, by the English unit: the "-s" adjective one writes
// after a simple numeral ("hároméves"), the "-nyi" measure after any other ("tizenöt évnyi").
struct LastingUnit {
  std::string_view unit, adjective, measure;
};
constexpr LastingUnit kLastingUnits[] = {
    {"year", "\xC3\xA9ves", "\xC3\xA9vnyi"},
    {"week", "hetes", "h\xC3\xA9tnyi"},
    {"day", "napos", "napnyi"},
    {"hour", "\xC3\xB3r\xC3\xA1s", "\xC3\xB3r\xC3\xA1nyi"},
    {"minute", "perces", "percnyi"},
    {"month", "", "h\xC3\xB3napnyi"},
    {"decade", "\xC3\xA9vtizedes", "\xC3\xA9vtizednyi"},
};

// "three years of renovation", "a week of pressure": the time is the adjective of what lasted,
// "hároméves felújítás", "egyhetes nyomás", "tizenöt évnyi munka"; nothing for any other phrase.
std::optional<std::string> Generator::lastingFor(const NounPhrase& np) const {
  if (!np.ofModifier || np.head == np.begin || t_[np.head].tag != PartOfSpeech::noun) return std::nullopt;
  const LastingUnit* unit = nullptr;
  for (const LastingUnit& u : kLastingUnits)
    if (u.unit == t_[np.head].lemma) unit = &u;
  const Token& count = t_[np.head - 1];
  if (!unit || (count.tag != PartOfSpeech::number && count.lower != "a" && count.lower != "an"))
    return std::nullopt;
  if (count.tag != PartOfSpeech::number) return "egy" + std::string(unit->adjective.empty() ? " " : "") +
                                                std::string(unit->adjective.empty() ? unit->measure : unit->adjective);
  const std::string numeral = numberBeforeNoun(count);
  const bool digits = count.lower[0] >= '0' && count.lower[0] <= '9';
  // the simple numerals make one word with the ending ("kétéves", "húszperces"); the others and
  // the digits stand apart ("tizenöt évnyi", "3 éves")
  const bool simple = count.value >= 1 && (count.value <= 10 || (count.value % 10 == 0 && count.value <= 100));
  if (unit->adjective.empty() || (!simple && !digits)) return numeral + " " + std::string(unit->measure);
  return numeral + (digits ? " " : "") + std::string(unit->adjective);
}

// "Even the dogs lay still": the phrase "even" stresses between "még" and "is" ("Még a kutyák
// is"), in whatever case or place the clause gives it.
void Generator::emitNounPhrase(const NounPhrase& np, Case c, const std::string& post,
                               std::optional<int> possessorPerson, bool possessorPlural) {
  const std::size_t even = np.begin >= 2 && t_[np.begin - 1].tag == PartOfSpeech::preposition ? np.begin - 2
                           : np.begin >= 1                                                     ? np.begin - 1
                                                                                               : n_;
  if (even == n_ || evenSaid_ == np.begin || stressedByEven(even) != np.begin)
    return emitNounPhraseItself(np, c, post, possessorPerson, possessorPlural);
  evenSaid_ = np.begin;
  // (before the article the clause said for it: "Még a gyerekek is")
  const bool article = !out_.empty() && out_.back().token == np.begin && (out_.back().text == "a" || out_.back().text == "az");
  emit("m\xC3\xA9g", even);
  if (article) std::swap(out_[out_.size() - 1], out_[out_.size() - 2]);
  emitNounPhraseItself(np, c, post, possessorPerson, possessorPlural);
  emit("is", even);
  evenSaid_ = SIZE_MAX;
}

void Generator::emitNounPhraseItself(const NounPhrase& np, Case c, const std::string& post,
                                     std::optional<int> possessorPerson, bool possessorPlural) {
  // "the University of Debrecen": a university named after its town is the town's adjective and
  // the noun, a name, "a Debreceni Egyetem"
  if (universityOfTown(np)) {
    NounPhrase own = np;
    own.end = np.head + 1, own.ofOwner = 0, own.possessed = false;
    const std::size_t mark = out_.size();
    emitNounPhraseItself(own, c, post, possessorPerson, possessorPlural);
    // (the town as Hungarian says it: "the University of Vienna", "a Bécsi Egyetem")
    const std::size_t said = out_.size();
    emitNounPhraseItself(readNounPhrase(np.ofOwner), Case::nominative, "", std::nullopt, false);
    const std::optional<std::string> town = out_.size() == said + 1 ? adjectiveOfTown(out_.back().text) : std::nullopt;
    out_.resize(said);
    std::size_t head = mark;
    while (head < out_.size() && out_[head].token != np.head) ++head;
    if (town && head < out_.size()) {
      out_[head].text = capitalizedWords(out_[head].text);
      std::string adjective = *town;
      adjective[0] = char(adjective[0] - 'a' + 'A');
      out_.insert(out_.begin() + std::ptrdiff_t(head), HungarianWord{std::move(adjective), np.ofOwner});
      if (head > mark && out_[head - 1].text == "az") out_[head - 1].text = "a";
      return;
    }
    out_.resize(mark);
  }
  if ((c == Case::nominative || c == Case::accusative) && post.empty() && differenceBefore(np)) c = Case::instrumental;
  // "our dog Bella": "a Bella nevű kutyánk", the name before "nevű" after the article
  if (np.calledEnd) {
    NounPhrase owned = np;
    owned.end = np.head + 1;
    owned.calledEnd = 0;
    const std::size_t at = out_.size();
    emitNounPhrase(owned, c, post, possessorPerson, possessorPlural);
    const std::size_t after = at < out_.size() && (out_[at].text == "a" || out_[at].text == "az") ? at + 1 : at;
    std::vector<HungarianWord> called;
    for (std::size_t k = np.head + 1; k < np.calledEnd; ++k) called.push_back(HungarianWord{t_[k].written, k}), done_[k] = true;
    called.push_back(HungarianWord{"nev\xC5\xB1", np.head + 1});
    out_.insert(out_.begin() + long(after), called.begin(), called.end());
    return;
  }
  // "children under twelve", "people over 65": the age is the people's adjective, "tizenkét év
  // alatti gyerekek", "65 év feletti emberek", after the article
  if (const std::size_t end = ageLimitEnd(np); end && !done_[np.end]) {
    for (std::size_t k = np.end; k < end; ++k) done_[k] = true;
    const std::size_t at = out_.size();
    emitNounPhrase(np, c, post, possessorPerson, possessorPlural);
    const std::size_t after = at < out_.size() && (out_[at].text == "a" || out_[at].text == "az") ? at + 1 : at;
    const std::string limit = t_[np.end].lower == "under" ? "alatti" : "feletti";
    out_.insert(out_.begin() + long(after),
                {HungarianWord{numberBeforeNoun(t_[np.end + 1]), np.end + 1}, HungarianWord{"\xC3\xA9v", np.end + 1},
                 HungarianWord{limit, np.end}});
    return;
  }
  // "a group of 25 children", "a team of ten volunteers": how many people it has is its
  // adjective, "egy 25 fős csoport", after the article
  if (const std::size_t end = peopleCountedAfter(np); end && !done_[np.end]) {
    for (std::size_t k = np.end; k < end; ++k) done_[k] = true;
    const std::size_t at = out_.size();
    emitNounPhrase(np, c, post, possessorPerson, possessorPlural);
    const std::size_t after = at < out_.size() && (out_[at].text == "egy" || out_[at].text == "a" || out_[at].text == "az") ? at + 1 : at;
    // (a number in words is one word with it, "tízfős"; in figures apart, "25 fős")
    const std::string count = numberBeforeNoun(t_[np.end + 1]);
    if (std::any_of(count.begin(), count.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
      out_.insert(out_.begin() + long(after),
                  {HungarianWord{count, np.end + 1}, HungarianWord{"f\xC5\x91s", np.end + 2}});
    else
      out_.insert(out_.begin() + long(after), HungarianWord{count + "f\xC5\x91s", np.end + 1});
    return;
  }
  // "villages in the north": where they lie is their adjective, "északi falvak" (a time in the
  // north stays one: "a week in the north")
  if (const std::size_t end = compassAfter(np); end && !done_[np.end]) {
    for (std::size_t k = np.end; k < end; ++k) done_[k] = true;
    const std::size_t at = out_.size();
    emitNounPhrase(np, c, post, possessorPerson, possessorPlural);
    std::size_t after = at;
    while (after < out_.size() && after < at + 3 && out_[after].token < np.head &&
           (t_[out_[after].token].tag == PartOfSpeech::determiner || t_[out_[after].token].tag == PartOfSpeech::number))
      ++after;
    const Sense* point = coreSense(t_[end - 1], sense(end - 1));
    if (point) out_.insert(out_.begin() + long(after), HungarianWord{point->word + "i", end - 1});
    return;
  }
  // "more visitors than ever before": the comparison with every time before goes first, "minden
  // korábbinál több látogatót"
  if (!np.pronoun && np.end + 1 < n_ && t_[np.end].lower == "than" && t_[np.end + 1].lower == "ever" &&
      !done_[np.end] &&
      std::any_of(t_.begin() + long(np.begin), t_.begin() + long(np.end),
                  [](const Token& t) { return t.lower == "more" || t.lower == "fewer" || t.degree == 1; })) {
    emit("minden", np.end), emit("kor\xC3\xA1" "bbin\xC3\xA1l", np.end + 1);
    done_[np.end] = done_[np.end + 1] = true;
    if (np.end + 2 < n_ && t_[np.end + 2].lower == "before") done_[np.end + 2] = true;
  }
  if (const auto lasting = lastingFor(np)) {
    if (np.definite) emit("a", np.begin);
    emit(*lasting, np.head);
    emitNounPhrase(readNounPhrase(np.ofModifier), c, post, possessorPerson, possessorPlural);
    return;
  }
  const Token& headToken = t_[np.head];
  const PronounForms* personalForms =
      !np.pronoun ? nullptr : pronoun(headToken.lower == "you" && headToken.plural ? "you all" : headToken.lower);
  // "Keep children close to you", "Let the kids sit next to you": an instruction's "you" is the
  // one told, its own reflexive, formally "maga" in the case ("magához", "magának")
  if (np.pronoun && np.end == np.begin + 1 && headToken.lower == "you" && !headToken.plural &&
      roles_.verb.imperative && before_.formal && post.empty() && c != Case::nominative &&
      c != Case::accusative) {
    NounStem self;
    self.lemma = "maga";
    emit(inflectNoun(self, false, {}, c), np.head);
    return;
  }
  // ("next to mine", "between each other": "az enyém mellett", the postposition after the form)
  if (np.pronoun && !post.empty() && !(personalForms && takesCaseOnItsOwnForm(*personalForms))) {
    // "behind her": "mögötte", the postposition with the person's ending
    if (auto personal = personalPostposition(post, t_[np.head].person, t_[np.head].plural)) {
      emit(*personal, np.head);
      return;
    }
  }
  if (np.pronoun && c == Case::instrumental && carriedAlongWith(np)) {
    emit(reflexiveWith(roles_.agreement, roles_.verb.imperative, before_.formal), np.head);
    return;
  }
  if (np.pronoun) {
    const PronounForms* p = personalForms;
    std::string_view form = p ? (c == Case::accusative     ? p->acc
                                 : c == Case::dative       ? p->dat
                                 : c == Case::instrumental ? p->ins
                                                           : p->nom)
                              : "";
    if (p && c != Case::nominative && c != Case::accusative && c != Case::dative && c != Case::instrumental)
      emit(takesCaseOnItsOwnForm(*p) ? attachCase(p->nom, c)
                                     : pronounInCase(t_[np.head].person, t_[np.head].plural, c)
                                           .value_or(attachCase(std::string(p->nom), c)),
           np.head);
    else
      emit(std::string(form), np.head);
    if (!post.empty()) emit(post, np.head);
    return;
  }
  Possessor owner;
  bool countable = true, plural = np.plural;
  std::string compound;  // a noun before the head that makes one word with it
  std::size_t commaAt = SIZE_MAX;
  // "the price of petrol": the owner first, in the nominative, and the head without its article
  // ("half the team": no preposition before the owner)
  const std::size_t own = np.ofOwner      ? np.ofOwner - (np.ofOwner - 1 == np.head ? 0 : 1)
                          : np.ofGroup    ? np.ofGroup - 1
                          : np.placeAttribute ? np.placeAttribute
                          : np.comparedAttribute ? np.comparedAttribute
                          : np.ofModifier ? np.ofModifier - 1
                          : np.participle ? np.participle
                                          : np.end;
  // "a mellettem ülő férfi": the participle with its place after the article
  bool described = !np.participle && !np.placeAttribute && !np.comparedAttribute;
  auto describe = [&] {
    if (described) return;
    described = true;
    if (np.comparedAttribute) {
      const NounPhrase compared = readNounPhrase(np.comparedAttribute + 2);
      // (one article for both: "a háznál nagyobb autó")
      if (!out_.empty() && out_.back().token < np.comparedAttribute &&
          (out_.back().text == "a" || out_.back().text == "az") &&
          (t_[compared.begin].lower == "the" || t_[compared.begin].tag == PartOfSpeech::possessive))
        out_.pop_back();
      // ("a car bigger than the house": one "egy" for both, "egy háznál nagyobb autó")
      if (!out_.empty() && out_.back().text == "egy" && out_.back().token < np.comparedAttribute &&
          t_[compared.begin].lower == "the")
        suppressArticle_ = compared.begin;
      emitNounPhrase(compared, Case::adessive);
      suppressArticle_ = SIZE_MAX;
      if (auto word = plainSense(t_[np.comparedAttribute], sense(np.comparedAttribute)))
        emit(*word, np.comparedAttribute);
      return;
    }
    // "az emeletünkön lévő nyomtató", "a folyó feletti híd": the place before the noun, a
    // postposition as its adjective, a case with "lévő"
    if (np.placeAttribute) {
      // "without a receipt": what is lacking, bare and singular, "a nyugta nélküli visszaküldés"
      if (t_[np.placeAttribute].lower == "without") {
        NounPhrase lacking = readNounPhrase(np.placeAttribute + 1);
        if (t_[lacking.begin].lower == "a" || t_[lacking.begin].lower == "an") ++lacking.begin;
        lacking.plural = false;
        emitNounPhrase(lacking, Case::nominative);
        emit("n\xC3\xA9lk\xC3\xBCli", np.placeAttribute);
        return;
      }
      // one article for both: "a kertben lévő gyerekek", "egy piros kalapban lévő férfi"
      const Token& first = t_[np.placeAttribute + 1];
      if (!out_.empty() && out_.back().token < np.placeAttribute &&
          (((out_.back().text == "a" || out_.back().text == "az") &&
            (first.lower == "the" || first.tag == PartOfSpeech::possessive)) ||
           (out_.back().text == "egy" && (first.lower == "a" || first.lower == "an"))))
        out_.pop_back();
      // "the flat on Rose Street": a street the place is is its adjective, "a Rózsa utcai lakás",
      // one article for both
      const std::size_t after = np.placeAttribute + 1;
      const std::string& in = t_[np.placeAttribute].lower;
      if ((in == "on" || in == "in" || in == "at") && startsNounPhrase(after)) {
        const NounPhrase place = readNounPhrase(after);
        // "a dentist in Szeged": a town the name names is the noun's adjective, "egy szegedi fogorvos"
        if (townAttribute(np)) {
          const std::size_t mark = out_.size();
          emitNounPhrase(place, Case::nominative);
          if (std::optional<std::string> adjective = adjectiveOfTown(out_.back().text)) {
            out_.back().text = std::move(*adjective);
            return;
          }
          out_.resize(mark);
        }
        if (place.head > place.begin && place.head + 1 == np.end && streetName(place.head - 1, place)) {
          const std::size_t mark = out_.size();
          emitNounPhrase(place, Case::nominative);
          std::string& last = out_.back().text;
          static constexpr std::pair<std::string_view, std::string_view> kStreetAdjectives[] = {
              {"utca", "utcai"}, {"\xC3\xBAt", "\xC3\xBAti"}, {"t\xC3\xA9r", "t\xC3\xA9ri"},
              {"sug\xC3\xA1r\xC3\xBAt", "sug\xC3\xA1r\xC3\xBAti"}, {"k\xC3\xB6r\xC3\xBAt", "k\xC3\xB6r\xC3\xBAti"}};
          bool said = false;
          for (const auto& [noun, adjective] : kStreetAdjectives)
            if (last == noun) last = std::string(adjective), said = true;
          if (said) {
            // (one article: the street's own, or the noun's "egy" alone)
            if (out_.size() > mark + 1 && (out_[mark].text == "a" || out_[mark].text == "az") && mark > 0 &&
                out_[mark - 1].token < np.placeAttribute &&
                (out_[mark - 1].text == "a" || out_[mark - 1].text == "az" || out_[mark - 1].text == "egy"))
              out_.erase(out_.begin() + std::ptrdiff_t(out_[mark - 1].text == "egy" ? mark : mark - 1));
            return;
          }
          out_.resize(mark);
        }
      }
      // "Several pharmacies in the capital": a count before the noun follows a definite place,
      // "a fővárosban lévő néhány gyógyszertár"; "a farm near the lake" takes the place without
      // its own article, "egy tó közelében lévő farm"
      std::vector<HungarianWord> count;
      // ("a man in a red car": one "egy" for both, "egy piros autóban lévő férfi")
      const bool definitePlace = first.lower == "the" || first.tag == PartOfSpeech::possessive;
      const bool indefinitePlace = first.lower == "a" || first.lower == "an";
      if ((definitePlace || indefinitePlace) && !out_.empty() && out_.back().token >= np.begin &&
          out_.back().token < np.placeAttribute && out_.back().text != "a" && out_.back().text != "az") {
        if (out_.back().text == "egy") {
          if (definitePlace)
            suppressArticle_ = np.placeAttribute + 1;
          else
            out_.pop_back();
        } else {
          while (!out_.empty() && out_.back().token >= np.begin && out_.back().token < np.placeAttribute &&
                 (t_[out_.back().token].tag == PartOfSpeech::determiner || countsItsNoun(t_[out_.back().token]) ||
                  t_[out_.back().token].tag == PartOfSpeech::number))
            count.insert(count.begin(), std::move(out_.back())), out_.pop_back();
        }
      }
      if (in == "for") {
        // (a number alone counts heads: "két főre szóló asztal")
        const NounPhrase what = readNounPhrase(after);
        const Case c = *caseOfWhatItIsFor(t_[np.head]);
        if (c == Case::sublative && what.end == what.begin + 1 && t_[what.head].tag == PartOfSpeech::number)
          emitPrepositionalPhrase(np.placeAttribute);
        else
          emitNounPhrase(what, c);
        suppressArticle_ = SIZE_MAX;
        emit("sz\xC3\xB3l\xC3\xB3", np.placeAttribute);  // "szóló"
        for (HungarianWord& w : count) out_.push_back(std::move(w));
        return;
      }
      const std::size_t before = out_.size();
      emitPrepositionalPhrase(np.placeAttribute);
      suppressArticle_ = SIZE_MAX;
      static constexpr std::string_view kPostpositions[] = {
          "f\xC3\xB6l\xC3\xB6tt", "felett", "alatt", "m\xC3\xB6g\xC3\xB6tt", "el\xC5\x91tt",
          "mellett", "k\xC3\xB6z\xC3\xB6tt", "ut\xC3\xA1n", "k\xC3\xB6r\xC3\xBCl", "ment\xC3\xA9n"};
      if (out_.size() > before && listed(kPostpositions, out_.back().text)) {
        std::string& post = out_.back().text;
        if (post == "ment\xC3\xA9n") post = "menti";  // "a folyó menti út"
        else post += "i";
      } else if (out_.size() > before) {
        const bool to = t_[np.placeAttribute].lower == "to";
        // ("Fishing on the lake is forbidden": the place of a bare action is where it is done,
        // "a tavon való horgászat")
        const bool action = np.head == np.begin && !np.plural && t_[np.head].lower.ends_with("ing");
        const bool from = t_[np.placeAttribute].lower == "from";
        emit(action                        ? "val\xC3\xB3"
             : from && peopleSense(np.head) ? "\xC3\xA9rkez\xC5\x91"  // "érkező"
             : from                         ? "j\xC3\xB6v\xC5\x91"
             : to && headsFor(t_[np.head])          ? "tart\xC3\xB3"
             : to                                    ? "vezet\xC5\x91"
                                                     : "l\xC3\xA9v\xC5\x91",
             np.placeAttribute);
      }
      for (HungarianWord& w : count) out_.push_back(std::move(w));
      return;
    }
    std::size_t after = np.participle + 1;
    if (np.participleObject) after = emitParticiplesObject(np);
    if (after < np.end) {
      // one article for both: "a kertben játszó gyerekek"
      if (!out_.empty() && out_.back().text == "a" && after + 1 < np.end && t_[after + 1].lower == "the")
        out_.pop_back();
      // ("damage caused by misuse": the doer with "által", "a visszaélés által okozott kár")
      if (t_[after].lower == "by" && startsNounPhrase(after + 1)) {
        const NounPhrase doer = readNounPhrase(after + 1);
        const Token& first = t_[doer.begin];
        // (one "egy" for both: "egy híres szerző által írt könyv")
        if (!out_.empty() && out_.back().text == "egy" && (first.lower == "a" || first.lower == "an"))
          out_.pop_back();
        // (a bare doer of a whole kind takes the article, one for both: "a visszaélés által okozott kár")
        if (!doer.name && !doer.pronoun && (first.tag == PartOfSpeech::noun || first.tag == PartOfSpeech::adjective)) {
          if (!out_.empty() && out_.back().text == "a") out_.pop_back();
          emit("a", doer.begin);
        }
        emitNounPhrase(doer, Case::nominative);
        emit("\xC3\xA1ltal", after);
      } else if (listed(kWhereDone, t_[after].lower)) {
        if (t_[after].lower == "here" || t_[after].lower == "there")
          emit(t_[after].lower == "here" ? "itt" : "ott", after);
        else if (auto where = plainSense(t_[after], sense(after)))
          emit(*where, after);
      } else {
        emitPrepositionalPhrase(after);
      }
    }
    const Token& v = t_[np.participle];
    if (!v.entry || v.entry->pos == PartOfSpeech::adjective) {
      if (auto s = plainSense(v, sense(np.participle))) emit(*s, np.participle);  // "az alábbi címre"
    } else if (v.entry && !v.entry->senses.empty() && !v.lower.ends_with("ing")) {
      emit(finishedParticiple(v.entry->senses.front()), np.participle);  // "a mutatott ár"
    } else if (v.lemma == "sell") {
      // ("stalls selling ripe peaches": one who sells goods is "árusító"; "eladó" is what is for sale)
      emit("\xC3\xA1rus\xC3\xADt\xC3\xB3", np.participle);
    } else if (v.entry && !v.entry->senses.empty()) {
      const lexicon::Sense& vs = v.entry->senses.front();
      emit(vs.prefix + presentParticipleOf(VerbStem{vs.word, "", ""}), np.participle);
    }
  };
  if (np.ofGroup) emitNounPhrase(readNounPhrase(np.ofGroup), Case::nominative, "k\xC3\xB6z\xC3\xBCl");
  if (np.ofOwner) {
    const NounPhrase owner = readNounPhrase(np.ofOwner);
    const Token& first = t_[owner.begin];
    // ("the names of half the team": an owner whose own owner comes first has its article there,
    // "a csapat felének a nevei")
    // (a month or a day, capitalised, takes none: "augusztus vége", "május eleje")
    if (!owner.name && !owner.ofOwner && (first.tag == PartOfSpeech::noun || first.tag == PartOfSpeech::adjective) &&
        !(first.tag == PartOfSpeech::noun && first.capitalised))
      emit("a", owner.begin);  // "the price of petrol": "a benzin ára"
    // "the bottom of this e-mail": an owner with "this" or "that" is said in the dative, the
    // head with its own article ("ennek az e-mailnek az alján")
    const bool pointedAt = first.lower == "this" || first.lower == "that" || first.lower == "these" ||
                           first.lower == "those";
    // "half of the council's members": an owner owned in turn is said in the dative, "a tanács
    // tagjainak fele"
    const bool ownedOwner = owner.possessed && !owner.name;
    emitNounPhrase(owner, pointedAt || ownedOwner ? Case::dative : Case::nominative);
    if (pointedAt) emit("a", np.begin);
  }
  for (std::size_t k = np.begin; k < own; ++k) {
    const Token& tk = t_[k];
    if (titleOfName(k, np)) {  // "Dr Evans": "dr. Evans"; "Mr" and "Mrs" follow the name
      if (tk.lower == "dr") emit("dr.", k);
      continue;
    }
    if (np.ofOwner && tk.lower == "the") continue;
    if (np.ofOwner && t_[np.ofOwner - 1].lower == "by" && (tk.lower == "a" || tk.lower == "an")) continue;
    // ("without a word", "without an agreement": what is missing is bare, "szó nélkül")
    if (k == np.begin && k > 0 && t_[k - 1].lower == "without" && (tk.lower == "a" || tk.lower == "an")) continue;
    if (k == np.begin && lessOf(k)) {  // "kevesebb időt"
      emit("kevesebb", k);
      countable = false;
      continue;
    }
    if (k == np.begin && tk.lower == "up to" && tk.tag == PartOfSpeech::adverb) {
      emit("ak\xC3\xA1r", k);  // "up to four hours": "akár négy órát"
      continue;
    }
    if (k == np.begin && boundOfCount(k)) {  // "több mint ötven", "kevesebb mint két"
      emit(tk.lower == "more" ? "t\xC3\xB6"
                                "bb"
                              : "kevesebb",
           k);
      emit("mint", k + 1);
      ++k;
      continue;
    }
    if (tk.tag != PartOfSpeech::determiner && tk.tag != PartOfSpeech::possessive &&
        tk.tag != PartOfSpeech::number)
      describe();
    if (tk.tag == PartOfSpeech::possessive) {
      owner = {tk.person, tk.plural};
      // ("some of my friends": "néhány barátom", the quantity instead of the article)
      // ("two of my friends": "két barátom", the number instead of it too)
      if (k == np.begin || (t_[k - 1].tag != PartOfSpeech::determiner && t_[k - 1].tag != PartOfSpeech::number &&
                            t_[k - 1].value <= 1))
        emit("a", k);
    } else if (tk.tag == PartOfSpeech::determiner) {
      const std::string& d = tk.lower;
      if (d == "one of") {  // "az egyik ajtó"
        emit("az", k), emit("egyik", k), countable = false;
        continue;
      }
      if (d == "the" && k > np.begin && t_[k - 1].lower == "all")
        continue;                      // "all the questions": "minden kérdés"
      if (d == "such" || d == "what")  // "such a big dog": "ilyen nagy kutya", without "egy"; "milyen"
        emit(d == "such" ? "ilyen" : "milyen", k);
      else if ((d == "a" || d == "an") && k > np.begin &&
               (t_[k - 1].lower == "such" || t_[k - 1].lower == "what"))
        continue;
      else if ((d == "a" || d == "an") && k + 1 < np.head && t_[k + 1].lower == "single")
        continue;  // "a single goal": "egyetlen gól", the one already said
      else if (d == "the" && k + 1 == np.head && t_[k + 1].lower == "same") {
        // "is the same as mine": "ugyanaz", the demonstrative alone in the phrase's case, plural
        // as the subject it is said of ("Az eredmények ugyanazok voltak")
        const bool ofPlural = c == Case::nominative && roles_.agreement.plural && roles_.subject &&
                              roles_.subject->begin != np.begin;
        emit("ugyan" + demonstrative(false, plural || ofPlural, c), k);
        done_[k + 1] = true;
        return;
      } else if (d == "the" && k + 1 < np.head && t_[k + 1].lower == "same") {
        // "the same family": "ugyanaz a család", the demonstrative in the noun's case
        // ("ugyanabban a házban", "ugyanazt a filmet")
        emit("ugyan" + demonstrative(false, np.plural, c), k), emit("a", k);
        ++k;
      } else if (d == "the")
        emit("a", k);
      else if ((d == "a" || d == "an") && c != Case::formal &&  // "as a teacher": "tanárként"
               !(c == Case::nominative && !objectDone_ && roles_.object && roles_.object->begin == np.begin &&
                 roles_.objectCase == Case::nominative && !keepsItsArticle(np.begin, np.head)) &&  // "became a doctor": "orvos lett"
               !negatedIndefinite(np))  // "didn't buy a ticket": "nem vett jegyet"
        emit("egy", k);
      else if (d == "this" || d == "these" || d == "that" || d == "those") {
        // the demonstrative takes the noun's case ("ebben a házban"); alone it is the noun
        emit(demonstrative(d == "this" || d == "these", d == "these" || d == "those", c), k);
        if (k + 1 < own) emit("a", k);
      } else if (d == "all" && (!t_[np.head].plural || c == Case::accusative) && k + 1 < np.head &&
                 t_[k + 1].lower == "the")
        // "all the money": "az összes pénz", all of one mass; "ate all the apples": "megette az
        // összes almát", the definite object said so
        emit("az", k), emit("\xC3\xB6sszes", k), countable = false;
      else if (d == "every" || d == "each" || d == "all")
        emit("minden", k), countable = false;
      else if (d == "both")
        emit("mindk\xC3\xA9t", k), countable = false;  // "mindkét fiú"
      else if (d == "none" || d == "neither")  // "none of the students": "egyik diák sem", its "sem" after
        emit("egyik", k), countable = false;
      else if (d == "either")  // "either of the rooms": "bármelyik szoba"
        emit("b\xC3\xA1rmelyik", k), countable = false;
      else if (d == "no" && k == np.begin && roles_.subject && roles_.subject->begin == np.begin &&
               noneSubject())  // "No student failed": "Egy diák sem bukott meg"
        emit("egy", k);
      else if (d == "several" || (d == "some" && t_[np.head].plural))
        emit("n\xC3\xA9h\xC3\xA1ny", k), countable = false;
      else if (d == "any" && c == Case::causal)  // "sorry for any delay": "az esetleges késésért"
        emit("az", k), emit("esetleges", k), countable = false;
      else if (d == "any" && before_.condition)  // "if you have any questions": "ha bármilyen kérdése van"
        emit("b\xC3\xA1rmilyen", k), countable = false;
      else if (d == "any" || d == "some")
        countable = false;  // "Van pénzed?", "Nincs időm": Hungarian says no quantity
      else if (d == "many" || d == "much")
        emit(tk.lemma == "so much" ? "annyi" : "sok", k), countable = false;
      else if (d == "most")
        emit("a", k),
            emit(
                "legt\xC3\xB6"
                "bb",
                k),
            countable = false;  // "most economists": "a legtöbb közgazdász"
      else if (d == "more")  // ("more and more people": "egyre több ember")
        emit(tk.rising ? "egyre t\xC3\xB6" "bb" : "t\xC3\xB6" "bb", k), countable = false;
      else if (d == "another")
        emit("egy", k), emit("m\xC3\xA1sik", k);
      else if (d == "enough")  // "elég vizet"
        emit("el\xC3\xA9g", k), countable = false;
      else if (d == "no" && !negatingNoAt(k))
        emit("semmi", k);
      else if (d == "no")
        countable = false;
    } else if (tk.tag == PartOfSpeech::number) {
      emit(numberBeforeNoun(tk), k);
      countable = false;
    } else if (tk.tag == PartOfSpeech::preposition) {
      continue;
    } else if (tk.tag == PartOfSpeech::verb && participleBeforeNoun(k, np.begin)) {
      // "the stolen car": "az ellopott autó"
      // (what does it, without an object: the sense's own verb for that, "csatlakozó")
      if (auto purpose = purposeParticiple(k, np))
        compound = std::move(*purpose);  // "sütőverseny", "úszómedence": one word
      else if (const Sense* vs = coreSense(tk, sense(k)); vs && vs->word.find(' ') == std::string::npos)
        emit(tk.form != VerbForm::ing ? finishedParticiple(*vs) : doerParticiple(*vs), k);
    } else if (tk.tag == PartOfSpeech::conjunction) {
      emit(tk.lower == "or" ? "vagy" : "\xC3\xA9s", k);  // "hűvös és száraz"
    } else if (k != np.head && (tk.tag == PartOfSpeech::adjective || tk.tag == PartOfSpeech::adverb ||
                                tk.tag == PartOfSpeech::noun || tk.tag == PartOfSpeech::name)) {
      // "a cool, dry place": "hűvös, száraz hely"
      if (k > np.begin && t_[k - 1].pauseAfter && t_[k - 1].tag == PartOfSpeech::adjective &&
          tk.tag == PartOfSpeech::adjective)
        commaAt = out_.size();
      // "yesterday's meeting": "a tegnapi megbeszélés", the article the owner stood for
      if (tk.timeOwner && k == np.begin &&
          (out_.empty() || (out_.back().text != "a" && out_.back().text != "az")))
        emit("a", k);
      // "Rose Street", "Baker Street": a capitalised word before a street's noun names it, a word
      // of its own with the article, "a Rózsa utcán", "a Baker utcán" (the lexicon's noun
      // translated, as Hungarian streets are named)
      if (streetName(k, np)) {
        if (k == np.begin) emit("a", k);
        const Sense* ns = tk.tag == PartOfSpeech::noun ? coreSense(tk, sense(k)) : nullptr;
        if (ns && !ns->name && ns->word.find(' ') == std::string::npos)
          emit(capitalizedWords(ns->word), k);
        else
          emit(tk.written, k, false);
      } else if (tk.tag == PartOfSpeech::name) {
        // "Mrs Green's garden": a title before a name that is not the head is said after the
        // name all the same, "Green asszony kertje"
        const bool titleBefore = k + 1 < np.head && isTitle(tk) && t_[k + 1].tag == PartOfSpeech::name &&
                                 titleAfterName(tk).has_value();
        // ("Dr Evans's office": "dr. Evans irodája")
        if (!titleBefore) emit(tk.lower == "dr" && k + 1 < np.head ? std::string("dr.") : tk.written, k, tk.lower == "dr");
        if (k > np.begin && k < np.head && isTitle(t_[k - 1]) && t_[k - 1].tag == PartOfSpeech::name)
          if (const auto title = titleAfterName(t_[k - 1])) emit(title->lemma, k - 1);
      }
      // "every single day": each one of them, "minden egyes nap"
      else if (tk.lower == "single" && k > np.begin && (t_[k - 1].lower == "every" || t_[k - 1].lower == "each"))
        emit("egyes", k);
      // "a húgom autója", "a tanárok fizetései": an owner keeps its own person and number
      else if (tk.possessor && tk.tag == PartOfSpeech::noun && (owner.person || tk.plural) &&
               (tk.entry || !tk.dictionarySenses.empty()))
        emit(inflectNoun(nounStem(tk, sense(k)), tk.plural, owner, Case::nominative), k);
      else if (const auto modifier = compoundModifier(k, np); modifier && modifier->attributive)
        emit(modifier->word, k);  // "születésnapi buli"
      else if (modifier)
        compound = modifier->word;  // "buszállomás", "focimeccs": written as one word
      else if (auto s = plainSense(tk, sense(k)))
        emit(*s, k);
      else
        emit(tk.written, k, false);
    }
  }
  if (commaAt < out_.size()) out_[commaAt].commaBefore = true;
  // "sok turista", "néhány ember": a counted noun stays singular
  for (std::size_t k = np.begin; k < own; ++k)
    if (k != np.head && countsItsNoun(t_[k])) countable = false;
  if (!countable) plural = false;
  // "Many people lost their jobs": a counted subject is singular, and so is what it owns
  // ("Sok ember elvesztette a munkáját")
  if (owner.person == 3 && owner.plural && roles_.subject && !roles_.subject->pronoun &&
      np.begin >= roles_.subject->end && !roles_.subject->plural &&
      (t_[roles_.subject->head].plural || t_[roles_.subject->head].lemma == "people"))
    owner.plural = false, plural = false;
  if (np.possessed) owner = {3, false};
  if (possessorPerson) owner = {*possessorPerson, possessorPlural};
  describe();
  if (np.ofModifier)
    if (const Sense* ms = coreSense(t_[np.ofModifier], sense(np.ofModifier));
        ms && !ms->name && ms->word.find(' ') == std::string::npos) {
      if (!ms->note("attr").empty())
        emit(std::string(ms->note("attr")), np.ofModifier);  // "korrupciós vád"
      else
        compound = ms->word;  // "gázszag"
    }
  const Token& h = t_[np.head];
  if (np.head >= np.begin && np.head < own &&
      (h.tag == PartOfSpeech::noun || h.tag == PartOfSpeech::name || h.tag == PartOfSpeech::adjective)) {
    if (h.tag == PartOfSpeech::name) {
      const bool known = h.entry != nullptr;
      std::string base = known ? plainSense(h, sense(np.head)).value_or(h.written) : h.written;
      if (const auto title = np.head > 0 && titleOfName(np.head - 1, np) ? titleAfterName(t_[np.head - 1])
                                                                         : std::nullopt) {
        emit(base, np.head, known);  // "Novak úrral", "Smith asszonynak"
        emit(inflectNoun(*title, false, {}, c), np.head - 1);
      } else {
        emit(c == Case::nominative ? base : attachCase(base, c), np.head, known);
      }
    } else if (h.tag == PartOfSpeech::adjective) {
      // an adjective said as a noun ("the red one", "the cheapest", "feel tired") links its endings
      // as its plural does: "pirosat", "pirosakat", "fáradtat", "zöldet", "legolcsóbbat"
      if (const auto s = plainSense(h, sense(np.head))) {
        // (the word a predicate takes stands alone too: "the small ones" are "a kicsik", not "kisek")
        const Sense* cs = coreSense(h, sense(np.head));
        NounStem stem;
        stem.lemma = cs && !cs->note("pred").empty() && !h.degree ? std::string(cs->note("pred")) : *s;
        // ("egyre hosszabbak": the adverb of a growing degree stays apart from the endings)
        if (stem.lemma.starts_with("egyre ")) emit("egyre", np.head), stem.lemma.erase(0, 6);
        stem.plural = pluralOf(stem.lemma, WordClass::adjective);
        // ("The days are getting longer": what a plural subject becomes, "hosszabbak lesznek")
        const bool becomes = c == Case::nominative && roles_.object && roles_.object->begin == np.begin &&
                             roles_.objectCase == Case::nominative && roles_.agreement.plural;
        emit(inflectNoun(stem, h.plural || becomes, {}, c), np.head);
      } else {
        emit(h.written, np.head, false);
      }
    } else {
      const bool known = h.entry || !h.dictionarySenses.empty();
      const Sense* hs = coreSense(h, sense(np.head));
      const bool capital = hs && hs->name;
      if (!known)
        emit(h.written, np.head, false);
      else if (capital)
        emit(capitalizedWords(inflectNoun(nounStem(h, sense(np.head)), plural, owner, c)), np.head);
      else {
        const NounStem stem = nounStem(h, sense(np.head));
        emit(joinedCompound(compound, inflectNoun(stem, plural, owner, c), stem.lemma), np.head);
      }
    }
  }
  if (!post.empty()) emit(post, np.head);
}

// The "-ó/-ő" word of an "-ing" noun said as the verb's noun in "-ás/-és" ("mosás": "mosó"), what
// a thing after it is for; none for another word.
std::optional<std::string> purposeOfAction(const Token& tk, const std::string& w) {
  static const std::string kBack = "\xC3\xA1s", kFront = "\xC3\xA9s";  // "ás", "és"
  if (tk.lower.size() <= 4 || !tk.lower.ends_with("ing") || w.size() <= 4 || w.find(' ') != std::string::npos)
    return std::nullopt;
  if (w.ends_with(kBack)) return w.substr(0, w.size() - kBack.size()) + "\xC3\xB3";
  if (w.ends_with(kFront)) return w.substr(0, w.size() - kFront.size()) + "\xC5\x91";
  return std::nullopt;
}

// A noun right before the head noun: Hungarian writes the two as one word ("bus station":
// "buszállomás", an "e-mail" joined with a hyphen), or says the first as its adjective where the
// lexicon gives one ("birthday party": "születésnapi buli").
std::optional<Generator::Modifier> Generator::compoundModifier(std::size_t k, const NounPhrase& np) const {
  const Token& tk = t_[k];
  const Token& head = t_[np.head];
  if (k + 1 != np.head || tk.tag != PartOfSpeech::noun || head.tag != PartOfSpeech::noun || tk.possessor ||
      tk.plural)
    return std::nullopt;
  const Sense* ms = coreSense(tk, sense(k));
  // ("car renters", "a bike courier": a head only the dictionary has, one word, makes one word
  // with a plain noun before it all the same, "autóbérlők")
  if (!head.entry && ms && !ms->name && ms->note("attr").empty() && ms->note("time").empty() &&
      isInflectableWord(ms->word) && head.dictionarySenses.size() == 1 &&
      isInflectableWord(head.dictionarySenses.front()))
    return Modifier{ms->word, false};
  if (!head.entry || head.entry->pos != PartOfSpeech::noun) return std::nullopt;
  const Sense* hs = coreSense(head, sense(np.head));
  // ("drinking water", "washing basket": an "-ing" noun only the dictionary has, "ivás", names
  // the thing's purpose all the same, "ivóvíz", "mosókosár")
  if (!ms && hs && !hs->name && !hs->person && hs->word.find(' ') == std::string::npos &&
      !tk.dictionarySenses.empty())
    if (auto purpose = purposeOfAction(tk, tk.dictionarySenses.front())) return Modifier{*purpose, false};
  if (!ms || !hs || ms->name || hs->name || ms->word.find(' ') != std::string::npos ||
      hs->word.find(' ') != std::string::npos)
    return std::nullopt;
  // a day before a part of it stands apart as it is: "Sunday mornings": "vasárnap reggel" (a
  // season before its months is its adjective: "summer months": "nyári hónapok")
  if (!ms->note("time").empty() && !hs->note("time").empty() &&
      (isDayName(tk.lemma) || ms->note("attr").empty()))
    return Modifier{ms->word, true};
  if (!ms->note("attr").empty()) return Modifier{std::string(ms->note("attr")), true};
  // an "-ing" noun whose Hungarian is the verb's noun in "-ás/-és" names what the thing is
  // for by the verb's "-ó/-ő" form: "washing machine": "mosógép", "reading room":
  // "olvasóterem", "parking machine": "parkolóautomata" (not "mosásgép")
  if (auto purpose = purposeOfAction(tk, ms->word)) return Modifier{*purpose, false};
  return Modifier{ms->word.find('-') != std::string::npos ? ms->word + "-" : ms->word, false};
}

// "the baking contest", "a swimming race", "the waiting area": the "-ing" of an activity right
// before a thing names what the thing is for, the verb's "-ó/-ő" form without its prefix written
// together with it ("sütőverseny", "úszóverseny", "mosószer"); a person doing it stays apart ("a
// futó lány"), and so does any other verb's, a change going on ("rising prices": "emelkedő árak").
std::optional<std::string> Generator::purposeParticiple(std::size_t k, const NounPhrase& np) const {
  static constexpr std::string_view kActivities[] = {"bake", "cook", "swim",  "skate", "wait", "park",
                                                     "wash", "iron", "chop",  "fry",   "mix",  "run",
                                                     "drink", "read", "write", "climb", "sew", "hear", "walk"};
  const Token& tk = t_[k];
  const Token& head = t_[np.head];
  if (k + 1 != np.head || tk.form != VerbForm::ing || !listed(kActivities, tk.lemma) ||
      head.tag != PartOfSpeech::noun || !head.entry || head.entry->pos != PartOfSpeech::noun)
    return std::nullopt;
  const Sense* vs = coreSense(tk, sense(k));
  const Sense* hs = coreSense(head, sense(np.head));
  if (!vs || !hs || hs->person || hs->name || vs->word.find(' ') != std::string::npos ||
      hs->word.find(' ') != std::string::npos)
    return std::nullopt;
  return presentParticipleOf(VerbStem{vs->word, "", ""});
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
    // ("You may need": "Szükséged lehet")
    emit(negative         ? (past ? "nem volt" : "nincs")
         : future         ? "lesz"
         : past           ? "volt"
         : modal == "hat" ? "lehet"
                          : "van",
         verb);
    return;
  }
  // ("started to laugh": an infinitive after is what is begun, "elkezdett nevetni")
  const bool infinitiveAfter = verb + 2 < n_ && t_[verb + 1].tag == PartOfSpeech::infinitiveTo &&
                               (t_[verb + 2].tag == PartOfSpeech::verb || t_[verb + 2].lower == "be");
  // "Shake well", "Dry thoroughly": an instruction of how to handle the thing at hand has it as
  // its object, "Jól rázd meg", "Alaposan szárítsd meg" ("Turn left" turns: "Fordulj balra")
  static constexpr std::string_view kHandling[] = {"well", "thoroughly", "gently", "firmly", "carefully"};
  const bool thingAtHand = imperative && !hasObject && verb == roles_.verb.main && verb + 1 < n_ &&
                           listed(kHandling, t_[verb + 1].lower) && s && !s->note("intr").empty();
  // ("Bake for forty minutes", "Store in a dry place", "Serve hot": a recipe's or a label's
  // instruction without an object is said of the dish or the product, "Süsse", "Tárolja")
  static constexpr std::string_view kDoneToTheThing[] = {
      "store", "bake",  "cook",  "boil",    "fry",     "roast", "simmer", "stir",  "serve", "heat",  "reheat",
      "freeze", "refrigerate", "chill", "mix", "rinse", "apply", "season", "soak", "microwave", "grill", "whisk",
      "blend", "steam", "toast", "drain", "use", "keep", "shake", "wash", "cover", "discard", "consume",
      "swallow", "handle", "refreeze", "defrost", "thaw"};
  // ("Do not use after the expiry date", "Please keep out of reach of children": "Ne használja",
  // "Tartsa"; but "so don't cook!", a "don't" of talk, forbids the cooking itself: "ne főzz")
  const bool talksDont = verb >= 2 && t_[verb - 1].tag == PartOfSpeech::negation && t_[verb - 2].lower == "do" &&
                         t_[verb - 1].word == t_[verb - 2].word;
  const bool dishAtHand = imperative && !hasObject && verb < n_ && !talksDont &&
                          (verb == 0 || t_[verb - 1].lower == "then" || t_[verb - 1].lower == "and" ||
                           t_[verb - 1].lower == "please" || t_[verb - 1].tag == PartOfSpeech::negation) &&
                          listed(kDoneToTheThing, v.lemma) && s && !s->noObject &&
                          (verb + 1 == n_ || (t_[verb + 1].tag != PartOfSpeech::particle &&
                                              t_[verb + 1].tag != PartOfSpeech::conjunction));
  if (thingAtHand || dishAtHand) a.definite = true;
  // "charged the phone for two hours", "the paint dried for hours": what lasted a while is no
  // change completed, the verb without the prefix that says it is done ("töltötte", "száradt")
  const bool lasted = verb == roles_.verb.main && lastsAWhile();
  if (s && !hasObject && !infinitiveAfter && !thingAtHand && !dishAtHand && !s->note("intr").empty()) {
    // "The train leaves": "indul", not "elhagy"; "will close next spring": "bezár"
    const bool once = past || future || (verb == roles_.verb.main && futureSaid());
    stem = intransitiveOf(*s, once && !lasted, v.form);
    // "We'll start early", "They began at nine": people begin their work, "korán kezdünk",
    // where the meeting begins of itself, "kezdődik"
    if ((v.lemma == "start" || v.lemma == "begin") && verb == roles_.verb.main && stem.lemma != s->word &&
        saidOfPerson(roles_))
      stem = VerbStem{"kezd", "", ""};
  } else if (s) {
    stem.lemma = s->word;
    stem.prefix = s->prefix;
    // ("The market moves to the main square": a thing moved to a place is moving house too,
    // "a főtérre költözik", where "the car moved" "mozgott")
    const bool movedTo = v.lemma == "move" && verb + 1 < n_ && t_[verb + 1].lower == "to";
    if (const std::string_view thing = s->note("thing");
        !thing.empty() && verb == roles_.verb.main && saidOfThing(roles_) && !movedTo)
      stem = verbOfNote(thing);  // "A gép nem működik"; with its own prefix "Kialudtak a lámpák"
    else
      stem.past = std::string(s->note("past"));
    if (const Sense* befell = befalls_ && verb == roles_.verb.main ? passOf(passiveAt(verb))
                                                                   : nullptr)
      // ("were stuck in the snow": people "megrekedtek", "the lift is stuck" "beragadt")
      stem = verbOfNote(!befell->note("thingpass").empty() && saidOfThing(roles_) ? befell->note("thingpass")
                                                                                : befell->note("pass"));
    // "took his hand": taking hold of a hand or an arm is "megfog" ("megfogta a kezét")
    if (v.lemma == "take" && verb == roles_.verb.main && roles_.object && !roles_.object->pronoun &&
        (t_[roles_.object->head].lemma == "hand" || t_[roles_.object->head].lemma == "arm"))
      stem.lemma = "fog", stem.prefix = "meg";
    // "How long does it take?", "It won't take long": what "it" takes without an object is time,
    // "tart" ("Meddig tart?")
    if (v.lemma == "take" && verb == roles_.verb.main && !hasObject && !roles_.object && roles_.subject &&
        roles_.subject->pronoun && t_[roles_.subject->head].lower == "it")
      stem.lemma = "tart", stem.prefix.clear();
    // "It took me an hour": the time one's deed took is one's own, "Egy órámba telt"
    if (v.lemma == "take" && verb == roles_.verb.main && timeTakenByPerson())
      stem.lemma = "telik", stem.prefix.clear(), a.definite = false;
    // "She looked as if she had not slept": how one looks, "Úgy nézett ki, mintha"
    if (v.lemma == "look" && verb == roles_.verb.main && asIfFollows_ && !hasObject) stem = VerbStem{"n\xC3\xA9z", "ki", ""};
    // ("I feel as if": what one feels is that, "Úgy érzem, mintha")
    if (v.lemma == "feel" && verb == roles_.verb.main && asIfFollows_ && !hasObject) a.definite = true;
    // "We're thinking of getting a puppy": one ponders it, "gondolkodik"
    if (v.lemma == "think" && verb == roles_.verb.main && considering_) stem.lemma = "gondolkodik", stem.prefix.clear();
    // "spent the weekend at the lake": time is spent "tölt", money "költ"
    if (v.lemma == "spend" && verb == roles_.verb.main && roles_.object && !roles_.object->pronoun) {
      static constexpr std::string_view kSpans[] = {
          "time", "weekend", "holiday", "life",      "night",   "day",    "week",   "month",    "year",
          "hour", "minute",  "morning", "afternoon", "evening", "summer", "winter", "vacation", "childhood"};
      if (listed(kSpans, t_[roles_.object->head].lemma)) stem.lemma = "t\xC3\xB6lt", stem.prefix.clear();
    }
    // "will be closed to traffic", "closed the park to visitors": shut off from them, "lezár",
    // what it is shut to "elől" (below)
    if (v.lemma == "close" && verb == roles_.verb.main && closedTo() != n_) stem.lemma = "z\xC3\xA1r", stem.prefix = "le";
    if (v.lemma == "leave" && verb == roles_.verb.main && leftWanting()) stem.prefix.clear();
    // "neither of them moved", "Don't move!": a person who moves and goes nowhere stirs,
    // "mozdul"; "moved to Szeged", "moved last year" is moving house, "költözik"
    if (v.lemma == "move" && verb == roles_.verb.main && !hasObject && stem.lemma == s->word &&
        !s->note("thing").empty() && t_[verb].prefix.empty() && !movedElsewhere(verb))
      stem.lemma = "mozdul", stem.prefix.clear();
    // "Remember to bring your passport", "Don't forget to call": told to remember a deed is
    // told not to forget it, "Ne felejtse el hozni"
    if (v.lemma == "remember" && imperative && infinitiveAfter && !negative)
      stem.lemma = "felejt", stem.prefix = "el", negative = true;
    // "pretended to read": "úgy tett, mintha olvasna", making as if
    if (v.lemma == "pretend" && verb == roles_.verb.main && verb + 1 == n_ && !roles_.object)
      emit("\xC3\xBAgy", verb), stem.lemma = "tesz", stem.prefix.clear(), a.definite = false;
    // '"Stop!" she cried': crying out the words of a quotation is calling them, "kiáltotta", not
    // weeping
    if (v.lemma == "cry" && before_.saying && verb == roles_.verb.main) stem.lemma = "ki\xC3\xA1lt", stem.prefix.clear();
    // "walked past the church": going by a thing is going on past it, "el" ("elsétált a templom mellett")
    if (stem.prefix.empty() && verb + 1 < n_ && t_[verb + 1].lower == "past" &&
        t_[verb + 1].tag == PartOfSpeech::preposition && movesSomewhere(v))
      stem.prefix = "el";
    if (stem.prefix.empty() && perfective_ && !lasted) stem.prefix = std::string(s->note("perf"));  // "elolvasta"
    // "when she saw the photograph", "when he heard the news": what one saw or heard at a moment
    // is caught, "amikor meglátta", "amikor meghallotta"
    // ("when she saw me", "when he heard it": a pronoun caught so too, "amikor meglátott")
    const bool caughtPronoun = roles_.object && roles_.object->pronoun && roles_.verb.past &&
                               roles_.verb.modal.empty() && !roles_.verb.negative && roles_.verb.have == n_;
    // ("when I last saw her": the last time one saw, no catching sight, "legutóbb láttam")
    if (stem.prefix.empty() && (perfective_ || caughtPronoun) && before_.moment && verb == roles_.verb.main &&
        !(verb > 0 && t_[verb - 1].lower == "last") &&
        (stem.lemma == "l\xC3\xA1t" || stem.lemma == "hall"))
      stem.prefix = "meg";
    // (a word of its own in the prefix's place stays: "Tartsa lenyomva öt másodpercig")
    if (lasted && v.entry && !stem.prefix.empty() && stem.prefix == s->prefix && !stem.prefix.ends_with(' ') &&
        std::any_of(v.entry->senses.begin(), v.entry->senses.end(),
                    [&](const Sense& o) { return o.prefix.empty() && o.word == s->word; }))
      stem.prefix.clear();
    // the state it left stands where the prefix would ("fehérre festette"), or is the verb's
    // own ("pushed the door open": "kinyitotta")
    if (verb == roles_.verb.main && resultAfter_ < n_)
      stem = verbOfResult(resultAfter_).value_or(VerbStem{stem.lemma, "", stem.past});
    // ("kicked open the gate": the state before the object, of a push, the same: "kinyitotta")
    else if (verb == roles_.verb.main && resultState_ < n_ && listed(kActsWithResult, v.lemma))
      if (const std::optional<VerbStem> result = verbOfResult(resultState_)) stem = *result;
  } else if (auto p = plainSense(v, sense(verb))) {
    stem.lemma = *p;
  } else {
    emit(v.written, verb, false);
    return;
  }
  // "asked her to wait": "megkérte, hogy várjon"; a notice's "Kérjük", without the prefix
  if (verb == roles_.verb.main && requestFollows_ && v.lemma == "ask")
    stem = VerbStem{"k\xC3\xA9r", askedPolitely(roles_) ? "" : "meg", ""};
  if (verb == roles_.verb.main && changesOnesMind()) a.definite = true;  // (its object the reflexive)
  if (verb == roles_.verb.main && feelsOneself()) {
    stem = VerbStem{"\xC3\xA9rez", "", ""};
    a.definite = true;
  } else if (verb == roles_.verb.main && linkedPredicate() != n_) {  // "looks pale": "sápadtnak tűnik"
    if (stem.lemma != linkingVerb(v)->hungarian)
      stem = VerbStem{std::string(linkingVerb(v)->hungarian), "", ""};
    stem.prefix.clear();
  }
  // ("want to go home": "haza" is the infinitive's, "akarunk hazamenni", below)
  if (stem.prefix.empty() && homePrefix_ && verb == roles_.verb.main && !infinitiveAfter)
    stem.prefix = "haza";
  if (stem.prefix.empty() && verb == roles_.verb.main && !infinitiveAfter) stem.prefix = particlePrefix_;
  // "Tartsa zárva az ablakokat", "nyitva hagyta az ajtót", "zárva kell tartani": the state the
  // object is kept in stands where a prefix does, written apart (and "hagy" without its "el")
  if (verb == roles_.verb.main && !keptPrefix_.empty()) stem.prefix = keptPrefix_;
  if (stem.prefix.empty()) stem.prefix = v.prefix;  // "kiszaladt"
  // "climbed out of the window", "climbed down": the way the English particle says goes before
  // the sense's own way ("kimásztunk", "lemászott", where "climb" alone is "felmászik")
  static constexpr std::string_view kWays[] = {"fel", "le", "ki", "be", "el", "\xC3\xA1t", "vissza"};
  if (!v.prefix.empty() && s && stem.prefix == s->prefix && stem.lemma == s->word && listed(kWays, stem.prefix) &&
      listed(kWays, v.prefix) && !before_.saying)
    stem.prefix = v.prefix;
  // a verb of saying after a quotation says how it was said, unfinished: "– kérdezte az anyja"
  if (before_.saying && verb == roles_.verb.main) stem.prefix.clear();
  if (verb == roles_.verb.main && roles_.verb.futureOfBe && stem.lemma == "van") stem.lemma = "lesz";
  if (stateLeft_ && verb == roles_.verb.main) {
    emitStateLeft(stem, negative, past, a, verb);
    return;
  }
  // ("kiabálva", "felnézve"; ", watching his float": the participle closes its phrase, what it
  // governs before it, "az úszóját nézve", "örömmel kiabálva")
  if (before_.meanwhile && verb == roles_.verb.main)
    if (const std::string p = adverbialParticipleOf(stem); !p.empty()) {
      copulaTail_.push_back({stem.prefix + p, verb, true});
      return;
    }
  if (imperative) {
    a.person = before_.formal ? 3 : 2;  // "Ne lépjen be", formal; "Ne lépj be"
    // "Let's go": "Menjünk", the first person plural of the same mood
    const bool us = letUs();
    if (us) a.person = 1, a.plural = true;
    const std::string form =
        us || before_.formal ? subjunctiveOf(stem, a) : conjugate(stem, Tense::imperative, a);
    if (negative)
      emit("ne", verb), emit(form, verb), emit(stem.prefix, verb);
    else
      emit(form, verb), emit(stem.prefix, verb);
    return;
  }
  // a form with its prefix, or negated with the prefix after it ("ne menj el", "nem venném meg")
  auto emitNegatable = [&](const std::string& form, const char* no) {
    if (negative)
      emit(no, verb), emit(form, verb), emit(stem.prefix, verb);
    else
      emit(stem.prefix + form, verb);
  };
  if (modal == "subj") {
    // (asked of them in a clause of its own, the prefix follows as after a command: "érkezzenek meg")
    if ((askedOfThem_ || before_.requested) && !negative && verb == roles_.verb.main)
      emit(subjunctiveOf(stem, a), verb), emit(stem.prefix, verb);
    else
      emitNegatable(subjunctiveOf(stem, a), "ne");
    return;
  }
  if (modal == "hat") {
    stem = potentialOf(stem);  // "ülhetsz", "mehetünk": conjugated as any verb below
  } else if (modal == "hat-cond") {
    stem = potentialOf(stem);  // "Kaphatnék egy pohár vizet?", "Megkérdezhetném?"
    emitNegatable(conditionalOf(stem, a), "nem");
    return;
  } else if (modal == "cond" && past) {
    // "would have come", "if I had known": what was not so is the past with "volna" ("eljöttem
    // volna", "nem merte volna", "ha tudtam volna")
    const std::string form = conjugate(stem, Tense::past, a);
    if (negative)
      emit("nem", verb), emit(form, verb), emit("volna", verb), emit(stem.prefix, verb);
    else
      emit(stem.prefix + form, verb), emit("volna", verb);
    return;
  } else if (modal == "cond") {
    emitNegatable(conditionalOf(stem, a), "nem");  // "szeretnék", "megvenném"
    return;
  } else if (modal == "hajland\xC3\xB3") {
    // "nem volt hajlandó beszélni", "nem vagyok hajlandó várni", "nem hajlandók fizetni": willing
    // is said of the subject, as the copula says it (none in the third person's present)
    Agreement be = a;
    be.definite = be.youObject = false;
    const std::string willing = a.plural ? "hajland\xC3\xB3k" : "hajland\xC3\xB3";
    if (!negative) emit(willing, verb);  // ("hajlandó volt segíteni")
    else emit("nem", verb);
    if (past || future || a.person != 3)
      emit(conjugate(VerbStem{future ? "lesz" : "van", "", ""}, past ? Tense::past : Tense::present, be), verb);
    if (negative) emit(willing, verb);
    emit(stem.prefix + infinitiveOf(stem), verb);
    return;
  } else if (modal == "siker\xC3\xBCl") {
    // "Sikerült megjavítanod?", "Nem sikerült elaludnom": the prefix stays on the infinitive
    const std::string inf = personalInfinitiveOf(stem, a.person, a.plural);
    emit(negative ? "nem" : "", verb), emit(past ? "siker\xC3\xBClt" : "siker\xC3\xBCl", verb),
        emit(stem.prefix + inf, verb);
    return;
  } else if (modal == "kell" || modal == "kellene" || modal == "szabad") {
    // "mennem kell", "be kell fejeznem", "nem kell mennie", "nem szabad használniuk": the
    // infinitive carries the person
    const std::string need = needOf(roles_.verb, past, n_);
    // a passive without its agent says no one: "Az elemeket ki kell cserélni"
    const bool noOne =
        verb == roles_.verb.main && ((roles_.verb.passive && !roles_.agent) || before_.toBeDone);
    const std::string inf = noOne ? infinitiveOf(stem) : personalInfinitiveOf(stem, a.person, a.plural);
    if (negative || modalFocus_ || before_.toBeDone)  // ("hogyan kell úszni": the question word first)
      emit(negative ? "nem" : "", verb), emit(need, verb), emit(stem.prefix + inf, verb);
    else if (!stem.prefix.empty())
      emit(stem.prefix, verb), emit(need, verb), emit(inf, verb);
    else
      emit(inf, verb), emit(need, verb);
    return;
  } else if (!modal.empty() || future) {
    const bool politeCan = modal == "tud-cond";
    VerbStem aux{future ? "fog" : politeCan ? "tud" : std::string(modal), "", ""};
    // "Tickets can be booked online", "footsteps could be heard": what can be done by anyone is
    // "lehet" and the infinitive ("le lehet foglalni", "lehetett hallani")
    const bool byAnyone = modal == "tud" && !future && verb == roles_.verb.main && roles_.verb.passive &&
                          !roles_.agent && !before_.toBeDone;
    const std::string auxForm =
        byAnyone    ? std::string(past ? "lehetett" : "lehet")
        : politeCan ? conditionalOf(aux, a)
                    : conjugate(aux, past ? Tense::past : Tense::present, a);
    if (negative || modalFocus_)
      emit(negative ? "nem" : "", verb), emit(auxForm, verb), emit(stem.prefix + infinitiveOf(stem), verb);
    else if (!stem.prefix.empty())
      emit(stem.prefix, verb), emit(auxForm, verb), emit(infinitiveOf(stem), verb);
    else if (future)
      emit(infinitiveOf(stem), verb), emit(auxForm, verb);  // "Venni fogunk"
    else
      emit(auxForm, verb), emit(infinitiveOf(stem), verb);
    return;
  }
  // a sense said with the copula and its predicate ("wonder": "kíváncsi |van"): the predicate
  // agrees in number ("kíváncsiak vagyunk") and the third person present says no copula
  // ("Kíváncsi, hogy", "Nem kíváncsi")
  // where a thing is ("is included": "benne |van") keeps the copula and takes no plural:
  // "benne van", "benne vannak", negated "nincs benne"
  static constexpr std::string_view kWhereItIs[] = {"benne", "rajta", "ott", "itt", "otthon"};
  if (stem.lemma == "van" && stem.prefix.ends_with(' ') &&
      listed(kWhereItIs, std::string_view(stem.prefix).substr(0, stem.prefix.size() - 1))) {
    if (negative && !past && a.person == 3) {
      emit(a.plural ? "nincsenek" : "nincs", verb), emit(stem.prefix.substr(0, stem.prefix.size() - 1), verb);
      return;
    }
  } else if (stem.lemma == "van" && stem.prefix.ends_with(' ')) {
    const std::string predicate = stem.prefix.substr(0, stem.prefix.size() - 1);
    if (a.plural) stem.prefix = pluralOf(predicate, WordClass::adjective) + " ";
    if (!past && a.person == 3) {
      if (negative) emit("nem", verb);
      emit(stem.prefix, verb);
      return;
    }
  }
  const std::string form = conjugate(stem, past ? Tense::past : Tense::present, a);
  if (negative && before_.until && verb == roles_.verb.main)
    emit(stem.prefix, verb), emit("nem", verb), emit(form, verb);
  else if (negative)
    emit("nem", verb), emit(form, verb), emit(stem.prefix, verb);
  else if (splitPrefix_)
    emit(form, verb), emit(stem.prefix, verb);
  else
    emit(stem.prefix + form, verb);
}

VerbGroup Generator::readVerbGroup() const {
  const std::size_t n = n_;
  VerbGroup g;
  bool must = false, pastOfBe = false;
  g.main = g.firstAux = g.be = g.have = n;
  for (std::size_t i = 0; i < n; ++i) {
    const Token& k = t_[i];
    // "is going to buy": the future; "was going to call you": what one meant to do, "fel
    // akartalak hívni"
    // ("It is going to be a long day": "Hosszú nap lesz", of the copula too)
    if (k.tag == PartOfSpeech::verb && k.lemma == "go" && k.form == VerbForm::ing && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo &&
        (t_[i + 2].tag == PartOfSpeech::verb || t_[i + 2].lower == "be")) {
      if (g.firstAux == n) g.firstAux = i;
      if (g.be != n && (t_[g.be].lower == "was" || t_[g.be].lower == "were"))
        g.modal = "akar", g.past = true;
      else
        g.future = true;
      continue;
    }
    // "used to live there": "régen ott lakott", what was so then
    // ("He used to be a teacher": "Régen tanár volt")
    if (k.tag == PartOfSpeech::verb && k.lemma == "use" && k.form == VerbForm::past && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo &&
        (t_[i + 2].tag == PartOfSpeech::verb || t_[i + 2].lower == "be")) {
      if (g.firstAux == n) g.firstAux = i;
      g.adverb = "r\xC3\xA9gen", pastOfBe = true;
      continue;
    }
    // "are struggling to find workers": "nehezen találnak munkást", what one can hardly do
    if (k.tag == PartOfSpeech::verb && k.lemma == "struggle" && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb) {
      if (g.firstAux == n) g.firstAux = i;
      g.adverb = "nehezen", pastOfBe = k.form == VerbForm::past;
      if (g.be != n) g.be = n;  // ("are struggling": the progressive is no copula)
      continue;
    }
    // "would love to help": "szívesen segítenék", what one would gladly do
    if (k.tag == PartOfSpeech::verb && k.lemma == "love" && k.form == VerbForm::base && g.modal == "cond" &&
        i + 2 < n && t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb &&
        !g.negative) {
      g.adverb = "sz\xC3\xADvesen";
      continue;
    }
    // "keeps calling me": "folyton hív", over and over
    if (k.tag == PartOfSpeech::verb && k.lemma == "keep" && k.form != VerbForm::ing && i + 1 < n &&
        t_[i + 1].tag == PartOfSpeech::verb && t_[i + 1].form == VerbForm::ing) {
      if (g.firstAux == n) g.firstAux = i;
      g.adverb = "folyton", pastOfBe = k.form == VerbForm::past;
      continue;
    }
    // "is about to leave": "mindjárt indul"
    if (isBe(k) && i + 3 < n && t_[i + 1].lower == "about" && t_[i + 2].tag == PartOfSpeech::infinitiveTo &&
        t_[i + 3].tag == PartOfSpeech::verb) {
      if (g.firstAux == n) g.firstAux = i;
      g.adverb = "mindj\xC3\xA1rt", pastOfBe = k.lower == "was" || k.lower == "were";
      i += 2;
      continue;
    }
    // "managed to fix it": "sikerült megjavítania", the one who managed in the dative
    if (k.tag == PartOfSpeech::verb && k.lemma == "manage" && k.form != VerbForm::ing && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb) {
      if (g.firstAux == n) g.firstAux = i;
      g.modal = "siker\xC3\xBCl", g.past = g.past || k.form == VerbForm::past;
      continue;
    }
    // "Nobody seemed to recognise her", "He seems to know": "Úgy tűnt, senki sem ismeri fel",
    // "Úgy tűnik, tudja", the verb after in the present ("seemed to be happy" is "boldognak tűnt")
    if (k.tag == PartOfSpeech::verb && k.lemma == "seem" && k.form != VerbForm::ing && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb &&
        t_[i + 2].lemma != "be" && g.modal.empty() && !g.negative && !g.doSupport) {
      if (g.firstAux == n) g.firstAux = i;
      g.seems = true, g.seemedPast = k.form == VerbForm::past;
      continue;
    }
    // "refused to speak to him": "nem volt hajlandó szóba állni vele", what one would not do
    if (k.tag == PartOfSpeech::verb && k.lemma == "refuse" && k.form != VerbForm::ing && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb && g.modal.empty()) {
      if (g.firstAux == n) g.firstAux = i;
      g.modal = "hajland\xC3\xB3", g.negative = !g.negative;
      g.past = g.past || k.form == VerbForm::past || k.form == VerbForm::participle;
      continue;
    }
    // "the two sides failed to agree": "nem tudott megegyezni", what one could not do
    if (k.tag == PartOfSpeech::verb && k.lemma == "fail" && k.form != VerbForm::ing && i + 2 < n &&
        t_[i + 1].tag == PartOfSpeech::infinitiveTo && t_[i + 2].tag == PartOfSpeech::verb) {
      if (g.firstAux == n) g.firstAux = i;
      g.modal = "tud", g.negative = !g.negative;
      g.past = g.past || k.form == VerbForm::past || k.form == VerbForm::participle;
      continue;
    }
    // "will no longer have to wait": past an adverb "have" may read as a verb, and "have to"
    // is still "kell" ("többé nem kell várniuk")
    if (k.tag == PartOfSpeech::verb && k.lemma == "have" && k.form != VerbForm::ing &&
        k.form != VerbForm::participle && i + 2 < n && infinitiveAt(i + 1)) {
      if (g.firstAux == n) g.firstAux = i;
      g.modal = "kell", g.past = g.past || k.form == VerbForm::past;
      continue;
    }
    // "I need to finish": "be kell fejeznem", as "have to"
    if (k.tag == PartOfSpeech::verb && k.lemma == "need" && k.form != VerbForm::ing && i + 2 < n &&
        infinitiveAt(i + 1)) {
      if (g.firstAux == n) g.firstAux = i;
      g.modal = "kell", g.past = g.past || k.form == VerbForm::past;
      continue;
    }
    // "It is important to drink water": the infinitive after the predicate is no main verb; the
    // copula is ("Fontos vizet inni")
    if (k.tag == PartOfSpeech::verb && i >= 3 && t_[i - 1].tag == PartOfSpeech::infinitiveTo &&
        t_[i - 2].tag == PartOfSpeech::adjective && g.firstAux < i &&
        (itOpensClause() || t_[i - 2].lower == "sorry") && g.adverb.empty())  // ("I'm sorry to be late")
      break;
    // "We expect to finish by May", "We regret to inform you": what one expects or regrets to
    // do is said of that verb, "várhatóan", "sajnálattal"
    if (const std::string_view how = mannerOfDoing(i); !how.empty() && g.modal.empty() && !g.negative) {
      g.adverb = how;
      if (g.firstAux == n) g.firstAux = i;
      ++i;
      continue;
    }
    // "The stolen car was found", "my lost keys": a participle between the article and its noun
    // describes the noun ("az ellopott autó"), no main verb
    if (k.tag == PartOfSpeech::verb && g.firstAux == n && i + 2 < n &&
        (i == 0 ? participleBeforeNoun(0, 0)
                : participleBeforeNoun(i, i - 1) &&
                      (t_[i - 1].tag == PartOfSpeech::determiner || t_[i - 1].tag == PartOfSpeech::possessive)) &&
        t_[i + 1].tag == PartOfSpeech::noun && !t_[i + 1].possessor &&
        std::any_of(t_.begin() + std::ptrdiff_t(i + 2), t_.end(), [](const Token& t) {
          return t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal || t.tag == PartOfSpeech::verb;
        }))
      continue;
    if (k.tag == PartOfSpeech::verb) {
      g.main = i;
      // (after "does" or a modal the verb is its base, whatever its spelling: "does it cost")
      if (k.form == VerbForm::past && !(i > 0 && isHave(t_[i - 1])) && !g.doSupport && g.modal.empty())
        g.past = true;
      if (g.firstAux == n) g.firstAux = i;
      break;
    }
    if (k.tag != PartOfSpeech::modal && k.tag != PartOfSpeech::auxiliary && k.tag != PartOfSpeech::negation)
      continue;
    if (g.firstAux == n) g.firstAux = i;
    // "is unlikely to recover": "valószínűleg nem gyógyul meg", said of the verb after; "is
    // expected to arrive": "várhatóan megérkezik"
    const std::string_view said = i + 1 < n ? std::string_view(t_[i + 1].lower) : "";
    // ("I am pleased to inform you": gladly, "örömmel tájékoztatom")
    const bool glad = said == "pleased" || said == "glad" || said == "delighted" || said == "happy" ||
                      said == "thrilled";
    // ("I was surprised to hear", "was relieved to find": how one felt at it, "meglepetten
    // hallottam", "megkönnyebbülve látta")
    static constexpr std::pair<std::string_view, std::string_view> kFeltAt[] = {
        {"surprised", "meglepetten"},       {"amazed", "meglepetten"},
        {"astonished", "meglepetten"},      {"shocked", "megd\xC3\xB6" "bbenve"},
        {"relieved", "megk\xC3\xB6nnyebb\xC3\xBClve"}, {"disappointed", "csal\xC3\xB3" "dottan"},
        {"saddened", "szomor\xC3\xBA" "an"},  {"horrified", "elborzadva"}};
    std::string_view feltAt;
    for (const auto& [english, hungarian] : kFeltAt)
      if (said == english) feltAt = hungarian;
    // ("We are sorry to inform you", "I'm sorry to hear that": with regret, "sajnálattal
    // értesítjük"; "sorry to bother you" apologises, and stays)
    static constexpr std::string_view kLearnOrTell[] = {"hear", "inform", "learn", "say", "see", "tell",
                                                        "announce", "report", "read", "notify", "find"};
    const bool regret = said == "sorry" && i + 3 < n && listed(kLearnOrTell, t_[i + 3].lemma) && !g.negative;
    if (isBe(k) && i + 3 < n && (said == "likely" || said == "unlikely" || said == "expected" || glad || regret ||
                                  !feltAt.empty()) &&
        t_[i + 2].tag == PartOfSpeech::infinitiveTo && t_[i + 3].tag == PartOfSpeech::verb) {
      g.adverb = said == "expected" ? "v\xC3\xA1rhat\xC3\xB3"
                                      "an"
                 : glad             ? "\xC3\xB6r\xC3\xB6mmel"
                 : regret           ? "sajn\xC3\xA1lattal"
                 : !feltAt.empty()  ? feltAt
                                    : "val\xC3\xB3sz\xC3\xADn\xC5\xB1leg";
      g.negative = g.negative || said == "unlikely";
      pastOfBe = k.lower == "was" || k.lower == "were";
      i += 2;
      continue;
    }
    // "will be able to come", "was able to help": "tud" ("Hétfőn nem tudok jönni")
    if (isBe(k) && i + 3 < n && t_[i + 1].lower == "able" && t_[i + 2].tag == PartOfSpeech::infinitiveTo &&
        t_[i + 3].tag == PartOfSpeech::verb) {
      g.modal = "tud", g.future = false, g.past = g.past || k.lower == "was" || k.lower == "were";
      i += 2;
      continue;
    }
    if (k.tag == PartOfSpeech::negation)
      g.negative = true;
    else if (k.lower == "will" || k.lower == "shall")
      g.future = true;
    else if (k.lower == "can" || k.lower == "could")
      g.modal = "tud", g.past = g.past || k.lower == "could";
    else if (k.lower == "must")
      g.modal = "kell", must = true;
    else if (k.lower == "should" || k.lower == "ought")
      g.modal = "kellene";
    else if (k.lower == "may" || k.lower == "might")
      g.modal = "hat";
    else if (k.lower == "would" && before_.reported && before_.past && i + 1 < n && t_[i + 1].lemma != "like")
      g.future = true;  // "said that it would close": what was to come, "hogy bezárja"
    else if (k.lower == "would")
      g.modal = "cond";
    else if (isHave(k) && i + 2 < n && infinitiveAt(i + 1))
      g.modal = "kell", g.past = g.past || k.lower == "had";  // "have to go": "mennem kell"
    else if (isDo(k))
      g.doSupport = true, g.past = g.past || k.lower == "did";
    else if (isHave(k)) {
      g.have = i;
      g.past = g.past || k.lower == "had";
    } else if (isBe(k)) {
      g.be = i;
      g.past = g.past || k.lower == "was" || k.lower == "were";
    }
  }
  // "must not" forbids: "nem szabad"; "don't have to" only frees ("nem kell")
  if (must && g.negative) g.modal = "szabad";
  // "promised to be quiet", "hope to be there soon": what one will be, "csendes lesz", "ott
  // leszünk"; "pretended to be asleep": as if one were, "mintha alva lenne"
  if (before_.promised && g.be == 0 && n > 1 && t_[0].lower == "be" && g.main == n && g.modal.empty()) {
    if (before_.asIf)
      g.modal = "cond";
    else
      g.future = true;
  }
  // "I will call you tomorrow": "Holnap felhívlak"; a time or a prefix says the future already
  // ("will be installed this weekend": "ezen a hétvégén telepítik", a passive too)
  if (g.future && g.main != n && (g.be == n || t_[g.main].form == VerbForm::participle) &&
      !g.imperative) {
    const Sense* vs = coreSense(t_[g.main], sense(g.main));
    const bool when = before_.when || saysWhen(t_);
    // ("will become a doctor": "orvos lesz", the present of "lesz" is its future, and of "van")
    if (vs && vs->word == "van") g.futureOfBe = true;
    // ("will remain closed": "zárva marad", a state that goes on)
    // ("will not stop here", "I'll never forget": a prefix says it negated too, "nem állnak meg",
    // "soha nem felejtem el"; a time alone leaves the negation its "fog")
    // ("will receive compensation", "you will find it": a verb that is whole without a prefix,
    // "kártérítést kap", "megtalálod" aside)
    static constexpr std::string_view kWhole[] = {"kap", "tal\xC3\xA1l", "d\xC3\xB6nt", "kezd"};
    // ("will refuse to lend": "nem lesz hajlandó", the future is the willing's)
    if (g.modal == "hajland\xC3\xB3") {
    } else if ((when && !g.negative) || (vs && !vs->prefix.empty()) ||
        (vs && (vs->word == "lesz" || vs->word == "van" || vs->word == "marad")) ||
        (vs && !g.negative && listed(kWhole, vs->word)))
      g.future = false;
  }
  if (g.main != n) {
    const VerbForm form = t_[g.main].form;
    if (form == VerbForm::participle && g.have != n) g.past = true;
    // ("had been working all day": the past's perfect, "egész nap dolgozott"; "has been working"
    // still goes on, the present)
    if (form == VerbForm::ing && g.be != n)
      g.past = t_[g.be].lower == "was" || t_[g.be].lower == "were" || (g.have != n && t_[g.have].lower == "had");
    if (form == VerbForm::past && g.have == n && !g.doSupport && g.modal.empty()) g.past = true;
    if ((form == VerbForm::base || form == VerbForm::third) && !g.doSupport && g.have == n && g.be == n)
      g.past = g.past && !g.modal.empty();
    // ("footsteps could be heard": what anyone could perceive keeps it, "lehetett hallani")
    const bool passiveOfCan = g.be != n && g.be < g.main && form == VerbForm::participle;
    if (listed(kPlainAfterCan, t_[g.main].lemma) && g.modal == "tud" && !passiveOfCan) g.modal.clear();
  }
  g.past = g.past || pastOfBe;  // "was unlikely to win": "valószínűleg nem nyert"; "used to be": "volt"
  // a main "have" with an object is possession; a lone "be" is the copula
  // ("Have you been to London?": the perfect of the copula, no possession)
  g.possession = g.main == n && g.have != n && g.have + 1 < n && startsNounPhrase(g.have + 1) &&
                 !isBe(t_[g.have + 1]) && !(g.be != n && g.be > g.have);
  g.copula = g.main == n && g.be != n && !g.possession;
  // "I have been ill": "Beteg voltam" (what has lasted till now is the present, below)
  if (g.copula && g.have < g.be) g.past = true;
  // ("In case of fire, do not use the lift", "In the morning, open the windows": past a
  // leading phrase and its comma)
  std::size_t lead = 0;
  for (std::size_t k = 1; k <= g.firstAux && k < n; ++k)
    if (t_[k - 1].pauseAfter) {
      lead = k;
      break;
    }
  g.imperative = g.main != n && t_[g.main].form == VerbForm::base && g.modal.empty() && !g.future &&
                 (g.main == lead || t_[0].lower == "please" ||
                  // ("then open the door", "slowly add the milk", "never use a flame", "so please
                  // call me")
                  std::all_of(t_.begin() + std::ptrdiff_t(lead), t_.begin() + std::ptrdiff_t(g.main),
                              [](const Token& k) {
                                return k.tag == PartOfSpeech::adverb || k.lower == "never" || k.lower == "please" ||
                                       k.lower == "so";
                              }) ||
                  (g.doSupport && g.firstAux == lead && g.negative &&
                   // ("The laptop I bought did not work": a past or a third person tells, not told)
                   t_[g.firstAux].lower != "did" && t_[g.firstAux].lower != "does" &&
                   // ("Don't you like it?": asked, not told)
                   !(g.firstAux + 2 < n && subjectPronoun(t_[g.firstAux + 2]))) ||
                  letUs());
  g.passive = g.main != n && g.be != n && g.be < g.main && t_[g.main].form == VerbForm::participle;
  // Hungarian keeps the tense of what was said: "He said he was tired": "fáradt"
  if (before_.reported && before_.past && g.past && g.have == n && g.modal.empty()) g.past = false;
  // "and went home" goes on with the subject before; "and close the window" with the imperative
  // (unless "please" or "let's" asks it: "..., so please call me", "..., so let's go")
  if (before_.known && ((before_.linked && !before_.ownSubject) || before_.resumed) && !before_.imperative &&
      !letUs() &&
      std::none_of(t_.begin(), t_.begin() + std::ptrdiff_t(std::min(g.main, n)),
                   [](const Token& k) { return k.lower == "please"; }))
    g.imperative = false;
  // "after finishing the report, she went home": "miután befejezte"
  if (before_.gerund && g.main != n && t_[g.main].form == VerbForm::ing && g.be == n)
    g.past = before_.past, g.imperative = false;
  // ("apologised for being rude": "amiért goromba volt", "being" the copula in that tense)
  if (before_.gerund && g.be != n && t_[g.be].lower == "being") g.past = before_.past, g.imperative = false;
  if (before_.without && g.main != n && g.modal.empty()) g.modal = "cond", g.past = false;
  // "If I had more time, I would travel": "Ha több időm lenne", what is not so
  if (before_.hypothetical && g.past && g.modal.empty() && !g.future && (g.have == n || g.possession))
    g.modal = "cond", g.past = false;
  // "If I had known": "Ha tudtam volna", a past that was not so (the past conditional)
  if (before_.hypothetical && g.past && g.modal.empty() && !g.future && g.have != n && !g.possession &&
      ((!g.copula && g.main != n && t_[g.main].form == VerbForm::participle) || (g.copula && g.have < g.be)))
    g.modal = "cond";
  // "as if she had not slept", "as if he owned the place": what is not so, the conditional, past
  // only of what had been ("mintha nem aludt volna", "mintha övé lenne")
  if (before_.asIf && !before_.promised && g.modal.empty() && !g.future && !g.imperative) {
    g.past = g.have != n && t_[g.have].lower == "had";
    g.modal = "cond";
  }
  // ("if you could send me": "ha el tudnád küldeni")
  if (before_.hypothetical && g.past && g.modal == "tud") g.modal = "tud-cond", g.past = false;
  // "how to swim": "hogyan kell úszni"
  if (before_.toBeDone && g.main != n) {
    g.modal = "kell", g.past = g.future = g.imperative = false;
    g.firstAux = 0;  // its "to"
  }
  if (before_.negated) g.negative = true;
  if (g.main != n && !g.copula && !g.possession && negatingNoAt(g.main + 1)) g.negative = true;
  // "if you will not use it", "whether he will come": what is to come is the present after "ha"
  // and in a yes or no asked within ("ha nem használja", "hogy jön-e"); the copula keeps "lesz"
  if ((before_.condition || before_.yesNo) && g.future && !g.copula && g.main != n && g.modal.empty())
    g.future = false;
  // "Neither Anna nor Peter came": "Sem Anna, sem Péter nem jött", the verb negated too
  if (std::any_of(t_.begin(), t_.end(), [](const Token& k) { return k.correlative == "sem"; })) g.negative = true;
  // "until they reached the bridge": Hungarian waits for it not to have happened yet, "amíg el
  // nem érték a hidat", the prefix before "nem"
  if (before_.until && g.main != n && !g.copula && !g.possession && !g.negative && !g.doSupport)
    g.negative = true;
  // ("until it is thick": what it is to become, "amíg nem lesz sűrű")
  if (before_.until && g.copula && !g.negative && !g.past && !g.future) g.negative = g.future = true;
  // "to start the machine": "hogy elindítsd a gépet"
  if (before_.purpose && g.main != n && g.modal.empty() && !g.future)
    g.modal = "subj", g.past = false, g.imperative = false;
  return g;
}

// "neither of them", "none of us", "each of you", "both of them": a part of a group named by a
// pronoun, said with the group's possessive ("egyikük", "egyikünk", "mindegyiketek") or
// "mindketten"; its verb's person and number through `person` and `plural`. Empty otherwise.
std::string_view Generator::groupPart(const NounPhrase& np, int* person, bool* plural) const {
  if (np.begin + 2 >= n_ || t_[np.begin + 1].lower != "of" || t_[np.begin + 2].tag != PartOfSpeech::pronoun)
    return {};
  const std::string& part = t_[np.begin].lower;
  const std::string& group = t_[np.begin + 2].lower;
  const int p = group == "us" ? 1 : group == "you" ? 2 : group == "them" ? 3 : 0;
  if (p == 0) return {};
  if (person) *person = part == "both" ? p : 3;
  if (plural) *plural = part == "both";
  if (part == "neither" || part == "none")
    return p == 1 ? "egyik\xC3\xBCnk" : p == 2 ? "egyiketek" : "egyik\xC3\xBCk";
  if (part == "each")
    return p == 1 ? "mindegyik\xC3\xBCnk" : p == 2 ? "mindegyiketek" : "mindegyik\xC3\xBCk";
  if (part == "both") return "mindketten";
  return {};
}

// "Nobody", "no one", "nothing" as the subject: "Senki sem", whose "sem" stands right before the
// verb; so does "Egyikük sem" of "neither of them".
// Whether the subject is a plural English noun Hungarian counts in the singular ("both of my
// parents", "all my friends", "two men": "mindkét szülőm", "minden barátom", "két férfi").
bool Generator::countedSubject() const {
  return roles_.subject && !roles_.subject->pronoun && !roles_.subject->plural && !roles_.agreement.plural &&
         t_[roles_.subject->head].plural && groupPart(*roles_.subject).empty();
}

bool Generator::noneSubject() const {
  if (!roles_.subject || roles_.verb.passive) return false;
  if (const std::string& w = t_[roles_.subject->begin].lower;
      (w == "neither" || w == "none") && !groupPart(*roles_.subject).empty())
    return true;
  const std::string& head = t_[roles_.subject->head].lemma;
  return deniedByDeterminer(*roles_.subject) || (isIndefinitePronoun(t_[roles_.subject->head]) &&
                                                 (head == "nobody" || head == "nothing" || head == "no one"));
}

// Whether "sem" after the subject denies the clause, the focus the verb follows: "Senki sem
// tudta", and "either" closing a denial ("Ő sem volt ott")
bool Generator::denialOnSubject() const { return noneSubject() || roles_.addedSubject == "sem"; }

// "none of the students", "neither answer", "no student": a noun none of which does it, said with
// "sem" after it ("egyik diák sem", "egy diák sem")
bool Generator::deniedByDeterminer(const NounPhrase& np) const {
  const Token& first = t_[np.begin];
  return first.tag == PartOfSpeech::determiner && np.head > np.begin &&
         (first.lower == "none" || first.lower == "neither" || first.lower == "no");
}

// Whether the verb without an object is its intr= verb with no prefix: "nyit", not "kinyit"; a
// prefixed one ("bezárt") orders its clause as any prefixed verb ("Mióta bezárt a gyár").
bool Generator::plainIntransitive() const {
  const VerbGroup& g = roles_.verb;
  const Sense* vs = roles_.verbSense;
  return vs && !roles_.object && !g.passive && g.main < n_ && !vs->note("intr").empty() &&
         intransitiveOf(*vs, g.past || g.future || futureSaid(), t_[g.main].form).prefix.empty();
}

// Whether the verb says a change its subject went through of itself, with its prefix ("bezárt"):
// after a link word it comes before the subject ("amikor bezárt a gyár").
bool Generator::changeOfItself() const {
  const Sense* vs = roles_.verbSense;
  return vs && !vs->note("intr").empty() && !roles_.object && !roles_.verb.passive && !plainIntransitive();
}

// Whether "will" stands before the main verb, a future a prefix lets Hungarian leave unsaid
// ("will close next spring": "jövő tavasszal bezár").
bool Generator::futureSaid() const {
  for (std::size_t k = roles_.verb.firstAux; k < roles_.verb.main && k < n_; ++k)
    if (t_[k].lower == "will" || t_[k].lower == "shall" || t_[k].lower == "'ll") return true;
  return false;
}

// The sense whose pass= note says what befalls a passive's subject ("were injured": "meg|sérül"),
// when the passive has no doer after "by" ("was delayed by two hours" names an amount, "két
// órával késett"); null otherwise.
const Sense* Generator::passOf(const VerbGroup& g) const {
  if (!g.passive || g.main >= n_ || !t_[g.main].entry) return nullptr;
  for (std::size_t k = g.main + 1; k < n_; ++k)
    if (t_[k].lower == "by" && !(k + 1 < n_ && startsNounPhrase(k + 1) && amountOfBy(readNounPhrase(k + 1))))
      return nullptr;
  for (const Sense& s : t_[g.main].entry->senses)
    if (!s.note("pass").empty()) return &s;
  return nullptr;
}

// Whether a passive says the state its act left: a verb the lexicon marks so, in the simple
// present or past, without a doer, a time or a question of when ("The gate was locked"; "was
// locked at ten", "is being locked", "has been locked" are acts).
bool Generator::leftInState(const VerbGroup& g) const {
  // ("the room that was booked": the relative word is the act's object, "amelyet lefoglaltak")
  if (!g.passive || g.main >= n_ || g.be >= g.main || g.have != n_ || g.future || !g.modal.empty() ||
      g.imperative || t_[0].tag == PartOfSpeech::question || before_.relativeObject ||
      !t_[g.main].prefix.empty() ||
      (g.main + 1 < n_ && (t_[g.main + 1].tag == PartOfSpeech::particle ||
                           listed(kDirectionParticles, t_[g.main + 1].lower))))  // ("was locked out")
    return false;
  // ("will be locked": a prefix drops the future's "fog", but not the act)
  for (std::size_t k = g.firstAux; k < g.main; ++k)
    if (t_[k].tag == PartOfSpeech::modal) return false;
  if (actFrom(g.be)) return false;
  const Sense* s = coreSense(t_[g.main], sense(g.main));
  return s && s->leavesState && !adverbialParticipleOf(VerbStem{s->word, "", ""}).empty();
}

// Whether the words from `k` on make a passive an act, not a state: a doer ("by"), its going on
// ("being"), a time ("at ten", "in 2010", "yesterday", "two days ago", "every year") or how
// often ("twice").
bool Generator::actFrom(std::size_t k) const {
  static constexpr std::string_view kTimesOfAnAct[] = {"last night", "earlier", "recently", "once", "twice", "again"};
  for (; k < n_; ++k) {
    if (listed(kTimesOfAnAct, t_[k].lower) || howManyTimes(t_, k)) return true;
    const Token& tk = t_[k];
    const bool year = tk.tag == PartOfSpeech::number && k > 0 &&
                      (t_[k - 1].lower == "in" || t_[k - 1].lower == "at" || t_[k - 1].lower == "since");
    const bool timeNoun = tk.tag == PartOfSpeech::noun && tk.entry && !tk.entry->senses.empty() &&
                          !tk.entry->senses.front().note("time").empty();
    if (tk.lower == "being" || tk.lower == "by" || tk.lower == "ago" || tk.time || year || timeNoun ||
        (listed(kTimeAdverbs, tk.lower) && tk.lower != "now"))
      return true;
  }
  return false;
}

// The state an act left, "van" with the verb's "-va" form: "ki van kapcsolva" after its prefix,
// "zárva van" without one; negated "nincs kikapcsolva", "nem volt bezárva".
void Generator::emitStateLeft(const VerbStem& stem, bool negative, bool past, Agreement a, std::size_t verb) {
  a.definite = a.youObject = false;
  const std::string state = adverbialParticipleOf(VerbStem{stem.lemma, "", ""});
  const std::string be = conjugate(VerbStem{"van", "", ""}, past ? Tense::past : Tense::present, a);
  if (negative) {
    emit(!past && a.person == 3 ? (a.plural ? "nincsenek" : "nincs") : "nem " + be, verb);
    emit(stem.prefix + state, verb);
  } else if (stem.prefix.empty()) {
    stateLeftBe_ = be;
    emit(state, verb), emit(be, verb);
  } else {
    stateLeftBe_ = be;
    emit(stem.prefix, verb), emit(be, verb), emit(state, verb);
  }
}

// Where a place after a noun ends, when one starts at `pos` ("in the hat", "in Canada"); n_ if
// none does.
std::size_t Generator::placeBeforeVerb(std::size_t pos) const {
  if (pos + 1 >= n_ || t_[pos].tag != PartOfSpeech::preposition || !startsNounPhrase(pos + 1)) return n_;
  return readNounPhrase(pos + 1).end;
}

std::optional<std::pair<NounPhrase, std::size_t>> Generator::askedObject(const VerbGroup& g) const {
  // ("how many": its second word said with the first, the phrase after it)
  const std::size_t begin = t_[0].lemma == "how many" || t_[0].lemma == "how much" ? 2 : 1;
  if (n_ < begin + 3 || t_[0].tag != PartOfSpeech::question || g.main == n_ || g.passive || g.copula ||
      g.possession ||
      !(t_[0].lemma == "which" || t_[0].lemma == "what" || t_[0].lemma == "whose" || begin == 2) ||
      !startsNounPhrase(begin) || t_[begin].tag == PartOfSpeech::pronoun)
    return std::nullopt;
  const NounPhrase np = readNounPhrase(begin);
  if (t_[np.head].tag != PartOfSpeech::noun || np.end >= g.main) return std::nullopt;
  std::size_t subject = np.end;
  // "Which book do you want?": the auxiliary before its subject, past "not" ("didn't you")
  if (subject == g.firstAux && g.firstAux < g.main &&
      (isDo(t_[subject]) || isBe(t_[subject]) || isHave(t_[subject]) || t_[subject].tag == PartOfSpeech::modal)) {
    ++subject;
    if (subject < g.main && t_[subject].tag == PartOfSpeech::negation) ++subject;
  }
  // ("which book she wants": asked within, the subject right after it)
  if (subject >= g.main || !startsNounPhrase(subject)) return std::nullopt;
  std::size_t end = readNounPhrase(subject).end;
  while (end < g.main && t_[end].tag == PartOfSpeech::adverb) ++end;  // ("do you usually take")
  if (end != g.main && end != g.firstAux) return std::nullopt;
  return std::pair{np, subject};
}

// "mine", "yours" ...: an owner standing for what it owns, a predicate ("Melyik a tiéd?").
constexpr std::string_view kOwnersAlone[] = {"mine", "yours", "his", "hers", "ours", "theirs"};

// The subject: the noun phrase before the verb group, or after an inverted auxiliary.
void Generator::findSubject(ClauseRoles& r) const {
  const VerbGroup& g = r.verb;
  std::size_t i = 0;
  // ("what time it is", "how much it costs": the question's second word too)
  // ("Up to 200 people were evacuated", "About 20 people came": a count's adverb opens the subject)
  while (i < n_ && (t_[i].tag == PartOfSpeech::question || t_[i].lower == "please" ||
                    (t_[i].tag == PartOfSpeech::adverb && !countsANumber(i)) ||
                    (i > 0 && t_[i].tag == PartOfSpeech::particle && t_[i - 1].tag == PartOfSpeech::question &&
                     !(i + 1 < n_ && t_[i + 1].tag == PartOfSpeech::noun)) ||
                    (t_[i].tag == PartOfSpeech::noun && t_[i].entry && listed(kTimeAdverbs, t_[i].lemma))))
    ++i;
  r.verbStart = g.copula ? g.be : g.possession ? g.have : g.firstAux;
  // "In the morning I drink tea": a leading prepositional phrase is no subject
  while (i + 1 < r.verbStart && t_[i].tag == PartOfSpeech::preposition && startsNounPhrase(i + 1)) {
    const std::size_t end = readNounPhrase(i + 1).end;
    if (end >= r.verbStart || !startsNounPhrase(end)) break;
    i = end;
  }
  // "Two days ago I saw him": the time is no subject
  if (i < r.verbStart && startsNounPhrase(i) && t_[i].tag != PartOfSpeech::pronoun) {
    const NounPhrase time = readNounPhrase(i);
    const std::string_view from = countedFrom(time);
    if (from == "before" || from == "after")
      i = readNounPhrase(time.end + 1).end;  // "An hour before the show the doors open"
    else if (!from.empty())
      i = time.end + 1;
  }
  // "How many rooms does the house have?": what is counted is the object, "the house" the subject
  const std::size_t have = g.main != n_ ? g.main : g.have;
  if (n_ > 0 && t_[0].lemma == "how many" && g.firstAux + 1 < have && have < n_ && isHave(t_[have]) &&
      isDo(t_[g.firstAux]) && startsNounPhrase(g.firstAux + 1) &&
      readNounPhrase(g.firstAux + 1).end == have) {
    r.subject = readNounPhrase(g.firstAux + 1);
    r.inverted = true;
    return;
  }
  if (const auto asked = askedObject(g)) {
    r.subject = readNounPhrase(asked->second);
    r.inverted = asked->second > r.verbStart;
  } else if (i < r.verbStart && startsNounPhrase(i)) {
    r.subject = readNounPhrase(i);
  }
  // "Do you have any money?": the subject after "do" when "have" is the verb
  // ("Does the house have a garden?" too)
  if (!r.subject && g.possession && g.firstAux + 1 < g.have && isDo(t_[g.firstAux]) &&
      (t_[g.firstAux + 1].tag == PartOfSpeech::pronoun ||
       (startsNounPhrase(g.firstAux + 1) && readNounPhrase(g.firstAux + 1).end == g.have))) {
    r.subject = readNounPhrase(g.firstAux + 1);
    r.inverted = true;
  }
  // ("Why didn't you call?": past the negation)
  const std::size_t afterAux = r.verbStart + 2 < n_ && t_[r.verbStart + 1].tag == PartOfSpeech::negation
                                   ? r.verbStart + 2
                                   : r.verbStart + 1;
  if (!r.subject && r.verbStart < n_ && afterAux < n_ && t_[afterAux].tag == PartOfSpeech::pronoun &&
      (t_[r.verbStart].tag == PartOfSpeech::modal || isDo(t_[r.verbStart]) ||
       ((isBe(t_[r.verbStart]) || isHave(t_[r.verbStart])) && g.main != n_))) {  // "What are you doing?",
                                                                                 // "Have you finished?"
    r.subject = readNounPhrase(afterAux);
    r.inverted = true;
  }
  // "Where have you been?": the pronoun between "have" and "been"
  if (!r.subject && g.copula && g.have + 1 < g.be && t_[g.have + 1].tag == PartOfSpeech::pronoun) {
    r.subject = readNounPhrase(g.have + 1);
    r.inverted = true;
  }
  // "Where are you?", "How old is he?": a pronoun after the copula of a question is its subject
  // ("Are you hungry?": "Éhes vagy?", asked without a question word)
  // ("Which is yours?": a possessive pronoun is the predicate, "Melyik a tiéd?")
  if (!r.subject && g.copula && g.be + 1 < n_ && t_[g.be + 1].tag == PartOfSpeech::pronoun &&
      t_[g.be + 1].lower != "there" && !listed(kOwnersAlone, t_[g.be + 1].lower) &&
      (t_[0].tag == PartOfSpeech::question || g.be == 0)) {
    r.subject = readNounPhrase(g.be + 1);
    r.inverted = true;
  }
  // "Is the shop open?", "Is Anna here?": a noun subject after the copula asked about, before
  // the state or place said of it
  if (!r.subject && g.copula && (g.be == 0 || (g.be == 1 && t_[0].tag == PartOfSpeech::question)) &&
      g.be + 1 < n_ && t_[g.be + 1].lower != "there" && t_[g.be + 1].tag != PartOfSpeech::adjective &&
      startsNounPhrase(g.be + 1)) {
    const NounPhrase np = readNounPhrase(g.be + 1);
    // ("Is the flat still available?": past "still", "already", "really")
    std::size_t said = np.end;
    while (said + 1 < n_ && t_[said].tag == PartOfSpeech::adverb && !t_[said].pauseAfter &&
           (t_[said].lower == "still" || t_[said].lower == "already" || t_[said].lower == "really" ||
            t_[said].lower == "also" || t_[said].lower == "always"))
      ++said;
    if (!np.pronoun && said < n_ &&
        (t_[said].tag == PartOfSpeech::adjective || t_[said].tag == PartOfSpeech::preposition ||
         t_[said].lower == "here" || t_[said].lower == "there"))
      r.subject = np, r.inverted = true;
  }
  // "When does the train leave?", "Can your sister swim?": a noun subject between the
  // auxiliary and its verb
  if (!r.subject && r.verbStart < n_ && r.verbStart + 1 < n_ && g.main != n_ && g.main > r.verbStart + 1 &&
      (t_[r.verbStart].tag == PartOfSpeech::modal || isDo(t_[r.verbStart]) || isBe(t_[r.verbStart]) ||
       isHave(t_[r.verbStart])) &&
      startsNounPhrase(r.verbStart + 1) && t_[r.verbStart + 1].tag != PartOfSpeech::adjective) {
    const NounPhrase np = readNounPhrase(r.verbStart + 1);
    if (np.end == g.main || placeBeforeVerb(np.end) == g.main) r.subject = np, r.inverted = true;
  }
  // "In the corner sat an old man", "On the hill stood a castle": a place opening the clause,
  // then a verb of being or coming there, and its subject after it, "ült egy idős férfi"
  if (!r.subject && g.main != n_ && g.main == r.verbStart && !g.negative &&
      placeBeforeVerb(0) == g.main && t_[g.main].tag == PartOfSpeech::verb &&
      (t_[g.main].form == VerbForm::past || t_[g.main].form == VerbForm::third) &&
      isBeingThere(t_[g.main].lemma) && g.main + 1 < n_ && startsNounPhrase(g.main + 1) &&
      t_[g.main + 1].tag != PartOfSpeech::pronoun) {
    const NounPhrase np = readNounPhrase(g.main + 1);
    if (np.end > g.main + 1 && (np.end == n_ || t_[np.end].tag == PartOfSpeech::preposition || t_[np.end - 1].pauseAfter) &&
        t_[np.head].tag == PartOfSpeech::noun)
      r.subject = np, r.inverted = true;
  }
  // "The printer on our floor isn't working", "The bridge over the river was closed": a place
  // between the subject's noun and its verb says which one
  if (r.subject && !r.inverted && !r.subject->pronoun && !r.subject->participle && !r.subject->ofOwner &&
      r.subject->end < r.verbStart && t_[r.subject->head].tag == PartOfSpeech::noun &&
      !t_[r.subject->end - 1].pauseAfter) {
    static constexpr std::string_view kPlaces[] = {"in",     "on",      "at",     "over",   "under",    "near",
                                                   "behind", "between", "along",  "around", "opposite", "without",
                                                   "above",  "below",   "in front of", "next to"};
    const std::size_t p = r.subject->end;
    const std::size_t end = placeBeforeVerb(p);
    std::size_t verb = end;  // ("on our floor still isn't": past the adverbs before the verb)
    while (verb < r.verbStart && t_[verb].tag == PartOfSpeech::adverb) ++verb;
    // ("the woman in it", "the girl behind you": a personal pronoun is the place too, the
    // case or postposition with its person, "a benne lévő nő", "a mögötted lévő lány"; not "in
    // this", "near nobody")
    static constexpr std::string_view kPersonal[] = {"it", "them", "him", "her", "me", "us", "you"};
    static constexpr std::string_view kPersonalPlaces[] = {"in",   "on",          "under",  "behind",
                                                           "between", "over", "in front of", "next to"};
    // ("The train to Vienna was late", "The road to the village is closed": where a vehicle
    // goes or a way leads says which one, "a Bécsbe tartó vonat", "a faluba vezető út")
    const bool whereTo = t_[p].lower == "to" && (headsFor(t_[r.subject->head]) || leadsTo(t_[r.subject->head]));
    if (end < n_ && verb == r.verbStart && (listed(kPlaces, t_[p].lower) || whereTo) &&
        (t_[p + 1].tag != PartOfSpeech::pronoun ||
         (listed(kPersonal, t_[p + 1].lower) && listed(kPersonalPlaces, t_[p].lower)))) {
      const NounPhrase place = readNounPhrase(p + 1);
      const Token& where = t_[place.head];
      const bool time = where.time || namesATime(place) || unitOfTime(where.lemma) ||
                        where.tag == PartOfSpeech::number;
      // ("Shares in the car maker": a stake in a company is no place)
      static constexpr std::string_view kStakes[] = {"share", "stake", "investment", "interest"};
      const bool stake = t_[p].lower == "in" && listed(kStakes, t_[r.subject->head].lemma);
      // ("Nobody in the room dared": where nobody is comes first, "A szobában senki sem")
      // ("The lake in the north": a point of the compass is the noun's adjective, "Az északi tó")
      // ("The flat on Rose Street": a street the name names is a place as well, "a Rózsa utcai lakás")
      const bool street = place.head > place.begin && streetName(place.head - 1, place);
      // ("A dentist in Szeged": a town, "Egy szegedi fogorvos")
      const bool town = t_[p].lower == "in" && place.begin == place.head && place.end == end &&
                        (where.tag == PartOfSpeech::name || where.capitalised) && !r.subject->pronoun &&
                        !r.subject->name;
      if (!time && !stake && (!where.capitalised || whereTo || street || town) &&
          !isIndefinitePronoun(t_[r.subject->head]) &&
          !compassAfter(*r.subject))
        r.subject->placeAttribute = p, r.subject->end = end;
    }
  }
  // "there is", and in a question "is there" ("Is there a pharmacy near here?": "Van ...?")
  // ("There may be a problem": past the modal)
  r.existential = g.copula && ((g.be > 0 && t_[g.be - 1].lower == "there") ||
                               (g.firstAux > 0 && g.firstAux < g.be && t_[g.firstAux - 1].lower == "there") ||
                               (g.be == 0 && g.be + 1 < n_ && t_[g.be + 1].lower == "there"));
}

void Generator::agreeWithSubject(ClauseRoles& r) const {
  const VerbGroup& g = r.verb;
  Agreement& a = r.agreement;
  // (an instruction goes on from no subject before it: "Photography is allowed, but please do
  // not use a flash": "ne használjon", the one reader)
  // (not "how many people came": the people counted are the subject, "hány ember jött")
  const bool counted = n_ > 2 && t_[0].tag == PartOfSpeech::question && t_[1].tag == PartOfSpeech::particle &&
                       t_[2].tag == PartOfSpeech::noun;
  if (!r.subject && before_.known && !g.imperative && !counted)
    a.person = before_.subject.person, a.plural = before_.subject.plural;
  if (r.subject) {
    a.person = r.subject->person;
    a.plural = r.subject->plural;
    groupPart(*r.subject, &a.person, &a.plural);  // "Egyikük sem beszélt", "Mindketten nevettek"
    // "my brother and I", "you and Anna": the first person before the second, both before the third
    if (r.subject->end > r.subject->begin)
      for (std::size_t k = r.subject->end; k + 1 < n_ && t_[k].lower == "and" && startsNounPhrase(k + 1);) {
        const NounPhrase next = readNounPhrase(k + 1);
        if (next.end <= k + 1) break;
        a.plural = true;
        if (next.pronoun) a.person = std::min(a.person, next.person);
        k = next.end;
      }
  }
  // "ha szüksége van", and after a formal imperative "mielőtt felmelegíti"
  if (before_.formal && a.person == 2 && (r.subject || before_.known)) a.person = 3, a.plural = false;
  // "Where are my shoes?": the subject stands after the copula
  if (g.copula && !r.subject && !r.existential && g.be + 1 < n_ && startsNounPhrase(g.be + 1) &&
      t_[0].tag == PartOfSpeech::question) {
    const NounPhrase after = readNounPhrase(g.be + 1);
    const bool owner = after.pronoun && listed(kOwnersAlone, t_[after.head].lower);  // ("is yours")
    a.person = owner ? 3 : after.person;
    a.plural = !owner && after.plural;
  }
}

// The object right after the verb (or its particle), and a receiver before it.
void Generator::findObjects(ClauseRoles& r) {
  const std::size_t mainVerb = r.verb.main;
  Agreement& a = r.agreement;
  const std::size_t afterVerb = mainVerb != n_ ? mainVerb + 1 : n_;
  r.verbSense = mainVerb != n_ ? coreSense(t_[mainVerb], sense(mainVerb)) : nullptr;
  const Sense* verbSense = r.verbSense;
  if (verbSense && !verbSense->note("obj").empty()) r.objectCase = caseNamed(verbSense->note("obj"));
  if (verbSense && !verbSense->note("feels").empty()) r.objectCase = caseNamed(verbSense->note("feels"));
  if (r.verb.passive) {
    findAgent(r);
    // "should be kept closed": the state the subject is kept in, "zárva kell tartani"
    if (t_[mainVerb].lemma == "keep" && stateAfterObject(afterVerb)) keptState_ = afterVerb;
    return;
  }
  if (linkedPredicate() != n_) return;  // "remained closed": a state, no object
  // "Serve hot", "Serve the soup chilled": how a dish is served is a manner, "melegen tálalja",
  // no object
  static constexpr std::string_view kServedAs[] = {"hot", "warm", "cold", "cool"};
  if (mainVerb != n_ && t_[mainVerb].lemma == "serve") {
    std::size_t state = afterVerb;
    if (state < n_ && startsNounPhrase(state) && t_[state].tag != PartOfSpeech::adjective)
      state = readNounPhrase(state).end;
    if (state < n_ && listed(kServedAs, t_[state].lower) && stateAfterObject(state)) keptState_ = state;
  }
  // "would like to order a pizza": the infinitive's object, in the case its verb asks for
  std::size_t objectStart = afterVerb;
  const Sense* infinitiveSense = nullptr;  // the infinitive's, whose object that is
  // (past a time or place between: "decided on Tuesday to build a bridge")
  std::size_t to = afterVerb;
  if (to + 1 < n_ && t_[to].tag == PartOfSpeech::preposition && startsNounPhrase(to + 1) &&
      t_[to + 1].tag != PartOfSpeech::pronoun)
    to = readNounPhrase(to + 1).end;
  if (mainVerb != n_ && to + 2 < n_ && t_[to].tag == PartOfSpeech::infinitiveTo &&
      t_[to + 1].tag == PartOfSpeech::verb) {
    objectStart = to + 2;
    const Sense* inf = coreSense(t_[to + 1], sense(to + 1));
    r.objectCase = inf && !inf->note("obj").empty() ? caseNamed(inf->note("obj")) : Case::accusative;
    infinitiveSense = inf;
  }
  // "tore open the letter": the state it was left in, no object ("eltépte a levelet")
  if (objectStart + 1 < n_ && t_[objectStart].tag == PartOfSpeech::adjective &&
      startsNounPhrase(objectStart + 1))
    if (const Sense* state = coreSense(t_[objectStart], sense(objectStart)); state && state->keepsCopula)
      resultState_ = objectStart++;
  // "want you to come", "asked her to wait": the one wanted or asked to do it is the subject of
  // what follows ("Azt akarom, hogy gyere", "Megkértem, hogy várjon")
  if (requestFollows_ && mainVerb != n_ && (wantingVerb(t_, mainVerb) || t_[mainVerb].lemma == "ask") &&
      objectStart < n_ && objectStart == afterVerb && startsNounPhrase(objectStart)) {
    const NounPhrase one = readNounPhrase(objectStart);
    // ("asked the driver to stop": the one asked by name is the object, "Megkérte a sofőrt, hogy")
    if ((one.end == n_ || (one.end + 1 == n_ && t_[one.end].lower == "not")) &&
        (one.pronoun || t_[mainVerb].lemma != "ask"))
      askedOne_ = one, objectStart = one.end;
  }
  // "speaks a little English": how much stands between the verb and its object
  if (objectStart + 1 < n_ && t_[objectStart].lemma == "a little" &&
      t_[objectStart].tag == PartOfSpeech::adverb && startsNounPhrase(objectStart + 1))
    ++objectStart;
  // "expect at least a partial refund", "ate almost the whole cake": a bound or a focus before
  // the object's article leaves it the object ("legalább részleges visszatérítést")
  static constexpr std::string_view kBeforeTheArticle[] = {"at least", "almost", "nearly", "only", "even", "just"};
  if (objectStart + 1 < n_ && objectStart == afterVerb && t_[objectStart].tag == PartOfSpeech::adverb &&
      listed(kBeforeTheArticle, t_[objectStart].lemma) &&
      (t_[objectStart + 1].tag == PartOfSpeech::determiner || t_[objectStart + 1].tag == PartOfSpeech::possessive) &&
      startsNounPhrase(objectStart + 1))
    ++objectStart;
  // "stared at the letter": a preposition the verb turns into its object ("bámulta a levelet"),
  // also the infinitive's, whose object the main verb agrees with ("want to listen to the radio":
  // "hallgatni akarom a rádiót")
  const Sense* turning = objectStart == afterVerb ? verbSense : infinitiveSense;
  if (turning && objectStart + 1 < n_ && (objectStart == afterVerb || infinitiveSense) &&
      t_[objectStart].tag == PartOfSpeech::preposition && turning->note(t_[objectStart].lower) == "acc" &&
      startsNounPhrase(objectStart + 1)) {
    const NounPhrase np = readNounPhrase(objectStart + 1);
    a.definite = np.pronoun ? np.person == 3 : np.definite;
    return;
  }
  // "I don't know", "I understand", "I don't mind", "but we forgot": what is known, minded or
  // forgotten is unsaid, "Nem tudom", "Értem", "Nem bánom", "de elfelejtettük"
  static constexpr std::string_view kUnsaidObject[] = {"know", "understand", "mind", "forget"};
  if (mainVerb != n_ && !objectClause_ && listed(kUnsaidObject, t_[mainVerb].lemma) &&
      std::all_of(t_.begin() + std::ptrdiff_t(afterVerb), t_.end(),
                  [](const Token& k) { return k.tag == PartOfSpeech::adverb; }))
    a.definite = true;
  // "as he said", "as you know", "as you can see": what is said or known is the clause it
  // stands beside, a definite "it" ("ahogy mondta", "ahogy tudod", "ahogy látod")
  if (mainVerb != n_ && !objectClause_ && before_.manner &&
      saysOrKnows(t_[mainVerb].lemma) &&
      std::all_of(t_.begin() + std::ptrdiff_t(afterVerb), t_.end(),
                  [](const Token& k) { return k.tag == PartOfSpeech::adverb; }))
    a.definite = true;
  const bool noObjectAfter =
      mainVerb == n_ || objectStart >= n_ || !startsNounPhrase(objectStart) ||
      (t_[objectStart].tag == PartOfSpeech::adverb && !countsANumber(objectStart) && !lessOf(objectStart)) ||
      timesOver(t_, objectStart);  // ("met two times")
  // "Which book do you want?": "Melyik könyvet akarod?", "which" a definite one, "what" and
  // "how many" no particular one ("Hány könyvet vettél?")
  if (const auto asked = noObjectAfter && !objectClause_ ? askedObject(r.verb) : std::nullopt) {
    r.object = asked->first;
    a.definite = r.objectCase == Case::accusative && !(verbSense && verbSense->noObject) &&
                 (t_[0].lower == "which" || t_[0].lower == "whose");
    a.youObject = false;
    return;
  }
  // "Which do you want?": the one asked for is a definite one, "Melyiket akarod?"
  if (noObjectAfter && !objectClause_ && (t_[0].lemma == "which" || t_[0].lemma.starts_with("which of ")) &&
      t_[0].tag == PartOfSpeech::question &&
      n_ > 2 && r.verb.firstAux == 1 && r.objectCase == Case::accusative && !(verbSense && verbSense->noObject))
    a.definite = true;
  if (noObjectAfter && sharedObjectDefinite_ && !objectClause_ && mainVerb != n_ &&
      r.objectCase == Case::accusative && !(verbSense && verbSense->noObject)) {
    a.definite = *sharedObjectDefinite_;  // ("Nyomja meg, és tartsa lenyomva a gombot")
    return;
  }
  if (noObjectAfter) {
    // "He said that ...": the clause is the object, "azt" stands for it; "warned that": "arra
    // figyelmeztetett, hogy", the pronoun in the case the verb gives what it is about
    if (considering_ && mainVerb != n_ && t_[mainVerb].lemma == "think") {
      // "thinking of getting a puppy": "azon gondolkodunk, hogy"
      objectClauseCase_ = Case::superessive;
      objectClausePronoun_ = !r.verb.negative;
      a.definite = false;
    } else if (objectClause_ && mainVerb != n_ && verbSense && !verbSense->note("that").empty()) {
      objectClauseCase_ = caseNamed(verbSense->note("that"));
      objectClausePronoun_ = !r.verb.negative && objectClauseSaid_;
    } else if (objectClause_ && mainVerb != n_ && verbSense && verbSense->word == "d\xC3\xB6nt" &&
               verbSense->prefix.empty()) {
      // "decided to sell it": what one decided is how, "úgy döntött, hogy eladja"
      mannerClausePronoun_ = !r.verb.negative && objectClauseSaid_;
    } else if (objectClause_ && mainVerb != n_ &&
               (r.objectCase == Case::accusative || clauseIsTheObjectPast(r.objectCase, verbSense)) &&
               !(verbSense && verbSense->noObject)) {
      a.definite = true;
      objectClausePronoun_ = !r.verb.negative && objectClauseSaid_;
    }
    return;
  }
  std::optional<NounPhrase>& object = r.object;
  object = readNounPhrase(objectStart);
  if (!countedFrom(*object).empty()) {  // "left two days ago": a time, no object
    object.reset();
    return;
  }
  // "left the rates unchanged", "keep him warm": the state the object is left or kept in, said
  // as a manner (the verb's sense is the one without a prefix, "hagyta", not "elhagyta")
  // ("Keep windows and curtains closed": the state after all the things kept)
  if (const std::size_t state = endOfJoinedPhrases(object->end); t_[mainVerb].leavesInState && stateAfterObject(state))
    keptState_ = state;
  else if (state < n_ && t_[state].tag == PartOfSpeech::adjective && listed(kActsWithResult, t_[mainVerb].lemma) &&
           stateAfterObject(state))
    resultAfter_ = state;  // "painted the wall white": what it made of it, "fehérre festette"
  // "have risen twelve percent": the amount of a change, "tizenkét százalékkal", no object
  if (listed(kChangesOfAmount, t_[mainVerb].lemma) && t_[numberAfterCount(object->begin)].tag == PartOfSpeech::number &&
      listed(kMeasuresOfChange, t_[object->head].lemma)) {
    r.objectCase = Case::instrumental, measuredChange_ = true;
    return;
  }
  // ("fell three points" of another verb of change: by how much, in the case the verb's "by"
  // asks for)
  if (!object->pronoun && verbSense && !verbSense->note("by").empty() &&
      listed(kMeasuresOfChange, t_[object->head].lemma) && t_[object->begin].tag == PartOfSpeech::number)
    r.objectCase = caseNamed(verbSense->note("by")), measuredChange_ = true;
  // "speaks English": only a language is said in "-ul" ("angolul beszél"); "speaks three
  // languages", "learned new words" keep the accusative ("három nyelvet beszél")
  if (r.objectCase == Case::essive && !object->pronoun) {
    const Sense* head = coreSense(t_[object->head], sense(object->head));
    if (!head || head->note("in") != "ul") r.objectCase = Case::accusative;
  }
  if (object->pronoun)
    a.definite = object->person == 3, a.youObject = object->person == 2 && a.person == 1 && !a.plural;
  else
    a.definite = object->definite;
  // "I like coffee": a bare object of liking is generic, said with the article; so is an
  // activity named by a bare gerund ("gave up smoking": "abbahagyta a dohányzást")
  const Token& first = t_[object->begin];
  static constexpr std::string_view kNotGerunds[] = {"something", "anything", "nothing",  "everything",
                                                     "morning",   "evening",  "building", "ceiling"};
  const bool bareGerund = object->end == object->begin + 1 && first.tag == PartOfSpeech::noun &&
                          !object->plural && first.lower.size() > 4 &&
                          first.lower.compare(first.lower.size() - 3, 3, "ing") == 0 &&
                          !listed(kNotGerunds, first.lower);
  if (!object->definite && first.tag != PartOfSpeech::determiner && first.tag != PartOfSpeech::number &&
      (bareGerund || t_[mainVerb].lemma == "like" || t_[mainVerb].lemma == "love" ||
       t_[mainVerb].lemma == "hate" ||
       // ("asked residents not to water their gardens": the ones asked, all of them, "arra kérte
       // a lakosokat, hogy")
       (requestFollows_ && object->plural && first.tag == PartOfSpeech::noun &&
        (object->end == n_ || (object->end + 1 == n_ && t_[object->end].lower == "not"))) ||
       // ("Keep doors locked": things kept in a state are all of them, "Tartsa zárva az ajtókat")
       (keptState_ < n_ && t_[mainVerb].lemma == "keep" && object->plural && first.tag == PartOfSpeech::noun)))
    a.definite = true, emitGenericArticle_ = true;
  if (r.objectCase != Case::accusative || (verbSense && verbSense->noObject))
    a.definite = a.youObject = false;
  if (objectClause_ && object->end >= n_ && clauseIsTheObjectPast(r.objectCase, verbSense))
    a.definite = true;
  // "gave me a book": the pronoun receives, the noun phrase after it is the object
  // "gave the students a book": so too a noun phrase, for verbs whose "to" is the dative
  const bool givesTo = verbSense && verbSense->note("to") == "nak";
  const bool timeAfter = object->end < n_ && countsTimeFrom(object->end);
  if ((object->pronoun || givesTo) && !timeAfter && !timesOver(t_, object->end) && keptState_ != object->end &&
      resultAfter_ != object->end && !t_[object->end - 1].pauseAfter && object->end < n_ &&
      startsNounPhrase(object->end) &&
      t_[object->end].tag != PartOfSpeech::pronoun && t_[object->end].tag != PartOfSpeech::adverb) {
    r.indirect = object;
    object = readNounPhrase(r.indirect->end);
    a.youObject = false;
    a.definite = object->definite;
  } else if (givesTo && (object->pronoun || objectClause_) &&
             (object->end >= n_ || !startsNounPhrase(object->end))) {
    // "He told me": the pronoun alone receives ("mondta nekem"); what was told is unsaid, or
    // the clause after ("told the children to wait": "azt mondta a gyerekeknek, hogy")
    r.indirect = object;
    object.reset();
    a.youObject = false;
    a.definite = !(verbSense && verbSense->noObject);  // ("szólj neki": a verb of no object)
    if (objectClause_) objectClausePronoun_ = !r.verb.negative && objectClauseSaid_;
    // "Which book can you lend me?": the one given to after the verb, what is given asked first
    if (const auto asked = objectClause_ ? std::nullopt : askedObject(r.verb)) {
      r.object = asked->first;
      a.definite = t_[0].lower == "which" || t_[0].lower == "whose";
    }
  }
}

// The "to" of what a thing is closed to ("closed to traffic", "to the public"), or the token count.
std::size_t Generator::closedTo() const {
  const std::size_t v = roles_.verb.main;
  if (v >= n_ || t_[v].lemma != "close") return n_;
  for (std::size_t k = v + 1; k + 1 < n_; ++k)
    if (t_[k].lower == "to" && t_[k].tag == PartOfSpeech::preposition && startsNounPhrase(k + 1) &&
        !readNounPhrase(k + 1).pronoun && !timeLike(readNounPhrase(k + 1)))
      return k;
  return n_;
}

// "much", "far", "even" before a comparative: how much more ("sokkal kisebbnek tűnt").
bool degreeOfComparison(const Token& adverb, const Token& adjective) {
  static constexpr std::string_view kHowMuchMore[] = {"much", "far", "even", "a lot", "slightly", "a little", "a bit"};
  return adverb.tag == PartOfSpeech::adverb && listed(kHowMuchMore, adverb.lemma) &&
         adjective.tag == PartOfSpeech::adjective && adjective.degree == 1;
}

// The adjective a linking verb links its subject to ("remained closed"), or the token count.
std::size_t Generator::linkedPredicate() const {
  const std::size_t v = roles_.verb.main;
  // ("looked much smaller": past how much more, "sokkal kisebbnek tűnt")
  // ("looked much more comfortable": past "more" too)
  const std::size_t more = v + 3 < n_ && t_[v + 2].tag == PartOfSpeech::particle ? v + 3 : v + 2;
  const std::size_t p = more < n_ && degreeOfComparison(t_[v + 1], t_[more]) ? more : v + 1;
  // ("I don't feel well": the adverb says how one feels)
  const bool wellOfFeeling = p < n_ && t_[v].lemma == "feel" && t_[p].lower == "well";
  if (p >= n_ || !linkingVerb(t_[v]) || (t_[p].tag != PartOfSpeech::adjective && !wellOfFeeling) ||
      (!t_[p].entry && t_[p].dictionarySenses.empty()) || (p + 1 < n_ && t_[p + 1].tag == PartOfSpeech::noun))
    return n_;
  return p;
}

// Activities named without "-ing" ("Photography is not permitted").
constexpr std::string_view kActivities[] = {"photography", "admission", "access"};

// "Parking is not allowed here", "Smoking is not permitted": an activity that is not allowed is
// "tilos" ("A dohányzás tilos az épületben"), one that is "megengedett" ("A fényképezés
// megengedett"), its noun the subject as it stands; empty where the passive is no such rule.
std::string_view Generator::permission() const {
  const VerbGroup& g = roles_.verb;
  if (!g.passive || g.main >= n_ || !roles_.subject || roles_.subject->pronoun || !g.modal.empty() || g.future)
    return {};
  const std::string& verb = t_[g.main].lemma;
  const Token& head = t_[roles_.subject->head];
  const bool activity = (head.lower.size() > 4 && head.lower.ends_with("ing")) || listed(kActivities, head.lemma);
  // ("Parking is prohibited", "Fishing is strictly forbidden": "tilos" too)
  const bool forbidden = (verb == "prohibit" || verb == "forbid") && !g.negative;
  if (broughtInForbidden()) return "bevinni tilos";
  if ((verb != "allow" && verb != "permit" && !forbidden) || !activity || head.plural) return {};
  return g.negative || forbidden ? "tilos" : "megengedett";
}

// "Dogs are not allowed", "Food and drink are not permitted in the library": an animal or a
// thing not allowed is one that must not be brought in, "Kutyát bevinni tilos", said once, bare.
bool Generator::broughtInForbidden() const {
  const VerbGroup& g = roles_.verb;
  if (!g.passive || !g.negative || g.main >= n_ || !roles_.subject || roles_.subject->pronoun ||
      roles_.agent || (t_[g.main].lemma != "allow" && t_[g.main].lemma != "permit"))
    return false;
  // (not what one is not allowed to do: "are not allowed to park")
  if (g.main + 1 < n_ && t_[g.main + 1].tag == PartOfSpeech::infinitiveTo) return false;
  const Token& head = t_[roles_.subject->head];
  const Sense* s = coreSense(head, sense(roles_.subject->head));
  return head.tag == PartOfSpeech::noun && !head.lower.ends_with("ing") && !listed(kActivities, head.lemma) && s &&
         !s->person && !head.ofPerson;
}

// "I feel tired" is how the person feels, not how a thing seems: "fáradtnak érzem magam", the
// definite verb and the reflexive ("The room felt cold": "hidegnek tűnt").
bool Generator::feelsOneself() const {
  return roles_.verb.main < n_ && t_[roles_.verb.main].lemma == "feel" && !saidOfThing(roles_) &&
         linkedPredicate() != n_;
}

// The reflexive object of the subject's person: "magam", "magad", "magát", "magunkat" ...;
// an imperative's is the one told ("Érezd magad otthon"), formally "magát".
std::string reflexiveOf(const Agreement& a, bool imperative, bool formal) {
  const int person = imperative ? (formal ? 3 : 2) : a.person;
  if (a.plural)  // ("Érezzétek magatokat otthon")
    return person == 1 ? "magunkat" : person == 2 ? "magatokat" : "magukat";
  return person == 1 ? "magam" : person == 2 ? "magad" : "mag\xC3\xA1t";
}

// The reflexive after "with": "magammal", "magaddal", formally "magával" ...; in the dative,
// what one allows oneself: "magamnak", "magának" ...
std::string reflexiveWith(const Agreement& a, bool imperative, bool formal, bool dative) {
  const int person = imperative ? (formal ? 3 : 2) : a.person;
  if (dative) {
    if (a.plural) return person == 1 ? "magunknak" : person == 2 ? "magatoknak" : "maguknak";
    return person == 1 ? "magamnak" : person == 2 ? "magadnak" : "mag\xC3\xA1nak";
  }
  if (a.plural) return person == 1 ? "magunkkal" : person == 2 ? "magatokkal" : "magukkal";
  return person == 1 ? "magammal" : person == 2 ? "magaddal" : "mag\xC3\xA1val";
}

// "She changed her mind": one thinks it over oneself, "meggondolta magát", the reflexive the
// object of the definite verb.
bool Generator::changesOnesMind() const {
  if (roles_.verb.main >= n_ || !t_[roles_.verb.main].entry) return false;
  const std::string& lemma = t_[roles_.verb.main].entry->lemma;
  return lemma.starts_with("change ") && (lemma.ends_with(" mind") || lemma.ends_with(" minds"));
}

// "I can't afford a new car": what one can afford one allows oneself, "megenged magának" ("Nem
// tudok megengedni magamnak egy új autót").
bool Generator::allowsOneself() const {
  const Sense* vs = roles_.verbSense;
  return roles_.verb.main < n_ && t_[roles_.verb.main].lemma == "afford" && vs && vs->word == "enged";
}

// "Take an umbrella with you", "I took my camera with me", "Do you have your passport with
// you?": what one takes, brings, carries or has along goes with the one who does it, the
// pronoun after "with" the subject's own, the reflexive ("Vigyen magával egy esernyőt").
bool Generator::carriedAlongWith(const NounPhrase& np) const {
  static constexpr std::string_view kAlong[] = {"take", "bring", "carry", "have", "keep"};
  const VerbGroup& g = roles_.verb;
  if (np.begin == 0 || t_[np.begin - 1].lower != "with" || g.main >= n_ || np.begin < g.main ||
      !listed(kAlong, t_[g.main].lemma))
    return false;
  const Token& p = t_[np.head];
  if (p.lower == "it" || p.lower == "this" || p.lower == "that" || p.lower.ends_with("self") ||
      p.lower.ends_with("selves"))
    return false;
  if (g.imperative) return p.lower == "you";
  const Agreement& a = roles_.agreement;
  const int person = before_.formal && p.person == 2 ? 3 : p.person;
  return person == a.person && p.plural == a.plural && // ("She took him with her": the third person may be another's; "She took me with her" not)
         (p.person != 3 || !roles_.object || !roles_.object->pronoun || t_[roles_.object->head].person != 3);
}

// How well one feels, said as an adverb: "jól érzem magam", "rosszul érezte magát".
std::string_view howOneFeels(const Token& adjective) {
  static constexpr std::pair<std::string_view, std::string_view> kHow[] = {
      {"good", "j\xC3\xB3l"},         {"well", "j\xC3\xB3l"},
      {"better", "jobban"},          {"best", "legjobban"},
      {"bad", "rosszul"},            {"sick", "rosszul"},
      {"ill", "rosszul"},            {"unwell", "rosszul"},
      {"worse", "rosszabbul"},       {"awful", "sz\xC3\xB6rnyen"},
      {"terrible", "sz\xC3\xB6rnyen"}, {"great", "nagyszer\xC5\xB1" "en"},
      {"fine", "j\xC3\xB3l"}};
  for (const auto& [english, hungarian] : kHow)
    if (adjective.lower == english) return hungarian;
  return {};
}

void Generator::emitLinkedPredicate(std::size_t p) {
  const Sense* s = coreSense(t_[p], sense(p));
  // (an adjective the core lexicon lacks links as well, in the dictionary's sense: "will remain
  // impassable", "járhatatlanok maradnak")
  const std::optional<std::string> word = plainSense(t_[p], sense(p));
  if (!word) return;
  done_[p] = true;
  if (p > 0 && !done_[p - 1] && degreeOfComparison(t_[p - 1], t_[p])) {
    emit(plainSense(t_[p - 1], sense(p - 1)).value_or(t_[p - 1].written), p - 1);
    done_[p - 1] = true;
  } else if (p > 1 && !done_[p - 2] && t_[p - 1].tag == PartOfSpeech::particle &&
             degreeOfComparison(t_[p - 2], t_[p])) {
    emit(plainSense(t_[p - 2], sense(p - 2)).value_or(t_[p - 2].written), p - 2);  // "sokkal kényelmesebbnek"
    done_[p - 2] = done_[p - 1] = true;
  }
  if (feelsOneself())
    if (const std::string_view how = howOneFeels(t_[p]); !how.empty()) {
      emit(std::string(how), p);
      return;
    }
  // ("looked smaller and paler", "remained calm and quiet": a second adjective after "and" or
  // "or" is linked the same way, "kisebbnek és sápadtabbnak tűnt")
  const std::size_t next = p + 2;
  const bool another = next < n_ && (t_[p + 1].lower == "and" || t_[p + 1].lower == "or") && !done_[next] &&
                       t_[next].tag == PartOfSpeech::adjective && (t_[next].entry || !t_[next].dictionarySenses.empty()) &&
                       (next + 1 == n_ || t_[next + 1].tag != PartOfSpeech::noun);
  if (linkingVerb(t_[roles_.verb.main])->dative) {
    NounStem stem;
    stem.lemma = *word;
    emit(inflectNoun(stem, false, {}, Case::dative), p);  // "sápadtnak", "hidegebbnek"
  } else {
    std::string adj = s && !s->note("pred").empty() && !t_[p].degree ? std::string(s->note("pred")) : *word;
    // ("zárva", "nyitva" say a state and take no plural: "Az iskolák zárva maradnak")
    if (roles_.agreement.plural && !(s && s->keepsCopula))
      adj = s && !s->plural.empty() && !t_[p].degree ? s->plural : pluralOfPredicate(adj);
    emit(adj, p);
  }
  if (another && plainSense(t_[next], sense(next))) {
    emit(t_[p + 1].lower == "and" ? "\xC3\xA9s" : "vagy", p + 1);
    done_[p + 1] = true;
    emitLinkedPredicate(next);
  }
}

// "by 30 June", "by Friday", "by the end of the month": a deadline, no one who did it.
bool Generator::namesATime(const NounPhrase& np) const {
  if (np.pronoun || np.head >= n_) return false;
  const Sense* s = coreSense(t_[np.head], sense(np.head));
  return t_[np.head].time || t_[np.head].lemma == "end" || (s && !s->note("time").empty()) || yearAlone(np);
}

// "passed by a narrow majority": a noun whose "by" is a case of its own says how, not who
// ("szűk többséggel").
bool Generator::meansOfBy(const NounPhrase& np) const {
  // ("by the phone": beside it, "a telefon mellett")
  if (np.pronoun || np.head >= n_ || t_[np.begin].lower == "the" || t_[np.begin].tag == PartOfSpeech::possessive)
    return false;
  const Sense* s = coreSense(t_[np.head], sense(np.head));
  if (s && !s->note("by").empty()) return true;
  // "rescued by helicopter", "sent by car", "made by hand": a bare singular thing is the means,
  // "helikopterrel", not the doer ("by police", "by staff" are those who did it, and so are the
  // forces of nature: "blocked by snow", "destroyed by fire")
  static constexpr std::string_view kBareDoers[] = {
      "police", "staff", "management", "parliament", "security", "snow",  "rain",  "fire",  "wind",
      "water",  "ice",   "flood",      "lightning",  "storm",    "fog",   "smoke", "frost", "heat", "traffic"};
  return np.head == np.begin && np.end == np.begin + 1 && t_[np.head].tag == PartOfSpeech::noun &&
         !t_[np.head].plural && !t_[np.head].capitalised && s && !s->person && !s->name &&
         !listed(kBareDoers, t_[np.head].lemma);
}

// "delayed by two hours", "cut by up to 10 percent": a span or a counted amount after "by" is
// how much, no doer ("written by two students" has one).
bool Generator::amountOfBy(const NounPhrase& np) const {
  if (isDuration(np)) return true;
  if (t_[np.begin].tag != PartOfSpeech::number && !countsANumber(np.begin)) return false;
  const Sense* s = coreSense(t_[np.head], sense(np.head));
  return !(s && s->person);
}

// A passive clause: the English subject is the Hungarian object, and whoever did it ("by my
// sister") the subject; without one, the verb says "they" ("lezárták az utat").
void Generator::findAgent(ClauseRoles& r) {
  Agreement& a = r.agreement;
  a = Agreement{3, true, false, false};
  for (std::size_t k = r.verb.main + 1; k + 1 < n_; ++k)
    if (t_[k].lower == "by" && startsNounPhrase(k + 1) && !namesATime(readNounPhrase(k + 1)) &&
        !meansOfBy(readNounPhrase(k + 1)) && !amountOfBy(readNounPhrase(k + 1))) {
      r.agent = readNounPhrase(k + 1);
      r.agentBy = k;
      a.person = r.agent->person;
      a.plural = r.agent->plural;
      break;
    }
  // (the noun above the relative clause, "a házat": "eladták")
  if (!r.subject && before_.patientDefinite && !(r.verbSense && r.verbSense->noObject))
    a.definite = true;
  if (!r.subject) return;
  if (askedPolitely(r)) a.person = 1, a.plural = true;  // "Guests are kindly asked": "Kérjük a vendégeket"
  const Sense* s = r.verbSense;
  if (passiveReceiver(r)) {  // "I was told that ...": "Azt mondták nekem, hogy"
    if (objectClause_) a.definite = true, objectClausePronoun_ = !r.verb.negative && objectClauseSaid_;
    return;
  }
  if (r.objectCase != Case::accusative || (s && s->noObject)) return;
  // "Residents were evacuated": a bare plural that opens the clause is those it names, "A lakókat
  // evakuálták", as a bare subject is generic ("Two men were arrested" counts them)
  const Token& first = t_[r.subject->begin];
  if (r.subject->begin == 0 && r.subject->plural && !r.subject->pronoun && !r.subject->name &&
      !r.subject->possessed && !r.subject->definite && !countsItsNoun(first) &&
      (first.tag == PartOfSpeech::noun || first.tag == PartOfSpeech::adjective || participleBeforeNoun(0, 0)) &&
      t_[r.subject->head].tag == PartOfSpeech::noun && !isIndefinitePronoun(t_[r.subject->head]))
    r.subject->definite = genericPatient_ = true;
  a.definite = r.subject->pronoun ? r.subject->person == 3 : r.subject->definite;
  a.youObject = r.subject->pronoun && r.subject->person == 2 && a.person == 1 && !a.plural;
}

// "send me", "pick us up", "please": the deed asked is done for the one who asks.
bool Generator::forTheSpeaker() const {
  return std::any_of(t_.begin(), t_.end(), [](const Token& k) {
    return k.lower == "me" || k.lower == "us" || k.lower == "please";
  });
}

// Whether the clause's subject is a thing, neither a person nor a pronoun for one ("The
// machine works", "It works"; not "My sister works", "She works").
bool Generator::saidOfThing(const ClauseRoles& r) const {
  // ("The laptop I bought stopped working": the main clause goes on after a relative clause of
  // its subject, a thing, "nem működik")
  if (!r.subject) return !r.verb.passive && before_.resumed && before_.thing;
  if (r.verb.passive) return false;
  const std::string& word = t_[r.subject->head].lower;
  // ("That works for me": a demonstrative alone)
  if (r.subject->pronoun || (r.subject->begin + 1 == r.subject->end && (word == "this" || word == "that")))
    return word == "it" || word == "this" || word == "that";
  if (r.subject->name) return false;
  const Sense* head = coreSense(t_[r.subject->head], sense(r.subject->head));
  return head && !head->person;
}

// Whether the clause's subject is a person: a personal pronoun other than "it", a name, a noun
// for people ("We start", "Anna began", "The teacher started").
bool Generator::saidOfPerson(const ClauseRoles& r) const {
  if (!r.subject || r.verb.passive) return false;
  const std::string& word = t_[r.subject->head].lower;
  static constexpr std::string_view kPersons[] = {"i", "you", "he", "she", "we", "they"};
  if (r.subject->pronoun) return listed(kPersons, word);
  if (r.subject->name) return true;
  const Sense* head = coreSense(t_[r.subject->head], sense(r.subject->head));
  return head && head->person;
}

// Whether what follows the verb at `verb` in its clause says where to, from where or when one
// moved: a place or time ("to London", "abroad", "last year", "in 2015"), not how ("slowly").
bool Generator::movedElsewhere(std::size_t verb) const {
  static constexpr std::string_view kWhereTo[] = {"here", "there", "abroad", "away", "home", "back",
                                                  "out", "in", "house", "closer", "nearer"};
  for (std::size_t k = verb + 1; k < n_; ++k) {
    const Token& tk = t_[k];
    if (tk.tag == PartOfSpeech::conjunction || tk.pauseAfter) return listed(kWhereTo, tk.lower);
    if (tk.tag == PartOfSpeech::preposition || tk.tag == PartOfSpeech::noun || tk.tag == PartOfSpeech::name ||
        tk.tag == PartOfSpeech::number || tk.time || listed(kWhereTo, tk.lower))
      return true;
  }
  return false;
}

// "The storm left thousands of homes without power", "left the children without help": what is
// left in want of a thing is let be so, "hagy", where a thing leaves it or a person is left
// ("left the house without a coat" goes away from it, "elhagyta").
bool Generator::leftWanting() const {
  const std::optional<NounPhrase>& object = roles_.object;
  // ("without power" may be one phrase of the dictionary)
  if (!object || object->end >= n_ || !t_[object->end].lower.starts_with("without")) return false;
  if (saidOfThing(roles_)) return true;
  // ("The storm brought down trees and left thousands of homes without power": the thing of
  // the clause before, the subject it goes on with)
  if (!roles_.subject && !roles_.verb.imperative && !roles_.verb.passive && before_.known && before_.thing)
    return true;
  if (object->pronoun) return t_[object->head].lower != "it";
  const Sense* head = coreSense(t_[object->head], sense(object->head));
  return head && head->person;
}

// Feelings and states English says with the copula and an adjective, Hungarian with a verb: "I
// am sorry" "sajnálom", "afraid of dogs" "fél a kutyáktól", "I am late" "elkéstem", "She is
// back" "visszajött", "We are lost" "eltévedtünk"; what the feeling is about takes the verb's
// case or postposition.
struct FeelingVerb {
  std::string_view adjective, verb, prefix, preposition;
  Case about;
  std::string_view postposition = {};  // said after what it is about instead of a case
};
constexpr FeelingVerb kFeelingVerbs[] = {
    {"sorry", "sajn\xC3\xA1l", "", "for", Case::accusative},
    {"sorry", "sajn\xC3\xA1l", "", "about", Case::accusative},
    {"afraid", "f\xC3\xA9l", "", "of", Case::ablative},
    {"scared", "f\xC3\xA9l", "", "of", Case::ablative},
    {"late", "k\xC3\xA9sik", "el", "for", Case::elative},
    {"lost", "t\xC3\xA9ved", "el", "in", Case::inessive},  // "We are lost": "Eltévedtünk"
    {"asleep", "alszik", "", "in", Case::inessive},     // "The children were asleep": "aludtak"
    {"glad", "\xC3\xB6r\xC3\xBCl", "", "about", Case::dative},
    {"worried", "agg\xC3\xB3"
                "dik",
     "", "about", Case::nominative, "miatt"},
    {"back", "j\xC3\xB6n", "vissza", "from", Case::elative},
    {"interested",
     "\xC3\xA9rdekl\xC5\x91"
     "dik",
     "", "in", Case::nominative, "ir\xC3\xA1nt"},
};

const FeelingVerb* feelingVerb(std::string_view adjective, std::string_view preposition = {}) {
  for (const FeelingVerb& f : kFeelingVerbs)
    if (f.adjective == adjective && (preposition.empty() || f.preposition == preposition)) return &f;
  return nullptr;
}

// "right" or "sorry" after the copula of a pronoun, said as owning the truth ("igazad van") or
// as regretting ("sajnálom"), and the other feelings said with a verb, of a pronoun or a
// person: its position, else the token count.
// "a few minutes late", "an hour late", "ten minutes early": a span of time before "late" at i
// is by how much; the position of "late" past it, else i.
std::size_t Generator::lateBy(std::size_t i) const {
  if (i >= n_ || !startsNounPhrase(i) || t_[i].tag == PartOfSpeech::adverb ||
      (t_[i].tag == PartOfSpeech::adjective && t_[i].lemma != "a few"))
    return i;
  std::size_t k = i;
  while (k < n_ && k < i + 4 && t_[k].tag != PartOfSpeech::noun) ++k;
  if (k + 1 >= n_ || !unitOfTime(t_[k].lemma) || t_[k + 1].lower != "late") return i;
  return k + 1;
}

std::size_t Generator::feelingPredicate(const ClauseRoles& r) const {
  const VerbGroup& g = r.verb;
  // ("Don't be afraid", "Don't be late": told, "Ne félj", "Ne késs el")
  // ("apologised for being late": the deed's own subject, "amiért elkésett")
  const bool told = !r.subject && &r == &roles_ && (toldToBe() || (before_.gerund && before_.known));
  if (!g.copula || (!r.subject && !told) || r.existential) return n_;
  std::size_t pred = g.be + 1;
  // ("are a bit late", "was very afraid": a degree before it)
  while (pred < n_ && (t_[pred].tag == PartOfSpeech::negation || t_[pred].lower == "very" ||
                       (t_[pred].tag == PartOfSpeech::adverb && t_[pred].entry && pred + 1 < n_ &&
                        feelingVerb(t_[pred + 1].lower))))
    ++pred;
  // ("I'll be a few minutes late", "is ten minutes late": by how much, "pár percet késik")
  if (const std::size_t by = lateBy(pred); by != pred) pred = by;
  if (pred >= n_ || (t_[pred].tag != PartOfSpeech::adjective && t_[pred].tag != PartOfSpeech::adverb))
    return n_;
  const bool right = t_[pred].lower == "right";
  const FeelingVerb* f = feelingVerb(t_[pred].lower);
  if (!right && !f) return n_;
  // "right" and "sorry" only of a pronoun, "afraid" and "back" of a person, "late" of anyone or
  // anything ("The train is late": "késik")
  if ((told || !r.subject->pronoun) && (right || t_[pred].lower == "sorry")) return n_;
  if (!told && saidOfThing(r) && t_[pred].lower != "late") return n_;
  if (!told && r.subject->pronoun && t_[r.subject->head].lower == "it") return n_;
  if (pred + 1 < n_ && t_[pred + 1].tag == PartOfSpeech::noun) return n_;
  // ("right about it" is no truth owned; "back in ten minutes" says when, not what about)
  if (pred + 1 < n_ && t_[pred + 1].tag == PartOfSpeech::preposition && right) return n_;
  return pred;
}

// Whether a passive's subject is the one told or given to ("I was told": "nekem mondták"), who
// must be a person: "The letters were sent" are what was sent.
bool Generator::passiveReceiver(const ClauseRoles& r) const {
  if (!r.subject || !r.verbSense || r.verbSense->note("to") != "nak") return false;
  const Sense* patient = coreSense(t_[r.subject->head], sense(r.subject->head));
  return r.subject->pronoun || (patient && patient->person);
}

// Whether the copula names a place (and stays), and whether the subject pronoun drops.
// "I like it too", "She doesn't eat meat either": an adding adverb closing the clause adds its
// subject to others, "is" after it ("Én is szeretem"); "either" in a denial says "sem" there in
// the place of "nem" ("Én sem szeretem"). The subject is then said, a pronoun too.
void Generator::findAddedSubject(ClauseRoles& r) const {
  if (!r.subject || r.inverted || r.existential || n_ < 3 || r.subject->end + 1 >= n_ ||
      r.verb.firstAux < r.subject->end || before_.asked || t_[0].tag == PartOfSpeech::question)
    return;
  // ("It is too late": "too" before its adjective is the degree, never last)
  const Token& last = t_[n_ - 1];
  if ((last.lower == "too" || last.lemma == "as well") && !r.verb.negative)
    r.addedSubject = "is";
  else if (last.lower == "either" && r.verb.negative && !r.verb.possession &&  // (not yet "sincs")
           !(r.verbSense && r.verbSense->word == "sz\xC3\xBCks\xC3\xA9g"))
    r.addedSubject = "sem", r.verb.negative = false;
  if (!r.addedSubject.empty()) r.dropSubject = false;
}

void Generator::placeCopula(ClauseRoles& r) const {
  const VerbGroup& g = r.verb;
  std::size_t afterBe = g.be + 1;  // the predicate, after any "not" or "still", or the subject asked about
  // ("is tightly closed": past an adverb of how, "szorosan zárva van")
  while (g.copula && afterBe < n_ &&
         (t_[afterBe].tag == PartOfSpeech::negation || t_[afterBe].lower == "still" ||
          (r.inverted && r.subject && afterBe == r.subject->begin && r.subject->pronoun) ||
          (t_[afterBe].tag == PartOfSpeech::adverb && t_[afterBe].lower.ends_with("ly") && afterBe + 1 < n_ &&
           t_[afterBe + 1].tag == PartOfSpeech::adjective)))
    ++afterBe;
  // ("Is the shop open?", "Is Anna here?": past the subject asked about, its predicate)
  if (g.copula && r.inverted && r.subject && afterBe == r.subject->begin && !r.subject->pronoun)
    afterBe = r.subject->end;
  if (g.copula && afterBe < n_) {
    const Token& after = t_[afterBe];
    const Sense* as = coreSense(after, sense(afterBe));
    r.copulaLocation =
        after.tag == PartOfSpeech::preposition || after.lower == "here" || after.lower == "there" ||
        after.lower == "away" || after.distance ||  // ("két kilométerre van a strandtól")
        // ("is a bit confusing": a degree of the adjective after it, no place)
        (after.tag == PartOfSpeech::adverb && after.entry && after.lemma.find(' ') != std::string::npos &&
         !(afterBe + 1 < n_ && t_[afterBe + 1].tag == PartOfSpeech::adjective)) ||
        (as && as->keepsCopula);
    // ("how beautiful the lake was in autumn": the predicate came first, what follows the copula
    // is when, "milyen gyönyörű ősszel a tó")
    // (a noun's, whose present copula goes unsaid; "how busy you are at work" keeps "vagy")
    const bool nounAfterPredicate = n_ > 1 && (t_[1].tag == PartOfSpeech::determiner ||
                                               t_[1].tag == PartOfSpeech::possessive || t_[1].tag == PartOfSpeech::noun);
    if (before_.degree && after.tag == PartOfSpeech::preposition && t_[0].tag == PartOfSpeech::adjective &&
        nounAfterPredicate)
      r.copulaLocation = false;
  }
  // "It was a cold night": "Hideg éjszaka volt"; "It is important": "Fontos"; "It is cold":
  // "Hideg van", the weather keeping its copula; "he", "she" keep "ő" before a present predicate
  static constexpr std::string_view kWeather[] = {"cold",  "hot",    "warm",  "cool",  "dark",    "sunny",
                                                  "windy", "cloudy", "foggy", "rainy", "freezing"};
  const bool it = r.subject && r.subject->pronoun && t_[r.subject->head].lower == "it";
  // ("It is too late to call him": "Túl késő", past "very", "too", "so")
  const std::size_t adjective =
      afterBe + 1 < n_ && t_[afterBe].tag == PartOfSpeech::adverb && listed(kDegreeAdverbs, t_[afterBe].lower)
          ? afterBe + 1
          : afterBe;
  const bool itIsAdjective = it && g.copula && adjective < n_ &&
                             t_[adjective].tag == PartOfSpeech::adjective &&
                             (adjective + 1 >= n_ || t_[adjective + 1].tag != PartOfSpeech::noun);
  r.weather = itIsAdjective && listed(kWeather, t_[adjective].lemma);
  // ("where it is": "hol van")
  // ("what time it is", "how old he is": a pronoun the quantity is asked of goes unsaid, "hány
  // óra van", "hány éves")
  const bool quantityAsked = g.copula && n_ > 1 && t_[0].tag == PartOfSpeech::question &&
                             t_[0].lemma.find(" ") != std::string::npos && t_[0].lemma != "how much";
  const bool pastIt = it && (g.past || g.future || itIsAdjective || (g.copula && clockTimeAt(afterBe)) ||
                             (g.copula && before_.askedWhere) || quantityAsked);
  // ("She was tired": "Fáradt volt", the copula said; "She is tired": "Ő fáradt", no verb left)
  // ("You and Anna": "Te és Anna", a pronoun with another subject stays)
  // ("He said that he was tired": "Azt mondta, hogy fáradt", the one who said it said of himself)
  const bool sameSpeaker = before_.reported && r.subject && r.subject->pronoun &&
                           !before_.subjectPronoun.empty() && t_[r.subject->head].lower == before_.subjectPronoun;
  // ("This means that": a demonstrative says which, "Ez azt jelenti", and stays)
  const bool demonstrative = r.subject && (t_[r.subject->head].lower == "this" || t_[r.subject->head].lower == "that");
  // ("He never listens, and he is stubborn": "és makacs", the third person going on from the
  // clause before, of the same number, needs no "ő"; "She said that he was tired", "She
  // is tall and he is short": another pronoun than the one before keeps it)
  const std::string subjectWord = r.subject ? t_[r.subject->head].lower : std::string();
  const bool goesOn = r.subject && r.subject->pronoun && before_.known && !before_.reported &&
                      (before_.subjectPronoun.empty() || before_.subjectPronoun == subjectWord) &&
                      before_.subject.person == 3 && before_.subject.plural == r.subject->plural &&
                      (subjectWord == "he" || subjectWord == "she" || subjectWord == "they");
  r.dropSubject = r.subject && r.subject->pronoun && !g.passive && !demonstrative &&
                  !(r.subject->end + 1 < n_ && t_[r.subject->end].lower == "and" &&
                    startsNounPhrase(r.subject->end + 1)) &&
                  // ("She is small and wears a red collar": "Kicsi, és piros nyakörvet visel", the
                  // subject of a verb going on needs no "ő")
                  (pastIt || sameSpeaker || goesOn || quantityAsked ||
                   (before_.verbGoesOn && (subjectWord == "he" || subjectWord == "she" || subjectWord == "they")) ||
                   !(g.copula && !r.existential && !r.copulaLocation && r.subject->person == 3 && !g.past &&
                     !g.future && g.modal != "hat" && g.modal != "cond" && !mustDo(g)) ||
                   feelingPredicate(r) != n_);
  // "It is a river", "It is my car": an "it" kept before a present noun predicate that ends the
  // clause points at the thing, "Ez egy folyó", "Ez az autóm" ("az" before a noun would read as
  // its article); see keepsItsArticle()
  if ((it || demonstrative) && !r.dropSubject && g.copula && !g.past && !g.future && afterBe < n_ &&
      (t_[afterBe].tag == PartOfSpeech::determiner || t_[afterBe].tag == PartOfSpeech::possessive) &&
      startsNounPhrase(afterBe)) {
    const std::size_t end = readNounPhrase(afterBe).end;
    r.itAsThis = end >= n_ || t_[end - 1].pauseAfter;
  }
  if (r.existential && !r.subject) {
    r.agreement.person = 3;  // ("because there was a storm": no subject goes on from before)
    r.agreement.plural = t_[g.be].plural;
    // "There are a lot of people": "Sok ember van", the counted noun stays singular
    const Token* q = g.be + 1 < n_ ? &t_[g.be + 1] : nullptr;
    if (q && q->lower == "there" && g.be + 2 < n_) q = &t_[g.be + 2];  // "Are there any eggs?": "Van tojás?"
    if (q && (q->tag == PartOfSpeech::number || listed(kCountedExisting, q->lemma)))
      r.agreement.plural = false;
  }
}

// A predicate "a/an" noun phrase at `begin` after "ez" or "az" keeps its "egy" where without it
// the words would read otherwise: a bare noun ("Ez egy folyó", not "Ez folyó") or anything after
// "az", which would be its article ("Az egy nagy ház"); "Ez nehéz kérdés" and a negation ("Ez
// nem probléma") go without.
bool Generator::keepsItsArticle(std::size_t begin, std::size_t head) const {
  if (!roles_.itAsThis || roles_.verb.negative) return false;
  return head == begin + 1 || t_[roles_.subject->head].lower == "that";
}

// "Let's go", "so let's keep it short", "then let's meet": what we are to do, the first person
// plural of the imperative.
bool Generator::letUs() const {
  std::size_t k = 0;
  while (k + 1 < n_ && (t_[k].lower == "so" || t_[k].lower == "then" || t_[k].lower == "and")) ++k;
  return k < n_ && t_[k].lower == "let's";
}

// The clause's verb puts something off, to a new time, its sense says ("el|halaszt[until=ra]").
bool Generator::postponing() const {
  return roles_.verbSense && roles_.verbSense->note("until") == "ra";
}

// Question words and time adverbs open the Hungarian sentence.
void Generator::emitLeadingAdverbs() {
  for (std::size_t k = 0; k < n_; ++k) {
    const Token& tk = t_[k];
    const std::string_view before = k > 0 && !done_[k - 1] ? std::string_view(t_[k - 1].lower) : "";
    // ("from Monday to next Friday": the end of a span, "-ig")
    const bool spanEnd = before == "to" && std::any_of(t_.begin() + long(k >= 5 ? k - 5 : 0), t_.begin() + long(k),
                                                        [](const Token& w) { return w.lower == "from"; });
    // "put off until next week": what is put off is put to the new time, "jövő hétre halasztották"
    const bool putTo = before == "to" || ((before == "until" || before == "till") && postponing());
    if (tk.time && tk.time->unit && (deadline(before) || before == "since" || before == "to")) {
      // "by Friday afternoon", "until next week": until then, "péntek délutánig", "jövő hétig";
      // "since last Friday": "múlt péntek óta"; "moved to next Wednesday": "jövő szerdára"
      std::vector<std::string> words = timeWords(*tk.time);
      const Sense& unit = tk.time->unit->senses.front();
      if (!words.empty() && (words.back() == timeCaseOf(unit) || words.back() == unit.word))
        words.back() = before == "since" ? unit.word
                                         : inflectNoun(stemOfSense(unit), false, {},
                                                       putTo && !spanEnd ? Case::sublative
                                                                                  : Case::terminative);
      if (before == "since") words.push_back("\xC3\xB3ta");
      for (std::string& w : words) emit(std::move(w), k);
      done_[k - 1] = done_[k] = true;
    } else if (forTheNext(k) || (before == "than" && t_[k - 1].lemma == "than")) {
      // "the budget for next year": what it is for, said in its place ("jövő évre"); "higher
      // than last year": what is compared, after "mint"
      continue;
    } else if (before_.asked && !before_.yesNo && !before_.degree && !(tk.time && tk.time->unit) &&
               tk.entry && tk.tag == PartOfSpeech::adverb && listed(kTimeAdverbs, tk.lemma)) {
      // "where she lives now": a question asked within has its verb right after the question
      // word, the time after it, "hol lakik most"
      continue;
    } else if (tk.time && tk.time->unit) {
      // ("open even on Sundays": "még vasárnaponként is")
      const bool even = k > 0 && stressedByEven(k - 1) == k;
      if (even) emit("m\xC3\xA9g", k - 1);
      for (std::string& w : timeWords(*tk.time)) emit(std::move(w), k);
      if (even) emit("is", k - 1);
      done_[k] = true;
    } else if (tk.entry && (tk.tag == PartOfSpeech::adverb || tk.tag == PartOfSpeech::noun) &&
               listed(kTimeAdverbs, tk.lemma)) {
      emit(plainSense(tk, sense(k)).value_or(tk.written), k);
      done_[k] = true;
    } else if (k == 0 && tk.tag == PartOfSpeech::adverb && tk.entry && listed(kOpeningAdverbs, tk.lemma) &&
               k + 1 < n_ && startsNounPhrase(k + 1)) {
      // "Suddenly the lights went out": "Hirtelen kialudtak a lámpák", a prefixed verb after it
      emit(plainSense(tk, sense(k)).value_or(tk.written), k);
      done_[k] = true;
    } else if (tk.tag == PartOfSpeech::adverb && tk.entry && k + 1 == n_ &&
               (tk.lemma.rfind("every ", 0) == 0 || tk.lemma.rfind("last ", 0) == 0 ||
                tk.lemma.rfind("next ", 0) == 0 || tk.lemma.rfind("in the ", 0) == 0)) {
      // "every morning", "last year" at the end: a time phrase
      emit(plainSense(tk, sense(k)).value_or(tk.written), k);
      done_[k] = true;
    }
  }
}

// A past action done to a definite object is finished: "read the book": "elolvasta"; not while
// it went on ("was reading"), nor to an indefinite one ("írt egy könyvet", "teát ittam"). So is
// one asked for: "Read the instructions": "Olvassa el az utasításokat".
bool Generator::finishedPast() const {
  const ClauseRoles& r = roles_;
  const VerbGroup& g = r.verb;
  // ("The letter has been sent": "A levelet elküldték", the passive's subject as the object)
  const std::optional<NounPhrase>& object = g.passive ? r.subject : r.object;
  if (sharedPassive_) return true;  // ("was stolen and found later": "és később megtalálták")
  // (what must be done to a definite object is done through too: "A lakbért be kell fizetni",
  // "El kell olvasnod a könyvet")
  const bool must = (g.modal == "kell" || g.modal == "kellene") && !g.negative;
  if (must && g.main != n_ && t_[g.main].form != VerbForm::ing) {
    const std::optional<NounPhrase>& done = g.passive ? r.subject : r.object;
    return done && !done->pronoun && done->definite;
  }
  // "If the dog is found", "If you read the letter": what a condition waits for is a deed
  // done through, the verb's perf= prefix ("Ha megtalálják a kutyát", "Ha elolvasod a levelet")
  if (before_.condition && !before_.hypothetical && !g.past && !g.future && !g.negative && g.modal.empty() &&
      g.have == n_ && g.main != n_ && t_[g.main].form != VerbForm::ing) {
    const std::optional<NounPhrase>& done = g.passive ? r.subject : r.object;
    return done && !done->pronoun && done->definite;
  }
  // "Can you open the file?", "Could you send me the report?", "Would you read the letter?": what
  // one can or would do to a definite object is done through too ("El tudnád küldeni", "Elolvasnád
  // a levelet?")
  // (the conditional only as a request asked: "mintha olvasná", as if, stays as it is)
  if ((g.modal == "tud" || g.modal == "tud-cond" || (g.modal == "cond" && r.inverted)) && !g.past && !g.future &&
      !g.passive &&
      g.have == n_ && g.main != n_ && t_[g.main].form != VerbForm::ing)
    return r.object && !r.object->pronoun && r.object->definite;
  if (!(g.past || g.imperative) || !g.modal.empty() || g.future || g.main == n_ ||
      t_[g.main].form == VerbForm::ing || (g.passive && g.have == n_))
    return false;
  // "barked at every car": a preposition the verb turns into its object is the object here too
  // ("megugatott minden autót")
  std::optional<NounPhrase> turned;
  if (const std::size_t at = g.main + 1; !object && r.verbSense && at + 1 < n_ &&
      t_[at].tag == PartOfSpeech::preposition && r.verbSense->note(t_[at].lower) == "acc" &&
      startsNounPhrase(at + 1))
    turned = readNounPhrase(at + 1);
  const std::optional<NounPhrase>& what = object ? object : turned;
  if (!what || what->pronoun) return false;
  // ("read every book": each one through, "elolvasott minden könyvet")
  const std::string& first = t_[what->begin].lower;
  return what->definite || first == "every" || first == "each" || first == "all";
}

// After a leading time, a verb with its prefix comes before a subject that did nothing to an
// object: "Este elállt az eső", "Tavaly megjavították a hidat" (a passive without its agent).
bool Generator::subjectFollowsVerb() const {
  const ClauseRoles& r = roles_;
  const VerbGroup& g = r.verb;
  // "Évente legalább egyszer ki kell cserélni az elemeket": after the leading time, what must be
  // done and then what to
  if (r.subject && !r.subject->pronoun && g.passive && mustDo(g) && !r.agent && !g.negative && g.main != n_ &&
      r.subject->begin < g.main && t_[0].tag != PartOfSpeech::question)
    return true;
  if (!r.subject || r.subject->pronoun || r.inverted || r.agent || r.object || g.main == n_ || g.negative ||
      !g.modal.empty() || g.future || g.imperative || g.copula || g.possession ||
      t_[0].tag == PartOfSpeech::question || r.subject->begin > g.main)
    return false;
  const Sense* vs = r.verbSense;
  return vs && !vs->prefix.empty() && !plainIntransitive();
}

// Where "possible" stands, said of "it" before an infinitive ("It is not possible to park here");
// n_ otherwise.
std::size_t Generator::possibleToDo() const {
  std::size_t k = roles_.verb.be + 1;
  if (k < n_ && t_[k].lower == "it") ++k;  // ("Is it possible ...?")
  if (k < n_ && t_[k].tag == PartOfSpeech::negation) ++k;
  return k < n_ && t_[k].lower == "possible" && infinitiveAt(k + 1) && itOpensClause() ? k : n_;
}

// "Visitors are kindly asked to ...": a notice's polite request, in which those who put it up ask
// ("Kérjük a látogatókat, hogy ...").
bool Generator::askedPolitely(const ClauseRoles& r) const {
  const std::size_t asked = r.verb.main;
  if (!requestFollows_ || !r.verb.passive || r.agent || asked == n_ || asked == 0 || t_[asked].lemma != "ask")
    return false;
  if (t_[asked - 1].lower == "kindly") return true;
  // ("Visitors are asked to switch off their phones": a notice asks the public it names, now)
  static constexpr std::string_view kPublic[] = {
      "visitor", "guest",  "passenger", "customer", "resident", "user",      "member",  "participant",
      "student", "parent", "driver",    "patient",  "staff",    "applicant", "traveller", "spectator",
      "tenant",  "owner",  "shopper",   "employee", "reader",   "viewer"};
  return t_[asked - 1].lower == "are" && r.subject && !r.subject->pronoun && r.subject->plural &&
         listed(kPublic, t_[r.subject->head].lemma);
}

// "The president met her counterpart yesterday afternoon": a noun subject that opens the English
// clause stays the topic before the time Hungarian brings forward ("Az elnök tegnap délután
// találkozott"); a time that opens the English keeps the lead ("Tavaly megjavították a hidat").
bool Generator::subjectBeforeTime() const {
  const ClauseRoles& r = roles_;
  const VerbGroup& g = r.verb;
  if (!r.subject || r.subject->pronoun || r.subject->begin != 0 || r.inverted || r.existential ||
      g.imperative || before_.asked || before_.saying || t_[0].tag == PartOfSpeech::question ||
      isIndefinitePronoun(t_[r.subject->head]))
    return false;
  // ("A lorry overturned this morning": "Ma reggel felborult egy teherautó", what is new follows;
  // a passive's bare subject is its object, "Ma este nagy havat várnak")
  const std::string_view first = t_[r.subject->begin].lower;
  if (first == "a" || first == "an" || first == "some" || t_[r.subject->begin].tag == PartOfSpeech::number ||
      (g.passive && !r.subject->definite))
    return false;
  for (std::size_t k = r.subject->end; k < n_; ++k) {
    const Token& tk = t_[k];
    if ((tk.time && tk.time->unit && !forTheNext(k)) ||
        (tk.entry && (tk.tag == PartOfSpeech::adverb || tk.tag == PartOfSpeech::noun) &&
         listed(kTimeAdverbs, tk.lemma)))
      return true;
  }
  return false;
}

// A passive's English subject as the object, and the "by" phrase as the subject before the verb:
// "A levelet a nővérem írta."
std::size_t Generator::emitPassiveSubject() {
  const ClauseRoles& r = roles_;
  const NounPhrase& patient = *r.subject;
  // "I was told": "nekem mondták", the one told is the receiver, not the object
  const bool receiver = passiveReceiver(r);
  if (receiver)
    emitNounPhrase(patient, Case::dative);
  // ("I was locked out": "Kizártak", the verb alone says it of me, as of him or her)
  else if (!(patient.pronoun && (patient.person == 3 || (patient.person == 1 && !patient.plural && !r.agent))) &&
           !(r.agreement.youObject && patient.pronoun)) {
    if (genericPatient_) emit("a", patient.begin);
    emitNounPhrase(patient, expectedState_ ? Case::nominative : r.objectCase);
  }
  if (r.agent) {
    // "must be accompanied by an adult": the one who must, "felnőttnek kell kísérnie"
    emitNounPhrase(*r.agent, mustDo(r.verb) && !r.agent->pronoun ? Case::dative : Case::nominative);
    for (std::size_t k = r.agentBy; k < r.agent->end; ++k) done_[k] = true;
  }
  lastCase_ = r.objectCase;
  return patient.end;
}

// "There is no bread left", "We have no time left": what remains, said first, "Már nincs
// kenyér", "Már nincs időnk", "Még van kávé?"
void Generator::emitWhatIsLeft() {
  for (std::size_t k = 0; k < n_; ++k)
    if (t_[k].lemma == "left" && t_[k].tag == PartOfSpeech::adverb && !done_[k] && !t_[k].dictionarySenses.empty()) {
      emit(t_[k].dictionarySenses.front(), k);
      done_[k] = true;
    }
}

std::size_t Generator::emitPossession() {
  const VerbGroup& g = roles_.verb;
  emitWhatIsLeft();
  const std::optional<NounPhrase>& subject = roles_.subject;
  // "január óta van egy új igazgatója", "kilenckor van egy megbeszélésem": a time first
  if (!g.negative && t_[0].tag != PartOfSpeech::question) emitTimeFirst(g.have + 1);
  NounPhrase obj = readNounPhrase(g.have + 1);
  // "has no rooms": "nincs szobája", the negation, one of what there is none of
  const bool none = obj.begin < obj.end && t_[obj.begin].lower == "no" && obj.begin < obj.head;
  if (none) ++obj.begin, obj.plural = false;
  const bool negative = g.negative || none;
  // ("I don't have a car": "Nincs autóm", no "egy" of a thing one has none of)
  if (g.negative && obj.begin < obj.head && (t_[obj.begin].lower == "a" || t_[obj.begin].lower == "an")) ++obj.begin;
  // "have two children", "has a lot of work": how many of the thing is the focus before the
  // verb ("Két gyereke van", "Sok munkája van"); "a dog" stays after it, "Van egy kutyám", and
  // so does a thing described that a pronoun has now, new to the talk ("Van egy nagy kutyája")
  bool described = false;
  for (std::size_t k = obj.begin; k < obj.head; ++k)
    described = described || t_[k].tag == PartOfSpeech::number || t_[k].lemma == "many" ||
                t_[k].lemma == "much" || t_[k].lemma == "a lot of" || t_[k].lemma == "lots of" ||
                t_[k].lemma == "several" ||
                (t_[k].lower == "any" && before_.condition);  // ("Ha bármilyen kérdése van")
  // "The house has a big garden", "had a high fever": a thing a noun owns as described, or one
  // had in the past, is said before "van", without its "egy" ("A háznak nagy kertje van",
  // "magas láza volt")
  const bool adjectived = !described && (g.past || (subject && !subject->pronoun)) &&
                          obj.begin + 1 < obj.head && obj.head + 1 == obj.end &&
                          (t_[obj.begin].lower == "a" || t_[obj.begin].lower == "an") &&
                          std::all_of(t_.begin() + std::ptrdiff_t(obj.begin + 1), t_.begin() + std::ptrdiff_t(obj.head),
                                      [](const Token& k) { return k.tag == PartOfSpeech::adjective; });
  const bool first = (described || adjectived) && !negative && !obj.pronoun && t_[0].tag != PartOfSpeech::question &&
                     !roles_.inverted && g.modal.empty() && !obj.ofOwner && !obj.participle;
  if (first && adjectived) ++obj.begin;
  // ("would have a house": "lenne egy háza")
  const bool would = g.modal == "cond" && !g.past;
  // ("will have five minutes": "öt perce lesz")
  const bool future = g.future && !g.past && !would;
  const std::string verb = negative ? (g.past    ? "nem volt"
                                       : would  ? "nem lenne"
                                       : future ? "nem lesz"
                                                : "nincs")
                                    : (g.past    ? "volt"
                                       : would  ? "lenne"
                                       : future ? "lesz"
                                                : "van");
  if (!first) emit(verb, g.have);
  // (the subject's person as the verb agrees: formal "you" is the third, "Van kérdése"; the
  // subject of the clause before, shared: "Ápolóként dolgozom, és stabil jövedelmem van")
  const bool pronoun = subject ? subject->pronoun : before_.known && !g.imperative;
  emitNounPhrase(obj, Case::nominative, "", pronoun ? roles_.agreement.person : 3,
                 pronoun && roles_.agreement.plural);
  if (first) emit(verb, g.have);
  objectDone_ = true;
  return obj.end;
}

// "Be careful", "Don't be silly", "Please be quiet": "be" with no subject, nothing before it
// but "please", "do not", "never", "always" or "just", is told, the imperative ("Légy óvatos",
// "Ne legyél buta"); not after "and" that goes on from a statement ("and be happy" of "will")
bool Generator::toldToBe() const {
  static constexpr std::string_view kBefore[] = {"please", "do", "not", "don't", "never", "always", "just"};
  const VerbGroup& g = roles_.verb;
  // ("..., so don't be late", "and do not be afraid": "do" before a bare "be" only tells, it
  // never goes on with the subject before)
  const bool doBe = g.be < n_ && std::any_of(t_.begin(), t_.begin() + std::ptrdiff_t(g.be),
                                             [](const Token& k) { return k.lemma == "do"; });
  if (!g.copula || g.be >= n_ || t_[g.be].lower != "be" || !g.modal.empty() || g.future || roles_.subject ||
      (before_.known && before_.linked && !before_.ownSubject && !before_.imperative && !doBe))
    return false;
  for (std::size_t k = 0; k < g.be; ++k)
    if (!listed(kBefore, t_[k].lower) && t_[k].tag != PartOfSpeech::negation) return false;
  return true;
}

std::size_t Generator::emitCopula(std::size_t pos) {
  const VerbGroup& g = roles_.verb;
  // "had never been there", "is never late": "soha nem voltunk ott", "soha nem késik", as of any
  // verb, and what never is is no state already reached
  bool never = false;
  for (std::size_t k = g.firstAux; k <= g.be + 1 && k < n_; ++k)
    if (t_[k].lower == "never") emit("soha", k), never = true;
  const Agreement& a = roles_.agreement;
  const bool location = roles_.copulaLocation, existential = roles_.existential;
  const bool told = toldToBe();
  if (!g.adverb.empty()) emit(std::string(g.adverb), g.firstAux);  // "used to be": "régen"
  Agreement ca = a;
  ca.definite = false;
  std::string form = conjugate(VerbStem{"van", "", ""}, g.past ? Tense::past : Tense::present, ca);
  if (g.future) form = conjugate(VerbStem{"lesz", "", ""}, Tense::present, ca);
  // "would have been happy", "if I had been there": what was not so, "boldog lettem volna", a
  // place "van"'s ("ha ott voltam volna", "otthon voltunk volna")
  if (g.modal == "cond" && g.past)
    form = conjugate(VerbStem{location ? "van" : "lesz", "", ""}, Tense::past, ca) + " volna";
  // "He may be at home": "Otthon lehet", what may be so keeps its copula; so does what would be
  // ("Boldog lennék")
  const bool may = (g.modal == "hat" || g.modal == "cond") && !g.past && !g.future;
  if (g.modal == "hat" && may) form = conjugate(VerbStem{"lehet", "", ""}, Tense::present, ca);
  if (g.modal == "cond" && may) form = conditionalOf(VerbStem{"lesz", "", ""}, ca);
  // (a yes or no asked within keeps the statement's order: "hogy éhes vagyok-e")
  const bool question = (t_[0].tag == PartOfSpeech::question || before_.asked) && !before_.yesNo;
  // "Is it possible to pay by card?": "Lehet kártyával fizetni?", the copula and "possible" one verb
  if (const std::size_t possible = possibleToDo(); possible != n_) {
    const VerbStem lehet{"lehet", "", ""};
    if (g.negative) emit("nem", g.be);
    emit(g.modal == "cond" ? conditionalOf(lehet, ca) : conjugate(lehet, g.past ? Tense::past : Tense::present, ca),
         possible);
    return possible + 1;
  }
  // "You are right": "Igazad van", the one right owns the truth; "I am sorry": "Sajnálom"
  if (const std::size_t pred = feelingPredicate(roles_); pred != n_) {
    bool spanned = false;  // ("tíz percet késik": by how much, no "el")
    for (std::size_t k = g.be + 1; k < pred; ++k)
      if (t_[k].lower == "very") {
        emit("nagyon", k);
      } else if (t_[k].tag == PartOfSpeech::adverb && t_[k].entry) {
        if (auto d = plainSense(t_[k], sense(k))) emit(*d, k);  // "kicsit késünk"
      } else if (lateBy(k) == pred) {  // "pár percet"
        const NounPhrase span = readNounPhrase(k);
        emitNounPhrase(span, Case::accusative);
        for (std::size_t j = k; j < pred; ++j) done_[j] = true;
        k = pred - 1, spanned = true;
      }
    if (const FeelingVerb* f = feelingVerb(t_[pred].lower)) {
      // what the feeling is about, after its own preposition ("afraid of", "sorry for")
      const FeelingVerb* own = pred + 2 < n_ && t_[pred + 1].tag == PartOfSpeech::preposition
                                   ? feelingVerb(t_[pred].lower, t_[pred + 1].lower)
                                   : nullptr;
      const bool about = own && startsNounPhrase(pred + 2);
      if (about) f = own;
      const std::optional<NounPhrase> what =
          about ? std::optional<NounPhrase>(readNounPhrase(pred + 2)) : std::nullopt;
      Agreement fa = a;
      // "Sajnálom" says "it" by itself; "sajnálom a késést" of a definite object
      fa.definite = f->about == Case::accusative && (!what || what->definite);
      // "I am late": "Elkéstem", already so; "I will be late": "Késni fogok"; "The train is
      // late": "A vonat késik"
      // (of what must not be: "Nem szabad elkésned")
      // ("We would be lost": what would befall, the conditional, "Eltévednénk")
      const bool would = may && g.modal == "cond";
      const bool late = !f->prefix.empty() && !saidOfThing(roles_) && (!may || would) && !never && !spanned &&
                        (!mustDo(g) || g.negative);
      VerbStem stem{std::string(f->verb), std::string(late ? f->prefix : ""), ""};
      if (may && !would) stem = potentialOf(stem);  // "I may be late": "Késhetek"
      const Tense tense = g.past || (late && !g.future) ? Tense::past : Tense::present;
      if (told) {  // "Don't be afraid": "Ne félj", "Don't be late": "Ne késs el"
        Agreement ta = fa;
        ta.person = before_.formal ? 3 : 2;
        const std::string form = before_.formal ? subjunctiveOf(stem, ta) : conjugate(stem, Tense::imperative, ta);
        if (g.negative)
          emit("ne", g.be), emit(form, pred), emit(stem.prefix, pred);
        else
          emit(form, pred), emit(stem.prefix, pred);
      } else if (g.negative) {
        emit("nem", g.be);
      }
      if (told) {
      } else if (mustDo(g)) {  // "Nem kell félned", "Nem szabad elkésned"
        const std::string need = needOf(g, g.past, n_);
        const std::string inf = personalInfinitiveOf(stem, a.person, a.plural);
        if (g.negative || stem.prefix.empty())
          emit(need, g.be), emit(stem.prefix + inf, pred);
        else
          emit(stem.prefix, pred), emit(need, g.be), emit(inf, pred);
      } else if (g.future && !saysWhen(t_))  // "El fogok késni", "Vissza fogok jönni" (with a time, "Egy óra múlva visszajövök")
        emit(stem.prefix, pred), emit(conjugate(VerbStem{"fog", "", ""}, Tense::present, ca), g.be),
            emit(infinitiveOf(stem), pred);
      else if (would && (g.negative || question))  // "nem tévednénk el"
        emit(conditionalOf(stem, fa), pred), emit(stem.prefix, pred);
      else if (would)
        emit(stem.prefix + conditionalOf(stem, fa), pred);
      else if (g.negative || question)  // "miért késtem el"
        emit(conjugate(stem, tense, fa), pred), emit(stem.prefix, pred);
      else
        emit(stem.prefix + conjugate(stem, tense, fa), pred);
      if (!what) return pred + 1;
      // "afraid of dogs": "a kutyáktól", a bare noun said of all of its kind
      if (!what->name &&
          (t_[what->begin].tag == PartOfSpeech::noun || t_[what->begin].tag == PartOfSpeech::adjective))
        emit("a", what->begin);
      emitNounPhrase(*what, f->about, std::string(f->postposition));  // "a történelem iránt"
      for (std::size_t k = what->begin; k < what->end; ++k) done_[k] = true;
      return what->end;
    }
    const std::string truth = inflectNoun(NounStem{"igaz", "", "", "igaza", "", "", "igaza", -1}, false,
                                          Possessor{a.person, a.plural}, Case::nominative);
    if (g.negative)
      emit(g.past ? "nem volt" : g.future ? "nem lesz" : "nincs", g.be), emit(truth, pred);
    else
      emit(truth, pred), emit(g.past     ? "volt"
                              : g.future ? "lesz"
                              : may      ? (g.modal == "cond" ? "lenne" : "lehet")
                                         : "van",
                              g.be);
    return pred + 1;
  }
  // "asked to be quiet", "told us to be ready": what one is asked to be, the predicate and the
  // copula's subjunctive after it ("hogy csendesek legyenek")
  if (before_.purpose && !told && !existential && !location && !g.past && !g.future && !g.negative &&
      g.be < n_ && t_[g.be].lower == "be" && (g.be == 0 || t_[g.be - 1].tag == PartOfSpeech::infinitiveTo)) {
    pos = std::max(pos, g.be) + 1;
    if (pos >= n_) return pos;
    pos = emitPredicate(pos);
    emit(subjunctiveOf(VerbStem{"van", "", ""}, ca), g.be);
    return pos;
  }
  if (told && !existential && !location) {
    Agreement ta = ca;
    ta.person = before_.formal ? 3 : 2;
    const VerbStem van{"van", "", ""};
    emit(std::string(g.negative ? "ne " : "") +
             (before_.formal ? subjunctiveOf(van, ta) : conjugate(van, Tense::imperative, ta)),
         g.be);
    pos = std::max(pos, g.be) + 1;
    while (pos < n_ && t_[pos].tag == PartOfSpeech::negation) ++pos;
    return pos < n_ ? emitPredicate(pos) : pos;
  }
  // "You must be careful": "Óvatosnak kell lenned", what one must be in "-nak" before "kell"
  // and the personal infinitive of "lesz"; a state that keeps its copula stays bare ("Az
  // ablaknak zárva kell lennie"), a place comes first ("Otthon kellene lennie")
  if (mustDo(g) && !existential && !question) {
    const std::string need = needOf(g, g.past, n_);
    const std::string be = personalInfinitiveOf(VerbStem{"lesz", "", ""}, a.person, a.plural);
    pos = std::max(pos, g.be) + 1;
    while (pos < n_ && t_[pos].tag == PartOfSpeech::negation) ++pos;
    if (g.negative) emit("nem", g.be);
    const Sense* ps = pos < n_ ? coreSense(t_[pos], sense(pos)) : nullptr;
    const std::optional<std::string> pw = pos < n_ ? plainSense(t_[pos], sense(pos)) : std::nullopt;
    if (!location && pos < n_ && t_[pos].tag == PartOfSpeech::adjective && ps && pw &&
        (pos + 1 == n_ || t_[pos + 1].tag != PartOfSpeech::noun)) {
      NounStem stem;
      stem.lemma = *pw;
      const std::string said = !ps->keepsCopula             ? inflectNoun(stem, false, {}, Case::dative)
                               : !ps->note("pred").empty() ? std::string(ps->note("pred"))
                                                           : *pw;
      if (g.negative)
        emit(need, g.be), emit(said, pos), emit(be, g.be);
      else
        emit(said, pos), emit(need, g.be), emit(be, g.be);
      return pos + 1;
    }
    if (!location && pos < n_ && startsNounPhrase(pos) && t_[pos].tag != PartOfSpeech::adjective) {
      NounPhrase bare = readNounPhrase(pos);  // "must be a doctor": "orvosnak kell lennie"
      if (t_[bare.begin].lower == "a" || t_[bare.begin].lower == "an") ++bare.begin;
      if (g.negative) emit(need, g.be);
      emitNounPhrase(bare, Case::dative);
      if (!g.negative) emit(need, g.be);
      emit(be, g.be);
      return bare.end;
    }
    copulaTail_.push_back({need, g.be, true});  // "otthon kell lennie"
    copulaTail_.push_back({be, g.be, true});
    return pos;
  }
  // "I will be out of the office": "nem leszek az irodában", away from where one is found
  if (!g.negative && !existential && g.be + 3 < n_ && t_[g.be + 1].lower == "out" &&
      t_[g.be + 2].lower == "of" && startsNounPhrase(g.be + 3) &&
      (t_[g.be + 3].tag == PartOfSpeech::determiner || t_[g.be + 3].tag == PartOfSpeech::possessive)) {
    // (a bare noun is what ran out: "out of milk", "out of order")
    const NounPhrase where = readNounPhrase(g.be + 3);
    emit(!g.past && !g.future && a.person == 3 ? (a.plural ? "nincsenek" : "nincs") : "nem " + form, g.be);
    const Sense* place = coreSense(t_[where.head], sense(where.head));
    const std::string_view in = place ? place->note("in") : std::string_view();
    emitNounPhrase(where, in.empty() ? Case::inessive : caseNamed(in));
    for (std::size_t k = g.be + 1; k < where.end; ++k) done_[k] = true;
    return where.end;
  }
  // "How old is your daughter?": "Hány éves a lányod?", "What is your name?": "Mi a neved?";
  // the question word is the predicate and the third person present says no copula
  const std::string& asked = t_[0].lemma;
  const bool predicateAsked =
      before_.askedWhat || (question && !before_.asked && t_[0].tag == PartOfSpeech::question &&
      (asked == "how old" || asked == "how much" || asked == "what" || asked == "who" ||
       // ("Which room is yours?": "Melyik szoba a tiéd?")
       asked == "which" || asked.starts_with("which of ") ||
       asked == "whose"));  // ("Whose car is this?": "Kinek az autója ez?")
  if (existential) emitWhatIsLeft();
  // "There is no milk", "There are no tickets": "Nincs tej", "Nincs jegy", the thing in the
  // singular and no "semmi"
  if (existential && !g.negative && !question && !may && g.be + 2 < n_ && t_[g.be + 1].lower == "no" &&
      !done_[g.be + 1] && startsNounPhrase(g.be + 2)) {
    emit(g.past ? "nem volt" : g.future ? "nem lesz" : "nincs", g.be);
    NounPhrase np = readNounPhrase(g.be + 2);
    np.plural = false;
    emitNounPhrase(np, Case::nominative);
    for (std::size_t k = g.be + 1; k < np.end; ++k) done_[k] = true;
    return np.end;
  }
  if (existential || location || a.person != 3 || g.past || g.future || may ||
      (question && !predicateAsked) || roles_.weather) {
    if (g.negative && !g.past && !g.future && !may && a.person == 3)
      form = a.plural ? "nincsenek" : "nincs";
    else if (g.negative)
      form = "nem " + form;
    // "Sok turista van a városban": a counted subject of "there is" comes first
    if (existential && !g.negative && !question && g.be + 1 < n_ && !done_[g.be + 1] &&
        startsNounPhrase(g.be + 1) &&
        (countsItsNoun(t_[g.be + 1]) || t_[g.be + 1].tag == PartOfSpeech::number ||
         t_[g.be + 1].lower == "many" || t_[g.be + 1].lower == "several" || t_[g.be + 1].lower == "more" ||
         t_[g.be + 1].lower == "fewer")) {
      const NounPhrase np = readNounPhrase(g.be + 1);
      emitNounPhrase(np, Case::nominative);
      for (std::size_t k = np.begin; k < np.end; ++k) done_[k] = true;
    }
    // "There was nobody in the room": "Senki sem volt a szobában", no one there first
    if (existential && !g.negative && g.be + 1 < n_ && !done_[g.be + 1] &&
        (t_[g.be + 1].lemma == "nobody" || t_[g.be + 1].lemma == "no one" ||
         t_[g.be + 1].lemma == "nothing")) {
      emit(t_[g.be + 1].lemma == "nothing" ? "semmi" : "senki", g.be + 1);
      done_[g.be + 1] = true;
      if (g.past || g.future)
        emit("sem", g.be + 1);
      else
        form = "sincs";  // "Senki sincs itt"
    }
    // "nincs" stands before the place: "A kutya nincs a házban."
    // ("Egyik ablak sem volt nyitva": after "sem" the copula is the verb its focus comes before)
    if (existential || question || g.negative ||
        (denialOnSubject() && form != "van"))  // ("Nem vagyok fáradt", "Nincs a házban")
      emit(form, g.be);
    else
      copulaTail_.push_back({form, g.be, true});
  } else if (g.negative) {
    emit("nem", g.be);
  }
  pos = std::max(pos, g.be) + 1;
  while (pos < n_ && t_[pos].tag == PartOfSpeech::negation) ++pos;
  // "Where are you?": "Hol vagy?", the pronoun after the copula is the subject, said as such
  if (roles_.subject && roles_.inverted && roles_.subject->pronoun && pos == roles_.subject->begin)
    pos = emitSubject();
  // "Is the water cold?": a noun subject asked about is not the predicate too (it follows the
  // verb group, below)
  if (roles_.subject && roles_.inverted && !roles_.subject->pronoun && pos == roles_.subject->begin)
    pos = roles_.subject->end;
  // "A múzeum hétfőnként zárva van": a time with its case before the predicate
  if (pos < n_ && !existential && !g.negative && !question && t_[pos].tag != PartOfSpeech::preposition)
    emitTimeFirst(pos + 1);
  // "A bolt zárva lesz hétfőig": a state that keeps its copula has it right after
  const std::size_t state = pos < n_ && t_[pos].lower == "still" ? pos + 1 : pos;
  const bool stateKept = location && state < n_ && t_[state].tag == PartOfSpeech::adjective;
  if (pos >= n_ || (location && !stateKept) || existential) return pos;
  // "It is five o'clock": "Öt óra van", a clock time keeps its copula
  if (roles_.subject && t_[roles_.subject->head].lower == "it" && clockTimeAt(pos))
    if (const auto end = emitClockTime(pos)) {
      if (!copulaTail_.empty() && copulaTail_.back().token == g.be) {
        out_.push_back(std::move(copulaTail_.back()));
        copulaTail_.pop_back();
      } else if (!g.negative) {
        emit("van", g.be);
      }
      return *end;
    }
  pos = emitPredicate(pos);
  // "Büszkék vagyunk a lányunkra": what the predicate adjective governs follows the copula, and so
  // does any other phrase after it
  const Sense* predicate = pos > 0 && t_[pos - 1].tag == PartOfSpeech::adjective
                               ? coreSense(t_[pos - 1], sense(pos - 1))
                               : nullptr;
  // ("It was nice to see you": "Szép volt látni téged", the copula before the infinitive)
  // ("sokkal könnyebb volt, mint az első": before the comparison too; "üres volt egy teremőrt
  // kivéve": before what is left out)
  if ((roles_.weather || stateKept ||
       (pos < n_ && (t_[pos].tag == PartOfSpeech::infinitiveTo || t_[pos].lower == "than" ||
                     t_[pos].lemma == "except" || t_[pos].lemma == "except for" ||
                     t_[pos].lemma == "apart from")) ||
       // ("Fáradt vagyok munka után": an adjective's copula before any phrase after it)
       (predicate && pos + 1 < n_ && t_[pos].tag == PartOfSpeech::preposition)) &&
      !copulaTail_.empty() && copulaTail_.back().token == g.be) {
    out_.push_back(std::move(copulaTail_.back()));
    copulaTail_.pop_back();
  }
  return pos;
}

// The predicate after the copula. An adjective agrees in number: "Az almák pirosak."
std::size_t Generator::emitPredicate(std::size_t pos) {
  const Agreement& a = roles_.agreement;
  // "while I'm away", "She is away on business": where one is, far from here, "távol"
  if (t_[pos].lower == "away" && (t_[pos].tag == PartOfSpeech::adverb || t_[pos].tag == PartOfSpeech::adjective)) {
    emit("t\xC3\xA1vol", pos);
    return pos + 1;
  }
  // "Check-out time is eleven o'clock": "tizenegy óra", a clock time as the predicate noun
  if (clockTimeAt(pos))
    if (const auto end = emitClockTime(pos)) return *end;
  // "It was a year ago", "than they were two days ago": a span counted back as the predicate is
  // a time, "egy évvel ezelőtt", "két nappal ezelőtt" (not a predicate noun without its article)
  if (countsTimeFrom(pos) && countedFrom(readNounPhrase(pos)) == "ezel\xC5\x91tt")
    if (const auto end = emitCountedTime(pos)) return *end;
  std::size_t k = pos;
  if (k + 1 < n_ && t_[k].lower == "still" && t_[k].tag == PartOfSpeech::adverb) {
    emit(plainSense(t_[k], sense(k)).value_or("m\xC3\xA9g"), k);  // "still wet": "még nedvesek"
    ++k;
  }
  while (k + 1 < n_ && t_[k].tag == PartOfSpeech::particle) ++k;  // "more expensive"
  if (t_[k].lower == "very" || t_[k].lower == "too" ||
      (t_[k].lower == "so" && t_[k].tag == PartOfSpeech::adverb)) {
    emit(t_[k].lower == "very" ? "nagyon" : t_[k].lower == "so" ? "olyan" : "t\xC3\xBAl", k);
    ++k;
  } else if (t_[k].lemma == "much" && t_[k].tag == PartOfSpeech::adverb) {
    emit("sokkal", k);  // "much colder", "far more expensive": "sokkal hidegebb", "sokkal drágább"
    ++k;
    while (k + 1 < n_ && t_[k].tag == PartOfSpeech::particle) ++k;
  } else if (startsNounPhrase(k) && differenceBefore(readNounPhrase(k))) {
    // "five percent higher": "öt százalékkal magasabbak", by how much before the adjective
    const NounPhrase by = readNounPhrase(k);
    emitNounPhrase(by, Case::instrumental);
    k = by.end;
  } else if (k + 1 < n_ && t_[k].tag == PartOfSpeech::adverb && t_[k].entry && t_[k + 1].tag == PartOfSpeech::adjective &&
             (k + 2 == n_ || t_[k + 2].tag != PartOfSpeech::noun)) {
    // "a bit confusing", "quite cold", "extremely busy": the degree before the adjective
    if (auto d = plainSense(t_[k], sense(k))) emit(*d, k), ++k;
  }
  if (k < n_ && t_[k].tag == PartOfSpeech::adjective &&
      (k + 1 == n_ || t_[k + 1].tag != PartOfSpeech::noun)) {
    auto s = plainSense(t_[k], sense(k));
    const Sense* cs = coreSense(t_[k], sense(k));
    std::string adj = s.value_or(t_[k].written);
    if (cs && !cs->note("pred").empty() && !t_[k].degree)
      adj = std::string(cs->note("pred"));  // "kicsi", not "kis"
    // ("zárva", "nyitva" take no plural; the lexicon's plural is of the plain degree: "olcsók",
    // "olcsóbbak")
    if (a.plural && s && !(cs && cs->keepsCopula))
      adj = cs && !cs->plural.empty() && !t_[k].degree ? cs->plural : pluralOfPredicate(adj);
    emit(adj, k, bool(s));
    pos = k + 1;
    // "big and old": the second predicate agrees too
    if (pos + 1 < n_ && t_[pos].lower == "and" && t_[pos + 1].tag == PartOfSpeech::adjective &&
        (pos + 2 == n_ || t_[pos + 2].tag != PartOfSpeech::noun)) {
      std::string second = plainSense(t_[pos + 1], sense(pos + 1)).value_or(t_[pos + 1].written);
      const Sense* cs2 = coreSense(t_[pos + 1], sense(pos + 1));
      if (a.plural)
        second = cs2 && !cs2->plural.empty() && !t_[pos + 1].degree ? cs2->plural
                                                                    : pluralOf(second, WordClass::adjective);
      emit("\xC3\xA9s", pos);
      emit(second, pos + 1);
      pos += 2;
    }
    return pos;
  }
  if (k < n_ && startsNounPhrase(k)) {
    const NounPhrase pred = readNounPhrase(k);
    // "He is a doctor": no article before a predicate noun ("Ez egy folyó" keeps it after "ez")
    NounPhrase bare = pred;
    if ((t_[bare.begin].lower == "a" || t_[bare.begin].lower == "an") && !keepsItsArticle(pred.begin, pred.head))
      ++bare.begin;
    // "Both of my parents are teachers": "Mindkét szülőm tanár", what a counted subject is stays
    // singular as the subject does (not one named by its article: "a legjobbak")
    if (countedSubject() && !bare.definite && t_[bare.begin].lower != "the") bare.plural = false;
    emitNounPhrase(bare, Case::nominative);
    return pred.end;
  }
  return k;
}

// A verb without a prefix takes the place before it for where the action goes: "moziba mentünk",
// not "mentünk a moziba". Negation, modals, the future and an object keep the order.
bool Generator::emitGoalFirst() {
  const VerbGroup& g = roles_.verb;
  // ("put the keys in the drawer": where a thing is put, past the thing, "A fiókba tette a
  // kulcsokat")
  const bool put = roles_.object && roles_.object->begin == g.main + 1 && putsOrFallsSomewhere(t_[g.main]);
  const std::size_t after = put ? roles_.object->end : g.main + 1;
  if (g.passive || (roles_.object && !put) || after + 1 >= n_ || t_[after].tag != PartOfSpeech::preposition ||
      !startsNounPhrase(after + 1) || done_[after])
    return false;
  const NounPhrase np = readNounPhrase(after + 1);
  if (np.pronoun || (put && np.end < n_ && t_[np.end].lower == "and")) return false;
  const PrepositionChoice choice = choosePreposition(after, np);
  // ("ran behind the sofa": "a kanapé mögé futott", a postposition of where to)
  const bool goal = choice.c == Case::nominative && saysWhereTo(choice.post);
  const std::string& p = t_[after].lower;
  const bool toward = (p == "to" || p == "into" || p == "onto" || (put && (p == "in" || p == "on"))) &&
                      choice.post.empty() &&
                      (choice.c == Case::illative || choice.c == Case::sublative || choice.c == Case::allative);
  if (!choice.c || (!goal && !toward)) return false;
  const std::size_t end = emitPrepositionalPhrase(after);
  for (std::size_t k = after; k < end; ++k) done_[k] = true;
  return true;
}

// A bare object stands before its verb: "teát iszom", "segítséget kért", "háromszáz almát
// vett"; an object with an article, a possessive or a generic sense keeps its place.
bool Generator::emitBareObjectFirst() {
  const VerbGroup& g = roles_.verb;
  if (!roles_.object || g.passive || emitGenericArticle_ || objectDone_) return false;
  const NounPhrase& object = *roles_.object;
  // "kenyeret és tejet" stays together after the verb
  // ("plans to hire two hundred workers": "kétszáz munkást tervez felvenni", the infinitive's)
  const bool ofInfinitive = object.begin == g.main + 3 && t_[g.main + 1].tag == PartOfSpeech::infinitiveTo &&
                            t_[g.main + 2].tag == PartOfSpeech::verb;
  if ((object.begin != g.main + 1 && !ofInfinitive) || object.pronoun || object.name || object.definite ||
      object.possessed || (object.end < n_ && (t_[object.end].lower == "and" || continuesList(object.begin))))
    return false;
  const Token& first = t_[object.begin];
  // ("Vettél valamit?", "Láttam valakit": "some-" stays after the verb)
  if (object.head == object.begin && (t_[object.head].lemma == "something" || t_[object.head].lemma == "someone" ||
                                      t_[object.head].lemma == "somebody"))
    return false;
  // "became a doctor": what one becomes is said bare, before the verb ("orvos lett")
  const bool predicate = roles_.objectCase == Case::nominative && (first.lower == "a" || first.lower == "an");
  if (first.tag != PartOfSpeech::noun && first.tag != PartOfSpeech::adjective &&
      first.tag != PartOfSpeech::number && !predicate && !countsItsNoun(first) && first.lower != "many" &&
      first.lower != "several" && first.lower != "more" &&  // "sok házat", "néhány házat", "több házat"
      !countsANumber(object.begin) && !lessOf(object.begin))  // "több mint ötvenezer látogatót vonzott"
    return false;
  const std::size_t end = emitObject(object.begin);
  for (std::size_t k = object.begin; k < end; ++k) done_[k] = true;
  return true;
}

// A time with a number or its own case stands before the verb: "fél kilenckor nyit",
// "1850-ben alapították", "március óta dolgozom", "két éve lakik itt".
// (sinceOnly: only the time since which, or for how long, it has been so)
bool Generator::emitTimeFirst(std::size_t from, bool sinceOnly) {
  for (std::size_t pos = from; pos + 1 < n_; ++pos) {
    if (done_[pos]) continue;
    if (roles_.object && pos == roles_.object->begin) pos = roles_.object->end;
    if (pos + 1 >= n_ || t_[pos].tag != PartOfSpeech::preposition || !startsNounPhrase(pos + 1)) continue;
    const std::string& p = t_[pos].lower;
    if (sinceOnly && p != "since" && !(p == "for" && pos == perfectFor_)) continue;
    const NounPhrase np = readNounPhrase(pos + 1);
    const Token& head = t_[np.head];
    const bool year = np.end == np.begin + 1 && head.tag == PartOfSpeech::number && head.lower.size() == 4;
    const Sense* hs = coreSense(head, sense(np.head));
    const bool timeNoun = hs && !hs->note("time").empty() && head.tag == PartOfSpeech::noun &&
                          (!head.plural || (p == "on" && (hs->note("time") == "n" || isDayName(head.lemma))));  // "hétfőnként"
    std::size_t end = 0;
    if (p == "at" && !np.pronoun)
      if (const auto next = emitClockTime(pos)) end = *next, clockTimeFirst_ = true;
    if (!end && ((p == "for" && pos == perfectFor_) || (p == "since" && !np.pronoun) ||
                 ((p == "in" || p == "on" || p == "at") && (year || timeNoun)) ||
                 (p == "at" && np.end == np.begin + 1 && head.tag == PartOfSpeech::number)))
      end = emitPrepositionalPhrase(pos);
    if (!end) continue;
    for (std::size_t k = pos; k < end; ++k) done_[k] = true;
    if (p == "at" && np.end == np.begin + 1 && head.tag == PartOfSpeech::number) clockTimeFirst_ = true;
    return true;
  }
  return false;
}

// Whether the hour said before the verb is what the clause tells of a subject already known
// ("The train arrives at ten": "tízkor érkezik meg"); where the subject is news itself ("A lorry
// overturned at six": "hatkor felborult egy teherautó") the whole event is, and the prefix stays.
bool Generator::hourIsFocus() const {
  return clockTimeFirst_ && (!roles_.subject || roles_.subject->definite || roles_.subject->pronoun ||
                             roles_.subject->name);
}

// Where it happens, before a verb without a prefix or an object: "A gyerekek a kertben
// játszanak", "Egy bankban dolgozik", "Berlinben lakik".
bool Generator::emitPlaceFirst() {
  const VerbGroup& g = roles_.verb;
  const std::size_t after = g.main + 1;
  if (g.passive || roles_.object || after + 1 >= n_ || done_[after] || !startsNounPhrase(after + 1)) return false;
  // "sat next to me", "played behind the house": "Mellettem ült", "a ház mögött játszottak"
  if (t_[after].tag == PartOfSpeech::preposition && t_[after].lower != "during") {
    const NounPhrase np = readNounPhrase(after + 1);
    const PrepositionChoice choice = choosePreposition(after, np);
    if (choice.c == Case::nominative && !goalOfPostposition(choice.post).empty() &&
        !(np.end < n_ && t_[np.end].lower == "and")) {
      const std::size_t end = emitPrepositionalPhrase(after);
      for (std::size_t k = after; k < end; ++k) done_[k] = true;
      return true;
    }
  }
  if (t_[after].lower != "in" && t_[after].lower != "at" && t_[after].lower != "on") return false;
  const NounPhrase np = readNounPhrase(after + 1);
  // ("laughed at the clown" keeps its governed complement after the verb; "in the garden and
  // the park" stays together)
  if (np.pronoun || (np.end < n_ && t_[np.end].lower == "and") ||
      (roles_.verbSense && !roles_.verbSense->note(t_[after].lower).empty()))
    return false;
  const PrepositionChoice choice = choosePreposition(after, np);
  if (!choice.c || !choice.post.empty() ||
      (*choice.c != Case::inessive && *choice.c != Case::superessive && *choice.c != Case::adessive))
    return false;
  const std::size_t end = emitPrepositionalPhrase(after);
  for (std::size_t k = after; k < end; ++k) done_[k] = true;
  return true;
}

// "fought the fire for six hours", "talked for hours": how long, before a verb without a prefix
// ("Hat órán át küzdöttek a tűzzel", "Órákig beszéltek").
bool Generator::emitDurationFirst() {
  for (std::size_t k = roles_.verb.main + 1; k + 1 < n_; ++k) {
    if (done_[k] || t_[k].lower != "for" || !startsNounPhrase(k + 1)) continue;
    const NounPhrase np = readNounPhrase(k + 1);
    const Token& head = t_[np.head];
    if (np.pronoun || head.tag != PartOfSpeech::noun || !unitOfTime(head.lemma)) continue;  // ("wait for the bus")
    if (np.end < n_ && (t_[np.end].lower == "and" || t_[np.end].lower == "of")) return false;
    const std::size_t end = emitPrepositionalPhrase(k);
    for (std::size_t j = k; j < end; ++j) done_[j] = true;
    return true;
  }
  return false;
}

// "consists of ten parts", "It depends on the weather": what a thing is made of or rests on
// is the clause's focus, before the verb ("tíz részből áll", "Az időjárástól függ").
bool Generator::emitWhatItRestsOnFirst() {
  static constexpr std::string_view kRestingOn[] = {"consist", "depend"};
  const VerbGroup& g = roles_.verb;
  const std::size_t after = g.main + 1;
  if (g.passive || roles_.object || after + 1 >= n_ || done_[after] || !listed(kRestingOn, t_[g.main].lemma) ||
      !roles_.verbSense || roles_.verbSense->note(t_[after].lower).empty() || !startsNounPhrase(after + 1))
    return false;
  const std::size_t end = emitPrepositionalPhrase(after);
  for (std::size_t k = after; k < end; ++k) done_[k] = true;
  return true;
}

// "two years older", "ten metres longer", "five percent higher": a measure before a comparison is
// by how much, "két évvel idősebb", "tíz méterrel hosszabb", "öt százalékkal magasabb".
bool Generator::differenceBefore(const NounPhrase& np) const {
  static constexpr std::string_view kMeasures[] = {
      "metre", "meter", "kilometre", "kilometer", "centimetre", "centimeter", "mile",  "foot", "inch",
      "kilo",  "kilogram", "gram",   "tonne",     "litre",      "liter",      "percent", "per cent",
      "point", "degree", "euro",     "dollar",    "pound",      "forint",     "size",  "floor", "step"};
  if (np.pronoun || np.end >= n_ || t_[np.head].tag != PartOfSpeech::noun) return false;
  const Token& head = t_[np.head];
  const Token& first = t_[np.begin];
  if (!unitOfTime(head.lemma) && !listed(kMeasures, head.lemma)) return false;
  if (first.tag != PartOfSpeech::number && first.lower != "a" && first.lower != "an" && first.lemma != "a few" &&
      first.lower != "several")
    return false;
  const Token& after = t_[np.end];
  return ((after.tag == PartOfSpeech::adjective || after.tag == PartOfSpeech::adverb) && after.degree == 1) ||
         ((after.lower == "more" || after.lower == "less") && np.end + 1 < n_ &&
          (t_[np.end + 1].tag == PartOfSpeech::adjective || t_[np.end + 1].tag == PartOfSpeech::adverb ||
           t_[np.end + 1].lower == "than"));
}

// "knocked three times": "Háromszor kopogott", how often before a verb without a prefix.
bool Generator::emitHowOftenFirst() {
  for (std::size_t k = roles_.verb.main + 1; k + 1 < n_; ++k)
    if (const auto times = timesOver(t_, k); times && !done_[k]) {
      emit(*times, k);
      done_[k] = done_[k + 1] = true;
      return true;
    }
  return false;
}

// How or how often, said before the verb: "korán felkelt", "lassan kinyílt", "gyakran gondolok".
bool Generator::emitMannerFirst(bool howOnly) {
  static constexpr std::string_view kStayAfter[] = {
      "here", "there", "now",  "too",  "also", "still", "already", "yet",  "away",     "back",  "then",
      "so",   "very",  "just", "even", "only", "ever",  "else",    "once", "together", "abroad"};
  const VerbGroup& g = roles_.verb;
  std::size_t pos = g.main + 1;
  if (roles_.object && roles_.object->begin == pos) pos = roles_.object->end;
  // "forgot his umbrella on the train again": an adverb closing the clause comes first too
  // ("two days ago" and "fell asleep" keep theirs)
  static constexpr std::string_view kOwnPlace[] = {"ago",   "asleep", "alone", "apart",
                                                   "ahead", "aside",  "awake"};
  // ("stared out of the window for a long time": past a particle that is to be the verb's prefix
  // too, "sokáig kibámult")
  const bool particle = pos < n_ && t_[pos].tag == PartOfSpeech::adverb && listed(kDirectionParticles, t_[pos].lower) &&
                        pos + 1 < n_ && t_[pos + 1].lower == "of" && !done_[pos];
  if (pos < n_ && (t_[pos].tag != PartOfSpeech::adverb || particle) && t_.back().tag == PartOfSpeech::adverb &&
      t_.back().entry && !t_.back().time && !listed(kOwnPlace, t_.back().lemma))
    pos = n_ - 1;
  const bool prefixed = (roles_.verbSense && !roles_.verbSense->prefix.empty()) || !t_[g.main].prefix.empty();
  // "ran very fast", "spoke so quietly that": the degree and its adverb together, "nagyon
  // gyorsan futott", "olyan halkan beszélt, hogy"
  if (pos + 1 < n_ && !done_[pos] && t_[pos].tag == PartOfSpeech::adverb && listed(kDegreeAdverbs, t_[pos].lower) &&
      t_[pos + 1].tag == PartOfSpeech::adverb && t_[pos + 1].entry && !t_[pos + 1].time &&
      !listed(kStayAfter, t_[pos + 1].lemma) && !(pos + 2 < n_ && t_[pos + 2].lower == "than") &&
      (!howOnly || t_[pos + 1].lower.ends_with("ly") || t_[pos + 1].lower == "well" || t_[pos + 1].lower == "fast")) {
    const auto degree = plainSense(t_[pos], sense(pos));
    const auto how = plainSense(t_[pos + 1], sense(pos + 1));
    if (degree && how) {
      emit(*degree, pos), emit(*how, pos + 1);
      done_[pos] = done_[pos + 1] = true;
      return true;
    }
  }
  // ("drove faster", "spoke more quietly": a comparative of manner, "Gyorsabban vezetett"; an
  // "-ly" adverb the dictionary alone knows says how just as well: "erupted beautifully",
  // "gyönyörűen kitört")
  const bool comparedManner = pos < n_ && !t_[pos].entry && t_[pos].dictionarySenses.size() == 1 &&
                              (t_[pos].dictionarySenses[0].ends_with("bban") ||
                               t_[pos].dictionarySenses[0].ends_with("bben"));
  const bool dictionaryManner = pos < n_ && !t_[pos].entry && t_[pos].lower.size() > 4 &&
                                t_[pos].lower.ends_with("ly") && !t_[pos].dictionarySenses.empty();
  if (pos >= n_ || done_[pos] || t_[pos].tag != PartOfSpeech::adverb ||
      (!t_[pos].entry && !comparedManner && !dictionaryManner) ||
      t_[pos].time || (prefixed && t_[pos].lemma == "home") ||  // "megérkeztem haza": the prefix says where already
      // ("runs faster than her brother": a comparative of manner goes first with its "than" after
      // the verb, "Gyorsabban fut, mint a bátyja")
      listed(kStayAfter, t_[pos].lemma) ||
      (pos + 1 < n_ && t_[pos + 1].lower == "than" && !comparedManner && t_[pos].degree != 1) ||
      (howOnly && ((!t_[pos].lower.ends_with("ly") && t_[pos].lower != "well") || t_[pos].lower == "early")) ||
      (pos > 0 && t_[pos - 1].lower == "so" &&
       t_[pos - 1].tag == PartOfSpeech::adverb))  // "olyan hangosan, hogy"
    return false;
  // a particle of direction is the prefix of a verb without one, never a word of its own before
  // it: "kibámult", not "ki bámult"; a verb with a prefix keeps the particle after it
  // ("climbed up the ladder": a particle that only repeats the prefix is said once, "felmászott")
  // (a verb known only from the dictionary may carry a prefix inside its word: it keeps the
  // particle apart)
  const bool direction = listed(kDirectionParticles, t_[pos].lower);
  if (direction && !roles_.verbSense) return false;
  if (direction && prefixed) {
    const std::string own = roles_.verbSense && !roles_.verbSense->prefix.empty() ? roles_.verbSense->prefix
                                                                                   : t_[g.main].prefix;
    if (own != directionPrefix(pos)) return false;
    done_[pos] = true;
    particlePrefix_ = own;
    return true;
  }
  done_[pos] = true;
  // "came home": "haza" is a prefix, one word with the verb ("hazajött")
  if (t_[pos].lemma == "home" && plainSense(t_[pos], sense(pos)) == "haza")
    homePrefix_ = true;
  else if (direction)
    particlePrefix_ = directionPrefix(pos);
  else
    emit(plainSense(t_[pos], sense(pos)).value_or(t_[pos].written), pos);
  return true;
}

// The prefix a particle of direction gives its verb: its first sense ("out": "ki", "down": "le"),
// but "off" a place is down from it ("took the book off the shelf": "levette a polcról").
std::string Generator::directionPrefix(std::size_t particle) const {
  if (t_[particle].lower == "off" && particle + 1 < n_ && startsNounPhrase(particle + 1)) return "le";
  return plainSense(t_[particle], sense(particle)).value_or("");
}

// The case of the place right after a particle that became the verb's prefix: what one goes
// down, up or out along is "-n" ("lefutottak a dombon", "kibámult az ablakon"), what one comes
// off "-ról" ("leesett a tetőről").
std::optional<Case> Generator::placeOfParticle(std::size_t pos) const {
  if (pos == 0 || particlePrefix_.empty() || !done_[pos - 1] || t_[pos - 1].tag != PartOfSpeech::adverb ||
      !listed(kDirectionParticles, t_[pos - 1].lower) || t_[pos].tag == PartOfSpeech::pronoun)
    return std::nullopt;
  if (t_[pos - 1].lower == "off") return Case::delative;
  if (t_[pos - 1].lower == "away") return std::nullopt;
  return Case::superessive;
}

// "has reached dangerous levels again", "put it down again": a statement's "again" opens what
// stands before the verb, ahead of the one complement there ("ismét veszélyes szinteket ért el",
// "megint letette"); an instruction or a question keeps it after the verb ("Add meg újra a
// jelszavadat"), and so does a negation, whose "again" is most often "back" ("couldn't fall
// asleep again").
void Generator::emitRepetitionFirst() {
  const VerbGroup& g = roles_.verb;
  if (g.imperative || g.negative || roles_.inverted || t_[0].tag == PartOfSpeech::question || before_.saying) return;
  for (std::size_t k = g.main + 1; k < n_; ++k)
    if (t_[k].lemma == "again" && t_[k].tag == PartOfSpeech::adverb && t_[k].entry && !done_[k]) {
      emit(plainSense(t_[k], sense(k)).value_or(t_[k].written), k);
      done_[k] = true;
      return;
    }
}

// The "by" that says how much a verb of change changed ("fell by five percent"), or n_.
std::size_t Generator::changeMeasuredBy() const {
  const VerbGroup& g = roles_.verb;
  if (g.main == n_ || !listed(kChangesOfAmount, t_[g.main].lemma)) return n_;
  for (std::size_t k = g.main + 1; k + 2 < n_; ++k) {
    if (t_[k].lower != "by" || done_[k] || !startsNounPhrase(k + 1)) continue;
    const NounPhrase np = readNounPhrase(k + 1);
    // (with its bound too: "by almost 10 percent", "by up to 10 percent")
    // (a span for a change of time: "delayed by two hours")
    if (t_[numberAfterCount(np.begin)].tag == PartOfSpeech::number &&
        (listed(kMeasuresOfChange, t_[np.head].lemma) || isDuration(np)))
      return k;
  }
  return n_;
}

// The one complement Hungarian's neutral order puts before a verb without a prefix. Before a
// prefix only a time or the manner stands, and keeps the prefix on; a passive's time splits it
// off ("pénteken küldték el").
void Generator::emitBeforeVerb() {
  const VerbGroup& g = roles_.verb;
  // "I can go home", "You must go home": "haza" is the prefix of the verb after "tud" and "kell"
  // too, before them ("Haza tudok menni", "Haza kell menned", "nem tudok hazamenni")
  if (!g.modal.empty() && g.modal != "cond" && g.main + 1 < n_ && !done_[g.main + 1] &&
      t_[g.main + 1].tag == PartOfSpeech::adverb && t_[g.main + 1].lemma == "home" && roles_.verbSense &&
      roles_.verbSense->prefix.empty() && t_[g.main].prefix.empty() &&
      plainSense(t_[g.main + 1], sense(g.main + 1)) == "haza") {
    homePrefix_ = true;
    done_[g.main + 1] = true;
  }
  // "sleep more than younger ones", "You should eat less": how much one does, alone after the
  // verb, is an amount before it, "Többet alszanak", "Kevesebbet kellene enned"
  if (!g.negative && !g.copula && !g.passive && g.main + 1 < n_ && !done_[g.main + 1] &&
      t_[g.main].lemma != "cost" && t_[0].tag != PartOfSpeech::question &&
      (t_[g.main + 1].lower == "more" || t_[g.main + 1].lower == "less") &&
      (g.main + 2 == n_ || t_[g.main + 1].pauseAfter || t_[g.main + 2].lower == "than") &&
      // ("attracted more than fifty thousand visitors": a number of things, "több mint ötvenezer")
      !(g.main + 3 < n_ && t_[g.main + 2].lower == "than" && (t_[g.main + 3].tag == PartOfSpeech::number || t_[g.main + 3].lower == "a")) &&
      (!roles_.object || roles_.object->begin == g.main + 1)) {
    emit(t_[g.main + 1].lower == "more" ? "t\xC3\xB6" "bbet" : "kevesebbet", g.main + 1);
    done_[g.main + 1] = true;
    if (roles_.object) objectDone_ = true;
    modalFocus_ = g.future || !g.modal.empty();
    return;
  }
  // "enjoyed the novel much more than I expected", "likes tea more than coffee": "more" past the
  // verb's object says how much the verb is so, before the verb, "jobban", "less" "kevésbé"
  // ("Sokkal jobban élveztem a regényt, mint vártam")
  if (!g.negative && !g.copula && !g.passive && !g.possession && roles_.object && !objectDone_ &&
      roles_.object->end < n_ && g.main < roles_.object->begin && t_[0].tag != PartOfSpeech::question) {
    static constexpr std::pair<std::string_view, std::string_view> kHowMuchMore[] = {
        {"much", "sokkal"}, {"far", "sokkal"}, {"a lot", "sokkal"}, {"even", "m\xC3\xA9g"}};
    const std::size_t at = roles_.object->end;
    std::size_t more = at;
    std::string_view by;
    for (const auto& [english, hungarian] : kHowMuchMore)
      if (t_[at].lower == english && at + 1 < n_ && !t_[at].pauseAfter) more = at + 1, by = hungarian;
    if (!done_[more] && (t_[more].lower == "more" || t_[more].lower == "less") &&
        (more + 1 == n_ || t_[more].pauseAfter || t_[more + 1].lower == "than") &&
        !(more + 2 < n_ && t_[more + 1].lower == "than" &&
          (t_[more + 2].tag == PartOfSpeech::number || t_[more + 2].lower == "a"))) {
      if (!by.empty()) emit(std::string(by), at);
      emit(t_[more].lower == "more" ? "jobban" : "kev\xC3\xA9sb\xC3\xA9", more);
      for (std::size_t k = at; k <= more; ++k) done_[k] = true;
      modalFocus_ = g.future || !g.modal.empty();
      return;
    }
  }
  // "It will cost more", "costs a lot": how much a thing costs is the focus, in the case the
  // verb asks for, "Többe fog kerülni", "sokba kerül"
  if (!g.negative && g.main + 1 < n_ && !done_[g.main + 1] && t_[g.main].lemma == "cost" && roles_.verbSense &&
      roles_.verbSense->note("obj") == "ba") {
    static constexpr std::pair<std::string_view, std::string_view> kHowMuch[] = {
        {"more", "t\xC3\xB6" "bbe"}, {"less", "kevesebbe"}, {"much", "sokba"}, {"a lot", "sokba"}};
    for (const auto& [english, hungarian] : kHowMuch)
      if (t_[g.main + 1].lower == english && !(g.main + 2 < n_ && startsNounPhrase(g.main + 2) &&
                                               t_[g.main + 2].lower != "than")) {
        emit(std::string(hungarian), g.main + 1);
        done_[g.main + 1] = true;
        modalFocus_ = g.future || !g.modal.empty();  // ("Többe fog kerülni")
        return;
      }
  }
  // "It took me an hour": the time is the focus, "Egy órámba telt"
  if (!g.negative && !objectDone_ && timeTakenByPerson()) {
    const Token& who = t_[roles_.indirect->head];
    emitNounPhrase(*roles_.object, Case::illative, "", who.person, who.plural);
    for (std::size_t k = roles_.object->begin; k < roles_.object->end; ++k) done_[k] = true;
    objectDone_ = true;
    return;
  }
  // "said nothing", "saw nobody": "semmit sem mondott", "senkit sem látott", the object and
  // "sem" before the verb, whose prefix follows ("semmit sem vett észre")
  if (roles_.object && !g.negative && !g.imperative && roles_.object->begin == roles_.object->head &&
      roles_.objectCase == Case::accusative && !objectDone_) {
    const std::string& o = t_[roles_.object->head].lemma;
    if (o == "nothing" || o == "nobody" || o == "no one") {
      emit(o == "nothing" ? "semmit" : "senkit", roles_.object->head);
      emit("sem", roles_.object->head);
      for (std::size_t k = roles_.object->begin; k < roles_.object->end; ++k) done_[k] = true;
      objectDone_ = true;
      splitPrefix_ = true;
      return;
    }
  }
  // "Only Anna came to the party": the subject "csak" says is the focus, right before the verb,
  // whose prefix follows it; the rest comes after ("Csak Anna jött el a buliba")
  if (roles_.subject && roles_.subject->begin > 0 && t_[roles_.subject->begin - 1].lower == "only" &&
      !roles_.inverted && !g.negative && !g.imperative && t_[0].tag != PartOfSpeech::question) {
    splitPrefix_ = modalFocus_ = true;
    return;
  }
  // "Hová kellene mennünk?", "Mit fogsz csinálni?": the question word is the focus, the modal
  // or "fog" follows it and the infinitive comes after them ("Nem tudom, mit kellene tennem")
  if (!g.negative && (!g.modal.empty() || g.future) &&
      (t_[0].tag == PartOfSpeech::question || (before_.asked && !before_.yesNo))) {
    modalFocus_ = true;
    return;
  }
  // "Több vizet kellene innod", "Iskolába kell mennem", "Három nyelvet tud": where one goes or a
  // bare object stands before "kell" or "tud", the infinitive after them
  if (!g.negative && !g.future && !g.imperative && !objectClausePronoun_ && !roles_.inverted &&
      t_[0].tag != PartOfSpeech::question && g.main + 1 < n_ &&
      (g.modal == "kell" || g.modal == "kellene" || g.modal == "tud")) {
    modalFocus_ = emitGoalFirst() || emitBareObjectFirst();
    return;
  }
  // "The repair will cost about 400 euros", "will buy bread": so before "fog" ("400 euróba fog
  // kerülni", "kenyeret fog venni")
  if (!g.negative && g.future && g.modal.empty() && !g.imperative && !objectClausePronoun_ && !roles_.inverted &&
      t_[0].tag != PartOfSpeech::question && g.main + 1 < n_ && !g.copula && !g.passive) {
    modalFocus_ = emitGoalFirst() || emitBareObjectFirst();
    if (modalFocus_) return;
  }
  // "Leave the building immediately", "stir well": "Azonnal hagyd el az épületet", "jól keverd",
  // how stands before the imperative, whose prefix follows it anyway; where ("Fordulj balra")
  // stays after
  if (g.imperative && !g.negative && g.main + 1 < n_) {
    emitMannerFirst(true);
    return;
  }
  // "Why did you call me?": the question word is the focus, the prefix follows the verb
  // ("Miért hívtál fel?", "Ki írta meg?")
  if (t_[0].tag == PartOfSpeech::question && !g.negative && g.modal.empty() && !g.future && !g.imperative)
    splitPrefix_ = true;
  // "has not worked since Monday", "hasn't rained for weeks": the time since which it has not
  // been so stands before the negation ("hétfő óta nem működik", "hetek óta nem esett")
  if (g.negative && g.modal.empty() && !g.future && !g.imperative && !objectClausePronoun_ &&
      t_[0].tag != PartOfSpeech::question && g.main + 1 < n_ && g.have != n_) {
    emitTimeFirst(g.main + 1, true);
    return;
  }
  if (g.negative || !g.modal.empty() || g.future || g.imperative || objectClausePronoun_ ||
      t_[0].tag == PartOfSpeech::question || g.main + 1 >= n_)
    return;
  if (emitCountedTimeFirst().value_or(false)) {
    splitPrefix_ = true;
    return;
  }
  // "rose (by) eight percent since spring": "tavasz óta nyolc százalékkal emelkedtek", how much
  // it changed nearest the verb, after the time
  if (const std::size_t by = changeMeasuredBy(); by != n_ || measuredChange_) {
    emitTimeFirst(g.main + 1);
    if (by == n_) {
      emitBareObjectFirst();
    } else {
      const std::size_t end = emitPrepositionalPhrase(by);
      for (std::size_t k = by; k < end; ++k) done_[k] = true;
    }
    splitPrefix_ = true;
    return;
  }
  const Sense* vs = roles_.verbSense;
  if (((vs && !vs->prefix.empty()) || !t_[g.main].prefix.empty()) && !plainIntransitive()) {
    if (g.passive) {
      if (emitTimeFirst(g.main + 1)) splitPrefix_ = true;
      return;
    }
    const bool time = emitTimeFirst(g.main + 1);
    // "Új adókat jelentett be": a bare object takes the prefix's place, which follows the verb
    // ("The train arrives at ten": so does the hour it happens at, "tízkor érkezik meg")
    if (emitBareObjectFirst() || (time && hourIsFocus()))
      splitPrefix_ = true;
    else if (!time)
      emitMannerFirst();
    return;
  }
  if (emitGoalFirst() || emitBareObjectFirst() || emitWhatItRestsOnFirst()) return;
  // "have risen sharply since January": how it was done stands nearest the verb, after the time
  // ("január óta meredeken emelkedtek")
  if (emitTimeFirst(g.main + 1)) {
    // ("The concert ends at ten": the hour before a change with its own prefix is its focus,
    // "tízkor ér véget")
    if (hourIsFocus() && changeOfItself()) splitPrefix_ = true;
    emitMannerFirst(true);
    return;
  }
  if (!emitHowOftenFirst() && !emitDurationFirst() && !emitMannerFirst()) emitPlaceFirst();
}

std::size_t Generator::emitVerbGroup(std::size_t pos) {
  const VerbGroup& g = roles_.verb;
  if (g.possession) return emitPossession();
  if (const std::string_view rule = permission(); !rule.empty()) {
    emit(std::string(rule), g.main);
    return g.main + 1;
  }
  if (g.copula) return emitCopula(pos);
  if (expectedState_) {
    // "Heavy snow is expected on Tuesday": "Kedden nagy hó várható", what is expected said as its
    // state, the time before it
    emitTimeFirst(g.main + 1);
    if (!done_[roles_.subject->begin]) emitPassiveSubject();  // (else said first, as the topic)
    const bool plural = roles_.subject->plural;
    emit(plural ? "v\xC3\xA1rhat\xC3\xB3k" : "v\xC3\xA1rhat\xC3\xB3", g.main);
    if (g.past) emit(plural ? "voltak" : "volt", g.main);
    if (g.future) emit(plural ? "lesznek" : "lesz", g.main);
    return g.main + 1;
  }
  if (g.main != n_) {
    // "has already eaten", "will always remember": an adverb inside the verb group comes first
    // ("Már evett", "Mindig emlékezni fog"); "has also noticed": "szintén", as "is" needs a word
    // to follow. After the negation it follows the verb ("does not always make": "nem tesz
    // mindig"), which keeps "nem" before the verb.
    std::vector<std::size_t> afterVerb;
    bool negated = false;
    for (std::size_t k = pos + 1; k < g.main; ++k) {
      if (t_[k].tag == PartOfSpeech::negation) negated = true;
      if (t_[k].tag != PartOfSpeech::adverb || !t_[k].entry || done_[k] || t_[k].lower == "never" ||
          t_[k].lower == "yet")
        continue;
      // (so after "senki sem", the focus the verb follows: "Senki sem sérült meg súlyosan")
      if (negated || denialOnSubject()) {
        afterVerb.push_back(k);
      } else if (t_[k].lower == "also") {
        emit("szint\xC3\xA9n", k), done_[k] = true;
      } else if (t_[k].lower == "just" && g.have < k) {
        emit("\xC3\xA9ppen", k), done_[k] = true;  // "has just left": "éppen elment", no "csak"
      } else if (auto word = plainSense(t_[k], sense(k))) {
        emit(*word, k), done_[k] = true;
      }
    }
    if (!g.adverb.empty()) emit(std::string(g.adverb), g.firstAux);
    // "hasn't arrived yet": "Még nem érkezett meg", "yet" before the negation; asked, "már"
    // after the verb ("Befejezted már?", below); so does "have not yet announced" ("még nem
    // jelentették be")
    if (g.negative)
      for (std::size_t k = pos + 1; k < n_; ++k)
        if (k != g.main && t_[k].lower == "yet" && t_[k].tag == PartOfSpeech::adverb && !done_[k]) {
          emit("m\xC3\xA9g", k);
          done_[k] = true;
        }
    // "never" is "soha" before the negated verb: "Soha nem néznek tévét"
    for (std::size_t k = pos; k < g.main; ++k)
      if (t_[k].lower == "never") emit("soha", k);
    emitRepetitionFirst();
    // "zárva maradnak", "sápadtnak tűnsz"; negated after the verb ("nem maradt zárva")
    const std::size_t linked = linkedPredicate();
    if (linked != n_ && !g.negative)
      emitLinkedPredicate(linked);
    else if (denialOnSubject())
      splitPrefix_ = true;  // "Senki sem vette észre", "senki sem sérült meg": "sem" is the focus
    else
      emitBeforeVerb();
    // ("Bejelentette, hogy": a prefixed verb needs no "azt", which would take the prefix's place)
    const Sense* vs = roles_.verbSense;
    const bool prefixed = (vs && !vs->prefix.empty()) || !t_[g.main].prefix.empty() ||
                          (perfective_ && vs && !vs->note("perf").empty());
    // (one in another case follows a prefixed verb or an imperative: "Rámutatott arra, hogy",
    // "Győződjön meg arról, hogy"; "Arra figyelmeztettek, hogy")
    const bool caseAfterVerb = objectClausePronoun_ && objectClauseCase_ && (prefixed || g.imperative);
    // "She left the door open": the state an object is left in stands before the verb ("Nyitva
    // hagyta az ajtót"), after an imperative ("Hagyja nyitva az ajtót"); a pair of them stays
    // in its place ("hűvösen és szárazon")
    const bool stateNearVerb = keptState_ < n_ && !done_[keptState_] && !g.negative &&
                               !(roles_.object && roles_.object->pronoun) &&  // ("tartsa őt melegen")
                               !(keptState_ + 1 < n_ && (t_[keptState_ + 1].lower == "and" || t_[keptState_ + 1].lower == "or"));
    if (stateNearVerb) keptPrefix_ = keptStateWord(keptState_) + " ", done_[keptState_] = true;
    // "Fehérre festette a falat", "Törölje tisztára", "Nem festette fehérre"
    const bool resultNearVerb = resultAfter_ < n_ && !done_[resultAfter_];
    if (resultNearVerb && verbOfResult(resultAfter_)) done_[resultAfter_] = true;
    if (resultNearVerb && !done_[resultAfter_] && !g.imperative && !g.negative)
      emit(resultWord(resultAfter_), resultAfter_), done_[resultAfter_] = true;
    if (objectClausePronoun_ && objectClauseCase_ && !caseAfterVerb)
      emit(demonstrative(false, false, *objectClauseCase_), g.main);
    // (an instruction says its clause bare: "Ellenőrizze, hogy", not "Azt ellenőrizze", a focus)
    else if (objectClausePronoun_ && !objectClauseCase_ && !prefixed && !g.imperative &&
             !takesBareThatClause(t_[g.main], vs))
      emit("azt", g.main);
    else if (mannerClausePronoun_ || (asIfFollows_ && !g.negative && t_[g.main].lemma != "pretend")) {
      emit("\xC3\xBAgy", g.main);
      splitPrefix_ = asIfFollows_;  // ("Úgy nézett ki": the focus before the verb, its prefix after)
    }
    // "spent the afternoon building a shed": what the time went on, "azzal töltötte a délutánt, hogy"
    else if (objectClause_ && roles_.object && !roles_.object->pronoun && t_[g.main].lemma == "spend" &&
             !g.negative)
      emit("azzal", g.main);
    emitVerb(g.main, (roles_.object.has_value() && !measuredChange_) || (g.passive && roles_.subject), g.negative,
             g.future, g.past,
             g.imperative, roles_.agreement, g.modal);
    if (feelsOneself() || changesOnesMind()) emit(reflexiveOf(roles_.agreement, g.imperative, before_.formal), g.main);
    if (allowsOneself()) emit(reflexiveWith(roles_.agreement, g.imperative, before_.formal, true), g.main);
    if (resultNearVerb && !done_[resultAfter_])
      emit(resultWord(resultAfter_), resultAfter_), done_[resultAfter_] = true;
    if (caseAfterVerb) emit(demonstrative(false, false, *objectClauseCase_), g.main);
    for (const std::size_t k : afterVerb)
      if (auto word = plainSense(t_[k], sense(k))) emit(*word, k), done_[k] = true;
    if (linked != n_ && g.negative) emitLinkedPredicate(linked);
    if (!g.negative && (t_[0].tag == PartOfSpeech::auxiliary || t_[0].tag == PartOfSpeech::modal) &&
        roles_.inverted)
      for (std::size_t k = g.main + 1; k < n_; ++k)
        if (t_[k].lower == "yet" && t_[k].tag == PartOfSpeech::adverb && !done_[k]) {
          emit("m\xC3\xA1r", k);
          done_[k] = true;
        }
    if (roles_.subject && roles_.subject->pronoun && t_[roles_.subject->head].lower == "it" &&
        t_[g.main].lemma == "rain")
      emit("az", g.main), emit("es\xC5\x91", g.main);  // "It was raining": "esett az eső"
    return g.main + 1;  // the particle of a phrasal verb was folded into the verb token
  }
  // "..., but he never did": "do" standing for the verb before is doing it, "de soha nem tette
  // meg"; other auxiliaries without a verb after them ("Yes, I can.") say nothing
  if (g.doSupport && before_.linked && pos == g.firstAux && roles_.subject && roles_.subject->pronoun &&
      std::all_of(t_.begin() + std::ptrdiff_t(pos), t_.end(), [](const Token& k) {
        return k.tag == PartOfSpeech::auxiliary || k.tag == PartOfSpeech::negation || k.lower == "never";
      })) {
    Agreement a = roles_.agreement;
    a.definite = true;
    const VerbStem doIt{"tesz", "meg", ""};
    const std::string form = conjugate(doIt, g.past ? Tense::past : Tense::present, a);
    const bool never = std::any_of(t_.begin() + std::ptrdiff_t(pos), t_.end(),
                                   [](const Token& k) { return k.lower == "never"; });
    if (never) emit("soha", pos);
    if (g.negative || never)
      emit("nem", pos), emit(form, pos), emit(doIt.prefix, pos);
    else
      emit(doIt.prefix + form, pos);
    return n_;
  }
  // "when you can", "if you can", "as soon as you can": being able closing its clause, "tud"
  // ("amikor tud", "ha tudsz")
  if (before_.linked && pos == g.firstAux && g.main == n_ && (t_[pos].lower == "can" || t_[pos].lower == "could") &&
      std::all_of(t_.begin() + std::ptrdiff_t(pos), t_.end(), [](const Token& k) {
        return k.tag == PartOfSpeech::modal || k.tag == PartOfSpeech::negation;
      })) {
    Agreement a = roles_.agreement;
    a.definite = a.youObject = false;
    const std::string form = conjugate(VerbStem{"tud", "", ""}, t_[pos].lower == "could" ? Tense::past : Tense::present, a);
    if (g.negative) emit("nem", pos);
    emit(form, pos);
    return n_;
  }
  return pos + 1;
}

// "She asked me where the station was": where the one asked takes a case of its own ("tőlem"),
// the question after is the verb's object, said with the definite verb ("Megkérdezte tőlem,
// hol"), whether the one asked is named or not.
bool Generator::clauseIsTheObjectPast(Case objectCase, const Sense* verbSense) const {
  return objectCase != Case::accusative && verbSense && !verbSense->noObject && verbSense->note("that").empty() &&
         !verbSense->note("obj").empty();
}

// "Can you check on it?", "I'm not used to it": an "it" in the case the verb's prefix names is
// said by the prefix alone ("Rá tudsz nézni?", "Nem szoktam hozzá"), never twice.
bool Generator::saidByThePrefix(const NounPhrase& object) const {
  if (!object.pronoun || t_[object.head].lower != "it" || !roles_.verbSense || roles_.verbSense->prefix.empty())
    return false;
  const std::optional<std::string> pronoun = pronounInCase(3, false, roles_.objectCase);
  return pronoun && *pronoun == roles_.verbSense->prefix;
}

// "Call me when you arrive", "Why did you call me?": Hungarian leaves an unstressed "engem"
// unsaid ("Hívjon fel, amikor megérkezik", "Miért hívtál fel?"); one stressed, "only me",
// "call me instead", keeps it.
bool Generator::unstressedMe(const NounPhrase& object) const {
  static constexpr std::string_view kStressing[] = {"instead", "only", "even", "too", "either"};
  if (!object.pronoun || object.end != object.begin + 1 || t_[object.head].lower != "me" ||
      roles_.objectCase != Case::accusative)
    return false;
  return std::none_of(t_.begin(), t_.end(), [](const Token& k) { return listed(kStressing, k.lower); });
}

std::size_t Generator::emitObject(std::size_t pos) {
  const NounPhrase& object = *roles_.object;
  if (emitGenericArticle_) emit("a", pos);
  // "felhívlak": the verb says "you" already; "read it": "elolvasta", the definite verb says "it"
  const bool it = object.pronoun && t_[object.head].lower == "it" && roles_.objectCase == Case::accusative;
  if (!(roles_.agreement.youObject && object.pronoun) && !it && !saidByThePrefix(object) && !unstressedMe(object))
    emitNounPhrase(object, roles_.objectCase);
  lastCase_ = roles_.objectCase;
  objectDone_ = true;
  return object.end;
}

// "to" and its verb: the infinitive.
std::size_t Generator::emitInfinitive(std::size_t pos) {
  const Token& verb = t_[pos + 1];
  // ("want to go home": "akarunk hazamenni", the verb of going takes "haza")
  const bool home = homePrefix_ && roles_.verb.main != n_ && pos == roles_.verb.main + 1;
  // "decided not to go": "úgy döntött, nem menni" says the "not" before the infinitive
  if (pos > 0 && t_[pos - 1].lower == "not" && pos - 1 > roles_.verb.main && roles_.verb.main != n_)
    emit("nem", pos - 1);
  auto emitVerb = [&] {
    if (const Sense* s = coreSense(verb, sense(pos + 1))) {
      // ("Leave the paint to dry": what it is to become by itself, "megszáradni"; "dry out":
      // its particle the prefix, "kiszáradni")
      VerbStem stem = t_[pos].leftToDo && !s->note("intr").empty() ? intransitiveOf(*s, true, VerbForm::base)
                                                                    : VerbStem{s->word, s->prefix, ""};
      if (const std::size_t p = pos + 2; t_[pos].leftToDo && p < n_ && !done_[p] &&
                                         t_[p].tag == PartOfSpeech::adverb && listed(kDirectionParticles, t_[p].lower))
        stem.prefix = directionPrefix(p), done_[p] = true;
      // ("want to come fishing": the prefix the English gave the verb, "eljönni horgászni")
      if (stem.prefix.empty()) stem.prefix = verb.prefix;
      emit((stem.prefix.empty() && home ? std::string("haza") : stem.prefix) + infinitiveOf(stem), pos + 1);
    } else
      emit(plainSense(verb, sense(pos + 1)).value_or(verb.written), pos + 1,
           verb.entry || !verb.dictionarySenses.empty());
  };
  // "It is important to drink water": with no main verb in the clause the infinitive's object
  // is its own, in the case the verb asks for ("vizet inni")
  // ("a plan to build two schools", "asked everyone to contact them": so too after a verb whose
  // own object stands elsewhere: "két iskolát", "őket"; "it" the infinitive says alone)
  const Sense* vs = coreSense(verb, sense(pos + 1));
  const bool ownObject = roles_.verb.main == n_ || pos + 1 > roles_.verb.main + 1;
  if (ownObject && roles_.verb.main != n_ && pos + 2 < n_ && !done_[pos + 2] && t_[pos + 2].lower == "it") {
    emitVerb();
    done_[pos + 2] = true;
    return pos + 3;
  }
  if (ownObject && pos + 2 < n_ && !done_[pos + 2] && startsNounPhrase(pos + 2) && !(vs && vs->noObject) &&
      !(roles_.object && roles_.object->begin == pos + 2) &&
      // ("too late to call him": "felhívni őt"; a pronoun with its own verb after it is no object)
      (roles_.verb.main != n_ || t_[pos + 2].tag != PartOfSpeech::pronoun ||
       !(pos + 3 < n_ &&
         (t_[pos + 3].tag == PartOfSpeech::verb || t_[pos + 3].tag == PartOfSpeech::auxiliary ||
          t_[pos + 3].tag == PartOfSpeech::modal)))) {
    const NounPhrase object = readNounPhrase(pos + 2);
    const std::string_view obj = vs ? vs->note("obj") : std::string_view();
    // a bare object stands before the infinitive ("vizet inni", "két iskolát építeni"); one
    // with its article or a pronoun after it ("megkeresni őket")
    const Token& first = t_[object.begin];
    const bool bare = !object.pronoun && !object.definite && first.tag != PartOfSpeech::determiner;
    if (!bare) emitVerb();
    emitNounPhrase(object, obj.empty() ? Case::accusative : caseNamed(obj));
    if (bare) emitVerb();
    for (std::size_t k = object.begin; k < object.end; ++k) done_[k] = true;
    return object.end;
  }
  emitVerb();
  return pos + 2;
}

// "want to be a doctor", "try to be quiet": what one wants or tries to be, the predicate and the
// infinitive of "lesz" after it ("orvos lenni", "csendes lenni"); `pos` again where what follows
// is no predicate ("to be paid", "to be there").
// ("don't want to be late": a feeling said with a verb, its infinitive, "elkésni")
std::size_t Generator::emitInfinitiveOfBe(std::size_t pos) {
  static constexpr std::string_view kWantingToBe[] = {
      "want", "like",  "love",  "prefer", "try",   "wish",  "deserve", "learn",   "plan",
      "hate", "choose", "start", "begin", "continue", "intend", "aim",  "forget", "remember"};
  const std::size_t pred = pos + 2;
  if (pos == 0 || t_[pos - 1].tag != PartOfSpeech::verb || !listed(kWantingToBe, t_[pos - 1].lemma)) return pos;
  if (const FeelingVerb* f = feelingVerb(t_[pred].lower);
      f && f->adjective != "sorry" && f->adjective != "glad" && (pred + 1 == n_ || t_[pred + 1].tag != PartOfSpeech::noun)) {
    const VerbStem stem{std::string(f->verb), std::string(f->prefix), ""};
    emit(stem.prefix + infinitiveOf(stem), pred);
    return pred + 1;
  }
  if (t_[pred].tag != PartOfSpeech::adjective && !(startsNounPhrase(pred) && t_[pred].tag != PartOfSpeech::pronoun))
    return pos;
  const std::size_t end = emitPredicate(pred);
  if (end == pred) return pos;
  emit("lenni", pos + 1);
  return end;
}

// A preposition and its noun phrase: the case the verb or the noun asks for, a time with "-kor",
// a postposition, or the preposition's own case.
// The case (or postposition) a preposition takes before `np`: the verb's note, the noun's,
// then the preposition's own.
Generator::PrepositionChoice Generator::choosePreposition(std::size_t pos, const NounPhrase& np) const {
  const std::string& p = t_[pos].lower;
  const Sense* verbSense = roles_.verbSense;
  PrepositionChoice r;

  if (verbSense && !verbSense->note(p).empty()) r.c = caseNamed(verbSense->note(p));
  // ("like listening to music", "want to listen to the radio": an infinitive right before the
  // preposition governs it by its own note, "zenét hallgatni")
  if (pos > 0 && pos - 1 != roles_.verb.main && t_[pos - 1].tag == PartOfSpeech::verb)
    if (const Sense* own = coreSense(t_[pos - 1], sense(pos - 1)); own && !own->note(p).empty())
      r.c = caseNamed(own->note(p));
  // a verb's "to" of a person ("send it to her": "elküldi neki") is no person's with an address
  // or a surface, which says itself how one gets there: "a lakcímére küldték" (a place one goes
  // into may be the office addressed: "elküldte a banknak")
  if (p == "to" && r.c == Case::dative && !np.pronoun && !np.name && t_[np.head].tag == PartOfSpeech::noun)
    if (const Sense* hs = coreSense(t_[np.head], sense(np.head));
        hs && !hs->person && !hs->note("to").empty() && hs->note("to") != "ba")
      r.c = caseNamed(hs->note("to"));
  // "What do you think of it?", "what she thought about the plan": asked what one thinks of a
  // thing is one's opinion of it, "Mit gondolsz róla?" ("think of my mother" stays "rá")
  if ((p == "of" || p == "about") && roles_.verb.main != n_ && roles_.verb.main < pos &&
      t_[roles_.verb.main].lemma == "think" &&
      std::any_of(t_.begin(), t_.begin() + std::ptrdiff_t(roles_.verb.main),
                  [](const Token& k) { return k.lower == "what"; }))
    r.c = Case::delative;
  // "from nine to five", "from Monday to Friday": a span of time, "kilenctől ötig", "hétfőtől
  // péntekig"
  if (!r.c && p == "from" && timeLike(np) && np.end < n_ &&
      (t_[np.end].lower == "to" || t_[np.end].lower == "until" || t_[np.end].lower == "till"))
    r.c = Case::ablative;
  // "postponed the meeting until Friday": to the new time, "péntekre halasztották"
  if (!r.c && (p == "until" || p == "till") && postponing() && timeLike(np)) r.c = Case::sublative;
  if (!r.c && p == "to" && timeLike(np))
    for (std::size_t k = pos; k-- > 0 && k + 4 >= pos;)
      if (t_[k].lower == "from" && startsNounPhrase(k + 1)) {
        const NounPhrase start = readNounPhrase(k + 1);
        if (start.end == pos && timeLike(start)) r.c = Case::terminative;
        break;
      }
  // "by 2030": a deadline, "2030-ig"
  if (!r.c && p == "by" && yearAlone(np)) r.c = Case::terminative;
  // "finish by eleven", "home by six": an hour alone is a deadline too, "tizenegyig"; not the
  // amount of a change or of a sum ("rose by eleven", "won by two", "divide by three") nor a
  // pace ("two by two")
  if (!r.c && p == "by" && hourAlone(np) && !(pos > 0 && t_[pos - 1].tag == PartOfSpeech::number)) {
    static constexpr std::string_view kByHowMuch[] = {"win", "lose", "beat", "lead", "divide", "multiply",
                                                      "miss", "exceed", "outnumber", "reduce", "cut"};
    const VerbGroup& g = roles_.verb;
    if (g.main == n_ || (!listed(kChangesOfAmount, t_[g.main].lemma) && !listed(kByHowMuch, t_[g.main].lemma)))
      r.c = Case::terminative;
  }
  // "kind of you", "silly of me": whose deed it was that was so, "kedves tőled"
  static constexpr std::string_view kOfWhoseDeed[] = {"kind",     "nice",  "good", "sweet",     "generous", "thoughtful",
                                                      "clever",   "smart", "wise", "stupid",    "silly",    "rude",
                                                      "brave",    "mean",  "cruel", "careless", "polite",   "foolish"};
  if (!r.c && p == "of" && np.pronoun && pos > 0 && t_[pos - 1].tag == PartOfSpeech::adjective &&
      listed(kOfWhoseDeed, t_[pos - 1].lemma))
    r.c = Case::ablative;
  // "two kilometres from the beach": how far off, from it, "a strandtól"
  if (!r.c && p == "from" && pos > 0 && t_[pos - 1].distance) r.c = Case::ablative;
  // "from the first minute", "from the beginning": from that time on, "az első perctől", "a
  // kezdettől", no place it comes out of
  if (!r.c && p == "from" && !np.pronoun && t_[np.head].tag == PartOfSpeech::noun &&
      (unitOfTime(t_[np.head].lemma) || t_[np.head].lemma == "beginning" || t_[np.head].lemma == "start" ||
       t_[np.head].lemma == "moment"))
    r.c = Case::ablative;
  // "from January", "from Monday", "from 2025": from then on, "januártól", "hétfőtől"
  if (!r.c && p == "from" && (yearAlone(np) || (timeLike(np) && t_[np.head].tag == PartOfSpeech::noun)))
    r.c = Case::ablative;
  // "drifted out of the kitchen": out of a place is from inside it, "a konyhából"
  if (!r.c && p == "of" && pos > 0 && (t_[pos - 1].lower == "out" || t_[pos - 1].prefix == "ki") &&
      !np.pronoun)
    r.c = Case::elative;
  // an adjective or a set phrase right before governs too: "proud of": "büszke vmire", "thank
  // you for": "köszönöm" with the accusative
  // ("thank you again for", "thank you so much for": past "again" and the much left unsaid)
  std::size_t governor = pos > 0 ? pos - 1 : 0;
  while (governor > 0 && (t_[governor].lower == "again" || muchOfThanks(t_[governor]))) --governor;
  if (const Token* before = pos > 0 ? &t_[governor] : nullptr;
      !r.c && before && (before->tag == PartOfSpeech::adjective || before->tag == PartOfSpeech::adverb))
    if (const Sense* bs = coreSense(*before, sense(governor)); bs && !bs->note(p).empty())
      r.c = caseNamed(bs->note(p));
  const Sense* headSense = coreSense(t_[np.head], sense(np.head));
  // where the verb's action goes, the noun says how one gets there: "az állomásra érkezett"
  if (r.c == Case::illative && headSense && !headSense->note("to").empty() && !np.pronoun)
    r.c = caseNamed(headSense->note("to"));
  // "ran into the street": "az utcára", as the noun says one goes there
  if (!r.c && p == "into" && headSense && !headSense->note("to").empty() && !np.pronoun)
    r.c = caseNamed(headSense->note("to"));
  if (!r.c && headSense && !headSense->note(p).empty() && (p != "by" || meansOfBy(np)))
    r.c = caseNamed(headSense->note(p));
  // "a letter from my teacher", "heard it from her": what comes from a person comes "-tól"
  // ("a tanáromtól", "tőle"); from a place or a thing it comes out of it ("a boltból")
  if (!r.c && p == "from" &&
      (np.pronoun ? t_[np.head].lower != "it" && t_[np.head].lower != "this" && t_[np.head].lower != "that"
                  : headSense && headSense->person))
    r.c = Case::ablative;
  // "from the roof", "from the station": off what one goes onto, "a tetőről", "az állomásról"
  // (and off what one is on: "rescued from the mountain", "a hegyről"; "got off from the bus")
  if (!r.c && p == "from" && headSense && !np.pronoun &&
      (headSense->note("to") == "ra" || headSense->note("at") == "on" || headSense->note("in") == "n" ||
       headSense->note("on") == "n" || headSense->note("on") == "on"))
    r.c = Case::delative;
  r.own = !r.c;
  // "by the fire", "by the door": beside it ("a tűz mellett"); "by the end of the year": until
  // then ("az év végéig"); a bare noun stays the means ("by bus": "busszal")
  if (!r.c && p == "by" && !np.pronoun && !np.name &&
      (t_[np.begin].tag == PartOfSpeech::determiner || t_[np.begin].tag == PartOfSpeech::possessive)) {
    if (t_[np.head].lemma == "end" || (headSense && !headSense->note("time").empty()))
      r.c = Case::terminative;
    else
      r.c = Case::nominative, r.post = "mellett";
  }
  // "closed for repairs", "shut for cleaning": what it is closed for is why, "javítások miatt"
  if (!r.c && p == "for" && !np.pronoun && t_[np.head].tag == PartOfSpeech::noun && closedBefore(pos) &&
      t_[np.begin].tag != PartOfSpeech::determiner && t_[np.begin].tag != PartOfSpeech::possessive &&
      t_[np.begin].tag != PartOfSpeech::number && !isDuration(np) && !(headSense && headSense->person) &&
      !(headSense && !headSense->note("time").empty()))
    r.c = Case::nominative, r.post = "miatt";
  // "over the holidays", "over the weekend": during that time, "a szabadságok alatt" ("over the
  // past three weeks" is "az elmúlt három hétben", said with the time before it comes here)
  if (!r.c && p == "over" && !np.pronoun && t_[np.head].tag == PartOfSpeech::noun &&
      (listed(kSpansOfTime, t_[np.head].lemma) || (headSense && !headSense->note("time").empty())))
    r.c = Case::nominative, r.post = "alatt";
  // "during baking": a bare action is what goes on meanwhile, "sütés közben"
  if (!r.c && p == "during" && np.head == np.begin && !np.plural && t_[np.head].tag == PartOfSpeech::noun &&
      t_[np.head].lower.ends_with("ing"))
    r.c = Case::nominative, r.post = "k\xC3\xB6zben";
  if (const auto post = postpositionFor(p); !r.c && post) {
    r.c = post->second, r.post = std::string(post->first);
    // "Put the box under the bed", "fell below zero": where a thing is put or falls to, "az ágy
    // alá", "nulla alá"
    static constexpr std::string_view kWhereTo[] = {"under", "below", "beneath",  "behind", "above",
                                                    "in front of", "next to", "beside", "between", "near"};
    if (const std::string_view to = goalOfPostposition(r.post);
        !to.empty() && listed(kWhereTo, p) && roles_.verb.main != n_ && roles_.verb.main < pos &&
        (putsOrFallsSomewhere(t_[roles_.verb.main]) ||
         // ("sat down next to me": "leült mellém")
         ((t_[roles_.verb.main].lemma == "sit" || t_[roles_.verb.main].lemma == "lie") &&
          roles_.verbSense && roles_.verbSense->prefix == "le")))
      r.post = std::string(to);
  }
  // "to London": into the place a name names
  if (!r.c && p == "to" && np.name) r.c = Case::illative;
  if (!r.c) r.c = caseOfPreposition(p);
  // "have been to London", "has been to the doctor": where one has been, not gone, "Londonban
  // volt", "az orvosnál volt"
  if (p == "to" && roles_.verb.copula && roles_.verb.have != n_ && r.post.empty() && !np.pronoun) {
    if (r.c == Case::illative) r.c = Case::inessive;
    else if (r.c == Case::sublative) r.c = Case::superessive;
    else if (r.c == Case::allative) r.c = Case::adessive;
  }
  return r;
}

// The case a date takes after a preposition: on the day ("12-én"), by it ("12-ig"), from it
// ("12-étől"); none after another.
std::optional<Case> caseOfDate(std::string_view preposition) {
  if (preposition == "on") return Case::superessive;
  if (preposition == "from") return Case::ablative;
  if (deadline(preposition)) return Case::terminative;
  return std::nullopt;
}

// "-án" on the day is "-ától" from it: the ending's long vowel stays, "-tól/-től" after it.
std::string fromTheDay(std::string onTheDay) {
  onTheDay.pop_back();
  const bool back = onTheDay.ends_with("\xC3\xA1");
  return onTheDay + (back ? "t\xC3\xB3l" : "t\xC5\x91l");
}

// A day of a month as Hungarian writes it, its ordinal's case after a hyphen: "12-én" (on),
// "12-ig" (by), "12-étől" (from), "1-jén", "2-án", "20-án".
std::string dayOfMonth(long long day, Case c) {
  const std::string digits = std::to_string(day);
  if (c == Case::terminative) return digits + "-ig";
  if (c == Case::ablative) return fromTheDay(dayOfMonth(day, Case::superessive));
  if (c != Case::superessive) return digits + ".";
  static constexpr std::string_view kOn[] = {"\xC3\xA9n", "\xC3\xA9n", "\xC3\xA9n", "\xC3\xA1n", "\xC3\xA9n",
                                             "\xC3\xA9n", "\xC3\xA1n", "\xC3\xA9n", "\xC3\xA1n", "\xC3\xA9n"};
  std::string_view suffix = kOn[day % 10];
  if (day == 1) suffix = "j\xC3\xA9n";  // "elsején"
  if (day == 2) suffix = "\xC3\xA1n";   // "másodikán"
  if (day == 20 || day == 30) suffix = "\xC3\xA1n";
  return digits + "-" + std::string(suffix);
}

// The days of the month English writes as ordinals, with the Hungarian day said in words
// ("elseje", "másodika"); the later ones are written in digits ("14-én").
constexpr std::pair<std::string_view, std::string_view> kDayOrdinals[] = {
    {"first", "elseje"},
    {"second", "m\xC3\xA1sodika"},
    {"third", "harmadika"},
    {"fourth", "negyedike"},
    {"fifth",
     "\xC3\xB6t\xC3\xB6"
     "dike"},
    {"sixth", "hatodika"},
    {"seventh", "hetedike"},
    {"eighth", "nyolcadika"},
    {"ninth", "kilencedike"},
    {"tenth", "tizedike"},
};

// The day an ordinal names, "third" or "14th" (a digit's "st", "nd", "rd", "th"), else 0.
long long ordinalDay(std::string_view w) {
  for (std::size_t i = 0; i < std::size(kDayOrdinals); ++i)
    if (kDayOrdinals[i].first == w) return static_cast<long long>(i) + 1;
  if (w.size() < 3 || w.size() > 4 ||
      !(w.ends_with("st") || w.ends_with("nd") || w.ends_with("rd") || w.ends_with("th")))
    return 0;
  const std::string_view digits = w.substr(0, w.size() - 2);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
  const long long day = std::stoll(std::string(digits));
  return day >= 1 && day <= 31 ? day : 0;
}

const std::string_view* ordinalDayStem(long long day) {
  return day >= 1 && day <= static_cast<long long>(std::size(kDayOrdinals)) ? &kDayOrdinals[day - 1].second
                                                                            : nullptr;
}

// "elseje" on the day is "elsején", by it "elsejéig", from it "elsejétől": the last vowel long
// before the ending.
std::string dayInWords(std::string_view stem, Case c) {
  std::string w(stem.substr(0, stem.size() - 1));
  const bool front = stem.back() == 'e';
  w += front ? "\xC3\xA9" : "\xC3\xA1";
  if (c == Case::ablative) return fromTheDay(w + "n");
  return w + (c == Case::terminative ? "ig" : "n");
}

// "on 12 May", "on May 12", "by 3 June 2021": "május 12-én", "2021. június 3-ig"; the token
// after the date, or nothing when the phrase is no date.
std::optional<std::size_t> Generator::emitDate(std::size_t pos) {
  const std::string& p = t_[pos].lower;
  const std::optional<Case> dateCase = caseOfDate(p);
  if (!dateCase || pos + 2 >= n_) return std::nullopt;
  static constexpr std::string_view kMonths[] = {"january",   "february", "march",    "april",
                                                 "may",       "june",     "july",     "august",
                                                 "september", "october",  "november", "december"};
  auto month = [&](std::size_t k) -> const Sense* {
    if (k >= n_ || t_[k].tag != PartOfSpeech::noun || !listed(kMonths, t_[k].lemma)) return nullptr;
    const Sense* s = coreSense(t_[k], sense(k));
    return s && !s->note("time").empty() ? s : nullptr;
  };
  auto day = [&](std::size_t k) {
    return k < n_ && t_[k].tag == PartOfSpeech::number && t_[k].value >= 1 && t_[k].value <= 31;
  };
  std::size_t m = 0, d = 0;
  // "on the first of July", "on the 14th of March": "július elsején", "március 14-én"
  if (pos + 4 < n_ && t_[pos + 1].lower == "the" && t_[pos + 3].lower == "of" && month(pos + 4)) {
    const long long ordinal = ordinalDay(t_[pos + 2].lower);
    if (ordinal == 0) return std::nullopt;
    emit(month(pos + 4)->word, pos + 4);
    const std::string_view* inWords = ordinalDayStem(ordinal);
    emit(inWords ? dayInWords(*inWords, *dateCase) : dayOfMonth(ordinal, *dateCase), pos + 2);
    return pos + 5;
  }
  // "leave on the 15th", "by the 3rd": the day of the month the text is in, "15-én", "3-ig" (an
  // ordinal in words may count anything: "on the third attempt")
  if (t_[pos + 1].lower == "the" && !t_[pos + 2].lower.empty() && t_[pos + 2].lower[0] >= '0' &&
      t_[pos + 2].lower[0] <= '9' && (pos + 3 >= n_ || t_[pos + 3].tag != PartOfSpeech::noun))
    if (const long long ordinal = ordinalDay(t_[pos + 2].lower); ordinal != 0) {
      emit(dayOfMonth(ordinal, *dateCase), pos + 2);
      return pos + 3;
    }
  if (day(pos + 1) && month(pos + 2))
    d = pos + 1, m = pos + 2;
  else if (month(pos + 1) && day(pos + 2))
    m = pos + 1, d = pos + 2;
  else
    return std::nullopt;
  std::size_t end = std::max(m, d) + 1;
  if (end < n_ && t_[end].tag == PartOfSpeech::number && t_[end].value >= 1000) {  // the year first
    emit(t_[end].written + ".", end);
    ++end;
  }
  emit(month(m)->word, m);
  emit(dayOfMonth(t_[d].value, *dateCase), d);
  return end;
}

// "by tomorrow", "by now": a deadline said of a moment is reached by then, "holnapra",
// "mostanra" ("until tomorrow" lasts up to it, "holnapig", and goes the noun's way).
constexpr std::pair<std::string_view, std::string_view> kByAMoment[] = {
    {"tomorrow", "holnapra"},
    {"tonight", "ma est\xC3\xA9re"},
    {"now", "mostanra"},
    {"then", "addigra"},
};

// "for the third day (in a row)", "for the second year": the one of a series it is, said as
// the time it happens, "a harmadik napon", "a második évben" ("for the first time" is a set phrase).
bool Generator::emitOrdinalTime(const NounPhrase& np) {
  if (np.pronoun || np.head != np.begin + 2 || t_[np.begin].lower != "the" || t_[np.head].plural ||
      t_[np.head].tag != PartOfSpeech::noun || t_[np.head].lemma == "time" || !unitOfTime(t_[np.head].lemma))
    return false;
  const Token& ordinal = t_[np.begin + 1];
  // (the last one of a whole too: "the last week of July", "július utolsó hetén")
  const bool lastOf = ordinal.lower == "last" && np.ofOwner;
  if (ordinal.tag != PartOfSpeech::adjective || (ordinalDay(ordinal.lower) == 0 && !lastOf)) return false;
  const Sense* unit = coreSense(t_[np.head], sense(np.head));
  const auto word = lastOf ? std::optional<std::string>("utols\xC3\xB3") : plainSense(ordinal, sense(np.begin + 1));
  if (!unit || unit->note("time").empty() || !word) return false;
  const Case when = caseNamed(unit->note("time"));
  // "the first week of August", "the second day of the trip": the whole the time is part of
  // owns it, said first, "augusztus első hetén", "az utazás második napján"
  if (np.ofOwner) {
    emitNounPhrase(readNounPhrase(np.ofOwner), Case::nominative);
    emit(*word, np.begin + 1);
    emit(inflectNoun(stemOfSense(*unit), false, {3, false}, when == Case::nominative ? Case::superessive : when),
         np.head);
    lastCase_ = when;
    return true;
  }
  emit("a", np.begin);
  emit(*word, np.begin + 1);
  emit(when == Case::nominative ? unit->word : inflectNoun(stemOfSense(*unit), false, {}, when), np.head);
  lastCase_ = when;
  return true;
}

// "fell to its lowest level in ten years": the span the superlative holds for owns it, said
// first, "az elmúlt tíz év legalacsonyabb szintjére"; the token after the span, or nothing.
std::optional<std::size_t> Generator::emitSuperlativeOfYears(std::size_t pos, const NounPhrase& np) {
  if (np.pronoun || np.end + 1 >= n_ || t_[np.end].lower != "in" || t_[np.head].tag != PartOfSpeech::noun ||
      np.ofOwner || np.ofModifier ||
      std::none_of(t_.begin() + long(np.begin), t_.begin() + long(np.head),
                   [](const Token& t) { return t.tag == PartOfSpeech::adjective && t.degree == 2; }))
    return std::nullopt;
  if (!startsNounPhrase(np.end + 1)) return std::nullopt;
  const NounPhrase span = readNounPhrase(np.end + 1);
  if (!isDuration(span) || t_[span.begin].tag != PartOfSpeech::number) return std::nullopt;
  const PrepositionChoice choice = choosePreposition(pos, np);
  emit("az", np.end), emit("elm\xC3\xBAlt", np.end);
  emitNounPhrase(span, Case::nominative);
  const std::size_t start = out_.size();
  emitNounPhrase(np, choice.c.value_or(Case::nominative), choice.post, 3, false);
  // the owner stands for the article: "az elmúlt tíz év legmagasabb hőmérséklete"
  if (start < out_.size() && (out_[start].text == "a" || out_[start].text == "az"))
    out_.erase(out_.begin() + long(start));
  lastCase_ = choice.c.value_or(Case::nominative);
  return span.end;
}

// Where "in the north" after a noun that is no time ends, else 0 ("the north of the country" is
// a part of it).
std::size_t Generator::compassAfter(const NounPhrase& np) const {
  static constexpr std::string_view kPoints[] = {"north", "south", "east", "west"};
  if (np.pronoun || np.ofOwner || np.end + 2 >= n_ || t_[np.end].lower != "in" || t_[np.end + 1].lower != "the" ||
      !listed(kPoints, t_[np.end + 2].lower) || t_[np.head].tag != PartOfSpeech::noun ||
      unitOfTime(t_[np.head].lemma))
    return 0;
  if (np.end + 3 < n_ && t_[np.end + 3].lower == "of") return 0;
  // ("caused floods in the north": after an object it may say where it happened, "északon")
  if (roles_.object && roles_.object->begin == np.begin) return 0;
  const Sense* head = coreSense(t_[np.head], sense(np.head));
  if (head && !head->note("time").empty()) return 0;
  return np.end + 3;
}

// Where "under twelve", "over 65 years" after a noun of people ends, else 0.
std::size_t Generator::ageLimitEnd(const NounPhrase& np) const {
  if (np.pronoun || np.end + 1 >= n_ || (t_[np.end].lower != "under" && t_[np.end].lower != "over")) return 0;
  const Token& number = t_[np.end + 1];
  const Sense* head = coreSense(t_[np.head], sense(np.head));
  if (!head || !head->person || t_[np.head].tag != PartOfSpeech::noun || number.tag != PartOfSpeech::number ||
      number.value < 1 || number.value > 120)
    return 0;
  std::size_t end = np.end + 2;
  if (end < n_ && (t_[end].lemma == "year" || t_[end].lower == "years")) ++end;
  if (end < n_ && t_[end].lower == "old") ++end;
  // ("under two kilos": a noun after the number counts something else)
  if (end < n_ && t_[end].tag == PartOfSpeech::noun) return 0;
  return end;
}

// An adjective or a past participle after the object that ends its clause: the state it is in
// ("unchanged", "warm", "fastened"), not an adjective of a noun after it.
bool Generator::stateAfterObject(std::size_t k) const {
  if (k >= n_) return false;
  const Token& t = t_[k];
  const bool participle = t.tag == PartOfSpeech::verb && t.entry &&
                          (t.form == VerbForm::participle || t.form == VerbForm::past);
  if (t.lower == "alone") return true;  // "left the children alone": "egyedül"
  if (keptStatePhrase(t)) return true;  // "keep it a secret": "titokban"
  if (t.tag != PartOfSpeech::adjective && !participle) return false;
  if (t.degree > 0 || t.pauseAfter || k + 1 == n_) return true;
  const PartOfSpeech next = t_[k + 1].tag;
  return next != PartOfSpeech::noun && next != PartOfSpeech::adjective && next != PartOfSpeech::name;
}

// Past the noun phrases joined by "and" or "or" to the one ending at `end`: where the list ends.
std::size_t Generator::endOfJoinedPhrases(std::size_t end) const {
  while (end + 1 < n_ && (t_[end].lower == "and" || t_[end].lower == "or") && startsNounPhrase(end + 1)) {
    const NounPhrase next = readNounPhrase(end + 1);
    if (next.end <= end + 1 || t_[next.head].tag != PartOfSpeech::noun) break;
    end = next.end;
  }
  return end;
}

// The state an act left its object in, as the adjective's "-ra/-re": "fehérre", "tisztára".
std::string Generator::resultWord(std::size_t k) const {
  const Sense* s = coreSense(t_[k], sense(k));
  const std::string word = s ? s->word : plainSense(t_[k], sense(k)).value_or(t_[k].written);
  return inflectNoun(s ? stemOfSense(*s) : NounStem{word, "", "", "", "", "", "", -1}, false, {}, Case::sublative);
}

// The verb that says the state an act left, where the state is no word of its own but a
// predicate ("pushed the door open": "kinyitotta", "kicked it shut": "becsukta").
std::optional<VerbStem> Generator::verbOfResult(std::size_t k) const {
  const Sense* s = coreSense(t_[k], sense(k));
  if (!s || !s->keepsCopula) return std::nullopt;
  if (t_[k].lemma == "open") return VerbStem{"nyit", "ki", ""};
  return VerbStem{"csuk", "be", ""};
}

// The state after "leave" or "keep" as Hungarian says it: a predicate of its own ("nyitva",
// "zárva"), a verb's adverbial participle ("bekötve"), else the adjective's manner ("melegen").
std::string Generator::keptStateWord(std::size_t k) const {
  const Token& t = t_[k];
  // (a dish served hot is served warm, "melegen", not "forrón")
  if (t.lower == "hot" && roles_.verb.main != n_ && t_[roles_.verb.main].lemma == "serve") return "melegen";
  const Sense* s = coreSense(t, sense(k));
  if (!s) return mannerOf(plainSense(t, sense(k)).value_or(t.written));  // "változatlanul"
  if (t.tag == PartOfSpeech::adverb) return s->prefix + s->word;
  if (t.tag == PartOfSpeech::verb) {
    const std::string p = adverbialParticipleOf(VerbStem{s->word, s->prefix, std::string(s->note("past"))});
    return p.empty() ? s->prefix + s->word : s->prefix + p;
  }
  // (the predicate's own word where it has one: "nyitott" stands before a noun, "nyitva" after "leave")
  if (s->keepsCopula && !s->note("pred").empty()) return std::string(s->note("pred"));
  return s->keepsCopula ? s->word : mannerOf(s->word);
}

// "It took me an hour to get there", "took us two days": "it" takes a person's time, the time
// the person's own in "-ba" and "telik" the verb ("Egy órámba telt", "Két napunkba telt").
bool Generator::timeTakenByPerson() const {
  const ClauseRoles& r = roles_;
  if (r.verb.main >= n_ || t_[r.verb.main].lemma != "take" || !r.subject || !r.subject->pronoun ||
      t_[r.subject->head].lower != "it" || !r.indirect || !r.indirect->pronoun || !r.object || r.object->pronoun)
    return false;
  const Token& who = t_[r.indirect->head];
  if (who.lower == "it" || who.person < 1 || who.person > 3) return false;
  return unitOfTime(t_[r.object->head].lemma) && !r.object->definite;
}

// "closed", "shut" earlier in the clause of the preposition at `pos` ("will be closed to
// traffic for repairs").
bool Generator::closedBefore(std::size_t pos) const {
  for (std::size_t k = pos; k-- > 0 && k + 6 >= pos;) {
    if (t_[k].pauseAfter) return false;
    if (t_[k].lower == "closed" || t_[k].lower == "shut" || t_[k].lemma == "close") return true;
  }
  return false;
}

bool Generator::byAMoment(std::size_t pos) const {
  if (t_[pos].lower != "by" || pos + 1 >= n_) return false;
  for (const auto& moment : kByAMoment)
    if (t_[pos + 1].lower == moment.first) return true;
  return false;
}

// "érett őszibarackot árusító standok": the object of a participle describing a noun stands
// before the participle in the case its verb governs; where the participle's words go on.
std::size_t Generator::emitParticiplesObject(const NounPhrase& np) {
  NounPhrase object = readNounPhrase(np.participleObject);
  // a bare plural says what kind, in the singular: "jegyet áruló nő" of "a woman selling tickets";
  // so does one thing, without "egy" ("nehéz táskát vivő nő")
  const PartOfSpeech first = t_[object.begin].tag;
  if (first != PartOfSpeech::determiner && first != PartOfSpeech::possessive) object.plural = false;
  if ((t_[object.begin].lower == "a" || t_[object.begin].lower == "an") && object.begin + 1 < object.end)
    ++object.begin;
  // one article for both: "a jegyeket áruló nő"
  if (!out_.empty() && out_.back().text == "a" && t_[object.begin].lower == "the") out_.pop_back();
  const Sense* verb = coreSense(t_[np.participle], sense(np.participle));
  const std::string_view governed = verb ? verb->note("obj") : std::string_view();
  emitNounPhrase(object, governed.empty() ? Case::accusative : caseNamed(governed));
  return object.end;
}

std::size_t Generator::emitPrepositionalPhrase(std::size_t pos) {
  if (auto next = emitDate(pos)) return *next;
  if (byAMoment(pos))
    for (const auto& [english, hungarian] : kByAMoment)
      if (t_[pos + 1].lower == english) {
        emit(std::string(hungarian), pos + 1);
        lastCase_ = Case::sublative;
        return pos + 2;
      }
  // a clock time takes the preposition's case: "since six o'clock" "hat óra óta", "to half past
  // three" "fél négyre", "from nine o'clock to five o'clock" "kilenc órától öt óráig"
  if (t_[pos].lower != "at" && clockTimeAt(pos + 1)) {
    PrepositionChoice choice = choosePreposition(pos, readNounPhrase(pos + 1));
    // ("opens from nine o'clock": from then on, as from one time to another; "dark by six
    // o'clock": a state reached by then, "hat órára"; "check out by eleven o'clock": an act done
    // before then, "tizenegy óráig", as "by eleven" is "tizenegyig")
    if (t_[pos].lower == "from") choice = {Case::ablative, "", true};
    if (t_[pos].lower == "by") {
      const std::size_t v = roles_.verb.main;
      const bool act = v < n_ && v < pos && t_[v].tag == PartOfSpeech::verb && t_[v].lemma != "be" &&
                       t_[v].lemma != "get" && t_[v].lemma != "become" && !linkingVerb(t_[v]) &&
                       !listed(kChangesOfAmount, t_[v].lemma);
      choice = {act ? Case::terminative : Case::sublative, "", true};
    }
    // ("from 10 am to 12 pm", "from 9:00 to 17:00": to the hour the span ends at, "déli 12-ig")
    if ((t_[pos].lower == "to" || t_[pos].lower == "until") && pos > 0 &&
        (t_[pos - 1].lower == "o'clock" || dayHalfAfter(pos - 2) || writtenClockAt(pos - 1)))
      choice = {Case::terminative, "", true};
    // "between 9 am and 6 pm": both times, then "között" ("reggel 9 és este 6 között")
    if (t_[pos].lower == "between") {
      const std::size_t mark = out_.size();
      if (const auto first = emitClockTime(pos + 1, Case::nominative, "");
          first && *first + 1 < n_ && t_[*first].lower == "and" && clockTimeAt(*first + 1)) {
        emit("\xC3\xA9s", *first);
        if (const auto second = emitClockTime(*first + 1, Case::nominative, "k\xC3\xB6z\xC3\xB6tt")) return *second;
      }
      out_.resize(mark);
    }
    if (auto next = emitClockTime(pos + 1, choice.c.value_or(Case::nominative), choice.post)) return *next;
  }
  // "between 2 and 3 o'clock": the hour the other's "o'clock" says too ("2 és 3 óra között")
  if (t_[pos].lower == "between" && pos + 3 < n_ && t_[pos + 1].tag == PartOfSpeech::number &&
      t_[pos + 1].value >= 1 && t_[pos + 1].value <= 24 && t_[pos + 2].lower == "and" && clockTimeAt(pos + 3)) {
    const std::size_t mark = out_.size();
    emit(t_[pos + 1].written, pos + 1);
    emit("\xC3\xA9s", pos + 2);
    if (const auto second = emitClockTime(pos + 3, Case::nominative, "k\xC3\xB6z\xC3\xB6tt")) return *second;
    out_.resize(mark);
  }
  if (forTheNext(pos + 1)) {  // "for next year": "jövő évre"
    emit("j\xC3\xB6v\xC5\x91", pos + 1);
    emit(inflectNoun(stemOfSense(t_[pos + 1].time->unit->senses.front()), false, {}, Case::sublative),
         pos + 1);
    return pos + 2;
  }
  const NounPhrase np = readNounPhrase(pos + 1);
  // "closed to traffic": "a forgalom elől", a bare noun there the thing itself
  if (pos == closedTo()) {
    if (t_[np.begin].tag == PartOfSpeech::noun || t_[np.begin].tag == PartOfSpeech::adjective) emit("a", pos);
    emitNounPhrase(np, Case::nominative, "el\xC5\x91l");
    return np.end;
  }
  const std::string& p = t_[pos].lower;
  // "at reception", "through customs": the desk of a building or a port that English names
  // bare is that one desk, said with the article ("a recepción", "a vámon")
  static constexpr std::string_view kDesks[] = {"reception", "customs", "check-in"};
  if (!np.pronoun && !np.name && np.begin == np.head && np.head < n_ && t_[np.head].tag == PartOfSpeech::noun &&
      listed(kDesks, t_[np.head].lemma))
    emit("a", pos);
  // "all through the wedding", "throughout the night": the whole of it, "az egész esküvő alatt"
  if ((p == "all through" || p == "throughout") && !np.pronoun && !np.name && np.head < n_ &&
      (t_[np.begin].lower == "the" || t_[np.begin].tag == PartOfSpeech::noun ||
       t_[np.begin].tag == PartOfSpeech::adjective)) {
    NounPhrase whole = np;
    if (t_[whole.begin].lower == "the") ++whole.begin;
    emit("az", pos), emit("eg\xC3\xA9sz", pos);
    emitNounPhrase(whole, Case::nominative, "alatt");
    return np.end;
  }
  if (p == "for" && emitOrdinalTime(np)) return np.end;
  if (const auto end = emitSuperlativeOfYears(pos, np)) return *end;
  const PrepositionChoice choice = choosePreposition(pos, np);
  std::string post;
  std::optional<Case> c;
  if (!choice.own) c = choice.c;
  // "for another minute", "for another two weeks": the time still to come, "még egy percig",
  // "még két hétig" ("egy másik perc" would be a different minute)
  if (p == "for" && !np.pronoun && t_[np.begin].lower == "another" && np.head > np.begin &&
      unitOfTime(t_[np.head].lemma) && !t_[np.head].plural == (np.head == np.begin + 1)) {
    NounPhrase rest = np;
    rest.begin = np.begin + 1;
    emit("m\xC3\xA9g", np.begin);
    if (rest.begin == rest.head) emit("egy", np.begin);
    if (t_[np.head].lemma == "hour")
      emitNounPhrase(rest, Case::superessive, "\xC3\xA1t");
    else
      emitNounPhrase(rest, Case::terminative);
    return np.end;
  }
  // "for two years" with a perfect: "két éve"; else for as long as: "két évig", whatever the
  // verb's "for" governs ("waited for an hour": "egy óráig várt", not "órára")
  if (p == "for" && isDuration(np) && (!c || (roles_.verbSense && !roles_.verbSense->note(p).empty()))) {
    // ("have been complaining for months": "hónapok óta", no number to own its unit)
    if (pos == perfectFor_ && np.begin == np.head && np.plural)
      emitNounPhrase(np, Case::nominative, "\xC3\xB3ta");
    else if (pos == perfectFor_)
      emitNounPhrase(np, Case::nominative, "", 3, false);
    // "for an hour", "for six hours": "egy órán át", "hat órán át", where "hat óráig" would be
    // until six o'clock ("for hours" stays "órákig")
    else if (t_[np.head].lemma == "hour" && np.begin < np.head)
      emitNounPhrase(np, Case::superessive, "\xC3\xA1t");
    else
      emitNounPhrase(np, Case::terminative);
    return np.end;
  }
  // "between the unions and the employers": the postposition after both ("a szakszervezetek és
  // a munkaadók között")
  if (p == "between" && !np.pronoun && np.end + 1 < n_ && t_[np.end].lower == "and" &&
      startsNounPhrase(np.end + 1)) {
    const NounPhrase second = readNounPhrase(np.end + 1);
    emitNounPhrase(np, Case::nominative);
    emit("\xC3\xA9s", np.end);
    emitNounPhrase(second, Case::nominative, "k\xC3\xB6z\xC3\xB6tt");
    return second.end;
  }
  // "over the past three weeks", "in the last two years": "az elmúlt három hétben"
  if ((p == "over" || p == "in" || p == "during" || p == "for") && pos + 3 < n_ &&
      t_[pos + 1].lower == "the" && (t_[pos + 2].lower == "past" || t_[pos + 2].lower == "last") &&
      (t_[pos + 3].tag == PartOfSpeech::number || t_[pos + 3].lemma == "a few" || t_[pos + 3].lower == "several")) {
    // ("in the past few years": "az elmúlt néhány évben")
    if (const NounPhrase counted = readNounPhrase(pos + 3); isDuration(counted)) {
      emit("az", pos + 1), emit("elm\xC3\xBAlt", pos + 2);
      emitNounPhrase(counted, Case::inessive);
      lastCase_ = Case::inessive;
      return counted.end;
    }
  }
  // "in ten minutes": "tíz perc múlva", ahead of now; "read it in two days": "két nap alatt"
  if (!c && p == "in" && isDuration(np) && !np.pronoun) {
    // ("can open an account in ten minutes": what can be done takes that long, "tíz perc alatt")
    const std::string& m = roles_.verb.modal;
    const bool able = m == "tud" || m == "hat" || m == "tud-cond" || m == "hat-cond";
    emitNounPhrase(np, Case::nominative, roles_.verb.past || able ? "alatt" : "m\xC3\xBAlva");
    return np.end;
  }
  // "sold out within twenty minutes": done in that time, "húsz perc alatt"
  if (!c && p == "within" && isDuration(np) && roles_.verb.past && !np.pronoun) {
    emitNounPhrase(np, Case::nominative, "alatt");
    return np.end;
  }
  // "within three days", "within the city": "három napon belül", "a városon belül"
  if (!c && p == "within" && !np.pronoun) {
    emitNounPhrase(np, Case::superessive, "bel\xC3\xBCl");
    return np.end;
  }
  if (p == "at" && t_[np.head].tag == PartOfSpeech::number &&
      !np.pronoun) {  // a clock time, whatever the verb governs
    const Numeral* num = numeral(t_[np.head].lower);
    emit(num ? attachCase(std::string(num->alone), Case::temporal)
             : numberWithCase(t_[np.head].written, Case::temporal),
         np.head);
    return np.end;
  }
  // "a cup of coffee": a measure and its substance side by side
  // "older than yours": ", mint a tiéd"
  // "like a leaf": ", mint egy levél", the same comparison without a degree
  if ((!c && (p == "than" || p == "like")) || t_[pos].lemma == "than") {  // "as tall as": "olyan magas, mint"
    // "more than two hundred": "több mint kétszáz", no comma before a number
    const bool count =
        pos > 0 &&
        (t_[pos - 1].lower == "more" || t_[pos - 1].lower == "less" || t_[pos - 1].lower == "fewer") &&
        t_[np.begin].tag == PartOfSpeech::number;
    // "taller than me": "magasabb nálam", a personal pronoun in "-nál"
    static constexpr std::string_view kPersonal[] = {"me", "you", "him", "her", "us",  "them",
                                                     "i",  "he",  "she", "we",  "they"};
    if (t_[pos].lower == "than" && np.pronoun && np.end == np.begin + 1 &&
        listed(kPersonal, t_[np.head].lower)) {
      emitNounPhrase(np, Case::adessive);
      lastCase_ = Case::adessive;
      return np.end;
    }
    out_.push_back({"mint", pos, true, !count});
    const Case compared = comparedWithObject(pos, np) ? roles_.objectCase : Case::nominative;
    // (a whole kind as the object's: "a nyarat, mint a telet")
    if (compared != Case::nominative && emitGenericArticle_ && np.begin == np.head) emit("a", np.begin);
    emitNounPhrase(np, compared);
    lastCase_ = compared;
    return np.end;
  }
  if (!c && p == "of") c = Case::nominative;
  // "in May", "on Monday", "in the evening", "at midnight": a time noun in its own case
  // ("májusban", "hétfőn", "este", "éjfélkor"), whatever case the verb gives a place ("arrive
  // in March": "márciusban"); "the" goes with a bare time
  // "on Mondays": "hétfőnként", every one of them
  if (p == "on" && !np.pronoun && t_[np.head].plural && t_[np.head].tag == PartOfSpeech::noun &&
      np.end == np.head + 1 && np.begin == np.head) {
    auto everyDay = [&](std::size_t k) {
      const Sense* hs = t_[k].tag == PartOfSpeech::noun && t_[k].plural ? coreSense(t_[k], sense(k)) : nullptr;
      // (a day's name whatever its own case: "vasárnaponként")
      if (!hs || (hs->note("time") != "n" && !isDayName(t_[k].lemma))) return false;
      emit(inflectNoun(nounStem(t_[k], sense(k)), false, {}, Case::superessive) + "k\xC3\xA9nt", k);
      return true;
    };
    const std::size_t first = out_.size();
    if (everyDay(np.head)) {
      // ("even on Sundays": "még vasárnaponként is")
      if (pos > 0 && stressedByEven(pos - 1) == np.begin) {
        out_.insert(out_.begin() + std::ptrdiff_t(first), HungarianWord{"m\xC3\xA9g", pos - 1});
        emit("is", pos - 1);
      }
      // ("on Mondays and Fridays": "hétfőnként és péntekenként")
      if (np.end + 1 < n_ && (t_[np.end].lower == "and" || t_[np.end].lower == "or") &&
          (np.end + 2 == n_ || t_[np.end + 2].tag != PartOfSpeech::noun)) {
        const std::size_t mark = out_.size();
        emit(t_[np.end].lower == "and" ? "\xC3\xA9s" : "vagy", np.end);
        if (everyDay(np.end + 1)) return np.end + 2;
        out_.resize(mark);
      }
      return np.end;
    }
  }
  // "on Thursday evenings", "on Sunday mornings": the day and the part of it, every one of them,
  // "csütörtök esténként"
  if (p == "on" && !np.pronoun && t_[np.head].plural && t_[np.head].tag == PartOfSpeech::noun &&
      np.end == np.head + 1 && np.begin + 1 == np.head &&
      (t_[np.begin].tag == PartOfSpeech::noun || t_[np.begin].tag == PartOfSpeech::name)) {
    const Sense* day = coreSense(t_[np.begin], sense(np.begin));
    const Sense* part = coreSense(t_[np.head], sense(np.head));
    if (day && isDayName(t_[np.begin].lemma) && part && part->note("time") == "nom") {
      emit(day->word, np.begin);
      emit(inflectNoun(nounStem(t_[np.head], sense(np.head)), false, {}, Case::superessive) + "k\xC3\xA9nt",
           np.head);
      return np.end;
    }
  }
  if ((p == "in" || p == "on" || p == "at" || p == "by") && !np.pronoun && !t_[np.head].plural) {
    const Sense* hs = coreSense(t_[np.head], sense(np.head));
    if (hs && !hs->note("time").empty() && t_[np.head].tag == PartOfSpeech::noun) {
      // the noun's own case with this preposition first: "at noon" is "délben"; "by Friday" is
      // a deadline, "péntekig"
      // ("by the afternoon", "by spring": the time a thing is done by, "délutánra", "tavaszra";
      // a day lasts up to it, "péntekig")
      const Case when = p == "by" ? (hs->note("time") == "n" ? Case::terminative : Case::sublative)
                                  : caseNamed(hs->note(p).empty() ? hs->note("time") : hs->note(p));
      NounPhrase bare = np;
      if (t_[bare.begin].lower == "the" && bare.begin + 1 == bare.head) ++bare.begin;
      emitNounPhrase(bare, when);
      lastCase_ = when;
      return np.end;
    }
  }
  // "in the north", "from the east": a point of the compass goes without its article ("északon",
  // "keletről"); "the north of the country" keeps it
  static constexpr std::string_view kCompassPoints[] = {"north", "south", "east", "west"};
  if (!np.pronoun && t_[np.begin].lower == "the" && np.head == np.begin + 1 && np.end == np.head + 1 &&
      listed(kCompassPoints, t_[np.head].lemma) && t_[np.head].tag == PartOfSpeech::noun &&
      (np.end == n_ || t_[np.end].lower != "of") && choice.post.empty() && choice.c) {
    NounPhrase bare = np;
    bare.begin = np.head;
    emitNounPhrase(bare, c.value_or(*choice.c));
    lastCase_ = c.value_or(*choice.c);
    return np.end;
  }
  if (!c) c = choice.c, post = choice.post;
  // a year or another number in digits: "1900-ban"
  if (np.end == np.begin + 1 && t_[np.head].tag == PartOfSpeech::number && post.empty() &&
      !t_[np.head].written.empty() && t_[np.head].written[0] >= '0' && t_[np.head].written[0] <= '9') {
    emit(numberWithCase(t_[np.head].written, c.value_or(Case::nominative)), np.head);
    lastCase_ = c.value_or(Case::nominative);
    return np.end;
  }
  // a number word alone takes the case on its form that stands alone: "tíztől tizenkettőig"; for
  // a number of people it counts heads ("a table for six": "egy asztalt hat főre")
  // (not "for two or three days", a count of the noun after)
  if (np.end == np.begin + 1 && t_[np.head].tag == PartOfSpeech::number && post.empty() &&
      t_[np.head].value >= 0 && c && *c != Case::nominative &&
      (np.end == n_ || (t_[np.end].lower != "or" && t_[np.end].lower != "and"))) {
    // ("set the alarm for six": what is set is set to a time, "hatra állította")
    const bool setTo = roles_.verbSense && roles_.verbSense->prefix + roles_.verbSense->word == "be\xC3\xA1ll\xC3\xADt" &&
                       t_[np.head].value >= 1 && t_[np.head].value <= 12;
    if (p == "for" && !setTo) {
      emit(numberInWords(t_[np.head].value, true), np.head);
      emit("f\xC5\x91re", np.head);
    } else {
      emit(attachCase(numberInWords(t_[np.head].value, false), *c), np.head);
    }
    lastCase_ = *c;
    return np.end;
  }
  emitNounPhrase(np, c.value_or(Case::nominative), post);
  lastCase_ = c.value_or(Case::nominative);
  return np.end;
}

// Whether the clause says for how long its verb went on: "for two hours", "for a week".
// "She likes tea more than coffee": a thing after "more than" or "less than" the verb's object
// comes before is compared with that object, said in its case ("mint a kávét"); a person may be
// the one who does it ("more than her brother" stays "mint a bátyja").
bool Generator::comparedWithObject(std::size_t than, const NounPhrase& np) const {
  if (than == 0 || t_[than].lower != "than" ||
      (t_[than - 1].lower != "more" && t_[than - 1].lower != "less" && t_[than - 1].lower != "better") ||
      !roles_.object || roles_.object->end > than - 1 || roles_.objectCase == Case::nominative || np.pronoun ||
      np.name)
    return false;
  const Sense* hs = coreSense(t_[np.head], sense(np.head));
  return !(hs && hs->person);
}

// "didn't buy a ticket", "I don't have a car", "There isn't a bank here": a thing of which there is
// none is said without "egy" ("nem vett jegyet", "nincs autóm", "nincs bank"), the object or
// the subject of "there is" of a negated clause, or of "Is there ...?".
bool Generator::negatedIndefinite(const NounPhrase& np) const {
  if (np.pronoun) return false;
  // (the thing there is none of right after "there isn't"; asked whether there is one, "Van
  // kedvezmény diákoknak?", the same)
  const std::size_t be = roles_.verb.be;
  const bool there = roles_.existential && be < n_ && np.begin > be && np.begin <= be + 2;
  if (!roles_.verb.negative) return there && be == 0;
  return (roles_.object && roles_.object->begin == np.begin) || there;
}

// "the University of Debrecen", "the College of Nyíregyháza": a university or college whose
// owner after "of" is a lone name, its town.
bool Generator::universityOfTown(const NounPhrase& np) const {
  // (as written: a town the core lexicon knows is a noun, "capitalised" unset)
  return np.ofOwner && np.ofOwner + 1 == np.end && np.head + 2 == np.ofOwner && startsWithCapital(t_[np.head]) &&
         (t_[np.head].lemma == "university" || t_[np.head].lemma == "college") && startsWithCapital(t_[np.ofOwner]);
}

// The noun phrase's place after it is "in" and a lone name: a town ("a dentist in Szeged").
bool Generator::townAttribute(const NounPhrase& np) const {
  return np.placeAttribute && t_[np.placeAttribute].lower == "in" && np.placeAttribute + 2 == np.end &&
         (t_[np.placeAttribute + 1].tag == PartOfSpeech::name || t_[np.placeAttribute + 1].capitalised);
}

// "Szeged": "szegedi", "Budapest": "budapesti", "Prága": "prágai", "Helsinki": "helsinki": the
// adjective of a town or a country, in lower case with "-i"; none for a name opening with a
// letter that is no ASCII capital.
std::optional<std::string> adjectiveOfTown(std::string name) {
  if (name.empty() || name[0] < 'A' || name[0] > 'Z' || name.find(' ') != std::string::npos) return std::nullopt;
  name[0] = char(name[0] - 'A' + 'a');
  return name.back() == 'i' ? name : name + "i";
}

bool Generator::lastsAWhile() const {
  for (std::size_t k = roles_.verb.main + 1; k + 1 < n_; ++k)
    if (t_[k].lower == "for" && startsNounPhrase(k + 1) && isDuration(readNounPhrase(k + 1))) return true;
  return false;
}

// Units of time: "two years", "a week" make a duration after "for".
bool Generator::isDuration(const NounPhrase& np) const {
  if (np.pronoun || np.head >= n_ || !unitOfTime(t_[np.head].lemma)) return false;
  const Token& first = t_[numberAfterCount(np.begin)];  // ("about ten minutes", "less than two years")
  return first.tag == PartOfSpeech::number || first.lower == "a" || first.lower == "an" ||
         first.lemma == "half" ||  // "for half an hour": "fél óráig"
         first.lower == "several" || first.lower == "many" || first.lemma == "a few" ||
         (np.begin == np.head && t_[np.head].plural);  // "for hours": "órákig"
}

// "Mr Novak", "Mrs Smith": the title right before the name the phrase ends in.
bool Generator::titleOfName(std::size_t k, const NounPhrase& np) const {
  return k >= np.begin && k + 1 == np.head && isTitle(t_[k]) && t_[np.head].tag == PartOfSpeech::name;
}

// The time on the clock: "(at) half past six" is "fél hét(kor)", "a quarter to nine"
// "háromnegyed kilenc", "quarter past ten" "negyed tizenegy", "seven o'clock" "hét óra".
std::optional<std::size_t> Generator::emitClockTime(std::size_t pos, Case c, std::string_view post) {
  std::size_t k = pos;
  const bool at = t_[k].lower == "at";
  if (at) ++k;
  if (k < n_ && t_[k].lower == "a") ++k;
  auto hourOf = [&](const Token& t) -> int {
    for (int h = 1; h <= 12; ++h)
      if (clockHour(h).english == t.lower) return h;
    if (t.written.size() <= 2 && !t.written.empty() &&
        std::all_of(t.written.begin(), t.written.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      const int h = std::stoi(t.written);
      if (h >= 1 && h <= 12) return h;
    }
    return 0;
  };
  std::string_view part;
  int hour = 0;
  std::size_t end = 0;
  if (k + 2 < n_ && (t_[k].lower == "half" || t_[k].lower == "quarter") &&
      (t_[k + 1].lower == "past" || t_[k + 1].lower == "to") && (hour = hourOf(t_[k + 2])) != 0) {
    const bool past = t_[k + 1].lower == "past";
    if (t_[k].lower == "half" && !past) return std::nullopt;
    part = t_[k].lower == "half" ? "f\xC3\xA9l" : past ? "negyed" : "h\xC3\xA1romnegyed";
    if (past) hour = hour % 12 + 1;
    end = k + 3;
  } else if (k + 1 < n_ && t_[k + 1].lower == "o'clock" && (hour = hourOf(t_[k])) != 0) {
    end = k + 2;
  } else if (const std::size_t p = minutesPastAt(k); p && (hour = hourOf(t_[p + 1])) != 0) {
    // "twenty past four": "négy óra húsz(kor)"; "ten to six": "tíz perccel hat előtt"
    const std::string minutes = numberInWords(t_[k].value, false);
    if (at) c = Case::temporal;
    if (t_[p].lower == "to" && c != Case::temporal && c != Case::nominative) return std::nullopt;
    if (t_[p].lower == "past") {
      emit(std::string(clockHour(hour).alone), p + 1);
      emit("\xC3\xB3ra", p + 1);
      emit(attachCase(minutes, c), k);
    } else {
      emit(numberInWords(t_[k].value, true), k), emit("perccel", k);
      emit(std::string(clockHour(hour).alone), p + 1);
      emit("el\xC5\x91tt", p);
    }
    if (!post.empty()) emit(std::string(post), p + 1);
    return p + 2;
  } else {
    return emitWrittenClockTime(k, at ? Case::temporal : c, post);
  }
  // "at seven o'clock sharp": on the minute, "pontban hétkor"
  const bool sharp = end < n_ && t_[end].lower == "sharp";
  if (sharp) emit("pontban", end);
  if (!part.empty()) emit(std::string(part), k);
  std::string word(clockHour(hour).alone);
  if (at) c = Case::temporal;
  if (part.empty()) {
    // ("two o'clock": the hour before "óra" is the numeral before a noun, "két óra")
    emit(std::string(clockHour(hour).before), end - 2);
    emit(at ? "\xC3\xB3rakor" : attachCase("\xC3\xB3ra", c), end - 1);
  } else {
    emit(attachCase(word, c), end - 1);
  }
  if (!post.empty()) emit(std::string(post), end - 1);
  return sharp ? end + 1 : end;
}

// "at 7.30" "7.30-kor", "at 2 pm" "délután 2-kor", "after 11 p.m." "este 11 után": the time in
// figures, Hungarian's stop between hour and minutes, the part of the day before it.
std::optional<std::size_t> Generator::emitWrittenClockTime(std::size_t k, Case c, std::string_view post) {
  if (!writtenClockAt(k)) return std::nullopt;
  const std::string& written = t_[k].written;
  const std::size_t mark = written.find_first_of(".:");
  const std::string hourDigits = written.substr(0, mark);
  if (hourDigits.empty() || hourDigits.size() > 2 ||
      !std::all_of(hourDigits.begin(), hourDigits.end(), [](char d) { return d >= '0' && d <= '9'; }))
    return std::nullopt;
  const int hour = std::stoi(hourDigits);
  const bool half = dayHalfAfter(k);
  if (hour > (half ? 12 : 24)) return std::nullopt;
  if (half) {
    const bool pm = t_[k + 1].lower[0] == 'p';
    std::string_view part = pm ? (hour == 12 ? "d\xC3\xA9li" : hour < 6 ? "d\xC3\xA9lut\xC3\xA1n" : "este")
                               : (hour == 12 || hour < 6 ? "hajnali" : hour < 10 ? "reggel" : "d\xC3\xA9lel\xC5\x91tt");
    emit(std::string(part), k + 1);
  }
  const std::string minutes = mark == std::string::npos ? "" : written.substr(mark + 1);
  emit(minutes.empty() ? numberWithCase(hourDigits, c) : hourDigits + "." + numberWithCase(minutes, c), k);
  if (!post.empty()) emit(std::string(post), k);
  return half ? k + 2 : k + 1;
}

// The word after a span of time that counts it from another time ("two days ago", "three days
// later", "ten minutes early", "half an hour before the show"), as Hungarian says which way:
// "ezelőtt", "később", "korábban"; "before" and "after" keep their own phrase, "késéssel" takes
// the span bare ("öt perc késéssel"). Empty where the span is no such count.
std::string_view Generator::countedFrom(const NounPhrase& np) const {
  if (!np.pronoun && np.end == n_ && !countedToClause_.empty() && isDuration(np)) return countedToClause_;
  if (np.pronoun || np.end >= n_) return {};
  const Token& next = t_[np.end];
  if (next.lower == "ago") return "ezel\xC5\x91tt";
  // ("an hour later than her sister" is a comparison's; "an hour earlier than usual" counts
  // from what is usual, "egy órával korábban a szokásosnál")
  if (!isDuration(np) || (np.end + 1 < n_ && t_[np.end + 1].lower == "than" && t_[np.end + 1].lemma == "than"))
    return {};
  if (next.lower == "later" || next.lower == "afterwards") return "k\xC3\xA9s\xC5\x91" "bb";
  if (next.lower == "earlier" || next.lower == "early") return "kor\xC3\xA1" "bban";
  if (next.lower == "late") return "k\xC3\xA9s\xC3\xA9ssel";
  if ((next.lower == "before" || next.lower == "after") && next.tag == PartOfSpeech::preposition &&
      startsNounPhrase(np.end + 1) && t_[np.end + 1].tag != PartOfSpeech::pronoun)
    return next.lower;
  return {};
}

// ("for hours after the accident" is a duration of its own)
bool Generator::countsTimeFrom(std::size_t pos) const {
  return startsNounPhrase(pos) && t_[pos].tag != PartOfSpeech::pronoun &&
         (pos == 0 || t_[pos - 1].tag != PartOfSpeech::preposition) && !countedFrom(readNounPhrase(pos)).empty();
}

// "two days ago": "két nappal ezelőtt"; "an hour before the show": "egy órával az előadás előtt".
std::optional<std::size_t> Generator::emitCountedTime(std::size_t pos) {
  if (!startsNounPhrase(pos) || t_[pos].tag == PartOfSpeech::pronoun) return std::nullopt;
  const NounPhrase np = readNounPhrase(pos);
  const std::string_view from = countedFrom(np);
  if (from.empty()) return std::nullopt;
  const bool late = from == "k\xC3\xA9s\xC3\xA9ssel";
  emitNounPhrase(np, late ? Case::nominative : Case::instrumental);
  if (from == "before" || from == "after") return np.end;  // the phrase of "before" follows
  emit(std::string(from), np.end);
  return np.end + 1;
}

// A span counted from another time stands before the verb: as a time, which keeps the prefix on
// ("két nappal ezelőtt észrevették"), or, how much earlier or later than another time, as the
// focus, the prefix after the verb ("tíz perccel korábban érkezett meg"). Returns whether it
// was the focus, nothing where there was none.
std::optional<bool> Generator::emitCountedTimeFirst() {
  for (std::size_t k = roles_.verb.main + 1; k < n_; ++k) {
    if (done_[k] || !countsTimeFrom(k)) continue;
    const std::string_view from = countedFrom(readNounPhrase(k));
    const bool focus = from != "ezel\xC5\x91tt" && from != "k\xC3\xA9s\xC5\x91" "bb";
    const std::size_t first = k;
    std::size_t end = *emitCountedTime(k);
    // (the span may close the sentence: "left two days ago")
    if (end < n_ && t_[end].tag == PartOfSpeech::preposition) end = emitPrepositionalPhrase(end);
    for (std::size_t j = first; j < end; ++j) done_[j] = true;
    return focus;
  }
  return std::nullopt;
}

// A perfect with "for two years" or "since" says what still holds: the present, with the
// duration as "két éve".
void Generator::findPerfectDuration() {
  const VerbGroup& g = roles_.verb;
  // (a passive with its doer is said of the doer: "has been run by the same family since
  // 1950", "1950 óta ugyanaz a család vezeti", still)
  if (g.have == n_ || (g.passive && !roles_.agent)) return;  // no perfect ("The houses are big")
  // "have been married for forty years": the copula's perfect, "negyven éve házasok"
  // "has had a new director since January": the possession's, "január óta új igazgatója van"
  const bool owned = g.possession && g.firstAux < g.have && isHave(t_[g.firstAux]);
  const bool state = owned || (g.main == n_ && g.copula && g.be != n_ && g.be > g.have);
  if (g.main == n_ && !state) return;
  // "has lived", and "has been learning" as well
  const bool continuous = !state && t_[g.main].form == VerbForm::ing && g.be != n_ && g.be > g.have;
  if (!state && t_[g.main].form != VerbForm::participle && !continuous) return;
  // ("has known him since we were at school": so too before a clause of "since", unless the
  // verb's prefix says the thing is done, "elköltöztek")
  const Sense* vs = g.main != n_ ? coreSense(t_[g.main], sense(g.main)) : nullptr;
  const bool done = !state && ((vs && !vs->prefix.empty()) || !t_[g.main].prefix.empty() ||
                               (g.main + 1 < n_ && t_[g.main + 1].tag != PartOfSpeech::preposition &&
                                listed(kDirectionParticles, t_[g.main + 1].lower)));
  // "Rents have risen twelve percent since spring": a change of amount is a step already taken,
  // the past ("tavasz óta tizenkét százalékkal emelkedtek"); what has been rising still rises
  const bool changed = !state && !continuous && vs && listed(kChangesOfAmount, t_[g.main].lemma);
  // ("had lived there since the war": "a háború óta ott lakott", as long as till then)
  const bool tillThen = t_[g.firstAux].lower == "had";
  // "I haven't seen him since Christmas", "there has been no rain for weeks": what has not
  // happened since is told in the past, "karácsony óta nem láttam", "hetek óta nem volt eső";
  // what has not been going on still does not ("hasn't been working since": "nem működik"), nor
  // does a state one is or is not in, a working or a way of living ("The lift has not worked since
  // Monday": "hétfő óta nem működik", "She hasn't smoked since 2010": "nem dohányzik")
  static constexpr std::string_view kStatesHeld[] = {"work", "function", "operate", "live", "smoke", "exist"};
  const bool heldState = !state && g.main < n_ && listed(kStatesHeld, t_[g.main].lemma);
  const bool notSince = (g.negative && !continuous && !heldState) ||
                        (roles_.existential && g.be + 1 < n_ && t_[g.be + 1].lower == "no");
  if (sinceClause_ && !done && !changed) {
    roles_.verb.past = tillThen || notSince;
    return;
  }
  if (t_[0].lemma == "how long") {  // ("How long have you lived here?": what still goes on)
    roles_.verb.past = done;
    return;
  }
  for (std::size_t k = (owned ? g.have : state ? g.be : g.main) + 1; k < n_; ++k) {
    if (t_[k].lower == "for" && startsNounPhrase(k + 1) && isDuration(readNounPhrase(k + 1))) {
      perfectFor_ = k;
      roles_.verb.past = tillThen || notSince;  // ("had lived there for thirty years": "harminc éve laktak")
      return;
    }
    if (t_[k].lower == "since") {
      roles_.verb.past = done || changed || tillThen || notSince;  // ("has gone up twice since the spring": "kétszer emelkedett")
      return;
    }
  }
}

// "while skiing": the activity, then "közben"; nothing when the activity is no noun.
std::optional<std::size_t> Generator::emitActivityWhile(std::size_t pos) {
  if (t_[pos].lower != "while" || pos + 1 >= n_) return std::nullopt;
  const Token& act = t_[pos + 1];
  if (act.lower.size() <= 4 || act.lower.compare(act.lower.size() - 3, 3, "ing") != 0) return std::nullopt;
  if (!act.entry || act.entry->pos != PartOfSpeech::noun) return std::nullopt;
  emit(act.entry->senses[0].word, pos + 1);
  emit("k\xC3\xB6zben", pos);
  return pos + 2;
}

// The part of the sentence that starts at `pos`, rendered by its role.
std::size_t Generator::emitPart(std::size_t pos) {
  const ClauseRoles& r = roles_;
  if (done_[pos]) return pos + 1;
  if (pos == keptState_ && !done_[pos]) {
    emit(keptStateWord(pos), pos);
    // "cool and dry": both states alike, "hűvösen és szárazon"
    if (pos + 2 < n_ && (t_[pos + 1].lower == "and" || t_[pos + 1].lower == "or") &&
        t_[pos + 2].tag == t_[pos].tag && stateAfterObject(pos + 2)) {
      emit(t_[pos + 1].lower == "or" ? "vagy" : "\xC3\xA9s", pos + 1);
      emit(keptStateWord(pos + 2), pos + 2);
      return pos + 3;
    }
    return pos + 1;
  }
  if (r.subject && pos == r.subject->begin && (subjectAfterVerb_ || expectedState_)) return r.subject->end;
  if (r.subject && pos == r.subject->begin) return emitSubject();
  if (pos == r.verb.firstAux || pos == r.verbStart) {
    const std::size_t next = emitVerbGroup(pos);
    // "When does the train leave?": "Mikor indul a vonat?", the noun subject inside the verb
    // group follows the verb
    if (subjectAfterVerb_ ||
        (r.inverted && r.subject && !r.subject->pronoun && r.subject->begin > pos && r.subject->begin < next)) {
      emitSubject();
      // "Where is the man in the hat going?": its place follows it, "Hová megy a férfi a kalapban?"
      if (const std::size_t where = r.subject->end;
          r.inverted && where < n_ && !done_[where] && r.verb.main != n_ && placeBeforeVerb(where) == r.verb.main) {
        const std::size_t end = emitPrepositionalPhrase(where);
        for (std::size_t k = where; k < end; ++k) done_[k] = true;
      }
    }
    return next;
  }
  return emitOtherPart(pos);
}

// The subject in its place: a passive's as the object, an owner's or one who must in the dative.
std::size_t Generator::emitSubject() {
  const ClauseRoles& r = roles_;
  if (r.verb.passive && permission().empty()) return emitPassiveSubject();
  if (patientOfWhatResumes_ && r.verb.main == n_ && r.verb.be == n_) {
    emitNounPhrase(*r.subject, Case::accusative);
    return r.subject->end;
  }
  if (broughtInForbidden()) {  // ("Kutyát bevinni tilos": the one thing, bare, as the object)
    NounPhrase thing = *r.subject;
    while (thing.begin < thing.head && t_[thing.begin].tag == PartOfSpeech::determiner) ++thing.begin;
    thing.plural = thing.definite = false;
    emitNounPhrase(thing, Case::accusative);
    for (std::size_t k = r.subject->begin; k < r.subject->end; ++k) done_[k] = true;
    // ("Ételt és italt bevinni tilos": each thing of the list, the object too)
    std::size_t end = r.subject->end;
    while (end + 1 < n_ && (t_[end].lower == "and" || t_[end].lower == "or") && startsNounPhrase(end + 1)) {
      NounPhrase next = readNounPhrase(end + 1);
      if (next.end <= end + 1 || t_[next.head].tag != PartOfSpeech::noun) break;
      emit(t_[end].lower == "or" ? "vagy" : "\xC3\xA9s", end);
      while (next.begin < next.head && t_[next.begin].tag == PartOfSpeech::determiner) ++next.begin;
      next.plural = next.definite = false;
      emitNounPhrase(next, Case::accusative);
      for (std::size_t k = end; k < next.end; ++k) done_[k] = true;
      end = next.end;
    }
    return end;
  }
  // "Anna, close the door": the one addressed, a comma after ("Anna, csukd be az ajtót")
  if (r.verb.imperative) {
    emitNounPhrase(*r.subject, Case::nominative);
    afterAddressed_ = out_.size();
    return r.subject->end;
  }
  // "Péternek van egy kutyája", "A gyerekeknek aludniuk kell": the owner, the one who must
  // "The hospital needs nurses": "A kórháznak ... szüksége van"
  const bool dative =
      r.verb.possession || mustDo(r.verb) || (r.verbSense && r.verbSense->word == "sz\xC3\xBCks\xC3\xA9g") ||
      (oneWhoMustAfter_ && r.verb.main == n_ && r.verb.be == n_);
  // "Time is money", "Children like chocolate": a bare noun subject is generic, said with "a"
  const Token& first = t_[r.subject->begin];
  const bool indefinitePronoun = isIndefinitePronoun(t_[r.subject->head]);
  // "Dad is resting", "asked Mother": one's family called by name, "Apa pihen", "kérdezte anya"
  static constexpr std::string_view kFamilyNames[] = {
      "mum", "mom", "dad", "mother", "father", "grandma", "grandpa", "grandad", "granddad", "granny", "grandmother", "grandfather"};
  const bool familyName = r.subject->begin == r.subject->head && !first.plural &&
                          listed(kFamilyNames, first.lemma) && startsWithCapital(first);
  // "Dear neighbours,": the people greeted, "Kedves szomszédok"
  const bool greeted = r.subject->begin == 0 && first.lower == "dear" && r.verb.main == n_ && r.verb.be == n_;
  if (!r.subject->pronoun && !r.subject->name && !r.subject->possessed && !countsItsNoun(first) &&
      !familyName && !greeted &&
      (first.tag == PartOfSpeech::noun || first.tag == PartOfSpeech::adjective ||
       (r.subject->begin == 0 && participleBeforeNoun(0, 0))) &&
      t_[r.subject->head].tag == PartOfSpeech::noun && !indefinitePronoun &&
      !(r.subject->begin > 0 && t_[r.subject->begin - 1].tag == PartOfSpeech::question))  // "Melyik busz"
    emit("a", r.subject->begin);
  // "Neither of them spoke": "Egyikük sem szólalt meg"; "Both of us knew": "Mindketten tudtuk"
  if (const std::string_view part = groupPart(*r.subject); !part.empty()) {
    // ("Each of them has a key": the owner in the dative, "Mindegyiküknek van kulcsa")
    // (not yet "neither" and "both", whose "sincs" and plural owner this does not say)
    std::string said(part);
    if (dative && part.starts_with("mindegyik")) said += "nek";
    emit(said, r.subject->begin);
    if (part.starts_with("egyik")) emit("sem", r.subject->begin);
    lastCase_ = Case::nominative;
    return std::max(r.subject->end, r.subject->begin + 3);
  }
  // "Nobody knew": "Senki sem tudta"
  const bool none =
      (indefinitePronoun && (t_[r.subject->head].lemma == "nobody" || t_[r.subject->head].lemma == "nothing" ||
                             t_[r.subject->head].lemma == "no one")) ||
      (!r.verb.passive && deniedByDeterminer(*r.subject));
  // "Nobody in the room spoke": where comes first, "A szobában senki sem szólalt meg"
  std::size_t where = r.subject->end;
  if (none && where + 1 < n_ && t_[where].tag == PartOfSpeech::preposition && startsNounPhrase(where + 1) &&
      readNounPhrase(where + 1).end == r.verb.firstAux) {
    const std::size_t end = emitPrepositionalPhrase(where);
    for (std::size_t k = where; k < end; ++k) done_[k] = true;
  }
  if (r.itAsThis && t_[r.subject->head].lower == "it")
    emit("ez", r.subject->head);
  else if (!r.dropSubject)
    // (a pronoun said for its "is" too: "Nekünk is szükségünk van")
    emitNounPhrase(*r.subject, dative && (!r.subject->pronoun || !r.addedSubject.empty()) ? Case::dative
                                                                                           : Case::nominative);
  if (none) emit("sem", r.subject->head);
  if (!r.addedSubject.empty() && !done_[n_ - 1]) {
    emit(std::string(r.addedSubject), n_ - 1);
    done_[n_ - 1] = true;
  }
  lastCase_ = Case::nominative;
  return r.subject->end;
}

// "How many children do you have?": "Hány gyereked van?", what is counted owned by the subject,
// a noun subject in the dative after ("Hány szobája van a háznak?"); the token after the
// question, or nothing when the words ask something else.
std::optional<std::size_t> Generator::emitCountOfOwned(std::size_t pos) {
  const ClauseRoles& r = roles_;
  const std::size_t have = r.verb.main != n_ ? r.verb.main : r.verb.have;
  if (pos != 0 || t_[pos].lemma != "how many" || have == n_ || !isHave(t_[have]) || !r.verb.doSupport ||
      !r.subject || pos + 2 >= n_ || !startsNounPhrase(pos + 2))
    return std::nullopt;
  const NounPhrase counted = readNounPhrase(pos + 2);
  if (counted.end != r.verb.firstAux || r.subject->begin <= counted.end || r.subject->end != have)
    return std::nullopt;
  const bool pronoun = r.subject->pronoun;
  emit("h\xC3\xA1ny", pos);
  emitNounPhrase(counted, Case::nominative, "", pronoun ? r.subject->person : 3,
                 pronoun && r.subject->plural);
  emit(r.verb.negative ? (r.verb.past ? "nem volt" : "nincs") : r.verb.past ? "volt" : "van", have);
  if (!pronoun) emitNounPhrase(*r.subject, Case::dative);
  for (std::size_t k = pos; k <= have; ++k) done_[k] = true;
  return have + 1;
}

// A part that is neither the subject nor the verb group.
// A list's next member in the case of the one before; with the owner or "the" it shares, that
// said again ("the eggs and sugar": Hungarian says the article again, "a tojásokat és a cukrot";
// "a garázsait és a fészereit").
void Generator::emitSharingOpener(const NounPhrase& np, std::optional<std::size_t> opener, std::size_t at) {
  if (opener) emit("a", at);
  if (opener && t_[*opener].tag == PartOfSpeech::possessive)
    emitNounPhrase(np, lastCase_, "", t_[*opener].person, t_[*opener].plural);
  else
    emitNounPhrase(np, lastCase_);
}

std::size_t Generator::emitOtherPart(std::size_t pos) {
  const ClauseRoles& r = roles_;
  const Token& tk = t_[pos];
  if (auto next = emitCountedTime(pos)) return *next;
  if (tk.lower == "at" || tk.lower == "half" || tk.lower == "quarter" || tk.tag == PartOfSpeech::number)
    if (auto next = emitClockTime(pos)) return *next;
  if (r.indirect && pos == r.indirect->begin) {
    // ("advised motorists to avoid": the ones told, all of them, "az autósoknak")
    if (requestFollows_ && !r.object && r.indirect->plural && !r.indirect->definite &&
        t_[r.indirect->begin].tag == PartOfSpeech::noun)
      emit("a", pos);
    if (!timeTakenByPerson()) emitNounPhrase(*r.indirect, Case::dative);  // (its owner: "órámba")
    return r.indirect->end;
  }
  if (r.object && pos == r.object->begin && !objectDone_ && timeTakenByPerson()) {
    const Token& who = t_[r.indirect->head];
    emitNounPhrase(*r.object, Case::illative, "", who.person, who.plural);
    objectDone_ = true;
    return r.object->end;
  }
  if (r.object && pos == r.object->begin && !objectDone_) return emitObject(pos);
  // "kenyeret, tejet és tojást": a list's next member keeps the case
  if (pos > 0 && t_[pos - 1].pauseAfter &&
      (t_[pos - 1].tag == PartOfSpeech::noun || t_[pos - 1].tag == PartOfSpeech::name) &&
      startsNounPhrase(pos) && t_[pos].tag != PartOfSpeech::pronoun && lastCase_ != Case::nominative &&
      continuesList(pos)) {
    const std::size_t first = out_.size();
    const NounPhrase np = readNounPhrase(pos);
    emitSharingOpener(np, openerSharedAcross(pos - 1), pos);
    if (out_.size() > first) out_[first].commaBefore = true;
    return np.end;
  }
  // ("egy késsel vagy egy villával": after "or" as well, between nouns)
  const bool orNoun = tk.lower == "or" && pos > 0 &&
                      (t_[pos - 1].tag == PartOfSpeech::noun || t_[pos - 1].tag == PartOfSpeech::name);
  if (tk.tag == PartOfSpeech::conjunction && (tk.lower == "and" || orNoun) && pos + 1 < n_ &&
      startsNounPhrase(pos + 1) && lastCase_ != Case::nominative) {
    emit(tk.lower == "or" ? "vagy" : "\xC3\xA9s", pos);
    const NounPhrase np = readNounPhrase(pos + 1);
    emitSharingOpener(np, openerSharedAcross(pos), pos);
    return np.end;
  }
  if (tk.tag == PartOfSpeech::infinitiveTo && pos + 1 < n_ && t_[pos + 1].tag == PartOfSpeech::verb)
    return emitInfinitive(pos);
  if (tk.tag == PartOfSpeech::infinitiveTo && pos + 2 < n_ && t_[pos + 1].lower == "be" &&
      roles_.verb.main != n_ && roles_.verb.main < pos)
    if (const std::size_t end = emitInfinitiveOfBe(pos); end != pos) return end;
  // "Clear the snow off the roof", "wipe the dust off the table": what a thing is taken off,
  // past the verb's own prefix, is "-ról" ("az autó tetejéről"), the particle no second prefix
  if (tk.lower == "off" && tk.tag == PartOfSpeech::adverb && pos + 1 < n_ && t_[pos + 1].tag != PartOfSpeech::pronoun &&
      (t_[pos + 1].tag == PartOfSpeech::determiner || t_[pos + 1].tag == PartOfSpeech::possessive)) {
    const NounPhrase np = readNounPhrase(pos + 1);
    emitNounPhrase(np, Case::delative);
    lastCase_ = Case::delative;
    return np.end;
  }
  // "with anyone, not even bank staff", "Nobody called, not even my sister": the one left out
  // of no exception, in the case of the phrase before, "még a bank munkatársaival sem"
  if (tk.tag == PartOfSpeech::negation && tk.lower == "not" && pos > 0 && t_[pos - 1].pauseAfter && pos + 2 < n_ &&
      t_[pos + 1].lower == "even" && startsNounPhrase(pos + 2)) {
    const NounPhrase np = readNounPhrase(pos + 2);
    emit("m\xC3\xA9g", pos + 1);
    out_.back().commaBefore = true;
    emitNounPhrase(np, lastCase_);
    emit("sem", pos);
    return np.end;
  }
  // ("with anyone, not even with bank staff": the phrase's own preposition says its case)
  if (tk.tag == PartOfSpeech::negation && tk.lower == "not" && pos > 0 && t_[pos - 1].pauseAfter && pos + 3 < n_ &&
      t_[pos + 1].lower == "even" && t_[pos + 2].tag == PartOfSpeech::preposition && startsNounPhrase(pos + 3)) {
    emit("m\xC3\xA9g", pos + 1);
    out_.back().commaBefore = true;
    const std::size_t end = emitPrepositionalPhrase(pos + 2);
    emit("sem", pos);
    return end;
  }
  // "by hand, not with a drill": what it is not done with, ", nem fúróval"
  if (tk.tag == PartOfSpeech::negation && tk.lower == "not" && pos > 0 && t_[pos - 1].pauseAfter &&
      pos + 1 < n_ && t_[pos + 1].tag == PartOfSpeech::preposition) {
    emit("nem", pos);
    out_.back().commaBefore = true;
    return pos + 1;
  }
  // "colder than ever (before)": ", mint valaha"
  if (tk.lower == "than" && pos + 1 < n_ && t_[pos + 1].lower == "ever") {
    out_.push_back({"mint", pos, true, true});
    emit("valaha", pos + 1);
    return pos + 2 < n_ && t_[pos + 2].lower == "before" ? pos + 3 : pos + 2;
  }
  // "faster than before", "higher than last year", "higher than in the previous election": what
  // is compared is a time or a phrase of its own, after ", mint" (", mint korábban", ", mint
  // tavaly", ", mint az előző választáson")
  if (tk.lemma == "than" && pos + 1 < n_ && !startsNounPhrase(pos + 1) &&
      (t_[pos + 1].tag != PartOfSpeech::preposition || (pos + 2 < n_ && startsNounPhrase(pos + 2)))) {
    out_.push_back({"mint", pos, true, true});
    if (t_[pos + 1].lower == "before") {
      emit("kor\xC3\xA1" "bban", pos + 1);
      return pos + 2;
    }
    if (t_[pos + 1].time) {
      for (std::string& w : timeWords(*t_[pos + 1].time)) emit(std::move(w), pos + 1);
      done_[pos + 1] = true;
      return pos + 2;
    }
    return pos + 1;
  }
  // "from door to door", "from town to town", "from day to day": one place or time after another
  // of a kind, "ajtóról ajtóra", "városról városra", "napról napra"
  if (tk.lower == "from" && pos + 4 <= n_ && t_[pos + 1].tag == PartOfSpeech::noun && !t_[pos + 1].plural &&
      t_[pos + 2].lower == "to" && t_[pos + 3].tag == PartOfSpeech::noun &&
      t_[pos + 3].lower == t_[pos + 1].lower && !t_[pos + 1].pauseAfter) {
    const NounPhrase from = readNounPhrase(pos + 1), to = readNounPhrase(pos + 3);
    if (from.end == pos + 2 && to.end == pos + 4) {
      emitNounPhrase(from, Case::delative);
      emitNounPhrase(to, Case::sublative);
      return pos + 4;
    }
  }
  // "in just over two hours", "in under ten minutes": the time it took, more or less than the
  // span, "valamivel több mint két óra alatt", "kevesebb mint tíz perc alatt"
  if (tk.lower == "in" && pos + 3 < n_) {
    std::size_t j = pos + 1;
    const bool slightly = t_[j].lower == "just" || t_[j].lower == "slightly";
    if (slightly) ++j;
    if (j + 1 < n_ && (t_[j].lower == "over" || t_[j].lower == "under") &&
        t_[j + 1].tag == PartOfSpeech::number && startsNounPhrase(j + 1))
      if (const NounPhrase span = readNounPhrase(j + 1); isDuration(span)) {
        if (slightly) emit("valamivel", pos + 1);
        emit(t_[j].lower == "over" ? "t\xC3\xB6" "bb" : "kevesebb", j);
        emit("mint", j);
        emitNounPhrase(span, Case::nominative, "alatt");
        return span.end;
      }
  }
  if (tk.tag == PartOfSpeech::preposition && pos + 1 < n_ &&
      (startsNounPhrase(pos + 1) || forTheNext(pos + 1) || byAMoment(pos)))
    return emitPrepositionalPhrase(pos);
  if (const auto times = timesOver(t_, pos)) {
    emit(*times, pos);
    return pos + 2;
  }
  if (tk.lower == "please" && askedFor_) {
    emit(readNounPhrase(0).definite ? "k\xC3\xA9rem" : "k\xC3\xA9rek", pos);
    return pos + 1;
  }
  if (tk.lower == "please") {
    if (before_.formal && out_.empty())
      emit("k\xC3\xA9rj\xC3\xBCk", pos);  // "Kérjük, ne lépjen be"
    else  // "..., kérem" of a formal request whose time comes first
      copulaTail_.push_back({before_.formal ? "k\xC3\xA9rem" : "k\xC3\xA9rlek", pos, true, true});
    return pos + 1;
  }
  if (tk.tag == PartOfSpeech::determiner || tk.tag == PartOfSpeech::noun ||
      tk.tag == PartOfSpeech::adjective || tk.tag == PartOfSpeech::name || tk.tag == PartOfSpeech::number ||
      tk.tag == PartOfSpeech::possessive || tk.tag == PartOfSpeech::pronoun) {
    const NounPhrase np = readNounPhrase(pos);
    // "for at least four hours", "for about ten minutes": as long as, past the adverb ("-ig")
    const bool howLong =
        pos >= 2 && t_[pos - 1].tag == PartOfSpeech::adverb && t_[pos - 2].lower == "for" && isDuration(np);
    emitNounPhrase(np, howLong                 ? Case::terminative
                       : askedFor_ && pos == 0 ? Case::accusative
                                               : placeOfParticle(pos).value_or(Case::nominative));
    return std::max(np.end, pos + 1);
  }
  if (auto next = emitActivityWhile(pos)) return *next;
  if (auto next = emitCountOfOwned(pos)) return *next;
  // "What book are you reading?": the kind asked about, "Milyen könyvet olvasol?"
  if (pos == 0 && tk.lemma == "what" && r.object && r.object->begin == 1) {
    emit("milyen", pos);
    return pos + 1;
  }
  if (tk.tag == PartOfSpeech::question || tk.tag == PartOfSpeech::conjunction) {
    // "What did she say?", "Who did you meet?": the question word is the object ("Mit", "Kit")
    const bool asked = pos == 0 &&
                       (tk.lower == "what" || tk.lower == "who" ||
                        ((tk.lemma == "which" || tk.lemma.starts_with("which of ")) && r.verb.firstAux == pos + 1)) &&
                       r.subject &&
                       r.subject->begin > pos && !r.object && r.verb.main != n_ && !r.verb.passive &&
                       r.objectCase == Case::accusative && !(r.verbSense && r.verbSense->noObject);
    // "What time is it?": "Hány óra van?"; "What time does it open?": "Hány órakor"
    // "Who are you talking to?", "What are you thinking about?": the preposition left at the end
    // gives the question word its case, the verb's own where the lexicon names one ("Kivel
    // beszélsz?", "Miről gondolkodsz?")
    const Token& last = t_[n_ - 1];
    std::optional<Case> stranded;
    if (pos == 0 && (tk.lower == "who" || tk.lower == "what") && tk.lemma == tk.lower && n_ > 2 &&
        last.tag == PartOfSpeech::preposition && !done_[n_ - 1]) {
      if (r.verbSense && !r.verbSense->note(last.lower).empty())
        stranded = caseNamed(r.verbSense->note(last.lower));
      else
        stranded = caseOfPreposition(last.lower);
    }
    if (stranded) {
      NounStem word;
      word.lemma = tk.lower == "who" ? "ki" : "mi";
      emit(inflectNoun(word, false, {}, *stranded), pos);
      done_[n_ - 1] = true;
    } else if (tk.lemma.starts_with("which of ")) {  // "Which of them is yours?": "Melyikük a tiéd?"
      const std::string_view group = std::string_view(tk.lemma).substr(9);
      // ("Which of them do you want?": the object, "Melyiküket akarod?")
      const std::string_view object = asked ? "et" : "";
      emit(std::string(group == "us" ? "melyik\xC3\xBCnk" : group == "you" ? "melyiketek" : "melyik\xC3\xBCk") +
               std::string(asked && group == "you" ? "et" : object),
           pos);
    } else if (tk.lemma == "what time")
      emit(r.verb.copula ? "h\xC3\xA1ny \xC3\xB3ra" : "h\xC3\xA1ny \xC3\xB3rakor", pos);
    else if (asked)
      emit(tk.lower == "what" ? "mit" : tk.lower == "who" ? "kit" : "melyiket", pos);
    else if (tk.lemma == "how old")
      emit("h\xC3\xA1ny \xC3\xA9ves", pos);  // "How old is she?": "Hány éves?"
    else if (tk.lemma == "how many")
      emit("h\xC3\xA1ny", pos);  // "How many people came?": "Hány ember jött?"
    else if (tk.lemma == "how often")
      emit("milyen", pos), emit("gyakran", pos);  // "How often do you go?": "Milyen gyakran jársz?"
    else if (tk.lemma == "how long")              // "How long have you lived here?": "Mióta laksz itt?"
      emit(r.verb.have != n_ ? "mi\xC3\xB3ta" : "meddig", pos);
    else if (tk.lemma == "how much")  // "How much does it cost?": "Mennyibe kerül?"
      // ("How much did you pay?": the amount is the object, "Mennyit fizettél?")
      emit(r.verb.main != n_ && t_[r.verb.main].lemma == "cost" ? "mennyibe"
           : r.subject && !r.object && r.verb.main != n_ && !r.verb.passive && !r.verb.copula &&
                   r.objectCase == Case::accusative && !(r.verbSense && r.verbSense->noObject) &&
                   !(pos + 2 < n_ && t_[pos + 2].tag == PartOfSpeech::noun)
               ? "mennyit"
               : "mennyi",
           pos);
    else if (tk.lower == "where" && t_[n_ - 1].lower == "from")
      emit("honnan", pos);  // "Where are you from?", "Where does it come from?"
    else if (tk.lower == "where" && r.verb.main != n_ && !r.verb.copula && movesSomewhere(t_[r.verb.main]))
      emit("hov\xC3\xA1", pos);  // "Where are you going?": "Hová mész?"
    else if (tk.lower == "how" && pos + 1 < n_ &&
             (t_[pos + 1].tag == PartOfSpeech::adjective || t_[pos + 1].tag == PartOfSpeech::adverb))
      emit("milyen", pos);  // "How tall is he?": "Milyen magas?"
    else if (const auto link = linkWord(tk.lower))
      emit(std::string(*link), pos);
    return pos + 1;
  }
  if (tk.tag == PartOfSpeech::adverb || tk.tag == PartOfSpeech::verb) {
    // "We also need bread": before the verb "also" is "szintén"; "is" follows the word it adds
    const bool beforeVerb = pos + 1 < n_ && (t_[pos + 1].tag == PartOfSpeech::verb ||
                                             t_[pos + 1].tag == PartOfSpeech::auxiliary ||
                                             t_[pos + 1].tag == PartOfSpeech::modal);
    if (tk.lower == "also" && beforeVerb)
      emit("szint\xC3\xA9n", pos);
    // "while I'm away", "She is away on business": where one is, far from here, "távol"
    else if (tk.lower == "away" && pos > 0 && t_[pos - 1].tag == PartOfSpeech::auxiliary &&
             (t_[pos - 1].lower == "am" || t_[pos - 1].lower == "is" || t_[pos - 1].lower == "are" ||
              t_[pos - 1].lower == "was" || t_[pos - 1].lower == "were" || t_[pos - 1].lower == "be" ||
              t_[pos - 1].lower == "been"))
      emit("t\xC3\xA1vol", pos);
    // "found a letter hidden between the pages": a participle outside the clause's verb says
    // what was done to the thing, the finished participle ("elrejtett"), never the bare stem
    // (a past spelled as the participle, right after the noun it describes, is that participle)
    else if (const Sense* vs = tk.tag == PartOfSpeech::verb &&
                                       (tk.form == VerbForm::participle ||
                                        (tk.form == VerbForm::past && pos > 0 && t_[pos - 1].tag == PartOfSpeech::noun))
                                   ? coreSense(tk, sense(pos)) : nullptr;
             vs && vs->word.find(' ') == std::string::npos)
      emit(finishedParticiple(*vs), pos);
    else if (auto s = plainSense(tk, sense(pos)))
      emit(*s, pos);
    else
      emit(tk.written, pos, false);
    return pos + 1;
  }
  if (tk.lower == "here")
    emit("itt", pos);
  else if (tk.lower == "there" && !r.existential)
    emit("ott", pos);
  return pos + 1;
}

// "mind Anna, mind Péter", "vagy kártyával, vagy készpénzzel": the pair's word before each
// member, the second in the place of the "and" or "or" between them, after a comma.
void Generator::sayCorrelatives() {
  for (std::size_t p = 0; p < n_; ++p) {
    if (t_[p].correlative.empty() || t_[p].correlative == "-") continue;
    if (t_[p].secondOfPair && p > 0 && t_[p - 1].correlative == "-") {
      const auto link = std::find_if(out_.begin(), out_.end(), [&](const HungarianWord& w) { return w.token == p - 1; });
      if (link != out_.end()) {
        link->text = std::string(t_[p].correlative);
        link->commaBefore = true;
      }
      continue;  // ("..., or I call the police": the clause's own link word says it)
    }
    // the first member: before its first word, or what stands for it ("Vagy indulsz"); the
    // second member of a clause after its link word has none ("vagy hívom a rendőrséget")
    if (t_[p].secondOfPair) continue;
    const auto member = std::find_if(out_.begin(), out_.end(), [&](const HungarianWord& w) { return w.token >= p; });
    if (member == out_.end()) continue;
    const bool comma = member->commaBefore;
    member->commaBefore = false;
    out_.insert(member, HungarianWord{std::string(t_[p].correlative), p, true, comma});
  }
}

// The words kept for the end, and "a" before a vowel made "az".
void Generator::finish() {
  for (HungarianWord& w : copulaTail_) out_.push_back(std::move(w));
  if (seemsComma_ < out_.size()) out_[seemsComma_].commaBefore = true;
  // "Nem vagyok dühös, csak fáradt", "kicsi, de tiszta": a comma after an adjective stays, and
  // "de" always has one before it
  for (std::size_t k = 1; k < out_.size(); ++k) {
    const std::size_t before = out_[k - 1].token;
    const bool pausedAdjective = before + 1 == out_[k].token && t_[before].tag == PartOfSpeech::adjective &&
                                 t_[before].pauseAfter;
    const bool but = out_[k].text == "de" && t_[out_[k].token].lower == "but";
    // (", uram" closing the sentence: the one addressed keeps its comma wherever the words
    // before it went)
    const std::size_t tk = out_[k].token;
    const bool addressed = k + 1 == out_.size() && tk + 1 == n_ && tk > 0 && t_[tk].tag == PartOfSpeech::name &&
                           t_[tk - 1].pauseAfter && (t_[tk].lower == "sir" || t_[tk].lower == "madam");
    if (pausedAdjective || but || addressed) out_[k].commaBefore = true;
  }
  for (std::size_t k = 0; k + 1 < out_.size(); ++k) {
    if (out_[k].text != "a") continue;
    // ("az Újpest", "az Őrség"; digits as they are read: "az 5-ös", "a 12-es")
    if (startsWithVowel(out_[k + 1].text)) out_[k].text = "az";
  }
}

ClauseContext Generator::context() const {
  ClauseContext c = before_;
  if (roles_.subject) {
    c.known = true, c.subject = Agreement{roles_.agreement.person, roles_.agreement.plural};
    // ("My parcel was sent but has not arrived": a passive said actively has another subject, but
    // the clause after goes on with the English one, "nem érkezett meg")
    c.doer = c.subject;
    if (roles_.verb.passive && !befalls_ && !roles_.agent)
      c.subject = Agreement{roles_.subject->person, roles_.subject->plural};
    c.thing = !roles_.subject->pronoun && saidOfThing(roles_);
    c.subjectPronoun = roles_.subject->pronoun ? t_[roles_.subject->head].lower : std::string();
  }
  c.passiveDone = (roles_.verb.passive || sharedPassive_) && roles_.agreement.definite;
  c.imperative = roles_.verb.imperative;
  c.past = roles_.verb.past;
  c.reported = false;
  c.gerund = c.purpose = c.asked = c.askedWhere = c.askedWhat = c.verbGoesOn = c.measuredFor = false;
  c.when = before_.when || saysWhen(t_);
  if (roles_.verb.imperative) c.known = true;
  return c;
}

// "won its fifth match in a row", "for the third time in a row", "five games in a row": how
// many came one after another is said before the count, "sorozatban az ötödik mérkőzését",
// "sorozatban harmadszor"
void Generator::rowBeforeItsCount() {
  std::size_t r = n_;
  for (std::size_t k = 1; k < n_ && r == n_; ++k)
    if (t_[k].lemma == "in a row" && t_[k].tag == PartOfSpeech::adverb) r = k;
  if (r == n_) return;
  auto counts = [&](const Token& k) {
    return k.tag == PartOfSpeech::number ||
           (k.tag == PartOfSpeech::adverb && k.lemma.starts_with("for the ") && k.lemma.ends_with(" time")) ||
           (k.tag == PartOfSpeech::adjective &&
            (k.lower == "first" || k.lower == "second" || k.lower == "third" || k.lower.ends_with("th")));
  };
  std::size_t c = r;
  while (c > 0 && r - c < 4 && !counts(t_[c - 1]) &&
         (t_[c - 1].tag == PartOfSpeech::noun || t_[c - 1].tag == PartOfSpeech::adjective))
    --c;
  if (c == 0 || !counts(t_[c - 1])) return;
  std::size_t begin = c - 1;
  while (begin > 0 && (t_[begin - 1].tag == PartOfSpeech::determiner || t_[begin - 1].tag == PartOfSpeech::possessive))
    --begin;
  // ("rained for three days in a row": a span of time counts no deeds done one after another)
  if (begin > 0 && t_[begin - 1].tag == PartOfSpeech::preposition) return;
  std::size_t row = out_.size(), at = out_.size();
  for (std::size_t k = 0; k < out_.size(); ++k) {
    if (out_[k].token == r && row == out_.size()) row = k;
    if (out_[k].token >= begin && out_[k].token < r && at == out_.size()) at = k;
  }
  if (row == out_.size() || at == out_.size() || row < at) return;
  std::rotate(out_.begin() + std::ptrdiff_t(at), out_.begin() + std::ptrdiff_t(row),
              out_.begin() + std::ptrdiff_t(row + 1));
}

// "The match was postponed because of the strong wind": the reason that closes a statement
// comes first in Hungarian, "Az erős szél miatt elhalasztották a mérkőzést"; a question, a
// request begun with "kérjük" and a reason inside the clause keep their order.
void Generator::reasonFirst() {
  if (out_.size() < 3 || t_[0].tag == PartOfSpeech::question || before_.asked || roles_.inverted ||
      before_.saying || out_[0].text == "k\xC3\xA9rj\xC3\xBCk")
    return;
  const VerbGroup& g = roles_.verb;
  const std::size_t verb = g.main != n_ ? g.main : g.copula ? g.be : g.have;
  if (verb >= n_) return;
  std::size_t r = n_;
  for (std::size_t k = verb + 1; k < n_; ++k)
    if (t_[k].tag == PartOfSpeech::preposition && (t_[k].lower == "because of" || t_[k].lower == "due to")) r = k;
  if (r >= n_ || r + 1 >= n_) return;
  for (std::size_t k = r; k + 1 < n_; ++k)
    if (t_[k].pauseAfter || t_[k].tag == PartOfSpeech::verb || t_[k].tag == PartOfSpeech::conjunction) return;
  std::size_t from = out_.size();
  while (from > 0 && out_[from - 1].token >= r) --from;
  if (from == 0 || from == out_.size()) return;
  for (std::size_t k = 0; k < from; ++k)
    if (out_[k].token >= r) return;
  std::rotate(out_.begin(), out_.begin() + std::ptrdiff_t(from), out_.end());
}

std::size_t Generator::peopleCountedAfter(const NounPhrase& np) const {
  static constexpr std::string_view kGroups[] = {"group", "team", "class", "party", "crew", "delegation"};
  static constexpr std::string_view kPeople[] = {"people",   "child",   "student", "pupil",  "tourist", "visitor",
                                                 "player",   "member",  "volunteer", "worker", "adult",
                                                 "teenager", "kid",     "soldier", "person", "participant"};
  if (np.pronoun || np.head + 1 != np.end || !listed(kGroups, t_[np.head].lemma) || t_[np.head].plural ||
      np.end + 3 > n_ || t_[np.end].lower != "of" || t_[np.end + 1].tag != PartOfSpeech::number ||
      t_[np.end + 2].tag != PartOfSpeech::noun || !t_[np.end + 2].plural ||
      !(listed(kPeople, t_[np.end + 2].lemma) || t_[np.end + 2].lower == "people"))
    return 0;
  return np.end + 3;
}

std::size_t Generator::wishedTime() const {
  // a stretch of time or a journey wished to be good ("a safe trip", "a wonderful holiday")
  static constexpr std::string_view kWishedTimes[] = {"day",  "weekend", "evening", "night",    "week",
                                                      "holiday", "trip", "journey", "flight", "stay",
                                                      "vacation", "break", "summer"};
  // ("Kind regards, and have ...": after words with no verb and "and")
  std::size_t k = 0;
  while (k < n_ && t_[k].lower != "have" && t_[k].tag != PartOfSpeech::verb &&
         t_[k].tag != PartOfSpeech::auxiliary && t_[k].tag != PartOfSpeech::modal)
    ++k;
  if (k > 0 && t_[k - 1].tag != PartOfSpeech::conjunction) return n_;
  if (k + 3 > n_) return n_;
  if (t_[k].lower != "have" || roles_.subject || (roles_.verb.main != k && roles_.verb.have != k)) return n_;
  const std::size_t article = k + 1;
  if (t_[article].lower != "a" && t_[article].lower != "an") return n_;
  std::size_t head = article + 1;
  while (head < n_ && t_[head].tag == PartOfSpeech::adjective) ++head;
  if (head == article + 1 || head >= n_ || t_[head].plural || !listed(kWishedTimes, t_[head].lemma)) return n_;
  // nothing after it but the one addressed ("..., Kati")
  for (std::size_t j = head + 1; j < n_; ++j)
    if (t_[j].tag != PartOfSpeech::name || !t_[j - 1].pauseAfter) return n_;
  return article;
}

std::vector<HungarianWord> Generator::run() {
  roles_.verb = readVerbGroup();
  // "Three people were injured in the accident": no one's doing but what befell them, said
  // actively of them, "Három ember megsérült" (with "by" the doer is said: "megsebesítette")
  if (passOf(roles_.verb) != nullptr) befalls_ = true, roles_.verb.passive = false;
  // ("The car is damaged", "He is injured": the state is what befell, done, "Az autó megsérült";
  // "are injured every year" befalls again and again, "évente megsérül"; "is delayed" goes on,
  // "késik", a verb without a prefix)
  if (befalls_ && !roles_.verb.past && roles_.verb.have == n_ && !roles_.verb.future && roles_.verb.modal.empty() &&
      !roles_.verb.imperative && !actFrom(roles_.verb.be) &&
      passOf(passiveAt(roles_.verb.main))->note("pass").find('|') != std::string_view::npos &&
      // ("Breakfast is included": where it is, "benne van", is no change)
      verbOfNote(passOf(passiveAt(roles_.verb.main))->note("pass")).lemma != "van")
    roles_.verb.past = true;
  // ("My flight has been delayed": what befell it and goes on, a verb without a prefix, is so
  // now, "A járatom késik"; "had been delayed" stays the past)
  if (befalls_ && roles_.verb.have < n_ && t_[roles_.verb.have].lower != "had" && !roles_.verb.future &&
      roles_.verb.modal.empty() && !actFrom(roles_.verb.have) &&
      passOf(passiveAt(roles_.verb.main))->note("pass").find('|') == std::string_view::npos)
    roles_.verb.past = false;
  // "The light is switched off": no act but the state it left, the light's, "A lámpa ki van
  // kapcsolva" ("was switched off at midnight" was done: "éjfélkor kikapcsolták")
  if (leftInState(roles_.verb)) stateLeft_ = true, roles_.verb.passive = false;
  // "A coffee, please", "Two tickets to Vienna, please": a thing asked for without a verb is
  // what one asks for, "Egy kávét kérek", "Két jegyet kérek Bécsbe" ("A számlát kérem")
  askedFor_ = n_ >= 2 && t_[n_ - 1].lower == "please" && t_[n_ - 2].pauseAfter && !before_.linked &&
              std::none_of(t_.begin(), t_.end() - 1, [](const Token& k) {
                return k.tag == PartOfSpeech::verb || k.tag == PartOfSpeech::auxiliary || k.tag == PartOfSpeech::modal ||
                       k.tag == PartOfSpeech::conjunction || k.tag == PartOfSpeech::question || k.lower == "please";
              }) &&
              startsNounPhrase(0) && t_[0].tag != PartOfSpeech::pronoun;
  findSubject(roles_);
  if (askedFor_) roles_.subject.reset();
  agreeWithSubject(roles_);
  findObjects(roles_);
  placeCopula(roles_);
  findAddedSubject(roles_);
  findPerfectDuration();
  // "Heavy rain is expected on Tuesday": no one's expectation but the weather's forecast, "Kedden
  // heves eső várható" ("is expected to rise" is "várhatóan emelkedik", above)
  {
    const VerbGroup& g = roles_.verb;
    expectedState_ = g.passive && g.main != n_ && t_[g.main].lemma == "expect" && !roles_.agent &&
                     roles_.subject && !roles_.subject->pronoun && !g.negative && g.modal.empty() &&
                     !(g.main + 1 < n_ && t_[g.main + 1].tag == PartOfSpeech::infinitiveTo) &&
                     !before_.asked && t_[0].tag != PartOfSpeech::question;
    if (expectedState_) genericPatient_ = false;  // "Viharok várhatók"
  }
  // "Could you send ...?": "El tudnád küldeni?", the polite conditional (of "I" and "we" below);
  // of a third person it asks what was ("Could she read when
  // she was four?": "Tudott olvasni")
  if (roles_.verb.modal == "tud" && roles_.inverted && roles_.verb.past && roles_.agreement.person < 3)
    roles_.verb.modal = "tud-cond", roles_.verb.past = false;
  // "Could you send me ...?", "Could you please move your car?": a request asks for the deed
  // itself in the conditional, "Továbbítanád?", "Áttennéd az autódat?"
  // ("Could you send me the report?", "Could you tell me when ...?": a deed done through to a
  // definite thing or a question keeps "tud", "El tudnád küldeni?", "Meg tudnád mondani, mikor")
  const bool throughToAThing =
      roles_.verb.main != n_ &&
      ((roles_.object && !roles_.object->pronoun && roles_.object->definite && roles_.verbSense &&
        (!roles_.verbSense->prefix.empty() || !roles_.verbSense->note("perf").empty())) ||
       t_[roles_.verb.main].neighbour == "wh");
  if (roles_.verb.modal == "tud-cond" && roles_.inverted && roles_.agreement.person == 2 &&
      roles_.verb.firstAux < n_ && t_[roles_.verb.firstAux].lower == "could" && !roles_.verb.negative &&
      !throughToAThing)
    roles_.verb.modal = "cond";
  // "Can you send me ...?", "Can you pick us up?": asked of the one addressed for the speaker, a
  // request, "El tudnád küldeni?"; without one it asks what the other can ("Can you swim?")
  if (roles_.verb.modal == "tud" && roles_.inverted && roles_.agreement.person == 2 && !roles_.verb.past &&
      !roles_.verb.negative && forTheSpeaker())
    roles_.verb.modal = "tud-cond";
  // "Could I ask ...?", "Could we have ...?": asking leave, "Megkérdezhetném?", "Kaphatnánk?"
  if (roles_.verb.modal == "tud-cond" && roles_.inverted && roles_.agreement.person == 1)
    roles_.verb.modal = "hat-cond";
  // "Temperatures could reach 35 degrees this weekend": what may yet happen, "elérheti"
  // ("Scientists warn that the lake could dry up", "The roof could collapse": so is what a thing
  // could do, and what is claimed now, "kiszáradhat", "beomolhat")
  if (roles_.verb.modal == "tud" && roles_.verb.past && !roles_.inverted && !roles_.verb.negative &&
      roles_.verb.firstAux < n_ && t_[roles_.verb.firstAux].lower == "could" &&
      (saysWhenToCome(t_) || saidOfThing(roles_) || (before_.reported && !before_.past) ||
       roles_.verb.copula))  // ("They could be right": "Igazuk lehet")
    roles_.verb.modal = "hat", roles_.verb.past = false;
  // "The storm should weaken by tomorrow", "The parcel should arrive on Monday": what a thing
  // should do without an object is what is expected of it, "várhatóan gyengül" (what a person
  // should do, or a thing should do to something, stays advice: "Látnod kellene egy orvost")
  if (roles_.verb.modal == "kellene" && roles_.verb.firstAux < n_ && t_[roles_.verb.firstAux].lower == "should" &&
      roles_.verb.main != n_ && !roles_.verb.passive && !roles_.verb.negative && !roles_.inverted &&
      !roles_.object &&
      (roles_.subject ? !roles_.subject->pronoun && saidOfThing(roles_) : before_.known && before_.thing) &&
      t_[0].tag != PartOfSpeech::question && !before_.asked)
    roles_.verb.modal.clear(), roles_.verb.adverb = "v\xC3\xA1rhat\xC3\xB3" "an";
  // "Passengers should arrive two hours before departure", "Cyclists should give way": what a
  // notice says the public it addresses should do is asked of them, the subjunctive ("az utasok
  // két órával indulás előtt érkezzenek"); other "should" stays advice ("Children should spend
  // less time": "A gyerekeknek kevesebb időt kellene tölteniük", "menned kellene")
  static constexpr std::string_view kPublicAddressed[] = {
      "passenger", "cyclist",  "guest",     "visitor", "driver",    "customer",  "resident", "candidate",
      "pedestrian", "user",    "applicant", "participant", "motorist", "traveller", "traveler", "patient",
      "shopper",   "spectator", "tenant",   "employee", "member"};
  if (roles_.verb.modal == "kellene" && roles_.verb.firstAux < n_ && t_[roles_.verb.firstAux].lower == "should" &&
      roles_.verb.main != n_ && !roles_.verb.passive && !roles_.verb.negative && !roles_.verb.past &&
      !roles_.inverted && roles_.subject && !roles_.subject->pronoun && !roles_.subject->name &&
      roles_.subject->plural && !roles_.subject->definite && t_[0].tag != PartOfSpeech::question && !before_.asked &&
      !before_.reported && !before_.known)
    if (listed(kPublicAddressed, t_[roles_.subject->head].lemma)) roles_.verb.modal = "subj", askedOfThem_ = true;
  // ("Fire doors should be kept closed", "Bags should be left at the entrance": what a notice says
  // should be done to things of a kind is what must be, "zárva kell tartani")
  if (roles_.verb.modal == "kellene" && roles_.verb.firstAux < n_ && t_[roles_.verb.firstAux].lower == "should" &&
      roles_.verb.passive && !roles_.verb.negative && !roles_.verb.past && !roles_.inverted && roles_.subject &&
      !roles_.subject->pronoun && !roles_.subject->name && roles_.subject->plural && !roles_.subject->possessed &&
      t_[roles_.subject->begin].tag != PartOfSpeech::determiner && t_[0].tag != PartOfSpeech::question &&
      !before_.asked && !before_.reported && !before_.known)
    roles_.verb.modal = "kell";
  // "Can I help you?": "Segíthetek?"
  if (roles_.verb.modal == "tud" && roles_.inverted && roles_.agreement.person == 1 && !roles_.verb.past)
    roles_.verb.modal = "hat";
  // "You can pay by card": told to the reader, what one may do, "Fizethet kártyával"
  // ("You can't park here": "Itt nem parkolhat", what the reader may not do)
  // ("If you cannot log in": what the reader is unable to do, "Ha nem tud bejelentkezni")
  if (roles_.verb.modal == "tud" && before_.formal && !roles_.inverted && !roles_.verb.past &&
      !before_.condition && roles_.subject && roles_.subject->pronoun && t_[roles_.subject->head].lower == "you")
    roles_.verb.modal = "hat";
  // "Residents can claim a refund", "Members can borrow up to five books": "can" before a verb
  // of a right one has is leave, not skill, "igényelhetnek", "kölcsönözhetnek" (what one is
  // unable to do, a question and a past stay "tud")
  static constexpr std::string_view kDoneByRight[] = {
      "claim", "apply", "request", "register", "park", "borrow", "vote", "join", "enter", "book",
      "cancel", "exchange", "return", "choose", "opt", "bring", "use", "collect", "attend", "stay"};
  if (roles_.verb.modal == "tud" && !roles_.inverted && !roles_.verb.past && !roles_.verb.negative &&
      !roles_.verb.passive && roles_.verb.main != n_ && roles_.verb.firstAux < n_ &&
      t_[roles_.verb.firstAux].lower == "can" && listed(kDoneByRight, t_[roles_.verb.main].lemma))
    roles_.verb.modal = "hat";
  done_.assign(n_, false);
  for (std::size_t k = 0; k < n_; ++k)
    if (stressedByEven(k) != n_) done_[k] = true;  // (said with its phrase: "még a kutyák is")
  if (resultState_ < n_) done_[resultState_] = true;
  if (askedPolitely(roles_) && t_[roles_.verb.main - 1].lower == "kindly")
    done_[roles_.verb.main - 1] = true;  // ("kindly" is said by "kérjük")
  if (askedOne_)
    for (std::size_t k = askedOne_->begin; k < askedOne_->end; ++k) done_[k] = true;
  // "Have a nice day!", "and have a lovely weekend": a wish of a good time or journey to the one
  // addressed is the thing wished alone, in the accusative, "Szép napot!", "Kellemes hétvégét!"
  if (const std::size_t wished = wishedTime(); wished != n_) {
    for (std::size_t k = 0; k + 1 < wished;) k = emitOtherPart(k);
    for (std::size_t k = 0; k < n_; ++k) done_[k] = true;
    NounPhrase np = readNounPhrase(wished);
    ++np.begin;  // no "egy"
    // ("lovely", "pleasant": what a stay is wished to be is "kellemes", "good" "jó")
    static constexpr std::pair<std::string_view, std::string_view> kWished[] = {
        {"lovely", "kellemes"}, {"pleasant", "kellemes"}, {"good", "j\xC3\xB3"}, {"nice", "sz\xC3\xA9p"}};
    while (np.begin < np.head && t_[np.begin].tag == PartOfSpeech::adjective) {
      const std::string& adj = t_[np.begin].lower;
      const auto w = std::find_if(std::begin(kWished), std::end(kWished), [&](const auto& e) { return e.first == adj; });
      if (w != std::end(kWished))
        emit(std::string(w->second), np.begin);
      else if (auto d = plainSense(t_[np.begin], sense(np.begin)))
        emit(*d, np.begin);
      ++np.begin;
    }
    emitNounPhrase(np, Case::accusative);
    // ("..., Kati": the one addressed after it)
    for (std::size_t k = np.end; k < n_;) {
      const NounPhrase one = readNounPhrase(k);
      emitNounPhrase(one, Case::nominative);
      k = std::max(one.end, k + 1);
    }
    finish();
    return out_;
  }
  // "Doctors say that": the source alone, "Az orvosok szerint" (its article made "az" below)
  if (sourceOnly_ && roles_.subject) {
    const Token& source = t_[roles_.subject->head];
    if (roles_.subject->pronoun) {  // "szerintem", "szerintünk"
      emit(*personalPostposition("szerint", source.person, source.plural), roles_.verb.main);
      finish();
      return out_;
    }
    emitSubject();
    emit("szerint", roles_.verb.main);
    finish();
    return out_;
  }
  if (roles_.verb.seems) {
    emit("\xC3\xBAgy", roles_.verb.firstAux);
    emit(roles_.verb.seemedPast ? "t\xC5\xB1nt" : "t\xC5\xB1nik", roles_.verb.firstAux);
    seemsComma_ = out_.size();
  }
  const bool topicFirst = subjectBeforeTime();
  if (topicFirst) {
    const std::size_t end = emitSubject();
    for (std::size_t k = roles_.subject->begin; k < end; ++k) done_[k] = true;
  }
  emitLeadingAdverbs();
  // (in a question within, the verb follows the question word: "hol van az állomás")
  if (topicFirst)
    subjectAfterVerb_ = false;
  else
    subjectAfterVerb_ =
      ((!out_.empty() || (before_.linked && changeOfItself())) && subjectFollowsVerb()) ||
      (before_.asked && roles_.subject && !roles_.subject->pronoun && !roles_.object && !roles_.verb.passive) ||
      askedPolitely(roles_);  // ("Kérjük a vendégeket": the request first)
  // "He asked me to wait": "Megkért, hogy várjak", the one asked is its object ("megkértelek")
  if (askedOne_ && askedOne_->pronoun && askedOne_->person != 3 && t_[roles_.verb.main].lemma == "ask") {
    Agreement& a = roles_.agreement;
    objectClausePronoun_ = false;
    a.youObject = askedOne_->person == 2 && a.person == 1 && !a.plural;
    a.definite = a.youObject;
  }
  // "The theatre was built in 1894 and restored last year": a participle joined to a passive
  // without a subject of its own is done to the passive's subject too, "és tavaly helyreállították"
  if (before_.passiveDone && before_.linked && !roles_.subject && !roles_.object && roles_.verb.main < n_ &&
      !roles_.verb.passive && roles_.verb.be == n_ && roles_.verb.have == n_ && roles_.verb.modal.empty() &&
      t_[roles_.verb.main].form == VerbForm::past && !objectClause_ && !(roles_.verbSense && roles_.verbSense->noObject) &&
      // ("was posted but never arrived": an "-ik" verb other than eating or drinking takes no object, so it is the
      // subject's own deed, "soha nem érkezett meg")
      !(roles_.verbSense && roles_.verbSense->word.ends_with("ik") && roles_.verbSense->word != "eszik" &&
        roles_.verbSense->word != "iszik"))
    roles_.agreement.definite = sharedPassive_ = true,
    roles_.agreement.person = before_.doer.person, roles_.agreement.plural = before_.doer.plural;
  // "The box was too heavy to carry": what anyone would do to the thing above, "ahhoz, hogy
  // vigyék"
  if (before_.purpose && before_.thing && before_.measuredFor && !roles_.subject && !roles_.object)
    roles_.agreement = Agreement{3, true, true, false};
  // "a számla, amelyet küldtél": the relative word takes the indefinite conjugation
  if (before_.relativeObject && !roles_.object)
    roles_.agreement.definite = roles_.agreement.youObject = false;
  // the quotation is what was said, a definite object: "– mondta", "– kérdezte az anyja"
  if (before_.saying && !roles_.object) roles_.agreement.definite = true;
  perfective_ = finishedPast() && !before_.saying;
  for (std::size_t pos = 0; pos < n_;) pos = emitPart(pos);
  rowBeforeItsCount();
  reasonFirst();
  finish();
  sayCorrelatives();
  if (before_.formal && out_.size() > 1 && out_[0].text == "k\xC3\xA9rj\xC3\xBCk") out_[1].commaBefore = true;
  if (afterAddressed_ < out_.size()) out_[afterAddressed_].commaBefore = true;
  // "Igen, jól vagyok", "Nem, köszönöm", "Hát, nem tudom": an answer keeps its comma
  if (n_ > 1 && t_[0].tag == PartOfSpeech::adverb && opensAnAnswer(t_[0].lemma) &&
      out_.size() > 1 && out_[0].token == 0)
    out_[1].commaBefore = true;
  everAsAlready();
  // "hogy éhes vagyok-e", "hogy nyitva van-e": the question's "-e" on the verb, else on the
  // predicate it asks about ("hogy éhes-e")
  // (a verb with "fog" or a modal would take it on the auxiliary: left unmarked)
  if (before_.yesNo && !out_.empty() && !roles_.verb.future && roles_.verb.modal.empty()) {
    const VerbGroup& g = roles_.verb;
    const std::size_t verb = g.main != n_ ? g.main : g.copula ? g.be : g.have;
    auto it = std::find_if(out_.begin(), out_.end(), [&](const HungarianWord& w) {
      return w.token == verb && w.text != "nem" && w.text != "soha";
    });
    // ("hogy be van-e zárva", "zárva van-e": the "van" of a state left takes it)
    if (!stateLeftBe_.empty())
      if (auto be = std::find_if(it, out_.end(), [&](const HungarianWord& w) { return w.token == verb && w.text == stateLeftBe_; });
          be != out_.end())
        it = be;
    HungarianWord& marked = it != out_.end() ? *it : out_.back();
    marked.text += "-e";
  }
  if (before_.saying && roles_.verb.main != n_)
    std::stable_partition(out_.begin(), out_.end(), [&](const HungarianWord& w) {
      return w.token >= roles_.verb.firstAux && w.token <= roles_.verb.main;
    });
  return out_;
}

// "Have you ever seen a ghost?", "Have you ever been to London?": asked whether it has happened
// at all, "már" after the verb ("Láttál már kísértetet?", "Voltál már Londonban?").
void Generator::everAsAlready() {
  const VerbGroup& g = roles_.verb;
  if (!roles_.inverted || g.negative || g.have == n_ || t_[0].tag == PartOfSpeech::question) return;
  const std::size_t verb = g.main != n_ ? g.main : g.be;
  std::size_t ever = n_;
  for (std::size_t k = g.firstAux; k < verb && k < n_; ++k)
    if (t_[k].lower == "ever") ever = k;
  if (ever == n_) return;
  std::erase_if(out_, [&](const HungarianWord& w) { return w.token == ever; });
  const auto said = std::find_if(out_.begin(), out_.end(), [&](const HungarianWord& w) { return w.token == verb; });
  if (said == out_.end()) return;
  // (the verb and its "már" open the question, the place or object that stood first after them)
  const auto at = out_.insert(said + 1, HungarianWord{"m\xC3\xA1r", ever}) - 1;
  std::rotate(out_.begin(), at, at + 2);
}

// The relative word of clause c; a preposition left at the clause's end gives it its case, the
// verb's own where the lexicon names one: "the colleague I worked with": "akivel dolgoztam",
// "the winter anyone could remember": the verb's own case for what it is about takes the
// relative word, "amelyre bárki emlékezett" (a plain object stays "amelyet").
std::optional<std::string> governedRelative(const std::vector<Token>& t, const Clause& c) {
  for (std::size_t k = c.body; k < c.end; ++k)
    if (t[k].tag == PartOfSpeech::verb) {
      const Sense* s = coreSense(t[k], 0);
      if (!s || s->note("obj").empty()) return std::nullopt;
      NounStem stem;
      stem.lemma = c.link.starts_with("aki") ? "aki" : "amely";
      stem.harmony = int(Harmony::front);
      return inflectNoun(stem, t[c.begin - 1].plural, {}, caseNamed(s->note("obj")));
    }
  return std::nullopt;
}

// "the house I grew up in": "amelyben felnőttem".
std::string relativeWord(const std::vector<Token>& t, const Clause& c) {
  if (c.relative && c.link.ends_with('t') && c.begin > 0 && c.end > c.body &&
      t[c.end - 1].tag != PartOfSpeech::preposition)
    return governedRelative(t, c).value_or(c.link);
  if (c.end < c.body + 2 || c.begin == 0 || t[c.end - 1].tag != PartOfSpeech::preposition) return c.link;
  const Token& p = t[c.end - 1];
  std::optional<Case> cs;
  for (std::size_t k = c.end - 1; k-- > c.body && !cs;)
    if (t[k].tag == PartOfSpeech::verb) {
      if (const Sense* s = coreSense(t[k], 0); s && !s->note(p.lower).empty())
        cs = caseNamed(s->note(p.lower));
      break;
    }
  if (!cs) cs = caseOfPreposition(p.lower);
  if (!cs) return c.link;
  const bool person = c.link.starts_with("aki");
  NounStem stem;
  stem.lemma = person ? "aki" : "amely";
  stem.harmony = int(Harmony::front);  // "akivel", "akiről"
  return inflectNoun(stem, t[c.begin - 1].plural, {}, *cs);
}

// Whether a clause other than c says what would be: "If I had more time, I would travel".
bool wouldElsewhere(const std::vector<Token>& t, const Clause& c) {
  for (std::size_t k = 0; k < t.size(); ++k)
    if ((k < c.begin || k >= c.end) && t[k].lower == "would" && t[k].tag == PartOfSpeech::modal) return true;
  return false;
}

// The sentence's last clause, after a comma, only names who holds the claim before it: "...,
// a new survey shows", "..., experts say" (its subject and a verb of saying, nothing after).
bool sourceAfterClaim(const std::vector<Token>& t, const Clause& c) {
  static constexpr std::string_view kHolding[] = {"say", "claim", "show", "suggest", "report", "find", "reveal"};
  if (!c.link.empty() || c.begin == 0 || !t[c.begin - 1].pauseAfter || c.end != t.size() || c.end < c.body + 2)
    return false;
  const Token& verb = t[c.end - 1];
  const Token& head = t[c.end - 2];
  if (verb.tag != PartOfSpeech::verb || !listed(kHolding, verb.lemma) || verb.form == VerbForm::ing ||
      verb.form == VerbForm::participle || (head.tag != PartOfSpeech::noun && head.tag != PartOfSpeech::name))
    return false;
  for (std::size_t k = c.body; k + 2 < c.end; ++k)
    if (t[k].tag != PartOfSpeech::determiner && t[k].tag != PartOfSpeech::adjective &&
        t[k].tag != PartOfSpeech::noun && t[k].tag != PartOfSpeech::possessive && t[k].tag != PartOfSpeech::name)
      return false;
  return true;
}

// The clause's verb demands what the "that" clause after it says: "insist", "demand", "suggest",
// "recommend", "propose", "require".
bool demandsBefore(const std::vector<Token>& t, const Clause& c) {
  static constexpr std::string_view kDemanding[] = {"insist", "demand",  "suggest",
                                                    "recommend", "propose", "require"};
  for (std::size_t k = c.begin; k < c.end; ++k)
    if (t[k].tag == PartOfSpeech::verb && listed(kDemanding, t[k].lemma)) return true;
  return false;
}

// "Please do not enter", "please do not hesitate": a request written out in full, as notices,
// forms and letters to customers put it, addresses the reader formally ("Kérjük, ne lépjen
// be"). A bare imperative and "don't" stay familiar: instructions and talk are said both ways.
bool formalNotice(const std::vector<Token>& t) {
  for (std::size_t i = 0; i + 2 < t.size(); ++i)
    if (t[i].lower == "please" && t[i + 1].lower == "do" && t[i + 2].tag == PartOfSpeech::negation &&
        t[i + 2].word != t[i + 1].word)  // "do not", not "don't"
      return true;
  return false;
}

// "Press the button", "Do not use near water", "If you have questions, call us": an instruction
// to whoever reads, as manuals, notices, recipes and letters to customers give it, addresses the
// reader formally ("Nyomja meg", "Ne használja"). Talk keeps the familiar form: a quotation,
// "don't", an imperative after a name or "Mum" called by it ("Anna, close the window").
bool instructsTheReader(const std::vector<Token>& t, const std::vector<Clause>& clauses,
                        const SentenceShape& shape) {
  if (shape.reportsSpeech || shape.quotation) return false;
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (t[i].lower == "do" && t[i + 1].tag == PartOfSpeech::negation && t[i + 1].word == t[i].word) return false;
  for (const Clause& c : clauses) {
    if (!c.link.empty()) continue;
    std::size_t i = c.body;
    if (i + 1 < c.end && t[i].pauseAfter && (t[i].tag == PartOfSpeech::name || t[i].tag == PartOfSpeech::noun))
      return false;  // a name called first: "Anna, close the window"
    // ("In case of fire, do not use the lift", "After use, wash your hands": an opening phrase
    // of when or why, up to its comma, comes before the instruction)
    if (i < c.end && t[i].tag == PartOfSpeech::preposition)
      for (std::size_t k = i; k + 1 < c.end && k < i + 6; ++k)
        if (t[k].pauseAfter) {
          i = k + 1;
          break;
        }
    while (i < c.end && (t[i].lower == "please" || t[i].lower == "always" || t[i].lower == "never" ||
                         t[i].lower == "just" || t[i].lower == "simply" || t[i].lower == "then" ||
                         t[i].lower == "first" || t[i].lower == "now" ||
                         (t[i].lower == "do" && t[i].tag == PartOfSpeech::auxiliary) ||
                         t[i].tag == PartOfSpeech::negation))
      ++i;
    if (i < c.end && t[i].tag == PartOfSpeech::verb && t[i].form == VerbForm::base) return true;
    // "You can change your settings at any time": what the reader may do, "módosíthatja"
    if (c.body + 1 < c.end && t[c.body].lower == "you" && t[c.body + 1].lower == "can" && !shape.question)
      return true;
  }
  return false;
}

// Whether the clause has a verb of its own, or is a noun phrase alone ("The house", before "where
// I grew up").
bool hasVerb(const std::vector<Token>& tokens, const Clause& c) {
  return std::any_of(tokens.begin() + std::ptrdiff_t(c.body), tokens.begin() + std::ptrdiff_t(c.end), [](const Token& t) {
    return t.tag == PartOfSpeech::verb || t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal;
  });
}

// Whether the clause's verb group opens with what must or should be done: "must pay", "should
// stop", "ought to know", "have to leave" (the Hungarian "kell", "kellene" of a dative subject).
bool opensWithMust(const std::vector<Token>& tokens, const Clause& c) {
  std::size_t k = c.body;
  while (k < c.end && tokens[k].tag == PartOfSpeech::adverb) ++k;
  if (k >= c.end) return false;
  const Token& t = tokens[k];
  if (t.tag == PartOfSpeech::modal) return t.lower == "must" || t.lower == "should" || t.lower == "ought";
  return isHave(t) && k + 2 < c.end && tokens[k + 1].tag == PartOfSpeech::infinitiveTo &&
         tokens[k + 2].tag == PartOfSpeech::verb;
}

// Whether the clause opens with a passive and says no one who did it: "has been sold", "will be
// closed".
bool agentlessPassive(const std::vector<Token>& tokens, const Clause& c) {
  bool be = false;
  for (std::size_t k = c.body; k < c.end; ++k) {
    const Token& t = tokens[k];
    if (t.lower == "by") return false;
    if (t.tag == PartOfSpeech::auxiliary || t.tag == PartOfSpeech::modal || t.tag == PartOfSpeech::negation) {
      be = be || formOfBe(t.lower) || t.lower == "been" || t.lower == "be";
      continue;
    }
    if (t.tag == PartOfSpeech::adverb) continue;
    if (t.tag != PartOfSpeech::verb || !be || t.form != VerbForm::participle) return false;
    be = false;  // (the passive found: what follows is its own)
    for (std::size_t j = k + 1; j < c.end; ++j)
      if (tokens[j].lower == "by") return false;
    return true;
  }
  return false;
}

// "Police say that", "Experts believe that", "A new study shows that": a clause that only names
// who holds what the next one says, a plural or an institution in the present, is said "X
// szerint" before that clause, without "hogy" ("A rendőrség szerint senki sem sérült meg"). A
// person's word stays what the person says ("A főbérlő azt mondja, hogy").
bool namesASource(const std::vector<Token>& t, const Clause& c, const Clause& next) {
  static constexpr std::string_view kHolding[] = {"say", "claim", "believe", "think", "show", "suggest"};
  static constexpr std::string_view kInstitutions[] = {"police",  "government", "ministry", "report",
                                                       "study",   "survey",     "research", "poll",
                                                       "company", "council"};
  if (!c.link.empty() || next.link != "hogy" || next.relative || next.purpose || next.request ||
      next.result || next.question || c.end < c.body + 2)
    return false;
  const Token& verb = t[c.end - 1];
  const Token& head = t[c.end - 2];
  // "I think he is right", "We believe that ...": one's own opinion, "Szerintem igaza van"
  if (c.end == c.body + 2 && (head.lower == "i" || head.lower == "we") && verb.tag == PartOfSpeech::verb &&
      verb.form == VerbForm::base && (verb.lemma == "think" || verb.lemma == "believe"))
    return true;
  if (verb.tag != PartOfSpeech::verb || !listed(kHolding, verb.lemma) ||
      (verb.form != VerbForm::base && verb.form != VerbForm::third) || head.tag != PartOfSpeech::noun ||
      !(head.plural || listed(kInstitutions, head.lemma)))
    return false;
  // the words before are the subject's own: an article, adjectives, nouns
  for (std::size_t k = c.body; k + 2 < c.end; ++k)
    if (t[k].tag != PartOfSpeech::determiner && t[k].tag != PartOfSpeech::adjective &&
        t[k].tag != PartOfSpeech::noun && t[k].tag != PartOfSpeech::possessive)
      return false;
  return true;
}

// "Hi Mark,", "Dear Mrs Smith,": a clause of a greeting and the one greeted, opening the sentence.
bool greetingClause(const std::vector<Token>& t, const Clause& c) {
  // ("Hi all,": the greeting and the ones greeted may be one set phrase, "Sziasztok!")
  return c.begin == 0 && c.end > 0 && c.link.empty() && greets(t[0]) &&
         (c.end > 1 || t[0].words > 1) && t[c.end - 1].pauseAfter;
}

// "Dear Mr Novak, ...", "Dear Dr Evans, ...": a letter to one greeted by title addresses the
// reader formally ("Köszönöm a levelét").
bool greetsByTitle(const std::vector<Token>& t, const std::vector<Clause>& clauses) {
  return clauses.size() > 1 && greetingClause(t, clauses[0]) &&
         std::any_of(t.begin(), t.begin() + std::ptrdiff_t(clauses[0].end), [](const Token& k) { return isTitle(k); });
}

// Hungarian letters and messages set the greeting apart as a sentence of its own, "Szia, Mark!"
// "Kedves Smith úr!", and what follows starts with a capital; "szia" takes a comma before the name.
void punctuateGreeting(std::vector<HungarianWord>& out, std::size_t bodyToken) {
  // "Kedves Szülők!", "Tisztelt Kovács Asszony!", "Tisztelt Hölgyem/Uram!": those a letter greets
  // with "kedves" or "tisztelt" are written with capitals, "vagy" and "és" between them not
  if (!out.empty() && out[0].token == 0 &&
      (out[0].text == "kedves" || out[0].text == "tisztelt" || out[0].text.starts_with("kedves ") ||
       out[0].text.starts_with("tisztelt "))) {
    auto capitalize = [](std::string& text, std::size_t from) {
      for (std::size_t at = from; at < text.size(); ++at)
        if ((at == from || text[at - 1] == ' ') && text.compare(at, 5, "vagy ") != 0 &&
            text.compare(at, 4, "\xC3\xA9s ") != 0 && text.substr(at) != "vagy" && text.substr(at) != "\xC3\xA9s")
          text.replace(at, text.size() - at, capitalized(std::string_view(text).substr(at)));
    };
    capitalize(out[0].text, out[0].text.find(' ') == std::string::npos ? out[0].text.size() : out[0].text.find(' ') + 1);
    for (std::size_t k = 1; k < out.size() && out[k].token < bodyToken; ++k) capitalize(out[k].text, 0);
  }
  for (std::size_t k = 1; k < out.size(); ++k) {
    if (out[k].token < bodyToken) {
      if (k == 1 && out[0].token == 0 && out[0].text != "kedves" && out[0].text != "tisztelt")
        out[1].commaBefore = true;
      continue;
    }
    out[k].commaBefore = false;
    out[k].opensAfterGreeting = true;
    return;
  }
}

// "I am writing to complain about ...", "We are writing to inform you": a letter opens with why
// it is written, "Azért írok, hogy ..." (the clause only its subject and "writing").
bool writesToSayWhy(const std::vector<Token>& t, const Clause& c, const Clause& why) {
  if (!why.purpose || c.end <= c.body || !c.link.empty()) return false;
  const Token& verb = t[c.end - 1];
  if (verb.tag != PartOfSpeech::verb || verb.lemma != "write" || verb.form != VerbForm::ing) return false;
  return std::all_of(t.begin() + std::ptrdiff_t(c.body), t.begin() + std::ptrdiff_t(c.end - 1), [](const Token& k) {
    return k.tag == PartOfSpeech::pronoun || k.tag == PartOfSpeech::auxiliary;
  });
}

// "Yes, I do.", "No, I haven't.", "Yes, she can.": the subject and the auxiliary that stand for
// the verb asked about; Hungarian answers with "Igen." or "Nem." alone.
std::optional<HungarianWord> shortAnswer(const std::vector<Token>& t) {
  if (t.size() < 3 || t.size() > 4 || (t[0].lower != "yes" && t[0].lower != "no") || !t[0].pauseAfter ||
      t[1].tag != PartOfSpeech::pronoun || !subjectPronoun(t[1]) ||
      (t[2].tag != PartOfSpeech::auxiliary && t[2].tag != PartOfSpeech::modal) ||
      (t.size() == 4 && t[3].tag != PartOfSpeech::negation))
    return std::nullopt;
  return HungarianWord{t[0].lower == "yes" ? "igen" : "nem", 0};
}

// "Thank you for your reply": thanks written out in full for what the reader did or sent, as
// letters and messages put them, speak of it formally ("Köszönöm a válaszát"); "Thanks for your
// help" and thanks to one called by name stay familiar.
bool thanksForYours(const std::vector<Token>& t) {
  const std::size_t f = t.size() > 1 && muchOfThanks(t[1]) ? 2 : 1;  // ("thank you so much for")
  if (t.size() < f + 2 || t[0].lower != "thank you" || t[f].lower != "for" ||
      t[f + 1].tag != PartOfSpeech::possessive || t[f + 1].person != 2)
    return false;
  return std::none_of(t.begin(), t.end(), [](const Token& k) { return k.tag == PartOfSpeech::name; });
}

// The context of a clause whose verb has no subject of its own ("-ing", "to"): the subject of
// the clause it depends on, "you" after an imperative.
// The one a verb of judging is said of: its object ("forgave her", "blamed the driver"), or a
// passive's subject ("The driver was fined"); none where the subject judges itself ("apologised").
std::optional<Agreement> judgedOne(const std::vector<Token>& t, const Clause& c) {
  for (std::size_t k = c.body; k < c.end; ++k) {
    if (t[k].tag != PartOfSpeech::verb) continue;
    auto of = [&](std::size_t from, std::size_t to) -> std::optional<Agreement> {
      for (std::size_t m = from; m < to; ++m) {
        if (t[m].tag == PartOfSpeech::pronoun) return Agreement{t[m].person, t[m].plural, false, false};
        if (t[m].tag == PartOfSpeech::noun || t[m].tag == PartOfSpeech::name) {
          while (m + 1 < to && t[m + 1].tag == PartOfSpeech::noun) ++m;
          return Agreement{3, t[m].plural, false, false};
        }
        if (t[m].tag != PartOfSpeech::determiner && t[m].tag != PartOfSpeech::possessive &&
            t[m].tag != PartOfSpeech::adjective)
          return std::nullopt;
      }
      return std::nullopt;
    };
    if (t[k].form == VerbForm::participle && k > c.body && t[k - 1].tag == PartOfSpeech::auxiliary)
      return of(c.body, k);
    return of(k + 1, c.end);
  }
  return std::nullopt;
}

ClauseContext dependentOn(ClauseContext c) {
  if (c.imperative) c.subject = Agreement{2, false, false, false};
  c.known = true;
  c.imperative = false;
  return c;
}

// "I want the children to sleep", "She would like her son to study": after a verb of wanting,
// the noun phrase of the one who is to do it, [first, second) in the sentence, said in the
// "hogy" clause `c` (a pronoun is said by the verb's ending; one asked or told stays the
// object of its verb). Empty when there is none.
std::pair<std::size_t, std::size_t> wantedOne(const std::vector<Token>& t, const Clause& c) {
  if (c.begin < 3 || t[c.begin].lower != "to") return {0, 0};
  const std::size_t end = c.begin;
  const Token& head = t[end - 1];
  if (head.tag != PartOfSpeech::noun && head.tag != PartOfSpeech::name) return {0, 0};
  std::size_t begin = end - 1;
  while (begin > 0 && (t[begin - 1].tag == PartOfSpeech::determiner || t[begin - 1].tag == PartOfSpeech::possessive ||
                       t[begin - 1].tag == PartOfSpeech::adjective || t[begin - 1].tag == PartOfSpeech::noun ||
                       t[begin - 1].tag == PartOfSpeech::number))
    --begin;
  if (begin == 0 || t[begin - 1].tag != PartOfSpeech::verb || !wantingVerb(t, begin - 1)) return {0, 0};
  return {begin, end};
}

}  // namespace

std::size_t senseCount(const Token& t) {
  if (t.entry) {
    const SenseFilter filter(t);
    const std::size_t n = std::size_t(std::count_if(t.entry->senses.begin(), t.entry->senses.end(),
                                                    [&](const Sense& s) { return filter.suits(s); }));
    return n ? n : t.entry->senses.size();
  }
  return t.dictionarySenses.size();
}

// The noun of the action of the verb at c.body with what it is done to, the clause's words after
// it: nothing, "it" or "them" (left unsaid), or a noun phrase ("a ház elhagyása", "tisztítás" of
// "it"); `unfinished` while it goes on ("a könyv olvasása közben"). Nothing for anything more.
std::optional<std::vector<HungarianWord>> actionNoun(const std::vector<Token>& t, const Clause& c,
                                                     std::size_t pointed, std::size_t pointedSense,
                                                     bool unfinished) {
  const Token& verb = t[c.body];
  const Sense* s = coreSense(verb, 0);
  if (verb.tag != PartOfSpeech::verb || !s) return std::nullopt;
  std::size_t objectBegin = c.body + 1, objectEnd = c.end;
  const bool pronoun = objectBegin + 1 == objectEnd && (t[objectBegin].lower == "it" || t[objectBegin].lower == "them");
  if (pronoun) objectBegin = objectEnd;
  for (std::size_t k = objectBegin; k < objectEnd; ++k) {
    const PartOfSpeech p = t[k].tag;
    const bool article = (p == PartOfSpeech::determiner || p == PartOfSpeech::possessive) &&
                         k == objectBegin &&
                         (t[k].lower == "the" || t[k].lower == "this" || t[k].lower == "these" ||
                          p == PartOfSpeech::possessive);
    if (!article && p != PartOfSpeech::adjective && p != PartOfSpeech::noun && p != PartOfSpeech::number)
      return std::nullopt;
  }
  if (objectBegin < objectEnd && t[objectEnd - 1].tag != PartOfSpeech::noun) return std::nullopt;
  const bool owned = objectBegin < objectEnd;
  // (what the verb governs in a case of its own owns no action: "nyúl a szeméhez")
  if (owned && (!s->note("obj").empty() || s->noObject)) return std::nullopt;
  // ("reading the book": "a könyv elolvasása", the finished action of a definite thing)
  std::string prefix = s->prefix;
  if (prefix.empty() && owned && !unfinished &&
      (t[objectBegin].tag == PartOfSpeech::determiner || t[objectBegin].tag == PartOfSpeech::possessive))
    prefix = std::string(s->note("perf"));
  const std::string noun = actionNounOf(VerbStem{s->word, prefix, ""}, owned);
  if (noun.empty()) return std::nullopt;
  std::vector<HungarianWord> out;
  if (owned) {
    // the owner as a noun phrase alone, "this" said as "the" ("e gyógyszer" reads as a notice)
    std::vector<Token> np(t.begin() + std::ptrdiff_t(objectBegin), t.begin() + std::ptrdiff_t(objectEnd));
    if (np.front().tag == PartOfSpeech::determiner) np.front().lower = np.front().lemma = "the";
    const std::size_t local = pointed >= objectBegin && pointed < objectEnd ? pointed - objectBegin : np.size();
    for (HungarianWord w : Generator(np, local, pointedSense, ClauseContext{}).run()) {
      w.token += objectBegin;
      w.commaBefore = false;
      out.push_back(std::move(w));
    }
    if (out.empty()) return std::nullopt;
  }
  out.push_back({noun, c.body, true});
  return out;
}

// "before leaving the house", "after finishing the report", "while cooking dinner": an "-ing"
// clause of time with nothing but its verb and object is the noun of the action with a
// postposition ("a ház elhagyása előtt", "a jelentés befejezése után", "a vacsora főzése
// közben", "tisztítás előtt" of "it"), as Hungarian writes it; else nothing.
std::optional<std::vector<HungarianWord>> actionOfTime(const std::vector<Token>& t, const Clause& c,
                                                       std::size_t pointed, std::size_t pointedSense) {
  static constexpr std::pair<std::string_view, std::string_view> kPostpositions[] = {
      {"before", "el\xC5\x91tt"}, {"after", "ut\xC3\xA1n"}, {"while", "k\xC3\xB6zben"}};
  std::string_view post;
  for (const auto& [english, hungarian] : kPostpositions)
    if (t[c.begin].lower == english) post = hungarian;
  if (post.empty() || !c.gerund || c.body >= c.end || c.body != c.begin + 1 ||
      t[c.body].form != VerbForm::ing)
    return std::nullopt;
  auto out = actionNoun(t, c, pointed, pointedSense, t[c.begin].lower == "while");
  if (out) out->push_back({std::string(post), c.begin, true});
  return out;
}

// "To delete your account, open the menu": what for, said first, is the noun of the action in
// "-hoz", "A fiókja törléséhez nyissa meg a menüt"; else nothing.
std::optional<std::vector<HungarianWord>> actionForPurpose(const std::vector<Token>& t, const Clause& c,
                                                           std::size_t pointed, std::size_t pointedSense) {
  if (!c.purpose || !c.measured || c.begin != 0 || c.body >= c.end || t[c.body].form != VerbForm::base)
    return std::nullopt;
  auto out = actionNoun(t, c, pointed, pointedSense, false);
  if (out) out->back().text = attachCase(out->back().text, Case::allative);
  return out;
}

// "If swallowed, seek medical advice", "can provide a reference if needed": "if" and a lone
// participle say the case it would be, the noun of the action owned and "esetén" ("Lenyelése
// esetén", "szükség esetén")
std::optional<std::vector<HungarianWord>> caseOfParticiple(const std::vector<Token>& t, const Clause& c) {
  if (t[c.begin].lower != "if" || c.body != c.begin + 1 || c.end != c.body + 1) return std::nullopt;
  const Token& verb = t[c.body];
  const bool need = verb.lower == "needed" || verb.lower == "required" || verb.lower == "necessary";
  if (!need && (verb.tag != PartOfSpeech::verb || (verb.form != VerbForm::participle && verb.form != VerbForm::past)))
    return std::nullopt;
  std::string noun;
  if (need) {
    noun = "sz\xC3\xBCks\xC3\xA9g";
  } else {
    const Sense* s = coreSense(verb, 0);
    if (!s) return std::nullopt;
    std::string prefix = s->prefix;
    if (prefix.empty()) prefix = std::string(s->note("perf"));
    noun = actionNounOf(VerbStem{s->word, prefix, ""}, true);
  }
  if (noun.empty()) return std::nullopt;
  std::vector<HungarianWord> out;
  out.push_back({noun, c.body, true});
  out.push_back({"eset\xC3\xA9n", c.begin, true});
  return out;
}

// "Köszönöm, uram.", "Elnézést, asszonyom, ez a táskája?": the one addressed keeps its commas.
static void keepCommasOfTheOneAddressed(const std::vector<Token>& tokens, std::vector<HungarianWord>& out) {
  for (std::size_t k = 0; k < out.size(); ++k) {
    const Token& t = tokens[out[k].token];
    if (t.tag != PartOfSpeech::name || !t.entry || (t.lower != "sir" && t.lower != "madam")) continue;
    if (k > 0) out[k].commaBefore = true;
    if (k + 1 < out.size() && !out[k + 1].opensAfterGreeting) out[k + 1].commaBefore = true;
  }
}

std::vector<HungarianWord> generateHungarian(const std::vector<Token>& analysed, std::size_t pointed,
                                             std::size_t pointedSense, const SentenceShape& shape) {
  if (const std::optional<HungarianWord> answer = shortAnswer(analysed)) return {*answer};
  // the pauses inside a clause separate the members of a list ("bread, milk and eggs")
  std::vector<Token> marked = analysed;
  for (Token& t : marked) {
    const std::size_t last = t.word + t.words - 1;
    t.pauseAfter = last < shape.pauseAfterWord.size() && shape.pauseAfterWord[last];
  }
  const std::vector<Token>& tokens = marked;
  ClauseContext context, beforeRelative;
  context.saying = shape.reportsSpeech;
  std::vector<Clause> clauses = splitClauses(marked, shape);
  const bool formal = context.formal =
      formalNotice(marked) || instructsTheReader(marked, clauses, shape) || greetsByTitle(marked, clauses);
  if (formal || thanksForYours(marked))  // "your ticket": "a jegyét"
    for (Token& t : marked)
      if (t.tag == PartOfSpeech::possessive && t.person == 2 && !t.plural) t.person = 3;
  // "Many people work from home, a new survey shows": the source after the claim comes first,
  // "Egy új felmérés szerint sokan ..."
  std::vector<HungarianWord> out;
  if (clauses.size() >= 2 && !shape.reportsSpeech && !shape.quotation && sourceAfterClaim(tokens, clauses.back())) {
    const Clause c = clauses.back();
    clauses.pop_back();
    const std::vector<Token> body(tokens.begin() + std::ptrdiff_t(c.body), tokens.begin() + std::ptrdiff_t(c.end));
    Generator g(body, pointed >= c.body && pointed < c.end ? pointed - c.body : body.size(), pointedSense, context);
    g.sourceOnly();
    for (HungarianWord w : g.run()) {
      w.token += c.body;
      out.push_back(std::move(w));
    }
  }
  if (out.empty() && clauses.size() <= 1 && (clauses.empty() || clauses[0].link.empty())) {
    std::vector<HungarianWord> words = Generator(marked, pointed, pointedSense, context).run();
    keepCommasOfTheOneAddressed(tokens, words);
    return words;
  }
  // "how hard it is": "milyen nehéz", the "it" of a predicate said alone (at `dropped`, in the
  // body; 0: none)
  auto droppedIt = [&](const Clause& c) -> std::size_t {
    return c.degree && c.body + 1 < c.end && tokens[c.body + 1].lower == "it" ? 1 : 0;
  };
  auto bodyOf = [&](const Clause& c) {
    std::vector<Token> body(tokens.begin() + std::ptrdiff_t(c.body), tokens.begin() + std::ptrdiff_t(c.end));
    if (const std::size_t d = droppedIt(c)) body.erase(body.begin() + std::ptrdiff_t(d));
    return body;
  };
  bool nominalBefore = false;  // the clause before was said as a noun: no comma after it
  bool countedLink = false;    // the clause before ends with a span counted from this one ("azután, hogy")
  std::size_t passiveOfThePatient = SIZE_MAX;  // the clause whose passive is done to a definite noun above
  for (std::size_t k = 0; k < clauses.size(); ++k) {
    const Clause& c = clauses[k];
    ClauseContext gerundContext;
    if (c.gerund) {
      // the subject and tense come from the clause it depends on, which follows an opening one:
      // "Before leaving, check the windows": "Mielőtt elindulsz"
      gerundContext = dependentOn(k == 0 && k + 1 < clauses.size()
                                      ? Generator(bodyOf(clauses[k + 1]), SIZE_MAX, 0).runForContext()
                                      : context);
      // "Thank you for helping": "Köszönöm, hogy segítettél"
      if (c.thanks) gerundContext.subject = Agreement{2, false, false, false}, gerundContext.past = true;
      // "I'm sorry for being late": the one sorry did it, before, "Sajnálom, hogy elkéstem"
      // ("Sorry for being late": said alone, the speaker's, "Elnézést, hogy elkéstem")
      if (c.regret) {
        gerundContext.past = true;
        if (!context.known) gerundContext.subject = Agreement{1, false, false, false};
      }
      // "forgave her for selling": the one judged did it, "amiért eladta"
      if (c.deed && k > 0)
        if (const auto doer = judgedOne(tokens, clauses[k - 1])) gerundContext.subject = *doer;
      gerundContext.gerund = true;
    }
    const std::size_t first = out.size();
    if (auto action = caseOfParticiple(tokens, c); action && clauses.size() > 1) {
      out.insert(out.end(), action->begin(), action->end());
      nominalBefore = true;
      continue;
    }
    if (auto action = actionOfTime(tokens, c, pointed, pointedSense);
        action || (action = actionForPurpose(tokens, c, pointed, pointedSense))) {
      out.insert(out.end(), action->begin(), action->end());
      nominalBefore = true;
      continue;
    }
    // "where she had gone": a question within of going asks where to ("hová")
    if (c.question && c.link == "hol" &&
        std::any_of(tokens.begin() + std::ptrdiff_t(c.body), tokens.begin() + std::ptrdiff_t(c.end),
                    [](const Token& t) { return t.tag == PartOfSpeech::verb && movesSomewhere(t); }) &&
        tokens[c.end - 1].lower != "from")
      out.push_back({"hov\xC3\xA1", c.begin, true});
    else if (c.measured)  // "túl fáradt volt ahhoz, hogy ..."
      out.push_back({"ahhoz", c.begin, true}), out.push_back({"hogy", c.begin, true, true});
    else if (c.subject)  // "Az, hogy augusztusban jövünk-e, ..."
      out.push_back({"az", c.begin, true}), out.push_back({"hogy", c.begin, true, true});
    else if (c.gerund && tokens[c.begin].lower == "without")  // "anélkül, hogy felnézne"
      out.push_back({c.link, c.begin, true}), out.push_back({"hogy", c.begin, true, true});
    else if (k > 0 && namesASource(tokens, clauses[k - 1], c))
      ;  // "A rendőrség szerint senki sem ...": the claim follows without "hogy"
    else if (countedLink)  // ("két nappal azután, hogy kitört a botrány")
      out.push_back({"hogy", c.begin, true});
    else if (!c.link.empty())
      out.push_back({c.relative ? relativeWord(tokens, c) : c.link, c.begin, true});
    // a relative clause's verb agrees with the noun the link word stands for
    if (c.relative && c.begin > 0) {
      beforeRelative = context;
      context = ClauseContext{};
      context.known = true, context.subject = Agreement{3, tokens[c.begin - 1].plural, false, false};
    }
    if (c.ofTime || c.ofNoun) beforeRelative = context;  // (its own subject, and the main clause's after it)
    // after a relative clause the main clause goes on with its own subject
    if (k > 0 && (clauses[k - 1].relative || clauses[k - 1].ofTime || clauses[k - 1].ofNoun) && c.link.empty())
      context = beforeRelative;
    context.resumed = k > 0 && clauses[k - 1].relative && c.link.empty();
    std::vector<Token> body = bodyOf(c);
    std::size_t localPointed = pointed >= c.body && pointed < c.end ? pointed - c.body : body.size();
    // "I want the children to sleep": the noun of the one wanted to do it, which the clause
    // before leaves unsaid, is the subject said in this one ("Azt akarom, hogy a gyerekek
    // aludjanak"); its tokens go before the body and keep their own places
    const std::pair<std::size_t, std::size_t> wanted = c.request ? wantedOne(tokens, c) : std::pair<std::size_t, std::size_t>{0, 0};
    const std::size_t lent = wanted.second - wanted.first;
    if (lent) {
      body.insert(body.begin(), tokens.begin() + std::ptrdiff_t(wanted.first), tokens.begin() + std::ptrdiff_t(wanted.second));
      localPointed = pointed >= wanted.first && pointed < wanted.second ? pointed - wanted.first
                     : localPointed < body.size() - lent                ? localPointed + lent
                                                                         : body.size();
    }
    const std::size_t dropped = droppedIt(c);
    if (dropped && localPointed >= dropped)
      localPointed = localPointed == dropped ? body.size() : localPointed - 1;
    if (c.gerund) context = gerundContext;
    if (c.purpose) {
      // (said first, its subject is the one of the instruction after it)
      context = dependentOn(k == 0 && k + 1 < clauses.size()
                                ? Generator(bodyOf(clauses[k + 1]), SIZE_MAX, 0).runForContext()
                                : context);
      context.purpose = !c.promised;
      context.requested = c.request;
      context.promised = c.promised;
      context.measuredFor = c.measured;
      if (c.request && c.begin > 0) {  // the one told is the subject (past "not")
        std::size_t one = c.negated && c.begin > 1 ? c.begin - 2 : c.begin - 1;
        // ("asked the witnesses of the accident to come": the witnesses, before their owner)
        std::size_t k = one;
        while (k > 0 && (tokens[k - 1].tag == PartOfSpeech::determiner ||
                         tokens[k - 1].tag == PartOfSpeech::adjective))
          --k;
        if (k >= 2 && tokens[k - 1].lower == "of" && tokens[k - 2].tag == PartOfSpeech::noun) one = k - 2;
        // ("I was told to": the passive's subject, before its "was")
        if (tokens[one].tag == PartOfSpeech::verb && one >= 2) one -= 2;
        const Token& told = tokens[one];
        context.subject =
            Agreement{told.tag == PartOfSpeech::pronoun ? told.person : 3, told.plural, false, false};
      }
    }
    // "knew where the key was": a question within keeps its tense as what was said does ("hol van")
    context.reported = (c.link == "hogy" || c.question) && !c.relative && !c.result && k > 0;
    // "insisted that we stay", "suggested that he wait": what is demanded is the subjunctive,
    // with its own subject ("ragaszkodott ahhoz, hogy maradjunk")
    // ("waited for the rain to stop": "hogy elálljon az eső")
    if (c.link == "hogy" && k > 0 && !c.relative &&
        (demandsBefore(tokens, clauses[k - 1]) || tokens[c.begin].waitedFor))
      context.purpose = true, context.reported = false;
    context.asked = c.question && !c.degree && !c.askedInPhrase;
    context.askedWhere = context.asked && (c.link == "hol" || c.link == "mikor");
    context.verbGoesOn = k + 1 < clauses.size() && clauses[k + 1].link == "\xC3\xA9s" &&
                         clauses[k + 1].body < clauses[k + 1].end &&
                         tokens[clauses[k + 1].body].tag == PartOfSpeech::verb &&
                         tokens[clauses[k + 1].body].form != VerbForm::participle;
    context.askedWhat = context.asked && c.link == "mi" && c.end > c.body + 1 &&
                        tokens[c.end - 1].tag == PartOfSpeech::auxiliary;
    context.degree = c.degree;
    context.linked = !c.link.empty();
    context.ownSubject = context.linked && tokens[c.begin].lower == "so";
    context.formal = formal;
    context.relativeObject = c.relative && !c.link.empty() && c.link.back() == 't';  // "amelyet", "akit"
    context.toBeDone = c.toBeDone;
    context.hypothetical = c.link == "ha" && wouldElsewhere(tokens, c);
    context.condition = c.link == "ha";
    context.yesNo = c.yesNo;
    context.negated = c.negated;
    // only the first clause after a quotation is the words of saying: "„Állj!” – kiabálta, és
    // elszaladt", the second clause a verb as any other
    context.saying = k == 0 && shape.reportsSpeech;
    context.meanwhile = c.meanwhile;
    // ("mintha olvasna": as if, the conditional with the same subject)
    context.without = (c.gerund && tokens[c.begin].lower == "without") || (c.link == "mintha" && c.promised);
    context.until = !c.link.empty() && (tokens[c.begin].lower == "until" || tokens[c.begin].lower == "till");
    context.moment = c.link == "amikor" && !c.relative && !c.ofTime;
    context.manner = c.link == "ahogy" && !c.relative;
    context.asIf = c.link == "mintha";
    context.patientDefinite = k == passiveOfThePatient;
    Generator g(body, localPointed, pointedSense, context);
    if (k + 1 < clauses.size() && clauses[k + 1].link == "hogy" && !clauses[k + 1].relative &&
        !clauses[k + 1].result &&
        (!clauses[k + 1].purpose || clauses[k + 1].request || clauses[k + 1].promised ||
         clauses[k + 1].awaited))
      g.objectClauseFollows();
    if (k + 1 < clauses.size() && clauses[k + 1].question) g.objectClauseFollows(false);
    // "Press and hold the button", "Wash and dry the cups": a bare verb right before "and" and
    // another verb with its object shares that object
    if (k + 1 < clauses.size() && (clauses[k + 1].link == "\xC3\xA9s" || clauses[k + 1].link == "vagy") &&
        c.end - c.body <= 2 && tokens[c.end - 1].tag == PartOfSpeech::verb && !tokens[c.end - 1].pauseAfter &&
        clauses[k + 1].body + 1 < clauses[k + 1].end && tokens[clauses[k + 1].body].tag == PartOfSpeech::verb &&
        tokens[clauses[k + 1].body].form == VerbForm::base) {
      const Token& o = tokens[clauses[k + 1].body + 1];
      const bool startsObject = o.tag == PartOfSpeech::determiner || o.tag == PartOfSpeech::possessive ||
                                o.tag == PartOfSpeech::noun || o.tag == PartOfSpeech::name;
      if (startsObject)
        g.sharesObjectAfter(o.tag == PartOfSpeech::possessive || o.tag == PartOfSpeech::name || o.lower == "the" ||
                            o.lower == "this" || o.lower == "that" || o.lower == "these" || o.lower == "those");
    }
    if (k + 1 < clauses.size() && clauses[k + 1].link == "mi\xC3\xB3ta") g.sinceClauseFollows();
    if (k + 1 < clauses.size() && clauses[k + 1].link == "mintha") g.asIfFollows();
    if (k + 2 < clauses.size() && (clauses[k + 1].relative || clauses[k + 1].link == "ahol") &&
        clauses[k + 2].link.empty() && !c.relative && c.link.empty() && !hasVerb(tokens, c) &&
        agentlessPassive(tokens, clauses[k + 2])) {
      g.undergoesThePassiveAfter();
      const Token& first = tokens[c.body];
      if (first.tag == PartOfSpeech::possessive || first.tag == PartOfSpeech::name || first.lower == "the" ||
          first.lower == "this" || first.lower == "that" || first.lower == "these" || first.lower == "those")
        passiveOfThePatient = k + 2;
    }
    if (k + 2 < clauses.size() && clauses[k + 1].relative && clauses[k + 2].link.empty() && !c.relative &&
        c.link.empty() && !hasVerb(tokens, c) && opensWithMust(tokens, clauses[k + 2]))
      g.mustDoAfter();
    countedLink = false;
    // (not how long one waited or stayed: "wait a few minutes before you try again", "cool for
    // ten minutes before")
    static constexpr std::string_view kLasting[] = {"wait", "stay", "remain", "last",  "spend",
                                                    "take", "sleep", "work", "live", "rest"};
    auto lastingSpan = [&](std::size_t span) {
      if (span > c.body && tokens[span - 1].lower == "for") return true;
      for (std::size_t j = c.body; j < span; ++j)
        if (tokens[j].tag == PartOfSpeech::verb && listed(kLasting, tokens[j].lemma)) return true;
      return false;
    };
    if (k + 1 < clauses.size() && !clauses[k + 1].relative && c.end >= c.body + 3 &&
        (tokens[clauses[k + 1].begin].lower == "after" || tokens[clauses[k + 1].begin].lower == "before") &&
        !tokens[c.end - 1].pauseAfter && tokens[c.end - 1].tag == PartOfSpeech::noun && unitOfTime(tokens[c.end - 1].lemma) &&
        (tokens[c.end - 2].tag == PartOfSpeech::number || tokens[c.end - 2].lower == "a" ||
         tokens[c.end - 2].lower == "an" || tokens[c.end - 2].lower == "a few") &&
        !lastingSpan(c.end - 2)) {
      g.countedToClause(tokens[clauses[k + 1].begin].lower == "after" ? "azut\xC3\xA1n" : "azel\xC5\x91tt");
      countedLink = true;
    }
    if (k + 1 < clauses.size() && clauses[k + 1].request) g.requestFollows();
    if (k + 1 < clauses.size() && clauses[k + 1].considered) g.consideringFollows();
    if (k + 1 < clauses.size() && namesASource(tokens, c, clauses[k + 1])) g.sourceOnly();
    for (HungarianWord w : g.run()) {
      if (w.token < lent) {
        w.token += wanted.first;
      } else {
        w.token -= lent;
        if (dropped && w.token >= dropped) ++w.token;
        w.token += c.body;
      }
      out.push_back(std::move(w));
    }
    if (k + 1 < clauses.size() && writesToSayWhy(tokens, c, clauses[k + 1]) && out.size() > first)
      out.insert(out.begin() + std::ptrdiff_t(first), HungarianWord{"az\xC3\xA9rt", c.body});
    if (k > 0 && out.size() > first)
      out[first].commaBefore = !c.measured && !nominalBefore && !namesASource(tokens, clauses[k - 1], c);
    nominalBefore = false;
    context = g.context();
    // (what follows has the clause as its subject: "..., a repülőjegyek árától függ")
    if (c.subject) context.subject = Agreement{3, false, false, false}, context.known = true;
  }
  if (clauses.size() > 1 && greetingClause(tokens, clauses[0])) {
    // "Dear Mr Novak,", "Dear Ms Kovács,": one greeted by title and name is "Tisztelt Novak úr!",
    // "Tisztelt Kovács asszony!", the formal letter's address
    if (tokens.size() > 2 && tokens[0].lower == "dear" &&
        (tokens[1].lower == "mr" || tokens[1].lower == "mrs" || tokens[1].lower == "ms") && !out.empty() &&
        out[0].token == 0 && out[0].text == "kedves")
      out[0].text = "tisztelt";
    punctuateGreeting(out, clauses[1].begin);
  }
  keepCommasOfTheOneAddressed(tokens, out);
  return out;
}

}  // namespace lexiton::translator
