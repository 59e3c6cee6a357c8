// lexiton-score: translates the development corpus and prints corpus chrF and how often the
// pointed word's reference meaning appears; with --show, every sentence beside its reference.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "dev_corpus.h"

int main(int argc, char** argv) {
  std::string corpusPath, dictPath = lexiton::kDictionaryFileName;
  bool show = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--show"))
      show = true;
    else if (!std::strcmp(argv[i], "--dict") && i + 1 < argc)
      dictPath = argv[++i];
    else
      corpusPath = argv[i];
  }
  if (corpusPath.empty()) {
    std::fprintf(stderr, "usage: lexiton-score CORPUS.tsv [--dict FILE] [--show]\n");
    return 2;
  }
  try {
    std::ifstream in(corpusPath, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + corpusPath);
    std::stringstream text;
    text << in.rdbuf();
    const auto corpus = lexiton::quality::readDevCorpus(text.str());
    const auto translator = lexiton::translator::Translator::fromFile(dictPath);
    const auto r = lexiton::quality::scoreCorpus(translator, corpus);
    if (show)
      for (std::size_t i = 0; i < corpus.size(); ++i)
        std::cout << corpus[i].english << "\n  = " << r.hypotheses[i] << "\n  ~ " << corpus[i].reference
                  << "\n";
    std::printf("sentences %zu  chrF %.1f  pointed meaning %zu/%zu (%.1f %%)\n", r.sentences, r.chrf,
                r.pointedRight, r.sentences,
                r.sentences ? 100.0 * double(r.pointedRight) / double(r.sentences) : 0.0);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexiton-score: %s\n", e.what());
    return 1;
  }
  return 0;
}
