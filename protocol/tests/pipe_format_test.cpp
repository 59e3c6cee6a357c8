#include "lexiton/protocol/pipe_format.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lexiton/protocol/result_codes.h"

using namespace lexiton::protocol;

TEST(PipeFormat, WriterEscapesAndListsAndReaderReadsThemBack) {
  PipeWriter w;
  w.writeKeyValue("a|b", "x");
  w.writeBoolList({true, false});
  EXPECT_EQ(w.buffer(), "a||b|:x|.TRUE|;FALSE|;|.");

  PipeReader r;
  r.append(w.buffer());
  std::string out;
  EXPECT_EQ(r.readToken(out), TokenKind::KeyEnd);
  EXPECT_EQ(out, "a|b");
  EXPECT_EQ(r.readString(), "x");
  EXPECT_EQ(r.readBoolList(), (std::vector<bool>{true, false}));
  EXPECT_TRUE(r.buffer().empty());

  w.clear();
  w.writeStringList({});
  EXPECT_EQ(w.buffer(), "|.");
  w.clear();
  w.writeInt(-3);
  w.writeUnsigned(4000000000u);
  w.writeUnsignedList({1, 2});
  EXPECT_EQ(w.buffer(), "-3|.4000000000|.1|;2|;|.");
}

TEST(PipeFormat, IncompleteTokensStayInTheBuffer) {
  PipeReader r;
  r.append("no bar here");
  std::string out;
  EXPECT_EQ(r.readToken(out), TokenKind::None);
  EXPECT_EQ(out, "no bar here");
  EXPECT_EQ(r.readToken(out), TokenKind::None);
  EXPECT_EQ(out, "no bar here");
  r.clear();
  r.append("abc|");
  EXPECT_EQ(r.readToken(out), TokenKind::None);
  EXPECT_EQ(out, "abc");
  EXPECT_EQ(r.buffer(), "abc|");
  EXPECT_THROW(r.readString(), VxException);
  EXPECT_EQ(r.buffer(), "abc|");
}

TEST(PipeFormat, ScalarConversions) {
  PipeReader r;
  r.append("true|.-5|. 12abc|.|.");
  EXPECT_FALSE(r.readBool());
  EXPECT_EQ(r.readUnsigned(), 4294967291u);
  EXPECT_EQ(r.readInt(), 12);
  EXPECT_EQ(r.readStringList(), std::vector<std::string>{});
}

TEST(PipeFormat, FailuresCarryTheirLineAndConsumeTheOffendingToken) {
  struct Case {
    const char* input;
    int line;
    const char* details;
    int (*read)(PipeReader&);
  };
  const Case cases[] = {
      {"TRUE|;", 129, "Invalid syntax: no boolean found!", [](PipeReader& r) { return int(r.readBool()); }},
      {"TRUE|:", 148, "Invalid syntax: no boolean vector found!",
       [](PipeReader& r) { return int(r.readBoolList().size()); }},
      {"1|:", 159, "Invalid syntax: no integer found!", [](PipeReader& r) { return r.readInt(); }},
      {"1|;", 170, "Invalid syntax: no unsigned integer found!",
       [](PipeReader& r) { return int(r.readUnsigned()); }},
      {"1|;2|:", 189, "Invalid syntax: no unsigned integer vector found!",
       [](PipeReader& r) { return int(r.readUnsignedList().size()); }},
      {"s|:", 200, "Invalid syntax: no string found!",
       [](PipeReader& r) { return int(r.readString().size()); }},
      {"s|;t|:", 219, "Invalid syntax: no string vector found!",
       [](PipeReader& r) { return int(r.readStringList().size()); }},
  };
  for (const auto& c : cases) {
    PipeReader r;
    r.append(std::string(c.input) + "rest|.");
    try {
      c.read(r);
      ADD_FAILURE() << c.input;
    } catch (const VxException& e) {
      EXPECT_EQ(e.line(), c.line);
      EXPECT_EQ(e.details(), c.details);
      EXPECT_EQ(e.file(), ".\\PipeFormat.cpp");
    }
    EXPECT_EQ(r.buffer(), "rest|.") << c.input;
  }
}

TEST(PipeFormat, UnknownPairIsLiteralAndEveryPrefixTerminates) {
  PipeReader r;
  r.append("a|xb|.");
  std::string out;
  EXPECT_EQ(r.readToken(out), TokenKind::ValueEnd);
  EXPECT_EQ(out, "a|xb");
  // Every prefix yields exactly the tokens whose closing pair it holds, then nothing.
  const std::string whole = "k|||:v||x|;|q|.z";
  using Token = std::pair<TokenKind, std::string>;
  const std::vector<std::pair<std::size_t, Token>> closedAt = {{5, {TokenKind::KeyEnd, "k|"}},
                                                               {11, {TokenKind::ElementEnd, "v|x"}},
                                                               {15, {TokenKind::ValueEnd, "|q"}}};
  for (std::size_t n = 0; n <= whole.size(); ++n) {
    PipeReader p;
    p.append(whole.substr(0, n));
    std::vector<Token> read, expected;
    for (const auto& [end, token] : closedAt)
      if (end <= n) expected.push_back(token);
    for (std::size_t i = 0; i <= closedAt.size(); ++i) {
      const TokenKind kind = p.readToken(out);
      if (kind == TokenKind::None) break;
      read.emplace_back(kind, out);
    }
    EXPECT_EQ(read, expected) << "prefix of " << n;
  }
  // Byte by byte: tokens come out once complete.
  PipeReader b;
  std::vector<std::string> tokens;
  for (char c : std::string("ab||c|.d|;")) {
    b.append(std::string(1, c));
    if (b.readToken(out) != TokenKind::None) tokens.push_back(out);
  }
  EXPECT_EQ(tokens, (std::vector<std::string>{"ab|c", "d"}));
}
