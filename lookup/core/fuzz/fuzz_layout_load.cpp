// Loads a style sheet from arbitrary bytes, then converts a fixed fragment through it.
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "lexiton/lookup/layout.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
  static const std::string path = "/tmp/fuzz_layout_load_" + std::to_string(getpid()) + ".sty";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
  try {
    lexiton::Layout l(path);
    (void)l.convert("<a>x&amp;&#233;<b>y</b></a>");
  } catch (const lexiton::layout_exception&) {
  } catch (const lexiton::xml_exception&) {
  }
  return 0;
}
