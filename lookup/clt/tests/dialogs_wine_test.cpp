// The proxy and upgrade dialogs under wine, driven by messages from a timer on the dialog's own
// thread (or from a second thread), the way a user's clicks arrive. No browser is started and
// no message box is shown: the web-page opener and the alert hook record instead.
#include <windows.h>

#include <gtest/gtest.h>

#include <lexiton/alert.h>
#include <lexiton/lookup/dialogs.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "lexiton/test/win/dialog_driver.h"
#include "win/dialog_runners.h"
#include "lexiton/protocol/proxy_settings.h"

using namespace lexiton::lookup;
using namespace lexiton::protocol;
using namespace dialog_driver;

namespace {

namespace pc = proxy_control;
namespace uc = upgrade_control;

// Finds the dialog a runner publishes in its window slot.
Script::Locate inSlot(WindowSlot& slot) {
  return [&slot] { return static_cast<HWND>(slot.load()); };
}

constexpr int kEnglish = 1033;
constexpr int kHungarian = 1038;

void* module() { return GetModuleHandleW(nullptr); }

// Lets messages that other threads send to this thread's windows through while it waits:
// when a dialog on another thread opens or closes, activation moves between the threads'
// windows by sent messages, and a thread that waits without pumping would deadlock them.
void pumpSentMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Waits for a top-level window with this caption (opened by another thread) to show. The
// window exists while its thread is still creating it, before the dialog set knows it; a
// shown dialog is one that closing the library's dialogs reaches.
bool waitForWindow(const wchar_t* caption) {
  for (int i = 0; i < 500; ++i) {
    HWND window = FindWindowW(nullptr, caption);
    if (window && IsWindowVisible(window)) return true;
    pumpSentMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// Joins a thread that runs a dialog once `done` holds, pumping meanwhile (see above).
// A notice that outlives its budget is a failure: it is closed so the thread can be joined.
void joinPumping(std::thread& thread, const std::atomic<bool>& done) {
  for (int i = 0; !done.load(); ++i) {
    if (i == 1000) {
      ADD_FAILURE() << "a dialog thread did not finish within 10 s";
      if (HWND left = FindWindowW(nullptr, L"Lexiton Upgrade")) PostMessageW(left, WM_CLOSE, 0, 0);
    }
    pumpSentMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  thread.join();
}

// The enabled state of (HTTP, SOCKS5, user name, password), and the always-enabled rest.
void expectEnabled(HWND dialog, bool type, bool credentials) {
  EXPECT_EQ(enabled(dialog, pc::http), type);
  EXPECT_EQ(enabled(dialog, pc::socks5), type);
  EXPECT_EQ(enabled(dialog, pc::user), credentials);
  EXPECT_EQ(enabled(dialog, pc::password), credentials);
  EXPECT_TRUE(enabled(dialog, pc::address));
  EXPECT_TRUE(enabled(dialog, pc::port));
  EXPECT_TRUE(enabled(dialog, pc::useProxy));
  EXPECT_TRUE(enabled(dialog, pc::useAuthentication));
}

// The current user's Internet settings, set for one test and put back afterwards.
class InternetSettings {
 public:
  static constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
  InternetSettings() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    savedEnable_ = save("ProxyEnable");
    savedServer_ = save("ProxyServer");
  }
  ~InternetSettings() {
    restore("ProxyEnable", savedEnable_);
    restore("ProxyServer", savedServer_);
    RegCloseKey(key_);
  }
  InternetSettings(const InternetSettings&) = delete;
  InternetSettings& operator=(const InternetSettings&) = delete;

  void set(DWORD enable, const char* server) {
    RegSetValueExA(key_, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable), sizeof enable);
    if (server)
      RegSetValueExA(key_, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server),
                     static_cast<DWORD>(strlen(server) + 1));
    else
      RegDeleteValueA(key_, "ProxyServer");
  }

 private:
  struct Saved {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  Saved save(const char* name) {
    Saved s;
    DWORD size = 0;
    if (RegQueryValueExA(key_, name, nullptr, &s.type, nullptr, &size) != ERROR_SUCCESS) return s;
    s.data.resize(size);
    s.present = RegQueryValueExA(key_, name, nullptr, &s.type, s.data.data(), &size) == ERROR_SUCCESS;
    return s;
  }
  void restore(const char* name, const Saved& s) {
    if (s.present)
      RegSetValueExA(key_, name, 0, s.type, s.data.data(), static_cast<DWORD>(s.data.size()));
    else
      RegDeleteValueA(key_, name);
  }
  HKEY key_ = nullptr;
  Saved savedEnable_, savedServer_;
};

// Records the pages the dialogs open and the alerts they show; fails every opening on request.
struct Recorder {
  std::vector<std::string> urls;
  std::vector<lexiton::Alert> alerts;
  bool browserWorks = true;
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setUrlOpener(
        [](const std::string& url, void* context) {
          auto* r = static_cast<Recorder*>(context);
          r->urls.push_back(url);
          return r->browserWorks;
        },
        &recorder);
    lexiton::setAlertHook([](const lexiton::Alert& alert,
                             void* context) { static_cast<Recorder*>(context)->alerts.push_back(alert); },
                          &recorder);
  }
  void TearDown() override {
    setUrlOpener(nullptr, nullptr);
    lexiton::setAlertHook(nullptr, nullptr);
    EXPECT_EQ(slot.load(), nullptr) << "the runner must clear its slot";
  }

  int runProxy(std::vector<Script::Step> steps, int language = kEnglish) {
    Script script(inSlot(slot), std::move(steps));
    const int result = runProxyDialog(module(), nullptr, language, server, type, credentials, slot);
    EXPECT_FALSE(script.timedOut());
    return result;
  }
  int runUpgrade(std::vector<Script::Step> steps, int language = kEnglish) {
    Script script(inSlot(slot), std::move(steps));
    const int result = runUpgradeDialog(module(), nullptr, language, &slot);
    EXPECT_FALSE(script.timedOut());
    return result;
  }

  WindowSlot slot{nullptr};
  std::string server, type, credentials;
  Recorder recorder;
};

// A system code page text from UTF-16, as the alert receives it.
std::string systemText(const std::wstring& wide) {
  char buffer[512] = {};
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  return buffer;
}

}  // namespace

TEST_F(DialogTest, ProxyOpensWithTheConfiguredTextsAndFollowsTheCheckBoxes) {
  server = "proxy.example:3128";
  type = "0";
  credentials = "alice:se:cret";
  const int result = runProxy({[](HWND d) {
                                 EXPECT_EQ(text(d), "Proxy Settings");
                                 EXPECT_EQ(text(d, pc::address), "proxy.example");
                                 EXPECT_EQ(text(d, pc::port), "3128");
                                 EXPECT_EQ(text(d, pc::user), "alice:se");
                                 EXPECT_EQ(text(d, pc::password), "cret");
                                 EXPECT_EQ(text(d, pc::useProxy), "Use proxy server");
                                 EXPECT_TRUE(checked(d, pc::useProxy));
                                 EXPECT_TRUE(checked(d, pc::useAuthentication));
                                 EXPECT_TRUE(checked(d, pc::http));
                                 EXPECT_FALSE(checked(d, pc::socks5));
                                 expectEnabled(d, true, true);
                               },
                               [](HWND d) {
                                 click(d, pc::useAuthentication);
                                 EXPECT_FALSE(checked(d, pc::useAuthentication));
                                 expectEnabled(d, true, false);
                                 click(d, pc::useProxy);
                                 EXPECT_FALSE(checked(d, pc::useProxy));
                                 expectEnabled(d, false, false);
                                 // Authentication switches its fields even without a proxy.
                                 click(d, pc::useAuthentication);
                                 expectEnabled(d, false, true);
                                 click(d, pc::useAuthentication);
                                 expectEnabled(d, false, false);
                                 click(d, pc::useProxy);
                                 expectEnabled(d, true, false);
                                 click(d, pc::useAuthentication);
                                 expectEnabled(d, true, true);
                                 setText(d, pc::address, "changed");
                               },
                               [](HWND d) { click(d, IDCANCEL); }});
  EXPECT_EQ(result, kProxyCancelled);
  EXPECT_EQ(server, "proxy.example:3128");
  EXPECT_EQ(type, "0");
  EXPECT_EQ(credentials, "alice:se:cret");
}

TEST_F(DialogTest, ProxyHungarianTemplateAndCloseBox) {
  server = "h:1";
  type = "5";
  const int result = runProxy({[](HWND d) {
                                 EXPECT_EQ(wideText(d), L"Proxy be\u00e1ll\u00edt\u00e1sok");
                                 EXPECT_EQ(wideText(item(d, pc::useProxy)), L"Proxy szerver haszn\u00e1lata");
                                 EXPECT_EQ(wideText(item(d, pc::useAuthentication)),
                                           L"Authentik\u00e1ci\u00f3 haszn\u00e1lata");
                                 EXPECT_EQ(wideText(item(d, IDCANCEL)), L"M\u00e9gse");
                                 // SOCKS5 without credentials still offers the fields.
                                 EXPECT_TRUE(checked(d, pc::socks5));
                                 EXPECT_TRUE(checked(d, pc::useAuthentication));
                                 expectEnabled(d, true, true);
                                 EXPECT_EQ(text(d, pc::user), "");
                               },
                               [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }},
                              kHungarian);
  EXPECT_EQ(result, kProxyCancelled);
  EXPECT_EQ(server, "h:1");
  EXPECT_EQ(type, "5");
}

TEST_F(DialogTest, ProxyOffersTheInternetSettingsUnchecked) {
  InternetSettings internet;
  struct Case {
    DWORD enable;
    const char* value;
    const char* address;
    const char* port;
  };
  for (const Case& c : {Case{1, "http=10.0.0.5:8080;ftp=10.0.0.6:21", "10.0.0.5", "8080"},
                        Case{1, "ftp=10.0.0.6:21", "", ""}, Case{1, "10.0.0.5:3128", "10.0.0.5", "3128"},
                        Case{0, "10.0.0.5:3128", "", ""}, Case{1, nullptr, "", ""}}) {
    SCOPED_TRACE(c.value ? c.value : "(no value)");
    internet.set(c.enable, c.value);
    server = "";
    type = "5";
    credentials = "";
    const int result = runProxy({[&](HWND d) {
                                   EXPECT_EQ(text(d, pc::address), c.address);
                                   EXPECT_EQ(text(d, pc::port), c.port);
                                   EXPECT_EQ(text(d, pc::user), "");
                                   EXPECT_FALSE(checked(d, pc::useProxy));
                                   EXPECT_TRUE(checked(d, pc::http));
                                   EXPECT_FALSE(checked(d, pc::socks5));
                                   EXPECT_TRUE(checked(d, pc::useAuthentication));  // type "5"
                                   expectEnabled(d, false, false);
                                 },
                                 // Confirming without "Use proxy server" clears the proxy.
                                 [](HWND d) { click(d, IDOK); }});
    EXPECT_EQ(result, kProxyConfirmed);
    EXPECT_EQ(server, "");
    EXPECT_EQ(credentials, "");
    EXPECT_EQ(type, "0");
  }
}

TEST_F(DialogTest, ProxyConfirmsSocks5WithUserAndNoPassword) {
  InternetSettings internet;
  internet.set(0, nullptr);
  type = "0";
  const int result = runProxy({[](HWND d) {
                                 expectEnabled(d, false, false);
                                 click(d, pc::useProxy);
                                 expectEnabled(d, true, false);
                                 setText(d, pc::address, "10.0.0.1");
                                 setText(d, pc::port, "");
                                 click(d, pc::useAuthentication);
                                 expectEnabled(d, true, true);
                                 setText(d, pc::user, "bob");
                                 setText(d, pc::password, "");
                                 click(d, pc::socks5);
                                 EXPECT_TRUE(checked(d, pc::socks5));
                                 EXPECT_FALSE(checked(d, pc::http));
                               },
                               [](HWND d) { click(d, IDOK); }});
  EXPECT_EQ(result, kProxyConfirmed);
  EXPECT_EQ(server, "10.0.0.1");
  EXPECT_EQ(credentials, "bob");
  EXPECT_EQ(type, "5");
}

TEST_F(DialogTest, ProxyCredentialsWithoutAColonAreAllUserName) {
  server = "p:8080";
  type = "0";
  credentials = "bob";
  const int result = runProxy({[](HWND d) {
                                 EXPECT_EQ(text(d, pc::user), "bob");
                                 EXPECT_EQ(text(d, pc::password), "");
                                 expectEnabled(d, true, true);
                               },
                               [](HWND d) {
                                 setText(d, pc::port, "81");
                                 setText(d, pc::password, "pw");
                                 click(d, pc::http);
                                 click(d, IDOK);
                               }});
  EXPECT_EQ(result, kProxyConfirmed);
  EXPECT_EQ(server, "p:81");
  EXPECT_EQ(credentials, "bob:pw");
  EXPECT_EQ(type, "0");
}

TEST_F(DialogTest, ProxySecondCallWhileOpenReturnsAtOnce) {
  server = "first:1";
  type = "0";
  HWND seen = nullptr;
  const int result = runProxy({[&](HWND d) {
                                 seen = d;
                                 std::string s = "second:2", t = "5", c = "x:y";
                                 EXPECT_EQ(runProxyDialog(module(), nullptr, kEnglish, s, t, c, slot), 0);
                                 EXPECT_EQ(s, "second:2");
                                 EXPECT_EQ(t, "5");
                                 EXPECT_EQ(c, "x:y");
                                 EXPECT_EQ(slot.load(), d);
                                 EXPECT_EQ(text(d, pc::address), "first");
                               },
                               [](HWND d) { click(d, IDOK); }});
  EXPECT_EQ(result, kProxyConfirmed);
  EXPECT_EQ(server, "first:1");
  EXPECT_FALSE(IsWindow(seen));
}

TEST_F(DialogTest, ProxyLeavesAQuitMessageToTheCallersLoop) {
  server = "p:1";
  type = "0";
  const int result = runProxy({[](HWND) { PostQuitMessage(7); }});
  EXPECT_EQ(result, kProxyCancelled);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(DialogTest, ProxyClosedFromAnotherThread) {
  server = "p:1";
  type = "0";
  std::atomic<bool> closed{false};
  std::thread closer([&] {
    for (int i = 0; i < 500 && !slot.load(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    closeDialog(slot);
    closed = true;
  });
  const int result = runProxy({});
  closer.join();
  EXPECT_TRUE(closed);
  EXPECT_EQ(result, kProxyCancelled);
}

TEST_F(DialogTest, UpgradeResults) {
  EXPECT_EQ(runUpgrade({[](HWND d) {
              EXPECT_EQ(text(d), "Lexiton Upgrade");
              EXPECT_EQ(text(d, uc::message),
                        "Lexiton needs to be upgraded.\nPlease download the latest version.");
              EXPECT_EQ(text(d, uc::download), "&Download now");
              EXPECT_EQ(text(d, uc::history), "&History");
              EXPECT_EQ(text(d, uc::exit), "&Exit");
              click(d, uc::download);
            }}),
            kUpgradeDownload);
  ASSERT_EQ(recorder.urls.size(), 1u);
  EXPECT_EQ(recorder.urls[0], upgradeDownloadUrl());
  EXPECT_EQ(upgradeDownloadUrl().substr(upgradeDownloadUrl().find("/download")),
            "/download/lexiton/Lexiton_setup.exe");
  EXPECT_EQ(runUpgrade({[](HWND d) { click(d, uc::exit); }}), kUpgradeExit);
  EXPECT_EQ(runUpgrade({[](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }}), kUpgradeClosed);
  EXPECT_EQ(recorder.urls.size(), 1u);
  EXPECT_TRUE(recorder.alerts.empty());
}

TEST_F(DialogTest, UpgradeHistoryKeepsTheDialogOpen) {
  for (int language : {kEnglish, kHungarian}) {
    recorder.urls.clear();
    HWND seen = nullptr;
    const int result = runUpgrade({[&](HWND d) {
                                     seen = d;
                                     click(d, uc::history);
                                   },
                                   [&](HWND d) {
                                     EXPECT_EQ(d, seen);
                                     EXPECT_TRUE(IsWindow(d));
                                     click(d, uc::exit);
                                   }},
                                  language);
    EXPECT_EQ(result, kUpgradeExit);
    ASSERT_EQ(recorder.urls.size(), 1u);
    EXPECT_EQ(recorder.urls[0], upgradeHistoryUrl(language));
  }
  const std::string en = upgradeHistoryUrl(kEnglish), hu = upgradeHistoryUrl(kHungarian);
  EXPECT_EQ(en.substr(en.find("/history")), "/history.asp?lang=en");
  EXPECT_EQ(hu.substr(hu.find("/history")), "/history.asp");
  EXPECT_EQ(en.substr(0, en.find("/history")),
            upgradeDownloadUrl().substr(0, upgradeDownloadUrl().find("/download")));
}

TEST_F(DialogTest, UpgradeWithoutABrowserShowsTheErrorAndStillDownloads) {
  recorder.browserWorks = false;
  EXPECT_EQ(runUpgrade({[](HWND d) { click(d, uc::download); }}), kUpgradeDownload);
  ASSERT_EQ(recorder.alerts.size(), 1u);
  EXPECT_EQ(recorder.alerts[0].text, "Cannot start default browser.");
  EXPECT_EQ(recorder.alerts[0].caption, "Starting default browser");
  EXPECT_EQ(recorder.alerts[0].icon, lexiton::AlertIcon::error);

  recorder.alerts.clear();
  EXPECT_EQ(runUpgrade({[](HWND d) {
                          EXPECT_EQ(wideText(d), L"Lexiton friss\u00edt\u00e9s");
                          EXPECT_EQ(wideText(item(d, uc::download)), L"&Let\u00f6lt\u00e9s most");
                          click(d, uc::history);
                        },
                        [](HWND d) { click(d, uc::download); }},
                       kHungarian),
            kUpgradeDownload);
  ASSERT_EQ(recorder.alerts.size(), 2u);
  for (const auto& alert : recorder.alerts) {
    EXPECT_EQ(alert.text,
              systemText(L"Nem siker\u00fclt a saj\u00e1t b\u00f6ng\u00e9sz\u0151t elind\u00edtani!"));
    EXPECT_EQ(alert.caption, systemText(L"Saj\u00e1t b\u00f6ng\u00e9sz\u0151 ind\u00edt\u00e1sa"));
  }
}

TEST_F(DialogTest, UpgradeSecondCallAndMissingSlot) {
  EXPECT_EQ(runUpgradeDialog(module(), nullptr, kEnglish, nullptr), -1);
  EXPECT_EQ(runUpgrade({[&](HWND d) {
                          ShowWindow(d, SW_MINIMIZE);
                          EXPECT_EQ(runUpgradeDialog(module(), nullptr, kEnglish, &slot), 0);
                          EXPECT_FALSE(IsIconic(d));  // brought back
                          EXPECT_EQ(slot.load(), d);
                        },
                        [](HWND d) { click(d, uc::exit); }}),
            kUpgradeExit);
}

TEST_F(DialogTest, UpgradeMinimisesWhenAnotherWindowIsActivated) {
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  const int result = runUpgrade({[](HWND d) {
                                   SetForegroundWindow(d);
                                   SetActiveWindow(d);
                                 },
                                 [other](HWND d) {
                                   EXPECT_EQ(GetActiveWindow(), d);
                                   EXPECT_FALSE(IsIconic(d));
                                   SetForegroundWindow(other);
                                   SetActiveWindow(other);
                                 },
                                 [](HWND d) { EXPECT_TRUE(IsIconic(d)); },
                                 [](HWND d) {
                                   // Activating it again (its taskbar entry) brings it back.
                                   SetForegroundWindow(d);
                                   SetActiveWindow(d);
                                 },
                                 [](HWND d) {
                                   EXPECT_FALSE(IsIconic(d));
                                   ShowWindow(d, SW_MINIMIZE);
                                   // Any other command brings it back as well.
                                   SendMessageW(d, WM_COMMAND, MAKEWPARAM(4321, 0), 0);
                                   EXPECT_FALSE(IsIconic(d));
                                 },
                                 [](HWND d) { click(d, uc::exit); }});
  EXPECT_EQ(result, kUpgradeExit);
  DestroyWindow(other);
}

TEST_F(DialogTest, LibraryDialogsCloseWhateverIsOpen) {
  auto dialogs = lexiton::lookup::makePlatformDialogs(module());
  auto* raw = dialogs.get();
  // The upgrade notice, shown from a look-up thread, closed by the host's thread.
  std::atomic<int> upgradeResult{-5};
  std::atomic<bool> lookupDone{false};
  std::thread lookup([&] {
    upgradeResult = raw->runUpgrade(kEnglish, nullptr);
    lookupDone = true;
  });
  std::string s = "p:1", t = "0", c;
  int proxyResult = -5;
  {
    std::vector<Script::Step> steps{[&](HWND) {
      EXPECT_TRUE(waitForWindow(L"Lexiton Upgrade"));
      raw->destroyAll();
    }};
    // The proxy dialog's slot is private to the set: find the dialog by its caption.
    WindowSlot probe{nullptr};
    std::thread finder([&] {
      for (int i = 0; i < 500 && !probe.load(); ++i) {
        HWND w = FindWindowW(nullptr, L"Proxy Settings");
        if (w)
          probe = w;
        else
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    });
    Script script(inSlot(probe), std::move(steps));
    proxyResult = raw->runProxy(kEnglish, nullptr, s, t, c);
    finder.join();
    EXPECT_FALSE(script.timedOut());
  }
  joinPumping(lookup, lookupDone);
  EXPECT_EQ(proxyResult, kProxyCancelled);
  EXPECT_EQ(upgradeResult.load(), kUpgradeExit);  // closed before the user chose
  EXPECT_EQ(s, "p:1");
  // Closing again is harmless, and once closed no dialog opens any more: a look-up that gets
  // its answer after the library was told to go away must not open one inside it.
  raw->destroyAll();
  EXPECT_EQ(raw->runUpgrade(kEnglish, nullptr), kUpgradeClosed);
  std::string s2 = "p:1", t2 = "0", c2;
  EXPECT_EQ(raw->runProxy(kEnglish, nullptr, s2, t2, c2), kProxyCancelled);
  EXPECT_FALSE(FindWindowW(nullptr, L"Lexiton Upgrade"));
  EXPECT_FALSE(FindWindowW(nullptr, L"Proxy Settings"));
}
