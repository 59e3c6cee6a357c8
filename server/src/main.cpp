// lexiton-server: "serve" answers the client's POSTs; "session" issues a session and writes
// it into a client's lexiton.ini.
#include "lexiton/profile.h"
#include "lexiton/settings_keys.h"
#include "lexiton/protocol/server_connection.h"
#include "lexiton/text_encoding.h"
#include "lexiton/server/dictionary_translator.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/request_form.h"
#include "lexiton/server/session_store.h"
#include "lexiton/protocol/query_text.h"

#include "lexiton/server/http_server.h"

#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <memory>

namespace {

constexpr std::int64_t kSessionLifetimeSeconds = 30LL * 24 * 3600;
// Reading a request and writing its answer may pause this long; a connection waiting for its
// next request is closed after kKeepAliveSeconds, and after kKeepAliveRequests requests.
constexpr unsigned kRequestTimeoutSeconds = 10;
constexpr unsigned kKeepAliveSeconds = 2;
constexpr unsigned kKeepAliveRequests = 100;
// Open connections cost the event loop almost nothing; the limit keeps descriptors and
// memory bounded (about 40 KB a connection), and a request beyond it gets 503 and 1710.
constexpr unsigned kMaxConnections = 4096;
constexpr int kListenBacklog = 4096;
// Requests are refused with 503 and 1710 while the work queued ahead of them would take the
// workers longer than this: a served request then waits at most about this long, and the
// rest are told at once instead of waiting for seconds.
constexpr unsigned kQueueMilliseconds = 40;
// The access log goes out in blocks, at least this often: a write per request cost several per
// cent of the server's time. A crash loses at most the lines of this last moment.
constexpr auto kLogFlushInterval = std::chrono::milliseconds(100);

const char* kUsage =
    "usage:\n"
    "  lexiton-server serve --db DB --listen HOST:PORT [--config FILE] [--dict FILE]\n"
    "       [--max-connections N] [--idle-seconds N] [--workers N] [--event-threads N] [--backlog N]\n"
    "       [--queue-ms N] [--stats-seconds N]\n"
    "    (--dict: the compiled dictionary, by default lexiton-en-hu.dict beside the program;\n"
    "     the core lexicon lexiton-core.lex is read from the same folder;\n"
    "     --workers: translating threads, by default one per core the server may run on, none on\n"
    "       a single core; 0: the event threads translate;\n"
    "     --queue-ms: refuse requests while the queued work would take longer, default 40, 0: never;\n"
    "     --stats-seconds: a line of the server's counters this often, default 0: none)\n"
    "  lexiton-server session --db DB --user NAME --password PASS --address URL --ini FILE\n"
    "    (DB: a SQLite file, or postgresql://USER@HOST:PORT/NAME to share sessions between servers)\n"
    "  lexiton-server translate --text TEXT [--pointer N] [--dict FILE]\n"
    "    (prints the reply the server would send for TEXT with the pointer before character N)\n";

std::map<std::string, std::string> options(int argc, char** argv) {
  std::map<std::string, std::string> o;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::strncmp(argv[i], "--", 2) != 0) throw std::runtime_error(std::string("unexpected ") + argv[i]);
    o[argv[i] + 2] = argv[i + 1];
  }
  if ((argc - 2) % 2) throw std::runtime_error("option without value");
  return o;
}

std::string need(const std::map<std::string, std::string>& o, const char* k) {
  auto it = o.find(k);
  if (it == o.end()) throw std::runtime_error(std::string("missing --") + k);
  return it->second;
}

// --dict, or the dictionary beside the program.
std::string dictionaryPath(const std::map<std::string, std::string>& o) {
  const auto it = o.find("dict");
  return it != o.end() ? it->second : lexiton::server::defaultDictionaryPath();
}

lexiton::server::HandlerConfig readConfig(const std::string& path) {
  lexiton::server::HandlerConfig c;
  if (path.empty()) return c;
  FILE* f = std::fopen(path.c_str(), "r");
  if (!f) throw std::runtime_error("cannot read " + path);
  char line[512];
  while (std::fgets(line, sizeof line, f)) {
    std::string s(line);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    if (s.rfind("min_version=", 0) == 0) c.minimumVersion = s.substr(12);
  }
  std::fclose(f);
  return c;
}

unsigned number(const std::map<std::string, std::string>& o, const char* k, unsigned fallback) {
  auto it = o.find(k);
  if (it == o.end()) return fallback;
  const unsigned long v = std::stoul(it->second);
  if (v > 1000000) throw std::runtime_error(std::string("--") + k + " is too large");
  return static_cast<unsigned>(v);
}

// Every connection is a descriptor: the soft limit goes up to the hard one.
void raiseDescriptorLimit(unsigned connections) {
  rlimit r{};
  if (getrlimit(RLIMIT_NOFILE, &r) != 0) return;
  if (r.rlim_cur < r.rlim_max) {
    r.rlim_cur = r.rlim_max;
    setrlimit(RLIMIT_NOFILE, &r);
  }
  if (r.rlim_cur != RLIM_INFINITY && r.rlim_cur < connections + 64u)
    std::fprintf(stderr, "warning: %llu descriptors allowed for %u connections\n",
                 static_cast<unsigned long long>(r.rlim_cur), connections);
}

// One line of the HTTP layer's counters (--stats-seconds), in the access log.
void writeCounters(const lexiton::server::HttpCounters& c) {
  std::fprintf(stderr,
               "counters: accepted %" PRIu64 " handled %" PRIu64 " refused %" PRIu64 " (at accept %" PRIu64
               ", at dispatch %" PRIu64 ") over-limit %" PRIu64 " closed %" PRIu64
               " open %u queued %zu (most %zu) backlog %lldus handler %lldus loop %lldus\n",
               c.accepted, c.handled, c.refusedAtAccept + c.refusedAtDispatch, c.refusedAtAccept,
               c.refusedAtDispatch, c.overLimit, c.closedUnanswered, c.open, c.queued, c.maxQueued,
               static_cast<long long>(c.backlog.count()), static_cast<long long>(c.meanHandlerTime.count()),
               static_cast<long long>(c.loopLag.count()));
}

int serve(const std::map<std::string, std::string>& o) {
  // Log lines collect in the stream's buffer (set before anything is written to it); the main
  // thread flushes it every tenth of a second, and at exit.
  static char logBuffer[64 * 1024];
  std::setvbuf(stderr, logBuffer, _IOFBF, sizeof logBuffer);
  std::string listen = need(o, "listen");
  auto colon = listen.rfind(':');
  if (colon == std::string::npos) throw std::runtime_error("--listen needs HOST:PORT");
  lexiton::server::HttpOptions http;
  http.host = listen.substr(0, colon);
  if (http.host.size() >= 2 && http.host.front() == '[' && http.host.back() == ']')
    http.host = http.host.substr(1, http.host.size() - 2);
  http.port = std::stoi(listen.substr(colon + 1));
  http.listenBacklog = static_cast<int>(number(o, "backlog", kListenBacklog));
  http.maxConnections = number(o, "max-connections", kMaxConnections);
  http.idleSeconds = number(o, "idle-seconds", kKeepAliveSeconds);
  http.requestSeconds = kRequestTimeoutSeconds;
  http.keepAliveRequests = kKeepAliveRequests;
  if (o.count("workers")) http.workers = number(o, "workers", 0);
  http.eventThreads = number(o, "event-threads", 1);
  http.maxBodyBytes = lexiton::server::kMaxBodyBytes;
  http.queueBound = std::chrono::milliseconds(number(o, "queue-ms", kQueueMilliseconds));
  const unsigned statsSeconds = number(o, "stats-seconds", 0);
  if (http.maxConnections == 0 || http.idleSeconds == 0) throw std::runtime_error("limits must be positive");
  auto config = readConfig(o.count("config") ? o.at("config") : "");
  raiseDescriptorLimit(http.maxConnections);

  // Every thread (event loop, workers, libpq's) starts with these signals blocked; the main
  // thread alone takes them with sigwait and then shuts the server down itself.
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);

  // The dictionary is loaded before the port is taken: without it there is nothing to serve.
  lexiton::server::TranslateFn translate = lexiton::server::dictionaryTranslator(dictionaryPath(o));

  std::unique_ptr<lexiton::server::SessionStore> store = lexiton::server::openSessionStore(need(o, "db"));
  lexiton::server::RequestHandler handler(*store, std::move(translate), config);

  auto logLine = [](const lexiton::server::HttpRequest& req, const char* note, long long us) {
    // No secrets: the body (session name, packed data) never reaches the log.
    std::fprintf(stderr, "%s %s %s %zu %s %lldus\n", req.remoteAddress.c_str(), req.method.c_str(),
                 req.path.c_str(), req.body.size(), note, us);
  };
  auto answer = [&](const lexiton::server::HttpRequest& req) {
    const auto start = std::chrono::steady_clock::now();
    std::string note;
    lexiton::server::HttpReply reply;
    try {
      reply.body = req.method == "POST" ? handler.handle(req.body, &note)
                                        : (note = "get", lexiton::server::kStatusNoPostedData);
    } catch (...) {
      note = "error";
      reply.body = lexiton::server::kStatusProcessing;
    }
    const auto us =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
            .count();
    logLine(req, note.c_str(), static_cast<long long>(us));
    return reply;
  };
  lexiton::server::HttpServer server(
      http, answer,
      [&](const lexiton::server::HttpRequest& req, const char* note) { logLine(req, note, 0); });
  try {
    server.start();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cannot listen on %s\n", listen.c_str());
    return 1;
  }
  std::fprintf(stderr, "listening on %s\n", listen.c_str());
  std::fflush(stderr);
  // The main thread waits for the signal, flushing the access log and writing the counters
  // line on the way.
  auto nextStats = std::chrono::steady_clock::now() + std::chrono::seconds(statsSeconds);
  for (;;) {
    const timespec wait{0, std::chrono::duration_cast<std::chrono::nanoseconds>(kLogFlushInterval).count()};
    if (sigtimedwait(&set, nullptr, &wait) >= 0) break;
    if (statsSeconds && std::chrono::steady_clock::now() >= nextStats) {
      writeCounters(server.counters());
      nextStats += std::chrono::seconds(statsSeconds);
    }
    std::fflush(stderr);
  }
  server.shutdown();
  if (statsSeconds) writeCounters(server.counters());
  std::fflush(stderr);
  return 0;
}

int session(const std::map<std::string, std::string>& o) {
  std::unique_ptr<lexiton::server::SessionStore> store = lexiton::server::openSessionStore(need(o, "db"));
  std::string user = need(o, "user");
  if (!store->ensureUser(user, need(o, "password"))) {
    std::fprintf(stderr, "user %s exists with another password\n", user.c_str());
    return 1;
  }
  // Writing the session changes the store's generation: running servers drop their cached
  // sessions within a second and read them again.
  std::string id = store->createSession(user, kSessionLifetimeSeconds);
  // The client's own settings-file rules: other keys, sections and comments stay as they are.
  auto ini = lexiton::openPortableProfile(need(o, "ini"));
  const std::string address = need(o, "address");
  namespace keys = lexiton::settings::server;
  for (const auto& [key, value] : {std::pair<std::string_view, std::string>{keys::kSessionId, id},
                                   {keys::kServerAddress, address},
                                   {keys::kServerMode, "1"}})
    if (!ini->writeString(keys::kSection, key, value))
      throw std::runtime_error("cannot write " + ini->path());
  std::printf("%s\n", id.substr(0, lexiton::server::kSessionNameLength).c_str());
  return 0;
}

// The reply for one text, shown in UTF-8: a way to see what the server answers without a client.
int translate(const std::map<std::string, std::string>& o) {
  const std::u16string text = lexiton::utf8ToUtf16(need(o, "text"));
  const std::size_t pointer = o.count("pointer") ? std::stoul(o.at("pointer")) : 0;
  if (pointer > text.size()) throw std::runtime_error("--pointer is beyond the text");
  const std::string query = lexiton::protocol::markedQueryText(text, pointer);
  const lexiton::server::TranslateResult r = lexiton::server::dictionaryTranslator(dictionaryPath(o))(query);
  // Hungarian letters travel as Windows-1250 bytes.
  std::printf("%d %s\n", r.code, lexiton::codePageToUtf8(r.text, lexiton::CodePage::windows1250).c_str());
  return r.code == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc >= 2 && std::strcmp(argv[1], "serve") == 0) return serve(options(argc, argv));
    if (argc >= 2 && std::strcmp(argv[1], "session") == 0) return session(options(argc, argv));
    if (argc >= 2 && std::strcmp(argv[1], "translate") == 0) return translate(options(argc, argv));
    std::fputs(kUsage, stderr);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexiton-server: %s\n%s", e.what(), kUsage);
    return 2;
  }
}
