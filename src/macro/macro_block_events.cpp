#include "macro/macro_block_events.h"

#include <algorithm>

#include "macro/macro_block.h"

namespace quorvel {

DecodedMacroBlock decodeMacroBlock(std::span<const std::uint8_t> block) {
    using namespace macro_block;
    DecodedMacroBlock decoded;
    if (block.size() < kEvents)
        return decoded;
    decoded.loopCount = loopCountOf(block);
    std::size_t at = kEvents;
    const auto restIsZero = [&](std::size_t from) {
        return std::all_of(block.begin() + static_cast<std::ptrdiff_t>(from), block.end(),
                           [](std::uint8_t b) { return b == 0; });
    };
    while (at < block.size() && !restIsZero(at)) {
        if (at + kShortEventSize > block.size()) {
            decoded.damaged = true;
            break;
        }
        MacroBlockEvent event;
        const std::uint8_t head = block[at + kEventHead];
        event.code = block[at + kEventCode];
        event.release = (head & kReleaseBit) != 0;
        const int part = head & kDelayMask;
        const bool isLong =
            at + kLongEventSize <= block.size() && block[at + kEventMarker] == kLongEventMarker;
        if (isLong) {
            event.delayMs = block[at + kEventHundreds] * kLongDelayStepMs + part;
            at += kLongEventSize;
        } else {
            event.delayMs = part * kShortDelayStepMs;
            at += kShortEventSize;
        }
        decoded.events.push_back(event);
    }
    return decoded;
}

}  // namespace quorvel
