// ClientPacker on Crypto++: CRC-32 frame, Rijndael per block, hexadecimal text.
#include "lexiton/protocol/client_packer.h"

#include <chrono>
#include <cstdint>

#include <cryptopp/aes.h>
#include <cryptopp/crc.h>
#include <cryptopp/osrng.h>

namespace lexiton::protocol {

namespace {
constexpr std::size_t kBlock = CryptoPP::AES::BLOCKSIZE;

bool validKeyLength(std::size_t n) { return n == 16 || n == 24 || n == 32; }

std::uint32_t crc32(std::string_view text) {
  CryptoPP::CRC32 crc;
  crc.Update(reinterpret_cast<const CryptoPP::byte*>(text.data()), text.size());
  CryptoPP::byte digest[4];
  crc.Final(digest);  // Crypto++ emits the CRC least significant byte first
  return std::uint32_t(digest[0]) | std::uint32_t(digest[1]) << 8 | std::uint32_t(digest[2]) << 16 |
         std::uint32_t(digest[3]) << 24;
}

void putLe32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

const CryptoPP::byte* bytes(const std::string& s) {
  return reinterpret_cast<const CryptoPP::byte*>(s.data());
}
}  // namespace

// A plain table walk: Crypto++'s HexEncoder filter chain took over half the time of packing
// a 1 KB record.
std::string ClientPacker::toHex(std::string_view data) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out(data.size() * 2, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) {
    const auto b = static_cast<unsigned char>(data[i]);
    out[2 * i] = kDigits[b >> 4];
    out[2 * i + 1] = kDigits[b & 15];
  }
  return out;
}

// Crypto++'s HexDecoder skips non-hex characters; pairs must be read as they stand, so a
// non-hex digit counts as 0 within its pair rather than shifting the rest of the text.
std::string ClientPacker::fromHex(std::string_view text) {
  auto value = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
  };
  std::string out;
  out.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    out.push_back(static_cast<char>(value(text[i]) << 4 | value(text[i + 1])));
  return out;
}

bool ClientPacker::pack(std::string_view keyHex, std::string_view text, std::string& out) const {
  const std::string key = fromHex(keyHex);
  std::string block;
  block.reserve(text.size() + 4 + kBlock);
  putLe32(block, crc32(text));
  block.append(text);
  block.push_back('|');
  if (block.size() % kBlock) block.append(kBlock - block.size() % kBlock, ' ');
  if (!validKeyLength(key.size())) return false;
  CryptoPP::AES::Encryption aes(bytes(key), key.size());
  std::string cipher(block.size(), '\0');
  for (std::size_t i = 0; i < block.size(); i += kBlock)
    aes.ProcessBlock(bytes(block) + i, reinterpret_cast<CryptoPP::byte*>(&cipher[i]));
  out = toHex(cipher);
  return true;
}

bool ClientPacker::unpack(std::string_view keyHex, std::string_view packedHex, std::string& out) const {
  if (packedHex.size() > kMaxPackedHex) return false;
  const std::string key = fromHex(keyHex);
  if (!validKeyLength(key.size())) return false;
  const std::string cipher = fromHex(packedHex);
  const std::size_t whole = cipher.size() / kBlock * kBlock;
  std::string plain(whole, '\0');
  CryptoPP::AES::Decryption aes(bytes(key), key.size());
  for (std::size_t i = 0; i < whole; i += kBlock)
    aes.ProcessBlock(bytes(cipher) + i, reinterpret_cast<CryptoPP::byte*>(&plain[i]));
  auto last = plain.find_last_not_of(' ');
  if (last != std::string::npos && plain[last] == '|') plain.resize(last);
  if (plain.size() < 4) return false;
  const std::uint32_t stored = std::uint32_t(static_cast<unsigned char>(plain[0])) |
                               std::uint32_t(static_cast<unsigned char>(plain[1])) << 8 |
                               std::uint32_t(static_cast<unsigned char>(plain[2])) << 16 |
                               std::uint32_t(static_cast<unsigned char>(plain[3])) << 24;
  std::string_view text(plain.data() + 4, plain.size() - 4);
  if (crc32(text) != stored) return false;
  out.assign(text);
  return true;
}

std::string ClientPacker::randomToken() const {
  CryptoPP::byte random[16];
  CryptoPP::OS_GenerateRandomBlock(false, random, sizeof random);
  std::string data(reinterpret_cast<const char*>(random), sizeof random);
  // Milliseconds since 1601-01-01 (the Windows file-time epoch), low 32 bits.
  constexpr std::uint64_t kEpochDifferenceMs = 11644473600000ULL;
  const auto unixMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  putLe32(data, static_cast<std::uint32_t>(static_cast<std::uint64_t>(unixMs) + kEpochDifferenceMs));
  return toHex(data);
}

}  // namespace lexiton::protocol
