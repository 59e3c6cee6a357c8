// Runs against the dictionary the build compiled from Debian's FreeDict data.
#include <lexiton/dictionary.h>
#include <lexiton/dictionary_image.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace lexiton {
namespace {

const Dictionary& shipped() {
  static const Dictionary dict = Dictionary::loadFile(kDictionaryFileName);
  return dict;
}

std::string firstSense(std::string_view word) {
  DictionaryEntry entry;
  if (!shipped().find(word, entry) || entry.senses.empty()) return "<none>";
  return entry.senses.front();
}

TEST(CompiledDictionaryTest, CommonMeaningsComeFirst) {
  EXPECT_GT(shipped().size(), 50000u);
  EXPECT_EQ(firstSense("house"), "h\xC3\xA1z");  // ház
  EXPECT_EQ(firstSense("big"), "nagy");
  EXPECT_EQ(firstSense("book"), "k\xC3\xB6nyv");  // könyv
}

TEST(CompiledDictionaryTest, LegacyLettersAreRepaired) {
  // The source writes ő and ű as ô and û.
  EXPECT_EQ(repairHungarian("t\xC3\xBBz \xC3\xB4r"), "t\xC5\xB1z \xC5\x91r");
  DictionaryEntry entry;
  ASSERT_TRUE(shipped().findExact("fire", entry));
  bool sawU = false;
  for (const std::string& sense : entry.senses) {
    EXPECT_EQ(sense.find("\xC3\xBB"), std::string::npos) << sense;
    sawU |= sense.find("t\xC5\xB1z") != std::string::npos;
  }
  EXPECT_TRUE(sawU);
}

TEST(CompiledDictionaryTest, InflectedFormsFindTheirEntries) {
  for (const char* word : {"houses", "went", "children", "bigger", "don't", "John's", "Houses"}) {
    DictionaryEntry entry;
    EXPECT_TRUE(shipped().find(word, entry)) << word;
  }
  DictionaryEntry entry;
  ASSERT_TRUE(shipped().find("went", entry));
  EXPECT_EQ(entry.headword, "go");
}

TEST(CompiledDictionaryTest, TheKeyThatAnsweredTellsAPluralFromItsNoun) {
  DictionaryEntry entry;
  ASSERT_TRUE(shipped().find("Houses", entry));
  EXPECT_EQ(entry.key, "house");
  EXPECT_TRUE(Dictionary::isPluralOf("Houses", entry.key));
  ASSERT_TRUE(shipped().find("house", entry));
  EXPECT_FALSE(Dictionary::isPluralOf("house", entry.key));
  ASSERT_TRUE(shipped().find("went", entry));
  EXPECT_FALSE(Dictionary::isPluralOf("went", entry.key));
  // regular, sibilant, -ies and irregular plurals
  for (auto [word, base] : {std::pair{"cats", "cat"},
                            {"boxes", "box"},
                            {"churches", "church"},
                            {"dishes", "dish"},
                            {"cities", "city"},
                            {"children", "child"},
                            {"women", "woman"},
                            {"knives", "knife"},
                            {"potatoes", "potato"}})
    EXPECT_TRUE(Dictionary::isPluralOf(word, base)) << word;
  // not plurals: the word itself, a possessive, a verb form, "-es" after a plain consonant,
  // an irregular plural of another word, a longer unrelated word
  for (auto [word, base] : {std::pair{"cat", "cat"},
                            {"cat's", "cat"},
                            {"cated", "cat"},
                            {"cates", "cat"},
                            {"children", "chil"},
                            {"catsup", "cat"},
                            {"x", ""},
                            {"", "cat"},
                            {"cies", "cy"},
                            {"is", "i"},
                            {"as", "a"}})
    EXPECT_FALSE(Dictionary::isPluralOf(word, base)) << word;
}

TEST(CompiledDictionaryTest, MultiWordEntriesMatchLongestFirst) {
  DictionaryEntry entry;
  std::vector<std::string_view> words{"gave", "up", "quickly"};
  EXPECT_EQ(shipped().findLongest(words, entry), 2u);
  EXPECT_EQ(entry.headword, "to give up");
  words = {"Looked", "up"};
  EXPECT_EQ(shipped().findLongest(words, entry), 2u);
  words = {"houses", "are"};
  EXPECT_EQ(shipped().findLongest(words, entry), 1u);
  EXPECT_EQ(entry.headword, "house");
  words = {"qwzxv", "up"};
  EXPECT_EQ(shipped().findLongest(words, entry), 0u);
  EXPECT_EQ(shipped().findLongest({}, entry), 0u);
  // a verb the data lists only in the infinitive
  EXPECT_TRUE(shipped().find("abandoned", entry));
}

TEST(BuiltDictionaryTest, PhrasesFormsAndLimits) {
  const Dictionary d = Dictionary::fromBytes(compileDictionaryImage({{"ice cream", "", {"fagylalt"}},
                                                                     {"ice", "", {"j\xC3\xA9g"}},
                                                                     {"to look up to", "", {"feln\xC3\xA9z"}},
                                                                     {"a b c d e f", "", {"hat"}},
                                                                     {"a b c d e f g", "", {"h\xC3\xA9t"}}}));
  DictionaryEntry entry;
  std::vector<std::string_view> words{"ice", "creams"};
  EXPECT_EQ(d.findLongest(words, entry), 2u);
  EXPECT_EQ(entry.senses.front(), "fagylalt");
  words = {"ice", "cold"};
  EXPECT_EQ(d.findLongest(words, entry), 1u);
  words = {"Looking", "up", "to"};
  EXPECT_EQ(d.findLongest(words, entry), 3u);
  words = {"a", "b", "c", "d", "e", "f", "g"};  // seven words are beyond the phrase limit
  EXPECT_EQ(d.findLongest(words, entry), Dictionary::kMaxPhraseWords);
  EXPECT_EQ(entry.senses.front(), "hat");
  const std::string longWord(Dictionary::kMaxKeyLength, 'x');
  words = {longWord, longWord};
  EXPECT_EQ(d.findLongest(words, entry), 0u);
}

// Every key answers with its own entry, and strings that are not keys (prefixes and
// extensions of keys among them) answer nothing, whatever the number of entries.
TEST(BuiltDictionaryTest, EveryKeyAndOnlyTheKeysAreFound) {
  for (const int count : {0, 1, 7, 8, 9, 5000}) {
    std::vector<DictionaryEntry> entries;
    for (int i = 0; i < count; ++i)
      entries.push_back({"w" + std::to_string(i), "", {"s" + std::to_string(i)}});
    const Dictionary d = Dictionary::fromBytes(compileDictionaryImage(entries));
    ASSERT_EQ(d.size(), std::size_t(count));
    DictionaryEntry entry;
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(d.findExact("w" + std::to_string(i), entry)) << i;
      EXPECT_EQ(entry.senses.front(), "s" + std::to_string(i));
      EXPECT_EQ(entry.key, "w" + std::to_string(i));
    }
    for (const std::string& missing : {std::string("w"), "w" + std::to_string(count), std::string("w01"),
                                       std::string("x"), std::string("")})
      EXPECT_FALSE(d.findExact(missing, entry)) << missing;
  }
}

TEST(DictionaryFileTest, DamagedFilesAreRejectedNotOverread) {
  std::ifstream in(kDictionaryFileName, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 4096u);
  for (std::size_t n :
       {std::size_t(0), std::size_t(7), std::size_t(16), std::size_t(100), bytes.size() - 1}) {
    EXPECT_THROW(Dictionary::fromBytes(bytes.substr(0, n)), Dictionary::cExc) << "prefix " << n;
  }
  std::string lying = bytes;
  lying[8] = '\xFF';  // the entry count no longer matches the size
  EXPECT_THROW(Dictionary::fromBytes(lying), Dictionary::cExc);
  std::string badMagic = bytes;
  badMagic[0] = 'X';
  EXPECT_THROW(Dictionary::fromBytes(badMagic), Dictionary::cExc);
}

}  // namespace
}  // namespace lexiton

// Look-up keys are UTF-8: the typographic apostrophe becomes "'", and the byte 0x92 inside a
// two-byte letter ("\xC5\x92" is "Œ") stays part of that letter.
TEST(LookupKeyTest, Utf8ApostropheAndLettersSurvive) {
  EXPECT_EQ(lexiton::Dictionary::lookupKey("Don\xE2\x80\x99t"), "don't");
  EXPECT_EQ(lexiton::Dictionary::lookupKey("\xC5\x92uvre"), "\xC5\x92uvre");
  EXPECT_EQ(lexiton::Dictionary::lookupKey("\xC4\x92GO"), "\xC4\x92go");
  EXPECT_EQ(lexiton::Dictionary::lookupKey("\xE2\x80"), "\xE2\x80");  // a cut sequence is left alone
}
