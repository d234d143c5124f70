#include "config/record_texts.h"

namespace quorvel {
namespace {

template <std::size_t N>
std::string_view entryOrEmpty(const std::array<std::string_view, N>& table, std::uint8_t index) {
    return index < N ? table[index] : std::string_view{};
}

}  // namespace

std::optional<std::size_t> reportRatePosition(std::uint8_t code) {
    for (std::size_t i = 0; i < kReportRates.size(); ++i) {
        if (kReportRates[i].code == code)
            return i;
    }
    return std::nullopt;
}

std::optional<int> reportRateHertz(std::uint8_t code) {
    const auto at = reportRatePosition(code);
    return at ? std::optional(kReportRates[*at].hertz) : std::nullopt;
}

std::optional<std::uint8_t> reportRateCode(int hertz) {
    for (const auto& rate : kReportRates) {
        if (rate.hertz == hertz)
            return rate.code;
    }
    return std::nullopt;
}

std::string_view lightingModeName(std::uint8_t mode) {
    return entryOrEmpty(kLightingModeNames, mode);
}

std::string_view lightingEffectName(std::uint8_t effect) {
    return entryOrEmpty(kLightingEffectNames, effect);
}

std::string_view standardParameterText(std::uint8_t value) {
    return entryOrEmpty(kStandardParameterTexts, value);
}

std::string_view respirationParameterText(std::uint8_t value) {
    return entryOrEmpty(kRespirationParameterTexts, value);
}

std::string neonParameterText(std::uint8_t value) {
    if (value >= kNeonParameterCount)
        return {};
    const int halves = value + 1;
    std::string text = std::to_string(halves / 2);
    if (halves % 2 != 0)
        text += ".5";
    return text + "S";
}

}  // namespace quorvel
