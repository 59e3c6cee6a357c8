// A look-up library with the client's exports for the host's tests. KVInit answers
// LEXITON_STANDIN_KVINIT (0 when unset), KVExit agrees unless LEXITON_STANDIN_KVEXIT is 0, and
// KVInit, KVClose, KVExit, SetMode, KVStorno and every Lookup are noted in the log.
//
// Lookup follows a script: LEXITON_STANDIN_LOOKUP_DELAYS lists, for each call in turn, how many
// milliseconds it takes ("2000,100": the first call 2 s, every later one 0.1 s; the last entry
// stays), or "kvclose": wait until KVClose has been called, then two seconds more (a look-up
// still running while the host unloads the library and ends). It answers with one document
// showing the word under the cursor in capitals, and the same word as plain text, so a test can
// tell which look-up a tooltip shows and paint the same document itself (scriptedDocument).
// LEXITON_STANDIN_LOOKUP_QUIT=1 makes it ask the host to quit. The about texts are those
// LEXITON_STANDIN_ABOUT_TEXTS names, separated by "|" (none when unset). Built a second time
// without KVStorno (LEXITON_STANDIN_NO_STORNO), the library the host must refuse.
#include <lexiton/abi.h>

#define LX_CDECL __cdecl

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client_standin_document.h"
#include "standin_log.h"

LEXITON_STANDIN_DLLMAIN("client")

namespace {

std::atomic<int> g_lookups{0};
HANDLE closed() {
  static HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  return event;
}

// The delay of the `index`th call (from 0) as the script says; -1 for "kvclose".
int scriptedDelay(int index) {
  const char* script = std::getenv("LEXITON_STANDIN_LOOKUP_DELAYS");
  if (!script || !*script) return 0;
  std::string entry;
  std::string rest = script;
  for (int i = 0;; ++i) {
    const std::size_t comma = rest.find(',');
    entry = rest.substr(0, comma);
    if (i == index || comma == std::string::npos) break;
    rest = rest.substr(comma + 1);
  }
  return entry == "kvclose" ? -1 : std::atoi(entry.c_str());
}

std::string utf8(const uint16_t* text, uint32_t length) {
  if (!text || !length) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text);
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), out.data(), size, nullptr, nullptr);
  return out;
}

bool append(LxByteArray* result, const char* tag, const std::string& data) {
  if (result->size < 4 || result->capacity - result->size < 8 + data.size()) return false;
  // Over the terminator, then a new one.
  uint8_t* at = result->data + result->size - 4;
  std::memcpy(at, tag, 4);
  const uint32_t size = static_cast<uint32_t>(data.size());
  std::memcpy(at + 4, &size, 4);
  std::memcpy(at + 8, data.data(), data.size());
  std::memset(at + 8 + data.size(), 0, 4);
  result->size += 8 + size;
  return true;
}

}  // namespace

extern "C" {
__declspec(dllexport) int LX_CDECL KVInit(void*, const char*) {
  lexiton::standin::note("client", "KVInit");
  return lexiton::standin::setting("LEXITON_STANDIN_KVINIT", 0);
}
__declspec(dllexport) bool LX_CDECL
    Lookup(const LxWideString* text, unsigned pointer, LxByteArray* result, int* count, int*, const char*,
           bool* quit, const char* footer, const char* source) {
  const int index = g_lookups++;
  const std::string words = text ? utf8(text->data, text->length) : std::string();
  lexiton::standin::note(
      "client", ("Lookup " + std::to_string(index + 1) + " " + words + "|" + std::to_string(pointer) + "|" +
                 (source ? source : "") + "|" + (footer ? footer : ""))
                    .c_str());
  const int delay = scriptedDelay(index);
  if (delay < 0) {
    WaitForSingleObject(closed(), INFINITE);
    Sleep(2000);
  } else if (delay > 0) {
    Sleep(static_cast<DWORD>(delay));
  }
  const std::u16string wide(reinterpret_cast<const char16_t*>(text ? text->data : nullptr),
                            text ? text->length : 0);
  const std::string word = lexiton::standin::wordAt(wide, pointer);
  const bool written = result && append(result, "QXR1", lexiton::standin::scriptedDocument(word)) &&
                       append(result, "plai", word);
  if (count) *count = written ? 1 : 0;
  if (quit) *quit = lexiton::standin::setting("LEXITON_STANDIN_LOOKUP_QUIT", 0) != 0;
  lexiton::standin::note("client", ("Lookup " + std::to_string(index + 1) + " returned").c_str());
  return written;
}
__declspec(dllexport) int LX_CDECL SetMode(int passThrough, int mode) {
  lexiton::standin::note("client",
                         ("SetMode " + std::to_string(passThrough) + " " + std::to_string(mode)).c_str());
  return 0;
}
__declspec(dllexport) const LxTextList* LX_CDECL GetCopyRightInfo(void) {
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
__declspec(dllexport) int LX_CDECL KVStorno(void) {
  lexiton::standin::note("client", "KVStorno");
  return 0;
}
#endif
__declspec(dllexport) int LX_CDECL KVClose(void) {
  lexiton::standin::note("client", "KVClose");
  SetEvent(closed());
  return 0;
}
__declspec(dllexport) bool LX_CDECL KVExit(int, void*) {
  lexiton::standin::note("client", "KVExit");
  return lexiton::standin::setting("LEXITON_STANDIN_KVEXIT", 1) != 0;
}
}
