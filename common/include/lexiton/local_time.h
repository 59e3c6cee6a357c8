// The local time of day of a moment, thread-safe on every platform (std::localtime is not).
#pragma once

#include <ctime>

namespace lexiton {

std::tm localTime(std::time_t moment);

}  // namespace lexiton
