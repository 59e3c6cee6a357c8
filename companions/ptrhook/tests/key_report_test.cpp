#include "key_report.h"

#include <gtest/gtest.h>

namespace lexiton::ptrhook {
namespace {

TEST(KeyReport, ALetterIsItsCharacter) {
  const char16_t q[] = u"q";
  EXPECT_EQ(keyReport('Q', q, 1), u'q');
  const char16_t o[] = u"\u0151";  // o with double acute on a Hungarian layout
  EXPECT_EQ(keyReport(0xDB, o, 1), 0x151u);
}

TEST(KeyReport, ModifiersAloneAreNotReported) {
  const char16_t none[] = u"";
  for (unsigned vk : {0x10u, 0x11u, 0x12u, 0xA0u, 0xA5u, 0x5Bu, 0x14u})
    EXPECT_FALSE(keyReport(vk, none, 0)) << vk;
}

TEST(KeyReport, AKeyWithoutACharacterIsZero) {
  const char16_t none[] = u"";
  EXPECT_EQ(keyReport(0x25, none, 0), 0u);  // left arrow
}

TEST(KeyReport, ADeadKeyGivesItsSpacingForm) {
  const char16_t acute[] = u"\u00B4";
  EXPECT_EQ(keyReport(0xDD, acute, -1), 0xB4u);
}

TEST(KeyReport, AnUncombinedDeadKeyReportsTheKeysOwnCharacter) {
  const char16_t two[] = u"\u00B4x";
  EXPECT_EQ(keyReport('X', two, 2), u'x');
}

}  // namespace
}  // namespace lexiton::ptrhook
