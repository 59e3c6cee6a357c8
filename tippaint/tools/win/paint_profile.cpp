#include "paint_profile.h"

#include <tippaint/frame_painter.h>
#include <tippaint/layout.h>
#include <tippaint/result_walk.h>
#include <tippaint/rtf_reader.h>
#include <tippaint/win/gdi_surface.h>
#include <tippaint/win/resource_logos.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

// The kinds of surface call the layout makes.
enum Bucket { kFill, kFonts, kMeasure, kDraw, kPixels, kBuckets };

// Runs f and adds its time to `bucket`.
template <class F>
auto timed(double& bucket, int& calls, F f) {
  const Stopwatch watch;
  auto result = f();
  bucket += watch.milliseconds();
  ++calls;
  return result;
}

// Forwards to the GDI surface and adds each call's time to its bucket.
class TimingSurface final : public Surface {
 public:
  explicit TimingSurface(Surface& inner) : inner_(inner) {}
  std::array<double, kBuckets> spent{};
  std::array<int, kBuckets> calls{};

  DeviceCaps caps() const override { return inner_.caps(); }
  FontId create_font(const FontSpec& spec) override {
    return timed(spent[kFonts], calls[kFonts], [&] { return inner_.create_font(spec); });
  }
  void delete_font(FontId font) override {
    timed(spent[kFonts], calls[kFonts], [&] { return (inner_.delete_font(font), 0); });
  }
  FontMetrics metrics(FontId font) override {
    return timed(spent[kFonts], calls[kFonts], [&] { return inner_.metrics(font); });
  }
  int text_fit(FontId font, std::string_view text, int max_width) override {
    return timed(spent[kMeasure], calls[kMeasure], [&] { return inner_.text_fit(font, text, max_width); });
  }
  int text_width(FontId font, std::string_view text) override {
    return timed(spent[kMeasure], calls[kMeasure], [&] { return inner_.text_width(font, text); });
  }
  int wide_text_width(FontId font, std::u16string_view text) override {
    return timed(spent[kMeasure], calls[kMeasure], [&] { return inner_.wide_text_width(font, text); });
  }
  void draw_text(FontId font, int x, int y, std::string_view text, Colour colour,
                 std::optional<Colour> background) override {
    timed(spent[kDraw], calls[kDraw],
          [&] { return (inner_.draw_text(font, x, y, text, colour, background), 0); });
  }
  void draw_wide_text(FontId font, int x, int y, std::u16string_view text, Colour colour,
                      std::optional<Colour> background) override {
    timed(spent[kDraw], calls[kDraw],
          [&] { return (inner_.draw_wide_text(font, x, y, text, colour, background), 0); });
  }
  bool fill_rect(const Rect& rect, Colour colour) override {
    return timed(spent[kFill], calls[kFill], [&] { return inner_.fill_rect(rect, colour); });
  }
  void draw_line(Point from, Point to, Colour colour) override {
    timed(spent[kDraw], calls[kDraw], [&] { return (inner_.draw_line(from, to, colour), 0); });
  }
  void polyline(std::span<const Point> points, std::optional<Colour> colour) override {
    timed(spent[kDraw], calls[kDraw], [&] { return (inner_.polyline(points, colour), 0); });
  }
  bool play_metafile(const MetafileRef& metafile, const Rect& dest) override {
    return timed(spent[kDraw], calls[kDraw], [&] { return inner_.play_metafile(metafile, dest); });
  }
  void draw_pixels(const Rect& rect, std::span<const Colour> pixels) override {
    timed(spent[kPixels], calls[kPixels], [&] { return (inner_.draw_pixels(rect, pixels), 0); });
  }
  Colour get_pixel(int x, int y) override {
    return timed(spent[kPixels], calls[kPixels], [&] { return inner_.get_pixel(x, y); });
  }
  void set_pixel(int x, int y, Colour colour) override {
    timed(spent[kPixels], calls[kPixels], [&] { return (inner_.set_pixel(x, y, colour), 0); });
  }
  Colour nearest_colour(Colour colour) override { return inner_.nearest_colour(colour); }

 private:
  Surface& inner_;
};

// The steps, in the order TipPaint takes them.
const char* const kSteps[] = {
    "device caps",    "fill (screen)", "painter fonts", "RTF reading", "layout logic",  "fonts per run",
    "text measuring", "text drawing",  "logo sizes",    "band",        "logos",         "band copy",
    "outline",        "region",        "total",         "font calls",  "measure calls", "draw calls"};
constexpr std::size_t kStepCount = std::size(kSteps);
using StepTimes = std::array<double, kStepCount>;

StepTimes paint_steps(HMODULE module, HDC dc, const PaintableChunk& chunk, COLORREF background) {
  StepTimes t{};
  const Stopwatch total;
  Stopwatch watch;
  // The device's capabilities: under wine each of HORZRES, VERTRES and NUMCOLORS asks the
  // display driver.
  GdiSurface gdi(dc);
  t[0] = watch.milliseconds();
  TimingSurface surface(gdi);
  watch = Stopwatch();
  TipPainter painter(surface, background);
  t[1] = surface.spent[kFill];
  t[2] = watch.milliseconds() - t[1];
  surface.spent = {};
  surface.calls = {};

  double rendering = 0;
  const std::string_view payload(reinterpret_cast<const char*>(chunk.data), chunk.size);
  for (std::size_t at = 0;;) {
    const RtfPayloadStep step = next_rtf_payload_step(payload, at);
    if (step.kind == RtfPayloadStep::Kind::End) break;
    if (step.kind == RtfPayloadStep::Kind::Rule) {
      const Stopwatch rule;
      painter.draw_separator();
      rendering += rule.milliseconds();
      at = step.offset + 1;
      continue;
    }
    const std::uint8_t* position = chunk.data + step.offset;
    RichDocument document;
    const Stopwatch reading;
    parse_document(position, chunk.data + chunk.size, document);
    t[3] += reading.milliseconds();
    const Stopwatch render;
    painter.render_document(document);
    rendering += render.milliseconds();
    at = std::size_t(position - chunk.data);
  }
  t[5] = surface.spent[kFonts];
  t[6] = surface.spent[kMeasure];
  t[7] = surface.spent[kDraw];
  t[4] = rendering - t[5] - t[6] - t[7];

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  ResourceLogos logos(module);
  watch = Stopwatch();
  const int word_mark_width = logos.colour_width(Logo::WordMark);
  const int maker_logo_width = logos.colour_width(Logo::MakerLogo);
  t[8] = watch.milliseconds();
  const frame::Size size = frame::final_size({painter.result_size().width, painter.result_size().height},
                                             frame::FramePath::Rtf, word_mark_width, maker_logo_width);
  // On the benchmark's true-colour canvas the band and logos are composed in memory and
  // copied once.
  watch = Stopwatch();
  HeaderImage header = header_band_image(size.width, background);
  t[9] = watch.milliseconds();
  watch = Stopwatch();
  if (auto maker = logos.load(Logo::MakerLogo, false))
    header.blend(*maker, size.width - frame::kMakerLogoRightInset, frame::kLogoTop, true);
  if (auto mark = logos.load(Logo::WordMark, false))
    header.blend(*mark, frame::kWordMarkLeft, frame::kLogoTop, false);
  t[10] = watch.milliseconds();
  watch = Stopwatch();
  gdi.draw_pixels({0, 0, header.width, header.height}, header.pixels);
  t[11] = watch.milliseconds();
  watch = Stopwatch();
  const frame::Placement place =
      frame::place_tooltip(300, 200, size, {gdi.caps().screen_width, gdi.caps().screen_height});
  const frame::Box body = frame::body_box(size);
  gdi.polyline(frame::bubble_outline(place.corner, body), std::nullopt);
  t[12] = watch.milliseconds();
  watch = Stopwatch();
  const frame::BubblePoints points = frame::bubble_region(place.corner, body, frame::SystemFamily::NT);
  POINT gdi_points[frame::kBubblePoints];
  for (int i = 0; i < frame::kBubblePoints; ++i) gdi_points[i] = {points[i].x, points[i].y};
  Region region(CreatePolygonRgn(gdi_points, frame::kBubblePoints, WINDING));
  t[13] = watch.milliseconds();
  GdiFlush();
  t[14] = total.milliseconds();
  t[15] = surface.calls[kFonts];
  t[16] = surface.calls[kMeasure];
  t[17] = surface.calls[kDraw];
  return t;
}

}  // namespace

void print_paint_profile(HMODULE module, HDC dc, const std::vector<SampleTooltip>& samples, int runs) {
  std::printf("\nTipPaint's RTF path step by step (median of %d runs each, milliseconds)\n", runs);
  std::printf("%-16s", "step");
  for (const SampleTooltip& s : samples)
    if (find_paintable_chunk(s.result.data(), s.result.size())->kind == ResultKind::Rtf)
      std::printf(" %20s", s.name.c_str());
  std::printf("\n");
  std::vector<std::vector<StepTimes>> all;
  for (const SampleTooltip& s : samples) {
    const auto chunk = find_paintable_chunk(s.result.data(), s.result.size());
    if (chunk->kind != ResultKind::Rtf) continue;
    std::vector<StepTimes> times;
    for (int i = 0; i < runs; ++i) times.push_back(paint_steps(module, dc, *chunk, 0xE1FFFF));
    all.push_back(std::move(times));
  }
  for (std::size_t step = 0; step < kStepCount; ++step) {
    std::printf("%-16s", kSteps[step]);
    for (auto& times : all) {
      std::vector<double> v;
      for (const StepTimes& t : times) v.push_back(t[step]);
      std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
      std::printf(" %20.3f", v[v.size() / 2]);
    }
    std::printf("\n");
  }
}

}  // namespace tippaint::win
