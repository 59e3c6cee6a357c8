// The translator over the dictionary the build compiled, and over small dictionaries built
// here for exact expectations.
#include "lexiton/translator/translator.h"

#include <gtest/gtest.h>

#include "lexiton/dictionary_image.h"
#include "lexiton/translator/query_text.h"

namespace lexiton::translator {
namespace {

const Translator& shipped() {
  static const Translator t = Translator::fromFile(kDictionaryFileName);
  return t;
}

Translator small(const std::vector<DictionaryEntry>& entries) {
  return Translator(Dictionary::fromBytes(compileDictionaryImage(entries)));
}

// The text between the n-th pair of tags (0-based), or "<none>".
std::string between(const std::string& s, const std::string& open, const std::string& close, int n = 0) {
  std::size_t at = 0;
  for (int i = 0;; ++i) {
    std::size_t b = s.find(open, at);
    if (b == std::string::npos) return "<none>";
    std::size_t e = s.find(close, b);
    if (e == std::string::npos) return "<none>";
    if (i == n) return s.substr(b + open.size(), e - b - open.size());
    at = e + close.size();
  }
}

int count(const std::string& s, const std::string& what) {
  int n = 0;
  for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
  return n;
}

TEST(ShippedTranslatorTest, HousesAreBigWithThePointerOnHouses) {
  Translation r = shipped().translate("The &kvopoint;houses are big.");
  ASSERT_EQ(r.code, 0) << r.reply;
  const std::string source = between(r.reply, "<surf-ss>", "</surf-ss>");
  const std::string target = between(r.reply, "<surf-st>", "</surf-st>");
  EXPECT_EQ(source, "The <HL>houses</HL> are big.");
  // "ház" in Windows-1250 bytes; the target is built chunk by chunk
  EXPECT_NE(target.find("h\xE1z"), std::string::npos) << target;
  EXPECT_GT(count(target, "<chunk>"), 1);
  EXPECT_EQ(target.substr(0, 10), "<chunk>A</") << "capital article before a consonant";
  EXPECT_EQ(target.back(), '.');
  // "house" has a second sense, so a second alternative follows with the same source
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>", 1), source);
  EXPECT_NE(between(r.reply, "<surf-st>", "</surf-st>", 1), target);
  EXPECT_EQ(count(r.reply, "<surf-ss>"), 2);
  // the same text again gives the same reply
  EXPECT_EQ(shipped().translate("The &kvopoint;houses are big.").reply, r.reply);
}

TEST(ShippedTranslatorTest, PhrasalVerbIsHighlightedAsOnePhrase) {
  for (const char* text : {"He &kvopoint;gave up.", "He gave &kvopoint;up.", "She &kvopoint;gives up easily."}) {
    Translation r = shipped().translate(text);
    ASSERT_EQ(r.code, 0) << text;
    const std::string source = between(r.reply, "<surf-ss>", "</surf-ss>");
    EXPECT_TRUE(source.find("<HL>gave up</HL>") != std::string::npos ||
                source.find("<HL>gives up</HL>") != std::string::npos)
        << source;
    // the phrase is one chunk: no word of it is left behind untranslated
    EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>").find("up"), std::string::npos) << r.reply;
  }
}

TEST(ShippedTranslatorTest, TextThatIsNotEnglishGives1010) {
  for (const char* text : {"A h&#xE1;zak &kvopoint;nagyok.",                       // Hungarian
                           "Das Haus &kvopoint;ist gro&#xDF; und sch&#xF6;n.",     // German
                           "&#x414;&#x43E;&#x43C; &kvopoint;&#x431;&#x43E;&#x43B;&#x44C;&#x448;&#x43E;&#x439;.",
                           "Le chat &kvopoint;mange la souris grise."}) {
    Translation r = shipped().translate(text);
    EXPECT_EQ(r.code, 1) << text << " -> " << r.reply;
    EXPECT_EQ(r.reply.substr(0, 5), "1010 ") << text;
  }
}

TEST(ShippedTranslatorTest, OnlyTheSentenceUnderThePointerIsTranslated) {
  Translation r = shipped().translate("I saw a dog. The &kvopoint;houses are big! Books are good.");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "The <HL>houses</HL> are big!");
  // words and names: an unknown word is underlined, a name inside a sentence is kept
  r = shipped().translate("John bought a &kvopoint;qwzxv yesterday.");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "John bought a <HL><orig>qwzxv</orig></HL> yesterday.");
  r = shipped().translate("I met &kvopoint;John.");
  EXPECT_NE(r.reply.find("<chunk>tal\xE1lkozik</chunk>"), std::string::npos) << "a core verb by its past form: " << r.reply;
  EXPECT_NE(r.reply.find("<HL>John</HL>"), std::string::npos) << r.reply;
  EXPECT_NE(between(r.reply, "<surf-st>", "</surf-st>").find(" John."), std::string::npos) << r.reply;
}

TEST(ShippedTranslatorTest, AWordWhereAVerbMustStandIsTheVerb) {
  // "mean" is first an adjective ("átlagos"); after "you" it is the verb "to mean"
  Translation r = shipped().translate("I know what you &kvopoint;mean.");
  ASSERT_EQ(r.code, 0) << r.reply;
  const std::string verb = between(r.reply, "<surf-st>", "</surf-st>") + between(r.reply, "<surf-st>", "</surf-st>", 1);
  EXPECT_NE(verb.find("<chunk>jelent</chunk>"), std::string::npos) << r.reply;
  EXPECT_NE(verb.find("<chunk>gondol</chunk>"), std::string::npos) << r.reply;
  r = shipped().translate("The &kvopoint;mean value.");
  EXPECT_EQ(r.reply.find("jelent"), std::string::npos) << r.reply;
  // the pronoun of a contraction is the core word, not the dictionary's "it" (a game)
  r = shipped().translate("It&#x2019;s a well-known &kvopoint;fact.");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>").substr(0, 17), "<chunk>Az</chunk>") << r.reply;
  EXPECT_NE(r.reply.find("<HL>fact</HL>"), std::string::npos) << r.reply;
  // capitalised words the dictionary lacks are names: neither underlined nor counted against
  // the text being English
  r = shipped().translate("Yesterday Krisztina and Zsolt &kvopoint;visited Kecskemet.");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(r.reply.find("<orig>"), std::string::npos) << r.reply;
  // in a heading every word is capitalised and none of them is a name
  r = shipped().translate("Small Houses &kvopoint;Near Green Fields");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_NE(between(r.reply, "<surf-st>", "</surf-st>").find("<chunk>h\xE1z</chunk>"), std::string::npos) << r.reply;
  EXPECT_EQ(count(between(r.reply, "<surf-st>", "</surf-st>"), "<chunk>"), 5) << r.reply;
}

TEST(SmallTranslatorTest, LongestPhraseWinsAndFormsAreUndone) {
  Translator t = small({{"look", "", {"n\xC3\xA9z"}},
                        {"look up", "", {"felkeres"}},
                        {"to look up to", "", {"felnéz vkire"}},
                        {"teacher", "", {"tan\xC3\xA1r"}}});
  Translation r = t.translate("We &kvopoint;looked up to the teacher.");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "We <HL>looked up to</HL> the teacher.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>Mi</chunk> <chunk>feln\xE9z vkire</chunk> <chunk>a</chunk> <chunk>tan\xE1r</chunk>.");
  EXPECT_EQ(count(r.reply, "<surf-ss>"), 1) << "one sense, one alternative";
  r = t.translate("Look up &kvopoint;at the teacher.");
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "Look up <HL>at</HL> the teacher.");
}

TEST(SmallTranslatorTest, HungarianLettersAreWindows1250AndTheRestReferences) {
  Translator t = small({{"fire", "", {"t\xC5\xB1z", "\xC5\x91rt\xC5\xB1z \xE2\x9C\x93"}},
                        {"apple", "", {"alma"}}});
  Translation r = t.translate("&kvopoint;Fire &#x26; apple <b>");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "<HL>Fire</HL> &amp; apple &lt;<orig>b</orig>&gt;");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"), "<chunk>T\xFBz</chunk> &amp; <chunk>alma</chunk> &lt;b&gt;");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>", 1),
            "<chunk>\xD5rt\xFBz &#x2713;</chunk> &amp; <chunk>alma</chunk> &lt;b&gt;");
  // the article is "az" before a vowel
  r = t.translate("The &kvopoint;apple.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"), "<chunk>Az</chunk> <chunk>alma</chunk>.");
  // accented English source letters travel as references
  r = t.translate("Caf&#xE9; &kvopoint;apple fire.");
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "<orig>Caf&#xE9;</orig> <HL>apple</HL> fire.");
}

TEST(SmallTranslatorTest, EmptyAndWordlessTextsAndBounds) {
  Translator t = small({{"apple", "", {"alma"}}});
  for (const char* text : {"", "&kvopoint;", "...", "12 34", "&kvopoint;qwzxv"}) {
    Translation r = t.translate(text);
    EXPECT_EQ(r.code, 0) << text;
    EXPECT_EQ(r.reply.find("<surf-ss>"), std::string::npos) << text;
    EXPECT_EQ(r.reply.substr(0, 13), "<surf-source>") << text;
  }
  std::string huge;
  while (huge.size() < 4 * kMaxQueryBytes) huge += "apple &#x2713;&#x2713;&#x2713; ";
  huge.insert(huge.size() / 2, "&kvopoint;");
  Translation r = t.translate(huge);
  EXPECT_LE(r.reply.size(), kMaxReplyBytes);
  std::string word(100000, 'a');
  EXPECT_LE(t.translate(word).reply.size(), kMaxReplyBytes);
}

}  // namespace
}  // namespace lexiton::translator
