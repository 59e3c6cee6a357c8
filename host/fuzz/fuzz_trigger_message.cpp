// The trigger message as another program sends it: the first byte picks the data kind, the rest is
// the data block. Whatever arrives, the parser reads only within the block, and the text it
// gives goes through the cuts without a cursor ever indexing past its text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <lexiton/text_encoding.h>

#include "hover/text_cuts.h"
#include "hover/trigger_message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::host;
  if (size < 1 || size > 1 << 16) return 0;
  // A copy of exactly the block, so a read past it is caught by the sanitizer.
  const std::string block(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto message = parseTriggerMessage(data[0] % 4, block.data(), block.size());
  if (!message || message->kind != TriggerKind::text) return 0;
  const char* begin = block.data();
  if (message->text.data() < begin || message->text.data() + message->text.size() >= begin + block.size())
    std::abort();
  if (message->cursor > message->text.size()) std::abort();

  const std::u16string text = lexiton::fromCodePage(message->text, lexiton::CodePage::windows1252);
  const TriggerText cut = cutToCursorLine(text, static_cast<int>(message->cursor));
  for (char16_t c : cut.text)
    if (c < 0x20) std::abort();
  if (cut.text.size() > text.size()) std::abort();
  const std::u16string local = localLookupText(cut.text, cut.cursor);
  if (local.size() > cut.text.size() + 1) std::abort();
  return 0;
}
