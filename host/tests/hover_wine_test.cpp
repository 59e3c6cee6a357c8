// The pointer tracking and the tooltips of the real Lexiton.exe under wine on Xvfb: the real
// pointer hook and text reader over a text window of this test, both painters, the real hover
// dictionary, and the real stand-alone look-up library or a client stand-in whose look-ups take
// the time a test scripts and that logs what it is asked. The pointer moves for real (xdotool),
// since the rest timer reads the pointer's position. Also where the pointer tracking meets the
// tray: the feedback key and the busy icon. Alerts and opens go to files; nothing waits for a
// person.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <regex>
#include <vector>

#include <lexiton/test/win/desktop_input.h>
#include <lexiton/ui_resources.h>
#include <lexiton/web_site.h>

#include "hover/trigger_message.h"
#include "real_program.h"
#include "tray/win/tray.h"
#include "tray_icon_view.h"
#include "tests/standins/client_standin_document.h"

namespace lexiton::host::test {
namespace {

using namespace std::chrono_literals;

const std::wstring kText = L"The houses are big and the extraordinary gardens are green.";

std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class HoverProgram : public RealProgram {
 protected:
  HoverProgram() : RealProgram(kText) {}
};

TEST_F(HoverProgram, BothTooltipsAppearBesideThePointerAndTheApplicationKeepsTheFocus) {
  ASSERT_NO_FATAL_FAILURE(start("hover_real", "LexitonSt.dll", "HVRDicts=1\n"));
  ASSERT_EQ(GetForegroundWindow(), text_->frame());
  const DWORD arrived = restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 20000ms)) << alerts() << readText(trace_);
  // Not before the pointer rested for the rest time.
  EXPECT_GE(GetTickCount() - arrived, 450u);
  const RECT first = windowRect(display_);
  // Below and right of the pointer, the tip pointing at it.
  EXPECT_EQ(first.left, pointer_.x);
  EXPECT_EQ(first.top, pointer_.y + 8);
  EXPECT_GT(first.right - first.left, 100);

  ASSERT_TRUE(pollUntil([&] { return shown(second_); }, 10000ms)) << alerts();
  const RECT second = windowRect(second_);
  // Both in the painters' shape: the corners of their rectangles lie outside it.
  for (HWND window : {display_, second_}) {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, shape), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    DeleteObject(shape);
  }
  // Out of the first one's way: below it, over its lower 21 pixels.
  EXPECT_EQ(second.top, first.top + (first.bottom - first.top - 1) - 21);

  // The application under the pointer keeps the foreground, its focus and its caret.
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetGUIThreadInfo(text_->threadId(), &info));
  EXPECT_EQ(GetForegroundWindow(), text_->frame());
  EXPECT_EQ(info.hwndActive, text_->frame());
  EXPECT_EQ(info.hwndFocus, text_->edit());
  EXPECT_EQ(info.hwndCaret, text_->edit());
  // A click on a tooltip does not activate it.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(display_, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(display_),
                      MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(MA_NOACTIVATE));

  // The look-up's trace: every stage, in order.
  const auto traced = lines(readText(trace_));
  ASSERT_FALSE(traced.empty());
  const std::string& line = traced.back();
  EXPECT_EQ(line.rfind("lookup ", 0), 0u) << line;
  EXPECT_NE(line.find(" shown rest_fired=0.00 "), std::string::npos) << line;
  EXPECT_EQ(line.find("=-"), std::string::npos) << line;
  std::printf("trace: %s\n", line.c_str());

  if (const char* shot = std::getenv("LEXITON_TEST_SCREENSHOT"); shot && *shot) {
    screenshotTo(lexiton::test::unixPath(shot));
    writeText(std::string(shot) + ".trace", line + "\n");
  }
  EXPECT_EQ(alerts(), "");
}

TEST_F(HoverProgram, TheTooltipHasThePaintersSizeAndHidesOnASixPixelMoveOrAKey) {
  ASSERT_NO_FATAL_FAILURE(start("hover_moves", "standin_client.dll", ""));
  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << alerts();
  const SIZE expected = expectedSize("HOUSES");
  ASSERT_GT(expected.cx, 0);
  EXPECT_EQ(size(display_).cx, expected.cx);
  EXPECT_EQ(size(display_).cy, expected.cy);
  EXPECT_NE(log().find("client SetMode 1 3\nclient Lookup 1 "), std::string::npos) << log();

  // Five pixels keep it. The rest timer, 500 ms after the tooltip came, looks again at a
  // position five pixels away (and closes it to show it anew): the check must fall before.
  bool kept = false;
  for (int attempt = 0; attempt < 3 && !kept; ++attempt) {
    ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms));
    const DWORD since = GetTickCount();
    POINT at = pointer_;
    at.x += 5;
    ASSERT_TRUE(movePointer(at));
    pointer_ = at;
    Sleep(100);
    const bool stillShown = shown(display_);
    if (GetTickCount() - since < 400) {
      EXPECT_TRUE(stillShown);
      kept = true;
    }
  }
  EXPECT_TRUE(kept) << "xdotool too slow to move within the rest time";

  // ',' leaves it, another key closes it.
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms));
  Sleep(600);  // past the rest timer's look at the new position
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms));
  ASSERT_TRUE(text_->press("comma"));
  Sleep(400);
  EXPECT_TRUE(shown(display_));
  ASSERT_TRUE(text_->press("x"));
  EXPECT_TRUE(pollUntil([&] { return !shown(display_); }, 3000ms));

  // Six pixels close it.
  restOn(L"gardens");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << alerts();
  POINT away = pointer_;
  away.x += 6;
  ASSERT_TRUE(movePointer(away));
  // At once (the rest timer only shows it again, at the new place, half a second later).
  EXPECT_TRUE(pollUntil([&] { return !shown(display_); }, 1500ms));
  EXPECT_EQ(alerts(), "");
}

TEST_F(HoverProgram, ASecondLookUpBeforeTheFirstReturnsShowsOnlyTheSecondResult) {
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", "3000,0");
  ASSERT_NO_FATAL_FAILURE(start("hover_stale", "standin_client.dll", ""));
  const SIZE first = expectedSize("HOUSES");
  const SIZE second = expectedSize("EXTRAORDINARY");
  ASSERT_NE(first.cx, second.cx);
  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return log().find("client Lookup 1 ") != std::string::npos; }, 5000ms));
  // While the first look-up runs, the pointer moves to another word: the slow rest tick starts a
  // second look-up there.
  restOn(L"extraordinary");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << log();
  EXPECT_EQ(size(display_).cx, second.cx);
  // Until well after the first look-up returned, the second result stays, and the first never
  // shows.
  const DWORD until = GetTickCount() + 4000;
  while (GetTickCount() < until) {
    if (shown(display_)) {
      ASSERT_NE(size(display_).cx, first.cx);
    }
    Sleep(10);
  }
  EXPECT_NE(log().find("client Lookup 1 returned"), std::string::npos) << log();
  EXPECT_TRUE(shown(display_));
  EXPECT_EQ(countOf(log(), "client KVStorno"), 0u);
  // Both ended in the trace, one after the other: the first superseded, the second shown. (The
  // trace numbers every evaluation, so a text window that read as hung first shifts them.)
  const std::string trace = readText(trace_);
  std::smatch superseded;
  ASSERT_TRUE(std::regex_search(trace, superseded, std::regex("lookup ([0-9]+) superseded "))) << trace;
  const std::string shownNext = "lookup " + std::to_string(std::stoul(superseded[1]) + 1) + " shown ";
  EXPECT_NE(trace.find(shownNext, superseded.position(0)), std::string::npos) << trace;
}

TEST_F(HoverProgram, AnEvaluationWithoutTextCancelsTheRunningLookUp) {
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", "3000,0");
  ASSERT_NO_FATAL_FAILURE(start("hover_storno", "standin_client.dll", ""));
  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return log().find("client Lookup 1 ") != std::string::npos; }, 5000ms));
  ASSERT_TRUE(movePointer(kNowhere));
  EXPECT_TRUE(pollUntil([&] { return log().find("client KVStorno") != std::string::npos; }, 5000ms)) << log();
  Sleep(3500);
  EXPECT_EQ(countOf(log(), "client KVStorno"), 1u);
  EXPECT_FALSE(shown(display_));
}

// A trigger message as another program sends it, to the window the shared block names.
bool sendTrigger(HWND window, const std::string& text, uint32_t cursor, uint32_t length) {
  std::vector<uint8_t> block(trigger_layout::kTextOffset + text.size() + 1, 0);
  std::memcpy(block.data(), trigger_layout::kIdentifier.data(), trigger_layout::kIdentifier.size());
  std::memcpy(block.data() + trigger_layout::kTextLengthOffset, &length, 4);
  std::memcpy(block.data() + trigger_layout::kCursorOffset, &cursor, 4);
  std::memcpy(block.data() + trigger_layout::kTextOffset, text.data(), text.size());
  COPYDATASTRUCT data{1, static_cast<DWORD>(block.size()), block.data()};
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                             &answer) &&
         answer == TRUE;
}

TEST_F(HoverProgram, ATriggerMessageStartsALookUpALyingOneIsIgnored) {
  ASSERT_NO_FATAL_FAILURE(start("hover_trigger", "standin_client.dll", ""));
  const std::string pushed = "first line\nThe gardens are green";
  const uint32_t cursor = static_cast<uint32_t>(pushed.find("gardens"));
  // Each message comes while the pointer is at a place not yet looked at, as the rest step needs.
  POINT at{300, 600};
  ASSERT_TRUE(movePointer(at));
  EXPECT_TRUE(sendTrigger(display_, pushed, cursor, 500));  // a length past what was sent
  at.x += 20;
  ASSERT_TRUE(movePointer(at));
  EXPECT_TRUE(sendTrigger(display_, pushed, static_cast<uint32_t>(pushed.size()) + 1,
                          static_cast<uint32_t>(pushed.size())));  // a cursor past the text
  Sleep(1000);
  EXPECT_EQ(log().find("client Lookup"), std::string::npos) << log();

  // The pending text waits for the next evaluation: should the rest timer have looked at the
  // pointer's place just before the message came, the next place takes it.
  bool lookedUp = false;
  for (int attempt = 0; attempt < 4 && !lookedUp; ++attempt) {
    at.x += 20;
    ASSERT_TRUE(movePointer(at));
    const bool sent =
        attempt > 0 || sendTrigger(display_, pushed, cursor, static_cast<uint32_t>(pushed.size()));
    EXPECT_TRUE(sent);
    lookedUp = pollUntil([&] { return log().find("client Lookup 1 ") != std::string::npos; }, 2500ms);
  }
  ASSERT_TRUE(lookedUp) << log() << alerts();
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << log() << alerts();
  const std::string calls = log();
  EXPECT_NE(calls.find("client Lookup 1 The gardens are green|"), std::string::npos) << calls;
  EXPECT_NE(calls.find("|Trigger|"), std::string::npos) << calls;
  EXPECT_EQ(size(display_).cx, expectedSize("GARDENS").cx);
  // Placed from where the pointer was.
  EXPECT_EQ(windowRect(display_).left, at.x);
  EXPECT_EQ(windowRect(display_).top, at.y + 8);
  // Ignored while a tooltip is shown.
  EXPECT_TRUE(sendTrigger(display_, "The houses", 4, 10));
  Sleep(700);
  EXPECT_EQ(countOf(log(), "client Lookup "), 2u) << log();  // the call and its "returned"
}

TEST_F(HoverProgram, TheSecondTooltipComesOnlyAfterTheFirst) {
  // The local look-up answers at once, the client's after 1.5 s.
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", "1500");
  ASSERT_NO_FATAL_FAILURE(start("hover_second", "standin_client.dll", "HVRDicts=1\n"));
  restOn(L"houses");
  bool secondAlone = false;
  const bool both = pollUntil(
      [&] {
        if (shown(second_) && !shown(display_)) secondAlone = true;
        return shown(display_) && shown(second_);
      },
      10000ms);
  ASSERT_TRUE(both) << alerts();
  EXPECT_FALSE(secondAlone);
  const RECT first = windowRect(display_), second = windowRect(second_);
  EXPECT_EQ(second.top, first.top + (first.bottom - first.top - 1) - 21);
  // Closing the first closes the second.
  ASSERT_TRUE(text_->press("x"));
  EXPECT_TRUE(pollUntil([&] { return !shown(display_) && !shown(second_); }, 3000ms));
}

TEST_F(HoverProgram, WithDisplaySuppressedNothingShowsWhileTheCycleRuns) {
  ASSERT_NO_FATAL_FAILURE(start("hover_suppressed", "standin_client.dll", "HVRDicts=1\n"));
  HWND main = host_->mainWindow(*record_);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(main, WM_COMMAND, LXR_COMMAND_SUPPRESS, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  restOn(L"houses");
  // The look-up runs and ends as shown, with nothing on the screen meanwhile.
  bool anything = false;
  const bool ended = pollUntil(
      [&] {
        anything = anything || shown(display_) || shown(second_);
        return std::regex_search(readText(trace_), std::regex("lookup [0-9]+ shown "));
      },
      10000ms);
  EXPECT_TRUE(ended) << log() << readText(trace_);
  Sleep(500);
  EXPECT_FALSE(anything || shown(display_) || shown(second_));
  // Back on: the next rest shows.
  SendMessageTimeoutA(main, WM_COMMAND, LXR_COMMAND_SUPPRESS, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  restOn(L"gardens");
  EXPECT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms));
}

TEST_F(HoverProgram, TheFeedbackKeyOpensTheFeedbackPageOnEveryOtherPress) {
  ASSERT_NO_FATAL_FAILURE(start("hover_feedback", "standin_client.dll", ""));
  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << alerts();
  // The page of the result on show, owned by the first tooltip.
  const std::string houses = "open|" + std::to_string(reinterpret_cast<std::uintptr_t>(display_)) + "|show|" +
                             webHost() + "/feedback.asp?description=HOUSES&who=1.2.3.44lx&lang=en";
  ASSERT_TRUE(text_->press("q"));
  ASSERT_TRUE(pollUntil([&] { return opens().size() == 1; }, 5000ms)) << readText(opens_);
  EXPECT_EQ(opens()[0], houses);
  // The key leaves the tooltip on show. The second press opens nothing; the third opens the
  // page again (the keys arrive in order, so once its page is there the second was handled).
  EXPECT_TRUE(shown(display_));
  ASSERT_TRUE(text_->press("q"));
  ASSERT_TRUE(text_->press("q"));
  ASSERT_TRUE(pollUntil([&] { return opens().size() == 2; }, 5000ms)) << readText(opens_);
  EXPECT_EQ(opens(), (std::vector<std::string>{houses, houses}));
  EXPECT_TRUE(shown(display_));

  // The toggle is on and outlives the tooltip: on the next one the first press turns it off,
  // the second opens that tooltip's page.
  ASSERT_TRUE(text_->press("x"));
  ASSERT_TRUE(pollUntil([&] { return !shown(display_); }, 3000ms));
  restOn(L"gardens");
  ASSERT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << alerts();
  ASSERT_TRUE(text_->press("q"));
  ASSERT_TRUE(text_->press("q"));
  ASSERT_TRUE(pollUntil([&] { return opens().size() == 3; }, 5000ms)) << readText(opens_);
  EXPECT_NE(opens()[2].find("?description=GARDENS&who="), std::string::npos) << opens()[2];
  EXPECT_EQ(opens().size(), 3u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(HoverProgram, AClickOnTheIconWhileALookUpRunsKeepsTheBusyIconUntilTheLookUpEnds) {
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", "3000");
  ASSERT_NO_FATAL_FAILURE(start("hover_busy_click", "standin_client.dll", ""));
  HMODULE english =
      LoadLibraryExA((binFolder() + "uires2057.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(english, nullptr);
  const auto icon = [&] {
    return trayIconOnShow(english, {LXR_ICON_ACTIVE, LXR_ICON_PAUSED, LXR_ICON_BUSY});
  };
  EXPECT_TRUE(pollUntil([&] { return icon() == LXR_ICON_ACTIVE; }, 10000ms));

  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return log().find("client Lookup 1 ") != std::string::npos; }, 5000ms))
      << log();
  EXPECT_TRUE(pollUntil([&] { return icon() == LXR_ICON_BUSY; }, 5000ms)) << log();

  // The user pauses while the look-up runs: paused at once, and the icon says busy until the
  // look-up has ended.
  DWORD_PTR result = 0;
  SendMessageTimeoutA(host_->mainWindow(*record_), Tray::kCallbackMessage, Tray::kIconId, WM_LBUTTONDOWN,
                      SMTO_ABORTIFHUNG, 10000, &result);
  EXPECT_EQ(readSubscriberRecord()->enabled, 0u);
  bool busyThroughout = true;
  const bool returned = pollUntil(
      [&] {
        // The icon first: while Lookup has not returned after it was read, the look-up ran.
        const auto onShow = icon();
        if (log().find("client Lookup 1 returned") != std::string::npos) return true;
        if (onShow != LXR_ICON_BUSY) busyThroughout = false;
        return false;
      },
      10000ms);
  ASSERT_TRUE(returned) << log();
  EXPECT_TRUE(busyThroughout);
  EXPECT_TRUE(pollUntil([&] { return icon() == LXR_ICON_PAUSED; }, 5000ms));
  FreeLibrary(english);
  EXPECT_EQ(alerts(), "");
}

TEST_F(HoverProgram, TheEndOfTheSessionSavesBeforeItIsAnswered) {
  // Any value but 0 is on: the look-ups carry the feedback hint.
  ASSERT_NO_FATAL_FAILURE(start("hover_session_end", "standin_client.dll", "FeedbackText=5\n"));
  restOn(L"houses");
  ASSERT_TRUE(
      pollUntil([&] { return log().find("client Lookup 1 returned") != std::string::npos; }, 10000ms));
  char hint[256] = {};
  HMODULE english =
      LoadLibraryExA((binFolder() + "uires2057.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  LoadStringA(english, LXR_STRING_FEEDBACK_HINT, hint, sizeof hint);
  FreeLibrary(english);
  EXPECT_NE(log().find("|" + std::string(hint) + "\n"), std::string::npos) << log();

  HWND main = host_->mainWindow(*record_);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, &result);
  // Windows may end the process as soon as the message is answered.
  host_->terminate();
  EXPECT_EQ(iniValue("FeedbackText"), "1");
  EXPECT_NE(log().find("client KVExit\nclient KVClose\n"), std::string::npos) << log();
}

TEST_F(HoverProgram, ALookUpThatAsksToQuitEndsTheProgramThroughTheEndOfTheSession) {
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_QUIT", "1");
  ASSERT_NO_FATAL_FAILURE(start("hover_quit", "standin_client.dll", "TTColor=77\n"));
  restOn(L"houses");
  EXPECT_EQ(host_->waitForExit(std::chrono::seconds(20)), 0u) << log();
  const std::string calls = log();
  EXPECT_NE(calls.find("client KVExit\nclient KVClose\n"), std::string::npos) << calls;
  EXPECT_EQ(iniValue("TTColor"), "77");
  EXPECT_EQ(iniValue("FeedbackText"), "0");
}

TEST_F(HoverProgram, AWorkerStillInsideLookupKeepsTheLibraryLoadedToTheEnd) {
  // The look-up returns only after the host closed the client, as the host unloads it.
  SetEnvironmentVariableA("LEXITON_STANDIN_LOOKUP_DELAYS", "kvclose");
  ASSERT_NO_FATAL_FAILURE(start("hover_late_worker", "standin_client.dll", ""));
  restOn(L"houses");
  ASSERT_TRUE(pollUntil([&] { return log().find("client Lookup 1 ") != std::string::npos; }, 10000ms));
  EXPECT_EQ(host_->endSession(*record_), 0u);
  const std::string calls = log();
  EXPECT_NE(calls.find("client unload at exit"), std::string::npos) << calls;
  EXPECT_EQ(calls.find("client unload\n"), std::string::npos) << calls;
}

// The text at 96 and at 144 dpi (wine's LogPixels): the program is DPI-aware, so the painter
// gets the display's real resolution and the text grows with it.
class HoverDpi : public HoverProgram {
 protected:
  static void setLogPixels(std::optional<DWORD> dpi) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
      return;
    if (dpi)
      RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi), sizeof *dpi);
    else
      RegDeleteValueA(key, "LogPixels");
    RegCloseKey(key);
  }
  void TearDown() override {
    HoverProgram::TearDown();
    setLogPixels(std::nullopt);
  }
  SIZE tooltipAt(DWORD dpi, const std::string& name) {
    setLogPixels(dpi);
    start(name, "standin_client.dll", "");
    restOn(L"extraordinary");
    EXPECT_TRUE(pollUntil([&] { return shown(display_); }, 10000ms)) << alerts();
    const SIZE shownSize = size(display_);
    host_->endSession(*record_);
    host_.reset();
    movePointer(kNowhere);
    return shownSize;
  }
};

TEST(HoverManifest, TheProgramDeclaresItselfDpiAwareOnEveryMonitor) {
  // Wine reports the display's resolution to every program, so the manifest is read back
  // from the program file: Windows scales (and blurs) a program without it.
  HMODULE program = LoadLibraryExA((binFolder() + "Lexiton.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
  const std::string manifest(bytes, SizeofResource(program, found));
  FreeLibrary(program);
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find(">PerMonitorV2"), std::string::npos) << manifest;
}

TEST_F(HoverDpi, TheTextGrowsWithTheDpi) {
  const SIZE normal = tooltipAt(96, "hover_dpi_96");
  const SIZE large = tooltipAt(144, "hover_dpi_144");
  ASSERT_GT(normal.cx, 0);
  // The word's width grows by half; the frame's fixed parts do not.
  EXPECT_GT(large.cx * 100, normal.cx * 125) << normal.cx << " -> " << large.cx;
  EXPECT_GT(large.cy, normal.cy);
}

}  // namespace
}  // namespace lexiton::host::test
