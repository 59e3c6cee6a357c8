// What the pointer tracking and the tooltips tell whoever keeps the look-ups the user was shown
// (the word list, hover/word_list_recorder.h): that an evaluation started a look-up, what the
// local dictionary answered for it, and that its first tooltip was shown. All on the main
// thread; each call only copies what it needs, so none of them delays a tooltip.
#pragma once

#include <cstdint>
#include <vector>

#include "hover/lookup_request.h"

namespace lexiton::host {

class ShownLookupListener {
 public:
  virtual ~ShownLookupListener() = default;
  // An evaluation started a look-up; `localScheduled` when its local look-up is to come.
  virtual void lookupStarted(bool localScheduled) = 0;
  // The local look-up of the current evaluation answered `list` (a ChunkList whose plain-list
  // words point into the engine's memory, valid only during the call), or will not answer (null:
  // no hover dictionary, nothing found, or cancelled before it ran).
  virtual void localAnswered(const std::vector<uint8_t>* list) = 0;
  // The first tooltip of `request` is on the screen. Called with RequestLock held: the request
  // and its result belong to the look-up exchange and are to be copied, not kept.
  virtual void shown(const LookupRequest& request) = 0;
};

}  // namespace lexiton::host
