// The trigger message's data block: read only as far as it was received.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "hover/trigger_message.h"

namespace lexiton::host::test {
namespace {

void putWord(std::vector<uint8_t>& block, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) block[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A type-1 block: the header, N, the cursor, the text and its terminator.
std::vector<uint8_t> textBlock(const std::string& text, uint32_t cursor, uint32_t length) {
  std::vector<uint8_t> block(trigger_layout::kTextOffset + text.size() + 1, 0);
  std::memcpy(block.data(), trigger_layout::kIdentifier.data(), 16);
  putWord(block, trigger_layout::kTextLengthOffset, length);
  putWord(block, trigger_layout::kCursorOffset, cursor);
  std::memcpy(block.data() + trigger_layout::kTextOffset, text.data(), text.size());
  return block;
}

TEST(TriggerMessage, ATextMessageGivesItsTextAndCursor) {
  const auto block = textBlock("The houses", 4, 10);
  const auto message = parseTriggerMessage(1, block.data(), block.size());
  ASSERT_TRUE(message);
  EXPECT_EQ(message->kind, TriggerKind::text);
  EXPECT_EQ(message->text, "The houses");
  EXPECT_EQ(message->cursor, 4u);
}

TEST(TriggerMessage, ALengthWhoseTextOrTerminatorRunsPastTheBlockIsIgnored) {
  auto block = textBlock("The houses", 4, 11);  // the terminator's place is the text's
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size()));
  block = textBlock("The houses", 4, 0xFFFFFFFFu);
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size()));
  block = textBlock("The houses", 4, 10);
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size() - 1));  // the terminator not sent
  // A shorter N is a shorter text.
  block = textBlock("The houses", 2, 3);
  EXPECT_EQ(parseTriggerMessage(1, block.data(), block.size())->text, "The");
}

TEST(TriggerMessage, ACursorPastTheTextIsIgnoredOneAtItsEndIsKept) {
  auto block = textBlock("abc", 4, 3);
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size()));
  block = textBlock("abc", 0x80000000u, 3);
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size()));
  block = textBlock("abc", 3, 3);
  EXPECT_EQ(parseTriggerMessage(1, block.data(), block.size())->cursor, 3u);
}

TEST(TriggerMessage, AnEmptyTextIsAMessage) {
  const auto block = textBlock("", 0, 0);
  ASSERT_TRUE(parseTriggerMessage(1, block.data(), block.size()));
  EXPECT_EQ(parseTriggerMessage(1, block.data(), block.size())->text, "");
}

TEST(TriggerMessage, ABlockTooShortForItsFieldsIsIgnored) {
  const auto block = textBlock("abc", 1, 3);
  for (std::size_t size : {std::size_t{0}, std::size_t{15}, std::size_t{16}, std::size_t{63}})
    EXPECT_FALSE(parseTriggerMessage(1, block.data(), size)) << size;
  EXPECT_FALSE(parseTriggerMessage(1, nullptr, 100));
}

TEST(TriggerMessage, AnotherIdentifierOrKindIsIgnored) {
  auto block = textBlock("abc", 1, 3);
  EXPECT_FALSE(parseTriggerMessage(0, block.data(), block.size()));
  EXPECT_FALSE(parseTriggerMessage(3, block.data(), block.size()));
  block[15] ^= 1;
  EXPECT_FALSE(parseTriggerMessage(1, block.data(), block.size()));
}

TEST(TriggerMessage, APauseMessageGivesItsValueWhenItHasOne) {
  std::vector<uint8_t> block(44, 0);
  std::memcpy(block.data(), trigger_layout::kIdentifier.data(), 16);
  putWord(block, trigger_layout::kPollingPausedOffset, 0xFFFFFFFFu);
  const auto message = parseTriggerMessage(2, block.data(), block.size());
  ASSERT_TRUE(message);
  EXPECT_EQ(message->kind, TriggerKind::pollingPause);
  EXPECT_EQ(message->pollingPaused, -1);
  EXPECT_FALSE(parseTriggerMessage(2, block.data(), 43));
}

}  // namespace
}  // namespace lexiton::host::test
