// lexiton-desktop: the steps of `make demo` on the wine desktop, one per run, each waiting for
// what it started to be there (never for fixed times) and failing when it does not come:
//
//   lexiton-desktop appdata                      the AppData folder the tray program reads
//   lexiton-desktop start-host                   starts Lexiton.exe from this folder, until its
//                                                tooltip window is published and its splash gone
//   lexiton-desktop open PROGRAM FILE L T R B    opens FILE in notepad or wordpad (or takes the
//                                                one open), in that rectangle, in front
//   lexiton-desktop rest PROGRAM WORD            rests the pointer on WORD of its text and waits
//                                                for both tooltips; prints where they are
//   lexiton-desktop read-text                    what the text reader reads at the pointer, as
//                                                the tray program reads it: source, cursor, text
//   lexiton-desktop end-host                     ends the program the way Windows ends a session
//
// Exit status 0 when the step did what it says, 1 when it did not, 2 on a usage error.
#include <windows.h>
#include <shlobj.h>

#include <lexiton/companion_exports.h>
#include <lexiton/text_encoding.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "win/desktop.h"
#include "win/text_application.h"
#include "win/tray_program.h"

namespace {

using namespace lexiton::e2e;

constexpr DWORD kStartLimitMs = 90000;
constexpr DWORD kTooltipLimitMs = 30000;
// The text reader's buffers and reach, as the tray program hands them.
constexpr int kTextBuffer = 10000;
constexpr int kSourceBuffer = 1048;
constexpr int kReach = 5;

int usage() {
  std::fprintf(
      stderr,
      "usage: lexiton-desktop appdata | start-host | open notepad|wordpad FILE LEFT TOP RIGHT BOTTOM\n"
      "                       | rest notepad|wordpad WORD | read-text | end-host\n");
  return 2;
}

int fail(const std::string& problem) {
  std::fprintf(stderr, "lexiton-desktop: %s\n", problem.c_str());
  return 1;
}

// The AppData shell folder as the tray program reads it; where none is recorded yet, the one the
// shell names, recorded as Windows records it.
int appData() {
  std::string folder = appDataFolder();
  if (folder.empty()) {
    char path[MAX_PATH] = {};
    if (FAILED(
            SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
      return fail("the shell names no AppData folder");
    folder = path;
    recordAppDataFolder(folder);
  }
  std::printf("%s\n", folder.c_str());
  return 0;
}

int startHost() {
  TrayProgram program(programFolder());
  if (!program.started()) return fail("Lexiton.exe did not start from " + programFolder());
  if (!program.waitUntilReady(kStartLimitMs))
    return fail(program.alive() ? "Lexiton.exe did not publish its tooltip window, or its splash stayed"
                                : "Lexiton.exe ended while starting");
  program.keepRunning();
  std::printf("Lexiton.exe runs as process %lu; its first tooltip window is %p\n", program.processId(),
              static_cast<void*>(program.firstTooltip()));
  return 0;
}

int open(TextProgram which, const std::string& file, const RECT& area) {
  std::optional<TextApplication> found = TextApplication::find(which);
  std::optional<TextApplication> started;
  TextApplication* application = found ? &*found : nullptr;
  if (!application) {
    started.emplace(which, file, kStartLimitMs);
    if (!started->ready()) return fail("the program did not open " + file);
    started->keepRunning();
    application = &*started;
  }
  if (!application->placeAndActivate(area)) return fail("the program did not come to the front");
  std::printf("%s: %zu characters in its %s control, at %ld,%ld %ldx%ld, in front\n", file.c_str(),
              application->text().size(), application->controlClass(), area.left, area.top,
              area.right - area.left, area.bottom - area.top);
  return 0;
}

void printWindow(const char* what, HWND window) {
  const RECT r = windowRect(window);
  std::printf("%s at %ld,%ld, %ldx%ld\n", what, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int rest(TextProgram which, const std::string& word) {
  auto application = TextApplication::find(which);
  if (!application) return fail("the program is not open");
  auto host = TrayProgram::running();
  if (!host) return fail("no Lexiton.exe runs");
  const std::wstring text = application->text();
  const std::size_t index = text.find(std::wstring(word.begin(), word.end()));
  if (index == std::wstring::npos) return fail("\"" + word + "\" is not in the program's text");
  const auto at = application->pointOn(index);
  if (!at) return fail("the program does not say where \"" + word + "\" is");
  // Tooltips still shown from the word before close as the pointer leaves it.
  const bool shownBefore = visible(host->firstTooltip());
  if (!movePointer(*at)) return fail("xdotool did not move the pointer");
  const DWORD rested = GetTickCount();
  if (shownBefore && !waitUntil([&] { return !visible(host->firstTooltip()); }, kTooltipLimitMs))
    return fail("the tooltips of the word before stayed");
  if (!waitUntil([&] { return visible(host->firstTooltip()) && visible(host->secondTooltip()); },
                 kTooltipLimitMs))
    return fail(visible(host->firstTooltip()) ? "only the first tooltip came" : "no tooltip came");
  std::printf("pointer on \"%s\" at %ld,%ld; both tooltips %lu ms later\n", word.c_str(), at->x, at->y,
              GetTickCount() - rested);
  printWindow("  first tooltip (the translation)", host->firstTooltip());
  printWindow("  second tooltip (the dictionary entry)", host->secondTooltip());
  std::printf("  %s keeps the foreground and the focus: %s\n", application->controlClass(),
              application->hasForegroundAndFocus() ? "yes" : "NO");
  return application->hasForegroundAndFocus() ? 0 : 1;
}

// The text reader's entries the tray program tries at a point of another program's window.
int readText() {
  HMODULE reader = LoadLibraryA((programFolder() + "textgrab.dll").c_str());
  if (!reader) return fail("textgrab.dll did not load");
  const auto document =
      reinterpret_cast<GetMWord9WExFn>(reinterpret_cast<void*>(GetProcAddress(reader, "GetMWord9W_Ex")));
  const auto window =
      reinterpret_cast<GetIE4WExFn>(reinterpret_cast<void*>(GetProcAddress(reader, "GetIE4W_Ex")));
  POINT at{};
  GetCursorPos(&at);
  static uint16_t buffer[kTextBuffer];
  char source[kSourceBuffer] = {};
  int cursor = 0;
  std::string name;
  if (document && (document(at.x, at.y, kReach, buffer, kTextBuffer, &cursor) & 0xFF)) {
    name = "MSWord";
  } else if (window &&
             (window(at.x, at.y, kReach, buffer, kTextBuffer, &cursor, source, kSourceBuffer) & 0xFF)) {
    name.assign(source, strnlen(source, kSourceBuffer));
  } else {
    FreeLibrary(reader);
    return fail("the text reader finds no text at the pointer");
  }
  FreeLibrary(reader);
  std::size_t length = 0;
  while (length < kTextBuffer && buffer[length]) ++length;
  std::printf("%s\n%d\n%s\n", name.c_str(), cursor,
              lexiton::utf16ToUtf8(std::u16string(lexiton::wideView(buffer, length))).c_str());
  return 0;
}

int endHost() {
  auto host = TrayProgram::running();
  if (!host) return fail("no Lexiton.exe runs");
  const auto code = host->endSession(kStartLimitMs);
  if (!code) return fail("Lexiton.exe did not end with the session");
  std::printf("Lexiton.exe ended with the session, exit code %lu\n", *code);
  return *code == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  if (command == "appdata" && argc == 2) return appData();
  if (command == "start-host" && argc == 2) return startHost();
  if (command == "read-text" && argc == 2) return readText();
  if (command == "end-host" && argc == 2) return endHost();
  if (argc < 3) return usage();
  const auto program = textProgramNamed(argv[2]);
  if (!program) return usage();
  if (command == "open" && argc == 8)
    return open(*program, argv[3],
                RECT{std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7])});
  if (command == "rest" && argc == 4) return rest(*program, argv[3]);
  return usage();
}
