// The system code page where there is no Windows: 1252, or 1250 when LEXITON_CODEPAGE says so
// (tests of the Hungarian texts).
#include <lexiton/text_encoding.h>

#include <cstdlib>
#include <cstring>

namespace lexiton {

CodePage systemCodePage() {
  const char* forced = std::getenv("LEXITON_CODEPAGE");
  return forced && std::strcmp(forced, "1250") == 0 ? CodePage::windows1250 : CodePage::windows1252;
}

}  // namespace lexiton
