// Settings files ("lexiton.ini"): read and write by section and key. On Windows the system's
// private-profile functions; elsewhere our own reader and writer with the same observable
// rules (case-insensitive sections and keys, blanks around names and values trimmed, one pair
// of surrounding quotes dropped, a value cut to the caller's buffer, other lines kept on write,
// the file replaced atomically). Both are reached through openProfile.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace lexiton {

class Profile {
 public:
  // The private-profile functions read into a caller's buffer; the settings use 256 bytes.
  static constexpr std::size_t kValueLimit = 255;

  virtual ~Profile() = default;
  // The value, or `fallback` when the section or key is missing; cut to kValueLimit bytes.
  virtual std::string readString(std::string_view section, std::string_view key,
                                 std::string_view fallback = {}) const = 0;
  // The value's leading decimal digits (with an optional sign) as an int, like
  // GetPrivateProfileInt; `fallback` when the key is missing.
  virtual int readInt(std::string_view section, std::string_view key, int fallback) const = 0;
  // Sets the key, creating the section and the file as needed. False when the file cannot be
  // written.
  virtual bool writeString(std::string_view section, std::string_view key, std::string_view value) = 0;
  virtual const std::string& path() const = 0;
};

// The platform's profile over the file at `path` (which need not exist yet).
std::unique_ptr<Profile> openProfile(const std::string& path);

// The portable implementation, on every platform (tests compare it with the system's).
std::unique_ptr<Profile> openPortableProfile(const std::string& path);

}  // namespace lexiton
