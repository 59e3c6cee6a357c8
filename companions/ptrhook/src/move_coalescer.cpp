#include "move_coalescer.h"

#include <utility>

namespace lexiton::ptrhook {

std::optional<Point> MoveCoalescer::moved(Point at) {
  if (inFlight_) {
    waiting_ = at;
    return std::nullopt;
  }
  inFlight_ = true;
  return at;
}

std::optional<Point> MoveCoalescer::delivered() {
  inFlight_ = waiting_.has_value();
  return std::exchange(waiting_, std::nullopt);
}

void MoveCoalescer::sendFailed() {
  inFlight_ = false;
  waiting_.reset();
}

}  // namespace lexiton::ptrhook
