#include "startup/win/system_profile_functions.h"

#include <windows.h>

namespace lexiton::host {

std::size_t SystemProfileFunctions::readString(const std::string& path, const char* section, const char* key,
                                               const char* fallback, char* buffer, std::size_t size) {
  return GetPrivateProfileStringA(section, key, fallback, buffer, static_cast<DWORD>(size), path.c_str());
}

bool SystemProfileFunctions::writeString(const std::string& path, const char* section, const char* key,
                                         const char* value) {
  return WritePrivateProfileStringA(section, key, value, path.c_str()) != FALSE;
}

void SystemProfileFunctions::flush(const std::string& path) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::optional<bool> SystemProfileFunctions::isWindows95() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return std::nullopt;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMinorVersion == 0;
}

SystemProfileFunctions& systemProfile() {
  static SystemProfileFunctions functions;
  return functions;
}

}  // namespace lexiton::host
