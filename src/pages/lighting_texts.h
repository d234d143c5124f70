// The lighting parameter texts (not translated) and the parameter list's reach per mode.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/geometry.h"

namespace quorvel {

enum class LightingMode : std::uint8_t { Off = 0, Standard = 1, Respiration = 2, Neon = 3 };

inline constexpr std::array<std::string_view, 10> kStandardParameters = {
    "5%", "15%", "25%", "35%", "45%", "55%", "65%", "75%", "85%", "100%"};
inline constexpr std::array<std::string_view, 5> kRespirationParameters = {"8S", "7S", "6S", "5S",
                                                                           "4S"};
inline constexpr int kNeonParameterCount = 30;

// Entry k of the Neon list: (k + 1) half seconds, whole numbers without ".0".
std::string neonParameterText(int entry);
// The entries of the parameter list: Standard and Respiration have their own, every other
// mode (Off included) offers the Neon times.
std::vector<std::string> parameterEntries(std::uint8_t mode);
// The text of the parameter stored for `mode`; empty outside the mode's range or in mode 0.
std::string parameterText(std::uint8_t mode, std::uint8_t parameter);
// The parameter list window: it reaches down to 547 for Standard, 467 for Respiration and
// 577 for every other mode.
Rect parameterListRect(std::uint8_t mode);

}  // namespace quorvel
