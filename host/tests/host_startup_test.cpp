// The start-up sequence, its failure table, the loop's end and the steps after it, with the
// system replaced by recording fakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_host.h"
#include "startup/host_startup.h"

namespace lexiton::host::test {
namespace {

const std::string kConfig = "C:\\Users\\u\\AppData\\Roaming\\Veltrix\\Lexiton\\lexiton.ini";

class HostStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    events().clear();
    initModuleResult = 0;
    endModuleThrows = false;
    kvInitResult = 0;
    addEveryLibrary(platform.loader, 1038);
    addEveryLibrary(platform.loader, 2057);
    platform.ini.values["dict/UserLang"] = "1038";
  }
  int run() { return runHost(platform.platform()); }
  bool happened(const std::string& e) { return std::count(events().begin(), events().end(), e) > 0; }
  std::size_t at(const std::string& e) {
    return std::find(events().begin(), events().end(), e) - events().begin();
  }
  std::vector<std::string> tail(const std::string& from) {
    return std::vector<std::string>(events().begin() + at(from), events().end());
  }

  FakePlatform platform;
};

TEST_F(HostStartup, MissingUserLangNamesTheConfigurationPathAndEnds) {
  platform.ini.values.erase("dict/UserLang");
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0], "Lexiton|Can't open .ini file! (" + kConfig + ")");
  EXPECT_FALSE(happened("take lock"));
  EXPECT_TRUE(eventsStartingWith("load").empty());
}

TEST_F(HostStartup, UserLangZeroCountsAsMissing) {
  platform.ini.values["dict/UserLang"] = "0";
  run();
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0].rfind("Lexiton|Can't open .ini file! (", 0), 0u);
}

TEST_F(HostStartup, WithoutAppDataTheIniIsLookedForInTheProgramFolder) {
  platform.appData.reset();
  platform.ini.values.erase("dict/UserLang");
  run();
  EXPECT_TRUE(happened("record .\\"));
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0], "Lexiton|Can't open .ini file! (.\\lexiton.ini)");
}

TEST_F(HostStartup, UnknownLanguageLibraryEndsAndKeepsUserLang) {
  platform.ini.values["dict/UserLang"] = "1049";
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0], "Lexiton|Can't load language resource (uires1049.dll)");
  EXPECT_EQ(platform.ini.values["dict/UserLang"], "1049");
  EXPECT_TRUE(eventsStartingWith("write").empty());
}

TEST_F(HostStartup, LanguageOptionWinsAndIsWrittenBack) {
  platform.line = "\"C:\\Program Files\\Lexiton.exe\" /l 2057";
  run();
  EXPECT_TRUE(happened("load uires2057.dll"));
  EXPECT_EQ(platform.ini.values["dict/UserLang"], "2057");
}

TEST_F(HostStartup, SecondCopyShowsTheAnotherCopyTextAfterRewritingTheLanguage) {
  platform.lockFree = false;
  platform.line = "Lexiton.exe /l2057";
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(platform.alerts, std::vector<std::string>{"Caption|Another copy runs."});
  EXPECT_EQ(platform.ini.values["dict/UserLang"], "2057");
  EXPECT_FALSE(happened("release lock"));
  EXPECT_FALSE(happened("splash 2057"));
}

TEST_F(HostStartup, LocalDictionaryFileIsCreatedInTheDataDirectory) {
  run();
  EXPECT_TRUE(happened("create C:\\Users\\u\\AppData\\Roaming\\Veltrix\\Lexiton\\lexidic.db"));
}

TEST_F(HostStartup, LocalDictionaryFileThatCannotBeMadeStops) {
  platform.fileCreatable = false;
  run();
  EXPECT_EQ(platform.alerts, std::vector<std::string>{"Caption|Component failed (lexidic.db)"});
  EXPECT_TRUE(happened("unload uires1038.dll"));
  EXPECT_FALSE(happened("take lock"));
}

struct FailureRow {
  const char* what;
  std::function<void(FakePlatform&)> arrange;
  const char* name;
};

class HostStartupFailure : public HostStartup, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(HostStartupFailure, NamesThePartAndUndoesWhatWasDone) {
  GetParam().arrange(platform);
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0], std::string("Caption|Component failed (") + GetParam().name + ")");
  EXPECT_FALSE(happened("message loop"));
  EXPECT_FALSE(happened("create windows"));
  // Everything loaded is unloaded, the lock last.
  EXPECT_EQ(eventsStartingWith("load").size(), eventsStartingWith("unload").size());
  EXPECT_EQ(events().back(), "release lock");
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostStartupFailure,
    ::testing::Values(
        FailureRow{"riched32", [](FakePlatform& p) { p.loader.libraries.erase("RICHED32.DLL"); },
                   "riched32.dll"},
        FailureRow{"riched20", [](FakePlatform& p) { p.loader.libraries.erase("RichEd20.dll"); },
                   "riched20.dll"},
        FailureRow{"ptrhook", [](FakePlatform& p) { p.hookPresent = false; }, "ptrhook.dll"},
        FailureRow{"mtippaint", [](FakePlatform& p) { p.loader.libraries.erase(".\\mtippaint.dll"); },
                   ".\\mtippaint.dll"},
        FailureRow{"TipPaint", [](FakePlatform& p) { p.loader.libraries[".\\mtippaint.dll"].clear(); },
                   "TipPaint"},
        FailureRow{"dictcore", [](FakePlatform& p) { p.loader.libraries.erase(".\\dictcore.dll"); },
                   ".\\dictcore.dll"},
        FailureRow{"LookupRIFFW",
                   [](FakePlatform& p) { p.loader.libraries[".\\dictcore.dll"].erase("LookupRIFFW"); },
                   "LookupRIFFW"},
        FailureRow{"InitModule",
                   [](FakePlatform& p) {
                     p.ini.values["dict/HVRDicts"] = "1";
                     initModuleResult = -1;
                   },
                   "LookupInit"},
        FailureRow{"textgrab", [](FakePlatform& p) { p.loader.libraries.erase(".\\textgrab.dll"); },
                   ".\\textgrab.dll"},
        FailureRow{"MakeTidy",
                   [](FakePlatform& p) { p.loader.libraries[".\\textgrab.dll"].erase("MakeTidy"); }, "GetMS"},
        FailureRow{"LexitonSt", [](FakePlatform& p) { p.loader.libraries.erase(".\\LexitonSt.dll"); },
                   ".\\LexitonSt.dll"},
        FailureRow{"LexitonClt",
                   [](FakePlatform& p) {
                     p.ini.values["Server Settings/Server_Mode"] = "1";
                     p.loader.libraries.erase(".\\LexitonClt.dll");
                   },
                   ".\\LexitonClt.dll"},
        FailureRow{"KVStorno",
                   [](FakePlatform& p) { p.loader.libraries[".\\LexitonSt.dll"].erase("KVStorno"); },
                   "Korvell"},
        FailureRow{"KVClose",
                   [](FakePlatform& p) { p.loader.libraries[".\\LexitonSt.dll"].erase("KVClose"); },
                   "Korvell"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HostStartup, KVInitFailureCleansUpInOrder) {
  kvInitResult = -1;
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(platform.alerts, std::vector<std::string>{"Caption|Component failed (KVInit)"});
  const auto rest = tail("remove tray and hook");
  ASSERT_GE(rest.size(), 3u);
  EXPECT_EQ(rest[1], "destroy windows");
  EXPECT_EQ(rest[2], "call KVClose");
  EXPECT_EQ(rest.back(), "release lock");
  EXPECT_FALSE(happened("create subscriber"));
}

TEST_F(HostStartup, SharedBlockFailureShowsItsTextThenTheComponentFailedText) {
  platform.subscriberMade = false;
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(platform.alerts, (std::vector<std::string>{"Event Subscriber|shared memory creation failed",
                                                       "Caption|Component failed"}));
  EXPECT_TRUE(happened("destroy windows"));
  EXPECT_FALSE(happened("remove subscriber"));
  EXPECT_EQ(events().back(), "release lock");
}

TEST_F(HostStartup, FullRunBindsInOrderAndShutsDownInOrder) {
  platform.ini.values["dict/HVRDicts"] = "1";
  platform.loopResult = 7;
  EXPECT_EQ(run(), 7);
  EXPECT_TRUE(platform.alerts.empty());
  EXPECT_EQ(eventsStartingWith("load"),
            (std::vector<std::string>{"load uires1038.dll", "load RICHED32.DLL", "load RichEd20.dll",
                                      "load .\\mtippaint.dll", "load .\\dictcore.dll", "load .\\tippaint.dll",
                                      "load .\\textgrab.dll", "load .\\LexitonSt.dll"}));
  EXPECT_LT(at("probe ptrhook.dll"), at("splash 1038"));
  EXPECT_LT(at("splash 1038"), at("load .\\mtippaint.dll"));
  EXPECT_LT(at("call InitModule"), at("load .\\tippaint.dll"));
  EXPECT_LT(at("create windows"), at("call KVInit " + kConfig));
  EXPECT_LT(at("create subscriber"), at("enable"));
  EXPECT_EQ(tail("message loop"),
            (std::vector<std::string>{"message loop", "remove subscriber", "destroy windows", "call KVClose",
                                      "call EndModule", "unload .\\textgrab.dll", "unload .\\dictcore.dll",
                                      "unload .\\tippaint.dll", "unload .\\LexitonSt.dll",
                                      "unload .\\mtippaint.dll", "unload RICHED32.DLL", "unload RichEd20.dll",
                                      "unload uires1038.dll", "release lock"}));
}

TEST_F(HostStartup, ServerModeOneBindsTheOnlineClient) {
  for (const char* mode : std::initializer_list<const char*>{"1", "0", "2", nullptr}) {
    events().clear();
    if (mode)
      platform.ini.values["Server Settings/Server_Mode"] = mode;
    else
      platform.ini.values.erase("Server Settings/Server_Mode");
    run();
    const bool online = mode && std::string(mode) == "1";
    EXPECT_TRUE(happened(online ? "load .\\LexitonClt.dll" : "load .\\LexitonSt.dll"))
        << (mode ? mode : "none");
  }
}

TEST_F(HostStartup, WithoutHoverDictionariesTheEngineIsNeitherStartedNorEnded) {
  run();
  EXPECT_FALSE(happened("call InitModule"));
  EXPECT_FALSE(happened("call EndModule"));
}

TEST_F(HostStartup, EndModuleThatThrowsDoesNotStopTheUnloading) {
  platform.ini.values["dict/HVRDicts"] = "1";
  endModuleThrows = true;
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(happened("unload uires1038.dll"));
  EXPECT_EQ(events().back(), "release lock");
}

TEST_F(HostStartup, ClientWithoutExitAndProxyEntriesIsAccepted) {
  platform.loader.libraries[".\\LexitonSt.dll"].erase("KVExit");
  platform.loader.libraries[".\\LexitonSt.dll"].erase("KVProxyDlg");
  run();
  EXPECT_TRUE(platform.alerts.empty());
  EXPECT_TRUE(happened("message loop"));
}

TEST_F(HostStartup, MissingSecondPainterIsNoError) {
  platform.loader.libraries.erase(".\\tippaint.dll");
  run();
  EXPECT_TRUE(platform.alerts.empty());
  EXPECT_TRUE(happened("message loop"));
}

TEST_F(HostStartup, SleepOptionWaitsAfterTheSplash) {
  platform.line = "Lexiton.exe /sleep";
  run();
  EXPECT_EQ(at("sleep 12000"), at("splash 1038") + 1);
}

TEST_F(HostStartup, FailedMessageLoopEndsWithMinusOneAfterTheSameShutdown) {
  platform.loopResult.reset();
  EXPECT_EQ(run(), -1);
  EXPECT_TRUE(happened("call KVClose"));
  EXPECT_EQ(events().back(), "release lock");
}

TEST_F(HostStartup, OverlongSettingIsOneOrderlyMessage) {
  platform.ini.values["dict/HVRDicts"] = std::string(600, '1');
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(platform.alerts.size(), 1u);
  EXPECT_EQ(platform.alerts[0].rfind("Lexiton|Value too long: [dict] HVRDicts", 0), 0u);
  EXPECT_FALSE(happened("message loop"));
  EXPECT_EQ(events().back(), "release lock");
}

TEST(WindowSettings, ExitWritesEveryKeyAndReadsThemBack) {
  MemoryProfile ini;
  WindowSettings s;
  s.tooltipColour = 0x00E1FFFF;
  s.autoRun = true;
  for (std::size_t i = 0; i < s.customColors.size(); ++i)
    s.customColors[i] = 0x010203 * static_cast<uint32_t>(i);
  EXPECT_EQ(saveWindowSettings(ini, "x.ini", s), "");
  const WindowSettings back = readWindowSettings(ini, "x.ini");
  EXPECT_EQ(back.tooltipColour, s.tooltipColour);
  EXPECT_TRUE(back.autoRun);
  EXPECT_EQ(back.customColors, s.customColors);
}

TEST(WindowSettings, AutoRunFiveReadsAsSetAndIsWrittenAsOne) {
  MemoryProfile ini;
  ini.values["dict/AutoRun"] = "5";
  const WindowSettings s = readWindowSettings(ini, "x.ini");
  EXPECT_TRUE(s.autoRun);
  EXPECT_EQ(s.tooltipColour, 0u);
  EXPECT_EQ(s.customColors, whiteCustomColors());
  saveWindowSettings(ini, "x.ini", s);
  EXPECT_EQ(ini.values["dict/AutoRun"], "1");
}

TEST(WindowSettings, AFailedWriteIsReportedOnceAndTheOthersAreStillTried) {
  MemoryProfile ini;
  ini.failKeys = {"TTColor", "AutoRun"};
  WindowSettings s;
  s.customColors[3] = 0x123456;
  const std::string failure = saveWindowSettings(ini, "x.ini", s);
  EXPECT_EQ(failure, "Cannot write [dict] TTColor (x.ini)");
  EXPECT_EQ(readWindowSettings(ini, "x.ini").customColors, s.customColors);
}

TEST(FeedbackText, AnyValueButZeroIsOnAndIsWrittenBackAsOne) {
  MemoryProfile ini;
  EXPECT_FALSE(readFeedbackText(ini, "x.ini"));
  for (const char* on : {"1", "5", "-1"}) {
    ini.values["dict/FeedbackText"] = on;
    EXPECT_TRUE(readFeedbackText(ini, "x.ini")) << on;
  }
  saveFeedbackText(ini, "x.ini", readFeedbackText(ini, "x.ini"));
  EXPECT_EQ(ini.values["dict/FeedbackText"], "1");
  ini.values["dict/FeedbackText"] = "0";
  EXPECT_FALSE(readFeedbackText(ini, "x.ini"));
  saveFeedbackText(ini, "x.ini", false);
  EXPECT_EQ(ini.values["dict/FeedbackText"], "0");
}

}  // namespace
}  // namespace lexiton::host::test
