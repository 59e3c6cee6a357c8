// EventSubscriber: publishes the host's trigger window and its enabled flag in the shared block
// "HMOUSE2C" for programs outside this system.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "shared_memory/win/shared_memory.h"

namespace lexiton::host {

class EventSubscriber {
 public:
  // Makes the block and writes the record with enabled 0; false with error() on failure
  // (another subscriber holds the block, or it cannot be made, mapped or locked).
  bool create(const std::string& shortName, HWND window, uint32_t firstValue, uint32_t secondValue);
  // Rewrites the record's flag under the lock; false with error() when the lock times out.
  bool setEnabled(bool enabled);
  // Unmaps and closes the block.
  void release() { memory_.reset(); }

  const std::string& error() const { return error_; }

 private:
  std::unique_ptr<shared_memory> memory_;
  std::string error_;
};

}  // namespace lexiton::host
