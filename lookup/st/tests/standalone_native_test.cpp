// The stand-alone library's exports, linked in with its translator backend: a whole look-up
// from UTF-16 text to the result list, with no server anywhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "lexiton/abi.h"
#include "lexiton/alert.h"
#include "lexiton/chunk_list.h"
#include "lexiton/dictionary.h"
#include "lexiton/lookup_exports.h"
#include "lexiton/translator/translator_backend.h"

namespace {

struct Result {
  bool ok = false;
  int count = 0;
  std::string qxr, plain;
};

std::string chunk(const std::vector<uint8_t>& bytes, std::size_t size, std::string_view tag) {
  auto c = lexiton::ChunkView(bytes.data(), size).find(tag);
  return c ? std::string(c->text()) : std::string();
}

Result lookup(const std::u16string& text, unsigned pointer) {
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  LxByteArray array{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
  LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  Result r;
  int reserved = 0;
  bool quit = false;
  r.ok = Lookup(&wide, pointer, &array, &r.count, &reserved, "", &quit, "", "Notepad");
  r.qxr = chunk(bytes, array.size, "QXR1");
  r.plain = chunk(bytes, array.size, "plai");
  return r;
}

class Standalone : public ::testing::Test {
 protected:
  static void initWith(const std::string& settings) {
    std::ofstream("standalone_test.ini", std::ios::trunc) << settings;
    ASSERT_EQ(KVInit(nullptr, "standalone_test.ini"), 0);
  }
  void TearDown() override {
    KVClose();
    KVExit(1033, nullptr);
    std::remove("standalone_test.ini");
  }
};

TEST_F(Standalone, TranslatesInProcessWhateverTheServerModeSays) {
  for (const char* mode : {"0", "1"}) {
    initWith(std::string("[dict]\nUserLang=1033\n[Server Settings]\nServer_Mode=") + mode +
             "\nServer_Address=http://127.0.0.1:1/\n");
    const std::u16string text = u"The houses are big.";
    Result r = lookup(text, static_cast<unsigned>(text.find(u"houses")));
    ASSERT_TRUE(r.ok) << mode;
    EXPECT_EQ(r.count, 2) << "the second sense of \"house\" is a second alternative";
    EXPECT_NE(r.plain.find("EN: The houses are big.%0D%0AHU: "), std::string::npos) << r.plain;
    EXPECT_NE(r.plain.find("h\xE1z"), std::string::npos) << r.plain;  // Windows-1250 "ház"
    EXPECT_NE(r.qxr.find("houses"), std::string::npos);
    EXPECT_NE(r.qxr.find("h\\'e1z"), std::string::npos) << "RTF of the Hungarian target";
    EXPECT_NE(r.qxr.find("mosaic translation"), std::string::npos);
    KVClose();
    KVExit(1033, nullptr);
  }
}

TEST_F(Standalone, NotEnglishAndEmptyTexts) {
  initWith("[dict]\nUserLang=1033\n[Server Settings]\nServer_Mode=0\n");
  Result r = lookup(u"A h\u00e1zak nagyok \u00e9s sz\u00e9pek.", 3);
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.plain.find("Error: The text is not english."), std::string::npos) << r.plain;
  r = lookup(u"", 0);
  EXPECT_TRUE(r.ok);
  r = lookup(u"He gave up.", 4);
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.plain.find("EN: He gave up."), std::string::npos) << r.plain;
}

TEST(TranslatorBackendTest, MissingDictionaryAnswers1503) {
  lexiton::translator::TranslatorBackend backend("no-such-dir/lexiton-en-hu.dict");
  EXPECT_FALSE(backend.ready());
  std::string out = "stale";
  EXPECT_EQ(backend.query("", "The &kvopoint;houses.", 1, out), 1503);
  EXPECT_EQ(out, "1503 Error during initialization!");
  EXPECT_EQ(backend.cancelQuery(), -1);
  EXPECT_EQ(backend.close(), 0);
  lexiton::translator::TranslatorBackend real(lexiton::kDictionaryFileName);
  ASSERT_TRUE(real.ready());
  EXPECT_EQ(real.query("", "Das Haus &kvopoint;ist gro&#xDF; und sch&#xF6;n.", 1, out), 1);
  EXPECT_EQ(out.substr(0, 5), "1010 ");
  EXPECT_EQ(real.query("", "The &kvopoint;houses are big.", 1, out), 0);
  EXPECT_NE(out.find("<HL>houses</HL>"), std::string::npos);
}

}  // namespace
