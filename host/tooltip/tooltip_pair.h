// The two tooltips together: the first shows the look-up's result, the second the local
// dictionary's entry for the same words. The second is looked up and painted on its own timer,
// shown only once the first is shown (whichever comes second shows it), moved out of the first
// one's way, and closed with it. Display suppression paints and shows nothing while the rest of
// the cycle runs as if it had. Portable: the windows, the local dictionary and the monitors are
// the narrow interfaces below (tooltip/win on Windows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engines/engine_table.h"
#include "hover/hover_state.h"
#include "hover/hover_tracker.h"
#include "tooltip/display_flags.h"
#include "tooltip/placement.h"

namespace lexiton::host {

// One tooltip window: a painter paints into its off-screen bitmap, the window shows that part of
// it in the painter's shape.
class TooltipWindow {
 public:
  virtual ~TooltipWindow() = default;
  // Paints `list` for a pointer at `pointer` with the background `colour` (0 = the system's
  // tooltip colour). The previous region goes unless the window has it; the painter's size,
  // position and new region are kept for show(). Whether the painter painted something.
  virtual bool paint(const std::vector<uint8_t>& list, ScreenPoint pointer, uint32_t colour) = 0;
  virtual ScreenPoint position() const = 0;
  virtual Size paintedSize() const = 0;  // the painter's rectangle's right and bottom
  virtual void moveTo(ScreenPoint position) = 0;
  // Topmost at the position with the painted size, not activated, in the painter's shape (the
  // window owns the region from then on).
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual bool visible() const = 0;
  // Deletes a region the painter gave that the window never got.
  virtual void discardRegion() = 0;
};

// Timer 2 on the second tooltip: fires as soon as the main thread is free.
class LocalTimer {
 public:
  virtual ~LocalTimer() = default;
  virtual void start() = 0;
  virtual void kill() = 0;
};

// The local dictionary engine ("dictcore.dll").
class LocalDictionary {
 public:
  virtual ~LocalDictionary() = default;
  // GetOpenDicts: whether an open dictionary is a hover dictionary (its entry begins with '2').
  virtual bool hoverDictionaryOpen() = 0;
  // LookupRIFFW(text, 1, result, ...): whether there is a result to paint.
  virtual bool lookUp(const std::u16string& text, const std::string& notFoundText,
                      std::vector<uint8_t>& result) = 0;
};

// The monitor under a point (the nearest one when the point is on none).
class Monitors {
 public:
  virtual ~Monitors() = default;
  virtual MonitorArea at(ScreenPoint point) = 0;
};

class TooltipPair final : public TooltipControl {
 public:
  struct Parts {
    TooltipWindow& main;
    TooltipWindow& second;
    LocalTimer& localTimer;
    LocalDictionary& dictionary;
    Monitors& monitors;
    const EngineTable& engines;  // whether the second tooltip is enabled
    DisplayFlags& flags;
    const HoverState& hover;        // the evaluated position
    const uint32_t& tooltipColour;  // [dict] TTColor as it is now
    std::string localNotFoundText;  // string 32, or "<???>"
  };

  explicit TooltipPair(Parts parts) : p_(std::move(parts)) {}

  // TooltipControl
  bool mainVisible() override { return p_.main.visible(); }
  void closeMain() override;
  bool secondEnabled() override { return p_.engines.secondTooltipEnabled(); }
  void scheduleLocal(std::u16string text) override;
  bool paintMain(const std::vector<uint8_t>& result, ScreenPoint at) override;
  void showMain() override;
  void discardMain() override { p_.main.discardRegion(); }

  // The second tooltip's close message.
  void closeSecond();
  // Timer 2: the local look-up and the second tooltip's painting.
  void localTimerFired();

 private:
  void tryShowSecond();

  Parts p_;
  std::u16string localText_;
  std::vector<uint8_t> localResult_;
};

}  // namespace lexiton::host
