#include "pages/lighting_texts.h"

namespace quorvel {
namespace {

constexpr Rect kParameterListTop{767, 377, 851, 0};
constexpr int kStandardListBottom = 547;
constexpr int kRespirationListBottom = 467;
constexpr int kNeonListBottom = 577;

template <std::size_t N>
std::vector<std::string> copyOf(const std::array<std::string_view, N>& texts) {
    return std::vector<std::string>(texts.begin(), texts.end());
}

}  // namespace

std::string neonParameterText(int entry) {
    if (entry < 0 || entry >= kNeonParameterCount)
        return {};
    const int halves = entry + 1;
    std::string text = std::to_string(halves / 2);
    if (halves % 2 != 0)
        text += ".5";
    return text + "S";
}

std::vector<std::string> parameterEntries(std::uint8_t mode) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return copyOf(kStandardParameters);
        case LightingMode::Respiration:
            return copyOf(kRespirationParameters);
        default:
            break;
    }
    std::vector<std::string> entries;
    for (int k = 0; k < kNeonParameterCount; ++k)
        entries.push_back(neonParameterText(k));
    return entries;
}

std::string parameterText(std::uint8_t mode, std::uint8_t parameter) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return parameter < kStandardParameters.size()
                       ? std::string(kStandardParameters[parameter])
                       : std::string();
        case LightingMode::Respiration:
            return parameter < kRespirationParameters.size()
                       ? std::string(kRespirationParameters[parameter])
                       : std::string();
        case LightingMode::Neon:
            return neonParameterText(parameter);
        default:
            return {};
    }
}

Rect parameterListRect(std::uint8_t mode) {
    Rect rect = kParameterListTop;
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            rect.bottom = kStandardListBottom;
            break;
        case LightingMode::Respiration:
            rect.bottom = kRespirationListBottom;
            break;
        default:
            rect.bottom = kNeonListBottom;
            break;
    }
    return rect;
}

}  // namespace quorvel
