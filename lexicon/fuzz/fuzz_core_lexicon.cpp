// Arbitrary bytes as a compiled core lexicon, and each line as a lexicon source entry: either
// read or refused with CoreLexicon::cExc / an error text, never anything else.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lexiton/lexicon/core_lexicon.h"
#include "lexiton/lexicon/lexicon_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const lexiton::lexicon::CoreLexicon c = lexiton::lexicon::CoreLexicon::fromText(text);
    if (c.size() > size) std::abort();
  } catch (const lexiton::lexicon::CoreLexicon::cExc&) {
  }
  std::string error;
  const std::size_t nl = text.find('\n');
  const auto e = lexiton::lexicon::parseEntryLine(text.substr(0, nl), error);
  if (e && (e->senses.empty() || e->senses.size() > lexiton::lexicon::kMaxSenses)) std::abort();
  if (!e && error.empty()) std::abort();
  return 0;
}
