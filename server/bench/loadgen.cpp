// lexiton-loadgen: holds a fixed request rate against a running lexiton-server for a fixed
// time and reports latency percentiles. Requests are real client queries (the client's query
// record, packed with the session key from the settings file the server's session command
// wrote); every reply is unpacked and checked, and anything else counts as an error.
//
// Latency is measured from the moment a request was due, not from when it was sent, so a
// server that falls behind shows it in the percentiles instead of hiding it (open loop).
//
// Like the client, which makes a new transfer per look-up, every request opens its own
// connection unless --keep-alive 1 is given.
//
// usage: lexiton-loadgen --ini FILE --rate PER_SECOND --seconds N [--connections C] [--keep-alive 0|1]
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
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

constexpr int kMaxConnections = 256;
constexpr int kMaxRate = 100000;
constexpr int kMaxSeconds = 3600;
constexpr int kTimeoutSeconds = 10;

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
  int rate = 200;
  int seconds = 60;
  int connections = 8;
  bool keepAlive = false;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string k = argv[i], v = argv[i + 1];
    if (k == "--ini") o.ini = v;
    else if (k == "--rate") o.rate = std::stoi(v);
    else if (k == "--seconds") o.seconds = std::stoi(v);
    else if (k == "--connections") o.connections = std::stoi(v);
    else if (k == "--keep-alive") o.keepAlive = v == "1";
    else throw std::runtime_error("unknown option " + k);
  }
  if (o.ini.empty() || o.rate < 1 || o.rate > kMaxRate || o.seconds < 1 || o.seconds > kMaxSeconds ||
      o.connections < 1 || o.connections > kMaxConnections)
    throw std::runtime_error("usage: lexiton-loadgen --ini FILE --rate N --seconds N [--connections C]");
  return o;
}

std::string queryBody(const std::string& sessionId, std::u16string_view text, std::size_t pointer) {
  const std::string marked = lexiton::protocol::encodeQueryText(text.substr(0, pointer)) + std::string(lexiton::protocol::kPointerMarker) +
                             lexiton::protocol::encodeQueryText(text.substr(pointer));
  lexiton::protocol::PipeWriter w;
  w.writeKeyElement(fields::kLanguage, fields::kLanguagePair);
  w.writeKeyValue(fields::kAct, fields::kApplication);
  w.writeKeyElement(fields::kEnc, fields::kEncoding);
  w.writeKeyElement(fields::kForm, "1");
  w.writeKeyElement(fields::kUrl, "");
  w.writeKeyValue(fields::kData, marked);
  std::string packed;
  if (!lexiton::protocol::ClientPacker().pack(sessionId.substr(fields::kSessionNameLength), w.buffer(), packed))
    throw std::runtime_error("the session key in the settings file is not usable");
  return std::string(fields::kWho) + fields::kVersion + "." + fields::kBuildTag + fields::kWhere + fields::kProduct +
         fields::kWhat + sessionId.substr(0, fields::kSessionNameLength) + packed;
}

struct Target {
  std::string host;
  int port = 0;
  std::string path;
};

Target parseAddress(const std::string& url) {
  const std::string scheme = "http://";
  if (url.rfind(scheme, 0) != 0) throw std::runtime_error("Server_Address must be http://HOST:PORT/");
  const std::string rest = url.substr(scheme.size());
  const auto slash = rest.find('/');
  const std::string hostPort = rest.substr(0, slash);
  const auto colon = hostPort.rfind(':');
  Target t;
  t.host = hostPort.substr(0, colon);
  t.port = colon == std::string::npos ? 80 : std::stoi(hostPort.substr(colon + 1));
  t.path = slash == std::string::npos ? "/" : rest.substr(slash);
  return t;
}

double percentile(std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const std::size_t i = std::min(sorted.size() - 1, static_cast<std::size_t>(p * double(sorted.size() - 1) + 0.5));
  return sorted[i];
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options o = parse(argc, argv);
    auto settings = lexiton::openPortableProfile(o.ini);
    const std::string sessionId = settings->readString("Server Settings", "SessionID");
    if (sessionId.size() != fields::kSessionIdLength) throw std::runtime_error("no session in " + o.ini);
    const Target target = parseAddress(settings->readString("Server Settings", "Server_Address"));
    const std::string keyHex = sessionId.substr(fields::kSessionNameLength);

    std::vector<std::string> bodies;
    for (const std::u16string& t : kTexts) {
      const std::size_t space = t.find(u' ');
      bodies.push_back(queryBody(sessionId, t, space == std::u16string::npos ? 0 : space + 1));
    }

    const long long total = static_cast<long long>(o.rate) * o.seconds;
    const auto interval = std::chrono::nanoseconds(1000000000LL / o.rate);
    std::atomic<long long> next{0};
    std::atomic<long long> errors{0};
    std::mutex lock;
    std::vector<double> latencies;  // milliseconds from due time to checked reply
    latencies.reserve(static_cast<std::size_t>(total));
    std::map<std::string, long long> errorKinds;
    const Clock::time_point start = Clock::now() + std::chrono::milliseconds(100);

    auto worker = [&] {
      httplib::Client client(target.host, target.port);
      client.set_keep_alive(o.keepAlive);
      client.set_connection_timeout(kTimeoutSeconds, 0);
      client.set_read_timeout(kTimeoutSeconds, 0);
      const lexiton::protocol::ClientPacker packer;
      std::vector<double> mine;
      for (;;) {
        const long long i = next.fetch_add(1);
        if (i >= total) break;
        const Clock::time_point due = start + interval * i;
        std::this_thread::sleep_until(due);
        const std::string& body = bodies[static_cast<std::size_t>(i) % bodies.size()];
        auto res = client.Post(target.path, body, "application/x-www-form-urlencoded");
        std::string plain, kind;
        if (!res) kind = "transport: " + httplib::to_string(res.error());
        else if (res->status != 200) kind = "status " + std::to_string(res->status);
        else if (!packer.unpack(keyHex, res->body, plain)) kind = "reply: " + res->body.substr(0, 40);
        else if (plain.rfind("<surf-ss>", 0) != 0) kind = "translation: " + plain.substr(0, 40);
        mine.push_back(std::chrono::duration<double, std::milli>(Clock::now() - due).count());
        if (!kind.empty()) {
          ++errors;
          std::lock_guard<std::mutex> guard(lock);
          ++errorKinds[kind];
        }
      }
      std::lock_guard<std::mutex> guard(lock);
      latencies.insert(latencies.end(), mine.begin(), mine.end());
    };
    std::vector<std::thread> threads;
    for (int c = 0; c < o.connections; ++c) threads.emplace_back(worker);
    for (auto& t : threads) t.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

    std::sort(latencies.begin(), latencies.end());
    std::printf("requests %zu in %.1f s (%.1f per second, target %d), errors %lld\n", latencies.size(), elapsed,
                double(latencies.size()) / elapsed, o.rate, errors.load());
    std::printf("latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", percentile(latencies, 0.50),
                percentile(latencies, 0.90), percentile(latencies, 0.99), latencies.empty() ? 0.0 : latencies.back());
    for (const auto& [kind, n] : errorKinds) std::printf("error %lld x %s\n", n, kind.c_str());
    return errors.load() == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexiton-loadgen: %s\n", e.what());
    return 2;
  }
}
