// Active Accessibility, the last resort: the object at the point, its value or else its name.
// It names no position within that text (wine answers with an Edit's or a rich edit's whole
// text), so only a short label is taken, whole (see labelWithoutPosition).
#pragma once

#include <windows.h>

#include <optional>

#include "captured_text.h"

namespace lexiton::textgrab::win {

std::optional<CapturedText> readAccessible(POINT screenPoint);

}  // namespace lexiton::textgrab::win
