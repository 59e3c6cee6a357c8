// One hover look-up over the shipped dictionaries, word forms and phrases included, after they
// are open: what the host's main thread waits for when the pointer rests on a word.
#include <benchmark/benchmark.h>

#include <lexiton/language_ids.h>

#include <deque>
#include <vector>

#include "hover_library.h"

namespace {

using lexiton::dictcore::HoverLibrary;

const HoverLibrary& library() {
  static const HoverLibrary l("", {"2EN-HU", "2HU-EN"}, lexiton::kLanguageHungarian);
  return l;
}

void lookUp(benchmark::State& state, std::u16string_view text) {
  std::vector<uint8_t> bytes(LX_LOCAL_RESULT_RESERVE);
  std::deque<std::string> texts;
  for (auto _ : state) {
    LxByteArray result{bytes.data(), 4, LX_LOCAL_RESULT_RESERVE};
    bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0;
    texts.clear();
    if (!library().lookup(text, nullptr, lexiton::CodePage::windows1250, texts, result))
      state.SkipWithError("no entry");
    benchmark::DoNotOptimize(result.size);
  }
}

BENCHMARK_CAPTURE(lookUp, plural, u"The @houses are big.");
BENCHMARK_CAPTURE(lookUp, irregular_past, u"He @went home.");
BENCHMARK_CAPTURE(lookUp, phrasal_verb, u"He @gave up smoking");
BENCHMARK_CAPTURE(lookUp, hungarian_plural, u"A @h\u00E1zak nagyok.");

}  // namespace

BENCHMARK_MAIN();
