// English inflection undone: the candidate dictionary keys of a running-text word.
#include <cctype>
#include <utility>

#include "lexiton/dictionary.h"

namespace lexiton {
namespace {

// Irregular forms whose base cannot be found by stripping endings.
constexpr std::pair<std::string_view, std::string_view> kIrregular[] = {
    {"went", "go"},
    {"gone", "go"},
    {"goes", "go"},
    {"was", "be"},
    {"were", "be"},
    {"been", "be"},
    {"is", "be"},
    {"are", "be"},
    {"am", "be"},
    {"had", "have"},
    {"has", "have"},
    {"did", "do"},
    {"done", "do"},
    {"does", "do"},
    {"gave", "give"},
    {"given", "give"},
    {"took", "take"},
    {"taken", "take"},
    {"came", "come"},
    {"saw", "see"},
    {"seen", "see"},
    {"made", "make"},
    {"said", "say"},
    {"got", "get"},
    {"gotten", "get"},
    {"knew", "know"},
    {"known", "know"},
    {"thought", "think"},
    {"told", "tell"},
    {"found", "find"},
    {"left", "leave"},
    {"felt", "feel"},
    {"brought", "bring"},
    {"began", "begin"},
    {"begun", "begin"},
    {"kept", "keep"},
    {"held", "hold"},
    {"wrote", "write"},
    {"written", "write"},
    {"stood", "stand"},
    {"heard", "hear"},
    {"meant", "mean"},
    {"met", "meet"},
    {"ran", "run"},
    {"paid", "pay"},
    {"sat", "sit"},
    {"spoke", "speak"},
    {"spoken", "speak"},
    {"lay", "lie"},
    {"led", "lead"},
    {"grew", "grow"},
    {"grown", "grow"},
    {"lost", "lose"},
    {"fell", "fall"},
    {"fallen", "fall"},
    {"sent", "send"},
    {"built", "build"},
    {"understood", "understand"},
    {"drew", "draw"},
    {"drawn", "draw"},
    {"broke", "break"},
    {"broken", "break"},
    {"spent", "spend"},
    {"rose", "rise"},
    {"risen", "rise"},
    {"drove", "drive"},
    {"driven", "drive"},
    {"bought", "buy"},
    {"wore", "wear"},
    {"worn", "wear"},
    {"chose", "choose"},
    {"chosen", "choose"},
    {"sold", "sell"},
    {"caught", "catch"},
    {"taught", "teach"},
    {"fought", "fight"},
    {"threw", "throw"},
    {"thrown", "throw"},
    {"flew", "fly"},
    {"flown", "fly"},
    {"ate", "eat"},
    {"eaten", "eat"},
    {"drank", "drink"},
    {"drunk", "drink"},
    {"sang", "sing"},
    {"sung", "sing"},
    {"swam", "swim"},
    {"slept", "sleep"},
    {"won", "win"},
    {"forgot", "forget"},
    {"forgotten", "forget"},
    {"children", "child"},
    {"men", "man"},
    {"women", "woman"},
    {"feet", "foot"},
    {"teeth", "tooth"},
    {"mice", "mouse"},
    {"geese", "goose"},
    {"people", "person"},
    {"better", "good"},
    {"best", "good"},
    {"worse", "bad"},
    {"worst", "bad"},
    {"more", "much"},
    {"most", "much"},
    {"less", "little"},
    {"least", "little"},
    {"i'm", "i am"},
    {"won't", "will not"},
    {"can't", "can not"},
    {"shan't", "shall not"},
    {"ain't", "be not"},
    {"hid", "hide"},
    {"hidden", "hide"},
    {"bit", "bite"},
    {"shook", "shake"},
    {"woke", "wake"},
    {"stole", "steal"},
    {"froze", "freeze"},
    {"knives", "knife"},
    {"wives", "wife"},
    {"halves", "half"},
};

// Plurals that no ending rule spells; kept apart from kIrregular, which also holds verbs.
constexpr std::pair<std::string_view, std::string_view> kIrregularPlurals[] = {
    {"children", "child"}, {"men", "man"},     {"women", "woman"},   {"feet", "foot"},
    {"teeth", "tooth"},    {"mice", "mouse"},  {"geese", "goose"},   {"people", "person"},
    {"knives", "knife"},   {"wives", "wife"},  {"halves", "half"},   {"lives", "life"},
    {"leaves", "leaf"},    {"wolves", "wolf"}, {"shelves", "shelf"},
};

bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

void add(std::vector<std::string>& out, std::string s) {
  if (s.size() < 2 && s != "a" && s != "i") return;
  for (const auto& e : out)
    if (e == s) return;
  out.push_back(std::move(s));
}

bool ends(std::string_view w, std::string_view suf) {
  return w.size() > suf.size() + 1 && w.substr(w.size() - suf.size()) == suf;
}

}  // namespace

std::string Dictionary::lookupKey(std::string_view word) {
  // Keys are UTF-8: the typographic apostrophe is the sequence E2 80 99 (a lone byte 0x92 is
  // part of letters such as "\xC5\x92"), and only ASCII letters change case.
  constexpr std::string_view kRightQuote = "\xE2\x80\x99";
  std::string w;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word.substr(i, kRightQuote.size()) == kRightQuote) {
      w += '\'';
      i += kRightQuote.size() - 1;
    } else {
      const char c = word[i];
      w += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
  }
  return w;
}

std::vector<std::string> Dictionary::baseForms(std::string_view word) {
  const std::string w = lookupKey(word);
  std::vector<std::string> out;
  add(out, w);
  if (ends(w, "'s") || ends(w, "s'")) add(out, w.substr(0, w.size() - 2));
  if (ends(w, "n't")) add(out, w.substr(0, w.size() - 3) + " not");
  if (ends(w, "n't")) add(out, w.substr(0, w.size() - 3));
  for (std::string_view c : {"'ll", "'re", "'ve", "'d"})
    if (ends(w, c)) add(out, w.substr(0, w.size() - c.size()));
  if (w.size() > 1 && w.back() == '\'') add(out, w.substr(0, w.size() - 1));
  for (const auto& [form, base] : kIrregular)
    if (w == form) add(out, std::string(base));
  auto stem = [&](std::size_t cut, std::string_view tail, bool undoubleFirst = false) {
    std::string s = w.substr(0, w.size() - cut);
    if (undoubleFirst && s.size() > 2 && s[s.size() - 1] == s[s.size() - 2] && !isVowel(s.back()))
      add(out, s.substr(0, s.size() - 1));
    add(out, s + std::string(tail));
    // doubled final consonant: "bigger" -> "big", "stopped" -> "stop"
    if (tail.empty() && s.size() > 2 && s[s.size() - 1] == s[s.size() - 2] && !isVowel(s.back()) &&
        s.back() != 's' && s.back() != 'l')
      add(out, s.substr(0, s.size() - 1));
  };
  if (ends(w, "ies")) stem(3, "y");
  if (ends(w, "s") && !ends(w, "ss")) stem(1, "");
  if (ends(w, "es")) stem(2, "");
  if (ends(w, "ves")) {
    stem(3, "f");
    stem(3, "fe");
  }
  if (ends(w, "ied")) stem(3, "y");
  if (ends(w, "ed")) {
    stem(2, "");
    stem(1, "");
  }
  if (ends(w, "ing")) {
    stem(3, "");
    stem(3, "e");
  }
  if (ends(w, "ier")) stem(3, "y");
  if (ends(w, "iest")) stem(4, "y");
  if (ends(w, "er")) {
    stem(2, "", true);
    stem(1, "");
  }
  if (ends(w, "est")) {
    stem(3, "", true);
    stem(2, "");
  }
  if (ends(w, "ly")) stem(2, "");
  return out;
}

bool Dictionary::isPluralOf(std::string_view word, std::string_view base) {
  std::string w;
  for (char c : word) w += char(std::tolower(uint8_t(c)));
  for (const auto& [plural, singular] : kIrregularPlurals)
    if (w == plural) return base == singular;
  if (base.empty() || w.size() <= base.size()) return false;
  if (w.compare(0, base.size(), base) == 0) {
    const std::string_view tail = std::string_view(w).substr(base.size());
    // "is" and "as" are no plurals of "i" and "a"
    if (tail == "s") return base.size() > 1 && base.back() != 's' && base.back() != '\'';
    const char last = base.back();
    const bool takesEs = last == 's' || last == 'x' || last == 'z' || last == 'o' ||
                         (base.size() > 1 && base[base.size() - 1] == 'h' &&
                          (base[base.size() - 2] == 'c' || base[base.size() - 2] == 's'));
    return tail == "es" && takesEs;
  }
  // "cities" of "city"
  return base.size() > 1 && base.back() == 'y' && w.size() == base.size() + 2 &&
         w.compare(0, base.size() - 1, base, 0, base.size() - 1) == 0 && ends(w, "ies");
}

}  // namespace lexiton
