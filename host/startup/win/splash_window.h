// The splash window: the picture of the user's language from the splash file, centred on the
// screen for 4.5 seconds. It closes itself through its timer; nothing waits for it, and every
// failure only means that no splash is shown.
#pragma once

#include <windows.h>

namespace lexiton::host {

class SplashWindow {
 public:
  static constexpr const char* kClassName = "HVR3SplashClass";
  static constexpr UINT_PTR kTimerId = 2;
  static constexpr UINT kShowMilliseconds = 4500;

  // Registers the class and creates, shows and paints the window; false when there is none.
  static bool show(HINSTANCE program, int language);
};

}  // namespace lexiton::host
