// The real program as a child process on a loopback port: session set-up, queries over HTTP,
// clean exit on SIGTERM.
#include "lexiton/protocol/client_packer.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/request_form.h"
#include "lexiton/test/files.h"

#include <httplib.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace lexiton::server;

namespace {

std::string readAll(const std::filesystem::path& p) { return lexiton::test::readFile(p.string()); }

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
    const std::string noDict = "./lexiton-server serve --db " + db + " --listen 127.0.0.1:" + std::to_string(port) +
                               " --dict " + (dir / "missing.dict").string() + " 2>/dev/null";
    const int refused = std::system(noDict.c_str());
    ASSERT_TRUE(WIFEXITED(refused));
    EXPECT_EQ(WEXITSTATUS(refused), 2);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string listen = "127.0.0.1:" + std::to_string(port);
        execl("./lexiton-server", "lexiton-server", "serve", "--db", db.c_str(), "--listen", listen.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(10, 0);
    bool up = false;
    for (int i = 0; i < 200 && !up; ++i) {
        auto g = client.Get("/");
        if (g) {
            up = true;
            EXPECT_EQ(g->body, kStatusNoPostedData);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
    ASSERT_TRUE(up);

    const std::string key = id.substr(40);
    const lexiton::protocol::ClientPacker packer;
    std::string packed;
    std::string record = "lng|:En-Hu|;act|:lexiton|.enc|:ASCII|;frm|:1|;url|:|;dat|:The &kvopoint;houses are big.|.";
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
