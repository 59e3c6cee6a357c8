// Runs a whole look-up over arbitrary reply bytes: the first byte picks the result code the
// backend reports (0 reply, 1 server record, or a status code), the rest is the reply text.
// The result goes into a small reserved array, so running out of room is exercised too.
#include <lexiton/alert.h>

#include <cstdint>
#include <vector>

#include "lexiton/lookup/layout.h"
#include "lexiton/lookup/lookup_pipeline.h"
#include "lexiton/lookup/query_backend.h"

namespace {

constexpr std::size_t kResultCapacity = 64 * 1024;
constexpr int kCodes[] = {0, 1, 1202, 1208, 1709, 1504};

class CannedBackend final : public lexiton::lookup::QueryBackend {
 public:
  int code = 0;
  std::string_view reply;
  int query(std::string_view, std::string_view, int, std::string& out) override {
    out.assign(reply);
    return code;
  }
  int cancelQuery() override { return 0; }
  int close() override { return 0; }
};

void ignoreAlert(const lexiton::Alert&, void*) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const lexiton::Layout layout(LEXITON_STYLE_SHEET_PATH);
  static const bool hooked = (lexiton::setAlertHook(&ignoreAlert, nullptr), true);
  (void)hooked;
  if (size == 0) return 0;
  CannedBackend backend;
  backend.code = kCodes[data[0] % (sizeof kCodes / sizeof kCodes[0])];
  backend.reply = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);

  lexiton::lookup::LookupContext context;
  context.styleSheet = &layout;
  context.backend = &backend;
  context.language = (data[0] & 0x80) ? 1038 : 1033;
  lexiton::lookup::LookupRequest request;
  request.text = u"The house";
  request.pointer = 4;
  request.footerText = (data[0] & 0x40) ? "footer" : "";
  request.notFoundText = "none";

  std::vector<uint8_t> bytes(kResultCapacity);
  LxByteArray array{bytes.data(), 0, static_cast<uint32_t>(bytes.size())};
  lexiton::ReservedStore store(array);
  lexiton::ChunkList list(store);
  (void)lexiton::lookup::runLookup(context, request, list);
  return 0;
}
