// HttpServer on libmicrohttpd: one or more epoll threads read and write; a complete request is
// handed to the worker pool while its connection is suspended (the loop goes on with the
// others), and the worker resumes the connection once the reply is ready.
//
// Ownership across threads: an Exchange (one request) belongs to the event thread of its
// connection, except between MHD_suspend_connection and MHD_resume_connection, when exactly one
// worker owns it. libmicrohttpd takes its cleanup mutex in both calls, which orders the worker's
// writes before the event thread's next read.
#include "lexiton/server/http_server.h"

#include "lexiton/server/worker_pool.h"

#include "lexiton/protocol/result_codes.h"

#include <microhttpd.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace lexiton::server {
namespace {

// The refusal beyond the connection limit and while stopping: the protocol's own status line.
const std::string kNotAccepting = protocol::resultMessage(protocol::ResultCode::NotAccepting);

struct ConnectionState {
  unsigned requests = 0;
  bool overLimit = false;
};

struct Exchange {
  HttpRequest request;
  HttpReply reply;
  bool replied = false;     // written by a worker before it resumes the connection
  bool closeAfter = false;  // the last request this connection may make
  bool dispatched = false;  // counted in Impl::answering
};

std::string addressText(const sockaddr* a) {
  char text[INET6_ADDRSTRLEN] = {};
  if (!a) return {};
  if (a->sa_family == AF_INET)
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
  else if (a->sa_family == AF_INET6)
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr, text, sizeof text);
  return text;
}

// A listening socket of our own: its backlog and address are ours to choose, it is accepted on
// by a thread of ours, and its descriptor is closed only after every thread has been joined.
int listenOn(const std::string& host, int port, int backlog) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &found) != 0 || !found)
    throw std::runtime_error("cannot resolve " + host);
  int fd = -1;
  for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
    fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) != 0 || ::listen(fd, backlog) != 0) {
      ::close(fd);
      fd = -1;
    }
  }
  freeaddrinfo(found);
  if (fd < 0) throw std::runtime_error("cannot listen on " + host + ":" + service);
  return fd;
}

}  // namespace

struct HttpServer::Impl {
  HttpOptions options;
  HttpHandler handler;
  HttpRefusalLog refusals;
  MHD_Daemon* daemon = nullptr;
  int listenFd = -1;
  unsigned hardLimit = 0;
  std::thread acceptor;
  int boundPort = 0;
  std::unique_ptr<WorkerPool> pool;
  std::atomic<bool> stopping{false};
  std::atomic<unsigned> open{0};
  std::atomic<unsigned> answering{0};  // dispatched to a worker and not yet fully answered
  std::mutex drainMutex;
  std::condition_variable drained;

  ConnectionState* state(MHD_Connection* c) {
    const MHD_ConnectionInfo* info = MHD_get_connection_info(c, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    return info ? static_cast<ConnectionState*>(info->socket_context) : nullptr;
  }

  MHD_Result queue(MHD_Connection* c, unsigned status, const std::string& body, bool close) {
    MHD_Response* r =
        MHD_create_response_from_buffer(body.size(), const_cast<char*>(body.data()), MHD_RESPMEM_MUST_COPY);
    if (!r) return MHD_NO;
    MHD_add_response_header(r, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
    if (close) MHD_add_response_header(r, MHD_HTTP_HEADER_CONNECTION, "close");
    if (status == MHD_HTTP_SERVICE_UNAVAILABLE) MHD_add_response_header(r, MHD_HTTP_HEADER_RETRY_AFTER, "1");
    const MHD_Result ok = MHD_queue_response(c, status, r);
    MHD_destroy_response(r);
    return ok;
  }

  void finishAnswering() {
    if (answering.fetch_sub(1) == 1 && stopping.load()) {
      std::lock_guard lock(drainMutex);
      drained.notify_all();
    }
  }

  // `open` counts connections from hand-over (acceptLoop) to close, so it includes those
  // libmicrohttpd has not taken up yet.
  static void onConnection(void* cls, MHD_Connection*, void** socketContext,
                           MHD_ConnectionNotificationCode code) {
    auto* self = static_cast<Impl*>(cls);
    if (code == MHD_CONNECTION_NOTIFY_STARTED) {
      auto* s = new ConnectionState;
      s->overLimit = self->open.load() > self->options.maxConnections;
      *socketContext = s;
    } else {
      delete static_cast<ConnectionState*>(*socketContext);
      *socketContext = nullptr;
      self->open.fetch_sub(1);
    }
  }

  static MHD_Result onRequest(void* cls, MHD_Connection* c, const char* url, const char* method, const char*,
                              const char* data, size_t* size, void** context) {
    auto* self = static_cast<Impl*>(cls);
    auto* ex = static_cast<Exchange*>(*context);
    if (!ex) return self->begin(c, url, method, context);
    if (ex->replied)
      return self->queue(c, ex->reply.status, ex->reply.body, ex->closeAfter || self->stopping);
    if (*size != 0) {
      // Only a body without Content-Length (chunked) can get here past the limit: there
      // is no way to answer in the middle of a body, so the connection is dropped.
      if (ex->request.body.size() + *size > self->options.maxBodyBytes) return MHD_NO;
      ex->request.body.append(data, *size);
      *size = 0;
      return MHD_YES;
    }
    // The whole request is in: the connection waits, suspended, while a worker answers.
    ex->dispatched = true;
    self->answering.fetch_add(1);
    MHD_suspend_connection(c);
    auto task = [self, ex, c] {
      try {
        ex->reply = self->handler(ex->request);
      } catch (...) {
        ex->reply = {MHD_HTTP_INTERNAL_SERVER_ERROR, {}};
      }
      ex->replied = true;
      MHD_resume_connection(c);  // ex belongs to the event thread again
    };
    if (!self->pool->submit(task)) task();  // stopping: the pool has closed
    return MHD_YES;
  }

  MHD_Result begin(MHD_Connection* c, const char* url, const char* method, void** context) {
    auto* ex = new Exchange;
    *context = ex;
    ex->request.method = method;
    ex->request.path = url;
    const MHD_ConnectionInfo* peer = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    ex->request.remoteAddress = addressText(peer ? peer->client_addr : nullptr);
    // Reading the rest of the request and writing its answer: the request time-out.
    MHD_set_connection_option(c, MHD_CONNECTION_OPTION_TIMEOUT, options.requestSeconds);
    ConnectionState* s = state(c);
    const unsigned n = s ? ++s->requests : 1;
    ex->closeAfter = n >= options.keepAliveRequests;
    if (s && s->overLimit) {
      if (refusals) refusals(ex->request, "over-limit");
      return queue(c, MHD_HTTP_SERVICE_UNAVAILABLE, kNotAccepting, true);
    }
    const std::string_view m = method;
    if (m != MHD_HTTP_METHOD_POST && m != MHD_HTTP_METHOD_GET && m != MHD_HTTP_METHOD_HEAD)
      return queue(c, MHD_HTTP_NOT_FOUND, "", ex->closeAfter);
    const char* length = MHD_lookup_connection_value(c, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    if (length) {
      char* end = nullptr;
      const unsigned long long n = std::strtoull(length, &end, 10);
      // Refused before a byte of the body is read; the connection closes after the answer.
      if (end == length || n > options.maxBodyBytes) {
        if (refusals) refusals(ex->request, "too-large");
        return queue(c, MHD_HTTP_CONTENT_TOO_LARGE, "", true);
      }
    }
    return MHD_YES;
  }

  // Accepting on a thread of its own: libmicrohttpd's loop accepts at most ten connections per
  // turn, so when the loop is busy the kernel's queue overflows and clients wait for SYN
  // retransmissions (seconds). Handed over with MHD_add_connection, new connections are all
  // taken on the loop's next turn. The thread ends when shutdown() shuts the socket down.
  void acceptLoop() {
    for (;;) {
      sockaddr_storage peer{};
      socklen_t len = sizeof peer;
      const int fd =
          ::accept4(listenFd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) {
        if (stopping.load()) return;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
          std::this_thread::sleep_for(std::chrono::milliseconds(10));  // out of descriptors for now
        else if (errno != EINTR && errno != ECONNABORTED && errno != EAGAIN && errno != EPROTO)
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        continue;
      }
      if (stopping.load()) {
        ::close(fd);
        return;
      }
      // Beyond the hard limit a connection is closed at once. libmicrohttpd's own limit
      // is set well above it and must never be reached through MHD_add_connection: in
      // 0.9.75 that path returns without releasing a mutex, and the server deadlocks.
      if (open.load() >= hardLimit) {
        ::close(fd);
        continue;
      }
      open.fetch_add(1);
      if (MHD_add_connection(daemon, fd, reinterpret_cast<sockaddr*>(&peer), len) != MHD_YES)
        open.fetch_sub(1);  // closed by libmicrohttpd
    }
  }

  static void onCompleted(void* cls, MHD_Connection* c, void** context, MHD_RequestTerminationCode) {
    auto* self = static_cast<Impl*>(cls);
    auto* ex = static_cast<Exchange*>(*context);
    if (!ex) return;
    *context = nullptr;
    const bool dispatched = ex->dispatched;
    delete ex;
    // Waiting for the next request on a kept-alive connection: the idle time-out.
    MHD_set_connection_option(c, MHD_CONNECTION_OPTION_TIMEOUT, self->options.idleSeconds);
    if (dispatched) self->finishAnswering();
  }
};

HttpServer::HttpServer(HttpOptions options, HttpHandler handler, HttpRefusalLog refusals)
    : impl_(std::make_unique<Impl>()) {
  impl_->options = std::move(options);
  impl_->handler = std::move(handler);
  impl_->refusals = std::move(refusals);
}

HttpServer::~HttpServer() { shutdown(); }

void HttpServer::start() {
  Impl& s = *impl_;
  if (s.daemon) return;
  HttpOptions& o = s.options;
  s.listenFd = listenOn(o.host, o.port, o.listenBacklog);
  sockaddr_storage bound{};
  socklen_t len = sizeof bound;
  if (getsockname(s.listenFd, reinterpret_cast<sockaddr*>(&bound), &len) == 0)
    s.boundPort = ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                                    : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
  const unsigned workers = o.workers ? o.workers : std::max(1u, std::thread::hardware_concurrency());
  s.pool = std::make_unique<WorkerPool>(workers);
  // Up to the hard limit, requests beyond ours can still be told 503; libmicrohttpd's own
  // limit lies far above both (see acceptLoop).
  s.hardLimit = o.maxConnections + std::max(16u, o.maxConnections / 4);
  const unsigned mhdLimit = s.hardLimit * 2 + 64;
  const unsigned eventThreads = std::max(1u, o.eventThreads);
  unsigned flags =
      MHD_USE_EPOLL_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ITC | MHD_USE_NO_LISTEN_SOCKET;
  // Turbo: read, write and accept first and ask epoll only when that would block.
  if (o.turbo) flags |= MHD_USE_TURBO;
  MHD_OptionItem items[] = {
      {MHD_OPTION_CONNECTION_LIMIT, static_cast<intptr_t>(mhdLimit), nullptr},
      {MHD_OPTION_CONNECTION_TIMEOUT, static_cast<intptr_t>(o.idleSeconds), nullptr},
      {MHD_OPTION_NOTIFY_CONNECTION, reinterpret_cast<intptr_t>(&Impl::onConnection), &s},
      {MHD_OPTION_NOTIFY_COMPLETED, reinterpret_cast<intptr_t>(&Impl::onCompleted), &s},
      {eventThreads > 1 ? MHD_OPTION_THREAD_POOL_SIZE : MHD_OPTION_END, static_cast<intptr_t>(eventThreads),
       nullptr},
      {MHD_OPTION_END, 0, nullptr},
  };
  s.daemon = MHD_start_daemon(flags, 0, nullptr, nullptr, &Impl::onRequest, &s, MHD_OPTION_ARRAY, items,
                              MHD_OPTION_END);
  if (!s.daemon) {
    s.pool.reset();
    ::close(s.listenFd);
    s.listenFd = -1;
    throw std::runtime_error("cannot start the HTTP server on " + o.host + ":" + std::to_string(o.port));
  }
  s.acceptor = std::thread([&s] { s.acceptLoop(); });
}

int HttpServer::port() const { return impl_->boundPort; }

void HttpServer::shutdown() {
  Impl& s = *impl_;
  if (!s.daemon) return;
  s.stopping = true;
  // No more connections: the socket is shut down, which ends the accepting thread's accept()
  // and resets the connections still waiting in the kernel's queue (a load balancer tries the
  // next server at once).
  ::shutdown(s.listenFd, SHUT_RDWR);
  if (s.acceptor.joinable()) s.acceptor.join();
  // Every request a worker holds is answered and its connection resumed; requests read from
  // now on are answered on the event thread (the pool refuses them). Answers go out with
  // "Connection: close".
  s.pool->close();
  {
    std::unique_lock lock(s.drainMutex);
    s.drained.wait_for(lock, s.options.drainTimeout, [&] { return s.answering.load() == 0; });
  }
  // The rest (idle, or still sending a request) is closed; the event threads are joined.
  MHD_stop_daemon(s.daemon);
  s.daemon = nullptr;
  s.pool.reset();
  ::close(s.listenFd);
  s.listenFd = -1;
}

unsigned HttpServer::connections() const { return impl_->open.load(); }
unsigned HttpServer::requestsInFlight() const { return impl_->answering.load(); }

}  // namespace lexiton::server
