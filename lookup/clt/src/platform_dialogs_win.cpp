// The client library's dialogs on Windows: the upgrade notice and the proxy settings from the
// library's own resources, at most one of each, both closable when the library is unloaded.
#include <lexiton/lookup/dialogs.h>

#include <atomic>

#include "win/dialog_runners.h"

namespace lexiton::lookup {

namespace {

class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(void* module) : module_(module) {}
  ~Win32Dialogs() override { destroyAll(); }
  Win32Dialogs(const Win32Dialogs&) = delete;
  Win32Dialogs& operator=(const Win32Dialogs&) = delete;

  int runUpgrade(int language, void* ownerWindow) override {
    if (closed_) return 0;
    return runUpgradeDialog(module_, ownerWindow, language, &upgradeWindow_, &closed_);
  }

  int runProxy(int language, void* parentWindow, std::string& server, std::string& type,
               std::string& credentials) override {
    if (closed_) return 1;
    return runProxyDialog(module_, parentWindow, language, server, type, credentials, proxyWindow_, &closed_);
  }

  // The library is about to be unloaded: a look-up still waiting for the server must not open
  // a dialog afterwards, inside a module that is going away.
  void destroyAll() override {
    closed_ = true;
    closeDialog(upgradeWindow_);
    closeDialog(proxyWindow_);
  }

 private:
  void* module_;
  std::atomic<bool> closed_{false};
  WindowSlot upgradeWindow_{nullptr};
  WindowSlot proxyWindow_{nullptr};
};

}  // namespace

std::unique_ptr<Dialogs> makePlatformDialogs(void* module) { return std::make_unique<Win32Dialogs>(module); }

}  // namespace lexiton::lookup
