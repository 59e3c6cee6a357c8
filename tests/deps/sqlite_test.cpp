// SQLite as the builds link it (Debian's natively, the one scripts/deps.sh cross-builds for the
// Windows trees): serialized threading, and a file database in write-ahead-log mode that a
// second connection reads.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <string>

#include "lexiton/test/files.h"

namespace {

struct Database {
  explicit Database(const std::string& path) {
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) ADD_FAILURE() << sqlite3_errmsg(db);
  }
  ~Database() { sqlite3_close(db); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  std::string one(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
      return "error: " + std::string(sqlite3_errmsg(db));
    if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0))
      value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return value;
  }
  int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

  sqlite3* db = nullptr;
};

TEST(Sqlite, ThreadSafeWithWriteAheadLogAcrossConnections) {
  EXPECT_NE(sqlite3_threadsafe(), 0);
  const std::string path = lexiton::test::tempPath("lexiton_sqlite_test.db");
  std::remove(path.c_str());
  {
    Database writer(path);
    EXPECT_EQ(writer.one("PRAGMA journal_mode=WAL"), "wal");
    ASSERT_EQ(writer.exec("CREATE TABLE word(text TEXT NOT NULL); INSERT INTO word VALUES('ház')"),
              SQLITE_OK);
    Database reader(path);
    EXPECT_EQ(reader.one("SELECT text FROM word"), "ház");
  }
  std::remove(path.c_str());
  std::remove((path + "-wal").c_str());
  std::remove((path + "-shm").c_str());
}

}  // namespace
