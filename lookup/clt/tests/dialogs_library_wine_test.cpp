// The proxy dialog through the client library's exports: LexitonClt.dll loaded by name, its
// own resources, the settings file written on "OK", and KVExit closing a dialog left open.
// Skipped when the library has not been built.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "lexiton/test/win/dialog_driver.h"
#include "win/dialog_runners.h"
#include "lexiton/library.h"
#include "lexiton/lookup_exports.h"
#include "lexiton/profile.h"
#include "lexiton/test/files.h"

using namespace dialog_driver;
namespace pc = lexiton::lookup::proxy_control;

namespace {

constexpr int kEnglish = 1033;

using lexiton::test::tempPath;

class ClientLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    // Whatever the library would show in a message box goes to this file instead.
    alerts_ = tempPath("lexiton_dialogs_library_alerts.txt");
    DeleteFileA(alerts_.c_str());
    _putenv(("LEXITON_ALERT_FILE=" + alerts_).c_str());
    library_ = lexiton::Library("LexitonClt.dll");
    ASSERT_TRUE(library_) << "LexitonClt.dll did not load from the test's folder: " << library_.error();
    init_ = bind<KVInitFn>("KVInit");
    close_ = bind<KVCloseFn>("KVClose");
    exit_ = bind<KVExitFn>("KVExit");
    proxy_ = bind<KVProxyDlgFn>("KVProxyDlg");
    ASSERT_TRUE(init_ && close_ && exit_ && proxy_);
    ini_ = tempPath("lexiton_dialogs_library.ini");
    // No server connection: a confirmed proxy is only written to the file.
    std::ofstream(ini_, std::ios::binary | std::ios::trunc)
        << "[dict]\r\nUserLang=1033\r\n[Server Settings]\r\nServer_Mode=0\r\nProxy_Server=old:1\r\n"
           "Proxy_Type=0\r\n";
    ASSERT_EQ(init_(nullptr, ini_.c_str()), 0);
  }
  void TearDown() override {
    if (!library_) return;
    exit_(kEnglish, nullptr);
    close_();
    library_.reset();
  }
  template <class Fn>
  Fn bind(const char* name) {
    return library_.bind<Fn>(name);
  }
  std::string setting(const char* key) {
    return lexiton::openPortableProfile(ini_)->readString("Server Settings", key);
  }

  lexiton::Library library_;
  KVInitFn init_ = nullptr;
  KVCloseFn close_ = nullptr;
  KVExitFn exit_ = nullptr;
  KVProxyDlgFn proxy_ = nullptr;
  std::string ini_, alerts_;
};

}  // namespace

TEST_F(ClientLibrary, ConfirmedProxyDialogWritesTheSettings) {
  Script script(byCaption(L"Proxy Settings"), {[](HWND d) {
                                                 EXPECT_EQ(text(d, pc::address), "old");
                                                 EXPECT_EQ(text(d, pc::port), "1");
                                                 setText(d, pc::address, "10.0.0.1");
                                                 setText(d, pc::port, "");
                                                 if (!checked(d, pc::useAuthentication))
                                                   click(d, pc::useAuthentication);
                                                 setText(d, pc::user, "bob");
                                                 click(d, pc::socks5);
                                               },
                                               [](HWND d) { click(d, IDOK); }});
  EXPECT_EQ(proxy_(kEnglish, nullptr), 0);
  EXPECT_FALSE(script.timedOut());
  EXPECT_EQ(setting("Proxy_Server"), "10.0.0.1");
  EXPECT_EQ(setting("Proxy_Auth"), "bob");
  EXPECT_EQ(setting("Proxy_Type"), "5");
}

TEST_F(ClientLibrary, KVExitClosesAnOpenProxyDialog) {
  bool exited = false;
  Script script(byCaption(L"Proxy Settings"), {[&](HWND d) {
                  setText(d, pc::address, "never.saved");
                  exited = exit_(kEnglish, nullptr);
                  EXPECT_FALSE(IsWindow(d));
                }});
  EXPECT_EQ(proxy_(kEnglish, nullptr), 0);
  EXPECT_TRUE(exited);
  EXPECT_FALSE(script.timedOut());
  EXPECT_EQ(setting("Proxy_Server"), "old:1");
  EXPECT_EQ(setting("Proxy_Type"), "0");
}
