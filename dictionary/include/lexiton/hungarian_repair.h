// FreeDict writes Hungarian "ő" and "ű" (and their capitals) as the legacy letters "ô" and "û".
// Kept free of other project headers: the dictionary compiler is built from it as a host tool.
#pragma once

#include <string>
#include <string_view>

namespace lexiton {

// The UTF-8 text with every legacy "ô"/"û" (and capital) replaced by "ő"/"ű".
std::string repairHungarian(std::string_view utf8);

}  // namespace lexiton
