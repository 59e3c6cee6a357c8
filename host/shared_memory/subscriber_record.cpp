#include "shared_memory/subscriber_record.h"

namespace lexiton::host {

namespace {

void put(std::array<uint8_t, SubscriberRecord::kSize>& out, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t get(const std::array<uint8_t, SubscriberRecord::kSize>& in, std::size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[at + i]) << (8 * i);
  return value;
}

}  // namespace

std::array<uint8_t, SubscriberRecord::kSize> SubscriberRecord::bytes() const {
  std::array<uint8_t, kSize> out{};
  const uint32_t fields[] = {window, firstValue, secondValue, message, processId, threadId, enabled};
  for (std::size_t i = 0; i < 7; ++i) put(out, 4 * i, fields[i]);
  return out;
}

SubscriberRecord SubscriberRecord::fromBytes(const std::array<uint8_t, kSize>& in) {
  SubscriberRecord r;
  r.window = get(in, 0);
  r.firstValue = get(in, 4);
  r.secondValue = get(in, 8);
  r.message = get(in, 12);
  r.processId = get(in, 16);
  r.threadId = get(in, 20);
  r.enabled = get(in, 24);
  return r;
}

std::string sharedMutexName(std::string_view shortName) {
  return std::string(kSharedObjectPrefix) + std::string(shortName) + "__mutex";
}

std::string sharedMappingName(std::string_view shortName) {
  return std::string(kSharedObjectPrefix) + std::string(shortName) + "__mapping";
}

}  // namespace lexiton::host
