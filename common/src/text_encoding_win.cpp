// The system code page on Windows: the ANSI code page, when it is one the tables know.
#include <lexiton/text_encoding.h>

#include <windows.h>

namespace lexiton {

CodePage systemCodePage() { return GetACP() == 1250 ? CodePage::windows1250 : CodePage::windows1252; }

}  // namespace lexiton
