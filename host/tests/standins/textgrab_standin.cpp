// Stand-in text reader "textgrab.dll": finds no text anywhere.
#include <lexiton/companion_exports.h>

#include "standin_log.h"

LEXITON_STANDIN_DLLMAIN("textgrab.dll")

extern "C" {
__declspec(dllexport) int LX_COMPANION_CDECL GetMWord9W_Ex(int, int, int, uint16_t*, int, int*) { return 0; }
__declspec(dllexport) int LX_COMPANION_CDECL GetIE4W_Ex(int, int, int, uint16_t*, int, int*, char*, int) {
  return 0;
}
__declspec(dllexport) int LX_COMPANION_CDECL MakeTidy(const LxWideString*, uint16_t*, int, int*) { return 0; }
}
