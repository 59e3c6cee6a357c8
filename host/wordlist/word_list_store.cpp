#include "wordlist/word_list_store.h"

#include <lexiton/local_time.h>
#include <sqlite3.h>

#include <cstdio>

#include "wordlist/database_file.h"
#include "wordlist/word_text.h"

namespace lexiton::host {

namespace {

// word_key groups the look-ups of one word (wordKey); word_offset is where the word starts in
// the sentence, in bytes, or -1.
constexpr const char* kSchema = R"sql(
CREATE TABLE lookup(
  id INTEGER PRIMARY KEY,
  seen INTEGER NOT NULL,
  word TEXT NOT NULL,
  dictionary_form TEXT NOT NULL,
  word_key TEXT NOT NULL,
  sentence TEXT NOT NULL,
  word_offset INTEGER NOT NULL,
  hungarian TEXT NOT NULL,
  senses TEXT NOT NULL,
  translation TEXT NOT NULL,
  program TEXT NOT NULL);
CREATE INDEX lookup_by_word ON lookup(word_key);
CREATE VIEW word_count AS
  SELECT word_key AS word, count(*) AS count, min(seen) AS first_seen, max(seen) AS last_seen,
         max(id) AS latest
  FROM lookup GROUP BY word_key;
)sql";

// Errors that say the file itself is not a database of any use; anything else (a lock, a full
// disk, no memory) may pass, so the file stays where it is.
bool isDamage(int code) { return code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_FORMAT; }

enum class Contents { wordList, empty, foreign };

// Reading the header and the schema fails with SQLITE_NOTADB or SQLITE_CORRUPT on a file that
// is not a sound database.
Contents inspect(SqliteConnection& connection) {
  const int64_t application = connection.integer("PRAGMA application_id");
  const int64_t version = connection.integer("PRAGMA user_version");
  const int64_t objects = connection.integer("SELECT count(*) FROM sqlite_schema");
  if (application == 0 && version == 0 && objects == 0) return Contents::empty;
  if (application != kWordListApplicationId || version < 1 || version > kWordListSchemaVersion)
    return Contents::foreign;
  const int64_t ours = connection.integer(
      "SELECT count(*) FROM sqlite_schema WHERE (type = 'table' AND name = 'lookup') OR "
      "(type = 'view' AND name = 'word_count')");
  return ours == 2 ? Contents::wordList : Contents::foreign;
}

// Reads what the file holds through a connection that changes nothing, so a file that turns
// out not to be ours is moved aside as it was found.
Contents inspectWithoutChanging(const std::string& path) {
  SqliteConnection connection(sqliteFileName(path), SqliteConnection::Mode::readOnly);
  return inspect(connection);
}

void createSchema(SqliteConnection& connection) {
  connection.exec("BEGIN IMMEDIATE");
  try {
    connection.exec(kSchema);
    connection.exec(("PRAGMA application_id = " + std::to_string(kWordListApplicationId)).c_str());
    connection.exec(("PRAGMA user_version = " + std::to_string(kWordListSchemaVersion)).c_str());
    connection.exec("COMMIT");
  } catch (...) {
    sqlite3_exec(connection.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

// Runs `work` inside one write transaction.
template <typename Work>
auto inTransaction(SqliteConnection& connection, Work work) {
  connection.exec("BEGIN IMMEDIATE");
  try {
    auto result = work();
    connection.exec("COMMIT");
    return result;
  } catch (...) {
    sqlite3_exec(connection.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

// The database and the two files SQLite keeps beside it, moved under the aside name. The log
// goes first: left behind, it would be taken for the log of the new file made in the old one's
// place, which SQLite answers by deleting it.
bool moveAside(const std::string& path, const std::string& aside) {
  const char* companions[] = {"-wal", "-shm"};
  for (const char* suffix : companions) {
    if (fileExists(path + suffix) && !moveFileAside(path + suffix, aside + suffix)) return false;
  }
  if (moveFileAside(path, aside)) return true;
  for (const char* suffix : companions) {
    if (fileExists(aside + suffix)) moveFileAside(aside + suffix, path + suffix);
  }
  return false;
}

}  // namespace

std::string asideFileName(const std::string& path, std::time_t now, int attempt) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = hasExtension ? path.substr(0, dot) : path;
  const std::string extension = hasExtension ? path.substr(dot) : "";
  const std::tm t = localTime(now);
  char date[64];
  std::snprintf(date, sizeof date, "-%04d-%02d-%02d-%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  std::string name = stem + date;
  if (attempt > 1) {
    name += '-';
    name += std::to_string(attempt);
  }
  return name + extension;
}

WordListStore::WordListStore(std::unique_ptr<SqliteConnection> connection)
    : connection_(std::move(connection)) {}

void WordListStore::useWriteAheadLog() {
  SqliteStatement mode(*connection_, "PRAGMA journal_mode = WAL");
  if (!mode.step() || mode.text(0) != "wal")
    throw SqliteError(SQLITE_ERROR, "the word list cannot use a log");
  // A committed row survives the process; only a system crash may lose the last ones.
  connection_->exec("PRAGMA synchronous = NORMAL");
  // Deleted look-ups are overwritten, not left readable in free pages.
  connection_->exec("PRAGMA secure_delete = ON");
}

std::unique_ptr<WordListStore> WordListStore::openOrRecover(const std::string& path, std::time_t now,
                                                            WordListOpening& opening) {
  opening = {};
  const FileState state = fileState(path);
  // SQLite deletes the log it finds beside an empty file; a log with something in it is the
  // user's, and goes aside with the file.
  bool damaged = state == FileState::unreadable ||
                 (state == FileState::readable && fileSize(path) == 0 && fileSize(path + "-wal") > 0);
  Contents contents = Contents::empty;
  if (!damaged && state == FileState::readable && fileSize(path) > 0) {
    try {
      contents = inspectWithoutChanging(path);
      damaged = contents == Contents::foreign;
    } catch (const SqliteError& e) {
      if (!isDamage(e.code())) {
        opening.error = e.what();
        return nullptr;
      }
      damaged = true;
    }
  }
  if (!damaged) {
    try {
      auto connection =
          std::make_unique<SqliteConnection>(sqliteFileName(path), SqliteConnection::Mode::create);
      if (sqlite3_db_readonly(connection->get(), "main") == 1) {
        opening.error = "the word list is read-only";
        return nullptr;
      }
      std::unique_ptr<WordListStore> store(new WordListStore(std::move(connection)));
      store->useWriteAheadLog();
      if (contents == Contents::empty) createSchema(*store->connection_);
      opening.outcome =
          contents == Contents::empty ? WordListOpening::Outcome::created : WordListOpening::Outcome::opened;
      return store;
    } catch (const SqliteError& e) {
      opening.error = e.what();
      return nullptr;
    }
  }

  // The connection is closed by now: Windows moves no file that is open.
  constexpr int kAsideAttempts = 100;
  std::string aside;
  for (int attempt = 1; attempt <= kAsideAttempts && aside.empty(); ++attempt) {
    const std::string candidate = asideFileName(path, now, attempt);
    if (fileExists(candidate) || fileExists(candidate + "-wal")) continue;
    if (!moveAside(path, candidate)) {
      opening.error = "the word list could not be moved aside";
      return nullptr;
    }
    aside = candidate;
  }
  if (aside.empty()) {
    opening.error = "no free name to move the word list aside";
    return nullptr;
  }
  opening.asidePath = aside;
  try {
    auto connection =
        std::make_unique<SqliteConnection>(sqliteFileName(path), SqliteConnection::Mode::create);
    std::unique_ptr<WordListStore> store(new WordListStore(std::move(connection)));
    store->useWriteAheadLog();
    createSchema(*store->connection_);
    opening.outcome = WordListOpening::Outcome::movedAside;
    return store;
  } catch (const SqliteError& e) {
    opening.error = e.what();
    return nullptr;
  }
}

std::unique_ptr<WordListStore> WordListStore::openExisting(const std::string& path,
                                                           SqliteConnection::Mode mode) {
  auto connection = std::make_unique<SqliteConnection>(sqliteFileName(path), mode);
  if (inspect(*connection) != Contents::wordList) throw NotWordList();
  std::unique_ptr<WordListStore> store(new WordListStore(std::move(connection)));
  if (mode != SqliteConnection::Mode::readOnly) store->connection_->exec("PRAGMA secure_delete = ON");
  return store;
}

void WordListStore::insert(const std::vector<WordListEntry>& entries) {
  if (entries.empty()) return;
  inTransaction(*connection_, [&] {
    SqliteStatement statement(
        *connection_,
        "INSERT INTO lookup(seen, word, dictionary_form, word_key, sentence, word_offset, "
        "hungarian, senses, translation, program) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const WordListEntry& entry : entries) {
      statement.bind(1, entry.seen);
      statement.bind(2, std::string_view(entry.word));
      statement.bind(3, std::string_view(entry.dictionaryForm));
      statement.bind(4, std::string_view(wordKey(entry)));
      statement.bind(5, std::string_view(entry.sentence));
      statement.bind(6, entry.wordOffset);
      statement.bind(7, std::string_view(entry.hungarian));
      statement.bind(8, std::string_view(entry.senses));
      statement.bind(9, std::string_view(entry.translation));
      statement.bind(10, std::string_view(entry.program));
      statement.step();
      statement.reset();
    }
    return 0;
  });
}

std::vector<WordRow> WordListStore::words() {
  SqliteStatement statement(
      *connection_,
      "SELECT c.word, c.count, c.first_seen, c.last_seen, l.word, l.dictionary_form, "
      "l.sentence, l.word_offset, l.hungarian, l.senses, l.translation, l.program, l.seen "
      "FROM word_count c JOIN lookup l ON l.id = c.latest "
      "ORDER BY c.last_seen DESC, c.latest DESC");
  std::vector<WordRow> rows;
  while (statement.step()) {
    WordRow row;
    row.key = statement.text(0);
    row.count = statement.integer(1);
    row.firstSeen = statement.integer(2);
    row.lastSeen = statement.integer(3);
    row.latest.word = statement.text(4);
    row.latest.dictionaryForm = statement.text(5);
    row.latest.sentence = statement.text(6);
    row.latest.wordOffset = statement.integer(7);
    row.latest.hungarian = statement.text(8);
    row.latest.senses = statement.text(9);
    row.latest.translation = statement.text(10);
    row.latest.program = statement.text(11);
    row.latest.seen = statement.integer(12);
    rows.push_back(std::move(row));
  }
  return rows;
}

int64_t WordListStore::deleteWords(const std::vector<std::string>& keys) {
  if (keys.empty()) return 0;
  return inTransaction(*connection_, [&] {
    SqliteStatement statement(*connection_, "DELETE FROM lookup WHERE word_key = ?");
    int64_t deleted = 0;
    for (const std::string& key : keys) {
      statement.bind(1, std::string_view(key));
      statement.step();
      deleted += sqlite3_changes64(connection_->get());
      statement.reset();
    }
    return deleted;
  });
}

void WordListStore::clear() {
  inTransaction(*connection_, [&] {
    connection_->exec("DELETE FROM lookup");
    return 0;
  });
  // The log still holds the pages as they were: copied back into the file and emptied.
  connection_->exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

int64_t WordListStore::lookupCount() { return connection_->integer("SELECT count(*) FROM lookup"); }

}  // namespace lexiton::host
