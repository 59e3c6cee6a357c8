#include "plain_list.h"

#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>
#include <lexiton/chunk_tags.h>
#include <lexiton/language_ids.h>

#include <cstdint>
#include <vector>

#include "pronunciation.h"

namespace lexiton::dictcore {
namespace {

class ListWords {
 public:
  explicit ListWords(std::deque<std::string>& texts) : texts_(texts) {}
  void text(std::string t) {
    texts_.push_back(std::move(t));
    words_.push_back(reinterpret_cast<std::uintptr_t>(texts_.back().c_str()));
  }
  void heading(std::string t) {
    words_.push_back(0);
    text(std::move(t));
    words_.push_back(0);  // no icon
  }
  void line(std::string t) {
    text(std::move(t));
    words_.push_back(0);  // no icon
  }
  bool appendTo(LxByteArray& result) const {
    static_assert(sizeof(std::uintptr_t) == LX_PLAIN_LIST_WORD_SIZE);
    ReservedStore store(result);
    ChunkList list(store);
    return list.add(chunk_tags::kPlainList, words_.data(), words_.size() * sizeof(std::uintptr_t));
  }

 private:
  std::deque<std::string>& texts_;
  std::vector<std::uintptr_t> words_;
};

// The text in `page`; where the page lacks "ő" and "ű" (1252), as "ö" and "ü", which read
// the same to a Hungarian eye, rather than as question marks.
std::string drawable(std::string_view utf8, CodePage page) {
  if (page == CodePage::windows1250) return utf8ToCodePage(utf8, page);
  std::u16string text = utf8ToUtf16(utf8);
  for (char16_t& c : text) {
    if (c == u'\u0151') c = u'\u00F6';
    if (c == u'\u0150') c = u'\u00D6';
    if (c == u'\u0171') c = u'\u00FC';
    if (c == u'\u0170') c = u'\u00DC';
  }
  return toCodePage(text, page);
}

}  // namespace

std::string_view partHeading(PartOfSpeech part, int language) {
  const bool hu = isHungarian(language);
  switch (part) {
    case PartOfSpeech::noun:
      return hu ? "f\xC5\x91n\xC3\xA9v" : "noun";
    case PartOfSpeech::verb:
      return hu ? "ige" : "verb";
    case PartOfSpeech::adjective:
      return hu ? "mell\xC3\xA9kn\xC3\xA9v" : "adjective";
    case PartOfSpeech::adverb:
      return hu ? "hat\xC3\xA1roz\xC3\xB3sz\xC3\xB3" : "adverb";
    case PartOfSpeech::number:
      return hu ? "sz\xC3\xA1mn\xC3\xA9v" : "numeral";
    default:
      return {};  // the hover entry has no other parts of speech
  }
}

std::string headwordLine(const HoverEntry& entry) {
  std::string line =
      entry.form.empty() ? entry.headword : entry.form + std::string(kFormArrow) + entry.headword;
  if (!entry.pronunciation.empty())
    if (auto ascii = asciiPronunciation(entry.pronunciation); ascii && !ascii->empty())
      line += "  /" + *ascii + "/";
  return line;
}

bool appendEntryList(const HoverEntry& entry, int language, CodePage page, std::deque<std::string>& texts,
                     LxByteArray& result) {
  ListWords words(texts);
  words.text(drawable(headwordLine(entry), page));
  for (const EntrySection& section : entry.sections) {
    std::string_view heading = partHeading(section.part, language);
    // Senses of no known part get a heading only when they follow other parts' senses.
    if (heading.empty() && entry.sections.size() > 1)
      heading = isHungarian(language) ? "egy\xC3\xA9"
                                        "b"
                                      : "other";
    if (!heading.empty()) words.heading(drawable(heading, page));
    for (const std::string& sense : section.senses) words.line(drawable(sense, page));
  }
  return words.appendTo(result);
}

bool appendTextList(std::string_view text, std::deque<std::string>& texts, LxByteArray& result) {
  ListWords words(texts);
  words.text(std::string(text));
  return words.appendTo(result);
}

}  // namespace lexiton::dictcore
