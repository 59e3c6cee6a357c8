// The portable settings file follows the system's private-profile rules where they are easy to
// get wrong; profile_compare_wine_test checks the same files against the system under wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "lexiton/profile.h"
#include "lexiton/test/files.h"

namespace {
using lexiton::test::readFile;

std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = lexiton::test::tempPath("lexiton_profile_file_" + name);
  lexiton::test::writeFile(path, text);
  return path;
}
}  // namespace

TEST(PortableProfileRules, OnlyTheFirstSectionOfANameCounts) {
  const auto path =
      writeFile("sections.ini", "[A]\r\nx=1\r\n[ a ]\r\nx=2\r\ny=3\r\n[Open\r\nz=4\r\n[B]c\r\nw=5\r\n");
  auto p = lexiton::openPortableProfile(path);
  EXPECT_EQ(p->readString("a", "x"), "1");
  EXPECT_EQ(p->readString("A", "y", "fb"), "fb");
  EXPECT_EQ(p->readString("  A  ", "  X  "), "1");
  EXPECT_EQ(p->readString("Open", "z", "fb"), "fb");  // "[" without "]" opens no section
  EXPECT_EQ(p->readString("B", "w"), "5");            // text after "]" is ignored
  ASSERT_TRUE(p->writeString("a", "y", "9"));
  EXPECT_EQ(p->readString("A", "y"), "9");
  EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\ny=9\r\n[ a ]\r\nx=2\r\ny=3\r\n[Open\r\nz=4\r\n[B]c\r\nw=5\r\n");
}

TEST(PortableProfileRules, FallbacksLoseTrailingBlanksAndQuotes) {
  auto p = lexiton::openPortableProfile(writeFile("fallback.ini", ""));
  EXPECT_EQ(p->readString("s", "k", "fb  "), "fb");
  EXPECT_EQ(p->readString("s", "k", "  fb"), "  fb");
  EXPECT_EQ(p->readString("s", "k", "\"q\""), "q");
  EXPECT_EQ(p->readString("s", "k", "   "), "");
}

TEST(PortableProfileRules, NumbersReadLikeTheSystem) {
  const auto path = writeFile("numbers.ini",
                              "[n]\r\ndec=42\r\nneg=-42abc\r\nplus=+7\r\nhex=0x1F\r\nneghex=-0x10\r\n"
                              "oct=0o17\r\nbin=0b101\r\nbad=0x\r\nword=abc\r\nempty=\r\nquoted=\"12\"\r\n"
                              "wrap=4294967297\r\nnine=0b2\r\n");
  auto p = lexiton::openPortableProfile(path);
  EXPECT_EQ(p->readInt("n", "dec", 7), 42);
  EXPECT_EQ(p->readInt("n", "neg", 7), -42);
  EXPECT_EQ(p->readInt("n", "plus", 7), 7);
  EXPECT_EQ(p->readInt("n", "hex", 7), 31);
  EXPECT_EQ(p->readInt("n", "neghex", 7), -16);
  EXPECT_EQ(p->readInt("n", "oct", 7), 15);
  EXPECT_EQ(p->readInt("n", "bin", 7), 5);
  EXPECT_EQ(p->readInt("n", "bad", 7), 0);
  EXPECT_EQ(p->readInt("n", "word", 7), 0);
  EXPECT_EQ(p->readInt("n", "empty", 7), 7);
  EXPECT_EQ(p->readInt("n", "quoted", 7), 12);
  EXPECT_EQ(p->readInt("n", "wrap", 7), 1);
  EXPECT_EQ(p->readInt("n", "nine", 7), 0);
  EXPECT_EQ(p->readInt("n", "missing", 7), 7);
}

TEST(PortableProfileRules, WritesKeepSpellingAndDropLeadingBlanks) {
  const auto path = writeFile("spelling.ini", "[Server Settings]\r\n  Proxy_Server = old \r\n");
  auto p = lexiton::openPortableProfile(path);
  ASSERT_TRUE(p->writeString(" server settings ", "PROXY_SERVER", "  10.0.0.1:80"));
  ASSERT_TRUE(p->writeString("Server Settings", " Proxy_Auth ", "bob"));
  EXPECT_EQ(readFile(path), "[Server Settings]\r\nProxy_Server=10.0.0.1:80\r\nProxy_Auth=bob\r\n");
}

TEST(PortableProfileRules, AFileTooLargeToReadIsNotCutShortByAWrite) {
  std::string big = "[s]\r\nk=v\r\n";
  const std::string filler = "; " + std::string(1000, 'x') + "\r\n";
  while (big.size() <= (1u << 20)) big += filler;
  const auto path = writeFile("big.ini", big);
  auto p = lexiton::openPortableProfile(path);
  EXPECT_EQ(p->readString("s", "k"), "v");
  EXPECT_FALSE(p->writeString("s", "k", "w"));
  EXPECT_EQ(readFile(path), big);
  std::remove(path.c_str());
}
