// What the tray does with the pointer tracking's state, the icon's mouse messages, the menu
// and MainWindow's commands, over a desktop that records what it was asked, with the real
// engine table bound to fake libraries.
#include <gtest/gtest.h>

#include <lexiton/ui_resources.h>
#include <lexiton/web_site.h>

#include <functional>

#include "fake_host.h"
#include "links/links.h"
#include "tray/tray_controller.h"

namespace lexiton::host::test {
namespace {

class RecordingDesktop final : public TrayDesktop {
 public:
  std::vector<std::string> calls;
  bool shellTakesIcons = true;
  bool addRefused = false;  // an add fails (the icon is there already)
  bool visible = false;
  bool confirmColour = false;
  uint32_t pickedColour = 0;
  std::function<void()> duringMenu, duringDialog;

  bool notifyIcon(IconAction action, int icon, const std::string& tip) override {
    const char* name = action == IconAction::add ? "add" : action == IconAction::modify ? "modify" : "delete";
    calls.push_back(std::string("icon ") + name +
                    (action == IconAction::remove ? "" : " " + std::to_string(icon) + " " + tip));
    if (!shellTakesIcons) return false;
    return !(action == IconAction::add && addRefused);
  }
  std::string languageString(int id) override {
    switch (id) {
      case LXR_STRING_ACTIVE:
        return "on";
      case LXR_STRING_PAUSED:
        return "paused";
      case LXR_STRING_BUSY:
        return "translating";
    }
    return "";
  }
  void createMenu(const TrayMenu& menu) override {
    calls.push_back("menu " + std::to_string(menu.items().size()));
  }
  void showItemState(int command, bool greyed, bool checked) override {
    calls.push_back("item " + std::to_string(command) + (greyed ? " greyed" : "") +
                    (checked ? " checked" : ""));
  }
  void destroyMenu() override { calls.push_back("destroy menu"); }
  void trackMenu() override {
    calls.push_back("track menu");
    if (duringMenu) duringMenu();
  }
  void postMenuClosed() override { calls.push_back("post WM_USER"); }
  bool mainWindowVisible() override { return visible; }
  void bringMainWindowForward() override { calls.push_back("main forward"); }
  void showMainWindow() override { calls.push_back("main show"); }
  void hideMainWindow() override { calls.push_back("main hide"); }
  void publishEnabled(bool enabled) override { calls.push_back(enabled ? "enabled 1" : "enabled 0"); }
  bool chooseColour(uint32_t& colour, CustomColors& custom) override {
    calls.push_back("colour dialog " + std::to_string(colour));
    custom[0] = 0x123456;
    if (duringDialog) duringDialog();
    if (confirmColour) colour = pickedColour;
    return confirmColour;
  }
  void runAboutBox() override {
    calls.push_back("about box");
    if (duringDialog) duringDialog();
  }
  void runFeedbackOption() override {
    calls.push_back("feedback option");
    if (duringDialog) duringDialog();
  }
  void open(std::string_view verb, const std::string& target, OpenOwner owner, ShellShow show) override {
    calls.push_back("open " + std::string(verb) + "|" +
                    (owner == OpenOwner::mainWindow ? "main" : "display") + "|" +
                    (show == ShellShow::normal ? "normal" : "show") + "|" + target);
  }
  void setAutoRunEntry(bool on) override { calls.push_back(on ? "autorun entry on" : "autorun entry off"); }
  void exitProgram() override { calls.push_back("exit routine"); }
  void warn(const std::string& text) override { calls.push_back("warn " + text); }

  std::vector<std::string> take() {
    auto out = std::move(calls);
    calls.clear();
    return out;
  }
};

class Tray : public ::testing::Test {
 protected:
  void SetUp() override {
    events().clear();
    initModuleResult = 0;
    openDictionaries.clear();
    addEveryLibrary(loader, 2057);
  }

  // Binds the fake libraries and starts a controller over them.
  TrayController& start(int language = 2057) {
    EXPECT_FALSE(engines.bind(0, [] { return 0; }));
    paths.language = language;
    paths.configPath = "C:\\data\\lexiton.ini";
    controller.emplace(desktop, TrayParts{hover, display, settings, engines, dictionarySwitch, ini, paths});
    controller->start();
    return *controller;
  }

  FakeLoader loader;
  EngineTable engines{loader};
  HoverDictionarySwitch dictionarySwitch{engines};
  MemoryProfile ini;
  HostPaths paths;
  HoverState hover;
  DisplayFlags display;
  WindowSettings settings;
  RecordingDesktop desktop;
  std::optional<TrayController> controller;
};

using Calls = std::vector<std::string>;

TEST_F(Tray, StartMakesTheMenuAddsTheIconAndSetsTheAutoRunEntry) {
  settings.autoRun = true;
  start();
  EXPECT_EQ(desktop.take(), (Calls{"menu 13", "icon add 108 HoverMouse (on)", "autorun entry on"}));
  EXPECT_TRUE(controller->menu().find(LXR_COMMAND_AUTORUN)->checked);
}

TEST_F(Tray, TheMenuLeavesOutTheProxyWhenTheLibraryHasNoDialog) {
  loader.libraries[".\\LexitonSt.dll"].erase("KVProxyDlg");
  start();
  EXPECT_EQ(desktop.take().front(), "menu 12");
  events().clear();
  controller->command(LXR_COMMAND_PROXY);
  EXPECT_TRUE(events().empty());
}

TEST_F(Tray, ALeftClickPausesAndResumesAndPublishesTheFlag) {
  ini.values["dict/DictName"] = "Lexiton";
  start();
  desktop.take();
  controller->mouse(TrayController::kLeftButtonDown);
  EXPECT_TRUE(hover.paused);
  EXPECT_EQ(desktop.take(), (Calls{"icon modify 109 Lexiton (paused)", "enabled 0"}));
  controller->mouse(TrayController::kLeftButtonDown);
  EXPECT_FALSE(hover.paused);
  EXPECT_EQ(desktop.take(), (Calls{"icon modify 108 Lexiton (on)", "enabled 1"}));
  // Other mouse messages do nothing: the button's release, a double click, a move.
  for (unsigned message : {0x202u, 0x203u, 0x200u, 0x205u}) controller->mouse(message);
  EXPECT_TRUE(desktop.take().empty());
  EXPECT_FALSE(hover.paused);
}

TEST_F(Tray, AClickWhileALookUpRunsKeepsTheBusyIconUntilItEnds) {
  start();
  desktop.take();
  hover.busy = true;
  controller->busyChanged();
  controller->mouse(TrayController::kLeftButtonDown);
  EXPECT_TRUE(hover.paused);
  EXPECT_EQ(desktop.take(), (Calls{"icon modify 145 HoverMouse (translating)",
                                   "icon modify 145 HoverMouse (translating)", "enabled 0"}));
  hover.busy = false;
  controller->busyChanged();
  EXPECT_EQ(desktop.take(), (Calls{"icon modify 109 HoverMouse (paused)"}));
}

TEST_F(Tray, TheMenuPausesWhileItIsOpenAndPostsWmUserAfterwards) {
  start();
  desktop.take();
  bool pausedDuring = false;
  desktop.duringMenu = [&] { pausedDuring = hover.paused; };
  controller->mouse(TrayController::kRightButtonDown);
  EXPECT_TRUE(pausedDuring);
  EXPECT_FALSE(hover.paused);
  // The icon keeps the user's state: the menu's pause is not theirs.
  EXPECT_EQ(desktop.take(), (Calls{"track menu", "post WM_USER"}));

  // A user's pause survives the menu.
  hover.paused = true;
  controller->mouse(TrayController::kRightButtonDown);
  EXPECT_TRUE(hover.paused);
}

TEST_F(Tray, ARightClickWhileMainWindowIsVisibleOnlyBringsItForward) {
  start();
  desktop.take();
  desktop.visible = true;
  controller->mouse(TrayController::kRightButtonDown);
  EXPECT_EQ(desktop.take(), (Calls{"main forward"}));
}

TEST_F(Tray, TheColourDialogGreysItsItemAndAConfirmedColourIsKept) {
  settings.tooltipColour = 0x00E1FFFF;
  start();
  desktop.take();
  bool greyedDuring = false;
  desktop.duringDialog = [&] { greyedDuring = controller->menu().find(LXR_COMMAND_COLOUR)->greyed; };
  desktop.confirmColour = true;
  desktop.pickedColour = 0x00336699;
  EXPECT_TRUE(controller->command(LXR_COMMAND_COLOUR));
  EXPECT_TRUE(greyedDuring);
  EXPECT_FALSE(controller->menu().find(LXR_COMMAND_COLOUR)->greyed);
  EXPECT_EQ(desktop.take(),
            (Calls{"item 1236 greyed", "colour dialog " + std::to_string(0x00E1FFFF), "item 1236"}));
  EXPECT_EQ(settings.tooltipColour, 0x00336699u);
  EXPECT_EQ(settings.customColors[0], 0x123456u);
}

TEST_F(Tray, ACancelledColourDialogKeepsTheColourWhileTheCustomColoursChange) {
  settings.tooltipColour = 0x00E1FFFF;
  start();
  desktop.confirmColour = false;
  desktop.pickedColour = 0x00336699;
  controller->command(LXR_COMMAND_COLOUR);
  EXPECT_EQ(settings.tooltipColour, 0x00E1FFFFu);
  EXPECT_EQ(settings.customColors[0], 0x123456u);
}

TEST_F(Tray, AModalDialogCannotBeOpenedTwice) {
  start();
  desktop.take();
  int depth = 0;
  desktop.duringDialog = [&] {
    if (++depth == 1) {
      controller->command(LXR_COMMAND_ABOUT);
      controller->command(LXR_COMMAND_FEEDBACK);
    }
  };
  controller->command(LXR_COMMAND_ABOUT);
  EXPECT_EQ(desktop.take(), (Calls{"item 1238 greyed", "about box", "item 1248 greyed", "feedback option",
                                   "item 1248", "item 1238"}));
}

TEST_F(Tray, AutoRunFlipsTheSettingTheCheckMarkAndTheEntry) {
  start();
  desktop.take();
  controller->command(LXR_COMMAND_AUTORUN);
  EXPECT_TRUE(settings.autoRun);
  EXPECT_TRUE(controller->menu().find(LXR_COMMAND_AUTORUN)->checked);
  EXPECT_EQ(desktop.take(), (Calls{"item 1242 checked", "autorun entry on"}));
  controller->command(LXR_COMMAND_AUTORUN);
  EXPECT_FALSE(settings.autoRun);
  EXPECT_EQ(desktop.take(), (Calls{"item 1242", "autorun entry off"}));
}

TEST_F(Tray, SuppressionFlipsTheDisplayFlagAndMainWindowsCheckMark) {
  start();
  desktop.take();
  controller->command(LXR_COMMAND_SUPPRESS);
  EXPECT_TRUE(display.suppressed);
  controller->command(LXR_COMMAND_SUPPRESS);
  EXPECT_FALSE(display.suppressed);
  EXPECT_EQ(desktop.take(), (Calls{"item 1245 checked", "item 1245"}));
}

TEST_F(Tray, ShowingMainWindowGreysItsCommandAndItsCancelHidesIt) {
  start();
  desktop.take();
  controller->command(LXR_COMMAND_SHOW_MAIN);
  controller->command(2);
  EXPECT_EQ(desktop.take(), (Calls{"item 1235 greyed", "main show", "main hide", "item 1235"}));
}

TEST_F(Tray, HelpAndPagesOpenForTheLanguageWithMainWindowAsOwner) {
  start(1038);
  desktop.take();
  controller->command(LXR_COMMAND_HELP);
  controller->command(LXR_COMMAND_MAKER_PAGE);
  controller->command(LXR_COMMAND_FAMILY_PAGE);
  EXPECT_EQ(desktop.take(),
            (Calls{"open open|main|normal|kvoHelpHU.chm", "open |main|normal|" + links::makerPage(1038),
                   "open |main|normal|" + links::familyPage(1038)}));
}

TEST_F(Tray, TheFeedbackKeyOpensTheFeedbackPageOwnedByTheTooltip) {
  start(2057);
  desktop.take();
  controller->feedbackRequested("a&b");
  EXPECT_EQ(desktop.take(), (Calls{"open open|display|show|" + links::feedbackAddress("a&b", 2057)}));
}

TEST_F(Tray, TheProxyCommandCallsTheLibrarysDialogWithNoOwner) {
  start(1038);
  events().clear();
  controller->command(LXR_COMMAND_PROXY);
  EXPECT_EQ(events(), (std::vector<std::string>{"call KVProxyDlg 1038 null"}));
}

TEST_F(Tray, ExitGoesThroughTheExitRoutineAndRemoveEndsEverything) {
  start();
  desktop.take();
  controller->command(LXR_COMMAND_EXIT);
  controller->remove();
  EXPECT_EQ(desktop.take(), (Calls{"exit routine", "icon delete", "destroy menu"}));
  hover.busy = true;
  controller->busyChanged();
  controller->mouse(TrayController::kLeftButtonDown);
  controller->shellRestarted();
  EXPECT_FALSE(controller->command(LXR_COMMAND_ABOUT));
  controller->remove();
  EXPECT_TRUE(desktop.take().empty());
}

TEST_F(Tray, AnExitWhileADialogIsOpenLeavesTheDestroyedMenuAlone) {
  start();
  desktop.take();
  desktop.duringDialog = [&] { controller->remove(); };
  controller->command(LXR_COMMAND_ABOUT);
  EXPECT_EQ(desktop.take(), (Calls{"item 1238 greyed", "about box", "icon delete", "destroy menu"}));
}

TEST_F(Tray, TheShellsRestartAddsTheIconAgain) {
  start();
  desktop.take();
  controller->shellRestarted();
  EXPECT_EQ(desktop.take(), (Calls{"icon add 108 HoverMouse (on)"}));
  // An icon the shell still has is brought up to date instead.
  desktop.addRefused = true;
  hover.paused = true;
  controller->shellRestarted();
  EXPECT_EQ(desktop.take(),
            (Calls{"icon add 109 HoverMouse (paused)", "icon modify 109 HoverMouse (paused)"}));
  EXPECT_TRUE(controller->iconShown());
}

TEST_F(Tray, AnIconTheShellRefusedAtStartIsAddedAtTheNextChange) {
  desktop.shellTakesIcons = false;
  start();
  EXPECT_FALSE(controller->iconShown());
  desktop.take();
  desktop.shellTakesIcons = true;
  controller->mouse(TrayController::kLeftButtonDown);
  EXPECT_EQ(desktop.take(), (Calls{"icon add 109 HoverMouse (paused)", "enabled 0"}));
  EXPECT_TRUE(controller->iconShown());
}

}  // namespace
}  // namespace lexiton::host::test
