// The trigger message: text another program pushes to the host (type 1) or its request to pause
// the rest timer (type 2), sent as WM_COPYDATA to the first tooltip window that the shared block
// names. The data block is read only as far as it was received: a length or a cursor that does
// not fit the bytes actually sent makes the message void, so a lying sender never makes the host
// read past the block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lexiton::host {

namespace trigger_layout {
// {C662B0D3-7725-4E4B-991A-2A94FBD55427} in its memory form.
inline constexpr std::array<uint8_t, 16> kIdentifier = {0xd3, 0xb0, 0x62, 0xc6, 0x25, 0x77, 0x4b, 0x4e,
                                                        0x99, 0x1a, 0x2a, 0x94, 0xfb, 0xd5, 0x54, 0x27};
inline constexpr std::size_t kPollingPausedOffset = 40;
inline constexpr std::size_t kTextLengthOffset = 48;
inline constexpr std::size_t kCursorOffset = 52;
inline constexpr std::size_t kTextOffset = 64;
}  // namespace trigger_layout

enum class TriggerKind : uint32_t { text = 1, pollingPause = 2 };

struct TriggerMessage {
  TriggerKind kind = TriggerKind::text;
  int32_t pollingPaused = 0;  // pollingPause: the new value
  std::string_view text;      // text: the N bytes in the system code page (within the block)
  uint32_t cursor = 0;        // text: the byte index of the character under the pointer, 0..N
};

// The message of data kind `kind` with `size` bytes at `data`; nothing when it is not one: too
// short for its identifier or its fields, another identifier, an unknown kind, a text whose
// N + 1 bytes (text and terminator) run past the block, or a cursor past the text.
std::optional<TriggerMessage> parseTriggerMessage(uint32_t kind, const void* data, std::size_t size);

}  // namespace lexiton::host
