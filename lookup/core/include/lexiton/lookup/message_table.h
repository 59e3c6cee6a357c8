// The look-up's own messages (failures and notes), English and Hungarian; Hungarian texts are
// Windows-1250 bytes in every process, English ones plain ASCII.
#pragma once

#include <lexiton/language_ids.h>

#include <string>

namespace lexiton::lookup {

enum Message : int {
  kTranslationFailed1 = 1004,
  kTranslationFailed2 = 1008,
  kTranslationFailed3 = 1009,
  kTextNotEnglish = 1010,
  kWrongCredentials = 1011,
  kMosaicTranslation = 1031,
  kRepairedTranslation = 1032,
  kUnknownWordsUnderlined = 1033,
};

// The text of `number` for `language` (1038 Hungarian, anything else English); unknown numbers
// give "Unknown string" / "Ismeretlen szöveg".
std::string lookupMessage(int number, int language);

}  // namespace lexiton::lookup
