// The local dictionary engine ("dictcore.dll") as the second tooltip asks it: which dictionaries
// are open, and the entry for the words around the pointer.
#pragma once

#include "engines/engine_table.h"
#include "tooltip/tooltip_pair.h"

namespace lexiton::host {

// The buffer the open dictionaries are listed into, and the not-found text's.
inline constexpr int kLocalOpenDictionariesBuffer = 1024;
inline constexpr std::size_t kLocalNotFoundBuffer = 256;

class SystemLocalDictionary final : public LocalDictionary {
 public:
  explicit SystemLocalDictionary(const EngineTable& engines) : engines_(engines) {}
  bool hoverDictionaryOpen() override;
  bool lookUp(const std::u16string& text, const std::string& notFoundText,
              std::vector<uint8_t>& result) override;

 private:
  const EngineTable& engines_;
};

}  // namespace lexiton::host
