// The message pairs live as UTF-16 so that one table serves whichever single-byte code page
// the process runs in (1250 on Hungarian Windows, where every letter here exists).
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
  return toCodePage(language == kHungarian ? pair->hungarian : pair->english, systemCodePage());
}

}  // namespace lexiton::lookup
