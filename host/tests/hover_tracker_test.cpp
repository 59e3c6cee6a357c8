// The pointer tracking over fakes with a clock of their own: the rest measurement, the
// evaluation through the text reader's entries, numbered look-ups whose workers the test runs
// late or early, the result poll's decision, the keys and the trigger messages.
#include <gtest/gtest.h>

#include <cstdio>

#include "hover/hover_texts.h"
#include "hover_fakes.h"

namespace lexiton::host::test {
namespace {

const std::u16string kHouses = u"The houses are big.";
const std::u16string kSmoking = u"He gave up smoking last year.";

class HoverTrackerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScriptedLookup::reset();
    listener.state = &state;
    reader.windows[{100, 100}] = {kHouses, 5, "notepad.exe"};
    reader.windows[{300, 200}] = {kSmoking, 8, "notepad.exe"};
  }

  HoverTracker& tracker() {
    if (!tracker_)
      tracker_.emplace(HoverTracker::Parts{state, trigger, *lookups.exchange, timers, pointer, reader,
                                           lookups, tooltips, listener, trace_.get()});
    return *tracker_;
  }
  // The pointer goes to `at`, and the hook reports it.
  void moveTo(ScreenPoint at) {
    pointer.at = at;
    tracker().pointerMoved(at);
  }
  void advance(double ms) {
    timers.advance(
        ms, [this] { tracker().restTimerFired(); }, [this] { tracker().resultPollFired(); });
  }
  // Runs the worker of the `index`th look-up started.
  void runWorker(std::size_t index) { runLookupWorker(lookups.started.at(index)); }
  LookupRequest& request() { return lookups.exchange->request; }
  int evaluations() {
    return static_cast<int>(std::count(reader.calls.begin(), reader.calls.end(), "window"));
  }
  // Rests on `at` until the look-up has started.
  void restOn(ScreenPoint at) {
    moveTo(at);
    advance(kRestMs);
  }

  HoverState state;
  TriggerText trigger;
  FakeClock clock;
  FakeTimers timers{clock};
  FakePointer pointer;
  FakeReader reader;
  FakeLookups lookups;
  FakeTooltips tooltips;
  RecordingListener listener;
  AlertRecorder alerts;
  std::unique_ptr<LatencyTrace> trace_;
  std::optional<HoverTracker> tracker_;
};

TEST_F(HoverTrackerTest, AMoveOfFivePixelsStartsNoMeasurementSixDoes) {
  state.lastPosition = {100, 100};
  moveTo({103, 104});  // 3² + 4² = 25
  EXPECT_FALSE(state.armed);
  EXPECT_FALSE(timers.restPeriod());
  moveTo({100, 105});
  EXPECT_FALSE(state.armed);
  moveTo({100, 106});
  EXPECT_TRUE(state.armed);
  EXPECT_EQ(timers.restPeriod(), kRestMs);
  EXPECT_EQ(state.lastPosition, (ScreenPoint{100, 106}));
}

TEST_F(HoverTrackerTest, ASamePositionReportDoesNotRestartTheRestTimer) {
  moveTo({100, 100});
  advance(300);
  const int starts = timers.restStarts;
  moveTo({100, 100});
  EXPECT_EQ(timers.restStarts, starts);
  advance(200);  // 500 ms after the first report
  EXPECT_EQ(evaluations(), 1);
}

TEST_F(HoverTrackerTest, AnyOtherPositionWhileArmedRestartsTheMeasurement) {
  moveTo({100, 90});
  advance(400);
  moveTo({100, 100});  // one pixel would do: armed, another position
  advance(400);
  EXPECT_EQ(evaluations(), 0);
  advance(100);
  EXPECT_EQ(evaluations(), 1);
  EXPECT_EQ(state.evaluatedPosition, (ScreenPoint{100, 100}));
}

TEST_F(HoverTrackerTest, OneEvaluationPerRestEvenThoughTheTimerKeepsFiring) {
  restOn({100, 100});
  EXPECT_EQ(evaluations(), 1);
  EXPECT_TRUE(state.evaluating);
  EXPECT_EQ(timers.restPeriod(), kReevaluateMs);
  EXPECT_EQ(lookups.setModes, 1);
  ASSERT_EQ(lookups.started.size(), 1u);
  EXPECT_TRUE(state.busy);
  EXPECT_TRUE(timers.polling());
  advance(10 * kReevaluateMs);
  EXPECT_EQ(evaluations(), 1);
  EXPECT_EQ(lookups.started.size(), 1u);
}

TEST_F(HoverTrackerTest, WhileEvaluatingMovesAreIgnoredAndTheSlowTickEvaluatesOnlyAtANewPosition) {
  restOn({100, 100});
  // Four pixels away: not a new position for the re-evaluation.
  moveTo({104, 100});
  EXPECT_EQ(timers.restPeriod(), kReevaluateMs);  // the move was ignored
  advance(kReevaluateMs);
  EXPECT_EQ(evaluations(), 1);
  // Five pixels from where it evaluated: a new position (25 is not below 25).
  moveTo({300, 200});
  advance(kReevaluateMs);
  EXPECT_EQ(evaluations(), 2);
  EXPECT_EQ(state.evaluatedPosition, (ScreenPoint{300, 200}));
  EXPECT_EQ(lookups.started.size(), 2u);
}

TEST_F(HoverTrackerTest, AStaleResultIsDroppedAndOnlyTheNewerOneIsPainted) {
  restOn({100, 100});
  moveTo({300, 200});
  advance(kReevaluateMs);  // a second look-up while the first still runs
  ASSERT_EQ(lookups.started.size(), 2u);
  runWorker(1);  // the newer one answers first
  runWorker(0);  // the stale one arrives late
  EXPECT_EQ(ScriptedLookup::calls, 1)
      << "a worker whose request is stale before it starts never calls Lookup";
  advance(kResultPollMs);
  ASSERT_EQ(tooltips.painted.size(), 1u);
  EXPECT_EQ(plainTextOf(tooltips.painted[0]), scriptedPlainText(kSmoking, 8));
  EXPECT_EQ(tooltips.paintedAt[0], (ScreenPoint{300, 200}));
}

TEST_F(HoverTrackerTest, AResultWhoseRequestWasReplacedDuringLookupIsNeverPainted) {
  restOn({100, 100});
  // The worker has copied its request in and is inside Lookup when the user moves on.
  ScriptedLookup::during = [this] {
    moveTo({300, 200});
    advance(kReevaluateMs);
  };
  runWorker(0);
  ScriptedLookup::during = nullptr;
  ASSERT_EQ(lookups.started.size(), 2u);
  advance(10 * kResultPollMs);
  EXPECT_TRUE(tooltips.painted.empty());
  EXPECT_TRUE(state.busy);
  runWorker(1);
  advance(kResultPollMs);
  ASSERT_EQ(tooltips.painted.size(), 1u);
  EXPECT_EQ(plainTextOf(tooltips.painted[0]), scriptedPlainText(kSmoking, 8));
  EXPECT_FALSE(state.busy);
}

TEST_F(HoverTrackerTest, AnEvaluationWithoutTextCancelsTheOutstandingLookUpOnce) {
  restOn({100, 100});
  EXPECT_TRUE(state.busy);
  const int number = request().number;
  moveTo({500, 500});  // no text there
  advance(kReevaluateMs);
  EXPECT_EQ(lookups.stornos, 1);
  EXPECT_FALSE(state.busy);
  EXPECT_EQ(request().number, number + 1);
  EXPECT_EQ(listener.busy, (std::vector<bool>{true, false}));
  // The late worker's result is stale.
  runWorker(0);
  advance(kResultPollMs);
  EXPECT_TRUE(tooltips.painted.empty());
  // Nothing outstanding: a second empty evaluation asks for no cancellation.
  moveTo({600, 600});
  advance(kReevaluateMs);
  EXPECT_EQ(lookups.stornos, 1);
  EXPECT_EQ(listener.busy.size(), 2u);
}

TEST_F(HoverTrackerTest, AResultWithNothingToPaintLeavesTheStateEvaluating) {
  for (auto [found, count] : {std::pair{false, 1}, std::pair{true, 0}}) {
    ScriptedLookup::found = found;
    ScriptedLookup::count = count;
    state = HoverState{};
    lookups.started.clear();
    restOn(found ? ScreenPoint{100, 100} : ScreenPoint{300, 200});
    ASSERT_EQ(lookups.started.size(), 1u);
    runWorker(0);
    advance(kResultPollMs);
    EXPECT_TRUE(tooltips.painted.empty());
    EXPECT_FALSE(state.busy);
    EXPECT_FALSE(timers.polling());
    EXPECT_TRUE(state.evaluating);
    EXPECT_EQ(timers.restPeriod(), kReevaluateMs);
  }
}

TEST_F(HoverTrackerTest, APaintedResultAtTheRestPositionIsShownAndMeasuringStartsAgain) {
  restOn({100, 100});
  runWorker(0);
  advance(kResultPollMs);
  EXPECT_EQ(tooltips.calls, (std::vector<std::string>{"paint", "show"}));
  EXPECT_FALSE(state.armed);
  EXPECT_FALSE(state.evaluating);
  EXPECT_FALSE(state.busy);
  EXPECT_EQ(timers.restPeriod(), kRestMs);
  EXPECT_FALSE(timers.polling());
  // Shown: five pixels keep it, six close it.
  moveTo({103, 104});
  EXPECT_TRUE(tooltips.visible);
  moveTo({106, 100});
  EXPECT_FALSE(tooltips.visible);
  EXPECT_TRUE(state.armed);
}

TEST_F(HoverTrackerTest, AResultIsPaintedOnceThoughTheNoticeAndThePollBothAsk) {
  restOn({100, 100});
  runWorker(0);
  // The worker's notice takes the result before the poll's tick; a second notice, or a tick
  // already on its way, finds nothing left to take.
  tracker().resultPollFired();
  EXPECT_EQ(tooltips.calls, (std::vector<std::string>{"paint", "show"}));
  EXPECT_FALSE(timers.polling());
  tracker().resultPollFired();
  advance(kResultPollMs);
  EXPECT_EQ(tooltips.calls, (std::vector<std::string>{"paint", "show"}));
  EXPECT_EQ(listener.busy, (std::vector<bool>{true, false}));
}

TEST_F(HoverTrackerTest, APainterThatDeclinesOrAPointerThatMovedOnReArms) {
  tooltips.painterAnswer = false;
  restOn({100, 100});
  runWorker(0);
  advance(kResultPollMs);
  EXPECT_EQ(tooltips.calls, (std::vector<std::string>{"paint", "discard"}));
  EXPECT_TRUE(state.armed);
  EXPECT_FALSE(state.evaluating);
  EXPECT_EQ(timers.restPeriod(), kRestMs);

  tooltips = FakeTooltips{};
  state = HoverState{};
  restOn({300, 200});
  pointer.at = {300, 205};  // the pointer moved away (no report: the hook is coalescing)
  runWorker(1);
  advance(kResultPollMs);
  EXPECT_EQ(tooltips.calls, (std::vector<std::string>{"paint", "discard"}));
  EXPECT_TRUE(state.armed);
}

TEST_F(HoverTrackerTest, TheFeedbackKeyFlipsTheToggleAndAsksOnEveryOtherPress) {
  restOn({100, 100});
  runWorker(0);
  advance(kResultPollMs);
  ASSERT_TRUE(tooltips.visible);
  tracker().keyReported('q');
  tracker().keyReported('q');
  EXPECT_EQ(listener.feedback, std::vector<std::string>{scriptedPlainText(kHouses, 5)});
  tracker().keyReported('q');
  EXPECT_EQ(listener.feedback.size(), 2u);
  tracker().keyReported(',');
  EXPECT_TRUE(tooltips.visible);
  // The toggle is not reset when the tooltip closes.
  tracker().keyReported('Q');
  EXPECT_FALSE(tooltips.visible);
  EXPECT_TRUE(state.feedbackToggle);
  // Keys while nothing is shown do nothing.
  tracker().keyReported('q');
  EXPECT_TRUE(state.feedbackToggle);
  EXPECT_EQ(listener.feedback.size(), 2u);
}

TEST_F(HoverTrackerTest, AKeyThatGivesNoCharacterClosesTheTooltip) {
  restOn({100, 100});
  runWorker(0);
  advance(kResultPollMs);
  tracker().keyReported(0);
  EXPECT_FALSE(tooltips.visible);
}

TEST_F(HoverTrackerTest, ATriggerTextIsCutToItsLineAndLookedUpAtOnceAsTrigger) {
  pointer.at = {400, 400};
  TriggerMessage message;
  message.kind = TriggerKind::text;
  tracker().triggerReceived(message, u"ab\ncd", 3);
  EXPECT_EQ(reader.calls, std::vector<std::string>{"tidy"});
  ASSERT_EQ(lookups.started.size(), 1u);
  EXPECT_EQ(request().text, u"cd");
  EXPECT_EQ(request().cursor, 1);
  EXPECT_EQ(request().source, hover_texts::kTriggerSource);
  EXPECT_TRUE(trigger.text.empty());
  EXPECT_EQ(trigger.cursor, 0);
  EXPECT_EQ(state.evaluatedPosition, (ScreenPoint{400, 400}));
}

TEST_F(HoverTrackerTest, TriggerMessagesAreIgnoredWhileTheTooltipIsShown) {
  tooltips.visible = true;
  pointer.at = {400, 400};
  TriggerMessage message;
  tracker().triggerReceived(message, u"text", 0);
  message.kind = TriggerKind::pollingPause;
  message.pollingPaused = 1;
  tracker().triggerReceived(message, {}, 0);
  EXPECT_TRUE(lookups.started.empty());
  EXPECT_EQ(state.pollingPaused, 0);
}

TEST_F(HoverTrackerTest, PollingPausedStopsTheRestTimerButNotTheTriggerPath) {
  TriggerMessage pause;
  pause.kind = TriggerKind::pollingPause;
  pause.pollingPaused = 7;
  tracker().triggerReceived(pause, {}, 0);
  EXPECT_EQ(state.pollingPaused, 7);
  restOn({100, 100});
  advance(5000);
  EXPECT_EQ(evaluations(), 0);
  pointer.at = {120, 120};
  tracker().triggerReceived(TriggerMessage{}, u"pushed", 2);
  EXPECT_EQ(lookups.started.size(), 1u);
}

TEST_F(HoverTrackerTest, PausedTrackingNeitherArmsNorEvaluates) {
  state.paused = true;
  moveTo({100, 100});
  EXPECT_FALSE(state.armed);
  state.armed = true;  // armed before the pause
  advance(kRestMs);
  tracker().restTimerFired();
  EXPECT_EQ(evaluations(), 0);
}

TEST_F(HoverTrackerTest, AWordProcessorsTextWinsOverTheWindowsAndIsNamedMSWord) {
  reader.documents[{100, 100}] = {u"Document text.", 3, ""};
  restOn({100, 100});
  EXPECT_EQ(reader.calls, (std::vector<std::string>{"tidy", "document"}));
  EXPECT_EQ(request().text, u"Document text.");
  EXPECT_EQ(request().source, hover_texts::kWordProcessorSource);
}

TEST_F(HoverTrackerTest, AnEntryThatThrowsIsReportedAndCountsAsNothing) {
  reader.tidyThrows = reader.documentThrows = true;
  restOn({100, 100});
  EXPECT_EQ(alerts.alerts, (std::vector<std::string>{"Lexiton|Exception in textgrab.dll",
                                                     "Lexiton|Exception in textgrab.dll"}));
  ASSERT_EQ(lookups.started.size(), 1u);
  EXPECT_EQ(request().source, "notepad.exe");
}

TEST_F(HoverTrackerTest, AReaderCursorOutsideItsTextIsKeptWithinIt) {
  reader.windows[{100, 100}] = {u"abc", 70000, "x"};
  restOn({100, 100});
  EXPECT_EQ(request().cursor, 3);
  reader.windows[{300, 200}] = {u"abc", -4, "x"};
  moveTo({300, 200});
  advance(kReevaluateMs);
  EXPECT_EQ(request().cursor, 0);
}

TEST_F(HoverTrackerTest, TheLocalLookUpGetsTheMarkedTextWhenTheSecondTooltipIsOn) {
  restOn({100, 100});
  EXPECT_TRUE(tooltips.localTexts.empty());
  tooltips.second = true;
  moveTo({300, 200});
  advance(kReevaluateMs);
  EXPECT_EQ(tooltips.localTexts, std::vector<std::u16string>{u"He gave @up smoking last year."});
}

TEST_F(HoverTrackerTest, ALookUpThatCannotStartIsReportedAndStaysOutstanding) {
  lookups.startFails = true;
  restOn({100, 100});
  EXPECT_EQ(alerts.alerts, std::vector<std::string>{"Lexiton|Exception at Making Query"});
  EXPECT_TRUE(state.busy);
  EXPECT_FALSE(timers.polling());
}

TEST_F(HoverTrackerTest, TheWorkerGetsTheSourceAndTheLookUpReportsQuit) {
  restOn({100, 100});
  bool quit = false;
  lookups.started[0].quitRequested = [&] { quit = true; };
  ScriptedLookup::quit = true;
  runWorker(0);
  EXPECT_TRUE(quit);
  EXPECT_EQ(ScriptedLookup::lastSource, "notepad.exe");
}

TEST_F(HoverTrackerTest, ATracedLookUpWritesOneLineWithEveryStage) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  trace_ = std::make_unique<LatencyTrace>(file, clock);
  lookups.clock = &clock;
  restOn({100, 100});  // fires at 500
  clock.now += 40;
  runWorker(0);
  advance(kResultPollMs);  // polled at 600
  // A superseded one too: evaluated, then replaced before its result.
  moveTo({300, 200});
  advance(kRestMs);
  moveTo({500, 500});
  advance(kReevaluateMs);

  std::rewind(file);
  char line[512];
  ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
  EXPECT_STREQ(line,
               "lookup 1 shown rest_fired=0.00 evaluated=0.00 worker_started=40.00 lookup_returned=40.00 "
               "polled=100.00 painted=100.00 shown=100.00\n");
  ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
  EXPECT_STREQ(line,
               "lookup 2 superseded rest_fired=0.00 evaluated=0.00 worker_started=- lookup_returned=- "
               "polled=- painted=- shown=-\n");
  EXPECT_EQ(std::fgets(line, sizeof line, file), nullptr);
}

}  // namespace
}  // namespace lexiton::host::test
