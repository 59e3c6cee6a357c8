#include "win/edit_reader.h"

#include <richedit.h>

#include <cwchar>
#include <string>

#include "win/bounded_message.h"
#include "win/remote_process.h"

namespace lexiton::textgrab::win {

namespace {

// The most text read from one control: a document longer than this is read up to here.
constexpr LRESULT kMaxTextLength = 1 << 22;

std::wstring className(HWND window) {
  wchar_t name[128] = {};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, length > 0 ? length : 0);
}

bool startsWith(const std::wstring& text, const wchar_t* prefix) {
  return _wcsnicmp(text.c_str(), prefix, std::wcslen(prefix)) == 0;
}

// The control's own index of the character at `client` (rich-edit indices count a line break
// once), or nothing.
std::optional<std::size_t> charFromPos(HWND window, EditKind kind, POINT client) {
  if (kind == EditKind::edit) {
    // Edit takes the point in lParam and answers the index in 16 bits; the line's first index
    // restores the bits above them for long texts.
    const auto answer = ask(window, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
    if (!answer || *answer == -1) return std::nullopt;
    const auto low = static_cast<std::size_t>(LOWORD(*answer));
    const auto line = static_cast<WPARAM>(HIWORD(*answer));
    const auto lineStart = ask(window, EM_LINEINDEX, line);
    if (!lineStart || *lineStart < 0) return low;
    const auto start = static_cast<std::size_t>(*lineStart);
    return start + ((low - (start & 0xFFFF)) & 0xFFFF);
  }
  // Rich edit reads a POINTL through its pointer: the point lives in the target's memory.
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  ProcessHandle process(processId, PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE);
  if (!process) return std::nullopt;
  RemoteMemory point(process.get(), sizeof(POINTL));
  const POINTL local{client.x, client.y};
  if (!point || !point.write(&local, sizeof local)) return std::nullopt;
  const auto answer = ask(window, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(point.address()));
  if (!answer || *answer < 0) return std::nullopt;
  return static_cast<std::size_t>(*answer);
}

// The whole text through WM_GETTEXT, which the system carries across processes (GetWindowText
// does not).
std::optional<std::u16string> windowText(HWND window) {
  const auto length = ask(window, WM_GETTEXTLENGTH);
  if (!length || *length <= 0) return std::nullopt;
  const LRESULT wanted = std::min(*length, kMaxTextLength);
  std::wstring text(static_cast<std::size_t>(wanted) + 1, L'\0');
  const auto copied =
      ask(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
  if (!copied || *copied <= 0) return std::nullopt;
  text.resize(std::min(static_cast<std::size_t>(*copied), text.size() - 1));
  return std::u16string(text.begin(), text.end());
}

}  // namespace

EditKind editKind(HWND window) {
  const std::wstring name = className(window);
  if (_wcsicmp(name.c_str(), L"Edit") == 0) return EditKind::edit;
  if (startsWith(name, L"RichEdit")) return EditKind::richEdit;
  // Programs that subclass the standard controls under a name of their own.
  wchar_t real[64] = {};
  if (RealGetWindowClassW(window, real, static_cast<UINT>(std::size(real)))) {
    if (_wcsicmp(real, L"Edit") == 0) return EditKind::edit;
    if (_wcsnicmp(real, L"RichEdit", 8) == 0) return EditKind::richEdit;
  }
  return EditKind::none;
}

bool isPasswordField(HWND window) {
  // ES_PASSWORD's bit means other things in other classes' styles.
  return editKind(window) != EditKind::none && (GetWindowLongPtrW(window, GWL_STYLE) & ES_PASSWORD);
}

std::optional<CapturedText> readEditControl(HWND window, POINT screenPoint) {
  const EditKind kind = editKind(window);
  if (kind == EditKind::none || isPasswordField(window)) return std::nullopt;
  POINT client = screenPoint;
  RECT area{};
  if (!ScreenToClient(window, &client) || !GetClientRect(window, &area) || !PtInRect(&area, client))
    return std::nullopt;
  const auto index = charFromPos(window, kind, client);
  if (!index) return std::nullopt;
  auto text = windowText(window);
  if (!text) return std::nullopt;
  // Rich edit 2.0 and later count a line break once while WM_GETTEXT gives CR LF; 1.0 counts both.
  const bool countsBreaksOnce =
      kind == EditKind::richEdit && _wcsicmp(className(window).c_str(), L"RichEdit") != 0;
  const std::size_t cursor = countsBreaksOnce ? indexInCrLfText(*text, *index) : *index;
  return CapturedText{std::move(*text), cursor};
}

}  // namespace lexiton::textgrab::win
