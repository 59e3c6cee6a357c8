// Tokenizer events over realistic client RTF, fed whole, byte by byte and as every prefix.
#include "tippaint/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <string>

namespace tippaint {
namespace {

// Records events as a compact trace: T<byte> B<byte> S<sym> W<name>[=param][*] { }
class Trace : public RtfEventSink {
 public:
  std::string log;
  void on_text(std::uint8_t b) override {
    log += 'T';
    log += static_cast<char>(b);
  }
  void on_binary(std::uint8_t b) override {
    log += 'B';
    log += static_cast<char>(b);
  }
  void on_symbol(char c) override {
    log += 'S';
    log += c;
  }
  void on_word(const std::string& n, bool has, std::int32_t p, bool ign) override {
    log += "W" + n;
    if (has) log += "=" + std::to_string(p);
    if (ign) log += "*";
    log += ' ';
  }
  void on_group_open() override { log += '{'; }
  void on_group_close() override { log += '}'; }
};

std::string run(const std::string& input) {
  Trace trace;
  RtfTokenizer tok(trace);
  for (std::size_t i = 0; i < input.size();) {
    if (tok.feed(static_cast<std::uint8_t>(input[i]))) ++i;
  }
  return trace.log;
}

int error_of(const std::string& input) {
  try {
    run(input);
  } catch (const RTFException& e) {
    return e.code();
  }
  return -1;
}

TEST(RtfTokenizer, ClientDocument) {
  const std::string doc =
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}}"
      "\\fs16 The {\\b houses} \\'e1\\par}";
  EXPECT_EQ(run(doc),
            "{Wrtf=1 Wansi Wansicpg=1250 Wdeff=0 {Wfonttbl {Wf=0 Wfswiss Wfcharset=238 "
            "TMTST TSTaTnTsT TSTeTrTiTfT;}}Wfs=16 TTThTeT {Wb ThToTuTsTeTs}T "
            "T\xe1Wpar }");
}

TEST(RtfTokenizer, SymbolsEscapesAndDelimiters) {
  EXPECT_EQ(run("\\~\\_\\-\\:\\|\\\\\\{\\}"), "S~S_S-S:S|T\\T{T}");
  EXPECT_EQ(run("\\*\\foo x"), "Wfoo* Tx");
  EXPECT_EQ(run("\\b0\\i-12;"), "Wb=0 Wi=-12 T;");
  EXPECT_EQ(run("a\tb\r\nc"), "TaWtab TbTc");
  EXPECT_EQ(run("\\\n\\\t"), "Wpar Wtab ");
  EXPECT_EQ(run("\\bin3 {}\\x"), "Wbin=3 B{B}B\\Tx");
  EXPECT_EQ(run("\\bin0 a"), "Wbin=0 Ta");
  EXPECT_EQ(run("\\bin-2 a"), "Wbin=-2 Ta");
}

TEST(RtfTokenizer, MalformedInputCodes) {
  EXPECT_EQ(error_of(std::string("a\0b", 3)), 1);
  EXPECT_EQ(error_of("\\A"), 2);
  EXPECT_EQ(error_of("\\5"), 2);
  EXPECT_EQ(error_of("\\f-x"), 3);
  EXPECT_EQ(error_of("\\'g0"), 4);
  EXPECT_EQ(error_of("\\'0z"), 4);
}

TEST(RtfTokenizer, ParametersAreBoundedNotWrapped) {
  EXPECT_EQ(run("\\f2147483647 "), "Wf=2147483647 ");
  EXPECT_EQ(run("\\f-2147483648 "), "Wf=-2147483648 ");
  EXPECT_EQ(error_of("\\f2147483648 "), RTFException::kParameterOutOfRange);
  EXPECT_EQ(error_of("\\f-2147483649 "), RTFException::kParameterOutOfRange);
  // Leading zeros are read whatever their number; the value decides.
  EXPECT_EQ(run("\\f00000000001 "), "Wf=1 ");
  EXPECT_EQ(run("\\f-" + std::string(100000, '0') + "7 "), "Wf=-7 ");
  EXPECT_EQ(error_of("\\f" + std::string(100, '0') + "99999999999 "), RTFException::kParameterOutOfRange);
  // An overlong name is kept one letter longer than any word, so it stays unknown.
  EXPECT_EQ(run("\\" + std::string(kMaxWordLength, 'a') + " "), "W" + std::string(kMaxWordLength, 'a') + " ");
  EXPECT_EQ(run("\\" + std::string(100000, 'a') + "5 x"),
            "W" + std::string(kMaxWordLength + 1, 'a') + "=5 Tx");
}

TEST(RtfTokenizer, EveryPrefixEndsCleanlyOrWithACode) {
  const std::string doc = "{\\rtf1{\\colortbl;\\red0\\green0\\blue160;}\\'f5\\u337?\\bin2 ab\\*\\x-5 \\par}";
  const std::string whole = run(doc);
  for (std::size_t n = 0; n <= doc.size(); ++n) {
    const std::string prefix = doc.substr(0, n);
    const int code = error_of(prefix);
    EXPECT_EQ(code, -1) << n;  // a prefix never throws; the reader decides about the end
    // Events of a prefix are a prefix of the whole document's events, up to a pending word.
    const std::string events = run(prefix);
    EXPECT_EQ(whole.compare(0, events.size(), events), 0) << n;
  }
}

}  // namespace
}  // namespace tippaint
