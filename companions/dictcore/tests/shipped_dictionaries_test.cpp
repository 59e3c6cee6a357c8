// The look-up over the dictionaries and the core lexicon the build compiled, in the test's
// working folder (the build's bin folder).
#include <lexiton/language_ids.h>

#include <gtest/gtest.h>

#include <cstring>

#include "hover_library.h"
#include "plain_list.h"

namespace lexiton::dictcore {
namespace {

const std::vector<std::string> kBoth{"2EN-HU", "2HU-EN"};

const HoverLibrary& both() {
  static const HoverLibrary library("", kBoth, kLanguageHungarian);
  return library;
}

std::string firstSense(const HoverLibrary& library, std::u16string_view text) {
  const auto e = library.entryFor(text);
  if (!e || e->sections.empty() || e->sections[0].senses.empty()) return "<none>";
  return e->headword + ": " + e->sections[0].senses[0];
}

TEST(ShippedDictionariesTest, EverydayWords) {
  EXPECT_EQ(firstSense(both(), u"The @houses are big."), "house: h\xC3\xA1z");
  EXPECT_EQ(firstSense(both(), u"He @went home."), "go: megy");
  EXPECT_EQ(firstSense(both(), u"He gave @up smoking"), "give up: felad");
  EXPECT_EQ(firstSense(both(), u"He @gave up smoking"), "give up: felad");
  EXPECT_EQ(firstSense(both(), u"A @h\u00E1zak nagyok."), "h\xC3\xA1z: house");
  EXPECT_EQ(firstSense(both(), u"an @ice cream"), "ice cream: fagylalt");
  EXPECT_EQ(firstSense(both(), u"two ice @creams, please"), "ice cream: fagylalt");
  EXPECT_EQ(both().entryFor(u"She will @look after him")->headword, "look after");
}

TEST(ShippedDictionariesTest, PartsOfSpeechAreNamed) {
  const auto e = both().entryFor(u"He @went home.");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->form, "went");
  EXPECT_EQ(e->sections[0].part, PartOfSpeech::verb);
  EXPECT_FALSE(e->pronunciation.empty());
}

TEST(ShippedDictionariesTest, OpenDictionariesFollowTheChoice) {
  EXPECT_EQ(HoverLibrary("", {"2EN-HU"}, kLanguageEnglishUK).openIds(), std::vector<std::string>{"2EN-HU"});
  EXPECT_EQ(HoverLibrary("", {"2HU-EN"}, kLanguageEnglishUK).openIds(), std::vector<std::string>{"2HU-EN"});
  EXPECT_EQ(both().openIds(), kBoth);
  EXPECT_FALSE(HoverLibrary("", {}, kLanguageEnglishUK).anyOpen());
  EXPECT_FALSE(HoverLibrary("no-such-folder/", kBoth, kLanguageEnglishUK).anyOpen());
  // Only the English-Hungarian direction: a Hungarian word is unknown.
  EXPECT_EQ(firstSense(HoverLibrary("", {"2EN-HU"}, kLanguageEnglishUK), u"A @h\u00E1zak nagyok."), "<none>");
}

TEST(ShippedDictionariesTest, UnknownWordAndTheNotFoundText) {
  std::vector<uint8_t> bytes(LX_LOCAL_RESULT_RESERVE);
  LxByteArray result{bytes.data(), 4, LX_LOCAL_RESULT_RESERVE};
  std::deque<std::string> texts;
  EXPECT_FALSE(both().lookup(u"a @qzxv here", "<\?\?\?>", CodePage::windows1250, texts, result));
  EXPECT_FALSE(both().lookup(u"a @qzxv here", nullptr, CodePage::windows1250, texts, result));
  EXPECT_EQ(result.size, 4u);
  EXPECT_FALSE(both().lookup(u"a @ here", "nincs", CodePage::windows1250, texts, result));
  EXPECT_TRUE(both().lookup(u"a @qzxv here", "nincs", CodePage::windows1250, texts, result));
  EXPECT_GT(result.size, 4u);
}

}  // namespace
}  // namespace lexiton::dictcore
