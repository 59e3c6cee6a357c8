#include "point_range.h"

#include <algorithm>

namespace lexiton::textgrab {

namespace {

bool hasVisibleText(const std::u16string& text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c > u' ' && c != u'\u00A0'; });
}

}  // namespace

std::optional<CapturedText> readPointRange(PointRange& range) {
  for (TextUnit unit : {TextUnit::paragraph, TextUnit::line}) {
    auto text = range.enclosingText(unit);
    if (!text || !hasVisibleText(*text)) continue;
    const auto before = range.textBeforePoint(unit);
    if (!before) continue;
    // A provider may give the two texts from different snapshots; the cursor never leaves the
    // text, and a point past its end is on its last character.
    const std::size_t cursor = std::min(before->size(), text->size() - 1);
    return CapturedText{std::move(*text), cursor};
  }
  return std::nullopt;
}

}  // namespace lexiton::textgrab
