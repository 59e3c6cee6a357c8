// The word list's readers of what the host has at a look-up: the first byte picks the code
// page and the cursor; the rest is read as the look-up's plain text, as the hover list's lines
// (split at line feeds, a leading '#' marking a heading), and as UTF-16 text around the pointer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/lookup_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lexiton::host;
  if (size == 0) return 0;
  const lexiton::CodePage page =
      (data[0] & 1) ? lexiton::CodePage::windows1250 : lexiton::CodePage::windows1252;
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

  firstAlternative(input, page);

  std::vector<HoverLine> lines;
  std::string_view rest = input;
  std::string_view headword = rest.substr(0, rest.find('\n'));
  while (rest.find('\n') != std::string_view::npos) {
    rest.remove_prefix(rest.find('\n') + 1);
    const std::string_view line = rest.substr(0, rest.find('\n'));
    const bool heading = !line.empty() && line.front() == '#';
    lines.push_back({heading, std::string(heading ? line.substr(1) : line)});
  }
  hoverTexts(headword, lines, page);

  std::u16string text;
  for (std::size_t i = 0; i + 1 < input.size(); i += 2)
    text.push_back(char16_t(uint8_t(input[i]) | (uint8_t(input[i + 1]) << 8)));
  const std::size_t cursor = text.empty() ? 0 : data[0] % (text.size() + 1);
  const WordInSentence found = wordInSentence(text, cursor);
  // The word stands in the sentence where the offset says.
  if (!found.word.empty() &&
      (found.wordOffset < 0 ||
       found.sentence.compare(std::size_t(found.wordOffset), found.word.size(), found.word) != 0))
    std::abort();
  return 0;
}
