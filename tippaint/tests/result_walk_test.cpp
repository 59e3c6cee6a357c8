// Finding the painted chunk of a look-up result, the steps through an RTF chunk and the
// entries of plain lists, with lists whole, cut at every length and lying about lengths.
#include <tippaint/result_walk.h>

#include <lexiton/byte_store.h>
#include <lexiton/chunk_list.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tippaint {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append_word(Bytes& out, std::uint32_t w) {
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(w >> (8 * i)));
}

void append_chunk(Bytes& out, std::string_view tag, std::string_view data) {
  out.insert(out.end(), tag.begin(), tag.end());
  append_word(out, std::uint32_t(data.size()));
  out.insert(out.end(), data.begin(), data.end());
}

Bytes terminated(Bytes b) {
  append_word(b, 0);
  return b;
}

std::string payload_of(const PaintableChunk& c) {
  return std::string(reinterpret_cast<const char*>(c.data), c.size);
}

TEST(PaintableChunk, StepsOverOtherTagsToTheFirstPaintedOne) {
  Bytes list;
  append_chunk(list, "plai", "twelve bytes");
  append_chunk(list, "QXR1", "{\\rtf1 a}");
  append_chunk(list, "HVR2", "later");
  list = terminated(list);
  const auto found = find_paintable_chunk(list.data(), list.size());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->kind, ResultKind::Rtf);
  EXPECT_EQ(payload_of(*found), "{\\rtf1 a}");
}

TEST(PaintableChunk, KnowsTheThreeTags) {
  for (auto [tag, kind] : {std::pair{"QXR1", ResultKind::Rtf}, std::pair{"HVR2", ResultKind::PlainList},
                           std::pair{"QX2L", ResultKind::StyledPlainList}}) {
    Bytes list;
    append_chunk(list, tag, "xxxx");
    list = terminated(list);
    const auto found = find_paintable_chunk(list.data(), list.size());
    ASSERT_TRUE(found) << tag;
    EXPECT_EQ(found->kind, kind);
  }
  // Tags are matched as stored, without case folding or trimming.
  Bytes other;
  append_chunk(other, "qxr1", "x");
  append_chunk(other, "QXR ", "x");
  other = terminated(other);
  EXPECT_FALSE(find_paintable_chunk(other.data(), other.size()));
}

TEST(PaintableChunk, MatchesWhatChunkListWrites) {
  lexiton::VectorStore store;
  lexiton::ChunkList list(store);
  ASSERT_TRUE(list.add("plai", "hello"));
  ASSERT_TRUE(list.add("QXR1", "{\\rtf1 x}"));
  const auto found = find_paintable_chunk(store.data(), store.size());
  ASSERT_TRUE(found);
  EXPECT_EQ(payload_of(*found), "{\\rtf1 x}");
}

TEST(PaintableChunk, NeverReadsPastTheBuffer) {
  Bytes list;
  append_chunk(list, "plai", "abc");
  append_chunk(list, "QXR1", "{\\rtf1 a}");
  list = terminated(list);
  // Every cut before the painted chunk's last byte finds nothing; from there on the chunk
  // is found even without the terminator. The copy makes ASan see any overrun.
  const std::size_t needed = 11 + 8 + 9;
  for (std::size_t n = 0; n <= list.size(); ++n) {
    Bytes cut(list.begin(), list.begin() + n);
    const auto found = find_paintable_chunk(cut.data(), cut.size());
    EXPECT_EQ(found.has_value(), n >= needed) << n;
  }
}

TEST(PaintableChunk, LengthThatRunsPastTheEndStopsTheWalk) {
  Bytes list;
  list.insert(list.end(), {'p', 'l', 'a', 'i'});
  append_word(list, 0x7FFFFFF0);
  append_chunk(list, "QXR1", "{\\rtf1 a}");
  list = terminated(list);
  EXPECT_FALSE(find_paintable_chunk(list.data(), list.size()));
  EXPECT_FALSE(find_paintable_chunk(nullptr, 100));
}

TEST(PaintableChunk, TheTerminatorEndsTheWalk) {
  Bytes list = terminated({});
  append_chunk(list, "QXR1", "{\\rtf1 a}");
  EXPECT_FALSE(find_paintable_chunk(list.data(), list.size()));
}

std::vector<RtfPayloadStep::Kind> steps_of(std::string_view payload) {
  std::vector<RtfPayloadStep::Kind> kinds;
  std::size_t at = 0;
  for (;;) {
    const RtfPayloadStep step = next_rtf_payload_step(payload, at);
    kinds.push_back(step.kind);
    if (step.kind == RtfPayloadStep::Kind::End) return kinds;
    // A document is taken as far as its first closing brace here; the reader does it properly.
    at = step.kind == RtfPayloadStep::Kind::Rule ? step.offset + 1 : payload.find('}', step.offset) + 1;
  }
}

TEST(RtfPayload, DocumentsRulesAndNoise) {
  using K = RtfPayloadStep::Kind;
  EXPECT_EQ(steps_of("{\\rtf1 a}-{\\rtf1 b}"), (std::vector{K::Document, K::Rule, K::Document, K::End}));
  EXPECT_EQ(steps_of("{\\rtf1 a}\r\n{\\rtf1 b}"), (std::vector{K::Document, K::Document, K::End}));
  EXPECT_EQ(steps_of("no documents here"), (std::vector{K::End}));
  EXPECT_EQ(steps_of(""), (std::vector{K::End}));
  // A start cut short at the end of the chunk is not a document.
  EXPECT_EQ(steps_of("{\\rtf"), (std::vector{K::End}));
  EXPECT_EQ(steps_of("--"), (std::vector{K::Rule, K::Rule, K::End}));
  EXPECT_EQ(next_rtf_payload_step("xx{\\rtf1}", 0).offset, 2u);
  EXPECT_EQ(next_rtf_payload_step("ab", 5).kind, K::End);
}

// Plain-list words of either width: 4 bytes in the 32-bit build, 8 in the 64-bit one.
class PlainListWidth : public ::testing::TestWithParam<std::size_t> {
 protected:
  std::size_t width() const { return GetParam(); }
  Bytes words(std::initializer_list<std::uint64_t> ws) const {
    Bytes out;
    for (auto w : ws)
      for (std::size_t i = 0; i < width(); ++i) out.push_back(std::uint8_t(w >> (8 * i)));
    return out;
  }
  std::optional<PlainListWords> read(const Bytes& payload, std::size_t n) const {
    return read_plain_list_words(payload.data(), std::uint32_t(n), width());
  }
};

TEST_P(PlainListWidth, LinesAndHeadings) {
  const Bytes payload = words({0x1000, 0x2000, 0x11, 0, 0x3000, 0x22, 0x4000, 0});
  const auto list = read(payload, payload.size());
  ASSERT_TRUE(list);
  EXPECT_EQ(list->headword, 0x1000u);
  const std::vector<PlainListEntry> expected{{false, 0x2000, 0x11}, {true, 0x3000, 0x22}, {false, 0x4000, 0}};
  EXPECT_EQ(list->entries, expected);
  EXPECT_FALSE(list->cut);
}

TEST_P(PlainListWidth, HeadwordOnly) {
  const Bytes payload = words({0x1000});
  const auto list = read(payload, width());
  ASSERT_TRUE(list);
  EXPECT_TRUE(list->entries.empty());
  EXPECT_FALSE(read(payload, width() - 1));
  EXPECT_FALSE(read_plain_list_words(nullptr, std::uint32_t(width()), width()));
}

TEST_P(PlainListWidth, CutEntriesAreDropped) {
  const Bytes payload = words({0x1000, 0x2000, 0x11, 0, 0x3000, 0x22});
  for (std::size_t n = width(); n <= payload.size(); ++n) {
    const Bytes cut(payload.begin(), payload.begin() + std::ptrdiff_t(n));
    const auto list = read(cut, n);
    ASSERT_TRUE(list);
    const std::size_t w = n / width();
    const std::size_t whole = w >= 6 ? 2 : w >= 3 ? 1 : 0;
    EXPECT_EQ(list->entries.size(), whole) << n;
    EXPECT_EQ(list->cut, w != 1 && w != 3 && w != 6) << n;
  }
}

TEST_P(PlainListWidth, HeadingWithoutTextEndsTheList) {
  const Bytes payload = words({0x1000, 0x2000, 0x11, 0, 0, 0x22, 0x4000, 0});
  const auto list = read(payload, payload.size());
  ASSERT_TRUE(list);
  EXPECT_EQ(list->entries.size(), 1u);
  EXPECT_TRUE(list->cut);
}

INSTANTIATE_TEST_SUITE_P(Words, PlainListWidth, ::testing::Values(4u, 8u));

// A 64-bit process's pointers keep their upper half; the same bytes read as 4-byte words are
// other words altogether.
TEST(PlainList, WideWordsKeepTheirUpperHalf) {
  Bytes payload;
  for (std::uint64_t w : {0x00007FF612345678ull, 0x00007FF6AABBCCDDull, 0x0000000000000011ull})
    for (int i = 0; i < 8; ++i) payload.push_back(std::uint8_t(w >> (8 * i)));
  const auto wide = read_plain_list_words(payload.data(), std::uint32_t(payload.size()), 8);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->headword, 0x00007FF612345678ull);
  ASSERT_EQ(wide->entries.size(), 1u);
  EXPECT_EQ(wide->entries[0], (PlainListEntry{false, 0x00007FF6AABBCCDDull, 0x11}));
  EXPECT_EQ(read_plain_list_words(payload.data(), std::uint32_t(payload.size()), 4)->headword, 0x12345678u);
}

TEST(PlainList, OnlyPointerWidthsAreRead) {
  const Bytes payload(16, 1);
  for (std::size_t width : {0u, 1u, 2u, 3u, 5u, 16u})
    EXPECT_FALSE(read_plain_list_words(payload.data(), 16, width)) << width;
}

}  // namespace
}  // namespace tippaint
