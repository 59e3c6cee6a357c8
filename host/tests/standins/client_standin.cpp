// A look-up library with the client's exports that answers nothing, for the host's tests:
// KVInit answers LEXITON_STANDIN_KVINIT (0 when unset), KVExit agrees unless
// LEXITON_STANDIN_KVEXIT is 0, KVClose is noted, and the about texts are those
// LEXITON_STANDIN_ABOUT_TEXTS names (none when unset). Built a second time without KVStorno
// (LEXITON_STANDIN_NO_STORNO), the library the host must refuse.
#include <lexiton/abi.h>

#define LX_CDECL __cdecl

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

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
  // The texts LEXITON_STANDIN_ABOUT_TEXTS names, separated by "|"; none when it is unset.
  static std::vector<std::string> texts;
  static std::vector<const char*> items;
  static LxTextList list{0, nullptr};
  texts.clear();
  items.clear();
  if (const char* named = std::getenv("LEXITON_STANDIN_ABOUT_TEXTS")) {
    std::string all = named;
    for (std::size_t at = 0; at <= all.size();) {
      const std::size_t end = std::min(all.find('|', at), all.size());
      texts.push_back(all.substr(at, end - at));
      at = end + 1;
    }
  }
  for (const std::string& text : texts) items.push_back(text.c_str());
  list.count = static_cast<uint32_t>(items.size());
  list.items = items.empty() ? nullptr : items.data();
  return &list;
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
