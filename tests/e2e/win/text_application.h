// The text programs a user reads in, here wine's own: notepad (its text in an Edit control) and
// wordpad (a RichEdit20W), opened on a text file, placed on the screen, brought to the front,
// and asked where a character of their text is, across the process as any other program asks.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace lexiton::e2e {

enum class TextProgram { notepad, wordpad };

// "notepad", "wordpad"; nothing for another name.
std::optional<TextProgram> textProgramNamed(const std::string& name);

class TextApplication {
 public:
  // Opens `file` (a Windows path) in the program and waits up to `limit` until its text control
  // holds the file's text. Check ready().
  TextApplication(TextProgram program, const std::string& file, std::chrono::milliseconds limit);
  // The program's window that is open now, without owning its process.
  static std::optional<TextApplication> find(TextProgram program);
  ~TextApplication();
  TextApplication(TextApplication&& other) noexcept;
  TextApplication(const TextApplication&) = delete;
  TextApplication& operator=(const TextApplication&) = delete;
  TextApplication& operator=(TextApplication&&) = delete;

  bool ready() const { return control_ != nullptr; }
  HWND frame() const { return frame_; }
  HWND control() const { return control_; }
  DWORD threadId() const { return GetWindowThreadProcessId(frame_, nullptr); }
  const char* controlClass() const;

  // Moves the window to `area` (screen coordinates), makes its text read-only and the window the
  // foreground window.
  bool placeAndActivate(const RECT& area);
  // The control's whole text (a rich edit counts each line break as one character).
  std::wstring text() const;
  // A screen point on the left part of the character at `index` of text(), half a line down;
  // nothing when the control cannot say where it is.
  std::optional<POINT> pointOn(std::size_t index) const;
  // Whether the program holds the foreground, with the keyboard focus in its text control.
  bool hasForegroundAndFocus() const;
  // Leaves the program running when this object goes (a demo step that only opens it).
  void keepRunning() { keep_ = true; }

 private:
  TextApplication(TextProgram program) : program_(program) {}
  bool findWindows(DWORD processId, std::size_t minimumLength);

  TextProgram program_;
  HANDLE process_ = nullptr;
  HWND frame_ = nullptr;
  HWND control_ = nullptr;
  bool keep_ = false;
};

}  // namespace lexiton::e2e
