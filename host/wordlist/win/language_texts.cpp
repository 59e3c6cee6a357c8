#include "wordlist/win/language_texts.h"

#include <lexiton/text_encoding.h>

namespace lexiton::host {

std::wstring languageText(HMODULE languageLibrary, int id) {
  // A zero buffer size returns a pointer to the resource itself, whatever the text's length.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(languageLibrary, UINT(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return {};
  return std::wstring(text, std::size_t(length));
}

std::string languageTextInCodePage(HMODULE languageLibrary, int id) {
  return codePageFromWide(languageText(languageLibrary, id));
}

std::wstring wideFromUtf8(const std::string& text) {
  const std::u16string wide = utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string utf8FromWide(const std::wstring& text) {
  return utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

std::string codePageFromWide(const std::wstring& text) {
  return toCodePage(std::u16string(text.begin(), text.end()), systemCodePage());
}

}  // namespace lexiton::host
