// Hands a finished frame to TipPaint's caller: the window region, the size and the position.
#include <tippaint/win/painter_paths.h>

namespace tippaint::win {

void deliver_frame(const FrameResult& frame, const TipPaintOutput& out) {
  POINT points[frame::kBubblePoints];
  for (int i = 0; i < frame::kBubblePoints; ++i) points[i] = {frame.region[i].x, frame.region[i].y};
  *out.region = CreatePolygonRgn(points, frame::kBubblePoints, WINDING);
  *out.size = RECT{0, 0, frame.size.width, frame.size.height};
  *out.x = frame.placement.x;
  *out.y = frame.placement.y;
}

}  // namespace tippaint::win
