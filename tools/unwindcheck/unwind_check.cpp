// lexiton-unwind-check: checks the exception tables of the Windows programs and libraries a
// build made, and repairs what the linker left behind.
//
//   lexiton-unwind-check PATH...            every .exe and .dll under the paths (folders are
//                                           searched); exits 1 when any table has a fault
//   lexiton-unwind-check --repair FILE...   drops the entries outside the code first (the
//                                           x86_64 tree runs this after every link)
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "pe_unwind_table.h"

namespace fs = std::filesystem;

namespace {

bool isWindowsBinary(const fs::path& path) {
  auto extension = path.extension().string();
  for (auto& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".exe" || extension == ".dll";
}

std::vector<fs::path> binariesUnder(const std::vector<std::string>& paths) {
  std::vector<fs::path> found;
  for (const auto& path : paths) {
    if (!fs::is_directory(path)) {
      found.emplace_back(path);
      continue;
    }
    for (const auto& entry : fs::recursive_directory_iterator(path))
      if (entry.is_regular_file() && isWindowsBinary(entry.path())) found.push_back(entry.path());
  }
  return found;
}

// In one read: a Debug build taking the bytes one at a time through a stream iterator needed a
// minute and a half for one tree's binaries.
bool readFile(const fs::path& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

// Written beside the file and renamed over it, so a failed write never leaves half a program.
bool replaceFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  const fs::path temporary = path.string() + ".unwind-repair";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code error;
  fs::permissions(temporary, fs::status(path).permissions(), error);
  fs::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  bool repair = false;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--repair")
      repair = true;
    else
      paths.push_back(arg);
  }
  if (paths.empty()) {
    std::fprintf(stderr, "usage: lexiton-unwind-check [--repair] PATH...\n");
    return 2;
  }
  std::size_t files = 0, faulty = 0;
  for (const auto& path : binariesUnder(paths)) {
    ++files;
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes)) {
      std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
      ++faulty;
      continue;
    }
    try {
      if (repair) {
        if (const auto removed = lexiton::pe::dropEntriesOutsideCode(bytes)) {
          if (!replaceFile(path, bytes)) {
            std::fprintf(stderr, "%s: cannot be rewritten\n", path.c_str());
            ++faulty;
            continue;
          }
          std::printf("%s: dropped %zu exception table entries outside the code\n", path.c_str(), removed);
        }
      }
      const auto faults = lexiton::pe::unwindTableFaults(bytes);
      for (const auto& fault : faults) std::fprintf(stderr, "%s: %s\n", path.c_str(), fault.c_str());
      if (!faults.empty()) ++faulty;
    } catch (const lexiton::pe::FormatError& e) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
      ++faulty;
    }
  }
  if (files == 0) {
    std::fprintf(stderr, "lexiton-unwind-check: no .exe or .dll under the paths given\n");
    return 1;
  }
  if (!repair) std::printf("unwind-check: %zu files, %zu with a faulty exception table\n", files, faulty);
  return faulty == 0 ? 0 : 1;
}
