// Arbitrary bodies, and arbitrary records packed with a live session's key, through the handler.
#include "lexiton/dictionary_image.h"
#include "lexiton/protocol/client_packer.h"
#include "lexiton/server/dictionary_translator.h"
#include "lexiton/server/handler.h"
#include "lexiton/server/session_store.h"
#include "lexiton/translator/translator.h"

#include <cstdint>

namespace {
struct Live {
  lexiton::server::SqliteSessionStore store{":memory:"};
  std::string id;
  std::string key;
  lexiton::server::RequestHandler handler{
      store,
      lexiton::server::translatorFunction(std::make_shared<const lexiton::translator::Translator>(
          lexiton::Dictionary::fromBytes(lexiton::compileDictionaryImage(
              {{"house", "", {"h\xC3\xA1z", "\xC3\xA9p\xC3\xBClet"}}, {"to give up", "", {"felad"}}}))))};
  Live() {
    store.ensureUser("anna", "secret");
    id = store.createSession("anna", 3600);
    key = id.substr(40);
  }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Live live;
  std::string input(reinterpret_cast<const char*>(data), size);
  if (!input.empty() && input[0] == 'P') {
    std::string packed;
    lexiton::protocol::ClientPacker().pack(live.key, input.substr(1), packed);
    std::string body = "who=1.2.3.44lx&where=Korvell&what=" + live.id.substr(0, 40) + packed;
    (void)live.handler.handle(body);
  } else {
    (void)live.handler.handle(input);
  }
  return 0;
}
