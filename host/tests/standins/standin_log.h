// What a stand-in library was asked, one line per event ("dictcore.dll EndModule"), appended to
// the file LEXITON_STANDIN_LOG names; tests read the order in which the host called and
// unloaded its libraries from it. An integer a test sets through the environment steers the
// answers that must fail on purpose.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace lexiton::standin {

inline void note(const char* library, const char* event) {
  const char* path = std::getenv("LEXITON_STANDIN_LOG");
  if (!path || !*path) return;
  // Look-up workers note from several threads at once.
  static std::mutex lock;
  std::lock_guard<std::mutex> hold(lock);
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s %s\n", library, event);
    std::fclose(f);
  }
}

inline int setting(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

}  // namespace lexiton::standin

// Each stand-in notes its unloading, so the unloading order is observable: "unload" when the
// host frees it, "unload at exit" when it was still loaded as the process ended (a reference the
// host did not hold kept it).
#define LEXITON_STANDIN_DLLMAIN(library)                                       \
  extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {   \
    if (reason == DLL_PROCESS_DETACH)                                          \
      lexiton::standin::note(library, reserved ? "unload at exit" : "unload"); \
    return TRUE;                                                               \
  }
