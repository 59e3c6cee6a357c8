// Where the host keeps its data and which user-interface language it runs in: the data
// directory and "lexiton.ini", the language id and the names derived from it, and the texts
// of the start-up messages that carry a path, an id or a component's name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexiton::host {

// Longest path the host keeps (the system's MAX_PATH less the terminator).
inline constexpr std::size_t kPathLimit = 259;

struct HostPaths {
  std::string dataDirectory;  // ends with a backslash
  std::string configPath;     // the data directory's "lexiton.ini"
  int language = 0;
};

// The folder of the program file, with its trailing backslash ("" when the path has none).
std::string programDirectory(std::string_view programFile);

// The data directory under the "AppData" shell folder, or ".\" when that could not be read.
HostPaths locateDataDirectory(const std::optional<std::string>& appDataFolder);

// "lexidic.db" in the data directory.
std::string localDictionaryPath(const HostPaths& paths);

// "uires%d.dll" for a language id.
std::string languageLibraryName(int language);

// "Can't open .ini file! (PATH)" and "Can't load language resource (uiresID.dll)".
std::string iniOpenFailedText(std::string_view configPath);
std::string languageLoadFailedText(int language);

// The language library's component-failed text (LXR_STRING_COMPONENT_FAILED), a space and the
// name in parentheses, cut so the whole text stays within 259 characters; the text alone when it
// already has 256 characters or more, or no name is given.
std::string componentFailedText(std::string_view failedText, std::string_view name);

}  // namespace lexiton::host
