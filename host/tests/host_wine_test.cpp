// The real Lexiton.exe under wine: start-up with the real painters and look-up library and the
// stand-in companions, each row of the failure table, the single instance, the shared block as
// a peer reads it, the saved settings, the splash picture chosen, and the unloading order as
// the stand-ins saw it. Alerts go to a file; nothing waits for a person.
#include <gtest/gtest.h>

#include <thread>

#include "host_process.h"
#include "host_test_case.h"
#include "shared_memory/subscriber_record.h"
#include "splash_test_images.h"
#include "startup/custom_colors.h"
#include "startup/splash_file.h"

#include <lexiton/text_encoding.h>
#include "startup/win/host_windows.h"

namespace lexiton::host::test {
namespace {

const std::string kComponentFailedText =
    "A component Lexiton needs is missing or not working, so the program cannot start.";
const std::string kAnotherCopyText = "Lexiton is already running on this computer.";

class HostProgram : public HostTestCase {};

TEST_F(HostProgram, StartsPublishesItsWindowAndEndsInOrderOnEndOfSession) {
  HostProcess host("normal");
  const auto record = startRunning(host, "[dict]\nUserLang=2057\nTTColor=123456\nAutoRun=5\n");
  ASSERT_TRUE(record) << alerts();
  // A separate process reads the record under its mutex: the trigger window, the two 256s,
  // WM_COPYDATA, the host's process and thread, enabled.
  EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(record->window))));
  EXPECT_EQ(record->firstValue, 256u);
  EXPECT_EQ(record->secondValue, 256u);
  EXPECT_EQ(record->message, 74u);
  EXPECT_EQ(record->processId, host.processId());
  EXPECT_NE(record->threadId, 0u);
  EXPECT_EQ(record->enabled, 1u);
  HWND main = host.mainWindow(*record);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_TRUE(fileExists(dataDirectory_ + "lexidic.db"));

  EXPECT_EQ(host.endSession(*record), 0u);
  EXPECT_EQ(alerts(), "");
  EXPECT_FALSE(readSubscriberRecord());
  EXPECT_EQ(iniValue("dict", "TTColor"), "123456");
  EXPECT_EQ(iniValue("dict", "AutoRun"), "1");
  EXPECT_EQ(iniValue("dict", "CustomColors"), formatCustomColors(whiteCustomColors()));
  EXPECT_EQ(iniValue("dict", "FeedbackText"), "0");
}

TEST_F(HostProgram, TheRealPointerHookAndTextReaderBindAndEndCleanly) {
  HostProcess host("real_companions");
  host.place("ptrhook.dll", "ptrhook.dll");
  host.place("textgrab.dll", "textgrab.dll");
  const auto record = startRunning(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(record) << alerts();
  // ReleaseHook ends the hook thread before the library is unloaded.
  EXPECT_EQ(host.endSession(*record), 0u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(HostProgram, TheRealOnlineLibraryServesWithServerModeOne) {
  HostProcess host("online");
  host.place("LexitonSt.dll", "standin_empty.dll");
  const auto record = startRunning(host, "[dict]\nUserLang=1038\n[Server Settings]\nServer_Mode=1\n");
  ASSERT_TRUE(record) << alerts();
  EXPECT_EQ(host.endSession(*record), 0u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(HostProgram, CustomColoursSurviveARunAndTheOldFormReadsAsWhites) {
  HostProcess host("colours");
  CustomColors colours{};
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<uint32_t>(0x102030 + i);
  auto record =
      startRunning(host, "[dict]\nUserLang=2057\nCustomColors=" + formatCustomColors(colours) + "\n");
  ASSERT_TRUE(record) << alerts();
  ASSERT_EQ(host.endSession(*record), 0u);
  EXPECT_EQ(parseCustomColors(iniValue("dict", "CustomColors")), colours);

  HostProcess again("colours_old_form");
  record = startRunning(again, "[dict]\nUserLang=2057\nCustomColors=\xFF\xFF\xFF\n");
  ASSERT_TRUE(record) << alerts();
  ASSERT_EQ(again.endSession(*record), 0u);
  EXPECT_EQ(iniValue("dict", "CustomColors"), formatCustomColors(whiteCustomColors()));
}

TEST_F(HostProgram, MissingUserLangNamesTheIniPath) {
  HostProcess host("no_userlang");
  writeIni("[dict]\nTTColor=1\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|Can't open .ini file! (" + ini() + ")\n");
}

TEST_F(HostProgram, UnknownLanguageLibraryEndsAndKeepsUserLang) {
  HostProcess host("unknown_language");
  writeIni("[dict]\nUserLang=1049\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|Can't load language resource (uires1049.dll)\n");
  EXPECT_EQ(iniValue("dict", "UserLang"), "1049");
}

TEST_F(HostProgram, LanguageOptionRewritesUserLang) {
  HostProcess host("language_option");
  host.place("mtippaint.dll", "");
  writeIni("[dict]\nUserLang=1038\n");
  // The English library's component-failed text shows that 2057 was loaded.
  EXPECT_EQ(runToAlert(host, "/l 2057"), "warning|Lexiton|" + kComponentFailedText + " (.\\mtippaint.dll)\n");
  EXPECT_EQ(iniValue("dict", "UserLang"), "2057");
}

TEST_F(HostProgram, WithoutAppDataTheProgramFolderHoldsTheIni) {
  HostProcess host("no_appdata");
  appData_.remove();
  host.place("mtippaint.dll", "");
  writeText(host.folder() + "lexiton.ini", "[dict]\nUserLang=2057\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|" + kComponentFailedText + " (.\\mtippaint.dll)\n");
  EXPECT_TRUE(fileExists(host.folder() + "lexidic.db"));
}

TEST_F(HostProgram, LocalDictionaryThatCannotBeCreatedIsNamed) {
  HostProcess host("no_data_directory");
  appData_.set(binFolder() + "host_appdata_missing");
  EXPECT_EQ(runToAlert(host, "/l2057"), "warning|Lexiton|" + kComponentFailedText + " (lexidic.db)\n");
}

struct Row {
  const char* name;
  const char* file;    // the library replaced
  const char* source;  // by this one ("" removes it)
  const char* shown;   // the name the component-failed message gives
};

class HostFailureTable : public HostProgram, public ::testing::WithParamInterface<Row> {};

TEST_P(HostFailureTable, NamesWhatFailedAndEnds) {
  const Row& row = GetParam();
  HostProcess host(std::string("row_") + row.name);
  host.place(row.file, row.source);
  host.place("LexitonSt.dll", std::string(row.file) == "LexitonSt.dll" ? row.source : "standin_client.dll");
  writeIni("[dict]\nUserLang=2057\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|" + kComponentFailedText + " (" + row.shown + ")\n");
  EXPECT_FALSE(readSubscriberRecord());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostFailureTable,
    ::testing::Values(Row{"ptrhook", "ptrhook.dll", "", "ptrhook.dll"},
                      Row{"mtippaint", "mtippaint.dll", "", ".\\mtippaint.dll"},
                      Row{"TipPaint", "mtippaint.dll", "standin_empty.dll", "TipPaint"},
                      Row{"dictcore", "dictcore.dll", "", ".\\dictcore.dll"},
                      Row{"LookupRIFFW", "dictcore.dll", "standin_empty.dll", "LookupRIFFW"},
                      Row{"textgrab", "textgrab.dll", "", ".\\textgrab.dll"},
                      Row{"GetMS", "textgrab.dll", "standin_empty.dll", "GetMS"},
                      Row{"LexitonSt", "LexitonSt.dll", "", ".\\LexitonSt.dll"},
                      Row{"Korvell", "LexitonSt.dll", "standin_client_without_storno.dll", "Korvell"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostProgram, InitModuleFailingIsLookupInit) {
  HostProcess host("initmodule");
  SetEnvironmentVariableA("LEXITON_STANDIN_INITMODULE", "-1");
  writeIni("[dict]\nUserLang=2057\nHVRDicts=1\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|" + kComponentFailedText + " (LookupInit)\n");
  EXPECT_EQ(log().find("dictcore.dll EndModule"), std::string::npos);
}

TEST_F(HostProgram, KVInitFailingCleansUp) {
  HostProcess host("kvinit");
  host.place("LexitonSt.dll", "standin_client.dll");
  SetEnvironmentVariableA("LEXITON_STANDIN_KVINIT", "-1");
  writeIni("[dict]\nUserLang=2057\n");
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|" + kComponentFailedText + " (KVInit)\n");
  const std::string calls = log();
  EXPECT_NE(calls.find("ptrhook.dll ReleaseHook\n"), std::string::npos) << calls;
  EXPECT_NE(calls.find("client KVClose\ntextgrab.dll unload\ndictcore.dll unload\nclient unload\n"),
            std::string::npos)
      << calls;
}

TEST_F(HostProgram, ServerModeChoosesTheOnlineLibrary) {
  HostProcess host("server_mode");
  host.place("LexitonClt.dll", "standin_client.dll");
  host.place("LexitonSt.dll", "standin_empty.dll");
  const auto record = startRunning(host, "[dict]\nUserLang=2057\n[Server Settings]\nServer_Mode=1\n");
  ASSERT_TRUE(record) << alerts();
  EXPECT_EQ(host.endSession(*record), 0u);

  HostProcess standalone("server_mode_two");
  standalone.place("LexitonClt.dll", "standin_client.dll");
  standalone.place("LexitonSt.dll", "standin_empty.dll");
  writeIni("[dict]\nUserLang=2057\n[Server Settings]\nServer_Mode=2\n");
  EXPECT_EQ(runToAlert(standalone), "warning|Lexiton|" + kComponentFailedText + " (Korvell)\n");
}

TEST_F(HostProgram, UnloadingOrderAsTheStandInsSawIt) {
  HostProcess host("unloading");
  host.place("LexitonSt.dll", "standin_client.dll");
  host.place("tippaint.dll", "");  // one tooltip only: no error
  const auto record = startRunning(host, "[dict]\nUserLang=2057\nHVRDicts=1\n");
  ASSERT_TRUE(record) << alerts();
  DeleteFileA(log_.c_str());
  ASSERT_EQ(host.endSession(*record), 0u);
  EXPECT_EQ(log(),
            "client KVExit\n"
            "ptrhook.dll ReleaseHook\n"
            "ptrhook.dll unload\n"
            "client KVClose\n"
            "dictcore.dll EndModule\n"
            "textgrab.dll unload\n"
            "dictcore.dll unload\n"
            "client unload\n");
  EXPECT_EQ(alerts(), "");
}

TEST_F(HostProgram, ALibraryThatRefusesTheExitKeepsTheProgramRunning) {
  HostProcess host("exit_refused");
  host.place("LexitonSt.dll", "standin_client.dll");
  SetEnvironmentVariableA("LEXITON_STANDIN_KVEXIT", "0");
  writeIni("[dict]\nUserLang=2057\nTTColor=5\n");
  host.start();
  SetEnvironmentVariableA("LEXITON_STANDIN_KVEXIT", nullptr);
  const auto record = host.waitForRecord();
  ASSERT_TRUE(record) << alerts();
  // The end-of-session message is handled before SendMessage returns: a second is plenty.
  EXPECT_FALSE(host.endSession(*record, std::chrono::seconds(1)));
  EXPECT_TRUE(host.running());
  EXPECT_EQ(log().find("ptrhook.dll ReleaseHook"), std::string::npos) << log();
  EXPECT_EQ(iniValue("dict", "AutoRun"), "");
}

TEST_F(HostProgram, HungarianMessagesInTheSystemCodePage) {
  // host_wine_hu_tests runs this alone under LC_ALL=hu_HU.UTF-8; the locale comes from make deps.
  ASSERT_EQ(GetACP(), 1250u) << "no Central European code page: is the hu_HU.UTF-8 locale generated?";
  HostProcess host("hungarian");
  host.place("mtippaint.dll", "");
  writeIni("[dict]\nUserLang=1038\n");
  const std::string componentFailedText = lexiton::utf8ToCodePage(
      "A Lexiton egyik összetevője hiányzik vagy nem működik, ezért a program nem tud elindulni.",
      lexiton::CodePage::windows1250);
  EXPECT_EQ(runToAlert(host), "warning|Lexiton|" + componentFailedText + " (.\\mtippaint.dll)\n");
}

TEST_F(HostProgram, TheSplashFilesHoldEveryLanguageInBothDepths) {
  for (const char* name : {"win65K.spl", "win256.spl"}) {
    const std::string file = readText(binFolder() + name);
    for (int language : {1038, 2057, 0}) {
      const auto image =
          readSplashImage(reinterpret_cast<const uint8_t*>(file.data()), file.size(), language);
      ASSERT_TRUE(image) << name << " " << language;
      const auto bitmap = describeBitmap(*image);
      ASSERT_TRUE(bitmap);
      EXPECT_EQ(bitmap->bitCount, std::string(name) == "win256.spl" ? 8 : 24);
      EXPECT_EQ(bitmap->colourCount, std::string(name) == "win256.spl" ? 256u : 0u);
    }
    // Each language has a picture of its own.
    EXPECT_NE(readSplashImage(reinterpret_cast<const uint8_t*>(file.data()), file.size(), 1038),
              readSplashImage(reinterpret_cast<const uint8_t*>(file.data()), file.size(), 2057));
  }
}

TEST_F(HostProgram, SecondCopyIsRefusedAndTheFirstKeepsItsRecord) {
  HostProcess first("first_copy");
  const auto record = startRunning(first, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(record) << alerts();
  const auto before = record->bytes();

  HostProcess second("second_copy");
  second.start("/l 1038");
  EXPECT_EQ(second.waitForExit(), 0u);
  EXPECT_EQ(readSubscriberRecord()->bytes(), before);
  // The language is chosen before the lock, so the second start still rewrote it.
  EXPECT_EQ(iniValue("dict", "UserLang"), "1038");
  EXPECT_EQ(alerts().rfind("warning|Lexiton|", 0), 0u) << alerts();
  EXPECT_NE(alerts().find("Lexiton m"), std::string::npos) << alerts();
  EXPECT_TRUE(first.running());
  EXPECT_EQ(first.endSession(*record), 0u);
}

TEST_F(HostProgram, TrayClicksSwitchTheFlagAndAPeerHoldingTheLockOnlyKeepsTheOldOne) {
  HostProcess host("flag");
  const auto record = startRunning(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(record) << alerts();
  HWND main = host.mainWindow(*record);
  auto click = [&] {
    DWORD_PTR result;
    SendMessageTimeoutA(main, Tray::kCallbackMessage, Tray::kIconId, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, 20000,
                        &result);
  };
  click();
  EXPECT_EQ(readSubscriberRecord()->enabled, 0u);
  click();
  EXPECT_EQ(readSubscriberRecord()->enabled, 1u);

  // A peer holds the block's mutex for 6 s: the click's update gives up after 5 s, silently.
  HANDLE mutex =
      OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, sharedMutexName(kSubscriberBlockName).c_str());
  ASSERT_NE(mutex, nullptr);
  std::thread peer([mutex] {
    WaitForSingleObject(mutex, INFINITE);
    Sleep(6000);
    ReleaseMutex(mutex);
  });
  Sleep(200);
  click();
  peer.join();
  CloseHandle(mutex);
  EXPECT_EQ(readSubscriberRecord()->enabled, 1u);
  EXPECT_TRUE(host.running());
  EXPECT_EQ(alerts(), "");
  EXPECT_EQ(host.endSession(*record), 0u);
}

// Splash: the window of the picture chosen, seen while the program starts.
class HostSplash : public HostProgram {
 protected:
  // The size of the splash window the program showed; nothing when it showed none. A window
  // whose creation is refused exists for a moment at its initial size 0 x 0: that is none.
  std::optional<SIZE> splashSize(HostProcess& host, const std::vector<uint8_t>& file, const std::string& ini,
                                 COLORREF* centre = nullptr) {
    writeText(host.folder() + "win65K.spl", std::string(file.begin(), file.end()));
    writeText(host.folder() + "win256.spl", std::string(file.begin(), file.end()));
    writeIni(ini);
    host.start();
    std::optional<SIZE> seen;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < end && host.running()) {
      if (HWND splash = FindWindowA("HVR3SplashClass", nullptr)) {
        RECT r;
        if (GetWindowRect(splash, &r) && r.right > r.left) {
          seen = SIZE{r.right - r.left, r.bottom - r.top};
          if (centre) {
            HDC screen = GetDC(nullptr);
            *centre = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
            ReleaseDC(nullptr, screen);
          }
        }
      }
      if (auto record = readSubscriberRecord(); record && record->processId == host.processId()) {
        EXPECT_EQ(host.endSession(*record), 0u);
        break;
      }
      Sleep(10);
    }
    return seen;
  }
};

TEST_F(HostSplash, TheLanguageChunkIsShown) {
  HostProcess host("splash_language");
  const auto size =
      splashSize(host, splashFile({{"0000", bitmapFile(80, 40)}, {"1038", bitmapFile(100, 50)}}),
                 "[dict]\nUserLang=1038\n");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 100);
  EXPECT_EQ(size->cy, 50);
}

TEST_F(HostSplash, OtherLanguagesGetTheAnyLanguageChunk) {
  HostProcess host("splash_fallback");
  const auto size =
      splashSize(host, splashFile({{"0000", bitmapFile(80, 40)}, {"1038", bitmapFile(100, 50)}}),
                 "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 80);
}

TEST_F(HostSplash, AnImageOverTheFirstBufferIsShown) {
  HostProcess host("splash_big");
  const auto size = splashSize(host, splashFile({{"0000", bitmapFile(512, 400)}}), "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 512);
  EXPECT_EQ(size->cy, 400);
}

TEST_F(HostSplash, AWrongSizeFieldShowsNothing) {
  HostProcess host("splash_wrong_size");
  auto image = bitmapFile(80, 40);
  image[2] ^= 1;
  EXPECT_FALSE(splashSize(host, splashFile({{"0000", image}}), "[dict]\nUserLang=2057\n"));
  EXPECT_EQ(alerts(), "");
}

TEST_F(HostSplash, AnEightBitPictureShowsTheColoursOfItsTable) {
  HostProcess host("splash_palette");
  COLORREF centre = CLR_INVALID;
  const auto size = splashSize(host, splashFile({{"0000", paletteBitmapFile(120, 60, 0xFF0000)}}),
                               "[dict]\nUserLang=2057\n", &centre);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 120);
  // DrawDib reads the colour table behind the header it is given.
  EXPECT_EQ(centre, RGB(255, 0, 0));
}

TEST_F(HostSplash, OurOwnPictureIsShown) {
  HostProcess host("splash_ours");
  const std::string file = readText(binFolder() + "win65K.spl");
  const auto size =
      splashSize(host, std::vector<uint8_t>(file.begin(), file.end()), "[dict]\nUserLang=1038\n");
  ASSERT_TRUE(size);
  EXPECT_GT(size->cx, 0);
}

}  // namespace
}  // namespace lexiton::host::test
