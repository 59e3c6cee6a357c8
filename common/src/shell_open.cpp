#include <lexiton/shell_open.h>

#include <cstdint>

#include "test_record_file.h"

namespace lexiton {

// Opens the target the platform's way (shell_open_win.cpp; elsewhere nothing opens).
bool openInPlatformShell(const ShellOpen& open);

std::string formatOpenLine(const ShellOpen& open) {
  return open.verb + "|" + std::to_string(reinterpret_cast<std::uintptr_t>(open.owner)) + "|" +
         (open.show == ShellShow::normal ? "normal" : "show") + "|" + open.target;
}

bool openInShell(std::string_view verb, std::string_view target, void* owner, ShellShow show) {
  const ShellOpen open{std::string(verb), std::string(target), owner, show};
  if (detail::appendToRecordFile("LEXITON_OPEN_FILE", formatOpenLine(open))) return true;
  return openInPlatformShell(open);
}

}  // namespace lexiton
