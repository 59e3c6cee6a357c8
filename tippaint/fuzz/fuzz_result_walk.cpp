// The painter's walk over a host result array: finding the painted chunk, stepping through an
// RTF chunk and reading a plain list's words, all bounded by the bytes given.
#include <tippaint/result_walk.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto chunk = tippaint::find_paintable_chunk(data, size);
  if (!chunk) return 0;
  if (chunk->kind == tippaint::ResultKind::Rtf) {
    const std::string_view payload(reinterpret_cast<const char*>(chunk->data), chunk->size);
    std::size_t at = 0, steps = 0;
    for (;;) {
      const auto step = tippaint::next_rtf_payload_step(payload, at);
      if (step.kind == tippaint::RtfPayloadStep::Kind::End) break;
      if (step.offset < at || step.offset >= payload.size()) __builtin_trap();
      at = step.offset + 1;
      ++steps;
    }
    if (steps > payload.size()) __builtin_trap();
  } else {
    for (const std::size_t word_size : {4u, 8u}) {
      const auto list = tippaint::read_plain_list_words(chunk->data, chunk->size, word_size);
      if (list && list->entries.size() * 2 > chunk->size / word_size) __builtin_trap();
    }
  }
  return 0;
}
