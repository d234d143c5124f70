#include "dialogs/number_boxes.h"

namespace quorvel {
namespace {

BoxValue inRangeOr(std::string_view text, int lowest, int highest, std::uint8_t fallback) {
    const std::int64_t value = leadingNumber(text);
    if (value < lowest || value > highest)
        return {fallback, std::to_string(fallback)};
    return {static_cast<std::uint8_t>(value), std::nullopt};
}

}  // namespace

BoxValue fireSpeedFromText(std::string_view text) {
    return inRangeOr(text, kLowestFireSpeed, kHighestFireSpeed, kFallbackFireSpeed);
}

BoxValue fireTimesFromText(std::string_view text) {
    return inRangeOr(text, 0, kHighestFireTimes, kFallbackFireTimes);
}

}  // namespace quorvel
