#include "lexiton/lexicon/core_lexicon.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "lexiton/lexicon/split_fields.h"

namespace lexiton::lexicon {
namespace {

bool parseCount(std::string_view s, uint32_t& out) {
  if (s.empty() || s.size() > 9) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool plainWord(std::string_view s) {
  if (s.empty() || s.size() > kMaxLemmaBytes) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || c == '\'' || c == '-' || c == ' ' || c == '.')) return false;
  return true;
}

}  // namespace

uint32_t PosCounts::of(PartOfSpeech p) const {
  switch (p) {
    case PartOfSpeech::noun:
      return noun;
    case PartOfSpeech::verb:
      return verb;
    case PartOfSpeech::adjective:
      return adjective;
    case PartOfSpeech::adverb:
      return adverb;
    default:
      return 0;  // WordNet counts no numbers and no function words
  }
}

CoreLexicon CoreLexicon::loadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw cExc("cannot open the core lexicon " + path);
  std::ostringstream text;
  text << in.rdbuf();
  if (text.str().size() > kMaxCoreFileSize) throw cExc("the core lexicon is too large");
  return fromText(text.str());
}

CoreLexicon CoreLexicon::fromText(std::string_view text) {
  if (text.size() > kMaxCoreFileSize) throw cExc("the core lexicon is too large");
  CoreLexicon c;
  // one hash table sized once: most records are WordNet's counts, a tenth irregular forms
  const std::size_t records = std::size_t(std::count(text.begin(), text.end(), '\n'));
  c.counts_.reserve(records);
  c.forms_.reserve(records / 8);
  std::size_t lineNumber = 0;
  bool sawMagic = false;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    auto fail = [&](const std::string& why) {
      return cExc("core lexicon line " + std::to_string(lineNumber) + ": " + why);
    };
    if (!sawMagic) {
      if (line != kCoreMagic) throw fail("not a compiled core lexicon");
      sawMagic = true;
      continue;
    }
    if (line.size() < 2 || line[1] != '\t') throw fail("malformed record");
    const std::string_view body = line.substr(2);
    if (line[0] == 'E') {
      std::string error;
      auto e = parseEntryLine(body, error);
      if (!e) throw fail(error);
      c.byLemma_.emplace(e->lemma, c.entries_.size());
      if (const std::size_t space = e->lemma.find(' '); space != std::string::npos)
        ++c.phraseStarts_[e->lemma.substr(0, space)];
      c.entries_.push_back(std::move(*e));
    } else if (line[0] == 'F') {
      const auto f = splitFields(body, '\t');
      std::optional<PartOfSpeech> pos;
      if (f.size() != 3 || !plainWord(f[0]) || !plainWord(f[1]) || !(pos = partOfSpeechNamed(f[2])))
        throw fail("malformed irregular form");
      c.forms_.emplace(std::string(f[0]), IrregularForm{std::string(f[1]), *pos});
    } else if (line[0] == 'W') {
      const auto f = splitFields(body, '\t');
      PosCounts n;
      if (f.size() != 5 || !plainWord(f[0]) || !parseCount(f[1], n.noun) || !parseCount(f[2], n.verb) ||
          !parseCount(f[3], n.adjective) || !parseCount(f[4], n.adverb))
        throw fail("malformed part-of-speech counts");
      c.counts_[std::string(f[0])] = n;
    } else {
      throw fail("unknown record");
    }
  }
  if (!sawMagic) throw cExc("the core lexicon is empty");
  return c;
}

const Entry* CoreLexicon::find(std::string_view lemma, PartOfSpeech pos) const {
  auto [b, e] = byLemma_.equal_range(std::string(lemma));
  const Entry* best = nullptr;
  for (auto it = b; it != e; ++it)
    if (entries_[it->second].pos == pos && (!best || it->second < std::size_t(best - entries_.data())))
      best = &entries_[it->second];
  return best;
}

std::vector<const Entry*> CoreLexicon::entries(std::string_view lemma) const {
  std::vector<const Entry*> out;
  auto [b, e] = byLemma_.equal_range(std::string(lemma));
  for (auto it = b; it != e; ++it) out.push_back(&entries_[it->second]);
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<IrregularForm> CoreLexicon::irregular(std::string_view form) const {
  std::vector<IrregularForm> out;
  auto [b, e] = forms_.equal_range(std::string(form));
  for (auto it = b; it != e; ++it) out.push_back(it->second);
  return out;
}

const PosCounts* CoreLexicon::counts(std::string_view lemma) const {
  auto it = counts_.find(std::string(lemma));
  return it == counts_.end() ? nullptr : &it->second;
}

}  // namespace lexiton::lexicon
