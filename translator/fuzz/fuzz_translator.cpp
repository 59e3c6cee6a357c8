// Arbitrary query texts through the translator over a small built dictionary and a small core
// lexicon: decoding, sentence finding, the English analysis, the Hungarian generation and
// markup stay within their bounds; the raw bytes also go through the suffix rules as if they
// were a sense.
#include <cstdint>
#include <cstdlib>

#include "lexiton/lexicon/core_lexicon.h"
#include "hungarian_morphology.h"
#include "hungarian_noun.h"
#include "hungarian_verb.h"
#include "lexiton/dictionary_image.h"
#include "lexiton/translator/translator.h"

namespace {
const lexiton::translator::Translator& translator() {
  static const lexiton::translator::Translator t(
      lexiton::Dictionary::fromBytes(
          lexiton::compileDictionaryImage({{"house", "", {"h\xC3\xA1z", "\xC3\xA9p\xC3\xBClet"}},
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
                                           {"to play", "", {"j\xC3\xA1tszik"}}})),
      lexiton::lexicon::CoreLexicon::fromText("LEXITON-CORE 1\n"
                                              "E\tbuy\tv\tvesz ; v\xC3\xA1s\xC3\xA1rol\n"
                                              "E\tclose\tv\tbe|csuk[intr=z\xC3\xA1r]\n"
                                              "E\tkey\tn\tkulcs[kulcsok]\n"
                                              "E\thorse\tn\tl\xC3\xB3[lovak]\n"
                                              "E\tneed\tv\tsz\xC3\xBCks\xC3\xA9g[obj=ra]\n"
                                              "E\tturn off\tv\tle|kapcsol\n"
                                              "E\tat home\tadv\totthon\n"
                                              "E\tnine\tnum\tkilenc\n"
                                              "E\tstop\tv\tel|\xC3\xA1ll[noobj]\n"
                                              "E\tlook forward\tv\tv\xC3\xA1r[to=acc]\n"
                                              "E\tsee\tv\tl\xC3\xA1t\n"
                                              "E\tanymore\tadv\tt\xC3\xB6"
                                              "bb\xC3\xA9\n"
                                              "E\tbus stop\tn\tbuszmeg\xC3\xA1ll\xC3\xB3\n"
                                              "F\tbought\tbuy\tv\n"
                                              "W\tbuy\t3\t40\t0\t0\n"));
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
  namespace tr = lexiton::translator;
  const std::string_view word = text.substr(0, 2 * tr::kMaxInflectedBytes);
  for (int c = 0; c <= int(tr::Case::essive); ++c) {
    tr::NounStem n;
    n.lemma = std::string(word);
    n.plural = std::string(text.substr(word.size(), 16));
    const std::string f =
        tr::inflectNoun(n, size % 2, tr::Possessor{int(size % 4), size % 3 == 0}, tr::Case(c));
    if (f.size() > word.size() + 64) std::abort();
  }
  for (int t = 0; t < 3; ++t) {
    const std::string f =
        tr::conjugate(tr::VerbStem{std::string(word), "", ""}, tr::Tense(t),
                      tr::Agreement{int(size % 5), size % 2 == 0, size % 3 == 0, size % 7 == 0});
    if (f.size() > word.size() + 64) std::abort();
  }
  return 0;
}
