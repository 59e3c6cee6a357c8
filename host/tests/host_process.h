// Running the real Lexiton.exe under test: a program folder of its own with the libraries a
// test chooses, the "AppData" shell folder pointed at a data directory of the test's, the
// alerts it would have shown and the stand-ins' log read back, the shared block read under its
// mutex as an outside program reads it, and an orderly end through the end-of-session message.
#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared_memory/subscriber_record.h"

namespace lexiton::host::test {

std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);
bool fileExists(const std::string& path);

// HKCU "Shell Folders" AppData, set for the tests and put back afterwards.
class AppDataOverride {
 public:
  AppDataOverride();
  ~AppDataOverride();
  void set(const std::string& folder);
  void remove();

 private:
  std::optional<std::string> original_;
};

// The shared block's record, read under its mutex like a peer; nothing while there is none.
std::optional<SubscriberRecord> readSubscriberRecord();

class HostProcess {
 public:
  // A fresh program folder "host_runs\NAME" beside the test, with Lexiton.exe and every
  // library and data file of a normal installation.
  explicit HostProcess(const std::string& name);
  ~HostProcess();
  HostProcess(const HostProcess&) = delete;
  HostProcess& operator=(const HostProcess&) = delete;

  const std::string& folder() const { return folder_; }
  // Puts the file `source` of the bin folder into the program folder as `name`; an empty
  // source removes `name`.
  void place(const std::string& name, const std::string& source);

  // Starts the program with `arguments`.
  void start(const std::string& arguments = "");
  // Waits for it to end by itself; its exit code, or nothing after the time limit.
  std::optional<DWORD> waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(60));
  // Waits until the shared block names this process's window.
  std::optional<SubscriberRecord> waitForRecord(std::chrono::milliseconds limit = std::chrono::seconds(60));
  // The window tagged "HVR " among the process's windows.
  HWND mainWindow(const SubscriberRecord& record) const;
  // The end-of-session messages to MainWindow, then the wait for the exit.
  std::optional<DWORD> endSession(const SubscriberRecord& record,
                                  std::chrono::milliseconds limit = std::chrono::seconds(60));
  DWORD processId() const { return info_.dwProcessId; }
  bool running() const;
  // Ends the process at once, as Windows does after the end of a session was answered.
  void terminate();

 private:
  std::string folder_;
  PROCESS_INFORMATION info_{};
};

// The bin folder the test runs in (with a trailing backslash).
std::string binFolder();

// A visible top-level window of the process `processId` with the class and (when given) the
// caption, or null.
HWND findWindowOf(DWORD processId, const char* className, const char* caption = nullptr);
// The same, waited for up to `limit`.
HWND waitForWindowOf(DWORD processId, const char* className, const char* caption = nullptr,
                     std::chrono::milliseconds limit = std::chrono::seconds(20));
// Waits until `done` holds, for up to `limit`, handling the test thread's own messages
// meanwhile (the dialog driver's timer runs on them); false after the limit. Tests that play
// real keys wait with desktop_input.h's pollUntil instead.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20));

// A picture of the whole display in `unixFile` (a Linux path), taken with ImageMagick's import
// once the program's splash has gone; returns when the file is written.
void screenshotTo(const std::string& unixFile);
// The same as NAME.png in the folder LEXITON_SCREENSHOT_DIR names; nothing when it is unset.
void screenshot(const std::string& name);

}  // namespace lexiton::host::test
