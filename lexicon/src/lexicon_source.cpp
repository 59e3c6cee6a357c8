#include "lexiton/lexicon/lexicon_source.h"

#include <algorithm>

#include "lexiton/lexicon/split_fields.h"

namespace lexiton::lexicon {
namespace {

constexpr std::string_view kCaseNames[] = {"acc", "ban", "ba",  "bol", "on",  "ra", "rol", "nal", "hoz",
                                           "tol", "nak", "val", "ert", "kor", "ig", "n",   "ul",  "nom"};
constexpr std::string_view kNoteKeys[] = {
    "acc",  "3sg", "sup", "obj",  "past", "for", "at",   "to",   "in",   "on",   "from",  "with", "about",
    "into", "of",  "by",  "intr", "pred", "pp",  "poss", "time", "attr", "perf", "thing", "when", "that",
    "pass", "thingpass", "until", "feels", "near"};

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Lower-case Hungarian letters (UTF-8), and inside a phrase single spaces and hyphens.
bool hungarianWord(std::string_view s, bool phrase) {
  if (s.empty() || s.size() > kMaxLemmaBytes) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 'a' && c <= 'z') continue;
    if (phrase && (c == ' ' || c == '-') && i > 0 && i + 1 < s.size() && s[i - 1] != ' ') continue;
    // a hyphen inside one word ("e-mailje"), as a note's form of a hyphenated sense needs
    if (c == '-' && i > 0 && i + 1 < s.size() && s[i - 1] != '-' && s[i + 1] != '-') continue;
    if ((c == 0xC3 || c == 0xC5) && i + 1 < s.size()) {  // á é í ó ö ú ü, ő ű
      const unsigned char d = static_cast<unsigned char>(s[++i]);
      const bool ok = c == 0xC3 ? (d == 0xA1 || d == 0xA9 || d == 0xAD || d == 0xB3 || d == 0xB6 ||
                                   d == 0xBA || d == 0xBC)
                                : (d == 0x91 || d == 0xB1);
      if (ok) continue;
    }
    return false;
  }
  return true;
}

bool englishLemma(std::string_view s) {
  if (s.empty() || s.size() > kMaxLemmaBytes || s.front() == ' ' || s.back() == ' ') return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if ((c >= 'a' && c <= 'z') || c == '\'' || c == '-') continue;
    if (c == ' ' && s[i - 1] != ' ') continue;
    return false;
  }
  return true;
}

std::optional<Sense> parseSense(std::string_view text, PartOfSpeech pos, std::string& error) {
  Sense s;
  text = trim(text);
  std::string_view notes;
  if (const std::size_t open = text.find('['); open != std::string_view::npos) {
    if (text.back() != ']') {
      error = "notes must close with ']'";
      return std::nullopt;
    }
    notes = text.substr(open + 1, text.size() - open - 2);
    text = trim(text.substr(0, open));
  }
  if (const std::size_t bar = text.find('|'); bar != std::string_view::npos) {
    // a prefix written apart keeps its space ("részt |vesz": "részt vett", "nem vett részt")
    const std::size_t end = bar > 0 && text[bar - 1] == ' ' ? bar - 1 : bar;
    if (pos != PartOfSpeech::verb || !hungarianWord(text.substr(0, end), false)) {
      error = "only a verb has a prefix before '|'";
      return std::nullopt;
    }
    s.prefix = std::string(text.substr(0, bar));
    text = text.substr(bar + 1);
  }
  if (!hungarianWord(text, true)) {
    error = "\"" + std::string(text) + "\" is not a lower-case Hungarian word";
    return std::nullopt;
  }
  s.word = std::string(text);
  if (notes.empty()) return s;
  for (std::string_view n : splitFields(notes, ',')) {
    n = trim(n);
    const std::size_t eq = n.find('=');
    if (eq == std::string_view::npos) {
      if (n == "back")
        s.back = true;
      else if (n == "front")
        s.front = true;
      else if (n == "name")
        s.name = true;
      else if (n == "van")
        s.keepsCopula = true;
      else if (n == "noobj" && pos == PartOfSpeech::verb)
        s.noObject = true;
      else if (n == "state" && pos == PartOfSpeech::verb)
        s.leavesState = true;
      else if (n == "person" &&
               (pos == PartOfSpeech::adjective || pos == PartOfSpeech::noun || pos == PartOfSpeech::verb))
        s.person = true;
      else if (n == "cap")
        s.capital = true;
      else if (n == "pair" && pos == PartOfSpeech::noun)
        s.pair = true;
      else if (n == "pl" && pos == PartOfSpeech::noun)
        s.ofPlural = true;
      else if (s.plural.empty() && hungarianWord(n, false) &&
               (pos == PartOfSpeech::noun || pos == PartOfSpeech::adjective))
        s.plural = std::string(n);
      else {
        error = "unknown note \"" + std::string(n) + "\"";
        return std::nullopt;
      }
      continue;
    }
    const std::string_view key = n.substr(0, eq), value = n.substr(eq + 1);
    if (std::find(std::begin(kNoteKeys), std::end(kNoteKeys), key) == std::end(kNoteKeys)) {
      error = "unknown note \"" + std::string(key) + "=\"";
      return std::nullopt;
    }
    const bool caseValued = key != "acc" && key != "3sg" && key != "sup" && key != "past" && key != "intr" &&
                            key != "pred" && key != "pp" && key != "poss" && key != "attr" && key != "perf" &&
                            key != "thing" && key != "when" && key != "near" && key != "pass" && key != "thingpass";
    // a thing's verb may have its own prefix: "the lights went out", "ki|alszik"; so may what
    // befalls a passive's subject, "meg|sérül", and the verb without an object, "be|zár"
    const std::size_t bar =
        key == "thing" || key == "pass" || key == "thingpass" || key == "intr" ? value.find('|')
                                                                               : std::string_view::npos;
    // (a prefix written apart keeps its space there too: "pass=benne |van", "nincs benne")
    const std::size_t prefixEnd = bar != std::string_view::npos && bar > 0 && value[bar - 1] == ' ' ? bar - 1 : bar;
    const bool wordOk = bar == std::string_view::npos
                            ? hungarianWord(value, false)
                            : hungarianWord(value.substr(0, prefixEnd), false) && hungarianWord(value.substr(bar + 1), false);
    // the English words that choose the sense, "/" between: "when=tablet/pill", "near=fishing/river"
    const bool listsWords = key == "when" || key == "near";
    const bool whenOk =
        listsWords &&
        std::all_of(value.begin(), value.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '/'; }) &&
        !value.empty() && value.front() != '/' && value.back() != '/' &&
        value.find("//") == std::string_view::npos;
    if (listsWords ? !whenOk : caseValued ? !isCaseName(value) : !wordOk) {
      error = "bad value in \"" + std::string(n) + "\"";
      return std::nullopt;
    }
    s.notes.emplace_back(std::string(key), std::string(value));
  }
  if (s.back && s.front) {
    error = "a sense cannot be both back and front";
    return std::nullopt;
  }
  return s;
}

}  // namespace

std::string_view Sense::note(std::string_view key) const {
  for (const auto& [k, v] : notes)
    if (k == key) return v;
  return {};
}

bool isCaseName(std::string_view name) {
  return std::find(std::begin(kCaseNames), std::end(kCaseNames), name) != std::end(kCaseNames);
}

std::optional<Entry> parseEntryLine(std::string_view line, std::string& error) {
  const auto fields = splitFields(line, '\t');
  if (fields.size() != 3) {
    error = "expected three fields separated by tabs: lemma, part of speech, senses";
    return std::nullopt;
  }
  Entry e;
  const std::string_view lemma = trim(fields[0]);
  if (!englishLemma(lemma)) {
    error = "\"" + std::string(lemma) + "\" is not a lower-case English lemma";
    return std::nullopt;
  }
  e.lemma = std::string(lemma);
  const auto pos = partOfSpeechNamed(trim(fields[1]));
  if (!pos) {
    error = "unknown part of speech \"" + std::string(trim(fields[1])) + "\"";
    return std::nullopt;
  }
  e.pos = *pos;
  for (std::string_view text : splitFields(fields[2], ';')) {
    auto sense = parseSense(text, e.pos, error);
    if (!sense) return std::nullopt;
    if (e.senses.size() == kMaxSenses) {
      error = "more than " + std::to_string(kMaxSenses) + " senses";
      return std::nullopt;
    }
    e.senses.push_back(std::move(*sense));
  }
  return e;
}

}  // namespace lexiton::lexicon
