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
  EXPECT_EQ(body(shipped().convert("<SRC><orig>zorg</orig> <badword>teh</badword><suggest>the</suggest> x</SRC>")),
            "{\\pard\\plain\\f0\\fs16\\cf2 {\\ul zorg} {\\cf5 teh} x\\par}");
  EXPECT_EQ(body(shipped().convert("<TRG>sz&#x151;l&#337; &amp; {x}</TRG>")),
            "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i sz\\u337 l\\u337  & \\{x\\}\\par}");
  EXPECT_EQ(body(shipped().convert("<TRG>\xF5\xFB</TRG>")),
            "{\\pard\\plain\\li120\\f0\\fs16\\cf3\\i \\'f5\\'fb\\par}");
}

TEST(ShippedStyleSheet, PipelineTags) {
  for (const char* t : {"SRC", "TRG", "NOT_FOUND", "errmsg", "footer", "message", "msgglue",
                        "surf-ss", "surf-st", "surf-source", "HL", "badword", "orig", "chunk", "suggest"}) {
    std::string frag = std::string("<") + t + ">x</" + t + ">";
    EXPECT_NO_THROW(shipped().convert(frag)) << t;
  }
  EXPECT_NO_THROW(shipped().convert("<NOT_FOUND>w</NOT_FOUND><message>m</message><msgglue></msgglue><footer>f</footer>"));
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
