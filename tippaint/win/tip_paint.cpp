// The painter DLL's export: finds the chunk to paint in the host's result array and paints it
// as RTF documents or as a plain list. Nothing thrown inside gets out.
#include <lexiton/painter_exports.h>

#include <tippaint/result_walk.h>
#include <tippaint/win/painter_paths.h>

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
