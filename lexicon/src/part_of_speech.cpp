#include "lexiton/lexicon/part_of_speech.h"

#include <array>

namespace lexiton::lexicon {
namespace {

// In the order of the enumeration.
constexpr std::array<std::string_view, std::size_t(PartOfSpeech::other) + 1> kNames = {
    "n",   "v",     "adj", "adv",  "num", "det",  "poss", "pron", "prep",
    "aux", "modal", "neg", "conj", "wh",  "name", "part", "to",   "other"};

}  // namespace

std::string_view partOfSpeechName(PartOfSpeech p) {
  const auto i = std::size_t(p);
  return i < kNames.size() ? kNames[i] : kNames.back();
}

std::optional<PartOfSpeech> partOfSpeechNamed(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name && isContentWord(PartOfSpeech(i))) return PartOfSpeech(i);
  return std::nullopt;
}

}  // namespace lexiton::lexicon
