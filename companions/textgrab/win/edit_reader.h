// Standard Edit and RichEdit controls of any process: the character under the point
// (EM_CHARFROMPOS) and the control's text, both asked across the process boundary with bounded
// messages. Password fields are never read.
#pragma once

#include <windows.h>

#include <optional>

#include "captured_text.h"

namespace lexiton::textgrab::win {

enum class EditKind { none, edit, richEdit };

// What kind of text control `window` is, by its class.
EditKind editKind(HWND window);

// Whether `window` is an Edit or RichEdit that hides its text (ES_PASSWORD). Such a field is
// read by no method: accessibility may still hand out its text.
bool isPasswordField(HWND window);

// The control's whole text and the index of the character at `screenPoint` in it; nothing when
// the window is not such a control, hides its text, or does not answer in time.
std::optional<CapturedText> readEditControl(HWND window, POINT screenPoint);

}  // namespace lexiton::textgrab::win
