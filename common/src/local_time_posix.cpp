#include <lexiton/local_time.h>

namespace lexiton {

std::tm localTime(std::time_t moment) {
  std::tm parts{};
  localtime_r(&moment, &parts);
  return parts;
}

}  // namespace lexiton
