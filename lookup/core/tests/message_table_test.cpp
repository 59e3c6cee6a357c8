// The look-up's message pairs: English, and Hungarian as Windows-1250 bytes.
#include <gtest/gtest.h>
#include <lexiton/text_encoding.h>

#include <cstdlib>

#include "lexiton/lookup/message_table.h"

using namespace lexiton;
using namespace lexiton::lookup;

TEST(MessageTable, EnglishAndHungarianTextsByNumber) {
  struct Row {
    int number;
    const char* english;
    const char16_t* hungarian;
  } rows[] = {
      {1004, "Translation failed. (1)", u"Sikertelen fordítás! (1)"},
      {1008, "Translation failed. (2)", u"Sikertelen fordítás! (2)"},
      {1009, "Translation failed. (3)", u"Sikertelen fordítás! (3)"},
      {1010, "The text is not english.", u"A szöveg nem angol!"},
      {1011, "Wrong username or password.", u"Hibás a megadott felhasználónév vagy jelszó!"},
      {1031, "mosaic translation", u"mozaikfordítás"},
      {1032, "repaired translation", u"javított forrású fordítás"},
      {1033, "unknown words underlined", u"ismeretlen szavak aláhúzva"},
      {1005, "Unknown string", u"Ismeretlen szöveg"},
      {0, "Unknown string", u"Ismeretlen szöveg"},
      {-1, "Unknown string", u"Ismeretlen szöveg"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.number);
    EXPECT_EQ(lookupMessage(row.number, 1033), row.english);
    EXPECT_EQ(lookupMessage(row.number, 0), row.english);
    EXPECT_EQ(lookupMessage(row.number, 1038), toCodePage(row.hungarian, CodePage::windows1250));
  }
}

TEST(MessageTable, HungarianLettersAreSingleWindowsBytes) {
  // The same bytes in 1250 and 1252: none of these texts needs "ő" or "ű".
  EXPECT_EQ(lookupMessage(1011, 1038), "Hib\xE1s a megadott felhaszn\xE1l\xF3n\xE9v vagy jelsz\xF3!");
  EXPECT_EQ(lookupMessage(1032, 1038), "jav\xEDtott forr\xE1s\xFA ford\xEDt\xE1s");
  EXPECT_EQ(toCodePage(u"ismeretlen szavak aláhúzva", CodePage::windows1250),
            toCodePage(u"ismeretlen szavak aláhúzva", CodePage::windows1252));
}

#ifndef _WIN32
TEST(MessageTable, HungarianBytesDoNotFollowTheProcessCodePage) {
  // The tooltip's fonts are Central European in every process, so a 1252 process must not
  // get other bytes than a 1250 one.
  ::unsetenv("LEXITON_CODEPAGE");
  ASSERT_EQ(systemCodePage(), CodePage::windows1252);
  const std::string in1252 = lookupMessage(1010, 1038);
  ::setenv("LEXITON_CODEPAGE", "1250", 1);
  ASSERT_EQ(systemCodePage(), CodePage::windows1250);
  EXPECT_EQ(lookupMessage(1010, 1038), in1252);
  EXPECT_EQ(in1252, "A sz\xF6veg nem angol!");
  ::unsetenv("LEXITON_CODEPAGE");
}
#endif
