// A real HTTP server on 127.0.0.1 for end-to-end tests of the client's network code, natively
// and under wine (the same code on both: cpp-httplib on its own threads).
//
//   lexiton::test::LoopbackServer server([](const lexiton::test::Request& r) {
//     return lexiton::test::Reply(200, "1709 Session interrupted!");
//   });
//   post(server.url("/q"), ...);              // any method, any path reaches the handler
//   // Reply::slow(delay, body), Reply::dropped(), Reply::redirect(url), Reply::proxyAuthRequired()
//   EXPECT_EQ(server.requests().at(0).param("what"), ...);
//
// The handler runs on one of the server's worker threads, one call per received request; it
// must be thread-safe if the test sends requests in parallel. A handler that throws answers 500.
// Requests a client sends to the server as its HTTP proxy reach the handler too, with the
// absolute URL as `target`, so the server can also stand in for a proxy (407 and retry).
// Every connection carries one request ("Connection: close").
//
// Link lexiton_test_support (tests/support/CMakeLists.txt). Natively it uses Debian's compiled
// cpp-httplib; the mingw build compiles cpp-httplib's header from the dependency cache.
//
// The destructor stops the server: delayed replies are cut short, then the threads are joined.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexiton::test {

struct Request {
  std::string method;  // "POST", "GET", ...
  std::string target;  // the path ("/q") or, when sent to a proxy, the absolute URL
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  // The first header of that name (case-insensitive), or "" when there is none.
  std::string header(std::string_view name) const;
  // A field of a form body "a=1&b=2" (percent-decoded), or "" when absent.
  std::string param(std::string_view name) const;
};

struct Reply {
  Reply() = default;
  Reply(int status, std::string body) : status(status), body(std::move(body)) {}

  int status = 200;
  std::string body;
  std::string contentType = "text/plain";
  std::vector<std::pair<std::string, std::string>> headers;  // e.g. {"Location", url}
  // Waited before anything is sent (a slow server).
  std::chrono::milliseconds delay{0};
  // Announce the body, send none of it and close the connection (a server that dies mid-reply).
  bool drop = false;

  static Reply redirect(std::string location, int status = 302);
  // `body` with status 200 after `delay`.
  static Reply slow(std::chrono::milliseconds delay, std::string body);
  static Reply dropped();
  // The proxy-authentication challenge of an HTTP proxy.
  static Reply proxyAuthRequired();
};

using Handler = std::function<Reply(const Request&)>;

class LoopbackServer {
 public:
  // Starts listening on an ephemeral port of 127.0.0.1; returns once connections are accepted.
  // Throws std::runtime_error when no port can be bound.
  explicit LoopbackServer(Handler handler);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const;
  // "http://127.0.0.1:<port>" followed by `path`.
  std::string url(std::string_view path = "/") const;
  // "127.0.0.1:<port>", the form a proxy setting takes.
  std::string hostPort() const;
  // Every request received so far, in order of arrival.
  std::vector<Request> requests() const;
  std::size_t requestCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Basic credentials as a client sends them: "Basic " + base64("user:password").
std::string basicAuthorization(std::string_view userColonPassword);

}  // namespace lexiton::test
