// Words for the coded bytes of the record: report rates, lighting modes, parameters, effects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct ReportRate {
    std::uint8_t code;  // the polling interval in milliseconds
    int hertz;
};
// Slowest first, as the basic page's segments run from the left.
inline constexpr std::array<ReportRate, 4> kReportRates = {
    {{8, 125}, {4, 250}, {2, 500}, {1, 1000}}};
inline constexpr std::uint8_t kFastestReportRate = kReportRates.back().code;

// Empty for a code the mouse does not know.
std::optional<int> reportRateHertz(std::uint8_t code);
std::optional<std::uint8_t> reportRateCode(int hertz);
std::optional<std::size_t> reportRatePosition(std::uint8_t code);

// The lighting-mode byte; kLightingModeNames is indexed by it.
enum class LightingMode : std::uint8_t { Off = 0, Standard = 1, Respiration = 2, Neon = 3 };
inline constexpr std::array<std::string_view, 4> kLightingModeNames = {"Off", "Standard",
                                                                       "Respiration", "Neon"};
inline constexpr std::array<std::string_view, 4> kLightingEffectNames = {
    "Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"};
inline constexpr std::uint8_t kNeonEffectFirst = 2;  // "RGB Flash"
inline constexpr std::uint8_t kNeonEffectLast = 3;   // "RGB Fixed On"

inline constexpr std::array<std::string_view, 10> kStandardParameterTexts = {
    "5%", "15%", "25%", "35%", "45%", "55%", "65%", "75%", "85%", "100%"};
inline constexpr std::array<std::string_view, 5> kRespirationParameterTexts = {"8S", "7S", "6S",
                                                                               "5S", "4S"};
inline constexpr int kNeonParameterCount = 30;

// Empty texts for values outside their lists.
std::string_view lightingModeName(std::uint8_t mode);
std::string_view lightingEffectName(std::uint8_t effect);
std::string_view standardParameterText(std::uint8_t value);
std::string_view respirationParameterText(std::uint8_t value);
std::string neonParameterText(std::uint8_t value);  // entry k reads (k + 1) half seconds

}  // namespace quorvel
