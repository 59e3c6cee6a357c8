// Writes a style sheet into a temporary file and loads it.
#pragma once
#include <cstdio>
#include <fstream>
#include <string>

#include "lexiton/lookup/layout.h"

namespace lexiton::test {

inline std::string writeTemp(const std::string& content) {
  static int n = 0;
  std::string path = "layout_test_" + std::to_string(++n) + ".sty";
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// The file goes whether the load succeeds or throws.
inline Layout loadText(const std::string& content) {
  struct Removed {
    std::string path;
    ~Removed() { std::remove(path.c_str()); }
  } file{writeTemp(content)};
  return Layout(file.path);
}

inline int syntaxLine(const std::string& content) {
  try {
    loadText(content);
  } catch (const layout_exception& e) {
    return e.code() == 2 ? e.line() : -100 - e.code();
  }
  return 0;
}

}  // namespace lexiton::test
