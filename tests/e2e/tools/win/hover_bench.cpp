// lexiton-hover-bench: look-ups as a user makes them, many in a row, for the latency trace and the
// tray program's memory and handles. It starts Lexiton.exe from its own folder with the settings
// given (in a data directory of its own), opens the text in wine's notepad, and rests the pointer
// on one word after another, each time until the look-up's line is in the trace and both
// tooltips are shown. The trace (LEXITON_TRACE_FILE, which the caller sets) holds the times;
// this program prints the memory and handle counts before and after, and fails when a look-up
// did not end in its tooltips.
//
//   lexiton-hover-bench --settings FILE --text FILE --trace FILE [--lookups N]
//
// Run by tests/e2e/bench/hover-bench.sh under wine on Xvfb.
#include <windows.h>

#include <lexiton/test/win/desktop_input.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host_process.h"
#include "win/desktop.h"
#include "win/process_counts.h"
#include "win/text_application.h"
#include "win/tray_program.h"

namespace {

using namespace lexiton::e2e;
using lexiton::host::test::AppDataOverride;
using lexiton::host::test::binFolder;
using lexiton::host::test::readText;
using lexiton::host::test::writeText;
using lexiton::test::pollUntil;

constexpr auto kStartLimit = std::chrono::seconds(90);
constexpr auto kLookupLimit = std::chrono::seconds(20);
// After the start, and after the last look-up, before counting: the program at rest.
constexpr DWORD kSettleMs = 3000;
// Words this long or longer are rested on; their first letters lie well apart.
constexpr std::size_t kShortestWord = 4;
constexpr int kWarmLookups = 20;
const RECT kNotepadArea{40, 90, 900, 500};
const POINT kNowhere{1000, 740};

struct Options {
  std::string settings, text, trace;
  int lookups = 200;
};

bool parse(int argc, char** argv, Options& o) {
  if (argc % 2 == 0) return false;  // an option without its value
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i], value = argv[i + 1];
    if (key == "--settings")
      o.settings = value;
    else if (key == "--text")
      o.text = value;
    else if (key == "--trace")
      o.trace = value;
    else if (key == "--lookups")
      o.lookups = std::atoi(value.c_str());
    else
      return false;
  }
  return !o.settings.empty() && !o.text.empty() && !o.trace.empty() && o.lookups > 0;
}

int fail(const std::string& problem) {
  std::fprintf(stderr, "lexiton-hover-bench: %s\n", problem.c_str());
  return 1;
}

std::size_t lineCount(const std::string& file) {
  const std::string text = readText(file);
  std::size_t lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

std::string lastLine(const std::string& file) {
  std::string text = readText(file);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text.substr(text.find_last_of('\n') + 1);
}

// The index of every word of `text` at least kShortestWord letters long.
std::vector<std::size_t> wordStarts(const std::wstring& text) {
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && !iswalpha(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && iswalpha(text[at])) ++at;
    if (at - start >= kShortestWord) starts.push_back(start);
  }
  return starts;
}

void printCounts(const char* when, const ProcessCounts& c) {
  std::printf("%-28s private %6.1f MiB | GetGuiResources GDI %4lu user %4lu | GDI table %4s | windows %3lu\n",
              when, c.privateBytes / (1024.0 * 1024.0), c.guiGdiObjects, c.guiUserObjects,
              c.gdiTableObjects ? std::to_string(*c.gdiTableObjects).c_str() : "-", c.windows);
}

// The GDI table count, checked on this process: ten brushes made must add ten. (The first count
// sets up user32, which makes GDI objects of its own.)
void checkGdiTableCount() {
  HANDLE self = GetCurrentProcess();
  countsOf(self, GetCurrentProcessId());
  const auto before = countsOf(self, GetCurrentProcessId()).gdiTableObjects;
  HBRUSH brushes[10];
  for (int i = 0; i < 10; ++i) brushes[i] = CreateSolidBrush(RGB(i, 0, 0));
  const auto during = countsOf(self, GetCurrentProcessId()).gdiTableObjects;
  for (HBRUSH b : brushes) DeleteObject(b);
  const auto after = countsOf(self, GetCurrentProcessId()).gdiTableObjects;
  if (before && during && after)
    std::printf("GDI table count checked on this process: %lu, %lu with ten brushes more, %lu after\n",
                *before, *during, *after);
  else
    std::printf("GDI table count: the table cannot be read here\n");
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: lexiton-hover-bench --settings FILE --text FILE --trace FILE [--lookups N]\n");
    return 2;
  }
  checkGdiTableCount();

  const std::string bin = binFolder();
  AppDataOverride appData;
  appData.set(bin + "bench_appdata");
  const std::string data = makeDataDirectory(bin + "bench_appdata");
  writeText(data + "lexiton.ini", readText(o.settings));
  DeleteFileA(o.trace.c_str());
  movePointer(kNowhere);

  TrayProgram host(bin);
  if (!host.started() || !host.waitUntilReady(kStartLimit)) return fail("Lexiton.exe did not come up");
  TextApplication notepad(TextProgram::notepad, o.text, kStartLimit);
  if (!notepad.ready() || !notepad.placeAndActivate(kNotepadArea))
    return fail("notepad did not open the text");
  std::vector<POINT> points;
  for (std::size_t start : wordStarts(notepad.text()))
    if (const auto at = notepad.pointOn(start); at && at->y < kNotepadArea.bottom - 20) points.push_back(*at);
  if (points.size() < 2) return fail("too few words in view");
  std::printf("%zu words in view; %d look-ups\n", points.size(), o.lookups);

  Sleep(kSettleMs);
  const ProcessCounts idle = countsOf(host.process(), host.processId());

  int notShown = 0;
  std::optional<ProcessCounts> warm;
  const DWORD began = GetTickCount();
  for (int i = 0; i < o.lookups; ++i) {
    // The first look-ups make what the program keeps (the painters' fonts, say): the counts after
    // them are the ones that must not grow.
    if (i == kWarmLookups) {
      movePointer(kNowhere);
      Sleep(kSettleMs);
      warm = countsOf(host.process(), host.processId());
    }
    const std::size_t lines = lineCount(o.trace);
    if (!movePointer(points[static_cast<std::size_t>(i) % points.size()])) return fail("xdotool failed");
    const bool ended = pollUntil([&] { return lineCount(o.trace) > lines; }, kLookupLimit);
    if (!ended) return fail("look-up " + std::to_string(i + 1) + " did not end: " + readText(o.trace));
    if (lastLine(o.trace).find(" shown ") == std::string::npos ||
        !pollUntil([&] { return visible(host.secondTooltip()); }, kLookupLimit)) {
      ++notShown;
      std::fprintf(stderr, "look-up %d: %s\n", i + 1, lastLine(o.trace).c_str());
    }
  }
  const DWORD took = GetTickCount() - began;
  movePointer(kNowhere);
  Sleep(kSettleMs);
  const ProcessCounts after = countsOf(host.process(), host.processId());

  std::printf("%d look-ups in %.1f s; %d without both tooltips\n", o.lookups, took / 1000.0, notShown);
  printCounts("idle, after the start:", idle);
  if (warm) printCounts(("idle, after " + std::to_string(kWarmLookups) + " look-ups:").c_str(), *warm);
  printCounts("idle, after the look-ups:", after);
  const auto code = host.endSession(kStartLimit);
  if (!code || *code != 0) return fail("Lexiton.exe did not end cleanly with the session");
  return notShown == 0 ? 0 : 1;
}
