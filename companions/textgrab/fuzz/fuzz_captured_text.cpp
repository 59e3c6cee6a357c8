// Text from another program's window: any UTF-16 text with any cursor and buffer size is cut
// into the buffer without writing past it, with a cursor inside the written text; tidying and
// the label rule keep their cursor inside their text too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "captured_text.h"
#include "tidy_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::textgrab;
  if (size < 4 || size > 1 << 16) return 0;
  const std::size_t cursor = data[0] | (data[1] << 8);
  const int bufferSize = 1 + (data[2] | (data[3] << 8)) % 300;
  std::u16string text((size - 4) / 2, u'\0');
  std::memcpy(text.data(), data + 4, text.size() * 2);

  std::vector<uint16_t> buffer(bufferSize + 1, 0xBEEF);
  int out = -1;
  if (deliver(text, cursor, buffer.data(), bufferSize, &out)) {
    std::size_t length = 0;
    while (length < static_cast<std::size_t>(bufferSize) && buffer[length] != 0) ++length;
    if (length == static_cast<std::size_t>(bufferSize) || out < 0 || static_cast<std::size_t>(out) >= length)
      std::abort();
  }
  if (buffer[bufferSize] != 0xBEEF) std::abort();
  if (auto tidied = tidy(text, cursor); tidied && tidied->cursor >= tidied->text.size()) std::abort();
  if (auto label = labelWithoutPosition(text); label && label->text.size() > kLabelMaxCharacters)
    std::abort();
  return 0;
}
