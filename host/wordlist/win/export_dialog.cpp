#include "wordlist/win/export_dialog.h"

#include <commdlg.h>
#include <lexiton/ui_resources.h>

#include <algorithm>
#include <vector>

#include "wordlist/win/language_texts.h"

namespace lexiton::host {

namespace {

// The dialog's file-name buffer, in characters.
constexpr std::size_t kPathBuffer = 32768;

// "Name (*.csv)|*.csv" from the language library, as the dialog takes it: each part ended by a
// zero, the list by one more.
std::wstring filterOf(HMODULE languageLibrary, ExportFormat format) {
  const bool csv = format == ExportFormat::csv;
  std::wstring filter = languageText(
      languageLibrary, csv ? LXR_STRING_WORDLIST_CSV_FILTER : LXR_STRING_WORDLIST_FLASH_CARD_FILTER);
  if (filter.find(L'|') == std::wstring::npos)
    filter = csv ? L"CSV (*.csv)|*.csv" : L"Flash cards (*.txt)|*.txt";
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter += L'\0';
  filter += L'\0';
  return filter;
}

}  // namespace

std::optional<std::wstring> askExportPath(HWND owner, HMODULE languageLibrary, ExportFormat format) {
  const bool csv = format == ExportFormat::csv;
  std::vector<wchar_t> path(kPathBuffer, L'\0');
  const std::wstring initial = csv ? L"lexiton-words.csv" : L"lexiton-flashcards.txt";
  initial.copy(path.data(), initial.size());
  const std::wstring filter = filterOf(languageLibrary, format);
  const std::wstring title = languageText(languageLibrary, LXR_STRING_WORDLIST_EXPORT_TITLE);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = DWORD(path.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = csv ? L"csv" : L"txt";
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

bool writeWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t written = 0;
  while (ok && written < bytes.size()) {
    constexpr std::size_t kChunk = 1u << 20;
    const DWORD chunk = DWORD(std::min(kChunk, bytes.size() - written));
    DWORD done = 0;
    ok = WriteFile(file, bytes.data() + written, chunk, &done, nullptr) && done == chunk;
    written += done;
  }
  ok = CloseHandle(file) && ok;
  return ok;
}

}  // namespace lexiton::host
