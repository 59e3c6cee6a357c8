// A stand-in "voicer.dll" for tests: it speaks nothing and appends each call, one per line, to
// the file named by LEXITON_VOICER_LOG ("reset", or "<language>:<text>"), so a test can check
// what the client library asked for and in which order.
#include <cstdio>
#include <cstdlib>
#include <mutex>

#ifdef _WIN32
#define VOICER_EXPORT extern "C" __declspec(dllexport)
#define VOICER_CDECL __cdecl
#else
#define VOICER_EXPORT extern "C" __attribute__((visibility("default")))
#define VOICER_CDECL
#endif

namespace {

std::mutex logLock;

void record(const char* kind, const char* text) {
  const char* path = std::getenv("LEXITON_VOICER_LOG");
  if (!path || !*path) return;
  std::lock_guard<std::mutex> guard(logLock);
  if (FILE* f = std::fopen(path, "ab")) {
    std::fprintf(f, "%s%s\n", kind, text);
    std::fclose(f);
  }
}

}  // namespace

VOICER_EXPORT void VOICER_CDECL Speak(const char* text, int language) {
  record(language == 0 ? "0:" : "1:", text ? text : "(null)");
}

VOICER_EXPORT void VOICER_CDECL ResetSpeak() { record("reset", ""); }
