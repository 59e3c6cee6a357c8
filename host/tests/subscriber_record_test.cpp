// The 28-byte record of the shared block and the names of its system objects.
#include <gtest/gtest.h>

#include "shared_memory/subscriber_record.h"

namespace lexiton::host {
namespace {

TEST(SubscriberRecord, SevenLittleEndianFields) {
  SubscriberRecord r;
  r.window = 0x00010203;
  r.processId = 0x11223344;
  r.threadId = 0x55667788;
  r.enabled = 1;
  const auto b = r.bytes();
  const std::array<uint8_t, 28> expected = {0x03, 0x02, 0x01, 0x00, 0x00, 0x01, 0,    0,    0x00, 0x01,
                                            0,    0,    74,   0,    0,    0,    0x44, 0x33, 0x22, 0x11,
                                            0x88, 0x77, 0x66, 0x55, 1,    0,    0,    0};
  EXPECT_EQ(b, expected);
  const SubscriberRecord back = SubscriberRecord::fromBytes(b);
  EXPECT_EQ(back.window, r.window);
  EXPECT_EQ(back.threadId, r.threadId);
  EXPECT_EQ(back.enabled, 1u);
}

TEST(SubscriberRecord, ObjectNames) {
  EXPECT_EQ(sharedMutexName(kSubscriberBlockName), "{E5B3BB70-14BC-4288-AA71-7E6D8FCEDC4F}HMOUSE2C__mutex");
  EXPECT_EQ(sharedMappingName(kSubscriberBlockName),
            "{E5B3BB70-14BC-4288-AA71-7E6D8FCEDC4F}HMOUSE2C__mapping");
}

}  // namespace
}  // namespace lexiton::host
