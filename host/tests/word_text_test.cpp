// The word list's text rules: case folding for English and Hungarian letters, the key that
// groups a word's look-ups, and where the word stands in its sentence.
#include <gtest/gtest.h>

#include "wordlist/word_text.h"

namespace lexiton::host {
namespace {

TEST(WordText, FoldsTheLettersOfBothLanguages) {
  EXPECT_EQ(foldCase("House"), "house");
  EXPECT_EQ(foldCase("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"), "árvíztűrő tükörfúrógép");
  EXPECT_EQ(foldCase("ŐŰőű ÀÞ×"), "őűőű àþ×");
  EXPECT_EQ(foldCase("ĀĹŁŹŸ"), "āĺłźÿ");
  // Invalid UTF-8 is kept byte for byte, not replaced.
  EXPECT_EQ(foldCase("AB\xC3"), "AB\xC3");
  EXPECT_EQ(foldCase(""), "");
}

TEST(WordText, TheKeyIsTheDictionaryFormElseTheWord) {
  const auto key = [](const char* word, const char* form) {
    WordListEntry entry;
    entry.word = word;
    entry.dictionaryForm = form;
    return wordKey(entry);
  };
  EXPECT_EQ(key("Went", "Go"), "go");
  EXPECT_EQ(key(" Houses\t", ""), "houses");
  EXPECT_EQ(key("Őrült", "  "), "őrült");
}

TEST(WordText, FindsTheWordWhereTheOffsetSaysOrAsAWholeWord) {
  const std::string sentence = "The theme: then the End.";
  auto at = [&](std::string_view word, int64_t offset) -> std::pair<std::size_t, std::size_t> {
    const auto span = findWord(sentence, word, offset);
    return span ? std::pair{span->offset, span->length} : std::pair{std::size_t(-1), std::size_t(0)};
  };
  EXPECT_EQ(at("the", 16), (std::pair<std::size_t, std::size_t>{16, 3}));
  // A wrong offset: the first whole word, case folded ("The", not "theme").
  EXPECT_EQ(at("the", 5), (std::pair<std::size_t, std::size_t>{0, 3}));
  EXPECT_EQ(at("END", -1), (std::pair<std::size_t, std::size_t>{20, 3}));
  EXPECT_EQ(at("hem", -1).first, std::size_t(-1));
  EXPECT_EQ(at("", 0).first, std::size_t(-1));
  EXPECT_EQ(at("the", 1000).first, 0u);
  EXPECT_EQ(at("The theme: then the End. And more", 0).first, std::size_t(-1));
  // Accented letters are part of a word.
  EXPECT_FALSE(findWord("házak és ház", "ház", -1) == std::nullopt);
  EXPECT_EQ(findWord("házak és ház", "ház", -1)->offset, std::string("házak és ").size());
  EXPECT_EQ(findWord("don't", "don", -1), std::nullopt);
}

}  // namespace
}  // namespace lexiton::host
