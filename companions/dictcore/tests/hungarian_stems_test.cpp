#include "hungarian_stems.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lexiton::dictcore {
namespace {

bool hasStem(std::string_view word, std::string_view stem) {
  const auto stems = hungarianStems(word);
  return std::find(stems.begin(), stems.end(), stem) != stems.end();
}

TEST(HungarianStemsTest, WordItselfFirstInLowerCase) {
  EXPECT_EQ(hungarianStems("H\xC3\x81Z").front(), "h\xC3\xA1z");  // HÁZ -> ház
  EXPECT_EQ(hungarianLower("\xC5\x90SZ"), "\xC5\x91sz");          // ŐSZ -> ősz
}

TEST(HungarianStemsTest, PluralAndCaseEndings) {
  EXPECT_TRUE(hasStem("h\xC3\xA1zak", "h\xC3\xA1z"));      // házak
  EXPECT_TRUE(hasStem("h\xC3\xA1zakban", "h\xC3\xA1z"));   // házakban
  EXPECT_TRUE(hasStem("k\xC3\xB6nyvet", "k\xC3\xB6nyv"));  // könyvet
  EXPECT_TRUE(hasStem("alm\xC3\xA1t", "alma"));            // almát
  EXPECT_TRUE(
      hasStem("kef\xC3\xA9"
              "b\xC5\x91l",
              "kefe"));  // keféből
}

TEST(HungarianStemsTest, NoStemShorterThanTwoLetters) {
  for (const std::string& s : hungarianStems("at")) EXPECT_GE(s.size(), 2u) << s;
  EXPECT_EQ(hungarianStems("").size(), 0u);
}

TEST(HungarianStemsTest, HungarianLetters) {
  EXPECT_TRUE(looksHungarian("h\xC3\xA1z"));
  EXPECT_TRUE(looksHungarian("T\xC5\xB0Z"));
  EXPECT_FALSE(looksHungarian("house"));
}

}  // namespace
}  // namespace lexiton::dictcore
