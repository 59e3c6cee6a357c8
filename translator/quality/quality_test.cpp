// Translation quality on the development corpus, with real data: corpus chrF and the pointed
// word's meaning must stay above their floors, the example sentences must read as Hungarian,
// and every word form the translator writes for the corpus must be one hunspell-hu accepts.
#include <hunspell/hunspell.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "chrf.h"
#include "dev_corpus.h"

namespace lexiton::quality {
namespace {

const translator::Translator& shipped() {
  static const translator::Translator t = translator::Translator::fromFile(kDictionaryFileName);
  return t;
}

std::vector<CorpusSentence> devCorpus() {
  std::ifstream in(LEXITON_DEV_CORPUS, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return readDevCorpus(text.str());
}

std::string target(const char* english) { return firstTarget(shipped().translate(english).reply); }

TEST(ChrfTest, IdenticalDisjointAndPartial) {
  ChrfScore same;
  same.add("Az almák az asztalon vannak.", "Az almák az asztalon vannak.");
  EXPECT_DOUBLE_EQ(same.score(), 100.0);
  ChrfScore none;
  none.add("xyz", "abc");
  EXPECT_DOUBLE_EQ(none.score(), 0.0);
  ChrfScore blanks;
  blanks.add("a  b c", "abc");
  EXPECT_DOUBLE_EQ(blanks.score(), 100.0) << "blanks do not count";
  ChrfScore partial;
  partial.add("A mell ég az asztal.", "Az almák az asztalon vannak.");
  EXPECT_GT(partial.score(), 10.0);
  EXPECT_LT(partial.score(), 60.0);
  EXPECT_DOUBLE_EQ(ChrfScore().score(), 0.0);
}

TEST(DevCorpusTest, MalformedLinesNameTheirLine) {
  EXPECT_THROW(readDevCorpus("no brackets\tref\tstem\n"), std::runtime_error);
  EXPECT_THROW(readDevCorpus("# comment\n[a] b\tref\n"), std::runtime_error);
  const auto c = readDevCorpus("# comment\nI [like] tea.\tSzeretem a teát.\tszeret|kedvel\n");
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].english, "I like tea.");
  EXPECT_EQ(c[0].query, "I &kvopoint;like tea.");
  EXPECT_EQ(c[0].meanings.size(), 2u);
}

TEST(TranslationQualityTest, TheExampleSentencesReadAsHungarian) {
  EXPECT_EQ(target("We &kvopoint;bought a new car yesterday."), "Tegnap vettünk egy új autót.");
  EXPECT_EQ(target("Please &kvopoint;close the window."), "Csukd be az ablakot, kérlek.");
  EXPECT_EQ(target("I can't find my &kvopoint;keys."), "Nem találom a kulcsaimat.");
  EXPECT_EQ(target("The &kvopoint;apples are on the table."), "Az almák az asztalon vannak.");
  EXPECT_EQ(target("He broke his &kvopoint;leg while skiing."), "Eltörte a lábát miközben síelés.");
  EXPECT_EQ(target("She is reading a &kvopoint;book in the garden."), "Olvas egy könyvet a kertben.");
  // negation separates the prefix; "there is" is existence; the future with "fog"
  EXPECT_EQ(target("I did not &kvopoint;close the door."), "Nem csuktam be az ajtót.");
  EXPECT_EQ(target("There is a &kvopoint;dog in the garden."), "Van egy kutya a kertben.");
  EXPECT_EQ(target("We will &kvopoint;buy a house."), "Venni fogunk egy házat.");
  EXPECT_EQ(target("The dog is not &kvopoint;in the house."), "A kutya nincs a házban.");
  EXPECT_EQ(target("They have been &kvopoint;waiting for the bus."), "Várnak a buszra.");
}

TEST(TranslationQualityTest, TheDevelopmentCorpusStaysAboveItsFloors) {
  const auto corpus = devCorpus();
  ASSERT_GE(corpus.size(), 150u);
  const CorpusResult r = scoreCorpus(shipped(), corpus);
  EXPECT_GE(r.chrf, 50.0);
  EXPECT_GE(double(r.pointedRight), 0.9 * double(r.sentences));
}

// hunspell-hu is a word-validity oracle here: it has no morphology of its own to generate with.
class HunspellHu {
 public:
  HunspellHu() : h_(Hunspell_create("/usr/share/hunspell/hu_HU.aff", "/usr/share/hunspell/hu_HU.dic")) {}
  ~HunspellHu() { Hunspell_destroy(h_); }
  bool accepts(const std::string& w) const { return Hunspell_spell(h_, w.c_str()) != 0; }

 private:
  Hunhandle* h_;
};

std::vector<std::string> hungarianWords(const std::string& text) {
  std::vector<std::string> out;
  std::string w;
  for (char c : text) {
    if (c == ' ' || c == '.' || c == ',' || c == '?' || c == '!') {
      if (!w.empty()) out.push_back(w);
      w.clear();
    } else {
      w += c;
    }
  }
  if (!w.empty()) out.push_back(w);
  return out;
}

TEST(TranslationQualityTest, EveryFormTheCorpusProducesIsAHungarianWord) {
  const HunspellHu hu;
  ASSERT_TRUE(hu.accepts("házban") && !hu.accepts("házben")) << "hunspell-hu is not installed";
  std::set<std::string> rejected;
  std::size_t checked = 0;
  for (const CorpusSentence& s : devCorpus()) {
    const std::string reply = shipped().translate(s.query).reply;
    // both alternatives: the second follows the first "</surf-st>"
    std::string rest = reply;
    for (std::size_t alt = 0; alt < 2; ++alt) {
      const std::string text = firstTarget(rest);
      for (const std::string& w : hungarianWords(text)) {
        // names and English words kept as they stand are no Hungarian forms
        if (w.find("&") != std::string::npos || s.english.find(w) != std::string::npos) continue;
        ++checked;
        if (!hu.accepts(w)) rejected.insert(w);
      }
      const std::size_t next = rest.find("</surf-st>");
      if (next == std::string::npos) break;
      rest = rest.substr(next + 10);
    }
  }
  EXPECT_GT(checked, 800u);
  std::string list;
  for (const std::string& w : rejected) list += " " + w;
  EXPECT_TRUE(rejected.empty()) << rejected.size() << " forms hunspell-hu does not know:" << list;
}

}  // namespace
}  // namespace lexiton::quality
