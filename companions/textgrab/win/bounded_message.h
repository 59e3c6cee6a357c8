// Every message to another program's window goes through here: SendMessageTimeout that gives up
// at once on a window Windows already considers hung and after a short wait otherwise, so a
// program that never answers costs the reader a bounded delay, never the host's main thread.
#pragma once

#include <windows.h>

#include <optional>

namespace lexiton::textgrab::win {

// The longest one message may wait for its answer.
constexpr UINT kMessageTimeoutMs = 250;

// The window's answer, or nothing when it did not answer in time.
std::optional<LRESULT> ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace lexiton::textgrab::win
