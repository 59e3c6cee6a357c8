// Owners of one SQLite connection and one prepared statement, and the error they throw. The
// word list's store, its exports and its tools reach SQLite only through these.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace lexiton::host {

class SqliteError : public std::exception {
 public:
  SqliteError(int code, std::string what) : code_(code), what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }
  // SQLite's primary result code (SQLITE_NOTADB, SQLITE_BUSY...).
  int code() const { return code_; }

 private:
  int code_;
  std::string what_;
};

class SqliteConnection {
 public:
  // create: read and write, making the file when it is missing. readOnly changes nothing in
  // the files, not even on closing.
  enum class Mode { readWrite, readOnly, create };
  // Opens the file (UTF-8 name); throws SqliteError.
  SqliteConnection(const std::string& utf8Path, Mode mode);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  sqlite3* get() const { return db_; }
  // Runs statements that return nothing; throws SqliteError.
  void exec(const char* sql);
  // The first column of the first row of a statement, as an integer (0 without a row).
  int64_t integer(const char* sql);
  // Throws SqliteError for `code` unless it is SQLITE_OK, SQLITE_ROW or SQLITE_DONE.
  void check(int code, std::string_view doing) const;

 private:
  sqlite3* db_ = nullptr;
};

class SqliteStatement {
 public:
  SqliteStatement(SqliteConnection& connection, const char* sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  void bind(int index, std::string_view text);
  void bind(int index, int64_t value);
  // True while a row is there; throws SqliteError on failure.
  bool step();
  // Ready to run again with new values.
  void reset();

  std::string text(int column) const;
  int64_t integer(int column) const;

 private:
  SqliteConnection& connection_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace lexiton::host
