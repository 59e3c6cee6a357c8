#include "win/reader.h"

#include "win/accessibility_reader.h"
#include "win/automation_reader.h"
#include "win/bounded_message.h"
#include "win/com_objects.h"
#include "win/edit_reader.h"
#include "win/remote_process.h"

namespace lexiton::textgrab::win {

namespace {

// The window under the point, when it belongs to another process that answers: the host's own
// windows (its tooltips above all) are never read, and a window whose thread is stuck costs
// one bounded wait here instead of one per method.
std::optional<std::pair<HWND, DWORD>> readableWindowAt(POINT screenPoint) {
  HWND window = WindowFromPoint(screenPoint);
  if (!window) return std::nullopt;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (!processId || processId == GetCurrentProcessId()) return std::nullopt;
  if (!ask(window, WM_NULL)) return std::nullopt;
  return std::pair{window, processId};
}

// Word processors' document windows, read through their text pattern: Word's document class.
bool isDocumentWindow(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name) == L"_WwG";
}

}  // namespace

std::optional<Reading> readAt(POINT screenPoint) {
  const auto target = readableWindowAt(screenPoint);
  if (!target || isPasswordField(target->first)) return std::nullopt;
  std::optional<CapturedText> text = readEditControl(target->first, screenPoint);
  if (!text) {
    ComApartment apartment;
    text = readAutomation(screenPoint);
    if (!text) text = readAccessible(screenPoint);
  }
  if (!text) return std::nullopt;
  return Reading{std::move(*text), programFileName(target->second)};
}

std::optional<Reading> readDocumentAt(POINT screenPoint) {
  const auto target = readableWindowAt(screenPoint);
  if (!target || !isDocumentWindow(target->first)) return std::nullopt;
  ComApartment apartment;
  auto text = readAutomation(screenPoint);
  if (!text) return std::nullopt;
  return Reading{std::move(*text), programFileName(target->second)};
}

}  // namespace lexiton::textgrab::win
