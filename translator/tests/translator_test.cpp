// The translator over the dictionary the build compiled, and over small dictionaries built
// here for exact expectations.
#include "lexiton/translator/translator.h"

#include <gtest/gtest.h>

#include "lexiton/dictionary_image.h"
#include "lexiton/protocol/query_text.h"

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
  for (const char* text :
       {"He &kvopoint;gave up.", "He gave &kvopoint;up.", "She &kvopoint;gives up easily."}) {
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
  for (const char* text :
       {"A h&#xE1;zak &kvopoint;nagyok.",                    // Hungarian
        "Das Haus &kvopoint;ist gro&#xDF; und sch&#xF6;n.",  // German
        "&#x414;&#x43E;&#x43C; &kvopoint;&#x431;&#x43E;&#x43B;&#x44C;&#x448;&#x43E;&#x439;.",
        "Le chat &kvopoint;mange la souris grise."}) {
    Translation r = shipped().translate(text);
    EXPECT_EQ(r.code, 1) << text << " -> " << r.reply;
    EXPECT_EQ(r.reply.substr(0, 5), "1010 ") << text;
  }
}

// FreeDict lacks "hurt" and "himself"; the core lexicon has them, so the sentence is English.
TEST(ShippedTranslatorTest, WordsOnlyTheCoreLexiconKnowsAreEnglish) {
  for (const char* text : {"He &kvopoint;hurt himself.", "Tom &kvopoint;hurt himself badly."}) {
    Translation r = shipped().translate(text);
    ASSERT_EQ(r.code, 0) << text << " -> " << r.reply;
    EXPECT_NE(between(r.reply, "<surf-st>", "</surf-st>").find("egsebes\xEDtette"), std::string::npos) << r.reply;
  }
}

TEST(ShippedTranslatorTest, OnlyTheSentenceUnderThePointerIsTranslated) {
  Translation r = shipped().translate("I saw a dog. The &kvopoint;houses are big! Books are good.");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "The <HL>houses</HL> are big!");
  // words and names: an unknown word is underlined, a name inside a sentence is kept
  r = shipped().translate("John bought a &kvopoint;qwzxv yesterday.");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"),
            "John bought a <HL><orig>qwzxv</orig></HL> yesterday.");
  r = shipped().translate("I met &kvopoint;John.");
  EXPECT_NE(r.reply.find("<chunk>Tal\xE1lkoztam</chunk>"), std::string::npos)
      << "a core verb by its past form: " << r.reply;
  EXPECT_NE(r.reply.find("<HL>John</HL>"), std::string::npos) << r.reply;
  EXPECT_NE(between(r.reply, "<surf-st>", "</surf-st>").find("John"), std::string::npos) << r.reply;
}

TEST(ShippedTranslatorTest, AWordWhereAVerbMustStandIsTheVerb) {
  // "mean" is first an adjective ("átlagos"); after "you" it is the verb "to mean"
  Translation r = shipped().translate("I know what you &kvopoint;mean.");
  ASSERT_EQ(r.code, 0) << r.reply;
  const std::string verb =
      between(r.reply, "<surf-st>", "</surf-st>") + between(r.reply, "<surf-st>", "</surf-st>", 1);
  EXPECT_NE(verb.find("<chunk>jelentesz</chunk>"), std::string::npos) << r.reply;
  EXPECT_NE(verb.find("<chunk>gondolsz</chunk>"), std::string::npos) << r.reply;
  r = shipped().translate("The &kvopoint;mean value.");
  EXPECT_EQ(r.reply.find("jelent"), std::string::npos) << r.reply;
  // the pronoun of a contraction is the core word, not the dictionary's "it" (a game)
  r = shipped().translate("It&#x2019;s a well-known &kvopoint;fact.");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>").substr(0, 17), "<chunk>Ez</chunk>") << r.reply;
  EXPECT_NE(r.reply.find("<HL>fact</HL>"), std::string::npos) << r.reply;
  // capitalised words the dictionary lacks are names: neither underlined nor counted against
  // the text being English
  r = shipped().translate("Yesterday Krisztina and Zsolt &kvopoint;visited Kecskemet.");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(r.reply.find("<orig>"), std::string::npos) << r.reply;
  // in a heading every word is capitalised and none of them is a name
  r = shipped().translate("Small Houses &kvopoint;Near Green Fields");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(r.reply.find("<orig>"), std::string::npos) << r.reply;
  EXPECT_GE(count(between(r.reply, "<surf-st>", "</surf-st>"), "<chunk>"), 4) << r.reply;
}

TEST(ShippedTranslatorTest, PluralNounsAndTheDroppedCopulaReadAsHungarian) {
  // "házak", "nagyok": the plural on the noun and on the predicate, no "vannak"
  Translation r = shipped().translate("The &kvopoint;houses are big.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>h\xE1zak</chunk> <chunk>nagyok</chunk>.");
  // the second sense takes the plural too, and the article turns "az" before it
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>", 1),
            "<chunk>Az</chunk> <chunk>otthonok</chunk> <chunk>nagyok</chunk>.");
  r = shipped().translate("The &kvopoint;house is big.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>h\xE1z</chunk> <chunk>nagy</chunk>.");
  // an irregular English plural, a dictionary entry that is already plural, a core word
  r = shipped().translate("The &kvopoint;children are happy.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>gyerekek</chunk> <chunk>boldogok</chunk>.");
  r = shipped().translate("The &kvopoint;women are old.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>n\xF5k</chunk> <chunk>id\xF5sek</chunk>.");
  // the dictionary's "they are" loses its verb; two predicates joined by "and" both agree
  r = shipped().translate("They are &kvopoint;big and old.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>\xD5k</chunk> <chunk>nagyok</chunk> <chunk>\xE9s</chunk> <chunk>r\xE9giek</chunk>.");
  // existence keeps its verb; the continuous tense keeps the copula
  r = shipped().translate("There are &kvopoint;houses.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"), "<chunk>Vannak</chunk> <chunk>h\xE1zak</chunk>.");
  // the continuous tense is the plain present
  r = shipped().translate("The cats are &kvopoint;sleeping.");
  EXPECT_NE(r.reply.find("<chunk>alszanak</chunk>"), std::string::npos) << r.reply;
  // the copula under the pointer is marked in the source; Hungarian still leaves it out
  r = shipped().translate("The houses &kvopoint;are big.");
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "The houses <HL>are</HL> big.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>h\xE1zak</chunk> <chunk>nagyok</chunk>.");
}

TEST(SmallTranslatorTest, PluralNounsAndCopulaByTheRules) {
  Translator t = small({{"house", "", {"h\xC3\xA1z"}},
                        {"to house", "", {"elsz\xC3\xA1ll\xC3\xA1sol"}},
                        {"big", "", {"nagy"}},
                        {"old", "", {"r\xC3\xA9gi"}},
                        {"cat", "", {"macska"}},
                        {"dog", "", {"kutya"}},
                        {"run", "", {"fut\xC3\xA1s"}},
                        {"to run", "", {"fut"}},
                        {"table", "", {"asztal"}},
                        {"teacher", "", {"tan\xC3\xA1r"}},
                        {"good", "", {"j\xC3\xB3"}},
                        {"person", "", {"ember"}},
                        {"people", "", {"emberek"}}});
  auto target = [&](const char* text) { return between(t.translate(text).reply, "<surf-st>", "</surf-st>"); };
  EXPECT_EQ(target("The &kvopoint;houses are big."),
            "<chunk>A</chunk> <chunk>h\xE1zak</chunk> <chunk>nagyok</chunk>.");
  EXPECT_EQ(target("&kvopoint;Houses are old."), "<chunk>H\xE1zak</chunk> <chunk>r\xE9giek</chunk>.");
  EXPECT_EQ(target("The &kvopoint;cats are very big."),
            "<chunk>A</chunk> <chunk>macsk\xE1k</chunk> <chunk>nagyon</chunk> <chunk>nagyok</chunk>.");
  // the plural lies on the noun alone: "jó tanárok", not "jók tanárok"
  EXPECT_EQ(target("The &kvopoint;cats are good teachers."),
            "<chunk>A</chunk> <chunk>macsk\xE1k</chunk> <chunk>j\xF3</chunk> <chunk>tan\xE1rok</chunk>.");
  EXPECT_EQ(target("The &kvopoint;house is a teacher."),
            "<chunk>A</chunk> <chunk>h\xE1z</chunk> <chunk>egy</chunk> <chunk>tan\xE1r</chunk>.");
  // an entry of the plural itself is taken as it stands
  EXPECT_EQ(target("The &kvopoint;people are old."),
            "<chunk>Az</chunk> <chunk>emberek</chunk> <chunk>r\xE9giek</chunk>.");
  // a third-person verb is no plural noun: after a pronoun, or after a noun when the word
  // is also a verb; a word that is no verb is a noun after anything
  EXPECT_EQ(target("He &kvopoint;runs."), "<chunk>\xD5</chunk> <chunk>fut</chunk>.");
  EXPECT_EQ(target("The dog &kvopoint;runs."),
            "<chunk>A</chunk> <chunk>kutya</chunk> <chunk>fut\xE1s</chunk>.");
  EXPECT_EQ(target("Old &kvopoint;cats."), "<chunk>R\xE9gi</chunk> <chunk>macsk\xE1k</chunk>.");
  // place, existence, questions, the continuous tense and "you" keep the verb
  EXPECT_EQ(target("The &kvopoint;house is on the table."),
            "<chunk>A</chunk> <chunk>h\xE1z</chunk> <chunk>van</chunk> <chunk>-on/-en/-\xF6n</chunk> "
            "<chunk>az</chunk> <chunk>asztal</chunk>.");
  EXPECT_EQ(target("There are &kvopoint;houses."),
            "<chunk>Ott</chunk> <chunk>vannak</chunk> <chunk>h\xE1zak</chunk>.");
  EXPECT_EQ(target("Is the &kvopoint;house big?"),
            "<chunk>Van</chunk> <chunk>a</chunk> <chunk>h\xE1z</chunk> <chunk>nagy</chunk>?");
  EXPECT_EQ(target("The cats are &kvopoint;running."),
            "<chunk>A</chunk> <chunk>macsk\xE1k</chunk> <chunk>vannak</chunk> <chunk>fut\xE1s</chunk>.");
  EXPECT_EQ(target("You are &kvopoint;big."), "<chunk>Te</chunk> <chunk>vannak</chunk> <chunk>nagy</chunk>.");
  // a comma ends the clause; a new clause after "and" keeps its own copula
  EXPECT_EQ(target("The &kvopoint;house is big, old."),
            "<chunk>A</chunk> <chunk>h\xE1z</chunk> <chunk>nagy</chunk>, <chunk>r\xE9gi</chunk>.");
  EXPECT_EQ(
      target("The &kvopoint;house is big and the cats are old."),
      "<chunk>A</chunk> <chunk>h\xE1z</chunk> <chunk>nagy</chunk> <chunk>\xE9s</chunk> <chunk>a</chunk> "
      "<chunk>macsk\xE1k</chunk> <chunk>r\xE9giek</chunk>.");
  // the source markup is untouched by all of this
  EXPECT_EQ(between(t.translate("The &kvopoint;houses are big.").reply, "<surf-ss>", "</surf-ss>"),
            "The <HL>houses</HL> are big.");
}

TEST(ShippedTranslatorTest, SimplePastAfterItsSubject) {
  Translation r = shipped().translate("She &kvopoint;wrote a book.");
  // the subject pronoun goes, the object takes the accusative
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>\xCDrt</chunk> <chunk>egy</chunk> <chunk>k\xF6nyvet</chunk>.");
  r = shipped().translate("They &kvopoint;wrote a book.");
  EXPECT_NE(r.reply.find("<chunk>\xCDrtak</chunk>"), std::string::npos) << r.reply;
  // a regular past through the verb entry, plural after a plural subject with its own entry
  r = shipped().translate("The children &kvopoint;played.");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>A</chunk> <chunk>gyerekek</chunk> <chunk>j\xE1tszottak</chunk>.");
  // the first person has its own ending
  r = shipped().translate("I &kvopoint;met John.");
  EXPECT_NE(r.reply.find("<chunk>Tal\xE1lkoztam</chunk>"), std::string::npos) << r.reply;
}

TEST(SmallTranslatorTest, SimplePastByTheRules) {
  Translator t = small({{"to go", "", {"megy"}},
                        {"play", "", {"j\xC3\xA1t\xC3\xA9k"}},
                        {"to play", "", {"j\xC3\xA1tszik"}},
                        {"cat", "", {"macska"}},
                        {"game", "", {"j\xC3\xA1tszma"}}});
  auto target = [&](const char* text) { return between(t.translate(text).reply, "<surf-st>", "</surf-st>"); };
  EXPECT_EQ(target("He &kvopoint;went."), "<chunk>\xD5</chunk> <chunk>ment</chunk>.");
  EXPECT_EQ(target("The cats &kvopoint;went."),
            "<chunk>A</chunk> <chunk>macsk\xE1k</chunk> <chunk>mentek</chunk>.");
  EXPECT_EQ(target("The cat &kvopoint;played."),
            "<chunk>A</chunk> <chunk>macska</chunk> <chunk>j\xE1tszott</chunk>.");
  // no subject before it: an article, a participle after "was"/"has", the first person
  EXPECT_EQ(target("The &kvopoint;played game."),
            "<chunk>A</chunk> <chunk>j\xE1t\xE9k</chunk> <chunk>j\xE1tszma</chunk>.");
  EXPECT_EQ(target("It was &kvopoint;played."),
            "<chunk>Az</chunk> <chunk>volt</chunk> <chunk>j\xE1t\xE9k</chunk>.");
  EXPECT_EQ(target("We &kvopoint;went."), "<chunk>Mi</chunk> <chunk>megy</chunk>.");
  // "went" with "goes": only the simple past changes
  EXPECT_EQ(target("He &kvopoint;goes."), "<chunk>\xD5</chunk> <chunk>megy</chunk>.");
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
  Translator t =
      small({{"fire", "", {"t\xC5\xB1z", "\xC5\x91rt\xC5\xB1z \xE2\x9C\x93"}}, {"apple", "", {"alma"}}});
  Translation r = t.translate("&kvopoint;Fire &#x26; apple <b>");
  ASSERT_EQ(r.code, 0) << r.reply;
  EXPECT_EQ(between(r.reply, "<surf-ss>", "</surf-ss>"), "<HL>Fire</HL> &amp; apple &lt;<orig>b</orig>&gt;");
  EXPECT_EQ(between(r.reply, "<surf-st>", "</surf-st>"),
            "<chunk>T\xFBz</chunk> &amp; <chunk>alma</chunk> &lt;b&gt;");
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
  while (huge.size() < 4 * protocol::kMaxQueryBytes) huge += "apple &#x2713;&#x2713;&#x2713; ";
  huge.insert(huge.size() / 2, "&kvopoint;");
  Translation r = t.translate(huge);
  EXPECT_LE(r.reply.size(), kMaxReplyBytes);
  std::string word(100000, 'a');
  EXPECT_LE(t.translate(word).reply.size(), kMaxReplyBytes);
}

}  // namespace
}  // namespace lexiton::translator
