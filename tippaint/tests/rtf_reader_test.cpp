// The RTF reader over the document model: structure, formats, Unicode fallback, tables,
// pictures, skipped destinations, every error code, bounds, and truncated input.
#include "tippaint/rtf_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "rtf_test_support.h"
#include "tippaint/rtf_tokenizer.h"

namespace tippaint {
namespace {

using testing::dump;
using testing::error_of;
using testing::format_at;
using testing::item_at;
using testing::parse_dump;

// The header the client's style sheet writes in front of every tooltip document.
const std::string kClientHeader =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}{\\f1\\fswiss\\fcharset238 Tahoma;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue0;"
    "\\red96\\green96\\blue96;\\red192\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs16 ";

const std::string kClientDocument =
    kClientHeader +
    "{\\pard\\plain\\f0\\fs16\\cf2 The {\\b houses} are {\\ul big}.\\par}"
    "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i A h\\'e1zak nagyok \\u337 s\\u369 r\\u369 .\\par}"
    "{\\pard\\plain\\f1\\fs14\\cf4 Lexiton\\par}}";

TEST(RtfReaderStructure, SectionsParagraphsAndSpans) {
  RichDocument doc;
  parse_document("{\\rtf1 a\\line b\\par c}", doc);
  ASSERT_EQ(doc.sections().size(), 1u);
  const Section& section = doc.sections()[0];
  ASSERT_EQ(section.paragraphs.size(), 2u);
  EXPECT_EQ(section.paragraphs[0].spans.size(), 2u);
  EXPECT_EQ(section.paragraphs[1].spans.size(), 1u);
  EXPECT_EQ(dump(doc), "a/b|c");
  EXPECT_TRUE(doc.section_pending());

  EXPECT_EQ(parse_dump("{\\rtf1 \\par\\par}"), "|");
  RichDocument empty;
  parse_document("{\\rtf1 \\par\\par}", empty);
  ASSERT_EQ(empty.sections()[0].paragraphs.size(), 2u);
  for (const Paragraph& p : empty.sections()[0].paragraphs) {
    ASSERT_EQ(p.spans.size(), 1u);
    EXPECT_TRUE(p.spans[0].items.empty());
  }

  // \sect opens a new section; a section break after an ended paragraph adds none.
  EXPECT_EQ(parse_dump("{\\rtf1 a\\sect b\\par\\sect c}"), "a||b||c");
  EXPECT_EQ(parse_dump("{\\rtf1 a\\page b\\column c}"), "a+b+c");
  // A document with no content has no sections.
  EXPECT_EQ(parse_dump("{\\rtf1}"), "");
}

TEST(RtfReaderStructure, RunsFollowTheFormat) {
  RichDocument doc;
  parse_document("{\\rtf1 x {\\b y} z}", doc);
  EXPECT_EQ(dump(doc), "x +y+ z");
  EXPECT_FALSE(format_at(doc, 0).bold());
  EXPECT_TRUE(format_at(doc, 1).bold());
  EXPECT_FALSE(format_at(doc, 2).bold());

  // An unchanged format after a group keeps one run.
  EXPECT_EQ(parse_dump("{\\rtf1 a{}b{\\unknown}c}"), "abc");

  RichDocument wide;
  parse_document("{\\rtf1 ab\\u8364?\\u8364?cd}", wide);
  EXPECT_EQ(dump(wide), "ab+w(20ac 20ac)+cd");
  EXPECT_FALSE(format_at(wide, 0).wide());
  EXPECT_TRUE(format_at(wide, 1).wide());
  EXPECT_FALSE(format_at(wide, 2).wide());
}

TEST(RtfReaderStructure, FormatsAreTakenAtTheBreak) {
  RichDocument doc;
  parse_document("{\\rtf1\\qc\\li200 a\\line\\fs40 b\\par\\pard\\sb100 c\\par}", doc);
  const Section& section = doc.sections()[0];
  EXPECT_EQ(section.paragraphs[0].format.alignment, ParaFormat::kCentred);
  EXPECT_EQ(section.paragraphs[0].format.left_indent, 200);
  EXPECT_EQ(section.paragraphs[0].spans[0].format.size, 24);  // at \line
  EXPECT_EQ(section.paragraphs[0].spans[1].format.size, 40);  // at \par
  EXPECT_EQ(section.paragraphs[1].format.alignment, ParaFormat::kLeft);
  EXPECT_EQ(section.paragraphs[1].format.space_before, 100);
  // Text runs carry the format of their first character.
  EXPECT_EQ(format_at(doc, 1).size, 40);
  // An unended last paragraph is ended with the closing group's formats.
  RichDocument open;
  parse_document("{\\rtf1\\qr a}", open);
  EXPECT_EQ(open.sections()[0].paragraphs[0].format.alignment, ParaFormat::kRight);
}

TEST(RtfReaderFormats, CharacterWords) {
  auto format_of = [](const std::string& words) {
    RichDocument doc;
    parse_document("{\\rtf1" + words + " x}", doc);
    return format_at(doc, 0);
  };
  EXPECT_FALSE(format_of("\\b0").bold());
  EXPECT_TRUE(format_of("\\b").bold());
  EXPECT_TRUE(format_of("\\b1").bold());
  EXPECT_FALSE(format_of("\\b2").bold());  // bit 0 only
  EXPECT_TRUE(format_of("\\i3").italic());
  EXPECT_EQ(format_of("\\caps").capitals, 1);
  EXPECT_EQ(format_of("\\scaps").capitals, 2);
  EXPECT_EQ(format_of("\\scaps\\caps0").capitals, 0);
  EXPECT_EQ(format_of("\\sub").vertical, CharFormat::kSubscript);
  EXPECT_EQ(format_of("\\super").vertical, CharFormat::kSuperscript);
  EXPECT_EQ(format_of("\\super\\nosupersub").vertical, CharFormat::kNormal);
  EXPECT_EQ(format_of("\\super\\sub0").vertical, CharFormat::kNormal);
  EXPECT_EQ(format_of("\\up").raised, 6);
  EXPECT_EQ(format_of("\\up10").raised, 10);
  EXPECT_EQ(format_of("\\dn").lowered, 6);
  EXPECT_EQ(format_of("\\embo").relief, 1);
  EXPECT_EQ(format_of("\\impr").relief, 2);
  EXPECT_EQ(format_of("\\strike").strike, 1);
  EXPECT_EQ(format_of("\\striked1").strike, 2);
  EXPECT_EQ(format_of("\\strikedl0").strike, 0);
  EXPECT_EQ(format_of("\\ulw").underline, 1);
  EXPECT_EQ(format_of("\\ul").underline, 2);
  EXPECT_EQ(format_of("\\ulthldash").underline, 13);
  EXPECT_EQ(format_of("\\uldb").underline, 14);
  EXPECT_EQ(format_of("\\ulthwave").underline, 16);
  EXPECT_EQ(format_of("\\ululdbwave").underline, 17);
  EXPECT_EQ(format_of("\\ul\\ul0").underline, 0);
  EXPECT_EQ(format_of("\\charscalex150").scale_x, 150);
  EXPECT_EQ(format_of("\\fs70000").size, static_cast<std::int16_t>(70000));  // low 16 bits
  EXPECT_EQ(format_of("\\highlight3").flags & CharFormat::kHighlightMask, 3);
  EXPECT_TRUE(format_of("\\outl\\shadow").has(CharFormat::kOutline | CharFormat::kShadow));
}

TEST(RtfReaderFormats, ParagraphAndSectionWords) {
  RichDocument doc;
  parse_document(
      "{\\rtf1\\paperw10000\\margl100\\margr200\\sectd\\fi-100\\li300\\ri400\\sb10\\sa20"
      "\\sl-300\\slmult1\\keep\\keepn\\pagebb2 a\\par}",
      doc);
  const Section& section = doc.sections()[0];
  EXPECT_EQ(section.format.page_width, 10000);
  EXPECT_EQ(section.format.margin_left, 100);
  EXPECT_EQ(section.format.margin_right, 200);
  const ParaFormat& p = section.paragraphs[0].format;
  EXPECT_EQ(p.first_indent, -100);
  EXPECT_EQ(p.left_indent, 300);
  EXPECT_EQ(p.right_indent, 400);
  EXPECT_EQ(p.space_before, 10);
  EXPECT_EQ(p.space_after, 20);
  EXPECT_EQ(p.line_spacing, -300);
  EXPECT_EQ(p.line_multiple, 1);
  EXPECT_TRUE(p.keep_together);
  EXPECT_TRUE(p.keep_with_next);
  EXPECT_FALSE(p.page_break_before);

  // \sectd falls back to the document's page; section words change only the section.
  RichDocument sections;
  parse_document("{\\rtf1\\paperw9000\\pgwsxn5000 a\\sect\\sectd b\\par}", sections);
  ASSERT_EQ(sections.sections().size(), 2u);
  EXPECT_EQ(sections.sections()[0].format.page_width, 5000);
  EXPECT_EQ(sections.sections()[1].format.page_width, 9000);
  EXPECT_EQ(sections.sections()[1].format.margin_left, 1800);
}

TEST(RtfReaderTables, FontsAndColours) {
  RichDocument doc;
  parse_document(kClientDocument, doc);
  const CharFormat& first = format_at(doc, 0);
  EXPECT_EQ(first.face_name(), "MS Sans Serif");
  EXPECT_EQ(first.charset, 238);
  EXPECT_EQ(first.pitch_and_family, 0x20);
  EXPECT_EQ(first.size, 16);
  EXPECT_FALSE(first.has(CharFormat::kForegroundAuto));
  EXPECT_EQ(first.foreground, (Rgb{0, 0, 128}));
  EXPECT_EQ(dump(doc), "The +houses+ are +big+.|A h\xe1zak nagyok +w(0151)+s+w(0171)+r+w(0171)+.|Lexiton");
  EXPECT_EQ(format_at(doc, 12).face_name(), "Tahoma");

  // Colour 0 of "{\colortbl;...}" is automatic.
  RichDocument colours;
  parse_document("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}{\\cf1\\cb1 a}{\\cf0\\cb0 b}}", colours);
  EXPECT_EQ(format_at(colours, 0).foreground, (Rgb{0, 0, 255}));
  EXPECT_FALSE(format_at(colours, 0).has(CharFormat::kForegroundAuto));
  EXPECT_FALSE(format_at(colours, 0).has(CharFormat::kBackgroundAuto));
  EXPECT_TRUE(format_at(colours, 1).has(CharFormat::kForegroundAuto));
  EXPECT_TRUE(format_at(colours, 1).has(CharFormat::kBackgroundAuto));
  EXPECT_EQ(error_of("{\\rtf1{\\colortbl;\\red1;}\\cf2 x}"), RTFException::kBadColour);
  EXPECT_EQ(error_of("{\\rtf1{\\colortbl;\\red1;}\\cb-1 x}"), RTFException::kBadColour);
  EXPECT_EQ(error_of("{\\rtf1\\cf0 x}"), RTFException::kBadColour);

  // Font entries: family, pitch, character set; ";" dropped; long names cut to 31 bytes.
  RichDocument fonts;
  parse_document(
      "{\\rtf1\\deff2{\\fonttbl{\\f2\\froman\\fprq2\\fcharset204{\\*\\panose 0102}"
      "{\\*\\falt Alt}A;very-long-face-name-of-more-than-31-bytes;}}x}",
      fonts);
  EXPECT_EQ(format_at(fonts, 0).face_name(), "Avery-long-face-name-of-more-th");
  EXPECT_EQ(format_at(fonts, 0).charset, 204);
  EXPECT_EQ(format_at(fonts, 0).pitch_and_family, 0x12);
}

TEST(RtfReaderTables, DefaultFontMustBeDefined) {
  EXPECT_EQ(parse_dump("{\\rtf1 Hello}"), "Hello");
  RichDocument plain;
  parse_document("{\\rtf1 Hello}", plain);
  EXPECT_EQ(format_at(plain, 0).face_name(), "");
  EXPECT_EQ(format_at(plain, 0).size, 24);
  EXPECT_EQ(error_of("{\\rtf1\\plain Hello}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1\\f0 Hello}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f1 Arial;}}x}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f0 A;}{\\f2 B;}}\\f1 x}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f0 A;}}\\f-1 x}"), RTFException::kUndefinedFont);
  // Font numbers are bounded so a single word cannot grow the table without limit.
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f2000000000 A;}}x}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f-3 A;}}x}"), RTFException::kUndefinedFont);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f0 A;}{\\f4095 B;}}\\f4095 x}"), -1);
  // \plain after the table takes the default font.
  RichDocument doc;
  parse_document("{\\rtf1\\deff1{\\fonttbl{\\f1 Tahoma;}}{\\b\\fs40\\plain x}}", doc);
  EXPECT_EQ(format_at(doc, 0).face_name(), "Tahoma");
  EXPECT_EQ(format_at(doc, 0).size, 24);
  EXPECT_FALSE(format_at(doc, 0).bold());
}

TEST(RtfReaderText, UnicodeAndFallback) {
  RichDocument uc1;
  parse_document("{\\rtf1\\u8364?}", uc1);
  EXPECT_EQ(dump(uc1), "w(20ac)");
  EXPECT_EQ(parse_dump("{\\rtf1\\uc0\\u8364?}"), "w(20ac)+?");
  EXPECT_EQ(parse_dump("{\\rtf1\\uc2\\u8364 ab c}"), "w(20ac)+ c");
  // Fallback counts "\'hh" and special characters as one unit each.
  EXPECT_EQ(parse_dump("{\\rtf1\\uc2\\u8364\\'80\\emdash x}"), "w(20ac)+x");
  EXPECT_EQ(parse_dump("{\\rtf1\\u-4064?}"), "w(f020)");
  // The fallback count belongs to the group.
  EXPECT_EQ(parse_dump("{\\rtf1{\\uc3\\u8364 abc}\\u8364 ab}"), "w(20ac 20ac)+b");
  // \par ends a pending fallback.
  EXPECT_EQ(parse_dump("{\\rtf1\\uc5\\u8364\\par ab}"), "w(20ac)|ab");
  // Hidden text drops both kinds.
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\v b\\u8364?}{\\v0 c}}"), "ac");
  EXPECT_EQ(parse_dump("{\\rtf1 \\'e9\\'C1}"), "\xe9\xc1");
}

TEST(RtfReaderText, SpecialCharactersAndSymbols) {
  EXPECT_EQ(parse_dump("{\\rtf1 \\tab;\\emdash\\endash\\emspace\\enspace\\bullet\\lquote\\rquote"
                       "\\ldblquote\\rdblquote}"),
            "\t;\x97\x96  \x95\x91\x92\x93\x94");
  EXPECT_EQ(parse_dump("{\\rtf1 a\tb}"), "a\tb");
  EXPECT_EQ(parse_dump("{\\rtf1 a\\~b\\_c\\-d\\:e\\|f}"),
            "a\xa0"
            "b\xad"
            "cdef");
  EXPECT_EQ(parse_dump("{\\rtf1 \\\\\\{\\}}"), "\\{}");
  EXPECT_EQ(parse_dump("{\\rtf1 a\r\nb}"), "ab");
  // A backslash before a line end is a paragraph.
  EXPECT_EQ(parse_dump("{\\rtf1 a\\\nb}"), "a|b");
  // A space after a control word is its delimiter; other delimiters are text.
  EXPECT_EQ(parse_dump("{\\rtf1\\b  x\\b0;}"), " x+;");
}

TEST(RtfReaderDestinations, SkippedAndIgnoredGroups) {
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\*\\unknownword text}b}"), "ab");
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\unknownword text}b}"), "atextb");
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\author x}b}"), "ab");
  // A word longer than any RTF word is just another unknown word.
  const std::string overlong(kMaxWordLength + 40, 'p');
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\" + overlong + " text}b}"), "atextb");
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\*\\" + overlong + "12 text}b}"), "ab");
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\" + std::string(kMaxWordLength, 'p') + "par text}b}"), "atextb");
  EXPECT_EQ(parse_dump("{\\rtf1{\\info{\\title t}{\\author x}}{\\stylesheet{\\s0 Normal;}}a}"), "a");
  EXPECT_EQ(parse_dump("{\\rtf1{\\header h}{\\footnote f}a}"), "a");
  EXPECT_EQ(parse_dump("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}"), "shown");
  // Words a destination does not know skip the group when they name a skipped destination.
  EXPECT_EQ(parse_dump("{\\rtf1{\\colortbl\\red1{\\fonttbl x};}a}"), "a");
}

TEST(RtfReaderDestinations, Pictures) {
  RichDocument doc;
  parse_document(
      "{\\rtf1{\\pict\\wmetafile8\\picw100\\pich50\\picwgoal1440\\pichgoal720"
      "\\picscalex50\\piccropl-20\\piccropt30 0102 0a0B\r\nff}}",
      doc);
  ASSERT_EQ(doc.pictures().size(), 1u);
  const PictureItem& pic = doc.pictures()[0];
  EXPECT_FALSE(pic.is_enhanced);
  EXPECT_EQ(pic.mapping_mode, 8);
  EXPECT_EQ(pic.pic_width, 100);
  EXPECT_EQ(pic.pic_height, 50);
  EXPECT_EQ(pic.goal_width, 1440);
  EXPECT_EQ(pic.goal_height, 720);
  EXPECT_EQ(pic.scale_x, 50);
  EXPECT_EQ(pic.crop_left, -20);
  EXPECT_EQ(pic.crop_top, 30);
  EXPECT_EQ(pic.data, (std::vector<std::uint8_t>{0x01, 0x02, 0x0a, 0x0b, 0xff}));

  EXPECT_EQ(parse_dump("{\\rtf1{\\pict\\emfblip 01020}}"), "pic(2)");  // odd digit dropped
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\pict\\wmetafile8}b}"), "a+pic(0)+b");
  EXPECT_EQ(parse_dump("{\\rtf1 a{\\pict\\pngblip 0102}b}"), "a+b");
  EXPECT_EQ(parse_dump("{\\rtf1{\\pict\\dibitmap0 01}{\\pict\\jpegblip 01}{\\pict\\macpict 01}}"), "");
  // Binary data may hold any byte, braces and backslashes included.
  RichDocument binary;
  const char kBinary[] = "{\\rtf1{\\pict\\emfblip\\bin4 {}\\\0}}";
  parse_document(std::string(kBinary, sizeof kBinary - 1), binary);
  ASSERT_EQ(binary.pictures().size(), 1u);
  EXPECT_EQ(binary.pictures()[0].data, (std::vector<std::uint8_t>{'{', '}', '\\', 0}));
  // The metafile fallback of a modern picture is the one shown.
  EXPECT_EQ(parse_dump("{\\rtf1{\\*\\shppict{\\pict\\pngblip 01}}{\\nonshppict{\\pict\\wmetafile8 0102}}}"),
            "pic(2)");
  // An object shows the picture of its result and skips its data.
  EXPECT_EQ(parse_dump("{\\rtf1{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}"
                       "{\\result{\\pict\\emfblip 010203}}}}"),
            "pic(3)");
  // Text before a picture keeps its place.
  EXPECT_EQ(parse_dump("{\\rtf1 ab{\\pict\\emfblip 01}cd\\par}"), "ab+pic(1)+cd");
}

TEST(RtfReaderErrors, Codes) {
  EXPECT_EQ(error_of(std::string("{\\rtf1 a\0}", 10)), RTFException::kNulByte);
  EXPECT_EQ(error_of("{\\rtf1 \\Par}"), RTFException::kBadEscape);
  EXPECT_EQ(error_of("{\\rtf1 \\9}"), RTFException::kBadEscape);
  EXPECT_EQ(parse_dump("{\\rtf1 a\\par2 b}"), "a|b");
  EXPECT_EQ(error_of("{\\rtf1 \\pard1 x}"), RTFException::kUnexpectedParameter);
  EXPECT_EQ(error_of("{\\rtf1 \\fs x}"), RTFException::kMissingParameter);
  EXPECT_EQ(error_of("{\\rtf1 \\u x}"), RTFException::kMissingParameter);
  EXPECT_EQ(error_of("{\\rtf1{\\fonttbl{\\f0\\fswiss1 A;}}x}"), RTFException::kUnexpectedParameter);
  EXPECT_EQ(error_of("{\\rtf1{\\pict\\wmetafile 00}}"), RTFException::kMissingParameter);
  EXPECT_EQ(error_of("{\\rtf1 \\li-x}"), RTFException::kMinusWithoutDigit);
  EXPECT_EQ(error_of("{\\rtf1 \\'g0}"), RTFException::kBadHexDigit);
  EXPECT_EQ(error_of("{\\rtf1 a"), RTFException::kEndOfInput);
  EXPECT_EQ(error_of("{\\rtf1 \\fs99999999999 a}"), RTFException::kParameterOutOfRange);
  EXPECT_EQ(error_of("{\\rtf1 \\fs00000000000000024 x}"), -1);
  EXPECT_EQ(error_of(""), RTFException::kEndOfInput);
}

TEST(RtfReaderBounds, GroupDepth) {
  const std::string deepest = std::string(kMaxGroupDepth, '{') + "x" + std::string(kMaxGroupDepth, '}');
  EXPECT_EQ(parse_dump(deepest), "x");
  EXPECT_EQ(error_of(std::string(kMaxGroupDepth + 1, '{')), RTFException::kGroupsTooDeep);
  EXPECT_EQ(error_of(std::string(1000000, '{')), RTFException::kGroupsTooDeep);
}

TEST(RtfReaderBounds, DocumentSizeAndReaders) {
  // Runs that alternate format, each a node of the document.
  std::string runs = "{\\rtf1";
  for (std::size_t i = 0; i < RichDocument::kMaxNodes / 2; ++i) runs += "a{\\b b}";
  EXPECT_EQ(error_of(runs + "}"), RTFException::kTooLarge);
  std::string paragraphs = "{\\rtf1";
  for (std::size_t i = 0; i < RichDocument::kMaxNodes / 2; ++i) paragraphs += "\\par";
  EXPECT_EQ(error_of(paragraphs + "}"), RTFException::kTooLarge);
  std::string fewer = "{\\rtf1";
  for (int i = 0; i < 1000; ++i) fewer += "a{\\b b}\\par";
  EXPECT_EQ(error_of(fewer + "}"), -1);

  // Every font entry needs a reader of its own; their number is bounded.
  std::string fonts = "{\\rtf1{\\fonttbl";
  for (int i = 0; i < 20000; ++i) fonts += "{\\f0 A;}";
  EXPECT_EQ(error_of(fonts + "}x}"), RTFException::kTooLarge);
  // Colour tables too.
  EXPECT_EQ(error_of("{\\rtf1{\\colortbl" + std::string(5000, ';') + "}x}"), RTFException::kTooLarge);
}

TEST(RtfReaderInput, StopsAtTheClosingBraceOfTheFirstDocument) {
  RichDocument doc;
  const std::string buffer = "{\\rtf1 a}-{\\rtf1 b}";
  EXPECT_EQ(parse_document(buffer, doc), 9u);
  EXPECT_EQ(dump(doc), "a");
  // The pointer form advances past the brace and never reads beyond `end`.
  const auto* begin = reinterpret_cast<const std::uint8_t*>(buffer.data());
  const std::uint8_t* position = begin + 10;
  RichDocument second;
  parse_document(position, begin + buffer.size(), second);
  EXPECT_EQ(position, begin + buffer.size());
  EXPECT_EQ(dump(second), "b");
}

TEST(RtfReaderInput, EveryTruncatedPrefixFailsWithEndOfInput) {
  const std::string binary_doc = std::string("{\\rtf1{\\pict\\emfblip\\bin3 {}\\}\\u8364?x}");
  for (const std::string& doc : {kClientDocument, binary_doc}) {
    const std::string whole = parse_dump(doc);
    for (std::size_t n = 0; n < doc.size(); ++n) {
      EXPECT_EQ(error_of(doc.substr(0, n)), RTFException::kEndOfInput) << n;
    }
    // The whole document followed by anything reads the same and stops at its brace.
    RichDocument again;
    EXPECT_EQ(parse_document(doc + "}garbage\\", again), doc.size());
    EXPECT_EQ(dump(again), whole);
  }
}

TEST(RtfReaderInput, StrayBraceAndNonGroupStart) {
  // A document that does not open a group is one byte long; a stray "}" closes nothing.
  RichDocument doc;
  EXPECT_EQ(parse_document("abc", doc), 1u);
  RichDocument brace;
  EXPECT_EQ(parse_document("}{x}", brace), 1u);
}

}  // namespace
}  // namespace tippaint
