// The exports of "ptrhook.dll": one hook thread at a time, started by SetupHook and ended by
// ReleaseHook. Nothing thrown ever leaves an export.
#include <windows.h>

#include <mutex>

#include <lexiton/companion_exports.h>

#include "win/hook_thread.h"

namespace {

std::mutex g_lock;
lexiton::ptrhook::win::HookThread g_hooks;

}  // namespace

extern "C" {

__declspec(dllexport) int LX_COMPANION_STDCALL SetupHook(void* window, void* module) {
  try {
    std::lock_guard<std::mutex> hold(g_lock);
    if (!window || !IsWindow(static_cast<HWND>(window))) return 0;
    return g_hooks.start(static_cast<HWND>(window), static_cast<HMODULE>(module)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL ReleaseHook(void) {
  try {
    std::lock_guard<std::mutex> hold(g_lock);
    g_hooks.stop();
    return 1;
  } catch (...) {
    return 0;
  }
}
}
