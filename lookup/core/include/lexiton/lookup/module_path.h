// The library this code is linked into: its module handle (for its resources) and its folder.
#pragma once

#include <string>

namespace lexiton::lookup {

void* currentModule();
// The folder of the current module with a trailing separator; empty when unknown.
std::string currentModuleDirectory();

}  // namespace lexiton::lookup
