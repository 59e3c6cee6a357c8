#include "lexiton/protocol/client_packer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace lexiton::protocol;

namespace {
const std::string kKey = "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F";
}

TEST(ClientPacker, BlockSizesAndRoundTrip) {
  ClientPacker p;
  std::string out;
  ASSERT_TRUE(p.pack(kKey, "", out));
  EXPECT_EQ(out.size(), 32u);
  ASSERT_TRUE(p.pack(kKey, "hello world", out));  // 4 + 11 + 1 = 16: one block
  EXPECT_EQ(out.size(), 32u);
  EXPECT_EQ(out.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  std::string back;
  ASSERT_TRUE(p.unpack(kKey, out, back));
  EXPECT_EQ(back, "hello world");
  for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 1000u}) {
    std::string text(n, 'q');
    if (n) text[n - 1] = ' ';
    ASSERT_TRUE(p.pack(kKey, text, out));
    ASSERT_TRUE(p.unpack(kKey, out, back));
    EXPECT_EQ(back, text);
  }
}

TEST(ClientPacker, BadKeysAndShortOrTamperedReplies) {
  ClientPacker p;
  std::string out, back;
  EXPECT_FALSE(p.pack(kKey.substr(0, 30), "x", out));
  ASSERT_TRUE(p.pack(kKey, "payload", out));
  EXPECT_FALSE(p.unpack(kKey.substr(0, 62), out, back));
  EXPECT_FALSE(p.unpack(kKey, out.substr(0, 31), back));
  std::string tampered = out;
  tampered[0] = tampered[0] == 'A' ? 'B' : 'A';
  EXPECT_FALSE(p.unpack(kKey, tampered, back));
  EXPECT_FALSE(p.unpack(kKey, "zz", back));
  EXPECT_TRUE(p.unpack(
      kKey.substr(0, 32),
      [&] {
        std::string s;
        p.pack(kKey.substr(0, 32), "k16", s);
        return s;
      }(),
      back));
}

TEST(ClientPacker, HexAndRandomToken) {
  EXPECT_EQ(ClientPacker::toHex(std::string("\x00\xff\x1a", 3)), "00FF1A");
  EXPECT_EQ(ClientPacker::fromHex("00ff1A7"), std::string("\x00\xff\x1a", 3));
  ClientPacker p;
  const std::string a = p.randomToken(), b = p.randomToken();
  EXPECT_EQ(a.size(), 40u);
  EXPECT_NE(a.substr(0, 32), b.substr(0, 32));
}

#ifndef _WIN32
// openssl and python's zlib as an independent oracle of the frame and the cipher.
TEST(ClientPacker, AgreesWithOpensslAndZlib) {
  ClientPacker p;
  const std::string text = "usr|:anna|;dat|:house|.";
  std::string packed;
  ASSERT_TRUE(p.pack(kKey, text, packed));
  const std::string dir = ::testing::TempDir();
  {
    std::ofstream f(dir + "packed.hex");
    f << packed;
  }
  const std::string cmd =
      "python3 -c \"import binascii,sys,zlib;"
      "d=binascii.unhexlify(open('" +
      dir +
      "packed.hex').read());"
      "open('" +
      dir + "c.bin','wb').write(d)\" && openssl enc -d -aes-256-ecb -nopad -K " + kKey + " -in " + dir +
      "c.bin -out " + dir +
      "p.bin && python3 -c \"import zlib,struct;"
      "d=open('" +
      dir +
      "p.bin','rb').read();t=d[4:].rstrip(b' ');assert t.endswith(b'|');t=t[:-1];"
      "assert struct.unpack('<I',d[:4])[0]==zlib.crc32(t);print(t.decode())\" > " +
      dir + "plain.txt";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(dir + "plain.txt");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, text);
}
#endif
