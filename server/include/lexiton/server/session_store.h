// Users and sessions in SQLite: session name, 32-byte key, user, salted password hash, expiry.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

struct sqlite3;

namespace lexiton::server {

struct Session {
    std::string name;  // 40 characters
    std::string key;   // 32 raw bytes
    std::string user;
    std::int64_t expiresAt = 0;  // seconds since the epoch
};

class SessionStore {
public:
    explicit SessionStore(const std::string& path);
    ~SessionStore();
    SessionStore(const SessionStore&) = delete;
    SessionStore& operator=(const SessionStore&) = delete;

    // Creates the user when new; false when the user exists with another password.
    bool ensureUser(const std::string& user, const std::string& password);
    bool checkPassword(const std::string& user, const std::string& password);
    // Returns the 104-character session identifier.
    std::string createSession(const std::string& user, std::int64_t lifetimeSeconds);
    std::optional<Session> findSession(const std::string& name);

private:
    sqlite3* db_ = nullptr;
};

}  // namespace lexiton::server
