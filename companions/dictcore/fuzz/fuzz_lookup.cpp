// Arbitrary UTF-16 text as the marked look-up text: splitting, word forms, phrases and the
// plain list stay within their inputs and the result array's reserve.
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "../tests/test_dictionaries.h"
#include "hover_library.h"
#include "plain_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::dictcore;
  static const lexiton::Dictionary english = test::smallEnglish();
  static const lexiton::lexicon::CoreLexicon core = test::smallCore();
  static const lexiton::Dictionary hungarian = test::smallHungarian();
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const MarkedWords words = splitAtMarker(text);
  std::optional<HoverEntry> entry = englishEntry({&english, &core}, words);
  if (!entry) entry = hungarianEntry(hungarian, words);
  if (entry) {
    std::vector<uint8_t> bytes(256);
    LxByteArray result{bytes.data(), 0, uint32_t(bytes.size())};
    std::deque<std::string> texts;
    appendEntryList(*entry, 1038, lexiton::CodePage::windows1250, texts, result);
    if (result.size > result.capacity) __builtin_trap();
  }
  return 0;
}
