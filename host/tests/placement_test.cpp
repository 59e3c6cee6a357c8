// Where the tooltips go: the painters' rule on their screen, the host's translation onto the
// monitor under the pointer (one monitor, and two with the second at negative coordinates, of
// another size than the primary), and the second tooltip moved out of the first one's way.
#include <gtest/gtest.h>

#include "tooltip/placement.h"

namespace lexiton::host::test {
namespace {

const Size kPrimary{1024, 768};
const MonitorArea kPrimaryArea{0, 0, 1024, 768};
// Left of the primary and larger: a monitor at negative coordinates.
const MonitorArea kLeftMonitor{-1280, -256, 0, 768};
// Above the primary, smaller.
const MonitorArea kAboveMonitor{0, -600, 800, 0};
const Size kTooltip{200, 100};

TEST(PainterRule, TheFourCornersAndThePushBack) {
  EXPECT_EQ(painterPlacement({100, 100}, kTooltip, kPrimary), (PainterPlacement{{100, 108}, 0}));
  EXPECT_EQ(painterPlacement({1000, 100}, kTooltip, kPrimary), (PainterPlacement{{798, 108}, 2}));
  EXPECT_EQ(painterPlacement({100, 700}, kTooltip, kPrimary), (PainterPlacement{{100, 590}, 1}));
  EXPECT_EQ(painterPlacement({1000, 700}, kTooltip, kPrimary).corner, 3);
  EXPECT_EQ(painterPlacement({10, 10}, {1100, 100}, kPrimary), (PainterPlacement{{0, 18}, 4}));
}

TEST(PainterRule, AnInputExistsForEveryCornerOfATooltipThatFits) {
  for (int corner : {0, 1, 2, 3, 4}) {
    const auto input = painterInputFor(corner, kTooltip, kPrimary);
    ASSERT_TRUE(input) << corner;
    EXPECT_EQ(painterPlacement(*input, kTooltip, kPrimary).corner, corner);
  }
  // Wider than the painter's screen: never unflipped without a push back.
  EXPECT_FALSE(painterInputFor(0, {1100, 100}, kPrimary));
  EXPECT_TRUE(painterInputFor(4, {1100, 100}, kPrimary));
}

TEST(OneMonitor, ThePaintersPlacementStandsInEveryBranch) {
  for (ScreenPoint pointer :
       {ScreenPoint{100, 100}, ScreenPoint{1000, 100}, ScreenPoint{100, 700}, ScreenPoint{1000, 700}}) {
    const PainterPlacement painted = painterPlacement(pointer, kTooltip, kPrimary);
    const MonitorPlan plan = planOnMonitor(pointer, painted.position, kTooltip, kPrimaryArea, kPrimary);
    EXPECT_FALSE(plan.repaintInput) << pointer.x << "," << pointer.y;
    EXPECT_EQ(plan.position, painted.position) << pointer.x << "," << pointer.y;
  }
}

TEST(OneMonitor, ATooltipLargerThanTheScreenKeepsItsPushedBackCorner) {
  const Size huge{1100, 900};
  const PainterPlacement painted = painterPlacement({500, 400}, huge, kPrimary);
  const MonitorPlan plan = planOnMonitor({500, 400}, painted.position, huge, kPrimaryArea, kPrimary);
  EXPECT_FALSE(plan.repaintInput);
  EXPECT_EQ(plan.position, (ScreenPoint{0, 0}));
}

TEST(OneMonitor, APainterWithAnotherRuleKeepsItsPositionPushedOntoTheScreen) {
  const MonitorPlan plan = planOnMonitor({100, 100}, {900, 700}, kTooltip, kPrimaryArea, kPrimary);
  EXPECT_FALSE(plan.repaintInput);
  EXPECT_EQ(plan.position, (ScreenPoint{1024 - 201, 768 - 101}));
}

TEST(TwoMonitors, OnAMonitorLeftOfThePrimaryTheTooltipStaysOnIt) {
  // Pointer near that monitor's right edge and bottom: the painter, given the pointer in the
  // monitor's coordinates, flips on its own screen as the monitor needs.
  const ScreenPoint pointer{-100, 700};
  const ScreenPoint input{pointer.x - kLeftMonitor.left, pointer.y - kLeftMonitor.top};  // (1180, 956)
  const PainterPlacement painted = painterPlacement(input, kTooltip, kPrimary);
  const MonitorPlan plan = planOnMonitor(input, painted.position, kTooltip, kLeftMonitor, kPrimary);
  EXPECT_FALSE(plan.repaintInput);
  EXPECT_EQ(plan.position, (ScreenPoint{-100 - 202, 700 - 110}));
}

TEST(TwoMonitors, WhereThePrimaryWouldFlipButTheMonitorDoesNotTheTooltipIsRepainted) {
  // 800 pixels down a 1024-pixel monitor: room below on it, none on the 768-pixel primary.
  const ScreenPoint pointer{-1000, 544};
  const ScreenPoint input{280, 800};
  const PainterPlacement painted = painterPlacement(input, kTooltip, kPrimary);
  ASSERT_EQ(painted.corner, 1);
  const MonitorPlan plan = planOnMonitor(input, painted.position, kTooltip, kLeftMonitor, kPrimary);
  ASSERT_TRUE(plan.repaintInput);
  EXPECT_EQ(painterPlacement(*plan.repaintInput, kTooltip, kPrimary).corner, 0);
  EXPECT_EQ(plan.position, (ScreenPoint{pointer.x, pointer.y + 8}));
}

TEST(TwoMonitors, WhereTheSmallerMonitorNeedsAFlipThePrimaryDoesNot) {
  // 700 pixels across an 800-pixel monitor above the primary.
  const ScreenPoint pointer{700, -550};
  const ScreenPoint input{pointer.x - kAboveMonitor.left, pointer.y - kAboveMonitor.top};
  const PainterPlacement painted = painterPlacement(input, kTooltip, kPrimary);
  ASSERT_EQ(painted.corner, 0);
  const MonitorPlan plan = planOnMonitor(input, painted.position, kTooltip, kAboveMonitor, kPrimary);
  ASSERT_TRUE(plan.repaintInput);
  EXPECT_EQ(painterPlacement(*plan.repaintInput, kTooltip, kPrimary).corner, 2);
  EXPECT_EQ(plan.position, (ScreenPoint{pointer.x - 202, pointer.y + 8}));
  // Whatever happens, the window lies on the monitor.
  EXPECT_GE(plan.position.x, kAboveMonitor.left);
  EXPECT_LE(plan.position.x + 201, kAboveMonitor.right);
  EXPECT_LE(plan.position.y + 101, kAboveMonitor.bottom);
}

TEST(TwoMonitors, KeepOnMonitorPushesFromEverySide) {
  EXPECT_EQ(keepOnMonitor({-1400, -300}, {201, 101}, kLeftMonitor), (ScreenPoint{-1280, -256}));
  EXPECT_EQ(keepOnMonitor({-100, 700}, {201, 101}, kLeftMonitor), (ScreenPoint{-201, 667}));
  EXPECT_EQ(keepOnMonitor({-500, 100}, {201, 101}, kLeftMonitor), (ScreenPoint{-500, 100}));
  // Larger than the monitor: its top-left corner on the monitor's.
  EXPECT_EQ(keepOnMonitor({-700, 100}, {1500, 1200}, kLeftMonitor), (ScreenPoint{-1280, -256}));
}

// The second tooltip, beside a first of 200 x 100.
struct SecondCase {
  std::string name;
  MonitorArea monitor;
  ScreenPoint first;
  ScreenPoint second;
  Size secondSize;
  ScreenPoint expected;
};

class SecondTooltip : public ::testing::TestWithParam<SecondCase> {};

TEST_P(SecondTooltip, GoesWhereItFits) {
  const SecondCase& c = GetParam();
  EXPECT_EQ(placeSecondTooltip(c.first, kTooltip, c.second, c.secondSize, c.monitor), c.expected);
}

// The same cases on the primary and shifted onto the monitor left of it.
MonitorArea shifted(const MonitorArea& m, int dx, int dy) {
  return {m.left + dx, m.top + dy, m.right + dx, m.bottom + dy};
}
ScreenPoint shifted(ScreenPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

std::vector<SecondCase> secondCases() {
  const std::vector<SecondCase> primary = {
      {"apart", kPrimaryArea, {100, 108}, {400, 108}, {150, 80}, {400, 108}},
      {"below", kPrimaryArea, {100, 108}, {100, 108}, {150, 80}, {100, 187}},
      {"above", kPrimaryArea, {100, 590}, {100, 590}, {150, 80}, {100, 531}},
      {"right", kPrimaryArea, {100, 300}, {100, 300}, {150, 400}, {300, 300}},
      {"left", kPrimaryArea, {800, 300}, {800, 300}, {150, 400}, {650, 300}},
      // 420 x 400 beside a tooltip in the middle of the screen: no side fits. Pushed onto the
      // screen, below hides 68 of its rows, above 67, right 10 of its columns, left 9.
      {"no_side", kPrimaryArea, {412, 334}, {412, 334}, {420, 400}, {0, 334}},
  };
  std::vector<SecondCase> all = primary;
  // A 1024 x 768 monitor left of the primary, its corner at (-1024, -200).
  for (SecondCase c : primary) {
    c.monitor = shifted(c.monitor, -1024, -200);
    c.first = shifted(c.first, -1024, -200);
    c.second = shifted(c.second, -1024, -200);
    c.expected = shifted(c.expected, -1024, -200);
    c.name += "_left_monitor";
    all.push_back(c);
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(Cases, SecondTooltip, ::testing::ValuesIn(secondCases()),
                         [](const auto& info) { return info.param.name; });

TEST(SecondTooltipAnywhere, EndsFullyOnTheMonitorWheneverItFitsThere) {
  for (const MonitorArea& monitor : {kPrimaryArea, kLeftMonitor, kAboveMonitor})
    for (int fx = monitor.left; fx + 201 <= monitor.right; fx += 97)
      for (int fy = monitor.top; fy + 101 <= monitor.bottom; fy += 89)
        for (Size size : {Size{150, 80}, Size{420, 400}, Size{600, 500}, Size{120, 700}}) {
          if (size.width + 1 > monitor.right - monitor.left || size.height + 1 > monitor.bottom - monitor.top)
            continue;
          const ScreenPoint placed = placeSecondTooltip({fx, fy}, kTooltip, {fx, fy}, size, monitor);
          ASSERT_GE(placed.x, monitor.left);
          ASSERT_GE(placed.y, monitor.top);
          ASSERT_LE(placed.x + size.width + 1, monitor.right);
          ASSERT_LE(placed.y + size.height + 1, monitor.bottom);
        }
}

}  // namespace
}  // namespace lexiton::host::test
