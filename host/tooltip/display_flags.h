// The flags that coordinate the two tooltip windows on the main thread. The tray switches
// display suppression; the tooltips and the pointer tracking read it.
#pragma once

namespace lexiton::host {

struct DisplayFlags {
  bool suppressed = false;         // nothing is painted or shown; the look-up cycle runs as if it were
  bool mainShown = false;          // the first tooltip was shown for the current evaluation
  bool localPainted = false;       // the second tooltip was painted for the current evaluation
  bool localTimerRunning = false;  // the local look-up's timer is set on the second tooltip
};

}  // namespace lexiton::host
