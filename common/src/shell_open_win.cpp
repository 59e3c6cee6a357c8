// The Windows face of openInShell: the shell's ShellExecuteA.
#include <lexiton/shell_open.h>

#include <windows.h>

#include <shellapi.h>

namespace lexiton {

bool openInPlatformShell(const ShellOpen& open) {
  const auto code = reinterpret_cast<INT_PTR>(ShellExecuteA(
      static_cast<HWND>(open.owner), open.verb.empty() ? nullptr : open.verb.c_str(), open.target.c_str(),
      nullptr, nullptr, open.show == ShellShow::normal ? SW_SHOWNORMAL : SW_SHOW));
  // Values above 32 mean success; the rest are the shell's error codes.
  return code > 32;
}

}  // namespace lexiton
