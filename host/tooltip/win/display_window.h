// The two tooltip windows, each with its role. DisplayWindow shows the look-up's result painted
// by "mtippaint.dll"; it carries the pointer tracking's timers (the rest timer and the result
// poll) and is the window the shared block names for other programs' trigger messages.
// DisplayWindow_HVR shows the local dictionary's entry painted by "tippaint.dll"; its timer runs
// the local look-up. Each receives its object through the creation parameter and hands its own
// messages to the events its owner gives it.
#pragma once

#include <windows.h>

#include "hover/hover_tracker.h"
#include "tooltip/win/tooltip_surface.h"

namespace lexiton::host {

class DisplayWindow final : public TooltipSurface, public HoverTimers {
 public:
  static constexpr UINT_PTR kRestTimer = 1;
  static constexpr UINT_PTR kResultPollTimer = 102;
  // A worker's notice that its result is stored: the result poll at once. The poll's timer stays
  // as the fallback for a notice that never comes.
  static constexpr UINT kResultStoredMessage = WM_APP + 2;

  class Events {
   public:
    virtual ~Events() = default;
    virtual void restTimerFired() = 0;
    virtual void resultPollFired() = 0;
    // WM_COPYDATA: a trigger message of `kind` with `size` bytes at `data`.
    virtual void triggerArrived(uint32_t kind, const void* data, std::size_t size) = 0;
    // WM_CLOSE: the pointer moved on, a key, the tray.
    virtual void closeRequested() = 0;
  };

  DisplayWindow(TipPaintFn painter, Monitors& monitors, Events& events)
      : TooltipSurface(painter, monitors), events_(events) {}
  bool create(HINSTANCE program) { return createWindow(program); }

  // HoverTimers
  void startRestTimer(int milliseconds) override;
  void killRestTimer() override;
  void startResultPoll() override;
  void killResultPoll() override;

 private:
  bool roleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  Events& events_;
};

class DisplayWindow_HVR final : public TooltipSurface, public LocalTimer {
 public:
  static constexpr UINT_PTR kLocalTimer = 2;

  class Events {
   public:
    virtual ~Events() = default;
    virtual void localTimerFired() = 0;
    virtual void secondCloseRequested() = 0;
  };

  DisplayWindow_HVR(TipPaintFn painter, Monitors& monitors, Events& events)
      : TooltipSurface(painter, monitors), events_(events) {}
  bool create(HINSTANCE program) { return createWindow(program); }

  // LocalTimer: the shortest interval there is.
  void start() override;
  void kill() override;

 private:
  bool roleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  Events& events_;
};

}  // namespace lexiton::host
