// The exports of "voicer.dll": Speak and ResetSpeak queue and return at once; a speaking
// thread of the library's own initialises COM and drives SAPI. The thread holds a reference
// to the library while it runs, so an unload never pulls the code from under it; it ends, and
// lets go, after a while without requests.
#include <windows.h>

#include <lexiton/abi.h>
#include <lexiton/companion_exports.h>
#include <lexiton/win/com_apartment.h>

#include <type_traits>

#include "sapi_voice.h"
#include "speech_queue.h"

namespace lexiton::voicer {
namespace {

// Idle time after which the speaking thread ends (and lets the library unload).
constexpr std::chrono::milliseconds kIdle{30000};
// The longest text taken from a caller: the client library speaks one translation.
constexpr std::size_t kMaxTextBytes = 64 * 1024;

// Never destroyed: at process exit the speaking thread is killed where it stands, often
// waiting on the queue's condition variable, and destroying that at the library's detach would
// wait for a waiter that no longer runs.
SpeechQueue& queue = *new SpeechQueue;

DWORD WINAPI speakingThread(LPVOID module) {
  {
    win::ComApartment com(COINIT_MULTITHREADED);
    std::unique_ptr<Voice> voice = com.ok() ? makeSapiVoice() : nullptr;
    queue.serve(voice.get(), kIdle);
  }
  FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

void startSpeakingThread() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&speakingThread),
                          &self)) {
    queue.abandon();
    return;
  }
  HANDLE thread = CreateThread(nullptr, 0, speakingThread, self, 0, nullptr);
  if (!thread) {
    FreeLibrary(self);
    queue.abandon();
    return;
  }
  CloseHandle(thread);
}

std::u16string fromSystemCodePage(const char* text) {
  std::size_t n = 0;
  while (n < kMaxTextBytes && text[n]) ++n;
  if (n == 0) return {};
  const int units = MultiByteToWideChar(CP_ACP, 0, text, int(n), nullptr, 0);
  std::wstring wide(std::size_t(units > 0 ? units : 0), L'\0');
  if (units > 0) MultiByteToWideChar(CP_ACP, 0, text, int(n), wide.data(), units);
  return std::u16string(wide.begin(), wide.end());
}

}  // namespace
}  // namespace lexiton::voicer

using namespace lexiton::voicer;

extern "C" {

__declspec(dllexport) void LX_CDECL Speak(const char* text, int language) {
  try {
    if (queue.speak(text ? fromSystemCodePage(text) : std::u16string(), language)) startSpeakingThread();
  } catch (...) {
  }
}

__declspec(dllexport) void LX_CDECL ResetSpeak() {
  try {
    if (queue.purge()) startSpeakingThread();
  } catch (...) {
  }
}
}

// The entries as their callers bind them (lexiton/companion_exports.h).
static_assert(std::is_same_v<decltype(&Speak), SpeakFn>);
static_assert(std::is_same_v<decltype(&ResetSpeak), ResetSpeakFn>);
