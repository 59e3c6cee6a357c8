// KVInit's settings rules, the about texts, speech binding and the other exports' effects,
// on a library state of its own (the recorder speech library, recording dialogs) and on the
// process-wide one behind the exported entries.
#include <gtest/gtest.h>
#include <lexiton/profile.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "lexiton/lookup_exports.h"
#include "lexiton/lookup/library_state.h"
#include "lexiton/lookup/query_backend.h"
#include "lookup_test_util.h"
#include "reply_server.h"

using namespace lexiton;
using namespace lexiton::lookup;
using namespace lexiton::test;

namespace {

#ifdef _WIN32
const char kVoicer[] = "voicer.dll";
const char kNoVoicer[] = "no-voicer.dll";
const char kLibraryWithoutSpeech[] = "kernel32.dll";
void setVoicerLog(const std::string& path) { _putenv(("LEXITON_VOICER_LOG=" + path).c_str()); }
#else
const char kVoicer[] = "./voicer.so";
const char kNoVoicer[] = "./no-voicer.so";
const char kLibraryWithoutSpeech[] = "libz.so.1";
void setVoicerLog(const std::string& path) { setenv("LEXITON_VOICER_LOG", path.c_str(), 1); }
#endif

class State : public ::testing::Test {
 protected:
  State() {
    setVoicerLog(voicerLog);
    std::remove(voicerLog.c_str());
    writeFile(aboutFile, chunk("1038", deflated("{\\rtf1 magyar}")) +
                             chunk("0000", deflated("{\\rtf1 english}")) + std::string(4, '\0'));
  }
  ~State() override {
    for (const std::string& f : {ini, voicerLog, aboutFile}) std::remove(f.c_str());
  }

  std::unique_ptr<LibraryState> make(std::string speechLibrary = kVoicer) {
    LibraryOptions options;
    options.speechLibrary = std::move(speechLibrary);
    options.aboutFile = aboutFile;
    options.backend = makeServerBackend;
    options.dialogs = [this](void*) {
      auto d = std::make_unique<RecordingDialogs>();
      dialogs = d.get();
      return d;
    };
    return std::make_unique<LibraryState>(std::move(options));
  }

  int init(LibraryState& state, const std::string& settings) {
    writeFile(ini, settings);
    return state.init(nullptr, ini.c_str());
  }

  std::string ini = "state_test.ini";
  std::string voicerLog = "state_test_voicer.log";
  std::string aboutFile = "state_test.cri";
  RecordingDialogs* dialogs = nullptr;
  AlertRecorder alerts;
};

TEST_F(State, MissingSettingsPathOrStyleSheetFailsWithAMessageBox) {
  auto state = make();
  EXPECT_EQ(state->init(nullptr, ""), -1);
  EXPECT_EQ(state->init(nullptr, nullptr), -1);
  LibraryOptions options;
  options.styleSheetFile = "no-such-style-sheet.sty";
  LibraryState broken(options);
  EXPECT_EQ(broken.init(nullptr, ini.c_str()), -1);
  const auto shown = alerts.alerts();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, "The .ini file is not defined.");
  EXPECT_EQ(shown[0].caption, "Lexiton initialisation");
  EXPECT_EQ(shown[2].caption, "Layout construction exception");
  EXPECT_EQ(shown[2].text.rfind("korvell.sty: 0 (line:", 0), 0u);
  for (const Alert& a : shown) EXPECT_EQ(a.icon, AlertIcon::error);
}

TEST_F(State, ServerModeAndLanguageRules) {
  struct Case {
    std::string settings;
    bool serverMode;
    int language;
    std::string about;
  } cases[] = {
      {"", true, 1038, "{\\rtf1 english}"},
      {"[Server Settings]\nServer_Mode=0\n", false, 1038, "{\\rtf1 english}"},
      {"[Server Settings]\nServer_Mode=00\n[dict]\nUserLang=1038\n", true, 1038, "{\\rtf1 magyar}"},
      {"[Server Settings]\nServer_Mode=1\n[dict]\nUserLang=1033\n", true, 1033, "{\\rtf1 english}"},
      {"[dict]\nUserLang=10\n", true, 10, "{\\rtf1 english}"},
      {"[dict]\nUserLang=103899\n", true, 103899, "{\\rtf1 magyar}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings);
    auto state = make();
    ASSERT_EQ(init(*state, c.settings), 0);
    EXPECT_EQ(state->serverMode(), c.serverMode);
    EXPECT_EQ(state->hasBackend(), c.serverMode);
    EXPECT_EQ(state->language(), c.language);
    const LxTextList* about = state->copyRightInfo();
    ASSERT_EQ(about->count, 1u);
    EXPECT_STREQ(about->items[0], c.about.c_str());
    EXPECT_EQ(state->storno(), -1);  // no session built yet, or no connection at all
  }
}

TEST_F(State, AboutTextsStayEmptyWhenTheFileIsMissingOrCorrupt) {
  for (const std::string& content : {std::string(), chunk("1038", "not zlib") + std::string(4, '\0'),
                                     chunk("0000", "xy"), std::string("0000\xFF\xFF\xFF\x7F", 8)}) {
    writeFile(aboutFile, content);
    auto state = make();
    ASSERT_EQ(init(*state, "[dict]\nUserLang=1038\n"), 0);
    EXPECT_EQ(state->copyRightInfo()->count, 0u);
  }
}

// The host may still read the list it was handed while a second KVInit publishes another: the
// first list stays whole, and the next call hands out the new one.
TEST_F(State, AboutListHandedOutSurvivesTheNextInit) {
  auto state = make();
  EXPECT_EQ(state->copyRightInfo()->count, 0u);  // before KVInit
  ASSERT_EQ(init(*state, "[dict]\nUserLang=1038\n"), 0);
  const LxTextList* first = state->copyRightInfo();
  ASSERT_EQ(first->count, 1u);
  ASSERT_EQ(init(*state, "[dict]\nUserLang=1033\n"), 0);
  ASSERT_EQ(init(*state, "[dict]\nUserLang=1038\n"), 0);
  EXPECT_EQ(first->count, 1u);
  EXPECT_STREQ(first->items[0], "{\\rtf1 magyar}");
  const LxTextList* last = state->copyRightInfo();
  EXPECT_NE(last, first);
  ASSERT_EQ(last->count, 1u);
  EXPECT_STREQ(last->items[0], "{\\rtf1 magyar}");
}

TEST_F(State, SpeechSettingsAndBinding) {
  struct Case {
    std::string source, destination;
    bool on;
  } cases[] = {{"On", "Off", true}, {"Off", "On", true}, {"on", "on", false},
               {"", "", false},     {"On ", "", true},   {"ON", "x", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source + "/" + c.destination);
    auto state = make();
    ASSERT_EQ(init(*state, "[Source Language Audio Settings]\nState=" + c.source +
                               "\n[Destination Language Audio Settings]\nState=" + c.destination + "\n"),
              0);
    EXPECT_EQ(state->speechOn(), c.on);
  }
  // A missing library, or one without both entries, silently means no speech.
  for (const char* library : {kNoVoicer, kLibraryWithoutSpeech}) {
    auto state = make(library);
    ASSERT_EQ(init(*state, "[Source Language Audio Settings]\nState=On\n"), 0);
    EXPECT_FALSE(state->speechOn());
  }
  EXPECT_TRUE(alerts.alerts().empty());
}

TEST_F(State, LookUpThroughTheStateSpeaksModesAndClosesTheSession) {
  ReplyServer server([](const std::string&) {
    return ServerReply{
        "<surf-ss>one</surf-ss><surf-st>egy</surf-st><surf-ss>1</surf-ss><surf-st>I</surf-st>"};
  });
  auto state = make();
  ASSERT_EQ(init(*state, "[Server Settings]\nServer_Address=" + server.url() + "\nSessionID=" + kSessionName +
                             kSessionKey + "\n[Source Language Audio Settings]\nState=On\n"),
            0);
  EXPECT_EQ(state->setMode(1, 3), 1);
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  LxByteArray result{bytes.data(), 77, static_cast<uint32_t>(bytes.size())};
  const std::u16string text = u"one";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), 3};
  int count = -5, reserved = -5;
  bool quit = true;
  ASSERT_TRUE(state->lookup(&wide, 1, &result, &count, &reserved, "", &quit, "", "Trigger"));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(reserved, 0);
  EXPECT_FALSE(quit);
  EXPECT_EQ(chunkText(result.data, result.size, "plai"), "EN: one%0D%0AHU: egy%0D%0AEN: 1%0D%0AHU: I%0D%0A");
  EXPECT_EQ(recordField(server.records().at(0), "frm"), "4");
  EXPECT_EQ(recordField(server.records().at(0), "dat"), "o&kvopoint;ne");
  EXPECT_EQ(readFile(voicerLog), "reset\n0:one\n1:egy\n1:Vagy?\n0:1\n1:I\n");

  EXPECT_EQ(state->storno(), 0);
  EXPECT_EQ(state->close(), 0);
  EXPECT_EQ(server.controls(), (std::vector<std::string>{"storno,Korvell", "sessionend,Korvell"}));
  // After KVClose there is no style sheet any more: nothing is laid out.
  EXPECT_FALSE(state->lookup(&wide, 1, &result, &count, &reserved, "", &quit, "", "Trigger"));
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(state->exit());
  ASSERT_NE(dialogs, nullptr);
  EXPECT_EQ(dialogs->destroyed, 1);
}

TEST_F(State, UpgradeChoiceAsksTheHostToQuit) {
  ReplyServer server([](const std::string&) {
    return ServerReply{"1701 Client needs to be updated! ", false};
  });
  auto state = make();
  ASSERT_EQ(init(*state, "[Server Settings]\nServer_Address=" + server.url() + "\nSessionID=" + kSessionName +
                             kSessionKey + "\n[dict]\nUserLang=1033\n"),
            0);
  dialogs->upgradeChoice = 2;
  std::vector<uint8_t> bytes(4096);
  LxByteArray result{bytes.data(), 0, 4096};
  int count = 9;
  bool quit = false;
  EXPECT_FALSE(state->lookup(nullptr, 0, &result, &count, nullptr, nullptr, &quit, nullptr, nullptr));
  EXPECT_TRUE(quit);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(dialogs->lastUpgradeLanguage, 1033);
  EXPECT_TRUE(alerts.alerts().empty());
}

TEST_F(State, ProxyDialogWritesTheConfirmedSettings) {
  auto state = make();
  ASSERT_EQ(
      init(*state, "[Server Settings]\nServer_Mode=0\nProxy_Server=old:1\nProxy_Auth=bob\nProxy_Type=5\n"),
      0);
  EXPECT_EQ(state->proxyDialog(1033, nullptr), 0);  // cancelled: nothing written
  EXPECT_EQ(dialogs->proxyShown, (std::vector<std::string>{"old:1", "5", "bob"}));
  auto settings = openProfile(ini);
  EXPECT_EQ(settings->readString("Server Settings", "Proxy_Server"), "old:1");
  dialogs->confirmProxy = true;
  dialogs->proxyServer = "10.0.0.1";
  dialogs->proxyType = "0";
  dialogs->proxyCredentials = "";
  EXPECT_EQ(state->proxyDialog(1033, nullptr), 0);
  settings = openProfile(ini);
  EXPECT_EQ(settings->readString("Server Settings", "Proxy_Server"), "10.0.0.1");
  EXPECT_EQ(settings->readString("Server Settings", "Proxy_Auth"), "");
  EXPECT_EQ(settings->readString("Server Settings", "Proxy_Type"), "0");
  EXPECT_EQ(settings->readString("Server Settings", "Server_Mode"), "0");
}

TEST_F(State, ConfirmedProxyCarriesTheNextLookUp) {
  // The translation server's name does not resolve; only a proxy can reach "it". The reply
  // server answers whatever reaches it, so it stands in for the proxy and the server at once.
  ReplyServer proxy(
      [](const std::string&) { return ServerReply{"<surf-ss>a</surf-ss><surf-st>b</surf-st>"}; });
  const std::string proxyHostPort = proxy.url().substr(7, proxy.url().size() - 7 - 2);
  auto state = make();
  ASSERT_EQ(init(*state, "[Server Settings]\nServer_Address=http://translation.invalid/q\nSessionID=" +
                             kSessionName + kSessionKey + "\nServer_Timeout=5\n[dict]\nUserLang=1033\n"),
            0);
  std::vector<uint8_t> bytes(8192);
  LxByteArray result{bytes.data(), 0, 8192};
  const std::u16string text = u"a";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), 1};
  int count = 0;
  ASSERT_TRUE(state->lookup(&wide, 1, &result, &count, nullptr, "", nullptr, "", "Trigger"));
  EXPECT_EQ(chunkText(result.data, result.size, "plai")
                .rfind("Error: There is no connection to the Korvell server!", 0),
            0u);
  EXPECT_TRUE(proxy.records().empty());

  dialogs->confirmProxy = true;
  dialogs->proxyServer = proxyHostPort;
  dialogs->proxyType = "0";
  EXPECT_EQ(state->proxyDialog(1033, nullptr), 0);
  ASSERT_TRUE(state->lookup(&wide, 1, &result, &count, nullptr, "", nullptr, "", "Trigger"));
  EXPECT_EQ(chunkText(result.data, result.size, "plai"), "EN: a%0D%0AHU: b%0D%0A");
  EXPECT_EQ(proxy.records().size(), 1u);
  EXPECT_EQ(openProfile(ini)->readString("Server Settings", "Proxy_Server"), proxyHostPort);
}

TEST_F(State, CloseWhileLookUpsRunLetsThemFinish) {
  ReplyServer server([](const std::string& record) {
    return ServerReply{"<surf-ss>" + recordField(record, "url") + "</surf-ss><surf-st>x</surf-st>", true,
                       300};
  });
  auto state = make();
  ASSERT_EQ(init(*state, "[Server Settings]\nServer_Address=" + server.url() + "\nSessionID=" + kSessionName +
                             kSessionKey + "\n[Source Language Audio Settings]\nState=On\n"),
            0);
  auto lookUp = [&state](std::string source, std::string* plain, bool* produced) {
    std::vector<uint8_t> bytes(8192);
    LxByteArray result{bytes.data(), 0, 8192};
    const std::u16string text = u"word";
    const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), 4};
    int count = 0;
    *produced = state->lookup(&wide, 0, &result, &count, nullptr, "", nullptr, "", source.c_str());
    *plain = *produced ? chunkText(result.data, result.size, "plai") : "";
  };
  std::string first, second;
  bool firstProduced = false, secondProduced = false;
  std::thread a(lookUp, "one", &first, &firstProduced);
  std::thread b(lookUp, "two", &second, &secondProduced);
  while (server.records().size() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(state->close(), 0);  // style sheet and speech go while both wait for their replies
  a.join();
  b.join();
  EXPECT_TRUE(firstProduced);
  EXPECT_TRUE(secondProduced);
  EXPECT_EQ(first, "EN: one%0D%0AHU: x%0D%0A");
  EXPECT_EQ(second, "EN: two%0D%0AHU: x%0D%0A");
}

TEST(Exports, EveryEntryWorksBeforeAndAfterInit) {
  AlertRecorder alerts;
  EXPECT_EQ(SetMode(7, 3), 7);
  EXPECT_EQ(KVStorno(), -1);
  EXPECT_EQ(GetCopyRightInfo()->count, 0u);
  int count = 3;
  bool quit = true;
  EXPECT_FALSE(Lookup(nullptr, 0, nullptr, &count, nullptr, nullptr, &quit, nullptr, nullptr));
  EXPECT_EQ(count, 0);
  EXPECT_FALSE(quit);
  EXPECT_EQ(KVProxyDlg(1033, nullptr), 0);
  EXPECT_EQ(KVInit(nullptr, ""), -1);
  ASSERT_EQ(alerts.alerts().size(), 1u);

  writeFile("exports_test.ini", "[Server Settings]\nServer_Mode=0\n");
  ASSERT_EQ(KVInit(nullptr, "exports_test.ini"), 0);
  std::vector<uint8_t> bytes(4096);
  LxByteArray result{bytes.data(), 0, 4096};
  const std::u16string text = u"house";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), 5};
  EXPECT_TRUE(Lookup(&wide, 2, &result, &count, nullptr, "", &quit, "Lexiton", "Trigger"));
  EXPECT_EQ(count, 1);
  EXPECT_NE(chunkText(result.data, result.size, "QXR1").find("Lexiton"), std::string::npos);
  EXPECT_EQ(KVStorno(), -1);
  EXPECT_EQ(KVClose(), 0);
  EXPECT_TRUE(KVExit(1033, nullptr));
  std::remove("exports_test.ini");
}

}  // namespace
