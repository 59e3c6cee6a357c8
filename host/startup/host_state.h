// What the host's parts share while the program runs, owned by MainWindow for the program's
// life. Each part takes references to the members it reads or changes: the pointer tracking and
// the tooltips (host/hover, host/tooltip), the tray with its settings dialogs (host/tray).
#pragma once

#include <atomic>

#include "hover/hover_state.h"
#include "startup/host_startup.h"
#include "tooltip/display_flags.h"

namespace lexiton::host {

struct HostState {
  HoverState hover;         // main thread
  DisplayFlags display;     // main thread
  WindowSettings settings;  // main thread: the tooltips paint with its colour, the tray changes it
  // [dict] FeedbackText: set by the feedback-option dialog on the main thread, read by look-up
  // workers when they start.
  std::atomic<bool> feedbackText{false};
};

}  // namespace lexiton::host
