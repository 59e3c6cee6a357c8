// The RTF path of TipPaint: the documents and rules of a chunk laid out through the GDI surface,
// then the frame round them.
#include <tippaint/layout.h>
#include <tippaint/rtf_reader.h>
#include <tippaint/win/gdi_surface.h>
#include <tippaint/win/painter_module.h>
#include <tippaint/win/painter_paths.h>
#include <tippaint/win/resource_logos.h>

#include <optional>
#include <string_view>

namespace tippaint::win {

namespace {

// Renders the documents and rules of an RTF chunk; throws what the reader or layout throws.
void render_chunk(TipPainter& painter, const PaintableChunk& chunk) {
  const std::string_view payload(reinterpret_cast<const char*>(chunk.data), chunk.size);
  const std::uint8_t* const end = chunk.data + chunk.size;
  std::size_t at = 0;
  for (;;) {
    const RtfPayloadStep step = next_rtf_payload_step(payload, at);
    if (step.kind == RtfPayloadStep::Kind::End) return;
    if (step.kind == RtfPayloadStep::Kind::Rule) {
      painter.draw_separator();
      at = step.offset + 1;
    } else {
      const std::uint8_t* position = chunk.data + step.offset;
      RichDocument document;
      parse_document(position, end, document);
      painter.render_document(document);
      at = std::size_t(position - chunk.data);
    }
    if (painter.truncated()) return;
  }
}

}  // namespace

int paint_rtf(HDC dc, const PaintableChunk& chunk, const TipPaintOutput& out, COLORREF background) noexcept {
  try {
    GdiSurface surface(dc);
    std::optional<TipPainter> painter;
    try {
      painter.emplace(surface, background);
    } catch (...) {
      return 0;  // nothing was set up: no frame either
    }
    bool painted = true;
    try {
      render_chunk(*painter, chunk);
    } catch (...) {
      painted = false;  // the frame still goes round what was painted
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    ResourceLogos logos(painter_module());
    FrameRequest request;
    request.content = {painter->result_size().width, painter->result_size().height};
    request.path = frame::FramePath::Rtf;
    request.pointer_x = *out.x;
    request.pointer_y = *out.y;
    request.background = background;
    const FrameResult frame = finish_frame(surface, logos, request, system_family());
    deliver_frame(frame, out);
    return painted && !frame.logo_failure ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace tippaint::win
