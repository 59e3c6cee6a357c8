// RTF reading speed in bytes per second: a typical client tooltip document, a long document
// of many paragraphs, and a picture-heavy one; plus layout of the typical document on the
// fixed-advance surface.
#include <benchmark/benchmark.h>

#include <string>

#include "tippaint/fixed_surface.h"
#include "tippaint/layout.h"
#include "tippaint/rtf_reader.h"

namespace {

const std::string kHeader =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}{\\f1\\fswiss\\fcharset238 Tahoma;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue0;"
    "\\red96\\green96\\blue96;\\red192\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs16 ";

const std::string kAlternative =
    "{\\pard\\plain\\f0\\fs16\\cf2 The {\\b houses} in the {\\ul Zorgvale} valley are big.\\par}"
    "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i A h\\'e1zak a Zorgvale v\\'f6lgyben nagyok, "
    "\\u337 s\\u369 r\\u369 n.\\par}"
    "{\\pard\\plain\\f0\\fs16\\cf4\\i mosaic translation\\par}";

const std::string kFooter = "{\\pard\\plain\\f1\\fs14\\cf4 Lexiton & friends\\par}}";

std::string typical() { return kHeader + kAlternative + kAlternative + kFooter; }

std::string long_document() {
  std::string body;
  while (body.size() < (1 << 20)) body += kAlternative;
  return kHeader + body + kFooter;
}

std::string pictures() {
  std::string body;
  const std::string hex(4096, 'a');
  while (body.size() < (1 << 20))
    body += "{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal600\\pichgoal300 " + hex + "}";
  return kHeader + body + kFooter;
}

void parse(benchmark::State& state, const std::string& rtf) {
  for (auto _ : state) {
    tippaint::RichDocument document;
    benchmark::DoNotOptimize(tippaint::parse_document(rtf, document));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}

void BM_ParseTypicalTooltip(benchmark::State& state) { parse(state, typical()); }
void BM_ParseLongDocument(benchmark::State& state) { parse(state, long_document()); }
void BM_ParsePictures(benchmark::State& state) { parse(state, pictures()); }

void BM_ParseAndLayOutTypicalTooltip(benchmark::State& state) {
  const std::string rtf = typical();
  for (auto _ : state) {
    tippaint::FixedSurface surface;
    tippaint::TipPainter painter(surface, 0xE1FFFF);
    tippaint::RichDocument document;
    tippaint::parse_document(rtf, document);
    painter.render_document(document);
    benchmark::DoNotOptimize(painter.result_size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}

BENCHMARK(BM_ParseTypicalTooltip);
BENCHMARK(BM_ParseLongDocument);
BENCHMARK(BM_ParsePictures);
BENCHMARK(BM_ParseAndLayOutTypicalTooltip);

}  // namespace

BENCHMARK_MAIN();
