#include "tooltip/placement.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lexiton::host {

namespace {

// The painters put the tooltip this far below the pointer, or this far above it when flipped.
constexpr int kBelowPointer = 8;
constexpr int kAbovePointer = 18;
constexpr int kEdgeMargin = 2;

// A painter's rectangle (right and bottom inclusive) covers one pixel more than its values.
Size windowSize(Size painted) { return {painted.width + 1, painted.height + 1}; }

ScreenPoint plus(ScreenPoint a, ScreenPoint b) { return {a.x + b.x, a.y + b.y}; }

int64_t overlapArea(ScreenPoint a, Size as, ScreenPoint b, Size bs) {
  const int64_t w = std::min<int64_t>(a.x + as.width, b.x + bs.width) - std::max(a.x, b.x);
  const int64_t h = std::min<int64_t>(a.y + as.height, b.y + bs.height) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

PainterPlacement painterPlacement(ScreenPoint pointer, Size size, Size screen) {
  PainterPlacement placed{{pointer.x, pointer.y + kBelowPointer}, 0};
  if (screen.width < placed.position.x + size.width + kEdgeMargin) {
    placed.position.x -= size.width + kEdgeMargin;
    placed.corner = 2;
  }
  if (screen.height < placed.position.y + size.height + kEdgeMargin) {
    placed.position.y -= size.height + kAbovePointer;
    placed.corner |= 1;
  }
  if (placed.position.x < 0) {
    placed.position.x = 0;
    placed.corner = 4;
  }
  if (placed.position.y < 0) {
    placed.position.y = 0;
    placed.corner = 4;
  }
  return placed;
}

std::optional<ScreenPoint> painterInputFor(int corner, Size size, Size screen) {
  ScreenPoint input{-1, -1};  // left of and above the screen: pushed back, no corner
  if (corner != 4) {
    // Unflipped: at the screen's edge. Flipped: far enough right (or down) to flip and far
    // enough from the edge that the flipped tooltip is not pushed back.
    input.x = corner & 2 ? std::max(screen.width - size.width - 1, size.width + kEdgeMargin) : 0;
    input.y = corner & 1 ? std::max(screen.height - size.height - kBelowPointer - 1,
                                    size.height + kAbovePointer - kBelowPointer)
                         : 0;
  }
  if (painterPlacement(input, size, screen).corner != corner) return std::nullopt;
  return input;
}

MonitorPlan planOnMonitor(ScreenPoint input, ScreenPoint output, Size size, MonitorArea monitor,
                          Size painterScreen) {
  MonitorPlan plan;
  const PainterPlacement predicted = painterPlacement(input, size, painterScreen);
  if (predicted.position != output) {
    // A painter that places by another rule: its position stands, on the monitor.
    plan.position = keepOnMonitor(plus(monitor.origin(), output), windowSize(size), monitor);
    return plan;
  }
  const PainterPlacement wanted = painterPlacement(input, size, monitor.size());
  if (wanted.corner != predicted.corner)
    plan.repaintInput = painterInputFor(wanted.corner, size, painterScreen);
  plan.position = keepOnMonitor(plus(monitor.origin(), wanted.position), windowSize(size), monitor);
  return plan;
}

ScreenPoint keepOnMonitor(ScreenPoint position, Size size, MonitorArea monitor) {
  position.x = std::max(std::min(position.x, monitor.right - size.width), monitor.left);
  position.y = std::max(std::min(position.y, monitor.bottom - size.height), monitor.top);
  return position;
}

ScreenPoint placeSecondTooltip(ScreenPoint first, Size firstSize, ScreenPoint second, Size secondSize,
                               MonitorArea monitor) {
  // In the monitor's own coordinates, with its size as the screen.
  const ScreenPoint origin = monitor.origin();
  const int W = monitor.right - monitor.left, H = monitor.bottom - monitor.top;
  const int x1 = first.x - origin.x, y1 = first.y - origin.y, w1 = firstSize.width, h1 = firstSize.height;
  int x2 = second.x - origin.x, y2 = second.y - origin.y;
  const int w2 = secondSize.width, h2 = secondSize.height;
  auto onMonitor = [&](int x, int y) {
    return keepOnMonitor({x + origin.x, y + origin.y}, windowSize(secondSize), monitor);
  };

  const bool firstLeft = x1 <= x2;
  const int ax = firstLeft ? x1 : x2, ay = firstLeft ? y1 : y2, aw = firstLeft ? w1 : w2,
            ah = firstLeft ? h1 : h2;
  const int bx = firstLeft ? x2 : x1, by = firstLeft ? y2 : y1, bh = firstLeft ? h2 : h1;
  if (!(bx < ax + aw && ay < by + bh && by < ay + ah)) return onMonitor(x2, y2);

  const ScreenPoint below{x2, y1 + h1 - kSecondTooltipOverlap};
  const ScreenPoint above{x2, y1 - h2 + kSecondTooltipOverlap};
  const ScreenPoint right{x1 + w1, y2};
  const ScreenPoint left{x1 - w2, y2};
  if (y1 + h1 + h2 < H) return onMonitor(below.x, below.y);
  if (y1 - h2 > 0) return onMonitor(above.x, above.y);
  if (x1 + w1 + w2 < W) return onMonitor(right.x, right.y);
  if (x1 - w2 > 0) return onMonitor(left.x, left.y);

  // No side fits: each side pushed onto the monitor, the one that hides the least of the first.
  const std::array<ScreenPoint, 4> sides{below, above, right, left};
  ScreenPoint best = onMonitor(below.x, below.y);
  int64_t bestCover = -1;
  for (const ScreenPoint& side : sides) {
    const ScreenPoint placed = onMonitor(side.x, side.y);
    const int64_t cover = overlapArea(placed, windowSize(secondSize), first, windowSize(firstSize));
    if (bestCover < 0 || cover < bestCover) {
      best = placed;
      bestCover = cover;
    }
  }
  return best;
}

}  // namespace lexiton::host
