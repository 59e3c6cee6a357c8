// The word list's file: the tables made in a new or empty file, files that are not a word list
// moved aside (never deleted, never replacing another file), a locked list left alone, the
// count view, deleting words and clearing the list without leaving its texts in the file.
#include <gtest/gtest.h>
#include <lexiton/test/files.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "word_list_samples.h"
#include "wordlist/word_list_store.h"

namespace lexiton::host {
namespace {

using lexiton::test::readFile;
using lexiton::test::writeFile;
using Outcome = WordListOpening::Outcome;

// 2026-12-10 15:04:05 in the test's time zone, whatever it is.
std::time_t aMoment() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 10;
  t.tm_hour = 15;
  t.tm_min = 4;
  t.tm_sec = 5;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// A plain SQLite connection of the test's own, beside the store's.
struct Raw {
  explicit Raw(const std::string& path) { sqlite3_open(path.c_str(), &db); }
  ~Raw() { sqlite3_close(db); }
  Raw(const Raw&) = delete;
  Raw& operator=(const Raw&) = delete;
  std::string one(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    std::string value = "(error)";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
      value = "(no row)";
      if (sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_text(statement, 0)
                    ? reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))
                    : "(null)";
    }
    sqlite3_finalize(statement);
    return value;
  }
  int exec(const std::string& sql) { return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); }
  sqlite3* db = nullptr;
};

class WordListStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test::freshFolder("lexiton_word_list_store_test");
    path_ = folder_ + "/lexidic.db";
  }
  std::unique_ptr<WordListStore> open(WordListOpening& opening) {
    return WordListStore::openOrRecover(path_, aMoment(), opening);
  }
  std::vector<std::string> folderNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string folder_;
  std::string path_;
};

TEST_F(WordListStoreTest, AnEmptyFileGetsTheTablesAndTheLog) {
  writeFile(path_, "");  // as the host's start-up leaves it
  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::created);
  store->insert(test::ordinaryLookups());

  Raw raw(path_);
  EXPECT_EQ(raw.one("PRAGMA application_id"), std::to_string(kWordListApplicationId));
  EXPECT_EQ(raw.one("PRAGMA user_version"), "1");
  EXPECT_EQ(raw.one("PRAGMA journal_mode"), "wal");
  EXPECT_EQ(raw.one("SELECT count(*) FROM lookup"), "3");
  EXPECT_EQ(raw.one("SELECT sentence FROM lookup WHERE word = 'gave'"), "He gave up smoking last year.");
  EXPECT_EQ(raw.one("SELECT program FROM lookup WHERE word = 'gave'"), "WINWORD.EXE");
  EXPECT_EQ(raw.one("SELECT senses FROM lookup WHERE word = 'houses'"), "ház\nlakóház\notthon");
  EXPECT_EQ(raw.one("SELECT translation FROM lookup WHERE word = 'houses'"), "A házak nagyok.");
  EXPECT_EQ(folderNames(), (std::vector<std::string>{"lexidic.db", "lexidic.db-shm", "lexidic.db-wal"}));
}

TEST_F(WordListStoreTest, AMissingFileIsMadeAndAWordListIsOpenedAsItIs) {
  WordListOpening opening;
  ASSERT_TRUE(open(opening)) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::created);
  {
    auto store = open(opening);
    ASSERT_TRUE(store);
    EXPECT_EQ(opening.outcome, Outcome::opened);
    store->insert(test::ordinaryLookups());
  }
  auto store = open(opening);
  ASSERT_TRUE(store);
  EXPECT_EQ(opening.outcome, Outcome::opened);
  EXPECT_EQ(store->lookupCount(), 3);
}

TEST_F(WordListStoreTest, AFileThatIsNoDatabaseIsMovedAsideWithTheDateAndReplaced) {
  const std::string text = "These are the user's own notes, not a database.\n";
  writeFile(path_, text);
  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::movedAside);
  EXPECT_EQ(opening.asidePath, folder_ + "/lexidic-2026-12-10-150405.db");
  EXPECT_EQ(readFile(opening.asidePath), text);
  store->insert(test::ordinaryLookups());
  EXPECT_EQ(store->lookupCount(), 3);
}

TEST_F(WordListStoreTest, AnotherProgramsDatabaseIsMovedAsideWhole) {
  {
    Raw other(path_);
    ASSERT_EQ(other.exec("CREATE TABLE notes(text); INSERT INTO notes VALUES('keep me')"), SQLITE_OK);
  }
  WordListOpening opening;
  ASSERT_TRUE(open(opening)) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::movedAside);
  Raw aside(opening.asidePath);
  EXPECT_EQ(aside.one("SELECT text FROM notes"), "keep me");
}

TEST_F(WordListStoreTest, ADamagedWordListIsMovedAsideWithItsLog) {
  {
    WordListOpening opening;
    auto store = open(opening);
    ASSERT_TRUE(store);
    store->insert(test::ordinaryLookups());
  }
  // The schema page overwritten, and a log beside it as a killed process leaves one: SQLite
  // would delete a log it finds beside a new, empty file.
  std::string bytes = readFile(path_);
  ASSERT_GE(bytes.size(), 4096u);
  for (std::size_t i = 100; i < 4096; ++i) bytes[i] = char(0xA5);
  writeFile(path_, bytes);
  const std::string wal = "the old file's log";
  writeFile(path_ + "-wal", wal);

  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::movedAside);
  EXPECT_EQ(readFile(opening.asidePath), bytes);
  EXPECT_EQ(readFile(opening.asidePath + "-wal"), wal);
  EXPECT_EQ(store->lookupCount(), 0);
}

TEST_F(WordListStoreTest, AnEmptyFileWithALogBesideItGoesAsideWithTheLog) {
  // SQLite would delete a log it finds beside an empty file; the log may be all the user has.
  writeFile(path_, "");
  writeFile(path_ + "-wal", "a log with pages in it");
  WordListOpening opening;
  ASSERT_TRUE(open(opening)) << opening.error;
  EXPECT_EQ(opening.outcome, Outcome::movedAside);
  EXPECT_EQ(readFile(opening.asidePath + "-wal"), "a log with pages in it");
}

TEST_F(WordListStoreTest, AFileAlreadyUnderTheAsideNameIsNeverReplaced) {
  const std::string first = folder_ + "/lexidic-2026-12-10-150405.db";
  writeFile(first, "an earlier one");
  writeFile(path_, "not a database");
  WordListOpening opening;
  ASSERT_TRUE(open(opening));
  EXPECT_EQ(opening.asidePath, folder_ + "/lexidic-2026-12-10-150405-2.db");
  EXPECT_EQ(readFile(first), "an earlier one");
  EXPECT_EQ(readFile(opening.asidePath), "not a database");
}

TEST_F(WordListStoreTest, ALockedWordListIsLeftWhereItIs) {
  {
    WordListOpening opening;
    auto store = open(opening);
    ASSERT_TRUE(store);
    store->insert(test::ordinaryLookups());
  }
  // Another process holds the file exclusively (the lock outlasts the store's wait).
  Raw holder(path_);
  ASSERT_EQ(holder.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE"), SQLITE_OK);
  ASSERT_EQ(
      holder.exec("INSERT INTO lookup(seen, word, dictionary_form, word_key, sentence, word_offset, "
                  "hungarian, senses, translation, program) VALUES(1, 'x', '', 'x', '', -1, '', '', '', '')"),
      SQLITE_OK);
  WordListOpening opening;
  EXPECT_FALSE(open(opening));
  EXPECT_EQ(opening.outcome, Outcome::unavailable);
  EXPECT_FALSE(opening.error.empty());
  for (const std::string& name : folderNames())
    EXPECT_EQ(name.rfind("lexidic-", 0), std::string::npos) << name;
  EXPECT_EQ(holder.one("SELECT count(*) FROM lookup"), "4");
}

TEST_F(WordListStoreTest, AFolderThatCannotHoldTheFileMakesTheListUnavailable) {
  path_ = folder_ + "/missing/lexidic.db";
  WordListOpening opening;
  EXPECT_FALSE(open(opening));
  EXPECT_EQ(opening.outcome, Outcome::unavailable);
  EXPECT_TRUE(opening.asidePath.empty());
}

TEST_F(WordListStoreTest, TheCountViewTakesTheLookUpsOfOneWordTogether) {
  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store);
  std::vector<WordListEntry> entries = test::ordinaryLookups();  // houses, gave, Houses
  WordListEntry went{"went", "go", "She went home.", 4, "ment", "megy", "Hazament.", "notepad.exe", 2000};
  WordListEntry goes{"goes", "Go", "He goes too.", 3, "megy", "megy", "Ő is megy.", "notepad.exe", 1000};
  WordListEntry plain{"Cat", "", "The Cat sat.", 4, "macska", "", "", "notepad.exe", 1500};
  entries.insert(entries.end(), {went, goes, plain});
  store->insert(entries);

  Raw raw(path_);
  EXPECT_EQ(raw.one("SELECT count(*) FROM word_count"), "4");
  EXPECT_EQ(raw.one("SELECT count FROM word_count WHERE word = 'house'"), "2");
  EXPECT_EQ(raw.one("SELECT last_seen FROM word_count WHERE word = 'house'"),
            std::to_string(entries[2].seen));
  EXPECT_EQ(raw.one("SELECT first_seen FROM word_count WHERE word = 'house'"),
            std::to_string(entries[0].seen));
  EXPECT_EQ(raw.one("SELECT count FROM word_count WHERE word = 'go'"), "2");
  EXPECT_EQ(raw.one("SELECT last_seen FROM word_count WHERE word = 'go'"), "2000");
  EXPECT_EQ(raw.one("SELECT count FROM word_count WHERE word = 'cat'"), "1");

  const std::vector<WordRow> rows = store->words();
  ASSERT_EQ(rows.size(), 4u);
  // The most recently seen first; each with its latest look-up's texts.
  EXPECT_EQ(rows[0].key, "house");
  EXPECT_EQ(rows[0].count, 2);
  EXPECT_EQ(rows[0].latest.word, "Houses");
  EXPECT_EQ(rows[0].latest.sentence, "Houses cost more every year.");
  EXPECT_EQ(rows[1].key, "give up");
  EXPECT_EQ(rows[2].key, "go");
  EXPECT_EQ(rows[2].latest.word, "goes");  // recorded last, though seen earlier
  EXPECT_EQ(rows[2].lastSeen, 2000);
  EXPECT_EQ(rows[3].key, "cat");
  EXPECT_EQ(rows[3].latest.dictionaryForm, "");
}

TEST_F(WordListStoreTest, DeletingWordsTakesEveryLookUpOfThemAndNothingElse) {
  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store);
  store->insert(test::ordinaryLookups());
  EXPECT_EQ(store->deleteWords({"house", "no such word"}), 2);
  const std::vector<WordRow> rows = store->words();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].key, "give up");
}

TEST_F(WordListStoreTest, ClearingLeavesNoTextOfTheLookUpsInTheFiles) {
  WordListOpening opening;
  auto store = open(opening);
  ASSERT_TRUE(store);
  std::vector<WordListEntry> entries = test::ordinaryLookups();
  entries[1].sentence = "A private sentence: zebracorn-7431.";
  store->insert(entries);
  const auto inFiles = [&](const std::string& needle) {
    return readFile(path_).find(needle) != std::string::npos ||
           readFile(path_ + "-wal").find(needle) != std::string::npos;
  };
  ASSERT_TRUE(inFiles("zebracorn-7431"));
  store->clear();
  EXPECT_EQ(store->lookupCount(), 0);
  EXPECT_FALSE(inFiles("zebracorn-7431"));
  store->insert(test::ordinaryLookups());
  EXPECT_EQ(store->lookupCount(), 3);
}

TEST_F(WordListStoreTest, AnExistingListOpensForTheWindowOnlyWhenItIsOne) {
  writeFile(path_, "not a database");
  EXPECT_THROW(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly), SqliteError);
  std::filesystem::remove(path_);
  EXPECT_THROW(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly), SqliteError);
  {
    Raw other(path_);
    other.exec("CREATE TABLE notes(text)");
  }
  EXPECT_THROW(WordListStore::openExisting(path_, SqliteConnection::Mode::readOnly),
               WordListStore::NotWordList);
  // And the file is left as it was.
  Raw other(path_);
  EXPECT_EQ(other.one("SELECT count(*) FROM sqlite_schema"), "1");
}

}  // namespace
}  // namespace lexiton::host
