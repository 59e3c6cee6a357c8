// Loads abi_probe.dll by file name and checks that it appends into our reserved block in place.
#include <lexiton/abi.h>
#include <lexiton/chunk_list.h>
#include <lexiton/library.h>

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using AppendChunkFn = int(__cdecl*)(LxByteArray*, const char*, const char*, unsigned);
using WideLengthFn = unsigned(__cdecl*)(const LxWideString*);

class AbiBoundaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(probe_);
    append_ = probe_.bind<AppendChunkFn>("AppendChunk");
    wideLength_ = probe_.bind<WideLengthFn>("WideLength");
    ASSERT_NE(append_, nullptr);
    ASSERT_NE(wideLength_, nullptr);
  }
  lexiton::Library probe_{"abi_probe.dll"};
  AppendChunkFn append_ = nullptr;
  WideLengthFn wideLength_ = nullptr;
};

TEST_F(AbiBoundaryTest, TheLibraryAppendsIntoTheHostsBlockWithoutReallocating) {
  std::vector<uint8_t> block(LX_LOCAL_RESULT_RESERVE);
  LxByteArray array{block.data(), 0, static_cast<uint32_t>(block.size())};
  {
    lexiton::ReservedStore store(array);
    ASSERT_TRUE(lexiton::ChunkList(store).clear());
  }
  ASSERT_EQ(append_(&array, "QXR1", "{\\rtf1 a}", 9), 1);
  ASSERT_EQ(append_(&array, "plain", "EN: a", 5), 1);
  ASSERT_EQ(append_(&array, "QXR1", "-", 1), 1);
  EXPECT_EQ(array.data, block.data());
  const lexiton::ChunkView view(array.data, array.size);
  ASSERT_TRUE(view.wellFormed());
  EXPECT_EQ(view.find("QXR1")->text(), "{\\rtf1 a}-");
  EXPECT_EQ(view.find("plai")->text(), "EN: a");
}

TEST_F(AbiBoundaryTest, TheLibraryRefusesToGrowPastTheReservation) {
  std::vector<uint8_t> block(16);
  LxByteArray array{block.data(), 0, 16};
  EXPECT_EQ(append_(&array, "QXR1", "0123456789", 10), 0);
  EXPECT_EQ(array.size, 4u);  // the empty list it made before giving up
  EXPECT_EQ(array.data, block.data());
}

TEST_F(AbiBoundaryTest, WideStringsCrossAsCodeUnits) {
  const std::u16string text = u"The houses ház";
  const LxWideString wide{reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size())};
  EXPECT_EQ(wideLength_(&wide), text.size());
}

}  // namespace
