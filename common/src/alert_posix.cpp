// Without a windowing system an alert is a line on the standard error stream, and a question is
// too, answered no.
#include <lexiton/alert.h>

#include <cstdio>

namespace lexiton {

void showPlatformAlert(const Alert& alert) { std::fprintf(stderr, "%s\n", formatAlertLine(alert).c_str()); }

bool askPlatformQuestion(const Alert& question, void*) {
  std::fprintf(stderr, "%s\n", formatQuestionLine(question.text, question.caption).c_str());
  return false;
}

}  // namespace lexiton
