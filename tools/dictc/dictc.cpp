// dictc: compiles the FreeDict English-Hungarian dictd files (index + dictzip data) into the
// compact image lexiton::Dictionary reads, and, given a second output, the Hungarian-English
// half into one of its own (the hover dictionary's second direction). Plain C++ and zlib only,
// so the same source builds with the host compiler in the cross build.
//
// Usage: dictc ENG-HUN.index ENG-HUN.dict.dz HUN-ENG.index HUN-ENG.dict.dz OUT [OUT-HUN-ENG]
#include <zlib.h>

#include "lexiton/dictionary.h"
#include "lexiton/dictionary_image.h"
#include "lexiton/hungarian_repair.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxData = 512u * 1024u * 1024u;
using Entry = lexiton::DictionaryEntry;

std::string readGzip(const std::string& path) {
  gzFile f = gzopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("cannot open " + path);
  std::string out;
  char buf[65536];
  int n;
  while ((n = gzread(f, buf, sizeof buf)) > 0) {
    out.append(buf, std::size_t(n));
    if (out.size() > kMaxData) {
      gzclose(f);
      throw std::runtime_error("data too large");
    }
  }
  int err = 0;
  gzerror(f, &err);
  gzclose(f);
  if (n < 0 || (err != Z_OK && err != Z_STREAM_END)) throw std::runtime_error("bad gzip " + path);
  return out;
}

uint64_t b64(std::string_view s) {
  static const std::string_view a = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  uint64_t v = 0;
  for (char c : s) {
    auto p = a.find(c);
    if (p == std::string_view::npos) throw std::runtime_error("bad index number");
    v = v * 64 + p;
  }
  return v;
}

std::string lower(std::string_view s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    uint8_t c = uint8_t(s[i]);
    if (c < 128) {
      r += char(std::tolower(c));
      continue;
    }
    // Latin-1 and Hungarian capitals in UTF-8: C3 80..9E -> +0x20; C5 90/B0 -> +1.
    if (c == 0xC3 && i + 1 < s.size() && uint8_t(s[i + 1]) >= 0x80 && uint8_t(s[i + 1]) <= 0x9E) {
      r += char(0xC3);
      r += char(uint8_t(s[i + 1]) + 0x20);
      ++i;
      continue;
    }
    if (c == 0xC5 && i + 1 < s.size() && (uint8_t(s[i + 1]) == 0x90 || uint8_t(s[i + 1]) == 0xB0)) {
      r += char(0xC5);
      r += char(uint8_t(s[i + 1]) + 1);
      ++i;
      continue;
    }
    r += char(c);
  }
  return r;
}

std::string trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return std::string(s);
}

// One article: "headword /pron/" then "N. sense" lines (or a single unnumbered sense).
Entry parseArticle(std::string_view text) {
  Entry e;
  std::istringstream in{std::string(text)};
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    std::string t = trim(line);
    if (first) {
      first = false;
      auto slash = t.find(" /");
      if (slash != std::string::npos && t.size() > slash + 2 && t.back() == '/') {
        e.headword = trim(t.substr(0, slash));
        e.pronunciation = t.substr(slash + 2, t.size() - slash - 3);
      } else {
        e.headword = t;
      }
      continue;
    }
    if (t.empty()) continue;
    std::size_t i = 0;
    while (i < t.size() && std::isdigit(uint8_t(t[i]))) ++i;
    if (i > 0 && i + 1 < t.size() && t[i] == '.' && t[i + 1] == ' ') t = trim(t.substr(i + 2));
    if (!t.empty()) e.senses.push_back(lexiton::repairHungarian(t));
  }
  e.headword = lexiton::repairHungarian(e.headword);
  return e;
}

std::map<std::string, Entry> readDict(const std::string& indexPath, const std::string& dataPath) {
  std::string data = readGzip(dataPath);
  std::ifstream idx(indexPath);
  if (!idx) throw std::runtime_error("cannot open " + indexPath);
  std::map<std::string, Entry> out;
  std::string line;
  while (std::getline(idx, line)) {
    auto t1 = line.find('\t');
    auto t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
    if (t2 == std::string::npos) continue;
    if (line.rfind("00database", 0) == 0) continue;
    uint64_t off = b64(line.substr(t1 + 1, t2 - t1 - 1)), len = b64(line.substr(t2 + 1));
    if (off > data.size() || len > data.size() - off) throw std::runtime_error("index points outside data");
    Entry e = parseArticle(std::string_view(data).substr(off, len));
    std::string key = lower(e.headword);
    if (key.empty() || key.size() > lexiton::Dictionary::kMaxKeyLength || e.senses.empty()) continue;
    auto& slot = out[key];
    if (slot.headword.empty()) {
      slot = std::move(e);
      continue;
    }
    for (auto& s : e.senses)
      if (std::find(slot.senses.begin(), slot.senses.end(), s) == slot.senses.end())
        slot.senses.push_back(std::move(s));
  }
  return out;
}

// The data lists senses in no useful order and its Hungarian-English half is the exact
// inversion of the English-Hungarian half, so the rank comes from the shape of the data:
// - a sense that is the head of other senses' compounds ("ház" in "színház", "lakóház")
//   is the general meaning they narrow down;
// - a Hungarian word many English headwords translate to is common;
// - short single words are more common than long words and glosses.
void rank(std::map<std::string, Entry>& en) {
  std::map<std::string, int> uses;
  for (auto& [key, e] : en)
    for (auto& s : e.senses) ++uses[lower(s)];
  for (auto& [key, e] : en) {
    std::vector<std::string> low;
    for (auto& s : e.senses) low.push_back(lower(s));
    std::vector<std::pair<double, std::size_t>> score;
    for (std::size_t i = 0; i < low.size(); ++i) {
      const std::string& l = low[i];
      int heads = 0;
      for (const auto& o : low)
        if (o.size() > l.size() && o.compare(o.size() - l.size(), l.size(), l) == 0) ++heads;
      std::size_t chars = 0;
      for (char c : l) chars += (uint8_t(c) & 0xC0) != 0x80;
      double words = double(1 + std::count(l.begin(), l.end(), ' '));
      double s =
          1.5 * std::log(1.0 + heads) + 0.5 * std::log(1.0 + uses[l]) - double(chars) / 6.0 - (words - 1.0);
      score.emplace_back(-s, i);
    }
    std::stable_sort(score.begin(), score.end());
    std::vector<std::string> sorted;
    for (auto& [s, i] : score) sorted.push_back(e.senses[i]);
    e.senses = std::move(sorted);
  }
}

// The English senses of the Hungarian-English half come in no useful order either. The ranked
// English-Hungarian half says which English word a Hungarian word is the everyday sense of:
// "ház" comes first under "house" but far down under "place" and "home". Single words before
// phrases; among equals, the English word more English headwords are made with ("house" in
// "house arrest", "public house": 177 against "home"'s 151), a sign of an everyday word.
void rankEnglish(std::map<std::string, Entry>& hu, const std::map<std::string, Entry>& en) {
  std::map<std::string, int> uses;
  for (const auto& [key, e] : en) {
    std::istringstream words(key);
    std::string w;
    std::vector<std::string> seen;
    while (words >> w)
      if (std::find(seen.begin(), seen.end(), w) == seen.end()) {
        seen.push_back(w);
        ++uses[w];
      }
  }
  constexpr std::size_t kUnranked = 1000;
  for (auto& entry : hu) {
    // Named, not a structured binding: the lambdas below capture it.
    const std::string& key = entry.first;
    Entry& e = entry.second;
    const auto rankUnder = [&](const std::string& sense) {
      const auto it = en.find(lower(sense));
      if (it == en.end()) return kUnranked;
      for (std::size_t i = 0; i < it->second.senses.size(); ++i)
        if (lower(it->second.senses[i]) == key) return i;
      return kUnranked;
    };
    std::stable_sort(e.senses.begin(), e.senses.end(), [&](const std::string& a, const std::string& b) {
      const auto words = [](const std::string& s) { return std::count(s.begin(), s.end(), ' '); };
      if (words(a) != words(b)) return words(a) < words(b);
      if (rankUnder(a) != rankUnder(b)) return rankUnder(a) < rankUnder(b);
      return uses[lower(a)] > uses[lower(b)];
    });
  }
}

void writeImage(const std::map<std::string, Entry>& entries, const std::string& path) {
  const std::string out = lexiton::dictionaryImage(entries);
  std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f.write(out.data(), std::streamsize(out.size()))) throw std::runtime_error("cannot write " + tmp);
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot replace output");
  std::printf("dictc: %s: %zu entries, %zu bytes\n", path.c_str(), entries.size(), out.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(
        stderr,
        "usage: dictc ENG-HUN.index ENG-HUN.dict.dz HUN-ENG.index HUN-ENG.dict.dz OUT [OUT-HUN-ENG]\n");
    return 2;
  }
  try {
    auto en = readDict(argv[1], argv[2]);
    // The Hungarian-English half must be readable too: it is the check that both halves
    // come from one edition (a missing or damaged file fails the build).
    auto hu = readDict(argv[3], argv[4]);
    if (hu.empty()) throw std::runtime_error("empty Hungarian-English dictionary");
    rank(en);
    writeImage(en, argv[5]);
    if (argc == 7) {
      rankEnglish(hu, en);
      writeImage(hu, argv[6]);
    }
  } catch (const std::exception& ex) {
    std::fprintf(stderr, "dictc: %s\n", ex.what());
    return 1;
  }
  return 0;
}
