// The Windows face of showAlert: a message box with no owner window.
#include <lexiton/alert.h>

#include <windows.h>

namespace lexiton {

void showPlatformAlert(const Alert& alert) {
  UINT icon = MB_ICONERROR;
  if (alert.icon == AlertIcon::warning) icon = MB_ICONWARNING;
  if (alert.icon == AlertIcon::information) icon = MB_ICONINFORMATION;
  MessageBoxA(nullptr, alert.text.c_str(), alert.caption.c_str(), MB_OK | icon);
}

}  // namespace lexiton
