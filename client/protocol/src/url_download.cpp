// HttpTransport on libcurl's easy interface, and QuerySession's request bodies.
#include "lexiton/protocol/url_download.h"

#include <curl/curl.h>

#include <memory>

#include "lexiton/protocol/pipe_format.h"
#include "lexiton/protocol/request_fields.h"
#include "lexiton/protocol/result_codes.h"

namespace lexiton::protocol {

namespace {
constexpr char kModuleFile[] = ".\\URLDownload.cpp";

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

int HttpTransport::download(std::string& headersOut, std::string& bodyOut,
                            std::string_view extraHeaders, std::string_view postData,
                            std::string_view url, bool proxyAuthRetry) const {
  headersOut.clear();
  bodyOut.clear();
  int status = 0;
  {
    EasyHandle easy;
    if (!easy.handle) throw VxException(kModuleFile, 106, "Couldn't initialize cUrl");
    CURL* h = easy.handle;
    // curl copies string options, so temporaries of std::string are safe below.
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    if (settings_.timeoutSeconds != 0)
      curl_easy_setopt(h, CURLOPT_TIMEOUT, static_cast<long>(settings_.timeoutSeconds));
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    if (!settings_.proxyServer.empty()) {
      curl_easy_setopt(h, CURLOPT_PROXY, settings_.proxyServer.c_str());
      if ((proxyAuthRetry && !settings_.proxyAuth.empty()) || settings_.proxyType == 5) {
        curl_easy_setopt(h, CURLOPT_PROXYAUTH, proxyAuthRetry ? CURLAUTH_BASIC : CURLAUTH_NONE);
        curl_easy_setopt(h, CURLOPT_PROXYUSERPWD, settings_.proxyAuth.c_str());
      }
      if (settings_.proxyType == 5) curl_easy_setopt(h, CURLOPT_PROXYTYPE, CURLPROXY_SOCKS5);
    }
    const std::string urlText(url);
    curl_easy_setopt(h, CURLOPT_URL, urlText.c_str());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendBlock);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &bodyOut);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, appendBlock);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &headersOut);
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < extraHeaders.size();) {
      if (!isBreak(extraHeaders[i])) {
        ++i;
        continue;
      }
      std::string line(extraHeaders.substr(lineStart, i - lineStart));
      while (i < extraHeaders.size() && isBreak(extraHeaders[i])) ++i;
      lineStart = i;
      if (!line.empty()) easy.headers = curl_slist_append(easy.headers, line.c_str());
    }
    if (easy.headers) curl_easy_setopt(h, CURLOPT_HTTPHEADER, easy.headers);
    const std::string body(postData);
    if (!body.empty()) {
      curl_easy_setopt(h, CURLOPT_POST, 1L);
      curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
      curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.c_str());
    }
    CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK) {
      bodyOut = std::to_string(static_cast<int>(rc)) + " " + errorText;
      return rc == CURLE_OPERATION_TIMEDOUT ? 2 : 1;
    }
    if (headersOut.empty()) return 0;
    status = leadingInt(statusCodeText(headersOut));
  }  // the handle is released before a retry starts
  if (status == 0 || status == 100 || status == 200) return 0;
  if (status == 407 && !settings_.proxyAuth.empty() && settings_.proxyType != 5 && !proxyAuthRetry)
    return download(headersOut, bodyOut, extraHeaders, postData, url, true);
  return 3;
}

int QuerySession::exchange(std::string_view body, std::string& out) {
  try {
    const std::string agent = std::string("User-Agent: ") + curl_version() + " (ClientPacker: " +
                              fields::kVersion + "." + fields::kBuildTag + ")\r\n";
    std::string headers, reply;
    const int rc = transport_.download(headers, reply, agent, body, serverAddress_, false);
    if (rc == 3) {
      out = resultMessage(1203) + "(" + statusCodeText(headers) + ")";
      return 1203;
    }
    if (rc == 2) {
      out = resultMessage(1208);
      return 1208;
    }
    if (rc == 1) {
      std::size_t digits = 0;
      while (digits < reply.size() && reply[digits] >= '0' && reply[digits] <= '9') ++digits;
      out = resultMessage(1202) + "(" + reply.substr(0, digits) + ")";
      return 1202;
    }
    const auto firstNonDigit = reply.find_first_not_of("0123456789");
    if (firstNonDigit != std::string::npos && reply[firstNonDigit] == ' ') {
      out = reply;
      return leadingInt(reply);
    }
    if (reply.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
      out = reply;
      return 0;
    }
    out = resultMessage(1202) + "(" + reply.substr(0, 50) + ")";
    return 1202;
  } catch (...) {
    out = resultMessage(1201);
    return 1201;
  }
}

int QuerySession::sendQuery(std::string_view record, std::string_view sessionId, std::string& out) {
  if (sessionId.size() != fields::kSessionIdLength) {
    out = resultMessage(1708) + "(xxx)";
    return 1708;
  }
  std::string reply;
  try {
    out.clear();
    const std::string_view name = sessionId.substr(0, fields::kSessionNameLength);
    const std::string_view key = sessionId.substr(fields::kSessionNameLength);
    std::string packed;
    if (!packer_.pack(key, record, packed)) {
      out = resultMessage(1205);
      return 1205;
    }
    const std::string body = std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag +
                             fields::kWhere + fields::kProduct + fields::kWhat + std::string(name) +
                             packed;
    const int rc = exchange(body, reply);
    if (rc != 0) {
      out = reply;
      return rc;
    }
  } catch (...) {
    out = resultMessage(1252);
    return 1252;
  }
  try {
    std::string plain;
    if (!packer_.unpack(sessionId.substr(fields::kSessionNameLength), reply, plain)) {
      out = resultMessage(1204);
      return 1204;
    }
    out = std::move(plain);
    return 0;
  } catch (...) {
    out = resultMessage(1251);
    return 1251;
  }
}

int QuerySession::sendToken(std::string_view sessionId, const char* wherePrefix) {
  try {
    const std::string_view name =
        sessionId.size() > fields::kSessionNameLength ? sessionId.substr(0, fields::kSessionNameLength)
                                                      : std::string_view();
    const std::string_view key = sessionId.size() > fields::kSessionNameLength
                                     ? sessionId.substr(fields::kSessionNameLength)
                                     : std::string_view();
    std::string packed;
    if (!packer_.pack(key, packer_.randomToken(), packed)) return 1205;
    const std::string body = std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag +
                             fields::kWhere + wherePrefix + fields::kProduct + fields::kWhat +
                             std::string(name) + packed;
    std::string reply;
    return exchange(body, reply);
  } catch (...) {
    return 1252;
  }
}

int QuerySession::endSession(std::string_view sessionId) {
  return sendToken(sessionId, fields::kSessionEndPrefix);
}

int QuerySession::cancel(std::string_view sessionId) {
  return sendToken(sessionId, fields::kCancelPrefix);
}

}  // namespace lexiton::protocol
