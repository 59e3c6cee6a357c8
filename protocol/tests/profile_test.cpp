#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "lexiton/profile.h"
#include "lexiton/test/files.h"

namespace {
using lexiton::test::readFile;

std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = lexiton::test::tempPath(name);
  lexiton::test::writeFile(path, text);
  return path;
}
}  // namespace

TEST(PortableProfile, ReadRules) {
  const auto path = writeFile("read.ini",
                              "; comment\r\n[Server Settings]\r\n  Server_Address =  http://h/  \r\n"
                              "Quoted=\"a b\"\r\nNum= -42abc\r\n[other]\r\nServer_Address=x\r\n");
  auto p = lexiton::openPortableProfile(path);
  EXPECT_EQ(p->readString("server settings", "SERVER_ADDRESS"), "http://h/");
  EXPECT_EQ(p->readString("Server Settings", "Quoted"), "a b");
  EXPECT_EQ(p->readString("Server Settings", "Missing", "fb"), "fb");
  EXPECT_EQ(p->readInt("Server Settings", "Num", 7), -42);
  EXPECT_EQ(p->readInt("Server Settings", "Missing", 7), 7);
  EXPECT_EQ(p->readString("other", "Server_Address"), "x");
}

TEST(PortableProfile, WriteKeepsOtherLinesAndCutsLongValues) {
  const auto path = writeFile("write.ini", "; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  auto p = lexiton::openPortableProfile(path);
  ASSERT_TRUE(p->writeString("a", "X", "10"));
  ASSERT_TRUE(p->writeString("A", "z", "3"));
  ASSERT_TRUE(p->writeString("C", "w", std::string(300, 'v')));
  // A replaced key keeps the spelling it has in the file, as the system writes it.
  EXPECT_EQ(readFile(path), "; keep me\r\n[A]\r\nx=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=" +
                                std::string(300, 'v') + "\r\n");
  EXPECT_EQ(p->readString("C", "w").size(), lexiton::Profile::kValueLimit);
  std::remove(path.c_str());
  auto fresh = lexiton::openPortableProfile(path);
  ASSERT_TRUE(fresh->writeString("S", "k", "v"));
  EXPECT_EQ(fresh->readString("S", "k"), "v");
}
