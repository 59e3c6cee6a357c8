// Feeds arbitrary bytes to the RTF tokenizer: it may only end in an RTFException, never read
// outside the input, or recurse.
#include "tippaint/rtf_tokenizer.h"

#include <cstdint>
#include <string>

namespace {
class Sink : public tippaint::RtfEventSink {
 public:
  void on_text(std::uint8_t) override {}
  void on_binary(std::uint8_t) override {}
  void on_symbol(char) override {}
  void on_word(const std::string& n, bool, std::int32_t, bool) override {
    if (n.empty() || n.size() > tippaint::kMaxWordLength) __builtin_trap();
  }
  void on_group_open() override {}
  void on_group_close() override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Sink sink;
  tippaint::RtfTokenizer tok(sink);
  try {
    // A byte is given again at most once, so the loop is bounded by twice the input.
    std::size_t steps = 0;
    for (std::size_t i = 0; i < size;) {
      if (tok.feed(data[i])) ++i;
      if (++steps > 2 * size + 1) __builtin_trap();
    }
  } catch (const tippaint::RTFException&) {
  }
  return 0;
}
