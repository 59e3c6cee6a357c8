// The product's web site: the scheme and host every address of the host and the client
// library starts with (the maker's pages, the feedback script, the upgrade download and
// history pages). One value for the whole tree, the LEXITON_WEB_HOST CMake cache variable.
#pragma once

#include <string>

namespace lexiton {

// For example "https://www.lexiton.hu", without a trailing slash.
std::string webHost();

}  // namespace lexiton
