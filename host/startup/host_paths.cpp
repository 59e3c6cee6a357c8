#include "startup/host_paths.h"

#include <lexiton/fixed_texts.h>
#include <lexiton/settings_keys.h>

namespace lexiton::host {

namespace {
constexpr std::string_view kDataSubfolder = "\\Veltrix\\Lexiton\\";
constexpr std::string_view kLocalDictionaryFile = "lexidic.db";
constexpr std::string_view kFallbackDirectory = ".\\";
// A component-failed text this long leaves no room for a name.
constexpr std::size_t kNamedMessageFloor = 256;
}  // namespace

std::string programDirectory(std::string_view programFile) {
  const auto slash = programFile.find_last_of('\\');
  if (slash == std::string_view::npos) return {};
  return std::string(programFile.substr(0, slash + 1));
}

HostPaths locateDataDirectory(const std::optional<std::string>& appDataFolder) {
  HostPaths paths;
  if (appDataFolder) {
    std::string folder = *appDataFolder;
    // A folder given with its backslash must not double it.
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    paths.dataDirectory = (folder + std::string(kDataSubfolder)).substr(0, kPathLimit);
  } else {
    paths.dataDirectory = std::string(kFallbackDirectory);
  }
  paths.configPath = (paths.dataDirectory + std::string(settings::kFileName)).substr(0, kPathLimit);
  return paths;
}

std::string localDictionaryPath(const HostPaths& paths) {
  return paths.dataDirectory + std::string(kLocalDictionaryFile);
}

std::string languageLibraryName(int language) { return "uires" + std::to_string(language) + ".dll"; }

std::string iniOpenFailedText(std::string_view configPath) {
  return std::string(fixed_texts::kIniOpenFailedPrefix) + std::string(configPath) + ")";
}

std::string languageLoadFailedText(int language) {
  return std::string(fixed_texts::kLanguageLoadFailedPrefix) + std::to_string(language) + ".dll)";
}

std::string componentFailedText(std::string_view failedText, std::string_view name) {
  std::string text(failedText);
  if (name.empty() || text.size() >= kNamedMessageFloor) return text;
  // " (" + name + ")" must end at character 259 at the latest.
  const std::size_t room = kPathLimit - text.size() - 3;
  text += " (";
  text += name.substr(0, room);
  text += ")";
  return text;
}

}  // namespace lexiton::host
