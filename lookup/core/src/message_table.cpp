// The message pairs, English and Hungarian. Hungarian texts are always Windows-1250 bytes, like
// the server's reply and the protocol's messages they are laid out with: the style sheet's fonts
// are Central European (charset 238) whatever code page the process runs in, and a 1252
// conversion would turn "ő" and "ű" into other letters.
#include "lexiton/lookup/message_table.h"

#include <lexiton/text_encoding.h>

namespace lexiton::lookup {

namespace {

struct MessagePair {
  int number;
  const char16_t* english;
  const char16_t* hungarian;
};

constexpr MessagePair kMessages[] = {
    {kTranslationFailed1, u"Translation failed. (1)", u"Sikertelen ford\u00edt\u00e1s! (1)"},
    {kTranslationFailed2, u"Translation failed. (2)", u"Sikertelen ford\u00edt\u00e1s! (2)"},
    {kTranslationFailed3, u"Translation failed. (3)", u"Sikertelen ford\u00edt\u00e1s! (3)"},
    {kTextNotEnglish, u"The text is not english.", u"A sz\u00f6veg nem angol!"},
    {kWrongCredentials, u"Wrong username or password.",
     u"Hib\u00e1s a megadott felhaszn\u00e1l\u00f3n\u00e9v vagy jelsz\u00f3!"},
    {kMosaicTranslation, u"mosaic translation", u"mozaikford\u00edt\u00e1s"},
    {kRepairedTranslation, u"repaired translation", u"jav\u00edtott forr\u00e1s\u00fa ford\u00edt\u00e1s"},
    {kUnknownWordsUnderlined, u"unknown words underlined", u"ismeretlen szavak al\u00e1h\u00fazva"},
};

constexpr MessagePair kUnknown{0, u"Unknown string", u"Ismeretlen sz\u00f6veg"};

}  // namespace

std::string lookupMessage(int number, int language) {
  const MessagePair* pair = &kUnknown;
  for (const MessagePair& m : kMessages) {
    if (m.number == number) pair = &m;
  }
  if (isHungarian(language)) return toCodePage(pair->hungarian, CodePage::windows1250);
  return toCodePage(pair->english, CodePage::windows1252);
}

}  // namespace lexiton::lookup
