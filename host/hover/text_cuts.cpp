#include "hover/text_cuts.h"

#include <algorithm>

namespace lexiton::host {

TriggerText cutToCursorLine(std::u16string text, int cursor) {
  const int length = static_cast<int>(text.size());
  // The last line feed at or before the cursor (a cursor past the end searches the whole text).
  if (length > 0 && cursor >= 0) {
    const std::size_t from = static_cast<std::size_t>(std::min(cursor, length - 1));
    const std::size_t feed = text.rfind(u'\n', from);
    if (feed != std::u16string::npos) {
      text.erase(0, feed + 1);
      cursor -= static_cast<int>(feed);
    }
  }
  if (cursor >= 0 && cursor < static_cast<int>(text.size())) {
    const std::size_t feed = text.find(u'\n', static_cast<std::size_t>(cursor));
    if (feed != std::u16string::npos) text.erase(feed);
  }
  for (char16_t& c : text)
    if (c < 0x20) c = u' ';
  return TriggerText{std::move(text), cursor};
}

std::u16string localLookupText(const std::u16string& text, int cursor) {
  std::u16string cut = text;
  const int length = static_cast<int>(text.size());
  if (text.size() > kLocalTextWhole) {
    const int first = std::max(cursor - kLocalTextReach, 0);
    const int last = std::min(cursor + kLocalTextReach, length - 1);
    cut = first <= last
              ? text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1))
              : std::u16string();
    cursor -= first;
  }
  if (cursor >= 0 && cursor < static_cast<int>(cut.size()))
    cut.insert(static_cast<std::size_t>(cursor), 1, u'@');
  return cut;
}

}  // namespace lexiton::host
