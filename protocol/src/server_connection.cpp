// ServerConnection: settings, the text window, the query record and the lazily built session.
#include "lexiton/protocol/server_connection.h"

#include "lexiton/fixed_texts.h"
#include "lexiton/profile.h"
#include "lexiton/settings_keys.h"
#include "lexiton/protocol/pipe_format.h"
#include "lexiton/protocol/query_text.h"
#include "lexiton/protocol/request_fields.h"
#include "lexiton/protocol/result_codes.h"
#include "lexiton/protocol/url_download.h"

namespace lexiton::protocol {

namespace {
namespace server_keys = settings::server;
namespace user_keys = settings::user;

std::shared_ptr<QuerySession> buildQuerySession(const std::string& serverAddress,
                                                const TransportSettings& transport) {
  return std::make_shared<QuerySession>(serverAddress, transport);
}
}  // namespace

ServerConnection::ServerConnection(const lexiton::Profile& settings, SessionBuilder builder)
    : serverAddress_(settings.readString(server_keys::kSection, server_keys::kServerAddress)),
      timeoutSeconds_(leadingInt(settings.readString(server_keys::kSection, server_keys::kServerTimeout))),
      user_(settings.readString(user_keys::kSection, user_keys::kName)),
      password_(settings.readString(user_keys::kSection, user_keys::kPassword)),
      sessionId_(settings.readString(server_keys::kSection, server_keys::kSessionId)),
      proxyServer_(settings.readString(server_keys::kSection, server_keys::kProxyServer)),
      proxyAuth_(settings.readString(server_keys::kSection, server_keys::kProxyAuth)),
      proxyType_(proxyTypeFromSetting(settings.readString(server_keys::kSection, server_keys::kProxyType))),
      builder_(builder ? std::move(builder) : SessionBuilder(buildQuerySession)) {}

ServerConnection::~ServerConnection() = default;

int ServerConnection::query(std::string_view url, std::string_view text, int mode, std::string& out) {
  try {
    out.clear();
    const std::string windowed = windowQueryText(text);
    std::shared_ptr<QuerySession> session;
    std::string sessionId;
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (rebuild_) {
        rebuild_ = false;
        session_.reset();
        try {
          session_ = builder_(serverAddress_,
                              TransportSettings{timeoutSeconds_, proxyServer_, proxyType_, proxyAuth_});
        } catch (...) {
          out += fixed_texts::kSessionSetupFailed;
          return -1;
        }
      }
      session = session_;
    }
    PipeWriter record;
    if (!windowed.empty()) {
      if (!user_.empty()) record.writeKeyElement(fields::kUser, user_);
      if (!password_.empty()) record.writeKeyElement(fields::kPassword, password_);
      record.writeKeyElement(fields::kLanguage, fields::kLanguagePair);
      record.writeKeyValue(fields::kAct, fields::kApplication);
      record.writeKeyElement(fields::kEnc, fields::kEncoding);
      record.writeKeyElement(fields::kForm, std::to_string(mode));
      record.writeKeyElement(fields::kUrl, url);
      record.writeKeyValue(fields::kData, windowed);
    }
    {
      std::lock_guard<std::mutex> guard(lock_);
      sessionId = sessionId_;
    }
    // A failed rebuild leaves no session until the settings change again.
    if (!session) {
      out = fixed_texts::kUnknownHttpException;
      return -1;
    }
    int rc;
    try {
      rc = session->sendQuery(record.buffer(), sessionId, out);
    } catch (...) {
      out = fixed_texts::kUnknownHttpException;
      return -1;
    }
    if (rc != 0) return rc;
    PipeReader reader;
    reader.append(out);
    out.clear();
    if (reader.readToken(out) == TokenKind::KeyEnd) {
      std::string code;
      reader.readToken(code);
      std::size_t digits = 0;
      while (digits < code.size() && code[digits] >= '0' && code[digits] <= '9') ++digits;
      out = code.substr(0, digits) + " " + out;
      return 1;
    }
    return 0;
  } catch (...) {
    out = fixed_texts::kUnknownHttpException;
    return -1;
  }
}

int ServerConnection::cancelQuery() {
  try {
    std::lock_guard<std::mutex> guard(lock_);
    if (!session_) return -1;
    return session_->cancel(sessionId_);
  } catch (...) {
    return -1;
  }
}

int ServerConnection::close() {
  try {
    std::shared_ptr<QuerySession> session;
    std::string sessionId;
    {
      std::lock_guard<std::mutex> guard(lock_);
      session = session_;
      sessionId = sessionId_;
    }
    if (!session) return -1;
    return session->endSession(sessionId);
  } catch (...) {
    return -1;
  }
}

void ServerConnection::setProxy(std::string_view server, std::string_view type, std::string_view credentials,
                                lexiton::Profile* store) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    proxyServer_ = std::string(server);
    proxyAuth_ = std::string(credentials);
    proxyType_ = proxyTypeFromSetting(type);
    rebuild_ = true;
  }
  if (store) {
    store->writeString(server_keys::kSection, server_keys::kProxyServer, server);
    store->writeString(server_keys::kSection, server_keys::kProxyAuth, credentials);
    store->writeString(server_keys::kSection, server_keys::kProxyType, type);
  }
}

}  // namespace lexiton::protocol
