// ServerConnection through the whole stack: settings file, query record, packing, libcurl and
// a real HTTP server on loopback, reaching every result code a look-up can end with.
#include "lexiton/protocol/server_connection.h"

#include <gtest/gtest.h>

#include <thread>

#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/url_download.h"
#include "protocol_test_util.h"

using namespace lexiton::protocol;
using namespace lexiton::protocol::test;
using lexiton::test::LoopbackServer;
using lexiton::test::Reply;
using lexiton::test::Request;

TEST(ServerConnection, WrongSessionLengthGives1708WithoutTraffic) {
  LoopbackServer server([](const Request&) { return Reply(200, "00"); });
  for (std::size_t n : {103u, 105u}) {
    SettingsFile settings(serverSettings(server.url("/q"), 5, std::string(n, 'A')));
    ServerConnection c(settings.profile());
    std::string out;
    EXPECT_EQ(c.query("", "house", 1, out), 1708);
    EXPECT_EQ(out, "1708 Wrong or expired session identification submitted!(xxx)");
  }
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST(ServerConnection, ReplyRecordBodyAndHeader) {
  LoopbackServer server(translationServer([](const std::string& record) {
    if (record.find("dat|:plain|.") != std::string::npos) return std::string("<r>no bar</r>");
    if (record.find("dat|:token|.") != std::string::npos) return std::string("first|.second|.");
    return std::string("<r>house</r>");
  }));
  SettingsFile settings(serverSettings(server.url("/q")));
  ServerConnection c(settings.profile());
  std::string out;
  ASSERT_EQ(c.query("src", "house", 1, out), 0);
  EXPECT_EQ(out, "<r>house</r>");
  EXPECT_EQ(c.query("", "plain", 2, out), 0);
  EXPECT_EQ(out, "<r>no bar</r>");
  EXPECT_EQ(c.query("", "token", 2, out), 0);
  EXPECT_EQ(out, "first");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 3u);
  const Request& first = requests[0];
  EXPECT_EQ(first.method, "POST");
  EXPECT_EQ(first.target, "/q");
  const std::string prefix = "who=1.2.3.44lx&where=Korvell&what=" + kSessionName;
  ASSERT_EQ(first.body.compare(0, prefix.size(), prefix), 0) << first.body;
  std::string record;
  ASSERT_TRUE(ClientPacker().unpack(kSessionKey, first.body.substr(prefix.size()), record));
  EXPECT_EQ(record, "usr|:anna|;lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:src|;dat|:house|.");
  const std::string agent = first.header("User-Agent");
  EXPECT_EQ(agent.rfind("libcurl/", 0), 0u) << agent;
  EXPECT_EQ(agent.substr(agent.find(' ')), " (ClientPacker: 1.2.3.44lx)");
}

TEST(ServerConnection, EmptyWindowSendsAnEmptyRecord) {
  std::string seen = "unset";
  LoopbackServer server(translationServer([&seen](const std::string& record) {
    seen = record;
    return std::string("ok");
  }));
  SettingsFile settings(serverSettings(server.url("/q")));
  ServerConnection c(settings.profile());
  std::string out;
  EXPECT_EQ(c.query("src", "", 1, out), 0);
  EXPECT_EQ(seen, "");
}

TEST(ServerConnection, ErrorRecordAndStatusLines) {
  LoopbackServer server([](const Request& r) {
    if (r.target == "/record")
      return translationServer([](const std::string&) { return std::string("Wrong query|:1502|."); })(r);
    if (r.target == "/1709") return Reply(200, "1709 Session interrupted!");
    if (r.target == "/1708") return Reply(200, "1708 Wrong or expired session identification submitted!");
    return Reply(200, "4040 No posted data (Usually running from a browser)! ");
  });
  std::string out;
  const auto run = [&](const char* path) {
    SettingsFile settings(serverSettings(server.url(path)));
    ServerConnection c(settings.profile());
    return c.query("", "house", 1, out);
  };
  EXPECT_EQ(run("/record"), 1);
  EXPECT_EQ(out, "1502 Wrong query");
  EXPECT_EQ(run("/1709"), 1709);
  EXPECT_EQ(out, "1709 Session interrupted!");
  EXPECT_EQ(run("/1708"), 1708);
  EXPECT_EQ(out, "1708 Wrong or expired session identification submitted!");
  EXPECT_EQ(run("/4040"), 4040);
  EXPECT_EQ(out, "4040 No posted data (Usually running from a browser)! ");
}

TEST(ServerConnection, ReceiveFailuresGive1202) {
  const std::string longBody = "<html><body>" + std::string(100, 'x') + "</body></html>";
  LoopbackServer server([&longBody](const Request& r) {
    if (r.target == "/html") return Reply(200, "<html>");
    if (r.target == "/long") return Reply(200, longBody);
    if (r.target == "/huge") return Reply(200, std::string(HttpTransport::kMaxReplyBytes + 16, 'A'));
    return Reply::dropped();
  });
  std::string out;
  const auto run = [&](const std::string& url, int timeoutSeconds = 5) {
    SettingsFile settings(serverSettings(url, timeoutSeconds));
    ServerConnection c(settings.profile());
    return c.query("", "house", 1, out);
  };
  EXPECT_EQ(run(server.url("/html")), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (<html>)");
  EXPECT_EQ(run(server.url("/long")), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (" + longBody.substr(0, 50) + ")");
  // The connection closes after the headers, before the announced body (CURLE_PARTIAL_FILE).
  EXPECT_EQ(run(server.url("/dropped")), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (18)");
  // A reply beyond the bound ends the transfer (CURLE_WRITE_ERROR) instead of filling memory.
  // 16 MB through the loopback takes seconds under wine on a busy machine: a timeout would end
  // the transfer with its own code (28) before the bound is reached.
  EXPECT_EQ(run(server.url("/huge"), 120), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (23)");

  std::string refused;
  {
    LoopbackServer gone([](const Request&) { return Reply(); });
    refused = gone.url("/q");
  }
  EXPECT_EQ(run(refused), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (7)");
}

TEST(ServerConnection, RejectedStatusGives1203) {
  LoopbackServer server([](const Request& r) {
    if (r.target == "/e500") return Reply(500, "internal");
    if (r.target == "/moved") return Reply::redirect("/q");
    if (r.target == "/q") return Reply(200, "00");
    return Reply(404, "");
  });
  std::string out;
  const auto run = [&](const char* path) {
    SettingsFile settings(serverSettings(server.url(path)));
    ServerConnection c(settings.profile());
    return c.query("", "house", 1, out);
  };
  EXPECT_EQ(run("/e500"), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (500)");
  EXPECT_EQ(run("/nothing"), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (404)");
  // The redirect is followed, but the transfer is judged by its first status line.
  EXPECT_EQ(run("/moved"), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (302)");
  const auto seen = server.requests();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[3].target, "/q");
}

TEST(ServerConnection, RepliesThatDoNotUnpackGive1204) {
  std::string packedOther;
  ClientPacker().pack(std::string(64, 'F'), "other key", packedOther);
  LoopbackServer server([&packedOther](const Request& r) {
    if (r.target == "/short") return Reply(200, std::string(30, 'A'));
    if (r.target == "/empty") return Reply(200, "");
    return Reply(200, packedOther);
  });
  std::string out;
  for (const char* path : {"/short", "/empty", "/otherkey"}) {
    SettingsFile settings(serverSettings(server.url(path)));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1204) << path;
    EXPECT_EQ(out, "1204 Error in decoding reply!");
  }
}

TEST(ServerConnection, SlowServerGives1208AndNoLimitWaits) {
  LoopbackServer server([](const Request& r) {
    return Reply::slow(std::chrono::milliseconds(r.target == "/slower" ? 2500 : 1500), "00");
  });
  std::string out;
  {
    SettingsFile settings(serverSettings(server.url("/slower"), 1));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1208);
    EXPECT_EQ(out, "1208 Query timed out!");
  }
  {
    // Time-out 0 sets no overall limit: the late reply arrives (and is not a valid packet).
    SettingsFile settings(serverSettings(server.url("/slow"), 0));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1204);
  }
}

TEST(ServerConnection, SettingLibcurlRefusesGives1201WithoutTraffic) {
  LoopbackServer server([](const Request&) { return Reply(200, "00"); });
  SettingsFile settings(serverSettings(server.url("/q"), -3));
  ServerConnection c(settings.profile());
  std::string out;
  EXPECT_EQ(c.query("", "house", 1, out), 1201);
  EXPECT_EQ(out, "1201 Could not initialize server connection component!");
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST(QuerySession, AddressBeyondLibcurlsLimitGives1201) {
  QuerySession session("http://127.0.0.1:1/" + std::string(9u << 20, 'a'), TransportSettings{});
  std::string out;
  EXPECT_EQ(session.exchange("who=x", out), 1201);
  EXPECT_EQ(out, "1201 Could not initialize server connection component!");
}

TEST(ServerConnection, FailedRebuildLeavesMinusOneUntilTheSettingsChange) {
  LoopbackServer server(translationServer([](const std::string&) { return std::string("ok"); }));
  SettingsFile settings(serverSettings(server.url("/q")));
  int builds = 0;
  ServerConnection c(settings.profile(),
                     [&builds](const std::string& address, const TransportSettings& transport) {
                       if (++builds == 1) throw std::runtime_error("no session");
                       return std::make_shared<QuerySession>(address, transport);
                     });
  std::string out = "stale";
  EXPECT_EQ(c.query("", "house", 1, out), -1);
  EXPECT_EQ(out, "Error at initialisation!");
  EXPECT_EQ(c.query("", "house", 1, out), -1);
  EXPECT_EQ(out, "Unknown exception in HTTP Query! ");
  EXPECT_EQ(c.close(), -1);
  EXPECT_EQ(c.cancelQuery(), -1);
  EXPECT_EQ(server.requestCount(), 0u);
  EXPECT_EQ(builds, 1);

  c.setProxy("", "0", "");
  EXPECT_EQ(c.query("", "house", 1, out), 0);
  EXPECT_EQ(out, "ok");
  EXPECT_EQ(builds, 2);
}

TEST(ServerConnection, SessionEndAndCancelBodies) {
  LoopbackServer server([](const Request&) { return Reply(200, "0 OK"); });
  SettingsFile settings(serverSettings(server.url("/q")));
  ServerConnection c(settings.profile());
  EXPECT_EQ(c.close(), -1);  // no session yet, nothing is sent
  EXPECT_EQ(c.cancelQuery(), -1);
  EXPECT_EQ(server.requestCount(), 0u);
  std::string out;
  c.query("", "house", 1, out);
  EXPECT_EQ(c.cancelQuery(), 0);
  EXPECT_EQ(c.close(), 0);
  const auto seen = server.requests();
  ASSERT_EQ(seen.size(), 3u);
  const std::pair<std::string, std::size_t> expected[] = {{"storno,", 1}, {"sessionend,", 2}};
  for (const auto& [where, index] : expected) {
    const std::string prefix = "who=1.2.3.44lx&where=" + where + "Korvell&what=" + kSessionName;
    ASSERT_EQ(seen[index].body.compare(0, prefix.size(), prefix), 0) << seen[index].body;
    std::string token;
    ASSERT_TRUE(ClientPacker().unpack(kSessionKey, seen[index].body.substr(prefix.size()), token));
    EXPECT_EQ(token.size(), 40u);
    EXPECT_EQ(token.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  }
}

TEST(ServerConnection, SessionEndWithAKeyThatCannotPackGives1205) {
  LoopbackServer server([](const Request&) { return Reply(200, "0 OK"); });
  SettingsFile settings(serverSettings(server.url("/q"), 5, std::string(50, 'B')));
  ServerConnection c(settings.profile());
  std::string out;
  EXPECT_EQ(c.query("", "house", 1, out), 1708);  // builds the session, sends nothing
  EXPECT_EQ(c.cancelQuery(), 1205);
  EXPECT_EQ(c.close(), 1205);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST(ServerConnection, ParallelQueriesWhileTheProxyChanges) {
  LoopbackServer server(
      translationServer([](const std::string& record) { return record.substr(record.find("dat|:") + 5); }));
  SettingsFile settings(serverSettings(server.url("/q")));
  ServerConnection c(settings.profile());
  constexpr int kThreads = 4;
  constexpr int kQueries = 6;
  std::atomic<int> good{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([&c, &good, t] {
      for (int q = 0; q < kQueries; ++q) {
        std::string out;
        const std::string text = "w" + std::to_string(t * 100 + q);
        if (c.query("", text, 1, out) == 0 && out == text) ++good;
      }
    });
  }
  for (int i = 0; i < 10; ++i) {
    c.setProxy("", "0", "");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (auto& w : workers) w.join();
  EXPECT_EQ(good.load(), kThreads * kQueries);
}

TEST(Transport, StatusCodeText) {
  EXPECT_EQ(statusCodeText("HTTP/1.1 404 Not Found\r\n"), "404");
  EXPECT_EQ(statusCodeText("HTTP/1.1   200   OK\r\n"), "200");
  EXPECT_EQ(statusCodeText("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 500 Bad\r\n"), "100");
  EXPECT_EQ(statusCodeText("garbage"), "");
  EXPECT_EQ(statusCodeText("HTTP/1.1"), "");
  EXPECT_EQ(statusCodeText("HTTP/1.1 "), "");
  EXPECT_EQ(statusCodeText("HTTP/1.1 200"), "");
}

TEST(Transport, JudgingOfFinishedDownloads) {
  std::string out;
  EXPECT_EQ(judgeExchange(DownloadOutcome::Ok, "", "0A1b", out), 0);
  EXPECT_EQ(out, "0A1b");
  EXPECT_EQ(judgeExchange(DownloadOutcome::Ok, "", "", out), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(judgeExchange(DownloadOutcome::Ok, "", "1709 Session interrupted!", out), 1709);
  EXPECT_EQ(judgeExchange(DownloadOutcome::Ok, "", "12ab x", out), 1202);  // first non-digit is not a space
  EXPECT_EQ(out, "1202 Error receiving reply from server! (12ab x)");
  EXPECT_EQ(judgeExchange(DownloadOutcome::Ok, "", " lead", out), 0);  // a status line without digits
  EXPECT_EQ(out, " lead");
  EXPECT_EQ(judgeExchange(DownloadOutcome::TransferFailed, "", "7 Failed to connect", out), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (7)");
  EXPECT_EQ(judgeExchange(DownloadOutcome::TimedOut, "", "28 timeout", out), 1208);
  EXPECT_EQ(out, "1208 Query timed out!");
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 407 Proxy\r\n", "", out), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (407)");
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "", "", out), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! ()");
  // A busy server's refusal is its not-accepting status, not a broken reply; a balancer's page,
  // another status with the same line, or another code in a 503 stay bad replies.
  const std::string busy = "1710 Not accepting connections (restarting service)!";
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 503 Service Unavailable\r\n", busy, out),
            1710);
  EXPECT_EQ(out, busy);
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 503 Service Unavailable\r\n",
                          "<html>503</html>", out),
            1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (503)");
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 500 Internal\r\n", busy, out), 1203);
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 503 x\r\n", "0 OK", out), 1203);
  EXPECT_EQ(judgeExchange(DownloadOutcome::BadStatus, "HTTP/1.1 503 x\r\n", "17100 Not", out), 1203);
}
