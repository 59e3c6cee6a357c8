// The server's HTTP layer: a thread of its own accepts, libmicrohttpd's epoll event loop reads
// requests and writes replies, and the handler runs on a pool of worker threads sized to the
// cores, so a translation never holds up the loop (on a single core the loop answers itself).
// Work is bounded: while the requests waiting would take longer than the queue bound, new
// requests get an immediate 503 instead of a place in the queue. Connections are bounded too
// (beyond the limit a request gets a clear 503), kept alive for a bounded number of requests,
// and closed after an idle pause. docs/server.md describes the whole layer.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lexiton::server {

struct HttpOptions {
  std::string host = "127.0.0.1";
  int port = 0;                      // 0: any free port (see HttpServer::port)
  int listenBacklog = 4096;          // the kernel caps it at net.core.somaxconn
  unsigned maxConnections = 4096;    // open connections served; more get 503 and are closed
  unsigned idleSeconds = 2;          // a connection waiting for its (next) request
  unsigned requestSeconds = 10;      // silence while a request is read or its reply written
  unsigned keepAliveRequests = 100;  // requests on one connection; the last one closes it
  // Handler threads. Unset: one per core the server may run on, and none when that is a single
  // core, where a worker only takes turns with the event loop and each hand-over costs two
  // thread switches and a wake-up. 0: the event threads answer every request themselves, so a
  // slow handler holds up the other connections of its thread.
  std::optional<unsigned> workers;
  unsigned eventThreads = 1;                      // libmicrohttpd's epoll threads
  std::size_t maxBodyBytes = 64 * 1024;           // larger bodies are refused with 413
  std::chrono::milliseconds drainTimeout{10000};  // shutdown: time for requests in flight
  // Requests are refused (503) while the work queued ahead of them would take the workers
  // longer than this; zero queues without limit.
  std::chrono::milliseconds queueBound{40};
  bool turbo = true;  // libmicrohttpd's MHD_USE_TURBO
};

struct HttpRequest {
  std::string method;
  std::string path;
  std::string remoteAddress;
  std::string body;
};

struct HttpReply {
  unsigned status = 200;
  std::string body;
};

// Runs on a worker thread, several at once; must not throw.
using HttpHandler = std::function<HttpReply(const HttpRequest&)>;

// What the layer answers by itself (over the connection limit, while stopping); for the log.
using HttpRefusalLog = std::function<void(const HttpRequest&, const char* note)>;

// What the layer has done since start(), and where it stands now.
struct HttpCounters {
  std::uint64_t accepted = 0;            // connections taken from the listening socket
  std::uint64_t handled = 0;             // requests answered by the handler
  std::uint64_t refusedAtAccept = 0;     // 503 from the accepting thread: the queue was over its bound
  std::uint64_t refusedAtDispatch = 0;   // 503 from the event loop: over the bound when the request was in
  std::uint64_t overLimit = 0;           // 503 beyond the connection limit
  std::uint64_t closedUnanswered = 0;    // closed at once: beyond the hard limit, or refusals piling up
  unsigned open = 0;                     // connections handed to the event loop and not yet closed
  unsigned refusing = 0;                 // refused connections the accepting thread still holds
  std::size_t queued = 0;                // requests waiting for a worker now
  std::size_t maxQueued = 0;             // the most that ever waited at once
  std::chrono::microseconds backlog{0};  // the time needed for what waits now (workers', or the loop's)
  std::chrono::microseconds meanHandlerTime{0};  // recent mean time of one request's handler
  std::chrono::microseconds loopLag{0};          // how long the event loop last took to take up a connection
};

class HttpServer {
 public:
  HttpServer(HttpOptions options, HttpHandler handler, HttpRefusalLog refusals = {});
  ~HttpServer();  // shuts down when still running
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Binds, listens and starts the event loop and the workers; throws std::runtime_error when
  // the address cannot be had.
  void start();
  int port() const;

  // Stops taking connections (pending ones are reset), lets every request already read get
  // its answer (each then closes its connection), waits for those answers up to the drain
  // time-out, then closes the remaining connections and joins every thread. Idempotent;
  // call it from the thread that called start(), never from a signal handler.
  void shutdown();

  // Open connections and requests being read, handled or answered right now.
  unsigned connections() const;
  unsigned requestsInFlight() const;
  HttpCounters counters() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace lexiton::server
