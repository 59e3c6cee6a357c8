#include "tray/tray_tip.h"

#include <lexiton/settings_keys.h>
#include <lexiton/ui_resources.h>

namespace lexiton::host {

namespace {

// One value read as the system reads it into a buffer of kTrayNameLength + 1 characters: cut,
// never refused.
std::string readName(ProfileFunctions& profile, const std::string& configPath, const std::string& key) {
  char buffer[kTrayNameLength + 1] = {};
  const std::string section(settings::dict::kSection);
  const std::size_t length =
      profile.readString(configPath, section.c_str(), key.c_str(), "", buffer, sizeof buffer);
  return std::string(buffer, length < kTrayNameLength ? length : kTrayNameLength);
}

}  // namespace

TrayLook trayLook(const HoverState& hover) {
  if (hover.busy) return {LXR_ICON_BUSY, LXR_STRING_BUSY};
  if (hover.paused) return {LXR_ICON_PAUSED, LXR_STRING_PAUSED};
  return {LXR_ICON_ACTIVE, LXR_STRING_ACTIVE};
}

std::string dictionaryName(ProfileFunctions& profile, const std::string& configPath, int language) {
  const std::string key(settings::dict::kDictName);
  std::string name = readName(profile, configPath, key + std::to_string(language));
  if (name.empty()) name = readName(profile, configPath, key);
  if (name.empty()) name = kDefaultDictionaryName;
  return name;
}

std::string trayTip(std::string_view name, std::string_view state) {
  std::string tip = std::string(name.substr(0, kTrayNameLength)) + " (" +
                    std::string(state.substr(0, kTrayNameLength)) + ")";
  if (tip.size() > kTrayTipLength) tip.resize(kTrayTipLength);
  return tip;
}

}  // namespace lexiton::host
