#include <lexiton/chunk_list.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace lexiton {
namespace {

std::string bytesOf(const VectorStore& store) {
  return std::string(store.bytes().begin(), store.bytes().end());
}

std::string chunk(std::string_view tag, std::string_view data) {
  std::string out(tag);
  const uint32_t n = static_cast<uint32_t>(data.size());
  out += char(n & 0xFF);
  out += char((n >> 8) & 0xFF);
  out += char((n >> 16) & 0xFF);
  out += char(n >> 24);
  out += data;
  return out;
}

const std::string kEnd("\0\0\0\0", 4);

ChunkView viewOf(const std::string& s) {
  return ChunkView(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

TEST(ChunkTagTest, CutsAndPads) {
  EXPECT_EQ(makeChunkTag("plain"), (ChunkTag{'p', 'l', 'a', 'i'}));
  EXPECT_EQ(makeChunkTag("ab"), (ChunkTag{'a', 'b', ' ', ' '}));
  EXPECT_EQ(makeChunkTag(""), (ChunkTag{' ', ' ', ' ', ' '}));
}

TEST(ChunkListWriteTest, EmptyListIsTheTerminator) {
  VectorStore store;
  ChunkList list(store);
  ASSERT_TRUE(list.clear());
  EXPECT_EQ(bytesOf(store), kEnd);
}

TEST(ChunkListWriteTest, AddingToAnEmptyStoreMakesTheList) {
  VectorStore store;
  ChunkList list(store);
  ASSERT_TRUE(list.add("plain", "EN: x"));
  EXPECT_EQ(bytesOf(store), chunk("plai", "EN: x") + kEnd);
}

TEST(ChunkListWriteTest, SeparatorThenDocumentMakeOneChunk) {
  VectorStore store;
  ChunkList list(store);
  list.clear();
  ASSERT_TRUE(list.add("QXR1", "-"));
  ASSERT_TRUE(list.add("QXR1", "{\\rtf1 a}"));
  ASSERT_TRUE(list.add("plai", "EN: a"));
  EXPECT_EQ(bytesOf(store), chunk("QXR1", "-{\\rtf1 a}") + chunk("plai", "EN: a") + kEnd);
}

TEST(ChunkListWriteTest, ExtendingAnEarlierChunkMovesLaterOnesBack) {
  VectorStore store;
  ChunkList list(store);
  list.add("QXR1", "{\\rtf1 a}");
  list.add("plai", "EN: a%0D%0A");
  ASSERT_TRUE(list.add("QXR1", "-{\\rtf1 b}"));
  EXPECT_EQ(bytesOf(store), chunk("QXR1", "{\\rtf1 a}-{\\rtf1 b}") + chunk("plai", "EN: a%0D%0A") + kEnd);
  const auto plai = list.find("plain");
  ASSERT_TRUE(plai);
  EXPECT_EQ(plai->text(), "EN: a%0D%0A");
  // The host reads "plai" as a zero-terminated string: the terminator follows its text.
  EXPECT_EQ(plai->data[plai->size], 0);
}

TEST(ChunkListWriteTest, EmptyDataStillCreatesTheChunk) {
  VectorStore store;
  ChunkList list(store);
  ASSERT_TRUE(list.add("HVR2", "", 0));
  EXPECT_EQ(bytesOf(store), chunk("HVR2", "") + kEnd);
}

TEST(ChunkListWriteTest, RefusesToWriteIntoAMalformedList) {
  const std::string lying = chunk("QXR1", "abc").substr(0, 10);
  VectorStore store(std::vector<uint8_t>(lying.begin(), lying.end()));
  ChunkList list(store);
  EXPECT_FALSE(list.add("plai", "x"));
  EXPECT_EQ(bytesOf(store), lying);
}

TEST(ChunkListReservedTest, AppendsWithinTheCallersBlockAndNeverPastIt) {
  uint8_t block[32] = {};
  LxByteArray array{block, 0, sizeof block};
  ReservedStore store(array);
  ChunkList list(store);
  ASSERT_TRUE(list.clear());
  ASSERT_TRUE(list.add("QXR1", "0123456789"));  // 4 + 8 + 10 = 22 bytes
  EXPECT_EQ(array.size, 22u);
  EXPECT_FALSE(list.add("plai", "too long"));  // would need 38
  EXPECT_EQ(array.size, 22u);
  EXPECT_TRUE(list.view().wellFormed());
  ASSERT_TRUE(list.add("QXR1", "ab"));  // 24 bytes: fits, and stays in the same block
  EXPECT_EQ(array.data, block);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block), array.size), chunk("QXR1", "0123456789ab") + kEnd);
}

TEST(ChunkListReadTest, FindsByTagAndStopsAtTheTerminator) {
  const std::string list = chunk("1038", "hu") + chunk("0000", "en") + kEnd + chunk("late", "x");
  EXPECT_EQ(viewOf(list).find("0000")->text(), "en");
  EXPECT_EQ(viewOf(list).find("1038")->text(), "hu");
  EXPECT_FALSE(viewOf(list).find("late"));
  EXPECT_EQ(viewOf(list).terminatorOffset(), list.size() - 13);
}

TEST(ChunkListReadTest, EveryTruncatedPrefixIsAnErrorNotAnOverread) {
  const std::string list = chunk("QXR1", "{\\rtf1 x}") + chunk("plai", "EN: x") + kEnd;
  ASSERT_TRUE(viewOf(list).wellFormed());
  for (std::size_t n = 0; n < list.size(); ++n) {
    // Each prefix lives in its own heap block, so ASan sees any read past it.
    const std::string prefix = list.substr(0, n);
    std::vector<uint8_t> exact(prefix.begin(), prefix.end());
    const ChunkView view(exact.data(), exact.size());
    EXPECT_FALSE(view.wellFormed()) << "prefix " << n;
    EXPECT_THROW(view.find("nope"), chunk_error) << "prefix " << n;
  }
}

TEST(ChunkListReadTest, ALengthPastTheEndIsReported) {
  std::string list = chunk("QXR1", "abc") + kEnd;
  list[4] = char(0xFF);
  list[7] = char(0x7F);
  EXPECT_FALSE(viewOf(list).wellFormed());
  EXPECT_THROW(viewOf(list).find("plai"), chunk_error);
  // A chunk before the fault is still found.
  const std::string good = chunk("0000", "en") + list;
  EXPECT_EQ(viewOf(good).find("0000")->text(), "en");
}

TEST(ChunkListReadTest, RepeatedTagsAreNotWellFormed) {
  const std::string list = chunk("QXR1", "a") + chunk("QXR1", "b") + kEnd;
  EXPECT_FALSE(viewOf(list).wellFormed());
  EXPECT_EQ(viewOf(list).find("QXR1")->text(), "a");
}

class ChunkListFileTest : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = ::testing::TempDir() + "chunk_list_test.cri";
};

TEST_F(ChunkListFileTest, LoadsTheWholeFile) {
  const std::string bytes = chunk("0000", std::string("z\0y", 3)) + kEnd;
  std::ofstream(path_, std::ios::binary) << bytes;
  VectorStore store;
  ChunkList list(store);
  ASSERT_TRUE(list.loadFile(path_));
  EXPECT_EQ(bytesOf(store), bytes);
  EXPECT_EQ(list.find("0000")->text(), std::string("z\0y", 3));
}

TEST_F(ChunkListFileTest, AMissingFileGivesTheEmptyList) {
  VectorStore store(std::vector<uint8_t>{1, 2, 3});
  ChunkList list(store);
  EXPECT_FALSE(list.loadFile(path_ + ".missing"));
  EXPECT_EQ(bytesOf(store), kEnd);
}

}  // namespace
}  // namespace lexiton
