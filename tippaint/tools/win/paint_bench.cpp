// Times TipPaint against the platform's rich-edit control on the same tooltips, in one process,
// interleaved: for each sample tooltip (sample_tooltips.h) every round paints it once with
// each, in alternating order, into the same screen-sized off-screen canvas. The rich-edit side
// does what a host built on the control would: EM_STREAMIN of each RTF document, then
// EM_FORMATRANGE into the canvas's memory DC, one document below the other. Prints median and
// 90th percentile of both and the ratio of the medians, then where TipPaint's time goes.
//
//   tippaint_paint_bench [--dll FILE] [--runs N] [--write-result FILE] [--no-profile]
//
// --write-result saves the three-alternative result list, for lexiton-paint.
#include "paint_profile.h"
#include "sample_tooltips.h"
#include "tooltip_canvas.h"

#include <lexiton/library.h>

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tippaint::win;

constexpr int kDefaultRuns = 300;
constexpr int kWarmUpRuns = 10;
constexpr COLORREF kPaleYellow = 0xE1FFFF;
// The rich-edit documents are formatted as wide as TipPaint's text area.
constexpr int kTextWidth = 576;
constexpr int kTwipsPerInch = 1440;

// An RTF stream read from memory.
struct StreamSource {
  const std::string* text;
  std::size_t at = 0;
};

DWORD CALLBACK read_stream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t n = std::min<std::size_t>(std::size_t(wanted), source->text->size() - source->at);
  std::copy_n(source->text->data() + source->at, n, buffer);
  source->at += n;
  *given = LONG(n);
  return 0;
}

// The platform's rich-edit control in a hidden window, painting into a given DC.
class RichEditPainter {
 public:
  RichEditPainter() : library_("riched20.dll") {
    if (library_)
      window_ = CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, kTextWidth, 400,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~RichEditPainter() {
    if (window_) DestroyWindow(window_);
  }
  RichEditPainter(const RichEditPainter&) = delete;
  RichEditPainter& operator=(const RichEditPainter&) = delete;

  explicit operator bool() const { return window_ != nullptr; }

  // Streams in and formats every document, one below the other; returns the bottom in twips.
  int paint(HDC dc, const std::vector<std::string>& documents) {
    const int twips_x = kTwipsPerInch / GetDeviceCaps(dc, LOGPIXELSX);
    const int twips_y = kTwipsPerInch / GetDeviceCaps(dc, LOGPIXELSY);
    int top = 0;
    for (const std::string& rtf : documents) {
      StreamSource source{&rtf};
      EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, read_stream};
      SendMessageA(window_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
      FORMATRANGE range{};
      range.hdc = dc;
      range.hdcTarget = dc;
      range.rc = {0, top, kTextWidth * twips_x, GetDeviceCaps(dc, VERTRES) * twips_y};
      range.rcPage = range.rc;
      range.chrg = {0, -1};
      SendMessageA(window_, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
      SendMessageA(window_, EM_FORMATRANGE, FALSE, 0);  // frees the control's cached formatting
      top = range.rc.bottom;
    }
    return top;
  }

 private:
  lexiton::Library library_;
  HWND window_ = nullptr;
};

struct Spread {
  double median = 0;
  double p90 = 0;
};

Spread spread(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times[std::min(times.size() - 1, times.size() * 9 / 10)]};
}

}  // namespace

int main(int argc, char** argv) {
  std::string dll = "tippaint.dll", write_to;
  int runs = kDefaultRuns;
  bool profile = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (arg == "--dll")
      dll = value, ++i;
    else if (arg == "--runs")
      runs = std::max(1, std::atoi(value)), ++i;
    else if (arg == "--write-result")
      write_to = value, ++i;
    else if (arg == "--no-profile")
      profile = false;
  }
  const auto& samples = sample_tooltips();
  if (!write_to.empty()) {
    const Bytes& result = samples[1].result;
    std::ofstream(write_to, std::ios::binary)
        .write(reinterpret_cast<const char*>(result.data()), std::streamsize(result.size()));
  }
  lexiton::Library painter(dll);
  const auto paint = painter.bind<TipPaintFn>("TipPaint");
  TooltipCanvas canvas;
  RichEditPainter rich_edit;
  if (!paint || !canvas || !rich_edit) {
    std::fprintf(stderr, "tippaint_paint_bench: cannot load %s, make a canvas or a rich-edit control\n",
                 dll.c_str());
    return 1;
  }

  std::printf("%s against riched20.dll, %d interleaved rounds after %d warm-up rounds, milliseconds\n",
              dll.c_str(), runs, kWarmUpRuns);
  std::printf("%-20s %9s %9s %9s %9s %7s  %s\n", "tooltip", "rich med", "rich p90", "tip med", "tip p90",
              "ratio", "TipPaint size");
  bool all_painted = true;
  for (const SampleTooltip& sample : samples) {
    std::vector<double> rich_times, tip_times;
    PaintOutcome last;
    for (int i = -kWarmUpRuns; i < runs; ++i) {
      // Alternating which goes first keeps either from always finding warm caches.
      for (int turn = 0; turn < 2; ++turn) {
        const bool tip_turn = (turn == 0) == (i % 2 == 0);
        const Stopwatch watch;
        if (tip_turn) {
          last = canvas.paint(paint, sample.result, 300, 200, kPaleYellow);
        } else {
          rich_edit.paint(canvas.dc(), sample.rich_edit_rtf);
          GdiFlush();
        }
        if (i >= 0) (tip_turn ? tip_times : rich_times).push_back(watch.milliseconds());
        if (tip_turn && last.result != 1) all_painted = false;
      }
    }
    const Spread rich = spread(rich_times), tip = spread(tip_times);
    std::printf("%-20s %9.3f %9.3f %9.3f %9.3f %7.2f  %ld x %ld\n", sample.name.c_str(), rich.median,
                rich.p90, tip.median, tip.p90, tip.median / rich.median, last.size.right, last.size.bottom);
  }
  if (profile) print_paint_profile(static_cast<HMODULE>(painter.get()), canvas.dc(), samples, runs);
  return all_painted ? 0 : 1;
}
