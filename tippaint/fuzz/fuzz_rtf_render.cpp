// Walks a tooltip payload with the painter's own walk (every "{\rtf1" a document, "-" a rule)
// and lays each document out on the fixed-advance surface. Malformed input may only end in an
// RTFException; no font may outlive its operation.
#include <cstdint>

#include "tippaint/fixed_surface.h"
#include "tippaint/layout.h"
#include "tippaint/result_walk.h"
#include "tippaint/rtf_reader.h"

namespace {

void render(const std::uint8_t* data, std::size_t size, const tippaint::DeviceCaps& caps) {
  tippaint::FixedSurface surface(caps);
  {
    tippaint::TipPainter painter(surface, tippaint::make_colour(255, 255, 225));
    const std::string_view payload(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    try {
      while (!painter.truncated()) {
        const tippaint::RtfPayloadStep step = tippaint::next_rtf_payload_step(payload, at);
        if (step.kind == tippaint::RtfPayloadStep::Kind::End) break;
        if (step.kind == tippaint::RtfPayloadStep::Kind::Rule) {
          painter.draw_separator();
          at = step.offset + 1;
        } else {
          const std::uint8_t* position = data + step.offset;
          tippaint::RichDocument document;
          tippaint::parse_document(position, data + size, document);
          if (position <= data + step.offset || position > data + size) __builtin_trap();
          painter.render_document(document);
          at = static_cast<std::size_t>(position - data);
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
