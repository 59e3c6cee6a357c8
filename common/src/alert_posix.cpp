// Without a windowing system an alert is a line on the standard error stream.
#include <lexiton/alert.h>

#include <cstdio>

namespace lexiton {

void showPlatformAlert(const Alert& alert) { std::fprintf(stderr, "%s\n", formatAlertLine(alert).c_str()); }

}  // namespace lexiton
