// Arbitrary bytes as a settings file: reads stay within the value limit, and a value written
// reads back the same, whatever else the file holds, without losing the other lines.
#include <lexiton/profile.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {
std::size_t lineCount(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  std::size_t n = 0;
  while (std::getline(in, line)) ++n;
  return n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton;
  static const std::string path = "/tmp/lexiton_fuzz_profile_" + std::to_string(getpid()) + ".ini";
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  auto profile = openPortableProfile(path);
  for (const char* section : {"Server Settings", "S", ""})
    for (const char* key : {"Proxy_Server", "k", ""}) {
      if (profile->readString(section, key, "fallback").size() > Profile::kValueLimit) __builtin_trap();
      profile->readInt(section, key, 7);
    }
  if (profile->writeString("S", "k", "v1")) {
    if (profile->readString("S", "k") != "v1") __builtin_trap();
    // No line is lost: one is replaced, or one or two (a new section) are added.
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    if (lineCount(written.str()) < lineCount(text)) __builtin_trap();
  }
  std::remove(path.c_str());
  return 0;
}
