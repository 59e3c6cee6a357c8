// The loopback server through a real HTTP client: what the handler chooses is what arrives.
#include "lexiton/test/loopback_server.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <atomic>

using lexiton::test::LoopbackServer;
using lexiton::test::Reply;
using lexiton::test::Request;

namespace {
struct Fetched {
  CURLcode code = CURLE_OK;
  long status = 0;
  std::string headers;
  std::string body;
};

size_t collect(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

Fetched fetch(const std::string& url, const std::string& post = {}, bool follow = false,
              long timeoutSeconds = 10) {
  Fetched f;
  CURL* h = curl_easy_init();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &f.body);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, collect);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &f.headers);
  curl_easy_setopt(h, CURLOPT_TIMEOUT, timeoutSeconds);
  if (follow) curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  if (!post.empty()) curl_easy_setopt(h, CURLOPT_POSTFIELDS, post.c_str());
  f.code = curl_easy_perform(h);
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &f.status);
  curl_easy_cleanup(h);
  return f;
}
}  // namespace

TEST(LoopbackServer, HandlerChoosesStatusBodyAndHeadersAndSeesTheRequest) {
  LoopbackServer server([](const Request& r) {
    Reply reply{r.target == "/missing" ? 404 : 200, "got " + r.param("b")};
    reply.headers.emplace_back("X-Seen", r.method);
    return reply;
  });
  const Fetched ok = fetch(server.url("/q"), "a=1&b=two+words%21&c");
  EXPECT_EQ(ok.code, CURLE_OK);
  EXPECT_EQ(ok.status, 200);
  EXPECT_EQ(ok.body, "got two words!");
  EXPECT_NE(ok.headers.find("X-Seen: POST"), std::string::npos);
  EXPECT_EQ(fetch(server.url("/missing")).status, 404);
  const auto seen = server.requests();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].target, "/q");
  EXPECT_EQ(seen[0].body, "a=1&b=two+words%21&c");
  EXPECT_EQ(seen[0].param("a"), "1");
  EXPECT_EQ(seen[0].param("c"), "");
  EXPECT_EQ(seen[0].param("d"), "");
  EXPECT_FALSE(seen[0].header("content-type").empty());
  EXPECT_EQ(seen[1].method, "GET");
}

TEST(LoopbackServer, RedirectDelayDropAndThrowingHandler) {
  std::atomic<int> calls{0};
  LoopbackServer server([&calls](const Request& r) -> Reply {
    ++calls;
    if (r.target == "/old") return Reply::redirect("/new");
    if (r.target == "/slow") return Reply::slow(std::chrono::milliseconds(3000), "late");
    if (r.target == "/drop") return Reply::dropped();
    if (r.target == "/throw") throw std::runtime_error("x");
    return Reply{200, "new"};
  });
  const Fetched moved = fetch(server.url("/old"), {}, true);
  EXPECT_EQ(moved.body, "new");
  EXPECT_EQ(moved.headers.rfind("HTTP/1.1 302", 0), 0u);
  EXPECT_EQ(fetch(server.url("/slow"), {}, false, 1).code, CURLE_OPERATION_TIMEDOUT);
  EXPECT_EQ(fetch(server.url("/drop")).code, CURLE_PARTIAL_FILE);
  EXPECT_EQ(fetch(server.url("/throw")).status, 500);
  EXPECT_EQ(calls.load(), 5);
}

TEST(LoopbackServer, StandsInForAnHttpProxy) {
  LoopbackServer proxy([](const Request& r) {
    if (r.header("Proxy-Authorization") != lexiton::test::basicAuthorization("bob:secret"))
      return Reply::proxyAuthRequired();
    return Reply{200, "via proxy " + r.target};
  });
  CURL* h = curl_easy_init();
  std::string body;
  curl_easy_setopt(h, CURLOPT_URL, "http://example.invalid/x");
  curl_easy_setopt(h, CURLOPT_PROXY, proxy.hostPort().c_str());
  curl_easy_setopt(h, CURLOPT_PROXYAUTH, CURLAUTH_BASIC);
  curl_easy_setopt(h, CURLOPT_PROXYUSERPWD, "bob:secret");
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
  EXPECT_EQ(curl_easy_perform(h), CURLE_OK);
  curl_easy_cleanup(h);
  EXPECT_EQ(body, "via proxy http://example.invalid/x");
  EXPECT_EQ(lexiton::test::basicAuthorization("a"), "Basic YQ==");
  EXPECT_EQ(lexiton::test::basicAuthorization("ab"), "Basic YWI=");
  EXPECT_EQ(lexiton::test::basicAuthorization("abc"), "Basic YWJj");
}

TEST(LoopbackServer, StopsPromptlyWhileAReplyIsDelayed) {
  auto server = std::make_unique<LoopbackServer>(
      [](const Request&) { return Reply::slow(std::chrono::milliseconds(60000), "x"); });
  const auto url = server->url("/");
  std::thread client([url] { fetch(url, {}, false, 30); });
  while (server->requestCount() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const auto start = std::chrono::steady_clock::now();
  server.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  client.join();
}
