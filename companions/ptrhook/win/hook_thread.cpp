#include "win/hook_thread.h"

#include <lexiton/companion_exports.h>

#include "key_report.h"
#include "move_coalescer.h"

namespace lexiton::ptrhook::win {

namespace {

// What the hook procedures need; they run on the hook thread only, so nothing here is shared.
struct HookState {
  HWND target = nullptr;
  MoveCoalescer moves;
};
thread_local HookState* t_state = nullptr;

struct StartRequest {
  HWND target;
  HMODULE module;
  HANDLE ready;  // set once the hooks are installed, or failed to be
  HMODULE self;  // the thread's own reference on this library
  bool installed = false;
};

// One hook, removed when its owner goes.
class Hook {
 public:
  Hook(int kind, HOOKPROC procedure, HMODULE module) : hook_(SetWindowsHookExW(kind, procedure, module, 0)) {}
  ~Hook() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  Hook(const Hook&) = delete;
  Hook& operator=(const Hook&) = delete;
  explicit operator bool() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

bool injectedByHost(DWORD flags, DWORD injectedFlag, ULONG_PTR extraInfo) {
  return (flags & injectedFlag) && extraInfo == LX_HOST_INJECTED_INPUT;
}

void sendMove(HookState& state, Point at);

// The host took the move in flight (its window procedure returned): send what waited since.
void CALLBACK moveDelivered(HWND, UINT, ULONG_PTR, LRESULT) {
  if (!t_state) return;
  if (auto next = t_state->moves.delivered()) sendMove(*t_state, *next);
}

void sendMove(HookState& state, Point at) {
  // Sent with a callback rather than posted: the callback says when the host has taken it, so
  // never more than one move waits in the host's queue.
  if (!SendMessageCallbackW(state.target, LX_HOOK_POINTER_MOVED,
                            static_cast<WPARAM>(static_cast<INT_PTR>(at.x)), static_cast<LPARAM>(at.y),
                            &moveDelivered, 0))
    state.moves.sendFailed();
}

LRESULT CALLBACK mouseProc(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && message == WM_MOUSEMOVE && t_state) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    if (!injectedByHost(info->flags, LLMHF_INJECTED, info->dwExtraInfo))
      if (auto now = t_state->moves.moved({info->pt.x, info->pt.y})) sendMove(*t_state, *now);
  }
  return CallNextHookEx(nullptr, code, message, data);
}

// The character of a key in the layout of the window the user types into. The hook thread's own
// key state is not the user's, so the modifiers are read from the asynchronous state.
std::optional<unsigned> translate(const KBDLLHOOKSTRUCT& key) {
  BYTE state[256] = {};
  for (int vk :
       {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU, VK_LMENU, VK_RMENU})
    if (GetAsyncKeyState(vk) & 0x8000) state[vk] = 0x80;
  if (GetKeyState(VK_CAPITAL) & 1) state[VK_CAPITAL] = 1;
  const HWND foreground = GetForegroundWindow();
  const HKL layout = GetKeyboardLayout(foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0);
  wchar_t produced[8] = {};
  // Flag 4: leave the keyboard state (a pending dead key) as it is for the program typed into.
  const int count = ToUnicodeEx(key.vkCode, key.scanCode, state, produced, 8, 4, layout);
  return keyReport(key.vkCode, reinterpret_cast<const char16_t*>(produced), count);
}

LRESULT CALLBACK keyboardProc(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && t_state) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (!injectedByHost(key->flags, LLKHF_INJECTED, key->dwExtraInfo))
      if (auto character = translate(*key)) PostMessageW(t_state->target, LX_HOOK_KEY_PRESSED, *character, 0);
  }
  return CallNextHookEx(nullptr, code, message, data);
}

// Returns the library reference the thread holds.
HMODULE runHooks(StartRequest* request) {
  const HMODULE self = request->self;
  HookState state;
  state.target = request->target;
  t_state = &state;
  MSG message;
  // The thread's queue exists before anyone posts the quit message to it.
  PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  {
    Hook mouse(WH_MOUSE_LL, &mouseProc, request->module);
    Hook keyboard(WH_KEYBOARD_LL, &keyboardProc, request->module);
    request->installed = mouse && keyboard;
    const bool installed = request->installed;
    SetEvent(request->ready);  // `request` belongs to the starter from here on
    if (installed)
      while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  }
  t_state = nullptr;
  return self;
}

DWORD WINAPI hookThreadMain(void* argument) {
  // The thread holds a reference on this library (taken by start), so a host that unloads it
  // without ReleaseHook never leaves the thread running in unmapped code.
  FreeLibraryAndExitThread(runHooks(static_cast<StartRequest*>(argument)), 0);
}

}  // namespace

bool HookThread::start(HWND target, HMODULE module) {
  stop();
  StartRequest request{target, module, CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
  if (!request.ready) return false;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&hookThreadMain),
                          &request.self)) {
    CloseHandle(request.ready);
    return false;
  }
  // Low-level hooks want a module; the host passes this library's, and ours stands in for none.
  if (!request.module) request.module = request.self;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, &hookThreadMain, &request, 0, &id);
  if (!thread) {
    FreeLibrary(request.self);
    CloseHandle(request.ready);
    return false;
  }
  // Installing the hooks never blocks; a thread that could not install them ends by itself.
  WaitForSingleObject(request.ready, INFINITE);
  CloseHandle(request.ready);
  if (!request.installed) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return false;
  }
  thread_ = thread;
  threadId_ = id;
  return true;
}

void HookThread::stop() {
  if (!thread_) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
  threadId_ = 0;
}

}  // namespace lexiton::ptrhook::win
