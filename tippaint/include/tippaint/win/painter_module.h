// What the painter DLL knows about itself: its module handle (for the logo resources) and
// the system family, both taken once when the DLL is loaded.
#pragma once

#include <tippaint/frame_geometry.h>

#include <windows.h>

namespace tippaint::win {

HMODULE painter_module();
frame::SystemFamily system_family();

}  // namespace tippaint::win
