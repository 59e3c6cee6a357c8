// One whole look-up through ServerConnection against a loopback server, and the pipeline alone
// (conversion, notes, result list) over the same reply handed over by a canned backend.
#include <benchmark/benchmark.h>
#include <lexiton/profile.h>
#include <lexiton/protocol/client_packer.h>
#include <lexiton/test/loopback_server.h>
#include <lexiton/test/test_session.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "lexiton/lookup/layout.h"
#include "lexiton/lookup/lookup_pipeline.h"
#include "lexiton/lookup/query_backend.h"

namespace {

using lexiton::test::kSessionKey;
using lexiton::test::kSessionName;

const std::string kReply =
    "<surf-ss>The <HL>houses</HL> on the <orig>hill</orig> are big.</surf-ss>"
    "<surf-st>A <chunk>h\xE1zak</chunk> <chunk>a dombon</chunk> nagyok.</surf-st>"
    "<surf-ss>The houses on the hill are <badword>bigg</badword><suggest>big</suggest>.</surf-ss>"
    "<surf-st>A dombon l\xE9v\xF5 h\xE1zak nagyok.</surf-st>";

class CannedBackend final : public lexiton::lookup::QueryBackend {
 public:
  int query(std::string_view, std::string_view, int, std::string& out) override {
    out = kReply;
    return 0;
  }
  int cancelQuery() override { return 0; }
  int close() override { return 0; }
};

double percentile(const std::vector<double>& v, double p) {
  std::vector<double> s(v);
  std::sort(s.begin(), s.end());
  return s[std::min(s.size() - 1, static_cast<std::size_t>(p * static_cast<double>(s.size())))];
}

void runOnce(benchmark::State& state, lexiton::lookup::QueryBackend& backend) {
  static const lexiton::Layout layout(LEXITON_STYLE_SHEET_PATH);
  lexiton::lookup::LookupContext context;
  context.styleSheet = &layout;
  context.backend = &backend;
  context.language = 1033;
  lexiton::lookup::LookupRequest request;
  request.text = u"The houses on the hill are big.";
  request.pointer = 6;
  request.footerText = "Lexiton";
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  for (auto _ : state) {
    LxByteArray array{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
    lexiton::ReservedStore store(array);
    lexiton::ChunkList list(store);
    const auto outcome = lexiton::lookup::runLookup(context, request, list);
    if (!outcome.produced || outcome.count != 2) state.SkipWithError("look-up failed");
    benchmark::DoNotOptimize(array.size);
  }
}

void BM_LookupLoopback(benchmark::State& state) {
  static const std::string packed = [] {
    std::string out;
    lexiton::protocol::ClientPacker().pack(kSessionKey, kReply, out);
    return out;
  }();
  lexiton::test::LoopbackServer server(
      [](const lexiton::test::Request&) { return lexiton::test::Reply(200, packed); });
  const std::string ini = "lookup_bench.ini";
  std::ofstream(ini, std::ios::trunc)
      << "[Server Settings]\nServer_Address=" << server.url("/q") << "\nSessionID=" << kSessionName
      << kSessionKey << "\nServer_Timeout=10\n";
  auto settings = lexiton::openProfile(ini);
  auto backend = lexiton::lookup::makeServerBackend(*settings, true, "");
  runOnce(state, *backend);
  std::remove(ini.c_str());
}

void BM_PipelineCannedReply(benchmark::State& state) {
  CannedBackend backend;
  runOnce(state, backend);
}

}  // namespace

BENCHMARK(BM_LookupLoopback)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(300)
    ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PipelineCannedReply)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200)
    ->Repetitions(30)
    ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
