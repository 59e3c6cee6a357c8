// Reads arbitrary bytes as a pipe record with every reader call, in an order the first byte
// picks. A token read must either consume bytes or report that nothing complete is left, so a
// hostile record can never keep the reader on one position.
#include <lexiton/protocol/pipe_format.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::protocol;
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  PipeReader reader;
  reader.append(text);
  for (std::size_t step = 0; step <= text.size() + 1; ++step) {
    const std::size_t before = reader.buffer().size();
    try {
      std::string token;
      switch ((data[0] + step) % 8) {
        case 0:
          reader.readBool();
          break;
        case 1:
          reader.readBoolList();
          break;
        case 2:
          reader.readInt();
          break;
        case 3:
          reader.readUnsigned();
          break;
        case 4:
          reader.readUnsignedList();
          break;
        case 5:
          reader.readString();
          break;
        case 6:
          reader.readStringList();
          break;
        default:
          if (reader.readToken(token) != TokenKind::None && reader.buffer().size() >= before)
            __builtin_trap();
      }
    } catch (...) {
    }
    if (reader.buffer().size() > before) __builtin_trap();
    if (reader.buffer().empty()) break;
  }
  return 0;
}
