// The proxy settings dialog: a modeless dialog run to its end inside runProxyDialog.

#include "win/dialog_support.h"
#include "lexiton/protocol/proxy_settings.h"

namespace lexiton::lookup {

using protocol::confirmProxyForm;
using protocol::openProxyForm;
using protocol::ProxyForm;
using protocol::proxyFromInternetSettings;
using protocol::ProxyTexts;

namespace {

namespace id = proxy_control;

class ProxyDialog {
 public:
  ProxyDialog(std::string server, std::string type, std::string credentials)
      : server_(std::move(server)), type_(std::move(type)), credentials_(std::move(credentials)) {}

  int result() const { return result_; }
  const bool& finished() const { return finished_; }
  const std::string& server() const { return server_; }
  const std::string& type() const { return type_; }
  const std::string& credentials() const { return credentials_; }

  // For detail::dialogProcedure.
  void fail(HWND window) { DestroyWindow(window); }
  INT_PTR handle(HWND window, UINT message, WPARAM wParam) {
    switch (message) {
      case WM_INITDIALOG:
        open(window);
        return TRUE;
      case WM_COMMAND:
        command(window, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      case WM_CLOSE:
      case detail::kCloseRequest:
        DestroyWindow(window);
        return TRUE;
      case WM_NCDESTROY:
        detail::detachDialog(window, finished_);
        return FALSE;
    }
    return FALSE;
  }

 private:
  void open(HWND window) {
    const std::string offer =
        server_.empty() ? proxyFromInternetSettings(detail::readInternetProxyServer()) : std::string();
    form_ = openProxyForm(server_, type_, credentials_, offer);
    detail::setControlText(window, id::address, form_.address);
    detail::setControlText(window, id::port, form_.port);
    detail::setControlText(window, id::user, form_.user);
    detail::setControlText(window, id::password, form_.password);
    CheckDlgButton(window, id::useProxy, form_.useProxy ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window, id::useAuthentication, form_.useAuthentication ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(window, id::http, id::socks5, form_.socks5 ? id::socks5 : id::http);
    showEnabled(window);
  }

  void showEnabled(HWND window) const {
    EnableWindow(GetDlgItem(window, id::http), form_.typeEnabled);
    EnableWindow(GetDlgItem(window, id::socks5), form_.typeEnabled);
    EnableWindow(GetDlgItem(window, id::user), form_.credentialsEnabled);
    EnableWindow(GetDlgItem(window, id::password), form_.credentialsEnabled);
  }

  void command(HWND window, int control, int notification) {
    const auto checked = [&](int box) { return IsDlgButtonChecked(window, box) == BST_CHECKED; };
    switch (control) {
      case id::useProxy:
        if (notification == BN_CLICKED) {
          setUseProxy(form_, checked(id::useProxy));
          showEnabled(window);
        }
        break;
      case id::useAuthentication:
        if (notification == BN_CLICKED) {
          setUseAuthentication(form_, checked(id::useAuthentication));
          showEnabled(window);
        }
        break;
      case IDOK: {
        form_.address = detail::controlText(window, id::address);
        form_.port = detail::controlText(window, id::port);
        form_.user = detail::controlText(window, id::user);
        form_.password = detail::controlText(window, id::password);
        form_.useProxy = checked(id::useProxy);
        form_.useAuthentication = checked(id::useAuthentication);
        form_.http = checked(id::http);
        form_.socks5 = checked(id::socks5);
        ProxyTexts texts = confirmProxyForm(form_, type_);
        server_ = std::move(texts.server);
        type_ = std::move(texts.type);
        credentials_ = std::move(texts.credentials);
        result_ = kProxyConfirmed;
        DestroyWindow(window);
        break;
      }
      case IDCANCEL:
        DestroyWindow(window);
        break;
    }
  }

  std::string server_;
  std::string type_;
  std::string credentials_;
  ProxyForm form_;
  int result_ = kProxyCancelled;
  bool finished_ = false;
};

}  // namespace

int runProxyDialog(void* module, void* parentWindow, int language, std::string& server, std::string& type,
                   std::string& credentials, WindowSlot& windowSlot, const std::atomic<bool>* cancelled) {
  HWND parent = static_cast<HWND>(parentWindow);
  const auto bringForward = [&] {
    HWND open = detail::liveWindow(windowSlot);
    if (open && open != parent) SetForegroundWindow(open);
  };
  void* seen = windowSlot.load();
  if (detail::liveWindow(windowSlot)) {
    bringForward();
    return 0;
  }
  ProxyDialog dialog(server, type, credentials);
  const int templateId = isHungarian(language) ? kProxyDialogHungarian : kProxyDialogEnglish;
  HWND window = CreateDialogParamW(static_cast<HINSTANCE>(module), MAKEINTRESOURCEW(templateId), parent,
                                   detail::dialogProcedure<ProxyDialog>, reinterpret_cast<LPARAM>(&dialog));
  if (!window) return kProxyCancelled;
  if (!detail::runInSlot(windowSlot, seen, window, dialog.finished(), cancelled)) {
    // Another thread opened one meanwhile: that one stays.
    bringForward();
    return 0;
  }
  if (dialog.result() == kProxyConfirmed) {
    server = dialog.server();
    type = dialog.type();
    credentials = dialog.credentials();
  }
  return dialog.result();
}

}  // namespace lexiton::lookup
