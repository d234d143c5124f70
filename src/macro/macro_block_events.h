// Reading a device macro block back into its events, the inverse of encodeMacroBlock.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quorvel {

struct MacroBlockEvent {
    std::uint8_t code = 0;
    bool release = false;
    int delayMs = 0;  // the wait after the event
};

struct DecodedMacroBlock {
    int loopCount = 0;
    std::vector<MacroBlockEvent> events;
    bool damaged = false;  // bytes after the events that no event explains
};

// Events run until the rest of the block is zero. A long event is told apart by its marker
// byte, which no key code takes.
DecodedMacroBlock decodeMacroBlock(std::span<const std::uint8_t> block);

}  // namespace quorvel
