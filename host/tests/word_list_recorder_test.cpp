// The look-ups the user was shown, as the word list receives them: copied from the request when
// the first tooltip is up, completed with the local look-up's dictionary form whether that
// answered before or after the tooltip came, one entry per shown tooltip, nothing while keeping
// is off; and the pointer tracking and the tooltips telling the recorder at the right moments.
#include <gtest/gtest.h>
#include <lexiton/abi.h>
#include <lexiton/test/files.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "hover/word_list_recorder.h"
#include "hover_fakes.h"

namespace lexiton::host::test {
namespace {

const std::u16string kText = u"The houses are big. He gave up smoking last year. The gardens are green.";

void putChunk(std::vector<uint8_t>& list, std::string_view tag, const void* data, std::size_t size) {
  list.insert(list.end(), tag.begin(), tag.end());
  for (int i = 0; i < 4; ++i) list.push_back(static_cast<uint8_t>(size >> (8 * i)));
  const auto* bytes = static_cast<const uint8_t*>(data);
  list.insert(list.end(), bytes, bytes + size);
}

// A hover dictionary's answer as the engine leaves it: a "HVR2" list whose words point to texts
// of this process (kept alive by the test), a heading entry of three words, lines of two.
class HoverList {
 public:
  HoverList(std::string headword, std::vector<std::pair<bool, std::string>> lines)
      : headword_(std::move(headword)), lines_(std::move(lines)) {
    std::vector<std::uintptr_t> words{reinterpret_cast<std::uintptr_t>(headword_.c_str())};
    for (const auto& [heading, text] : lines_) {
      if (heading) words.push_back(0);
      words.push_back(reinterpret_cast<std::uintptr_t>(text.c_str()));
      words.push_back(0);  // no icon
    }
    putChunk(bytes, "HVR2", words.data(), words.size() * sizeof(std::uintptr_t));
    bytes.insert(bytes.end(), 4, 0);
  }
  std::vector<uint8_t> bytes;

 private:
  std::string headword_;
  std::vector<std::pair<bool, std::string>> lines_;
};

// A shown result: the request of the text, with the cursor on `word`, and a plain text of one
// alternative.
LookupRequest requestOn(std::u16string_view word, const std::string& hungarian = "A házak nagyok.") {
  LookupRequest request;
  request.text = kText;
  request.cursor = static_cast<int>(kText.find(word));
  request.source = "notepad.exe";
  request.result.clear();
  const std::string plain =
      "EN: The houses are big.%0D%0AHU: " + utf8ToCodePage(hungarian, CodePage::windows1250) + "%0D%0A";
  putChunk(request.result, "plai", plain.data(), plain.size());
  request.result.insert(request.result.end(), 4, 0);
  return request;
}

class WordListRecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path folder = lexiton::test::tempPath("lexiton_word_list_recorder_test");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    path_ = (folder / "lexidic.db").string();
    list_ = std::make_unique<WordList>(path_, WordList::Texts{});
    recorder_.recordInto(list_.get());
  }
  std::vector<WordRow> rows() {
    list_->flush();
    return WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->words();
  }
  int64_t lookups() {
    list_->flush();
    return WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->lookupCount();
  }

  std::string path_;
  std::unique_ptr<WordList> list_;
  WordListRecorder recorder_{CodePage::windows1250};
  HoverList houses_{"houses \xBB house  /'haUzIz/",
                    {{true, "f\xF5n\xE9v"}, {false, "h\xE1z"}, {false, "otthon"}}};
};

TEST_F(WordListRecorderTest, AShownLookUpIsKeptWithTheLocalAnswerThatCameFirst) {
  recorder_.lookupStarted(true);
  recorder_.localAnswered(&houses_.bytes);
  recorder_.shown(requestOn(u"houses"));
  const std::vector<WordRow> words = rows();
  ASSERT_EQ(words.size(), 1u);
  const WordListEntry& entry = words[0].latest;
  EXPECT_EQ(entry.word, "houses");
  EXPECT_EQ(entry.dictionaryForm, "house");
  EXPECT_EQ(entry.sentence, "The houses are big.");
  EXPECT_EQ(entry.wordOffset, 4);
  EXPECT_EQ(entry.hungarian, "ház");
  EXPECT_EQ(entry.senses, "főnév: ház, otthon");
  EXPECT_EQ(entry.translation, "A házak nagyok.");
  EXPECT_EQ(entry.program, "notepad.exe");
}

TEST_F(WordListRecorderTest, ATooltipShownBeforeTheLocalAnswerWaitsForIt) {
  recorder_.lookupStarted(true);
  recorder_.shown(requestOn(u"houses"));
  EXPECT_EQ(lookups(), 0);
  recorder_.localAnswered(&houses_.bytes);
  const std::vector<WordRow> words = rows();
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].latest.dictionaryForm, "house");
  // The answer is used once: the next evaluation starts without it.
  recorder_.lookupStarted(false);
  recorder_.shown(requestOn(u"smoking"));
  EXPECT_EQ(rows()[0].latest.dictionaryForm, "");
  EXPECT_EQ(lookups(), 2);
}

TEST_F(WordListRecorderTest, ALocalLookUpThatNeverAnswersLeavesTheEntryWithoutADictionaryForm) {
  recorder_.lookupStarted(true);
  recorder_.shown(requestOn(u"gave"));
  recorder_.localAnswered(nullptr);
  const std::vector<WordRow> words = rows();
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].latest.word, "gave");
  EXPECT_EQ(words[0].latest.sentence, "He gave up smoking last year.");
  EXPECT_EQ(words[0].latest.dictionaryForm, "");
  // A late answer of that evaluation adds nothing.
  recorder_.localAnswered(&houses_.bytes);
  EXPECT_EQ(lookups(), 1);
}

TEST_F(WordListRecorderTest, AWaitingEntryGoesWhenTheNextEvaluationStarts) {
  recorder_.lookupStarted(true);
  recorder_.shown(requestOn(u"gardens"));
  recorder_.lookupStarted(true);
  EXPECT_EQ(lookups(), 1);
  EXPECT_EQ(rows()[0].latest.word, "gardens");
}

TEST_F(WordListRecorderTest, NothingIsKeptWhileKeepingIsOffOrWithoutAList) {
  list_->setKeeping(false);
  recorder_.lookupStarted(false);
  recorder_.shown(requestOn(u"houses"));
  list_->setKeeping(true);
  recorder_.recordInto(nullptr);
  recorder_.lookupStarted(true);
  recorder_.localAnswered(&houses_.bytes);
  recorder_.shown(requestOn(u"houses"));
  EXPECT_EQ(lookups(), 0);
}

TEST_F(WordListRecorderTest, AResultWithoutATranslationOrAListWithoutSensesStillGivesTheWord) {
  LookupRequest request = requestOn(u"houses");
  request.result.assign(4, 0);                                              // no "plai"
  const std::vector<uint8_t> broken{'H', 'V', 'R', '2', 0xFF, 0xFF, 0, 0};  // a length past the end
  recorder_.lookupStarted(true);
  recorder_.localAnswered(&broken);
  recorder_.shown(request);
  const std::vector<WordRow> words = rows();
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].latest.word, "houses");
  EXPECT_EQ(words[0].latest.translation, "");
  EXPECT_EQ(words[0].latest.dictionaryForm, "");
}

// The pointer tracking tells the recorder of each look-up it starts and of each tooltip it
// shows, after showing it; a declined one is not told.
class RecordingShownLookups final : public ShownLookupListener {
 public:
  std::vector<std::string> calls;
  const FakeTooltips* tooltips = nullptr;
  void lookupStarted(bool local) override { calls.push_back(local ? "started local" : "started"); }
  void localAnswered(const std::vector<uint8_t>* list) override {
    calls.push_back(list ? "answered" : "no answer");
  }
  void shown(const LookupRequest& request) override {
    calls.push_back("shown " + std::to_string(request.number) + (tooltips->visible ? " visible" : " hidden"));
  }
};

TEST(ShownLookUps, ThePointerTrackingTellsOfEachLookUpAndEachShownTooltipAfterItIsShown) {
  ScriptedLookup::reset();
  HoverState state;
  TriggerText trigger;
  FakeClock clock;
  FakeTimers timers{clock};
  FakePointer pointer;
  FakeReader reader;
  FakeLookups lookups;
  FakeTooltips tooltips;
  RecordingListener listener;
  listener.state = &state;
  RecordingShownLookups shown;
  shown.tooltips = &tooltips;
  reader.windows[{100, 100}] = {kText, 5, "notepad.exe"};
  reader.windows[{300, 100}] = {kText, 25, "notepad.exe"};
  HoverTracker tracker(HoverTracker::Parts{state, trigger, *lookups.exchange, timers, pointer, reader,
                                           lookups, tooltips, listener, nullptr, &shown});
  const auto restOn = [&](ScreenPoint at) {
    pointer.at = at;
    tracker.pointerMoved(at);
    timers.advance(
        kRestMs, [&] { tracker.restTimerFired(); }, [&] { tracker.resultPollFired(); });
  };
  tooltips.second = true;
  restOn({100, 100});
  runLookupWorker(lookups.started.at(0));
  timers.advance(
      kResultPollMs, [&] { tracker.restTimerFired(); }, [&] { tracker.resultPollFired(); });
  EXPECT_EQ(shown.calls, (std::vector<std::string>{"started local", "shown 1 visible"}));

  // A result the painter declines is not a shown look-up.
  shown.calls.clear();
  tooltips.second = false;
  tooltips.painterAnswer = false;
  restOn({300, 100});
  runLookupWorker(lookups.started.at(1));
  timers.advance(
      kResultPollMs, [&] { tracker.restTimerFired(); }, [&] { tracker.resultPollFired(); });
  EXPECT_EQ(shown.calls, (std::vector<std::string>{"started"}));
}

}  // namespace
}  // namespace lexiton::host::test
