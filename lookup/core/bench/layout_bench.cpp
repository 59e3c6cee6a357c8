// Conversions per second of a typical two-alternative reply through the shipped style sheet.
#include <benchmark/benchmark.h>

#include "lexiton/lookup/layout.h"

namespace {
const lexiton::Layout& shipped() {
  static const lexiton::Layout l(LEXITON_STYLE_SHEET_PATH);
  return l;
}
const char* kReply =
    "<SRC>The <HL>houses</HL> in the <orig>Zorgvale</orig> valley are big.</SRC>"
    "<TRG>A <chunk>h\xe1zak</chunk> a <chunk>Zorgvale</chunk> v\xf6lgyben nagyok.</TRG>"
    "<message>mosaic translation</message>"
    "<SRC>The <HL>houses</HL> in the <orig>Zorgvale</orig> valley are large.</SRC>"
    "<TRG>A <chunk>h\xe1zak</chunk> a Zorgvale v\xf6lgy\xe9" "ben <chunk>t\xe1gasak</chunk>.</TRG>"
    "<footer>Lexiton &amp; friends</footer>";

void BM_ConvertTwoAlternatives(benchmark::State& state) {
  const auto& l = shipped();
  for (auto _ : state) benchmark::DoNotOptimize(l.convert(kReply));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertTwoAlternatives)->Threads(1)->Threads(2)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
