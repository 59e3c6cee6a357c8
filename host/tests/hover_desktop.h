// What the pointer tracking's wine tests put on the desktop and measure there: another
// program's text window (on a thread of its own, which wine needs to read X input for it, as
// another process's window would have), the host's tooltip windows found and watched, and the
// first painter run in this process to know the size the host's tooltip must have.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace lexiton::host::test {

class TextWindow {
 public:
  // A read-only one-line edit control showing `text` in a large font, in a frame at `origin`;
  // it is made the foreground window with the keyboard focus.
  TextWindow(const std::wstring& text, POINT origin);
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

 private:
  std::wstring text_;
  std::thread thread_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  DWORD threadId_ = 0;
  int lineHeight_ = 0;
};

// Polls `done` every few milliseconds until it holds or `limit` passed; whether it held. It takes
// no message of this thread: under wine, a thread that takes its messages while real keys are
// played leaves the next programs' pointer and key hooks without input.
bool pollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

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
// Presses a key with xdotool ("x", "comma").
bool pressKey(const std::string& key);

}  // namespace lexiton::host::test
