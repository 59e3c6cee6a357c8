// cIni's rules over the profile functions: the 510-character limit, the missing-integer marker,
// decimal reading, writes that fail, and the Windows 95 flush.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "startup/c_ini.h"

namespace lexiton::host::test {
namespace {

TEST(cIni, ReadsA509CharacterValueAndRefuses510) {
  MemoryProfile p;
  p.values["dict/A"] = std::string(509, 'a');
  p.values["dict/B"] = std::string(510, 'b');
  p.values["dict/C"] = std::string(2000, 'c');
  cIni ini(p, "x.ini");
  EXPECT_EQ(ini.readString("dict", "A", "").size(), 509u);
  EXPECT_THROW(ini.readString("dict", "B", ""), cIni::cExc);
  EXPECT_THROW(ini.readString("dict", "C", ""), cIni::cExc);
  EXPECT_THROW(ini.readInt("dict", "B", 0), cIni::cExc);
}

TEST(cIni, MissingKeysGiveTheDefault) {
  MemoryProfile p;
  cIni ini(p, "x.ini");
  EXPECT_EQ(ini.readString("dict", "Name", "HoverMouse"), "HoverMouse");
  EXPECT_EQ(ini.readInt("dict", "UserLang", 42), 42);
}

TEST(cIni, TheMarkerTextReadsAsMissing) {
  MemoryProfile p;
  p.values["dict/UserLang"] = "**##NO##**";
  EXPECT_EQ(cIni(p, "x.ini").readInt("dict", "UserLang", 7), 7);
}

TEST(cIni, IntegersAreTheLeadingDigits) {
  MemoryProfile p;
  p.values["dict/A"] = "1038abc";
  p.values["dict/B"] = "abc";
  p.values["dict/C"] = "-5";
  p.values["dict/D"] = "";
  cIni ini(p, "x.ini");
  EXPECT_EQ(ini.readInt("dict", "A", 1), 1038);
  EXPECT_EQ(ini.readInt("dict", "B", 1), 0);
  EXPECT_EQ(ini.readInt("dict", "C", 1), -5);
  EXPECT_EQ(ini.readInt("dict", "D", 1), 0);
}

TEST(cIni, WritesDecimalText) {
  MemoryProfile p;
  cIni(p, "x.ini").writeInt("dict", "TTColor", 0x00E1FFFF);
  EXPECT_EQ(p.values["dict/TTColor"], "14811135");
}

TEST(cIni, AFailedWriteThrows) {
  MemoryProfile p;
  p.failWrites = true;
  cIni ini(p, "x.ini");
  EXPECT_THROW(ini.writeInt("dict", "AutoRun", 1), cIni::cExc);
}

TEST(cIni, FlushesOnlyOnWindows95) {
  MemoryProfile p;
  { cIni ini(p, "x.ini"); }
  EXPECT_EQ(p.flushes, 0);
  p.windows95 = true;
  { cIni ini(p, "x.ini"); }
  EXPECT_EQ(p.flushes, 1);
}

TEST(cIni, AnUnknownVersionThrowsFromFlushButNotFromTheDestructor) {
  MemoryProfile p;
  p.windows95.reset();
  cIni ini(p, "x.ini");
  EXPECT_THROW(ini.flush(), cIni::cExc);
  EXPECT_NO_THROW({ cIni other(p, "x.ini"); });
}

}  // namespace
}  // namespace lexiton::host::test
