// The real program as a child process on a loopback port: session set-up, queries over HTTP,
// clean exit on SIGTERM.
#include "lexiton/protocol/client_packer.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/request_form.h"
#include "lexiton/test/files.h"

#include <httplib.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "raw_client.h"

#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace lexiton::server;

namespace {

std::string readAll(const std::filesystem::path& p) { return lexiton::test::readFile(p.string()); }

// The threads of process `pid` with the name `name`.
int threadsNamed(pid_t pid, const std::string& name) {
  int n = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task"))
    if (readAll(task.path() / "comm") == name + "\n") ++n;
  return n;
}

}  // namespace

TEST(ServerProcess, TranslateCommandShowsTheReplyInUtf8) {
  FILE* out = popen("./lexiton-server translate --text 'The houses are big.' --pointer 4", "r");
  ASSERT_NE(out, nullptr);
  std::string text;
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, out)) text.append(buf, n);
  const int status = pclose(out);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(text.rfind("0 <surf-ss>The <HL>houses</HL> are big.</surf-ss>", 0), 0u) << text;
  EXPECT_NE(text.find("h\xC3\xA1z"), std::string::npos) << text;  // UTF-8 on the terminal
  EXPECT_NE(std::system("./lexiton-server translate --text 'x' --pointer 5 2>/dev/null"), 0);
}

TEST(ServerProcess, SessionServeQueryAndTerminate) {
  auto dir = std::filesystem::temp_directory_path() / ("lexsrv-proc-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  auto db = (dir / "s.db").string(), ini = (dir / "lexiton.ini").string();
  {
    // The client's own keys and an older session: the session command replaces its keys
    // and keeps everything else.
    std::ofstream o(ini);
    o << "; settings\n[dict]\nUserLang=1038\n[server settings]\nServer_Mode=0\nProxy_Type=5\n";
  }
  const int port = 20000 + getpid() % 20000;
  std::string address = "http://127.0.0.1:" + std::to_string(port) + "/";
  std::string cmd = "./lexiton-server session --db " + db + " --user anna --password secret --address " +
                    address + " --ini " + ini + " >/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::string iniText = readAll(ini);
  auto at = iniText.find("SessionID=");
  ASSERT_NE(at, std::string::npos);
  std::string id = iniText.substr(at + 10, 104);
  EXPECT_NE(iniText.find("Server_Mode=1"), std::string::npos);
  EXPECT_EQ(iniText.find("Server_Mode=0"), std::string::npos);
  EXPECT_NE(iniText.find("UserLang=1038"), std::string::npos);
  EXPECT_NE(iniText.find("Proxy_Type=5"), std::string::npos);
  EXPECT_NE(iniText.find("; settings"), std::string::npos);

  // Without its dictionary the server does not start.
  const std::string noDict = "./lexiton-server serve --db " + db +
                             " --listen 127.0.0.1:" + std::to_string(port) + " --dict " +
                             (dir / "missing.dict").string() + " 2>/dev/null";
  const int refused = std::system(noDict.c_str());
  ASSERT_TRUE(WIFEXITED(refused));
  EXPECT_EQ(WEXITSTATUS(refused), 2);

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Allowed one core (as a container's cpuset may allow), the server starts no worker (its
    // event loop translates), not one per core of the machine.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu() < 0 ? 0 : sched_getcpu(), &one);
    sched_setaffinity(0, sizeof one, &one);
    std::string listen = "127.0.0.1:" + std::to_string(port);
    execl("./lexiton-server", "lexiton-server", "serve", "--db", db.c_str(), "--listen", listen.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  httplib::Client client("127.0.0.1", port);
  client.set_read_timeout(10, 0);
  bool up = false;
  // The dictionary is loaded before the port is taken: seconds under a sanitizer on a busy machine.
  for (int i = 0; i < 1200 && !up; ++i) {
    auto g = client.Get("/");
    if (g) {
      up = true;
      EXPECT_EQ(g->body, kStatusNoPostedData);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
  }
  ASSERT_TRUE(up);
  EXPECT_EQ(threadsNamed(child, "lexiton-work"), 0);
  EXPECT_EQ(threadsNamed(child, "lexiton-accept"), 1);

  const std::string key = id.substr(40);
  const lexiton::protocol::ClientPacker packer;
  std::string packed;
  std::string record =
      "lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;dat|:The &kvopoint;houses are big.|.";
  ASSERT_TRUE(packer.pack(key, record, packed));
  std::string body = "who=1.2.3.44lx&where=Korvell&what=" + id.substr(0, 40) + packed;
  auto r = client.Post("/", body, "application/x-www-form-urlencoded");
  ASSERT_TRUE(r);
  std::string plain;
  ASSERT_TRUE(packer.unpack(key, r->body, plain)) << r->body;
  EXPECT_NE(plain.find("h\xE1z"), std::string::npos) << plain;

  auto big = client.Post("/", std::string(kMaxBodyBytes + 10, 'a'), "application/x-www-form-urlencoded");
  EXPECT_TRUE(!big || big->status == 413 || big->body.rfind("4040", 0) == 0);

  kill(child, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::filesystem::remove_all(dir);
}

namespace {

// A served session in a temporary folder, and the server as a child process.
struct Served {
  std::filesystem::path dir;
  std::string db, id, key;
  int port = 0;
  pid_t child = -1;
  std::vector<std::string> options;  // more options of `serve`

  explicit Served(const char* tag, int portOffset) {
    dir = std::filesystem::temp_directory_path() /
          (std::string("lexsrv-") + tag + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    db = (dir / "s.db").string();
    port = 20000 + (getpid() + portOffset) % 20000;
    const std::string ini = (dir / "lexiton.ini").string();
    const std::string cmd = "./lexiton-server session --db " + db +
                            " --user anna --password secret --address " +
                            "http://127.0.0.1:" + std::to_string(port) + "/ --ini " + ini + " >/dev/null";
    if (std::system(cmd.c_str()) != 0) throw std::runtime_error("session command failed");
    const std::string text = readAll(ini);
    id = text.substr(text.find("SessionID=") + 10, 104);
    key = id.substr(40);
  }
  ~Served() {
    stop();
    std::filesystem::remove_all(dir);
  }
  bool start() {
    child = fork();
    if (child == 0) {
      const std::string listen = "127.0.0.1:" + std::to_string(port);
      const std::string log = (dir / "server.log").string();
      std::freopen(log.c_str(), "w", stderr);
      std::vector<const char*> argv{"lexiton-server", "serve",    "--db",
                                    db.c_str(),       "--listen", listen.c_str()};
      for (const std::string& o : options) argv.push_back(o.c_str());
      argv.push_back(nullptr);
      execv("./lexiton-server", const_cast<char* const*>(argv.data()));
      _exit(127);
    }
    for (int i = 0; i < 1200; ++i) {
      lexiton::server::test_support::Client probe(port);
      if (probe.connected()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
  }
  // The exit status, or -1 when the server did not end within the limit.
  int stop(std::chrono::seconds limit = std::chrono::seconds(20)) {
    if (child <= 0) return -1;
    kill(child, SIGTERM);
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
      if (waitpid(child, &status, WNOHANG) == child) {
        child = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    child = -1;
    return -1;
  }
  std::string request(const std::string& record =
                          "lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;"
                          "dat|:The &kvopoint;houses are big.|.") const {
    std::string packed;
    lexiton::protocol::ClientPacker().pack(key, record, packed);
    const std::string body = "who=1.2.3.44lx&where=Korvell&what=" + id.substr(0, 40) + packed;
    return "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
  }
  std::string plain(const std::string& reply) const {
    const auto end = reply.find("\r\n\r\n");
    std::string out;
    if (end == std::string::npos ||
        !lexiton::protocol::ClientPacker().unpack(key, reply.substr(end + 4), out))
      return "?" + reply;
    return out;
  }
};

}  // namespace

// With workers (the default on more than one core) and without (the event loop translates).
class SigtermWithRequestsInFlight : public testing::TestWithParam<const char*> {};

TEST_P(SigtermWithRequestsInFlight, AnswersOrClosesEachOne) {
  Served s("term", 104729);
  s.options = {"--workers", GetParam()};
  ASSERT_TRUE(s.start());
  const std::string request = s.request();
  std::atomic<bool> stopSent{false};
  std::atomic<int> answered{0}, refused{0}, answeredAfterSignal{0};
  std::mutex failuresLock;
  std::vector<std::string> failures;
  auto client = [&] {
    // New connections until the server no longer takes them; each request must either be
    // answered in full, refused with the protocol's 503, or see its connection refused or
    // closed with nothing sent back.
    for (int i = 0; i < 5000; ++i) {
      lexiton::server::test_support::Client c(s.port);
      const bool afterSignal = stopSent.load();
      if (!c.connected()) {
        ++refused;
        if (afterSignal) return;
        continue;
      }
      c.send(request);
      const std::string reply = c.reply(std::chrono::milliseconds(15000));
      if (reply.empty()) {
        ++refused;
        if (stopSent.load()) return;
        continue;
      }
      const std::string text = s.plain(reply);
      if (reply.rfind("HTTP/1.1 200", 0) == 0 && text.find("<HL>houses</HL>") != std::string::npos) {
        ++answered;
        if (afterSignal) ++answeredAfterSignal;
      } else if (reply.rfind("HTTP/1.1 503", 0) == 0 &&
                 reply.find("\r\n\r\n1710 Not accepting connections") != std::string::npos) {
        // Eight clients without a pause can fill the queue (a slow build): a clear refusal.
        ++refused;
        if (stopSent.load()) return;
      } else {
        std::lock_guard lock(failuresLock);
        failures.push_back(reply.substr(0, 200));
        return;
      }
    }
  };
  std::vector<std::thread> clients;
  for (int i = 0; i < 8; ++i) clients.emplace_back(client);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  stopSent = true;
  // A sanitizer's report in the server (its exit status) is in its log.
  EXPECT_EQ(s.stop(), 0) << readAll((s.dir / "server.log").string()).substr(0, 20000);
  for (auto& t : clients) t.join();
  EXPECT_TRUE(failures.empty()) << failures.size() << " broken replies, first: " << failures.front();
  EXPECT_GT(answered.load(), 0);
  std::printf("answered %d (%d sent after the signal), refused or closed %d\n", answered.load(),
              answeredAfterSignal.load(), refused.load());
}

INSTANTIATE_TEST_SUITE_P(ServerProcess, SigtermWithRequestsInFlight, testing::Values("2", "0"));

TEST(ServerProcess, TheSessionCommandInvalidatesTheServersSessionCache) {
  Served s("cache", 3571);
  ASSERT_TRUE(s.start());
  auto ask = [&] {
    lexiton::server::test_support::Client c(s.port);
    c.send(s.request());
    return s.plain(c.reply());
  };
  ASSERT_NE(ask().find("<HL>houses</HL>"), std::string::npos);
  // The session is cut short in the database behind the server's back: the server answers
  // from its cache ...
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(s.db.c_str(), &db), SQLITE_OK);
  sqlite3_busy_timeout(db, 5000);
  ASSERT_EQ(sqlite3_exec(db, "UPDATE sessions SET expires=1", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  EXPECT_NE(ask().find("<HL>houses</HL>"), std::string::npos);
  // ... until the session command writes to the store; then within about a second every
  // server reads its sessions again.
  const std::string cmd = "./lexiton-server session --db " + s.db + " --user bela --password pw --address " +
                          "http://127.0.0.1:1/ --ini " + (s.dir / "other.ini").string() + " >/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::string last;
  for (int i = 0; i < 60; ++i) {
    last = ask();
    if (last.find("1708 ") != std::string::npos) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_NE(last.find("1708 "), std::string::npos) << last;
  EXPECT_EQ(s.stop(), 0);
}
