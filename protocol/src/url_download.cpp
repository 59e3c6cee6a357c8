// HttpTransport on libcurl's easy interface, and QuerySession's request bodies.
#include "lexiton/protocol/url_download.h"

#include <curl/curl.h>

#include <memory>

#include "lexiton/protocol/pipe_format.h"
#include "lexiton/protocol/request_fields.h"
#include "lexiton/protocol/result_codes.h"

namespace lexiton::protocol {

namespace {
constexpr int kProxyAuthRequired = 407;
// How much of a reply of unknown form the 1202 message shows.
constexpr std::size_t kUnknownReplyShown = 50;

size_t appendBlock(char* data, size_t size, size_t count, void* target) {
  auto* text = static_cast<std::string*>(target);
  const size_t n = size * count;
  if (text->size() + n > HttpTransport::kMaxReplyBytes) return 0;  // ends the transfer
  text->append(data, n);
  return n;
}

struct EasyHandle {
  CURL* handle = curl_easy_init();
  curl_slist* headers = nullptr;
  EasyHandle() = default;
  EasyHandle(const EasyHandle&) = delete;
  EasyHandle& operator=(const EasyHandle&) = delete;
  ~EasyHandle() {
    if (headers) curl_slist_free_all(headers);
    if (handle) curl_easy_cleanup(handle);
  }
};

bool isBreak(char c) { return c == '\r' || c == '\n'; }

// No status line (0), an interim 100 or 200.
bool accepted(int status) { return status == 0 || status == 100 || status == 200; }
}  // namespace

std::string statusCodeText(std::string_view headers) {
  auto http = headers.find("HTTP");
  if (http == std::string_view::npos) return {};
  auto space = headers.find(' ', http);
  if (space == std::string_view::npos) return {};
  auto start = headers.find_first_not_of(' ', space);
  if (start == std::string_view::npos) return {};
  auto end = headers.find(' ', start);
  if (end == std::string_view::npos) return {};
  return std::string(headers.substr(start, end - start));
}

namespace {
// libcurl's global set-up is not safe to race from several look-up workers; it runs once.
bool curlReady() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ready;
}

template <typename Value>
void setOption(CURL* h, CURLoption option, Value value) {
  if (curl_easy_setopt(h, option, value) != CURLE_OK) throw VxException(fixed_texts::kTransportOptionRefused);
}

std::string leadingDigits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
  return std::string(text.substr(0, n));
}
}  // namespace

DownloadOutcome HttpTransport::download(std::string& headersOut, std::string& bodyOut,
                                        std::string_view extraHeaders, std::string_view postData,
                                        std::string_view url, bool proxyAuthRetry) const {
  headersOut.clear();
  bodyOut.clear();
  int status = 0;
  {
    if (!curlReady()) throw VxException(fixed_texts::kTransportNoHandle);
    EasyHandle easy;
    if (!easy.handle) throw VxException(fixed_texts::kTransportNoHandle);
    CURL* h = easy.handle;
    // curl copies string options, so temporaries of std::string are safe below.
    setOption(h, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    if (settings_.timeoutSeconds != 0)
      setOption(h, CURLOPT_TIMEOUT, static_cast<long>(settings_.timeoutSeconds));
    setOption(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    setOption(h, CURLOPT_FOLLOWLOCATION, 1L);
    if (!settings_.proxyServer.empty()) {
      setOption(h, CURLOPT_PROXY, settings_.proxyServer.c_str());
      if ((proxyAuthRetry && !settings_.proxyAuth.empty()) || settings_.proxyType == ProxyType::Socks5) {
        setOption(h, CURLOPT_PROXYAUTH, proxyAuthRetry ? CURLAUTH_BASIC : CURLAUTH_NONE);
        setOption(h, CURLOPT_PROXYUSERPWD, settings_.proxyAuth.c_str());
      }
      if (settings_.proxyType == ProxyType::Socks5)
        setOption(h, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_SOCKS5));
    }
    const std::string urlText(url);
    setOption(h, CURLOPT_URL, urlText.c_str());
    setOption(h, CURLOPT_WRITEFUNCTION, appendBlock);
    setOption(h, CURLOPT_WRITEDATA, static_cast<void*>(&bodyOut));
    setOption(h, CURLOPT_HEADERFUNCTION, appendBlock);
    setOption(h, CURLOPT_HEADERDATA, static_cast<void*>(&headersOut));
    char errorText[CURL_ERROR_SIZE] = {};
    setOption(h, CURLOPT_ERRORBUFFER, static_cast<char*>(errorText));
    // Only lines closed by a break are headers; a trailing unfinished line is not sent.
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < extraHeaders.size();) {
      if (!isBreak(extraHeaders[i])) {
        ++i;
        continue;
      }
      std::string line(extraHeaders.substr(lineStart, i - lineStart));
      while (i < extraHeaders.size() && isBreak(extraHeaders[i])) ++i;
      lineStart = i;
      if (line.empty()) continue;
      curl_slist* grown = curl_slist_append(easy.headers, line.c_str());
      if (!grown) throw VxException(fixed_texts::kTransportOptionRefused);
      easy.headers = grown;
    }
    if (easy.headers) setOption(h, CURLOPT_HTTPHEADER, easy.headers);
    const std::string body(postData);
    if (!body.empty()) {
      setOption(h, CURLOPT_POST, 1L);
      setOption(h, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
      setOption(h, CURLOPT_POSTFIELDS, body.c_str());
    }
    const CURLcode rc = curl_easy_perform(h);
    if (!headersOut.empty()) status = leadingInt(statusCodeText(headersOut));
    // A proxy (tinyproxy does) may refuse with 407 or 401 and close without reading the posted
    // body; the reset that follows must not hide the complete refusal, or the retry with
    // credentials never happens. Only a transfer whose status was accepted fails on its error.
    if (rc != CURLE_OK && accepted(status)) {
      bodyOut = std::to_string(static_cast<int>(rc)) + " " + errorText;
      return rc == CURLE_OPERATION_TIMEDOUT ? DownloadOutcome::TimedOut : DownloadOutcome::TransferFailed;
    }
    if (headersOut.empty()) return DownloadOutcome::Ok;
  }  // the handle is released before a retry starts
  if (accepted(status)) return DownloadOutcome::Ok;
  if (status == kProxyAuthRequired && !settings_.proxyAuth.empty() &&
      settings_.proxyType != ProxyType::Socks5 && !proxyAuthRetry)
    return download(headersOut, bodyOut, extraHeaders, postData, url, true);
  return DownloadOutcome::BadStatus;
}

int judgeExchange(DownloadOutcome download, std::string_view headers, std::string_view body,
                  std::string& out) {
  switch (download) {
    case DownloadOutcome::Ok:
      break;
    case DownloadOutcome::TimedOut:
      return reportResult(ResultCode::TimedOut, out);
    case DownloadOutcome::BadStatus:
      // A server shedding load answers 503 with its not-accepting status line: the user is told
      // the server is busy, not that its reply was broken. (A balancer's own 503 page is not
      // such a line and stays a bad reply.) The server's text is not echoed, only its code.
      if (statusCodeText(headers) == "503" &&
          body.starts_with(std::to_string(number(ResultCode::NotAccepting)) + " "))
        return reportResult(ResultCode::NotAccepting, out);
      return reportResult(ResultCode::BadReply, out, "(" + statusCodeText(headers) + ")");
    case DownloadOutcome::TransferFailed:  // the libcurl error number leads the text download left
      return reportResult(ResultCode::ReceiveFailed, out, "(" + leadingDigits(body) + ")");
  }
  // A server status line: digits, then a space.
  const auto firstNonDigit = body.find_first_not_of("0123456789");
  if (firstNonDigit != std::string_view::npos && body[firstNonDigit] == ' ') {
    out.assign(body);
    return leadingInt(body);
  }
  if (body.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos) {
    out.assign(body);
    return 0;
  }
  return reportResult(ResultCode::ReceiveFailed, out,
                      "(" + std::string(body.substr(0, kUnknownReplyShown)) + ")");
}

int QuerySession::exchange(std::string_view body, std::string& out) {
  try {
    const std::string agent = std::string("User-Agent: libcurl/") +
                              curl_version_info(CURLVERSION_NOW)->version +
                              " (ClientPacker: " + fields::kVersion + "." + fields::kBuildTag + ")\r\n";
    std::string headers, reply;
    const DownloadOutcome download = transport_.download(headers, reply, agent, body, serverAddress_, false);
    return judgeExchange(download, headers, reply, out);
  } catch (...) {
    return reportResult(ResultCode::ConnectionSetup, out);
  }
}

int QuerySession::sendQuery(std::string_view record, std::string_view sessionId, std::string& out) {
  if (sessionId.size() != fields::kSessionIdLength) {
    return reportResult(ResultCode::WrongSession, out, "(xxx)");
  }
  std::string reply;
  try {
    out.clear();
    const std::string_view name = sessionId.substr(0, fields::kSessionNameLength);
    const std::string_view key = sessionId.substr(fields::kSessionNameLength);
    std::string packed;
    if (!packer_.pack(key, record, packed)) return reportResult(ResultCode::EncodeFailed, out);
    const std::string body = std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag +
                             fields::kWhere + fields::kProduct + fields::kWhat + std::string(name) + packed;
    const int rc = exchange(body, reply);
    if (rc != 0) {
      out = reply;
      return rc;
    }
  } catch (...) {
    return reportResult(ResultCode::EncodeException, out);
  }
  try {
    std::string plain;
    if (!packer_.unpack(sessionId.substr(fields::kSessionNameLength), reply, plain))
      return reportResult(ResultCode::DecodeFailed, out);
    out = std::move(plain);
    return 0;
  } catch (...) {
    return reportResult(ResultCode::DecodeException, out);
  }
}

int QuerySession::sendToken(std::string_view sessionId, const char* wherePrefix) {
  try {
    const std::string_view name = sessionId.size() > fields::kSessionNameLength
                                      ? sessionId.substr(0, fields::kSessionNameLength)
                                      : std::string_view();
    const std::string_view key = sessionId.size() > fields::kSessionNameLength
                                     ? sessionId.substr(fields::kSessionNameLength)
                                     : std::string_view();
    std::string packed;
    if (!packer_.pack(key, packer_.randomToken(), packed)) return number(ResultCode::EncodeFailed);
    const std::string body = std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag +
                             fields::kWhere + wherePrefix + fields::kProduct + fields::kWhat +
                             std::string(name) + packed;
    std::string reply;
    return exchange(body, reply);
  } catch (...) {
    return number(ResultCode::EncodeException);
  }
}

int QuerySession::endSession(std::string_view sessionId) {
  return sendToken(sessionId, fields::kSessionEndPrefix);
}

int QuerySession::cancel(std::string_view sessionId) { return sendToken(sessionId, fields::kCancelPrefix); }

}  // namespace lexiton::protocol
