// The system's private-profile functions behind Profile: on Windows the settings file is read
// and written exactly as every other program of the family reads and writes it.
#include <windows.h>

#include "lexiton/profile.h"

namespace lexiton {

namespace {

// The private-profile functions look for a bare file name in the Windows folder, not in the
// current one; a path here means what it means to every other file function (and to the
// portable profile), so it is made absolute first.
std::string fullPath(const std::string& path) {
  if (path.empty()) return path;
  char buffer[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

class SystemProfile final : public Profile {
 public:
  explicit SystemProfile(std::string path) : path_(std::move(path)), file_(fullPath(path_)) {}

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override {
    char value[kValueLimit + 1] = {};
    const DWORD length =
        GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                 std::string(fallback).c_str(), value, sizeof value, file_.c_str());
    return std::string(value, length < sizeof value ? length : kValueLimit);
  }

  int readInt(std::string_view section, std::string_view key, int fallback) const override {
    return static_cast<int>(GetPrivateProfileIntA(std::string(section).c_str(), std::string(key).c_str(),
                                                  fallback, file_.c_str()));
  }

  bool writeString(std::string_view section, std::string_view key, std::string_view value) override {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), file_.c_str()) != FALSE;
  }

  const std::string& path() const override { return path_; }

 private:
  std::string path_;
  std::string file_;
};

}  // namespace

std::unique_ptr<Profile> openProfile(const std::string& path) {
  return std::make_unique<SystemProfile>(path);
}

}  // namespace lexiton
