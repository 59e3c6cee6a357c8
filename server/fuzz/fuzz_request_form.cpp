#include "lexiton/server/request_form.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view body(reinterpret_cast<const char*>(data), size);
  if (auto f = lexiton::server::parseRequestForm(body)) {
    (void)lexiton::server::requestKind(*f);
    (void)lexiton::server::versionOlderThan(f->who, "1.2.3");
  }
  return 0;
}
