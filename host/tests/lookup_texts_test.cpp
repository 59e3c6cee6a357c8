// Cutting the word and its sentence out of the text read under the pointer, the look-up's first
// alternative from its plain text, and the hover dictionary's entry from its list's lines.
#include <gtest/gtest.h>

#include "wordlist/lookup_texts.h"

namespace lexiton::host {
namespace {

WordInSentence at(std::u16string_view text, std::u16string_view pointedPrefix) {
  return wordInSentence(text, pointedPrefix.size());
}

TEST(LookupTexts, TheWordAndItsSentenceAroundThePointer) {
  const std::u16string text = u"First one. My friend said he gave up smoking last year! Then more.";
  const auto r = at(text, u"First one. My friend said he ga");
  EXPECT_EQ(r.word, "gave");
  EXPECT_EQ(r.sentence, "My friend said he gave up smoking last year!");
  EXPECT_EQ(r.wordOffset, int64_t(std::string("My friend said he ").size()));

  // On the first and the last letter, and on a word of the first and the last sentence.
  EXPECT_EQ(at(text, u"First one. My friend said he ").word, "gave");
  EXPECT_EQ(at(text, u"First one. My friend said he gav").word, "gave");
  EXPECT_EQ(at(text, u"F").sentence, "First one.");
  EXPECT_EQ(at(text, u"First one. My friend said he gave up smoking last year! Then m").sentence,
            "Then more.");
  // A decimal point or an abbreviation's full stop without a blank after it ends nothing.
  EXPECT_EQ(wordInSentence(u"It costs 3.50 today.", 3).sentence, "It costs 3.50 today.");
}

TEST(LookupTexts, ApostrophesHyphensAndAccentsStayInTheWord) {
  EXPECT_EQ(wordInSentence(u"We don't know.", 5).word, "don't");
  EXPECT_EQ(wordInSentence(u"A well-known fact.", 3).word, "well-known");
  EXPECT_EQ(wordInSentence(u"'Quoted' - he said.", 2).word, "Quoted");
  const auto r = wordInSentence(u"Az árvíztűrő tükörfúrógép.", 5);
  EXPECT_EQ(r.word, "árvíztűrő");
  EXPECT_EQ(r.wordOffset, 3);
}

TEST(LookupTexts, LineBreaksEndTheSentenceAndBlanksGo) {
  const std::u16string text = u"Title line\r\n   Body text here  \nNext";
  const auto r = wordInSentence(text, text.find(u"text"));
  EXPECT_EQ(r.word, "text");
  EXPECT_EQ(r.sentence, "Body text here");
  EXPECT_EQ(r.wordOffset, 5);
}

TEST(LookupTexts, NoWordUnderThePointerOrNoText) {
  const auto r = wordInSentence(u"Hello, world.", 5);  // the comma
  EXPECT_EQ(r.word, "");
  EXPECT_EQ(r.wordOffset, -1);
  EXPECT_EQ(r.sentence, "Hello, world.");
  EXPECT_EQ(wordInSentence(u"", 0).sentence, "");
  EXPECT_EQ(wordInSentence(u"word", 4).word, "");
  EXPECT_EQ(wordInSentence(u"word", 99).word, "");
}

TEST(LookupTexts, AVeryLongSentenceIsCutAroundTheWord) {
  std::u16string text(1000, u'a');
  for (std::size_t i = 5; i < text.size(); i += 6) text[i] = u' ';
  const std::size_t cursor = 500;
  const auto r = wordInSentence(text, cursor);
  EXPECT_LE(r.sentence.size(), 2 * kSentenceReach + 6);
  EXPECT_EQ(r.word, "aaaaa");
  EXPECT_EQ(r.sentence.substr(std::size_t(r.wordOffset), 5), "aaaaa");
}

TEST(LookupTexts, TheFirstAlternativeOfThePlainText) {
  const std::string plain =
      "EN: He gave up smoking.%0D%0AHU: Feladta a doh\xE1nyz\xE1st.%0D%0AEN: He gave up smoking.%0D%0AHU: "
      "Abbahagyta.%0D%0A";
  const auto first = firstAlternative(plain, CodePage::windows1250);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->source, "He gave up smoking.");
  EXPECT_EQ(first->target, "Feladta a dohányzást.");
  // "ő" is 0xF5 in 1250.
  EXPECT_EQ(firstAlternative("HU: \xF5%0D%0A", CodePage::windows1250)->target, "ő");
  EXPECT_EQ(firstAlternative("Error: -1 The server did not answer.", CodePage::windows1252), std::nullopt);
  EXPECT_EQ(firstAlternative("", CodePage::windows1252), std::nullopt);
  EXPECT_EQ(firstAlternative("EN: only the source%0D%0A", CodePage::windows1252), std::nullopt);
}

TEST(LookupTexts, TheHoverEntryFromItsListLines) {
  const std::vector<HoverLine> lines = {
      {true, "ige"}, {false, "megy"}, {false, "j\xE1r"}, {true, "f\xF5n\xE9v"}, {false, "menet"}};
  const HoverTexts texts = hoverTexts("went \xBB go  /g'@U/", lines, CodePage::windows1250);
  EXPECT_EQ(texts.dictionaryForm, "go");
  EXPECT_EQ(texts.firstSense, "megy");
  EXPECT_EQ(texts.senses, "ige: megy, jár\nfőnév: menet");
}

TEST(LookupTexts, AHoverEntryWithoutHeadingsOrWithoutSenses) {
  const HoverTexts plain =
      hoverTexts("house  /h'aUs/", {{false, "h\xE1z"}, {false, "otthon"}}, CodePage::windows1250);
  EXPECT_EQ(plain.dictionaryForm, "house");
  EXPECT_EQ(plain.senses, "ház, otthon");
  // The not-found list is its text alone: no form, no senses.
  const HoverTexts none = hoverTexts("No match found.", {}, CodePage::windows1252);
  EXPECT_EQ(none.dictionaryForm, "");
  EXPECT_EQ(none.firstSense, "");
  EXPECT_EQ(hoverTexts("x", {{true, "ige"}}, CodePage::windows1252).dictionaryForm, "");
}

}  // namespace
}  // namespace lexiton::host
