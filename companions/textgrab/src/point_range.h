// Reading through a text pattern (UI Automation): the range at the point is expanded to the
// paragraph around it, or to its line where the provider has no paragraphs, and the cursor is
// the length of the text from that range's start to the point. The COM calls that answer these
// questions are thin (win/automation_reader.cpp); the choices are made here.
#pragma once

#include <optional>
#include <string>

#include "captured_text.h"

namespace lexiton::textgrab {

// The text pattern's units, with the values UI Automation gives them.
enum class TextUnit { character = 0, format = 1, word = 2, line = 3, paragraph = 4, page = 5, document = 6 };

// The questions the reader asks about the (degenerate) range at a point.
class PointRange {
 public:
  virtual ~PointRange() = default;
  // The text of the point's range expanded to the `unit` around it; nothing when the provider
  // cannot expand to that unit.
  virtual std::optional<std::u16string> enclosingText(TextUnit unit) = 0;
  // The text from the start of that expanded range to the start of the point's range.
  virtual std::optional<std::u16string> textBeforePoint(TextUnit unit) = 0;
};

// The most characters asked of a provider for one range.
constexpr int kMaxRangeCharacters = 1 << 20;

// The paragraph (else the line) at the point with the cursor on the point's character; nothing
// when neither unit gives visible text.
std::optional<CapturedText> readPointRange(PointRange& range);

}  // namespace lexiton::textgrab
