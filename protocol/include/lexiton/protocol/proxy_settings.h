// What the proxy dialog shows and saves, without the dialog: the proxy offered by the system's
// Internet settings, the "host:port" and "user:password" texts split for the fields and joined
// back, and which fields are enabled at each step. The Windows dialog is a thin shell over this.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexiton::protocol {

// The longest registry "ProxyServer" value that is offered; longer ones are ignored. Real
// values are a few host names long.
inline constexpr std::size_t kInternetProxyValueLimit = 2048;

// The proxy the Internet settings offer, from their "ProxyServer" value: the text after
// "http=" up to the next ";" when the value names protocols, nothing when it names protocols
// but not HTTP, otherwise the whole value.
std::string proxyFromInternetSettings(std::string_view proxyServer);

// A text split at its last ':': "host:port" and "user:password". Without a ':' the whole
// text is the first part.
struct SplitText {
  std::string first;
  std::string second;
};
SplitText splitAtLastColon(std::string_view text);

// "first:second", or just `first` when `second` is empty.
std::string joinWithColon(std::string_view first, std::string_view second);

// The kind of proxy. Proxy_Type stores its number as text: 5 is SOCKS5, anything else an HTTP
// proxy.
enum class ProxyType : int { Http = 0, Socks5 = 5 };
inline constexpr std::string_view kProxyTypeHttp = "0";
inline constexpr std::string_view kProxyTypeSocks5 = "5";

// The kind the transport uses for a stored Proxy_Type: its leading number (" 5" and "05" are
// SOCKS5 too). The dialog checks "SOCKS5" only for the exact text "5".
ProxyType proxyTypeFromSetting(std::string_view text);

// The dialog's fields and check marks.
struct ProxyForm {
  std::string address;
  std::string port;
  std::string user;
  std::string password;
  bool useProxy = false;
  bool useAuthentication = false;
  bool http = true;
  bool socks5 = false;
  // Enabled state of the radio buttons and of the user name and password edits; the address,
  // the port and both check boxes are always enabled.
  bool typeEnabled = false;
  bool credentialsEnabled = false;
};

// The form as the dialog opens: from the configured texts, or, when no proxy server is
// configured, from the Internet settings' offer (`internetProxy`, already reduced with
// proxyFromInternetSettings) shown unchecked.
ProxyForm openProxyForm(std::string_view server, std::string_view type, std::string_view credentials,
                        std::string_view internetProxy);

// Check-box clicks: the new check state and what it enables.
void setUseProxy(ProxyForm& form, bool checked);
void setUseAuthentication(ProxyForm& form, bool checked);

// The settings texts a confirmed form stands for.
struct ProxyTexts {
  std::string server;
  std::string type;
  std::string credentials;
};
// `previousType` is kept when neither radio button is checked.
ProxyTexts confirmProxyForm(const ProxyForm& form, std::string_view previousType);

}  // namespace lexiton::protocol
