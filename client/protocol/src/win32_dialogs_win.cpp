// The client library's dialogs on Windows: the upgrade notice and the proxy settings from the
// library's own resources, at most one of each, both closable when the library is unloaded.
#include <lexiton/lookup/dialogs.h>

#include "lexiton/protocol/dialog_runners.h"

namespace lexiton::lookup {

namespace {

class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(void* module) : module_(module) {}
  ~Win32Dialogs() override { destroyAll(); }
  Win32Dialogs(const Win32Dialogs&) = delete;
  Win32Dialogs& operator=(const Win32Dialogs&) = delete;

  int runUpgrade(int language, void* ownerWindow) override {
    return protocol::runUpgradeDialog(module_, ownerWindow, language, &upgradeWindow_);
  }

  int runProxy(int language, void* parentWindow, std::string& server, std::string& type,
               std::string& credentials) override {
    return protocol::runProxyDialog(module_, parentWindow, language, server, type, credentials,
                                    proxyWindow_);
  }

  void destroyAll() override {
    protocol::closeDialog(upgradeWindow_);
    protocol::closeDialog(proxyWindow_);
  }

 private:
  void* module_;
  protocol::WindowSlot upgradeWindow_{nullptr};
  protocol::WindowSlot proxyWindow_{nullptr};
};

}  // namespace

std::unique_ptr<Dialogs> makeDialogs(void* module) { return std::make_unique<Win32Dialogs>(module); }

}  // namespace lexiton::lookup
