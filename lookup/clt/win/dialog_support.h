// What the two dialogs share: their message loop, the close request other threads send, text
// access to controls, the library's string table and opening web pages.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "win/dialog_runners.h"

namespace lexiton::lookup::detail {

// Asks a dialog to destroy itself; sent by closeDialog, which may run on another thread than
// the one that owns the window (only that thread may destroy it).
inline constexpr UINT kCloseRequest = WM_APP + 0x4C;

// How long closeDialog waits for the owning thread to take the request.
inline constexpr UINT kCloseRequestTimeoutMs = 5000;

enum class LoopEnd { finished, quit, error };

// Pumps this thread's messages, with dialog keyboard handling for `dialog`, until `finished`
// becomes true (the dialog sets it when it is destroyed and calls wakeLoop). A quit message
// that arrives first is posted again for the caller's own loop, and ends this one.
LoopEnd runDialogLoop(HWND dialog, const bool& finished);

// Makes a waiting runDialogLoop on this thread look at its flag again: the dialog may be
// destroyed inside a sent message, which GetMessage handles without returning.
void wakeLoop();

// The procedure of a dialog object: the object rides in DWLP_USER from WM_INITDIALOG on and
// answers through handle(window, message, wParam). An exception from handle ends the dialog
// through fail(window): nothing may unwind through the system's dialog code.
template <class Dialog>
INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  try {
    return self->handle(window, message, wParam);
  } catch (...) {
    self->fail(window);
    return TRUE;
  }
}

// A dialog's answer to WM_NCDESTROY: the object lets go of the window, and the loop waiting for
// it sees `finished`.
inline void detachDialog(HWND window, bool& finished) {
  SetWindowLongPtrW(window, DWLP_USER, 0);
  finished = true;
  wakeLoop();
}

// The live window in `slot`, or null.
HWND liveWindow(const WindowSlot& slot);

// Puts `window`, just created and still hidden, into `slot` if the slot still holds `seen`,
// calls `registered`, shows the window (or destroys it at once when `cancelled` was set while
// it was being made) and runs the dialog loop until it is gone; the slot is emptied again
// afterwards. Nothing when another thread filled the slot first: then `window` is destroyed
// and that thread's dialog stays.
std::optional<LoopEnd> runInSlot(WindowSlot& slot, void* seen, HWND window, const bool& finished,
                                 const std::atomic<bool>* cancelled,
                                 const std::function<void()>& registered = {});

// The control's text in the system code page, and setting it.
std::string controlText(HWND dialog, int control);
void setControlText(HWND dialog, int control, const std::string& text);

// String `id` from `module`'s string table, in the system code page; empty when missing.
std::string loadText(HINSTANCE module, int id);

// Opens `url` with the default browser (or the installed opener); on failure shows the
// browser error box in `language`'s texts. Returns false when no browser started.
bool openWebPage(HINSTANCE module, int language, const std::string& url);

// The current user's Internet settings "ProxyServer" value when "ProxyEnable" is 1, else empty
// (also when the key or a value is missing or of the wrong type).
std::string readInternetProxyServer();

}  // namespace lexiton::lookup::detail
