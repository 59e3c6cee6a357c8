// The transport through proxies: the loopback server standing in for an HTTP proxy (on every
// platform), and Debian's tinyproxy (HTTP, basic authentication) and microsocks (SOCKS5 with
// user and password) started natively on loopback.
#include <gtest/gtest.h>

#include "lexiton/protocol/server_connection.h"
#include "protocol_test_util.h"
#ifndef _WIN32
#include <unistd.h>

#include "proxy_process.h"
#endif

using namespace lexiton::protocol;
using namespace lexiton::protocol::test;
using lexiton::test::LoopbackServer;
using lexiton::test::Reply;
using lexiton::test::Request;

namespace {
SettingsFile::Sections viaProxy(const std::string& serverUrl, const std::string& proxy,
                                const std::string& auth, const std::string& type) {
  auto sections = serverSettings(serverUrl);
  sections["Server Settings"]["Proxy_Server"] = proxy;
  sections["Server Settings"]["Proxy_Auth"] = auth;
  sections["Server Settings"]["Proxy_Type"] = type;
  return sections;
}

// An HTTP proxy that wants bob:secret and then answers for the server itself.
Reply strictProxy(const Request& r) {
  if (r.header("Proxy-Authorization") != lexiton::test::basicAuthorization("bob:secret"))
    return Reply::proxyAuthRequired();
  return translationServer([](const std::string&) { return std::string("via proxy"); })(r);
}
}  // namespace

TEST(HttpProxy, OneRetryWithBasicCredentialsAfter407) {
  LoopbackServer proxy(strictProxy);
  SettingsFile settings(viaProxy("http://translation.invalid/q", proxy.hostPort(), "bob:secret", "0"));
  ServerConnection c(settings.profile());
  std::string out;
  EXPECT_EQ(c.query("", "house", 1, out), 0);
  EXPECT_EQ(out, "via proxy");
  const auto seen = proxy.requests();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].header("Proxy-Authorization"), "");
  EXPECT_EQ(seen[1].header("Proxy-Authorization"), "Basic Ym9iOnNlY3JldA==");
  EXPECT_EQ(seen[1].target, "http://translation.invalid/q");
}

TEST(HttpProxy, RefusalCutShortStillLeadsToTheRetry) {
  LoopbackServer proxy([](const Request& r) {
    if (r.header("Proxy-Authorization").empty()) {
      Reply refusal = Reply::proxyAuthRequired();
      refusal.drop = true;  // the connection closes before the refusal's page
      return refusal;
    }
    return strictProxy(r);
  });
  SettingsFile settings(viaProxy("http://translation.invalid/q", proxy.hostPort(), "bob:secret", "0"));
  ServerConnection c(settings.profile());
  std::string out;
  EXPECT_EQ(c.query("", "house", 1, out), 0);
  EXPECT_EQ(out, "via proxy");
  EXPECT_EQ(proxy.requestCount(), 2u);
}

TEST(HttpProxy, SecondRefusalGives1203AndNoCredentialsNoRetry) {
  LoopbackServer proxy(strictProxy);
  std::string out;
  {
    SettingsFile settings(viaProxy("http://translation.invalid/q", proxy.hostPort(), "bob:wrong", "0"));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1203);
    EXPECT_EQ(out, "1203 Error in server's reply! (407)");
    EXPECT_EQ(proxy.requestCount(), 2u);
  }
  {
    SettingsFile settings(viaProxy("http://translation.invalid/q", proxy.hostPort(), "", "0"));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1203);
    EXPECT_EQ(out, "1203 Error in server's reply! (407)");
    EXPECT_EQ(proxy.requestCount(), 3u);
  }
}

TEST(HttpProxy, ConfirmedProxyReachesTheNextQueryAndTheSettingsFile) {
  LoopbackServer server(translationServer([](const std::string&) { return std::string("direct"); }));
  LoopbackServer proxy(strictProxy);
  SettingsFile settings(serverSettings(server.url("/q")));
  ServerConnection c(settings.profile());
  std::string out;
  ASSERT_EQ(c.query("", "house", 1, out), 0);
  EXPECT_EQ(out, "direct");
  c.setProxy(proxy.hostPort(), "0", "bob:secret", &settings.profile());
  ASSERT_EQ(c.query("", "house", 1, out), 0);
  EXPECT_EQ(out, "via proxy");
  EXPECT_EQ(server.requestCount(), 1u);
  auto reread = lexiton::openPortableProfile(settings.profile().path());
  EXPECT_EQ(reread->readString("Server Settings", "Proxy_Server"), proxy.hostPort());
  EXPECT_EQ(reread->readString("Server Settings", "Proxy_Auth"), "bob:secret");
  EXPECT_EQ(reread->readString("Server Settings", "Proxy_Type"), "0");
  EXPECT_EQ(reread->readString("Server Settings", "SessionID"), kSessionId);
}

#ifndef _WIN32
namespace {
// A started proxy program. The programs are in the package lists, so a missing one is a
// failure of the set-up, never a reason to skip.
#define START_PROXY(var, program, command)                                                        \
  const std::string var##Path = findProgram(program);                                             \
  if (var##Path.empty()) FAIL() << program " is not installed (scripts/packages; run make deps)"; \
  const int var##Port = freeLoopbackPort();                                                       \
  ProxyProcess var(command, var##Port);                                                           \
  ASSERT_TRUE(var.ready()) << program " did not start"
}  // namespace

TEST(Tinyproxy, BasicAuthenticationAfter407) {
  LoopbackServer server(
      translationServer([](const std::string&) { return std::string("through tinyproxy"); }));
  const std::string config =
      ::testing::TempDir() + "lexiton_tinyproxy_" + std::to_string(::getpid()) + ".conf";
  START_PROXY(proxy, "tinyproxy", tinyproxyCommand(proxyPath, proxyPort, "bob", "secret", config));
  std::string out;
  {
    SettingsFile settings(viaProxy(server.url("/q"), proxy.hostPort(), "bob:secret", "0"));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 0);
    EXPECT_EQ(out, "through tinyproxy");
    EXPECT_EQ(server.requestCount(), 1u);
  }
  {
    SettingsFile settings(viaProxy(server.url("/q"), proxy.hostPort(), "bob:wrong", "0"));
    ServerConnection c(settings.profile());
    // tinyproxy refuses wrong credentials with 401 and resets the connection.
    EXPECT_EQ(c.query("", "house", 1, out), 1203);
    EXPECT_EQ(out, "1203 Error in server's reply! (401)");
    EXPECT_EQ(server.requestCount(), 1u);
  }
  std::remove(config.c_str());
}

TEST(Microsocks, Socks5WithUserAndPassword) {
  LoopbackServer server(translationServer([](const std::string&) { return std::string("through socks"); }));
  START_PROXY(proxy, "microsocks", microsocksCommand(proxyPath, proxyPort, "bob", "secret"));
  std::string out;
  {
    SettingsFile settings(viaProxy(server.url("/q"), proxy.hostPort(), "bob:secret", "5"));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 0);
    EXPECT_EQ(out, "through socks");
  }
  {
    // The SOCKS5 proxy refuses the user: libcurl's proxy error, no retry.
    SettingsFile settings(viaProxy(server.url("/q"), proxy.hostPort(), "bob:wrong", "5"));
    ServerConnection c(settings.profile());
    EXPECT_EQ(c.query("", "house", 1, out), 1202);
    EXPECT_EQ(out, "1202 Error receiving reply from server! (97)");
  }
  EXPECT_EQ(server.requestCount(), 1u);
}
#endif
