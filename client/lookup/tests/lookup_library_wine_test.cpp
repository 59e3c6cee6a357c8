// LexitonClt.dll as the host meets it: loaded by file name, every entry bound by name, and a
// whole look-up through the real protocol stack against a loopback server in this process,
// with the recorder voicer.dll beside it. Alerts go to a file, so nothing waits for a person.
#include <gtest/gtest.h>
#include <lexiton/chunk_list.h>
#include <lexiton/protocol/client_packer.h>
#include <lexiton/test/loopback_server.h>
#include <lexiton/win/library.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lexiton/lookup/exports.h"

namespace {

using lexiton::test::LoopbackServer;
using lexiton::test::Reply;
using lexiton::test::Request;

const std::string kSessionName(40, 'N');
const std::string kSessionKey = "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F";
const char kIni[] = "lookup_wine_test.ini";
const char kVoicerLog[] = "lookup_wine_voicer.log";
const char kAlertFile[] = "lookup_wine_alerts.txt";

std::string readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string packed(const std::string& text) {
  std::string out;
  lexiton::protocol::ClientPacker().pack(kSessionKey, text, out);
  return out;
}

std::string unpackedRecord(const Request& r) {
  std::string record;
  const std::string what = r.param("what");
  if (what.size() > kSessionName.size())
    lexiton::protocol::ClientPacker().unpack(kSessionKey, what.substr(kSessionName.size()), record);
  return record;
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
    library = new lexiton::win::Library("LexitonClt.dll");
  }
  static void TearDownTestSuite() {
    delete library;
    library = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(*library) << "LexitonClt.dll did not load";
    e = {library->bind<KVInitFn>("KVInit"),       library->bind<LookupFn>("Lookup"),
         library->bind<SetModeFn>("SetMode"),     library->bind<GetCopyRightInfoFn>("GetCopyRightInfo"),
         library->bind<KVStornoFn>("KVStorno"),   library->bind<KVCloseFn>("KVClose"),
         library->bind<KVExitFn>("KVExit"),       library->bind<KVProxyDlgFn>("KVProxyDlg")};
    std::remove(kVoicerLog);
    std::remove(kAlertFile);
  }
  void writeIni(const std::string& content) { std::ofstream(kIni, std::ios::binary | std::ios::trunc) << content; }

  static lexiton::win::Library* library;
  Entries e{};
};
lexiton::win::Library* LookupLibrary::library = nullptr;

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
    if (where != "Korvell") return Reply(200, packed("ok"));
    const std::string record = unpackedRecord(r);
    if (record.find("dat|:fail") != std::string::npos) return Reply(200, "1709 Session interrupted!");
    return Reply(200, packed("<surf-ss>The <HL>house</HL></surf-ss><surf-st>A <chunk>h\xE1z</chunk></surf-st>"
                             "<surf-ss>house</surf-ss><surf-st>h\xE1z</surf-st>"));
  });
  writeIni("[Server Settings]\r\nServer_Address=" + server.url("/q") + "\r\nSessionID=" + kSessionName +
           kSessionKey + "\r\nServer_Timeout=10\r\n[dict]\r\nUserLang=1038\r\n"
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

}  // namespace
