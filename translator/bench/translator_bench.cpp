// Speed of the offline translator over the compiled dictionary: loading it, and translating
// the sentence around the pointer in a short and in a long text.
#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace

BENCHMARK_MAIN();
