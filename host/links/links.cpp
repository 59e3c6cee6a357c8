#include "links/links.h"

#include <lexiton/language_ids.h>
#include <lexiton/web_site.h>

namespace lexiton::host::links {

namespace {

// Pages in English carry this query; the Hungarian page is the address alone.
constexpr std::string_view kEnglishQuery = "?lang=en";
constexpr std::string_view kMakerPage = "/veltrix.asp";
constexpr std::string_view kFamilyPage = "/korvell.asp";
constexpr std::string_view kFeedbackScript = "/feedback.asp";
// The program's version and product tag, as the feedback script files the report.
constexpr std::string_view kWho = "&who=1.2.3.44lx";
constexpr std::string_view kEnglishFeedback = "&lang=en";

std::string page(std::string_view path, int language) {
  std::string address = webHost() + std::string(path);
  if (!isHungarian(language)) address += kEnglishQuery;
  return address;
}

}  // namespace

std::string helpFile(int language) { return isHungarian(language) ? "kvoHelpHU.chm" : "kvoHelpEN.chm"; }

std::string makerPage(int language) { return page(kMakerPage, language); }

std::string familyPage(int language) { return page(kFamilyPage, language); }

std::string escapeDescription(std::string_view plainText) {
  std::string escaped;
  escaped.reserve(plainText.size());
  for (char c : plainText) {
    switch (c) {
      case '&':
        escaped += "%26";
        break;
      case '#':
        escaped += "%23";
        break;
      case ';':
        escaped += "%3B";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string feedbackAddress(std::string_view plainText, int language) {
  std::string address =
      webHost() + std::string(kFeedbackScript) + "?description=" + escapeDescription(plainText);
  address += kWho;
  // Only the British English interface asks for the English page; every other language gets
  // the script's own.
  if (language == kLanguageEnglishUK) address += kEnglishFeedback;
  return address;
}

std::string aboutFallback() { return "Lexiton, made by Veltrix\r\n" + webHost(); }

}  // namespace lexiton::host::links
