#include "move_coalescer.h"

#include <gtest/gtest.h>

namespace lexiton::ptrhook {
namespace {

TEST(MoveCoalescer, TheFirstMoveGoesAtOnce) {
  MoveCoalescer c;
  EXPECT_EQ(c.moved({3, 4}), (Point{3, 4}));
  EXPECT_TRUE(c.inFlight());
}

TEST(MoveCoalescer, MovesWhileInFlightKeepOnlyTheLatest) {
  MoveCoalescer c;
  ASSERT_TRUE(c.moved({0, 0}));
  for (int i = 1; i <= 10000; ++i) EXPECT_FALSE(c.moved({i, 2 * i}));
  EXPECT_EQ(c.delivered(), (Point{10000, 20000}));
  // That one is in flight now; nothing more waits behind it.
  EXPECT_TRUE(c.inFlight());
  EXPECT_FALSE(c.delivered());
  EXPECT_FALSE(c.inFlight());
  EXPECT_EQ(c.moved({7, 7}), (Point{7, 7}));
}

TEST(MoveCoalescer, ADeliveryWithNothingWaitingFreesTheWay) {
  MoveCoalescer c;
  ASSERT_TRUE(c.moved({1, 1}));
  EXPECT_FALSE(c.delivered());
  EXPECT_EQ(c.moved({2, 2}), (Point{2, 2}));
}

TEST(MoveCoalescer, AFailedSendDropsWhatWaited) {
  MoveCoalescer c;
  ASSERT_TRUE(c.moved({1, 1}));
  EXPECT_FALSE(c.moved({2, 2}));
  c.sendFailed();
  EXPECT_FALSE(c.inFlight());
  EXPECT_FALSE(c.delivered());
  EXPECT_EQ(c.moved({3, 3}), (Point{3, 3}));
}

}  // namespace
}  // namespace lexiton::ptrhook
