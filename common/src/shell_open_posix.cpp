// Without a Windows shell there is nothing to open documents with.
#include <lexiton/shell_open.h>

namespace lexiton {

bool openInPlatformShell(const ShellOpen&) { return false; }

}  // namespace lexiton
