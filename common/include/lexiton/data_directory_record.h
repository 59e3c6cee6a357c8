// Where the host records its data directory for the libraries it loads: under this key of the
// current user's registry, a value named by the host program's full path holds the directory
// (ending in a backslash) that holds "lexiton.ini".
#pragma once

namespace lexiton {

inline constexpr const char* kDataDirectoriesKey = "Software\\Veltrix\\AppDataDirs";

}  // namespace lexiton
