// ProfileFunctions over the system's private-profile functions and its version query.
#pragma once

#include "startup/c_ini.h"

namespace lexiton::host {

class SystemProfileFunctions final : public ProfileFunctions {
 public:
  std::size_t readString(const std::string& path, const char* section, const char* key, const char* fallback,
                         char* buffer, std::size_t size) override;
  bool writeString(const std::string& path, const char* section, const char* key, const char* value) override;
  void flush(const std::string& path) override;
  std::optional<bool> isWindows95() override;
};

// The one instance every host window uses.
SystemProfileFunctions& systemProfile();

}  // namespace lexiton::host
