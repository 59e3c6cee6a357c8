// The constructions of everyday text, each as a general rule over the shipped lexicon: the
// analysis that tells them apart, and the Hungarian each becomes (passive voice, phrasal verbs
// and government, word class from context, possessives, degree, time and quantity, modality,
// clauses, word order, articles).
#include <gtest/gtest.h>

#include <sstream>

#include "dev_corpus.h"
#include "english_analysis.h"
#include "lexiton/translator/translator.h"

namespace lexiton::translator {
namespace {

const Translator& shipped() {
  static const Translator t = Translator::fromFile(kDictionaryFileName);
  return t;
}

struct Sources {
  Dictionary dict = Dictionary::loadFile(kDictionaryFileName);
  lexicon::CoreLexicon core = lexicon::CoreLexicon::loadFile(lexicon::kCoreLexiconFileName);
};
const Sources& sources() {
  static const Sources s;
  return s;
}

// "lemma/pos" for each token; verbs add their form, adjectives their degree.
std::string analysed(const std::string& sentence) {
  std::istringstream in(sentence);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  std::string out;
  for (const Token& t : EnglishAnalyser(sources().core, sources().dict).analyse(words)) {
    if (!out.empty()) out += ' ';
    out += t.lemma + "/" + std::string(partOfSpeechName(t.tag));
    if (t.tag == PartOfSpeech::verb) {
      static constexpr const char* kForms[] = {"base", "3sg", "past", "pp", "ing"};
      out += std::string("/") + kForms[int(t.form)];
    }
    if (t.degree) out += "/" + std::to_string(t.degree);
    if (t.possessor) out += "/owner";
  }
  return out;
}

// The first alternative's Hungarian, UTF-8 without markup; the pointer on the first word.
std::string hungarian(const std::string& english) {
  return quality::firstTarget(shipped().translate("&kvopoint;" + english).reply);
}

TEST(ConstructionsTest, Debug) {
  EXPECT_EQ(analysed("Time is money ."), "");
  EXPECT_EQ(analysed("Children like chocolate ."), "");
  EXPECT_EQ(analysed("I have to go now ."), "");
  EXPECT_EQ(hungarian("Time is money."), "");
}

}  // namespace
}  // namespace lexiton::translator
