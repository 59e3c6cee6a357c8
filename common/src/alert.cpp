#include <lexiton/alert.h>

#include <mutex>

#include "test_record_file.h"

namespace lexiton {

// Shows the alert the platform's way (alert_win.cpp, or stderr elsewhere).
void showPlatformAlert(const Alert& alert);

namespace {

std::mutex gHookLock;
AlertHook gHook = nullptr;
void* gHookContext = nullptr;

const char* iconName(AlertIcon icon) {
  switch (icon) {
    case AlertIcon::error:
      return "error";
    case AlertIcon::warning:
      return "warning";
    case AlertIcon::information:
      return "information";
  }
  return "?";
}

}  // namespace

std::string formatAlertLine(const Alert& alert) {
  std::string line = std::string(iconName(alert.icon)) + "|" + alert.caption + "|";
  for (char c : alert.text) {
    if (c == '\n')
      line += "\\n";
    else if (c != '\r')
      line += c;
  }
  return line;
}

void showAlert(std::string_view text, std::string_view caption, AlertIcon icon) {
  const Alert alert{std::string(text), std::string(caption), icon};
  AlertHook hook;
  void* context;
  {
    std::lock_guard<std::mutex> guard(gHookLock);
    hook = gHook;
    context = gHookContext;
  }
  if (hook) return hook(alert, context);
  if (detail::appendToRecordFile("LEXITON_ALERT_FILE", formatAlertLine(alert))) return;
  showPlatformAlert(alert);
}

AlertHook setAlertHook(AlertHook hook, void* context) {
  std::lock_guard<std::mutex> guard(gHookLock);
  AlertHook previous = gHook;
  gHook = hook;
  gHookContext = context;
  return previous;
}

}  // namespace lexiton
