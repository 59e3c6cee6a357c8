// The PostgreSQL store (libpq): one connection, used under a mutex (the session cache keeps
// the database off the request path), re-established once when the server went away.
#include "lexiton/server/session_store.h"

#include <libpq-fe.h>

#include <cstring>
#include <initializer_list>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace lexiton::server {
namespace {

// Arbitrary, fixed: serializes the schema set-up of servers starting together.
constexpr long long kSchemaLock = 0x4c6578544f4e;

const char* kSchema =
    "CREATE TABLE IF NOT EXISTS lexiton_users(name bytea PRIMARY KEY, salt bytea NOT NULL,"
    " hash bytea NOT NULL);"
    "CREATE TABLE IF NOT EXISTS lexiton_sessions(name bytea PRIMARY KEY, key bytea NOT NULL,"
    " username bytea NOT NULL, expires bigint NOT NULL);"
    "CREATE TABLE IF NOT EXISTS lexiton_generation(id int PRIMARY KEY CHECK (id = 0),"
    " generation bigint NOT NULL);"
    "INSERT INTO lexiton_generation(id, generation) VALUES (0, 0) ON CONFLICT DO NOTHING;";

struct Result {
  PGresult* r = nullptr;
  explicit Result(PGresult* p) : r(p) {}
  ~Result() { PQclear(r); }
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;
  Result(Result&& o) noexcept : r(o.r) { o.r = nullptr; }
  int rows() const { return PQntuples(r); }
  std::string bytes(int row, int col) const {
    return std::string(PQgetvalue(r, row, col), static_cast<std::size_t>(PQgetlength(r, row, col)));
  }
  // int8 in binary form: eight bytes, most significant first.
  std::int64_t int8(int row, int col) const {
    const auto* p = reinterpret_cast<const unsigned char*>(PQgetvalue(r, row, col));
    if (PQgetlength(r, row, col) != 8) throw std::runtime_error("unexpected integer column");
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | p[i];
    return static_cast<std::int64_t>(v);
  }
};

// A parameter: bytes (bytea, binary) or text (integers, in text form).
struct Param {
  std::string value;
  bool binary;
};
Param bin(const std::string& s) { return {s, true}; }
Param txt(std::int64_t v) { return {std::to_string(v), false}; }

class PostgresSessionStore final : public SessionStore {
 public:
  explicit PostgresSessionStore(const std::string& url) {
    const char* keys[] = {"dbname", "connect_timeout", "application_name", nullptr};
    const char* values[] = {url.c_str(), "5", "lexiton-server", nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
      const std::string msg = conn_ ? PQerrorMessage(conn_) : "out of memory";
      PQfinish(conn_);
      throw std::runtime_error("cannot open session database: " + msg);
    }
    // "relation already exists, skipping" and the like are not the log's business.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    try {
      command("SELECT pg_advisory_lock(" + std::to_string(kSchemaLock) + ")");
      Result r(PQexec(conn_, kSchema));
      const bool ok = PQresultStatus(r.r) == PGRES_COMMAND_OK;
      const std::string msg = PQerrorMessage(conn_);
      command("SELECT pg_advisory_unlock(" + std::to_string(kSchemaLock) + ")");
      if (!ok) throw std::runtime_error("session database schema: " + msg);
    } catch (...) {
      PQfinish(conn_);
      throw;
    }
  }
  ~PostgresSessionStore() override { PQfinish(conn_); }

  std::int64_t generation() override {
    Result r = query("SELECT generation FROM lexiton_generation WHERE id = 0", {});
    return r.rows() ? r.int8(0, 0) : 0;
  }

 protected:
  std::optional<UserCredentials> findUser(const std::string& name) override {
    Result r = query("SELECT salt, hash FROM lexiton_users WHERE name = $1", {bin(name)});
    if (!r.rows()) return std::nullopt;
    return UserCredentials{r.bytes(0, 0), r.bytes(0, 1)};
  }
  bool insertUser(const std::string& name, const UserCredentials& c) override {
    Result r = query("INSERT INTO lexiton_users(name, salt, hash) VALUES ($1, $2, $3) ON CONFLICT DO NOTHING",
                     {bin(name), bin(c.salt), bin(c.hash)});
    return std::strcmp(PQcmdTuples(r.r), "1") == 0;
  }
  void insertSession(const Session& s) override {
    query("INSERT INTO lexiton_sessions(name, key, username, expires) VALUES ($1, $2, $3, $4)",
          {bin(s.name), bin(s.key), bin(s.user), txt(s.expiresAt)});
  }
  std::optional<Session> loadSession(const std::string& name) override {
    Result r = query("SELECT key, username, expires FROM lexiton_sessions WHERE name = $1", {bin(name)});
    if (!r.rows()) return std::nullopt;
    return Session{name, r.bytes(0, 0), r.bytes(0, 1), r.int8(0, 2)};
  }
  void bumpGeneration() override {
    query("UPDATE lexiton_generation SET generation = generation + 1 WHERE id = 0", {});
  }

 private:
  void command(const std::string& sql) {
    Result r(PQexec(conn_, sql.c_str()));
    if (PQresultStatus(r.r) != PGRES_TUPLES_OK && PQresultStatus(r.r) != PGRES_COMMAND_OK)
      throw std::runtime_error(PQerrorMessage(conn_));
  }

  // One statement, binary results; tried again once on a fresh connection when the old one
  // broke (the database restarted, a proxy dropped it).
  Result query(const char* sql, std::initializer_list<Param> params) {
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    for (const Param& p : params) {
      values.push_back(p.value.data());
      lengths.push_back(static_cast<int>(p.value.size()));
      formats.push_back(p.binary ? 1 : 0);
    }
    std::lock_guard lock(mutex_);
    for (int attempt = 0;; ++attempt) {
      Result r(PQexecParams(conn_, sql, static_cast<int>(values.size()), nullptr, values.data(),
                            lengths.data(), formats.data(), 1));
      const ExecStatusType st = PQresultStatus(r.r);
      if (st == PGRES_TUPLES_OK || st == PGRES_COMMAND_OK) return r;
      if (attempt == 0 && PQstatus(conn_) == CONNECTION_BAD) {
        PQreset(conn_);
        if (PQstatus(conn_) == CONNECTION_OK) continue;
      }
      throw std::runtime_error(std::string("session database: ") + PQerrorMessage(conn_));
    }
  }

  PGconn* conn_ = nullptr;
  std::mutex mutex_;
};

}  // namespace

std::unique_ptr<SessionStore> openPostgresSessionStore(const std::string& url) {
  return std::make_unique<PostgresSessionStore>(url);
}

}  // namespace lexiton::server
