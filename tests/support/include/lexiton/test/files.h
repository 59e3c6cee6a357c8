// Whole files for tests, byte for byte, and paths in the system's temporary folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace lexiton::test {

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, std::string_view content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(content.data(), std::streamsize(content.size()));
}

// `name` in the system's temporary folder (GetTempPath on Windows, TMPDIR or /tmp elsewhere).
inline std::string tempPath(std::string_view name) {
  return (std::filesystem::temp_directory_path() / std::string(name)).string();
}

}  // namespace lexiton::test
