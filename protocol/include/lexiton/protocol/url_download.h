// The HTTP transport (libcurl) and the session that posts query, cancel and session-end bodies.
#pragma once

#include <string>
#include <string_view>

#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/proxy_settings.h"

namespace lexiton::protocol {

struct TransportSettings {
  int timeoutSeconds = 0;  // 0: no overall limit, only the connect limit
  std::string proxyServer;
  ProxyType proxyType = ProxyType::Http;
  std::string proxyAuth;
};

// What one transfer came to.
enum class DownloadOutcome {
  Ok,              // a reply (headers and body collected)
  TransferFailed,  // libcurl failed: "<number> <text>" in the body
  TimedOut,
  BadStatus,  // an HTTP status other than 100 or 200
};

class HttpTransport {
 public:
  static constexpr long kConnectTimeoutSeconds = 5;
  static constexpr long kMaxRedirects = 15;
  // Replies larger than this end the transfer (write error).
  static constexpr std::size_t kMaxReplyBytes = 16u * 1024u * 1024u;

  explicit HttpTransport(TransportSettings settings) : settings_(std::move(settings)) {}
  // Throws VxException when no handle can be made or libcurl refuses an option (a negative
  // time-out, an address beyond libcurl's input limit): a transfer without that option would
  // quietly do something else, such as bypass the proxy.
  DownloadOutcome download(std::string& headersOut, std::string& bodyOut, std::string_view extraHeaders,
                           std::string_view postData, std::string_view url, bool proxyAuthRetry) const;
  const TransportSettings& settings() const { return settings_; }

 private:
  TransportSettings settings_;
};

// The status code text of the first status line in collected header text.
std::string statusCodeText(std::string_view headers);

// What an exchange makes of a finished download: `download` is what the transfer came to,
// `headers` and `body` what it collected. Sets `out` to the reply (result 0), the server's
// status line (its code) or the message of 1202, 1203 or 1208. Pure, never throws for any input.
int judgeExchange(DownloadOutcome download, std::string_view headers, std::string_view body,
                  std::string& out);

class QuerySession {
 public:
  QuerySession(std::string serverAddress, TransportSettings transport)
      : serverAddress_(std::move(serverAddress)), transport_(std::move(transport)) {}
  int sendQuery(std::string_view record, std::string_view sessionId, std::string& out);
  int endSession(std::string_view sessionId);
  int cancel(std::string_view sessionId);
  int exchange(std::string_view body, std::string& out);

 private:
  int sendToken(std::string_view sessionId, const char* wherePrefix);
  std::string serverAddress_;
  HttpTransport transport_;
  ClientPacker packer_;
};

}  // namespace lexiton::protocol
