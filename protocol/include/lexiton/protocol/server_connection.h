// The one connection of the client library to the translation server. Built from the settings
// file; every operation returns a result code (see result_codes.h) and never throws.
//
// Thread use: `query` may run on several look-up workers at once while the user interface
// calls `setProxy`; the HTTP transfer itself runs outside the connection's lock.
#pragma once

#include <lexiton/protocol/proxy_settings.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace lexiton {
class Profile;
}

namespace lexiton::protocol {

class QuerySession;
struct TransportSettings;

class ServerConnection {
 public:
  // Builds the session a query runs on from the server address and the transport settings;
  // throws when it cannot. The default makes a QuerySession; tests give one that fails to see
  // how the connection lives on without a session.
  using SessionBuilder =
      std::function<std::shared_ptr<QuerySession>(const std::string&, const TransportSettings&)>;

  // Reads [Server Settings] Server_Address, Server_Timeout, SessionID, Proxy_Server,
  // Proxy_Auth, Proxy_Type and [User Settings] Name, Password. The session is built lazily.
  explicit ServerConnection(const lexiton::Profile& settings, SessionBuilder builder = {});
  ~ServerConnection();
  ServerConnection(const ServerConnection&) = delete;
  ServerConnection& operator=(const ServerConnection&) = delete;

  // One look-up. `text` is already encoded (see encodeQueryText); `mode` is the look-up mode.
  // `out` receives the reply (result 0), "<server code> <text>" (result 1) or the message of
  // the result code.
  int query(std::string_view url, std::string_view text, int mode, std::string& out);
  // Asks the server to drop the running request of this session; -1 when no session exists
  // or an exception ended it.
  int cancelQuery();
  // Ends the server session; -1 when no session exists or an exception ended it.
  int close();
  // Stores the new proxy settings (and writes them to `store` when given); the next query
  // builds a new session with them. `type` is "0" (HTTP) or "5" (SOCKS5).
  void setProxy(std::string_view server, std::string_view type, std::string_view credentials,
                lexiton::Profile* store = nullptr);

 private:
  std::mutex lock_;
  std::string serverAddress_;
  int timeoutSeconds_ = 0;
  std::string user_;
  std::string password_;
  std::string sessionId_;
  std::string proxyServer_;
  std::string proxyAuth_;
  ProxyType proxyType_ = ProxyType::Http;
  bool rebuild_ = true;
  SessionBuilder builder_;
  std::shared_ptr<QuerySession> session_;
};

}  // namespace lexiton::protocol
