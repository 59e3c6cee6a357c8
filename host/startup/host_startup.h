// The host's life from process start to the end: the start-up sequence with its failure table,
// the main message loop, the exit routine and the steps after the loop. The decisions are here;
// the system calls are behind the narrow interfaces of startup/host_platform.h
// (startup/win/system_host_platform.cpp in the program).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engines/engine_table.h"
#include "startup/c_ini.h"
#include "startup/custom_colors.h"
#include "startup/host_paths.h"
#include "startup/host_platform.h"

namespace lexiton::host {

// The settings MainWindow reads when it is created and the exit routine writes back.
struct WindowSettings {
  uint32_t tooltipColour = 0;  // [dict] TTColor; 0 = the system's tooltip colour
  bool autoRun = false;        // [dict] AutoRun; any non-zero value reads as set
  CustomColors customColors = whiteCustomColors();
};

// Reads them with one cIni; throws cIni::cExc.
WindowSettings readWindowSettings(ProfileFunctions& functions, const std::string& configPath);

// Exit code of an ended start-up, and of a failed message loop.
inline constexpr int kStartupEndedCode = 0;
inline constexpr int kMessageLoopFailedCode = -1;

// The start-up sequence, the loop and what follows it; returns the process's exit code.
int runHost(const HostPlatform& platform);

// [dict] FeedbackText as the feedback-text flag: any value but 0 is on. Throws cIni::cExc.
bool readFeedbackText(ProfileFunctions& functions, const std::string& configPath);
// The flag written back as 1 or 0. Throws cIni::cExc.
void saveFeedbackText(ProfileFunctions& functions, const std::string& configPath, bool on);

// The part of the exit routine after KVExit agreed and the tray icon and hook went: the window
// settings written with one cIni. A setting that cannot be written does not stop the others;
// the first failure is returned as one message text (empty when all were saved).
std::string saveWindowSettings(ProfileFunctions& functions, const std::string& configPath,
                               const WindowSettings& settings);

}  // namespace lexiton::host
