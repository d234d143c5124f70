// One device macro block: a loop count and the events of one macro, as the mouse reads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

namespace macro_block {
inline constexpr std::size_t kLoopCountHigh = 0;
inline constexpr std::size_t kLoopCountLow = 1;
inline constexpr std::size_t kEvents = 2;  // event bytes run to the end of the block
inline constexpr std::size_t kEventBytes = kMacroBlockSize - kEvents;

// Offsets inside one event.
inline constexpr std::size_t kEventHead = 0;  // delay part and release bit
inline constexpr std::size_t kEventCode = 1;
inline constexpr std::size_t kEventHundreds = 2;  // long events only
inline constexpr std::size_t kEventMarker = 3;    // long events only
inline constexpr std::size_t kShortEventSize = 2;
inline constexpr std::size_t kLongEventSize = 4;

inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kDelayMask = 0x7F;
inline constexpr std::uint8_t kLongEventMarker = 0x03;
inline constexpr int kShortDelayLimitMs = 1270;  // longest delay a short event holds
inline constexpr int kShortDelayStepMs = 10;
inline constexpr int kLongDelayStepMs = 100;
// Longest delay a long event holds: hundreds in one byte, the rest in seven bits.
inline constexpr int kLongDelayLimitMs = 255 * kLongDelayStepMs + kLongDelayStepMs - 1;
}  // namespace macro_block

inline constexpr int kMinLoopCount = 1;
inline constexpr int kMaxLoopCount = 65535;

using KeyCodeLookup = std::uint8_t (*)(std::string_view keyName);

// What the conversion of one macro achieved, so the editor can warn about what was left out.
struct BlockConversion {
    std::size_t itemCount = 0;
    std::size_t eventCount = 0;      // press and release items among them
    std::size_t eventsWritten = 0;   // events that fit into the block
    std::size_t itemsConverted = 0;  // items before the first event that did not fit
    std::size_t eventBytesUsed = 0;
    std::size_t unknownKeys = 0;  // events written with code 0: a name with no key code
    std::size_t delaysClamped = 0;
    bool complete() const { return eventsWritten == eventCount; }
};

// Converts the items of one macro into a block of kMacroBlockSize bytes. An empty list clears
// the whole block; otherwise the loop count stays and the event bytes are rewritten, stopping
// at the last event that fits whole. A span of another size is left untouched.
BlockConversion encodeMacroBlock(std::span<const std::string> items, std::span<std::uint8_t> block,
                                 KeyCodeLookup keyCode);

// The bytes of one event, for a delay already read from the item after it.
struct EncodedEvent {
    std::uint8_t bytes[macro_block::kLongEventSize] = {};
    std::size_t size = 0;
};
EncodedEvent encodeEvent(std::uint8_t code, bool release, int delayMs);

int loopCountOf(std::span<const std::uint8_t> block);
void setLoopCountOf(std::span<std::uint8_t> block, int count);

}  // namespace quorvel
