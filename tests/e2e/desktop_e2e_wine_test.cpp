// The tray program as a user meets it, end to end under wine on Xvfb: the real Lexiton.exe
// started from its folder with every real library beside it, a fresh data directory with the
// settings an installation writes, wine's notepad (an Edit control) and wordpad (a RichEdit) with
// an English text, and the pointer resting on a word for real (xdotool). Offline through
// LexitonSt.dll, and in server mode through LexitonClt.dll against lexiton-server on loopback,
// which desktop_e2e.sh starts and names in LEXITON_E2E_SESSION_INI (the settings file its session
// was written into). Alerts and the pages the program opens go to files; nothing waits for a
// person.
#include <gtest/gtest.h>

#include <httplib.h>

#include <lexiton/test/loopback_server.h>
#include <lexiton/test/win/desktop_input.h>
#include <lexiton/ui_resources.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host_process.h"
#include "tray_icon_view.h"
#include "win/desktop.h"
#include "win/text_application.h"
#include "win/tray_program.h"

namespace lexiton::e2e {
namespace {

using namespace std::chrono_literals;
using lexiton::host::test::AppDataOverride;
using lexiton::host::test::binFolder;
using lexiton::host::test::readText;
using lexiton::host::test::trayIconOnShow;
using lexiton::host::test::writeText;
using lexiton::test::pollUntil;

// Two paragraphs; the words the pointer rests on are in the first, so a rich edit counts the
// same characters before them as the file holds.
const std::string kText =
    "The houses are big and the gardens are green. He gave up smoking last year.\r\n"
    "The children went to school.\r\n";
// Where the text programs go: clear of the top-left corner, where wine shows the notification
// area, with room below for both tooltips.
const RECT kProgramArea{40, 90, 760, 360};
// Nowhere: the desktop's own window there.
const POINT kNowhere{1000, 740};
constexpr auto kStartLimit = 60s;
constexpr auto kTooltipLimit = 20s;
// The rest time: the program looks again this long after the tooltips came.
constexpr DWORD kRestMs = 500;
// What a first tooltip for one sentence and a dictionary entry for one word measure at 96 dpi.
constexpr SIZE kFirstMin{120, 40}, kFirstMax{800, 400};
constexpr SIZE kSecondMin{60, 30}, kSecondMax{800, 500};
// How far the second tooltip lies over the first's lower edge.
constexpr int kSecondOverlap = 21;

SIZE sizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    bin_ = binFolder();
    appData_.set(bin_ + "e2e_appdata");
    dataDirectory_ = makeDataDirectory(bin_ + "e2e_appdata");
    alerts_ = bin_ + "e2e_alerts.txt";
    trace_ = bin_ + "e2e_trace.txt";
    opens_ = bin_ + "e2e_opens.txt";
    textFile_ = bin_ + "e2e_text.txt";
    for (const std::string& file : {alerts_, trace_, opens_, dataDirectory_ + "lexiton.ini"})
      DeleteFileA(file.c_str());
    writeText(textFile_, kText);
    SetEnvironmentVariableA("LEXITON_ALERT_FILE", alerts_.c_str());
    SetEnvironmentVariableA("LEXITON_TRACE_FILE", trace_.c_str());
    SetEnvironmentVariableA("LEXITON_OPEN_FILE", opens_.c_str());
    english_ = LoadLibraryExA((bin_ + "uires2057.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(english_);
    ASSERT_TRUE(movePointer(kNowhere));
  }

  void TearDown() override {
    if (host_ && host_->alive()) host_->endSession(kStartLimit);
    host_.reset();
    movePointer(kNowhere);
    if (english_) FreeLibrary(english_);
  }

  std::string alerts() const { return readText(alerts_); }

  // The settings an installation writes (English, the hover dictionaries on), after `server`.
  void startProgram(const std::string& server) {
    writeText(dataDirectory_ + "lexiton.ini", server + "[dict]\r\nUserLang=2057\r\nHVRDicts=1\r\n");
    host_ = std::make_unique<TrayProgram>(bin_);
    ASSERT_TRUE(host_->started());
    ASSERT_TRUE(host_->waitUntilReady(kStartLimit)) << "the program did not come up: " << alerts();
  }

  // The session settings desktop_e2e.sh had lexiton-server write.
  std::string sessionSettings() {
    const char* file = std::getenv("LEXITON_E2E_SESSION_INI");
    const std::string settings = file ? readText(file) : std::string();
    EXPECT_NE(settings.find("Server_Mode=1"), std::string::npos)
        << "no server session: run this test through desktop_e2e.sh";
    return settings;
  }

  std::unique_ptr<TextApplication> open(TextProgram program) {
    auto application = std::make_unique<TextApplication>(program, textFile_, kStartLimit);
    EXPECT_TRUE(application->ready()) << "the text program did not open " << textFile_;
    if (application->ready()) {
      EXPECT_TRUE(application->placeAndActivate(kProgramArea));
    }
    return application;
  }

  // Rests the pointer on `word` of the application's text; where it rests.
  POINT restOn(const TextApplication& application, const std::string& word) {
    const std::size_t index = kText.find(word);
    EXPECT_EQ(application.text().substr(index, word.size()), std::wstring(word.begin(), word.end()));
    const auto at = application.pointOn(index);
    EXPECT_TRUE(at) << "the text program does not say where \"" << word << "\" is";
    if (!at) return kNowhere;
    EXPECT_TRUE(movePointer(*at));
    return *at;
  }

  // Whether the notification area shows `icon` of the program's on and busy icons.
  bool iconShown(int icon) const {
    return trayIconOnShow(english_, {LXR_ICON_ACTIVE, LXR_ICON_BUSY}) == icon;
  }
  bool bothShown() const { return visible(host_->firstTooltip()) && visible(host_->secondTooltip()); }
  bool noneShown() const { return !visible(host_->firstTooltip()) && !visible(host_->secondTooltip()); }

  // Both tooltips over `program`'s text, beside the pointer, with the program keeping the
  // foreground and the focus; a five-pixel move keeps them, a six-pixel move closes both.
  void tooltipsOver(TextProgram program) {
    const auto application = open(program);
    ASSERT_TRUE(application->ready());
    ASSERT_TRUE(application->hasForegroundAndFocus());
    const POINT at = restOn(*application, "houses");
    ASSERT_TRUE(pollUntil([&] { return bothShown(); }, kTooltipLimit)) << alerts() << readText(trace_);

    const RECT first = windowRect(host_->firstTooltip());
    const RECT second = windowRect(host_->secondTooltip());
    // Below and right of the pointer, the first tooltip's tip at it.
    EXPECT_EQ(first.left, at.x);
    EXPECT_EQ(first.top, at.y + 8);
    // Beside it, over its lower edge (the painter's height is its rectangle's bottom, inclusive).
    EXPECT_EQ(second.top, first.top + (first.bottom - first.top - 1) - kSecondOverlap);
    EXPECT_LT(std::abs(second.left - at.x), 40);
    const SIZE a = sizeOf(first), b = sizeOf(second);
    EXPECT_TRUE(a.cx >= kFirstMin.cx && a.cx <= kFirstMax.cx && a.cy >= kFirstMin.cy && a.cy <= kFirstMax.cy)
        << "first tooltip " << a.cx << "x" << a.cy;
    EXPECT_TRUE(b.cx >= kSecondMin.cx && b.cx <= kSecondMax.cx && b.cy >= kSecondMin.cy &&
                b.cy <= kSecondMax.cy)
        << "second tooltip " << b.cx << "x" << b.cy;
    // The program the user reads in keeps the foreground and its focus.
    EXPECT_TRUE(application->hasForegroundAndFocus());

    // Five pixels keep both. The rest timer, half a second after they came, looks again at a
    // place five pixels away (and shows them anew there): the check must come before.
    bool kept = false;
    for (int attempt = 0; attempt < 3 && !kept; ++attempt) {
      ASSERT_TRUE(pollUntil([&] { return bothShown(); }, kTooltipLimit));
      const DWORD since = GetTickCount();
      ASSERT_TRUE(movePointer({at.x + 5, at.y}));
      Sleep(100);
      const bool stillShown = bothShown();
      if (GetTickCount() - since < kRestMs - 100) {
        EXPECT_TRUE(stillShown);
        kept = true;
      }
      ASSERT_TRUE(movePointer(at));
      Sleep(2 * kRestMs);
    }
    EXPECT_TRUE(kept) << "xdotool too slow to move within the rest time";

    // 'q' twice records one feedback page for the result shown, and keeps the tooltips.
    const POINT shownAt = restOn(*application, "gardens");
    ASSERT_TRUE(host_->waitUntilTooltipsSettle(std::chrono::milliseconds(2 * kRestMs), kTooltipLimit))
        << alerts();
    const std::size_t opened = lines(readText(opens_)).size();
    ASSERT_TRUE(lexiton::test::xdotool("key q q"));
    EXPECT_TRUE(pollUntil([&] { return lines(readText(opens_)).size() > opened; }, kTooltipLimit));
    Sleep(kRestMs);
    const auto recorded = lines(readText(opens_));
    ASSERT_EQ(recorded.size(), opened + 1) << readText(opens_);
    EXPECT_EQ(recorded.back().rfind("open|", 0), 0u) << recorded.back();
    EXPECT_NE(
        recorded.back().find("/feedback.asp?description=EN: The houses are big and the gardens are green."),
        std::string::npos)
        << recorded.back();
    EXPECT_TRUE(bothShown());

    // Six pixels from where they were looked up close both at once (the rest timer shows them
    // again at the new place half a second later).
    ASSERT_TRUE(movePointer({shownAt.x + 6, shownAt.y}));
    EXPECT_TRUE(pollUntil([&] { return noneShown(); }, 1s));
    EXPECT_TRUE(application->hasForegroundAndFocus());
    ASSERT_TRUE(movePointer(kNowhere));
  }

  std::string bin_, dataDirectory_, alerts_, trace_, opens_, textFile_;
  AppDataOverride appData_;
  HMODULE english_ = nullptr;
  std::unique_ptr<TrayProgram> host_;
};

TEST_F(Desktop, OfflineBothTooltipsShowOverNotepadAndWordpad) {
  ASSERT_NO_FATAL_FAILURE(startProgram("[Server Settings]\r\nServer_Mode=0\r\n"));
  tooltipsOver(TextProgram::notepad);
  tooltipsOver(TextProgram::wordpad);
  // Each look-up went the whole way; the program ends when the session does.
  EXPECT_NE(readText(trace_).find(" shown rest_fired=0.00 "), std::string::npos) << readText(trace_);
  EXPECT_EQ(host_->endSession(kStartLimit), 0u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(Desktop, ServerModeBothTooltipsShowOverNotepadAndWordpad) {
  const std::string session = sessionSettings();
  ASSERT_NO_FATAL_FAILURE(startProgram(session));
  tooltipsOver(TextProgram::notepad);
  tooltipsOver(TextProgram::wordpad);
  EXPECT_EQ(host_->endSession(kStartLimit), 0u);
  EXPECT_EQ(alerts(), "");
}

// The session's settings with the server's address replaced by `address`; the replaced address
// into `original`.
std::string readdressed(const std::string& settings, const std::string& address, std::string& original) {
  const std::string key = "Server_Address=";
  const std::size_t at = settings.find(key);
  if (at == std::string::npos) return settings;
  const std::size_t value = at + key.size();
  const std::size_t end = settings.find_first_of("\r\n", value);
  original = settings.substr(value, end - value);
  return settings.substr(0, value) + address + settings.substr(end);
}

TEST_F(Desktop, TheBusyIconShowsWhileASlowServerAnswers) {
  constexpr auto kServerDelay = 3000ms;
  std::string upstream;
  std::string session = sessionSettings();
  // Between the program and lexiton-server: every request passed on at once, its answer held
  // back for the delay.
  lexiton::test::LoopbackServer slow([&](const lexiton::test::Request& request) {
    const std::size_t hostStart = upstream.find("//") + 2;
    const std::size_t colon = upstream.find(':', hostStart);
    const int port = std::atoi(upstream.c_str() + colon + 1);
    httplib::Client server(upstream.substr(hostStart, colon - hostStart), port);
    auto answer = server.Post(request.target.c_str(), request.body, request.header("Content-Type").c_str());
    if (!answer) return lexiton::test::Reply(502, "lexiton-server did not answer");
    lexiton::test::Reply reply(answer->status, answer->body);
    reply.contentType = answer->get_header_value("Content-Type");
    reply.delay = kServerDelay;
    return reply;
  });
  session = readdressed(session, slow.url("/"), upstream);
  ASSERT_NE(upstream, "");
  ASSERT_NO_FATAL_FAILURE(startProgram(session));
  ASSERT_TRUE(pollUntil([&] { return iconShown(LXR_ICON_ACTIVE); }, 10s));

  const auto application = open(TextProgram::notepad);
  ASSERT_TRUE(application->ready());
  const std::size_t before = slow.requestCount();
  restOn(*application, "gardens");
  ASSERT_TRUE(pollUntil([&] { return slow.requestCount() > before; }, kTooltipLimit)) << alerts();
  const DWORD asked = GetTickCount();
  // While the server holds its answer: busy, and no tooltip.
  EXPECT_TRUE(pollUntil([&] { return iconShown(LXR_ICON_BUSY); }, 2s));
  EXPECT_FALSE(visible(host_->firstTooltip()));
  // Then the answer's tooltip, and the icon back.
  ASSERT_TRUE(pollUntil([&] { return visible(host_->firstTooltip()); }, kTooltipLimit)) << alerts();
  EXPECT_GE(GetTickCount() - asked, static_cast<DWORD>(kServerDelay.count()) - 200);
  EXPECT_TRUE(pollUntil([&] { return iconShown(LXR_ICON_ACTIVE); }, 2s));
  EXPECT_TRUE(application->hasForegroundAndFocus());
  EXPECT_EQ(host_->endSession(kStartLimit), 0u);
  EXPECT_EQ(alerts(), "");
}

}  // namespace
}  // namespace lexiton::e2e
