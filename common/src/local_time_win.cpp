#include <lexiton/local_time.h>

namespace lexiton {

std::tm localTime(std::time_t moment) {
  std::tm parts{};
  localtime_s(&parts, &moment);
  return parts;
}

}  // namespace lexiton
