// Speed of the offline translator over the compiled dictionary and core lexicon: loading them
// (and the core lexicon alone), translating the sentence around the pointer in a short and in a
// long text, and the whole development corpus.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "lexiton/translator/translator.h"

namespace {

using lexiton::translator::Translator;

const Translator& shipped() {
  static const Translator t = Translator::fromFile(lexiton::kDictionaryFileName);
  return t;
}

void BM_LoadDictionary(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Translator::fromFile(lexiton::kDictionaryFileName));
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

// The compiled core lexicon alone, as the translator and the hover dictionary load it.
void BM_LoadCoreLexicon(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(lexiton::lexicon::CoreLexicon::loadFile(lexiton::lexicon::kCoreLexiconFileName));
}
BENCHMARK(BM_LoadCoreLexicon)->Unit(benchmark::kMillisecond);

void BM_TranslateSentence(benchmark::State& state) {
  const std::string text = "I don't know what you &kvopoint;mean, but he gave up smoking last year.";
  for (auto _ : state) benchmark::DoNotOptimize(shipped().translate(text));
}
BENCHMARK(BM_TranslateSentence)->ThreadRange(1, 2)->UseRealTime();

// A window of about a thousand characters, as the client sends it, pointer in the middle.
void BM_TranslateLongWindow(benchmark::State& state) {
  std::string text;
  while (text.size() < 500) text += "The children went home after school. ";
  text += "The &kvopoint;houses are big";
  while (text.size() < 1000) text += ", and the small dog was sleeping under the old table";
  text += ".";
  for (auto _ : state) benchmark::DoNotOptimize(shipped().translate(text));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_TranslateLongWindow);

// Every sentence of the development corpus, one after another: the time per sentence is the
// reported time divided by the items (state.SetItemsProcessed).
void BM_TranslateDevCorpus(benchmark::State& state) {
  std::ifstream in(LEXITON_DEV_CORPUS, std::ios::binary);
  std::vector<std::string> queries;
  for (std::string line; std::getline(in, line);) {
    const std::size_t tab = line.find('\t'), open = line.find('[');
    if (line.empty() || line[0] == '#' || tab == std::string::npos || open > tab) continue;
    std::string english = line.substr(0, tab);
    english.replace(open, 1, "&kvopoint;");
    english.erase(english.find(']'), 1);
    queries.push_back(english);
  }
  for (auto _ : state)
    for (const std::string& q : queries) benchmark::DoNotOptimize(shipped().translate(q));
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(queries.size()));
}
BENCHMARK(BM_TranslateDevCorpus)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
