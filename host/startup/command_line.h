// The host's command line, searched as plain substrings of the whole line: "/l" followed by a
// language id, and "/sleep".
#pragma once

#include <optional>
#include <string_view>

namespace lexiton::host {

struct CommandLine {
  std::optional<int> language;  // the number after "/l"
  bool sleep = false;           // wait before loading the look-up libraries
};

// How long "/sleep" waits, in milliseconds.
inline constexpr int kSleepMilliseconds = 12000;

CommandLine parseCommandLine(std::string_view line);

}  // namespace lexiton::host
