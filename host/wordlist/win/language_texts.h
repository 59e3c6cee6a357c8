// Texts of the language library ("uires%d.dll") for the word list: wide for its window, and in
// the system code page for alerts, which go through the narrow alert function.
#pragma once

#include <windows.h>

#include <string>

namespace lexiton::host {

// The string, "" when the library lacks it.
std::wstring languageText(HMODULE languageLibrary, int id);
std::string languageTextInCodePage(HMODULE languageLibrary, int id);

// UTF-16 from the word list's UTF-8 and back; the system code page for a path in an alert.
std::wstring wideFromUtf8(const std::string& text);
std::string utf8FromWide(const std::wstring& text);
std::string codePageFromWide(const std::wstring& text);

}  // namespace lexiton::host
