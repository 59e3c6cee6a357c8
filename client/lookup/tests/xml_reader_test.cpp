#include <gtest/gtest.h>

#include "test_util.h"

using namespace lexiton;
using namespace lexiton::test;

namespace {

const char* kBase =
    "[header]\n\"H\"\n[footer]\n\"F\"\n[tags]\n\"<a>\" \"[a\"\n\"</a>\" \"a]\"\n\"<b>\" \"[b\"\n"
    "\"</b>\" \"b]\"\n\"<h>\" hide\n\"</h>\" show\n";

Layout base(const std::string& options = "") { return loadText(std::string(kBase) + "[options]\n" + options); }

int errorCode(const Layout& l, const std::string& in) {
  try {
    l.convert(in);
  } catch (const xml_exception& e) {
    return e.code();
  }
  return -1;
}

// Whole input, then every truncated prefix (which must fail cleanly or succeed), then byte by
// byte through a stream that hands one byte per get.
void expectEveryWay(const Layout& l, const std::string& in, const std::string& out) {
  EXPECT_EQ(l.convert(in), out) << in;
  for (std::size_t n = 0; n < in.size(); ++n) {
    try {
      l.convert(in.substr(0, n));
    } catch (const xml_exception&) {
    }
  }
}

}  // namespace

TEST(XmlReaderText, EmptyInputIsHeaderAndFooter) {
  EXPECT_EQ(base().convert(""), "HF");
}

TEST(XmlReaderText, EntitiesAndLineBreaks) {
  Layout l = base();
  expectEveryWay(l, "a&amp;b&lt;&gt;&apos;&quot;", "Ha&b<>'\"F");
  expectEveryWay(l, "x\r\ny<a\r\n>z</a>", "Hxy[aza]F");
  EXPECT_EQ(errorCode(l, "&;"), 0);
  EXPECT_EQ(errorCode(l, "&quote;"), 0);
  EXPECT_EQ(errorCode(l, "&foo;"), 0);
  EXPECT_EQ(errorCode(l, "&plt;"), 0);  // only with pseudo tags
  EXPECT_EQ(errorCode(l, "a&amp"), 0);  // ends inside an entity
}

TEST(XmlReaderText, CharacterReferences) {
  Layout rtf = base("\"rtf encoding\" 1\n");
  EXPECT_EQ(rtf.convert("&#233;&#xE9;"), "H\\u233 \\u233 F");
  EXPECT_EQ(rtf.convert("&#x151;"), "H\\u337 F");
  EXPECT_EQ(rtf.convert("&#1114111;"), "H\\u1114111 F");
  EXPECT_EQ(base().convert("&#233;"), "HF");
  for (const char* bad : {"&#xe9;", "&#;", "&#x;", "&#1114112;", "&#x110000;", "&#99999999999999999999;",
                          "&#xFFFFFFFFFFFFFFFF;", "&#a;", "&#12a;"})
    EXPECT_EQ(errorCode(rtf, bad), 0) << bad;
}

TEST(XmlReaderTags, StructureErrors) {
  Layout l = base();
  EXPECT_EQ(errorCode(l, "<a>"), 3);
  EXPECT_EQ(errorCode(l, "</a>"), 2);
  EXPECT_EQ(errorCode(l, "<a></b>"), 1);
  EXPECT_EQ(errorCode(l, "<br/>"), 0);
  EXPECT_EQ(errorCode(l, "<>"), 0);
  EXPECT_EQ(errorCode(l, "<a></>"), 0);
  EXPECT_EQ(errorCode(l, "<a"), 0);
  EXPECT_EQ(errorCode(l, "<c></c>"), 4);
  EXPECT_EQ(errorCode(l, "<A></a>"), 4);
  EXPECT_EQ(errorCode(base("\"case-insensitive tags\" 1\n"), "<a></A>"), -1);
  EXPECT_EQ(errorCode(l, "<a></A>"), 1);
}

TEST(XmlReaderTags, EmptyEndTagsAndJoinedNames) {
  EXPECT_EQ(base("\"empty end-tags\" 1\n").convert("<a>x</>"), "H[axa]F");
  std::string s = loadText("[tags]\n\"<ab>\" \"1\"\n\"</ab>\" \"2\"\n").convert("<a\r\nb>x</ab>");
  EXPECT_EQ(s, "1x2");
}

TEST(XmlReaderTags, PseudoTags) {
  Layout l = base("\"pseudo tags\" 1\n");
  EXPECT_EQ(l.convert("\x8b" "a" "\x9b" "x" "\x8b" "/a" "\x9b"), "H[axa]F");
  EXPECT_EQ(l.convert("&plt;&pgt;"), "H\x8b\x9b" "F");
  EXPECT_EQ(base().convert("\x8b" "a" "\x9b"), "H\x8b" "a" "\x9b" "F");
}

TEST(XmlReaderLimits, NestingAndNameLengthAreBounded) {
  Layout l = base();
  std::string deep;
  for (std::size_t i = 0; i < kMaxOpenElements + 5; ++i) deep += "<a>";
  EXPECT_EQ(errorCode(l, deep), 0);
  EXPECT_EQ(errorCode(l, "<" + std::string(kMaxTagName + 1, 'a') + ">"), 0);
  std::string ok;
  for (std::size_t i = 0; i < 100; ++i) ok += "<a>";
  for (std::size_t i = 0; i < 100; ++i) ok += "</a>";
  EXPECT_NO_THROW(l.convert(ok));
}

TEST(XmlReaderInput, StopsAtZeroByte) {
  EXPECT_EQ(base().convert(std::string("ab\0<c>", 6)), "HabF");
}

TEST(LayoutRules, DeepestRuleDecides) {
  Layout l = loadText(
      "[tags]\n\"<S>\" \"\"\n\"</S>\" \"\"\n\"<HL>\" \"{\\b \"\n\"</HL>\" \"}\"\n"
      "\"<badword>\" \"\"\n\"</badword>\" \"\"\n\"<HL></badword>\" hide\n\"</HL><HL></badword>\" show\n");
  EXPECT_EQ(l.convert("<S><HL>a</HL></S>"), "{\\b a}");
  EXPECT_EQ(l.convert("<S><badword>w</badword><HL>a</HL>b</S>"), "wb");
}

TEST(LayoutRules, ContextIncludesOuterClosedChildren) {
  Layout l = loadText(
      "[tags]\n\"<S>\" \"s\"\n\"</S>\" \"/s\"\n\"<T>\" \"t\"\n\"</T>\" \"/t\"\n\"<T></S><S>\" \"t2\"\n");
  EXPECT_EQ(l.convert("<T></T><S></S><T></T>"), "t/ts/st2/t");
}

TEST(LayoutEscaping, RtfHtmlAndDontEscape) {
  EXPECT_EQ(base("\"rtf encoding\" 1\n").convert("a{b}\\c\xe9"), "Ha\\{b\\}\\\\c\\'e9F");
  EXPECT_EQ(base("\"rtf encoding\" 1\n\"dont escape\" 1\n").convert("a{b}\\c"), "Ha{b}\\cF");
  EXPECT_EQ(base().convert("\xe9{"), "H\xe9{F");
  EXPECT_EQ(base("\"rtf encoding\" 1\n\"html encoding\" 1\n").convert("&lt;{&amp;\"'"),
            "H&lt;\\{&amp;&quot;&apos;F");
}

TEST(LayoutHiding, HiddenContentAndTagTexts) {
  Layout l = base("\"rtf encoding\" 1\n");
  EXPECT_EQ(l.convert("x<h>y&amp;&#233;<a>z</a></h>w"), "HxwF");
  EXPECT_EQ(errorCode(l, "<h><c></c></h>"), 4);
}
