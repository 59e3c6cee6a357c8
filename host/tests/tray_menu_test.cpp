// The tray menu's items, their order, labels and first states, for the libraries that change
// it; and the bottom-up order the system menu is made in.
#include <gtest/gtest.h>

#include <lexiton/ui_resources.h>

#include "tray/tray_menu.h"

namespace lexiton::host {
namespace {

std::vector<int> commands(const std::vector<TrayMenuItem>& items) {
  std::vector<int> out;
  for (const auto& item : items) out.push_back(item.command);
  return out;
}

TEST(TrayMenuModel, EveryItemInOrderWithItsLabel) {
  const TrayMenu menu({true, true, false});
  EXPECT_EQ(commands(menu.items()),
            (std::vector<int>{1246, 1236, 1249, 1242, 0, 1239, 1248, 0, 1240, 1250, 1238, 0, 1237}));
  std::vector<int> labels;
  std::vector<std::string_view> literals;
  for (const auto& item : menu.items()) {
    labels.push_back(item.labelString);
    literals.push_back(item.literal);
    EXPECT_FALSE(item.greyed);
    EXPECT_FALSE(item.checked);
  }
  EXPECT_EQ(labels, (std::vector<int>{39, 7, 44, 12, 0, 5, 42, 0, 0, 0, 4, 0, 3}));
  EXPECT_EQ(literals[8], "&Veltrix");
  EXPECT_EQ(literals[9], "K&orvell");
  EXPECT_TRUE(menu.items()[4].separator());
}

TEST(TrayMenuModel, WithoutTheProxyDialogThereIsNoProxyItem) {
  const TrayMenu menu({false, true, false});
  EXPECT_EQ(commands(menu.items()),
            (std::vector<int>{1246, 1236, 1242, 0, 1239, 1248, 0, 1240, 1250, 1238, 0, 1237}));
  EXPECT_EQ(menu.find(LXR_COMMAND_PROXY), nullptr);
}

TEST(TrayMenuModel, WithoutTheSecondPainterTheDictionariesAreGreyed) {
  const TrayMenu menu({true, false, false});
  ASSERT_NE(menu.find(LXR_COMMAND_DICTIONARIES), nullptr);
  EXPECT_TRUE(menu.find(LXR_COMMAND_DICTIONARIES)->greyed);
  for (const auto& item : menu.items())
    if (item.command != LXR_COMMAND_DICTIONARIES) {
      EXPECT_FALSE(item.greyed) << item.command;
    }
}

TEST(TrayMenuModel, AutoRunStartsCheckedWhenTheSettingIsOn) {
  EXPECT_TRUE(TrayMenu({true, true, true}).find(LXR_COMMAND_AUTORUN)->checked);
  EXPECT_FALSE(TrayMenu({true, true, false}).find(LXR_COMMAND_AUTORUN)->checked);
}

TEST(TrayMenuModel, TheSystemMenuIsMadeBottomUp) {
  const TrayMenu menu({false, true, false});
  EXPECT_EQ(commands(menu.insertionOrder()),
            (std::vector<int>{1237, 0, 1238, 1250, 1240, 0, 1248, 1239, 0, 1242, 1236, 1246}));
}

TEST(TrayMenuModel, OnlyItsOwnItemsChange) {
  TrayMenu menu({false, true, false});
  EXPECT_TRUE(menu.setGreyed(LXR_COMMAND_ABOUT, true));
  EXPECT_TRUE(menu.find(LXR_COMMAND_ABOUT)->greyed);
  EXPECT_TRUE(menu.setChecked(LXR_COMMAND_AUTORUN, true));
  EXPECT_TRUE(menu.find(LXR_COMMAND_AUTORUN)->checked);
  // MainWindow's own commands and the separators are not the menu's.
  EXPECT_FALSE(menu.setChecked(LXR_COMMAND_SUPPRESS, true));
  EXPECT_FALSE(menu.setGreyed(LXR_COMMAND_PROXY, true));
  EXPECT_FALSE(menu.setGreyed(0, true));
  EXPECT_FALSE(menu.items()[3].greyed);
}

}  // namespace
}  // namespace lexiton::host
