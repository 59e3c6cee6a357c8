#include "tooltip/tooltip_pair.h"

#include <lexiton/alert.h>
#include <lexiton/chunk_list.h>

#include "hover/hover_texts.h"
#include "hover/lookup_request.h"

namespace lexiton::host {

void TooltipPair::closeMain() {
  p_.main.hide();
  // The second tooltip never outlives the first, nor does a local look-up still to come.
  closeSecond();
}

void TooltipPair::closeSecond() {
  if (p_.second.visible()) p_.second.hide();
  if (p_.flags.localTimerRunning) {
    p_.localTimer.kill();
    p_.flags.localTimerRunning = false;
  }
}

void TooltipPair::scheduleLocal(std::u16string text) {
  localText_ = std::move(text);
  p_.flags.mainShown = false;
  p_.flags.localPainted = false;
  p_.localTimer.start();
  p_.flags.localTimerRunning = true;
}

bool TooltipPair::paintMain(const std::vector<uint8_t>& result, ScreenPoint at) {
  p_.main.discardRegion();
  if (p_.flags.suppressed) return true;
  const bool painted = p_.main.paint(result, at, p_.tooltipColour);
  if (!painted) p_.main.discardRegion();
  return painted;
}

void TooltipPair::showMain() {
  if (!p_.flags.suppressed) p_.main.show();
  p_.flags.mainShown = true;
  if (secondEnabled()) tryShowSecond();
}

void TooltipPair::localTimerFired() {
  p_.localTimer.kill();
  p_.flags.localTimerRunning = false;
  try {
    localResult_.reserve(kSharedResultReserve);
    localResult_.assign(ChunkView::kTerminatorSize, 0);
    if (!secondEnabled() || !p_.dictionary.hoverDictionaryOpen()) return;
    if (!p_.dictionary.lookUp(localText_, p_.localNotFoundText, localResult_)) return;
    p_.second.discardRegion();
    bool painted = true;
    if (!p_.flags.suppressed) {
      painted = p_.second.paint(localResult_, p_.hover.evaluatedPosition, p_.tooltipColour);
      if (!painted) p_.second.discardRegion();
    }
    if (!painted) return;
    p_.flags.localPainted = true;
    tryShowSecond();
  } catch (...) {
    showAlert(hover_texts::kDrawingFailed, hover_texts::kSecondTooltipCaption, AlertIcon::warning);
  }
}

void TooltipPair::tryShowSecond() {
  if (!p_.flags.localPainted || !p_.flags.mainShown) return;
  if (!p_.flags.suppressed) {
    const MonitorArea monitor = p_.monitors.at(p_.hover.evaluatedPosition);
    p_.second.moveTo(placeSecondTooltip(p_.main.position(), p_.main.paintedSize(), p_.second.position(),
                                        p_.second.paintedSize(), monitor));
    p_.second.show();
  }
  p_.flags.localPainted = false;
  p_.flags.mainShown = false;
}

}  // namespace lexiton::host
