#include "plain_list.h"
#include "plain_list_texts.h"

#include <lexiton/chunk_list.h>
#include <lexiton/language_ids.h>

#include <gtest/gtest.h>

#include <cstring>

namespace lexiton::dictcore {
namespace {

std::vector<std::string> readBack(const std::vector<uint8_t>& bytes, uint32_t size) {
  return plainListTexts(bytes.data(), size);
}

HoverEntry went() {
  HoverEntry e;
  e.headword = "go";
  e.form = "went";
  e.pronunciation = "\xC9\xA1\xCB\x88\xC9\x99\xCA\x8A";  // ɡˈəʊ
  e.sections = {{PartOfSpeech::verb, {"megy", "j\xC3\xA1r"}}, {PartOfSpeech::noun, {"alku"}}};
  return e;
}

struct Reserve {
  explicit Reserve(uint32_t capacity) : bytes(capacity, 0xCC) {
    array = {bytes.data(), 4, capacity};
    std::memset(bytes.data(), 0, 4);
  }
  std::vector<uint8_t> bytes;
  LxByteArray array;
};

TEST(PlainListTest, HeadwordHeadingsAndLinesInTheCodePage) {
  Reserve r(LX_LOCAL_RESULT_RESERVE);
  std::deque<std::string> texts;
  ASSERT_TRUE(appendEntryList(went(), kLanguageHungarian, CodePage::windows1250, texts, r.array));
  EXPECT_EQ(readBack(r.bytes, r.array.size), (std::vector<std::string>{"went \xBB go  /g'@U/", "#ige", "megy",
                                                                       "j\xE1r", "#f\xF5n\xE9v", "alku"}));
  EXPECT_TRUE(ChunkView(r.bytes.data(), r.array.size).wellFormed());
}

TEST(PlainListTest, LettersTheCodePageLacksAreDrawnAlike) {
  HoverEntry e;
  e.headword = "t\xC5\xB1z";                                        // tűz
  e.sections = {{PartOfSpeech::noun, {"\xC5\x91r", "\xC3\xA9g"}}};  // őr, ég
  Reserve r(LX_LOCAL_RESULT_RESERVE);
  std::deque<std::string> texts;
  ASSERT_TRUE(appendEntryList(e, kLanguageHungarian, CodePage::windows1252, texts, r.array));
  EXPECT_EQ(readBack(r.bytes, r.array.size),
            (std::vector<std::string>{"t\xFCz", "#f\xF6n\xE9v", "\xF6r", "\xE9g"}));
}

TEST(PlainListTest, EnglishHeadingsAndTheOtherSenses) {
  HoverEntry e = went();
  e.sections.push_back({PartOfSpeech::other, {"numera"}});
  Reserve r(LX_LOCAL_RESULT_RESERVE);
  std::deque<std::string> texts;
  ASSERT_TRUE(appendEntryList(e, kLanguageEnglishUK, CodePage::windows1252, texts, r.array));
  const auto back = readBack(r.bytes, r.array.size);
  EXPECT_EQ(back[1], "#verb");
  EXPECT_EQ(back[back.size() - 2], "#other");
}

TEST(PlainListTest, PronunciationLeftOutWhenTheFontCannotDrawIt) {
  HoverEntry e = went();
  e.pronunciation = "\xE2\x98\x83";  // a snowman is no IPA
  EXPECT_EQ(headwordLine(e), "went \xC2\xBB go");
  e.form.clear();
  e.pronunciation = "h\xCB\x88\x61\xCA\x8As";
  EXPECT_EQ(headwordLine(e), "go  /h'aUs/");
}

TEST(PlainListTest, TooSmallAReserveIsNeverWrittenPast) {
  for (uint32_t capacity : {4u, 16u, 40u}) {
    Reserve r(capacity + 16);
    r.array.capacity = capacity;
    std::deque<std::string> texts;
    EXPECT_FALSE(appendEntryList(went(), kLanguageHungarian, CodePage::windows1250, texts, r.array));
    EXPECT_EQ(r.array.size, 4u);
    for (uint32_t i = capacity; i < capacity + 16; ++i) EXPECT_EQ(r.bytes[i], 0xCC) << i;
  }
}

TEST(PlainListTest, OneLineList) {
  Reserve r(256);
  std::deque<std::string> texts;
  ASSERT_TRUE(appendTextList("nincs tal\xE1lat", texts, r.array));
  EXPECT_EQ(readBack(r.bytes, r.array.size), (std::vector<std::string>{"nincs tal\xE1lat"}));
}

}  // namespace
}  // namespace lexiton::dictcore
