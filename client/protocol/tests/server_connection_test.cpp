#include "lexiton/protocol/server_connection.h"

#include <gtest/gtest.h>

#include <map>

#include "lexiton/profile.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/protocol/url_download.h"

#ifndef _WIN32
#include <httplib.h>
#endif

using namespace lexiton::protocol;

namespace {
const std::string kName(40, 'N');
const std::string kKey = "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F";

// Settings held in memory for the connection's constructor.
class MapProfile : public lexiton::Profile {
 public:
  std::map<std::string, std::string> values;
  std::string readString(std::string_view s, std::string_view k, std::string_view fb) const override {
    auto it = values.find(std::string(s) + "/" + std::string(k));
    return it == values.end() ? std::string(fb) : it->second;
  }
  int readInt(std::string_view s, std::string_view k, int fb) const override {
    auto v = readString(s, k, "");
    return v.empty() ? fb : std::stoi(v);
  }
  bool writeString(std::string_view s, std::string_view k, std::string_view v) override {
    values[std::string(s) + "/" + std::string(k)] = std::string(v);
    return true;
  }
  const std::string& path() const override { return path_; }
  std::string path_;
};
}  // namespace

TEST(QueryText, WindowAndEncoding) {
  EXPECT_EQ(encodeQueryText(u"a&b\u00e9\u0151\n"), "a&#x26;b&#xE9;&#x151;&#xA;");
  std::string shortText(1000, 'a');
  EXPECT_EQ(windowQueryText(shortText), shortText);
  std::string words;
  while (words.size() < 5000) words += "word ";
  const std::string cut = windowQueryText(words);
  EXPECT_LE(cut.size(), 1004u);
  EXPECT_EQ(cut.back(), 'd');
  std::string marked = words.substr(0, 2000) + "&kvopoint;" + words.substr(2000);
  const std::string w = windowQueryText(marked);
  EXPECT_NE(w.find("&kvopoint;"), std::string::npos);
  EXPECT_EQ(w.substr(0, 4), "word");
  EXPECT_LE(w.size(), 1020u);
}

TEST(ServerConnection, WrongSessionLengthGives1708WithoutTraffic) {
  for (std::size_t n : {103u, 105u}) {
    MapProfile settings;
    settings.values["Server Settings/Server_Address"] = "http://127.0.0.1:9/";
    settings.values["Server Settings/SessionID"] = std::string(n, 'A');
    ServerConnection c(settings);
    std::string out;
    EXPECT_EQ(c.query("", "house", 1, out), 1708);
    EXPECT_EQ(out, "1708 Wrong or expired session identification submitted!(xxx)");
  }
}

TEST(ServerConnection, RefusedConnectionGives1202WithCurlErrorNumber) {
  MapProfile settings;
  settings.values["Server Settings/Server_Address"] = "http://127.0.0.1:1/";
  settings.values["Server Settings/SessionID"] = kName + kKey;
  settings.values["Server Settings/Server_Timeout"] = "2";
  ServerConnection c(settings);
  std::string out;
  EXPECT_EQ(c.query("", "house", 1, out), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (7)");
}

TEST(Transport, StatusText) {
  EXPECT_EQ(statusCodeText("HTTP/1.1 404 Not Found\r\n"), "404");
  EXPECT_EQ(statusCodeText("garbage"), "");
}

#ifndef _WIN32
class Loopback : public ::testing::Test {
 protected:
  void SetUp() override {
    server.Post("/q", [this](const httplib::Request& req, httplib::Response& res) {
      ClientPacker p;
      const auto what = req.get_param_value("what");
      std::string record;
      if (!p.unpack(kKey, what.substr(40), record)) {
        res.set_content("1708 Wrong or expired session identification submitted!", "text/plain");
        return;
      }
      std::string reply;
      lastRecord = record;
      const bool error = record.find("dat|:fail|.") != std::string::npos;
      p.pack(kKey, error ? "Wrong query|:1502|." : "<r>house</r>", reply);
      res.set_content(reply, "text/plain");
    });
    server.Post("/status", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("1709 Session interrupted!", "text/plain");
    });
    server.Post("/html", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("<html>", "text/html");
    });
    server.Post("/e500", [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
    server.Post("/slow", [](const httplib::Request&, httplib::Response& res) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2500));
      res.set_content("00", "text/plain");
    });
    port = server.bind_to_any_port("127.0.0.1");
    thread = std::thread([this] { server.listen_after_bind(); });
    while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  void TearDown() override {
    server.stop();
    thread.join();
  }
  int run(const std::string& path, const std::string& text, std::string& out, int timeout = 2) {
    MapProfile settings;
    settings.values["Server Settings/Server_Address"] =
        "http://127.0.0.1:" + std::to_string(port) + path;
    settings.values["Server Settings/SessionID"] = kName + kKey;
    settings.values["Server Settings/Server_Timeout"] = std::to_string(timeout);
    settings.values["User Settings/Name"] = "anna";
    ServerConnection c(settings);
    return c.query("src", text, 1, out);
  }
  httplib::Server server;
  std::thread thread;
  int port = 0;
  std::string lastRecord;
};

TEST_F(Loopback, EveryOutcome) {
  std::string out;
  EXPECT_EQ(run("/q", "house", out), 0);
  EXPECT_EQ(out, "<r>house</r>");
  EXPECT_EQ(lastRecord, "usr|:anna|;lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:src|;dat|:house|.");
  EXPECT_EQ(run("/q", "fail", out), 1);
  EXPECT_EQ(out, "1502 Wrong query");
  EXPECT_EQ(run("/status", "x", out), 1709);
  EXPECT_EQ(out, "1709 Session interrupted!");
  EXPECT_EQ(run("/html", "x", out), 1202);
  EXPECT_EQ(out, "1202 Error receiving reply from server! (<html>)");
  EXPECT_EQ(run("/e500", "x", out), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (500)");
  EXPECT_EQ(run("/nothing", "x", out), 1203);
  EXPECT_EQ(out, "1203 Error in server's reply! (404)");
  EXPECT_EQ(run("/slow", "x", out, 1), 1208);
  EXPECT_EQ(out, "1208 Query timed out!");
}
#endif
