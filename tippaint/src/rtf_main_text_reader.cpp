// The main text destination: turns text, Unicode characters and formatting words into runs,
// spans, paragraphs and sections of the document.
#include <algorithm>
#include <array>
#include <string_view>

#include "rtf_destinations.h"

namespace tippaint::rtf {
namespace {

enum class Word {
  kRtf,
  kCharsetKind,
  kAnsiCodePage,
  kUnicodeSkip,
  kDefaultFont,
  kFontTable,
  kColourTable,
  kDefaultTab,
  kDocumentPage,
  kDocumentFlag,
  kTransMetafile,
  kSection,
  kParagraph,
  kPage,
  kLine,
  kSpecial,
  kSectionDefaults,
  kParagraphDefaults,
  kPlain,
  kSectionPage,
  kKeep,
  kAlignment,
  kParagraphLength,
  kCharFlag,
  kCapitals,
  kCharScale,
  kLowered,
  kRaised,
  kVertical,
  kNoSuperSub,
  kRelief,
  kFont,
  kFontSize,
  kStrike,
  kUnderline,
  kHidden,
  kForeground,
  kBackground,
  kHighlight,
  kShapePicture,
  kNonShapePicture,
  kPicture,
  kObject,
  kField,
  kFieldInstruction,
  kUnicode
};

struct WordEntry {
  std::string_view name;
  Word word;
  ParameterRule rule;
  std::int32_t value;  // the word's kind, flag, byte or field selector
};

using R = ParameterRule;
// Fields of a format selected by WordEntry::value.
enum PageField { kPaperW, kPaperH, kMargL, kMargR, kMargT, kMargB };
enum DocFlag { kNoTabInd, kWrapTrsp, kNoExtraSprl, kTruncEx };
enum KeepField { kKeepTogether, kKeepNext, kPageBreakBefore };
enum ParaLength { kFirst, kLeftIndent, kRightIndent, kBefore, kAfter, kSpacing, kMultiple };

// Sorted byte-wise for binary search.
constexpr std::array kWords = std::to_array<WordEntry>({
    {"ansi", Word::kCharsetKind, R::kNone, 0},
    {"ansicpg", Word::kAnsiCodePage, R::kRequired, 0},
    {"b", Word::kCharFlag, R::kAny, CharFormat::kBold},
    {"bullet", Word::kSpecial, R::kAny, 0x95},
    {"caps", Word::kCapitals, R::kAny, 1},
    {"cb", Word::kBackground, R::kRequired, 0},
    {"cf", Word::kForeground, R::kRequired, 0},
    {"charscalex", Word::kCharScale, R::kRequired, 0},
    {"colortbl", Word::kColourTable, R::kNone, 0},
    {"column", Word::kPage, R::kAny, 0},
    {"deff", Word::kDefaultFont, R::kRequired, 0},
    {"deftab", Word::kDefaultTab, R::kRequired, 0},
    {"dn", Word::kLowered, R::kAny, 0},
    {"embo", Word::kRelief, R::kAny, 1},
    {"emdash", Word::kSpecial, R::kAny, 0x97},
    {"emspace", Word::kSpecial, R::kAny, 0x20},
    {"endash", Word::kSpecial, R::kAny, 0x96},
    {"enspace", Word::kSpecial, R::kAny, 0x20},
    {"f", Word::kFont, R::kRequired, 0},
    {"fi", Word::kParagraphLength, R::kRequired, kFirst},
    {"field", Word::kField, R::kNone, 0},
    {"fldinst", Word::kFieldInstruction, R::kNone, 0},
    {"fldrslt", Word::kField, R::kNone, 0},
    {"fonttbl", Word::kFontTable, R::kNone, 0},
    {"fs", Word::kFontSize, R::kRequired, 0},
    {"highlight", Word::kHighlight, R::kRequired, 0},
    {"i", Word::kCharFlag, R::kAny, CharFormat::kItalic},
    {"impr", Word::kRelief, R::kAny, 2},
    {"keep", Word::kKeep, R::kAny, kKeepTogether},
    {"keepn", Word::kKeep, R::kAny, kKeepNext},
    {"ldblquote", Word::kSpecial, R::kAny, 0x93},
    {"li", Word::kParagraphLength, R::kRequired, kLeftIndent},
    {"line", Word::kLine, R::kAny, 0},
    {"lquote", Word::kSpecial, R::kAny, 0x91},
    {"mac", Word::kCharsetKind, R::kNone, 1},
    {"margb", Word::kDocumentPage, R::kRequired, kMargB},
    {"margbsxn", Word::kSectionPage, R::kRequired, kMargB},
    {"margl", Word::kDocumentPage, R::kRequired, kMargL},
    {"marglsxn", Word::kSectionPage, R::kRequired, kMargL},
    {"margr", Word::kDocumentPage, R::kRequired, kMargR},
    {"margrsxn", Word::kSectionPage, R::kRequired, kMargR},
    {"margt", Word::kDocumentPage, R::kRequired, kMargT},
    {"margtsxn", Word::kSectionPage, R::kRequired, kMargT},
    {"noextrasprl", Word::kDocumentFlag, R::kAny, kNoExtraSprl},
    {"nonshppict", Word::kNonShapePicture, R::kNone, 0},
    {"nosupersub", Word::kNoSuperSub, R::kNone, 0},
    {"notabind", Word::kDocumentFlag, R::kAny, kNoTabInd},
    {"object", Word::kObject, R::kNone, 0},
    {"outl", Word::kCharFlag, R::kAny, CharFormat::kOutline},
    {"page", Word::kPage, R::kAny, 0},
    {"pagebb", Word::kKeep, R::kAny, kPageBreakBefore},
    {"paperh", Word::kDocumentPage, R::kRequired, kPaperH},
    {"paperw", Word::kDocumentPage, R::kRequired, kPaperW},
    {"par", Word::kParagraph, R::kAny, 0},
    {"pard", Word::kParagraphDefaults, R::kNone, 0},
    {"pc", Word::kCharsetKind, R::kNone, 2},
    {"pca", Word::kCharsetKind, R::kNone, 3},
    {"pghsxn", Word::kSectionPage, R::kRequired, kPaperH},
    {"pgwsxn", Word::kSectionPage, R::kRequired, kPaperW},
    {"pict", Word::kPicture, R::kNone, 0},
    {"plain", Word::kPlain, R::kNone, 0},
    {"qc", Word::kAlignment, R::kNone, ParaFormat::kCentred},
    {"qj", Word::kAlignment, R::kNone, ParaFormat::kJustified},
    {"ql", Word::kAlignment, R::kNone, ParaFormat::kLeft},
    {"qr", Word::kAlignment, R::kNone, ParaFormat::kRight},
    {"rdblquote", Word::kSpecial, R::kAny, 0x94},
    {"ri", Word::kParagraphLength, R::kRequired, kRightIndent},
    {"rquote", Word::kSpecial, R::kAny, 0x92},
    {"rtf", Word::kRtf, R::kRequired, 0},
    {"sa", Word::kParagraphLength, R::kRequired, kAfter},
    {"sb", Word::kParagraphLength, R::kRequired, kBefore},
    {"scaps", Word::kCapitals, R::kAny, 2},
    {"sect", Word::kSection, R::kAny, 0},
    {"sectd", Word::kSectionDefaults, R::kNone, 0},
    {"shadow", Word::kCharFlag, R::kAny, CharFormat::kShadow},
    {"shppict", Word::kShapePicture, R::kNone, 0},
    {"sl", Word::kParagraphLength, R::kRequired, kSpacing},
    {"slmult", Word::kParagraphLength, R::kRequired, kMultiple},
    {"strike", Word::kStrike, R::kAny, 1},
    {"striked", Word::kStrike, R::kAny, 2},
    {"strikedl", Word::kStrike, R::kAny, 2},
    {"sub", Word::kVertical, R::kAny, CharFormat::kSubscript},
    {"super", Word::kVertical, R::kAny, CharFormat::kSuperscript},
    {"tab", Word::kSpecial, R::kAny, 0x09},
    {"transmf", Word::kTransMetafile, R::kAny, 0},
    {"truncex", Word::kDocumentFlag, R::kAny, kTruncEx},
    {"u", Word::kUnicode, R::kRequired, 0},
    {"uc", Word::kUnicodeSkip, R::kRequired, 0},
    {"ul", Word::kUnderline, R::kAny, 2},
    {"uld", Word::kUnderline, R::kAny, 3},
    {"uldash", Word::kUnderline, R::kAny, 4},
    {"uldashd", Word::kUnderline, R::kAny, 5},
    {"uldashdd", Word::kUnderline, R::kAny, 6},
    {"uldb", Word::kUnderline, R::kAny, 14},
    {"uldbwave", Word::kUnderline, R::kAny, 17},
    {"ulldash", Word::kUnderline, R::kAny, 7},
    {"ulth", Word::kUnderline, R::kAny, 8},
    {"ulthd", Word::kUnderline, R::kAny, 9},
    {"ulthdash", Word::kUnderline, R::kAny, 10},
    {"ulthdashd", Word::kUnderline, R::kAny, 11},
    {"ulthdashdd", Word::kUnderline, R::kAny, 12},
    {"ulthldash", Word::kUnderline, R::kAny, 13},
    {"ulthwave", Word::kUnderline, R::kAny, 16},
    {"ululdbwave", Word::kUnderline, R::kAny, 17},
    {"ulw", Word::kUnderline, R::kAny, 1},
    {"ulwave", Word::kUnderline, R::kAny, 15},
    {"up", Word::kRaised, R::kAny, 0},
    {"v", Word::kHidden, R::kAny, 0},
    {"wraptrsp", Word::kDocumentFlag, R::kAny, kWrapTrsp},
});

static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const WordEntry& a, const WordEntry& b) { return a.name < b.name; }));

const WordEntry* find_word(std::string_view name) {
  const auto it = std::lower_bound(kWords.begin(), kWords.end(), name,
                                   [](const WordEntry& e, std::string_view n) { return e.name < n; });
  return it != kWords.end() && it->name == name ? &*it : nullptr;
}

std::int16_t SectionFormat::*page_field(std::int32_t field) {
  switch (field) {
    case kPaperW:
      return &SectionFormat::page_width;
    case kPaperH:
      return &SectionFormat::page_height;
    case kMargL:
      return &SectionFormat::margin_left;
    case kMargR:
      return &SectionFormat::margin_right;
    case kMargT:
      return &SectionFormat::margin_top;
    default:
      return &SectionFormat::margin_bottom;
  }
}

std::int16_t ParaFormat::*paragraph_field(std::int32_t field) {
  switch (field) {
    case kFirst:
      return &ParaFormat::first_indent;
    case kLeftIndent:
      return &ParaFormat::left_indent;
    case kRightIndent:
      return &ParaFormat::right_indent;
    case kBefore:
      return &ParaFormat::space_before;
    case kAfter:
      return &ParaFormat::space_after;
    case kSpacing:
      return &ParaFormat::line_spacing;
    default:
      return &ParaFormat::line_multiple;
  }
}

std::int16_t low16(std::int32_t value) { return static_cast<std::int16_t>(value); }
std::uint8_t low8(std::int32_t value) { return static_cast<std::uint8_t>(value); }

}  // namespace

MainTextReader::MainTextReader(RtfEventSink& sink, RichDocument& document, ReaderPool& pool)
    : DestinationReader(sink), document_(document), pool_(pool) {
  skip_reader_ = pool_.make<SkipReader>();
  font_table_reader_ = pool_.make<FontTableReader>(pool_, fonts_);
  colour_table_reader_ = pool_.make<ColorTableReader>(colours_);
  picture_reader_ = pool_.make<PictureReader>(picture_, document_);
  object_reader_ = pool_.make<ObjectReader>(picture_, *picture_reader_, *skip_reader_);
}

void MainTextReader::clear_wide(CharFormat& format) {
  // Leaving UTF-16 text is a format change even when no formatting word announced it.
  if (format.wide()) {
    format.set(CharFormat::kWideText, false);
    format_may_have_changed_ = true;
  }
}

void MainTextReader::adopt_format(const CharFormat& format) {
  format_may_have_changed_ = false;
  if (format == pending_format_) return;
  flush();
  pending_format_ = format;
}

void MainTextReader::flush() {
  if (pending_.empty()) return;
  if (pending_format_.wide()) {
    std::u16string units(pending_.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(pending_[2 * i]) |
                                       (static_cast<std::uint8_t>(pending_[2 * i + 1]) << 8));
    }
    document_.add_wide_text_run(pending_format_, std::move(units));
  } else {
    document_.add_text_run(pending_format_, pending_);
  }
  pending_.clear();
}

void MainTextReader::text_byte(std::uint8_t byte, GroupState& state) {
  if (state.hidden != 0) return;
  if (state.skip_count > 0) {
    --state.skip_count;
    return;
  }
  clear_wide(state.character);
  if (format_may_have_changed_) adopt_format(state.character);
  pending_.push_back(static_cast<char>(byte));
}

void MainTextReader::special_character(std::uint8_t byte, GroupState& state) {
  if (state.skip_count > 0) {
    --state.skip_count;
    return;
  }
  text_byte(byte, state);
}

void MainTextReader::unicode_character(std::int32_t value, GroupState& state) {
  if (state.hidden != 0) return;
  state.character.set(CharFormat::kWideText, true);
  adopt_format(state.character);
  const auto unit = static_cast<std::uint16_t>(value);  // modulo 65536
  pending_.push_back(static_cast<char>(unit & 0xFF));
  pending_.push_back(static_cast<char>(unit >> 8));
  state.skip_count = state.unicode_skip;
}

void MainTextReader::on_text(std::uint8_t byte, GroupState& state) { text_byte(byte, state); }

void MainTextReader::on_symbol(char symbol, GroupState& state) {
  if (state.skip_count > 0) {
    --state.skip_count;
    return;
  }
  if (symbol == '~')
    text_byte(0xA0, state);
  else if (symbol == '_')
    text_byte(0xAD, state);
}

bool MainTextReader::on_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                             GroupState& state) {
  if (name != "u") clear_wide(state.character);
  const bool handled = handle_word(name, has_parameter, parameter, state);
  if (handled) format_may_have_changed_ = true;
  return handled;
}

void MainTextReader::end_paragraph(const GroupState& state) {
  document_.end_span(state.character);
  document_.end_paragraph(state.paragraph);
  if (section_format_waiting_) {
    document_.set_section_format(state.section);
    section_format_waiting_ = false;
  }
}

void MainTextReader::apply_font(std::int32_t number, CharFormat& format) const {
  if (number < 0 || static_cast<std::size_t>(number) >= fonts_.size() ||
      !fonts_[static_cast<std::size_t>(number)].defined)
    throw RTFException(RTFException::kUndefinedFont);
  const FontEntry& font = fonts_[static_cast<std::size_t>(number)];
  format.set_face(font.name);
  format.charset = low16(font.charset);
  format.pitch_and_family = low16((font.pitch & 0x0F) | font.family);
}

void MainTextReader::apply_colour(std::int32_t number, bool background, CharFormat& format) const {
  if (number < 0 || static_cast<std::size_t>(number) >= colours_.size())
    throw RTFException(RTFException::kBadColour);
  const ColorEntry& colour = colours_[static_cast<std::size_t>(number)];
  const Rgb rgb{low8(colour.red), low8(colour.green), low8(colour.blue)};
  if (background) {
    format.background = rgb;
    format.set(CharFormat::kBackgroundAuto, colour.is_auto);
  } else {
    format.foreground = rgb;
    format.set(CharFormat::kForegroundAuto, colour.is_auto);
  }
}

bool MainTextReader::handle_word(const std::string& name, bool has_parameter, std::int32_t parameter,
                                 GroupState& state) {
  const WordEntry* entry = find_word(name);
  if (entry == nullptr) return false;
  check_parameter(entry->rule, has_parameter);
  const std::int32_t value = entry->value;
  const bool on = parameter != 0;  // an absent parameter arrives as 1
  CharFormat& ch = state.character;
  ParaFormat& para = state.paragraph;
  switch (entry->word) {
    case Word::kRtf:
      settings_.version = parameter;
      settings_.has_version = true;
      break;
    case Word::kCharsetKind:
      settings_.charset_kind = value;
      break;
    case Word::kAnsiCodePage:
      settings_.code_page = parameter;
      break;
    case Word::kUnicodeSkip:
      state.unicode_skip = parameter;
      break;
    case Word::kDefaultFont:
      settings_.default_font = parameter;
      break;
    case Word::kFontTable:
      state.destination = font_table_reader_;
      break;
    case Word::kColourTable:
      state.destination = colour_table_reader_;
      break;
    case Word::kDefaultTab:
      settings_.default_tab = parameter;
      break;
    case Word::kDocumentPage:
      settings_.page.*page_field(value) = low16(parameter);
      state.section.*page_field(value) = low16(parameter);
      break;
    case Word::kDocumentFlag: {
      std::int32_t* flags[] = {&settings_.notabind, &settings_.wraptrsp, &settings_.noextrasprl,
                               &settings_.truncex};
      *flags[value] = parameter;
      break;
    }
    case Word::kTransMetafile:
      break;
    case Word::kSection:
      state.skip_count = 0;
      flush();
      if (!document_.paragraph_pending()) end_paragraph(state);
      document_.request_new_section();
      section_format_waiting_ = true;
      break;
    case Word::kParagraph:
      state.skip_count = 0;
      flush();
      end_paragraph(state);
      break;
    case Word::kPage:
      flush();
      state.skip_count = 0;
      break;
    case Word::kLine:
      flush();
      state.skip_count = 0;
      document_.end_span(ch);
      break;
    case Word::kSpecial:
      special_character(static_cast<std::uint8_t>(value), state);
      break;
    // A section's defaults are the document's page.
    case Word::kSectionDefaults:
      state.section = settings_.page;
      break;
    case Word::kParagraphDefaults:
      para = ParaFormat{};
      break;
    case Word::kPlain:
      ch = CharFormat{};
      apply_font(settings_.default_font, ch);
      break;
    case Word::kSectionPage:
      state.section.*page_field(value) = low16(parameter);
      break;
    case Word::kKeep: {
      const bool bit = (parameter & 1) != 0;
      if (value == kKeepTogether)
        para.keep_together = bit;
      else if (value == kKeepNext)
        para.keep_with_next = bit;
      else
        para.page_break_before = bit;
      break;
    }
    case Word::kAlignment:
      para.alignment = value;
      break;
    case Word::kParagraphLength:
      para.*paragraph_field(value) = low16(parameter);
      break;
    case Word::kCharFlag:
      ch.set(value, (parameter & 1) != 0);
      break;
    case Word::kCapitals:
      ch.capitals = on ? value : 0;
      break;
    case Word::kCharScale:
      ch.scale_x = low16(parameter);
      break;
    case Word::kLowered:
      ch.lowered = low16(has_parameter ? parameter : 6);
      break;
    case Word::kRaised:
      ch.raised = low16(has_parameter ? parameter : 6);
      break;
    case Word::kVertical:
      ch.vertical = on ? value : 0;
      break;
    case Word::kNoSuperSub:
      ch.vertical = CharFormat::kNormal;
      break;
    case Word::kRelief:
      ch.relief = on ? value : 0;
      break;
    case Word::kFont:
      apply_font(parameter, ch);
      break;
    case Word::kFontSize:
      ch.size = low16(parameter);
      break;
    case Word::kStrike:
      ch.strike = on ? value : 0;
      break;
    case Word::kUnderline:
      ch.underline = on ? value : 0;
      break;
    case Word::kHidden:
      state.hidden = parameter;
      break;
    case Word::kForeground:
      apply_colour(parameter, false, ch);
      break;
    case Word::kBackground:
      apply_colour(parameter, true, ch);
      break;
    case Word::kHighlight:
      ch.flags = (ch.flags & ~CharFormat::kHighlightMask) | (parameter & CharFormat::kHighlightMask);
      break;
    case Word::kShapePicture:
      state.destination = skip_reader_;
      break;
    case Word::kNonShapePicture:
      break;
    case Word::kPicture:
      picture_.reset();
      state.destination = picture_reader_;
      break;
    case Word::kObject:
      state.destination = object_reader_;
      break;
    case Word::kField:
      break;
    case Word::kFieldInstruction:
      state.destination = skip_reader_;
      break;
    case Word::kUnicode:
      unicode_character(parameter, state);
      break;
  }
  return true;
}

void MainTextReader::on_finished(const GroupState& popped) {
  flush();
  if (!document_.paragraph_pending()) end_paragraph(popped);
  document_.request_new_section();
}

void MainTextReader::on_switched_away(GroupState& state, DestinationReader*) {
  flush();
  state.skip_count = 0;
}

void MainTextReader::on_child_finished(GroupState& state, DestinationReader* child) {
  if (child != font_table_reader_) return;
  apply_font(settings_.default_font, state.character);
  format_may_have_changed_ = true;
}

}  // namespace tippaint::rtf
