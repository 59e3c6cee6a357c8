// The tray icon as the shell holds and shows it, read from outside the program: whether the
// shell knows an icon (owner window, id), and which of the language library's three icons the
// notification area is drawing. Under wine with no notification area of another program on the
// display, wine shows the icons in a window of its own, one child window per icon.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

namespace lexiton::host::test {

// Whether the shell holds the icon `id` of `owner`: a change of nothing succeeds only then.
bool trayIconPresent(HWND owner, UINT id);

// Of `icons` (ids in `library`), the one the only icon on show in wine's notification area
// looks most like; nothing when no icon is on show.
std::optional<int> trayIconOnShow(HMODULE library, std::initializer_list<int> icons);

}  // namespace lexiton::host::test
