// The exports of "textgrab.dll". Each hands a reading to the caller's fixed buffers, cut to the
// paragraph and the buffer's size; nothing thrown ever leaves an export.
#include <windows.h>

#include <lexiton/companion_exports.h>
#include <lexiton/text_encoding.h>

#include "captured_text.h"
#include "tidy_text.h"
#include "win/reader.h"

namespace {

using lexiton::textgrab::win::Reading;

// The program's name in the system code page, cut to fit with its terminator.
void writeSource(const std::wstring& program, char* source, int sourceSize) {
  if (!source || sourceSize <= 0) return;
  source[0] = 0;
  if (program.empty()) return;
  const int written = WideCharToMultiByte(CP_ACP, 0, program.c_str(), static_cast<int>(program.size()),
                                          source, sourceSize - 1, nullptr, nullptr);
  source[written > 0 ? written : 0] = 0;
}

bool hand(const std::optional<Reading>& reading, uint16_t* buffer, int size, int* cursor) {
  return reading &&
         lexiton::textgrab::deliver(reading->text.text, reading->text.cursor, buffer, size, cursor);
}

}  // namespace

extern "C" {

__declspec(dllexport) int LX_COMPANION_CDECL
    GetIE4W_Ex(int x, int y, int, uint16_t* buffer, int size, int* cursor, char* source, int sourceSize) {
  try {
    const auto reading = lexiton::textgrab::win::readAt(POINT{x, y});
    if (!hand(reading, buffer, size, cursor)) return 0;
    writeSource(reading->program, source, sourceSize);
    return 1;
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL
    GetMWord9W_Ex(int x, int y, int, uint16_t* buffer, int size, int* cursor) {
  try {
    return hand(lexiton::textgrab::win::readDocumentAt(POINT{x, y}), buffer, size, cursor) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) int LX_COMPANION_CDECL
    MakeTidy(const LxWideString* pending, uint16_t* buffer, int size, int* cursor) {
  try {
    if (!pending || !pending->data || pending->length == 0 || !cursor) return 0;
    const auto tidied = lexiton::textgrab::tidy(lexiton::wideView(pending->data, pending->length),
                                                static_cast<std::size_t>(*cursor < 0 ? 0 : *cursor));
    return tidied && lexiton::textgrab::deliver(tidied->text, tidied->cursor, buffer, size, cursor) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}
}
