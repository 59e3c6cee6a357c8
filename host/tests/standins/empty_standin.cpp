// A library without a single entry: in the place of any library whose entries the host must
// find missing.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
