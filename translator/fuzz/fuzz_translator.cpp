// Arbitrary query texts through the translator over a small built dictionary: decoding,
// sentence finding, phrase matching, the plural and copula rules and markup stay within their
// bounds; the raw bytes also go through the plural and past suffixes as if they were a sense.
#include <cstdint>
#include <cstdlib>

#include "hungarian_morphology.h"
#include "lexiton/dictionary_image.h"
#include "lexiton/translator/translator.h"

namespace {
const lexiton::translator::Translator& translator() {
  static const lexiton::translator::Translator t(lexiton::Dictionary::fromBytes(lexiton::compileDictionaryImage(
      {{"house", "", {"h\xC3\xA1z", "\xC3\xA9p\xC3\xBClet"}},
       {"big", "", {"nagy"}},
       {"to give up", "", {"felad", "abbahagy"}},
       {"fire", "", {"t\xC5\xB1z \xE2\x9C\x93"}},
       {"ice cream", "", {"fagylalt"}},
       {"john", "", {"budi"}},
       {"to house", "", {"elsz\xC3\xA1ll\xC3\xA1sol"}},
       {"old", "", {"r\xC3\xA9gi"}},
       {"bird", "", {"mad\xC3\xA1r"}},
       {"child", "", {"gyerek"}},
       {"people", "", {"emberek"}},
       {"they are", "", {"\xC5\x91k vannak"}},
       {"to go", "", {"elmegy"}},
       {"to play", "", {"j\xC3\xA1tszik"}}})));
  return t;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto r = translator().translate(text);
  if (r.reply.size() > lexiton::translator::kMaxReplyBytes) std::abort();
  if (r.code != 0 && r.code != 1) std::abort();
  for (auto cls : {lexiton::translator::WordClass::noun, lexiton::translator::WordClass::adjective}) {
    const std::string_view word = text.substr(0, 2 * lexiton::translator::kMaxInflectedBytes);
    const std::string plural = lexiton::translator::pluralOf(word, cls);
    // an inflected word grew by a linking vowel and "k" at most; any other comes back as it was
    if (plural != word && plural.size() > lexiton::translator::kMaxInflectedBytes + 4) std::abort();
    const std::string past = lexiton::translator::pastOf(word, cls == lexiton::translator::WordClass::noun);
    // at most "-ottak" or a longer irregular past
    if (past != word && past.size() > lexiton::translator::kMaxInflectedBytes + 8) std::abort();
  }
  return 0;
}
