// Unpacks arbitrary text with a fixed key: it must fail cleanly or succeed, and whatever it
// accepts must pack and unpack back to the same clear text.
#include <lexiton/protocol/client_packer.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using lexiton::protocol::ClientPacker;
  static const std::string key(64, 'A');
  static const ClientPacker packer;
  const std::string packed(reinterpret_cast<const char*>(data), size);
  std::string clear;
  try {
    if (!packer.unpack(key, packed, clear)) return 0;
    std::string again, back;
    if (!packer.pack(key, clear, again) || !packer.unpack(key, again, back) || back != clear)
      __builtin_trap();
  } catch (...) {
  }
  return 0;
}
