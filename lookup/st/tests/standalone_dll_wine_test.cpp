// LexitonSt.dll as the host binds it: loaded by file name, entries bound by name, one look-up
// answered in-process by the translator over the dictionary beside the DLL.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "lexiton/abi.h"
#include "lexiton/chunk_list.h"
#include "lexiton/lookup_exports.h"
#include "lexiton/library.h"

namespace {

struct Entries {
  KVInitFn init = nullptr;
  LookupFn lookup = nullptr;
  KVCloseFn close = nullptr;
  KVExitFn exit = nullptr;
};

std::string chunk(const std::vector<uint8_t>& bytes, std::size_t size, std::string_view tag) {
  auto c = lexiton::ChunkView(bytes.data(), size).find(tag);
  return c ? std::string(c->text()) : std::string();
}

TEST(LexitonStDll, HasTheLookupExportsButNoProxyDialog) {
  lexiton::Library dll("LexitonSt.dll");
  ASSERT_TRUE(dll) << "LexitonSt.dll did not load: " << dll.error();
  for (const char* name :
       {"KVInit", "Lookup", "SetMode", "GetCopyRightInfo", "KVStorno", "KVClose", "KVExit"})
    EXPECT_NE(dll.bind<void (*)()>(name), nullptr) << name;
  EXPECT_EQ(dll.bind<void (*)()>("KVProxyDlg"), nullptr);
}

TEST(LexitonStDll, LooksUpHousesWithoutAServer) {
  lexiton::Library dll("LexitonSt.dll");
  ASSERT_TRUE(dll);
  Entries e{dll.bind<KVInitFn>("KVInit"), dll.bind<LookupFn>("Lookup"), dll.bind<KVCloseFn>("KVClose"),
            dll.bind<KVExitFn>("KVExit")};
  ASSERT_TRUE(e.init && e.lookup && e.close && e.exit);
  // An address nobody listens on: the look-up must not need it.
  std::ofstream("standalone_dll_test.ini", std::ios::trunc)
      << "[dict]\r\nUserLang=1033\r\n[Server "
         "Settings]\r\nServer_Mode=0\r\nServer_Address=http://127.0.0.1:1/\r\n";
  char full[MAX_PATH];
  ASSERT_GT(GetFullPathNameA("standalone_dll_test.ini", MAX_PATH, full, nullptr), 0u);
  ASSERT_EQ(e.init(nullptr, full), 0);

  const std::u16string text = u"The houses are big.";
  std::vector<uint8_t> bytes(LX_LOOKUP_RESULT_RESERVE);
  LxByteArray array{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
  LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  int count = 0, reserved = 0;
  bool quit = false;
  ASSERT_TRUE(e.lookup(&wide, static_cast<unsigned>(text.find(u"houses")), &array, &count, &reserved, "",
                       &quit, "", "Notepad"));
  EXPECT_FALSE(quit);
  EXPECT_GE(count, 1);
  const std::string qxr = chunk(bytes, array.size, "QXR1");
  const std::string plain = chunk(bytes, array.size, "plai");
  EXPECT_NE(qxr.find("{\\rtf1"), std::string::npos);
  EXPECT_NE(qxr.find("houses"), std::string::npos);
  EXPECT_NE(qxr.find("h\\'e1z"), std::string::npos) << "the Hungarian target in the RTF";
  EXPECT_NE(plain.find("EN: The houses are big.%0D%0AHU: "), std::string::npos) << plain;
  EXPECT_NE(plain.find("h\xE1z"), std::string::npos) << plain;  // Windows-1250 "ház"

  e.close();
  e.exit(1033, nullptr);
  std::remove("standalone_dll_test.ini");
}

}  // namespace
