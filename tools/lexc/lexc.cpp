// lexc compiles the core lexicon source and WordNet's English data into the file the
// translator reads (see core_lexicon.h): every entry checked (a malformed line stops the build
// with its file and line), WordNet's irregular forms (noun.exc, verb.exc, adj.exc) and, for
// every one-word lemma of its index files, the sense counts per part of speech.
// Usage: lexc LEXICON.lex WORDNET_DIR OUTPUT
#include <cstdio>
#include <fstream>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "lexiton/lexicon/lexicon_source.h"

namespace {

using lexiton::lexicon::parseEntryLine;

bool readFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    out.push_back(l);
  }
  return out;
}

bool simpleWord(const std::string& w) {
  if (w.empty() || w.size() > lexiton::lexicon::kMaxLemmaBytes) return false;
  for (char c : w)
    if (!((c >= 'a' && c <= 'z') || c == '\'' || c == '-' || c == '.')) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: lexc LEXICON.lex WORDNET_DIR OUTPUT\n");
    return 2;
  }
  const std::string source = argv[1], wordnet = argv[2], output = argv[3];
  std::string text;
  if (!readFile(source, text)) {
    std::fprintf(stderr, "lexc: cannot read %s\n", source.c_str());
    return 1;
  }
  std::string out = std::string(lexiton::lexicon::kCoreMagic) + "\n";
  std::set<std::pair<std::string, std::string>> seen;
  std::size_t entries = 0, lineNumber = 0;
  int errors = 0;
  for (const std::string& raw : lines(text)) {
    ++lineNumber;
    if (raw.empty() || raw[0] == '#') continue;
    std::string error;
    auto e = parseEntryLine(raw, error);
    if (e && !seen.insert({e->lemma, std::string(partOfSpeechName(e->pos))}).second)
      error = "a second entry for \"" + e->lemma + "\" as " + std::string(partOfSpeechName(e->pos)),
      e.reset();
    if (!e) {
      std::fprintf(stderr, "%s:%zu: %s\n", source.c_str(), lineNumber, error.c_str());
      ++errors;
      continue;
    }
    out += "E\t" + raw + "\n";
    ++entries;
  }
  if (errors) return 1;
  // WordNet's exception lists: "bought buy"; a form may list several lemmas.
  const std::pair<const char*, const char*> exc[] = {
      {"noun.exc", "n"}, {"verb.exc", "v"}, {"adj.exc", "adj"}};
  std::size_t forms = 0;
  for (const auto& [file, pos] : exc) {
    if (!readFile(wordnet + "/" + file, text)) {
      std::fprintf(stderr, "lexc: cannot read %s/%s\n", wordnet.c_str(), file);
      return 1;
    }
    for (const std::string& l : lines(text)) {
      std::istringstream in(l);
      std::string form, lemma;
      in >> form;
      while (in >> lemma)
        if (simpleWord(form) && simpleWord(lemma))
          out += "F\t" + form + "\t" + lemma + "\t" + pos + "\n", ++forms;
    }
  }
  // Index files: "lemma pos synset_cnt p_cnt [ptr...] sense_cnt tagsense_cnt offsets".
  std::map<std::string, std::array<unsigned, 4>> counts;
  const char* index[] = {"index.noun", "index.verb", "index.adj", "index.adv"};
  for (int p = 0; p < 4; ++p) {
    if (!readFile(wordnet + "/" + index[p], text)) {
      std::fprintf(stderr, "lexc: cannot read %s/%s\n", wordnet.c_str(), index[p]);
      return 1;
    }
    for (const std::string& l : lines(text)) {
      if (l.empty() || l[0] == ' ') continue;
      std::istringstream in(l);
      std::string lemma, pos;
      unsigned synsets = 0, pointers = 0, tagged = 0;
      in >> lemma >> pos >> synsets >> pointers;
      std::string skip;
      for (unsigned k = 0; k < pointers && in; ++k) in >> skip;
      unsigned senses = 0;
      in >> senses >> tagged;
      if (!in || !simpleWord(lemma)) continue;
      counts[lemma][p] = tagged + 1;
    }
  }
  for (const auto& [lemma, c] : counts)
    out += "W\t" + lemma + "\t" + std::to_string(c[0]) + "\t" + std::to_string(c[1]) + "\t" +
           std::to_string(c[2]) + "\t" + std::to_string(c[3]) + "\n";
  // The translator must read what we write.
  try {
    (void)lexiton::lexicon::CoreLexicon::fromText(out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexc: %s\n", e.what());
    return 1;
  }
  std::ofstream o(output, std::ios::binary);
  if (!(o << out)) {
    std::fprintf(stderr, "lexc: cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("lexc: %zu entries, %zu irregular forms, %zu WordNet lemmas\n", entries, forms, counts.size());
  return 0;
}
