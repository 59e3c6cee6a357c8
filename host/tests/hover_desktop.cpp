#include "hover_desktop.h"

#include <lexiton/painter_exports.h>
#include <lexiton/test/win/desktop_input.h>

#include <pthread.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace lexiton::host::test {

namespace {

constexpr int kFontHeight = 20;
// A key reaches the focus within a few tens of milliseconds; one not there after this was lost.
constexpr auto kKeyLimit = std::chrono::milliseconds(1500);
constexpr int kKeyAttempts = 3;

void putChunk(std::vector<uint8_t>& list, const char* tag, const std::string& data) {
  list.insert(list.end(), tag, tag + 4);
  for (int i = 0; i < 4; ++i) list.push_back(static_cast<uint8_t>(data.size() >> (8 * i)));
  list.insert(list.end(), data.begin(), data.end());
}

}  // namespace

TextWindow::TextWindow(const std::wstring& text, POINT origin, bool password) : text_(text) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, origin, ready, password] {
    threadId_ = GetCurrentThreadId();
    frame_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, origin.x, origin.y, 1000,
                             60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ =
        CreateWindowExW(0, L"EDIT", text_.c_str(),
                        WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL | (password ? ES_PASSWORD : 0),
                        10, 10, 980, 40, frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
    HFONT font = CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, L"Arial");
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editDefault_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextWindow::editProcedure)));
    lineHeight_ = kFontHeight;
    SetForegroundWindow(frame_);
    SetFocus(edit_);
    // The whole line in view, from its start.
    SendMessageW(edit_, EM_SETSEL, 0, 0);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    SetEvent(ready);
    // A wait with a time-out, not GetMessageW: the loop goes round at least every 50 ms, so its
    // rounds tell a thread that lives from one stuck in wine (responsive()).
    MSG message;
    for (bool quit = false; !quit; ++rounds_) {
      MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
          quit = true;
          break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    loopEnded_ = true;
    DestroyWindow(frame_);
    DeleteObject(font);
  });
  WaitForSingleObject(ready, 10000);
  CloseHandle(ready);
}

TextWindow::~TextWindow() {
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  // A thread stuck in wine's wait for the pointer hook (see responsive()) never takes it: it is
  // ended by force, and the system then destroys its windows, so the next test starts on a clear
  // screen.
  while (!loopEnded_ && responsive(kStuckAfter)) {
  }
  if (!loopEnded_) {
    std::printf("the text window's thread did not take its WM_QUIT; it is terminated\n");
    TerminateThread(pthread_gethandle(thread_.native_handle()), 1);
  }
  thread_.join();
}

bool TextWindow::responsive(std::chrono::milliseconds limit) const {
  const unsigned before = rounds_;
  return pollUntil([&] { return rounds_ != before || loopEnded_; }, limit);
}

LRESULT CALLBACK TextWindow::editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TextWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) ++self->keysDown_;
  return CallWindowProcW(self->editDefault_, window, message, wParam, lParam);
}

bool TextWindow::press(const std::string& key) {
  for (int attempt = 0; attempt < kKeyAttempts; ++attempt) {
    const int before = keysDown_;
    if (!lexiton::test::xdotool("key " + key)) return false;
    if (pollUntil([&] { return keysDown_ > before; }, kKeyLimit)) return true;
    std::printf("the key '%s' reached no program; pressed again\n", key.c_str());
  }
  return false;
}

POINT TextWindow::pointOn(std::size_t index) const {
  const LRESULT at = SendMessageW(edit_, EM_POSFROMCHAR, index, 0);
  POINT point{static_cast<short>(LOWORD(at)) + 3, static_cast<short>(HIWORD(at)) + lineHeight_ / 2};
  ClientToScreen(edit_, &point);
  return point;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool shown(HWND window) { return IsWindowVisible(window) != FALSE; }

namespace {
struct SecondSearch {
  HWND first;
  HWND found;
};
BOOL CALLBACK takeSecond(HWND window, LPARAM into) {
  auto* search = reinterpret_cast<SecondSearch*>(into);
  if (window != search->first && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND secondTooltipOf(DWORD threadId, HWND first) {
  SecondSearch search{first, nullptr};
  EnumThreadWindows(threadId, &takeSecond, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

SIZE paintedSize(const std::string& painterFile, const std::string& document, const std::string& plain) {
  SIZE size{0, 0};
  HMODULE painter = LoadLibraryA(painterFile.c_str());
  if (!painter) return size;
  const auto tipPaint =
      reinterpret_cast<TipPaintFn>(reinterpret_cast<void*>(GetProcAddress(painter, "TipPaint")));
  std::vector<uint8_t> list;
  putChunk(list, "QXR1", document);
  putChunk(list, "plai", plain);
  list.insert(list.end(), 4, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap =
      CreateCompatibleBitmap(screen, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, RGB(0, 0, 0));
  LxByteArray array{list.data(), static_cast<uint32_t>(list.size()), static_cast<uint32_t>(list.size())};
  RECT rect{};
  HRGN region = nullptr;
  int x = 100, y = 100;
  if (tipPaint && tipPaint(&array, &memory, &rect, &region, &x, &y, GetSysColor(COLOR_INFOBK), nullptr))
    size = SIZE{rect.right - rect.left + 1, rect.bottom - rect.top + 1};
  if (region) DeleteObject(region);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  FreeLibrary(painter);
  return size;
}

bool movePointer(POINT to) {
  return lexiton::test::xdotool("mousemove " + std::to_string(to.x) + " " + std::to_string(to.y)) &&
         lexiton::test::waitForPointer(to.x, to.y);
}

}  // namespace lexiton::host::test
