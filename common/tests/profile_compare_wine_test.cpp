// The portable settings file against the system's private-profile functions on the same files:
// the portable one is what the tools and tests use off Windows, so it must read and write like
// the system does.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lexiton/profile.h"
#include "lexiton/test/files.h"

namespace {

using lexiton::test::readFile;

std::string tempPath(const std::string& name) { return lexiton::test::tempPath("lexiton_profile_" + name); }

std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = tempPath(name);
  lexiton::test::writeFile(path, text);
  return path;
}

const std::string kLong(300, 'v');

const std::string kSample =
    "; a comment about the file\r\n"
    "[Server Settings]\r\n"
    "  Server_Address =  http://h/  \r\n"
    "Quoted=\"a b\"\r\n"
    "Single='c d'\r\n"
    "HalfQuote=\"e f\r\n"
    "Mixed=\"g h'\r\n"
    "Empty=\r\n"
    "QuotesOnly=\"\"\r\n"
    "NoEquals\r\n"
    "; Commented=1\r\n"
    "Num= -42abc\r\n"
    "Plus=+7\r\n"
    "Hex=0x10\r\n"
    "Spaces=  12  \r\n"
    "Huge=99999999999\r\n"
    "Word=abc\r\n"
    "QuotedNum=\"5\"\r\n"
    "Bin=0b101\r\n"
    "NegHex=-0x10\r\n"
    "Oct=0o17\r\n"
    "Upper=0X1f\r\n"
    "Big=4294967297\r\n"
    "Blank=   \r\n"
    "Digits7=7seven\r\n"
    "Bad=0x\r\n"
    "Nine=0b2\r\n"
    "PlusMinus=+-3\r\n"
    "LongNum=00000000000000000000000000000042\r\n"
    "Long=" +
    kLong +
    "\r\n"
    "QuotedLong=\"" +
    kLong +
    "\"\r\n"
    "Dup=first\r\n"
    "Dup=second\r\n"
    "Inner = a = b\r\n"
    "\tTabbed\t=\tt\t\r\n"
    "[ Spaced Section ]\r\n"
    "k=v\r\n"
    "[other]\r\n"
    "Server_Address=x\r\n"
    "[server settings]\r\n"
    "Late=y\r\n"
    "Dup=third\r\n"
    "[Unclosed\r\n"
    "u=1\r\n";

struct Query {
  const char* section;
  const char* key;
};

const std::vector<Query> kStringQueries = {
    {"Server Settings", "Server_Address"},
    {"SERVER SETTINGS", "server_address"},
    {"Server Settings", "Quoted"},
    {"Server Settings", "Single"},
    {"Server Settings", "HalfQuote"},
    {"Server Settings", "Mixed"},
    {"Server Settings", "Empty"},
    {"Server Settings", "QuotesOnly"},
    {"Server Settings", "NoEquals"},
    {"Server Settings", "Commented"},
    {"Server Settings", "; Commented"},
    {"Server Settings", "Long"},
    {"Server Settings", "QuotedLong"},
    {"Server Settings", "Dup"},
    {"Server Settings", "Late"},
    {"Server Settings", "Inner"},
    {"Server Settings", "Tabbed"},
    {"Server Settings", "Missing"},
    {"Spaced Section", "k"},
    {" Spaced Section ", "k"},
    {"other", "Server_Address"},
    {"missing", "k"},
    {"Unclosed", "u"},
    {"Server Settings", " Num "},
};

const std::vector<Query> kIntQueries = {
    {"Server Settings", "Num"},       {"Server Settings", "Plus"},
    {"Server Settings", "Hex"},       {"Server Settings", "Spaces"},
    {"Server Settings", "Huge"},      {"Server Settings", "Word"},
    {"Server Settings", "Empty"},     {"Server Settings", "NoEquals"},
    {"Server Settings", "Missing"},   {"missing", "Num"},
    {"SERVER SETTINGS", "NUM"},       {"Server Settings", "Quoted"},
    {"Server Settings", "QuotedNum"}, {"Server Settings", "Bin"},
    {"Server Settings", "NegHex"},    {"Server Settings", "Oct"},
    {"Server Settings", "Upper"},     {"Server Settings", "Big"},
    {"Server Settings", "Blank"},     {"Server Settings", "Digits7"},
    {"Server Settings", "Late"},      {" server settings ", " num "},
    {"Server Settings", "Bad"},       {"Server Settings", "Nine"},
    {"Server Settings", "PlusMinus"}, {"Server Settings", "LongNum"},
};

void compareReads(const std::string& path) {
  auto system = lexiton::openProfile(path);
  auto portable = lexiton::openPortableProfile(path);
  for (const Query& q : kStringQueries)
    for (const char* fallback : {"", "fb", "fb  ", "\"q\""}) {
      SCOPED_TRACE(std::string(q.section) + "/" + q.key + " fallback [" + fallback + "]");
      EXPECT_EQ(portable->readString(q.section, q.key, fallback),
                system->readString(q.section, q.key, fallback));
    }
  for (const Query& q : kIntQueries)
    for (int fallback : {0, 7, -3}) {
      SCOPED_TRACE(std::string(q.section) + "/" + q.key + " fallback " + std::to_string(fallback));
      EXPECT_EQ(portable->readInt(q.section, q.key, fallback), system->readInt(q.section, q.key, fallback));
    }
}

}  // namespace

TEST(ProfileAgainstSystem, ReadsTheSameValues) {
  const auto path = writeFile("read.ini", kSample);
  compareReads(path);
  // What both agree on, spelled out.
  auto system = lexiton::openProfile(path);
  EXPECT_EQ(system->readString("Server Settings", "Long").size(), lexiton::Profile::kValueLimit);
  EXPECT_EQ(system->readString("server SETTINGS", "SERVER_address"), "http://h/");
  EXPECT_EQ(system->readString("Server Settings", "Quoted"), "a b");
  EXPECT_EQ(system->readString("Server Settings", "HalfQuote"), "\"e f");
  EXPECT_EQ(system->readString("Server Settings", "Dup"), "first");
  EXPECT_EQ(system->readString("Server Settings", "Late", "fb"), "fb");  // second section of that name
  EXPECT_EQ(system->readString("missing", "k", "fb  "), "fb");
  EXPECT_EQ(system->readInt("Server Settings", "Num", 7), -42);
  EXPECT_EQ(system->readInt("Server Settings", "Hex", 7), 16);
  EXPECT_EQ(system->readInt("Server Settings", "Empty", 7), 7);
  EXPECT_EQ(system->readInt("Server Settings", "Word", 7), 0);
}

TEST(ProfileAgainstSystem, EveryPrefixOfTheFileReadsAlike) {
  // Files cut anywhere (a half-written line, a section header without its end).
  for (std::size_t n = 0; n <= 400; n += 7) {
    SCOPED_TRACE(n);
    compareReads(writeFile("prefix.ini", kSample.substr(0, n)));
  }
}

TEST(ProfileAgainstSystem, MissingFileReadsAsFallbacks) {
  const auto path = tempPath("does_not_exist.ini");
  DeleteFileA(path.c_str());
  compareReads(path);
  EXPECT_EQ(lexiton::openProfile(path)->readString("a", "b", "fb"), "fb");
  EXPECT_EQ(lexiton::openProfile(path)->readInt("a", "b", 9), 9);
}

TEST(ProfileAgainstSystem, WritesKeepTheRestOfTheFile) {
  struct Write {
    const char* section;
    const char* key;
    const char* value;
  };
  const std::vector<Write> writes = {
      {"server settings", "SERVER_ADDRESS", "http://new/"},  // existing, other case
      {"Server Settings", "Proxy_Server", "10.0.0.1:8080"},  // new key, existing section
      {"Server Settings", "Dup", "replaced"},
      {"New Section", "Proxy_Type", "5"},  // new section
      {"other", "Server_Address", ""},     // empty value
      {"Server Settings", "Proxy_Auth", " spaced "},
  };
  const auto systemPath = writeFile("write_system.ini", kSample);
  const auto portablePath = writeFile("write_portable.ini", kSample);
  auto system = lexiton::openProfile(systemPath);
  auto portable = lexiton::openPortableProfile(portablePath);
  for (const Write& w : writes) {
    EXPECT_TRUE(system->writeString(w.section, w.key, w.value));
    EXPECT_TRUE(portable->writeString(w.section, w.key, w.value));
  }
  // Each file reads the same through either implementation, and both files read alike.
  compareReads(systemPath);
  compareReads(portablePath);
  auto systemAgain = lexiton::openProfile(systemPath);
  auto portableAgain = lexiton::openProfile(portablePath);
  for (const Write& w : writes)
    EXPECT_EQ(systemAgain->readString(w.section, w.key), portableAgain->readString(w.section, w.key));
  for (const Query& q : kStringQueries)
    EXPECT_EQ(systemAgain->readString(q.section, q.key, "fb"),
              portableAgain->readString(q.section, q.key, "fb"))
        << q.section << "/" << q.key;
  // The comment lines survive.
  for (const auto& path : {systemPath, portablePath}) {
    const std::string text = readFile(path);
    EXPECT_NE(text.find("; a comment about the file"), std::string::npos) << path;
    EXPECT_NE(text.find("; Commented=1"), std::string::npos) << path;
  }
  // A write to a file that does not exist yet creates it.
  for (const auto& path : {tempPath("fresh_system.ini"), tempPath("fresh_portable.ini")})
    DeleteFileA(path.c_str());
  auto freshSystem = lexiton::openProfile(tempPath("fresh_system.ini"));
  auto freshPortable = lexiton::openPortableProfile(tempPath("fresh_portable.ini"));
  EXPECT_TRUE(freshSystem->writeString("S", "k", "v"));
  EXPECT_TRUE(freshPortable->writeString("S", "k", "v"));
  EXPECT_EQ(readFile(freshPortable->path()), readFile(freshSystem->path()));
}

TEST(ProfileAgainstSystem, ABareFileNameIsInTheCurrentFolder) {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string name = "lexiton_profile_bare.ini";
  std::ofstream(std::string(current) + "\\" + name, std::ios::binary | std::ios::trunc)
      << "[s]\r\nk=here\r\n";
  EXPECT_EQ(lexiton::openProfile(name)->readString("s", "k"), "here");
  EXPECT_EQ(lexiton::openProfile(name)->path(), name);
  EXPECT_TRUE(lexiton::openProfile(name)->writeString("s", "k", "again"));
  EXPECT_EQ(lexiton::openPortableProfile(name)->readString("s", "k"), "again");
  DeleteFileA((std::string(current) + "\\" + name).c_str());
}
