// Arbitrary bodies, and arbitrary records packed with a live session's key, through the handler.
#include "lexiton/server/handler.h"
#include "lexiton/server/session_store.h"

#include <cstdint>

namespace {
struct Live {
    lexiton::server::SessionStore store{":memory:"};
    std::string id;
    std::string key;
    lexiton::server::RequestHandler handler{store, lexiton::server::defaultTranslator()};
    Live() {
        store.ensureUser("anna", "secret");
        id = store.createSession("anna", 3600);
        for (std::size_t i = 40; i + 1 < id.size(); i += 2)
            key += static_cast<char>(std::stoi(id.substr(i, 2), nullptr, 16));
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Live live;
    std::string input(reinterpret_cast<const char*>(data), size);
    if (!input.empty() && input[0] == 'P') {
        std::string body = "who=1.2.3.44lx&where=Korvell&what=" + live.id.substr(0, 40) +
                           lexiton::server::packHex(live.key, input.substr(1));
        (void)live.handler.handle(body);
    } else {
        (void)live.handler.handle(input);
    }
    return 0;
}
