#include <gtest/gtest.h>

#include "test_util.h"

using namespace lexiton;
using namespace lexiton::test;

TEST(StyleSheetLines, CommentsAndBlankLinesOnly) {
  Layout l = loadText("; c\n\n  \t\n;x");
  EXPECT_EQ(l.header(), "");
  EXPECT_EQ(l.footer(), "");
  EXPECT_TRUE(l.rules().children.empty());
}

TEST(StyleSheetLines, MissingFileIsCodeZero) {
  try {
    Layout l("no/such/file.sty");
    FAIL();
  } catch (const layout_exception& e) {
    EXPECT_EQ(e.code(), 0);
    EXPECT_EQ(e.line(), -1);
  }
}

TEST(StyleSheetLines, SectionsTrimmedAndCaseSensitive) {
  Layout l = loadText("  [header]  \n\"a\"\n[Tags]\nrubbish\n[footer]\n\"f\"\n[header]\r\n\"b\"");
  EXPECT_EQ(l.header(), "ab");  // last line without a line feed counts
  EXPECT_EQ(l.footer(), "f");
}

TEST(StyleSheetLines, SyntaxErrorsCarryTheirRealLine) {
  EXPECT_EQ(syntaxLine("\"a\"\n"), 1);                     // before any section
  EXPECT_EQ(syntaxLine("[header]\n\"a\"\n\"b\" x\n"), 3);  // text after the string
  EXPECT_EQ(syntaxLine("[header]\r\n\r\n;c\r\nx\r\n"), 4);
  EXPECT_EQ(syntaxLine("[tags]\n\"<a>\"\n"), 2);  // no action
  EXPECT_EQ(syntaxLine("[tags]\n\"<a>\" hide x\n"), 2);
  EXPECT_EQ(syntaxLine("[tags]\n\"\" \"t\"\n"), 2);  // empty path
  EXPECT_EQ(syntaxLine("[tags]\n\"a\" \"t\"\n"), 2);
  EXPECT_EQ(syntaxLine("[tags]\n\"<a\" \"t\"\n"), 2);
  EXPECT_EQ(syntaxLine("[tags]\n\"<a> <b>\" \"t\"\n"), 2);
  EXPECT_EQ(syntaxLine("[header]\n\"abc\n"), 2);    // unclosed
  EXPECT_EQ(syntaxLine("[header]\n\"a\"12\n"), 2);  // byte code without closing quote
  EXPECT_EQ(syntaxLine("[header]\n\"a\"1x\"\n"), 2);
  EXPECT_EQ(syntaxLine("[header]\nx\n"), 2);  // one byte
}

TEST(StyleSheetQuoted, ByteCodesAndDoubledQuotes) {
  EXPECT_EQ(loadText("[header]\n\"ab\"13\"cd\"").header(), "ab\rcd");
  EXPECT_EQ(loadText("[header]\n\"ab\"13\"\"10\"cd\"").header(), "ab\r\ncd");
  EXPECT_EQ(loadText("[header]\n\"ab\"13\"10\"").header(), "ab\r10");
  EXPECT_EQ(loadText("[header]\n\"a\"\"b\"").header(), "a\"b");
  EXPECT_EQ(loadText("[header]\n\"a\"b\"").header(), "ab");
  EXPECT_EQ(loadText("[header]\n\"x\"321\"\"").header(), std::string("x") + char(321 % 256));
  EXPECT_EQ(loadText("[header]\n\"x\"0\"y\"").header(), std::string("x\0y", 3));
}

TEST(StyleSheetTags, HideShowTextAndTab) {
  Layout l = loadText("[tags]\n\"<a>\"\thide\n\"</a>\"  show\n\"<b><a>\" \"T\"\n");
  const auto& a = l.rules().children.at("a");
  EXPECT_TRUE(a.hide);
  EXPECT_FALSE(a.hasText);
  EXPECT_TRUE(l.rules().children.at("/a").show);
  const auto& b = l.rules().children.at("b");
  EXPECT_FALSE(b.hide || b.show || b.hasText);
  EXPECT_EQ(b.children.at("a").text, "T");
}

TEST(StyleSheetTags, RedefinitionWinsAndKeepsChildren) {
  Layout l = loadText("[tags]\n\"<a><b>\" \"x\"\n\"<a>\" hide\n\"<a>\" \"y\"\n");
  const auto& a = l.rules().children.at("a");
  EXPECT_TRUE(a.hasText);
  EXPECT_FALSE(a.hide);
  EXPECT_EQ(a.text, "y");
  EXPECT_EQ(a.children.at("b").text, "x");
}

TEST(StyleSheetOptions, ValuesAndErrors) {
  Layout l = loadText("[options]\n\"rtf encoding\" 1\n\"pseudo lt sign\" 60\n\"whatever\" zz\n");
  EXPECT_TRUE(l.rtfEncoding());
  EXPECT_EQ(l.pseudoLt(), 60);
  EXPECT_EQ(l.pseudoGt(), 155);
  EXPECT_EQ(syntaxLine("[options]\n\"pseudo lt sign\" 0\n"), 2);
  EXPECT_EQ(syntaxLine("[options]\n\"pseudo gt sign\" 256\n"), 2);
  EXPECT_EQ(syntaxLine("[options]\n\"pseudo gt sign\" abc\n"), 2);
  EXPECT_EQ(syntaxLine("[options]\n\"rtf encoding\" 2\n"), 2);
  EXPECT_EQ(syntaxLine("[options]\n\"rtf encoding\" yes\n"), 2);
}

TEST(StyleSheetOptions, CaseInsensitiveAffectsOnlyLaterPaths) {
  Layout l = loadText(
      "[tags]\n\"<A>\" \"1\"\n[options]\n\"case-insensitive tags\" 1\n[tags]\n\"<B>\" \"2\"\n\"</B>\" "
      "\"3\"\n");
  EXPECT_EQ(l.rules().children.count("A"), 1u);
  EXPECT_EQ(l.rules().children.count("b"), 1u);
  EXPECT_THROW(l.convert("<a></a>"), xml_exception);
  EXPECT_NO_THROW(l.convert("<B></b>"));
}
