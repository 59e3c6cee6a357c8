#include "tidy_text.h"

namespace lexiton::textgrab {

namespace {

bool isBlank(char16_t c) { return c <= u' ' || c == u'\u00A0' || c == u'\u2028' || c == u'\u2029'; }

}  // namespace

std::optional<CapturedText> tidy(std::u16string_view text, std::size_t cursor) {
  CapturedText out;
  std::optional<std::size_t> mapped;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isBlank(text[i])) {
      pendingSpace = !out.text.empty();
      continue;
    }
    if (pendingSpace) out.text += u' ';
    pendingSpace = false;
    if (!mapped && i >= cursor) mapped = out.text.size();
    out.text += text[i];
  }
  if (out.text.empty()) return std::nullopt;
  // A cursor after the last visible character stays on it.
  out.cursor = mapped.value_or(out.text.size() - 1);
  return out;
}

std::optional<CapturedText> labelWithoutPosition(std::u16string_view text) {
  auto tidied = tidy(text, 0);
  if (!tidied || tidied->text.size() > kLabelMaxCharacters) return std::nullopt;
  for (char16_t c : text)
    if (c == u'\r' || c == u'\n' || c == u'\u2029') return std::nullopt;
  std::size_t words = 1;
  for (char16_t c : tidied->text) words += c == u' ';
  if (words > kLabelMaxWords) return std::nullopt;
  return tidied;
}

}  // namespace lexiton::textgrab
