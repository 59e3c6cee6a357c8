// Judges arbitrary finished downloads: the first byte picks download's result, the rest is
// split at the first NUL into header text and reply body. Whatever arrives, the result must be
// one an exchange can give and the text must be the reply itself or a bounded message.
#include <lexiton/protocol/url_download.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using lexiton::protocol::judgeExchange;
  if (size == 0) return 0;
  const int downloadResult = data[0] % 4;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto split = rest.find('\0');
  const std::string_view headers = rest.substr(0, split);
  const std::string_view body = split == std::string_view::npos ? std::string_view() : rest.substr(split + 1);
  std::string out = "previous";
  const int rc = judgeExchange(downloadResult, headers, body, out);
  constexpr std::size_t kLongestMessage = 64;
  switch (rc) {
    case 1202:
    case 1203:
      if (out.size() > kLongestMessage + headers.size() + body.size()) __builtin_trap();
      if (out.compare(0, 5, std::to_string(rc) + " ") != 0) __builtin_trap();
      break;
    case 1208:
      if (downloadResult != 2 || out != "1208 Query timed out!") __builtin_trap();
      break;
    default:  // the reply passes on unchanged: packed text or a server status line
      if (downloadResult != 0 || out != body) __builtin_trap();
      if (rc == 0 && body.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos &&
          body.find(' ') == std::string_view::npos)
        __builtin_trap();
  }
  return 0;
}
