#include "hover/trigger_message.h"

#include <cstring>

namespace lexiton::host {

namespace {

namespace layout = trigger_layout;

uint32_t readWord(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

}  // namespace

std::optional<TriggerMessage> parseTriggerMessage(uint32_t kind, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (!bytes || size < layout::kIdentifier.size() ||
      std::memcmp(bytes, layout::kIdentifier.data(), layout::kIdentifier.size()) != 0)
    return std::nullopt;

  TriggerMessage message;
  if (kind == static_cast<uint32_t>(TriggerKind::pollingPause)) {
    if (size < layout::kPollingPausedOffset + 4) return std::nullopt;
    message.kind = TriggerKind::pollingPause;
    message.pollingPaused = static_cast<int32_t>(readWord(bytes + layout::kPollingPausedOffset));
    return message;
  }
  if (kind != static_cast<uint32_t>(TriggerKind::text)) return std::nullopt;

  if (size < layout::kTextOffset) return std::nullopt;
  const uint32_t length = readWord(bytes + layout::kTextLengthOffset);
  const uint32_t cursor = readWord(bytes + layout::kCursorOffset);
  // The text and its terminator must both lie within what was received.
  if (length >= size - layout::kTextOffset) return std::nullopt;
  if (cursor > length) return std::nullopt;
  message.kind = TriggerKind::text;
  message.text = std::string_view(reinterpret_cast<const char*>(bytes + layout::kTextOffset), length);
  message.cursor = cursor;
  return message;
}

}  // namespace lexiton::host
