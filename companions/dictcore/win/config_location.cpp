#include "config_location.h"

#include <windows.h>

#include <lexiton/data_directory_record.h>
#include <lexiton/settings_keys.h>

namespace lexiton::dictcore {
namespace {

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string moduleFile(HMODULE module) {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, n);
}

}  // namespace

std::string libraryFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&libraryFolder), &self);
  return folderOf(moduleFile(self));
}

std::string configPath() {
  const std::string program = moduleFile(nullptr);
  HKEY key = nullptr;
  std::string directory;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kDataDirectoriesKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    char value[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH, type = 0;
    if (RegQueryValueExA(key, program.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
      directory = value;
    RegCloseKey(key);
  }
  if (directory.empty()) return libraryFolder() + std::string(settings::kFileName);
  if (directory.back() != '\\') directory += '\\';
  return directory + std::string(settings::kFileName);
}

}  // namespace lexiton::dictcore
