// A part of the host that answers some of MainWindow's messages: the pointer tracking takes
// the hook's reports, the tray its icon's callback and the menu's commands. MainWindow asks its
// handlers in the order they were added, after its own start-up and end-of-session messages.
#pragma once

#include <windows.h>

namespace lexiton::host {

class MainWindowHandler {
 public:
  virtual ~MainWindowHandler() = default;
  // True when the message was this handler's; MainWindow then answers TRUE.
  virtual bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

}  // namespace lexiton::host
