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

std::vector<std::string> parameterEntries(std::uint8_t mode) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return copyOf(kStandardParameterTexts);
        case LightingMode::Respiration:
            return copyOf(kRespirationParameterTexts);
        default:
            break;
    }
    std::vector<std::string> entries;
    for (int k = 0; k < kNeonParameterCount; ++k)
        entries.push_back(neonParameterText(static_cast<std::uint8_t>(k)));
    return entries;
}

std::string parameterText(std::uint8_t mode, std::uint8_t parameter) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return std::string(standardParameterText(parameter));
        case LightingMode::Respiration:
            return std::string(respirationParameterText(parameter));
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
