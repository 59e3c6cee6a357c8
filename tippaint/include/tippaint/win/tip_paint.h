// The painter export as its callers see it: the host binds "TipPaint" by name from
// tippaint.dll and mtippaint.dll and calls it with eight 32-bit arguments, caller cleaning up.
#pragma once

#include <lexiton/abi.h>

#include <windows.h>

extern "C" {

// The style of a "QX2L" plain-list entry, supplied by the producer of the list.
struct ListStyle {
  HBITMAP icon;  // 18 x 12, may be null
  HFONT normal_font;
  HFONT bold_font;
};

// Paints the first RTF or plain-list chunk of `result` (read no further than result->size)
// into *dc at its origin. Stores the tooltip's size as (0, 0, width, height), a new window
// region the caller owns, and the window's screen position in *x and *y (on entry the
// pointer position). `title` is an extra line above a plain list's headword (may be null).
// Returns 1 when a tooltip was painted; 0 when the RTF reader or the drawing failed (the
// frame, size, region and position are still delivered when the painter had been set up).
typedef int(__cdecl* TipPaintFn)(const LxByteArray* result, HDC* dc, RECT* size, HRGN* region, int* x, int* y,
                                 COLORREF background, const char* title);

int __cdecl TipPaint(const LxByteArray* result, HDC* dc, RECT* size, HRGN* region, int* x, int* y,
                     COLORREF background, const char* title);
}

// The icon size of plain-list entries.
inline constexpr int kListIconWidth = 18;
inline constexpr int kListIconHeight = 12;
