// lexiton-loadgen: an open-loop load generator for lexiton-server (or, with --peer, for any
// HTTP server, to measure the same request pattern against it).
//
// Requests are real client queries (the client's query record, packed with the session key
// from the settings file the server's session command wrote). Against lexiton-server every
// reply is unpacked and must be a translation; against a peer it must be a complete 200.
//
// Open loop: request i is due at start + i/rate and is sent then, whatever happened to the
// requests before it (one epoll thread, non-blocking sockets, as many requests in flight as
// the server leaves unanswered). Latency runs from the due time, so a server that falls
// behind shows it in the percentiles instead of slowing the generator down (no coordinated
// omission); the lag between due and actual send time is reported too, and so is the
// generator's own CPU time. Served and refused requests are also timed from their start (the
// connect, or the request on a kept-alive connection): the server's share alone, which a
// generator late by its own scheduling (a busy machine) would otherwise hide.
//
// Like the client, which makes a new transfer per look-up, every request opens its own
// connection unless --keep-alive 1 is given. Background connections can be held open while
// the load runs: --idle N keep-alive connections that made one request and then say nothing
// (reopened when the server closes them), and --slow N clients that send a request one byte
// a second. Once a second a new client (a fresh connection) is timed apart from the load.
//
// Overload: a 503 whose body is the protocol's 1710 line counts as refused, apart from errors,
// and the report gives the served (goodput) and the refused requests their own percentiles.
// --after-rate R --after-seconds N goes on at another rate once the main run's requests are
// all due, and reports those N seconds apart: how the server serves right after a burst.
//
// usage: lexiton-loadgen (--ini FILE | --peer URL [--ini FILE]) --rate PER_SECOND --seconds N
//          [--keep-alive 0|1] [--idle N] [--slow N] [--max-in-flight N]
//          [--after-rate PER_SECOND --after-seconds N]
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "lexiton/profile.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/pipe_format.h"
#include "lexiton/protocol/request_fields.h"
#include "lexiton/protocol/query_text.h"
#include "lexiton/protocol/server_connection.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fields = lexiton::protocol::fields;

constexpr int kMaxRate = 200000;
constexpr int kMaxSeconds = 3600;
constexpr int kMaxBackground = 20000;
constexpr double kTimeoutSeconds = 10;
constexpr int kSendBatch = 32;

// Sentences with the pointer on one word each, as the pipeline marks them.
const std::u16string kTexts[] = {
    u"The houses are big.",
    u"He gave up smoking last year.",
    u"I don't know what you mean, John.",
    u"The children went home after school.",
    u"She looked up to her teacher.",
    u"A small dog was sleeping under the old table.",
};

struct Options {
  std::string ini;
  std::string peer;
  int rate = 200;
  int seconds = 60;
  bool keepAlive = false;
  int idle = 0;
  int slow = 0;
  int maxInFlight = 20000;
  int afterRate = 0;
  int afterSeconds = 0;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k == "--ini")
      o.ini = v;
    else if (k == "--peer")
      o.peer = v;
    else if (k == "--rate")
      o.rate = std::stoi(v);
    else if (k == "--seconds")
      o.seconds = std::stoi(v);
    else if (k == "--keep-alive")
      o.keepAlive = v == "1";
    else if (k == "--idle")
      o.idle = std::stoi(v);
    else if (k == "--slow")
      o.slow = std::stoi(v);
    else if (k == "--max-in-flight")
      o.maxInFlight = std::stoi(v);
    else if (k == "--after-rate")
      o.afterRate = std::stoi(v);
    else if (k == "--after-seconds")
      o.afterSeconds = std::stoi(v);
    else if (k == "--connections") {
    }  // the closed-loop generator's option: nothing to set now
    else
      throw std::runtime_error("unknown option " + k);
  }
  if ((argc - 1) % 2) throw std::runtime_error("option without value");
  if ((o.ini.empty() && o.peer.empty()) || o.rate < 1 || o.rate > kMaxRate || o.seconds < 1 ||
      o.seconds > kMaxSeconds || o.idle < 0 || o.slow < 0 || o.idle + o.slow > kMaxBackground ||
      o.maxInFlight < 1 || o.afterRate < 0 || o.afterRate > kMaxRate || o.afterSeconds < 0 ||
      o.afterSeconds > kMaxSeconds || (o.afterSeconds > 0) != (o.afterRate > 0))
    throw std::runtime_error(
        "usage: lexiton-loadgen (--ini FILE | --peer URL [--ini FILE]) --rate N --seconds N "
        "[--keep-alive 0|1] [--idle N] [--slow N] [--max-in-flight N] "
        "[--after-rate N --after-seconds N]");
  return o;
}

std::string queryBody(const std::string& sessionId, std::u16string_view text, std::size_t pointer) {
  const std::string marked = lexiton::protocol::markedQueryText(text, pointer);
  lexiton::protocol::PipeWriter w;
  w.writeKeyElement(fields::kLanguage, fields::kLanguagePair);
  w.writeKeyValue(fields::kAct, fields::kApplication);
  w.writeKeyElement(fields::kEnc, fields::kEncoding);
  w.writeKeyElement(fields::kForm, "1");
  w.writeKeyElement(fields::kUrl, "");
  w.writeKeyValue(fields::kData, marked);
  std::string packed;
  if (!lexiton::protocol::ClientPacker().pack(sessionId.substr(fields::kSessionNameLength), w.buffer(),
                                              packed))
    throw std::runtime_error("the session key in the settings file is not usable");
  return std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag + fields::kWhere +
         fields::kProduct + fields::kWhat + sessionId.substr(0, fields::kSessionNameLength) + packed;
}

struct Target {
  std::string host;
  int port = 0;
  std::string path;
  sockaddr_storage address{};
  socklen_t addressLength = 0;
};

Target parseAddress(const std::string& url) {
  const std::string scheme = "http://";
  if (url.rfind(scheme, 0) != 0) throw std::runtime_error("the address must be http://HOST:PORT/...: " + url);
  const std::string rest = url.substr(scheme.size());
  const auto slash = rest.find('/');
  const std::string hostPort = rest.substr(0, slash);
  const auto colon = hostPort.rfind(':');
  Target t;
  t.host = hostPort.substr(0, colon);
  t.port = colon == std::string::npos ? 80 : std::stoi(hostPort.substr(colon + 1));
  t.path = slash == std::string::npos ? "/" : rest.substr(slash);
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string host =
      t.host.size() > 2 && t.host.front() == '[' ? t.host.substr(1, t.host.size() - 2) : t.host;
  if (getaddrinfo(host.c_str(), std::to_string(t.port).c_str(), &hints, &found) != 0 || !found)
    throw std::runtime_error("cannot resolve " + t.host);
  std::memcpy(&t.address, found->ai_addr, found->ai_addrlen);
  t.addressLength = found->ai_addrlen;
  freeaddrinfo(found);
  return t;
}

double percentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const std::size_t i =
      std::min(sorted.size() - 1, static_cast<std::size_t>(std::ceil(p * double(sorted.size())) - 1));
  return sorted[i];
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }
double millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

enum class Kind { Load, Probe, Idle, Slow };

// How one request of the load ended: a good reply, the server's overload refusal, or anything
// else.
enum class Outcome { Served, Refused, Error };

// The main run, and the seconds after it.
struct Phase {
  std::vector<double> all, served, refused;               // latencies, ms from the due time
  std::vector<double> servedFromStart, refusedFromStart;  // ms from the request's start
  long long errors = 0;
};

bool isRefusal(int status, const std::string& body) { return status == 503 && body.rfind("1710 ", 0) == 0; }

struct Conn {
  int fd = -1;
  Kind kind = Kind::Load;
  bool connected = false;
  bool reused = false;    // a kept-alive connection carrying another request
  bool busy = false;      // a request is on it
  bool heldIdle = false;  // an idle connection that has had its answer and now waits
  std::string out;
  std::size_t written = 0;
  std::string in;
  Clock::time_point due{}, started{}, deadline{};
  int bodyIndex = 0;
};

struct Reply {
  int status = 0;
  std::string body;
  bool close = false;
};

// A complete reply at the front of `in`: true and the reply, with `used` bytes consumed.
// Throws on what this generator does not read (chunked replies).
bool takeReply(const std::string& in, Reply& r, std::size_t& used) {
  const std::size_t end = in.find("\r\n\r\n");
  if (end == std::string::npos) return false;
  const std::string head = in.substr(0, end);
  if (head.rfind("HTTP/1.", 0) != 0 || head.size() < 12) throw std::runtime_error("not an HTTP reply");
  r.status = std::atoi(head.c_str() + 9);
  std::string lower = head;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower.find("\r\ntransfer-encoding: chunked") != std::string::npos)
    throw std::runtime_error("chunked reply");
  const std::size_t cl = lower.find("\r\ncontent-length:");
  const std::size_t length = cl == std::string::npos ? 0 : std::strtoul(lower.c_str() + cl + 17, nullptr, 10);
  r.close = lower.find("\r\nconnection: close") != std::string::npos;
  if (in.size() < end + 4 + length) return false;
  r.body = in.substr(end + 4, length);
  used = end + 4 + length;
  return true;
}

class Generator {
 public:
  Generator(const Options& o, Target target, std::vector<std::string> bodies, std::string keyHex)
      : o_(o), target_(std::move(target)), bodies_(std::move(bodies)), keyHex_(std::move(keyHex)) {
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    timer_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (epoll_ < 0 || timer_ < 0) throw std::runtime_error("epoll");
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.ptr = nullptr;  // the timer
    epoll_ctl(epoll_, EPOLL_CTL_ADD, timer_, &ev);
    for (std::size_t i = 0; i < bodies_.size(); ++i) {
      requests_.push_back(request("POST", bodies_[i], !o_.keepAlive));
    }
    idleRequest_ = request("POST", bodies_[0], false);
    slowRequest_ = request("POST", bodies_[0], false);
  }

  int run() {
    const long long mainTotal = static_cast<long long>(o_.rate) * o_.seconds;
    const long long total = mainTotal + static_cast<long long>(o_.afterRate) * o_.afterSeconds;
    phases_[0].all.reserve(static_cast<std::size_t>(mainTotal));
    lags_.reserve(static_cast<std::size_t>(total));
    const auto interval = std::chrono::nanoseconds(1000000000LL / o_.rate);
    const auto afterInterval = std::chrono::nanoseconds(o_.afterRate ? 1000000000LL / o_.afterRate : 0);

    // Background connections first: they are open before the load starts.
    for (int i = 0; i < o_.idle; ++i) open(Kind::Idle, Clock::now(), 0);
    for (int i = 0; i < o_.slow; ++i) open(Kind::Slow, Clock::now(), 0);
    const auto settle = Clock::now() + std::chrono::milliseconds(o_.idle + o_.slow > 0 ? 2000 : 100);
    while (Clock::now() < settle) poll(settle);
    idleHeldAtStart_ = heldIdle();
    slowOpenAtStart_ = countOpen(Kind::Slow);

    const double cpuBefore = cpuSeconds();
    start_ = Clock::now();
    afterStart_ = start_ + interval * mainTotal;
    auto dueOf = [&](long long i) {
      return i < mainTotal ? start_ + interval * i : afterStart_ + afterInterval * (i - mainTotal);
    };
    long long next = 0;
    long long probes = 0;
    auto nextSlowTick = start_;
    const auto loadEnd = dueOf(total);
    while (next < total || inFlight_ > 0) {
      const auto now = Clock::now();
      // At most a batch of new requests between two rounds of reading: a generator that has
      // fallen behind must not open thousands of connections while the replies of the earlier
      // ones wait unread (the server would see clients that never read its answers).
      for (int batch = 0; batch < kSendBatch && next < total && dueOf(next) <= now; ++batch) {
        const auto due = dueOf(next);
        if (inFlight_ >= o_.maxInFlight) {
          fail("in flight limit reached", due, now);
        } else {
          send(due, static_cast<int>(next % static_cast<long long>(bodies_.size())));
        }
        ++next;
      }
      // A new client each second, timed apart from the load.
      while (probes < o_.seconds &&
             start_ + std::chrono::seconds(probes) + std::chrono::milliseconds(500) <= now &&
             now < loadEnd + std::chrono::seconds(1)) {
        open(Kind::Probe, start_ + std::chrono::seconds(probes) + std::chrono::milliseconds(500), 0);
        ++probes;
      }
      if (now >= nextSlowTick) {
        slowTick();
        nextSlowTick += std::chrono::seconds(1);
      }
      expire(now);
      Clock::time_point wake = nextSlowTick;
      if (next < total) wake = std::min<Clock::time_point>(wake, dueOf(next));
      wake = std::min<Clock::time_point>(wake, now + std::chrono::milliseconds(50));
      if (next >= total && inFlight_ == 0) break;
      poll(wake);
    }
    const auto end = Clock::now();
    const double cpu = cpuSeconds() - cpuBefore;
    const std::size_t idleHeldAtEnd = heldIdle();
    const std::size_t slowOpenAtEnd = countOpen(Kind::Slow);

    const double elapsed = seconds(std::min(end, afterStart_) - start_);
    for (Phase& p : phases_)
      for (auto* v : {&p.all, &p.served, &p.refused, &p.servedFromStart, &p.refusedFromStart})
        std::sort(v->begin(), v->end());
    std::sort(lags_.begin(), lags_.end());
    std::sort(probeLatencies_.begin(), probeLatencies_.end());
    const Phase& main = phases_[0];
    const std::vector<double>& latencies = main.all;
    std::printf("target http://%s:%d%s (%s), %s\n", target_.host.c_str(), target_.port, target_.path.c_str(),
                o_.peer.empty() ? "replies unpacked and checked" : "peer: any complete 200 counts",
                o_.keepAlive ? "kept-alive connections" : "a new connection per request");
    std::printf("requests %zu in %.1f s (%.1f per second, target %d), errors %lld, refused %zu\n",
                latencies.size(), elapsed, double(latencies.size()) / elapsed, o_.rate, main.errors,
                main.refused.size());
    std::printf("latency ms from the due time: p50 %.2f  p90 %.2f  p99 %.2f  p99.9 %.2f  max %.2f\n",
                percentile(latencies, 0.50), percentile(latencies, 0.90), percentile(latencies, 0.99),
                percentile(latencies, 0.999), latencies.empty() ? 0.0 : latencies.back());
    printPhase("overload", main, o_.seconds);
    if (o_.afterSeconds) printPhase("after", phases_[1], o_.afterSeconds);
    std::printf("reply body bytes: mean %llu\n", replies_ ? replyBytes_ / replies_ : 0ULL);
    std::printf("send lag ms (due time to request written, connecting included): p99 %.2f  max %.2f\n",
                percentile(lags_, 0.99), lags_.empty() ? 0.0 : lags_.back());
    std::printf("loadgen CPU %.1f s in %.1f s (%.0f%% of one core)\n", cpu, elapsed, 100.0 * cpu / elapsed);
    std::printf("new clients (one a second): %zu served, %lld failed, p99 %.2f ms, max %.2f ms\n",
                probeLatencies_.size(), probeErrors_, percentile(probeLatencies_, 0.99),
                probeLatencies_.empty() ? 0.0 : probeLatencies_.back());
    if (o_.idle)
      std::printf(
          "idle keep-alive connections: %zu of %d held at the start, %zu at the end, %lld closed by the "
          "server and reopened\n",
          idleHeldAtStart_, o_.idle, idleHeldAtEnd, idleReopened_);
    if (o_.slow)
      std::printf(
          "slow clients (1 byte/s): %zu of %d open at the start, %zu at the end, %lld closed by the "
          "server and reopened\n",
          slowOpenAtStart_, o_.slow, slowOpenAtEnd, slowReopened_);
    for (const auto& [kind, n] : errorKinds_) std::printf("error %lld x %s\n", n, kind.c_str());
    const bool clean = phases_[0].errors + phases_[1].errors == 0 && phases_[0].refused.empty() &&
                       phases_[1].refused.empty() && probeErrors_ == 0;
    return clean ? 0 : 1;
  }

 private:
  // One line a script can read: served (goodput) and refused requests with their percentiles.
  static void printPhase(const char* name, const Phase& p, int seconds) {
    std::printf(
        "%s: served %zu (%.1f per second) p50 %.2f p99 %.2f ms; refused %zu p50 %.2f p99 %.2f max %.2f ms; "
        "errors %lld\n",
        name, p.served.size(), double(p.served.size()) / seconds, percentile(p.served, 0.50),
        percentile(p.served, 0.99), p.refused.size(), percentile(p.refused, 0.50),
        percentile(p.refused, 0.99), p.refused.empty() ? 0.0 : p.refused.back(), p.errors);
    std::printf("%s from the start: served p50 %.2f p99 %.2f ms; refused p50 %.2f p99 %.2f max %.2f ms\n",
                name, percentile(p.servedFromStart, 0.50), percentile(p.servedFromStart, 0.99),
                percentile(p.refusedFromStart, 0.50), percentile(p.refusedFromStart, 0.99),
                p.refusedFromStart.empty() ? 0.0 : p.refusedFromStart.back());
  }

  Phase& phaseOf(Clock::time_point due) { return phases_[o_.afterSeconds && due >= afterStart_ ? 1 : 0]; }

  // `started`: when the request's connect or send began (the due time when it never did).
  void record(Clock::time_point due, Clock::time_point now, Outcome outcome, Clock::time_point started = {}) {
    Phase& p = phaseOf(due);
    const double ms = millis(now - due);
    const double fromStart = millis(now - std::max(started, due));
    p.all.push_back(ms);
    if (outcome == Outcome::Served) {
      p.served.push_back(ms);
      p.servedFromStart.push_back(fromStart);
    } else if (outcome == Outcome::Refused) {
      p.refused.push_back(ms);
      p.refusedFromStart.push_back(fromStart);
    } else {
      ++p.errors;
    }
  }

  std::string request(const char* method, const std::string& body, bool close) const {
    return std::string(method) + " " + target_.path + " HTTP/1.1\r\nHost: " + target_.host + ":" +
           std::to_string(target_.port) + "\r\nUser-Agent: lexiton-loadgen\r\nAccept: */*\r\n" +
           "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n" + (close ? "Connection: close\r\n" : "") + "\r\n" + body;
  }

  std::size_t heldIdle() const {
    std::size_t n = 0;
    for (const auto& [p, c] : conns_)
      if (c->kind == Kind::Idle && c->heldIdle) ++n;
    return n;
  }
  std::size_t countOpen(Kind k) const {
    std::size_t n = 0;
    for (const auto& [p, c] : conns_)
      if (c->kind == k && c->connected) ++n;
    return n;
  }

  Conn* open(Kind kind, Clock::time_point due, int bodyIndex) {
    const int fd = ::socket(target_.address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {  // out of descriptors: this request fails, the run goes on
      const std::string why = std::string("socket: ") + std::strerror(errno);
      if (kind == Kind::Load)
        fail(why, due, Clock::now());
      else if (kind == Kind::Probe) {
        ++probeErrors_;
        noteError("new client: " + why);
      } else {
        noteError("background: " + why);
        reopen_.push_back({Clock::now() + std::chrono::seconds(1), kind});
      }
      return nullptr;
    }
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    auto c = std::make_unique<Conn>();
    c->fd = fd;
    c->kind = kind;
    c->due = due;
    c->bodyIndex = bodyIndex;
    c->deadline = Clock::now() +
                  std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kTimeoutSeconds));
    if (kind == Kind::Load)
      c->out = requests_[static_cast<std::size_t>(bodyIndex)];
    else if (kind == Kind::Probe)
      c->out = request("POST", bodies_[0], true);
    else if (kind == Kind::Idle)
      c->out = idleRequest_;
    if (kind == Kind::Load || kind == Kind::Probe || kind == Kind::Idle) c->busy = true;
    Conn* raw = c.get();
    conns_.emplace(raw, std::move(c));
    if (kind == Kind::Load) ++inFlight_;
    raw->started = Clock::now();
    const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&target_.address), target_.addressLength);
    if (rc != 0 && errno != EINPROGRESS) {
      const std::string why = std::string("connect: ") + std::strerror(errno);
      finish(raw, false, why);
      return nullptr;
    }
    epoll_event ev{};
    // Edge-triggered for both directions, registered once: reading and writing always go on
    // until the socket would block, and the generator spends no system call on changing the
    // set after connecting (its own CPU time limits how far past a server's capacity it goes).
    ev.events = EPOLLIN | EPOLLOUT | EPOLLRDHUP | EPOLLET;
    ev.data.ptr = raw;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &ev);
    return raw;
  }

  void send(Clock::time_point due, int bodyIndex) {
    if (o_.keepAlive && !pool_.empty()) {
      Conn* c = pool_.back();
      pool_.pop_back();
      c->reused = true;
      c->busy = true;
      c->due = due;
      c->bodyIndex = bodyIndex;
      c->out = requests_[static_cast<std::size_t>(bodyIndex)];
      c->written = 0;
      c->in.clear();
      c->started = Clock::now();
      c->deadline = c->started + std::chrono::seconds(static_cast<int>(kTimeoutSeconds));
      ++inFlight_;
      writeSome(c);
      return;
    }
    open(Kind::Load, due, bodyIndex);
  }

  void writeSome(Conn* c) {
    while (c->written < c->out.size()) {
      const ssize_t n = ::send(c->fd, c->out.data() + c->written, c->out.size() - c->written, MSG_NOSIGNAL);
      if (n > 0) {
        if (c->written == 0 && (c->kind == Kind::Load)) lags_.push_back(millis(Clock::now() - c->due));
        c->written += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
      finish(c, false, std::string("send: ") + std::strerror(errno));
      return;
    }
  }

  // One byte a second on every slow client; a new one for each the server closed.
  void slowTick() {
    std::vector<Conn*> slow;
    for (const auto& [p, c] : conns_)
      if (c->kind == Kind::Slow && c->connected) slow.push_back(p);
    for (Conn* c : slow) {
      if (c->written >= slowRequest_.size()) continue;
      const ssize_t n = ::send(c->fd, slowRequest_.data() + c->written, 1, MSG_NOSIGNAL);
      if (n == 1) ++c->written;
    }
  }

  void expire(Clock::time_point now) {
    if (now < nextExpiry_) return;
    nextExpiry_ = now + std::chrono::milliseconds(100);
    std::vector<Conn*> late;
    for (const auto& [p, c] : conns_)
      if (c->busy && c->deadline <= now) late.push_back(p);
    for (Conn* c : late) finish(c, false, "timed out");
  }

  void poll(Clock::time_point until) {
    if (!reopen_.empty()) reopenDue();
    const auto wait = until - Clock::now();
    if (wait > Clock::duration::zero()) {
      itimerspec spec{};
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(until.time_since_epoch()).count();
      spec.it_value.tv_sec = ns / 1000000000;
      spec.it_value.tv_nsec = ns % 1000000000;
      timerfd_settime(timer_, TFD_TIMER_ABSTIME, &spec, nullptr);
    }
    epoll_event events[256];
    const int n = epoll_wait(epoll_, events, 256, wait > Clock::duration::zero() ? 1000 : 0);
    for (int i = 0; i < n; ++i) {
      auto* c = static_cast<Conn*>(events[i].data.ptr);
      if (!c) {
        std::uint64_t ticks = 0;
        (void)::read(timer_, &ticks, sizeof ticks);
        continue;
      }
      if (!conns_.count(c)) continue;  // finished by an earlier event of this round
      handle(c, events[i].events);
    }
  }

  void handle(Conn* c, std::uint32_t events) {
    if (!c->connected && (events & (EPOLLOUT | EPOLLERR | EPOLLHUP))) {
      int err = 0;
      socklen_t len = sizeof err;
      if (events & (EPOLLERR | EPOLLHUP)) getsockopt(c->fd, SOL_SOCKET, SO_ERROR, &err, &len);
      if (err != 0) {
        finish(c, false, std::string("connect: ") + std::strerror(err));
        return;
      }
      c->connected = true;
      if (c->kind != Kind::Slow) writeSome(c);
      if (!conns_.count(c)) return;
    }
    if (events & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR)) readSome(c);
  }

  void readSome(Conn* c) {
    char buf[16384];
    for (;;) {
      const ssize_t n = ::recv(c->fd, buf, sizeof buf, 0);
      if (n > 0) {
        c->in.append(buf, static_cast<std::size_t>(n));
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
      // Closed by the server (or reset).
      const bool nothing = c->in.empty();
      if (tryReply(c)) return;
      if (!conns_.count(c)) return;
      if (c->kind == Kind::Idle || c->kind == Kind::Slow) {
        reopenBackground(c);
        return;
      }
      if (!c->busy) {  // an idle kept-alive connection the server closed
        drop(c);
        return;
      }
      if (c->reused && nothing) {  // the server closed it just before our request: send again
        const auto due = c->due;
        const int body = c->bodyIndex;
        --inFlight_;
        drop(c);
        open(Kind::Load, due, body);
        return;
      }
      finish(c, false, n == 0 ? "closed without a reply" : std::string("recv: ") + std::strerror(errno));
      return;
    }
    tryReply(c);
  }

  // True when the connection was finished (a reply or an error).
  bool tryReply(Conn* c) {
    if (c->in.empty()) return false;
    Reply r;
    std::size_t used = 0;
    try {
      if (!takeReply(c->in, r, used)) return false;
    } catch (const std::exception& e) {
      finish(c, false, e.what());
      return true;
    }
    c->in.erase(0, used);
    if (c->kind == Kind::Load && r.status == 200) {
      replyBytes_ += r.body.size();
      ++replies_;
    }
    std::string kind;
    if (c->kind == Kind::Load && isRefusal(r.status, r.body)) {
      finish(c, false, "", true, true);
      return true;
    }
    if (r.status != 200)
      kind = "status " + std::to_string(r.status);
    else if (!keyHex_.empty() && o_.peer.empty()) {
      std::string plain;
      if (!packer_.unpack(keyHex_, r.body, plain))
        kind = "reply: " + r.body.substr(0, 40);
      else if (plain.rfind("<surf-ss>", 0) != 0)
        kind = "translation: " + plain.substr(0, 40);
    }
    if (c->kind == Kind::Idle) {
      c->busy = false;
      c->heldIdle = kind.empty() && !r.close;
      if (!kind.empty()) {
        noteError("idle connection: " + kind);
        reopenBackground(c, true);
        return true;
      }
      return false;
    }
    if (c->kind == Kind::Slow) {
      reopenBackground(c, r.status != 200);
      return true;
    }
    finish(c, kind.empty(), kind, r.close);
    return true;
  }

  void noteError(const std::string& kind) { ++errorKinds_[kind]; }

  void fail(const std::string& kind, Clock::time_point due, Clock::time_point now) {
    noteError(kind);
    record(due, now, Outcome::Error);
  }

  // The end of a request: its latency, its error if any; the connection is closed or pooled.
  void finish(Conn* c, bool ok, const std::string& kind, bool serverCloses = true, bool refused = false) {
    const auto now = Clock::now();
    if (c->kind == Kind::Probe) {
      if (ok)
        probeLatencies_.push_back(millis(now - c->due));
      else {
        ++probeErrors_;
        noteError("new client: " + kind);
      }
      drop(c);
      return;
    }
    if (c->kind == Kind::Idle || c->kind == Kind::Slow) {
      if (!ok) noteError((c->kind == Kind::Idle ? "idle connection: " : "slow client: ") + kind);
      reopenBackground(c, !ok);
      return;
    }
    if (c->busy) {
      --inFlight_;
      record(c->due, now, ok ? Outcome::Served : refused ? Outcome::Refused : Outcome::Error, c->started);
      if (!ok && !refused) noteError(kind);
    }
    c->busy = false;
    if (ok && o_.keepAlive && !serverCloses) {
      pool_.push_back(c);
      return;
    }
    drop(c);
  }

  // A background connection the server closed is opened again: at once after an idle
  // time-out, a second later after a refusal (so a full server is not flooded).
  void reopenBackground(Conn* c, bool refused = false) {
    const Kind k = c->kind;
    (k == Kind::Idle ? idleReopened_ : slowReopened_) += 1;
    drop(c);
    reopen_.push_back({Clock::now() + (refused ? std::chrono::seconds(1) : std::chrono::seconds(0)), k});
  }

  void reopenDue() {
    const auto now = Clock::now();
    std::size_t n = reopen_.size();
    while (n-- > 0 && !reopen_.empty()) {
      auto [when, kind] = reopen_.front();
      reopen_.pop_front();
      if (when <= now)
        open(kind, now, 0);
      else
        reopen_.push_back({when, kind});
    }
  }

  void drop(Conn* c) {
    ::close(c->fd);  // leaves the epoll set with it
    pool_.erase(std::remove(pool_.begin(), pool_.end(), c), pool_.end());
    conns_.erase(c);
  }

  const Options& o_;
  Target target_;
  std::vector<std::string> bodies_;
  std::vector<std::string> requests_;
  std::string idleRequest_, slowRequest_;
  std::string keyHex_;
  const lexiton::protocol::ClientPacker packer_{};
  int epoll_ = -1, timer_ = -1;
  std::unordered_map<Conn*, std::unique_ptr<Conn>> conns_;
  std::vector<Conn*> pool_;
  Clock::time_point start_{}, afterStart_{}, nextExpiry_{};
  long long inFlight_ = 0;
  unsigned long long replyBytes_ = 0, replies_ = 0;
  long long probeErrors_ = 0;
  long long idleReopened_ = 0, slowReopened_ = 0;
  std::size_t idleHeldAtStart_ = 0, slowOpenAtStart_ = 0;
  std::deque<std::pair<Clock::time_point, Kind>> reopen_;
  Phase phases_[2];
  std::vector<double> lags_, probeLatencies_;
  std::map<std::string, long long> errorKinds_;
};

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options o = parse(argc, argv);
    rlimit r{};
    // One descriptor per connection: as many as the hard limit allows.
    Options limited = o;
    if (getrlimit(RLIMIT_NOFILE, &r) == 0) {
      if (r.rlim_cur < r.rlim_max) {
        r.rlim_cur = r.rlim_max;
        setrlimit(RLIMIT_NOFILE, &r);
        getrlimit(RLIMIT_NOFILE, &r);
      }
      // Requests beyond the descriptors left count as errors instead of failing the run.
      const long long room = static_cast<long long>(r.rlim_cur) - o.idle - o.slow - 64;
      if (room < 1) throw std::runtime_error("not enough descriptors for the background connections");
      limited.maxInFlight = static_cast<int>(std::min<long long>(o.maxInFlight, room));
    }
    std::string sessionId, address;
    if (!o.ini.empty()) {
      auto settings = lexiton::openPortableProfile(o.ini);
      sessionId = settings->readString("Server Settings", "SessionID");
      if (sessionId.size() != fields::kSessionIdLength) throw std::runtime_error("no session in " + o.ini);
      address = settings->readString("Server Settings", "Server_Address");
    } else {
      // A peer without a settings file: the same bodies, packed with a made-up session.
      sessionId = std::string(fields::kSessionNameLength, 'A') + std::string(64, '7');
    }
    if (!o.peer.empty()) address = o.peer;
    Target target = parseAddress(address);
    std::vector<std::string> bodies;
    for (const std::u16string& t : kTexts) {
      const std::size_t space = t.find(u' ');
      bodies.push_back(queryBody(sessionId, t, space == std::u16string::npos ? 0 : space + 1));
    }
    Generator g(limited, std::move(target), std::move(bodies), sessionId.substr(fields::kSessionNameLength));
    return g.run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexiton-loadgen: %s\n", e.what());
    return 2;
  }
}
