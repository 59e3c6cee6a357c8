#include "hover_entry.h"

#include <gtest/gtest.h>

#include "test_dictionaries.h"

namespace lexiton::dictcore {
namespace {

class HoverEntryTest : public ::testing::Test {
 protected:
  std::optional<HoverEntry> english(std::u16string_view text) {
    return englishEntry({&dictionary_, &core_}, splitAtMarker(text));
  }
  Dictionary dictionary_ = test::smallEnglish();
  lexicon::CoreLexicon core_ = test::smallCore();
};

TEST_F(HoverEntryTest, IrregularPastLeadsToTheVerb) {
  const auto e = english(u"He @went home.");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->headword, "go");
  EXPECT_EQ(e->form, "went");
  ASSERT_GE(e->sections.size(), 2u);
  EXPECT_EQ(e->sections[0].part, PartOfSpeech::verb);
  EXPECT_EQ(e->sections[0].senses, (std::vector<std::string>{"megy", "j\xC3\xA1r", "elmegy"}));
  // FreeDict's senses of "go" follow, as the noun WordNet also knows.
  EXPECT_EQ(e->sections[1].part, PartOfSpeech::noun);
  EXPECT_EQ(e->sections[1].senses.front(), "alku");
  EXPECT_EQ(e->pronunciation, "\xC9\xA1\xCB\x88\xC9\x99\xCA\x8A");
}

TEST_F(HoverEntryTest, PluralLeadsToTheNounWithTheCoreSenseFirst) {
  const auto e = english(u"The @houses are big.");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->headword, "house");
  EXPECT_EQ(e->form, "houses");
  ASSERT_EQ(e->sections.size(), 1u);
  // "ház" once, first, though FreeDict ranks "színház" above it.
  EXPECT_EQ(e->sections[0].senses,
            (std::vector<std::string>{"h\xC3\xA1z", "sz\xC3\xADnh\xC3\xA1z", "lak\xC3\xB3h\xC3\xA1z"}));
}

TEST_F(HoverEntryTest, PhrasalVerbFromEitherWord) {
  for (std::u16string_view text : {u"He gave @up smoking", u"He @gave up smoking"}) {
    const auto e = english(text);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->headword, "give up");
    EXPECT_EQ(e->form, "gave up");
    ASSERT_EQ(e->sections.size(), 1u);
    EXPECT_EQ(e->sections[0].part, PartOfSpeech::verb);
    EXPECT_EQ(e->sections[0].senses.front(), "felad");
  }
}

TEST_F(HoverEntryTest, CompoundNounAcrossTheMarker) {
  for (std::u16string_view text : {u"an @ice cream", u"two ice @creams"}) {
    const auto e = english(text);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->headword, "ice cream");
    EXPECT_EQ(e->sections[0].senses.front(), "fagylalt");
  }
  // A phrase that ends before the marked word does not answer for it.
  EXPECT_FALSE(english(u"ice cream @zzyzx"));
  EXPECT_EQ(english(u"@ice")->headword, "ice");
}

TEST_F(HoverEntryTest, PhraseOnlyTheCoreLexiconKnows) {
  const auto e = english(u"She will @look after him");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->headword, "look after");
  EXPECT_EQ(e->sections[0].senses.front(), "gondoz");
  // The word alone when the next word makes no phrase.
  EXPECT_EQ(english(u"@look here")->headword, "look");
}

TEST_F(HoverEntryTest, ComparativeAndPossessive) {
  EXPECT_EQ(english(u"a @bigger house")->headword, "big");
  EXPECT_EQ(english(u"the @house's roof")->headword, "house");
  const auto big = english(u"@big");
  ASSERT_TRUE(big);
  EXPECT_EQ(big->form, "");
  EXPECT_EQ(big->sections[0].part, PartOfSpeech::adjective);
}

TEST_F(HoverEntryTest, TooltipLimits) {
  const auto e = english(u"@many");
  ASSERT_TRUE(e);
  std::size_t lines = 0;
  for (const auto& s : e->sections) {
    EXPECT_LE(s.senses.size(), kMaxSensesPerPart);
    lines += s.senses.size();
  }
  EXPECT_LE(lines, kMaxSenseLines);
  EXPECT_EQ(e->sections[0].senses.front(), "sok");
}

TEST_F(HoverEntryTest, UnknownWordsAndMarkersOnNothing) {
  EXPECT_FALSE(english(u"a @zzyzx here"));
  EXPECT_FALSE(english(u"a @ here"));
  EXPECT_TRUE(english(u"@The houses"));
  EXPECT_TRUE(english(u"the big house@"));
}

TEST_F(HoverEntryTest, FreeDictAloneStillAnswers) {
  const auto e = englishEntry({&dictionary_, nullptr}, splitAtMarker(u"He @went home."));
  ASSERT_TRUE(e);
  EXPECT_EQ(e->headword, "go");
  // Without WordNet's counts FreeDict's plain senses have no part of speech; its "to go" does.
  ASSERT_EQ(e->sections.size(), 2u);
  EXPECT_EQ(e->sections[0].part, PartOfSpeech::other);
  EXPECT_EQ(e->sections[1].part, PartOfSpeech::verb);
  EXPECT_EQ(e->sections[1].senses, std::vector<std::string>{"elmegy"});
}

TEST_F(HoverEntryTest, IdiomsOfFreeDictDoNotHideTheCommonVerb) {
  const Dictionary withIdioms = Dictionary::fromBytes(compileDictionaryImage({
      {"to go", "", {"elmegy"}},
      {"to go home", "", {"meghal"}},
      {"to look after", "", {"vigy\xC3\xA1z"}},
      {"to give up smoking", "", {"leszokik"}},
  }));
  const EnglishSources sources{&withIdioms, &core_};
  EXPECT_EQ(englishEntry(sources, splitAtMarker(u"He @went home."))->headword, "go");
  EXPECT_EQ(englishEntry(sources, splitAtMarker(u"He @looked after her"))->headword, "look after");
  EXPECT_EQ(englishEntry(sources, splitAtMarker(u"He gave @up smoking"))->headword, "give up");
  // A word the core lexicon does not know takes FreeDict's idiom.
  EXPECT_EQ(englishEntry({&withIdioms, nullptr}, splitAtMarker(u"He @went home."))->headword, "go home");
}

TEST(HungarianEntryTest, InflectedFormFindsTheHeadword) {
  const Dictionary hu = test::smallHungarian();
  const auto e = hungarianEntry(hu, splitAtMarker(u"A @h\u00E1zak nagyok."));
  ASSERT_TRUE(e);
  EXPECT_EQ(e->headword, "h\xC3\xA1z");
  EXPECT_EQ(e->form, "h\xC3\xA1zak");
  EXPECT_EQ(e->sections[0].senses.front(), "house");
  EXPECT_TRUE(hungarianEntry(hu, splitAtMarker(u"egy @alm\u00E1t")));
  EXPECT_FALSE(hungarianEntry(hu, splitAtMarker(u"@house")));
}

}  // namespace
}  // namespace lexiton::dictcore
