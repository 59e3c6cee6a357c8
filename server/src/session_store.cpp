// One SQLite connection guarded by the library's serialized mode; statements are short.
#include "lexiton/server/session_store.h"

#include "lexiton/protocol/client_packer.h"

#include <cryptopp/osrng.h>
#include <cryptopp/pwdbased.h>
#include <cryptopp/sha.h>
#include <sqlite3.h>

#include <chrono>
#include <stdexcept>

namespace lexiton::server {
namespace {

constexpr unsigned kPbkdf2Iterations = 20000;
constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kKeyBytes = 32;

std::string randomBytes(std::size_t n) {
    CryptoPP::AutoSeededRandomPool rng;
    std::string out(n, '\0');
    rng.GenerateBlock(reinterpret_cast<CryptoPP::byte*>(out.data()), n);
    return out;
}

std::string hashPassword(const std::string& password, const std::string& salt) {
    CryptoPP::PKCS5_PBKDF2_HMAC<CryptoPP::SHA256> kdf;
    std::string out(32, '\0');
    kdf.DeriveKey(reinterpret_cast<CryptoPP::byte*>(out.data()), out.size(), 0,
                  reinterpret_cast<const CryptoPP::byte*>(password.data()), password.size(),
                  reinterpret_cast<const CryptoPP::byte*>(salt.data()), salt.size(), kPbkdf2Iterations);
    return out;
}

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch()).count();
}

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
    Statement& bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); return *this; }
    bool step() {
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
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

}  // namespace

SessionStore::SessionStore(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("cannot open session database: " + msg);
    }
    sqlite3_busy_timeout(db_, 5000);
    const char* schema =
        "CREATE TABLE IF NOT EXISTS users(name BLOB PRIMARY KEY, salt BLOB NOT NULL, hash BLOB NOT NULL);"
        "CREATE TABLE IF NOT EXISTS sessions(name BLOB PRIMARY KEY, key BLOB NOT NULL,"
        " user BLOB NOT NULL, expires INTEGER NOT NULL);";
    char* err = nullptr;
    if (sqlite3_exec(db_, schema, nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "schema";
        sqlite3_free(err);
        sqlite3_close(db_);
        throw std::runtime_error(msg);
    }
}

SessionStore::~SessionStore() { sqlite3_close(db_); }

bool SessionStore::ensureUser(const std::string& user, const std::string& password) {
    {
        Statement q(db_, "SELECT 1 FROM users WHERE name=?");
        q.bind(1, user);
        if (q.step()) return checkPassword(user, password);
    }
    std::string salt = randomBytes(kSaltBytes);
    Statement ins(db_, "INSERT INTO users(name,salt,hash) VALUES(?,?,?)");
    ins.bind(1, user).bind(2, salt).bind(3, hashPassword(password, salt));
    ins.step();
    return true;
}

bool SessionStore::checkPassword(const std::string& user, const std::string& password) {
    Statement q(db_, "SELECT salt,hash FROM users WHERE name=?");
    q.bind(1, user);
    if (!q.step()) return false;
    std::string salt = q.text(0), hash = q.text(1);
    std::string got = hashPassword(password, salt);
    // Constant-time compare: the hash length is fixed.
    unsigned char diff = got.size() == hash.size() ? 0 : 1;
    for (std::size_t i = 0; i < got.size() && i < hash.size(); ++i)
        diff |= static_cast<unsigned char>(got[i] ^ hash[i]);
    return diff == 0;
}

std::string SessionStore::createSession(const std::string& user, std::int64_t lifetimeSeconds) {
    std::string name = protocol::ClientPacker::toHex(randomBytes(20));
    std::string key = randomBytes(kKeyBytes);
    Statement ins(db_, "INSERT INTO sessions(name,key,user,expires) VALUES(?,?,?,?)");
    ins.bind(1, name).bind(2, key).bind(3, user).bind(4, now() + lifetimeSeconds);
    ins.step();
    return name + protocol::ClientPacker::toHex(key);
}

std::optional<Session> SessionStore::findSession(const std::string& name) {
    Statement q(db_, "SELECT key,user,expires FROM sessions WHERE name=?");
    q.bind(1, name);
    if (!q.step()) return std::nullopt;
    Session s{name, q.text(0), q.text(1), q.integer(2)};
    if (s.expiresAt <= now()) return std::nullopt;
    return s;
}

}  // namespace lexiton::server
