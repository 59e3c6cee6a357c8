// Without the system's private-profile functions the portable file is the platform's profile.
#include "lexiton/profile.h"

namespace lexiton {
std::unique_ptr<Profile> openProfile(const std::string& path) { return openPortableProfile(path); }
}  // namespace lexiton
