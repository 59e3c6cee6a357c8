// What the hook reports for one key press: the character the key gives in the foreground
// window's layout. Modifier keys alone are not reported (they only start a combination); a key
// that gives no character (an arrow, F1) is reported as 0, so the host still learns that the
// user pressed something.
#pragma once

#include <optional>

namespace lexiton::ptrhook {

// `produced` holds what the layout's translation returned for virtual key `virtualKey`:
// `count` characters, or a negative count for a dead key whose spacing form is produced[0].
std::optional<unsigned> keyReport(unsigned virtualKey, const char16_t* produced, int count);

}  // namespace lexiton::ptrhook
