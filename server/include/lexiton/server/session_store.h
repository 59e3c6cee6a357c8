// Users and sessions: session name, 32-byte key, user, salted password hash, expiry. Two
// stores: SQLite (embedded, the default) and PostgreSQL (shared by several servers behind a
// load balancer). Both keep a generation number that every write changes, so each server's
// in-memory session cache (SessionCache) notices writes made by other processes.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <unordered_map>

struct sqlite3;

namespace lexiton::server {

struct Session {
  std::string name;  // 40 characters
  std::string key;   // 32 raw bytes
  std::string user;
  std::int64_t expiresAt = 0;  // seconds since the epoch
};

struct UserCredentials {
  std::string salt;
  std::string hash;  // PBKDF2-HMAC-SHA256 of the password with the salt
};

class SessionStore {
 public:
  virtual ~SessionStore() = default;
  SessionStore() = default;
  SessionStore(const SessionStore&) = delete;
  SessionStore& operator=(const SessionStore&) = delete;

  // Creates the user when new; false when the user exists with another password.
  bool ensureUser(const std::string& user, const std::string& password);
  bool checkPassword(const std::string& user, const std::string& password);
  // Returns the 104-character session identifier.
  std::string createSession(const std::string& user, std::int64_t lifetimeSeconds);
  // A session that exists and has not expired.
  std::optional<Session> findSession(const std::string& name);

  // Changes with every write (a new user, a new session), whichever process made it.
  virtual std::int64_t generation() = 0;

 protected:
  virtual std::optional<UserCredentials> findUser(const std::string& name) = 0;
  // False when the user exists already (another process may have just created it).
  virtual bool insertUser(const std::string& name, const UserCredentials& credentials) = 0;
  virtual void insertSession(const Session& session) = 0;
  virtual std::optional<Session> loadSession(const std::string& name) = 0;
  virtual void bumpGeneration() = 0;
};

// One SQLite connection (serialized mode) in WAL mode; ":memory:" for a private store.
class SqliteSessionStore : public SessionStore {
 public:
  explicit SqliteSessionStore(const std::string& path);
  ~SqliteSessionStore() override;
  std::int64_t generation() override;

 protected:
  std::optional<UserCredentials> findUser(const std::string& name) override;
  bool insertUser(const std::string& name, const UserCredentials& credentials) override;
  void insertSession(const Session& session) override;
  std::optional<Session> loadSession(const std::string& name) override;
  void bumpGeneration() override;

 private:
  sqlite3* db_ = nullptr;
};

// "postgresql://..." or "postgres://..." (a libpq connection URI) opens PostgreSQL; anything
// else is a SQLite file.
bool isPostgresUrl(const std::string& db);
std::unique_ptr<SessionStore> openSessionStore(const std::string& db);
std::unique_ptr<SessionStore> openPostgresSessionStore(const std::string& url);

// Sessions read once from the store and kept in memory, so looking one up takes a shared lock
// instead of a database round trip. A session is dropped when it ends (forget), and every
// entry when the store's generation changes (checked at most once per `recheck`). A password
// the store has verified for a session is remembered as a peppered digest, so the PBKDF2 hash
// is computed once per session and password, not once per query.
class SessionCache {
 public:
  explicit SessionCache(SessionStore& store, std::chrono::milliseconds recheck = std::chrono::seconds(1));
  // Throws what the store throws.
  std::optional<Session> find(const std::string& name);
  bool checkPassword(const Session& session, const std::string& user, const std::string& password);
  void forget(const std::string& name);
  std::size_t size();

 private:
  struct Entry {
    Session session;
    std::string verified;  // digest of the password last verified, or empty
  };
  void recheck();
  std::string digest(const std::string& user, const std::string& password) const;

  SessionStore& store_;
  const std::chrono::milliseconds recheckEvery_;
  const std::string pepper_;
  std::shared_mutex mutex_;
  std::unordered_map<std::string, Entry> entries_;  // under mutex_
  std::uint64_t clears_ = 0;                        // under mutex_: invalidations so far
  std::mutex recheckMutex_;
  std::optional<std::int64_t> generation_;    // under recheckMutex_
  std::atomic<std::int64_t> nextRecheck_{0};  // steady-clock nanoseconds
};

}  // namespace lexiton::server
