#include "hungarian_verb.h"

#include <algorithm>
#include <array>

#include "hungarian_morphology.h"
#include "lexiton/lexicon/lexicon_source.h"
#include "lexiton/text_encoding.h"

namespace lexiton::translator {
namespace {

bool vowel(char16_t c) { return isHungarianVowel(c); }
bool longVowel(char16_t c) { return isLongHungarianVowel(c); }

// Six persons: 1sg 2sg 3sg 1pl 2pl 3pl.
using Six = std::array<const char16_t*, 6>;
struct Irregular {
  const char16_t* lemma;
  Six presentIndef, presentDef, pastIndef, pastDef;  // {} for a definite conjugation the verb lacks
  const char16_t *imperative, *imperativeDef, *infinitive;
};

const Irregular kIrregular[] = {
    {u"van",
     {u"vagyok", u"vagy", u"van", u"vagyunk", u"vagytok", u"vannak"},
     {},
     {u"voltam", u"volt\u00E1l", u"volt", u"voltunk", u"voltatok", u"voltak"},
     {},
     u"legy\u00E9l",
     u"legy\u00E9l",
     u"lenni"},
    {u"megy",
     {u"megyek", u"m\u00E9sz", u"megy", u"megy\u00FCnk", u"mentek", u"mennek"},
     {},
     {u"mentem", u"ment\u00E9l", u"ment", u"ment\u00FCnk", u"mentetek", u"mentek"},
     {},
     u"menj",
     u"menj",
     u"menni"},
    {u"j\u00F6n",
     {u"j\u00F6v\u00F6k", u"j\u00F6ssz", u"j\u00F6n", u"j\u00F6v\u00FCnk", u"j\u00F6ttök", u"j\u00F6nnek"},
     {},
     {u"j\u00F6ttem", u"j\u00F6tt\u00E9l", u"j\u00F6tt", u"j\u00F6tt\u00FCnk", u"j\u00F6ttetek",
      u"j\u00F6ttek"},
     {},
     u"gyere",
     u"gyere",
     u"j\u00F6nni"},
    {u"vesz",
     {u"veszek", u"veszel", u"vesz", u"vesz\u00FCnk", u"vesztek", u"vesznek"},
     {u"veszem", u"veszed", u"veszi", u"vessz\u00FCk", u"veszitek", u"veszik"},
     {u"vettem", u"vett\u00E9l", u"vett", u"vett\u00FCnk", u"vettetek", u"vettek"},
     {u"vettem", u"vetted", u"vette", u"vett\u00FCk", u"vett\u00E9tek", u"vett\u00E9k"},
     u"vegy\u00E9l",
     u"vedd",
     u"venni"},
    {u"tesz",
     {u"teszek", u"teszel", u"tesz", u"tesz\u00FCnk", u"tesztek", u"tesznek"},
     {u"teszem", u"teszed", u"teszi", u"tessz\u00FCk", u"teszitek", u"teszik"},
     {u"tettem", u"tett\u00E9l", u"tett", u"tett\u00FCnk", u"tettetek", u"tettek"},
     {u"tettem", u"tetted", u"tette", u"tett\u00FCk", u"tett\u00E9tek", u"tett\u00E9k"},
     u"tegy\u00E9l",
     u"tedd",
     u"tenni"},
    {u"visz",
     {u"viszek", u"viszel", u"visz", u"visz\u00FCnk", u"visztek", u"visznek"},
     {u"viszem", u"viszed", u"viszi", u"vissz\u00FCk", u"viszitek", u"viszik"},
     {u"vittem", u"vitt\u00E9l", u"vitt", u"vitt\u00FCnk", u"vittetek", u"vittek"},
     {u"vittem", u"vitted", u"vitte", u"vitt\u00FCk", u"vitt\u00E9tek", u"vitt\u00E9k"},
     u"vigy\u00E9l",
     u"vidd",
     u"vinni"},
    {u"lesz",
     {u"leszek", u"leszel", u"lesz", u"lesz\u00FCnk", u"lesztek", u"lesznek"},
     {},
     {u"lettem", u"lett\u00E9l", u"lett", u"lett\u00FCnk", u"lettetek", u"lettek"},
     {},
     u"legy\u00E9l",
     u"legy\u00E9l",
     u"lenni"},
    {u"eszik",
     {u"eszem", u"eszel", u"eszik", u"esz\u00FCnk", u"esztek", u"esznek"},
     {u"eszem", u"eszed", u"eszi", u"essz\u00FCk", u"eszitek", u"eszik"},
     {u"ettem", u"ett\u00E9l", u"evett", u"ett\u00FCnk", u"ettetek", u"ettek"},
     {u"ettem", u"etted", u"ette", u"ett\u00FCk", u"ett\u00E9tek", u"ett\u00E9k"},
     u"egy\u00E9l",
     u"edd",
     u"enni"},
    {u"iszik",
     {u"iszom", u"iszol", u"iszik", u"iszunk", u"isztok", u"isznak"},
     {u"iszom", u"iszod", u"issza", u"isszuk", u"isszátok", u"isszák"},
     {u"ittam", u"itt\u00E1l", u"ivott", u"ittunk", u"ittatok", u"ittak"},
     {u"ittam", u"ittad", u"itta", u"ittuk", u"itt\u00E1tok", u"itt\u00E1k"},
     u"igy\u00E1l",
     u"idd",
     u"inni"},
    {u"alszik",
     {u"alszom", u"alszol", u"alszik", u"alszunk", u"alszotok", u"alszanak"},
     {},
     {u"aludtam", u"aludt\u00E1l", u"aludt", u"aludtunk", u"aludtatok", u"aludtak"},
     {},
     u"aludj",
     u"aludj",
     u"aludni"},
    {u"fekszik",
     {u"fekszem", u"fekszel", u"fekszik", u"feksz\u00FCnk", u"fekszetek", u"fekszenek"},
     {},
     {u"fek\u00FCdtem", u"fek\u00FCdt\u00E9l", u"fek\u00FCdt", u"fek\u00FCdt\u00FCnk", u"fek\u00FCdtetek",
      u"fek\u00FCdtek"},
     {},
     u"fek\u00FCdj",
     u"fek\u00FCdj",
     u"fek\u00FCdni"},
    {u"n\u0151",
     {u"n\u00F6v\u00F6k", u"n\u0151sz", u"n\u0151", u"n\u00F6v\u00FCnk", u"n\u0151t\u00F6k", u"n\u0151nek"},
     {},
     {u"n\u0151ttem", u"n\u0151tt\u00E9l", u"n\u0151tt", u"n\u0151tt\u00FCnk", u"n\u0151ttetek",
      u"n\u0151ttek"},
     {},
     u"n\u0151j",
     u"n\u0151j",
     u"n\u0151ni"},
    {u"eml\u00E9kszik",
     {u"eml\u00E9kszem", u"eml\u00E9kszel", u"eml\u00E9kszik", u"eml\u00E9ksz\u00FCnk", u"eml\u00E9keztek",
      u"eml\u00E9keznek"},
     {},
     {u"eml\u00E9keztem", u"eml\u00E9kezt\u00E9l", u"eml\u00E9kezett", u"eml\u00E9kezt\u00FCnk",
      u"eml\u00E9keztetek", u"eml\u00E9keztek"},
     {},
     u"eml\u00E9kezz",
     u"eml\u00E9kezz",
     u"eml\u00E9kezni"},
    // the "e" of "érez" drops before a vowel: "érzem", "érzik", "érzett"
    {u"\u00E9rez",
     {u"\u00E9rzek", u"\u00E9rzel", u"\u00E9rez", u"\u00E9rz\u00FCnk", u"\u00E9reztek", u"\u00E9reznek"},
     {u"\u00E9rzem", u"\u00E9rzed", u"\u00E9rzi", u"\u00E9rezz\u00FCk", u"\u00E9rzitek", u"\u00E9rzik"},
     {u"\u00E9reztem", u"\u00E9rezt\u00E9l", u"\u00E9rzett", u"\u00E9rezt\u00FCnk", u"\u00E9reztetek",
      u"\u00E9reztek"},
     {u"\u00E9reztem", u"\u00E9rezted", u"\u00E9rezte", u"\u00E9rezt\u00FCk", u"\u00E9rezt\u00E9tek",
      u"\u00E9rezt\u00E9k"},
     u"\u00E9rezz",
     u"\u00E9rezd",
     u"\u00E9rezni"},
    {u"ugrik",
     {u"ugrom", u"ugrasz", u"ugrik", u"ugrunk", u"ugrotok", u"ugranak"},
     {},
     {u"ugrottam", u"ugrott\u00E1l", u"ugrott", u"ugrottunk", u"ugrottatok", u"ugrottak"},
     {},
     u"ugorj",
     u"ugorj",
     u"ugrani"},
    // "-szik" verbs whose stem ends in "d" past the present: "esküdött", "nyugodni", "haragudj"
    {u"esk\u00FCszik",
     {u"esk\u00FCsz\u00F6m", u"esk\u00FCsz\u00F6l", u"esk\u00FCszik", u"esk\u00FCsz\u00FCnk", u"esk\u00FCszt\u00F6k", u"esk\u00FCsznek"},
     {},
     {u"esk\u00FCdtem", u"esk\u00FCdt\u00E9l", u"esk\u00FCd\u00F6tt", u"esk\u00FCdt\u00FCnk", u"esk\u00FCdtetek", u"esk\u00FCdtek"},
     {},
     u"esk\u00FCdj",
     u"esk\u00FCdj",
     u"esk\u00FCdni"},
    {u"nyugszik",
     {u"nyugszom", u"nyugszol", u"nyugszik", u"nyugszunk", u"nyugszotok", u"nyugszanak"},
     {},
     {u"nyugodtam", u"nyugodt\u00E1l", u"nyugodott", u"nyugodtunk", u"nyugodtatok", u"nyugodtak"},
     {},
     u"nyugodj",
     u"nyugodj",
     u"nyugodni"},
    {u"haragszik",
     {u"haragszom", u"haragszol", u"haragszik", u"haragszunk", u"haragszotok", u"haragszanak"},
     {},
     {u"haragudtam", u"haragudt\u00E1l", u"haragudott", u"haragudtunk", u"haragudtatok", u"haragudtak"},
     {},
     u"haragudj",
     u"haragudj",
     u"haragudni"},
    // a hidden vowel before the "j" of the imperative only: "romoljon", "omoljon"
    {u"romlik",
     {u"romlom", u"romlasz", u"romlik", u"romlunk", u"romlotok", u"romlanak"},
     {},
     {u"romlottam", u"romlott\u00E1l", u"romlott", u"romlottunk", u"romlottatok", u"romlottak"},
     {},
     u"romolj",
     u"romolj",
     u"romlani"},
    {u"omlik",
     {u"omlom", u"omlasz", u"omlik", u"omlunk", u"omlotok", u"omlanak"},
     {},
     {u"omlottam", u"omlott\u00E1l", u"omlott", u"omlottunk", u"omlottatok", u"omlottak"},
     {},
     u"omolj",
     u"omolj",
     u"omlani"},
    {u"bomlik",
     {u"bomlom", u"bomlasz", u"bomlik", u"bomlunk", u"bomlotok", u"bomlanak"},
     {},
     {u"bomlottam", u"bomlott\u00E1l", u"bomlott", u"bomlottunk", u"bomlottatok", u"bomlottak"},
     {},
     u"bomolj",
     u"bomolj",
     u"bomlani"},
    {u"hisz",
     {u"hiszek", u"hiszel", u"hisz", u"hisz\u00FCnk", u"hisztek", u"hisznek"},
     {u"hiszem", u"hiszed", u"hiszi", u"hissz\u00FCk", u"hiszitek", u"hiszik"},
     {u"hittem", u"hitt\u00E9l", u"hitt", u"hitt\u00FCnk", u"hittetek", u"hittek"},
     {u"hittem", u"hitted", u"hitte", u"hitt\u00FCk", u"hitt\u00E9tek", u"hitt\u00E9k"},
     u"higgy",
     u"hidd",
     u"hinni"},
};

std::size_t index(const Agreement& a) { return std::size_t(a.person - 1) + (a.plural ? 3 : 0); }

bool endsWith(std::u16string_view w, std::u16string_view t) {
  return w.size() >= t.size() && w.substr(w.size() - t.size()) == t;
}

// "s", "sz", "z", "dz": the second person takes "-ol/-el", and "j" assimilates to them.
std::size_t sibilantLength(std::u16string_view w) {
  if (endsWith(w, u"sz") || endsWith(w, u"dz")) return 2;
  if (endsWith(w, u"zs") || endsWith(w, u"cs")) return 0;
  if (endsWith(w, u"s") || endsWith(w, u"z")) return 1;
  return 0;
}

// A stem that needs a linking vowel before a consonant suffix: two consonants at the end
// ("mond", "hall", "játsz") or a long vowel and "t" ("tanít", "segít").
bool needsLink(std::u16string_view w) {
  if (w.size() < 2) return false;
  if (w == u"l\u00E1t" || endsWith(w, u"l\u00E1t")) return false;  // "látnak", "látni"
  // "állnak", "szállni" after a long vowel; "hallanak" after a short one
  if (w.size() >= 3 && endsWith(w, u"ll") && longVowel(w[w.size() - 3])) return false;
  if (w.back() == u't' && longVowel(w[w.size() - 2])) return true;
  static constexpr std::u16string_view kDigraphs[] = {u"sz", u"zs", u"cs", u"gy", u"ny", u"ty", u"ly"};
  std::size_t last = 1;
  for (std::u16string_view d : kDigraphs)
    if (endsWith(w, d)) last = 2;
  if (w.size() <= last) return false;
  const char16_t before = w[w.size() - last - 1];
  if (vowel(before)) return false;
  // "ll", "nn" count; "lt", "rt"... too
  return true;
}

// The past stem before a personal ending: linked for "t" and clusters ("futott-", "hallott-"),
// a bare "t" otherwise ("írt-", "nézt-"); and whether the third person indefinite links anyway.
std::u16string pastStem(std::u16string_view s, Harmony h, bool& thirdLinks) {
  const std::u16string linked = std::u16string(s) + (h == Harmony::back    ? u"ott"
                                                     : h == Harmony::front ? u"ett"
                                                                           : u"\u00F6tt");
  thirdLinks = false;
  const char16_t last = s.back(), before = s.size() >= 2 ? s[s.size() - 2] : u'a';
  const bool bareT = (last == u'l' || last == u'r' || last == u'n' || last == u'j') && vowel(before);
  const bool bareY = (endsWith(s, u"ny") || endsWith(s, u"ly")) && s.size() >= 3 && vowel(s[s.size() - 3]);
  if (bareT || bareY) return std::u16string(s) + u"t";
  if (vowel(last)) return std::u16string(s) + u"tt";
  if (endsWith(s, u"\u00E1ll") || endsWith(s, u"rr")) return std::u16string(s) + u"t";  // "állt", "forrt"
  // what happens of itself in "-ad", "-ed" takes a bare "t" in every person ("száradt",
  // "elszakadt", "megrepedt"), where a verb done to something links ("fogadott", "engedett")
  static constexpr std::u16string_view kHappeningPast[] = {
      u"marad", u"szalad", u"szakad", u"sz\u00E1rad", u"ragad", u"akad",  u"halad", u"\u00E1rad",
      u"f\u00E1rad", u"olvad", u"dagad", u"apad",  u"hasad", u"reped", u"t\u00E9ved", u"\u00E9led",
      u"s\u00E1pad"};
  for (std::u16string_view w : kHappeningPast)
    if (endsWith(s, w)) return std::u16string(s) + u"t";
  if (last == u't') {
    // "lát" and stems of two syllables with a short vowel before the "t" link only in the
    // third person: "láttam" but "látott", "vezettem" but "vezetett"
    const std::size_t vowels = std::size_t(std::count_if(s.begin(), s.end(), vowel));
    if (endsWith(s, u"l\u00E1t") || (vowels >= 2 && vowel(before) && !longVowel(before))) {
      thirdLinks = true;
      return std::u16string(s) + u"t";
    }
    return linked;
  }
  static constexpr std::u16string_view kDigraphs[] = {u"sz", u"zs", u"cs", u"gy", u"ny", u"ty", u"ly"};
  std::size_t n = 1;
  for (std::u16string_view d : kDigraphs)
    if (endsWith(s, d)) n = 2;
  const bool cluster = s.size() > n && !vowel(s[s.size() - n - 1]) && last != u'd';
  if (cluster) return linked;
  thirdLinks = true;
  return std::u16string(s) + u"t";
}

std::u16string pick(Harmony h, std::u16string_view b, std::u16string_view f, std::u16string_view r) {
  return std::u16string(h == Harmony::back ? b : h == Harmony::front ? f : r);
}
std::u16string pick2(Harmony h, std::u16string_view b, std::u16string_view f) {
  return std::u16string(h == Harmony::back ? b : f);
}

// A suffix beginning with "j" after a sibilant doubles it instead: "olvas" + "ja" = "olvassa".
// A sibilant doubled: "s" -> "ss", "sz" -> "ssz" ("játssza"), "z" -> "zz".
std::u16string doubledSibilant(std::u16string_view s) {
  const std::size_t n = sibilantLength(s);
  return std::u16string(s.substr(0, s.size() - n)) + s[s.size() - n] + std::u16string(s.substr(s.size() - n));
}

std::u16string withJ(std::u16string_view s, std::u16string_view suffix) {
  if (sibilantLength(s) == 0 || suffix.empty() || suffix[0] != u'j')
    return std::u16string(s) + std::u16string(suffix);
  return doubledSibilant(s) + std::u16string(suffix.substr(1));
}

struct Stem {
  std::u16string stem;  // without "-ik"
  bool ik = false;
  Harmony h = Harmony::back;
  // the stem without its last vowel, which drops before a suffix that opens with a vowel
  // ("forog": "forgok", "forgott", "forogtam"; "vérzik": "vérez-" before a consonant,
  // "vérezni", "véreztek"); empty for a stable stem
  std::u16string shortStem;
};

// Whether a verb's last vowel is unstable: a stem of two syllables or more in "r" or "ly" and a
// short "o", "e" or "ö" and "g" ("forog", "mosolyog", "pörög", "didereg"), or in "zog" ("mozog").
bool dropsLastVowel(std::u16string_view s) {
  // and a few that no shape tells, alone or after a prefix ("sütkérezik" is none of them):
  // "szerez" ("szerzett", "szerzek"), "érez", "őriz" (and "ellenőriz": "ellenőrzi"), "töröl",
  // "söpör"
  static constexpr std::u16string_view kUnstable[] = {u"szerez", u"\u00E9rez", u"\u0151riz", u"t\u00F6r\u00F6l",
                                                      u"s\u00F6p\u00F6r"};
  static constexpr std::u16string_view kPrefixes[] = {u"", u"meg", u"el", u"fel", u"le", u"ki", u"be", u"\u00E1t",
                                                      u"vissza", u"\u00F6ssze", u"ellen"};
  for (std::u16string_view u : kUnstable)
    for (std::u16string_view p : kPrefixes)
      if (s.size() == p.size() + u.size() && s.starts_with(p) && s.ends_with(u)) return true;
  const std::size_t n = s.size();
  if (n < 4 || s[n - 1] != u'g' || std::count_if(s.begin(), s.end(), isHungarianVowel) < 2) return false;
  const char16_t v = s[n - 2];
  if (v != u'o' && v != u'e' && v != u'\u00F6') return false;
  const std::u16string_view before = s.substr(0, n - 2);
  // ("zizeg" keeps its vowel: of the "z" stems only the back "-zog" drops it, "mozgott")
  return before.ends_with(u"r") || (before.ends_with(u"z") && !before.ends_with(u"sz") && v == u'o') ||
         before.ends_with(u"ly");
}

// Whether an "-ik" verb's stem hides a vowel before its last "z": a consonant before it that
// makes no digraph with it ("vérzik": "vérezni", "dohányzik": "dohányozni", "hangzik").
bool hidesVowelBeforeZ(std::u16string_view s) {
  const std::size_t n = s.size();
  return n >= 3 && s[n - 1] == u'z' && !isHungarianVowel(s[n - 2]) && s[n - 2] != u's' && s[n - 2] != u'd' &&
         s[n - 2] != u'z';
}

// A form made on the whole stem, with the unstable vowel dropped before a vowel: "forogok" is
// "forgok", "vérezik" is "vérzik"; "forogtam", "vérezni" keep it.
std::u16string dropVowel(const Stem& st, std::u16string form) {
  if (st.shortStem.empty() || form.size() <= st.stem.size() || !form.starts_with(st.stem) ||
      !isHungarianVowel(form[st.stem.size()]))
    return form;
  return st.shortStem + form.substr(st.stem.size());
}

Stem stemOf(std::u16string_view lemma) {
  Stem s{std::u16string(lemma), false, Harmony::back, {}};
  if (s.stem.size() > 3 && endsWith(s.stem, u"ik") && !vowel(s.stem[s.stem.size() - 3])) {
    s.stem.resize(s.stem.size() - 2);
    s.ik = true;
  }
  static constexpr std::u16string_view kBackWithI[] = {
      u"\u00EDr",      u"h\u00EDv", u"sz\u00EDv", u"s\u00EDr", u"ny\u00EDl",  u"nyit",
      u"tiszt\u00EDt", u"szid",     u"iszik",     u"b\u00EDz", u"ind\u00EDt", u"tilt"};
  s.h = harmonyOf(s.stem);
  for (std::u16string_view b : kBackWithI)
    if (s.stem == b || (endsWith(s.stem, b) && s.stem.size() > b.size())) s.h = Harmony::back;
  // "-ít" after a rounded vowel takes unrounded endings: "ürítem", "erősítetek", "rögzítek"
  if (s.h == Harmony::frontRounded && endsWith(s.stem, u"\u00EDt")) s.h = Harmony::front;
  if (dropsLastVowel(s.stem)) {
    s.shortStem = s.stem.substr(0, s.stem.size() - 2) + s.stem.back();
  } else if (s.ik && hidesVowelBeforeZ(s.stem)) {
    s.shortStem = s.stem;
    s.stem.insert(s.stem.size() - 1, s.h == Harmony::back ? u"o" : s.h == Harmony::front ? u"e" : u"\u00F6");
  }
  return s;
}

// One lower-case Hungarian word of sensible length; anything else is left as it stands.
bool conjugable(std::string_view utf8, std::u16string_view w) {
  if (utf8.size() > kMaxInflectedBytes || w.size() < 2) return false;
  return std::all_of(w.begin(), w.end(), [](char16_t c) { return (c >= u'a' && c <= u'z') || vowel(c); }) &&
         std::any_of(w.begin(), w.end(), vowel);
}

const Irregular* irregularFor(std::u16string_view lemma) {
  for (const Irregular& v : kIrregular)
    if (lemma == v.lemma) return &v;
  return nullptr;
}

// The ending of the imperative (the subjunctive after "hogy") beyond "you": "vegyek", "vegyen",
// "vegyük", "vegyenek".
std::u16string subjunctiveEnding(Harmony h, const Agreement& a) {
  static constexpr std::u16string_view kBack[] = {u"ak", u"", u"on", u"unk", u"atok", u"anak"};
  static constexpr std::u16string_view kFront[] = {u"ek", u"", u"en", u"\u00FCnk", u"etek", u"enek"};
  static constexpr std::u16string_view kBackDef[] = {u"am", u"", u"a", u"uk", u"\u00E1tok", u"\u00E1k"};
  static constexpr std::u16string_view kFrontDef[] = {u"em", u"", u"e", u"\u00FCk", u"\u00E9tek", u"\u00E9k"};
  const std::size_t i = index(a);
  if (a.youObject && i == 0) return h == Harmony::back ? u"alak" : u"elek";  // "lássalak", "kérjelek"
  if (a.definite) return std::u16string(h == Harmony::back ? kBackDef[i] : kFrontDef[i]);
  if (i == 2 && h == Harmony::frontRounded) return u"\u00F6n";
  return std::u16string(h == Harmony::back ? kBack[i] : kFront[i]);
}

// The irregular verbs' imperative stems, for the persons beyond "you": "vegyen", "menjenek".
struct IrregularImperative {
  std::u16string_view lemma, stem;
  Harmony h;
};
constexpr IrregularImperative kIrregularImperative[] = {
    {u"van", u"legy", Harmony::front},
    {u"lesz", u"legy", Harmony::front},
    {u"megy", u"menj", Harmony::front},
    {u"j\u00F6n", u"j\u00F6jj", Harmony::frontRounded},
    {u"vesz", u"vegy", Harmony::front},
    {u"tesz", u"tegy", Harmony::front},
    {u"visz", u"vigy", Harmony::front},
    {u"eszik", u"egy", Harmony::front},
    {u"iszik", u"igy", Harmony::back},
    {u"alszik", u"aludj", Harmony::back},
    {u"fekszik", u"fek\u00FCdj", Harmony::front},
    {u"hisz", u"higgy", Harmony::front},
    {u"n\u0151", u"n\u0151j", Harmony::frontRounded},
    {u"eml\u00E9kszik", u"eml\u00E9kezz", Harmony::front},
    {u"ugrik", u"ugorj", Harmony::back},
    {u"esk\u00FCszik", u"esk\u00FCdj", Harmony::frontRounded},
    {u"nyugszik", u"nyugodj", Harmony::back},
    {u"haragszik", u"haragudj", Harmony::back},
    {u"romlik", u"romolj", Harmony::back},
    {u"omlik", u"omolj", Harmony::back},
    {u"bomlik", u"bomolj", Harmony::back},
};

std::u16string regular(const Stem& st, Tense t, const Agreement& a, std::u16string_view givenPast) {
  const std::u16string& s = st.stem;
  const Harmony h = st.h;
  const std::size_t i = index(a);
  if (t == Tense::present) {
    // "látlak" but "tanítalak": a one-syllable stem in a long vowel and "t" does not link here
    const bool oneSyllable = std::count_if(s.begin(), s.end(), vowel) == 1;
    const bool linkYou = needsLink(s) && !(s.back() == u't' && oneSyllable);
    if (a.youObject) return s + (linkYou ? pick2(h, u"alak", u"elek") : pick2(h, u"lak", u"lek"));
    if (!a.definite) {
      switch (i) {
        case 0:
          return s + (st.ik ? pick(h, u"om", u"em", u"\u00F6m") : pick(h, u"ok", u"ek", u"\u00F6k"));
        case 1:
          return s + (sibilantLength(s) ? pick(h, u"ol", u"el", u"\u00F6l")
                      : needsLink(s)    ? pick2(h, u"asz", u"esz")
                                        : u"sz");
        case 2:
          return st.ik ? s + u"ik" : s;
        case 3:
          return s + pick2(h, u"unk", u"\u00FCnk");
        case 4:
          return s + (needsLink(s) ? pick(h, u"otok", u"etek", u"\u00F6t\u00F6k")
                                   : pick(h, u"tok", u"tek", u"t\u00F6k"));
        default:
          return s + (needsLink(s) ? pick2(h, u"anak", u"enek") : pick2(h, u"nak", u"nek"));
      }
    }
    switch (i) {
      case 0:
        return s + pick(h, u"om", u"em", u"\u00F6m");
      case 1:
        return s + pick(h, u"od", u"ed", u"\u00F6d");
      case 2:
        return h == Harmony::back ? withJ(s, u"ja") : s + u"i";
      case 3:
        return withJ(s, h == Harmony::back ? u"juk" : u"j\u00FCk");
      case 4:
        return h == Harmony::back ? withJ(s, u"j\u00E1tok") : s + u"itek";
      default:
        return h == Harmony::back ? withJ(s, u"j\u00E1k") : s + u"ik";
    }
  }
  if (t == Tense::past) {
    bool thirdLinks = false;
    std::u16string p = pastStem(s, h, thirdLinks);
    std::u16string third = thirdLinks ? s + pick(h, u"ott", u"ett", u"\u00F6tt") : p;
    if (!givenPast.empty()) {
      third = std::u16string(givenPast);
      p = third;
      if (endsWith(p, u"ott") || endsWith(p, u"ett") || endsWith(p, u"\u00F6tt")) {
        if (thirdLinks) p = p.substr(0, p.size() - 3) + u"t";
      }
    }
    const Harmony e = h == Harmony::back ? Harmony::back : Harmony::front;
    // ("láttalak", "felhívtalak": "I ... you", whichever way the object counts as definite)
    if (a.youObject && i == 0) return p + pick2(e, u"alak", u"elek");
    if (!a.definite) {
      static constexpr std::u16string_view kBack[] = {u"am", u"\u00E1l", u"", u"unk", u"atok", u"ak"};
      static constexpr std::u16string_view kFront[] = {u"em", u"\u00E9l", u"", u"\u00FCnk", u"etek", u"ek"};
      if (i == 2) return third;
      return p + std::u16string(e == Harmony::back ? kBack[i] : kFront[i]);
    }
    static constexpr std::u16string_view kBack[] = {u"am", u"ad", u"a", u"uk", u"\u00E1tok", u"\u00E1k"};
    static constexpr std::u16string_view kFront[] = {u"em",      u"ed",        u"e",
                                                     u"\u00FCk", u"\u00E9tek", u"\u00E9k"};
    return p + std::u16string(e == Harmony::back ? kBack[i] : kFront[i]);
  }
  // imperative: the stem with "j", which assimilates to a sibilant or a "t"
  std::u16string imp, impDef;
  const std::size_t syllables = std::size_t(std::count_if(s.begin(), s.end(), vowel));
  if (sibilantLength(s)) {
    imp = doubledSibilant(s);
    impDef = s + u"d";
  } else if (endsWith(s, u"szt") || endsWith(s, u"st")) {
    const std::u16string base = s.substr(0, s.size() - 1);  // "fejleszt": "fejlessz", "fejleszd"
    imp = doubledSibilant(base);
    impDef = base + u"d";
  } else if (s.back() == u't' && s.size() >= 2 && vowel(s[s.size() - 2]) &&
             !(longVowel(s[s.size() - 2]) && syllables >= 2) &&
             // (a long vowel before the "t" of one syllable keeps it but in "lát": "hűts", "fűts")
             !(longVowel(s[s.size() - 2]) && s != u"l\u00E1t")) {
    imp = s.substr(0, s.size() - 1) + u"ss";  // "nyiss", "fuss", "láss"
    impDef = s.substr(0, s.size() - 1) + u"sd";
  } else if (s.back() == u't') {
    imp = s + u"s";  // "taníts", "érts"
    impDef = s + u"sd";
  } else {
    imp = s + u"j";
    impDef = s + u"d";
  }
  const bool def = a.definite;
  if (!a.plural && a.person == 2) return def ? impDef : imp;
  // ("ellenőrizzen", "őrizzen": after an "i" the rounded stem takes unrounded endings)
  const auto last = std::find_if(s.rbegin(), s.rend(), vowel);
  if (h == Harmony::frontRounded && last != s.rend() && (*last == u'i' || *last == u'\u00ED'))
    return imp + subjunctiveEnding(Harmony::front, a);
  return imp + subjunctiveEnding(h, a);
}

}  // namespace

std::string conjugate(const VerbStem& v, Tense t, Agreement a) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return v.lemma;
  a.person = std::clamp(a.person, 1, 3);
  if (const Irregular* irr = irregularFor(lemma)) {
    const std::size_t i = index(a);
    // "veszlek", "vettelek", "iszlak": "I ... you" on the stem of the third person's present and
    // of the past, in the harmony the past's "-am"/"-em" shows
    if (a.youObject && i == 0 && irr->presentDef[0] && (t == Tense::present || t == Tense::past)) {
      const std::u16string_view pastI = irr->pastIndef[0];
      const bool back = endsWith(pastI, u"am");
      if (t == Tense::past)
        return utf16ToUtf8(std::u16string(pastI.substr(0, pastI.size() - 2)) + (back ? u"alak" : u"elek"));
      std::u16string_view third = irr->presentIndef[2];
      if (endsWith(third, u"ik")) third.remove_suffix(2);
      return utf16ToUtf8(std::u16string(third) + (back ? u"lak" : u"lek"));
    }
    // verbs without an object list no definite forms: the indefinite ones serve
    if (t == Tense::present)
      return utf16ToUtf8(a.definite && irr->presentDef[i] ? irr->presentDef[i] : irr->presentIndef[i]);
    if (t == Tense::past)
      return utf16ToUtf8(a.definite && irr->pastDef[i] ? irr->pastDef[i] : irr->pastIndef[i]);
    if (a.person == 2 && !a.plural) return utf16ToUtf8(a.definite ? irr->imperativeDef : irr->imperative);
  }
  const Stem st = stemOf(lemma);
  return utf16ToUtf8(dropVowel(st, regular(st, t, a, utf8ToUtf16(v.past))));
}

std::string subjunctiveOf(const VerbStem& v, Agreement a) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  a.person = std::clamp(a.person, 1, 3);
  if (irregularFor(lemma) && !(a.person == 2 && !a.plural)) {
    for (const IrregularImperative& irr : kIrregularImperative)
      if (irr.lemma == lemma) return utf16ToUtf8(std::u16string(irr.stem) + subjunctiveEnding(irr.h, a));
    return conjugate(v, Tense::present, a);
  }
  return conjugate(v, Tense::imperative, a);
}

std::string infinitiveOf(const VerbStem& v) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return v.lemma;
  if (const Irregular* irr = irregularFor(lemma)) return utf16ToUtf8(irr->infinitive);
  const Stem st = stemOf(lemma);
  return utf16ToUtf8(st.stem + (needsLink(st.stem) ? pick2(st.h, u"ani", u"eni") : u"ni"));
}

std::string adverbialParticipleOf(const VerbStem& v) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  // ("alszik", "eszik", "van": a stem of their own, "alva", "éve", "lévén", left out)
  if (!conjugable(v.lemma, lemma) || irregularFor(lemma)) return {};
  const Stem st = stemOf(lemma);
  return utf16ToUtf8(st.stem + pick2(st.h, u"va", u"ve"));
}

std::string presentParticipleOf(const VerbStem& v) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> kIrregularForms[] = {
      {u"megy", u"men\u0151"},   {u"j\u00F6n", u"j\u00F6v\u0151"}, {u"eszik", u"ev\u0151"},
      {u"iszik", u"iv\u00F3"},   {u"alszik", u"alv\u00F3"},         {u"van", u"l\u00E9v\u0151"},
      {u"tesz", u"tev\u0151"},   {u"vesz", u"vev\u0151"},           {u"visz", u"viv\u0151"},
      {u"hisz", u"h\u00EDv\u0151"}, {u"lesz", u"lev\u0151"},         {u"fekszik", u"fekv\u0151"},
      {u"n\u0151", u"n\u00F6v\u0151"}, {u"eml\u00E9kszik", u"eml\u00E9kez\u0151"}, {u"ugrik", u"ugr\u00F3"},
      {u"esk\u00FCszik", u"esk\u00FCv\u0151"}, {u"nyugszik", u"nyugv\u00F3"}, {u"haragszik", u"haragv\u00F3"}};
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return v.lemma;
  for (const auto& [verb, form] : kIrregularForms)
    if (lemma == verb) return utf16ToUtf8(form);
  const Stem st = stemOf(lemma);
  return utf16ToUtf8(dropVowel(st, st.stem + pick2(st.h, u"\u00F3", u"\u0151")));
}

namespace {

// The infinitive without its "-ni" ("olvas", "men", "taníta"): the conditional's stem, and with
// "n" the personal infinitive's.
std::u16string infinitiveBase(const VerbStem& v) {
  const std::u16string inf = utf8ToUtf16(infinitiveOf(v));
  return endsWith(inf, u"ni") ? inf.substr(0, inf.size() - 2) : inf;
}

// The harmony of the endings after that stem: the verb's own ("írnom", "innom"), or for the
// verbs with a paradigm of their own, the stem's ("lennem", "mennem").
Harmony baseHarmony(std::u16string_view lemma, std::u16string_view base) {
  if (lemma == u"iszik") return Harmony::back;
  // a linking vowel decides: "tanítanom", "döntenem"
  if (base.size() >= 2 && base.back() == u'n' &&
      (base[base.size() - 2] == u'a' || base[base.size() - 2] == u'e'))
    return base[base.size() - 2] == u'a' ? Harmony::back : Harmony::front;
  return irregularFor(lemma) ? harmonyOf(base) : stemOf(lemma).h;
}

// Verbs whose "-hat/-het" stem the rules would miss.
constexpr std::pair<std::u16string_view, std::u16string_view> kPotentialStems[] = {
    {u"megy", u"mehet"},
    {u"j\u00F6n", u"j\u00F6het"},
    {u"eszik", u"ehet"},
    {u"iszik", u"ihat"},
    {u"vesz", u"vehet"},
    {u"tesz", u"tehet"},
    {u"visz", u"vihet"},
    {u"hisz", u"hihet"},
    {u"van", u"lehet"},
    {u"lesz", u"lehet"},
    {u"alszik", u"alhat"},
    {u"fekszik", u"fekhet"},
    // stems with a hidden vowel
    {u"eml\u00E9kszik", u"eml\u00E9kezhet"},
    {u"ugrik", u"ugorhat"},
    {u"esk\u00FCszik", u"esk\u00FCdhet"},
    {u"nyugszik", u"nyugodhat"},
    {u"haragszik", u"haragudhat"},
    {u"romlik", u"romolhat"},
    {u"omlik", u"omolhat"},
    {u"bomlik", u"bomolhat"},
    {u"l\u00E9legzik", u"l\u00E9legezhet"},
    {u"vir\u00E1gzik", u"vir\u00E1gozhat"}};

}  // namespace

std::string personalInfinitiveOf(const VerbStem& v, int person, bool plural) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return infinitiveOf(v);
  const std::u16string base = infinitiveBase(v) + u"n";
  Harmony h = baseHarmony(lemma, base);
  // ("ellenőriznem": after an "i" the rounded stem takes unrounded endings, as "-ít" does)
  const auto last = std::find_if(base.rbegin(), base.rend(), isHungarianVowel);
  if (h == Harmony::frontRounded && last != base.rend() && (*last == u'i' || *last == u'\u00ED'))
    h = Harmony::front;
  const std::size_t i = std::size_t(std::clamp(person, 1, 3) - 1) + (plural ? 3 : 0);
  static constexpr std::u16string_view kBack[] = {u"om", u"od", u"ia", u"unk", u"otok", u"iuk"};
  static constexpr std::u16string_view kFront[] = {u"em", u"ed", u"ie", u"\u00FCnk", u"etek", u"i\u00FCk"};
  static constexpr std::u16string_view kRounded[] = {u"\u00F6m",  u"\u00F6d",        u"ie",
                                                     u"\u00FCnk", u"\u00F6t\u00F6k", u"i\u00FCk"};
  const std::u16string_view ending = h == Harmony::back    ? kBack[i]
                                     : h == Harmony::front ? kFront[i]
                                                           : kRounded[i];
  return utf16ToUtf8(base + std::u16string(ending));
}

std::string conditionalOf(const VerbStem& v, Agreement a) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return v.lemma;
  const std::u16string base = infinitiveBase(v);
  const bool back = baseHarmony(lemma, base) == Harmony::back;
  // verbs without an object list no definite forms: the indefinite ones serve
  if (const Irregular* irr = irregularFor(lemma); irr && !irr->presentDef[0]) a.definite = false;
  const std::size_t i = std::size_t(std::clamp(a.person, 1, 3) - 1) + (a.plural ? 3 : 0);
  static constexpr std::u16string_view kBackIndef[] = {u"n\u00E9k",  u"n\u00E1l",   u"na",
                                                       u"n\u00E1nk", u"n\u00E1tok", u"n\u00E1nak"};
  static constexpr std::u16string_view kFrontIndef[] = {u"n\u00E9k",  u"n\u00E9l",   u"ne",
                                                        u"n\u00E9nk", u"n\u00E9tek", u"n\u00E9nek"};
  static constexpr std::u16string_view kBackDef[] = {u"n\u00E1m",  u"n\u00E1d",   u"n\u00E1",
                                                     u"n\u00E1nk", u"n\u00E1tok", u"n\u00E1k"};
  static constexpr std::u16string_view kFrontDef[] = {u"n\u00E9m",  u"n\u00E9d",   u"n\u00E9",
                                                      u"n\u00E9nk", u"n\u00E9tek", u"n\u00E9k"};
  std::u16string_view ending;
  if (a.youObject)
    ending = back ? u"n\u00E1lak" : u"n\u00E9lek";
  else if (a.definite)
    ending = back ? kBackDef[i] : kFrontDef[i];
  else
    ending = back ? kBackIndef[i] : kFrontIndef[i];
  return utf16ToUtf8(base + std::u16string(ending));
}

std::string actionNounOf(const VerbStem& v, bool owned) {
  // ("vesz": "vétel", "eszik": "evés"; of the other irregular verbs, "jön" and "megy", none is said)
  static constexpr std::pair<std::u16string_view, std::u16string_view> kIrregularNouns[] = {
      {u"vesz", u"v\u00E9tel"},   {u"tesz", u"t\u00E9tel"},      {u"visz", u"vitel"},
      {u"eszik", u"ev\u00E9s"},   {u"iszik", u"iv\u00E1s"},      {u"alszik", u"alv\u00E1s"},
      {u"fekszik", u"fekv\u00E9s"}, {u"\u00E9rez", u"\u00E9rz\u00E9s"}, {u"eml\u00E9kszik", u"eml\u00E9kez\u00E9s"},
      // a vowel that drops, and "-at" where "-ás" is rare
      {u"v\u00E1s\u00E1rol", u"v\u00E1s\u00E1rl\u00E1s"}, {u"gyakorol", u"gyakorl\u00E1s"},
      {u"t\u00F6r\u00F6l", u"t\u00F6rl\u00E9s"}, {u"\u00E9nekel", u"\u00E9nekl\u00E9s"},
      {u"\u0151riz", u"\u0151rz\u00E9s"}, {u"ellen\u0151riz", u"ellen\u0151rz\u00E9s"},
      {u"mozog", u"mozg\u00E1s"}, {u"haszn\u00E1l", u"haszn\u00E1lat"}};
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return {};
  std::u16string noun;
  for (const auto& [verb, n] : kIrregularNouns)
    if (lemma == verb) noun = n;
  if (noun.empty()) {
    const Stem st = stemOf(lemma);
    if (irregularFor(lemma) || vowel(st.stem.back())) return {};
    if (!st.shortStem.empty()) return v.prefix + utf16ToUtf8(dropVowel(st, st.stem + pick2(st.h, u"\u00E1s", u"\u00E9s")) + (owned ? pick2(st.h, u"a", u"e") : u""));
    // a stem of two syllables or more in a short "o", "e", "ö" and "l", "r" or "g" may drop its
    // vowel ("vásárlás", "söprés") or not ("kezelés"): only those known are said
    static constexpr std::u16string_view kKeepVowel[] = {u"kezel", u"figyel"};
    const std::size_t n = st.stem.size();
    const bool unstable = std::count_if(st.stem.begin(), st.stem.end(), vowel) >= 2 && n >= 3 &&
                          (st.stem[n - 2] == u'o' || st.stem[n - 2] == u'e' || st.stem[n - 2] == u'\u00F6') &&
                          (st.stem[n - 1] == u'l' || st.stem[n - 1] == u'r' || st.stem[n - 1] == u'g');
    if (unstable && std::none_of(std::begin(kKeepVowel), std::end(kKeepVowel),
                                 [&](std::u16string_view k) { return endsWith(st.stem, k); }))
      return {};
    noun = st.stem + (st.h == Harmony::back ? u"\u00E1s" : u"\u00E9s");
  }
  if (owned) noun += harmonyOf(noun) == Harmony::back ? u"a" : u"e";  // "elhagyása", "bevétele"
  return v.prefix + utf16ToUtf8(noun);
}

VerbStem potentialOf(const VerbStem& v) {
  const std::u16string lemma = utf8ToUtf16(v.lemma);
  if (!conjugable(v.lemma, lemma)) return v;
  for (const auto& [verb, potential] : kPotentialStems)
    if (lemma == verb) return VerbStem{utf16ToUtf8(potential), v.prefix, ""};
  const Stem st = stemOf(lemma);
  return VerbStem{utf16ToUtf8(st.stem + pick2(st.h, u"hat", u"het")), v.prefix, ""};
}

std::string finishedParticiple(const lexicon::Sense& vs) {
  const std::string prefix = vs.prefix.empty() ? std::string(vs.note("perf")) : vs.prefix;
  return prefix + conjugate(VerbStem{vs.word, prefix, std::string(vs.note("past"))}, Tense::past,
                            Agreement{3, false, false, false});
}

}  // namespace lexiton::translator
