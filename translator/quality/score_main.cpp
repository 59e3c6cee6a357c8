// lexiton-score: translates each corpus named (the development corpora, the held-out corpus)
// and prints, one line per corpus, its chrF2 and how often the pointed word's reference meaning
// appears; with --show, every sentence beside its reference first, with the sentence's own chrF2
// and "*" where the pointed word's meaning is missing; with --worst, those sentences lowest first.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "chrf.h"
#include "dev_corpus.h"

int main(int argc, char** argv) {
  std::vector<std::string> corpusPaths;
  std::string dictPath = lexiton::kDictionaryFileName;
  bool show = false, worst = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--show"))
      show = true;
    else if (!std::strcmp(argv[i], "--worst"))
      show = worst = true;
    else if (!std::strcmp(argv[i], "--dict") && i + 1 < argc)
      dictPath = argv[++i];
    else
      corpusPaths.push_back(argv[i]);
  }
  if (corpusPaths.empty()) {
    std::fprintf(stderr, "usage: lexiton-score CORPUS.tsv... [--dict FILE] [--show | --worst]\n");
    return 2;
  }
  try {
    const auto translator = lexiton::translator::Translator::fromFile(dictPath);
    for (const std::string& path : corpusPaths) {
      std::ifstream in(path, std::ios::binary);
      if (!in) throw std::runtime_error("cannot read " + path);
      std::stringstream text;
      text << in.rdbuf();
      const auto corpus = lexiton::quality::readDevCorpus(text.str());
      const auto r = lexiton::quality::scoreCorpus(translator, corpus);
      if (show) {
        std::vector<std::pair<double, std::size_t>> order;
        for (std::size_t i = 0; i < corpus.size(); ++i) {
          lexiton::quality::ChrfScore one;
          one.add(r.hypotheses[i], corpus[i].reference);
          order.emplace_back(one.score(), i);
        }
        if (worst) std::stable_sort(order.begin(), order.end());
        for (const auto& [score, i] : order) {
          char mark[16];
          std::snprintf(mark, sizeof mark, "[%4.1f%s] ", score,
                        lexiton::quality::meansThePointedWord(corpus[i], r.hypotheses[i]) ? "" : "*");
          std::cout << mark << corpus[i].english << "\n  = " << r.hypotheses[i] << "\n  ~ " << corpus[i].reference
                    << "\n";
        }
      }
      const std::string name = path.substr(path.find_last_of("/\\") + 1);
      std::printf("%-22s sentences %3zu  chrF2 %.1f  pointed meaning %zu/%zu (%.1f %%)\n", name.c_str(),
                  r.sentences, r.chrf, r.pointedRight, r.sentences,
                  r.sentences ? 100.0 * double(r.pointedRight) / double(r.sentences) : 0.0);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexiton-score: %s\n", e.what());
    return 1;
  }
  return 0;
}
