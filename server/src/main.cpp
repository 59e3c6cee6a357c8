// lexiton-server: "serve" answers the client's POSTs; "session" issues a session and writes
// it into a client's lexiton.ini.
#include "lexiton/profile.h"
#include "lexiton/protocol/server_connection.h"
#include "lexiton/text_encoding.h"
#include "lexiton/server/dictionary_translator.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/request_form.h"
#include "lexiton/server/session_store.h"
#include "lexiton/protocol/query_text.h"

#include <httplib.h>

#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <thread>

namespace {

constexpr std::int64_t kSessionLifetimeSeconds = 30LL * 24 * 3600;
constexpr int kRequestTimeoutSeconds = 10;
// Each open connection holds one worker while it lives, so idle kept-alive connections must
// not outlast a short pause, and there are more workers than a single client ever opens.
constexpr int kWorkerThreads = 32;
constexpr int kKeepAliveSeconds = 2;
constexpr std::size_t kKeepAliveRequests = 100;

const char* kUsage =
    "usage:\n"
    "  lexiton-server serve --db FILE --listen HOST:PORT [--config FILE] [--dict FILE]\n"
    "    (--dict: the compiled dictionary, by default lexiton-en-hu.dict beside the program;\n"
    "     the core lexicon lexiton-core.lex is read from the same folder)\n"
    "  lexiton-server session --db FILE --user NAME --password PASS --address URL --ini FILE\n"
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

int serve(const std::map<std::string, std::string>& o) {
    std::string listen = need(o, "listen");
    auto colon = listen.rfind(':');
    if (colon == std::string::npos) throw std::runtime_error("--listen needs HOST:PORT");
    std::string host = listen.substr(0, colon);
    int port = std::stoi(listen.substr(colon + 1));
    auto config = readConfig(o.count("config") ? o.at("config") : "");

    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);

    // The dictionary is loaded before the port is taken: without it there is nothing to serve.
    lexiton::server::TranslateFn translate = lexiton::server::dictionaryTranslator(dictionaryPath(o));

    lexiton::server::SessionStore store(need(o, "db"));
    lexiton::server::RequestHandler handler(store, std::move(translate), config);

    httplib::Server server;
    server.set_payload_max_length(lexiton::server::kMaxBodyBytes);
    server.set_read_timeout(kRequestTimeoutSeconds, 0);
    server.set_write_timeout(kRequestTimeoutSeconds, 0);
    server.set_keep_alive_timeout(kKeepAliveSeconds);
    server.set_keep_alive_max_count(kKeepAliveRequests);
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    auto answer = [&](const httplib::Request& req, httplib::Response& res) {
        auto start = std::chrono::steady_clock::now();
        std::string note;
        std::string body = req.method == "POST" ? handler.handle(req.body, &note)
                                                : (note = "get", lexiton::server::kStatusNoPostedData);
        res.set_content(body, "text/plain");
        auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
        // No secrets: the body (session name, packed data) never reaches the log.
        std::fprintf(stderr, "%s %s %s %zu %s %lldus\n", req.remote_addr.c_str(), req.method.c_str(),
                     req.path.c_str(), req.body.size(), note.c_str(), static_cast<long long>(us));
    };
    server.Post(".*", answer);
    server.Get(".*", answer);

    std::thread waiter([&] {
        int sig = 0;
        sigwait(&set, &sig);
        server.stop();
    });
    if (!server.bind_to_port(host, port)) {
        std::fprintf(stderr, "cannot listen on %s\n", listen.c_str());
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        return 1;
    }
    std::fprintf(stderr, "listening on %s\n", listen.c_str());
    server.listen_after_bind();
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    return 0;
}

int session(const std::map<std::string, std::string>& o) {
    lexiton::server::SessionStore store(need(o, "db"));
    std::string user = need(o, "user");
    if (!store.ensureUser(user, need(o, "password"))) {
        std::fprintf(stderr, "user %s exists with another password\n", user.c_str());
        return 1;
    }
    std::string id = store.createSession(user, kSessionLifetimeSeconds);
    // The client's own settings-file rules: other keys, sections and comments stay as they are.
    auto ini = lexiton::openPortableProfile(need(o, "ini"));
    const std::string address = need(o, "address");
    for (const auto& [key, value] : {std::pair<const char*, std::string>{"SessionID", id},
                                     {"Server_Address", address}, {"Server_Mode", "1"}})
        if (!ini->writeString("Server Settings", key, value)) throw std::runtime_error("cannot write " + ini->path());
    std::printf("%s\n", id.substr(0, lexiton::server::kSessionNameLength).c_str());
    return 0;
}

// The reply for one text, shown in UTF-8: a way to see what the server answers without a client.
int translate(const std::map<std::string, std::string>& o) {
    const std::u16string text = lexiton::utf8ToUtf16(need(o, "text"));
    const std::size_t pointer = o.count("pointer") ? std::stoul(o.at("pointer")) : 0;
    if (pointer > text.size()) throw std::runtime_error("--pointer is beyond the text");
    const std::string query = lexiton::protocol::encodeQueryText(std::u16string_view(text).substr(0, pointer)) +
                              std::string(lexiton::protocol::kPointerMarker) +
                              lexiton::protocol::encodeQueryText(std::u16string_view(text).substr(pointer));
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
