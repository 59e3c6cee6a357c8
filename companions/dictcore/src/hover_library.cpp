#include "hover_library.h"

#include <lexiton/settings_keys.h>

#include <algorithm>
#include <cstring>

#include "hungarian_stems.h"
#include "marked_words.h"
#include "plain_list.h"

namespace lexiton::dictcore {

std::vector<std::string> chosenDictionaries(const Profile& profile) {
  std::vector<std::string> open;
  for (const InstalledDictionary& d : kDictionaries)
    if (profile.readInt(settings::hover_dictionaries::kSection, d.id, d.openByDefault ? 1 : 0) != 0)
      open.emplace_back(d.id);
  return open;
}

bool saveChoice(Profile& profile, const std::vector<std::string>& open) {
  bool ok = true;
  for (const InstalledDictionary& d : kDictionaries) {
    const bool isOpen = std::find(open.begin(), open.end(), d.id) != open.end();
    ok = profile.writeString(settings::hover_dictionaries::kSection, d.id, isOpen ? "1" : "0") && ok;
  }
  return ok;
}

HoverLibrary::HoverLibrary(const std::string& folder, const std::vector<std::string>& chosen, int language)
    : language_(language) {
  for (const InstalledDictionary& d : kDictionaries) {
    if (std::find(chosen.begin(), chosen.end(), d.id) == chosen.end()) continue;
    try {
      auto& slot = d.direction == Direction::englishHungarian ? english_ : hungarian_;
      slot.emplace(Dictionary::loadFile(folder + std::string(d.file)));
    } catch (const Dictionary::cExc&) {
      // Stays closed: GetOpenDicts does not list it.
    }
  }
  if (english_) try {
      core_.emplace(lexicon::CoreLexicon::loadFile(folder + lexicon::kCoreLexiconFileName));
    } catch (const lexicon::CoreLexicon::cExc&) {
      // FreeDict alone still answers, with fewer common senses.
    }
}

std::vector<std::string> HoverLibrary::openIds() const {
  std::vector<std::string> ids;
  for (const InstalledDictionary& d : kDictionaries)
    if (d.direction == Direction::englishHungarian ? english_.has_value() : hungarian_.has_value())
      ids.emplace_back(d.id);
  return ids;
}

std::optional<HoverEntry> HoverLibrary::entryFor(std::u16string_view markedText) const {
  const MarkedWords words = splitAtMarker(markedText);
  if (words.words.empty()) return std::nullopt;
  const EnglishSources english{english_ ? &*english_ : nullptr, core_ ? &*core_ : nullptr};
  const bool hungarianFirst = hungarian_ && looksHungarian(words.words[words.marked]);
  if (hungarianFirst)
    if (auto e = hungarianEntry(*hungarian_, words)) return e;
  if (english_)
    if (auto e = englishEntry(english, words)) return e;
  if (hungarian_ && !hungarianFirst) return hungarianEntry(*hungarian_, words);
  return std::nullopt;
}

bool wantsNotFoundList(const char* notFound) {
  if (!notFound) return false;
  const std::string_view text(notFound, strnlen(notFound, kNotFoundLimit));
  return !text.empty() && text != kNoTextPlaceholder;
}

bool HoverLibrary::lookup(std::u16string_view markedText, const char* notFound, CodePage page,
                          std::deque<std::string>& texts, LxByteArray& result) const {
  if (auto entry = entryFor(markedText)) return appendEntryList(*entry, language_, page, texts, result);
  // A marker on no word (a space, a figure) is no question: nothing to say about it.
  if (splitAtMarker(markedText).words.empty() || !wantsNotFoundList(notFound)) return false;
  return appendTextList(std::string_view(notFound, strnlen(notFound, kNotFoundLimit)), texts, result);
}

}  // namespace lexiton::dictcore
