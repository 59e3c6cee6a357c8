// The two tooltips together: the second shown only once the first is, moved out of its way,
// closed with it; no hover dictionary, no second; suppression paints and shows nothing.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "hover_fakes.h"
#include "tooltip/tooltip_pair.h"

namespace lexiton::host::test {
namespace {

class FakeWindow final : public TooltipWindow {
 public:
  explicit FakeWindow(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  bool paint(const std::vector<uint8_t>&, ScreenPoint pointer, uint32_t colour) override {
    log_.push_back(name_ + " paint");
    position_ = pointer;
    lastColour = colour;
    hasRegion = answer;  // a painter that declines may still give a region
    return answer;
  }
  ScreenPoint position() const override { return position_; }
  Size paintedSize() const override { return size; }
  void moveTo(ScreenPoint at) override { position_ = at; }
  void show() override {
    log_.push_back(name_ + " show");
    shown = true;
    hasRegion = false;  // the window has it now
  }
  void hide() override {
    log_.push_back(name_ + " hide");
    shown = false;
  }
  bool visible() const override { return shown; }
  void discardRegion() override {
    if (hasRegion) log_.push_back(name_ + " region deleted");
    hasRegion = false;
  }

  Size size{200, 100};
  bool answer = true;
  bool shown = false;
  bool hasRegion = false;
  uint32_t lastColour = 0;

 private:
  std::string name_;
  std::vector<std::string>& log_;
  ScreenPoint position_;
};

class FakeLocalTimer final : public LocalTimer {
 public:
  void start() override { running = true; }
  void kill() override { running = false; }
  bool running = false;
};

class FakeDictionary final : public LocalDictionary {
 public:
  bool hoverOpen = true;
  bool found = true;
  std::vector<std::u16string> texts;
  std::string notFound;
  bool hoverDictionaryOpen() override { return hoverOpen; }
  bool lookUp(const std::u16string& text, const std::string& notFoundText, std::vector<uint8_t>&) override {
    texts.push_back(text);
    notFound = notFoundText;
    return found;
  }
};

class OneMonitor final : public Monitors {
 public:
  MonitorArea at(ScreenPoint) override { return {0, 0, 1024, 768}; }
};

class TooltipPairTest : public ::testing::Test {
 protected:
  void SetUp() override {
    addEveryLibrary(loader, 2057);
    engines.loadLanguageLibrary(2057);
    ASSERT_FALSE(engines.bind(0, [] { return 0; }));
    HoverDictionarySwitch(engines).setSecondTooltipEnabled(true);
    hover.evaluatedPosition = {100, 100};
  }

  // A look-up of the current evaluation: the local look-up scheduled, the first tooltip painted.
  void evaluate() {
    pair.scheduleLocal(u"The @houses");
    log.clear();
  }

  std::vector<std::string> log;
  FakeWindow main{"main", log};
  FakeWindow second{"second", log};
  FakeLocalTimer timer;
  FakeDictionary dictionary;
  OneMonitor monitors;
  FakeLoader loader;
  EngineTable engines{loader};
  DisplayFlags flags;
  HoverState hover;
  uint32_t colour = 0x00C0FFFF;
  AlertRecorder alerts;
  TooltipPair pair{{main, second, timer, dictionary, monitors, engines, flags, hover, colour, "<\?\?\?>"}};
  const std::vector<uint8_t> result{0, 0, 0, 0};
};

TEST_F(TooltipPairTest, ALocalResultPaintedFirstWaitsForTheFirstTooltip) {
  evaluate();
  EXPECT_TRUE(timer.running);
  EXPECT_TRUE(flags.localTimerRunning);
  pair.localTimerFired();
  EXPECT_FALSE(timer.running);
  EXPECT_EQ(dictionary.texts, std::vector<std::u16string>{u"The @houses"});
  EXPECT_EQ(dictionary.notFound, "<\?\?\?>");
  EXPECT_EQ(log, std::vector<std::string>{"second paint"});
  EXPECT_FALSE(second.shown);
  ASSERT_TRUE(pair.paintMain(result, {100, 100}));
  pair.showMain();
  EXPECT_EQ(log, (std::vector<std::string>{"second paint", "main paint", "main show", "second show"}));
  // Out of the first one's way: below it, over its lower 21 pixels.
  EXPECT_EQ(second.position(), (ScreenPoint{100, 179}));
  EXPECT_FALSE(flags.mainShown);
  EXPECT_FALSE(flags.localPainted);
}

TEST_F(TooltipPairTest, ALocalResultPaintedAfterTheFirstTooltipShowsAtOnce) {
  evaluate();
  pair.paintMain(result, {100, 100});
  pair.showMain();
  EXPECT_FALSE(second.shown);
  pair.localTimerFired();
  EXPECT_TRUE(second.shown);
  EXPECT_EQ(main.lastColour, colour);
  EXPECT_EQ(second.lastColour, colour);
}

TEST_F(TooltipPairTest, WithoutAnOpenHoverDictionaryOnlyTheFirstIsShown) {
  dictionary.hoverOpen = false;
  evaluate();
  pair.localTimerFired();
  EXPECT_TRUE(dictionary.texts.empty());
  pair.paintMain(result, {100, 100});
  pair.showMain();
  EXPECT_TRUE(main.shown);
  EXPECT_FALSE(second.shown);
}

TEST_F(TooltipPairTest, NoLocalResultOrADecliningPainterShowsNoSecond) {
  dictionary.found = false;
  evaluate();
  pair.localTimerFired();
  EXPECT_TRUE(log.empty());
  dictionary.found = true;
  second.answer = false;
  evaluate();
  pair.localTimerFired();
  pair.paintMain(result, {100, 100});
  pair.showMain();
  EXPECT_FALSE(second.shown);
  EXPECT_FALSE(second.hasRegion);
}

TEST_F(TooltipPairTest, ClosingTheFirstHidesTheSecondAndStopsAPendingLocalLookUp) {
  evaluate();
  pair.localTimerFired();
  pair.paintMain(result, {100, 100});
  pair.showMain();
  pair.closeMain();
  EXPECT_FALSE(main.shown);
  EXPECT_FALSE(second.shown);
  evaluate();  // timer 2 set again
  pair.closeMain();
  EXPECT_FALSE(timer.running);
  EXPECT_FALSE(flags.localTimerRunning);
}

TEST_F(TooltipPairTest, ASecondTooltipSwitchedOffDoesNothing) {
  HoverDictionarySwitch(engines).setSecondTooltipEnabled(false);
  EXPECT_FALSE(pair.secondEnabled());
  evaluate();
  pair.localTimerFired();
  EXPECT_TRUE(dictionary.texts.empty());
}

TEST_F(TooltipPairTest, SuppressedNothingIsPaintedOrShownButTheCycleRunsOn) {
  flags.suppressed = true;
  evaluate();
  pair.localTimerFired();
  EXPECT_EQ(dictionary.texts.size(), 1u);  // looked up, counted as painted
  EXPECT_TRUE(pair.paintMain(result, {100, 100}));
  pair.showMain();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(flags.mainShown);  // both were counted, and the pair's turn is over
  EXPECT_FALSE(flags.localPainted);
}

TEST_F(TooltipPairTest, ARegionTheWindowNeverGotIsDeletedOnce) {
  evaluate();
  pair.paintMain(result, {100, 100});
  pair.discardMain();  // the pointer moved on
  pair.discardMain();
  EXPECT_EQ(log, (std::vector<std::string>{"main paint", "main region deleted"}));
  log.clear();
  pair.paintMain(result, {100, 100});
  pair.showMain();
  pair.discardMain();
  pair.paintMain(result, {100, 100});
  EXPECT_EQ(log, (std::vector<std::string>{"main paint", "main show", "main paint"}));
}

}  // namespace
}  // namespace lexiton::host::test
