// The proxy the user set for the system's Internet connections, offered by the proxy dialog.
#include <vector>

#include "win/dialog_support.h"
#include "lexiton/protocol/proxy_settings.h"

namespace lexiton::lookup::detail {

using protocol::kInternetProxyValueLimit;

namespace {

constexpr const char* kInternetSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class RegistryKey {
 public:
  RegistryKey(HKEY parent, const char* path) {
    if (RegOpenKeyExA(parent, path, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::string readInternetProxyServer() {
  RegistryKey key(HKEY_CURRENT_USER, kInternetSettingsKey);
  if (!key.get()) return {};
  DWORD type = 0;
  DWORD enabled = 0;
  DWORD size = sizeof(enabled);
  if (RegQueryValueExA(key.get(), "ProxyEnable", nullptr, &type, reinterpret_cast<BYTE*>(&enabled), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(enabled) || enabled != 1)
    return {};
  std::vector<char> value(kInternetProxyValueLimit + 1, '\0');
  size = static_cast<DWORD>(kInternetProxyValueLimit);
  const LONG status = RegQueryValueExA(key.get(), "ProxyServer", nullptr, &type,
                                       reinterpret_cast<BYTE*>(value.data()), &size);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  // The stored text need not end in a zero; never read past what was returned.
  std::string text(value.data(), size <= kInternetProxyValueLimit ? size : 0);
  return text.substr(0, text.find('\0'));
}

}  // namespace lexiton::lookup::detail
