#include "tray/win/about_box.h"

#include <lexiton/ui_resources.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "links/links.h"

namespace lexiton::host {

namespace {

// What one EM_STREAMIN call reads from.
struct StreamSource {
  std::string_view text;
  std::size_t at = 0;
};

// Hands the control the next piece, no larger than it asks for.
DWORD CALLBACK readPiece(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->text.size() - source->at;
  const std::size_t piece = std::min(left, static_cast<std::size_t>(std::max<LONG>(wanted, 0)));
  std::memcpy(buffer, source->text.data() + source->at, piece);
  source->at += piece;
  *given = static_cast<LONG>(piece);
  return 0;
}

// Replaces the control's selection with `text`, so texts streamed one after the other follow
// each other. False when the control reported an error.
bool streamIn(HWND control, std::string_view text, WPARAM format) {
  StreamSource source{text};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = &readPiece;
  SendMessageA(control, EM_STREAMIN, format | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

void fill(HWND control, GetCopyRightInfoFn aboutTexts) {
  const LxTextList* texts = aboutTexts ? aboutTexts() : nullptr;
  bool shown = false;
  if (texts && texts->items) {
    for (uint32_t i = 0; i < texts->count; ++i) {
      const char* text = texts->items[i];
      if (text && streamIn(control, text, SF_RTF)) shown = true;
      if (i + 1 < texts->count) streamIn(control, links::kAboutSeparator, SF_RTF);
    }
  }
  if (!shown) streamIn(control, links::aboutFallback(), SF_TEXT);
  // Show the texts from their beginning.
  SendMessageA(control, EM_SETSEL, 0, 0);
  SendMessageA(control, EM_SCROLLCARET, 0, 0);
}

INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      fill(GetDlgItem(window, LXR_CONTROL_ABOUT_TEXT), *reinterpret_cast<const GetCopyRightInfoFn*>(lParam));
      // The focus on OK: given to the text, the dialog would select all of it.
      SetFocus(GetDlgItem(window, IDOK));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

void runAboutBox(HMODULE languageLibrary, GetCopyRightInfoFn aboutTexts) {
  DialogBoxParamA(languageLibrary, MAKEINTRESOURCEA(LXR_DIALOG_ABOUT), nullptr, &procedure,
                  reinterpret_cast<LPARAM>(&aboutTexts));
}

}  // namespace lexiton::host
