// lexiton-layer-compare: the two candidate HTTP layers with the same shape (one event-loop
// thread, the answer made on a worker pool sized to the cores, keep-alive with a 2 s idle
// time-out), answering every request with a fixed body. lexiton-loadgen --peer measures them
// under the request pattern of the real server; docs/benchmarks.md has the figures that chose
// libmicrohttpd.
//
// usage: lexiton-layer-compare --layer mhd|beast --port N [--bytes N]
#include "lexiton/server/http_server.h"
#include "lexiton/server/worker_pool.h"

#include <optional>
#include <utility>

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <signal.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket s, lexiton::server::WorkerPool& pool, const std::string& body)
      : stream_(std::move(s)), pool_(pool), body_(body) {}
  void start() { read(); }

 private:
  void read() {
    parser_.emplace();
    parser_->body_limit(64 * 1024);
    stream_.expires_after(std::chrono::seconds(2));
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](beast::error_code ec, std::size_t) {
                       if (ec) return self->close();
                       self->dispatch();
                     });
  }
  void dispatch() {
    auto self = shared_from_this();
    pool_.submit([self] {
      std::string answer = self->body_;  // the handler's work would be here
      net::post(self->stream_.get_executor(),
                [self, answer = std::move(answer)]() mutable { self->write(std::move(answer)); });
    });
  }
  void write(std::string answer) {
    const auto& req = parser_->get();
    res_ = {};
    res_.result(http::status::ok);
    res_.version(req.version());
    res_.set(http::field::content_type, "text/plain");
    res_.body() = std::move(answer);
    res_.keep_alive(req.keep_alive());
    res_.prepare_payload();
    stream_.expires_after(std::chrono::seconds(10));
    http::async_write(stream_, res_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
      if (ec || !self->res_.keep_alive()) return self->close();
      self->read();
    });
  }
  void close() {
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ec);
  }

  beast::tcp_stream stream_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  http::response<http::string_body> res_;
  lexiton::server::WorkerPool& pool_;
  const std::string& body_;
};

void accept(tcp::acceptor& acceptor, net::io_context& ioc, lexiton::server::WorkerPool& pool,
            const std::string& body) {
  acceptor.async_accept(net::make_strand(ioc), [&](beast::error_code ec, tcp::socket s) {
    if (!ec) std::make_shared<Session>(std::move(s), pool, body)->start();
    accept(acceptor, ioc, pool, body);
  });
}

}  // namespace

int main(int argc, char** argv) {
  std::string layer = "mhd";
  int port = 0;
  std::size_t bytes = 709;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k == "--layer")
      layer = v;
    else if (k == "--port")
      port = std::stoi(v);
    else if (k == "--bytes")
      bytes = std::stoul(v);
  }
  const std::string body(bytes, 'a');
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  int sig = 0;
  if (layer == "mhd") {
    lexiton::server::HttpOptions o;
    o.port = port;
    o.workers = cores;
    lexiton::server::HttpServer server(o, [&](const lexiton::server::HttpRequest&) {
      return lexiton::server::HttpReply{200, body};
    });
    server.start();
    std::fprintf(stderr, "mhd on %d\n", server.port());
    sigwait(&set, &sig);
    server.shutdown();
  } else if (layer == "beast") {
    net::io_context ioc(1);
    lexiton::server::WorkerPool pool(cores);
    tcp::acceptor acceptor(ioc);
    const tcp::endpoint at(net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port));
    acceptor.open(at.protocol());
    acceptor.set_option(net::socket_base::reuse_address(true));
    acceptor.bind(at);
    acceptor.listen(4096);
    accept(acceptor, ioc, pool, body);
    std::thread loop([&] { ioc.run(); });
    std::fprintf(stderr, "beast on %d\n", port);
    sigwait(&set, &sig);
    ioc.stop();
    loop.join();
  } else {
    std::fprintf(stderr, "--layer mhd|beast\n");
    return 2;
  }
  return 0;
}
