// The word list's file on POSIX systems: paths are bytes, which SQLite takes as they are.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "wordlist/database_file.h"

namespace lexiton::host {

std::string sqliteFileName(const std::string& path) { return path; }

FileState fileState(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT ? FileState::missing : FileState::unreadable;
  if (!S_ISREG(status.st_mode)) return FileState::unreadable;
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return FileState::unreadable;
  close(fd);
  return FileState::readable;
}

bool moveFileAside(const std::string& from, const std::string& to) {
  // link() refuses an existing target, so nothing the user has is ever replaced; a file system
  // without hard links gets a rename after the check instead.
  if (link(from.c_str(), to.c_str()) == 0) return unlink(from.c_str()) == 0;
  if (errno == EEXIST) return false;
  if (fileExists(to)) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool fileExists(const std::string& path) {
  struct stat status {};
  return lstat(path.c_str(), &status) == 0;
}

uint64_t fileSize(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 ? uint64_t(status.st_size) : 0;
}

}  // namespace lexiton::host
