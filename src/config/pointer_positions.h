// The record's pointer-setting positions and the system values they stand for.
#pragma once

#include <cstdint>

namespace quorvel {

inline constexpr std::uint32_t kScrollOneScreen = 0xFFFFFFFF;
inline constexpr std::uint8_t kFirstSliderStep = 1;
inline constexpr std::uint8_t kLastSliderStep = 11;

// Positions outside the slider (a damaged config.bin) are taken as its nearest step, so no
// out-of-range value ever reaches the system.
std::uint32_t pointerSpeedForPosition(std::uint8_t position);
std::uint32_t doubleClickTimeForPosition(std::uint8_t position);
std::uint32_t wheelScrollLinesFor(bool oneScreen, std::uint8_t position);

// The other way; a system value beyond the slider is held to its nearest step, so the page
// never stores a position it cannot draw.
std::uint8_t positionForPointerSpeed(std::uint32_t speed);
std::uint8_t positionForDoubleClickTime(std::uint32_t milliseconds);
std::uint8_t positionForScrollLines(std::uint32_t lines);  // lines; 0 for one screen per notch

}  // namespace quorvel
