// Where the word list is exported to: the system's save-file dialog, with the format's file
// type and a default name; and writing the export there.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "wordlist/word_export.h"

namespace lexiton::host {

// The chosen path, or nothing when the user cancelled.
std::optional<std::wstring> askExportPath(HWND owner, HMODULE languageLibrary, ExportFormat format);

// Replaces the file's contents with `bytes`; false when it cannot be written.
bool writeWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace lexiton::host
