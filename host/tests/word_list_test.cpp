// The word list as the host uses it: look-ups queued on the caller's thread and written by the
// list's own, "Keep a word list" off keeping nothing, clearing, the one alert when the file had
// to be moved aside or cannot be used, and rows that survive a process killed right after
// they were written.
#include <gtest/gtest.h>
#include <lexiton/test/files.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ctime>
#include <string>
#include <vector>

#include "word_list_samples.h"
#include "wordlist/word_list.h"

namespace lexiton::host {
namespace {

std::vector<WordRow> wordsIn(const std::string& path) {
  return WordListStore::openExisting(path, SqliteConnection::Mode::readOnly)->words();
}

class WordListTest : public ::testing::Test {
 protected:
  void SetUp() override { path_ = test::freshFolder("lexiton_word_list_test") + "/lexidic.db"; }
  std::string path_;
  test::AlertRecorder alerts_;
};

TEST_F(WordListTest, RecordedLookUpsAreWrittenByTheListsThread) {
  const std::time_t before = std::time(nullptr);
  {
    WordList list(path_, {});
    for (WordListEntry entry : test::ordinaryLookups()) {
      entry.seen = 0;
      list.record(entry);
    }
    list.flush();
    EXPECT_EQ(list.opening().outcome, WordListOpening::Outcome::created);
    const std::vector<WordRow> rows = wordsIn(path_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].count + rows[1].count, 3);
    EXPECT_GE(rows[0].lastSeen, before);
    EXPECT_LE(rows[0].lastSeen, std::time(nullptr));
    list.record(test::ordinaryLookups()[1]);
  }
  // What was queued when the list went is written before it goes.
  EXPECT_EQ(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->lookupCount(), 4);
  EXPECT_TRUE(alerts_.alerts.empty());
}

TEST_F(WordListTest, CloseWritesWhatIsQueuedAndClosesTheFileAfterwardsNothingIsKept) {
  WordList list(path_, {});
  list.record(test::ordinaryLookups()[0]);
  list.close();
  // The last connection went: its log was checkpointed into the file and removed.
  EXPECT_FALSE(std::filesystem::exists(path_ + "-wal"));
  EXPECT_EQ(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->lookupCount(), 1);
  list.record(test::ordinaryLookups()[1]);
  list.flush();
  EXPECT_FALSE(list.clear());
  list.close();
  EXPECT_EQ(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly)->lookupCount(), 1);
}

TEST_F(WordListTest, WithKeepingOffNothingIsKept) {
  WordList list(path_, {});
  EXPECT_TRUE(list.keeping());
  list.setKeeping(false);
  for (const WordListEntry& entry : test::ordinaryLookups()) list.record(entry);
  list.flush();
  EXPECT_TRUE(wordsIn(path_).empty());
  list.setKeeping(true);
  list.record(test::ordinaryLookups()[0]);
  list.flush();
  EXPECT_EQ(wordsIn(path_).size(), 1u);
  EXPECT_EQ(list.dropped(), 0u);
}

TEST_F(WordListTest, ClearingEmptiesTheListAfterWhatWasQueuedBefore) {
  WordList list(path_, {});
  for (const WordListEntry& entry : test::ordinaryLookups()) list.record(entry);
  EXPECT_TRUE(list.clear());
  EXPECT_TRUE(wordsIn(path_).empty());
  list.record(test::awkwardLookups()[2]);
  list.flush();
  const std::vector<WordRow> rows = wordsIn(path_);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].key, "őrült");
}

TEST_F(WordListTest, AFileThatIsNoDatabaseGivesOneAlertNamingWhereItWent) {
  lexiton::test::writeFile(path_, "GIF89a, not a word list");
  {
    WordList list(path_, {"Caption", "Moved to %s, sorry.", "Unavailable."});
    list.record(test::ordinaryLookups()[0]);
    list.flush();
    const WordListOpening opening = list.opening();
    ASSERT_EQ(opening.outcome, WordListOpening::Outcome::movedAside);
    EXPECT_EQ(lexiton::test::readFile(opening.asidePath), "GIF89a, not a word list");
    ASSERT_EQ(alerts_.alerts.size(), 1u);
    EXPECT_EQ(alerts_.alerts[0].text, "Moved to " + opening.asidePath + ", sorry.");
    EXPECT_EQ(alerts_.alerts[0].caption, "Caption");
    EXPECT_EQ(alerts_.alerts[0].icon, AlertIcon::warning);
    EXPECT_EQ(wordsIn(path_).size(), 1u);
  }
  // The new list is ours: no alert the next time.
  WordList again(path_, {});
  again.flush();
  EXPECT_EQ(again.opening().outcome, WordListOpening::Outcome::opened);
  EXPECT_EQ(alerts_.alerts.size(), 1u);
}

// A process under test gets its alerts in the file LEXITON_ALERT_FILE names, here with the
// English texts a language library without them leaves.
TEST(WordListAlertFile, TheMovedAsideAlertGoesToTheAlertFile) {
  const std::string folder = test::freshFolder("lexiton_word_list_alert_file");
  const std::string path = folder + "/lexidic.db";
  const std::string alerts = folder + "/alerts.txt";
  lexiton::test::writeFile(path, "PK\x03\x04 an archive, not a word list");
  ASSERT_EQ(setenv("LEXITON_ALERT_FILE", alerts.c_str(), 1), 0);
  std::string aside;
  {
    WordList list(path, {});
    aside = list.opening().asidePath;
  }
  unsetenv("LEXITON_ALERT_FILE");
  ASSERT_FALSE(aside.empty());
  EXPECT_EQ(
      lexiton::test::readFile(alerts),
      "warning|Lexiton|Lexiton could not read your word list, so it started a new one. The old file was "
      "kept as " +
          aside + ".\n");
}

TEST_F(WordListTest, AListThatCannotBeOpenedSaysSoOnceAndKeepsNothing) {
  const std::string path = path_ + ".missing-folder/lexidic.db";
  WordList list(path, {});
  for (const WordListEntry& entry : test::ordinaryLookups()) list.record(entry);
  list.flush();
  EXPECT_EQ(list.opening().outcome, WordListOpening::Outcome::unavailable);
  EXPECT_FALSE(list.clear());
  EXPECT_EQ(list.dropped(), 3u);
  ASSERT_EQ(alerts_.alerts.size(), 1u);
  EXPECT_NE(alerts_.alerts[0].text.find("word list"), std::string::npos);
}

// The child records, waits until the list's thread has written, says so through the pipe and
// then waits to be killed; the parent kills it without warning.
TEST_F(WordListTest, ARowSurvivesAProcessKilledRightAfterItWasWritten) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    WordList list(path_, {});
    for (int n = 0;; ++n) {
      list.record(test::numberedLookup(n));
      list.flush();
      if (write(pipeEnds[1], &n, sizeof n) != sizeof n) _exit(1);
    }
  }
  close(pipeEnds[1]);
  // Let some rows go by, then kill the child in the middle of its next ones.
  int acknowledged = -1;
  for (int i = 0; i < 25; ++i)
    ASSERT_EQ(read(pipeEnds[0], &acknowledged, sizeof acknowledged), ssize_t(sizeof acknowledged));
  ASSERT_EQ(kill(child, SIGKILL), 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  // Rows acknowledged after the last read may be there too.
  while (read(pipeEnds[0], &acknowledged, sizeof acknowledged) == ssize_t(sizeof acknowledged)) {
  }
  close(pipeEnds[0]);

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* check = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
  sqlite3_finalize(check);
  sqlite3_close(db);

  const std::vector<WordRow> rows = wordsIn(path_);
  ASSERT_GE(rows.size(), std::size_t(acknowledged + 1));
  ASSERT_LE(rows.size(), std::size_t(acknowledged + 2));  // at most the one being written
  for (int n = 0; n <= acknowledged; ++n) {
    const std::string key = "word" + std::to_string(n);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const WordRow& r) { return r.key == key; })) << key;
  }
}

}  // namespace
}  // namespace lexiton::host
