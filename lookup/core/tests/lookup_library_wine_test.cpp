// LexitonClt.dll as the host meets it: loaded by file name, every entry bound by name, and a
// whole look-up through the real protocol stack against a loopback server in this process,
// with the recorder voicer.dll beside it. Alerts go to a file, so nothing waits for a person.
#include <windows.h>

#include <gtest/gtest.h>
#include <lexiton/chunk_list.h>
#include <lexiton/profile.h>
#include <lexiton/protocol/client_packer.h>
#include <lexiton/test/loopback_server.h>
#include <lexiton/library.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "lexiton/lookup_exports.h"
#include "lexiton/test/files.h"
#include "reply_server.h"

namespace {

using lexiton::test::kSessionKey;
using lexiton::test::kSessionName;
using lexiton::test::LoopbackServer;
using lexiton::test::Reply;
using lexiton::test::ReplyServer;
using lexiton::test::Request;

const char kIni[] = "lookup_wine_test.ini";
const char kVoicerLog[] = "lookup_wine_voicer.log";
const char kAlertFile[] = "lookup_wine_alerts.txt";

using lexiton::test::readFile;

std::string unpackedRecord(const Request& r) {
  std::string record;
  const std::string what = r.param("what");
  if (what.size() > kSessionName.size())
    lexiton::protocol::ClientPacker().unpack(kSessionKey, what.substr(kSessionName.size()), record);
  return record;
}

// How long a test waits for a dialog to open, and then for it to go once it was answered.
constexpr auto kDialogWait = std::chrono::seconds(20);
constexpr auto kDialogPoll = std::chrono::milliseconds(20);
// Messages to a dialog run on the thread whose loop owns it; none may hang the test.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::wstring windowText(HWND window) {
  wchar_t buffer[512] = {};
  sendTo(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

void setWindowText(HWND window, const std::string& text) {
  const std::wstring wide(text.begin(), text.end());
  sendTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool checked(HWND dialog, int id) { return sendTo(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED; }

BOOL CALLBACK takeDialog(HWND window, LPARAM into) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(into) = window;
  return FALSE;
}

// A dialog (window class "#32770") that thread `threadId` owns, or null.
HWND dialogOf(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(threadId, takeDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Plays the user from a thread of its own while the library's dialog loop runs on the test's
// thread: waits for the dialog that thread opens to answer, hands it to `act`, then waits for
// it to go.
// A dialog still open after kDialogWait is closed, so the library's call always returns.
class DialogWatcher {
 public:
  DialogWatcher(DWORD threadId, std::function<void(HWND)> act)
      : threadId_(threadId), act_(std::move(act)), thread_([this] { run(); }) {}
  ~DialogWatcher() { finish(); }
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // Stops watching (the library's call has returned) and waits for the thread.
  void finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool found() const { return found_; }
  bool timedOut() const { return timedOut_; }

 private:
  void run() {
    const auto deadline = std::chrono::steady_clock::now() + kDialogWait;
    // A dialog becomes visible once its runner has recorded it and is about to pump its
    // messages; before that the test's thread may still be creating it and could not answer.
    HWND dialog = nullptr;
    while (!((dialog = dialogOf(threadId_)) && IsWindowVisible(dialog))) {
      if (stop_ || std::chrono::steady_clock::now() > deadline) return;
      std::this_thread::sleep_for(kDialogPoll);
    }
    found_ = true;
    // Visible is not yet answering: the runner's thread may still be inside ShowWindow (on a
    // loaded machine for seconds), and a message sent meanwhile times out and reads nothing.
    // Every watched dialog has a caption, so the first caption that comes back says its loop
    // is pumping.
    while (windowText(dialog).empty()) {
      if (std::chrono::steady_clock::now() > deadline) {
        timedOut_ = true;
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return;
      }
      std::this_thread::sleep_for(kDialogPoll);
    }
    act_(dialog);
    while (IsWindow(dialog)) {
      if (std::chrono::steady_clock::now() > deadline) {
        timedOut_ = true;
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return;
      }
      std::this_thread::sleep_for(kDialogPoll);
    }
  }

  DWORD threadId_;
  std::function<void(HWND)> act_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> found_{false};
  std::atomic<bool> timedOut_{false};
  std::thread thread_;
};

void pressExit(HWND upgradeDialog) {
  PostMessageW(upgradeDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(upgradeDialog, IDCANCEL)));
}

struct Outcome {
  bool produced = false;
  int count = -1;
  bool quit = false;
  std::string plain;
  std::string documents;
};

std::string serverIni(const std::string& url, int language, int timeoutSeconds = 10) {
  return "[Server Settings]\r\nServer_Address=" + url + "\r\nSessionID=" + kSessionName + kSessionKey +
         "\r\nServer_Timeout=" + std::to_string(timeoutSeconds) +
         "\r\n[dict]\r\nUserLang=" + std::to_string(language) +
         "\r\n[Source Language Audio Settings]\r\nState=On\r\n";
}

struct Entries {
  KVInitFn init;
  LookupFn lookup;
  SetModeFn setMode;
  GetCopyRightInfoFn copyRightInfo;
  KVStornoFn storno;
  KVCloseFn close;
  KVExitFn exit;
  KVProxyDlgFn proxyDialog;
};

class LookupLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    _putenv((std::string("LEXITON_VOICER_LOG=") + kVoicerLog).c_str());
    _putenv((std::string("LEXITON_ALERT_FILE=") + kAlertFile).c_str());
    library = new lexiton::Library("LexitonClt.dll");
  }
  static void TearDownTestSuite() {
    delete library;
    library = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(*library) << "LexitonClt.dll did not load";
    e = {library->bind<KVInitFn>("KVInit"),     library->bind<LookupFn>("Lookup"),
         library->bind<SetModeFn>("SetMode"),   library->bind<GetCopyRightInfoFn>("GetCopyRightInfo"),
         library->bind<KVStornoFn>("KVStorno"), library->bind<KVCloseFn>("KVClose"),
         library->bind<KVExitFn>("KVExit"),     library->bind<KVProxyDlgFn>("KVProxyDlg")};
    std::remove(kVoicerLog);
    std::remove(kAlertFile);
  }
  void writeIni(const std::string& content) {
    std::ofstream(kIni, std::ios::binary | std::ios::trunc) << content;
  }
  std::string setting(const char* key) {
    return lexiton::openPortableProfile(kIni)->readString("Server Settings", key);
  }

  // One look-up as a host worker makes it; safe to call from several threads at once.
  Outcome lookUp(std::u16string_view text, unsigned pointer) {
    const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()),
                            static_cast<uint32_t>(text.size())};
    std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
    LxByteArray result{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
    Outcome o;
    int reserved = -1;
    o.quit = true;
    o.produced = e.lookup(&wide, pointer, &result, &o.count, &reserved, "-", &o.quit, "", "MSWord");
    if (o.produced) {
      const lexiton::ChunkView list(result.data, result.size);
      if (auto plain = list.find("plai")) o.plain = std::string(plain->text());
      if (auto documents = list.find("QXR1")) o.documents = std::string(documents->text());
    }
    return o;
  }

  static lexiton::Library* library;
  Entries e{};
};
lexiton::Library* LookupLibrary::library = nullptr;

TEST_F(LookupLibrary, EveryEntryIsExportedByItsPlainName) {
  EXPECT_NE(e.init, nullptr);
  EXPECT_NE(e.lookup, nullptr);
  EXPECT_NE(e.setMode, nullptr);
  EXPECT_NE(e.copyRightInfo, nullptr);
  EXPECT_NE(e.storno, nullptr);
  EXPECT_NE(e.close, nullptr);
  EXPECT_NE(e.exit, nullptr);
  EXPECT_NE(e.proxyDialog, nullptr);
  EXPECT_EQ(library->bind<KVInitFn>("_KVInit"), nullptr);
  EXPECT_EQ(e.setMode(5, 3), 5);
}

TEST_F(LookupLibrary, InitWithoutSettingsPathReportsThroughTheAlertFile) {
  EXPECT_EQ(e.init(nullptr, ""), -1);
  EXPECT_EQ(readFile(kAlertFile), "error|Lexiton initialisation|The .ini file is not defined.\n");
}

TEST_F(LookupLibrary, WholeLookUpAgainstLoopbackServer) {
  LoopbackServer server([](const Request& r) {
    const std::string where = r.param("where");
    if (where != "Korvell") return Reply(200, ReplyServer::packed("ok"));
    const std::string record = unpackedRecord(r);
    if (record.find("dat|:fail") != std::string::npos) return Reply(200, "1709 Session interrupted!");
    return Reply(200, ReplyServer::packed(
                          "<surf-ss>The <HL>house</HL></surf-ss><surf-st>A <chunk>h\xE1z</chunk></surf-st>"
                          "<surf-ss>house</surf-ss><surf-st>h\xE1z</surf-st>"));
  });
  writeIni("[Server Settings]\r\nServer_Address=" + server.url("/q") + "\r\nSessionID=" + kSessionName +
           kSessionKey +
           "\r\nServer_Timeout=10\r\n[dict]\r\nUserLang=1038\r\n"
           "[Source Language Audio Settings]\r\nState=On\r\n");
  ASSERT_EQ(e.init(nullptr, kIni), 0);
  const LxTextList* about = e.copyRightInfo();
  ASSERT_NE(about, nullptr);
  ASSERT_EQ(about->count, 1u);
  EXPECT_NE(std::string(about->items[0]).find("Angol-magyar"), std::string::npos);
  EXPECT_EQ(e.setMode(1, 3), 1);

  const std::u16string text = u"The house";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  LxByteArray result{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
  int count = 0, reserved = -1;
  bool quit = true;
  ASSERT_TRUE(e.lookup(&wide, 4, &result, &count, &reserved, "-", &quit, "Lexiton", "MSWord"));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(reserved, 0);
  EXPECT_FALSE(quit);
  const lexiton::ChunkView list(result.data, result.size);
  ASSERT_TRUE(list.wellFormed());
  auto plain = list.find("plai");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->text(), "EN: The house%0D%0AHU: A h\xE1z%0D%0AEN: house%0D%0AHU: h\xE1z%0D%0A");
  auto documents = list.find("QXR1");
  ASSERT_TRUE(documents);
  const std::string qxr(documents->text());
  EXPECT_EQ(qxr.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(qxr.find("}-{\\rtf1"), std::string::npos);
  EXPECT_NE(qxr.find("Lexiton\\par}"), std::string::npos);
  EXPECT_EQ(readFile(kVoicerLog), "reset\n0:The house\n1:A h\xE1z\n1:Vagy?\n0:house\n1:h\xE1z\n");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string record = unpackedRecord(requests[0]);
  EXPECT_NE(record.find("frm|:4|;url|:MSWord|;dat|:The &kvopoint;house|."), std::string::npos) << record;

  // A status code is laid out as the Hungarian error text.
  const std::u16string failing = u"fail";
  const LxWideString wideFail{reinterpret_cast<const uint16_t*>(failing.data()), 4};
  ASSERT_TRUE(e.lookup(&wideFail, 4, &result, &count, &reserved, "-", &quit, "", "MSWord"));
  EXPECT_EQ(count, 1);
  EXPECT_EQ(lexiton::ChunkView(result.data, result.size).find("plai")->text(),
            "Error: A k\xE9r\xE9s feldolgoz\xE1sa f\xE9lbemaradt!");

  EXPECT_EQ(e.storno(), 0);
  EXPECT_TRUE(e.exit(1038, nullptr));
  EXPECT_EQ(e.close(), 0);
  const auto all = server.requests();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[2].param("where"), "storno,Korvell");
  EXPECT_EQ(all[3].param("where"), "sessionend,Korvell");
  // Closed: no style sheet, no look-up.
  EXPECT_FALSE(e.lookup(&wide, 4, &result, &count, &reserved, "-", &quit, "", "MSWord"));
  EXPECT_EQ(readFile(kAlertFile), "");
  std::remove(kIni);
}

TEST_F(LookupLibrary, UpgradeNoticeExitAsksTheHostToQuitAndItsCloseBoxDoesNot) {
  lexiton::test::ReplyServer server([](const std::string&) {
    return lexiton::test::ServerReply{"1701 Client needs to be updated! ", false};
  });
  writeIni(serverIni(server.url(), 1033));
  ASSERT_EQ(e.init(nullptr, kIni), 0);
  struct Answer {
    const char* what;
    std::function<void(HWND)> press;
    bool quit;
  } answers[] = {
      {"Exit", pressExit, true},
      {"close box", [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }, false},
  };
  for (const Answer& answer : answers) {
    SCOPED_TRACE(answer.what);
    std::wstring caption, message;
    DialogWatcher watcher(GetCurrentThreadId(), [&](HWND d) {
      caption = windowText(d);
      message = windowText(GetDlgItem(d, 1008));
      answer.press(d);
    });
    const Outcome o = lookUp(u"The house", 4);
    watcher.finish();
    EXPECT_TRUE(watcher.found());
    EXPECT_FALSE(watcher.timedOut());
    EXPECT_FALSE(o.produced);
    EXPECT_EQ(o.quit, answer.quit);
    EXPECT_EQ(o.count, 0);
    EXPECT_EQ(caption, L"Lexiton Upgrade");
    EXPECT_EQ(message.find(L"Lexiton needs to be upgraded."), 0u);
  }
  EXPECT_EQ(server.records().size(), 2u);
  // The upgrade notice ends the look-up before anything is spoken, even the reset.
  EXPECT_EQ(readFile(kVoicerLog), "");
  EXPECT_EQ(readFile(kAlertFile), "");
  e.exit(1033, nullptr);
  e.close();
}

TEST_F(LookupLibrary, SecondUpgradeNoticeOnlyBringsTheOpenOneForward) {
  lexiton::test::ReplyServer server([](const std::string&) {
    return lexiton::test::ServerReply{"1701 Client needs to be updated! ", false};
  });
  writeIni(serverIni(server.url(), 1038));
  ASSERT_EQ(e.init(nullptr, kIni), 0);
  Outcome second;
  bool openDuringSecond = false;
  std::wstring caption, message;
  DialogWatcher watcher(GetCurrentThreadId(), [&](HWND d) {
    caption = windowText(d);
    message = windowText(GetDlgItem(d, 1008));
    // Another worker's look-up meets the same notice while this one is open.
    second = lookUp(u"again", 5);
    openDuringSecond = IsWindow(d) != FALSE;
    pressExit(d);
  });
  const Outcome first = lookUp(u"The house", 4);
  watcher.finish();
  EXPECT_TRUE(watcher.found());
  EXPECT_FALSE(watcher.timedOut());
  EXPECT_FALSE(first.produced);
  EXPECT_TRUE(first.quit);
  EXPECT_FALSE(second.produced);
  EXPECT_FALSE(second.quit);
  EXPECT_TRUE(openDuringSecond);
  EXPECT_EQ(caption, L"Lexiton friss\u00edt\u00e9s");
  EXPECT_EQ(message.find(L"A Lexiton-et friss\u00edteni kell."), 0u);
  EXPECT_EQ(server.records().size(), 2u);
  EXPECT_EQ(readFile(kAlertFile), "");
  e.exit(1038, nullptr);
  e.close();
}

TEST_F(LookupLibrary, ProxyConfirmedInTheDialogCarriesTheNextLookUp) {
  // The loopback server answers as the translation server and, once it is the proxy, sees the
  // requests with the server's whole address as their target.
  LoopbackServer server([](const Request& r) {
    if (r.param("where") != "Korvell") return Reply(200, ReplyServer::packed("ok"));
    return Reply(200, ReplyServer::packed("<surf-ss>a</surf-ss><surf-st>b</surf-st>"));
  });
  writeIni(serverIni(server.url("/q"), 1033));
  ASSERT_EQ(e.init(nullptr, kIni), 0);
  Outcome direct = lookUp(u"a", 1);
  ASSERT_TRUE(direct.produced);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/q");

  std::wstring caption;
  bool typesEnabledBefore = true, typesEnabledAfter = false;
  const std::string port = std::to_string(server.port());
  DialogWatcher watcher(GetCurrentThreadId(), [&](HWND d) {
    caption = windowText(d);
    typesEnabledBefore = IsWindowEnabled(GetDlgItem(d, 1015)) != FALSE;
    if (!checked(d, 1009)) sendTo(GetDlgItem(d, 1009), BM_CLICK);
    typesEnabledAfter = IsWindowEnabled(GetDlgItem(d, 1015)) != FALSE;
    setWindowText(GetDlgItem(d, 1108), "127.0.0.1");
    setWindowText(GetDlgItem(d, 1109), port);
    sendTo(GetDlgItem(d, 1015), BM_CLICK);
    sendTo(GetDlgItem(d, IDOK), BM_CLICK);
  });
  EXPECT_EQ(e.proxyDialog(1033, nullptr), 0);
  watcher.finish();
  EXPECT_TRUE(watcher.found());
  EXPECT_FALSE(watcher.timedOut());
  EXPECT_EQ(caption, L"Proxy Settings");
  // Nothing configured: the types wait for "Use proxy server".
  EXPECT_FALSE(typesEnabledBefore);
  EXPECT_TRUE(typesEnabledAfter);
  EXPECT_EQ(setting("Proxy_Server"), "127.0.0.1:" + port);
  EXPECT_EQ(setting("Proxy_Auth"), "");
  EXPECT_EQ(setting("Proxy_Type"), "0");

  const Outcome proxied = lookUp(u"a", 1);
  EXPECT_TRUE(proxied.produced);
  EXPECT_EQ(proxied.plain, "EN: a%0D%0AHU: b%0D%0A");
  const auto requests = server.requests();
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests.back().target, server.url("/q"));
  EXPECT_EQ(readFile(kAlertFile), "");
  e.exit(1033, nullptr);
  e.close();
}

TEST_F(LookupLibrary, HungarianTextsArriveAsWindows1250Bytes) {
  // ctest runs this once in wine's default code page (1252) and once under a Hungarian locale
  // (1250): the bytes must be the same, because the tooltip's fonts are Central European.
  if (const char* expected = std::getenv("LEXITON_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), std::strtoul(expected, nullptr, 10));
  }
  RecordProperty("acp", static_cast<int>(GetACP()));
  lexiton::test::ReplyServer server([](const std::string& record) {
    if (record.find("dat|:slow") != std::string::npos)
      return lexiton::test::ServerReply{"<surf-ss>late</surf-ss><surf-st>k\xE9s\xF5</surf-st>", true, 2500};
    // "fűtés" from the server, then message 1011 from the library's own table.
    return lexiton::test::ServerReply{"<surf-ss>heating</surf-ss><surf-st>f\xFBt\xE9s</surf-st>|:1011|."};
  });
  writeIni(serverIni(server.url(), 1038, 1));
  ASSERT_EQ(e.init(nullptr, kIni), 0);

  const Outcome failed = lookUp(u"heating", 7);
  ASSERT_TRUE(failed.produced);
  const std::string wrongCredentials = "Hib\xE1s a megadott felhaszn\xE1l\xF3n\xE9v vagy jelsz\xF3!";
  EXPECT_EQ(failed.plain, "EN: heating%0D%0AHU: f\xFBt\xE9s%0D%0AError: " + wrongCredentials);
  EXPECT_NE(failed.documents.find("f\\'fbt\\'e9s"), std::string::npos);
  EXPECT_NE(failed.documents.find("Hib\\'e1s a megadott felhaszn\\'e1l\\'f3n\\'e9v"), std::string::npos);

  // The time-out's text comes from the protocol's table and has an "ő".
  const Outcome late = lookUp(u"slow", 4);
  ASSERT_TRUE(late.produced);
  EXPECT_EQ(late.plain,
            "Error: A szerver nem v\xE1laszolt id\xF5"
            "ben!");
  EXPECT_NE(late.documents.find("id\\'f5ben"), std::string::npos);

  // Read as the host reads "plai", in the system code page: right only where that is 1250.
  wchar_t wide[128] = {};
  MultiByteToWideChar(CP_ACP, 0, failed.plain.c_str(), -1, wide, 128);
  const bool hungarianSystem = GetACP() == 1250;
  EXPECT_EQ(std::wstring(wide).find(L"f\u0171t\u00e9s") != std::wstring::npos, hungarianSystem);
  e.exit(1038, nullptr);
  e.close();
}

}  // namespace
