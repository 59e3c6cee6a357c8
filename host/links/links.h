// What the host opens outside itself and what its about box falls back to: the help file of
// the interface language, the maker's and the product family's pages, the feedback page with
// the result on show, and the about box's separator and fallback text. The addresses are on
// the product's web site (lexiton/web_site.h); the opening itself is lexiton/shell_open.h's.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::host::links {

// "kvoHelpHU.chm" for Hungarian, "kvoHelpEN.chm" for every other language; relative to the
// program's folder, which is the current one.
std::string helpFile(int language);

// The maker's and the product family's pages: the Hungarian ones for 1038, the English ones
// for every other language.
std::string makerPage(int language);
std::string familyPage(int language);

// The feedback script's address with the query for one result: "?description=" and the plain
// text escaped, "&who=" with the program's version and product tag, and for 2057 "&lang=en".
std::string feedbackAddress(std::string_view plainText, int language);

// The description as the query carries it, byte by byte: "&" becomes "%26", "#" "%23" and ";"
// "%3B"; every other byte is kept (the look-up library already wrote line breaks as %0D%0A).
std::string escapeDescription(std::string_view plainText);

// Between two about texts in the about box, as RTF.
inline constexpr std::string_view kAboutSeparator = "{\\rtf1 \\par \\par}";
// What the about box shows when the look-up library gives no about text: two lines of plain
// text naming the maker and its web address.
std::string aboutFallback();

}  // namespace lexiton::host::links
