// HttpServer on libmicrohttpd: one or more epoll threads read and write; a complete request is
// handed to the worker pool while its connection is suspended (the loop goes on with the
// others), and the worker resumes the connection once the reply is ready. Without workers the
// event thread answers the request itself, within the same call.
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
#include <pthread.h>
#include <sched.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace lexiton::server {
namespace {

using Clock = std::chrono::steady_clock;

// The refusal beyond the connection limit, over the queue bound and while stopping: the
// protocol's own status line.
const std::string kNotAccepting = protocol::resultMessage(protocol::ResultCode::NotAccepting);

// The same refusal as the accepting thread writes it itself, without libmicrohttpd.
const std::string kRefusalReply =
    "HTTP/1.1 503 Service Unavailable\r\nContent-Type: text/plain\r\n"
    "Retry-After: 1\r\nConnection: close\r\nContent-Length: " +
    std::to_string(kNotAccepting.size()) + "\r\n\r\n" + kNotAccepting;

// libmicrohttpd's memory pool per connection: a request's headers, the reply's headers and the
// read buffer the body passes through. Its default of 32 KB cost a 16 KB memset per request
// (the unused half of the read buffer is zeroed when it shrinks), a tenth of the event loop's
// instructions; 8 KB still holds headers of several kilobytes, far more than the client or a
// load balancer sends.
constexpr std::size_t kConnectionMemory = 8 * 1024;

// Refused connections the accepting thread answers at once may wait this long for the request
// (and then for the client to close), at most this many at a time; beyond that they are closed.
constexpr auto kRefusalLinger = std::chrono::seconds(2);
constexpr std::size_t kMaxRefusing = 1024;
// What a refused client may send before its connection is simply closed: a request of the
// largest size served, and its headers.
constexpr std::size_t kMaxRefusedBytes = 80 * 1024;

// The cores this process may run on: a container's cpuset or taskset may allow fewer than the
// machine has, and workers beyond them only take turns on the same cores (and make the backlog
// estimate, which assumes they run side by side, too short).
unsigned usableCores() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0)
    return static_cast<unsigned>(CPU_COUNT(&allowed));
  return std::max(1u, std::thread::hardware_concurrency());
}

struct ConnectionState {
  unsigned requests = 0;
  bool overLimit = false;
  std::int64_t handedOverNs = 0;  // when the accepting thread handed it to the loop
  bool firstDone = false;         // its first request is answered, or it closed before one
};

struct Exchange {
  HttpServer::Impl* server = nullptr;
  MHD_Connection* connection = nullptr;
  HttpRequest request;
  HttpReply reply;
  bool replied = false;        // written by a worker before it resumes the connection
  bool closeAfter = false;     // the last request this connection may make
  bool dispatched = false;     // counted in Impl::answering
  std::int64_t arrivedNs = 0;  // steady clock: the connection's hand-over, or the request's start
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
  std::unique_ptr<WorkerPool> pool;  // null: the event threads answer themselves
  std::atomic<std::uint64_t> handledOnLoop{0};
  std::atomic<std::int64_t> meanOnLoopNs{0};  // addToMean
  std::atomic<bool> stopping{false};
  std::atomic<unsigned> open{0};
  std::atomic<unsigned> answering{0};  // dispatched and not yet fully answered
  std::mutex drainMutex;
  std::condition_variable drained;
  std::chrono::nanoseconds queueBound{0};
  std::atomic<std::uint64_t> accepted{0}, refusedAtAccept{0}, refusedAtDispatch{0}, overLimit{0},
      closedUnanswered{0};

  // The accepting thread's own epoll set: the listening socket and the refused connections it
  // answers itself. Only that thread touches `refusing`.
  struct Refusal {
    std::uint32_t serial = 0;
    bool answered = false;  // the 503 is out and the writing side shut; waiting for the client to close
    Clock::time_point deadline;
    std::size_t received = 0;
  };
  int acceptEpoll = -1;
  std::uint32_t nextSerial = 1;
  std::unordered_map<int, Refusal> refusing;
  std::atomic<unsigned> refusingCount{0};                  // refusing.size(), for the counters
  std::deque<std::pair<int, std::uint32_t>> refusalOrder;  // by deadline, which grows with time

  // At dispatch. With workers: whether their backlog is over the whole bound. Without: whether
  // this request has already waited longer than the bound (it is answered at once otherwise).
  bool refuseAtDispatch(const Exchange& ex) const {
    if (queueBound.count() == 0) return false;
    if (pool) return pool->backlog() > queueBound;
    return nowNs() - ex.arrivedNs > queueBound.count();
  }
  // The accepting thread admits new connections up to three quarters of the bound only: what it
  // admits reaches the queue a moment later, after the requests admitted just before it, and a
  // request refused there, at dispatch, has already waited for the loop and been read (the
  // slowest refusals, past capacity, were those).
  bool overAdmissionBound() const {
    return queueBound.count() > 0 && (pool ? pool->backlog() : loopBacklog()) > queueBound * 3 / 4;
  }

  // Without workers, what waits for the loop is the connections handed over whose first request
  // it has not finished, and its pace is the time between two answers while it has more to do
  // (on several event threads, the pace of all of them together). A kept-alive connection's
  // later requests are not counted; their time shows in the pace.
  std::atomic<std::uint64_t> firstRequestsDone{0};
  std::atomic<std::int64_t> lastAnswerNs{0};
  std::atomic<std::int64_t> paceNs{0};
  std::atomic<bool> loopHadMore{false};

  std::int64_t waitingForLoop() const {
    return std::max<std::int64_t>(
        0, static_cast<std::int64_t>(handedOver.load() - firstRequestsDone.load(std::memory_order_relaxed)));
  }
  std::chrono::nanoseconds loopBacklog() const {
    return std::chrono::nanoseconds(waitingForLoop() * paceNs.load(std::memory_order_relaxed));
  }
  void noteFirstDone(ConnectionState* s) {
    if (!s || s->firstDone) return;
    s->firstDone = true;
    firstRequestsDone.fetch_add(1, std::memory_order_relaxed);
  }

  // How far behind the event loop is. Connections handed over wait for the loop's next turn to
  // be taken up (libmicrohttpd takes them in order, at the start of a turn), so the wait of the
  // last one taken up, or the time since the loop last took one up while others wait, is the
  // length of a turn: how long every connection's reading and writing is held up. The accepting
  // thread stamps each connection's hand-over (by descriptor, in `handedOverAt`).
  std::chrono::nanoseconds loopBound{0};
  std::unique_ptr<std::atomic<std::int64_t>[]> handedOverAt;
  int handedOverSlots = 0;
  std::atomic<std::uint64_t> handedOver{0}, takenUp{0};
  std::atomic<std::int64_t> loopLagNs{0};       // the wait of the last connection taken up
  std::atomic<std::int64_t> loopProgressNs{0};  // when the loop last took one up

  static std::int64_t nowNs() { return Clock::now().time_since_epoch().count(); }

  bool loopBehind() const {
    if (loopBound.count() == 0 || takenUp.load() == handedOver.load()) return false;
    const std::int64_t stalled = nowNs() - loopProgressNs.load(std::memory_order_relaxed);
    return std::max(loopLagNs.load(std::memory_order_relaxed), stalled) > loopBound.count();
  }

  // Accepting thread: the connection is about to be handed to the loop.
  void noteHandOver(int fd) {
    const std::int64_t now = nowNs();
    if (takenUp.load() == handedOver.load()) {
      // The loop has caught up: its clock starts again from here.
      loopLagNs.store(0, std::memory_order_relaxed);
      loopProgressNs.store(now, std::memory_order_relaxed);
    }
    if (fd < handedOverSlots) handedOverAt[fd].store(now, std::memory_order_relaxed);
    handedOver.fetch_add(1);
  }

  // Event loop: a connection handed over is taken up. Returns when it was handed over (now,
  // when that is not known).
  std::int64_t noteTakenUp(MHD_Connection* c) {
    const std::int64_t now = nowNs();
    std::int64_t handed = now;
    const MHD_ConnectionInfo* info = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CONNECTION_FD);
    const int fd = info ? info->connect_fd : -1;
    if (fd >= 0 && fd < handedOverSlots) {
      handed = handedOverAt[fd].load(std::memory_order_relaxed);
      loopLagNs.store(now - handed, std::memory_order_relaxed);
    }
    loopProgressNs.store(now, std::memory_order_relaxed);
    takenUp.fetch_add(1);
    return handed;
  }

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
  static void onConnection(void* cls, MHD_Connection* c, void** socketContext,
                           MHD_ConnectionNotificationCode code) {
    auto* self = static_cast<Impl*>(cls);
    if (code == MHD_CONNECTION_NOTIFY_STARTED) {
      auto* s = new ConnectionState;
      s->handedOverNs = self->noteTakenUp(c);
      s->overLimit = self->open.load() > self->options.maxConnections;
      *socketContext = s;
    } else {
      self->noteFirstDone(static_cast<ConnectionState*>(*socketContext));
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
    // The whole request is in. While the workers are further behind than the queue bound it
    // is refused now, not queued: a request that came on a kept-alive connection, or one
    // admitted a moment before the queue filled.
    if (!self->stopping.load() && self->refuseAtDispatch(*ex)) {
      self->refusedAtDispatch.fetch_add(1, std::memory_order_relaxed);
      return self->queue(c, MHD_HTTP_SERVICE_UNAVAILABLE, kNotAccepting, true);
    }
    ex->dispatched = true;
    self->answering.fetch_add(1);
    if (!self->pool) {
      self->answerHere(*ex);
      return self->queue(c, ex->reply.status, ex->reply.body, ex->closeAfter || self->stopping);
    }
    // The connection waits, suspended, while a worker answers.
    MHD_suspend_connection(c);
    if (!self->pool->submit([ex] { answer(ex); })) answer(ex);  // stopping: the pool has closed
    return MHD_YES;
  }

  HttpReply handle(const HttpRequest& request) const {
    try {
      return handler(request);
    } catch (...) {
      return {MHD_HTTP_INTERNAL_SERVER_ERROR, {}};
    }
  }

  // On a worker (or on the event thread while stopping).
  static void answer(Exchange* ex) {
    ex->reply = ex->server->handle(ex->request);
    ex->replied = true;
    MHD_resume_connection(ex->connection);  // ex belongs to the event thread again
  }

  // A moving mean over the last few samples, quick to follow a change of load; a lost update
  // (several event threads) loses one sample.
  static void addToMean(std::atomic<std::int64_t>& mean, std::int64_t sample) {
    const std::int64_t m = mean.load(std::memory_order_relaxed);
    mean.store(m == 0 ? sample : m + (sample - m) / 8, std::memory_order_relaxed);
  }

  // On the event thread, without workers.
  void answerHere(Exchange& ex) {
    const auto start = Clock::now();
    ex.reply = handle(ex.request);
    const std::int64_t took = (Clock::now() - start).count();
    addToMean(meanOnLoopNs, took);
    handledOnLoop.fetch_add(1, std::memory_order_relaxed);
    const std::int64_t now = nowNs();
    const std::int64_t gap = now - lastAnswerNs.exchange(now, std::memory_order_relaxed);
    if (loopHadMore.load(std::memory_order_relaxed))
      addToMean(paceNs, gap);
    else if (paceNs.load(std::memory_order_relaxed) == 0)
      paceNs.store(took, std::memory_order_relaxed);  // a first guess: the answer alone
    loopHadMore.store(waitingForLoop() > 1, std::memory_order_relaxed);
  }

  MHD_Result begin(MHD_Connection* c, const char* url, const char* method, void** context) {
    auto* ex = new Exchange;
    ex->server = this;
    ex->connection = c;
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
    // A connection's first request has waited since its hand-over; a later one, from here.
    ex->arrivedNs = s && n == 1 ? s->handedOverNs : nowNs();
    if (s && s->overLimit) {
      overLimit.fetch_add(1, std::memory_order_relaxed);
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
  // retransmissions (seconds). Here every connection waiting in the kernel's queue is taken at
  // once, and while the workers are over the queue bound the thread answers the 503 itself
  // (refuse()), so a refusal costs neither the event loop nor a worker anything. The thread
  // ends when shutdown() shuts the listening socket down.
  void acceptLoop() {
    pthread_setname_np(pthread_self(), "lexiton-accept");
    epoll_event events[64];
    for (;;) {
      int wait = 250;  // stopping is noticed within this even without a wake-up
      if (!refusalOrder.empty()) {
        const auto next = refusing.find(refusalOrder.front().first);
        if (next != refusing.end()) {
          const auto left =
              std::chrono::ceil<std::chrono::milliseconds>(next->second.deadline - Clock::now());
          wait = static_cast<int>(std::clamp<long long>(left.count(), 0, wait));
        }
      }
      const int n = epoll_wait(acceptEpoll, events, 64, wait);
      if (stopping.load()) break;
      for (int i = 0; i < n; ++i) {
        const int fd = static_cast<int>(events[i].data.u64 & 0xFFFFFFFFu);
        const auto serial = static_cast<std::uint32_t>(events[i].data.u64 >> 32);
        if (fd == listenFd && serial == 0) {
          if (!acceptWaiting()) break;
          continue;
        }
        const auto it = refusing.find(fd);
        if (it != refusing.end() && it->second.serial == serial) refusalReadable(it);
      }
      expireRefusals();
    }
    for (auto& [fd, r] : refusing) ::close(fd);
    refusing.clear();
    refusingCount.store(0, std::memory_order_relaxed);
    refusalOrder.clear();
  }

  // Takes every connection the kernel holds; false when the thread is to end.
  bool acceptWaiting() {
    for (int taken = 0; taken < 1024; ++taken) {
      sockaddr_storage peer{};
      socklen_t len = sizeof peer;
      const int fd =
          ::accept4(listenFd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
      if (fd < 0) {
        if (stopping.load()) return false;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
          std::this_thread::sleep_for(std::chrono::milliseconds(10));  // out of descriptors for now
          return true;
        }
        if (errno == EINTR || errno == ECONNABORTED || errno == EPROTO) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
          std::this_thread::sleep_for(std::chrono::milliseconds(1));  // never spin on an odd error
        return true;
      }
      accepted.fetch_add(1, std::memory_order_relaxed);
      if (stopping.load()) {
        ::close(fd);
        return false;
      }
      // Beyond the hard limit a connection is closed at once. libmicrohttpd's own limit
      // is set well above it and must never be reached through MHD_add_connection: in
      // 0.9.75 that path returns without releasing a mutex, and the server deadlocks.
      if (open.load() >= hardLimit) {
        ::close(fd);
        closedUnanswered.fetch_add(1, std::memory_order_relaxed);
        continue;
      }
      if (overAdmissionBound() || loopBehind()) {
        refuse(fd);
        continue;
      }
      open.fetch_add(1);
      noteHandOver(fd);
      if (MHD_add_connection(daemon, fd, reinterpret_cast<sockaddr*>(&peer), len) != MHD_YES) {
        open.fetch_sub(1);  // closed by libmicrohttpd, never to be taken up
        takenUp.fetch_add(1);
        firstRequestsDone.fetch_add(1, std::memory_order_relaxed);
      }
    }
    return true;
  }

  // A refused connection is answered as soon as its request has arrived (usually it already
  // has), then the writing side is shut and whatever else the client sends is read and thrown
  // away until it closes: closing with unread data would reset the connection, and a client
  // may then lose the answer.
  void refuse(int fd) {
    if (refusing.size() >= kMaxRefusing) {
      ::close(fd);
      closedUnanswered.fetch_add(1, std::memory_order_relaxed);
      return;
    }
    const std::uint32_t serial = nextSerial++ | 1u;  // never 0, which marks the listening socket
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLRDHUP;
    ev.data.u64 = std::uint64_t(serial) << 32 | static_cast<std::uint32_t>(fd);
    if (epoll_ctl(acceptEpoll, EPOLL_CTL_ADD, fd, &ev) != 0) {
      ::close(fd);
      closedUnanswered.fetch_add(1, std::memory_order_relaxed);
      return;
    }
    const auto it =
        refusing.insert_or_assign(fd, Refusal{serial, false, Clock::now() + kRefusalLinger, 0}).first;
    refusalOrder.emplace_back(fd, serial);
    refusingCount.store(static_cast<unsigned>(refusing.size()), std::memory_order_relaxed);
    refusalReadable(it);
  }

  void refusalReadable(std::unordered_map<int, Refusal>::iterator it) {
    const int fd = it->first;
    char buf[4096];
    bool got = false;
    for (;;) {
      const ssize_t r = ::recv(fd, buf, sizeof buf, 0);
      if (r > 0) {
        got = true;
        it->second.received += static_cast<std::size_t>(r);
        if (it->second.received > kMaxRefusedBytes) break;
        continue;
      }
      if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
      // The client closed (or reset): an answered refusal is done; an unanswered one had no
      // request to answer.
      endRefusal(it);
      return;
    }
    if (got && !it->second.answered) {
      it->second.answered = true;
      refusedAtAccept.fetch_add(1, std::memory_order_relaxed);
      ::send(fd, kRefusalReply.data(), kRefusalReply.size(), MSG_NOSIGNAL);
      ::shutdown(fd, SHUT_WR);
    }
    if (it->second.received > kMaxRefusedBytes) endRefusal(it);  // more than any request: not one
  }

  void endRefusal(std::unordered_map<int, Refusal>::iterator it) {
    ::close(it->first);  // leaves the epoll set with it
    refusing.erase(it);
    refusingCount.store(static_cast<unsigned>(refusing.size()), std::memory_order_relaxed);
  }

  void expireRefusals() {
    const auto now = Clock::now();
    while (!refusalOrder.empty()) {
      const auto [fd, serial] = refusalOrder.front();
      const auto it = refusing.find(fd);
      if (it != refusing.end() && it->second.serial == serial) {
        if (it->second.deadline > now) return;
        if (!it->second.answered) closedUnanswered.fetch_add(1, std::memory_order_relaxed);
        endRefusal(it);
      }
      refusalOrder.pop_front();
    }
  }

  static void onCompleted(void* cls, MHD_Connection* c, void** context, MHD_RequestTerminationCode) {
    auto* self = static_cast<Impl*>(cls);
    auto* ex = static_cast<Exchange*>(*context);
    if (!ex) return;
    *context = nullptr;
    const bool dispatched = ex->dispatched;
    delete ex;
    self->noteFirstDone(self->state(c));
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
  const unsigned cores = usableCores();
  const unsigned workers = o.workers ? *o.workers : cores > 1 ? cores : 0;
  if (workers > 0) s.pool = std::make_unique<WorkerPool>(workers);
  s.queueBound = o.queueBound;
  // With workers, a healthy loop takes new connections up within a millisecond or two; half the
  // queue bound (at least 5 ms) leaves it room for a busy turn or a moment without a core.
  // Without, a turn of the loop includes the answers, and its lag is the wait of a new request:
  // it is held to three quarters of the bound, as the workers' backlog is.
  if (o.queueBound.count() == 0)
    s.loopBound = std::chrono::nanoseconds(0);
  else if (s.pool)
    s.loopBound = std::max<std::chrono::nanoseconds>(o.queueBound / 2, std::chrono::milliseconds(5));
  else
    s.loopBound = o.queueBound * 3 / 4;
  rlimit files{};
  s.handedOverSlots = getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY
                          ? static_cast<int>(std::min<rlim_t>(files.rlim_cur, 1 << 20))
                          : 1 << 16;
  s.handedOverAt = std::make_unique<std::atomic<std::int64_t>[]>(static_cast<std::size_t>(s.handedOverSlots));
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
      {MHD_OPTION_CONNECTION_MEMORY_LIMIT, static_cast<intptr_t>(kConnectionMemory), nullptr},
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
  s.acceptEpoll = epoll_create1(EPOLL_CLOEXEC);
  epoll_event ev{};
  ev.events = EPOLLIN;
  ev.data.u64 = static_cast<std::uint32_t>(s.listenFd);  // serial 0: the listening socket
  if (s.acceptEpoll < 0 || epoll_ctl(s.acceptEpoll, EPOLL_CTL_ADD, s.listenFd, &ev) != 0 ||
      fcntl(s.listenFd, F_SETFL, fcntl(s.listenFd, F_GETFL) | O_NONBLOCK) != 0) {
    MHD_stop_daemon(s.daemon);
    s.daemon = nullptr;
    s.pool.reset();
    if (s.acceptEpoll >= 0) ::close(s.acceptEpoll);
    s.acceptEpoll = -1;
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
  if (s.pool) s.pool->close();
  const auto drainEnd = Clock::now() + s.options.drainTimeout;
  // Connections handed over are taken up by the loop first, so a request already sent on one is
  // answered too; libmicrohttpd would close them unread. (A loop busy answering, without
  // workers, may not have taken up the last ones yet.)
  while (s.takenUp.load() != s.handedOver.load() && Clock::now() < drainEnd)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  {
    std::unique_lock lock(s.drainMutex);
    s.drained.wait_until(lock, drainEnd, [&] { return s.answering.load() == 0; });
  }
  // The rest (idle, or still sending a request) is closed; the event threads are joined.
  MHD_stop_daemon(s.daemon);
  s.daemon = nullptr;
  ::close(s.acceptEpoll);
  s.acceptEpoll = -1;
  ::close(s.listenFd);
  s.listenFd = -1;
}

unsigned HttpServer::connections() const { return impl_->open.load(); }
unsigned HttpServer::requestsInFlight() const { return impl_->answering.load(); }

HttpCounters HttpServer::counters() const {
  const Impl& s = *impl_;
  HttpCounters c;
  c.accepted = s.accepted.load(std::memory_order_relaxed);
  c.refusedAtAccept = s.refusedAtAccept.load(std::memory_order_relaxed);
  c.refusedAtDispatch = s.refusedAtDispatch.load(std::memory_order_relaxed);
  c.overLimit = s.overLimit.load(std::memory_order_relaxed);
  c.closedUnanswered = s.closedUnanswered.load(std::memory_order_relaxed);
  c.open = s.open.load();
  c.refusing = s.refusingCount.load(std::memory_order_relaxed);
  c.handled = s.handledOnLoop.load(std::memory_order_relaxed);
  c.meanHandlerTime = std::chrono::microseconds(s.meanOnLoopNs.load(std::memory_order_relaxed) / 1000);
  c.backlog = std::chrono::duration_cast<std::chrono::microseconds>(s.loopBacklog());
  if (s.pool) {
    c.handled += s.pool->completed();
    c.queued = s.pool->queued();
    c.maxQueued = s.pool->maxQueued();
    c.backlog = std::chrono::duration_cast<std::chrono::microseconds>(s.pool->backlog());
    c.meanHandlerTime = std::chrono::duration_cast<std::chrono::microseconds>(s.pool->meanTaskTime());
  }
  c.loopLag = std::chrono::microseconds(s.loopLagNs.load(std::memory_order_relaxed) / 1000);
  return c;
}

}  // namespace lexiton::server
