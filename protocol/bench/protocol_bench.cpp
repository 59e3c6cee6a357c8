// Throughput of packing and unpacking a query record, and the latency of one look-up through
// ServerConnection to a translation server on loopback (median and 99th percentile).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "lexiton/profile.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/server_connection.h"
#include "lexiton/test/loopback_server.h"
#include "lexiton/test/test_session.h"

namespace {
using lexiton::protocol::ClientPacker;

using lexiton::test::kSessionKey;
using lexiton::test::kSessionName;

std::string record(std::size_t size) {
  std::string text = "usr|:anna|;lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;dat|:";
  while (text.size() < size - 2) text += "house ";
  text.resize(size - 2);
  return text + "|.";
}

void BM_PackUnpack(benchmark::State& state) {
  const ClientPacker packer;
  const std::string clear = record(static_cast<std::size_t>(state.range(0)));
  std::string packed, back;
  for (auto _ : state) {
    packer.pack(kSessionKey, clear, packed);
    packer.unpack(kSessionKey, packed, back);
    benchmark::DoNotOptimize(back.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PackUnpack)->Arg(1024)->Arg(16 * 1024);

void BM_LoopbackQuery(benchmark::State& state) {
  const ClientPacker packer;
  lexiton::test::LoopbackServer server([&packer](const lexiton::test::Request& r) {
    std::string clear, packed;
    packer.unpack(kSessionKey, r.param("what").substr(kSessionName.size()), clear);
    packer.pack(kSessionKey, "<surf-ss>The <HL>house</HL> is big.</surf-ss><surf-st>A h\xe1z nagy.</surf-st>",
                packed);
    return lexiton::test::Reply(200, packed);
  });
  const std::string path = "protocol_bench_settings.ini";
  std::ofstream(path) << "[Server Settings]\nServer_Address=" << server.url("/q")
                      << "\nServer_Timeout=5\nSessionID=" << kSessionName << kSessionKey << "\n";
  const auto settings = lexiton::openPortableProfile(path);
  lexiton::protocol::ServerConnection connection(*settings);
  const std::string text = "The house&kvopoint; is big.";
  std::vector<double> micros;
  std::string out;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (connection.query("bench", text, 1, out) != 0) state.SkipWithError("query failed");
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  if (!micros.empty()) {
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoopbackQuery)->Unit(benchmark::kMicrosecond)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
