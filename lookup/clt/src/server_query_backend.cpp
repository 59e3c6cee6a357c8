// LexitonClt's backend: every look-up goes to the translation server, and only in server mode.
#include <lexiton/protocol/server_connection.h>

#include "lexiton/lookup/query_backend.h"

namespace lexiton::lookup {

namespace {

class ServerBackend final : public QueryBackend {
 public:
  explicit ServerBackend(const Profile& settings) : connection_(settings) {}
  int query(std::string_view url, std::string_view text, int mode, std::string& out) override {
    return connection_.query(url, text, mode, out);
  }
  int cancelQuery() override { return connection_.cancelQuery(); }
  int close() override { return connection_.close(); }
  // The exports have written the keys already.
  void setProxy(std::string_view server, std::string_view type, std::string_view credentials) override {
    connection_.setProxy(server, type, credentials);
  }

 private:
  protocol::ServerConnection connection_;
};

}  // namespace

std::unique_ptr<QueryBackend> makeServerBackend(Profile& settings, bool serverMode, const std::string&) {
  if (!serverMode) return nullptr;
  return std::make_unique<ServerBackend>(settings);
}

}  // namespace lexiton::lookup
