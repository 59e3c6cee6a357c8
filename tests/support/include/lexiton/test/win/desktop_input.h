// Real input for tests under wine on Xvfb: xdotool, a Linux program that wine starts like any
// other, moves the X pointer and presses keys, and wine turns that into hardware input exactly
// as it does a user's. Wine never signals the end of a Linux process it started, so callers
// wait for the effect (the pointer's position, a message), never for the process.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace lexiton::test {

// Starts "/usr/bin/xdotool ARGUMENTS"; false when it could not be started.
bool xdotool(const std::string& arguments);
// The Linux path of a Windows path (through wine), for files xdotool reads.
std::string unixPath(const std::string& windowsPath);
// Waits until the pointer is at (x, y); false after `limitMs`.
bool waitForPointer(int x, int y, unsigned limitMs = 10000);
// Polls `done` every few milliseconds until it holds or `limit` passed; whether it held. It takes
// no message of the calling thread: under wine, a thread that takes its messages while xdotool
// plays keys leaves the pointer and key hooks of the programs started after it without input.
bool pollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

}  // namespace lexiton::test
