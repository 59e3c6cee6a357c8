// A raw loopback HTTP client for the server's tests: every wait is bounded.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>

namespace lexiton::server::test_support {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// One client socket; every wait is bounded.
class Client {
 public:
  explicit Client(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~Client() { close(); }
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  bool connected() const { return connected_; }
  bool send(const std::string& s) {
    return ::send(fd_, s.data(), s.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(s.size());
  }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  // Reads until `done(text)` holds, the peer closes or the time runs out.
  template <typename Done>
  std::string readUntil(Done done, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    closed_ = false;
    while (!done(in_)) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
      if (left <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
      char buf[4096];
      const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) {
        closed_ = true;
        break;
      }
      in_.append(buf, static_cast<std::size_t>(n));
    }
    return in_;
  }
  // One whole reply (headers and a body of Content-Length bytes), taken off the input.
  std::string reply(std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
    auto complete = [](const std::string& t) {
      const auto end = t.find("\r\n\r\n");
      if (end == std::string::npos) return false;
      const auto cl = t.find("Content-Length: ");
      const std::size_t n = cl == std::string::npos || cl > end ? 0 : std::stoul(t.substr(cl + 16));
      return t.size() >= end + 4 + n;
    };
    readUntil(complete, limit);
    if (!complete(in_)) return std::exchange(in_, {});
    const auto end = in_.find("\r\n\r\n");
    const auto cl = in_.find("Content-Length: ");
    const std::size_t n = cl == std::string::npos || cl > end ? 0 : std::stoul(in_.substr(cl + 16));
    std::string r = in_.substr(0, end + 4 + n);
    in_.erase(0, end + 4 + n);
    return r;
  }
  // True when the server closes the connection within `limit`.
  bool closedWithin(std::chrono::milliseconds limit) {
    readUntil([](const std::string&) { return false; }, limit);
    return closed_;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
  bool closed_ = false;
  std::string in_;
};

}  // namespace lexiton::server::test_support
