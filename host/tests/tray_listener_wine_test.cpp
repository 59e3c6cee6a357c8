// The tray as the pointer tracking reports to it, in this process under wine: a window in
// MainWindow's place whose messages go to the tray, the English language library, and the
// listener's calls the pointer tracking makes when a look-up starts and ends and when the
// feedback key asks for the page. The icon is read back from the notification area.
#include <gtest/gtest.h>

#include <lexiton/ui_resources.h>

#include "engines/win/system_module_loader.h"
#include "host_process.h"
#include "links/links.h"
#include "tray/win/tray.h"
#include "tray_icon_view.h"

namespace lexiton::host::test {
namespace {

using namespace std::chrono_literals;

constexpr char kWindowClass[] = "LexitonTrayTestWindow";

LRESULT CALLBACK forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tray = reinterpret_cast<Tray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (tray && tray->handle(window, message, wParam, lParam)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

class TrayListener : public ::testing::Test {
 protected:
  void SetUp() override {
    opens_ = binFolder() + "tray_listener_opens.txt";
    DeleteFileA(opens_.c_str());
    // The opener reads the C runtime's copy of the environment.
    _putenv_s("LEXITON_OPEN_FILE", opens_.c_str());
    ASSERT_TRUE(engines_.loadLanguageLibrary(2057));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &forward;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    main_ = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    display_ =
        CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(main_ && display_);
    SetWindowLongPtrA(main_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&tray_));

    HostPaths paths;
    paths.configPath = binFolder() + "tray_listener.ini";
    paths.language = 2057;
    writeText(paths.configPath, "[dict]\r\nDictName=Lexiton\r\n");
    tray_.prepare(engines_, paths, display_, [] {});
    tray_.setEnabledPublisher([this](bool on) { published_.push_back(on); });
    tray_.start(main_);
  }
  void TearDown() override {
    _putenv_s("LEXITON_OPEN_FILE", "");
    tray_.remove();
    DestroyWindow(main_);
    DestroyWindow(display_);
  }

  std::optional<int> iconOnShow() {
    std::optional<int> icon;
    HMODULE library = static_cast<HMODULE>(engines_.languageLibrary());
    // The notification area paints in its own time.
    waitUntil(
        [&] {
          return (icon = trayIconOnShow(library, {LXR_ICON_ACTIVE, LXR_ICON_PAUSED, LXR_ICON_BUSY})) ==
                 expected_;
        },
        5s);
    return icon;
  }
  std::optional<int> expect(int icon) {
    expected_ = icon;
    return iconOnShow();
  }

  SystemModuleLoader loader_;
  EngineTable engines_{loader_};
  HostState state_;
  Tray tray_{state_};
  HWND main_ = nullptr;
  HWND display_ = nullptr;
  std::vector<bool> published_;
  std::string opens_;
  std::optional<int> expected_;
};

TEST_F(TrayListener, AClickWhileALookUpRunsKeepsTheBusyIconUntilItEnds) {
  ASSERT_TRUE(trayIconPresent(main_, Tray::kIconId));
  EXPECT_EQ(expect(LXR_ICON_ACTIVE), LXR_ICON_ACTIVE);

  // A look-up starts.
  state_.hover.busy = true;
  static_cast<HoverListener&>(tray_).busyChanged();
  EXPECT_EQ(expect(LXR_ICON_BUSY), LXR_ICON_BUSY);
  screenshot("tray_icon_busy");

  // The user pauses while it runs: paused at once, but the icon says busy.
  DWORD_PTR result;
  SendMessageTimeoutA(main_, Tray::kCallbackMessage, Tray::kIconId, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, 10000,
                      &result);
  EXPECT_TRUE(state_.hover.paused);
  EXPECT_EQ(published_, std::vector<bool>{false});
  EXPECT_EQ(expect(LXR_ICON_BUSY), LXR_ICON_BUSY);

  // The look-up ends: now the icon shows the pause.
  state_.hover.busy = false;
  static_cast<HoverListener&>(tray_).busyChanged();
  EXPECT_EQ(expect(LXR_ICON_PAUSED), LXR_ICON_PAUSED);
  screenshot("tray_icon_paused");

  tray_.remove();
  EXPECT_FALSE(trayIconPresent(main_, Tray::kIconId));
}

TEST_F(TrayListener, TheFeedbackKeyOpensTheFeedbackPageOwnedByTheTooltipWindow) {
  static_cast<HoverListener&>(tray_).feedbackRequested("a&b#c;d");
  EXPECT_EQ(readText(opens_), "open|" + std::to_string(reinterpret_cast<std::uintptr_t>(display_)) +
                                  "|show|" + links::feedbackAddress("a&b#c;d", 2057) + "\n");
  EXPECT_NE(readText(opens_).find("?description=a%26b%23c%3Bd&who=1.2.3.44lx&lang=en\n"), std::string::npos);
}

}  // namespace
}  // namespace lexiton::host::test
