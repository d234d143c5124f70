// The rules of the number boxes of the fire-key and delay dialogs: what a box's text counts
// as, and what an out-of-range value is replaced by.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "macro/macro_item.h"

namespace quorvel {

struct BoxValue {
    std::uint8_t value = 0;
    // The text the box is given instead of what was typed; empty when the text stands.
    std::optional<std::string> replacement;
};

inline constexpr int kLowestFireSpeed = 5;
inline constexpr int kHighestFireSpeed = 255;
inline constexpr std::uint8_t kDefaultFireSpeed = 32;
inline constexpr std::uint8_t kFallbackFireSpeed = 5;
inline constexpr int kHighestFireTimes = 255;
inline constexpr std::uint8_t kDefaultFireTimes = 1;
inline constexpr std::uint8_t kFallbackFireTimes = 1;

// A speed of 5 to 255 stands; anything else becomes 5, in the box too.
BoxValue fireSpeedFromText(std::string_view text);
// Times of 0 to 255 stand (0: fire until the button is released); anything else becomes 1.
BoxValue fireTimesFromText(std::string_view text);

// The delay box takes any number (read as a C runtime reads it, saturating at the 32-bit
// range); the macro editor applies its own limit.
inline std::int32_t delayFromText(std::string_view text) {
    return static_cast<std::int32_t>(leadingNumber(text));
}

}  // namespace quorvel
