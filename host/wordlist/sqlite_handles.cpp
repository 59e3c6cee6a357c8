#include "wordlist/sqlite_handles.h"

#include <sqlite3.h>

namespace lexiton::host {

namespace {

// How long a connection waits for another one (the window's, an export) to finish writing.
constexpr int kBusyTimeoutMs = 5000;

}  // namespace

SqliteConnection::SqliteConnection(const std::string& utf8Path, Mode mode) {
  int flags = SQLITE_OPEN_FULLMUTEX;
  if (mode == Mode::readOnly)
    flags |= SQLITE_OPEN_READONLY;
  else
    flags |= SQLITE_OPEN_READWRITE | (mode == Mode::create ? SQLITE_OPEN_CREATE : 0);
  const int code = sqlite3_open_v2(utf8Path.c_str(), &db_, flags, nullptr);
  if (code != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    sqlite3_close(db_);
    db_ = nullptr;
    throw SqliteError(code & 0xff, "opening " + utf8Path + ": " + message);
  }
  sqlite3_extended_result_codes(db_, 0);
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  // A reader leaves the files as it found them: no checkpoint, no log removed when it closes.
  if (mode == Mode::readOnly) sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

SqliteConnection::~SqliteConnection() { sqlite3_close_v2(db_); }

void SqliteConnection::check(int code, std::string_view doing) const {
  if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
  throw SqliteError(code & 0xff, std::string(doing) + ": " + sqlite3_errmsg(db_));
}

void SqliteConnection::exec(const char* sql) {
  check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), sql);
}

int64_t SqliteConnection::integer(const char* sql) {
  SqliteStatement statement(*this, sql);
  return statement.step() ? statement.integer(0) : 0;
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, const char* sql) : connection_(connection) {
  connection_.check(sqlite3_prepare_v2(connection_.get(), sql, -1, &statement_, nullptr), sql);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

void SqliteStatement::bind(int index, std::string_view text) {
  connection_.check(
      sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
      "binding a text");
}

void SqliteStatement::bind(int index, int64_t value) {
  connection_.check(sqlite3_bind_int64(statement_, index, value), "binding a number");
}

bool SqliteStatement::step() {
  const int code = sqlite3_step(statement_);
  connection_.check(code, sqlite3_sql(statement_));
  return code == SQLITE_ROW;
}

void SqliteStatement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::string SqliteStatement::text(int column) const {
  const auto* bytes = sqlite3_column_text(statement_, column);
  if (!bytes) return {};
  return std::string(reinterpret_cast<const char*>(bytes),
                     std::size_t(sqlite3_column_bytes(statement_, column)));
}

int64_t SqliteStatement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

}  // namespace lexiton::host
