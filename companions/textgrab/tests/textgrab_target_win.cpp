// The other process of the text reader's tests: a window with one text control of known text,
// and where its characters are, measured in this process with EM_POSFROMCHAR.
//   textgrab_target KIND REPORT INDEX...
// KIND is edit, richedit, long (an Edit with one paragraph of over 30,000 characters) or
// label-edit / label-richedit (a two-word text). For each INDEX the screen point of the left
// half of that character is written to the REPORT file as "index x y", then "ready", after the
// text itself as its first line (UTF-8, line breaks escaped). The program runs until it is ended.
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring textFor(const std::wstring& kind) {
  if (kind == L"label-edit") return L"Save as";
  if (kind == L"label-richedit") return L"Open file";
  if (kind == L"long") {
    std::wstring text;
    for (int i = 0; i < 800; ++i) text += L"Filler words come here. ";
    text += L"The marked sentence holds the zebra. ";
    for (int i = 0; i < 800; ++i) text += L"More words follow it. ";
    return text;
  }
  return L"First paragraph is short.\r\nThe second paragraph holds several words. It has two sentences.\r\n"
         L"\r\nLast one after an empty line.";
}

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 3) return 2;
  const std::wstring kind = arguments[1];
  const bool rich = kind == L"richedit" || kind == L"label-richedit";
  if (rich) LoadLibraryW(L"riched20.dll");

  WNDCLASSW frameClass{};
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = instance;
  frameClass.lpszClassName = L"TextgrabTargetFrame";
  frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassW(&frameClass);
  // The frame covers the screen's top left; the control fills its left part, the rest of the
  // frame is a plain window.
  HWND frame = CreateWindowExW(WS_EX_TOPMOST, L"TextgrabTargetFrame", L"textgrab target",
                               WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr, nullptr, instance, nullptr);
  HWND control = CreateWindowExW(0, rich ? RICHEDIT_CLASSW : L"EDIT", L"",
                                 WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10, 10, 600, 600, frame,
                                 nullptr, instance, nullptr);
  const std::wstring text = textFor(kind);
  SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(control, text.c_str());

  FILE* report = _wfopen(arguments[2], L"wb");
  if (!report) return 3;
  // The text on one line: its line breaks written as \r and \n (it holds no backslash).
  std::string line = utf8(text);
  for (std::size_t at = 0; (at = line.find_first_of("\r\n", at)) != std::string::npos; at += 2)
    line.replace(at, 1, line[at] == '\r' ? "\\r" : "\\n");
  std::fprintf(report, "%s\n", line.c_str());
  for (int i = 3; i < count; ++i) {
    const int index = _wtoi(arguments[i]);
    // Scroll the character into view first (the long text runs past the control).
    SendMessageW(control, EM_SETSEL, index, index);  // same indices in the long Edit
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    POINT at{};
    if (rich) {
      // INDEX counts in the text as set, with CR LF; rich edit counts each line break once.
      int richIndex = index;
      for (int i = 0; i + 1 < index; ++i)
        if (text[i] == L'\r' && text[i + 1] == L'\n') --richIndex;
      POINTL where{};
      SendMessageW(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&where), richIndex);
      at = {where.x, where.y};
    } else {
      const LRESULT where = SendMessageW(control, EM_POSFROMCHAR, index, 0);
      at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    }
    // The left half of the character, halfway down its line: EM_CHARFROMPOS rounds to the
    // nearest caret position, which there is the character's own.
    at.x += 1;
    at.y += 6;
    ClientToScreen(control, &at);
    std::fprintf(report, "%d %ld %ld\n", index, at.x, at.y);
  }
  std::fprintf(report, "ready\n");
  std::fclose(report);
  LocalFree(arguments);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
