// Arbitrary query texts through the translator over a small built dictionary: decoding,
// sentence finding, phrase matching and markup stay within their bounds.
#include <cstdint>
#include <cstdlib>

#include "lexiton/dictionary_image.h"
#include "lexiton/translator/translator.h"

namespace {
const lexiton::translator::Translator& translator() {
  static const lexiton::translator::Translator t(lexiton::Dictionary::fromBytes(lexiton::compileDictionaryImage(
      {{"house", "", {"h\xC3\xA1z", "\xC3\xA9p\xC3\xBClet"}},
       {"big", "", {"nagy"}},
       {"to give up", "", {"felad", "abbahagy"}},
       {"fire", "", {"t\xC5\xB1z \xE2\x9C\x93"}},
       {"ice cream", "", {"fagylalt"}},
       {"john", "", {"budi"}}})));
  return t;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto r = translator().translate(text);
  if (r.reply.size() > lexiton::translator::kMaxReplyBytes) std::abort();
  if (r.code != 0 && r.code != 1) std::abort();
  return 0;
}
