#include "test_record_file.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace lexiton::detail {

bool appendToRecordFile(const char* variable, const std::string& line) {
  const char* path = std::getenv(variable);
  if (!path || !*path) return false;
  static std::mutex fileLock;
  std::lock_guard<std::mutex> guard(fileLock);
  if (FILE* f = std::fopen(path, "ab")) {
    const std::string whole = line + "\n";
    std::fwrite(whole.data(), 1, whole.size(), f);
    std::fclose(f);
  }
  return true;
}

}  // namespace lexiton::detail
