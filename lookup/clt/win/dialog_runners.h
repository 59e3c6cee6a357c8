// The client library's two modeless dialogs, each run to its end inside the call: the proxy
// settings and the upgrade notice. Windows only (defined in this folder); handles
// travel as void* so callers need not include windows.h.
#pragma once

#include <lexiton/language_ids.h>

#include <atomic>
#include <string>

namespace lexiton::lookup {

// Template ids in the library's resources, per language, and the string ids of the box shown
// when no browser starts.
inline constexpr int kProxyDialogHungarian = 123;
inline constexpr int kProxyDialogEnglish = 137;
inline constexpr int kUpgradeDialogHungarian = 113;
inline constexpr int kUpgradeDialogEnglish = 116;
inline constexpr int kBrowserCaptionHungarian = 102;
inline constexpr int kBrowserTextHungarian = 103;
inline constexpr int kBrowserCaptionEnglish = 104;
inline constexpr int kBrowserTextEnglish = 105;

// Control ids shared by both languages' templates.
namespace proxy_control {
inline constexpr int useProxy = 1009;
inline constexpr int address = 1108;
inline constexpr int port = 1109;
inline constexpr int useAuthentication = 1014;
inline constexpr int user = 1111;
inline constexpr int password = 1113;
inline constexpr int http = 1015;
inline constexpr int socks5 = 1017;
}  // namespace proxy_control
namespace upgrade_control {
inline constexpr int message = 1008;
inline constexpr int download = 1;  // IDOK
inline constexpr int history = 1011;
inline constexpr int exit = 2;  // IDCANCEL
}  // namespace upgrade_control

// Where a dialog's window handle is kept while it is open: at most one window per slot. The
// upgrade notice is opened from look-up threads while the host's thread may close it, so the
// slot is atomic.
using WindowSlot = std::atomic<void*>;

// Dialog results.
inline constexpr int kProxyCancelled = 1;
inline constexpr int kProxyConfirmed = 2;
inline constexpr int kUpgradeClosed = 0;
inline constexpr int kUpgradeExit = 1;
inline constexpr int kUpgradeDownload = 2;

// Shows the proxy dialog filled from the three settings texts and returns when it is gone: 2
// when confirmed (the texts then hold the new settings), 1 when cancelled or closed; 0 at once,
// texts untouched, when `windowSlot` already holds a live dialog (which is brought forward).
// `cancelled`, when given, is set by whoever closes the dialogs for good (before it calls
// closeDialog): a dialog created meanwhile closes at once instead of slipping past the close.
int runProxyDialog(void* module, void* parentWindow, int language, std::string& server, std::string& type,
                   std::string& credentials, WindowSlot& windowSlot,
                   const std::atomic<bool>* cancelled = nullptr);

// Shows the upgrade notice and returns when it is gone: 2 "Download now", 1 "Exit", 0 closed
// by its close box; 0 at once when one is open already (it is restored), -1 without a slot.
// `cancelled` as for runProxyDialog.
int runUpgradeDialog(void* module, void* parentWindow, int language, WindowSlot* windowSlot,
                     const std::atomic<bool>* cancelled = nullptr);

// Closes the dialog held in `windowSlot`, from any thread; its runner then returns.
void closeDialog(WindowSlot& windowSlot);

// The installer and change-history addresses on the product's web site.
std::string upgradeDownloadUrl();
std::string upgradeHistoryUrl(int language);

// Opening a web page in the default browser. The default is the shell's "open"; tests install
// a recorder so nothing is launched. Returns false when no browser started.
using UrlOpener = bool (*)(const std::string& url, void* context);
UrlOpener setUrlOpener(UrlOpener opener, void* context);

}  // namespace lexiton::lookup
