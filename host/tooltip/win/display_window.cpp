#include "tooltip/win/display_window.h"

namespace lexiton::host {

void DisplayWindow::startRestTimer(int milliseconds) {
  SetTimer(handle(), kRestTimer, static_cast<UINT>(milliseconds), nullptr);
}

void DisplayWindow::killRestTimer() { KillTimer(handle(), kRestTimer); }

void DisplayWindow::startResultPoll() { SetTimer(handle(), kResultPollTimer, kResultPollMs, nullptr); }

void DisplayWindow::killResultPoll() { KillTimer(handle(), kResultPollTimer); }

bool DisplayWindow::roleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kRestTimer) events_.restTimerFired();
      if (wParam == kResultPollTimer) events_.resultPollFired();
      return true;
    case WM_COPYDATA: {
      // Always answered as handled, whatever it held.
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      // A kind past 32 bits is none of the known ones.
      if (data && data->dwData <= 0xFFFFFFFFu)
        events_.triggerArrived(static_cast<uint32_t>(data->dwData), data->lpData, data->cbData);
      result = TRUE;
      return true;
    }
    case WM_CLOSE:
      events_.closeRequested();
      return true;
    case kResultStoredMessage:
      events_.resultPollFired();
      return true;
  }
  return false;
}

void DisplayWindow_HVR::start() { SetTimer(handle(), kLocalTimer, 0, nullptr); }

void DisplayWindow_HVR::kill() { KillTimer(handle(), kLocalTimer); }

bool DisplayWindow_HVR::roleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kLocalTimer) events_.localTimerFired();
      return true;
    case WM_CLOSE:
      events_.secondCloseRequested();
      return true;
  }
  return false;
}

}  // namespace lexiton::host
