#include "macro/macro_block.h"

#include <algorithm>

#include "macro/macro_item.h"

namespace quorvel {

using namespace macro_block;

namespace {

std::uint8_t head(int delayPart, bool release) {
    return static_cast<std::uint8_t>((delayPart & kDelayMask) | (release ? kReleaseBit : 0));
}

}  // namespace

EncodedEvent encodeEvent(std::uint8_t code, bool release, int delayMs) {
    const int d = std::clamp(delayMs, 0, kLongDelayLimitMs);
    EncodedEvent event;
    event.bytes[kEventCode] = code;
    if (d <= kShortDelayLimitMs) {
        event.bytes[kEventHead] = head(d / kShortDelayStepMs, release);
        event.size = kShortEventSize;
    } else {
        event.bytes[kEventHead] = head(d % kLongDelayStepMs, release);
        event.bytes[kEventHundreds] = static_cast<std::uint8_t>(d / kLongDelayStepMs);
        event.bytes[kEventMarker] = kLongEventMarker;
        event.size = kLongEventSize;
    }
    return event;
}

BlockConversion encodeMacroBlock(std::span<const std::string> items, std::span<std::uint8_t> block,
                                 KeyCodeLookup keyCode) {
    BlockConversion result;
    result.itemCount = items.size();
    if (block.size() != kMacroBlockSize) {
        return result;
    }
    if (items.empty()) {
        std::fill(block.begin(), block.end(), std::uint8_t{0});
        return result;
    }
    std::fill(block.begin() + kEvents, block.end(), std::uint8_t{0});

    std::size_t next = kEvents;
    bool full = false;
    result.itemsConverted = items.size();
    for (std::size_t j = 0; j < items.size(); ++j) {
        const auto event = parseEventItem(items[j]);
        if (!event) {
            continue;
        }
        ++result.eventCount;
        if (full) {
            continue;  // keep counting what was left out
        }
        const int delay = delayFromItem(j + 1 < items.size() ? &items[j + 1] : nullptr);
        const std::uint8_t code = keyCode(event->keyName);
        const EncodedEvent bytes = encodeEvent(code, event->release, delay);
        if (next + bytes.size > kMacroBlockSize) {
            full = true;
            result.itemsConverted = j;
            continue;
        }
        std::copy_n(bytes.bytes, bytes.size, block.begin() + static_cast<std::ptrdiff_t>(next));
        next += bytes.size;
        ++result.eventsWritten;
        if (code == 0) {
            ++result.unknownKeys;
        }
        if (delay > kLongDelayLimitMs) {
            ++result.delaysClamped;
        }
    }
    result.eventBytesUsed = next - kEvents;
    return result;
}

int loopCountOf(std::span<const std::uint8_t> block) {
    if (block.size() != kMacroBlockSize) {
        return 0;
    }
    return (block[kLoopCountHigh] << 8) | block[kLoopCountLow];
}

void setLoopCountOf(std::span<std::uint8_t> block, int count) {
    if (block.size() != kMacroBlockSize) {
        return;
    }
    const int stored = std::clamp(count, 0, kMaxLoopCount);
    block[kLoopCountHigh] = static_cast<std::uint8_t>(stored >> 8);
    block[kLoopCountLow] = static_cast<std::uint8_t>(stored & 0xFF);
}

}  // namespace quorvel
