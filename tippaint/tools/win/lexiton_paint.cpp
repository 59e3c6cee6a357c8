// lexiton-paint: paints a look-up result with a painter DLL as the host would and writes the
// tooltip as a PNG, transparent outside its window region.
//
//   lexiton-paint --dll FILE --in RESULT --out PNG [--x X --y Y --background 0xBBGGRR]
//
// RESULT is a ChunkList file (as the client library writes one). Prints the painted
// rectangle, the window position and TipPaint's return value; exits 0 when the PNG was
// written, 1 when painting produced nothing to write, 2 on bad arguments or a missing DLL.
#include "tooltip_canvas.h"

#include <lexiton/library.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
  std::string dll, in, out;
  int x = 100;
  int y = 100;
  COLORREF background = 0xE1FFFF;  // the system's usual pale-yellow tooltip colour
};

std::optional<long> number(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 0);
  if (end == text || *end) return std::nullopt;
  return value;
}

std::optional<Options> parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const char* value = argv[++i];
    if (arg == "--dll") {
      o.dll = value;
    } else if (arg == "--in") {
      o.in = value;
    } else if (arg == "--out") {
      o.out = value;
    } else if (auto n = number(value); n && arg == "--x") {
      o.x = int(*n);
    } else if (n && arg == "--y") {
      o.y = int(*n);
    } else if (n && arg == "--background") {
      o.background = COLORREF(*n);
    } else {
      return std::nullopt;
    }
  }
  if (o.dll.empty() || o.in.empty() || o.out.empty()) return std::nullopt;
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(
        stderr,
        "usage: lexiton-paint --dll FILE --in RESULT --out PNG [--x X --y Y --background 0xBBGGRR]\n");
    return 2;
  }
  lexiton::Library painter(options->dll);
  const auto paint = painter.bind<TipPaintFn>("TipPaint");
  if (!paint) {
    std::fprintf(stderr, "lexiton-paint: %s has no TipPaint\n", options->dll.c_str());
    return 2;
  }
  std::ifstream file(options->in, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "lexiton-paint: cannot read %s\n", options->in.c_str());
    return 2;
  }
  const std::vector<std::uint8_t> result{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};

  tippaint::win::TooltipCanvas canvas;
  if (!canvas) {
    std::fprintf(stderr, "lexiton-paint: no off-screen canvas\n");
    return 1;
  }
  const auto outcome = canvas.paint(paint, result, options->x, options->y, options->background);
  std::printf("rectangle %ld %ld %ld %ld\nposition %d %d\nresult %d\n", outcome.size.left, outcome.size.top,
              outcome.size.right, outcome.size.bottom, outcome.x, outcome.y, outcome.result);
  if (!canvas.write_png(options->out, outcome)) {
    std::fprintf(stderr, "lexiton-paint: nothing painted to write to %s\n", options->out.c_str());
    return 1;
  }
  return 0;
}
