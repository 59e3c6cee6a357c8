// Whole conversions of realistic fragments through the shipped style sheet (copied beside the
// test program).
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "lexiton/lookup/layout.h"

using namespace lexiton;

namespace {
const Layout& shipped() {
  static const Layout l("korvell.sty");
  return l;
}
std::string body(const std::string& rtf) {
  const std::string& h = shipped().header();
  const std::string& f = shipped().footer();
  EXPECT_EQ(rtf.compare(0, h.size(), h), 0);
  EXPECT_EQ(rtf.compare(rtf.size() - f.size(), f.size(), f), 0);
  return rtf.substr(h.size(), rtf.size() - h.size() - f.size());
}
}  // namespace

TEST(ShippedStyleSheet, HeaderCarriesFontsAndColours) {
  const std::string& h = shipped().header();
  EXPECT_EQ(h.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(h.find("\\deff0"), std::string::npos);
  EXPECT_NE(h.find("\\fcharset238"), std::string::npos);
  EXPECT_NE(h.find("{\\colortbl"), std::string::npos);
  EXPECT_NE(h.find("\\fs16"), std::string::npos);
  EXPECT_EQ(shipped().footer(), "}");
  EXPECT_TRUE(shipped().rtfEncoding());
}

TEST(ShippedStyleSheet, SourceAndTarget) {
  std::string src = body(shipped().convert("<SRC>The <HL>houses</HL> are big.</SRC>"));
  EXPECT_EQ(src, "{\\pard\\plain\\f0\\fs16\\cf2 The {\\b houses} are big.\\par}");
  std::string trg = body(shipped().convert("<TRG>A <chunk>h\xE1zak</chunk> nagyok.</TRG>"));
  EXPECT_EQ(trg, "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i A h\\'e1zak nagyok.\\par}");
  std::string both = body(shipped().convert("<SRC>a</SRC><TRG>b</TRG>"));
  EXPECT_EQ(both, "{\\pard\\plain\\f0\\fs16\\cf2 a\\par}{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i b\\par}");
}

TEST(ShippedStyleSheet, ServerMarkup) {
  EXPECT_EQ(
      body(shipped().convert("<SRC><orig>zorg</orig> <badword>teh</badword><suggest>the</suggest> x</SRC>")),
      "{\\pard\\plain\\f0\\fs16\\cf2 {\\ul zorg} {\\cf5 teh} x\\par}");
  EXPECT_EQ(body(shipped().convert("<TRG>sz&#x151;l&#337; &amp; {x}</TRG>")),
            "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i sz\\u337 l\\u337  & \\{x\\}\\par}");
  EXPECT_EQ(body(shipped().convert("<TRG>\xF5\xFB</TRG>")),
            "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i \\'f5\\'fb\\par}");
}

TEST(ShippedStyleSheet, PipelineTags) {
  for (const char* t : {"SRC", "TRG", "NOT_FOUND", "errmsg", "footer", "message", "msgglue", "surf-ss",
                        "surf-st", "surf-source", "HL", "badword", "orig", "chunk", "suggest"}) {
    std::string frag = std::string("<") + t + ">x</" + t + ">";
    EXPECT_NO_THROW(shipped().convert(frag)) << t;
  }
  EXPECT_NO_THROW(
      shipped().convert("<NOT_FOUND>w</NOT_FOUND><message>m</message><msgglue></msgglue><footer>f</footer>"));
  EXPECT_THROW(shipped().convert("<unknown>x</unknown>"), xml_exception);
}

TEST(ShippedStyleSheet, ConcurrentConversionsAgree) {
  const std::string in = "<SRC>The <HL>houses</HL> are big.</SRC><TRG>A h\xE1zak nagyok.</TRG>";
  const std::string expected = shipped().convert(in);
  std::vector<std::thread> ts;
  std::vector<int> bad(4, 0);
  for (int t = 0; t < 4; ++t)
    ts.emplace_back([&, t] {
      for (int i = 0; i < 500; ++i)
        if (shipped().convert(in) != expected) ++bad[t];
    });
  for (auto& t : ts) t.join();
  for (int b : bad) EXPECT_EQ(b, 0);
}

namespace {
// Unescaped braces balance and never close more than is open: the renderer takes one document
// from "{\rtf1" to the brace that closes it.
bool balanced(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // an escaped byte, or the first letter of a control word
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth < 0) return false;
    if (depth == 0 && i + 1 < rtf.size()) return false;  // closed before the end
  }
  return depth == 0;
}

const char kSrc[] = "{\\pard\\plain\\f0\\fs16\\cf2 ";
const char kTrg[] = "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i ";
const char kPar[] = "\\par}";
}  // namespace

// The fragments a look-up builds from a server reply, one document each, as RTF text.
TEST(ShippedStyleSheet, WholeRepliesAsTheLookupConvertsThem) {
  const Layout& l = shipped();
  struct Case {
    const char* fragment;
    std::string rtf;
  } cases[] = {
      // A source with the pointer word, a misspelling, its hidden suggestion and an unknown word.
      {"<SRC>I saw <badword>teh</badword><suggest>the</suggest> <HL>houses</HL> of "
       "<orig>Zorgvale</orig>.</SRC>",
       std::string(kSrc) + "I saw {\\cf5 teh} {\\b houses} of {\\ul Zorgvale}." + kPar},
      // A suggestion inside the misspelling, and markup inside the hidden part.
      {"<SRC><badword>teh<suggest><HL>the</HL></suggest></badword> end</SRC>",
       std::string(kSrc) + "{\\cf5 teh} end" + kPar},
      // A mosaic target: chunks, Windows-1250 letters and character references.
      {"<TRG><chunk>A h\xe1zak</chunk> <chunk>sz\xe9p&#x151;k</chunk> &amp; "
       "<chunk>&#337;sz</chunk>.</TRG>",
       std::string(kTrg) + "A h\\'e1zak sz\\'e9p\\u337 k & \\u337 sz." + kPar},
      // Braces and backslashes the server passes through stay text.
      {"<TRG>{a} \\b</TRG>", std::string(kTrg) + "\\{a\\} \\\\b" + kPar},
      // Surface elements nested in a surface are dropped, their text kept.
      {"<SRC>a <surf-ss>b</surf-ss><surf-source>c</surf-source><surf-st>d</surf-st></SRC>",
       std::string(kSrc) + "a bcd" + kPar},
      {"<NOT_FOUND>Nincs tal\xe1lat.</NOT_FOUND>",
       "{\\pard\\plain\\li120\\f0\\fs16\\cf4\\i Nincs tal\\'e1lat." + std::string(kPar)},
      // An error text with markup characters escaped by the look-up.
      {"<errmsg>There is no connection to the Korvell server! (&lt;html&gt;)</errmsg>",
       "{\\pard\\plain\\f0\\fs16\\cf5\\b There is no connection to the Korvell server! (<html>)" +
           std::string(kPar)},
      // Notes and a footer text: nested paragraphs inside the footer group.
      {"<footer><message>mosaic translation</message><msgglue></msgglue>"
       "<message>unknown words underlined</message><msgglue></msgglue>Lexiton 1.0</footer>",
       "{\\pard\\plain\\f1\\fs14\\cf4 {\\pard\\plain\\f0\\fs16\\cf4\\i mosaic translation\\par}"
       "{\\pard\\plain\\f0\\fs8 \\par}{\\pard\\plain\\f0\\fs16\\cf4\\i unknown words underlined\\par}"
       "{\\pard\\plain\\f0\\fs8 \\par}Lexiton 1.0\\par}"},
      {"", ""},
  };
  for (const auto& c : cases) {
    const std::string rtf = l.convert(c.fragment);
    EXPECT_EQ(body(rtf), c.rtf) << c.fragment;
    EXPECT_TRUE(balanced(rtf)) << rtf;
  }
}

TEST(ShippedStyleSheet, EveryPipelineAndServerTagNestsWithBalancedBraces) {
  const char* const tags[] = {"SRC",     "TRG",     "NOT_FOUND", "errmsg",  "footer",
                              "message", "msgglue", "surf-ss",   "surf-st", "surf-source",
                              "HL",      "badword", "orig",      "chunk",   "suggest"};
  for (const char* outer : tags) {
    for (const char* inner : tags) {
      const std::string fragment =
          std::string("<") + outer + ">a{<" + inner + ">b\xe9&#x151;</" + inner + ">}c</" + outer + ">";
      std::string rtf;
      ASSERT_NO_THROW(rtf = shipped().convert(fragment)) << fragment;
      EXPECT_TRUE(balanced(rtf)) << rtf;
    }
  }
}

TEST(ShippedStyleSheet, TextsFromOutsideAreEscapedBeforeTheyAreWrapped) {
  // Unescaped, a server's message or a footer text can stop the conversion.
  EXPECT_THROW(shipped().convert("<errmsg>(<html>)</errmsg>"), xml_exception);
  EXPECT_THROW(shipped().convert("<footer>Tom & Jerry</footer>"), xml_exception);
  EXPECT_THROW(shipped().convert(std::string("<errmsg>(\0)</errmsg>", 18)), xml_exception);
  // Escaped, every byte but the dropped line breaks and zero comes back as text.
  std::string all, expected;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    if (b >= 128) {
      static const char hex[] = "0123456789abcdef";
      expected += std::string("\\'") + hex[b >> 4] + hex[b & 15];
    } else {
      if (b == '\\' || b == '{' || b == '}') expected += '\\';
      expected += static_cast<char>(b);
    }
  }
  const std::string rtf = shipped().convert("<errmsg>" + shipped().escapeText(all) + "</errmsg>");
  EXPECT_EQ(body(rtf), "{\\pard\\plain\\f0\\fs16\\cf5\\b " + expected + kPar);
  EXPECT_EQ(shipped().escapeText("1202 Error (<html>) & more"), "1202 Error (&lt;html&gt;) &amp; more");
}

TEST(ShippedStyleSheet, CharactersBeyondSixteenBitsBecomeSurrogatePairs) {
  // The renderer keeps 16 bits of a \u value; U+1F600 goes out as its two UTF-16 units.
  EXPECT_EQ(body(shipped().convert("<TRG>&#x1F600;&#128512;</TRG>")),
            std::string(kTrg) + "\\u55357 \\u56832 \\u55357 \\u56832 " + kPar);
  EXPECT_EQ(body(shipped().convert("<TRG>&#xFFFF;&#x10000;</TRG>")),
            std::string(kTrg) + "\\u65535 \\u55296 \\u56320 " + kPar);
}
