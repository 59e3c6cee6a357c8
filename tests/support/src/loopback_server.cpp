// LoopbackServer on cpp-httplib: one catch-all route per method, every request recorded, and
// replies shaped by the test's handler (status, headers, delay, a connection cut mid-reply).
#include "lexiton/test/loopback_server.h"

#include <lexiton/ascii.h>

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace lexiton::test {

namespace {
constexpr char kHost[] = "127.0.0.1";
// A cut reply announces this many bytes and sends none.
constexpr std::size_t kDroppedBodyLength = 64;
constexpr auto kStartPoll = std::chrono::milliseconds(2);
constexpr auto kStartLimit = std::chrono::seconds(10);

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string formDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out.push_back(' ');
    } else if (text[i] == '%' && i + 2 < text.size() && ascii::hexDigit(text[i + 1]) >= 0 &&
               ascii::hexDigit(text[i + 2]) >= 0) {
      out.push_back(static_cast<char>(ascii::hexDigit(text[i + 1]) * 16 + ascii::hexDigit(text[i + 2])));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}
}  // namespace

std::string Request::header(std::string_view name) const {
  for (const auto& [key, value] : headers)
    if (sameName(key, name)) return value;
  return {};
}

std::string Request::param(std::string_view name) const {
  std::string_view rest = body;
  while (!rest.empty()) {
    const auto amp = rest.find('&');
    const std::string_view field = rest.substr(0, amp);
    const auto eq = field.find('=');
    if (formDecode(field.substr(0, eq)) == name)
      return eq == std::string_view::npos ? std::string() : formDecode(field.substr(eq + 1));
    if (amp == std::string_view::npos) break;
    rest.remove_prefix(amp + 1);
  }
  return {};
}

Reply Reply::redirect(std::string location, int status) {
  Reply r;
  r.status = status;
  r.headers.emplace_back("Location", std::move(location));
  return r;
}

Reply Reply::slow(std::chrono::milliseconds delay, std::string body) {
  Reply r(200, std::move(body));
  r.delay = delay;
  return r;
}

Reply Reply::dropped() {
  Reply r;
  r.drop = true;
  return r;
}

Reply Reply::proxyAuthRequired() {
  Reply r;
  r.status = 407;
  r.headers.emplace_back("Proxy-Authenticate", "Basic realm=\"loopback\"");
  return r;
}

std::string basicAuthorization(std::string_view userColonPassword) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out = "Basic ";
  std::size_t i = 0;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(userColonPassword[k]); };
  for (; i + 2 < userColonPassword.size(); i += 3) {
    const unsigned v = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
    for (int s = 18; s >= 0; s -= 6) out.push_back(kAlphabet[(v >> s) & 63]);
  }
  const std::size_t left = userColonPassword.size() - i;
  if (left > 0) {
    const unsigned v = byte(i) << 16 | (left == 2 ? byte(i + 1) << 8 : 0u);
    out.push_back(kAlphabet[(v >> 18) & 63]);
    out.push_back(kAlphabet[(v >> 12) & 63]);
    out.push_back(left == 2 ? kAlphabet[(v >> 6) & 63] : '=');
    out.push_back('=');
  }
  return out;
}

struct LoopbackServer::Impl {
  explicit Impl(Handler h) : handler(std::move(h)) {}

  void serve(const httplib::Request& in, httplib::Response& out) {
    Request request;
    request.method = in.method;
    request.target = in.target;
    for (const auto& [key, value] : in.headers) request.headers.emplace_back(key, value);
    request.body = in.body;
    {
      std::lock_guard<std::mutex> guard(lock);
      received.push_back(request);
    }
    Reply reply;
    try {
      reply = handler(request);
    } catch (...) {
      reply = Reply{500, "handler failed"};
    }
    if (reply.delay.count() > 0) {
      std::unique_lock<std::mutex> guard(lock);
      wake.wait_for(guard, reply.delay, [this] { return stopping; });
    }
    out.status = reply.status;
    for (const auto& [key, value] : reply.headers) out.set_header(key, value);
    if (reply.drop) {
      out.set_content_provider(kDroppedBodyLength, reply.contentType,
                               [](std::size_t, std::size_t, httplib::DataSink&) { return false; });
    } else if (!reply.body.empty()) {
      out.set_content(reply.body, reply.contentType);
    }
  }

  Handler handler;
  httplib::Server server;
  std::thread thread;
  int port = 0;
  mutable std::mutex lock;
  std::condition_variable wake;
  bool stopping = false;
  std::vector<Request> received;
};

LoopbackServer::LoopbackServer(Handler handler) : impl_(std::make_unique<Impl>(std::move(handler))) {
  auto& server = impl_->server;
  // One request per connection: a test never waits on an idle keep-alive connection at stop.
  server.set_keep_alive_max_count(1);
  const auto route = [impl = impl_.get()](const httplib::Request& in, httplib::Response& out) {
    impl->serve(in, out);
  };
  server.Get(".*", route);
  server.Post(".*", route);
  server.Put(".*", route);
  server.Delete(".*", route);
  impl_->port = server.bind_to_any_port(kHost);
  if (impl_->port <= 0) throw std::runtime_error("LoopbackServer: no port on 127.0.0.1");
  impl_->thread = std::thread([&server] { server.listen_after_bind(); });
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  while (!server.is_running()) {
    if (std::chrono::steady_clock::now() > deadline) {
      server.stop();
      impl_->thread.join();
      throw std::runtime_error("LoopbackServer: the listener did not start");
    }
    std::this_thread::sleep_for(kStartPoll);
  }
}

LoopbackServer::~LoopbackServer() {
  {
    std::lock_guard<std::mutex> guard(impl_->lock);
    impl_->stopping = true;
  }
  impl_->wake.notify_all();
  impl_->server.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

int LoopbackServer::port() const { return impl_->port; }

std::string LoopbackServer::url(std::string_view path) const {
  return "http://" + hostPort() + std::string(path);
}

std::string LoopbackServer::hostPort() const {
  return std::string(kHost) + ":" + std::to_string(impl_->port);
}

std::vector<Request> LoopbackServer::requests() const {
  std::lock_guard<std::mutex> guard(impl_->lock);
  return impl_->received;
}

std::size_t LoopbackServer::requestCount() const {
  std::lock_guard<std::mutex> guard(impl_->lock);
  return impl_->received.size();
}

}  // namespace lexiton::test
