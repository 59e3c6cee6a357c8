// A loopback translation server for look-up tests: it unpacks each query with the session key,
// records it, and answers what the test's handler returns (packed with ClientPacker, or sent as
// it stands for status replies such as "1709 Session interrupted!").
#pragma once

#include <httplib.h>
#include <lexiton/protocol/client_packer.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lexiton::test {

inline const std::string kSessionName(40, 'N');
inline const std::string kSessionKey =
    "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F";

struct Reply {
  std::string text;
  bool packed = true;
  int delayMs = 0;
};

class ReplyServer {
 public:
  // Receives the unpacked query record.
  using Handler = std::function<Reply(const std::string& record)>;

  explicit ReplyServer(Handler handler) : handler_(std::move(handler)) {
    server_.Post("/q", [this](const httplib::Request& req, httplib::Response& res) {
      const std::string where = req.get_param_value("where");
      const std::string what = req.get_param_value("what");
      protocol::ClientPacker packer;
      std::string record;
      if (what.size() < kSessionName.size() ||
          !packer.unpack(kSessionKey, what.substr(kSessionName.size()), record)) {
        res.set_content("1708 Wrong or expired session identification submitted!", "text/plain");
        return;
      }
      if (where != "Korvell") {
        std::lock_guard<std::mutex> guard(lock_);
        controls_.push_back(where);
        res.set_content(packed("ok"), "text/plain");
        return;
      }
      {
        std::lock_guard<std::mutex> guard(lock_);
        records_.push_back(record);
      }
      const Reply reply = handler_(record);
      if (reply.delayMs) std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
      res.set_content(reply.packed ? packed(reply.text) : reply.text, "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ~ReplyServer() {
    server_.stop();
    thread_.join();
  }
  ReplyServer(const ReplyServer&) = delete;
  ReplyServer& operator=(const ReplyServer&) = delete;

  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/q"; }
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
  Handler handler_;
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex lock_;
  std::vector<std::string> records_;
  std::vector<std::string> controls_;
};

// The "dat" value of a query record (the windowed query text).
inline std::string recordField(const std::string& record, const std::string& key) {
  const std::string open = key + "|:";
  const auto at = record.find(open);
  if (at == std::string::npos) return {};
  const auto from = at + open.size();
  const auto end = record.find('|', from);
  return record.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace lexiton::test
