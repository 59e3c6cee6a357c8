// The exported entries: each hands over to the library state and lets nothing escape.
#include "lexiton/lookup_exports.h"

#include "lexiton/lookup/library_state.h"

using lexiton::lookup::libraryState;

extern "C" {

int LX_CDECL KVInit(void* ownerWindow, const char* settingsPath) {
  try {
    return libraryState().init(ownerWindow, settingsPath);
  } catch (...) {
    return -1;
  }
}

bool LX_CDECL Lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count,
                     int* reserved, const char* notFoundText, bool* quit, const char* footerText,
                     const char* sourceName) {
  try {
    return libraryState().lookup(text, pointer, result, count, reserved, notFoundText, quit, footerText,
                                 sourceName);
  } catch (...) {
    return false;
  }
}

int LX_CDECL SetMode(int passThrough, int mode) {
  try {
    return libraryState().setMode(passThrough, mode);
  } catch (...) {
    return passThrough;
  }
}

const LxTextList* LX_CDECL GetCopyRightInfo(void) {
  try {
    return libraryState().copyRightInfo();
  } catch (...) {
    return nullptr;
  }
}

int LX_CDECL KVStorno(void) {
  try {
    return libraryState().storno();
  } catch (...) {
    return -1;
  }
}

int LX_CDECL KVClose(void) {
  try {
    return libraryState().close();
  } catch (...) {
    return 0;
  }
}

bool LX_CDECL KVExit(int language, void* ownerWindow) {
  try {
    return libraryState().exit();
  } catch (...) {
    return true;
  }
}

int LX_CDECL KVProxyDlg(int language, void* parentWindow) {
  try {
    return libraryState().proxyDialog(language, parentWindow);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
