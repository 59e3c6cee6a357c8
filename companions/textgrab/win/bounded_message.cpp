#include "win/bounded_message.h"

namespace lexiton::textgrab::win {

std::optional<LRESULT> ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT,
                           kMessageTimeoutMs, &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

}  // namespace lexiton::textgrab::win
