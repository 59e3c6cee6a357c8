#include <gtest/gtest.h>

#include "test_util.h"

using namespace lexiton;
using namespace lexiton::test;

namespace {

const char* kBase =
    "[header]\n\"H\"\n[footer]\n\"F\"\n[tags]\n\"<a>\" \"[a\"\n\"</a>\" \"a]\"\n\"<b>\" \"[b\"\n"
    "\"</b>\" \"b]\"\n\"<h>\" hide\n\"</h>\" show\n";

Layout base(const std::string& options = "") {
  return loadText(std::string(kBase) + "[options]\n" + options);
}

int errorCode(const Layout& l, const std::string& in) {
  try {
    l.convert(in);
  } catch (const xml_exception& e) {
    return e.code();
  }
  return -1;
}

// A source that hands its bytes out one get at a time and checks how the reader uses it: no
// read after the end was reported, and exactly one read past the last byte.
class ByteFeed : public ConvertStream {
 public:
  explicit ByteFeed(std::string in) : in_(std::move(in)) {}
  bool atEnd() const override { return past_; }
  unsigned char get() override {
    EXPECT_FALSE(past_) << "read after the end";
    ++gets_;
    if (pos_ == in_.size()) {
      past_ = true;
      return 0;
    }
    return static_cast<unsigned char>(in_[pos_++]);
  }
  void put(char c) override { out_.push_back(c); }
  const std::string& out() const { return out_; }
  std::size_t gets() const { return gets_; }

 private:
  std::string in_;
  std::size_t pos_ = 0;
  std::size_t gets_ = 0;
  bool past_ = false;
  std::string out_;
};

// The error a prefix of a well-formed fragment must end with: inside a tag or an entity 0,
// with elements still open 3, else none (-1). Knows plain "<", ">", "&", ";" markup only.
int prefixError(const std::string& prefix) {
  int depth = 0;
  bool inTag = false, inEntity = false, closing = false, first = false;
  for (char c : prefix) {
    if (c == '\r' || c == '\n') continue;
    if (inTag) {
      if (first) closing = c == '/';
      first = false;
      if (c == '>') {
        inTag = false;
        depth += closing ? -1 : 1;
      }
    } else if (inEntity) {
      inEntity = c != ';';
    } else if (c == '<') {
      inTag = first = true;
      closing = false;
    } else if (c == '&') {
      inEntity = true;
    }
  }
  if (inTag || inEntity) return 0;
  return depth > 0 ? 3 : -1;
}

// Whole input through both streams, then every truncated prefix byte by byte: a prefix ends
// with the error its position calls for, and whatever was written before the error is the start
// of the whole fragment's output (the reader writes as it goes and never takes output back).
void expectEveryWay(const Layout& l, const std::string& in, const std::string& out) {
  EXPECT_EQ(l.convert(in), out) << in;
  ByteFeed whole(in);
  l.convert(whole);
  EXPECT_EQ(whole.out(), out);
  EXPECT_EQ(whole.gets(), in.size() + 1);
  const std::string body = out.substr(0, out.size() - l.footer().size());
  for (std::size_t n = 0; n < in.size(); ++n) {
    const std::string prefix = in.substr(0, n);
    ByteFeed feed(prefix);
    int code = -1;
    try {
      l.convert(feed);
    } catch (const xml_exception& e) {
      code = e.code();
    }
    EXPECT_EQ(code, prefixError(prefix)) << "prefix " << n << " of " << in;
    EXPECT_EQ(feed.gets(), n + 1) << "prefix " << n << " of " << in;
    const std::string written =
        code < 0 ? feed.out().substr(0, feed.out().size() - l.footer().size()) : feed.out();
    EXPECT_EQ(body.compare(0, written.size(), written), 0)
        << "prefix " << n << " wrote " << written << " of " << in;
  }
}

}  // namespace

TEST(XmlReaderText, EmptyInputIsHeaderAndFooter) { EXPECT_EQ(base().convert(""), "HF"); }

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

TEST(XmlReaderText, EveryPrefixOfMarkedUpText) {
  Layout rtf = base("\"rtf encoding\" 1\n");
  expectEveryWay(rtf, "<a>x<b>y&#233;z</b>&#xE9;<h>gone<a>q</a></h>w\xe9</a>",
                 "H[ax[by\\u233 zb]\\u233 w\\'e9a]F");
  expectEveryWay(rtf, "<b>{\\}</b>&amp;<a></a>", "H[b\\{\\\\\\}b]&[aa]F");
  expectEveryWay(base("\"empty end-tags\" 1\n"), "<a>x<b></></>", "H[ax[bb]a]F");
}

TEST(XmlReaderText, CharacterReferences) {
  Layout rtf = base("\"rtf encoding\" 1\n");
  EXPECT_EQ(rtf.convert("&#233;&#xE9;"), "H\\u233 \\u233 F");
  EXPECT_EQ(rtf.convert("&#x151;"), "H\\u337 F");
  EXPECT_EQ(rtf.convert("&#1114111;"), "H\\u56319 \\u57343 F");  // U+10FFFF as a surrogate pair
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
  EXPECT_EQ(l.convert("<a>" + l.escapeText("\x8b<b\x9b&") + "</a>"), "H[a\x8b<b\x9b&a]F");
  EXPECT_EQ(base().escapeText("\x8b<"), "\x8b&lt;");
  EXPECT_EQ(l.convert("\x8b"
                      "a"
                      "\x9b"
                      "x"
                      "\x8b"
                      "/a"
                      "\x9b"),
            "H[axa]F");
  EXPECT_EQ(l.convert("&plt;&pgt;"),
            "H\x8b\x9b"
            "F");
  EXPECT_EQ(base().convert("\x8b"
                           "a"
                           "\x9b"),
            "H\x8b"
            "a"
            "\x9b"
            "F");
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

TEST(XmlReaderInput, StopsAtZeroByte) { EXPECT_EQ(base().convert(std::string("ab\0<c>", 6)), "HabF"); }

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
