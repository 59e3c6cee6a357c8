// Times TipPaint under wine: a three-alternative translation result with notes and a footer,
// painted again and again into a screen-sized off-screen canvas as the host's first tooltip
// would be. Prints the median, fastest and slowest call.
//
//   tippaint_paint_bench [--dll FILE] [--runs N] [--write-result FILE] [--frame-only 1]
//
// --write-result also saves the measured result list, for lexiton-paint. --frame-only paints
// a result without documents instead: the screen fill, band, logos and shape alone.
#include "tooltip_canvas_win.h"

#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>
#include <lexiton/library.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 200;
constexpr int kWarmUpRuns = 5;

const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}{\\f1\\fswiss\\fcharset238 Tahoma;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue0;"
    "\\red96\\green96\\blue96;"
    "\\red192\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs16 ";

std::string alternative(const std::string& source, const std::string& target) {
  return std::string(kHeader) + "{\\pard\\plain\\f0\\fs16\\cf2 " + source + "\\par}" +
         "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i " + target + "\\par}}";
}

// What the client library writes for a reply with three alternatives, a note and a footer.
std::vector<std::uint8_t> three_alternatives() {
  std::string rtf = alternative("The {\\b houses} are big.", "A {\\b h\\'e1zak} nagyok.");
  rtf += "-" + alternative("The houses are {\\b big}.", "A h\\'e1zak {\\b nagyok}.");
  rtf += "-" + alternative("{\\b The houses} are big.", "{\\b A h\\'e1zak} nagyok.");
  rtf += "-" + std::string(kHeader) + "{\\pard\\plain\\f0\\fs16\\cf4\\i mosaic translation\\par}" +
         "{\\pard\\plain\\f0\\fs8 \\par}" + "{\\pard\\plain\\f1\\fs14\\cf4 Lexiton online translation\\par}}";
  lexiton::VectorStore store;
  lexiton::ChunkList list(store);
  list.clear();
  list.add("QXR1", rtf);
  list.add("plai", "The houses are big. = A h\xe1zak nagyok.");
  return store.bytes();
}

std::vector<std::uint8_t> empty_result() {
  lexiton::VectorStore store;
  lexiton::ChunkList list(store);
  list.clear();
  list.add("QXR1", "no documents");
  return store.bytes();
}

double now_us() {
  static const double per_us = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / per_us;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dll = "mtippaint.dll", write_to;
  int runs = kDefaultRuns;
  bool frame_only = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--dll")
      dll = argv[i + 1];
    else if (arg == "--runs")
      runs = std::max(1, std::atoi(argv[i + 1]));
    else if (arg == "--write-result")
      write_to = argv[i + 1];
    else if (arg == "--frame-only")
      frame_only = std::atoi(argv[i + 1]) != 0;
  }
  const auto result = frame_only ? empty_result() : three_alternatives();
  if (!write_to.empty()) {
    std::ofstream(write_to, std::ios::binary)
        .write(reinterpret_cast<const char*>(result.data()), std::streamsize(result.size()));
  }
  lexiton::Library painter(dll);
  const auto paint = painter.bind<TipPaintFn>("TipPaint");
  tippaint::win::TooltipCanvas canvas;
  if (!paint || !canvas) {
    std::fprintf(stderr, "tippaint_paint_bench: cannot load %s or make a canvas\n", dll.c_str());
    return 1;
  }
  for (int i = 0; i < kWarmUpRuns; ++i) canvas.paint(paint, result, 100, 100, 0xE1FFFF);
  std::vector<double> times;
  int painted = 0;
  RECT size{};
  for (int i = 0; i < runs; ++i) {
    const double start = now_us();
    const auto outcome = canvas.paint(paint, result, 100, 100, 0xE1FFFF);
    times.push_back(now_us() - start);
    painted += outcome.result;
    size = outcome.size;
  }
  std::sort(times.begin(), times.end());
  std::printf("%s: %d runs, %d painted, tooltip %ld x %ld, %zu-byte result\n", dll.c_str(), runs, painted,
              size.right, size.bottom, result.size());
  std::printf("median %.0f us, fastest %.0f us, slowest %.0f us\n", times[times.size() / 2], times.front(),
              times.back());
  return painted == runs ? 0 : 1;
}
