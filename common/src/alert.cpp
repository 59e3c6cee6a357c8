#include <lexiton/alert.h>

#include <cstdlib>
#include <mutex>

#include "test_record_file.h"

namespace lexiton {

// Shows the alert the platform's way (alert_win.cpp, or stderr elsewhere).
void showPlatformAlert(const Alert& alert);
// Asks the question the platform's way; true for yes.
bool askPlatformQuestion(const Alert& question, void* owner);

namespace {

std::mutex gHookLock;
AlertHook gHook = nullptr;
void* gHookContext = nullptr;
QuestionHook gQuestionHook = nullptr;
void* gQuestionContext = nullptr;
// LEXITON_QUESTION_ANSWERS as last read, and how many of its answers were given.
std::string gAnswers;
std::size_t gQuestionsAnswered = 0;

std::string escapedLine(std::string_view kind, std::string_view caption, std::string_view text) {
  std::string line = std::string(kind) + "|" + std::string(caption) + "|";
  for (char c : text) {
    if (c == '\n')
      line += "\\n";
    else if (c != '\r')
      line += c;
  }
  return line;
}

// The answer a process under test was given for its next question.
bool nextScriptedAnswer() {
  const char* set = std::getenv("LEXITON_QUESTION_ANSWERS");
  const std::string answers = set ? set : "";
  std::size_t index = 0;
  {
    std::lock_guard<std::mutex> guard(gHookLock);
    // New answers start from their first.
    if (answers != gAnswers) {
      gAnswers = answers;
      gQuestionsAnswered = 0;
    }
    index = gQuestionsAnswered++;
  }
  std::string_view rest = answers;
  for (;;) {
    const std::size_t comma = rest.find(',');
    const std::string_view answer = rest.substr(0, comma);
    if (index == 0) return answer == "yes";
    if (comma == std::string_view::npos) return false;
    rest.remove_prefix(comma + 1);
    --index;
  }
}

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
  return escapedLine(iconName(alert.icon), alert.caption, alert.text);
}

std::string formatQuestionLine(std::string_view text, std::string_view caption) {
  return escapedLine("question", caption, text);
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

bool askYesNo(std::string_view text, std::string_view caption, void* owner) {
  const Alert question{std::string(text), std::string(caption), AlertIcon::information};
  QuestionHook hook;
  void* context;
  {
    std::lock_guard<std::mutex> guard(gHookLock);
    hook = gQuestionHook;
    context = gQuestionContext;
  }
  if (hook) return hook(question, context);
  if (detail::appendToRecordFile("LEXITON_ALERT_FILE", formatQuestionLine(text, caption)))
    return nextScriptedAnswer();
  return askPlatformQuestion(question, owner);
}

QuestionHook setQuestionHook(QuestionHook hook, void* context) {
  std::lock_guard<std::mutex> guard(gHookLock);
  QuestionHook previous = gQuestionHook;
  gQuestionHook = hook;
  gQuestionContext = context;
  return previous;
}

AlertHook setAlertHook(AlertHook hook, void* context) {
  std::lock_guard<std::mutex> guard(gHookLock);
  AlertHook previous = gHook;
  gHook = hook;
  gHookContext = context;
  return previous;
}

}  // namespace lexiton
