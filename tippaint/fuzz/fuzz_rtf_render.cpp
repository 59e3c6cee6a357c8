// Reads a tooltip payload the way the painter does (every "{\rtf1" a document, "-" a rule)
// and lays each document out on the fixed-advance surface. Malformed input may only end in
// an RTFException; no font may outlive its operation.
#include <cstdint>
#include <cstring>

#include "tippaint/fixed_surface.h"
#include "tippaint/layout.h"
#include "tippaint/rtf_reader.h"

namespace {

constexpr char kDocumentStart[] = "{\\rtf1";
constexpr std::size_t kDocumentStartLength = sizeof kDocumentStart - 1;

void render(const std::uint8_t* data, std::size_t size, const tippaint::DeviceCaps& caps) {
  tippaint::FixedSurface surface(caps);
  {
    tippaint::TipPainter painter(surface, tippaint::make_colour(255, 255, 225));
    const std::uint8_t* position = data;
    const std::uint8_t* end = data + size;
    try {
      while (position < end && !painter.truncated()) {
        if (static_cast<std::size_t>(end - position) >= kDocumentStartLength &&
            std::memcmp(position, kDocumentStart, kDocumentStartLength) == 0) {
          const std::uint8_t* before = position;
          tippaint::RichDocument document;
          tippaint::parse_document(position, end, document);
          if (position <= before || position > end) __builtin_trap();
          painter.render_document(document);
        } else {
          if (*position == '-') painter.draw_separator();
          ++position;
        }
        if (surface.live_fonts() != 2) __builtin_trap();
      }
    } catch (const tippaint::RTFException& e) {
      if (e.code() < 0 || e.code() > tippaint::RTFException::kTooLarge) __builtin_trap();
    }
    const tippaint::Size size = painter.result_size();
    if (size.width < tippaint::kMinimumTooltipWidth) __builtin_trap();
    // Nothing moves the content up into the header band.
    if (size.height < tippaint::kFirstTextLine || painter.y() < tippaint::kFirstTextLine) __builtin_trap();
  }
  if (surface.live_fonts() != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tippaint::DeviceCaps screen;
  screen.screen_width = 640;
  screen.screen_height = 480;
  render(data, size, screen);
  // A printer-like device: unequal, high resolutions and a tall page stress the conversions.
  tippaint::DeviceCaps printer;
  printer.dpi_x = 600;
  printer.dpi_y = 1200;
  printer.screen_width = 4960;
  printer.screen_height = 14000;
  render(data, size, printer);
  return 0;
}
