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
//   lexiton-desktop feedback                     the feedback key twice: the one page opened,
//                                                and the shown result's plain text it carries
//   lexiton-desktop end-host                     ends the program the way Windows ends a session
//
// Exit status 0 when the step did what it says, 1 when it did not, 2 on a usage error.
#include <windows.h>

#include <lexiton/test/win/desktop_input.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "host_process.h"
#include "win/desktop.h"
#include "win/text_application.h"
#include "win/tray_program.h"

namespace {

using namespace lexiton::e2e;
using lexiton::host::test::binFolder;
using lexiton::host::test::readText;
using lexiton::test::pollUntil;

constexpr auto kStartLimit = std::chrono::seconds(90);
constexpr auto kTooltipLimit = std::chrono::seconds(30);
constexpr auto kOpenLimit = std::chrono::seconds(10);
constexpr DWORD kSecondOpenMs = 500;
// Longer than the tray program's rest time: the tooltips stay this long before the keys.
constexpr auto kSettled = std::chrono::milliseconds(1000);
// Where the feedback page's address carries the plain text.
constexpr std::string_view kDescription = "?description=";
constexpr std::string_view kWho = "&who=";

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

int usage() {
  std::fprintf(
      stderr,
      "usage: lexiton-desktop appdata | start-host | open notepad|wordpad FILE LEFT TOP RIGHT BOTTOM\n"
      "                       | rest notepad|wordpad WORD | feedback | end-host\n");
  return 2;
}

int fail(const std::string& problem) {
  std::fprintf(stderr, "lexiton-desktop: %s\n", problem.c_str());
  return 1;
}

// The AppData shell folder as the tray program reads it (wine's set-up of a prefix records it).
int appData() {
  char folder[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   "AppData", RRF_RT_REG_SZ, nullptr, folder, &size) != ERROR_SUCCESS)
    return fail("no AppData shell folder is recorded");
  std::printf("%s\n", folder);
  return 0;
}

int startHost() {
  TrayProgram program(binFolder());
  if (!program.started()) return fail("Lexiton.exe did not start from " + binFolder());
  if (!program.waitUntilReady(kStartLimit))
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
    started.emplace(which, file, kStartLimit);
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
  if (shownBefore && !pollUntil([&] { return !visible(host->firstTooltip()); }, kTooltipLimit))
    return fail("the tooltips of the word before stayed");
  if (!pollUntil([&] { return visible(host->firstTooltip()) && visible(host->secondTooltip()); },
                 kTooltipLimit))
    return fail(visible(host->firstTooltip()) ? "only the first tooltip came" : "no tooltip came");
  std::printf("pointer on \"%s\" at %ld,%ld; both tooltips %lu ms later\n", word.c_str(), at->x, at->y,
              GetTickCount() - rested);
  printWindow("  first tooltip (the translation)", host->firstTooltip());
  printWindow("  second tooltip (the dictionary entry)", host->secondTooltip());
  std::printf("  %s keeps the foreground and the focus: %s\n", application->controlClass(),
              application->hasForegroundAndFocus() ? "yes" : "NO");
  return application->hasForegroundAndFocus() ? 0 : 1;
}

// The feedback key twice once the tooltips are shown and settled: the program opens the feedback page for
// the result it shows, once, with the result's plain text in the address. The open goes to the
// file LEXITON_OPEN_FILE names; the plain text is printed as the address carries it (the system
// code page, its lines joined by "%0D%0A").
int feedback() {
  const char* record = std::getenv("LEXITON_OPEN_FILE");
  if (!record || !*record) return fail("LEXITON_OPEN_FILE names no file");
  const auto openLines = [&] { return lines(readText(record)); };
  const auto host = TrayProgram::running();
  if (!host) return fail("no Lexiton.exe runs");
  if (!host->waitUntilTooltipsSettle(kSettled, kTooltipLimit)) return fail("the tooltips are not shown");
  const std::size_t before = openLines().size();
  if (!lexiton::test::xdotool("key q q")) return fail("xdotool did not press the keys");
  if (!pollUntil([&] { return openLines().size() > before; }, kOpenLimit)) return fail("no page was opened");
  Sleep(kSecondOpenMs);  // a second open would come as soon
  const auto opened = openLines();
  if (opened.size() != before + 1) return fail(std::to_string(opened.size() - before) + " pages were opened");
  const std::string& line = opened.back();
  const std::size_t from = line.find(kDescription);
  const std::size_t to = line.find(kWho);
  if (from == std::string::npos || to == std::string::npos || to < from)
    return fail("not a feedback page: " + line);
  std::string text = line.substr(from + kDescription.size(), to - from - kDescription.size());
  // The three characters the address escapes.
  for (const auto& [escaped, plain] : {std::pair{"%26", '&'}, std::pair{"%23", '#'}, std::pair{"%3B", ';'}})
    for (std::size_t at = text.find(escaped); at != std::string::npos; at = text.find(escaped, at + 1))
      text.replace(at, 3, 1, plain);
  std::printf("%s\n", text.c_str());
  return 0;
}

int endHost() {
  auto host = TrayProgram::running();
  if (!host) return fail("no Lexiton.exe runs");
  const auto code = host->endSession(kStartLimit);
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
  if (command == "feedback" && argc == 2) return feedback();
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
