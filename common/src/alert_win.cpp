// The Windows face of showAlert, a message box with no owner window, and of askYesNo, a message
// box with Yes and No.
#include <lexiton/alert.h>

#include <windows.h>

namespace lexiton {

void showPlatformAlert(const Alert& alert) {
  UINT icon = MB_ICONERROR;
  if (alert.icon == AlertIcon::warning) icon = MB_ICONWARNING;
  if (alert.icon == AlertIcon::information) icon = MB_ICONINFORMATION;
  MessageBoxA(nullptr, alert.text.c_str(), alert.caption.c_str(), MB_OK | icon);
}

bool askPlatformQuestion(const Alert& question, void* owner) {
  return MessageBoxA(static_cast<HWND>(owner), question.text.c_str(), question.caption.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace lexiton
