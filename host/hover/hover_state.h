// The pointer tracking's state. It lives on the main thread: the pointer tracking moves it
// through its states, and the tray reads it for its icon and pauses it (a left click, an open
// menu).
#pragma once

namespace lexiton::host {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct HoverState {
  bool paused = false;            // switched off by the user, and while the tray menu is open
  bool busy = false;              // a look-up is outstanding; the tray icon shows it
  bool armed = false;             // a rest measurement runs on the rest timer
  bool evaluating = false;        // evaluated at the rest position: moves are ignored until shown or re-armed
  ScreenPoint lastPosition;       // where the current rest measurement started
  ScreenPoint evaluatedPosition;  // where the last evaluation was made; the tooltip is placed from it
  int pollingPaused = 0;          // set by other programs' trigger messages; the rest timer idles
  bool feedbackToggle = false;    // flips on every 'q' while a tooltip is shown; never reset
};

}  // namespace lexiton::host
