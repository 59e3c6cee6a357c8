// Every document or address the host and the libraries open in another program (the help
// file, the maker's pages, the feedback page, the upgrade notice's download and history pages)
// goes through openInShell. On Windows it is ShellExecuteA, so whatever program is registered
// for the file type or address opens it. A process under test is told through the environment
// variable LEXITON_OPEN_FILE to append each open to that file instead, so no test ever starts
// a browser or a help viewer.
#pragma once

#include <string>
#include <string_view>

namespace lexiton {

// How the opened program's window is shown: SW_SHOWNORMAL or SW_SHOW.
enum class ShellShow { normal, show };

struct ShellOpen {
  std::string verb;    // "open", or empty for the file type's default verb
  std::string target;  // a file name or an address
  void* owner;         // the window that owns any message the shell shows; may be null
  ShellShow show;
};

// Opens `target`; false when the shell could not (nothing is shown then). Safe from any thread.
bool openInShell(std::string_view verb, std::string_view target, void* owner, ShellShow show);

// The line LEXITON_OPEN_FILE receives for one open: "verb|owner|show|target", the owner as
// the window handle's decimal value (0 for none), show as "normal" or "show".
std::string formatOpenLine(const ShellOpen& open);

}  // namespace lexiton
