// The tray program's icon as the user sees it in the notification area. Under wine with no
// desktop shell on the display, wine's explorer shows the area's icons in windows of its own
// (one per icon); which of the program's icons is on show is read from the screen there.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

namespace lexiton::e2e {

// Of `icons` (resource ids in `library`), the one the only icon on show looks most like; nothing
// when no icon is on show.
std::optional<int> iconOnShow(HMODULE library, std::initializer_list<int> icons);

}  // namespace lexiton::e2e
