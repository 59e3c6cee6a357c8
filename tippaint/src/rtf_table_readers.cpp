// The destinations that fill the font and colour tables, collect strings, and the parameter
// and skipped-destination rules every destination shares.
#include <algorithm>
#include <array>
#include <string_view>

#include "rtf_destinations.h"

namespace tippaint::rtf {
namespace {

// Searched by binary search; keep sorted byte-wise.
constexpr std::array<std::string_view, 57> kSkippedDestinations = {
    "annotation", "atnicn",   "atnid",      "atntime",  "author",   "bkmkend",  "bkmkstart", "buptim",
    "colortbl",   "comment",  "creatim",    "doccomm",  "field",    "filetbl",  "fldinst",   "fldrslt",
    "fontemb",    "fontfile", "fonttbl",    "footer",   "footerf",  "footerl",  "footerr",   "footnote",
    "ftncn",      "ftnsep",   "ftnsepc",    "header",   "headerf",  "headerl",  "headerr",   "info",
    "keycode",    "keywords", "nextfile",   "objalias", "objclass", "objdata",  "object",    "objname",
    "objsect",    "objtime",  "operator",   "pict",     "printim",  "result",   "revtbl",    "revtim",
    "rtf",        "rxe",      "stylesheet", "subject",  "tc",       "template", "title",     "txe",
    "xe"};

}  // namespace

void check_parameter(ParameterRule rule, bool has_parameter) {
  if (rule == ParameterRule::kRequired && !has_parameter) throw RTFException(RTFException::kMissingParameter);
  if (rule == ParameterRule::kNone && has_parameter) throw RTFException(RTFException::kUnexpectedParameter);
}

bool is_skipped_destination(const std::string& name) {
  static_assert(std::is_sorted(kSkippedDestinations.begin(), kSkippedDestinations.end()));
  return std::binary_search(kSkippedDestinations.begin(), kSkippedDestinations.end(), std::string_view(name));
}

void TextCollector::on_text(std::uint8_t byte, GroupState&) { target_().push_back(static_cast<char>(byte)); }

bool FontTableReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                              GroupState& state) {
  if (name != "f") return false;
  check_parameter(ParameterRule::kRequired, has_parameter);
  // A negative or huge number can never be a usable font; refusing it keeps the table small.
  if (parameter < 0 || parameter > kMaxFontNumber) throw RTFException(RTFException::kUndefinedFont);
  const auto slot = static_cast<std::size_t>(parameter);
  if (fonts_.size() <= slot) fonts_.resize(slot + 1);
  fonts_[slot] = FontEntry{};
  fonts_[slot].defined = true;
  state.destination = pool_.make<FontEntryReader>(pool_, fonts_, slot);
  return true;
}

void FontEntryReader::on_text(std::uint8_t byte, GroupState&) {
  if (byte != ';') entry().name.push_back(static_cast<char>(byte));
}

bool FontEntryReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                              GroupState& state) {
  struct Family {
    std::string_view name;
    std::int32_t value;
  };
  static constexpr Family kFamilies[] = {{"fnil", 0x00},    {"froman", 0x10},  {"fswiss", 0x20},
                                         {"fmodern", 0x30}, {"fscript", 0x40}, {"fdecor", 0x50},
                                         {"ftech", 0x60},   {"fbidi", 0x70}};
  for (const Family& family : kFamilies) {
    if (name == family.name) {
      check_parameter(ParameterRule::kNone, has_parameter);
      entry().family = family.value;
      return true;
    }
  }
  std::int32_t FontEntry::*number = nullptr;
  if (name == "fcharset")
    number = &FontEntry::charset;
  else if (name == "fprq")
    number = &FontEntry::pitch;
  else if (name == "fbias")
    number = &FontEntry::bias;
  else if (name == "cpg")
    number = &FontEntry::code_page;
  if (number != nullptr) {
    check_parameter(ParameterRule::kRequired, has_parameter);
    entry().*number = parameter;
    return true;
  }
  std::string FontEntry::*text = nullptr;
  if (name == "panose")
    text = &FontEntry::panose;
  else if (name == "fname")
    text = &FontEntry::real_name;
  else if (name == "falt")
    text = &FontEntry::alt_name;
  if (text != nullptr) {
    check_parameter(ParameterRule::kNone, has_parameter);
    std::vector<FontEntry>* fonts = &fonts_;
    const std::size_t slot = slot_;
    state.destination =
        pool_.make<TextCollector>([fonts, slot, text]() -> std::string& { return (*fonts)[slot].*text; });
    return true;
  }
  return false;
}

void ColorTableReader::on_text(std::uint8_t byte, GroupState&) {
  if (byte != ';') return;
  if (colours_.size() >= kMaxColours) throw RTFException(RTFException::kTooLarge);
  colours_.push_back(current_);
  current_ = ColorEntry{};
}

bool ColorTableReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                               GroupState&) {
  std::int32_t ColorEntry::*component = nullptr;
  if (name == "red")
    component = &ColorEntry::red;
  else if (name == "green")
    component = &ColorEntry::green;
  else if (name == "blue")
    component = &ColorEntry::blue;
  if (component == nullptr) return false;
  check_parameter(ParameterRule::kRequired, has_parameter);
  current_.*component = parameter;
  current_.is_auto = false;
  return true;
}

}  // namespace tippaint::rtf
