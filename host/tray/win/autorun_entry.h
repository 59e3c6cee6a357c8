// The program's entry among the current user's programs that Windows starts at logon:
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, value "Lexiton", the program's full path
// in quotes. [dict] AutoRun is the setting; the tray writes or removes this entry at start and
// on every change, so the two never disagree. The installer writes the same value.
#pragma once

#include <string>

namespace lexiton::host {

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Lexiton";

// The value's data for the program file `programFile`.
inline std::string autoRunCommand(const std::string& programFile) { return "\"" + programFile + "\""; }

// Writes the entry for the running program, or removes it; false when the registry refused.
bool setAutoRunEntry(bool on);

}  // namespace lexiton::host
