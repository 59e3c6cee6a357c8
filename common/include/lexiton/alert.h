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

// A question answered yes or no ("No" the default), through the same machinery: a hook
// installed with setQuestionHook answers it; else, with LEXITON_ALERT_FILE set, the line
// "question|caption|text" is appended to that file and the answer is the next of the
// comma-separated "yes" and "no" in LEXITON_QUESTION_ANSWERS (no once they run out); else the
// platform asks: on Windows a message box with Yes and No owned by `owner` (may be null),
// elsewhere a line on standard error and no. True for yes.
bool askYesNo(std::string_view text, std::string_view caption, void* owner);

// Called instead of asking; its return value is the answer. `question.icon` is not used.
using QuestionHook = bool (*)(const Alert& question, void* context);
QuestionHook setQuestionHook(QuestionHook hook, void* context);

// The line LEXITON_ALERT_FILE receives for one question: "question|caption|text".
std::string formatQuestionLine(std::string_view text, std::string_view caption);

}  // namespace lexiton
