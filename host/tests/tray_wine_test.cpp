// The tray of the real Lexiton.exe under wine on Xvfb: the notification-area icon as the shell
// holds it (added, added again after "TaskbarCreated", its picture for each state), the left
// click, the menu, and MainWindow's commands sent as the menu sends them, with their dialogs
// driven through their own controls. Opens go to a file; nothing waits for a person.
#include <gtest/gtest.h>

#include <lexiton/test/win/dialog_driver.h>
#include <lexiton/ui_resources.h>
#include <lexiton/web_site.h>

#include <shellapi.h>

#include "host_process.h"
#include "host_test_case.h"
#include "links/links.h"
#include "startup/custom_colors.h"
#include "startup/win/host_windows.h"
#include "tray/win/autorun_entry.h"
#include "tray_icon_view.h"

namespace lexiton::host::test {
namespace {

using namespace std::chrono_literals;

constexpr UINT kSendLimitMs = 20000;
// The classes wine gives a pop-up menu, a dialog, and an icon of its stand-alone notification
// area (where icons go when no other program on the display offers one).
constexpr char kMenuClass[] = "#32768";
constexpr char kDialogClass[] = "#32770";
constexpr char kTrayIconClass[] = "__winex11_tray_icon";

class TrayProgram : public HostTestCase {
 protected:
  void SetUp() override {
    HostTestCase::SetUp();
    opens_ = binFolder() + "host_opens.txt";
    DeleteFileA(opens_.c_str());
    SetEnvironmentVariableA("LEXITON_OPEN_FILE", opens_.c_str());
    SetEnvironmentVariableA("LEXITON_STANDIN_OPEN_DICTS", nullptr);
  }

  // Starts the program with `settings` and finds its MainWindow.
  HWND run(HostProcess& host, const std::string& settings) {
    record_ = startRunning(host, settings);
    if (!record_) return nullptr;
    return host.mainWindow(*record_);
  }
  std::optional<DWORD> end(HostProcess& host) { return host.endSession(*record_); }
  bool enabled() { return readSubscriberRecord()->enabled != 0; }

  // The icon's callback message, as the shell sends it.
  static void trayMouse(HWND main, UINT mouse) {
    DWORD_PTR result;
    SendMessageTimeoutA(main, Tray::kCallbackMessage, Tray::kIconId, mouse, SMTO_ABORTIFHUNG, kSendLimitMs,
                        &result);
  }
  // A command as the menu sends it; posted, since a dialog's command returns only when it closed.
  static void command(HWND main, int id) { PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  static void commandNow(HWND main, int id) {
    DWORD_PTR result;
    SendMessageTimeoutA(main, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_ABORTIFHUNG, kSendLimitMs,
                        &result);
  }

  static bool iconPresent(HWND main) { return trayIconPresent(main, Tray::kIconId); }
  // Which of the English library's icons the notification area shows, once it shows `icon`
  // (it paints in its own time); what it shows after a few seconds otherwise.
  static std::optional<int> iconOnShow(int icon) {
    static HMODULE library = LoadLibraryExA("uires2057.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    std::optional<int> shown;
    waitUntil(
        [&] {
          return (shown = trayIconOnShow(library, {LXR_ICON_ACTIVE, LXR_ICON_PAUSED, LXR_ICON_BUSY})) == icon;
        },
        5s);
    return shown;
  }

  std::vector<std::string> opens() {
    std::vector<std::string> lines;
    const std::string text = readText(opens_);
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = text.find('\n', at);
      lines.push_back(text.substr(at, end - at));
      at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
  }
  // A control's text in another process: WM_GETTEXT, which the system carries across.
  static std::string controlText(HWND dialog, int id) {
    char text[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kSendLimitMs, &length);
    return std::string(text, length);
  }
  static std::string handleText(HWND window) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(window));
  }

  std::optional<std::string> runValue() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    char value[MAX_PATH * 2] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(key, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return std::string(value);
  }
  void setRunValue(const std::string& value) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }

  // Drives the dialog `locate` finds with `steps`, one per tick, until the steps ran and the
  // dialog is destroyed (a dialog is hidden before it is destroyed, and saves on destruction).
  bool drive(dialog_driver::Script::Locate locate, std::vector<dialog_driver::Script::Step> steps) {
    const std::size_t count = steps.size();
    HWND dialog = nullptr;
    dialog_driver::Script script(
        [&] {
          if (!dialog) dialog = locate();
          return dialog;
        },
        std::move(steps));
    const bool done =
        waitUntil([&] { return script.stepsRun() == count && dialog && !IsWindow(dialog); }, 30s);
    return done && !script.timedOut();
  }
  auto dialogOf(HostProcess& host, const char* caption) {
    const DWORD process = host.processId();
    return [process, caption] { return findWindowOf(process, kDialogClass, caption); };
  }

  std::optional<SubscriberRecord> record_;
  std::string opens_;
};

TEST_F(TrayProgram, TheIconIsAddedAndAddedAgainWhenTheTaskbarIsCreated) {
  HostProcess host("tray_icon");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  EXPECT_TRUE(iconPresent(main));

  // The shell restarts: its icons are gone until each program adds its own again.
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = main;
  data.uID = Tray::kIconId;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  ASSERT_FALSE(iconPresent(main));
  DWORD_PTR result;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG,
                      kSendLimitMs, &result);
  EXPECT_TRUE(waitUntil([&] { return iconPresent(main); }, 10s));

  EXPECT_EQ(end(host), 0u);
  EXPECT_FALSE(iconPresent(main));
  EXPECT_EQ(alerts(), "");
}

TEST_F(TrayProgram, TheLeftButtonsDownMessagePausesAndTheIconFollows) {
  HostProcess host("tray_click");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  EXPECT_EQ(iconOnShow(LXR_ICON_ACTIVE), LXR_ICON_ACTIVE);
  screenshot("tray_icon_on");
  for (UINT other : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONUP}) trayMouse(main, other);
  EXPECT_TRUE(enabled());
  trayMouse(main, WM_LBUTTONDOWN);
  EXPECT_FALSE(enabled());
  EXPECT_EQ(iconOnShow(LXR_ICON_PAUSED), LXR_ICON_PAUSED);
  trayMouse(main, WM_LBUTTONDOWN);
  EXPECT_TRUE(enabled());
  EXPECT_EQ(iconOnShow(LXR_ICON_ACTIVE), LXR_ICON_ACTIVE);
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, AutoRunWritesAndRemovesTheRunValue) {
  // A value left by an older installation is removed at start when the setting is off.
  setRunValue("\"C:\\old\\Lexiton.exe\"");
  HostProcess host("tray_autorun");
  HWND main = run(host, "[dict]\nUserLang=2057\nAutoRun=0\n");
  ASSERT_TRUE(main) << alerts();
  EXPECT_EQ(runValue(), std::nullopt);
  commandNow(main, LXR_COMMAND_AUTORUN);
  EXPECT_EQ(runValue(), "\"" + host.folder() + "Lexiton.exe\"");
  commandNow(main, LXR_COMMAND_AUTORUN);
  EXPECT_EQ(runValue(), std::nullopt);
  commandNow(main, LXR_COMMAND_AUTORUN);
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(iniValue("dict", "AutoRun"), "1");
  EXPECT_EQ(runValue(), "\"" + host.folder() + "Lexiton.exe\"");

  // And written at start when the setting is on.
  setRunValue("\"C:\\old\\Lexiton.exe\"");
  HostProcess again("tray_autorun_on");
  ASSERT_TRUE(run(again, "[dict]\nUserLang=2057\nAutoRun=1\n")) << alerts();
  EXPECT_EQ(runValue(), "\"" + again.folder() + "Lexiton.exe\"");
  EXPECT_EQ(end(again), 0u);
}

TEST_F(TrayProgram, SuppressionFlipsMainWindowsCheckBox) {
  HostProcess host("tray_suppress");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  auto checked = [&] {
    return SendMessageA(GetDlgItem(main, LXR_COMMAND_SUPPRESS), BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  EXPECT_FALSE(checked());
  commandNow(main, LXR_COMMAND_SUPPRESS);
  EXPECT_TRUE(checked());
  commandNow(main, LXR_COMMAND_SUPPRESS);
  EXPECT_FALSE(checked());
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, TheMenuOpensOnARightClickAndItsExitEndsTheProgram) {
  HostProcess host("tray_menu");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  // Posted as the shell posts it: the menu runs inside the message's handling.
  PostMessageA(main, Tray::kCallbackMessage, Tray::kIconId, WM_RBUTTONDOWN);
  HWND menu = waitForWindowOf(host.processId(), kMenuClass);
  ASSERT_TRUE(menu);
  screenshot("tray_menu");
  // The menu's pause is not the user's: the shared block still says enabled.
  EXPECT_TRUE(enabled());
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(waitUntil([&] { return !findWindowOf(host.processId(), kMenuClass); }));
  trayMouse(main, WM_LBUTTONDOWN);
  EXPECT_FALSE(enabled());

  // Up from nothing selected is the last item, Exit.
  PostMessageA(main, Tray::kCallbackMessage, Tray::kIconId, WM_RBUTTONDOWN);
  menu = waitForWindowOf(host.processId(), kMenuClass);
  ASSERT_TRUE(menu);
  PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(host.waitForExit(), 0u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(TrayProgram, WhileMainWindowIsVisibleARightClickOpensNoMenu) {
  HostProcess host("tray_main_visible");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  commandNow(main, LXR_COMMAND_SHOW_MAIN);
  ASSERT_TRUE(IsWindowVisible(main));
  screenshot("main_window");
  PostMessageA(main, Tray::kCallbackMessage, Tray::kIconId, WM_RBUTTONDOWN);
  EXPECT_FALSE(waitUntil([&] { return findWindowOf(host.processId(), kMenuClass) != nullptr; }, 1s));
  // Its Close button (Cancel) hides it again.
  commandNow(main, IDCANCEL);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, TheAboutBoxShowsTheLibrarysAboutTextsAndClosesOnOk) {
  HostProcess host("tray_about");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_ABOUT);
  std::string shown;
  EXPECT_TRUE(drive(dialogOf(host, "About Lexiton"), {[&](HWND d) {
                                                        shown = controlText(d, LXR_CONTROL_ABOUT_TEXT);
                                                        screenshot("about_box");
                                                      },
                                                      [](HWND d) { dialog_driver::click(d, IDOK); }}));
  EXPECT_NE(shown.find("English-Hungarian reading aid"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("Lexiton, made by Veltrix"), std::string::npos) << shown;
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, WithoutAboutTextsTheAboutBoxShowsTheFallback) {
  HostProcess host("tray_about_fallback");
  host.place("LexitonSt.dll", "standin_client.dll");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_ABOUT);
  std::string shown;
  EXPECT_TRUE(
      drive(dialogOf(host, "About Lexiton"), {[&](HWND d) { shown = controlText(d, LXR_CONTROL_ABOUT_TEXT); },
                                              // Escape's command: the template has no Cancel button.
                                              [](HWND d) { SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }}));
  EXPECT_EQ(shown, links::aboutFallback());
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, SeveralAboutTextsFollowEachOtherWithAnEmptyLineBetween) {
  HostProcess host("tray_about_several");
  host.place("LexitonSt.dll", "standin_client.dll");
  SetEnvironmentVariableA("LEXITON_STANDIN_ABOUT_TEXTS", "{\\rtf1 first}|{\\rtf1 second}|{\\rtf1 third}");
  HWND main = run(host, "[dict]\nUserLang=2057\n");
  SetEnvironmentVariableA("LEXITON_STANDIN_ABOUT_TEXTS", nullptr);
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_ABOUT);
  std::string shown;
  EXPECT_TRUE(
      drive(dialogOf(host, "About Lexiton"), {[&](HWND d) { shown = controlText(d, LXR_CONTROL_ABOUT_TEXT); },
                                              [](HWND d) { dialog_driver::click(d, IDOK); }}));
  EXPECT_EQ(shown.rfind("first\r\n\r\nsecond\r\n\r\nthird", 0), 0u) << shown;
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, TheFeedbackOptionKeepsAClickWhenItLosesActivation) {
  HostProcess host("tray_feedback");
  HWND main = run(host, "[dict]\nUserLang=2057\nFeedbackText=0\n");
  ASSERT_TRUE(main) << alerts();
  // A window of the test's own takes the activation, as a click elsewhere would; shown only
  // then, since the dialog closes as soon as it loses the activation.
  HWND elsewhere = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP, 600, 600, 80, 40, nullptr, nullptr,
                                   nullptr, nullptr);
  command(main, LXR_COMMAND_FEEDBACK);
  EXPECT_TRUE(drive(dialogOf(host, "Feedback"),
                    {[](HWND d) { EXPECT_FALSE(dialog_driver::checked(d, LXR_CONTROL_FEEDBACK_CHECK)); },
                     [](HWND d) {
                       dialog_driver::click(d, LXR_CONTROL_FEEDBACK_CHECK);
                       screenshot("feedback_option");
                     },
                     [&](HWND) {
                       ShowWindow(elsewhere, SW_SHOW);
                       SetForegroundWindow(elsewhere);
                     }}));
  DestroyWindow(elsewhere);
  // Saved when the dialog went, while the program runs on.
  EXPECT_EQ(iniValue("dict", "FeedbackText"), "1");
  EXPECT_TRUE(host.running());

  // Cancel keeps a click too; OK takes the box as it stands.
  command(main, LXR_COMMAND_FEEDBACK);
  EXPECT_TRUE(drive(dialogOf(host, "Feedback"),
                    {[](HWND d) { EXPECT_TRUE(dialog_driver::checked(d, LXR_CONTROL_FEEDBACK_CHECK)); },
                     [](HWND d) { dialog_driver::click(d, LXR_CONTROL_FEEDBACK_CHECK); },
                     [](HWND d) { dialog_driver::click(d, IDCANCEL); }}));
  EXPECT_EQ(iniValue("dict", "FeedbackText"), "0");
  command(main, LXR_COMMAND_FEEDBACK);
  EXPECT_TRUE(
      drive(dialogOf(host, "Feedback"), {[](HWND d) { dialog_driver::click(d, LXR_CONTROL_FEEDBACK_CHECK); },
                                         [](HWND d) { dialog_driver::click(d, IDOK); }}));
  EXPECT_EQ(iniValue("dict", "FeedbackText"), "1");

  // The hidden instance saves the program's flag at the end, not the box it was made with.
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(iniValue("dict", "FeedbackText"), "1");
}

TEST_F(TrayProgram, TheColourConfirmedThroughTheDialogsControlsIsSavedAtExit) {
  HostProcess host("tray_colour");
  HWND main = run(host, "[dict]\nUserLang=2057\nTTColor=14811135\n");
  ASSERT_TRUE(main) << alerts();
  // The system dialog's red, green and blue fields (706 to 708) and its "Add to Custom
  // Colors" button (712).
  command(main, LXR_COMMAND_COLOUR);
  EXPECT_TRUE(drive(
      dialogOf(host, "Color"),
      {[](HWND d) { dialog_driver::setText(d, 706, "16"); },
       [](HWND d) { dialog_driver::setText(d, 707, "32"); },
       [](HWND d) { dialog_driver::setText(d, 708, "48"); }, [](HWND d) { dialog_driver::click(d, 712); },
       [](HWND) { screenshot("colour_dialog"); }, [](HWND d) { dialog_driver::click(d, IDOK); }}));
  EXPECT_EQ(iniValue("dict", "TTColor"), "14811135");
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(iniValue("dict", "TTColor"), std::to_string(0x302010));
  EXPECT_EQ(parseCustomColors(iniValue("dict", "CustomColors"))[0], 0x302010u);
}

TEST_F(TrayProgram, ACancelledColourDialogKeepsTheColour) {
  HostProcess host("tray_colour_cancelled");
  HWND main = run(host, "[dict]\nUserLang=2057\nTTColor=14811135\n");
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_COLOUR);
  EXPECT_TRUE(drive(dialogOf(host, "Color"), {[](HWND d) { dialog_driver::setText(d, 706, "16"); },
                                              [](HWND d) { dialog_driver::click(d, IDCANCEL); }}));
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(iniValue("dict", "TTColor"), "14811135");
}

TEST_F(TrayProgram, HelpAndPagesOpenForTheLanguageOwnedByMainWindow) {
  for (int language : {2057, 1038}) {
    DeleteFileA(opens_.c_str());
    HostProcess host("tray_opens_" + std::to_string(language));
    HWND main = run(host, "[dict]\nUserLang=" + std::to_string(language) + "\n");
    ASSERT_TRUE(main) << alerts();
    for (int id : {LXR_COMMAND_HELP, LXR_COMMAND_MAKER_PAGE, LXR_COMMAND_FAMILY_PAGE}) commandNow(main, id);
    const std::string owner = handleText(main);
    EXPECT_EQ(opens(), (std::vector<std::string>{"open|" + owner + "|normal|" + links::helpFile(language),
                                                 "|" + owner + "|normal|" + links::makerPage(language),
                                                 "|" + owner + "|normal|" + links::familyPage(language)}));
    EXPECT_EQ(end(host), 0u);
  }
  EXPECT_EQ(links::helpFile(1038), "kvoHelpHU.chm");
}

TEST_F(TrayProgram, TheDictionariesCommandRecordsWhetherAHoverDictionaryIsOpen) {
  HostProcess host("tray_dictionaries");
  SetEnvironmentVariableA("LEXITON_STANDIN_OPEN_DICTS", "1EN-HU|2HU-EN");
  HWND main = run(host, "[dict]\nUserLang=2057\nHVRDicts=0\n");
  ASSERT_TRUE(main) << alerts();
  DeleteFileA(log_.c_str());
  commandNow(main, LXR_COMMAND_DICTIONARIES);
  EXPECT_EQ(log(), "dictcore.dll InitModule\ndictcore.dll DictConfig 2057 1\n");
  EXPECT_EQ(iniValue("dict", "HVRDicts"), "1");
  EXPECT_EQ(end(host), 0u);
}

TEST_F(TrayProgram, TheDictionariesCommandWithTheRealEngineShowsItsDialog) {
  HostProcess host("tray_dictionaries_real");
  for (const char* file : {"dictcore.dll", "lexiton-hu-en.dict", "lexiton-core.lex"}) host.place(file, file);
  HWND main = run(host, "[dict]\nUserLang=2057\nHVRDicts=0\n[Hover Dictionaries]\n2EN-HU=1\n2HU-EN=0\n");
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_DICTIONARIES);
  // The engine's own dialog: its boxes for the English-Hungarian and Hungarian-English
  // dictionaries.
  EXPECT_TRUE(drive(dialogOf(host, "Dictionaries"), {[](HWND d) { dialog_driver::click(d, 1002); },
                                                     [](HWND) { screenshot("dictionaries_dialog"); },
                                                     [](HWND d) { dialog_driver::click(d, IDOK); }}));
  EXPECT_TRUE(waitUntil([&] { return iniValue("dict", "HVRDicts") == "1"; }, 10s));
  EXPECT_EQ(iniValue("Hover Dictionaries", "2HU-EN"), "1");
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(alerts(), "");
}

TEST_F(TrayProgram, TheProxyCommandShowsTheLibrarysDialog) {
  HostProcess host("tray_proxy");
  HWND main = run(host, "[dict]\nUserLang=2057\n[Server Settings]\nServer_Mode=1\n");
  ASSERT_TRUE(main) << alerts();
  command(main, LXR_COMMAND_PROXY);
  EXPECT_TRUE(drive(dialogOf(host, "Proxy Settings"), {[](HWND) { screenshot("proxy_dialog"); },
                                                       [](HWND d) { dialog_driver::click(d, IDCANCEL); }}));
  EXPECT_EQ(end(host), 0u);
  EXPECT_EQ(alerts(), "");
}

}  // namespace
}  // namespace lexiton::host::test
