// The open hover dictionaries and the look-up over them, without the platform: which
// dictionaries exist, which the user chose (kept in the host's "lexiton.ini"), opening them
// once, and answering a marked text with a plain list.
#pragma once

#include <lexiton/abi.h>
#include <lexiton/profile.h>
#include <lexiton/text_encoding.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "hover_entry.h"
#include "lexiton/dictionary.h"

namespace lexiton::dictcore {

enum class Direction { englishHungarian, hungarianEnglish };

struct InstalledDictionary {
  std::string_view id;  // begins with '2': a hover dictionary
  std::string_view file;
  Direction direction;
  std::string_view englishName, hungarianName;  // UTF-8
  bool openByDefault;
};

inline constexpr InstalledDictionary kDictionaries[] = {
    {"2EN-HU", kDictionaryFileName, Direction::englishHungarian, "English-Hungarian (FreeDict)",
     "angol-magyar (FreeDict)", true},
    {"2HU-EN", "lexiton-hu-en.dict", Direction::hungarianEnglish, "Hungarian-English (FreeDict)",
     "magyar-angol (FreeDict)", false},
};

// The identifiers the user chose to open, in kDictionaries order.
std::vector<std::string> chosenDictionaries(const Profile& profile);
// Writes the choice for every installed dictionary; false when the file cannot be written.
bool saveChoice(Profile& profile, const std::vector<std::string>& open);

class HoverLibrary {
 public:
  // Opens the chosen dictionaries found in `folder` (ending in a separator); a dictionary whose
  // file is missing or damaged stays closed. Headings are in `language`.
  HoverLibrary(const std::string& folder, const std::vector<std::string>& chosen, int language);
  HoverLibrary(const HoverLibrary&) = delete;
  HoverLibrary& operator=(const HoverLibrary&) = delete;

  std::vector<std::string> openIds() const;
  bool anyOpen() const { return english_ || hungarian_; }

  // The entry for the marked text, trying the dictionary of the word's likely language first.
  std::optional<HoverEntry> entryFor(std::u16string_view markedText) const;

  // The look-up as the library's callers see it: appends the list to `result`, or, for a word
  // no dictionary knows, the one-line list of `notFound` when that is a text the host chose
  // (see wantsNotFoundList). `texts` keeps the list's texts alive.
  bool lookup(std::u16string_view markedText, const char* notFound, CodePage page,
              std::deque<std::string>& texts, LxByteArray& result) const;

 private:
  std::optional<Dictionary> english_, hungarian_;
  std::optional<lexicon::CoreLexicon> core_;
  int language_;
};

// The host passes kNoTextPlaceholder when its language library has no not-found text: nothing
// a user wants to read, so an unknown word then shows no tooltip. Any other non-empty text
// (the language library's own) is shown as a one-line list.
bool wantsNotFoundList(const char* notFound);
inline constexpr std::string_view kNoTextPlaceholder = "<\?\?\?>";
// The not-found text is read from a buffer of this size at most.
inline constexpr std::size_t kNotFoundLimit = 256;

}  // namespace lexiton::dictcore
