// "ptrhook.dll" loaded by file name, as the host loads it, with real input: xdotool moves the X
// pointer and presses keys on the wine session's display, and the moves and characters must
// arrive at a window of this test as the host's window receives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

#include <lexiton/companion_exports.h>
#include <lexiton/library.h>
#include <lexiton/test/win/desktop_input.h>

namespace {

struct Report {
  UINT message;
  int first;
  int second;
};

std::vector<Report> g_reports;
DWORD g_busyMs = 0;  // how long the window's procedure takes for a move: a busy host

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LX_HOOK_POINTER_MOVED || message == LX_HOOK_KEY_PRESSED) {
    g_reports.push_back({message, static_cast<int>(static_cast<INT_PTR>(wParam)), static_cast<int>(lParam)});
    if (message == LX_HOOK_POINTER_MOVED && g_busyMs) Sleep(g_busyMs);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Handles messages until `done` says so or `limitMs` passes; what `done` said last.
template <class Done>
bool pumpUntil(Done done, DWORD limitMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > limitMs) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (done()) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void pumpFor(DWORD ms) {
  pumpUntil([] { return false; }, ms);
}

bool movedTo(int x, int y) {
  for (const Report& r : g_reports)
    if (r.message == LX_HOOK_POINTER_MOVED && r.first == x && r.second == y) return true;
  return false;
}

std::vector<Report> moves() {
  std::vector<Report> found;
  for (const Report& r : g_reports)
    if (r.message == LX_HOOK_POINTER_MOVED) found.push_back(r);
  return found;
}

// A second low-level mouse hook on a thread of its own counts the moves the system reports to
// hooks (wine already merges some of xdotool's), the number the coalescing is measured against.
class MoveCounter {
 public:
  MoveCounter() {
    thread_ = std::thread([this] {
      threadId_ = GetCurrentThreadId();
      MSG message;
      PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
      HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, &count, GetModuleHandleW(nullptr), 0);
      ready_ = true;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
      if (hook) UnhookWindowsHookEx(hook);
    });
    while (!ready_) Sleep(1);
  }
  ~MoveCounter() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  static int seen() { return seen_; }

 private:
  static LRESULT CALLBACK count(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && message == WM_MOUSEMOVE) ++seen_;
    return CallNextHookEx(nullptr, code, message, data);
  }
  static inline std::atomic<int> seen_{0};
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  std::atomic<bool> ready_{false};
};

// Another program's window under the pointer, on a thread of its own that always answers: wine
// reads X input in the thread of the window it arrives at, and the busy host must not be that
// thread, just as on Windows, where input never waits for the host.
class DesktopWindow {
 public:
  DesktopWindow() {
    thread_ = std::thread([this] {
      threadId_ = GetCurrentThreadId();
      HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"desktop", WS_POPUP | WS_VISIBLE, 0, 0, 900,
                                    700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
      SetForegroundWindow(window);
      SetFocus(window);
      window_ = window;
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
      DestroyWindow(window);
    });
    while (!window_) Sleep(1);
  }
  ~DesktopWindow() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }

 private:
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  std::atomic<HWND> window_{nullptr};
};

class PointerHook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &recordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PointerHookTestWindow";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&windowClass);
  }

  void SetUp() override {
    library_ = lexiton::Library("ptrhook.dll");
    ASSERT_TRUE(library_) << library_.error();
    setup_ = library_.bind<SetupHookFn>("SetupHook");
    release_ = library_.bind<ReleaseHookFn>("ReleaseHook");
    ASSERT_TRUE(setup_ && release_);
    // The host's window, never shown, like the host's main window.
    window_ = CreateWindowExW(0, L"PointerHookTestWindow", L"hook test", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    pumpFor(200);
    g_reports.clear();
    g_busyMs = 0;
  }

  void TearDown() override {
    if (release_) release_();
    if (window_) DestroyWindow(window_);
  }

  void moveAndWait(int x, int y) {
    ASSERT_TRUE(lexiton::test::xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y)));
    ASSERT_TRUE(lexiton::test::waitForPointer(x, y));
  }

  DesktopWindow desktop_;  // wine hears of X input only over its own windows
  lexiton::Library library_;
  SetupHookFn setup_ = nullptr;
  ReleaseHookFn release_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(PointerHook, ReleaseWithoutSetupAndTwiceIsHarmless) {
  EXPECT_EQ(release_(), 1);
  EXPECT_EQ(release_(), 1);
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  EXPECT_EQ(release_(), 1);
  EXPECT_EQ(release_(), 1);
}

TEST_F(PointerHook, NoWindowNoHook) { EXPECT_EQ(setup_(nullptr, library_.get()), 0); }

TEST_F(PointerHook, PointerMovesArriveInScreenCoordinates) {
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  ASSERT_TRUE(lexiton::test::xdotool("mousemove 123 234"));
  EXPECT_TRUE(pumpUntil([] { return movedTo(123, 234); }, 10000));
  ASSERT_TRUE(lexiton::test::xdotool("mousemove 321 432"));
  EXPECT_TRUE(pumpUntil([] { return movedTo(321, 432); }, 10000));
  // A hook without a module of its own (null) still works.
  release_();
  g_reports.clear();
  ASSERT_EQ(setup_(window_, nullptr), 1);
  ASSERT_TRUE(lexiton::test::xdotool("mousemove 222 111"));
  EXPECT_TRUE(pumpUntil([] { return movedTo(222, 111); }, 10000));
}

TEST_F(PointerHook, KeyPressesArriveAsCharacters) {
  moveAndWait(400, 300);
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  const auto keys = [] {
    std::vector<int> found;
    for (const Report& r : g_reports)
      if (r.message == LX_HOOK_KEY_PRESSED) found.push_back(r.first);
    return found;
  };
  ASSERT_TRUE(lexiton::test::xdotool("key q shift+b comma Left"));
  EXPECT_TRUE(pumpUntil([&] { return keys().size() >= 4; }, 10000));
  // Shift alone is not reported; the arrow gives no character.
  EXPECT_EQ(keys(), (std::vector<int>{'q', 'B', ',', 0}));
}

TEST_F(PointerHook, ABurstOfMovesReachesABusyWindowCoalescedEndingAtTheLastPosition) {
  moveAndWait(50, 50);
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  MoveCounter counter;
  const int seenBefore = MoveCounter::seen();
  g_busyMs = 50;
  constexpr int kMoves = 10000;
  const std::string script = "ptrhook_burst.xdo";
  {
    std::ofstream out(script, std::ios::binary);
    for (int i = 0; i < kMoves - 1; ++i)
      out << "mousemove " << 60 + i % 700 << " " << 60 + (i / 700) * 30 << "\n";
    out << "mousemove 811 611\n";
  }
  char full[MAX_PATH] = {};
  GetFullPathNameA(script.c_str(), MAX_PATH, full, nullptr);
  const std::string path = lexiton::test::unixPath(full);
  ASSERT_FALSE(path.empty());
  ASSERT_TRUE(lexiton::test::xdotool(path));
  ASSERT_TRUE(pumpUntil([] { return movedTo(811, 611); }, 120000)) << moves().size() << " moves";
  pumpFor(500);  // anything still on its way
  const auto received = moves();
  const int seen = MoveCounter::seen() - seenBefore;
  EXPECT_LT(received.size(), static_cast<size_t>(kMoves / 4));
  // A host that takes 50 ms a move falls behind the burst: coalesced, it hears of a fraction.
  EXPECT_LT(received.size() * 2, static_cast<size_t>(seen)) << seen << " moves seen by hooks";
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received.back().first, 811);
  EXPECT_EQ(received.back().second, 611);
  std::printf("%zu move messages for %d moves (%d seen by hooks)\n", received.size(), kMoves, seen);
}

TEST_F(PointerHook, ReleaseHookStopsTheReports) {
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  ASSERT_TRUE(lexiton::test::xdotool("mousemove 140 140"));
  ASSERT_TRUE(pumpUntil([] { return movedTo(140, 140); }, 10000));
  EXPECT_EQ(release_(), 1);
  g_reports.clear();
  moveAndWait(260, 260);
  moveAndWait(250, 250);
  pumpFor(500);
  EXPECT_TRUE(g_reports.empty()) << g_reports.size();
}

TEST_F(PointerHook, InputTheHostInjectsItselfIsIgnored) {
  ASSERT_EQ(setup_(window_, library_.get()), 1);
  const auto inject = [](int x, int y, ULONG_PTR extra) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dwExtraInfo = extra;
    return SendInput(1, &input, sizeof input);
  };
  ASSERT_EQ(inject(300, 300, LX_HOST_INJECTED_INPUT), 1u);
  pumpFor(500);
  EXPECT_TRUE(moves().empty()) << moves().size();
  // Injected input without the mark is another program's, and reported.
  ASSERT_EQ(inject(500, 400, 0), 1u);
  EXPECT_TRUE(pumpUntil([] { return !moves().empty(); }, 10000));
}

}  // namespace
