// Packing of query and reply records with the session key: CRC-32 frame, Rijndael on each
// 16-byte block on its own, upper-case hexadecimal text. Shared with the server.
#pragma once

#include <string>
#include <string_view>

namespace lexiton::protocol {

class ClientPacker {
 public:
  // Upper bound on packed input accepted by unpack (hex digits); longer replies fail.
  static constexpr std::size_t kMaxPackedHex = 64u * 1024u * 1024u;

  bool pack(std::string_view keyHex, std::string_view text, std::string& out) const;
  bool unpack(std::string_view keyHex, std::string_view packedHex, std::string& out) const;
  // 16 random bytes from the OS generator and the low 32 bits of the UTC time in ms since
  // 1601, as 40 hex digits.
  std::string randomToken() const;
  static std::string toHex(std::string_view bytes);
  static std::string fromHex(std::string_view text);
};

}  // namespace lexiton::protocol
