#include "text_application.h"

#include <richedit.h>

#include <lexiton/test/win/desktop_input.h>

#include <vector>

#include "host_process.h"

namespace lexiton::e2e {

namespace {

using lexiton::host::test::readText;
using lexiton::test::pollUntil;

constexpr DWORD kAskLimitMs = 2000;
constexpr auto kActivateLimit = std::chrono::seconds(5);
// Into the character from its left edge (an Edit control answers for the nearest caret position,
// so a point left of the middle gives this character), and down into its line.
constexpr int kIntoCharacter = 2;
constexpr int kIntoLine = 6;

struct ProgramNames {
  const char* command;  // as wine finds it
  const char* frameClass;
  const char* controlClass;
};

ProgramNames namesOf(TextProgram program) {
  if (program == TextProgram::notepad) return {"notepad.exe", "Notepad", "Edit"};
  // wine keeps wordpad off its search path.
  return {"\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"", "WORDPADTOP", "RichEdit20W"};
}

std::size_t textLength(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAskLimitMs, &length)) return 0;
  return length;
}

// The number of characters a control shows for the file's text: a rich edit makes each CR LF one
// paragraph mark, an Edit keeps both.
std::size_t shownLength(TextProgram program, const std::string& fileText) {
  if (program == TextProgram::notepad) return fileText.size();
  std::size_t breaks = 0;
  for (std::size_t at = fileText.find("\r\n"); at != std::string::npos; at = fileText.find("\r\n", at + 2))
    ++breaks;
  return fileText.size() - breaks;
}

}  // namespace

std::optional<TextProgram> textProgramNamed(const std::string& name) {
  if (name == "notepad") return TextProgram::notepad;
  if (name == "wordpad") return TextProgram::wordpad;
  return std::nullopt;
}

TextApplication::TextApplication(TextProgram program, const std::string& file,
                                 std::chrono::milliseconds limit)
    : program_(program) {
  const ProgramNames names = namesOf(program);
  std::string line = std::string(names.command) + " \"" + file + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  // The rich edit's own count is at most the file's; WM_GETTEXTLENGTH may count each break twice.
  const std::size_t length = shownLength(program, readText(file));
  pollUntil([&] { return findWindows(info.dwProcessId, length); }, limit);
}

std::optional<TextApplication> TextApplication::find(TextProgram program) {
  HWND frame = FindWindowA(namesOf(program).frameClass, nullptr);
  if (!frame) return std::nullopt;
  DWORD processId = 0;
  GetWindowThreadProcessId(frame, &processId);
  TextApplication found(program);
  found.keep_ = true;
  if (!found.findWindows(processId, 0)) return std::nullopt;
  return found;
}

TextApplication::TextApplication(TextApplication&& other) noexcept
    : program_(other.program_),
      process_(other.process_),
      frame_(other.frame_),
      control_(other.control_),
      keep_(other.keep_) {
  other.process_ = nullptr;
}

TextApplication::~TextApplication() {
  if (!process_) return;
  if (!keep_) {
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool TextApplication::findWindows(DWORD processId, std::size_t minimumLength) {
  const ProgramNames names = namesOf(program_);
  for (HWND frame = FindWindowA(names.frameClass, nullptr); frame;
       frame = FindWindowExA(nullptr, frame, names.frameClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(frame, &owner);
    if (owner != processId) continue;
    HWND control = FindWindowExA(frame, nullptr, names.controlClass, nullptr);
    if (control && textLength(control) >= minimumLength) {
      frame_ = frame;
      control_ = control;
      return true;
    }
  }
  return false;
}

const char* TextApplication::controlClass() const { return namesOf(program_).controlClass; }

bool TextApplication::placeAndActivate(const RECT& area) {
  if (!frame_) return false;
  SetWindowPos(frame_, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_SHOWWINDOW);
  SetForegroundWindow(frame_);
  DWORD_PTR ignored = 0;
  // Keys pressed at the program for the tray program (the feedback key) leave its text as it is.
  SendMessageTimeoutW(control_, EM_SETREADONLY, TRUE, 0, SMTO_ABORTIFHUNG, kAskLimitMs, &ignored);
  // The caret to the start, so the text is shown from its beginning.
  SendMessageTimeoutW(control_, EM_SETSEL, 0, 0, SMTO_ABORTIFHUNG, kAskLimitMs, &ignored);
  SendMessageTimeoutW(control_, EM_SCROLLCARET, 0, 0, SMTO_ABORTIFHUNG, kAskLimitMs, &ignored);
  return pollUntil([&] { return GetForegroundWindow() == frame_; }, kActivateLimit);
}

std::wstring TextApplication::text() const {
  const std::size_t length = textLength(control_);
  std::vector<wchar_t> buffer(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kAskLimitMs, &copied))
    return {};
  std::wstring text(buffer.data(), copied);
  if (program_ == TextProgram::wordpad)
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at))
      text.erase(at + 1, 1);
  return text;
}

std::optional<POINT> TextApplication::pointOn(std::size_t index) const {
  POINT at{};
  if (program_ == TextProgram::notepad) {
    // An Edit control answers with the position packed into the result.
    DWORD_PTR where = 0;
    if (!SendMessageTimeoutW(control_, EM_POSFROMCHAR, index, 0, SMTO_ABORTIFHUNG, kAskLimitMs, &where) ||
        where == static_cast<DWORD_PTR>(-1))
      return std::nullopt;
    at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  } else {
    // A rich edit writes a POINTL it is given the address of: memory of its own process.
    DWORD processId = 0;
    GetWindowThreadProcessId(control_, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return std::nullopt;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(POINTL), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    POINTL where{-1, -1};
    DWORD_PTR ignored = 0;
    const bool asked = remote &&
                       SendMessageTimeoutW(control_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(remote), index,
                                           SMTO_ABORTIFHUNG, kAskLimitMs, &ignored) &&
                       ReadProcessMemory(process, remote, &where, sizeof where, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (!asked || where.x < 0 || where.y < 0) return std::nullopt;
    at = {where.x, where.y};
  }
  at.x += kIntoCharacter;
  at.y += kIntoLine;
  ClientToScreen(control_, &at);
  return at;
}

bool TextApplication::hasForegroundAndFocus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetForegroundWindow() == frame_ && GetGUIThreadInfo(threadId(), &info) &&
         info.hwndActive == frame_ && info.hwndFocus == control_;
}

}  // namespace lexiton::e2e
