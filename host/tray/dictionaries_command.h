// The tray's Dictionaries command: starts the local dictionary engine if it is not running,
// lets the engine show its own dictionary dialog, then asks it which dictionaries are open.
// The second tooltip is on exactly when any is, and [dict] HVRDicts records whether one of
// them is a hover dictionary (an identifier beginning with '2'), so the engine starts with the
// program next time.
#pragma once

#include <optional>
#include <string>

#include "engines/engine_table.h"
#include "startup/c_ini.h"

namespace lexiton::host {

// The buffer the engine lists its open dictionaries in: zero-terminated identifiers, the list
// ended by an empty one.
inline constexpr std::size_t kOpenDictionariesBuffer = 256;

// The whole command. Nothing when the engine could not be started (nothing else happens then);
// otherwise the HVRDicts value written (0 or 1). Throws cIni::cExc when it cannot be written.
std::optional<int> runDictionariesCommand(HoverDictionarySwitch& dictionaries, const EngineTable& engines,
                                          int language, ProfileFunctions& profile,
                                          const std::string& configPath);

}  // namespace lexiton::host
