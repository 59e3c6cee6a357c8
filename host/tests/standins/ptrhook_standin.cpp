// Stand-in pointer hook "ptrhook.dll": accepts the hook and its release, hooks nothing.
#include <lexiton/companion_exports.h>

#include "standin_log.h"

LEXITON_STANDIN_DLLMAIN("ptrhook.dll")

extern "C" {
__declspec(dllexport) int LX_COMPANION_STDCALL SetupHook(void* window, void* module) {
  lexiton::standin::note("ptrhook.dll", window && module ? "SetupHook" : "SetupHook without window");
  return 1;
}
__declspec(dllexport) int LX_COMPANION_CDECL ReleaseHook(void) {
  lexiton::standin::note("ptrhook.dll", "ReleaseHook");
  return 1;
}
}
