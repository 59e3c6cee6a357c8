// Arbitrary query texts through the translator over the shipped dictionary and core lexicon, as
// the build writes them: every rule that needs a word of the real lexicon ("times", "likely",
// a verb of saying after a quotation) is reached, which the small built lexicon of
// fuzz_translator cannot do. The reply stays within its bound and its codes.
#include <cstdint>
#include <cstdlib>

#include "lexiton/translator/translator.h"

namespace {
const lexiton::translator::Translator& translator() {
  static const lexiton::translator::Translator t =
      lexiton::translator::Translator::fromFile(LEXITON_FUZZ_DICTIONARY);
  return t;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto r = translator().translate(std::string_view(reinterpret_cast<const char*>(data), size));
  if (r.reply.size() > lexiton::translator::kMaxReplyBytes) std::abort();
  if (r.code != 0 && r.code != 1) std::abort();
  return 0;
}
