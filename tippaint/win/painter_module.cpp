// The painter DLL's entry point, which takes what the DLL knows about itself once.
#include <tippaint/win/painter_module.h>

namespace tippaint::win {

namespace {

HMODULE g_module = nullptr;
frame::SystemFamily g_family = frame::SystemFamily::NT;

}  // namespace

HMODULE painter_module() { return g_module; }
frame::SystemFamily system_family() { return g_family; }

}  // namespace tippaint::win

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    tippaint::win::g_module = instance;
    // The 9x family sets the high bit of the version word.
    tippaint::win::g_family = (GetVersion() & 0x80000000u) ? tippaint::frame::SystemFamily::Win9x
                                                           : tippaint::frame::SystemFamily::NT;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
