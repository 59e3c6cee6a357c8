// Lexiton.exe: the tray program's entry point. Everything it does is the start-up sequence,
// the message loop and the shutdown of host_startup.cpp over the Windows platform.
#include <windows.h>

#include "startup/host_startup.h"
#include "startup/win/system_host_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lexiton::host::SystemHostPlatform platform(instance);
  return lexiton::host::runHost(platform);
}
