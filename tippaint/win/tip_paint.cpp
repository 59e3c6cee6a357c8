// The painter DLL's export: finds the chunk to paint in the host's result array and paints it
// as RTF documents or as a plain list. Nothing thrown inside gets out.
#include <lexiton/painter_exports.h>

#include <tippaint/layout.h>
#include <tippaint/rtf_reader.h>
#include <lexiton/win/gdi_handles.h>
#include <tippaint/win/gdi_surface.h>
#include <tippaint/win/painter_module.h>
#include <tippaint/win/painter_paths.h>
#include <tippaint/win/resource_logos.h>

#include <optional>
#include <string_view>

namespace tippaint::win {

using namespace lexiton::win;
namespace {

HMODULE g_module = nullptr;
frame::SystemFamily g_family = frame::SystemFamily::NT;

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

HMODULE painter_module() { return g_module; }
frame::SystemFamily system_family() { return g_family; }

void deliver_frame(const FrameResult& frame, const TipPaintOutput& out) {
  POINT points[frame::kBubblePoints];
  for (int i = 0; i < frame::kBubblePoints; ++i) points[i] = {frame.region[i].x, frame.region[i].y};
  *out.region = CreatePolygonRgn(points, frame::kBubblePoints, WINDING);
  *out.size = RECT{0, 0, frame.size.width, frame.size.height};
  *out.x = frame.placement.x;
  *out.y = frame.placement.y;
}

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

extern "C" int __cdecl TipPaint(const LxByteArray* result, HDC* dc, RECT* size, HRGN* region, int* x, int* y,
                                COLORREF background, const char* title) {
  using namespace tippaint;
  try {
    if (!result || !dc || !*dc || !size || !region || !x || !y) return 0;
    const auto chunk = find_paintable_chunk(result->data, result->size);
    if (!chunk) return 0;
    const win::TipPaintOutput out{size, region, x, y};
    if (chunk->kind == ResultKind::Rtf) return win::paint_rtf(*dc, *chunk, out, background);
    return win::paint_plain_list(*dc, *chunk, out, background, title);
  } catch (...) {
    return 0;
  }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    tippaint::win::g_module = instance;
    // The 9x family sets the high bit of the version word.
    tippaint::win::g_family = (GetVersion() & 0x80000000u) ? tippaint::frame::SystemFamily::Win9x
                                                           : tippaint::frame::SystemFamily::NT;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
