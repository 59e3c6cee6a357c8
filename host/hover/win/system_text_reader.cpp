#include "hover/win/system_text_reader.h"

#include <lexiton/text_encoding.h>

#include <cstring>

namespace lexiton::host {

namespace {

// The entries answer in their low byte.
bool found(int answer) { return (answer & 0xFF) != 0; }

// The zero-terminated text of a buffer, never past its end.
std::u16string terminated(const uint16_t* buffer, std::size_t size) {
  std::size_t length = 0;
  while (length < size && buffer[length]) ++length;
  return std::u16string(wideView(buffer, length));
}

}  // namespace

bool SystemTextReader::tidy(const std::u16string& pending, std::u16string& text, int& cursor) {
  const auto makeTidy = engines_.entries().makeTidy;
  if (!makeTidy) return false;
  uint16_t buffer[kReaderTextBuffer] = {};
  const LxWideString wide{reinterpret_cast<const uint16_t*>(pending.data()),
                          static_cast<uint32_t>(pending.size())};
  int index = cursor;
  if (!found(makeTidy(&wide, buffer, kReaderTextBuffer, &index))) return false;
  text = terminated(buffer, kReaderTextBuffer);
  cursor = index;
  return true;
}

bool SystemTextReader::documentAt(ScreenPoint at, std::u16string& text, int& cursor) {
  const auto read = engines_.entries().getMWord9WEx;
  if (!read) return false;
  uint16_t buffer[kReaderTextBuffer] = {};
  if (!found(read(at.x, at.y, kReaderReach, buffer, kReaderTextBuffer, &cursor))) return false;
  text = terminated(buffer, kReaderTextBuffer);
  return true;
}

bool SystemTextReader::windowAt(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) {
  const auto read = engines_.entries().getIE4WEx;
  if (!read) return false;
  uint16_t buffer[kReaderTextBuffer] = {};
  char name[kReaderSourceBuffer] = {};
  if (!found(read(at.x, at.y, kReaderReach, buffer, kReaderTextBuffer, &cursor, name, kReaderSourceBuffer)))
    return false;
  text = terminated(buffer, kReaderTextBuffer);
  source.assign(name, strnlen(name, kReaderSourceBuffer));
  return true;
}

}  // namespace lexiton::host
