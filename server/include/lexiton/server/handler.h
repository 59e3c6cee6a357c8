// The whole request handler: form in, reply body out. The HTTP layer only moves bytes.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lexiton::server {

class SessionStore;

// Status-line texts the client judges by their leading number.
inline constexpr const char* kStatusWrongSession = "1708 Wrong or expired session identification submitted!";
inline constexpr const char* kStatusNoPostedData = "4040 No posted data (Usually running from a browser)! ";
inline constexpr const char* kStatusUpdateClient = "1701 Client needs to be updated! ";
inline constexpr const char* kStatusUnsupportedService = "1505 Unsupported service type!";
inline constexpr const char* kStatusInterrupted = "1709 Session interrupted!";
inline constexpr const char* kStatusWrongQuery = "1502 Wrong Query Submitted!";
inline constexpr const char* kStatusProcessing = "1504 Error while processing! ";

struct TranslateResult {
    int code = 0;       // 0: text is the translation; 1: text is an error record "NNNN text"
    std::string text;
};
using TranslateFn = std::function<TranslateResult(const std::string& queryText)>;

struct HandlerConfig {
    std::string minimumVersion = "1.2.3";
};

class RequestHandler {
public:
    RequestHandler(SessionStore& store, TranslateFn translate, HandlerConfig config = {});
    ~RequestHandler();
    RequestHandler(const RequestHandler&) = delete;
    RequestHandler& operator=(const RequestHandler&) = delete;

    // Answers one POST body; `logNote` receives a short secret-free outcome for the access log.
    std::string handle(std::string_view body, std::string* logNote = nullptr);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lexiton::server
