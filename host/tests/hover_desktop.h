// What the pointer tracking's wine tests put on the desktop and measure there: another
// program's text window (on a thread of its own, which wine needs to read X input for it, as
// another process's window would have), the host's tooltip windows found and watched, and the
// first painter run in this process to know the size the host's tooltip must have.
#pragma once

#include <windows.h>

#include <lexiton/test/win/desktop_input.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace lexiton::host::test {

class TextWindow {
 public:
  // Longer than wine's two seconds for a low-level hook's answer, after which a thread waiting
  // for a slow hook goes on: a window thread that goes no round of its loop for this long is
  // stuck (see responsive()).
  static constexpr std::chrono::milliseconds kStuckAfter{3000};

  // A read-only one-line edit control showing `text` in a large font, in a frame at `origin`;
  // it is made the foreground window with the keyboard focus. `password`: a password field.
  TextWindow(const std::wstring& text, POINT origin, bool password = false);
  ~TextWindow();
  TextWindow(const TextWindow&) = delete;
  TextWindow& operator=(const TextWindow&) = delete;

  HWND frame() const { return frame_; }
  HWND edit() const { return edit_; }
  DWORD threadId() const { return threadId_; }
  // A screen point on the left part of the character at `index` (the edit control gives the
  // character whose left half is under a point).
  POINT pointOn(std::size_t index) const;
  const std::wstring& text() const { return text_; }
  // Presses a key with xdotool ("x", "comma") and waits until the edit control has it. Under
  // wine on Xvfb, a key pressed before this window's thread has taken the one before it is now
  // and then lost before any program sees it, low-level hooks included (about one pair in
  // forty on a busy machine). Waiting keeps the keys apart, as a person's are; a key that still
  // reached no one is pressed again.
  bool press(const std::string& key);
  // Whether the window's thread still goes round its message loop (it looks at its queue every
  // 50 ms): false when it has not within `limit`. Under wine 8 the thread that takes a pointer
  // event now and then never returns from wine's wait for the low-level mouse hook's answer,
  // though the hook ran; nothing wakes it again, not the hook's time-out, not the end of the
  // hooking program, not more input. Such a window reads as hung to every program.
  bool responsive(std::chrono::milliseconds limit) const;

 private:
  static LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::wstring text_;
  WNDPROC editDefault_ = nullptr;
  std::atomic<int> keysDown_{0};
  std::atomic<bool> loopEnded_{false};
  std::atomic<unsigned> rounds_{0};  // of the message loop
  std::thread thread_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  DWORD threadId_ = 0;
  int lineHeight_ = 0;
};

// Waits without taking this thread's messages (see desktop_input.h).
using lexiton::test::pollUntil;

// The window's rectangle on the screen, and whether it is shown.
RECT windowRect(HWND window);
bool shown(HWND window);

// The host's second tooltip window: the other window of its thread made from the tooltips'
// template (never activated).
HWND secondTooltipOf(DWORD threadId, HWND first);

// The size of the tooltip the painter `painterFile` paints for a ChunkList of one "QXR1"
// document and its plain text, painted here as the host paints it.
SIZE paintedSize(const std::string& painterFile, const std::string& document, const std::string& plain);

// Moves the pointer with xdotool and waits until it is there.
bool movePointer(POINT to);

}  // namespace lexiton::host::test
