// cIni: the host's accessor of "lexiton.ini" over the system's profile functions. One short-
// lived object per use; nobody keeps one open.
// It stays beside common's Profile instead of over it because its rules are not Profile's: it
// reads through a 512-byte buffer and refuses a value of 510 characters or more, where Profile
// cuts every value at 255 bytes and could not tell such a value from a short one; and on
// Windows 95 it flushes the profile cache, a call Profile has no use for.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lexiton::host {

// The system's profile functions for one file, and the one version question cIni asks.
class ProfileFunctions {
 public:
  virtual ~ProfileFunctions() = default;
  // Like GetPrivateProfileStringA: copies at most size - 1 characters of the value (or of
  // `fallback` when the key is missing) into `buffer`, terminates it, returns the count.
  virtual std::size_t readString(const std::string& path, const char* section, const char* key,
                                 const char* fallback, char* buffer, std::size_t size) = 0;
  virtual bool writeString(const std::string& path, const char* section, const char* key,
                           const char* value) = 0;
  // Writes a null section, key and value to the file: the flush of the profile cache.
  virtual void flush(const std::string& path) = 0;
  // Whether the system is Windows 95; nothing when the version cannot be read.
  virtual std::optional<bool> isWindows95() = 0;
};

class cIni {
 public:
  class cExc : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
  };

  static constexpr std::size_t kBufferSize = 512;
  // A value this long may have been cut by the buffer.
  static constexpr std::size_t kTooLong = 510;
  // The default that tells a missing integer key from a present one.
  static constexpr const char* kMissing = "**##NO##**";

  cIni(ProfileFunctions& functions, std::string path) : functions_(functions), path_(std::move(path)) {}
  // Flushes the profile cache on Windows 95 only. A failed version query is not thrown from
  // here (a destructor may run while another exception unwinds); flush() reports it.
  ~cIni();
  cIni(const cIni&) = delete;
  cIni& operator=(const cIni&) = delete;

  // Throws cExc when the value has kTooLong characters or more.
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback);
  // The value's leading decimal digits (0 when none); `fallback` when the key is missing.
  int readInt(std::string_view section, std::string_view key, int fallback);
  // Throw cExc when the file cannot be written, so that a lost setting is never silent.
  void writeInt(std::string_view section, std::string_view key, int value);
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  // The Windows 95 flush; throws cExc when the version query fails.
  void flush();

  const std::string& path() const { return path_; }

 private:
  ProfileFunctions& functions_;
  std::string path_;
  char buffer_[kBufferSize] = {};
};

}  // namespace lexiton::host
