#include "config/pointer_positions.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr std::uint32_t kDoubleClickBase = 970;
constexpr std::uint32_t kDoubleClickStep = 70;
constexpr std::uint32_t kSlowestDoubleClick = kDoubleClickBase - kDoubleClickStep;

std::uint32_t sliderStep(std::uint8_t position) {
    return std::clamp(position, kFirstSliderStep, kLastSliderStep);
}

std::uint8_t heldToSlider(std::uint32_t position) {
    return static_cast<std::uint8_t>(
        std::clamp<std::uint32_t>(position, kFirstSliderStep, kLastSliderStep));
}

}  // namespace

std::uint32_t pointerSpeedForPosition(std::uint8_t position) {
    const std::uint32_t step = sliderStep(position);
    return step == kFirstSliderStep ? 1 : 2 * step - 2;
}

std::uint32_t doubleClickTimeForPosition(std::uint8_t position) {
    return kDoubleClickBase - kDoubleClickStep * sliderStep(position);
}

std::uint32_t wheelScrollLinesFor(bool oneScreen, std::uint8_t position) {
    return oneScreen ? kScrollOneScreen : position;
}

std::uint8_t positionForPointerSpeed(std::uint32_t speed) {
    return heldToSlider(speed / 2 + 1);
}

std::uint8_t positionForDoubleClickTime(std::uint32_t milliseconds) {
    // Slower than the first step would wrap the division round.
    if (milliseconds > kSlowestDoubleClick)
        return kFirstSliderStep;
    return heldToSlider((kSlowestDoubleClick - milliseconds) / kDoubleClickStep + 1);
}

std::uint8_t positionForScrollLines(std::uint32_t lines) {
    if (lines == kScrollOneScreen)
        return 0;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(lines, kLastSliderStep));
}

}  // namespace quorvel
