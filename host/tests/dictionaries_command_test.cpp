// The Dictionaries command over the real engine table bound to a fake dictionary library: the
// late start, the engine's dialog, the open-dictionary list and [dict] HVRDicts.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "engines/open_dictionaries.h"
#include "tray/dictionaries_command.h"

namespace lexiton::host::test {
namespace {

using namespace std::string_literals;

class DictionariesCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    events().clear();
    initModuleResult = 0;
    openDictionaries.clear();
    addEveryLibrary(loader, 1038);
  }
  // Binds with [dict] HVRDicts as given and runs the command once.
  std::optional<int> run(int hoverDictionaries = 1) {
    if (!bound_) {
      EXPECT_FALSE(engines.bind(hoverDictionaries, [] { return 0; }));
    }
    bound_ = true;
    events().clear();
    return runDictionariesCommand(dictionarySwitch, engines, 1038, ini, "lexiton.ini");
  }
  std::string hvrDicts() {
    return ini.values.count("dict/HVRDicts") ? ini.values["dict/HVRDicts"] : "(none)";
  }

  FakeLoader loader;
  EngineTable engines{loader};
  HoverDictionarySwitch dictionarySwitch{engines};
  MemoryProfile ini;
  bool bound_ = false;
};

TEST_F(DictionariesCommand, AHoverDictionaryAmongTheOpenOnesWritesOne) {
  openDictionaries =
      "1EN-HU\0"s
      "2HU-EN\0"s
      "\0"s;
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(hvrDicts(), "1");
  EXPECT_TRUE(engines.secondTooltipEnabled());
  EXPECT_EQ(events(), (std::vector<std::string>{"call DictConfig 1038 null 1", "call GetOpenDicts 256",
                                                "write HVRDicts=1"}));
}

TEST_F(DictionariesCommand, OnlyOtherDictionariesWriteZeroAndKeepTheSecondTooltip) {
  openDictionaries = "1EN-HU\0\0"s;
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(hvrDicts(), "0");
  EXPECT_TRUE(engines.secondTooltipEnabled());
}

TEST_F(DictionariesCommand, AnEmptyListSwitchesTheSecondTooltipOff) {
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(hvrDicts(), "0");
  EXPECT_FALSE(engines.secondTooltipEnabled());
}

TEST_F(DictionariesCommand, AnEngineNotRunningIsStartedAndThenShowsTheSecondTooltip) {
  openDictionaries = "2HU-EN\0\0"s;
  EXPECT_FALSE(engines.bind(0, [] { return 0; }));
  EXPECT_FALSE(engines.engineInitialised());
  events().clear();
  EXPECT_EQ(runDictionariesCommand(dictionarySwitch, engines, 1038, ini, "lexiton.ini"), 1);
  EXPECT_EQ(events().front(), "call InitModule");
  EXPECT_TRUE(engines.engineInitialised());
  EXPECT_TRUE(engines.secondTooltipEnabled());
  // Started here, so it is ended at unloading.
  events().clear();
  engines.unload();
  EXPECT_EQ(eventsStartingWith("call EndModule").size(), 1u);
}

TEST_F(DictionariesCommand, AnEngineThatWillNotStartDoesNothingMore) {
  initModuleResult = -1;
  openDictionaries = "2HU-EN\0\0"s;
  EXPECT_FALSE(run(0));
  EXPECT_EQ(events(), (std::vector<std::string>{"call InitModule"}));
  EXPECT_EQ(hvrDicts(), "(none)");
  EXPECT_FALSE(engines.secondTooltipEnabled());
}

TEST_F(DictionariesCommand, AnEngineWithoutInitModuleDoesNothing) {
  loader.libraries[".\\dictcore.dll"].erase("InitModule");
  EXPECT_FALSE(run(0));
  EXPECT_TRUE(events().empty());
}

TEST_F(DictionariesCommand, WithoutTheListTheSecondTooltipIsOffAndHvrDictsZero) {
  loader.libraries[".\\dictcore.dll"].erase("GetOpenDicts");
  loader.libraries[".\\dictcore.dll"].erase("DictConfig");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(events(), (std::vector<std::string>{"write HVRDicts=0"}));
  EXPECT_FALSE(engines.secondTooltipEnabled());
}

TEST_F(DictionariesCommand, WithoutTheSecondPainterTheSecondTooltipStaysOff) {
  loader.libraries.erase(".\\tippaint.dll");
  openDictionaries = "2HU-EN\0\0"s;
  EXPECT_EQ(run(), 1);
  EXPECT_FALSE(engines.secondTooltipEnabled());
}

TEST_F(DictionariesCommand, AListThatFillsTheBufferIsReadNoFurther) {
  // No empty entry: the scan stops at the buffer's end (ASan would see it read past).
  openDictionaries = std::string(kOpenDictionariesBuffer, '1');
  EXPECT_EQ(run(), 0);
  openDictionaries = std::string(kOpenDictionariesBuffer - 1, '1') + "\0"s;
  EXPECT_EQ(run(), 0);
}

TEST_F(DictionariesCommand, AFailedWriteIsThrown) {
  ini.failWrites = true;
  openDictionaries = "2HU-EN\0\0"s;
  EXPECT_THROW(run(), cIni::cExc);
}

TEST(OpenDictionaryList, OnlyTheFirstCharacterOfEachEntryCounts) {
  const std::string list =
      "1x2\0"s
      "12\0"s
      "\0"s
      "2after-the-end\0"s;
  EXPECT_FALSE(listsHoverDictionary(list.data(), list.size()));
  const std::string last =
      "1a\0"s
      "1b\0"s
      "2c\0"s
      "\0"s;
  EXPECT_TRUE(listsHoverDictionary(last.data(), last.size()));
  const std::string cut =
      "1a\0"s
      "2";
  EXPECT_TRUE(listsHoverDictionary(cut.data(), cut.size()));
  EXPECT_FALSE(listsHoverDictionary(cut.data(), 3));
  // A list without a single zero is read to the buffer's end, not past it.
  const char unterminated[4] = {'1', 'x', '1', 'y'};
  EXPECT_FALSE(listsHoverDictionary(unterminated, sizeof unterminated));
}

}  // namespace
}  // namespace lexiton::host::test
