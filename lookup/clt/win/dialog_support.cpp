// The shared parts of the client library's dialogs.
#include "win/dialog_support.h"

#include <mutex>
#include <vector>

#include "lexiton/alert.h"
#include "lexiton/shell_open.h"
#include "lexiton/web_site.h"

namespace lexiton::lookup {

namespace {

// LoadString has no way to ask for a text's length: grow until it fits.
constexpr int kFirstStringBuffer = 32;
constexpr int kMaxStringBuffer = 1 << 16;

bool shellOpen(const std::string& url, void*) { return openInShell("open", url, nullptr, ShellShow::normal); }

std::mutex gOpenerLock;
UrlOpener gOpener = shellOpen;
void* gOpenerContext = nullptr;

}  // namespace

std::string upgradeDownloadUrl() { return webHost() + "/download/lexiton/Lexiton_setup.exe"; }

std::string upgradeHistoryUrl(int language) {
  return webHost() + (isHungarian(language) ? "/history.asp" : "/history.asp?lang=en");
}

UrlOpener setUrlOpener(UrlOpener opener, void* context) {
  std::lock_guard<std::mutex> guard(gOpenerLock);
  UrlOpener previous = gOpener;
  gOpener = opener ? opener : shellOpen;
  gOpenerContext = opener ? context : nullptr;
  return previous == shellOpen ? nullptr : previous;
}

void closeDialog(WindowSlot& windowSlot) {
  HWND window = detail::liveWindow(windowSlot);
  if (!window) return;
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    DestroyWindow(window);
    return;
  }
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, detail::kCloseRequest, 0, 0, SMTO_ABORTIFHUNG, detail::kCloseRequestTimeoutMs,
                      &ignored);
}

namespace detail {

LoopEnd runDialogLoop(HWND dialog, const bool& finished) {
  MSG msg;
  while (!finished) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) return LoopEnd::error;
    if (got == 0) {
      // Someone else's quit (the host ending its own loop): leave it for that loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return LoopEnd::quit;
    }
    if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return LoopEnd::finished;
}

void wakeLoop() { PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); }

HWND liveWindow(const WindowSlot& slot) {
  HWND window = static_cast<HWND>(slot.load());
  return window && IsWindow(window) ? window : nullptr;
}

std::optional<LoopEnd> runInSlot(WindowSlot& slot, void* seen, HWND window, const bool& finished,
                                 const std::atomic<bool>* cancelled,
                                 const std::function<void()>& registered) {
  if (!slot.compare_exchange_strong(seen, window)) {
    DestroyWindow(window);
    return std::nullopt;
  }
  if (registered) registered();
  if (cancelled && cancelled->load())
    DestroyWindow(window);  // closed while it was being made
  else
    ShowWindow(window, SW_SHOW);
  const LoopEnd end = runDialogLoop(window, finished);
  if (end != LoopEnd::finished && IsWindow(window)) DestroyWindow(window);
  void* mine = window;
  slot.compare_exchange_strong(mine, nullptr);
  return end;
}

std::string controlText(HWND dialog, int control) {
  HWND item = GetDlgItem(dialog, control);
  if (!item) return {};
  const int length = GetWindowTextLengthA(item);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextA(item, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

void setControlText(HWND dialog, int control, const std::string& text) {
  SetDlgItemTextA(dialog, control, text.c_str());
}

std::string loadText(HINSTANCE module, int id) {
  std::vector<wchar_t> buffer;
  int length = 0;
  for (int size = kFirstStringBuffer; size <= kMaxStringBuffer; size *= 2) {
    buffer.assign(static_cast<std::size_t>(size), L'\0');
    length = LoadStringW(module, static_cast<UINT>(id), buffer.data(), size);
    if (length < size - 1) break;
  }
  if (length <= 0) return {};
  const int bytes = WideCharToMultiByte(CP_ACP, 0, buffer.data(), length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, buffer.data(), length, text.data(), bytes, nullptr, nullptr);
  return text;
}

bool openWebPage(HINSTANCE module, int language, const std::string& url) {
  UrlOpener opener;
  void* context;
  {
    std::lock_guard<std::mutex> guard(gOpenerLock);
    opener = gOpener;
    context = gOpenerContext;
  }
  if (opener(url, context)) return true;
  const bool hungarian = isHungarian(language);
  showAlert(loadText(module, hungarian ? kBrowserTextHungarian : kBrowserTextEnglish),
            loadText(module, hungarian ? kBrowserCaptionHungarian : kBrowserCaptionEnglish),
            AlertIcon::error);
  return false;
}

}  // namespace detail
}  // namespace lexiton::lookup
