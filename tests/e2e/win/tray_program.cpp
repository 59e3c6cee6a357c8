#include "tray_program.h"

#include <lexiton/test/win/desktop_input.h>

#include <chrono>

#include "desktop.h"
#include "host_process.h"
#include "startup/win/host_windows.h"
#include "startup/win/splash_window.h"

namespace lexiton::e2e {

namespace {

using lexiton::host::SubscriberRecord;
using lexiton::host::test::findWindowOf;
using lexiton::host::test::readSubscriberRecord;
using lexiton::test::pollUntil;

constexpr DWORD kSendLimitMs = 10000;

struct ThreadWindows {
  HWND first;
  HWND second = nullptr;
  HWND main = nullptr;
};

BOOL CALLBACK sortWindow(HWND window, LPARAM into) {
  auto* found = reinterpret_cast<ThreadWindows*>(into);
  if (GetWindowLongPtrA(window, GWLP_USERDATA) == lexiton::host::MainWindow::kTag)
    found->main = window;
  else if (window != found->first && (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE))
    found->second = window;  // the other window made from the tooltips' template
  return TRUE;
}

}  // namespace

TrayProgram::TrayProgram(const std::string& folder) {
  std::string line = "\"" + folder + "Lexiton.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info))
    return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
}

std::unique_ptr<TrayProgram> TrayProgram::running() {
  const auto record = readSubscriberRecord();
  if (!record || !record->window) return nullptr;
  std::unique_ptr<TrayProgram> program(new TrayProgram());
  program->keep_ = true;  // not this object's to end
  program->processId_ = record->processId;
  program->process_ =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE, FALSE,
                  record->processId);
  if (!program->process_) return nullptr;
  program->first_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record->window));
  program->findWindows(record->threadId);
  return program;
}

TrayProgram::~TrayProgram() {
  if (!process_) return;
  // A program a failed test left running must not outlive it.
  if (!keep_ && alive()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool TrayProgram::alive() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void TrayProgram::findWindows(DWORD threadId) {
  ThreadWindows found{first_};
  EnumThreadWindows(threadId, &sortWindow, reinterpret_cast<LPARAM>(&found));
  second_ = found.second;
  main_ = found.main;
}

bool TrayProgram::waitUntilReady(std::chrono::milliseconds limit) {
  std::optional<SubscriberRecord> record;
  const bool published = pollUntil(
      [&] {
        record = readSubscriberRecord();
        return !alive() || (record && record->processId == processId_ && record->window && record->enabled);
      },
      limit);
  if (!published || !alive()) return false;
  first_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(record->window));
  findWindows(record->threadId);
  // The splash is made before the record is published and closes itself after its time.
  return first_ && second_ && main_ &&
         pollUntil([&] { return !findWindowOf(processId_, lexiton::host::SplashWindow::kClassName); }, limit);
}

bool TrayProgram::waitUntilTooltipsSettle(std::chrono::milliseconds still,
                                          std::chrono::milliseconds limit) const {
  const auto bothShown = [&] { return visible(first_) && visible(second_); };
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (!pollUntil(bothShown, limit)) return false;
    const RECT first = windowRect(first_), second = windowRect(second_);
    const auto changed = [&] {
      const RECT firstNow = windowRect(first_), secondNow = windowRect(second_);
      return !bothShown() || !EqualRect(&first, &firstNow) || !EqualRect(&second, &secondNow);
    };
    if (!pollUntil(changed, still)) return true;
  }
  return false;
}

std::optional<DWORD> TrayProgram::endSession(std::chrono::milliseconds limit) {
  if (!process_ || !main_) return std::nullopt;
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(main_, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &answer);
  SendMessageTimeoutA(main_, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &answer);
  if (WaitForSingleObject(process_, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace lexiton::e2e
