// The contents of the shared block "HMOUSE2C": which window of the host accepts trigger
// messages and whether the feature is enabled, for programs outside this system. Seven little-
// endian 32-bit fields, 28 bytes, in every build: a 64-bit host stores its window handle as the
// handle's 32-bit value, as Windows itself does when handles cross between 32- and 64-bit
// processes (window handles are defined to fit in 32 bits).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexiton::host {

struct SubscriberRecord {
  static constexpr std::size_t kSize = 28;
  static constexpr uint32_t kFirstValue = 256;
  static constexpr uint32_t kSecondValue = 256;
  static constexpr uint32_t kCopyDataMessage = 74;  // WM_COPYDATA
  static constexpr std::size_t kEnabledOffset = 24;

  uint32_t window = 0;
  uint32_t firstValue = kFirstValue;
  uint32_t secondValue = kSecondValue;
  uint32_t message = kCopyDataMessage;
  uint32_t processId = 0;
  uint32_t threadId = 0;
  uint32_t enabled = 0;

  std::array<uint8_t, kSize> bytes() const;
  static SubscriberRecord fromBytes(const std::array<uint8_t, kSize>& bytes);
};

// The names of the system objects behind a shared block: prefix + short name + suffix.
inline constexpr std::string_view kSharedObjectPrefix = "{E5B3BB70-14BC-4288-AA71-7E6D8FCEDC4F}";
inline constexpr std::string_view kSubscriberBlockName = "HMOUSE2C";
inline constexpr std::string_view kSingleInstanceMutexName = "Lexiton";
// How long the host waits for the block's mutex.
inline constexpr uint32_t kSharedBlockWaitMs = 5000;
// The system error code of an object that already existed (ERROR_ALREADY_EXISTS).
inline constexpr uint32_t kAlreadyExistsCode = 183;

std::string sharedMutexName(std::string_view shortName);
std::string sharedMappingName(std::string_view shortName);

}  // namespace lexiton::host
