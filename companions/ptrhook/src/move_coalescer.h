// At most one pointer-move message on its way to the host at a time, and always the latest
// position: while the host has not taken the message in flight, newer positions only replace
// the one waiting, so a busy host receives one message per turn of its loop instead of a flood.
// Single-threaded: the hook thread both reports moves and learns that a message was taken.
#pragma once

#include <optional>

namespace lexiton::ptrhook {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class MoveCoalescer {
 public:
  // A move to `at`: the position to send now, or nothing while a message is in flight.
  std::optional<Point> moved(Point at);
  // The host took the message in flight: the position to send next, if one waited.
  std::optional<Point> delivered();
  // Sending failed (the window is gone): nothing is in flight any more.
  void sendFailed();

  bool inFlight() const { return inFlight_; }

 private:
  bool inFlight_ = false;
  std::optional<Point> waiting_;
};

}  // namespace lexiton::ptrhook
