// Every message box of the host and the libraries goes through showAlert. On Windows it is a
// MessageBoxA with no owner; tests install a recorder with setAlertHook, and a process under
// test (loaded DLLs, the host) can be told through the environment variable
// LEXITON_ALERT_FILE to append each alert to that file instead of showing it, so no test ever
// waits for a person. Each module that links this code has its own hook.
#pragma once

#include <string>
#include <string_view>

namespace lexiton {

enum class AlertIcon { error, warning, information };

struct Alert {
  std::string text;
  std::string caption;
  AlertIcon icon;
};

// Called instead of the system message box; must be safe to call from any thread.
using AlertHook = void (*)(const Alert& alert, void* context);

// Shows (or hands to the hook) one alert and returns when it is dismissed.
void showAlert(std::string_view text, std::string_view caption, AlertIcon icon);

// Installs a hook for this module; null restores the default. Returns the previous hook.
AlertHook setAlertHook(AlertHook hook, void* context);

// The line LEXITON_ALERT_FILE receives for one alert: "icon|caption|text", with line breaks
// in the text written as "\n".
std::string formatAlertLine(const Alert& alert);

}  // namespace lexiton
