// The word list's file on Windows: the host's paths are in the system code page (the ANSI file
// functions take them as they are), and SQLite's Windows layer takes UTF-8.
#include <windows.h>

#include <string>

#include "wordlist/database_file.h"

namespace lexiton::host {

std::string sqliteFileName(const std::string& path) {
  if (path.empty()) return {};
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.data(), int(path.size()), nullptr, 0);
  std::wstring wide(std::size_t(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), int(path.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string utf8(std::size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

FileState fileState(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileState::missing
                                                                          : FileState::unreadable;
  }
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileState::unreadable;
  CloseHandle(file);
  return FileState::readable;
}

bool moveFileAside(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING an existing target makes the move fail.
  return MoveFileExA(from.c_str(), to.c_str(), 0) != FALSE;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

uint64_t fileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace lexiton::host
