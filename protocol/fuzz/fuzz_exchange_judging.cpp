// Judges arbitrary finished downloads: the first byte picks what the transfer came to, the rest is
// split at the first NUL into header text and reply body. Whatever arrives, the result must be
// one an exchange can give and the text must be the reply itself or a bounded message.
#include <lexiton/protocol/url_download.h>

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using lexiton::protocol::DownloadOutcome;
  using lexiton::protocol::judgeExchange;
  if (size == 0) return 0;
  const int downloadResult = data[0] % 4;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto split = rest.find('\0');
  const std::string_view headers = rest.substr(0, split);
  const std::string_view body = split == std::string_view::npos ? std::string_view() : rest.substr(split + 1);
  std::string out = "previous";
  static constexpr DownloadOutcome kOutcomes[] = {DownloadOutcome::Ok, DownloadOutcome::TransferFailed,
                                                  DownloadOutcome::TimedOut, DownloadOutcome::BadStatus};
  const int rc = judgeExchange(kOutcomes[downloadResult], headers, body, out);
  constexpr std::size_t kLongestMessage = 64;
  constexpr std::size_t kShownBody = 50;
  const auto startsWith = [&out](std::string_view text) { return out.compare(0, text.size(), text) == 0; };
  static constexpr int kFromDownload[] = {0, 1202, 1208, 1203};
  if (downloadResult != 0) {
    if (rc != kFromDownload[downloadResult] || !startsWith(std::to_string(rc) + " ")) __builtin_trap();
    if (out.size() > kLongestMessage + headers.size() + body.size()) __builtin_trap();
  } else if (out != body) {
    // Only a reply of unknown form is replaced, by a message that shows its start.
    if (rc != 1202 || !startsWith("1202 Error receiving reply from server! (")) __builtin_trap();
    if (out.size() > kLongestMessage + kShownBody) __builtin_trap();
  } else if (rc == 0 && body.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
    // Accepted as it stands: packed hex text, or a status line (digits, then a space).
    const auto firstNonDigit = body.find_first_not_of("0123456789");
    if (body[firstNonDigit] != ' ') __builtin_trap();
  }
  return 0;
}
