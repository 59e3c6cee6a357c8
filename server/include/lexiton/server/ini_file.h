// Minimal settings-file update: sets keys in one section, keeps every other line as it was.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace lexiton::server {

// Replaces the file atomically (write beside it, then rename). Section and key names match
// case-insensitively. Throws std::runtime_error when the file cannot be written.
void setIniValues(const std::string& path, const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace lexiton::server
