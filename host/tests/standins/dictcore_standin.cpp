// Stand-in local dictionary "dictcore.dll": knows no words. InitModule answers
// LEXITON_STANDIN_INITMODULE (0 when unset); GetOpenDicts lists the identifiers that
// LEXITON_STANDIN_OPEN_DICTS names, separated by "|" (none when unset); DictConfig is noted.
#include <lexiton/companion_exports.h>

#include <algorithm>
#include <string>

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
__declspec(dllexport) int LX_COMPANION_CDECL DictConfig(int language, void*, int mode) {
  const std::string event = "DictConfig " + std::to_string(language) + " " + std::to_string(mode);
  lexiton::standin::note("dictcore.dll", event.c_str());
  return 0;
}
__declspec(dllexport) int LX_COMPANION_CDECL GetOpenDicts(char* buffer, int size) {
  if (!buffer || size < 2) return 0;
  const char* named = std::getenv("LEXITON_STANDIN_OPEN_DICTS");
  std::string list = named ? named : "";
  for (char& c : list)
    if (c == '|') c = '\0';
  list.append(2, '\0');
  list.copy(buffer, std::min(list.size(), static_cast<std::size_t>(size)));
  return 0;
}
}
