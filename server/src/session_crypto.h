// Password hashing and random bytes shared by the session stores.
#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include <cryptopp/osrng.h>
#include <cryptopp/pwdbased.h>
#include <cryptopp/sha.h>

namespace lexiton::server::detail {

inline constexpr unsigned kPbkdf2Iterations = 20000;
inline constexpr std::size_t kSaltBytes = 16;
inline constexpr std::size_t kKeyBytes = 32;

inline std::string randomBytes(std::size_t n) {
  CryptoPP::AutoSeededRandomPool rng;
  std::string out(n, '\0');
  rng.GenerateBlock(reinterpret_cast<CryptoPP::byte*>(out.data()), n);
  return out;
}

inline std::string hashPassword(const std::string& password, const std::string& salt) {
  CryptoPP::PKCS5_PBKDF2_HMAC<CryptoPP::SHA256> kdf;
  std::string out(32, '\0');
  kdf.DeriveKey(reinterpret_cast<CryptoPP::byte*>(out.data()), out.size(), 0,
                reinterpret_cast<const CryptoPP::byte*>(password.data()), password.size(),
                reinterpret_cast<const CryptoPP::byte*>(salt.data()), salt.size(), kPbkdf2Iterations);
  return out;
}

// Constant-time for equal lengths (digests and hashes have fixed lengths).
inline bool sameBytes(const std::string& a, const std::string& b) {
  unsigned char diff = a.size() == b.size() ? 0 : 1;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
  return diff == 0;
}

inline std::int64_t now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace lexiton::server::detail
