// The painter libraries' entry as every caller binds it: the host loads "mtippaint.dll" for its
// first tooltip and "tippaint.dll" for the second and binds "TipPaint" by name; the painters,
// lexiton-paint and the tests build against this header. The caller cleans up (LX_CDECL).
//
// The entry takes GDI's types. So that portable code (the host's EngineTable) can hold it typed
// without windows.h, they are named here by the tags windows.h gives them: with STRICT handles
// (mingw's default) HDC is `struct HDC__*`, HRGN `struct HRGN__*`, HBITMAP and HFONT likewise,
// RECT is `struct tagRECT` and COLORREF an `unsigned long` (32 bits on Windows). The painter
// defines TipPaint with GDI's own names; were they other types than these, its definition would
// clash with the declaration below and not compile.
#pragma once

#include <lexiton/abi.h>

#ifdef __cplusplus
extern "C" {
#endif

struct HDC__;
struct HRGN__;
struct HBITMAP__;
struct HFONT__;
struct tagRECT;

// The style of a "QX2L" plain-list entry, supplied by the producer of the list.
typedef struct ListStyle {
  struct HBITMAP__* icon;  // 18 x 12, may be null
  struct HFONT__* normal_font;
  struct HFONT__* bold_font;
} ListStyle;

// Paints the first RTF or plain-list chunk of `result` (read no further than result->size)
// into *dc at its origin. Stores the tooltip's size as (0, 0, width, height), a new window
// region the caller owns, and the window's screen position in *x and *y (on entry the
// pointer position). `title` is an extra line above a plain list's headword (may be null).
// Returns 1 when a tooltip was painted; 0 when the RTF reader or the drawing failed (the
// frame, size, region and position are still delivered when the painter had been set up).
int LX_CDECL TipPaint(const LxByteArray* result, struct HDC__** dc, struct tagRECT* size,
                      struct HRGN__** region, int* x, int* y, unsigned long background, const char* title);

typedef int(LX_CDECL* TipPaintFn)(const LxByteArray* result, struct HDC__** dc, struct tagRECT* size,
                                  struct HRGN__** region, int* x, int* y, unsigned long background,
                                  const char* title);

#ifdef __cplusplus
}

// The icon size of plain-list entries.
inline constexpr int kListIconWidth = 18;
inline constexpr int kListIconHeight = 12;
#endif
