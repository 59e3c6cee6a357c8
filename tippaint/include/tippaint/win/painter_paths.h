// The two ways TipPaint paints a chunk: RTF documents through the layout (rtf_paint.cpp), plain
// lists of pointers straight with GDI (plain_list_paint.cpp). Both finish with the same frame
// and hand it to the caller (frame_output.cpp); the export (tip_paint.cpp) only chooses.
#pragma once

#include <tippaint/frame_painter.h>
#include <tippaint/result_walk.h>

#include <windows.h>

namespace tippaint::win {

// The caller's result variables.
struct TipPaintOutput {
  RECT* size;
  HRGN* region;
  int* x;  // in: the pointer position; out: the window's left edge
  int* y;
};

// Makes the window region and stores size, position and region.
void deliver_frame(const FrameResult& frame, const TipPaintOutput& out);

// 1 when painted, 0 when the reader or the drawing failed. Throw nothing.
int paint_rtf(HDC dc, const PaintableChunk& chunk, const TipPaintOutput& out, COLORREF background) noexcept;
int paint_plain_list(HDC dc, const PaintableChunk& chunk, const TipPaintOutput& out, COLORREF background,
                     const char* title) noexcept;

}  // namespace tippaint::win
