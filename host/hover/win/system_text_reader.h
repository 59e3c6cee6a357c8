// The text reader's three entries ("textgrab.dll") with the fixed buffers the host hands them:
// 10000 wide characters for the text and 1048 bytes for the source's name, zeroed, on the stack
// of the evaluating call. What comes back is read no further than those buffers.
#pragma once

#include "engines/engine_table.h"
#include "hover/hover_tracker.h"

namespace lexiton::host {

inline constexpr int kReaderTextBuffer = 10000;
inline constexpr int kReaderSourceBuffer = 1048;
// The reach the host asks the reader for; its meaning is the reader's.
inline constexpr int kReaderReach = 5;

class SystemTextReader final : public TextReader {
 public:
  explicit SystemTextReader(const EngineTable& engines) : engines_(engines) {}
  bool tidy(const std::u16string& pending, std::u16string& text, int& cursor) override;
  bool documentAt(ScreenPoint at, std::u16string& text, int& cursor) override;
  bool windowAt(ScreenPoint at, std::u16string& text, int& cursor, std::string& source) override;

 private:
  const EngineTable& engines_;
};

}  // namespace lexiton::host
