#include "hover/hover_tracker.h"

#include <lexiton/alert.h>

#include <cstdint>

#include "hover/hover_texts.h"

namespace lexiton::host {

namespace {

int64_t distanceSquared(ScreenPoint a, ScreenPoint b) {
  const int64_t dx = static_cast<int64_t>(a.x) - b.x;
  const int64_t dy = static_cast<int64_t>(a.y) - b.y;
  return dx * dx + dy * dy;
}

void warn(std::string_view text) { showAlert(text, hover_texts::kCaption, AlertIcon::warning); }

// The text a reader filled: up to its length, the cursor kept within it.
void keepCursorInText(const std::u16string& text, int& cursor) {
  if (cursor < 0) cursor = 0;
  if (cursor > static_cast<int>(text.size())) cursor = static_cast<int>(text.size());
}

}  // namespace

void HoverTracker::pointerMoved(ScreenPoint at) {
  HoverState& s = p_.state;
  if (s.armed) {
    if (s.evaluating || at == s.lastPosition) return;
    p_.timers.killRestTimer();
    s.lastPosition = at;
    p_.timers.startRestTimer(kRestMs);
    return;
  }
  if (distanceSquared(at, s.lastPosition) <= kRestDistanceSquared) return;
  if (p_.tooltips.mainVisible()) p_.tooltips.closeMain();
  if (s.paused) return;
  s.armed = true;
  s.lastPosition = at;
  p_.timers.startRestTimer(kRestMs);
}

void HoverTracker::keyReported(unsigned character) {
  if (!p_.tooltips.mainVisible()) return;
  HoverState& s = p_.state;
  if (character == 'q') {
    s.feedbackToggle = !s.feedbackToggle;
    if (s.feedbackToggle) {
      std::string plain;
      {
        std::lock_guard<RequestLock> hold(p_.exchange.requestLock);
        plain = plainTextOf(p_.exchange.request.result);
      }
      p_.listener.feedbackRequested(plain);
    }
    return;
  }
  if (character == ',') return;
  p_.tooltips.closeMain();
}

void HoverTracker::restTimerFired() {
  if (p_.state.pollingPaused != 0) return;
  std::optional<double> firedAt;
  if (p_.trace) firedAt = p_.trace->now();
  try {
    restStep(firedAt);
  } catch (...) {
    warn(hover_texts::kProcessingFailed);
  }
}

void HoverTracker::triggerReceived(const TriggerMessage& message, std::u16string text, int cursor) {
  if (p_.tooltips.mainVisible()) return;
  if (message.kind == TriggerKind::pollingPause) {
    p_.state.pollingPaused = message.pollingPaused;
    return;
  }
  p_.trigger = cutToCursorLine(std::move(text), cursor);
  std::optional<double> firedAt;
  if (p_.trace) firedAt = p_.trace->now();
  // The rest step at once, whether or not the rest timer is paused.
  try {
    restStep(firedAt);
  } catch (...) {
    warn(hover_texts::kProcessingFailed);
  }
}

void HoverTracker::restStep(std::optional<double> firedAt) {
  HoverState& s = p_.state;
  if (s.paused) return;
  const ScreenPoint at = p_.pointer.current();
  if (distanceSquared(at, s.evaluatedPosition) < kRestDistanceSquared) return;
  s.evaluatedPosition = at;
  if (p_.tooltips.mainVisible()) p_.tooltips.closeMain();
  s.lastPosition = at;
  s.evaluating = true;
  p_.timers.startRestTimer(kReevaluateMs);
  evaluate(at, firedAt);
}

bool HoverTracker::readText(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) {
  // Each entry that throws counts as having found nothing.
  auto attempt = [](auto&& read) {
    try {
      return read();
    } catch (...) {
      warn(hover_texts::kTextReaderFailed);
      return false;
    }
  };
  TriggerText& pending = p_.trigger;
  int tidyCursor = pending.cursor;
  if (attempt([&] { return p_.reader.tidy(pending.text, text, tidyCursor); })) {
    pending.text.clear();
    pending.cursor = 0;
    cursor = tidyCursor;
    source = hover_texts::kTriggerSource;
    keepCursorInText(text, cursor);
    return true;
  }
  text.clear();
  cursor = 0;
  if (attempt([&] { return p_.reader.documentAt(at, text, cursor); })) {
    source = hover_texts::kWordProcessorSource;
    keepCursorInText(text, cursor);
    return true;
  }
  text.clear();
  cursor = 0;
  source.clear();
  if (attempt([&] { return p_.reader.windowAt(at, text, cursor, source); })) {
    keepCursorInText(text, cursor);
    return true;
  }
  return false;
}

void HoverTracker::evaluate(ScreenPoint at, std::optional<double> firedAt) {
  try {
    std::u16string text;
    int cursor = 0;
    std::string source;
    if (!readText(at, text, cursor, source)) {
      // Whatever is outstanding is stale from here on.
      {
        std::lock_guard<RequestLock> hold(p_.exchange.requestLock);
        ++p_.exchange.request.number;
        if (p_.state.busy) p_.lookups.storno();
      }
      setBusy(false);
      endTrace("superseded");
      return;
    }
    std::optional<double> evaluatedAt;
    if (p_.trace) evaluatedAt = p_.trace->now();
    const bool local = p_.tooltips.secondEnabled();
    if (local) p_.tooltips.scheduleLocal(localLookupText(text, cursor));
    if (p_.shownLookups) p_.shownLookups->lookupStarted(local);
    p_.lookups.setMode();
    setBusy(true);
    endTrace("superseded");
    if (p_.trace) {
      traced_ = LookupTimes{};
      traced_->restFired = firedAt;
      traced_->evaluated = evaluatedAt;
    }
    startLookup(text, source, cursor);
  } catch (...) {
    warn(hover_texts::kCollectingFailed);
  }
}

void HoverTracker::startLookup(const std::u16string& text, const std::string& source, int cursor) {
  try {
    int number = 0;
    {
      std::lock_guard<RequestLock> hold(p_.exchange.requestLock);
      LookupRequest& request = p_.exchange.request;
      number = ++request.number;
      request.text = text;
      request.source = source;
      request.cursor = cursor;
    }
    tracedNumber_ = number;
    p_.lookups.startWorker(number);
    p_.timers.startResultPoll();
  } catch (...) {
    // The request stays outstanding until a newer one replaces it.
    warn(hover_texts::kMakingQueryFailed);
  }
}

void HoverTracker::resultPollFired() {
  try {
    poll();
  } catch (...) {
    warn(hover_texts::kDrawingFailed);
  }
}

void HoverTracker::poll() {
  // The trace line is written after the lock is released: workers never wait for the file.
  std::string_view outcome;
  {
    std::lock_guard<RequestLock> hold(p_.exchange.requestLock);
    LookupRequest& request = p_.exchange.request;
    if (!request.resultReady || request.resultNumber != request.number) return;
    // Taken: the worker's notice and the poll's tick both ask, and only the first may paint.
    request.resultReady = false;
    setBusy(false);
    p_.timers.killResultPoll();
    if (traced_ && tracedNumber_ == request.resultNumber) {
      traced_->workerStarted = request.workerTimes.workerStarted;
      traced_->lookupReturned = request.workerTimes.lookupReturned;
      traced_->polled = p_.trace->now();
    }
    outcome = request.drawPending ? drawResult(request) : "empty";
  }
  endTrace(outcome);
}

std::string_view HoverTracker::drawResult(LookupRequest& request) {
  HoverState& s = p_.state;
  request.drawPending = false;
  const bool painted = p_.tooltips.paintMain(request.result, s.evaluatedPosition);
  if (traced_) traced_->painted = p_.trace->now();
  if (painted && distanceSquared(p_.pointer.current(), s.evaluatedPosition) < kRestDistanceSquared) {
    p_.timers.killRestTimer();
    s.armed = false;
    s.evaluating = false;
    p_.tooltips.showMain();
    if (traced_) traced_->shown = p_.trace->now();
    p_.timers.startRestTimer(kRestMs);
    // Once the tooltip is up: the word list only copies what it keeps.
    if (p_.shownLookups) p_.shownLookups->shown(request);
    return "shown";
  }
  // Declined by the painter, or the pointer moved on: measure the rest again.
  p_.tooltips.discardMain();
  p_.timers.startRestTimer(kRestMs);
  s.armed = true;
  s.evaluating = false;
  return "declined";
}

void HoverTracker::setBusy(bool busy) {
  if (p_.state.busy == busy) return;
  p_.state.busy = busy;
  p_.listener.busyChanged();
}

void HoverTracker::endTrace(std::string_view outcome) {
  if (!p_.trace || !traced_) return;
  p_.trace->write(tracedNumber_, outcome, *traced_);
  traced_.reset();
}

}  // namespace lexiton::host
