// A look-up library with the client's exports that answers nothing, for the host's tests:
// KVInit answers LEXITON_STANDIN_KVINIT (0 when unset), KVExit agrees unless
// LEXITON_STANDIN_KVEXIT is 0, and KVClose is noted. Built a second time without KVStorno
// (LEXITON_STANDIN_NO_STORNO), the library the host must refuse.
#include <lexiton/abi.h>

#define LX_CDECL __cdecl

#include "standin_log.h"

LEXITON_STANDIN_DLLMAIN("client")

extern "C" {
__declspec(dllexport) int LX_CDECL KVInit(void*, const char*) {
  lexiton::standin::note("client", "KVInit");
  return lexiton::standin::setting("LEXITON_STANDIN_KVINIT", 0);
}
__declspec(dllexport) bool LX_CDECL Lookup(const LxWideString*, unsigned, LxByteArray*, int*, int*,
                                           const char*, bool*, const char*, const char*) {
  return false;
}
__declspec(dllexport) int LX_CDECL SetMode(int, int) { return 0; }
__declspec(dllexport) const LxTextList* LX_CDECL GetCopyRightInfo(void) {
  static const LxTextList empty{0, nullptr};
  return &empty;
}
#ifndef LEXITON_STANDIN_NO_STORNO
__declspec(dllexport) int LX_CDECL KVStorno(void) { return 0; }
#endif
__declspec(dllexport) int LX_CDECL KVClose(void) {
  lexiton::standin::note("client", "KVClose");
  return 0;
}
__declspec(dllexport) bool LX_CDECL KVExit(int, void*) {
  lexiton::standin::note("client", "KVExit");
  return lexiton::standin::setting("LEXITON_STANDIN_KVEXIT", 1) != 0;
}
}
