// The word list's file as the platform names it: the host's paths are in the system code page
// on Windows and plain bytes elsewhere, while SQLite takes UTF-8. What the store needs of the
// file system before SQLite opens it: whether the file is there and can be read, and moving a
// file aside without replacing another.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lexiton::host {

// The name SQLite opens for a path in the platform's own encoding.
std::string sqliteFileName(const std::string& path);

enum class FileState { missing, unreadable, readable };
FileState fileState(const std::string& path);

// Renames `from` to `to` unless `to` exists; false when it did not happen.
bool moveFileAside(const std::string& from, const std::string& to);

bool fileExists(const std::string& path);

// The file's size in bytes; 0 when it is missing or cannot be asked.
uint64_t fileSize(const std::string& path);

}  // namespace lexiton::host
