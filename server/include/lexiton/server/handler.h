// The whole request handler: form in, reply body out. The HTTP layer only moves bytes.
#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "lexiton/protocol/result_codes.h"

namespace lexiton::server {

class SessionStore;

// Status-line texts the client judges by their leading number: the texts of the protocol's
// own result-code table, so both ends read from one list.
inline const std::string kStatusWrongSession = protocol::resultMessage(protocol::ResultCode::WrongSession);
inline const std::string kStatusNoPostedData = protocol::resultMessage(protocol::ResultCode::NoPostedData);
inline const std::string kStatusUpdateClient = protocol::resultMessage(protocol::ResultCode::UpgradeNeeded);
inline const std::string kStatusUnsupportedService =
    protocol::resultMessage(protocol::ResultCode::UnsupportedService);
inline const std::string kStatusInterrupted =
    protocol::resultMessage(protocol::ResultCode::SessionInterrupted);
inline const std::string kStatusWrongQuery = protocol::resultMessage(protocol::ResultCode::WrongQuery);
inline const std::string kStatusProcessing = protocol::resultMessage(protocol::ResultCode::Processing);

struct TranslateResult {
  int code = 0;  // 0: text is the translation; 1: text is an error record "NNNN text"
  std::string text;
};
using TranslateFn = std::function<TranslateResult(const std::string& queryText)>;

struct HandlerConfig {
  std::string minimumVersion = "1.2.3";
  // How often the session cache asks the store whether another process wrote to it.
  std::chrono::milliseconds sessionRecheck = std::chrono::seconds(1);
};

class RequestHandler {
 public:
  RequestHandler(SessionStore& store, TranslateFn translate, HandlerConfig config = {});
  ~RequestHandler();
  RequestHandler(const RequestHandler&) = delete;
  RequestHandler& operator=(const RequestHandler&) = delete;

  // Answers one POST body; `logNote` receives a short secret-free outcome for the access log.
  std::string handle(std::string_view body, std::string* logNote = nullptr);

  // Sessions held in memory right now.
  std::size_t cachedSessions() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace lexiton::server
