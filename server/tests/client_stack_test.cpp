// The client's own protocol stack (ServerConnection: query record, ClientPacker, libcurl)
// against the real lexiton-server program on a loopback port, with the settings file the
// server's session command writes; and against the server's HTTP layer when it is overloaded.
#include "lexiton/profile.h"
#include "lexiton/protocol/query_text.h"
#include "lexiton/protocol/result_codes.h"
#include "lexiton/protocol/server_connection.h"
#include "lexiton/server/http_server.h"

#include "raw_client.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <httplib.h>

using lexiton::protocol::encodeQueryText;
using lexiton::protocol::ServerConnection;

namespace {

class ClientStack : public ::testing::Test {
 protected:
  static inline std::filesystem::path dir;
  static inline std::string ini;
  static inline pid_t child = -1;
  static inline int port = 0;

  static void SetUpTestSuite() {
    dir = std::filesystem::temp_directory_path() / ("lexsrv-stack-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string db = (dir / "s.db").string();
    ini = (dir / "lexiton.ini").string();
    port = 20000 + (getpid() + 7919) % 20000;
    const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/";
    const std::string cmd = "./lexiton-server session --db " + db +
                            " --user anna --password secret --address " + address + " --ini " + ini +
                            " >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    // The client sends the user's name and password with every query.
    auto settings = lexiton::openPortableProfile(ini);
    ASSERT_TRUE(settings->writeString("User Settings", "Name", "anna"));
    ASSERT_TRUE(settings->writeString("User Settings", "Password", "secret"));
    ASSERT_TRUE(settings->writeString("Server Settings", "Server_Timeout", "10"));

    child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const std::string listen = "127.0.0.1:" + std::to_string(port);
      const int quiet = ::open("/dev/null", O_WRONLY);
      if (quiet >= 0) dup2(quiet, 2);
      execl("./lexiton-server", "lexiton-server", "serve", "--db", db.c_str(), "--listen", listen.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    httplib::Client probe("127.0.0.1", port);
    for (int i = 0; i < 400; ++i) {
      if (probe.Get("/")) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    FAIL() << "lexiton-server did not come up";
  }

  static void TearDownTestSuite() {
    if (child > 0) {
      kill(child, SIGTERM);
      int status = 0;
      waitpid(child, &status, 0);
    }
    std::filesystem::remove_all(dir);
  }

  // The pipeline's query text: the encoded text with the marker before the pointed character.
  static std::string marked(std::u16string_view text, std::size_t pointer) {
    return encodeQueryText(text.substr(0, pointer)) + "&kvopoint;" + encodeQueryText(text.substr(pointer));
  }
};

TEST_F(ClientStack, RealTranslationThroughServerConnection) {
  auto settings = lexiton::openPortableProfile(ini);
  ServerConnection connection(*settings);
  const std::u16string text = u"I saw it. The houses are big. Then we left.";
  std::string out;
  ASSERT_EQ(connection.query("", marked(text, text.find(u"houses")), 1, out), 0) << out;
  EXPECT_NE(out.find("<surf-ss>The <HL>houses</HL> are big.</surf-ss>"), std::string::npos) << out;
  const std::size_t st = out.find("<surf-st>");
  ASSERT_NE(st, std::string::npos);
  EXPECT_NE(out.find("h\xE1z", st), std::string::npos) << out;  // Windows-1250 "ház"
  EXPECT_NE(out.find("<chunk>", st), std::string::npos);

  // the phrasal verb, with a non-ASCII character in the text (sent as a reference)
  const std::u16string phrase = u"He gave up \u2013 finally.";
  ASSERT_EQ(connection.query("", marked(phrase, phrase.find(u"up")), 1, out), 0) << out;
  EXPECT_NE(out.find("<HL>gave up</HL>"), std::string::npos) << out;
  EXPECT_NE(out.find("&#x2013;"), std::string::npos) << out;
}

TEST_F(ClientStack, NotEnglishIsTheServersErrorRecord) {
  auto settings = lexiton::openPortableProfile(ini);
  ServerConnection connection(*settings);
  const std::u16string text = u"A h\u00e1zak nagyok \u00e9s sz\u00e9pek.";
  std::string out;
  EXPECT_EQ(connection.query("", marked(text, 3), 1, out), 1);
  EXPECT_EQ(out.substr(0, 5), "1010 ") << out;
}

TEST_F(ClientStack, WrongSessionsGive1708AndAnEndedOneLivesOn) {
  // A session identifier of the wrong length never leaves the client.
  std::filesystem::path copy = dir / "short.ini";
  std::filesystem::copy_file(ini, copy, std::filesystem::copy_options::overwrite_existing);
  auto shortSettings = lexiton::openPortableProfile(copy.string());
  const std::string id = shortSettings->readString("Server Settings", "SessionID");
  ASSERT_EQ(id.size(), 104u);
  ASSERT_TRUE(shortSettings->writeString("Server Settings", "SessionID", id.substr(0, 103)));
  std::string out;
  {
    ServerConnection connection(*shortSettings);
    EXPECT_EQ(connection.query("", "The &kvopoint;houses.", 1, out), 1708);
    EXPECT_EQ(out, "1708 Wrong or expired session identification submitted!(xxx)");
  }
  // A well-formed identifier the server does not know: its status line.
  std::string unknown = id;
  unknown[0] = unknown[0] == 'A' ? 'B' : 'A';
  ASSERT_TRUE(shortSettings->writeString("Server Settings", "SessionID", unknown));
  {
    ServerConnection connection(*shortSettings);
    EXPECT_EQ(connection.query("", "The &kvopoint;houses.", 1, out), 1708);
    EXPECT_EQ(out.substr(0, 5), "1708 ") << out;
  }
  // A session the client ended at its exit: the next start goes on with the same identifier.
  ASSERT_TRUE(shortSettings->writeString("Server Settings", "SessionID", id));
  auto settings = lexiton::openPortableProfile(copy.string());
  {
    ServerConnection connection(*settings);
    ASSERT_EQ(connection.query("", "The &kvopoint;houses.", 1, out), 0) << out;
    EXPECT_EQ(connection.close(), 0);
  }
  ServerConnection nextStart(*settings);
  EXPECT_EQ(nextStart.query("", "The &kvopoint;houses.", 1, out), 0) << out;
  EXPECT_NE(out.find("<HL>houses</HL>"), std::string::npos) << out;
}

// A server over its queue bound refuses with 503 and the 1710 line. The look-up ends in 1710,
// which the user sees as the localized "server is busy" text, not as a broken reply; and the
// client makes exactly one request: nothing is retried.
TEST(ClientAgainstAnOverloadedServer, OneRequestPerLookUpEndingIn1710) {
  using namespace std::chrono_literals;
  using lexiton::server::test_support::Client;
  lexiton::server::HttpOptions o;
  o.workers = 1;
  o.queueBound = 100ms;
  std::atomic<int> started{0};
  lexiton::server::HttpServer server(o, [&](const lexiton::server::HttpRequest&) {
    ++started;
    std::this_thread::sleep_for(300ms);  // a translation that takes its time
    return lexiton::server::HttpReply{200, "0"};
  });
  server.start();
  const std::string request = "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 1\r\n\r\nq";
  {
    Client first(server.port());  // tells the pool how long a request takes
    ASSERT_TRUE(first.send(request));
    ASSERT_EQ(first.reply(5000ms).rfind("HTTP/1.1 200", 0), 0u);
  }
  // One request on the worker and one waiting behind it: 300 ms of work queued, over the bound.
  Client running(server.port());
  ASSERT_TRUE(running.send(request));
  for (int i = 0; i < 500 && started < 2; ++i) std::this_thread::sleep_for(10ms);
  Client queued(server.port());
  ASSERT_TRUE(queued.send(request));
  for (int i = 0; i < 500 && server.counters().queued < 1; ++i) std::this_thread::sleep_for(10ms);
  ASSERT_EQ(server.counters().accepted, 3u);
  ASSERT_GT(server.counters().backlog, o.queueBound);

  const auto dir = std::filesystem::temp_directory_path() / ("lexsrv-overload-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string ini = (dir / "lexiton.ini").string();
  {
    auto settings = lexiton::openPortableProfile(ini);
    ASSERT_TRUE(settings->writeString("Server Settings", "Server_Address",
                                      "http://127.0.0.1:" + std::to_string(server.port()) + "/"));
    ASSERT_TRUE(
        settings->writeString("Server Settings", "SessionID", std::string(40, 'A') + std::string(64, '7')));
    ASSERT_TRUE(settings->writeString("Server Settings", "Server_Timeout", "10"));
  }
  auto settings = lexiton::openPortableProfile(ini);
  ServerConnection connection(*settings);
  const lexiton::server::HttpCounters before = server.counters();
  std::string out;
  EXPECT_EQ(connection.query("", "The &kvopoint;houses.", 1, out), 1710);
  EXPECT_EQ(out, "1710 Not accepting connections (restarting service)!");
  const lexiton::server::HttpCounters after = server.counters();
  EXPECT_EQ(after.accepted - before.accepted, 1u);
  EXPECT_EQ(
      after.refusedAtAccept + after.refusedAtDispatch - before.refusedAtAccept - before.refusedAtDispatch,
      1u);
  using lexiton::protocol::localizedResultText;
  EXPECT_EQ(localizedResultText(1710, 1033, out),
            "The Korvell server is busy; please try again in a moment.");
  EXPECT_EQ(localizedResultText(1710, 1038, out), lexiton::protocol::stringTableEntry(141));
  std::filesystem::remove_all(dir);
}

}  // namespace
