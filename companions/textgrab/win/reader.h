// The text reader's decisions for one point: which window is under it, whether it may be read
// at all (not the host's own windows, not a window that does not answer), and the methods in
// order, the first that finds text winning.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "captured_text.h"

namespace lexiton::textgrab::win {

struct Reading {
  CapturedText text;     // the whole text the method found, cursor on the point's character
  std::wstring program;  // the owning program's file name, without its folder
};

// The text around `screenPoint` in any window.
std::optional<Reading> readAt(POINT screenPoint);

// The same for a word processor's document window only; nothing over any other window.
std::optional<Reading> readDocumentAt(POINT screenPoint);

}  // namespace lexiton::textgrab::win
