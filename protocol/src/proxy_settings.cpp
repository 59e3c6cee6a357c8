// The proxy dialog's rules, kept apart from the window so they run and are tested anywhere.
#include "lexiton/protocol/proxy_settings.h"

#include "lexiton/protocol/pipe_format.h"

namespace lexiton::protocol {

std::string proxyFromInternetSettings(std::string_view proxyServer) {
  constexpr std::string_view httpEntry = "http=";
  const auto at = proxyServer.find(httpEntry);
  if (at != std::string_view::npos && at + httpEntry.size() < proxyServer.size()) {
    const auto rest = proxyServer.substr(at + httpEntry.size());
    return std::string(rest.substr(0, rest.find(';')));
  }
  // Per-protocol entries without one for HTTP: nothing this client could use.
  if (proxyServer.find('=') != std::string_view::npos) return {};
  return std::string(proxyServer);
}

SplitText splitAtLastColon(std::string_view text) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos) return {std::string(text), {}};
  return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

std::string joinWithColon(std::string_view first, std::string_view second) {
  std::string joined(first);
  if (!second.empty()) {
    joined += ':';
    joined += second;
  }
  return joined;
}

ProxyType proxyTypeFromSetting(std::string_view text) {
  return leadingInt(text) == static_cast<int>(ProxyType::Socks5) ? ProxyType::Socks5 : ProxyType::Http;
}

ProxyForm openProxyForm(std::string_view server, std::string_view type, std::string_view credentials,
                        std::string_view internetProxy) {
  ProxyForm form;
  const bool socks5 = type == kProxyTypeSocks5;
  auto [address, port] = splitAtLastColon(server.empty() ? internetProxy : server);
  form.address = std::move(address);
  form.port = std::move(port);
  form.useProxy = !server.empty();
  form.useAuthentication = !credentials.empty() || socks5;
  // The Internet settings' offer is shown with everything else as the form's defaults.
  if (form.useProxy) {
    auto [user, password] = splitAtLastColon(credentials);
    form.user = std::move(user);
    form.password = std::move(password);
    form.socks5 = socks5;
    form.http = !socks5;
    form.typeEnabled = true;
    form.credentialsEnabled = form.useAuthentication;
  }
  return form;
}

void setUseProxy(ProxyForm& form, bool checked) {
  form.useProxy = checked;
  form.typeEnabled = checked;
  form.credentialsEnabled = checked && form.useAuthentication;
}

void setUseAuthentication(ProxyForm& form, bool checked) {
  form.useAuthentication = checked;
  form.credentialsEnabled = checked;
}

ProxyTexts confirmProxyForm(const ProxyForm& form, std::string_view previousType) {
  ProxyTexts texts;
  if (!form.useProxy) {
    texts.type = std::string(kProxyTypeHttp);
    return texts;
  }
  texts.server = joinWithColon(form.address, form.port);
  if (form.useAuthentication) texts.credentials = joinWithColon(form.user, form.password);
  if (form.http)
    texts.type = std::string(kProxyTypeHttp);
  else if (form.socks5)
    texts.type = std::string(kProxyTypeSocks5);
  else
    texts.type = std::string(previousType);
  return texts;
}

}  // namespace lexiton::protocol
