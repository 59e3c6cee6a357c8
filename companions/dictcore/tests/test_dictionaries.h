// Small dictionaries in the shipped formats, written by the same code as the shipped ones.
#pragma once

#include <lexiton/dictionary_image.h>

#include <string>
#include <vector>

#include "lexiton/lexicon/core_lexicon.h"
#include "hover_entry.h"
#include "marked_words.h"

namespace lexiton::dictcore::test {

inline Dictionary smallEnglish() {
  return Dictionary::fromBytes(compileDictionaryImage({
      {"go", "\xC9\xA1\xCB\x88\xC9\x99\xCA\x8A", {"alku", "lend\xC3\xBClet", "vizsga"}},
      {"to go", "", {"elmegy"}},
      {"house", "h\xCB\x88\x61\xCA\x8As", {"sz\xC3\xADnh\xC3\xA1z", "h\xC3\xA1z", "lak\xC3\xB3h\xC3\xA1z"}},
      {"to give up", "", {"abbahagy", "felad"}},
      {"ice", "", {"j\xC3\xA9g"}},
      {"ice cream", "", {"fagylalt"}},
      {"big", "", {"nagy", "terjedelmes"}},
      {"many", "", {"sok", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
      {"the", "", {"a", "az"}},
  }));
}

inline lexicon::CoreLexicon smallCore() {
  return lexicon::CoreLexicon::fromText(
      "LEXITON-CORE 1\n"
      "E\tgo\tv\tmegy[noobj] ; j\xC3\xA1r[noobj]\n"
      "E\thouse\tn\th\xC3\xA1z[h\xC3\xA1zak]\n"
      "E\tgive up\tv\tfel|ad ; abba|hagy\n"
      "E\tlook after\tv\tgondoz\n"
      "E\tlook\tv\tn\xC3\xA9z\n"
      "F\twent\tgo\tv\n"
      "F\tgave\tgive\tv\n"
      "W\tgo\t14\t90\t1\t0\n"
      "W\thouse\t12\t2\t0\t0\n"
      "W\tbig\t0\t0\t14\t2\n"
      "W\tmany\t0\t0\t3\t0\n");
}

inline Dictionary smallHungarian() {
  return Dictionary::fromBytes(compileDictionaryImage({
      {"h\xC3\xA1z", "h\xCB\x88\x61\xCB\x90z", {"house", "home"}},
      {"alma", "", {"apple"}},
  }));
}

}  // namespace lexiton::dictcore::test
