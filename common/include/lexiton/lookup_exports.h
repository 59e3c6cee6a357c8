// The entry points of the look-up libraries (LexitonClt.dll and the stand-alone LexitonSt.dll),
// as the host and the tests bind them by name. All use the caller-cleans-up convention and the
// ABI structs of lexiton/abi.h; none lets an exception out.
#pragma once

#include <lexiton/abi.h>

#ifdef __cplusplus
extern "C" {
#endif

// 0 when ready for look-ups; -1 (after a message box) when the library cannot work.
int LX_CDECL KVInit(void* ownerWindow, const char* settingsPath);
// Fills `result` (reserved by the caller) with a ChunkList; false when the look-up was
// abandoned. `quit` becomes true when the user chose to leave for an upgrade.
bool LX_CDECL Lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
                     int* reserved, const char* notFoundText, bool* quit, const char* footerText,
                     const char* sourceName);
int LX_CDECL SetMode(int passThrough, int mode);
const LxTextList* LX_CDECL GetCopyRightInfo(void);
int LX_CDECL KVStorno(void);
int LX_CDECL KVClose(void);
bool LX_CDECL KVExit(int language, void* ownerWindow);
int LX_CDECL KVProxyDlg(int language, void* parentWindow);

typedef int(LX_CDECL* KVInitFn)(void*, const char*);
typedef bool(LX_CDECL* LookupFn)(const LxWideString*, unsigned, LxByteArray*, int*, int*, const char*, bool*,
                                 const char*, const char*);
typedef int(LX_CDECL* SetModeFn)(int, int);
typedef const LxTextList*(LX_CDECL* GetCopyRightInfoFn)(void);
typedef int(LX_CDECL* KVStornoFn)(void);
typedef int(LX_CDECL* KVCloseFn)(void);
typedef bool(LX_CDECL* KVExitFn)(int, void*);
typedef int(LX_CDECL* KVProxyDlgFn)(int, void*);

#ifdef __cplusplus
}
#endif
