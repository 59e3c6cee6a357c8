// UI Automation, the second method, for windows that are not standard text controls (browsers,
// Office, PDF viewers, modern applications). The automation object is asked for only through
// CoCreateInstance, so a system without it (wine has no UI Automation client: the class is not
// registered) falls back to the next method cleanly.
#pragma once

#include <windows.h>

#include <optional>

#include "captured_text.h"

namespace lexiton::textgrab::win {

// Whether this system has a UI Automation client to ask.
bool automationAvailable();

std::optional<CapturedText> readAutomation(POINT screenPoint);

}  // namespace lexiton::textgrab::win
