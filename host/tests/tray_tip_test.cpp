// The tray icon's look for each state, the dictionary name's lookup order and the tip's cut.
#include <gtest/gtest.h>

#include <lexiton/ui_resources.h>

#include "fake_host.h"
#include "tray/tray_tip.h"

namespace lexiton::host::test {
namespace {

TEST(TrayTip, BusyWinsOverPausedAndPausedOverOn) {
  HoverState hover;
  EXPECT_EQ(trayLook(hover).icon, LXR_ICON_ACTIVE);
  EXPECT_EQ(trayLook(hover).stateString, LXR_STRING_ACTIVE);
  hover.paused = true;
  EXPECT_EQ(trayLook(hover).icon, LXR_ICON_PAUSED);
  EXPECT_EQ(trayLook(hover).stateString, LXR_STRING_PAUSED);
  hover.busy = true;
  EXPECT_EQ(trayLook(hover).icon, LXR_ICON_BUSY);
  EXPECT_EQ(trayLook(hover).stateString, LXR_STRING_BUSY);
  hover.paused = false;
  EXPECT_EQ(trayLook(hover).icon, LXR_ICON_BUSY);
}

TEST(TrayTip, WithoutDictNameKeysTheTipReadsHoverMouse) {
  MemoryProfile ini;
  EXPECT_EQ(trayTip(dictionaryName(ini, "x.ini", 1038), "on"), "HoverMouse (on)");
}

TEST(TrayTip, TheLanguagesOwnNameComesFirst) {
  MemoryProfile ini;
  ini.values["dict/DictName1038"] = "Szótár";
  ini.values["dict/DictName"] = "Dictionary";
  EXPECT_EQ(dictionaryName(ini, "x.ini", 1038), "Szótár");
  EXPECT_EQ(dictionaryName(ini, "x.ini", 2057), "Dictionary");
}

TEST(TrayTip, AnEmptyNameCountsAsMissing) {
  MemoryProfile ini;
  ini.values["dict/DictName2057"] = "";
  ini.values["dict/DictName"] = "Dictionary";
  EXPECT_EQ(dictionaryName(ini, "x.ini", 2057), "Dictionary");
  ini.values["dict/DictName"] = "";
  EXPECT_EQ(dictionaryName(ini, "x.ini", 2057), "HoverMouse");
}

TEST(TrayTip, ALongNameIsCutNotRefused) {
  MemoryProfile ini;
  ini.values["dict/DictName"] = std::string(600, 'n');
  EXPECT_EQ(dictionaryName(ini, "x.ini", 2057), std::string(kTrayNameLength, 'n'));
}

TEST(TrayTip, TheTipIsCutToSixtyThreeCharacters) {
  EXPECT_EQ(trayTip(std::string(59, 'n'), "on"), std::string(59, 'n') + " (on");
  EXPECT_EQ(trayTip(std::string(58, 'n'), "on"), std::string(58, 'n') + " (on)");
  EXPECT_EQ(trayTip(std::string(300, 'n'), "on"), std::string(63, 'n'));
  EXPECT_EQ(trayTip("HoverMouse", std::string(300, 's')), "HoverMouse (" + std::string(51, 's'));
}

}  // namespace
}  // namespace lexiton::host::test
