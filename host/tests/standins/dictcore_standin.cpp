// Stand-in local dictionary "dictcore.dll": knows no words. InitModule answers
// LEXITON_STANDIN_INITMODULE (0 when unset).
#include <lexiton/companion_exports.h>

#include "standin_log.h"

LEXITON_STANDIN_DLLMAIN("dictcore.dll")

extern "C" {
__declspec(dllexport) int LX_COMPANION_CDECL
    LookupRIFFW(const uint16_t*, int, LxByteArray*, int*, int*, const char*, uint8_t*) {
  return 0;
}
__declspec(dllexport) int LX_COMPANION_CDECL InitModule(void) {
  lexiton::standin::note("dictcore.dll", "InitModule");
  return lexiton::standin::setting("LEXITON_STANDIN_INITMODULE", 0);
}
__declspec(dllexport) int LX_COMPANION_CDECL EndModule(void) {
  lexiton::standin::note("dictcore.dll", "EndModule");
  return 0;
}
__declspec(dllexport) int LX_COMPANION_CDECL DictConfig(int, void*, int) { return 0; }
__declspec(dllexport) int LX_COMPANION_CDECL GetOpenDicts(char* buffer, int size) {
  if (buffer && size >= 2) buffer[0] = buffer[1] = '\0';
  return 0;
}
}
