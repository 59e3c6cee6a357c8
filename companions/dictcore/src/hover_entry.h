// The entry the hover tooltip shows for the word under the pointer: which headword the text's
// form leads to, and its senses grouped by part of speech, commonest first. The curated core
// lexicon knows the common words' everyday senses and their parts of speech; FreeDict knows
// many more words but no parts of speech and few common senses ("go" only as a noun), so the
// core lexicon's senses come first and FreeDict's follow.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "lexiton/dictionary.h"
#include "marked_words.h"

namespace lexiton::dictcore {

// Senses shown in one tooltip, and under one part of speech: a tooltip a glance can take in.
inline constexpr std::size_t kMaxSenseLines = 10;
inline constexpr std::size_t kMaxSensesPerPart = 5;

// A section's part of speech; PartOfSpeech::other where nothing tells (FreeDict's plain senses
// without WordNet's counts).
using lexicon::PartOfSpeech;

struct EntrySection {
  PartOfSpeech part = PartOfSpeech::other;
  std::vector<std::string> senses;  // UTF-8
};

struct HoverEntry {
  std::string headword;       // UTF-8, as the dictionary writes it ("go", "give up")
  std::string form;           // the text's form when it differs ("went"), else empty
  std::string pronunciation;  // IPA as the data has it, may be empty
  std::vector<EntrySection> sections;
};

// The English-Hungarian sources: FreeDict compiled, and the core lexicon when it loaded.
struct EnglishSources {
  const Dictionary* dictionary = nullptr;
  const lexicon::CoreLexicon* core = nullptr;
};

// The entry for the marked word of an English text: the longest phrase across the marker
// first ("gave up" -> "give up"), then the word through its forms.
std::optional<HoverEntry> englishEntry(const EnglishSources& sources, const MarkedWords& words);

// The entry for the marked word of a Hungarian text in a Hungarian-English dictionary.
std::optional<HoverEntry> hungarianEntry(const Dictionary& huEn, const MarkedWords& words);

}  // namespace lexiton::dictcore
