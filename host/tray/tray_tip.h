// The tray icon's look and tip: which icon and state text the pointer tracking's state calls
// for, the dictionary name from the settings, and the tip "name (state)" as the notification
// area takes it.
#pragma once

#include <string>
#include <string_view>

#include "hover/hover_state.h"
#include "startup/c_ini.h"

namespace lexiton::host {

// The tip field of the first notification-icon record holds 63 characters and a zero.
inline constexpr std::size_t kTrayTipLength = 63;
// The dictionary name and the state text are each read up to this many characters.
inline constexpr std::size_t kTrayNameLength = 259;
// The name when the settings give none.
inline constexpr std::string_view kDefaultDictionaryName = "HoverMouse";

// The icon and the state text of the language library for a state: busy wins over paused.
struct TrayLook {
  int icon;
  int stateString;
};
TrayLook trayLook(const HoverState& hover);

// [dict] DictName<language> (DictName1038 for 1038), else [dict] DictName, else "HoverMouse";
// a missing and an empty value count alike. Cut to kTrayNameLength characters.
std::string dictionaryName(ProfileFunctions& profile, const std::string& configPath, int language);

// "name (state)", cut to kTrayTipLength characters.
std::string trayTip(std::string_view name, std::string_view state);

}  // namespace lexiton::host
