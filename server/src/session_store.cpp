// The store's common rules (password hashing, session identifiers, expiry), the SQLite store
// and the in-memory session cache.
#include "lexiton/server/session_store.h"

#include "lexiton/protocol/client_packer.h"
#include "session_crypto.h"

#include <cryptopp/sha.h>
#include <sqlite3.h>

#include <stdexcept>

namespace lexiton::server {

// ---- common rules ----------------------------------------------------------------------------

bool SessionStore::ensureUser(const std::string& user, const std::string& password) {
  if (findUser(user)) return checkPassword(user, password);
  UserCredentials c;
  c.salt = detail::randomBytes(detail::kSaltBytes);
  c.hash = detail::hashPassword(password, c.salt);
  if (!insertUser(user, c)) return checkPassword(user, password);
  bumpGeneration();
  return true;
}

bool SessionStore::checkPassword(const std::string& user, const std::string& password) {
  const std::optional<UserCredentials> c = findUser(user);
  return c && detail::sameBytes(detail::hashPassword(password, c->salt), c->hash);
}

std::string SessionStore::createSession(const std::string& user, std::int64_t lifetimeSeconds) {
  Session s;
  s.name = protocol::ClientPacker::toHex(detail::randomBytes(20));
  s.key = detail::randomBytes(detail::kKeyBytes);
  s.user = user;
  s.expiresAt = detail::now() + lifetimeSeconds;
  insertSession(s);
  bumpGeneration();
  return s.name + protocol::ClientPacker::toHex(s.key);
}

std::optional<Session> SessionStore::findSession(const std::string& name) {
  std::optional<Session> s = loadSession(name);
  if (!s || s->expiresAt <= detail::now()) return std::nullopt;
  return s;
}

bool isPostgresUrl(const std::string& db) {
  return db.rfind("postgresql://", 0) == 0 || db.rfind("postgres://", 0) == 0;
}

std::unique_ptr<SessionStore> openSessionStore(const std::string& db) {
  if (isPostgresUrl(db)) return openPostgresSessionStore(db);
  return std::make_unique<SqliteSessionStore>(db);
}

// ---- SQLite ----------------------------------------------------------------------------------

namespace {

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db));
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& bind(int i, const std::string& s) {
    sqlite3_bind_blob(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& bind(int i, std::int64_t v) {
    sqlite3_bind_int64(stmt_, i, v);
    return *this;
  }
  bool step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(stmt_)));
  }
  // False (instead of an error) when a unique key already holds the row.
  bool stepInsert() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE) return true;
    if (rc == SQLITE_CONSTRAINT) return false;
    throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(stmt_)));
  }
  std::string text(int col) {
    auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, col));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, col))) : std::string();
  }
  std::int64_t integer(int col) { return sqlite3_column_int64(stmt_, col); }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

void exec(sqlite3* db, const char* sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
    std::string msg = err ? err : sql;
    sqlite3_free(err);
    throw std::runtime_error(msg);
  }
}

}  // namespace

SqliteSessionStore::SqliteSessionStore(const std::string& path) {
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                      nullptr) != SQLITE_OK) {
    std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw std::runtime_error("cannot open session database: " + msg);
  }
  sqlite3_busy_timeout(db_, 5000);
  try {
    // WAL: the session command writes while servers read, neither waiting for the other.
    // (An in-memory database stays in its own mode.)
    exec(db_, "PRAGMA journal_mode=WAL;");
    exec(db_,
         "CREATE TABLE IF NOT EXISTS users(name BLOB PRIMARY KEY, salt BLOB NOT NULL, hash BLOB NOT NULL);"
         "CREATE TABLE IF NOT EXISTS sessions(name BLOB PRIMARY KEY, key BLOB NOT NULL,"
         " user BLOB NOT NULL, expires INTEGER NOT NULL);"
         "CREATE TABLE IF NOT EXISTS store_generation(id INTEGER PRIMARY KEY CHECK(id = 0),"
         " generation INTEGER NOT NULL);"
         "INSERT OR IGNORE INTO store_generation(id, generation) VALUES(0, 0);");
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
}

SqliteSessionStore::~SqliteSessionStore() { sqlite3_close(db_); }

std::int64_t SqliteSessionStore::generation() {
  Statement q(db_, "SELECT generation FROM store_generation WHERE id=0");
  return q.step() ? q.integer(0) : 0;
}

void SqliteSessionStore::bumpGeneration() {
  Statement u(db_, "UPDATE store_generation SET generation=generation+1 WHERE id=0");
  u.step();
}

std::optional<UserCredentials> SqliteSessionStore::findUser(const std::string& name) {
  Statement q(db_, "SELECT salt,hash FROM users WHERE name=?");
  q.bind(1, name);
  if (!q.step()) return std::nullopt;
  return UserCredentials{q.text(0), q.text(1)};
}

bool SqliteSessionStore::insertUser(const std::string& name, const UserCredentials& c) {
  Statement ins(db_, "INSERT INTO users(name,salt,hash) VALUES(?,?,?)");
  ins.bind(1, name).bind(2, c.salt).bind(3, c.hash);
  return ins.stepInsert();
}

void SqliteSessionStore::insertSession(const Session& s) {
  Statement ins(db_, "INSERT INTO sessions(name,key,user,expires) VALUES(?,?,?,?)");
  ins.bind(1, s.name).bind(2, s.key).bind(3, s.user).bind(4, s.expiresAt);
  ins.step();
}

std::optional<Session> SqliteSessionStore::loadSession(const std::string& name) {
  Statement q(db_, "SELECT key,user,expires FROM sessions WHERE name=?");
  q.bind(1, name);
  if (!q.step()) return std::nullopt;
  return Session{name, q.text(0), q.text(1), q.integer(2)};
}

// ---- the cache -------------------------------------------------------------------------------

namespace {
constexpr std::size_t kMaxCachedSessions = 100000;

std::int64_t steadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

SessionCache::SessionCache(SessionStore& store, std::chrono::milliseconds recheck)
    : store_(store), recheckEvery_(recheck), pepper_(detail::randomBytes(32)) {}

void SessionCache::recheck() {
  const std::int64_t now = steadyNanoseconds();
  if (now < nextRecheck_.load(std::memory_order_relaxed)) return;
  std::unique_lock guard(recheckMutex_, std::try_to_lock);
  if (!guard.owns_lock()) return;  // another worker is asking the store right now
  nextRecheck_.store(now + std::chrono::duration_cast<std::chrono::nanoseconds>(recheckEvery_).count(),
                     std::memory_order_relaxed);
  std::int64_t g = 0;
  try {
    g = store_.generation();
  } catch (...) {
    return;  // the store is out of reach: cached sessions go on, the next look-up asks again later
  }
  if (generation_ && *generation_ == g) return;
  {
    std::unique_lock lock(mutex_);
    entries_.clear();
    ++clears_;
  }
  generation_ = g;
}

std::optional<Session> SessionCache::find(const std::string& name) {
  recheck();
  const std::int64_t now = detail::now();
  std::uint64_t clears = 0;
  {
    std::shared_lock lock(mutex_);
    auto it = entries_.find(name);
    if (it != entries_.end()) {
      if (it->second.session.expiresAt <= now) return std::nullopt;
      return it->second.session;
    }
    clears = clears_;
  }
  std::optional<Session> s = store_.findSession(name);
  if (!s) return std::nullopt;  // unknown names are not kept: a new session is found at once
  std::unique_lock lock(mutex_);
  if (clears != clears_) return s;  // read before an invalidation: answer with it, keep nothing
  if (entries_.size() >= kMaxCachedSessions) entries_.clear();
  entries_.emplace(name, Entry{*s, {}});
  return s;
}

std::string SessionCache::digest(const std::string& user, const std::string& password) const {
  CryptoPP::SHA256 sha;
  std::string out(CryptoPP::SHA256::DIGESTSIZE, '\0');
  const std::string text = pepper_ + user + std::string(1, '\0') + password;
  sha.CalculateDigest(reinterpret_cast<CryptoPP::byte*>(out.data()),
                      reinterpret_cast<const CryptoPP::byte*>(text.data()), text.size());
  return out;
}

bool SessionCache::checkPassword(const Session& session, const std::string& user,
                                 const std::string& password) {
  if (user != session.user) return false;
  const std::string d = digest(user, password);
  {
    std::shared_lock lock(mutex_);
    auto it = entries_.find(session.name);
    if (it != entries_.end() && !it->second.verified.empty() && detail::sameBytes(it->second.verified, d))
      return true;
  }
  if (!store_.checkPassword(user, password)) return false;
  std::unique_lock lock(mutex_);
  auto it = entries_.find(session.name);
  if (it != entries_.end()) it->second.verified = d;
  return true;
}

void SessionCache::forget(const std::string& name) {
  std::unique_lock lock(mutex_);
  entries_.erase(name);
}

std::size_t SessionCache::size() {
  std::shared_lock lock(mutex_);
  return entries_.size();
}

}  // namespace lexiton::server
