// What the pointer tracking tells the rest of the host: the tray icon follows the busy flag, and
// the feedback key opens the feedback page for the result on show.
#pragma once

#include <string_view>

namespace lexiton::host {

class HoverListener {
 public:
  virtual ~HoverListener() = default;
  // HoverState::busy was set or cleared.
  virtual void busyChanged() = 0;
  // 'q' turned the feedback toggle on while a tooltip is shown: the plain text of the result on
  // show (its "plai" chunk, read under the request lock; empty when it has none).
  virtual void feedbackRequested(std::string_view plainText) = 0;
};

}  // namespace lexiton::host
