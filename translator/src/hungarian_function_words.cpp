#include "hungarian_function_words.h"

#include <algorithm>
#include <utility>

namespace lexiton::translator {
namespace {

// Most postpositions follow the nominative; some a case of their own ("through the forest": "az
// erdőn keresztül", "apart from that": "ettől eltekintve").
struct Postposition {
  std::string_view english, hungarian;
  Case before = Case::nominative;
};
constexpr Postposition kPostpositions[] = {
    {"under", "alatt"},
    {"past", "mellett"},  // "walked past the house": "elsétált a ház mellett
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
    {"across", "\xC3\xA1t", Case::superessive},
    {"through", "kereszt\xC3\xBCl", Case::superessive},
    {"beyond", "t\xC3\xBAl", Case::superessive},  // "a folyón túl"
    {"since", "\xC3\xB3ta"},
    {"around", "k\xC3\xB6r\xC3\xBCl"},
    {"round", "k\xC3\xB6r\xC3\xBCl"},
    {"opposite", "szemben", Case::instrumental},  // "az iskolával szemben"
    {"across from", "szemben", Case::instrumental},  // "the bank across from the station", "velem szemben"
    {"against", "ellen"},
    {"towards", "fel\xC3\xA9"},
    {"because of", "miatt"},
    {"due to", "miatt"},
    {"instead of", "helyett"},
    {"in front of", "el\xC5\x91tt"},
    {"on behalf of", "nev\xC3\xA9" "ben"},  // "a cégem nevében"
    {"next to", "mellett"},
    {"according to", "szerint"},
    {"in spite of", "ellen\xC3\xA9re"},
    {"despite", "ellen\xC3\xA9re"},
    {"among", "k\xC3\xB6z\xC3\xB6tt"},
    {"below", "alatt"},
    {"along", "ment\xC3\xA9n"},
    {"beside", "mellett"},
    {"past", "mellett"},
    {"all through", "alatt"},  // (with "az egész" before the noun: "az egész vacsora alatt")
    {"throughout", "alatt"},  // "walked past the church": "a templom mellett"
    {"like", "mint"},
    {"in case of", "eset\xC3\xA9n"},
    {"apart from", "eltekintve", Case::ablative},
    {"away from", "t\xC3\xA1vol", Case::ablative},  // "a folyótól távol"
    {"in time for", "id\xC5\x91" "ben", Case::sublative},  // "a döntőre időben"
    {"except", "kiv\xC3\xA9ve", Case::accusative},
    {"except for", "kiv\xC3\xA9ve", Case::accusative},
    {"outside", "el\xC5\x91tt"},
    {"out of the reach of", "el\xC5\x91l elz\xC3\xA1rva"},
    {"out of reach of", "el\xC5\x91l elz\xC3\xA1rva"},
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
    {"till", Case::terminative}, {"as", Case::formal},         {"inside", Case::inessive},
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

// Question words and conjunctions, said where they stand.
constexpr std::pair<std::string_view, std::string_view> kLinkWords[] = {
    {"where", "hol"},    {"when", "mikor"},       {"what", "mi"},
    {"who", "ki"},       {"why", "mi\xC3\xA9rt"}, {"how", "hogyan"},
    {"which", "melyik"}, {"and", "\xC3\xA9s"},    {"or", "vagy"},
    {"but", "de"},       {"because", "mert"},     {"while", "mik\xC3\xB6zben"},
    {"if", "ha"},        {"so", "\xC3\xADgy"},     {"whose", "kinek"}};

// The personal pronouns in nominative, accusative, dative and instrumental.
constexpr PronounForms kPronouns[] = {
    {"i", "\xC3\xA9n", "engem", "nekem", "velem"},
    {"me", "\xC3\xA9n", "engem", "nekem", "velem"},
    {"you", "te", "t\xC3\xA9ged", "neked", "veled"},
    // "you" said to more than one ("I'll see you all", "Dear Mum and Dad, I miss you")
    {"you all", "ti", "titeket", "nektek", "veletek"},
    {"he", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"she", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"him", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"her", "\xC5\x91", "\xC5\x91t", "neki", "vele"},
    {"it", "az", "azt", "neki", "vele"},
    // "this" and "that" standing alone as a subject or object ("Ez azt jelenti", "ha az megfelel")
    {"this", "ez", "ezt", "ennek", "ezzel"},
    {"that", "az", "azt", "annak", "azzal"},
    {"we", "mi", "minket", "nek\xC3\xBCnk", "vel\xC3\xBCnk"},
    {"us", "mi", "minket", "nek\xC3\xBCnk", "vel\xC3\xBCnk"},
    {"they", "\xC5\x91k", "\xC5\x91ket", "nekik", "vel\xC3\xBCk"},
    {"them", "\xC5\x91k", "\xC5\x91ket", "nekik", "vel\xC3\xBCk"},
    {"myself", "magam", "magamat", "magamnak", "magammal"},
    {"yourself", "magad", "magadat", "magadnak", "magaddal"},
    {"himself", "maga", "mag\xC3\xA1t", "mag\xC3\xA1nak", "mag\xC3\xA1val"},
    {"herself", "maga", "mag\xC3\xA1t", "mag\xC3\xA1nak", "mag\xC3\xA1val"},
    {"itself", "maga", "mag\xC3\xA1t", "mag\xC3\xA1nak", "mag\xC3\xA1val"},
    {"ourselves", "magunk", "magunkat", "magunknak", "magunkkal"},
    {"yourselves", "magatok", "magatokat", "magatoknak", "magatokkal"},
    {"themselves", "maguk", "magukat", "maguknak", "magukkal"},
    {"mine", "az eny\xC3\xA9m", "az eny\xC3\xA9met", "az eny\xC3\xA9mnek", "az eny\xC3\xA9mmel"},
    {"yours",
     "a ti\xC3\xA9"
     "d",
     "a ti\xC3\xA9"
     "det",
     "a ti\xC3\xA9"
     "dnek",
     "a ti\xC3\xA9"
     "ddel"},
    {"hers", "az \xC3\xB6v\xC3\xA9", "az \xC3\xB6v\xC3\xA9t", "az \xC3\xB6v\xC3\xA9nek",
     "az \xC3\xB6v\xC3\xA9vel"},
    {"ours", "a mi\xC3\xA9nk", "a mi\xC3\xA9nket", "a mi\xC3\xA9nknek", "a mi\xC3\xA9nkkel"},
    {"each other", "egym\xC3\xA1s", "egym\xC3\xA1st", "egym\xC3\xA1snak", "egym\xC3\xA1ssal"},
    {"theirs", "az \xC3\xB6v\xC3\xA9k", "az \xC3\xB6v\xC3\xA9ket", "az \xC3\xB6v\xC3\xA9knek",
     "az \xC3\xB6v\xC3\xA9kkel"},
};

}  // namespace

std::optional<std::pair<std::string_view, Case>> postpositionFor(std::string_view preposition) {
  for (const Postposition& p : kPostpositions)
    if (p.english == preposition) return std::pair(p.hungarian, p.before);
  return std::nullopt;
}

std::optional<Case> caseOfPreposition(std::string_view preposition) {
  for (const PrepCase& p : kPrepCases)
    if (p.english == preposition) return p.c;
  return std::nullopt;
}

std::string numberInWords(long long n, bool beforeNoun) {
  static constexpr std::string_view kUnits[] = {
      "",          "egy", "k\xC3\xA9t", "h\xC3\xA1rom", "n\xC3\xA9gy",
      "\xC3\xB6t", "hat", "h\xC3\xA9t", "nyolc",        "kilenc"};
  static constexpr std::string_view kTens[] = {"",         "t\xC3\xADz",   "h\xC3\xBAsz", "harminc",
                                               "negyven",  "\xC3\xB6tven", "hatvan",      "hetven",
                                               "nyolcvan", "kilencven"};
  static constexpr std::string_view kTensBefore[] = {"", "tizen", "huszon"};  // "tizenkét", "huszonöt"
  if (n < 0 || n >= 1000000000) return std::to_string(n);
  if (n == 0) return "nulla";
  // below a thousand; `last` when nothing follows, where 2 alone is "kettő"
  auto group = [&](long long g, bool last) {
    std::string out;
    const long long hundreds = g / 100, tens = g % 100 / 10, units = g % 10;
    if (hundreds > 1) out += kUnits[hundreds];
    if (hundreds > 0) out += "sz\xC3\xA1z";
    if (tens > 0) out += units > 0 && tens <= 2 ? kTensBefore[tens] : kTens[tens];
    if (units == 2 && last && !beforeNoun)
      out += "kett\xC5\x91";
    else
      out += kUnits[units];
    return out;
  };
  std::string out;
  const long long millions = n / 1000000, thousands = n / 1000 % 1000, rest = n % 1000;
  if (millions) out += (millions > 1 ? group(millions, false) : std::string("egy")) + "milli\xC3\xB3";
  if (thousands) {
    if (!out.empty()) out += "-";
    out += (thousands > 1 ? group(thousands, false) : std::string()) + "ezer";
  }
  if (rest) {
    if (n > 2000 && !out.empty()) out += "-";  // "kétezer-tíz", but "ezerkilencszáz"
    out += group(rest, true);
  }
  return out;
}

std::string ordinalInWords(long long n) {
  if (n == 1) return "els\xC5\x91";
  if (n == 2) return "m\xC3\xA1sodik";
  // the last word of the number takes the ordinal's ending, its stem shortened as it is before
  // any ending ("tíz": "tizedik", "ezer": "ezredik"); "négy" before "egy", which it ends with
  static constexpr std::pair<std::string_view, std::string_view> kLastWords[] = {
      {"n\xC3\xA9gy", "negyedik"},
      {"egy", "egyedik"},
      {"kett\xC5\x91", "kettedik"},
      {"h\xC3\xA1rom", "harmadik"},
      {"\xC3\xB6t",
       "\xC3\xB6t\xC3\xB6"
       "dik"},
      {"hat", "hatodik"},
      {"h\xC3\xA9t", "hetedik"},
      {"nyolc", "nyolcadik"},
      {"kilenc", "kilencedik"},
      {"t\xC3\xADz", "tizedik"},
      {"h\xC3\xBAsz", "huszadik"},
      {"harminc", "harmincadik"},
      {"negyven", "negyvenedik"},
      {"\xC3\xB6tven", "\xC3\xB6tvenedik"},
      {"hatvan", "hatvanadik"},
      {"hetven", "hetvenedik"},
      {"nyolcvan", "nyolcvanadik"},
      {"kilencven", "kilencvenedik"},
      {"sz\xC3\xA1z", "sz\xC3\xA1zadik"},
      {"ezer", "ezredik"},
      {"milli\xC3\xB3", "milliomodik"}};
  const std::string words = numberInWords(n, false);
  for (const auto& [last, ordinal] : kLastWords)
    if (words.ends_with(last)) return words.substr(0, words.size() - last.size()) + std::string(ordinal);
  return std::to_string(n) + ".";
}

const Numeral* numeral(std::string_view english) {
  for (const Numeral& n : kNumerals)
    if (n.english == english) return &n;
  return nullptr;
}

const Numeral& clockHour(int hour) { return kNumerals[std::size_t(std::clamp(hour, 1, 12) - 1)]; }

std::optional<std::string_view> linkWord(std::string_view english) {
  for (const auto& [e, h] : kLinkWords)
    if (e == english) return h;
  return std::nullopt;
}

const PronounForms* pronoun(std::string_view english) {
  for (const PronounForms& p : kPronouns)
    if (p.english == english) return &p;
  return nullptr;
}

bool takesCaseOnItsOwnForm(const PronounForms& p) {
  const std::string_view e = p.english;
  return e == "each other" || e == "mine" || e.ends_with("self") || e.ends_with("selves") ||
         (e.ends_with('s') && e != "us");
}

// A personal pronoun in a local case: the case's own stem with a personal ending ("rám",
// "benne", "tőlünk", "hozzájuk"); nothing for a case without such forms.
std::optional<std::string> pronounInCase(int person, bool plural, Case c) {
  struct Forms {
    Case c;
    std::string_view stem;
    std::string_view endings[6];  // 1sg 2sg 3sg 1pl 2pl 3pl
  };
  static constexpr Forms kForms[] = {
      {Case::sublative, "r\xC3\xA1", {"m", "d", "", "nk", "tok", "juk"}},
      {Case::inessive, "benn", {"em", "ed", "e", "\xC3\xBCnk", "etek", "\xC3\xBCk"}},
      {Case::illative, "bel\xC3\xA9", {"m", "d", "", "nk", "tek", "j\xC3\xBCk"}},
      {Case::elative, "bel\xC5\x91l", {"em", "ed", "e", "\xC3\xBCnk", "etek", "\xC3\xBCk"}},
      {Case::superessive, "rajt", {"am", "ad", "a", "unk", "atok", "uk"}},
      {Case::delative, "r\xC3\xB3l", {"am", "ad", "a", "unk", "atok", "uk"}},
      {Case::adessive, "n\xC3\xA1l", {"am", "ad", "a", "unk", "atok", "uk"}},
      {Case::allative, "hozz\xC3\xA1", {"m", "d", "", "nk", "tok", "juk"}},
      {Case::ablative, "t\xC5\x91l", {"em", "ed", "e", "\xC3\xBCnk", "etek", "\xC3\xBCk"}},
      {Case::causal, "\xC3\xA9rt", {"em", "ed", "e", "\xC3\xBCnk", "etek", "\xC3\xBCk"}},
  };
  const std::size_t i = std::size_t(std::clamp(person, 1, 3) - 1) + (plural ? 3 : 0);
  for (const Forms& f : kForms)
    if (f.c == c) return std::string(f.stem) + std::string(f.endings[i]);
  return std::nullopt;
}

// "ez" and "az" in the case of the noun they point at: "ebben", "arra", "ezeket".
std::string demonstrative(bool near, bool plural, Case c) {
  struct Forms {
    Case c;
    std::string_view nearForm, farForm;
  };
  static constexpr Forms kForms[] = {
      {Case::accusative, "ezt", "azt"},
      {Case::inessive, "ebben", "abban"},
      {Case::illative, "ebbe", "abba"},
      {Case::elative, "ebb\xC5\x91l", "abb\xC3\xB3l"},
      {Case::superessive, "ezen", "azon"},
      {Case::sublative, "erre", "arra"},
      {Case::delative, "err\xC5\x91l", "arr\xC3\xB3l"},
      {Case::adessive, "enn\xC3\xA9l", "ann\xC3\xA1l"},
      {Case::allative, "ehhez", "ahhoz"},
      {Case::ablative, "ett\xC5\x91l", "att\xC3\xB3l"},
      {Case::dative, "ennek", "annak"},
      {Case::instrumental, "ezzel", "azzal"},
      {Case::causal, "ez\xC3\xA9rt", "az\xC3\xA9rt"},
      {Case::terminative, "eddig", "addig"},
  };
  if (plural) {
    const std::string stem = near ? "ezek" : "azok";
    if (c == Case::nominative) return stem;
    return attachCase(stem, c);
  }
  for (const Forms& f : kForms)
    if (f.c == c) return std::string(near ? f.nearForm : f.farForm);
  return near ? "ez" : "az";
}

}  // namespace lexiton::translator
