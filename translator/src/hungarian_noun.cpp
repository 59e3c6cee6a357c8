// The rules work on UTF-16, where every Hungarian letter is one unit. A noun's "linking
// stem" is its plural without the "k" ("háza", "lova", "kulcso", "almá"): the accusative,
// the personal possessives and the stem changes all follow from it.
#include "hungarian_noun.h"

#include <algorithm>
#include <cctype>

#include "lexiton/text_encoding.h"

namespace lexiton::translator {
namespace {

constexpr char16_t kAAcute = 0xE1, kEAcute = 0xE9;

bool vowel(char16_t c) { return isHungarianVowel(c); }
bool letter(char16_t c) { return (c >= u'a' && c <= u'z') || vowel(c); }

std::u16string lengthened(std::u16string w) {
  if (!w.empty() && w.back() == u'a')
    w.back() = kAAcute;
  else if (!w.empty() && w.back() == u'e')
    w.back() = kEAcute;
  return w;
}

// The length of the last consonant, digraphs ("sz", "cs", "gy", ...) and "dzs" counting as one.
std::size_t lastConsonantLength(std::u16string_view w) {
  static constexpr std::u16string_view kDigraphs[] = {u"sz", u"zs", u"cs", u"gy", u"ny", u"ty", u"ly", u"dz"};
  if (w.size() >= 3 && w.substr(w.size() - 3) == u"dzs") return 3;
  for (std::u16string_view d : kDigraphs)
    if (w.size() >= 2 && w.substr(w.size() - 2) == d) return 2;
  return 1;
}

Harmony harmonyFor(std::u16string_view w, int given) { return given >= 0 ? Harmony(given) : harmonyOf(w); }

// back / front / front rounded variants of one suffix
std::u16string pick(Harmony h, std::u16string_view back, std::u16string_view front,
                    std::u16string_view rounded) {
  return std::u16string(h == Harmony::back ? back : h == Harmony::front ? front : rounded);
}
std::u16string pick2(Harmony h, std::u16string_view back, std::u16string_view front) {
  return std::u16string(h == Harmony::back ? back : front);
}

// "val"/"vel" after a vowel; after a consonant the "v" becomes that consonant ("tejjel",
// "busszal", "kulccsal"), a double consonant staying double ("tollal", a digraph too: "könnyel",
// "meggyel").
std::u16string withInstrumental(std::u16string w, Harmony h) {
  const std::u16string tail = pick2(h, u"al", u"el");
  if (vowel(w.back())) return lengthened(std::move(w)) + u"v" + tail;
  const std::size_t n = lastConsonantLength(w);
  if (w.size() > n && w[w.size() - n - 1] == w[w.size() - n]) return w + tail;
  const char16_t first = w[w.size() - n];
  w.insert(w.size() - n, 1, first);
  return w + tail;
}

std::u16string caseSuffix(Case c, Harmony h) {
  switch (c) {
    case Case::inessive:
      return pick2(h, u"ban", u"ben");
    case Case::illative:
      return pick2(h, u"ba", u"be");
    case Case::elative:
      return pick2(h, u"b\u00F3l", u"b\u0151l");
    case Case::sublative:
      return pick2(h, u"ra", u"re");
    case Case::delative:
      return pick2(h, u"r\u00F3l", u"r\u0151l");
    case Case::adessive:
      return pick2(h, u"n\u00E1l", u"n\u00E9l");
    case Case::allative:
      return pick(h, u"hoz", u"hez", u"h\u00F6z");
    case Case::ablative:
      return pick2(h, u"t\u00F3l", u"t\u0151l");
    case Case::dative:
      return pick2(h, u"nak", u"nek");
    case Case::causal:
      return u"\u00E9rt";
    case Case::terminative:
      return u"ig";
    case Case::temporal:
      return u"kor";
    case Case::essive:
      return pick2(h, u"ul", u"\u00FCl");
    case Case::formal:
      return u"k\u00E9nt";
    default:
      return u"";
  }
}

// After these the accusative is a bare "t" ("asztalt", "pénzt", "sört").
bool takesBareAccusative(std::u16string_view w) {
  static constexpr std::u16string_view kEndings[] = {u"ny", u"ly", u"sz", u"zs", u"l",
                                                     u"n",  u"r",  u"s",  u"z"};
  const std::size_t n = lastConsonantLength(w);
  if (w.size() <= n) return false;
  const std::u16string_view last = w.substr(w.size() - n);  // "cs" is not "s"
  const char16_t before = w[w.size() - n - 1];
  // after a vowel; and a sibilant after n or r ("pénzt", "kurzust")
  const bool sibilant = last == u"s" || last == u"z";
  if (!vowel(before) && !(sibilant && (before == u'n' || before == u'r'))) return false;
  return std::find(std::begin(kEndings), std::end(kEndings), last) != std::end(kEndings);
}

// After a consonant the third person is mostly "-a/-e" ("könyve", "felesége", "élete"); "-ja/-je"
// after "d" and after the "t" of one syllable or of a cluster ("családja", "kertje"). The many loanwords
// with "-ja" ("parkja", "filmje") say so in the lexicon.
bool thirdWithJ(std::u16string_view stem) {
  if (stem.size() >= 2 && stem.back() == u'd') return true;  // "családja", "ebédje"
  if (stem.size() < 2 || stem.back() != u't') return false;
  const std::size_t vowels = std::size_t(std::count_if(stem.begin(), stem.end(), vowel));
  return vowels == 1 || !vowel(stem[stem.size() - 2]);
}

std::u16string attachCaseWide(std::u16string w, Case c, Harmony h, bool inflectedForm) {
  if (w.empty() || c == Case::nominative) return w;
  if (c == Case::instrumental) return withInstrumental(std::move(w), h);
  if (c == Case::accusative) {
    if (vowel(w.back())) return lengthened(std::move(w)) + u"t";
    if (inflectedForm || !takesBareAccusative(w)) return w + pick(h, u"ot", u"et", u"\u00F6t");
    return w + u"t";
  }
  if (c == Case::superessive) {
    if (vowel(w.back())) return lengthened(std::move(w)) + u"n";
    return w + pick(h, u"on", u"en", u"\u00F6n");
  }
  std::u16string suffix = caseSuffix(c, h);
  // three equal consonants are written as two: "orr" + "ra" = "orra"
  if (w.size() >= 2 && !suffix.empty() && w.back() == suffix[0] && w[w.size() - 2] == suffix[0])
    suffix.erase(0, 1);
  return lengthened(std::move(w)) + suffix;
}

// A name keeps its capital ("Londonban").
bool inflectable(std::u16string_view w) {
  if (!w.empty() && w[0] >= u'A' && w[0] <= u'Z') w.remove_prefix(1);
  return !w.empty() && std::all_of(w.begin(), w.end(), letter) && std::any_of(w.begin(), w.end(), vowel);
}

// Letters, blanks, hyphens and capitals only, so that splitting off the last word and
// converting back gives the same bytes.
bool plainText(std::u16string_view w) {
  return std::all_of(w.begin(), w.end(), [](char16_t c) {
    return letter(c) || c == u' ' || c == u'-' || (c >= u'A' && c <= u'Z') || c == 0xC1 || c == 0xC9;
  });
}

}  // namespace

Case caseNamed(std::string_view n) {
  if (n == "acc") return Case::accusative;
  if (n == "ban") return Case::inessive;
  if (n == "ba") return Case::illative;
  if (n == "bol") return Case::elative;
  if (n == "on" || n == "n") return Case::superessive;
  if (n == "ra") return Case::sublative;
  if (n == "rol") return Case::delative;
  if (n == "nal") return Case::adessive;
  if (n == "hoz") return Case::allative;
  if (n == "tol") return Case::ablative;
  if (n == "nak") return Case::dative;
  if (n == "val") return Case::instrumental;
  if (n == "ert") return Case::causal;
  if (n == "ig") return Case::terminative;
  if (n == "kor") return Case::temporal;
  if (n == "ul") return Case::essive;
  return Case::nominative;
}

std::string attachCase(std::string_view form, Case c, int harmony) {
  std::u16string w = utf8ToUtf16(form);
  if (form.size() > 4 * kMaxInflectedBytes || !plainText(w)) return std::string(form);
  const std::size_t space = w.find_last_of(u" -");  // "e-mailhez": the part after a hyphen
  std::u16string head = space == std::u16string::npos ? u"" : w.substr(0, space + 1);
  std::u16string last = space == std::u16string::npos ? w : w.substr(space + 1);
  if (!inflectable(last)) return std::string(form);
  std::u16string lower = last;
  if (lower[0] >= u'A' && lower[0] <= u'Z') lower[0] = char16_t(lower[0] + 32);
  return utf16ToUtf8(head + attachCaseWide(last, c, harmonyFor(lower, harmony), false));
}

namespace {

// A form the lexicon gives may be the whole hyphenated word or phrase ("e-mailje"); the rules
// inflect its last part, after `head` ("e-").
std::u16string lastPartOf(std::string_view given, const std::u16string& head) {
  std::u16string w = utf8ToUtf16(given);
  if (!head.empty() && w.size() > head.size() && w.compare(0, head.size(), head) == 0) w.erase(0, head.size());
  return w;
}

}  // namespace

std::string inflectNoun(const NounStem& stem, bool plural, Possessor owner, Case c) {
  std::u16string all = utf8ToUtf16(stem.lemma);
  if (stem.lemma.size() > 4 * kMaxInflectedBytes || !plainText(all)) return stem.lemma;
  const std::size_t space = all.find_last_of(u" -");
  const std::u16string head = space == std::u16string::npos ? u"" : all.substr(0, space + 1);
  const std::u16string w = space == std::u16string::npos ? all : all.substr(space + 1);
  if (!inflectable(w)) return stem.lemma;
  std::u16string pl =
      stem.plural.empty() ? utf8ToUtf16(pluralOf(utf16ToUtf8(w), WordClass::noun)) : utf8ToUtf16(stem.plural);
  if (pl.size() < 2 || pl.back() != u'k' || !inflectable(pl))
    pl = utf8ToUtf16(pluralOf(utf16ToUtf8(w), WordClass::noun));
  if (pl.size() < 2 || pl.back() != u'k') pl = w + u"ok";
  int given = stem.harmony;
  // a word the lexicon marks front keeps its plural front too: "e-mailek", not "e-mailok"
  if (stem.plural.empty() && given == int(Harmony::front) && pl.size() == w.size() + 2 &&
      (pl[pl.size() - 2] == u'o' || pl[pl.size() - 2] == u'a'))
    pl[pl.size() - 2] = u'e';
  if (given < 0 && !stem.plural.empty()) {  // the plural's linking vowel tells the harmony ("férfiak")
    const char16_t v = pl[pl.size() - 2];
    if (v == u'a' || v == u'o' || v == kAAcute)
      given = int(Harmony::back);
    else if (v == u'e' || v == kEAcute)
      given = harmonyOf(w) == Harmony::frontRounded ? int(Harmony::frontRounded) : int(Harmony::front);
  }
  const Harmony h = harmonyFor(w, given);
  const std::u16string linking = pl.substr(0, pl.size() - 1);  // "háza", "almá", "lova"
  const bool vowelFinal = vowel(w.back());
  const bool regularVowel =
      vowelFinal && (linking == lengthened(w) || linking == w + u"a" || linking == w + u"e");
  // the consonant stem before a suffix vowel: "ház", "lov", "tükr", "kulcs"
  const std::u16string consonantStem =
      regularVowel ? lengthened(w)
                   : (vowel(linking.back()) ? linking.substr(0, linking.size() - 1) : linking);
  const bool changed = !regularVowel && consonantStem != w;
  const bool lowering = h == Harmony::back && !linking.empty() && linking.back() == u'a' && !vowelFinal;

  std::u16string form;
  bool inflected = false;
  if (owner.person == 0) {
    if (plural) {
      form = pl;
      inflected = true;
    } else if (c == Case::accusative) {
      if (!stem.accusative.empty()) return utf16ToUtf8(head + lastPartOf(stem.accusative, head));
      // "sok" lowers its vowel as its plural "sokak" does: "túl sokat"
      if (w == u"sok") return utf16ToUtf8(head + w + u"at");
      if (regularVowel) return utf16ToUtf8(head + lengthened(w) + u"t");
      if (changed || lowering || !takesBareAccusative(w)) return utf16ToUtf8(head + linking + u"t");
      return utf16ToUtf8(head + w + u"t");
    } else if (c == Case::superessive) {
      if (!stem.superessive.empty()) return utf16ToUtf8(head + lastPartOf(stem.superessive, head));
      if (changed && (vowelFinal || consonantStem.size() < w.size()))
        return utf16ToUtf8(head + consonantStem + pick(h, u"on", u"en", u"\u00F6n"));
      form = w;
    } else {
      form = w;
    }
  } else {
    // third person singular first: the others and the plural possessed build on it
    std::u16string third;
    if (!stem.possessive3.empty())
      third = lastPartOf(stem.possessive3, head);
    else if (regularVowel)
      third = lengthened(w) + pick2(h, u"ja", u"je");
    else {
      const bool j = !changed && !lowering && thirdWithJ(consonantStem);
      third = consonantStem + (j ? pick2(h, u"ja", u"je") : pick2(h, u"a", u"e"));
    }
    std::u16string stemVowel = regularVowel ? lengthened(w) : linking;  // before -m, -d, -tok
    // "fiú": "fia", so "fiam", "fiad"
    const bool jSuffix = third.size() >= 2 && third[third.size() - 2] == u'j';
    if (vowelFinal && !stem.possessive3.empty() && !jSuffix) stemVowel = third;
    if (!stem.possessiveStem.empty()) stemVowel = lastPartOf(stem.possessiveStem, head);
    if (plural) {
      std::u16string base = regularVowel ? lengthened(w) + u"i" : third + u"i";
      if (!stem.possessedPlural.empty()) base = lastPartOf(stem.possessedPlural, head);
      static const std::u16string_view kEnd[2][4] = {{u"", u"m", u"d", u""}, {u"", u"nk", u"", u"k"}};
      if (owner.plural && owner.person == 2)
        form = base + pick2(h, u"tok", u"tek");
      else
        form = base + std::u16string(kEnd[owner.plural][owner.person]);
    } else if (!owner.plural) {
      form = owner.person == 1 ? stemVowel + u"m" : owner.person == 2 ? stemVowel + u"d" : third;
    } else if (owner.person == 1) {
      // a stem the lexicon gives with its long vowel keeps it ("öcsém": "öcsénk", "nagynénénk")
      const bool longStem = !stem.possessiveStem.empty() && (stemVowel.back() == u'\u00E1' || stemVowel.back() == u'\u00E9');
      form = regularVowel ? lengthened(w) + u"nk"
             : longStem   ? stemVowel + u"nk"
                          : consonantStem + pick2(h, u"unk", u"\u00FCnk");
    } else if (owner.person == 2) {
      form = stemVowel + pick(h, u"tok", u"tek", u"t\u00F6k");
    } else {
      form = third.substr(0, third.size() - 1) + pick2(h, u"uk", u"\u00FCk");
    }
    inflected = true;
  }
  // an inflected form follows its own last vowel ("könyveken"), a back word stays back ("kulcsaim")
  // (a front compound stays front: "nagynénémtől"; so does a word the lexicon marks front,
  // whose "i" after a rounded vowel takes no rounded suffix: "zsűrikhez")
  const Harmony own = harmonyOf(form);
  const Harmony formHarmony =
      inflected && h != Harmony::back && own != Harmony::back && stem.harmony != int(Harmony::front) ? own : h;
  if (c == Case::accusative && inflected && !vowel(form.back()))
    return utf16ToUtf8(head + form + pick2(h, u"at", u"et"));
  return utf16ToUtf8(head + attachCaseWide(form, c, formHarmony, inflected));
}

namespace {

// The vowel harmony of the last word said of a number in digits: the units ("öt", "hat"), else
// the tens ("tíz", "húsz"), else "száz", else "ezer".
Harmony numberHarmony(std::string_view digits) {
  static constexpr Harmony kUnits[] = {Harmony::front, Harmony::front,        Harmony::front, Harmony::back,
                                       Harmony::front, Harmony::frontRounded, Harmony::back,  Harmony::front,
                                       Harmony::back,  Harmony::front};
  static constexpr Harmony kTens[] = {Harmony::front, Harmony::front,        Harmony::back, Harmony::back,
                                      Harmony::front, Harmony::frontRounded, Harmony::back, Harmony::front,
                                      Harmony::back,  Harmony::front};
  const std::size_t n = digits.size();
  if (digits[n - 1] != '0') return kUnits[digits[n - 1] - '0'];
  if (n >= 2 && digits[n - 2] != '0') return kTens[digits[n - 2] - '0'];
  if (n >= 3 && digits[n - 3] != '0') return Harmony::back;  // "száz"
  return Harmony::front;                                     // "ezer"
}

}  // namespace

std::string numberWithCase(std::string_view digits, Case c) {
  if (digits.empty() || digits.size() > 12 ||
      !std::all_of(digits.begin(), digits.end(), [](char d) { return d >= '0' && d <= '9'; }))
    return std::string(digits);
  const bool back = numberHarmony(digits) == Harmony::back;
  const bool rounded = numberHarmony(digits) == Harmony::frontRounded;
  std::string_view suffix;
  switch (c) {
    case Case::inessive:
      suffix = back ? "ban" : "ben";
      break;
    case Case::illative:
      suffix = back ? "ba" : "be";
      break;
    case Case::elative:
      suffix = back ? "b\xC3\xB3l" : "b\xC5\x91l";
      break;
    case Case::sublative:
      suffix = back ? "ra" : "re";
      break;
    case Case::delative:
      suffix = back ? "r\xC3\xB3l" : "r\xC5\x91l";
      break;
    case Case::adessive:
      suffix = back ? "n\xC3\xA1l" : "n\xC3\xA9l";
      break;
    case Case::ablative:
      suffix = back ? "t\xC3\xB3l" : "t\xC5\x91l";
      break;
    case Case::allative:
      suffix = back ? "hoz" : rounded ? "h\xC3\xB6z" : "hez";
      break;
    case Case::dative:
      suffix = back ? "nak" : "nek";
      break;
    case Case::terminative:
      suffix = "ig";
      break;
    case Case::temporal:
      suffix = "kor";
      break;
    default:
      return std::string(digits);
  }
  return std::string(digits) + "-" + std::string(suffix);
}

// The syllables of a Hungarian word: its vowels.
std::size_t syllablesOf(std::string_view utf8) {
  const std::u16string w = utf8ToUtf16(utf8);
  return std::size_t(std::count_if(w.begin(), w.end(), isHungarianVowel));
}

namespace {

// Three of one consonant would meet where the words join ("sakk" + "klub", "hossz" + "szár"): the
// spelling rules keep them apart with a hyphen. A digraph counts as one letter, doubled by its
// first ("ssz").
bool triplesAConsonant(std::string_view modifier, std::string_view head) {
  static constexpr std::string_view kDigraphs[] = {"sz", "zs", "cs", "gy", "ly", "ny", "ty", "dz"};
  for (std::string_view letter : kDigraphs)
    if (head.substr(0, 2) == letter)
      return modifier.size() >= 3 && modifier.substr(modifier.size() - 3, 1) == letter.substr(0, 1) &&
             modifier.substr(modifier.size() - 2) == letter;
  const std::size_t n = modifier.size();
  return n >= 2 && !head.empty() && std::isalpha(static_cast<unsigned char>(head[0])) &&
         !isHungarianVowel(char16_t(head[0])) && modifier[n - 1] == head[0] && modifier[n - 2] == head[0];
}

}  // namespace

std::string joinedCompound(const std::string& modifier, const std::string& head, std::string_view headStem) {
  if (modifier.empty()) return head;
  // (the syllables are the words', not their endings': "energiaárakat")
  const std::size_t headSyllables = syllablesOf(headStem.empty() ? std::string_view(head) : headStem);
  if (modifier.back() != '-' && head.find('-') == std::string::npos &&
      (triplesAConsonant(modifier, head) ||
       (syllablesOf(modifier) >= 3 && syllablesOf(modifier) + headSyllables > 6)))
    return modifier + "-" + head;
  return modifier + head;
}

}  // namespace lexiton::translator
