#include <lexiton/web_site.h>

// Set by CMake from the LEXITON_WEB_HOST cache variable (common/CMakeLists.txt).
#ifndef LEXITON_WEB_HOST
#error "LEXITON_WEB_HOST must be defined"
#endif

namespace lexiton {

std::string webHost() { return LEXITON_WEB_HOST; }

}  // namespace lexiton
