#include "startup/command_line.h"

#include <limits>

namespace lexiton::host {

namespace {

constexpr std::string_view kLanguageOption = "/l";
constexpr std::string_view kSleepOption = "/sleep";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the start of `text` after blanks, with an optional sign, as the C
// library's atoi reads it; a value past the int range is clamped rather than overflowing.
int leadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  long long value = 0;
  constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  for (; at < text.size() && isDigit(text[at]); ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int>(-value);
  return static_cast<int>(value > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : value);
}

}  // namespace

CommandLine parseCommandLine(std::string_view line) {
  CommandLine result;
  if (const auto at = line.find(kLanguageOption); at != std::string_view::npos)
    result.language = leadingNumber(line.substr(at + kLanguageOption.size()));
  result.sleep = line.find(kSleepOption) != std::string_view::npos;
  return result;
}

}  // namespace lexiton::host
