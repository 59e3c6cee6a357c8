// The Internet-settings proxy value and the proxy texts through the dialog's rules: whatever
// comes out is a piece of what went in, and configured texts survive opening and confirming.
#include <lexiton/protocol/proxy_settings.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::protocol;
  if (size > kInternetProxyValueLimit) size = kInternetProxyValueLimit;
  const std::string value(reinterpret_cast<const char*>(data), size);
  const std::string offer = proxyFromInternetSettings(value);
  if (value.find(offer) == std::string::npos) __builtin_trap();

  // The input as "server\ncredentials".
  const auto cut = value.find('\n');
  const std::string server = value.substr(0, cut);
  const std::string credentials = cut == std::string::npos ? std::string() : value.substr(cut + 1);
  // A colon with nothing after it is dropped, like an empty port or password.
  auto shown = [](std::string text) {
    if (!text.empty() && text.back() == ':') text.pop_back();
    return text;
  };
  for (const char* type : {"0", "5"}) {
    const ProxyForm form = openProxyForm(server, type, credentials, offer);
    const ProxyTexts texts = confirmProxyForm(form, type);
    if (!server.empty() &&
        (texts.server != shown(server) || texts.credentials != shown(credentials) || texts.type != type))
      __builtin_trap();
  }
  return 0;
}
