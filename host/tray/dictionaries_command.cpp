#include "tray/dictionaries_command.h"

#include <lexiton/settings_keys.h>

#include <array>

#include "engines/open_dictionaries.h"

namespace lexiton::host {

namespace {

// DictConfig's last argument: show the dialog.
constexpr int kDictConfigDialog = 1;

}  // namespace

std::optional<int> runDictionariesCommand(HoverDictionarySwitch& dictionaries, const EngineTable& engines,
                                          int language, ProfileFunctions& profile,
                                          const std::string& configPath) {
  if (!dictionaries.ensureEngineStarted()) return std::nullopt;
  const EngineTable::Entries& entries = engines.entries();
  if (entries.dictConfig) entries.dictConfig(language, nullptr, kDictConfigDialog);

  // Zeroed, so an engine without GetOpenDicts, or one that writes nothing, lists nothing.
  std::array<char, kOpenDictionariesBuffer> open{};
  if (entries.getOpenDicts) entries.getOpenDicts(open.data(), static_cast<int>(open.size()));
  dictionaries.setSecondTooltipEnabled(open[0] != '\0');

  const int hover = listsHoverDictionary(open.data(), open.size()) ? 1 : 0;
  cIni(profile, configPath).writeInt(settings::dict::kSection, settings::dict::kHoverDicts, hover);
  return hover;
}

}  // namespace lexiton::host
