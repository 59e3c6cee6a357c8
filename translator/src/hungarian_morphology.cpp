// Hungarian plurals by vowel harmony and linking vowel, with the stems that break the rules
// listed by hand. The words are handled as UTF-16: every Hungarian letter is one unit.
#include "hungarian_morphology.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "lexiton/text_encoding.h"

namespace lexiton::translator {
namespace {

constexpr char16_t kAAcute = 0xE1, kEAcute = 0xE9, kIAcute = 0xED, kOAcute = 0xF3, kOUml = 0xF6,
                   kODouble = 0x151, kUAcute = 0xFA, kUUml = 0xFC, kUDouble = 0x171;

// Stems whose plural shortens or drops a vowel, or takes "v": no suffix rule spells these.
const std::pair<std::u16string_view, std::u16string_view> kIrregular[] = {
    {u"mad\u00E1r", u"madarak"},
    {u"szam\u00E1r", u"szamarak"},
    {u"poh\u00E1r", u"poharak"},
    {u"ny\u00E1r", u"nyarak"},
    {u"l\u00F3", u"lovak"},
    {u"t\u00F3", u"tavak"},
    {u"k\u0151", u"k\u00F6vek"},
    {u"v\u00EDz", u"vizek"},
    {u"k\u00E9z", u"kezek"},
    {u"\u00FAt", u"utak"},
    {u"t\u0171z", u"t\u00FCzek"},
    {u"lev\u00E9l", u"levelek"},
    {u"keny\u00E9r", u"kenyerek"},
    {u"eg\u00E9r", u"egerek"},
    {u"n\u00E9v", u"nevek"},
    {u"h\u00EDd", u"hidak"},
    {u"f\u00E9rfi", u"f\u00E9rfiak"},
    {u"bokor", u"bokrok"},
    {u"torony", u"tornyok"},
    {u"\u00F6k\u00F6r", u"\u00F6kr\u00F6k"},
    {u"s\u00E1tor", u"s\u00E1trak"},
    {u"\u00E1lom", u"\u00E1lmok"},
    {u"dolog", u"dolgok"},
    {u"teher", u"terhek"},
    {u"kicsi", u"kicsik"},
    {u"tet\u0151", u"tet\u0151k"},
};

// Nouns that link with "a"/"e" where the harmony rule says "o"/"ö" ("házak", "fülek").
constexpr std::u16string_view kLoweringNouns[] = {
    u"h\u00E1z", u"fal",       u"hal",        u"v\u00E1r",   u"\u00E1g", u"fog",  u"toll",
    u"l\u00E1b", u"gy\u00E1r", u"\u00E1gy",   u"t\u00E1rgy", u"nyak",    u"hold", u"had",
    u"hang",     u"h\u00E1t",  u"tag",        u"t\u00E1rs",  u"vonal",   u"agy",  u"\u00E1r",
    u"f\u00FCl", u"f\u00F6ld", u"k\u00F6nyv", u"sz\u00F6g",  u"\u00F6v",
};

// Adjectives that link with "o" where adjectives mostly take "a" ("nagyok", but "magasak").
constexpr std::u16string_view kRoundedAdjectives[] = {
    u"nagy", u"gazdag", u"vastag", u"fiatal", u"vak", u"szabad", u"boldog", u"s\u00FCket",
};

// Verbs whose past no rule spells, matched at the end so that preverbs stay ("elmegy" ->
// "elment"): present, past singular, past plural.
struct IrregularVerb {
  std::u16string_view present, past, pastPlural;
};
const IrregularVerb kIrregularVerbs[] = {
    {u"megy", u"ment", u"mentek"},
    {u"j\u00F6n", u"j\u00F6tt", u"j\u00F6ttek"},
    {u"tesz", u"tett", u"tettek"},
    {u"vesz", u"vett", u"vettek"},
    {u"visz", u"vitt", u"vittek"},
    {u"hisz", u"hitt", u"hittek"},
    {u"lesz", u"lett", u"lettek"},
    {u"eszik", u"evett", u"ettek"},
    {u"iszik", u"ivott", u"ittak"},
    {u"alszik", u"aludt", u"aludtak"},
    {u"fekszik", u"fek\u00FCdt", u"fek\u00FCdtek"},
    {u"n\u0151", u"n\u0151tt", u"n\u0151ttek"},
};

// Verbs whose only vowel is "i" or "í" yet take back suffixes ("írtak", "hívott", "indított").
constexpr std::u16string_view kBackVerbsWithI[] = {u"\u00EDr",  u"ny\u00EDr", u"h\u00EDv",   u"sz\u00EDv",
                                                   u"s\u00EDr", u"b\u00EDr",  u"ind\u00EDt", u"tilt"};

// Singular nouns long enough to be taken for a plural.
constexpr std::u16string_view kSingularLikePlural[] = {u"cs\u00FCt\u00F6rt\u00F6k",
                                                       u"ny\u00FAlf\u00FCl\u00FCk"};

bool isBackVowel(char16_t c) {
  return c == u'a' || c == u'o' || c == u'u' || c == kAAcute || c == kOAcute || c == kUAcute;
}
bool isRoundedFront(char16_t c) { return c == kOUml || c == kODouble || c == kUUml || c == kUDouble; }
bool isNeutral(char16_t c) { return c == u'i' || c == kIAcute || c == kEAcute; }
bool isVowel(char16_t c) { return isBackVowel(c) || isRoundedFront(c) || isNeutral(c) || c == u'e'; }
bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || isVowel(c); }

template <std::size_t N>
bool listed(const std::u16string_view (&list)[N], std::u16string_view w) {
  return std::find(std::begin(list), std::end(list), w) != std::end(list);
}

std::size_t vowelCount(std::u16string_view w) {
  return std::size_t(std::count_if(w.begin(), w.end(), isVowel));
}

// "a"/"e" or "o"/"e"/"\u00F6" before the "k"
char16_t linkingVowel(Harmony h, bool lowering) {
  switch (h) {
    case Harmony::back:
      return lowering ? u'a' : u'o';
    case Harmony::front:
      return u'e';
    case Harmony::frontRounded:
      return lowering ? u'e' : kOUml;
  }
  return u'e';
}

// The word as UTF-16 when it is one inflectable word (see isInflectableWord), else nothing.
std::optional<std::u16string> inflectableWide(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > kMaxInflectedBytes) return std::nullopt;
  std::u16string w = utf8ToUtf16(utf8);
  if (w.size() < 2 || !std::all_of(w.begin(), w.end(), isLetter) || vowelCount(w) == 0) return std::nullopt;
  return w;
}

bool looksPluralWide(std::u16string_view w) {
  if (w.size() < 3 || w.back() != u'k' || !isVowel(w[w.size() - 2])) return false;
  if (listed(kSingularLikePlural, w)) return false;
  const char16_t linking = w[w.size() - 2];
  // "almák", "kefék": the lengthened stem vowel; otherwise a linking vowel after a stem of
  // at least two syllables ("gyerekek", "tanárok")
  if (linking == kAAcute || linking == kEAcute) return vowelCount(w) >= 2;
  return vowelCount(w) >= 3;
}

std::u16string pluralOfWide(std::u16string w, WordClass cls) {
  for (const auto& [singular, plural] : kIrregular) {
    if (w == singular) return std::u16string(plural);
    // a compound takes its last member's plural ("tábortűz": "tábortüzek", "ásványvíz"); two-letter
    // stems only alone, since "autó" is no "tó"
    if (singular.size() >= 3 && w.size() >= singular.size() + 3 &&
        std::u16string_view(w).substr(w.size() - singular.size()) == singular)
      return w.substr(0, w.size() - singular.size()) + std::u16string(plural);
  }
  const char16_t last = w.back();
  if (last == u'a') {
    w.back() = kAAcute;
    return w + u'k';
  }
  if (last == u'e') {
    w.back() = kEAcute;
    return w + u'k';
  }
  const Harmony h = harmonyOf(w);
  if (isVowel(last)) {
    // "régiek", "hosszúak", "gyönyörűek"; nouns ("taxik", "kapuk") and "-ó/-ő" adjectives
    // ("jók", "aprók") add the bare "k"
    const bool links = cls == WordClass::adjective && (last == u'i' || last == kUAcute || last == kUDouble);
    if (links) w += h == Harmony::back ? u'a' : u'e';
    return w + u'k';
  }
  const bool lowering = cls == WordClass::noun ? listed(kLoweringNouns, w) : !listed(kRoundedAdjectives, w);
  w += linkingVowel(h, lowering);
  return w + u'k';
}

// The single consonants after which the past takes a bare "t" ("írt", "élt", "font", "fájt").
bool takesBareT(std::u16string_view stem) {
  if (stem.size() < 2) return false;
  const char16_t last = stem.back(), before = stem[stem.size() - 2];
  if (last == u'y' && stem.size() >= 3 && (before == u'n' || before == u'l'))
    return isVowel(stem[stem.size() - 3]);
  return (last == u'l' || last == u'r' || last == u'n' || last == u'j') && isVowel(before);
}

// A stem ending in "t" or in two consonants ("hall", "játsz"), a two-letter consonant ("sz",
// "gy") counting as one and a cluster before "d" ("kezd", "mond") as one.
bool linksEveryPerson(std::u16string_view stem) {
  if (stem.back() == u't') return true;
  static constexpr std::u16string_view kDigraphs[] = {u"sz", u"zs", u"cs", u"gy", u"ny", u"ty", u"ly", u"dz"};
  std::size_t last = 1;
  for (std::u16string_view d : kDigraphs)
    if (stem.size() >= 2 && stem.substr(stem.size() - 2) == d) last = 2;
  if (stem.size() <= last || stem.back() == u'd') return false;
  return !isVowel(stem[stem.size() - last - 1]);
}

}  // namespace

std::string pastOf(std::string_view utf8, bool plural) {
  std::optional<std::u16string> inflectable = inflectableWide(utf8);
  if (!inflectable) return std::string(utf8);
  std::u16string& w = *inflectable;
  for (const IrregularVerb& v : kIrregularVerbs)
    if (w.size() >= v.present.size() &&
        std::u16string_view(w).substr(w.size() - v.present.size()) == v.present)
      return utf16ToUtf8(w.substr(0, w.size() - v.present.size()) +
                         std::u16string(plural ? v.pastPlural : v.past));
  if (w == u"van") return plural ? "voltak" : "volt";
  // "-ik" verbs conjugate on the stem: "dolgozik" -> "dolgozott"
  if (w.size() > 3 && w.compare(w.size() - 2, 2, u"ik") == 0 && !isVowel(w[w.size() - 3]))
    w.resize(w.size() - 2);
  const bool backVerb =
      std::any_of(std::begin(kBackVerbsWithI), std::end(kBackVerbsWithI), [&](std::u16string_view v) {
        return w.size() >= v.size() && std::u16string_view(w).substr(w.size() - v.size()) == v;
      });
  const Harmony h = backVerb ? Harmony::back : harmonyOf(w);
  const std::u16string_view plain = plural ? (h == Harmony::back ? u"tak" : u"tek") : u"t";
  const std::u16string linked = std::u16string{h == Harmony::back    ? u'o'
                                               : h == Harmony::front ? u'e'
                                                                     : kOUml,
                                               u't', u't'} +
                                std::u16string(plural ? (h == Harmony::back ? u"ak" : u"ek") : u"");
  if (isVowel(w.back()))
    w += std::u16string(u"tt") + std::u16string(plural ? (h == Harmony::back ? u"ak" : u"ek") : u"");
  else if (takesBareT(w))
    w += plain;
  // after "t" or a cluster every person links ("futottak", "hallottak"); after one other
  // consonant only the singular does ("nézett" but "néztek", "kezdett" but "kezdtek")
  else if (plural && !linksEveryPerson(w))
    w += plain;
  else
    w += linked;
  return utf16ToUtf8(w);
}

Harmony harmonyOf(std::u16string_view w) {
  // i, í and é let an earlier back vowel decide ("papírok", "tányérok"); after a rounded one
  // an é still counts as front ("ütések")
  bool sawLongE = false;
  for (auto it = w.rbegin(); it != w.rend(); ++it) {
    if (isBackVowel(*it)) return Harmony::back;
    if (isRoundedFront(*it)) return sawLongE ? Harmony::front : Harmony::frontRounded;
    if (*it == u'e') return Harmony::front;
    sawLongE |= *it == kEAcute;
  }
  return Harmony::front;  // only i, í, é: "kép", "víz"
}

bool isInflectableWord(std::string_view utf8) { return inflectableWide(utf8).has_value(); }

bool looksPlural(std::string_view utf8) { return looksPluralWide(utf8ToUtf16(utf8)); }

std::string pluralOf(std::string_view utf8, WordClass cls) {
  std::optional<std::u16string> w = inflectableWide(utf8);
  if (!w || looksPluralWide(*w)) return std::string(utf8);
  return utf16ToUtf8(pluralOfWide(std::move(*w), cls));
}

std::string degreeOf(std::string_view utf8, int degree) {
  std::optional<std::u16string> w = inflectableWide(utf8);
  if (!w || degree <= 0) return std::string(utf8);
  // the comparatives the rules below would miss
  static constexpr std::pair<std::u16string_view, std::u16string_view> kIrregular[] = {
      {u"j\u00F3", u"jobb"},
      {u"sok", u"t\u00F6bb"},
      {u"kis", u"kisebb"},
      {u"kicsi", u"kisebb"},
      {u"sz\u00E9p", u"szebb"},
      {u"nagy", u"nagyobb"},
      {u"hossz\u00FA", u"hosszabb"},
      {u"lass\u00FA", u"lassabb"},
      {u"k\u00F6nny\u0171", u"k\u00F6nnyebb"},
      {u"neh\u00E9z", u"nehezebb"},
      {u"b\u00E1tor", u"b\u00E1trabb"},
      {u"r\u00E9gi", u"r\u00E9gebbi"},
      {u"kev\u00E9s", u"kevesebb"},
      {u"k\u00F6zel", u"k\u00F6zelebb"},
      {u"k\u00F6zeli", u"k\u00F6zelebbi"},
      {u"t\u00E1voli", u"t\u00E1volabbi"},
      {u"messze", u"messzebb"},
      {u"tele", u"telibb"},
      {u"k\u00E9s\u0151", u"k\u00E9s\u0151bb"}};
  std::u16string c;
  for (const auto& [base, comparative] : kIrregular)
    if (*w == base) c = std::u16string(comparative);
  const std::u16string_view wv(*w);
  if (c.empty() && (wv.ends_with(u"bb") || wv.ends_with(u"bbi"))) c = *w;  // "jobb" is one already
  // "késői", "korai": an adjective made with "-i" from a vowel takes the degree before its "-i"
  // ("későbbi", "korábbi")
  if (c.empty() && w->size() > 2 && w->back() == u'i' && isVowel((*w)[w->size() - 2]))
    c = utf8ToUtf16(degreeOf(utf16ToUtf8(w->substr(0, w->size() - 1)), 1)) + u"i";
  if (c.empty()) {
    const char16_t last = w->back();
    if (last == u'a')
      c = w->substr(0, w->size() - 1) + kAAcute + u"bb";
    else if (last == u'e')
      c = w->substr(0, w->size() - 1) + kEAcute + u"bb";
    else if (isVowel(last))
      c = *w + u"bb";
    else
      c = *w + (harmonyOf(*w) == Harmony::back ? u"abb" : u"ebb");
  }
  return utf16ToUtf8(degree >= 2 ? u"leg" + c : c);
}

bool isHungarianVowel(char16_t c) { return isVowel(c); }
bool isLongHungarianVowel(char16_t c) {
  return c == kAAcute || c == kEAcute || c == kIAcute || c == kOAcute || c == kODouble || c == kUAcute ||
         c == kUDouble;
}

std::string mannerOf(std::string_view utf8) {
  if (!isInflectableWord(utf8)) return std::string(utf8);
  std::u16string w = utf8ToUtf16(utf8);
  static constexpr std::pair<std::u16string_view, std::u16string_view> kIrregularManner[] = {
      {u"j\u00F3", u"j\u00F3l"},          {u"rossz", u"rosszul"},   {u"lass\u00FA", u"lassan"},
      {u"hossz\u00FA", u"hosszan"},       {u"kicsi", u"kicsit"},    {u"kis", u"kicsit"},
      {u"k\u00F6nny\u0171", u"k\u00F6nnyen"}, {u"olcs\u00F3", u"olcs\u00F3n"}, {u"boldog", u"boldogan"},
      {u"sz\u00E1raz", u"sz\u00E1razon"},
  };
  for (const auto& [adjective, manner] : kIrregularManner)
    if (w == adjective) return utf16ToUtf8(manner);
  const Harmony h = harmonyOf(w);
  // "-talan", "-telen": "változatlanul", "kényelmetlenül"
  if (w.ends_with(u"lan") || w.ends_with(u"len"))
    if (w.size() > 4 && (w[w.size() - 4] == u't' || w[w.size() - 4] == u'a' || w[w.size() - 4] == u'e'))
      return utf16ToUtf8(w + (h == Harmony::back ? u"ul" : u"\u00FCl"));
  const char16_t last = w.back();
  if (last == u'a' || last == u'e') {  // "tisztán", "csendesen" ... "gyengén"
    w.back() = last == u'a' ? kAAcute : kEAcute;
    return utf16ToUtf8(w + u'n');
  }
  if (isVowel(last)) return utf16ToUtf8(w + (h == Harmony::back ? u"an" : u"en"));  // "régien", "állandóan"
  if (h == Harmony::back) return utf16ToUtf8(w + (listed(kRoundedAdjectives, w) ? u"on" : u"an"));  // "nagyon"
  return utf16ToUtf8(w + u"en");  // "melegen", "hűvösen"
}

}  // namespace lexiton::translator
