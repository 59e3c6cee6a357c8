// A translation server for look-up tests on the shared loopback server: it unpacks each query
// with the session key, records it, and answers what the test's handler returns (packed with
// ClientPacker, or sent as it stands for status replies such as "1709 Session interrupted!").
// Session-end and cancel requests are recorded by their "where" value and answered "ok".
#pragma once

#include <lexiton/protocol/client_packer.h>
#include <lexiton/test/loopback_server.h>
#include <lexiton/test/test_session.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace lexiton::test {

struct ServerReply {
  std::string text;
  bool packed = true;
  int delayMs = 0;
};

class ReplyServer {
 public:
  // Receives the unpacked query record.
  using Handler = std::function<ServerReply(const std::string& record)>;

  explicit ReplyServer(Handler handler)
      : handler_(std::move(handler)), server_([this](const Request& r) { return answer(r); }) {}

  std::string url() const { return server_.url("/q"); }
  std::vector<std::string> records() const {
    std::lock_guard<std::mutex> guard(lock_);
    return records_;
  }
  // The "where" values of session-end and cancel requests, in arrival order.
  std::vector<std::string> controls() const {
    std::lock_guard<std::mutex> guard(lock_);
    return controls_;
  }

  static std::string packed(const std::string& text) {
    std::string out;
    protocol::ClientPacker().pack(kSessionKey, text, out);
    return out;
  }

 private:
  Reply answer(const Request& request) {
    const std::string where = request.param("where");
    const std::string what = request.param("what");
    std::string record;
    if (what.size() < kSessionName.size() ||
        !protocol::ClientPacker().unpack(kSessionKey, what.substr(kSessionName.size()), record)) {
      return Reply(200, "1708 Wrong or expired session identification submitted!");
    }
    if (where != "Korvell") {
      std::lock_guard<std::mutex> guard(lock_);
      controls_.push_back(where);
      return Reply(200, packed("ok"));
    }
    {
      std::lock_guard<std::mutex> guard(lock_);
      records_.push_back(record);
    }
    const ServerReply reply = handler_(record);
    Reply out(200, reply.packed ? packed(reply.text) : reply.text);
    out.delay = std::chrono::milliseconds(reply.delayMs);
    return out;
  }

  Handler handler_;
  mutable std::mutex lock_;
  std::vector<std::string> records_;
  std::vector<std::string> controls_;
  LoopbackServer server_;  // last: stopped before the rest goes
};

// A field of a query record ("dat", "frm", "url", ...).
inline std::string recordField(const std::string& record, const std::string& key) {
  const std::string open = key + "|:";
  const auto at = record.find(open);
  if (at == std::string::npos) return {};
  const auto from = at + open.size();
  const auto end = record.find('|', from);
  return record.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace lexiton::test
