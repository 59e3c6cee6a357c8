#include "startup/c_ini.h"

#include <cstdlib>
#include <string>

namespace lexiton::host {

namespace {

std::string describe(std::string_view what, std::string_view section, std::string_view key,
                     const std::string& path) {
  return std::string(what) + " [" + std::string(section) + "] " + std::string(key) + " (" + path + ")";
}

}  // namespace

cIni::~cIni() {
  try {
    flush();
  } catch (const cExc&) {
    // Only Windows 95 needs the flush, and a system that cannot say which it is has none.
  }
}

std::string cIni::readString(std::string_view section, std::string_view key, std::string_view fallback) {
  const std::string s(section), k(key), f(fallback);
  const std::size_t length =
      functions_.readString(path_, s.c_str(), k.c_str(), f.c_str(), buffer_, kBufferSize);
  if (length >= kTooLong) throw cExc(describe("Value too long:", section, key, path_));
  return std::string(buffer_, length);
}

int cIni::readInt(std::string_view section, std::string_view key, int fallback) {
  const std::string value = readString(section, key, kMissing);
  if (value == kMissing) return fallback;
  return std::atoi(value.c_str());
}

void cIni::writeInt(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void cIni::writeString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string s(section), k(key), v(value);
  if (!functions_.writeString(path_, s.c_str(), k.c_str(), v.c_str()))
    throw cExc(describe("Cannot write", section, key, path_));
}

void cIni::flush() {
  const auto windows95 = functions_.isWindows95();
  if (!windows95) throw cExc("Cannot read the system version (" + path_ + ")");
  if (*windows95) functions_.flush(path_);
}

}  // namespace lexiton::host
