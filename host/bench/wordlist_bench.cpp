// The word list's costs: what record() takes on the caller's thread (the host's main thread,
// right after a tooltip is shown), and exporting a list of 100,000 words in both formats, from
// reading the file to the finished text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "../tests/word_list_samples.h"
#include "wordlist/word_export.h"
#include "wordlist/word_list.h"

namespace {

using lexiton::host::ExportFormat;
using lexiton::host::WordList;
using lexiton::host::WordListEntry;
using lexiton::host::WordListStore;
namespace samples = lexiton::host::test;

// Each call timed alone; the list's thread writes between the timed calls as it would between
// look-ups, and is waited for (untimed) before its queue could fill.
void BM_RecordOnTheCallersThread(benchmark::State& state) {
  const std::string path = samples::freshFolder("lexiton_wordlist_bench_record") + "/lexidic.db";
  WordList list(path, {});
  list.flush();
  std::vector<double> times;
  int n = 0;
  for (auto _ : state) {
    WordListEntry entry = samples::numberedLookup(n++);
    const auto start = std::chrono::steady_clock::now();
    list.record(std::move(entry));
    const auto end = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(end - start).count();
    state.SetIterationTime(seconds);
    times.push_back(seconds);
    if (n % 200 == 0) list.flush();
  }
  list.flush();
  std::sort(times.begin(), times.end());
  if (!times.empty()) {
    state.counters["p50_us"] = times[times.size() / 2] * 1e6;
    state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
    state.counters["max_us"] = times.back() * 1e6;
  }
  state.counters["dropped"] = double(list.dropped());
}
BENCHMARK(BM_RecordOnTheCallersThread)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

// 100,000 different words, written once.
const std::string& largeList() {
  static const std::string path = [] {
    const std::string p = samples::freshFolder("lexiton_wordlist_bench_export") + "/lexidic.db";
    lexiton::host::WordListOpening opening;
    auto store = WordListStore::openOrRecover(p, 0, opening);
    std::vector<WordListEntry> entries;
    for (int n = 0; n < 100000; ++n) entries.push_back(samples::numberedLookup(n));
    store->insert(entries);
    return p;
  }();
  return path;
}

void BM_Export100000Words(benchmark::State& state) {
  const ExportFormat format = state.range(0) == 0 ? ExportFormat::csv : ExportFormat::flashCards;
  auto store = WordListStore::openExisting(largeList(), lexiton::host::SqliteConnection::Mode::readOnly);
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text;
    const auto rows = store->words();
    lexiton::host::appendExport(text, rows, format);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = double(bytes);
  state.SetLabel(format == ExportFormat::csv ? "csv" : "tsv");
}
BENCHMARK(BM_Export100000Words)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

// The part of an export that is reading: the grouped rows out of the file.
void BM_Read100000Words(benchmark::State& state) {
  auto store = WordListStore::openExisting(largeList(), lexiton::host::SqliteConnection::Mode::readOnly);
  for (auto _ : state) benchmark::DoNotOptimize(store->words().size());
}
BENCHMARK(BM_Read100000Words)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
