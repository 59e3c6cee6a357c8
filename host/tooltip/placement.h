// Where the tooltips go. The painters place a tooltip beside the pointer on the screen they know,
// the size of the primary display with its corner at (0, 0); the host gives them the pointer in
// the coordinates of the monitor under it and puts the result back on that monitor, so a
// tooltip appears on the pointer's monitor and stays fully on it, also on monitors left of or
// above the primary (negative coordinates). The second tooltip then moves out of the first one's
// way. All of it is arithmetic on rectangles, tested over one and over two monitors.
#pragma once

#include <optional>

#include "hover/hover_state.h"

namespace lexiton::host {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A monitor's area on the virtual screen; right and bottom are exclusive.
struct MonitorArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  Size size() const { return {right - left, bottom - top}; }
  ScreenPoint origin() const { return {left, top}; }
};

// Which corner of a tooltip points at the pointer: 0 top-left (below right of the pointer), 1
// bottom-left (above), 2 top-right (to the left), 3 bottom-right, 4 none (pushed onto the screen).
struct PainterPlacement {
  ScreenPoint position;
  int corner = 0;
  friend bool operator==(const PainterPlacement&, const PainterPlacement&) = default;
};

// How a painter places a tooltip of `size` for a pointer at `pointer` on a screen of `screen`.
PainterPlacement painterPlacement(ScreenPoint pointer, Size size, Size screen);

// The pointer position to give the painter, on its screen, so that it paints the tooltip with
// the corner `corner`; nothing when no position gives that corner (a tooltip larger than the
// painter's screen).
std::optional<ScreenPoint> painterInputFor(int corner, Size size, Size screen);

// The first paint of a tooltip on a monitor: the painter was given `input` (the pointer relative
// to the monitor) and answered `output` and `size`. What to do next.
struct MonitorPlan {
  // When set, paint again with this input: the painter's screen differs from the monitor, and the
  // tooltip's pointing corner must be the one it has on the monitor.
  std::optional<ScreenPoint> repaintInput;
  // Where the tooltip goes on the virtual screen, fully on the monitor where it fits.
  ScreenPoint position;
};
MonitorPlan planOnMonitor(ScreenPoint input, ScreenPoint output, Size size, MonitorArea monitor,
                          Size painterScreen);

// `position` moved the least that puts a window of `size` fully on `monitor`; a window larger
// than the monitor keeps its left or top edge on the monitor's.
ScreenPoint keepOnMonitor(ScreenPoint position, Size size, MonitorArea monitor);

// The overlap of the second tooltip with the first.
inline constexpr int kSecondTooltipOverlap = 21;

// Where the second tooltip goes: where its painter put it when it does not overlap the first;
// else below the first (overlapping its lower 21 pixels), above it, right of it or left of it,
// the first side where it fits on the monitor; where none fits, the side on which it covers the
// least of the first tooltip once it is pushed fully onto the monitor (in that order on a tie).
// The sizes are the painters' rectangles' right and bottom values.
ScreenPoint placeSecondTooltip(ScreenPoint first, Size firstSize, ScreenPoint second, Size secondSize,
                               MonitorArea monitor);

}  // namespace lexiton::host
